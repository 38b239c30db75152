// SPDX-License-Identifier: GPL-2.0-or-later
#include "reports/windows/report_fonts_window.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include "ui/appearance.h"
#include "ui/window_fit.h"

QString reports::fontDescription(const ReportFont& font)
{
    return font.name + QCoreApplication::translate("TReportFonts", " %1pt").arg(font.size);
}

TReportFonts::TReportFonts(reports::ReportDefinition& report, QWidget* parent) : QDialog(parent), report_(report)
{
    setObjectName(QStringLiteral("ReportFonts"));
    setWindowTitle(tr("Report Fonts"));
    ui::makeFixedDialog(this);
    const char* captions[4] = {QT_TR_NOOP("Titles Font"), QT_TR_NOOP("Column Header Font"), QT_TR_NOOP("Report Body Font"), QT_TR_NOOP("Footnote Font")};
    const char* names[4] = {"TitleFont", "ColumnFont", "BodyFont", "FootnoteFont"};
    QLineEdit** boxes[4] = {&TitleFont, &ColumnFont, &BodyFont, &FootnoteFont};
    for (int b = 0; b < 4; ++b) {
        auto* group = new QGroupBox(tr(captions[b]), this);
        group->setGeometry(10 + (b % 2) * 230, 10 + (b / 2) * 100, 220, 90);
        auto* edit = new QLineEdit(group);
        edit->setObjectName(QString::fromLatin1(names[b]));
        edit->setReadOnly(true);
        edit->setGeometry(10, 24, 200, 26);
        edit->setText(reports::fontDescription(font(b)));
        *boxes[b] = edit;
        auto* button = new QPushButton(tr("New Font"), group);
        button->setObjectName(QStringLiteral("NewFont%1").arg(b + 1));
        button->setGeometry(60, 54, 100, 28);
        connect(button, &QPushButton::clicked, this, [this, b] { NewFontClick(b); });
    }
    auto* ok = new QPushButton(tr("&Ok"), this);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setDefault(true);
    ok->setGeometry(185, 214, 100, 30);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    resize(470, 256);
}

reports::ReportFont& TReportFonts::font(int block)
{
    switch (block) {
    case 0: return report_.titleFont;
    case 1: return report_.headerFont;
    case 2: return report_.bodyFont;
    default: return report_.footnoteFont;
    }
}

QLineEdit* TReportFonts::box(int block)
{
    QLineEdit* boxes[4] = {TitleFont, ColumnFont, BodyFont, FootnoteFont};
    return boxes[std::clamp(block, 0, 3)];
}

void TReportFonts::NewFontClick(int block)
{
    reports::ReportFont& f = font(block);
    store::FontSetting current;
    current.name = f.name;
    current.size = f.size;
    current.color = f.color;
    current.bold = f.bold;
    current.italic = f.italic;
    current.underline = f.underline;
    current.strikeout = f.strikeOut;
    const auto chosen = ui::chooseFontSetting(this, current);
    if (!chosen) return;
    f.name = chosen->name.left(50);
    f.size = chosen->size;
    f.color = chosen->color;
    f.bold = chosen->bold;
    f.italic = chosen->italic;
    f.underline = chosen->underline;
    f.strikeOut = chosen->strikeout;
    box(block)->setText(reports::fontDescription(f));
}
