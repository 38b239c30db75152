// SPDX-License-Identifier: GPL-2.0-or-later
#include "reports/windows/user_report_window.h"

#include <QCoreApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>

#include "render/page_device.h"
#include "reports/designer_rules.h"
#include "reports/report_file.h"
#include "reports/report_run.h"
#include "reports/windows/report_fonts_window.h"
#include "reports/windows/report_layout_window.h"
#include "ui/seams/help.h"
#include "ui/seams/messages.h"
#include "ui/window_fit.h"

namespace {

ui::MsgButton ask(QObject* owner, const QString& text, int buttons, ui::MsgButton defaultButton, ui::MsgIcon icon)
{
    return ui::messages().show({owner, QCoreApplication::translate("Messages", "Warning"), text, icon, buttons, defaultButton, true});
}

// A margin as typed: a number with a point or, as many users write it, a comma.
std::optional<double> typedInches(const QString& text)
{
    QString t = text.trimmed();
    if (!t.contains(u'.')) t.replace(u',', u'.');
    bool ok = false;
    const double v = QLocale::c().toDouble(t, &ok);
    return ok && v >= 0 && v <= reports::kMostMargin ? std::optional<double>(v) : std::nullopt;
}

}  // namespace

TUserReport::TUserReport(reports::ReportDefinition& buffer, bool newMode, int recordNumber,
                         const std::array<QString, 36>& displayNames, QString reportFile, double factor, QWidget* parent)
    : QDialog(parent), buffer_(buffer), newMode_(newMode), record_(recordNumber), names_(displayNames),
      file_(std::move(reportFile)), openingName_(buffer.name), factor_(factor)
{
    setObjectName(QStringLiteral("UserReport"));
    setWindowTitle(tr("Report Definition"));
    ui::makeFixedDialog(this);
    buildControls();
    resize(600, 436);
    fill();
    ReportName->setFocus();
}

void TUserReport::buildControls()
{
    auto label = [](QWidget* parent, const char* text, QRect at, QWidget* buddy) {
        auto* l = new QLabel(tr(text), parent);
        l->setGeometry(at);
        l->setBuddy(buddy);
        return l;
    };
    auto edit = [](QWidget* parent, const char* name, QRect at, int length) {
        auto* e = new QLineEdit(parent);
        e->setObjectName(QString::fromLatin1(name));
        e->setGeometry(at);
        e->setMaxLength(length);
        return e;
    };
    auto check = [](QWidget* parent, const char* name, const char* text, QRect at) {
        auto* c = new QCheckBox(tr(text), parent);
        c->setObjectName(QString::fromLatin1(name));
        c->setGeometry(at);
        return c;
    };
    auto button = [this](const char* name, const char* text, QRect at) {
        auto* b = new QPushButton(tr(text), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(at);
        return b;
    };

    ReportName = edit(this, "ReportName", {110, 14, 200, 24}, 30);
    label(this, QT_TR_NOOP("Report &Name"), {10, 14, 98, 24}, ReportName);
    auto* width = new QGroupBox(tr("Report Width"), this);
    width->setGeometry(322, 0, 268, 54);
    Chars90 = new QRadioButton(tr("90 Chars"), width);
    Chars120 = new QRadioButton(tr("120 Chars"), width);
    Chars150 = new QRadioButton(tr("150 Chars"), width);
    int x = 6;
    for (auto [r, name, chars] : {std::tuple {Chars90, "Chars90", 90}, std::tuple {Chars120, "Chars120", 120},
                                  std::tuple {Chars150, "Chars150", 150}}) {
        r->setObjectName(QString::fromLatin1(name));
        r->setGeometry(x, 22, 86, 24);
        x += 86;
        connect(r, &QRadioButton::clicked, this, [this, chars = chars] { CharsClick(chars); });
    }

    auto* fonts = new QGroupBox(tr("Report Fonts"), this);
    fonts->setGeometry(10, 58, 360, 150);
    const char* fontLabels[4] = {QT_TR_NOOP("Title Lines"), QT_TR_NOOP("Column Headers"), QT_TR_NOOP("Report Body"), QT_TR_NOOP("Footnotes")};
    const char* fontNames[4] = {"TitleLineFont", "ColumnHeaderFont", "RepBodyDataFont", "FootnoteFont"};
    QLineEdit** fontBoxes[4] = {&TitleLineFont, &ColumnHeaderFont, &RepBodyDataFont, &FootnoteFont};
    for (int i = 0; i < 4; ++i) {
        *fontBoxes[i] = edit(fonts, fontNames[i], {120, 20 + i * 26, 230, 22}, 80);
        (*fontBoxes[i])->setReadOnly(true);
        label(fonts, fontLabels[i], {10, 20 + i * 26, 108, 22}, *fontBoxes[i]);
    }
    auto* setFonts = new QPushButton(tr("&Set Fonts"), fonts);
    setFonts->setObjectName(QStringLiteral("SetFonts"));
    setFonts->setGeometry(120, 122, 120, 24);
    connect(setFonts, &QPushButton::clicked, this, &TUserReport::SetFontsClick);

    Level1Group = check(this, "Level1Group", QT_TR_NOOP("Group by Level 1 Sort"), {384, 58, 206, 19});
    Level2Group = check(this, "Level2Group", QT_TR_NOOP("Group by Level 2 Sort"), {384, 77, 206, 19});
    ColumnHeaders = check(this, "ColumnHeaders", QT_TR_NOOP("Column Headers"), {384, 96, 206, 19});
    HorzLines = check(this, "HorzLines", QT_TR_NOOP("Horizontal Lines"), {384, 115, 206, 19});
    VertLines = check(this, "VertLines", QT_TR_NOOP("Vertical Lines"), {384, 134, 206, 19});
    DateOnPage = check(this, "DateOnPage", QT_TR_NOOP("Date On Pages"), {384, 153, 206, 19});
    PageNumbers = check(this, "PageNumbers", QT_TR_NOOP("Page Numbers"), {384, 172, 206, 19});
    LandOrient = check(this, "LandOrient", QT_TR_NOOP("Print Landscape"), {384, 191, 206, 19});
    UseTotals = check(this, "UseTotals", QT_TR_NOOP("Use Totals"), {384, 210, 206, 19});
    connect(Level1Group, &QCheckBox::clicked, this, &TUserReport::Level1GroupClick);

    auto* titles = new QGroupBox(tr("Report Titles"), this);
    titles->setGeometry(10, 232, 580, 92);
    Title1 = edit(titles, "Title1", {10, 20, 560, 22}, 80);
    Title2 = edit(titles, "Title2", {10, 44, 560, 22}, 80);
    Title3 = edit(titles, "Title3", {10, 68, 560, 22}, 80);

    auto* margins = new QGroupBox(tr("Margins (in inches)"), this);
    margins->setGeometry(10, 328, 360, 62);
    const char* marginLabels[4] = {QT_TR_NOOP("Top"), QT_TR_NOOP("Bottom"), QT_TR_NOOP("Left"), QT_TR_NOOP("Right")};
    const char* marginNames[4] = {"TopMargin", "BottomMargin", "LeftMargin", "RightMargin"};
    QLineEdit** marginBoxes[4] = {&TopMargin, &BottomMargin, &LeftMargin, &RightMargin};
    for (int i = 0; i < 4; ++i) {
        *marginBoxes[i] = edit(margins, marginNames[i], {12 + i * 88, 36, 56, 22}, 5);
        label(margins, marginLabels[i], {12 + i * 88, 17, 76, 18}, *marginBoxes[i]);
        connect(*marginBoxes[i], &QLineEdit::editingFinished, this, &TUserReport::NumLinesExit);
    }
    NumLines = edit(this, "NumLines", {510, 350, 40, 24}, 2);
    label(this, QT_TR_NOOP("Number of &Lines"), {384, 350, 124, 24}, NumLines);
    connect(NumLines, &QLineEdit::editingFinished, this, &TUserReport::NumLinesExit);
    connect(ReportName, &QLineEdit::editingFinished, this, &TUserReport::ReportNameExit);

    auto* specify = button("SpecifyButton", QT_TR_NOOP("&Specify Report Content"), {10, 398, 196, 30});
    auto* update = button("UpdateButton", QT_TR_NOOP("&Update"), {214, 398, 88, 30});
    update->setDefault(true);
    auto* cancel = button("CancelButton", QT_TR_NOOP("&Cancel"), {310, 398, 88, 30});
    DeleteButton_ = button("DeleteButton", QT_TR_NOOP("&Delete"), {406, 398, 88, 30});
    auto* help = button("HelpButton", QT_TR_NOOP("&Help"), {502, 398, 88, 30});
    connect(specify, &QPushButton::clicked, this, &TUserReport::SpecifyButtonClick);
    connect(update, &QPushButton::clicked, this, &TUserReport::UpdateButtonClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(static_cast<QPushButton*>(DeleteButton_), &QPushButton::clicked, this, &TUserReport::DeleteButtonClick);
    connect(help, &QPushButton::clicked, this, &TUserReport::HelpButtonClick);
}

void TUserReport::fill()
{
    const reports::ReportDefinition& r = buffer_;
    ReportName->setText(r.name);
    (r.charsPerLine == 150 ? Chars150 : r.charsPerLine == 120 ? Chars120 : Chars90)->setChecked(true);
    showFonts();
    Title1->setText(r.titles[0]);
    Title2->setText(r.titles[1]);
    Title3->setText(r.titles[2]);
    Level1Group->setChecked(r.groupLevel1);
    Level2Group->setChecked(r.groupLevel1 && r.groupLevel2);
    Level2Group->setEnabled(r.groupLevel1);
    ColumnHeaders->setChecked(r.columnHeaders);
    HorzLines->setChecked(r.horizontalLines);
    VertLines->setChecked(r.verticalLines);
    DateOnPage->setChecked(r.dateOnPages);
    PageNumbers->setChecked(r.pageNumbers);
    LandOrient->setChecked(r.landscape);
    UseTotals->setChecked(r.useTotals);
    TopMargin->setText(QString::number(r.topMargin, 'f', 2).left(5));
    BottomMargin->setText(QString::number(r.bottomMargin, 'f', 2).left(5));
    LeftMargin->setText(QString::number(r.leftMargin, 'f', 2).left(5));
    RightMargin->setText(QString::number(r.rightMargin, 'f', 2).left(5));
    NumLines->setText(QString::number(r.numberOfLines));
    enableLineOptions();
    DeleteButton_->setEnabled(!newMode_);
}

void TUserReport::showFonts()
{
    TitleLineFont->setText(reports::fontDescription(buffer_.titleFont));
    ColumnHeaderFont->setText(reports::fontDescription(buffer_.headerFont));
    RepBodyDataFont->setText(reports::fontDescription(buffer_.bodyFont));
    FootnoteFont->setText(reports::fontDescription(buffer_.footnoteFont));
}

void TUserReport::enableLineOptions()
{
    const bool oneLine = buffer_.numberOfLines < 2;
    ColumnHeaders->setEnabled(oneLine);
    HorzLines->setEnabled(oneLine);
    VertLines->setEnabled(oneLine);
}

int TUserReport::chosenChars() const { return Chars150->isChecked() ? 150 : Chars120->isChecked() ? 120 : 90; }

void TUserReport::ReportNameExit()
{
    if (newMode_) return;
    buffer_.name = ReportName->text().trimmed().left(30);
    DeleteButton_->setEnabled(buffer_.name == openingName_);
}

void TUserReport::NumLinesExit()
{
    bool ok = false;
    const int n = NumLines->text().trimmed().toInt(&ok);
    if (!ok) return;
    buffer_.numberOfLines = n;
    NumLines->setText(QString::number(n));
    enableLineOptions();
}

void TUserReport::Level1GroupClick()
{
    Level2Group->setEnabled(Level1Group->isChecked());
}

void TUserReport::CharsClick(int chars)
{
    const int stored = buffer_.charsPerLine == 150 || buffer_.charsPerLine == 120 ? buffer_.charsPerLine : 90;
    const auto change = reports::widthChange(stored, chars);
    if (!change) return;
    if (!change->question.isEmpty() &&
        ask(this, change->question, ui::Yes | ui::No, ui::No, ui::MsgIcon::Error) != ui::Yes) {
        (stored == 150 ? Chars150 : stored == 120 ? Chars120 : Chars90)->setChecked(true);
        return;
    }
    reports::applyWidthChange(buffer_, chars, change->bodyFontSize);
    showFonts();
    if (!change->notice.isEmpty()) ui::showNotice(this, tr("Notice"), change->notice, ui::MsgIcon::Warning);
}

void TUserReport::SetFontsClick()
{
    TReportFonts fonts(buffer_, this);
    dress(&fonts);
    ui::fitWindow(&fonts, nullptr, factor_, ui::screenSize());
    execModal(fonts);
    showFonts();
}

bool TUserReport::checkLines()
{
    bool ok = false;
    const int n = NumLines->text().trimmed().toInt(&ok);
    if (!ok || n < 0 || n > reports::kBodyLines) {
        ui::messages().show({this, tr("Notice"),
                             tr("Number of lines must be in range of 0 to 12.  Please correct."),
                             ui::MsgIcon::Warning, ui::Ok, ui::Ok, true});
        NumLines->setFocus();
        return false;
    }
    buffer_.numberOfLines = n;
    NumLines->setText(QString::number(n));
    enableLineOptions();
    return true;
}

void TUserReport::SpecifyButtonClick()
{
    if (!checkLines()) return;
    // the layout names the report as typed so far, a new one too
    reports::ReportDefinition shown = buffer_;
    shown.name = ReportName->text().trimmed().left(30);
    TRepLayout layout(shown, chosenChars(), UseTotals->isChecked(), names_, factor_, this);
    layout.execModal = execModal;
    layout.dress = dress;
    dress(&layout);
    ui::fitWindow(&layout, nullptr, factor_, ui::screenSize());
    if (execModal(layout) != QDialog::Accepted) return;
    const QString name = buffer_.name;
    buffer_ = layout.report();
    buffer_.name = name;
}

bool TUserReport::readMargins()
{
    QLineEdit* boxes[4] = {TopMargin, BottomMargin, LeftMargin, RightMargin};
    double* values[4] = {&buffer_.topMargin, &buffer_.bottomMargin, &buffer_.leftMargin, &buffer_.rightMargin};
    double read[4] = {};
    for (int i = 0; i < 4; ++i) {
        const auto v = typedInches(boxes[i]->text());
        if (!v) {
            ui::messages().show({this, tr("Notice"), tr("Invalid margin entered.  Please correct."),
                                 ui::MsgIcon::Warning, ui::Ok, ui::Ok, true});
            boxes[i]->setFocus();
            return false;
        }
        read[i] = *v;
    }
    reports::ReportDefinition tried = buffer_;
    tried.topMargin = read[0];
    tried.bottomMargin = read[1];
    tried.leftMargin = read[2];
    tried.rightMargin = read[3];
    QSizeF page = render::usualPaper().size(QPageSize::Inch);
    if (LandOrient->isChecked()) page.transpose();
    const reports::MarginFault fault = reports::marginFault(tried, page);
    if (fault != reports::MarginFault::None) {
        const bool across = fault == reports::MarginFault::Across;
        ui::messages().show({this, tr("Notice"),
                             across ? tr("The left and right margins leave no room for a character across "
                                                     "the page.  Make the left or right margin smaller.")
                                    : tr("The bottom margin leaves no room for a line on the page.  Make "
                                                     "the bottom margin smaller."),
                             ui::MsgIcon::Warning, ui::Ok, ui::Ok, true});
        (across ? LeftMargin : BottomMargin)->setFocus();
        return false;
    }
    for (int i = 0; i < 4; ++i) *values[i] = read[i];
    return true;
}

void TUserReport::UpdateButtonClick()
{
    if (!checkLines() || !readMargins()) return;
    reports::ReportDefinition& r = buffer_;
    r.name = ReportName->text().trimmed().left(30);
    r.titles = {Title1->text().trimmed().left(80), Title2->text().trimmed().left(80), Title3->text().trimmed().left(80)};
    r.charsPerLine = chosenChars();
    r.columnHeaders = ColumnHeaders->isChecked();
    r.horizontalLines = HorzLines->isChecked();
    r.verticalLines = VertLines->isChecked();
    r.dateOnPages = DateOnPage->isChecked();
    r.pageNumbers = PageNumbers->isChecked();
    r.landscape = LandOrient->isChecked();
    r.useTotals = UseTotals->isChecked();
    r.groupLevel1 = Level1Group->isChecked();
    r.groupLevel2 = r.groupLevel1 && Level2Group->isChecked();
    bool asNew = newMode_;
    if (!newMode_ && r.name != openingName_) {
        const ui::MsgButton answer =
            ask(this, tr("Report Title has changed!  Do you wish to save this as a new report?   (YES saves "
                                     "as new report.  NO overwrites old report.  CANCEL aborts.)"),
                ui::Yes | ui::No | ui::Cancel, ui::Yes, ui::MsgIcon::Error);
        if (answer == ui::Cancel) return;
        asNew = answer == ui::Yes;
    }
    reports::ReportFile file(file_);
    try {
        if (asNew) {
            select_ = file.append(r);
            newMode_ = true;
        } else {
            file.overwrite(record_, r);
            select_ = std::min(record_, file.count() - 1);
        }
    } catch (const std::exception& e) {
        ui::showError(this, QString::fromLocal8Bit(e.what()));
        return;
    }
    changed_ = true;
    accept();
}

void TUserReport::DeleteButtonClick()
{
    if (newMode_) return;
    if (ui::messages().show({this, tr("Warning"), tr("Are you sure you want to delete this report?"),
                             ui::MsgIcon::Question, ui::Yes | ui::No, ui::No, true}) != ui::Yes)
        return;
    try {
        reports::ReportFile(file_).remove(record_);
    } catch (const std::exception& e) {
        ui::showError(this, QString::fromLocal8Bit(e.what()));
        return;
    }
    changed_ = true;
    select_ = -1;
    accept();
}

void TUserReport::HelpButtonClick() { ui::help().showKeyword(this, QStringLiteral("User Defined Reports")); }
