// SPDX-License-Identifier: GPL-2.0-or-later
#include "store/settings.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "store/setting_ranges.h"

namespace store {

const char* const kColorKeys[kColorEntries] = {"Main Background", "Major Title", "Minor Title", "Edit Background",
                                               "Edit Text", "Combo Background", "Combo Text", "List Box Background",
                                               "List Box Text", "Radio Background", "Radio Text", "Check Background",
                                               "Check Text"};
const char* const kColorSections[kColorSets] = {"Main Window Color", "Edit Window Color", "Search Window Color",
                                                "Report Window Color", "Configure Window Color"};

namespace R = settings_range;

namespace {
constexpr ColorSet kDefaultColors = {12632256, 0, 0, 16777215, 0, 16777215, 0, 16777215, 0, 12632256, 0, 12632256, 0};
const QString kMisc = QStringLiteral("Misc");

QString key(const char* k) { return QString::fromLatin1(k); }

FontSetting readFont(const ProfileFile& f, const QString& section, int defaultSize)
{
    FontSetting font;
    font.color = readNumber(f, section, "Color", {0, R::kColor.lo, R::kColor.hi});
    font.name = f.read(section, "Font Name", "Arial", kNameLength);
    font.size = readNumber(f, section, "Size", {defaultSize, R::kFontSize.lo, R::kFontSize.hi});
    font.bold = readYes(f, section, "Bold", false);
    font.italic = readYes(f, section, "Italic", false);
    font.underline = readYes(f, section, "Underline", false);
    font.strikeout = readYes(f, section, "Strikeout", false);
    return font;
}

void writeFont(ProfileFile& f, const QString& section, const FontSetting& font)
{
    f.write(section, "Color", QString::number(font.color));
    f.write(section, "Font Name", font.name);
    f.write(section, "Size", QString::number(font.size));
    f.write(section, "Bold", yesNo(font.bold));
    f.write(section, "Italic", yesNo(font.italic));
    f.write(section, "Underline", yesNo(font.underline));
    f.write(section, "Strikeout", yesNo(font.strikeout));
}

ProgramFont readProgramFont(const ProfileFile& f, const QString& section)
{
    ProgramFont font;
    font.name = f.read(section, "Font Name", "Arial", kNameLength);
    font.bold = readYes(f, section, "Bold", false);
    font.italic = readYes(f, section, "Italic", false);
    return font;
}

void writeProgramFont(ProfileFile& f, const QString& section, const ProgramFont& font)
{
    f.write(section, "Font Name", font.name);
    f.write(section, "Bold", yesNo(font.bold));
    f.write(section, "Italic", yesNo(font.italic));
}
}  // namespace

bool readYes(const ProfileFile& f, const QString& section, const QString& k, bool def)
{
    return f.read(section, k, yesNo(def), kNumberLength).toUpper() == QLatin1String("YES");
}

int readNumber(const ProfileFile& f, const QString& section, const QString& k, const Bounded& range)
{
    bool ok = false;
    const int v = f.read(section, k, QString::number(range.def), kNumberLength).trimmed().toInt(&ok);
    return ok ? range.clamp(v) : range.def;
}

DatabaseSettings::DatabaseSettings()
{
    for (int i = 0; i < kFieldCount; ++i) {
        fieldNames[std::size_t(i)] = QString::fromLatin1(fieldTable()[std::size_t(i)].displayName);
        displayFields[std::size_t(i)] = true;
        fieldWidth[std::size_t(i)] = 15;
        fieldOrder[std::size_t(i)] = i + 1;
        exportFields[std::size_t(i)] = true;
        exportOrder[std::size_t(i)] = i + 1;
    }
    colors.fill(kDefaultColors);
    titleFont.size = 12;
    gridFont.size = 10;
}

QString programSettingsPath()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QDir().mkpath(dir);
    return QDir(dir).filePath(QStringLiteral("KAVBOOK.INI"));
}

ProgramSettings readProgramSettings(const QString& startDirectory)
{
    ProfileFile f(programSettingsPath());
    ProgramSettings s;
    s.buttonBar = readNumber(f, kMisc, "Button Bar", R::kButtonBar);
    s.left = readNumber(f, kMisc, "Main Window Left", R::kMainLeft);
    s.top = readNumber(f, kMisc, "Main Window Top", R::kMainTop);
    s.width = readNumber(f, kMisc, "Main Window Width", R::kMainWidth);
    s.height = readNumber(f, kMisc, "Main Window Height", R::kMainHeight);
    s.lastImportFile = f.read(kMisc, "Last Import File", startDirectory, kPathLength);
    s.lastExportFile = f.read(kMisc, "Last Export File", startDirectory, kPathLength);
    s.lastDatabase = f.read(kMisc, "Last Database", {}, kPathLength);
    for (int i = 0; i < 5; ++i) s.lastFiles[std::size_t(i)] = f.read(kMisc, "Last File " + QString::number(i + 1), {}, kPathLength);
    s.showTips = readYes(f, kMisc, "Show Tips", true);
    s.nextTip = readNumber(f, kMisc, "Next Tip", R::kNextTip);
    s.windowSize = readNumber(f, kMisc, "Window Size", R::kWindowSize);
    if (s.windowSize != 800 && s.windowSize != 1024 && s.windowSize != 1280) s.windowSize = R::kWindowSize.def;
    s.dateFormat = readNumber(f, kMisc, "Date Format", R::kDateFormat);
    s.dateLeadingZeros = readYes(f, kMisc, "Date Leading Zeros", false);
    s.currencyFormat = readNumber(f, kMisc, "Currency Format", R::kCurrencyFormat);
    s.numericFormat = readNumber(f, kMisc, "Numeric Format", R::kNumericFormat);
    s.problem = f.problem();
    return s;
}

void writeProgramSettings(const ProgramSettings& s)
{
    ProfileFile f(programSettingsPath());
    f.write(kMisc, "Button Bar", QString::number(s.buttonBar));
    f.write(kMisc, "Main Window Left", QString::number(s.left));
    f.write(kMisc, "Main Window Top", QString::number(s.top));
    f.write(kMisc, "Main Window Width", QString::number(s.width));
    f.write(kMisc, "Main Window Height", QString::number(s.height));
    f.write(kMisc, "Last Import File", s.lastImportFile);
    f.write(kMisc, "Last Export File", s.lastExportFile);
    f.write(kMisc, "Last Database", s.lastDatabase);
    for (int i = 0; i < 5; ++i) f.write(kMisc, "Last File " + QString::number(i + 1), s.lastFiles[std::size_t(i)]);
    f.write(kMisc, "Show Tips", yesNo(s.showTips));
    f.write(kMisc, "Next Tip", QString::number(s.nextTip));
    f.write(kMisc, "Window Size", QString::number(s.windowSize));
    f.write(kMisc, "Date Format", QString::number(s.dateFormat));
    f.write(kMisc, "Date Leading Zeros", yesNo(s.dateLeadingZeros));
    f.write(kMisc, "Currency Format", QString::number(s.currencyFormat));
    f.write(kMisc, "Numeric Format", QString::number(s.numericFormat));
    f.save();
}

DatabaseSettings readDatabaseSettings(const QString& path)
{
    ProfileFile f(QFileInfo::exists(path) ? path : programSettingsPath());
    DatabaseSettings s;
    for (int i = 0; i < kFieldCount; ++i) {
        const auto n = std::size_t(i);
        const QString name = key(fieldTable()[n].name);
        s.fieldNames[n] = f.read("Field Names", name, s.fieldNames[n], kNameLength).left(kDisplayNameLength);
        s.displayFields[n] = readYes(f, "Display Fields", name, true);
        s.fieldWidth[n] = readNumber(f, "Field Width", name, R::kFieldWidth);
        s.fieldOrder[n] = readNumber(f, "Field Order", name, {i + 1, R::kFieldNumber.lo, R::kFieldNumber.hi});
        s.exportFields[n] = readYes(f, "Export Fields", name, true);
        s.exportOrder[n] = readNumber(f, "Export Order", name, {i + 1, R::kFieldNumber.lo, R::kFieldNumber.hi});
    }
    s.exportFirstRow = readYes(f, "Export", "First Row", true);
    s.exportFileType = readNumber(f, "Export", "File Type", R::kFileType);
    s.importSkipFirst = readYes(f, "Import", "Skip First", true);
    s.importFileType = readNumber(f, "Import", "File Type", R::kFileType);
    for (int k = 1; k <= kRememberedPairings; ++k) {
        const QString pairing = f.read("Import Pairings", QStringLiteral("Pairing %1").arg(k), QString(), 2048).trimmed();
        if (!pairing.isEmpty()) s.importPairings << pairing;
    }
    const char* sortKeys[4] = {"Primary Sort", "Secondary Sort", "Third Level Sort", "Fourth Level Sort"};
    for (int i = 0; i < 4; ++i)
        s.sortOrder[std::size_t(i)] =
            readNumber(f, "Sort Order", key(sortKeys[i]), {i == 0 ? 2 : 0, R::kSortField.lo, R::kSortField.hi});
    for (int set = 0; set < kColorSets; ++set)
        for (int c = 0; c < kColorEntries; ++c)
            s.colors[std::size_t(set)][std::size_t(c)] =
                readNumber(f, key(kColorSections[set]), key(kColorKeys[c]),
                           {kDefaultColors[std::size_t(c)], R::kColor.lo, R::kColor.hi});
    s.showTitles = readYes(f, "Grid Title", "Show Titles", true);
    s.titleColor = readNumber(f, "Grid Title", "Background Color", {8553090, R::kColor.lo, R::kColor.hi});
    s.titleAlignment = readNumber(f, "Grid Title", "Alignment", R::kTitleAlignment);
    s.titleFont = readFont(f, "Grid Title Font", 12);
    s.gridFont = readFont(f, "Grid Font", 10);
    s.cellColor = readNumber(f, "Grid Options", "Cell Color", {12632256, R::kColor.lo, R::kColor.hi});
    s.columnLines = readYes(f, "Grid Options", "Column Lines", true);
    s.rowLines = readYes(f, "Grid Options", "Row Lines", true);
    s.rowIndicator = readYes(f, "Grid Options", "Row Indicator", true);
    s.fieldEditing = readYes(f, "Grid Options", "Field Editing", false);
    s.editFont = readProgramFont(f, "Edit Font");
    s.labelFont = readProgramFont(f, "Label Font");
    s.buttonFont = readProgramFont(f, "Button Font");
    s.lastReport = readNumber(f, "Reports", "Last Report", R::kLastReport);
    s.defaultPrinter = readYes(f, "Reports", "Default Printer", true);
    s.printerIndex = readNumber(f, "Reports", "Printer Index", R::kPrinterIndex);
    s.pdfFile = readYes(f, "Reports", "PDF File", false);
    s.printerName = f.read("Reports", "Printer Name", QString(), 255);
    s.reportLeft = readNumber(f, "Reports", "Report Viewing Window Left", R::kReportLeft);
    s.reportTop = readNumber(f, "Reports", "Report Viewing Window Top", R::kReportTop);
    s.reportWidth = readNumber(f, "Reports", "Report Viewing Window Width", R::kReportWidth);
    s.reportHeight = readNumber(f, "Reports", "Report Viewing Window Height", R::kReportHeight);
    s.problem = f.problem();
    return s;
}

void writeDatabaseSettings(const DatabaseSettings& s, const QString& path)
{
    ProfileFile f(path);
    for (int i = 0; i < kFieldCount; ++i) {
        const auto n = std::size_t(i);
        const QString name = key(fieldTable()[n].name);
        f.write("Field Names", name, s.fieldNames[n]);
        f.write("Display Fields", name, yesNo(s.displayFields[n]));
        f.write("Field Width", name, QString::number(s.fieldWidth[n]));
        f.write("Field Order", name, QString::number(s.fieldOrder[n]));
        f.write("Export Fields", name, yesNo(s.exportFields[n]));
        f.write("Export Order", name, QString::number(s.exportOrder[n]));
    }
    f.write("Export", "First Row", yesNo(s.exportFirstRow));
    f.write("Export", "File Type", QString::number(s.exportFileType));
    f.write("Import", "Skip First", yesNo(s.importSkipFirst));
    f.write("Import", "File Type", QString::number(s.importFileType));
    for (int k = 0; k < s.importPairings.size() && k < kRememberedPairings; ++k)
        f.write("Import Pairings", QStringLiteral("Pairing %1").arg(k + 1), s.importPairings[k]);
    const char* sortKeys[4] = {"Primary Sort", "Secondary Sort", "Third Level Sort", "Fourth Level Sort"};
    for (int i = 0; i < 4; ++i) f.write("Sort Order", key(sortKeys[i]), QString::number(s.sortOrder[std::size_t(i)]));
    for (int set = 0; set < kColorSets; ++set)
        for (int c = 0; c < kColorEntries; ++c)
            f.write(key(kColorSections[set]), key(kColorKeys[c]), QString::number(s.colors[std::size_t(set)][std::size_t(c)]));
    f.write("Grid Title", "Show Titles", yesNo(s.showTitles));
    f.write("Grid Title", "Background Color", QString::number(s.titleColor));
    f.write("Grid Title", "Alignment", QString::number(s.titleAlignment));
    writeFont(f, "Grid Title Font", s.titleFont);
    writeFont(f, "Grid Font", s.gridFont);
    f.write("Grid Options", "Cell Color", QString::number(s.cellColor));
    f.write("Grid Options", "Column Lines", yesNo(s.columnLines));
    f.write("Grid Options", "Row Lines", yesNo(s.rowLines));
    f.write("Grid Options", "Row Indicator", yesNo(s.rowIndicator));
    f.write("Grid Options", "Field Editing", yesNo(s.fieldEditing));
    writeProgramFont(f, "Edit Font", s.editFont);
    writeProgramFont(f, "Label Font", s.labelFont);
    writeProgramFont(f, "Button Font", s.buttonFont);
    f.write("Reports", "Last Report", QString::number(s.lastReport));
    f.write("Reports", "Default Printer", yesNo(s.defaultPrinter));
    f.write("Reports", "Printer Index", QString::number(s.printerIndex));
    f.write("Reports", "PDF File", yesNo(s.pdfFile));
    f.write("Reports", "Printer Name", s.printerName);
    f.write("Reports", "Report Viewing Window Left", QString::number(s.reportLeft));
    f.write("Reports", "Report Viewing Window Top", QString::number(s.reportTop));
    f.write("Reports", "Report Viewing Window Width", QString::number(s.reportWidth));
    f.write("Reports", "Report Viewing Window Height", QString::number(s.reportHeight));
    f.save();
}

}  // namespace store
