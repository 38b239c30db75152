// SPDX-License-Identifier: GPL-2.0-or-later
#include "support/scripted_dialogs.h"

#include <gtest/gtest.h>

#include <QPrinter>

namespace testing_support {

ScriptedDialogs::ScriptedDialogs() { ui::setDialogs(this); }

ScriptedDialogs::~ScriptedDialogs()
{
    ui::setDialogs(nullptr);
    EXPECT_TRUE(fileNames.empty()) << fileNames.size() << " scripted file name(s) never asked for";
}

QString ScriptedDialogs::next(const QString& caption)
{
    captions << caption;
    if (fileNames.empty()) {
        ADD_FAILURE() << "unexpected file dialog: " << caption.toStdString();
        return {};
    }
    QString n = fileNames.front();
    fileNames.pop_front();
    return n;
}

QString ScriptedDialogs::openFileName(QWidget*, const QString& caption, const QString&, const QString&)
{
    return next(caption);
}

QString ScriptedDialogs::saveFileName(QWidget*, const QString& caption, const QString&, const QString&,
                                      const QString& defaultExtension)
{
    return ui::withDefaultExtension(next(caption), defaultExtension);
}

std::optional<QFont> ScriptedDialogs::chooseFont(QWidget*, const QFont& initial, bool)
{
    captions << QStringLiteral("Font");
    fontPresets << initial;
    if (unchangedFonts > 0) {
        --unchangedFonts;
        return initial;
    }
    if (fonts.empty()) return std::nullopt;
    QFont f = fonts.front();
    fonts.pop_front();
    return f;
}

std::optional<QColor> ScriptedDialogs::chooseColor(QWidget*, const QColor& initial)
{
    captions << QStringLiteral("Color");
    colorPresets << initial;
    if (colors.empty()) return std::nullopt;
    QColor c = colors.front();
    colors.pop_front();
    return c;
}

bool ScriptedDialogs::print(QWidget*, QPrinter& printer)
{
    captions << QStringLiteral("Print");
    if (printTo.isEmpty()) return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printTo);
    printer.setCopyCount(copies);
    return true;
}

RecordedHelp::RecordedHelp() { ui::setHelp(this); }
RecordedHelp::~RecordedHelp() { ui::setHelp(nullptr); }

}  // namespace testing_support
