// SPDX-License-Identifier: GPL-2.0-or-later
// The windows in German: the loader, the completeness of the German file, windows without a
// source text left, and files that stay the same in every language.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>

#include "app/main_window.h"
#include "edit/windows/record_editor.h"
#include "find/windows/search_window.h"
#include "paths/program_paths.h"
#include "support/gui_env.h"
#include "support/untranslated.h"
#include "ui/seams/messages.h"
#include "ui/translations.h"

using testing_support::GuiEnv;

namespace {

// The program's German for the length of one test.
struct German {
    German() { language = ui::installTranslations({QStringLiteral("de")}, {QStringLiteral(BINDLOW_TRANSLATIONS_DIR)}); }
    ~German() { ui::removeTranslations(); }
    QString language;
};

// The template's texts, and those of the German file: a text taken out of tr() leaves the
// template but is still a source text the windows must not show in German.
QSet<QString> sources()
{
    return testing_support::templateSources(QStringLiteral(BINDLOW_TEMPLATE_TS)) |
           testing_support::templateSources(QStringLiteral(BINDLOW_GERMAN_TS));
}

QByteArray fileBytes(const QString& path, const QString& folder)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return "(missing)";
    return f.readAll().replace(QDir::toNativeSeparators(folder).toLocal8Bit(), "FOLDER");
}

}  // namespace

TEST(Translations, TheLanguagesComeFromTheEnvironmentInTheCLibrarysOrder)
{
    using ui::languagesAsked;
    EXPECT_EQ(languagesAsked("", "", "", "de_DE.UTF-8"), QStringList({"de_DE", "de"}));
    EXPECT_EQ(languagesAsked("", "", "de_AT.UTF-8", "fr_FR.UTF-8"), QStringList({"de_AT", "de"}));
    EXPECT_EQ(languagesAsked("", "de_CH", "fr_FR", "fr_FR"), QStringList({"de_CH", "de"}));
    EXPECT_EQ(languagesAsked("fr:de", "", "", "de_DE.UTF-8@euro"), QStringList({"fr", "de", "de_DE"}));
    EXPECT_EQ(languagesAsked("", "", "", "de_DE@euro"), QStringList({"de_DE", "de"}));
    // LANGUAGE counts only when a locale is set, as in the C library
    EXPECT_TRUE(languagesAsked("de", "", "", "C.UTF-8").isEmpty());
    EXPECT_TRUE(languagesAsked("de", "", "", "POSIX").isEmpty());
    EXPECT_TRUE(languagesAsked("de", "", "", "").isEmpty());
}

TEST(Translations, WithNoTranslationFoundTheWindowsKeepTheirSourceTexts)
{
    EXPECT_TRUE(ui::installTranslations({"xx", "en"}, {QStringLiteral(BINDLOW_TRANSLATIONS_DIR), "/nowhere"}).isEmpty());
    EXPECT_TRUE(ui::uiLanguage().isEmpty());
    EXPECT_EQ(QCoreApplication::translate("Messages", "Error"), "Error");
    {
        German de;
        EXPECT_EQ(de.language, "de");
        EXPECT_EQ(ui::uiLanguage(), "de");
        EXPECT_EQ(QCoreApplication::translate("Messages", "Error"), "Fehler");
        // a regional variant finds the language's file
        EXPECT_EQ(ui::installTranslations({"de_AT", "de"}, {"/nowhere", QStringLiteral(BINDLOW_TRANSLATIONS_DIR)}), "de");
        // a file of the region speaks the language: the help file is looked up as "de"
        testing_support::TempDir temp;
        const QString folder = QString::fromStdString(temp.path().string());
        ASSERT_TRUE(QFile::copy(QStringLiteral(BINDLOW_TRANSLATIONS_DIR "/bindlow_de.qm"), folder + "/bindlow_de_AT.qm"));
        EXPECT_EQ(ui::installTranslations({"de_AT", "de"}, {folder}), "de");
        EXPECT_EQ(ui::uiLanguage(), "de");
    }
    EXPECT_EQ(QCoreApplication::translate("Messages", "Error"), "Error");
    EXPECT_TRUE(ui::uiLanguage().isEmpty());
}

TEST(Translations, TheFoldersAndTheHelpFileFollowTheLanguage)
{
    EXPECT_EQ(ui::translationFolders("/opt/b/bin"),
              QStringList({"/opt/b/bin/translations", "/opt/b/share/bindlow/translations"}));
    testing_support::TempDir temp;
    const QString root = QString::fromStdString(temp.path().string());
    const QString bin = root + "/bin";
    QDir().mkpath(bin);
    QDir().mkpath(root + "/share/bindlow");
    auto touch = [](const QString& p) { QFile f(p); ASSERT_TRUE(f.open(QIODevice::WriteOnly)); };
    touch(root + "/share/bindlow/KAVBOOK.HLP");
    EXPECT_EQ(paths::helpFileFor(bin, "de"), root + "/share/bindlow/KAVBOOK.HLP");
    touch(root + "/share/bindlow/KAVBOOK.de.HLP");
    EXPECT_EQ(paths::helpFileFor(bin, "de"), root + "/share/bindlow/KAVBOOK.de.HLP");
    EXPECT_EQ(paths::helpFileFor(bin, "fr"), root + "/share/bindlow/KAVBOOK.HLP");
    EXPECT_EQ(paths::helpFileFor(bin), root + "/share/bindlow/KAVBOOK.HLP");
}

TEST(Translations, TheGermanFileWordsEveryTextOfTheTemplateAndKeepsItsPlaceholders)
{
    const QSet<QString> all = sources();
    ASSERT_GT(all.size(), 400);
    const auto german = testing_support::finishedTranslations(QStringLiteral(BINDLOW_GERMAN_TS));
    static const QRegularExpression placeholder(QStringLiteral("%(\\d|p)"));
    auto placeholders = [](const QString& s) {
        QStringList p;
        for (const auto& m : placeholder.globalMatch(s)) p << m.captured();
        p.sort();
        return p;
    };
    auto hasKey = [](QString s) { return s.remove(QStringLiteral("&&")).contains(u'&'); };
    for (const QString& source : all) {
        ASSERT_TRUE(german.contains(source)) << "no German for: " << source.toStdString();
        const QString& de = german[source];
        EXPECT_EQ(placeholders(source), placeholders(de)) << source.toStdString();
        EXPECT_EQ(hasKey(source), hasKey(de)) << source.toStdString();
        // two blanks after a full stop, as the source texts have them
        if (source.contains(QStringLiteral(".  "))) EXPECT_TRUE(de.contains(QStringLiteral(".  ")) || de.contains(QStringLiteral("!  ")))
            << de.toStdString();
    }
}

TEST(Translations, TheMainWindowEditorSearchAndMessagesShowNoSourceTextInGerman)
{
    German de;
    GuiEnv env;
    auto main = env.start();
    ASSERT_TRUE(main->started());
    main->show();
    const QSet<QString> all = sources();
    EXPECT_EQ(testing_support::untranslatedTexts(main.get(), all).join(" | ").toStdString(), "");
    EXPECT_EQ(testing_support::repeatedAccessKeys(main.get()).join(" | ").toStdString(), "");
    EXPECT_EQ(main->findChild<QLabel*>("ViewerLabel")->text(), "Bücherliste");
    EXPECT_EQ(main->action("MenuSortOrder")->text(), "&Sortierfolge");
    // the title names the program and the database, in no language
    EXPECT_EQ(main->windowTitle(), "Bindlow Books 97 (MASTER)");

    main->editorMode = 2;
    main->MyEdit->FormShow();
    main->MyEdit->show();
    EXPECT_EQ(testing_support::untranslatedTexts(main->MyEdit, all).join(" | ").toStdString(), "");
    EXPECT_EQ(testing_support::repeatedAccessKeys(main->MyEdit).join(" | ").toStdString(), "");
    main->MyEdit->hide();

    main->MySearch->FormShow();
    main->MySearch->show();
    EXPECT_EQ(testing_support::untranslatedTexts(main->MySearch, all).join(" | ").toStdString(), "");
    EXPECT_EQ(testing_support::repeatedAccessKeys(main->MySearch).join(" | ").toStdString(), "");
    main->MySearch->hide();

    env.messages.expect();
    env.messages.expect(ui::No);
    ui::showError(main.get(), QCoreApplication::translate("TMain", "Invalid file type selected."));
    EXPECT_FALSE(ui::askConfirm(main.get(), QCoreApplication::translate("TMain", "Delete this record?")));
    ASSERT_EQ(env.messages.shown.size(), 2);
    EXPECT_EQ(env.messages.shown[0].caption, "Fehler");
    EXPECT_EQ(env.messages.shown[0].text, "Ungültiger Dateityp gewählt.");
    EXPECT_EQ(env.messages.shown[1].caption, "Bestätigen");
    EXPECT_EQ(env.messages.shown[1].text, "Diesen Datensatz löschen?");
    main->close();
}

TEST(Translations, TheSettingsWrittenInGermanAreTheSameBytesAsInEnglish)
{
    auto run = [](bool german) {
        std::unique_ptr<German> de;
        if (german) de = std::make_unique<German>();
        GuiEnv env;
        auto main = env.start();
        main->show();
        main->close();
        return std::pair(fileBytes(env.iniPath(), env.programDir()),
                         fileBytes(env.programDir() + "/MASTER.INI", env.programDir()));
    };
    const auto english = run(false);
    const auto german = run(true);
    EXPECT_NE(english.first, "(missing)");
    EXPECT_EQ(german.first, english.first);
    EXPECT_EQ(german.second, english.second);
    // the stored display names stay the English ones
    EXPECT_TRUE(german.second.contains("Title"));
}
