// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The program settings ("Misc" of KAVBOOK.INI) and the settings of the open database, held in
// memory for the whole run and read and written only at fixed moments.
#include <QString>
#include <QStringList>
#include <array>

#include "store/field_table.h"
#include "store/profile.h"
#include "store/setting_ranges.h"

namespace store {

// Read limits of the profile buffers.
inline constexpr int kNumberLength = 14;
inline constexpr int kNameLength = 149;
inline constexpr int kPathLength = 249;
inline constexpr int kDisplayNameLength = 20;

struct ProgramSettings {
    int buttonBar = 1;
    int left = 0, top = 0, width = 640, height = 480;
    QString lastImportFile, lastExportFile;  // default: the start directory
    QString lastDatabase;
    std::array<QString, 5> lastFiles;
    bool showTips = true;
    int nextTip = 0;  // the tip the next Tip of the Day starts from
    int windowSize = 640;
    int dateFormat = 1;
    bool dateLeadingZeros = false;
    int currencyFormat = 1;
    int numericFormat = 1;
    QString problem;  // why KAVBOOK.INI could not be read (it is then left as it is)
};

struct FontSetting {
    QString name = QStringLiteral("Arial");
    int size = 10;
    int color = 0;
    bool bold = false, italic = false, underline = false, strikeout = false;
};

// Only the name, bold and italic are stored; underline and strikeout last until the database closes.
struct ProgramFont {
    QString name = QStringLiteral("Arial");
    bool bold = false, italic = false;
    bool underline = false, strikeout = false;
};

enum ColorEntry {
    MainBackground, MajorTitle, MinorTitle, EditBackground, EditText, ComboBackground, ComboText,
    ListBoxBackground, ListBoxText, RadioBackground, RadioText, CheckBackground, CheckText, kColorEntries
};
using ColorSet = std::array<int, kColorEntries>;
enum ColorSetId { MainColors, EditColors, SearchColors, ReportColors, ConfigureColors, kColorSets };

// How many heading lines' pairings a database remembers.
inline constexpr int kRememberedPairings = 20;

struct DatabaseSettings {
    std::array<QString, kFieldCount> fieldNames;
    std::array<bool, kFieldCount> displayFields {};
    std::array<int, kFieldCount> fieldWidth {};
    std::array<int, kFieldCount> fieldOrder {};
    std::array<bool, kFieldCount> exportFields {};
    std::array<int, kFieldCount> exportOrder {};
    bool exportFirstRow = true;
    int exportFileType = 1;
    bool importSkipFirst = true;
    int importFileType = 1;
    // pairings made by hand for the heading lines of comma-separated files, newest first: each
    // "FINGERPRINT FIELD,FIELD,..." (see transfer/remembered_pairings.h)
    QStringList importPairings;
    std::array<int, 4> sortOrder {2, 0, 0, 0};
    std::array<ColorSet, kColorSets> colors {};
    bool showTitles = true;
    int titleColor = 8553090;
    int titleAlignment = 2;
    FontSetting titleFont;
    FontSetting gridFont;
    int cellColor = 12632256;
    bool columnLines = true, rowLines = true, rowIndicator = true, fieldEditing = false;
    ProgramFont editFont, labelFont, buttonFont;
    int lastReport = 0;
    bool defaultPrinter = true;
    int printerIndex = 0;
    // A PDF file instead of a printer, kept apart from the printers' positions; and the name of the
    // printer at printerIndex when it was chosen, so that a printer removed since is never mistaken
    // for another one
    bool pdfFile = false;
    QString printerName;
    int reportLeft = 0, reportTop = 0, reportWidth = 640, reportHeight = 480;
    QString problem;  // why the settings file could not be read (it is then left as it is)

    DatabaseSettings();  // every default
};

// Where KAVBOOK.INI lives: the per-user configuration folder.
QString programSettingsPath();

ProgramSettings readProgramSettings(const QString& startDirectory);
void writeProgramSettings(const ProgramSettings& s);

// Reads every database section from path, or from KAVBOOK.INI when path does not exist.
DatabaseSettings readDatabaseSettings(const QString& path);
void writeDatabaseSettings(const DatabaseSettings& s, const QString& path);

// Value forms shared by every settings reader.
bool readYes(const ProfileFile& f, const QString& section, const QString& key, bool def);
// A number within its range (see setting_ranges.h); its default when it is outside or no number.
int readNumber(const ProfileFile& f, const QString& section, const QString& key, const Bounded& range);
inline QString yesNo(bool v) { return v ? QStringLiteral("Yes") : QStringLiteral("No"); }

extern const char* const kColorKeys[kColorEntries];
extern const char* const kColorSections[kColorSets];

}  // namespace store
