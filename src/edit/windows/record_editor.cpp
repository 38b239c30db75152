// SPDX-License-Identifier: GPL-2.0-or-later
// The record editor's form: its pages, boxes, menu and buttons, colours, captions and keys.
#include "edit/windows/record_editor.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <algorithm>

#include "edit/record_values.h"
#include "edit/windows/record_editor_boxes.h"
#include "store/field_table.h"
#include "ui/appearance.h"
#include "ui/bevel.h"
#include "ui/seams/help.h"

namespace edit {

using namespace editor_boxes;

TMyEdit::TMyEdit(const EditorHost& host, QWidget* parent) : QDialog(parent), host_(host)
{
    setObjectName(QStringLiteral("MyEdit"));
    setWindowTitle(tr("Edit"));
    ui::makeFixedDialog(this);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(15);
    setFont(f);
    resize(632, 418);
    buildMenu();
    buildPages();
    buildButtons();
    setFixedSize(632, 418);
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    design_ = ui::recordWindowDimensions(this);
    fillCombos();
    setChangesRefused(host_.browseMode);
}

void TMyEdit::setChangesRefused(bool refused)
{
    host_.browseMode = refused;
    for (const char* a : {"MenuNewRecord", "MenuClearRecord", "MenuUpdateRecord", "MenuUpdateExit", "MenuCut",
                          "MenuCopy", "MenuPaste", "MenuDelete"})
        actions_[a]->setEnabled(!refused);
    for (const char* b : {"UpdateExitButton", "UpdateButton", "ClearButton"})
        findChild<QPushButton*>(b)->setEnabled(!refused);
}

void TMyEdit::buildMenu()
{
    auto* bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("EditMenu"));
    auto add = [this](QMenu* m, const char* name, const char* caption, QKeySequence key, auto slot) {
        QAction* a = m->addAction(tr(caption));
        a->setObjectName(QString::fromLatin1(name));
        if (!key.isEmpty()) a->setShortcut(key);
        connect(a, &QAction::triggered, this, slot);
        actions_[QString::fromLatin1(name)] = a;
        return a;
    };
    const auto C = [](int k) { return QKeySequence(Qt::CTRL | Qt::Key(k)); };
    QMenu* file = bar->addMenu(tr("&File"));
    add(file, "MenuNewRecord", QT_TR_NOOP("N&ew Record"), C(Qt::Key_E), &TMyEdit::NewRecordClick);
    add(file, "MenuCopyRecord", QT_TR_NOOP("Cop&y Record"), C(Qt::Key_Y), &TMyEdit::CopyRecordClick);
    add(file, "MenuClearRecord", QT_TR_NOOP("&Clear Record"), C(Qt::Key_L), &TMyEdit::DoClear);
    add(file, "MenuUpdateRecord", QT_TR_NOOP("Up&date Record"), C(Qt::Key_R), &TMyEdit::DoAnUpdate);
    add(file, "MenuUpdateExit", QT_TR_NOOP("&Update && Exit"), C(Qt::Key_U), &TMyEdit::DoUpdateAndExit);
    add(file, "MenuPrintRecord", QT_TR_NOOP("Prin&t Record"), C(Qt::Key_T), &TMyEdit::MenuPrintRecordClick);
    add(file, "MenuPreviousRecord", QT_TR_NOOP("&Previous Record"), C(Qt::Key_P), &TMyEdit::DoPreviousRecord);
    add(file, "MenuNextRecord", QT_TR_NOOP("&Next Record"), C(Qt::Key_N), &TMyEdit::DoNextRecord);
    add(file, "MenuExit", QT_TR_NOOP("E&xit"), {}, &TMyEdit::DoExit);
    QMenu* editMenu = bar->addMenu(tr("&Edit"));
    auto onFocused = [this](auto lineEditAction) {
        return [this, lineEditAction] {
            QWidget* w = QApplication::focusWidget();
            QLineEdit* e = qobject_cast<QLineEdit*>(w);
            if (!e) {
                if (auto* c = qobject_cast<QComboBox*>(w)) e = c->lineEdit();
            }
            if (e && isAncestorOf(e)) lineEditAction(e);
        };
    };
    add(editMenu, "MenuCut", QT_TR_NOOP("Cu&t"), C(Qt::Key_X), onFocused([](QLineEdit* e) { e->cut(); }));
    add(editMenu, "MenuCopy", QT_TR_NOOP("&Copy"), C(Qt::Key_C), onFocused([](QLineEdit* e) { e->copy(); }));
    add(editMenu, "MenuPaste", QT_TR_NOOP("&Paste"), C(Qt::Key_V), onFocused([](QLineEdit* e) { e->paste(); }));
    add(editMenu, "MenuDelete", QT_TR_NOOP("&Delete"), C(Qt::Key_D), onFocused([](QLineEdit* e) { e->del(); }));
    QAction* help = bar->addAction(tr("&Help"));
    help->setObjectName(QStringLiteral("MenuHelp"));
    help->setShortcut(C(Qt::Key_H));
    connect(help, &QAction::triggered, this, &TMyEdit::HelpClick);
    actions_[QStringLiteral("MenuHelp")] = help;
    bar->setGeometry(0, 0, 632, 24);
}

QWidget* TMyEdit::addBox(QWidget* page, const QString& name, int field, int x, int y, int width, bool list, int labelWidth)
{
    QWidget* w;
    if (list) {
        auto* c = new QComboBox(page);
        c->setEditable(true);
        c->setInsertPolicy(QComboBox::NoInsert);
        c->lineEdit()->setMaxLength(store::fieldDef(field).width);
        c->installEventFilter(this);
        c->lineEdit()->installEventFilter(this);
        w = c;
    } else {
        auto* e = new QLineEdit(page);
        e->setMaxLength(store::fieldDef(field).width);
        e->installEventFilter(this);
        w = e;
    }
    w->setObjectName(name);
    w->setGeometry(x, y, width, 24);
    auto* label = new QLabel(page);
    label->setObjectName(name + QStringLiteral("Label"));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setGeometry(x - labelWidth - 6, y, labelWidth, 24);
    label->setBuddy(w);
    boxes_[name] = w;
    labels_[name] = label;
    fields_[name] = field;
    return w;
}

void TMyEdit::buildPages()
{
    notebook_ = new QTabWidget(this);
    notebook_->setObjectName(QStringLiteral("Notebook"));
    notebook_->setGeometry(4, 28, 624, 340);
    QWidget* pages[5];
    const char* tabs[5] = {QT_TR_NOOP("&Description"), QT_TR_NOOP("&Catalog"), QT_TR_NOOP("&Worth"), QT_TR_NOOP("Li&brary"), QT_TR_NOOP("&Other")};
    const char* pageNames[5] = {"DescriptionPage", "CatalogPage", "WorthPage", "LibraryPage", "OtherPage"};
    for (int i = 0; i < 5; ++i) {
        pages[i] = new QWidget(notebook_);
        pages[i]->setObjectName(QString::fromLatin1(pageNames[i]));
        notebook_->addTab(pages[i], tr(tabs[i]));
    }
    const int X = 160, R = 33;
    QWidget* p = pages[Description];
    addBox(p, "Title", 1, X, 10, 440, false);
    addBox(p, "Author", 2, X, 10 + R, 440, true);
    addBox(p, "Publisher", 4, X, 10 + 2 * R, 440, true);
    addBox(p, "Editor", 27, X, 10 + 3 * R, 300, false);
    addBox(p, "BookType", 13, X, 10 + 4 * R, 200, true);
    addBox(p, "Volume", 20, X, 10 + 5 * R, 100, false);
    addBox(p, "Issue", 21, 440, 10 + 5 * R, 100, false, 160);
    addBox(p, "YearPub", 3, X, 10 + 6 * R, 60, false);
    addBox(p, "Edition", 22, 440, 10 + 6 * R, 120, false, 160);
    addBox(p, "Pages", 24, X, 10 + 7 * R, 70, false);
    addBox(p, "PurchDate", 12, 440, 10 + 7 * R, 96, false, 160);
    auto* blank = new QPushButton(tr("Blan&k"), p);
    blank->setObjectName(QStringLiteral("BlankButton"));
    blank->setAutoDefault(false);
    blank->setGeometry(542, 10 + 7 * R, 64, 24);
    connect(blank, &QPushButton::clicked, this, &TMyEdit::BlankClick);
    addBox(p, "WherePurch", 6, X, 10 + 8 * R, 300, true);
    // Tab order of the page: as it reads, row by row (Editor under Publisher, Blank beside the date)
    QWidget* order[] = {box("Title"), combo("Author"), combo("Publisher"), box("Editor"), combo("BookType"),
                        box("Volume"), box("Issue"), box("YearPub"), box("Edition"), box("Pages"),
                        box("PurchDate"), blank, combo("WherePurch")};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

    p = pages[Catalog];
    addBox(p, "Catalog", 14, X, 10, 150, false);
    addBox(p, "SubCat1", 15, X, 10 + R, 70, false);
    addBox(p, "SubCat2", 16, 440, 10 + R, 70, false, 160);
    addBox(p, "Dewey", 28, X, 10 + 2 * R, 200, false);
    addBox(p, "ISBN", 10, X, 10 + 3 * R, 200, false);
    addBox(p, "Category", 5, X, 10 + 4 * R, 200, true);
    addBox(p, "KeyWords", 23, X, 10 + 5 * R, 440, false);
    addBox(p, "PersRating", 11, X, 10 + 6 * R, 150, true);
    addBox(p, "Location", 25, X, 10 + 7 * R, 300, true);

    p = pages[Worth];
    for (int i = 0; i < 4; ++i) {
        const int fieldNumbers[4] = {7, 8, 29, 30};
        QWidget* w = addBox(p, kMoney[i], fieldNumbers[i], X, 10 + i * R, 150, false);
        // the box holds the formatted amount, separators included: no cut at the field width;
        // an amount the field cannot hold is refused by the update
        static_cast<QLineEdit*>(w)->setMaxLength(kMoneyBoxLength);
        static_cast<QLineEdit*>(w)->setAlignment(Qt::AlignRight);
        connect(static_cast<QLineEdit*>(w), &QLineEdit::editingFinished, this,
                [this, n = QString::fromLatin1(kMoney[i])] { moneyExit(n); });
    }

    p = pages[Library];
    checkOut_ = new QCheckBox(p);
    checkOut_->setObjectName(QStringLiteral("CheckOut"));
    checkOut_->setGeometry(X, 10, 250, 24);
    checkOut_->installEventFilter(this);
    connect(checkOut_, &QCheckBox::clicked, this, &TMyEdit::CheckOutClick);
    boxes_[QStringLiteral("CheckOut")] = checkOut_;
    fields_[QStringLiteral("CheckOut")] = 17;
    addBox(p, "CheckDate", 18, X, 10 + R, 96, false);
    auto* blankDate = new QPushButton(tr("Blan&k Date"), p);
    blankDate->setObjectName(QStringLiteral("BlankDateButton"));
    blankDate->setAutoDefault(false);
    blankDate->setGeometry(X + 104, 10 + R, 96, 24);
    connect(blankDate, &QPushButton::clicked, this, &TMyEdit::BlankDateClick);
    addBox(p, "CheckName", 19, X, 10 + 2 * R, 300, true);

    p = pages[Other];
    addBox(p, "Condition", 26, X, 10, 200, true);
    addBox(p, "Description", 9, X, 10 + R, 440, false);
    for (int i = 1; i <= 6; ++i) addBox(p, QStringLiteral("UserDef%1").arg(i), 30 + i, X, 10 + (1 + i) * R, 300, false);

    const char* headers[4] = {"WarrantyItem", "WorthItem", "LibraryItem", "OtherItem"};
    for (int i = 0; i < 4; ++i) {
        auto* h = new QLabel(pages[i + 1]);
        h->setObjectName(QString::fromLatin1(headers[i]));
        h->setGeometry(10, 272, 596, 26);
        QFont f = h->font();
        f.setBold(true);
        h->setFont(f);
        h->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        pageHeaders_ << h;
    }
    for (const char* b : kHeaderBoxes) {
        if (auto* e = box(QString::fromLatin1(b))) connect(e, &QLineEdit::editingFinished, this, &TMyEdit::SetCaptions);
    }
    for (const QString& d : {QStringLiteral("PurchDate"), QStringLiteral("CheckDate")}) {
        QLineEdit* e = box(d);
        e->setInputMask(dateMask());
    }
}

void TMyEdit::buildButtons()
{
    struct B {
        const char* name;
        const char* caption;
        int x, w;
        void (TMyEdit::*slot)();
    };
    const B buttons[] = {
        {"UpdateExitButton", QT_TR_NOOP("&Update && Exit"), 6, 120, &TMyEdit::DoUpdateAndExit},
        {"UpdateButton", QT_TR_NOOP("Up&date"), 132, 84, &TMyEdit::DoAnUpdate},
        {"ClearButton", QT_TR_NOOP("C&lear"), 222, 84, &TMyEdit::DoClear},
        {"ExitButton", QT_TR_NOOP("E&xit"), 312, 84, &TMyEdit::DoExit},
        {"PreviousButton", QT_TR_NOOP("&Previous"), 446, 84, &TMyEdit::DoPreviousRecord},
        {"NextButton", QT_TR_NOOP("&Next"), 536, 84, &TMyEdit::DoNextRecord},
    };
    auto* frame = new ui::TBevel(this);
    frame->setObjectName(QStringLiteral("MoveBevel"));
    frame->setGeometry(440, 372, 186, 40);
    for (const B& b : buttons) {
        auto* p = new QPushButton(tr(b.caption), this);
        p->setObjectName(QString::fromLatin1(b.name));
        p->setGeometry(b.x, 376, b.w, 32);
        p->setAutoDefault(false);
        connect(p, &QPushButton::clicked, this, b.slot);
    }
}

QLineEdit* TMyEdit::box(const QString& name) const { return qobject_cast<QLineEdit*>(boxes_.value(name)); }
QComboBox* TMyEdit::combo(const QString& name) const { return qobject_cast<QComboBox*>(boxes_.value(name)); }

QString TMyEdit::text(const QString& name) const
{
    if (QComboBox* c = combo(name)) return c->currentText();
    QLineEdit* e = box(name);
    if (!e) return {};
    if (isDateBox(name)) {  // the mask's blanks read as spaces: "  /  /    " when empty
        QString t = e->displayText();
        t.replace(u'_', u' ');
        return t;
    }
    return e->text();
}

void TMyEdit::setText(const QString& name, const QString& value)
{
    if (QComboBox* c = combo(name)) {
        c->setEditText(value);
    } else if (QLineEdit* e = box(name)) {
        e->setText(value);
    }
}
void TMyEdit::fitBoxesToTable()
{
    // a book table another program made may have wider text fields than ours: a box never cuts
    // a stored text, so that Update cannot save it shortened
    const store::Dataset& table = *host_.table;
    for (auto it = fields_.begin(); it != fields_.end(); ++it) {
        const store::FieldDef& def = store::fieldDef(it.value());
        if (def.kind == store::FieldKind::Money || def.kind == store::FieldKind::Date) continue;
        QLineEdit* line = box(it.key());
        if (!line && combo(it.key())) line = combo(it.key())->lineEdit();
        if (!line) continue;
        if (def.kind == store::FieldKind::WholeNumber) {  // widened by a long stored number, if need be
            line->setMaxLength(def.width);
            continue;
        }
        const int index = it.value() - 1;
        const int stored = table.active() && index < table.fieldCount() ? table.table().field(index).width : 0;
        line->setMaxLength(std::max(def.width, stored));
    }
}

int TMyEdit::ShowModal()
{
    FormShow();
    return exec();
}

void TMyEdit::FormShow()
{
    const store::DatabaseSettings& s = *host_.settings;
    ui::applyProgramFonts(this, s.labelFont, s.editFont, s.buttonFont);
    const QPoint at = ui::fitWindow(this, &design_, host_.factor ? host_.factor() : 1.0, ui::screenSize());
    if (at.y() > 10) QWidget::move(at.x(), at.y() - 10);
    for (auto it = labels_.begin(); it != labels_.end(); ++it)
        it.value()->setText(s.fieldNames[std::size_t(fields_[it.key()] - 1)]);
    checkOut_->setText(s.fieldNames[16]);
    for (const QString& d : {QStringLiteral("PurchDate"), QStringLiteral("CheckDate")}) {
        const QString keep = text(d);
        box(d)->setInputMask(dateMask());
        box(d)->setText(keep);
    }
    fillCombos();
    fitBoxesToTable();
    notebook_->setCurrentIndex(Description);
    SetColors();
    if (*host_.editorMode == 2 || *host_.editorMode == 3)
        LoadInData();
    else
        DoClear();
    SetCaptions();
    SaveValues();
    box(QStringLiteral("Title"))->setFocus();  // every mode starts in the first box of the first page
}

void TMyEdit::SetColors()
{
    const store::ColorSet& set = host_.settings->colors[store::EditColors];
    ui::setWindowBackground(this, set);
    const QColor back = ui::toColor(set[store::MainBackground]);
    for (QLabel* l : labels_) {
        ui::setColors(l, back, ui::toColor(set[store::MinorTitle]));
        l->setAutoFillBackground(false);
    }
    for (auto it = boxes_.begin(); it != boxes_.end(); ++it) {
        if (qobject_cast<QComboBox*>(it.value()))
            ui::setColors(it.value(), ui::toColor(set[store::ComboBackground]), ui::toColor(set[store::ComboText]));
        else if (qobject_cast<QCheckBox*>(it.value()))
            ui::setColors(it.value(), ui::toColor(set[store::CheckBackground]), ui::toColor(set[store::CheckText]));
        else
            ui::setColors(it.value(), ui::toColor(set[store::EditBackground]), ui::toColor(set[store::EditText]));
    }
}
void TMyEdit::SetCaptions()
{
    const QString head = (host_.settings->fieldNames[0] + QStringLiteral(": ")).left(22);
    for (QLabel* h : pageHeaders_) h->setText(head + text(QStringLiteral("Title")));
}

void TMyEdit::HelpClick() { ui::help().showKeyword(this, QStringLiteral("Input Window")); }

bool TMyEdit::isMenuShortcut(const QKeyEvent* k) const
{
    const QKeySequence pressed(k->keyCombination());
    for (const QAction* a : actions_)
        if (a->isEnabled() && !a->shortcut().isEmpty() && a->shortcut() == pressed) return true;
    return false;
}

void TMyEdit::keyPressEvent(QKeyEvent* e)
{
    // Esc is Exit, with its question, not a silent reject
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        DoExit();
        return;
    }
    QDialog::keyPressEvent(e);
}

bool TMyEdit::eventFilter(QObject* o, QEvent* e)
{
    // The menu's shortcuts come before the text boxes' own key bindings (Ctrl+U, Ctrl+E, ...)
    if (e->type() == QEvent::ShortcutOverride && isMenuShortcut(static_cast<QKeyEvent*>(e))) {
        e->ignore();
        return true;
    }
    // A date box is entered at the start of its mask: at its end every digit typed is dropped
    if (e->type() == QEvent::FocusIn && isDateBox(o->objectName())) {
        auto* box = static_cast<QLineEdit*>(o);
        if (static_cast<QFocusEvent*>(e)->reason() == Qt::MouseFocusReason) {
            // the click itself places the cursor after this event
            QTimer::singleShot(0, box, [box] {
                if (box->hasFocus() && !box->hasSelectedText()) box->setCursorPosition(0);
            });
        } else {
            box->setCursorPosition(0);
        }
    }
    if (e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
            QWidget* w = qobject_cast<QWidget*>(o);
            if (w && qobject_cast<QComboBox*>(w->parentWidget())) w = w->parentWidget();
            const QString name = w ? w->objectName() : QString();
            const int n = int(std::size(kEnterOrder));
            for (int i = 0; i < n; ++i) {
                if (name != QLatin1String(kEnterOrder[i])) continue;
                const QString to = QString::fromLatin1(kEnterOrder[(i + 1) % n]);
                notebook_->setCurrentIndex(pageOf(to));
                boxes_.value(to)->setFocus();
                break;
            }
            return true;  // Enter is never passed on
        }
    }
    return QDialog::eventFilter(o, e);
}

void TMyEdit::done(int result)
{
    if (host_.basePath) host_.lists->SaveAllLists(host_.basePath());
    QDialog::done(result);
}

}  // namespace edit
