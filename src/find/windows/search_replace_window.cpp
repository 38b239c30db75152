// SPDX-License-Identifier: GPL-2.0-or-later
#include "find/windows/search_replace_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>

#include "edit/record_values.h"
#include "regional/regional.h"
#include "store/codepage.h"
#include "store/field_table.h"
#include "ui/seams/messages.h"

TSearchAndReplace::TSearchAndReplace(const std::array<QString, 36>& displayNames, double factor,
                                     std::function<bool(const find::ReplaceRequest&)> run, QWidget* parent)
    : QDialog(parent), factor_(factor), run_(std::move(run))
{
    setObjectName(QStringLiteral("SearchAndReplace"));
    setWindowTitle(tr("Search and Replace"));
    auto label = [this](const char* name, const char* caption, QRect g) {
        auto* l = new QLabel(tr(caption), this);
        l->setObjectName(QString::fromLatin1(name));
        l->setGeometry(g);
        return l;
    };
    label("FieldLabel", QT_TR_NOOP("Field "), {20, 16, 160, 24});
    FieldBox = new QComboBox(this);
    FieldBox->setObjectName(QStringLiteral("FieldBox"));
    FieldBox->setMaxVisibleItems(15);
    for (const QString& n : displayNames) FieldBox->addItem(n);
    FieldBox->setCurrentIndex(-1);
    FieldBox->setGeometry(180, 16, 220, 26);
    connect(FieldBox, &QComboBox::currentIndexChanged, this, &TSearchAndReplace::FieldBoxChange);
    label("SearchLabel", QT_TR_NOOP("Text To Search For"), {20, 56, 160, 24});
    SearchText = new QLineEdit(this);
    SearchText->setObjectName(QStringLiteral("SearchText"));
    SearchText->setGeometry(180, 56, 220, 26);
    label("ReplaceLabel", QT_TR_NOOP("Replacement Text"), {20, 96, 160, 24});
    ReplaceText = new QLineEdit(this);
    ReplaceText->setObjectName(QStringLiteral("ReplaceText"));
    ReplaceText->setGeometry(180, 96, 220, 26);
    ConfirmBox = new QCheckBox(tr("Confirm Before Replacing"), this);
    ConfirmBox->setObjectName(QStringLiteral("ConfirmBox"));
    ConfirmBox->setGeometry(20, 136, 300, 24);
    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("CountFrame"));
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    frame->setGeometry(20, 176, 380, 80);
    label("ProcessedLabel", QT_TR_NOOP("Processed"), {50, 190, 100, 22});
    label("FoundLabel", QT_TR_NOOP("Found"), {170, 190, 100, 22});
    label("ChangedLabel", QT_TR_NOOP("Changed"), {290, 190, 100, 22});
    for (int i = 0; i < 3; ++i) {
        Counts[std::size_t(i)] = label(i == 0 ? "ProcessedCount" : i == 1 ? "FoundCount" : "ChangedCount", "0",
                                       {70 + 120 * i, 225, 100, 22});
    }
    auto* start = new QPushButton(tr("&Start Search"), this);
    start->setObjectName(QStringLiteral("StartButton"));
    start->setGeometry(80, 270, 120, 32);
    auto* cancel = new QPushButton(tr("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    cancel->setGeometry(220, 270, 120, 32);
    connect(start, &QPushButton::clicked, this, &TSearchAndReplace::StartButtonClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    resize(420, 316);
}

void TSearchAndReplace::FieldBoxChange()
{
    const int field = FieldBox->currentIndex() + 1;
    if (field < 1) return;
    const store::FieldDef& d = store::fieldDef(field);
    for (QLineEdit* e : {SearchText, ReplaceText}) {
        e->setInputMask({});
        e->clear();
        if (d.type == 'C') {
            e->setMaxLength(d.width);
        } else if (d.type == 'N') {
            e->setMaxLength(9);
        } else {
            const QString s(regional::current().dateSeparator());
            e->setInputMask(QStringLiteral("00") + s + QStringLiteral("00") + s + QStringLiteral("0000;_"));
        }
    }
}

QString TSearchAndReplace::editText(QLineEdit* e) const
{
    QString t = e->inputMask().isEmpty() ? e->text() : e->displayText().replace(u'_', u' ');
    return t.trimmed();
}

bool TSearchAndReplace::fail(const QString& message, QWidget* focus)
{
    ui::showError(this, message);
    focus->setFocus();
    return false;
}

void TSearchAndReplace::showCounts(const find::ReplaceCounts& c)
{
    Counts[0]->setText(QString::number(c.processed));
    Counts[1]->setText(QString::number(c.found));
    Counts[2]->setText(QString::number(c.changed));
    for (QLabel* l : Counts) l->repaint();
}

void TSearchAndReplace::StartButtonClick()
{
    if (FieldBox->currentIndex() < 0) {
        fail(tr("No field has been selected."), FieldBox);
        return;
    }
    find::ReplaceRequest r;
    r.field = FieldBox->currentIndex();
    r.search = editText(SearchText);
    r.replace = editText(ReplaceText);
    r.confirm = ConfirmBox->isChecked();
    const char type = store::fieldDef(r.field + 1).type;
    if (type == 'N') {
        if (!find::plainNumber(r.search)) {
            fail(tr("Invalid search value entered.  Please correct."), SearchText);
            return;
        }
        if (!find::plainNumber(r.replace)) {
            fail(tr("Invalid replacement value entered.  Please correct."), ReplaceText);
            return;
        }
    } else if (type == 'D') {
        if (edit::blankDate(r.search) || !regional::current().parseDate(r.search)) {
            fail(tr("Invalid search date entered.  Please correct."), SearchText);
            return;
        }
        if (edit::blankDate(r.replace) || !regional::current().parseDate(r.replace)) {
            fail(tr("Invalid replacement date entered.  Please correct."), ReplaceText);
            return;
        }
    } else {
        const QString bad = store::unencodable(r.search + r.replace);
        if (!bad.isEmpty()) {
            fail(tr("The characters \"%1\" cannot be stored.  Please correct.").arg(bad), ReplaceText);
            return;
        }
        if (r.replace.size() > store::fieldDef(r.field + 1).width) r.replace.truncate(store::fieldDef(r.field + 1).width);
    }
    if (run_(r)) accept();
}
