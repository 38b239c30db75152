// SPDX-License-Identifier: GPL-2.0-or-later
#include "find/windows/locate_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>

#include "ui/seams/messages.h"
#include "ui/window_fit.h"

TMyLocateDlg::TMyLocateDlg(TMyLocateDialog& settings, std::vector<Field> fields,
                           std::function<find::LocateResult(const find::LocateRequest&, bool)> run, QWidget* parent)
    : QDialog(parent), s_(settings), fields_(std::move(fields)), run_(std::move(run))
{
    setObjectName(QStringLiteral("MyLocateDlg"));
    setWindowTitle(s_.Caption);
    ui::makeFixedDialog(this);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(12);
    setFont(f);
    auto* g3 = new QGroupBox(tr("&Field To Search On"), this);
    g3->setObjectName(QStringLiteral("GroupBox3"));
    g3->setGeometry(6, 4, 218, 52);
    FieldNameComboBox = new QComboBox(g3);
    FieldNameComboBox->setObjectName(QStringLiteral("FieldNameComboBox"));
    FieldNameComboBox->setToolTip(tr("Select the field to search on"));
    FieldNameComboBox->setGeometry(8, 20, 202, 24);
    std::stable_sort(fields_.begin(), fields_.end(), [](const Field& a, const Field& b) {
        return QString::compare(a.label, b.label, Qt::CaseInsensitive) < 0;
    });
    for (const Field& fd : fields_) FieldNameComboBox->addItem(fd.label);
    FieldNameComboBox->setCurrentIndex(-1);
    FieldNameComboBox->installEventFilter(this);
    g3->setTitle(tr("&Field To Search On"));

    auto* g2 = new QGroupBox(tr("&Search Type"), this);
    g2->setObjectName(QStringLiteral("GroupBox2"));
    g2->setGeometry(6, 60, 218, 104);
    CaseSensitiveCheckBox = new QCheckBox(tr("&Case-sensitive"), g2);
    CaseSensitiveCheckBox->setObjectName(QStringLiteral("CaseSensitiveCheckBox"));
    CaseSensitiveCheckBox->setToolTip(tr("Searching is case-sensitive"));
    CaseSensitiveCheckBox->setGeometry(8, 18, 200, 20);
    auto radio = [g2](QRadioButton*& b, const char* name, const char* caption, const char* hint, int y) {
        b = new QRadioButton(tr(caption), g2);
        b->setObjectName(QString::fromLatin1(name));
        b->setToolTip(tr(hint));
        b->setGeometry(8, y, 205, 20);
    };
    radio(ExactMatchBtn, "ExactMatchBtn", QT_TR_NOOP("&Exact Match"), QT_TR_NOOP("Match occurs only if there is an exact match"), 38);
    radio(PartialMatchStartBtn, "PartialMatchStartBtn", QT_TR_NOOP("&Partial Match at Beginning"),
          "Match occurs if the start of the field's value matches", 58);
    radio(PartialMatchAnyBtn, "PartialMatchAnyBtn", QT_TR_NOOP("Partial Match &Anywhere"),
          "Match occurs if any part of the field matches", 78);

    auto* g1 = new QGroupBox(tr("Search &Value"), this);
    g1->setObjectName(QStringLiteral("GroupBox1"));
    g1->setGeometry(6, 168, 218, 52);
    SearchValue = new QLineEdit(g1);
    SearchValue->setObjectName(QStringLiteral("SearchValue"));
    SearchValue->setToolTip(tr("Enter field's search value"));
    SearchValue->setGeometry(8, 20, 202, 24);

    FirstButton = new QPushButton(tr("Fi&rst"), this);
    FirstButton->setObjectName(QStringLiteral("FirstButton"));
    FirstButton->setToolTip(tr("Find first match"));
    FirstButton->setGeometry(6, 226, 68, 27);
    NextButton = new QPushButton(tr("&Next"), this);
    NextButton->setObjectName(QStringLiteral("NextButton"));
    NextButton->setToolTip(tr("Find next match from current record"));
    NextButton->setGeometry(81, 226, 68, 27);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("BitBtn1"));
    cancel->setGeometry(156, 226, 68, 27);
    connect(FirstButton, &QPushButton::clicked, this, &TMyLocateDlg::FirstButtonClick);
    connect(NextButton, &QPushButton::clicked, this, &TMyLocateDlg::NextButtonClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(FieldNameComboBox, &QComboBox::activated, this, [this] {
        SearchValue->clear();
        // a field chosen from the open list moves on to its value; one found by typed letters or
        // the arrow keys leaves the cursor in the list for the next letter
        if (!keyInList_) SearchValue->setFocus();
    });
    resize(230, 259);

    // the last locate is offered again
    for (std::size_t i = 0; i < fields_.size(); ++i)
        if (fields_[i].name.compare(s_.SearchField, Qt::CaseInsensitive) == 0 && !s_.SearchField.isEmpty()) {
            FieldNameComboBox->setCurrentIndex(int(i));
            SearchValue->setText(s_.FieldValue);
        }
    CaseSensitiveCheckBox->setChecked(s_.CaseSensitive);
    ExactMatchBtn->setChecked(s_.MatchType == find::MatchType::Exact);
    PartialMatchStartBtn->setChecked(s_.MatchType == find::MatchType::PartialStart);
    PartialMatchAnyBtn->setChecked(s_.MatchType == find::MatchType::PartialAny);
    (s_.DefaultButtonNext ? NextButton : FirstButton)->setDefault(true);
}

bool TMyLocateDlg::eventFilter(QObject* o, QEvent* e)
{
    // while the field list has the focus, Enter does not start a search
    if (o == FieldNameComboBox && e->type() == QEvent::FocusIn) NextButton->setDefault(false);
    if (o == FieldNameComboBox && e->type() == QEvent::FocusOut && s_.DefaultButtonNext) NextButton->setDefault(true);
    if (o == FieldNameComboBox && e->type() == QEvent::KeyPress && !keyInList_) {
        QScopedValueRollback<bool> inList(keyInList_, true);
        QCoreApplication::sendEvent(o, e);
        return true;
    }
    return QDialog::eventFilter(o, e);
}

QString TMyLocateDlg::selectedName() const
{
    const QString label = FieldNameComboBox->currentText();
    for (const Field& f : fields_)
        if (f.label == label) return f.name;
    return {};
}

find::LocateRequest TMyLocateDlg::request() const
{
    find::LocateRequest r;
    r.field = selectedName();
    r.value = SearchValue->text();
    r.caseSensitive = CaseSensitiveCheckBox->isChecked();
    r.match = ExactMatchBtn->isChecked()       ? find::MatchType::Exact
              : PartialMatchAnyBtn->isChecked() ? find::MatchType::PartialAny
                                                : find::MatchType::PartialStart;
    return r;
}

void TMyLocateDlg::search(bool fromStart)
{
    const find::LocateRequest r = request();
    if (r.field.isEmpty()) return;  // no field: no search, no message
    const find::LocateResult result = run_(r, fromStart);
    if (result == find::LocateResult::Found) {
        found_ = true;
        accept();
    } else if (result == find::LocateResult::NotFound) {
        ui::showNotice(this, tr("Information"),
                       fromStart ? tr("No matches found") : tr("No more matches found"));
    }
}

void TMyLocateDlg::FirstButtonClick() { search(true); }
void TMyLocateDlg::NextButtonClick() { search(false); }

void TMyLocateDlg::done(int r)
{
    const find::LocateRequest req = request();
    s_.MatchType = req.match;
    s_.CaseSensitive = req.caseSensitive;
    s_.FieldValue = req.value;
    s_.SearchField = req.field;
    QDialog::done(r);
}
