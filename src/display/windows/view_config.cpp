// SPDX-License-Identifier: GPL-2.0-or-later
#include "display/windows/view_config.h"

#include <QCoreApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>

#include "display/viewer_rules.h"
#include "ui/appearance.h"
#include "ui/grid_keys.h"
#include "ui/seams/dialogs.h"
#include "ui/seams/help.h"
#include "ui/seams/messages.h"
#include "ui/window_fit.h"

namespace {
QString fontBox(const store::FontSetting& f) { return QCoreApplication::translate("TViewConfig", "%1pt %2").arg(f.size).arg(f.name); }

QTableWidget* grid(QWidget* parent, const char* name, const QStringList& titles)
{
    auto* g = new QTableWidget(store::kFieldCount, int(titles.size()), parent);
    g->setObjectName(QString::fromLatin1(name));
    g->setHorizontalHeaderLabels(titles);
    g->horizontalHeader()->setVisible(!titles.first().isEmpty());
    g->verticalHeader()->setVisible(false);
    g->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    g->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->setShowGrid(true);
    g->setTabKeyNavigation(true);
    return g;
}

QPushButton* button(QWidget* parent, const char* name, const char* caption, QRect g)
{
    auto* b = new QPushButton(QCoreApplication::translate("TViewConfig", caption), parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(g);
    b->setAutoDefault(false);
    return b;
}
}  // namespace

TViewConfig::TViewConfig(store::DatabaseSettings& settings, double factor, std::function<void()> applied, QWidget* parent)
    : QDialog(parent), s_(settings), factor_(factor), applied_(std::move(applied))
{
    setObjectName(QStringLiteral("ViewConfig"));
    setWindowTitle(tr("Viewer Configuration"));
    ui::makeFixedDialog(this);
    resize(600, 440);
    Notebook = new QTabWidget(this);
    Notebook->setObjectName(QStringLiteral("Notebook"));
    Notebook->setGeometry(6, 6, 588, 380);
    const char* tabs[6] = {QT_TR_NOOP("&Title"), QT_TR_NOOP("&Look and Feel"), QT_TR_NOOP("Fields to &Show"), QT_TR_NOOP("Field &Widths"), QT_TR_NOOP("Field &Order"), QT_TR_NOOP("Field &Names")};
    QWidget* pages[6];
    for (int i = 0; i < 6; ++i) {
        pages[i] = new QWidget(Notebook);
        Notebook->addTab(pages[i], tr(tabs[i]));
    }
    buildTitlePage(pages[0]);
    buildLookPage(pages[1]);
    buildGrids();
    auto* help = button(this, "HelpButton", QT_TR_NOOP("&Help"), {6, 396, 90, 32});
    auto* exit = button(this, "ExitButton", QT_TR_NOOP("E&xit"), {504, 396, 90, 32});
    connect(help, &QPushButton::clicked, this, &TViewConfig::HelpClick);
    connect(exit, &QPushButton::clicked, this, &TViewConfig::ExitClick);

    // creating the window: the check boxes from the settings
    ShowGridTitle->setChecked(s_.showTitles);
    ColumnLines->setChecked(s_.columnLines);
    RowLines->setChecked(s_.rowLines);
    RowIndicator->setChecked(s_.rowIndicator);
    FieldEditing->setChecked(s_.fieldEditing);
    connect(ShowGridTitle, &QCheckBox::toggled, this, [this](bool on) { s_.showTitles = on; });
    connect(ColumnLines, &QCheckBox::toggled, this, [this](bool on) { s_.columnLines = on; });
    connect(RowLines, &QCheckBox::toggled, this, [this](bool on) { s_.rowLines = on; });
    connect(RowIndicator, &QCheckBox::toggled, this, [this](bool on) { s_.rowIndicator = on; });
    connect(FieldEditing, &QCheckBox::toggled, this, [this](bool on) { s_.fieldEditing = on; });
}

void TViewConfig::buildTitlePage(QWidget* page)
{
    ShowGridTitle = new QCheckBox(tr("Show Column Titles"), page);
    ShowGridTitle->setObjectName(QStringLiteral("ShowGridTitle"));
    ShowGridTitle->setGeometry(20, 14, 250, 24);
    auto* background = new QGroupBox(tr("Background"), page);
    background->setObjectName(QStringLiteral("BackgroundGroup"));
    background->setGeometry(20, 50, 250, 110);
    TitleShape = new QFrame(background);
    TitleShape->setObjectName(QStringLiteral("TitleShape"));
    TitleShape->setFrameStyle(QFrame::Box);
    TitleShape->setGeometry(20, 34, 80, 50);
    connect(button(background, "TitleColorButton", QT_TR_NOOP("New &Color"), {120, 42, 110, 32}), &QPushButton::clicked, this,
            &TViewConfig::TitleColorClick);
    auto* font = new QGroupBox(tr("Title Font"), page);
    font->setObjectName(QStringLiteral("TitleFontGroup"));
    font->setGeometry(290, 50, 270, 110);
    TitleFont = new QLineEdit(font);
    TitleFont->setObjectName(QStringLiteral("TitleFont"));
    TitleFont->setReadOnly(true);
    TitleFont->setGeometry(14, 34, 240, 26);
    connect(button(font, "TitleFontButton", QT_TR_NOOP("New &Font"), {14, 68, 110, 30}), &QPushButton::clicked, this,
            &TViewConfig::TitleFontClick);
    auto* align = new QGroupBox(tr("Alignment"), page);
    align->setObjectName(QStringLiteral("AlignmentGroup"));
    align->setGeometry(20, 176, 250, 130);
    const char* captions[3] = {QT_TR_NOOP("Left Justify"), QT_TR_NOOP("Center"), QT_TR_NOOP("Right Justify")};
    for (int i = 0; i < 3; ++i) {
        Alignment[std::size_t(i)] = new QRadioButton(tr(captions[i]), align);
        Alignment[std::size_t(i)]->setObjectName(QStringLiteral("Alignment%1").arg(i + 1));
        Alignment[std::size_t(i)]->setGeometry(20, 30 + i * 30, 200, 24);
        connect(Alignment[std::size_t(i)], &QRadioButton::clicked, this, [this, i] { s_.titleAlignment = i + 1; });
    }
}

void TViewConfig::buildLookPage(QWidget* page)
{
    auto* options = new QGroupBox(tr("Grid Options"), page);
    options->setObjectName(QStringLiteral("GridOptionsGroup"));
    options->setGeometry(20, 14, 300, 160);
    auto check = [options](QCheckBox*& box, const char* name, const char* caption, int row) {
        box = new QCheckBox(tr(caption), options);
        box->setObjectName(QString::fromLatin1(name));
        box->setGeometry(16, 30 + row * 30, 270, 24);
    };
    check(ColumnLines, "ColumnLines", QT_TR_NOOP("Show lines between columns"), 0);
    check(RowLines, "RowLines", QT_TR_NOOP("Show lines between rows"), 1);
    check(RowIndicator, "RowIndicator", QT_TR_NOOP("Show current row indicator"), 2);
    check(FieldEditing, "FieldEditing", QT_TR_NOOP("Allow field editing"), 3);
    auto* cell = new QGroupBox(tr("Cell Color"), page);
    cell->setObjectName(QStringLiteral("CellColorGroup"));
    cell->setGeometry(340, 14, 220, 110);
    connect(button(cell, "CellColorButton", QT_TR_NOOP("New &Color"), {14, 42, 100, 32}), &QPushButton::clicked, this,
            &TViewConfig::CellColorClick);
    CellColorShape = new QFrame(cell);
    CellColorShape->setObjectName(QStringLiteral("CellColorShape"));
    CellColorShape->setFrameStyle(QFrame::Box);
    CellColorShape->setGeometry(126, 34, 80, 50);
    auto* font = new QGroupBox(tr("Cell Font"), page);
    font->setObjectName(QStringLiteral("CellFontGroup"));
    font->setGeometry(20, 190, 300, 110);
    connect(button(font, "CellFontButton", QT_TR_NOOP("New &Font"), {14, 30, 110, 30}), &QPushButton::clicked, this,
            &TViewConfig::CellFontClick);
    GridFont = new QLineEdit(font);
    GridFont->setObjectName(QStringLiteral("GridFont"));
    GridFont->setReadOnly(true);
    GridFont->setGeometry(14, 68, 270, 26);
}

void TViewConfig::buildGrids()
{
    QWidget* show = Notebook->widget(2);
    FieldsToDisplay = grid(show, "FieldsToDisplay", {QStringLiteral("FIELD"), tr("DISPLAY IT")});
    FieldsToDisplay->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FieldsToDisplay->move(10, 10);
    connect(FieldsToDisplay, &QTableWidget::cellDoubleClicked, this, [this] { FieldsToDisplayDblClick(); });
    ui::toggleOnSpace(FieldsToDisplay, [this](int row) {
        FieldsToDisplay->setCurrentCell(row, 1);
        FieldsToDisplayDblClick();
    });
    auto* text = new QLabel(tr("For each field that you would like displayed in the Viewer, select 'Yes'.  If you "
                                           "do not wish a field to appear in the Viewer, then select 'No' for that field.  "
                                           "Double Click on the field to change between 'Yes' and 'No'."),
                            show);
    text->setObjectName(QStringLiteral("ShowText"));
    text->setWordWrap(true);
    text->setGeometry(350, 10, 220, 200);
    text->setAlignment(Qt::AlignTop | Qt::AlignLeft);

    FieldWidthGrid = grid(Notebook->widget(3), "FieldWidthGrid", {QStringLiteral("FIELD"), QStringLiteral("WIDTH")});
    FieldWidthGrid->move(10, 10);
    FieldOrderGrid = grid(Notebook->widget(4), "FieldOrderGrid", {QString()});
    FieldOrderGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FieldOrderGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    FieldOrderGrid->move(10, 10);
    QWidget* order = Notebook->widget(4);
    auto* heading = new QLabel(tr("Field"), order);
    heading->setObjectName(QStringLiteral("FieldHeading"));
    heading->setGeometry(330, 20, 200, 24);
    auto* heading2 = new QLabel(tr("Ordering"), order);
    heading2->setObjectName(QStringLiteral("OrderingHeading"));
    heading2->setGeometry(330, 44, 200, 24);
    for (QLabel* l : {heading, heading2}) {
        QFont f = l->font();
        f.setBold(true);
        f.setPointSize(f.pointSize() + 2);
        l->setFont(f);
        l->setAlignment(Qt::AlignCenter);
    }
    connect(button(order, "UpButton", QT_TR_NOOP("&Up"), {380, 90, 100, 32}), &QPushButton::clicked, this, &TViewConfig::UpClick);
    connect(button(order, "DownButton", QT_TR_NOOP("&Down"), {380, 130, 100, 32}), &QPushButton::clicked, this, &TViewConfig::DownClick);
    connect(button(order, "DefaultsButton", QT_TR_NOOP("D&efaults"), {380, 170, 100, 32}), &QPushButton::clicked, this,
            &TViewConfig::DefaultsClick);
    FieldNameGrid = grid(Notebook->widget(5), "FieldNameGrid", {QStringLiteral("FIELD"), tr("NAME TO USE")});
    FieldNameGrid->move(10, 10);
}

void TViewConfig::FormShow()
{
    ui::applyProgramFonts(this, s_.labelFont, s_.editFont, s_.buttonFont);
    const QPoint at = ui::fitWindow(this, nullptr, factor_, ui::screenSize());
    if (at.y() > 10) move(at.x(), at.y() - 10);
    TitleFont->setText(fontBox(s_.titleFont));
    GridFont->setText(fontBox(s_.gridFont));
    paintSamples();
    for (int i = 0; i < 3; ++i) Alignment[std::size_t(i)]->setChecked(s_.titleAlignment == i + 1);
    fillGrids();
    applyColors();
}

void TViewConfig::paintSamples()
{
    for (auto [shape, color] : {std::pair {TitleShape, s_.titleColor}, std::pair {CellColorShape, s_.cellColor}}) {
        QPalette p = shape->palette();
        p.setColor(QPalette::Window, ui::toColor(color));
        shape->setPalette(p);
        shape->setAutoFillBackground(true);
    }
}

void TViewConfig::fillGrids()
{
    const int rowHeight = int(std::lround(FieldsToDisplay->verticalHeader()->defaultSectionSize() * factor_));
    auto size = [&](QTableWidget* g, std::initializer_list<int> widths) {
        int total = 0, c = 0;
        for (int w : widths) {
            int px = int(std::lround(w * factor_));
            g->setColumnWidth(c++, px);
            total += px;
        }
        g->verticalHeader()->setDefaultSectionSize(rowHeight);
        g->resize(total + 20, Notebook->height() - Notebook->tabBar()->sizeHint().height() - 24);
    };
    size(FieldWidthGrid, {200, 100});
    size(FieldsToDisplay, {200, 100});
    size(FieldNameGrid, {200, 200});
    size(FieldOrderGrid, {200});
    auto item = [](const QString& text, bool editable) {
        auto* it = new QTableWidgetItem(text);
        if (!editable) it->setFlags(it->flags() & ~Qt::ItemIsEditable);
        return it;
    };
    for (int i = 0; i < store::kFieldCount; ++i) {
        const auto n = std::size_t(i);
        namesAtOpen_[n] = s_.fieldNames[n];
        FieldWidthGrid->setItem(i, 0, item(s_.fieldNames[n], false));
        FieldWidthGrid->setItem(i, 1, item(QString::number(s_.fieldWidth[n]), true));
        FieldsToDisplay->setItem(i, 0, item(s_.fieldNames[n], false));
        FieldsToDisplay->setItem(i, 1, item(s_.displayFields[n] ? QStringLiteral("Yes") : QStringLiteral("No"), false));
        FieldNameGrid->setItem(i, 0, item(QString::fromLatin1(store::fieldTable()[n].name), false));
        FieldNameGrid->setItem(i, 1, item(s_.fieldNames[n], true));
        FieldOrderGrid->setItem(i, 0, item(QString(), false));
    }
    for (int i = 0; i < store::kFieldCount; ++i) {
        const int p = s_.fieldOrder[std::size_t(i)];
        if (p >= 1 && p <= store::kFieldCount) FieldOrderGrid->item(p - 1, 0)->setText(s_.fieldNames[std::size_t(i)]);
    }
    FieldOrderGrid->setCurrentCell(0, 0);
}

void TViewConfig::applyColors()
{
    const store::ColorSet& set = s_.colors[store::ConfigureColors];
    ui::setWindowBackground(this, set);
    const QColor back = ui::toColor(set[store::MainBackground]);
    for (const char* g : {"BackgroundGroup", "TitleFontGroup", "AlignmentGroup", "GridOptionsGroup", "CellColorGroup",
                          "CellFontGroup"})
        if (auto* w = findChild<QGroupBox*>(g)) ui::setTextColor(w, ui::toColor(set[store::MajorTitle]));
    for (const char* l : {"FieldHeading", "OrderingHeading"}) {
        auto* w = findChild<QLabel*>(l);
        ui::setColors(w, back, ui::toColor(set[store::MinorTitle]));
        w->setAutoFillBackground(false);
    }
    for (QCheckBox* c : findChildren<QCheckBox*>())
        ui::setColors(c, ui::toColor(set[store::CheckBackground]), ui::toColor(set[store::CheckText]));
    for (QRadioButton* r : Alignment)
        ui::setColors(r, ui::toColor(set[store::RadioBackground]), ui::toColor(set[store::RadioText]));
    for (QLineEdit* e : {TitleFont, GridFont})
        ui::setColors(e, ui::toColor(set[store::EditBackground]), ui::toColor(set[store::EditText]));
    for (QTableWidget* g : {FieldsToDisplay, FieldWidthGrid, FieldOrderGrid, FieldNameGrid})
        ui::setColors(g, ui::toColor(set[store::ListBoxBackground]), ui::toColor(set[store::ListBoxText]));
}

void TViewConfig::FieldsToDisplayDblClick()
{
    QTableWidgetItem* it = FieldsToDisplay->currentItem();
    if (!it || FieldsToDisplay->currentColumn() != 1) return;
    it->setText(it->text() == QLatin1String("Yes") ? QStringLiteral("No") : QStringLiteral("Yes"));
}

void TViewConfig::UpClick()
{
    const int r = FieldOrderGrid->currentRow();
    if (r <= 0) return;
    QString a = FieldOrderGrid->item(r, 0)->text();
    FieldOrderGrid->item(r, 0)->setText(FieldOrderGrid->item(r - 1, 0)->text());
    FieldOrderGrid->item(r - 1, 0)->setText(a);
    FieldOrderGrid->setCurrentCell(r - 1, 0);
}

void TViewConfig::DownClick()
{
    const int r = FieldOrderGrid->currentRow();
    if (r < 0 || r >= store::kFieldCount - 1) return;
    QString a = FieldOrderGrid->item(r, 0)->text();
    FieldOrderGrid->item(r, 0)->setText(FieldOrderGrid->item(r + 1, 0)->text());
    FieldOrderGrid->item(r + 1, 0)->setText(a);
    FieldOrderGrid->setCurrentCell(r + 1, 0);
}

void TViewConfig::DefaultsClick()
{
    if (ui::messages().show({this, tr("Re-Order"),
                             tr("This will set the order of fields to the program defaults.  Continue?"),
                             ui::MsgIcon::Question, ui::Yes | ui::No, ui::Yes, false}) != ui::Yes)
        return;
    for (int i = 0; i < store::kFieldCount; ++i) FieldOrderGrid->item(i, 0)->setText(s_.fieldNames[std::size_t(i)]);
}

void TViewConfig::HelpClick()
{
    const char* keywords[6] = {"Viewer Configuration Title", "Viewer Configuration Look", "Viewer Configuration Show",
                               "Viewer Configuration Widths", "Viewer Configuration Order", "Viewer Configuration Names"};
    ui::help().showKeyword(this, QString::fromLatin1(keywords[Notebook->currentIndex()]));
}

void TViewConfig::TitleColorClick()
{
    if (auto c = ui::dialogs().chooseColor(this, ui::toColor(s_.titleColor))) {
        s_.titleColor = ui::fromColor(*c);
        paintSamples();
    }
}

void TViewConfig::CellColorClick()
{
    if (auto c = ui::dialogs().chooseColor(this, ui::toColor(s_.cellColor))) {
        s_.cellColor = ui::fromColor(*c);
        paintSamples();
    }
}

void TViewConfig::TitleFontClick()
{
    if (auto f = ui::chooseFontSetting(this, s_.titleFont)) {
        s_.titleFont = *f;
        TitleFont->setText(fontBox(s_.titleFont));
    }
}

void TViewConfig::CellFontClick()
{
    if (auto f = ui::chooseFontSetting(this, s_.gridFont)) {
        s_.gridFont = *f;
        GridFont->setText(fontBox(s_.gridFont));
    }
}

bool TViewConfig::FormCloseQuery()
{
    // an editor still open in a grid gives its text first
    for (QTableWidget* g : {FieldWidthGrid, FieldNameGrid})
        if (g->currentColumn() == 1) g->setCurrentCell(g->currentRow(), 0);
    QStringList names;
    for (int i = 0; i < store::kFieldCount; ++i) names << FieldNameGrid->item(i, 1)->text();
    if (auto dup = display::duplicateName(names)) {
        ui::showError(this, tr("Two field names have the same name \"%1\".  Please change one.").arg(*dup));
        Notebook->setCurrentIndex(5);
        FieldNameGrid->setFocus();
        return false;
    }
    QStringList rows;
    for (int i = 0; i < store::kFieldCount; ++i) {
        const auto n = std::size_t(i);
        const int w = display::readWidth(FieldWidthGrid->item(i, 1)->text());
        if (QString::number(w) != FieldWidthGrid->item(i, 1)->text().trimmed() && w == 10)
            FieldWidthGrid->item(i, 1)->setText(QStringLiteral("10"));
        s_.fieldWidth[n] = w;
        s_.displayFields[n] = FieldsToDisplay->item(i, 1)->text() == QLatin1String("Yes");
        rows << FieldOrderGrid->item(i, 0)->text();
    }
    s_.fieldOrder = display::matchOrder(rows, namesAtOpen_, s_.fieldOrder);
    for (int i = 0; i < store::kFieldCount; ++i) s_.fieldNames[std::size_t(i)] = names[i].left(store::kDisplayNameLength);
    return true;
}

void TViewConfig::ExitClick()
{
    if (!FormCloseQuery()) return;
    closing_ = true;
    done(QDialog::Accepted);
}

void TViewConfig::closeEvent(QCloseEvent* e)
{
    if (!FormCloseQuery()) {
        e->ignore();
        return;
    }
    closing_ = true;
    QDialog::closeEvent(e);
}

void TViewConfig::done(int r)
{
    // Escape closes like the close box: the rules apply first
    if (!closing_ && !FormCloseQuery()) return;
    closing_ = true;
    if (applied_) applied_();
    QDialog::done(r);
}
