// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <clocale>

#include "app/main_window.h"
#include "dbase/table.h"
#include "edit/record_print.h"
#include "edit/windows/record_editor.h"
#include "regional/regional.h"
#include "store/field_table.h"
#include <QFile>
#include "support/gui_env.h"

using testing_support::GuiEnv;

namespace {
void addBook(TMain& m, const char* title, const char* author, const char* cost, const char* date = "")
{
    dbase::Table& t = m.MyTable.table();
    t.append();
    t.setText(0, title);
    t.setText(1, author);
    t.setText(6, cost);
    t.setText(11, date);
    t.setText(16, "Yes");
    t.setText(17, "20050102");
    t.setText(18, "Ann");
    t.post();
    m.MyTable.refresh();
}

struct Editor {
    GuiEnv env;
    std::unique_ptr<TMain> main = env.start();
    edit::TMyEdit& e = *main->MyEdit;
    void show(int mode)
    {
        main->editorMode = mode;
        e.FormShow();
        e.show();  // shown, not executed
    }
    void type(const char* box, const QString& text) { e.setText(QString::fromLatin1(box), text); }
    // Keys and focus changes reach the boxes only in the active window.
    void activate()
    {
        e.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&e));
    }
};

// The C locale of the process (and so the operating system's separators) for one test.
struct SystemLocale {
    explicit SystemLocale(const char* name)
    {
        ok = std::setlocale(LC_ALL, name) != nullptr;
        regional::current().system = regional::systemRegionalValues();
    }
    ~SystemLocale()
    {
        std::setlocale(LC_ALL, "C");
        regional::current().system = regional::systemRegionalValues();
        regional::current().currencyFormat = 1;
    }
    bool ok = false;
};

void pressEnter(QWidget* w)
{
    QKeyEvent k(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(w, &k);
}
}  // namespace

TEST(RecordEditor, AddStartsEmptyAndLeavesQuietly)
{
    Editor ed;
    ed.show(1);
    EXPECT_EQ(ed.e.windowTitle(), "Edit");
    EXPECT_EQ(ed.e.notebook()->currentIndex(), 0);
    EXPECT_EQ(ed.e.text("Title"), "");
    for (const char* m : {"Cost", "Value", "LowMarket", "HighMarket"}) EXPECT_EQ(ed.e.text(m), "0") << m;
    EXPECT_FALSE(ed.e.checkOut()->isChecked());
    EXPECT_EQ(ed.e.findChild<QLabel*>("AuthorLabel")->text(), "Author");
    EXPECT_EQ(ed.e.checkOut()->text(), "Checked Out");
    EXPECT_EQ(ed.e.box("Title")->maxLength(), 90);
    EXPECT_EQ(ed.e.box("YearPub")->maxLength(), 4);
    ed.e.DoExit();  // nothing typed: no question
    EXPECT_TRUE(ed.env.messages.shown.isEmpty());
    EXPECT_TRUE(QFileInfo::exists(ed.env.programDir() + "/MASTER.001"));  // the lists are saved on every close
}

TEST(RecordEditor, CopyMakesANewRecordAndLeavesTheOriginal)
{
    Editor ed;
    addBook(*ed.main, "Emma", "Austen", "12.5", "19970301");
    ed.show(3);
    EXPECT_EQ(ed.e.text("Title"), "Emma");
    EXPECT_EQ(ed.e.text("Cost"), "12.50");
    EXPECT_EQ(ed.e.text("PurchDate"), "03/01/1997");
    EXPECT_TRUE(ed.e.checkOut()->isChecked());
    EXPECT_EQ(ed.e.text("CheckName"), "Ann");
    ed.type("Title", "Emma, second copy");
    ASSERT_TRUE(ed.e.DoUpdate());
    EXPECT_EQ(ed.main->editorMode, 2);
    dbase::Table& t = ed.main->MyTable.table();
    ASSERT_EQ(t.physicalCount(), 2u);
    EXPECT_EQ(t.record(1).text(0), "Emma");
    EXPECT_EQ(t.record(2).text(0), "Emma, second copy");
    EXPECT_EQ(t.record(2).text(11), "19970301");
    EXPECT_EQ(t.record(2).text(16), "Yes");
    EXPECT_DOUBLE_EQ(t.record(2).number(6).value(), 12.5);
}

TEST(RecordEditor, MovingFromAnUnsavedRecordAlwaysAsks)
{
    Editor ed;
    addBook(*ed.main, "A", "A", "1");
    addBook(*ed.main, "B", "B", "2");
    ed.main->MyTable.last();
    ed.show(1);
    ed.env.messages.expect(ui::No);
    ed.e.DoPreviousRecord();
    ASSERT_EQ(ed.env.messages.shown.size(), 1);
    const ui::Message& m = ed.env.messages.shown[0];
    EXPECT_EQ(m.caption, "Warning");
    EXPECT_EQ(m.text, "This record has not been updated yet.  Update this record before moving to the previous record?");
    EXPECT_EQ(m.buttons, ui::Yes | ui::No | ui::Cancel);
    EXPECT_EQ(m.defaultButton, ui::No);
    EXPECT_TRUE(m.beep);
    EXPECT_EQ(ed.e.text("Title"), "A");
    EXPECT_EQ(ed.main->editorMode, 2);
    EXPECT_EQ(ed.main->MyTable.table().physicalCount(), 2u);
    // in edit mode only a change asks
    ed.e.DoNextRecord();
    EXPECT_EQ(ed.e.text("Title"), "B");
    ed.type("Title", "B changed");
    ed.env.messages.expect(ui::Cancel);
    ed.e.DoPreviousRecord();
    EXPECT_EQ(ed.env.messages.shown.back().text,
              "Data has changed.  Update this record before moving to the previous record?");
    EXPECT_EQ(ed.e.text("Title"), "B changed");
    ed.env.messages.expect(ui::Yes);
    ed.e.DoPreviousRecord();
    EXPECT_EQ(ed.main->MyTable.table().record(2).text(0), "B changed");
    // an update that is refused keeps the editor on its record with what was typed
    ed.type("Pages", "x");
    ed.env.messages.expect(ui::Yes);
    ed.env.messages.expect();
    ed.e.DoNextRecord();
    EXPECT_EQ(ed.env.messages.shown.back().text, "Invalid number of pages specified.  Please correct.");
    EXPECT_EQ(ed.e.text("Title"), "A");
    EXPECT_EQ(ed.e.text("Pages"), "x");
}

TEST(RecordEditor, MoneyBoxesAreRewrittenAndCheckedBeforeAnythingIsWritten)
{
    Editor ed;
    ed.show(1);
    ed.type("Cost", "1,234.5");
    emit ed.e.box("Cost")->editingFinished();
    EXPECT_EQ(ed.e.text("Cost"), "1,234.50");
    ed.type("Value", "12abc");
    emit ed.e.box("Value")->editingFinished();
    EXPECT_EQ(ed.e.text("Value"), "12abc");
    ed.env.messages.expect();
    EXPECT_FALSE(ed.e.DoUpdate());
    EXPECT_EQ(ed.env.messages.shown.back().text, "Invalid value specified.  Please correct.");
    EXPECT_EQ(ed.e.notebook()->currentIndex(), 2);
    EXPECT_EQ(ed.main->MyTable.table().physicalCount(), 0u);

    // whole numbers too: nothing is written and the mode stays
    ed.type("Value", "");
    ed.type("YearPub", "12ab");
    ed.env.messages.expect();
    EXPECT_FALSE(ed.e.DoUpdate());
    EXPECT_EQ(ed.env.messages.shown.back().text, "Invalid year published specified.  Please correct.");
    EXPECT_EQ(ed.e.notebook()->currentIndex(), 0);
    EXPECT_EQ(ed.main->editorMode, 1);
    EXPECT_EQ(ed.main->MyTable.table().state(), dbase::TableState::Browse);
    ed.type("YearPub", "");
    ed.type("Pages", "x");
    ed.env.messages.expect();
    EXPECT_FALSE(ed.e.DoUpdate());
    EXPECT_EQ(ed.env.messages.shown.back().text, "Invalid number of pages specified.  Please correct.");
    ed.type("Pages", "");
    ed.type("PurchDate", "31/31/1997");
    ed.env.messages.expect();
    EXPECT_FALSE(ed.e.DoUpdate());
    EXPECT_EQ(ed.env.messages.shown.back().text, "Invalid purchase date specified.  Please correct.");
    ed.e.BlankClick();
    ed.type("CheckDate", "02/30/1997");
    ed.env.messages.expect();
    EXPECT_FALSE(ed.e.DoUpdate());
    EXPECT_EQ(ed.env.messages.shown.back().text, "Invalid check out date specified.  Please correct.");
    EXPECT_EQ(ed.e.notebook()->currentIndex(), 3);
    EXPECT_EQ(ed.main->MyTable.table().physicalCount(), 0u);
    ed.e.BlankDateClick();

    // an empty Cost stores 0, an empty YearPub no value, an empty date box no date
    ed.e.BlankClick();
    EXPECT_EQ(ed.e.text("PurchDate"), "  /  /    ");
    ed.type("Cost", "");
    ASSERT_TRUE(ed.e.DoUpdate());
    dbase::RecordView r = ed.main->MyTable.table().record(1);
    EXPECT_DOUBLE_EQ(r.number(6).value(), 0.0);
    EXPECT_FALSE(r.number(2).has_value());
    EXPECT_FALSE(r.date(11).has_value());
    EXPECT_EQ(r.text(16), "No");
}

// The boxes stop at the field's width, but the check behind them does not count on it: a year or
// page count of ten digits is refused with the editor's own message before the table is touched.
TEST(RecordEditor, TenDigitYearsAndPageCountsAreRefusedBeforeTheTableIsTouched)
{
    Editor ed;
    ed.show(1);
    ed.type("Pages", "1234567890");
    EXPECT_EQ(ed.e.text("Pages"), "12345");  // the box itself takes five digits
    for (const char* name : {"YearPub", "Pages"}) ed.e.box(name)->setMaxLength(32767);
    ed.type("Title", "Ten digits");
    ed.type("YearPub", "1234567890");
    ed.env.messages.expect();
    EXPECT_FALSE(ed.e.DoUpdate());
    EXPECT_EQ(ed.env.messages.shown.back().text, "Invalid year published specified.  Please correct.");
    EXPECT_EQ(ed.e.notebook()->currentIndex(), 0);
    EXPECT_EQ(ed.main->editorMode, 1);
    EXPECT_EQ(ed.main->MyTable.table().state(), dbase::TableState::Browse);
    ed.type("YearPub", "1997");
    ed.type("Pages", " -1234567890 ");
    ed.env.messages.expect();
    EXPECT_FALSE(ed.e.DoUpdate());
    EXPECT_EQ(ed.env.messages.shown.back().text, "Invalid number of pages specified.  Please correct.");
    EXPECT_EQ(ed.main->editorMode, 1);
    EXPECT_EQ(ed.main->MyTable.table().state(), dbase::TableState::Browse);
    EXPECT_EQ(ed.main->MyTable.table().physicalCount(), 0u);
    ed.type("Pages", " 350 ");
    ASSERT_TRUE(ed.e.DoUpdate());
    dbase::RecordView r = ed.main->MyTable.table().record(1);
    EXPECT_EQ(r.number(2).value(), 1997);
    EXPECT_EQ(r.number(23).value(), 350);
}

TEST(RecordEditor, TheCheckOutMemory)
{
    Editor ed;
    addBook(*ed.main, "Lent", "X", "1");
    ed.show(2);
    EXPECT_EQ(ed.e.text("CheckName"), "Ann");
    ed.e.checkOut()->click();  // untick: the date and person go to the memory
    EXPECT_EQ(ed.e.text("CheckName"), "");
    EXPECT_EQ(ed.e.text("CheckDate"), "  /  /    ");
    ed.e.checkOut()->click();  // tick: they come back
    EXPECT_EQ(ed.e.text("CheckName"), "Ann");
    EXPECT_EQ(ed.e.text("CheckDate").trimmed(), "01/02/2005");
    ed.e.NewRecordClick();  // the boxes are as loaded again: no question
    EXPECT_EQ(ed.e.windowTitle(), "Edit (New Record)");
    EXPECT_EQ(ed.e.text("CheckName"), "");
    ed.e.checkOut()->click();
    EXPECT_EQ(ed.e.text("CheckName"), "Ann");
}

TEST(RecordEditor, NewListValuesAreAddedOnceTrimmed)
{
    Editor ed;
    ed.show(1);
    ed.type("Author", "  Smith  ");
    ASSERT_TRUE(ed.e.DoUpdate());
    // the untrimmed text is what the record keeps
    EXPECT_EQ(ed.main->MyTable.table().record(1).text(1), "  Smith");
    ASSERT_TRUE(ed.e.DoUpdate());
    EXPECT_EQ(ed.main->dataLists[edit::AuthorList], QStringList {"Smith"});
    EXPECT_EQ(ed.e.combo("Author")->count(), 1);
    ed.type("Author", "smith");
    ASSERT_TRUE(ed.e.DoUpdate());
    EXPECT_EQ(ed.main->dataLists[edit::AuthorList], (QStringList {"Smith", "smith"}));
    EXPECT_EQ(ed.main->MyTable.table().physicalCount(), 1u);  // after the first update the editor edits it
}

TEST(RecordEditor, TextTheTableCannotHoldIsRefusedWhereItWasTyped)
{
    Editor ed;
    ed.show(1);
    ed.type("KeyWords", QStringLiteral("\u0432\u043e\u0439\u043d\u0430"));
    ed.env.messages.expect();
    EXPECT_FALSE(ed.e.DoUpdate());
    EXPECT_EQ(ed.env.messages.shown.back().text,
              QStringLiteral("The characters \"\u0432\u043e\u0439\u043d\u0430\" of Key Words cannot be stored.  Please correct."));
    EXPECT_EQ(ed.e.notebook()->currentIndex(), 1);
    EXPECT_EQ(ed.main->MyTable.table().physicalCount(), 0u);
}

TEST(RecordEditor, EnterMovesThroughTheBoxesAcrossThePages)
{
    Editor ed;
    ed.show(1);
    auto enter = [&](QWidget* w) {
        QKeyEvent k(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(w, &k);
    };
    enter(ed.e.combo("WherePurch")->lineEdit());
    EXPECT_EQ(ed.e.notebook()->currentIndex(), 1);
    EXPECT_EQ(ed.e.focusWidget(), ed.e.box("Catalog"));
    // on to the money boxes' page, and from the last of them to the library's
    enter(ed.e.combo("Location")->lineEdit());
    EXPECT_EQ(ed.e.notebook()->currentIndex(), 2);
    EXPECT_EQ(ed.e.focusWidget(), ed.e.box("Cost"));
    enter(ed.e.box("HighMarket"));
    EXPECT_EQ(ed.e.notebook()->currentIndex(), 3);
    enter(ed.e.box("UserDef6"));
    EXPECT_EQ(ed.e.notebook()->currentIndex(), 0);
    EXPECT_EQ(ed.e.focusWidget(), ed.e.box("Title"));
    ed.e.hide();
}

TEST(RecordEditor, ExitWithChangesAsksAndBrowseModeNeverDoes)
{
    Editor ed;
    ed.show(1);
    ed.type("Title", "typed");
    ed.env.messages.expect(ui::No);
    ed.e.DoExit();
    EXPECT_EQ(ed.env.messages.shown.back().text, "Data has changed.  Do you want to exit without updating?");
    EXPECT_EQ(ed.env.messages.shown.back().defaultButton, ui::No);
    ed.e.SaveValues();
    ed.e.DoClear();  // a clear is a change too
    EXPECT_TRUE(ed.e.ValuesChanged());
    ed.e.HelpClick();
    EXPECT_EQ(ed.env.help.keywords, QStringList {"Input Window"});
}

TEST(RecordEditor, PrintsOnePageACopyWithTheBoxesAsTheyStand)
{
    Editor ed;
    ed.show(1);
    ed.type("Title", "Unsaved title");
    ed.e.checkOut()->setChecked(true);
    const QString pdf = ed.env.programDir() + "/record.pdf";
    ed.env.dialogs.printTo = pdf;
    ed.env.dialogs.copies = 2;
    ed.e.MenuPrintRecordClick();
    QFile f(pdf);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page>") +
                  bytes.count("/Type /Page "),
              2);
    QStringList lines = edit::recordLines({"Title", "Checked Out", "A name that is long enough"}, {"x", "Yes", "y"});
    EXPECT_EQ(lines[0], "Title: x");
    EXPECT_EQ(lines[1], "Checked Out: Yes");
    EXPECT_EQ(lines[2], "A name that is long eny");
    ed.env.dialogs.printTo.clear();  // cancelled: nothing printed
    ed.e.MenuPrintRecordClick();
}

TEST(RecordEditor, BrowseModeChangesNothing)
{
    GuiEnv env;
    auto main = env.start({"/BROWSE"});
    addBook(*main, "Look only", "X", "1");
    edit::TMyEdit& e = *main->MyEdit;
    for (const char* a : {"MenuNewRecord", "MenuClearRecord", "MenuUpdateRecord", "MenuUpdateExit", "MenuCut",
                          "MenuCopy", "MenuPaste", "MenuDelete"})
        EXPECT_FALSE(e.action(a)->isEnabled()) << a;
    EXPECT_TRUE(e.action("MenuNextRecord")->isEnabled());
    main->editorMode = 2;
    e.FormShow();
    e.show();
    e.setText("Title", "changed");
    e.DoNextRecord();  // no question in browse mode
    e.DoExit();
    EXPECT_TRUE(env.messages.shown.isEmpty());
    EXPECT_EQ(main->MyTable.table().record(1).text(0), "Look only");
}

TEST(RecordEditor, ARefusedInsertStaysAnInsert)
{
    // a book table made by another program, with a narrower Title than the editor's box
    GuiEnv env;
    std::vector<dbase::NewField> fields;
    for (const store::FieldDef& f : store::fieldTable()) {
        if (f.type == 'C') fields.push_back(dbase::NewField::string(f.name, f.number == 1 ? 20 : f.width));
        else if (f.type == 'D') fields.push_back(dbase::NewField::date(f.name));
        else fields.push_back(dbase::NewField::floating(f.name));
    }
    dbase::Table::create(env.programDir().toStdString(), "NARROW", fields);
    env.writeIni("Last Database=" + env.programDir() + "/NARROW.DBF\n");
    auto main = env.start();
    ASSERT_EQ(main->currentDatabase, env.programDir() + "/NARROW.DBF");
    addBook(*main, "Kept", "K", "1");
    edit::TMyEdit& e = *main->MyEdit;
    main->editorMode = 1;
    e.FormShow();
    e.setText("Title", "A title longer than twenty");
    env.messages.expect();
    EXPECT_FALSE(e.DoUpdate());  // refused by the table itself
    EXPECT_TRUE(env.messages.shown.back().text.contains("longer than 20"));
    EXPECT_EQ(main->editorMode, 1);
    EXPECT_EQ(main->MyTable.table().state(), dbase::TableState::Browse);
    e.setText("Title", "New book");
    ASSERT_TRUE(e.DoUpdate());
    EXPECT_EQ(main->editorMode, 2);
    dbase::Table& t = main->MyTable.table();
    ASSERT_EQ(t.physicalCount(), 2u);
    EXPECT_EQ(t.record(1).text(0), "Kept");
    EXPECT_EQ(t.record(2).text(0), "New book");
}

TEST(RecordEditor, MoneyUnderTheOperatingSystemsSeparators)
{
    {
        SystemLocale de("de_DE.UTF-8");
        ASSERT_TRUE(de.ok) << "the de_DE.UTF-8 locale is missing";
        Editor ed;
        regional::current().currencyFormat = 2;  // the operating system's
        addBook(*ed.main, "Emma", "Austen", "12.5");
        ed.show(2);
        EXPECT_EQ(ed.e.text("Cost"), "12,50");
        EXPECT_FALSE(ed.e.ValuesChanged());
        ed.type("Value", "1.234,5");
        emit ed.e.box("Value")->editingFinished();
        EXPECT_EQ(ed.e.text("Value"), "1.234,50");
        ASSERT_TRUE(ed.e.DoUpdate());
        EXPECT_DOUBLE_EQ(ed.main->MyTable.table().record(1).number(6).value(), 12.5);
        EXPECT_DOUBLE_EQ(ed.main->MyTable.table().record(1).number(7).value(), 1234.5);
    }
    {
        SystemLocale fr("fr_FR.UTF-8");
        ASSERT_TRUE(fr.ok) << "the fr_FR.UTF-8 locale is missing";
        const QChar space = regional::current().system.thousand;
        EXPECT_TRUE(space == QChar(0x00A0) || space == QChar(0x202F)) << int(space.unicode());
        Editor ed;
        regional::current().currencyFormat = 2;
        addBook(*ed.main, "Emma", "Austen", "1234567.5");
        ed.show(2);
        EXPECT_EQ(ed.e.text("Cost"), "1" + QString(space) + "234" + QString(space) + "567,50");
        ASSERT_TRUE(ed.e.DoUpdate());
        EXPECT_DOUBLE_EQ(ed.main->MyTable.table().record(1).number(6).value(), 1234567.5);
    }
}

TEST(RecordEditor, MoneyBoxesHoldEveryAmountTheFieldCanStore)
{
    Editor ed;
    addBook(*ed.main, "Dear", "X", "12345678.91");
    ed.show(2);
    EXPECT_EQ(ed.e.text("Cost"), "12,345,678.91");
    ASSERT_TRUE(ed.e.DoUpdate());
    EXPECT_DOUBLE_EQ(ed.main->MyTable.table().record(1).number(6).value(), 12345678.91);
    // too large for the field: refused, never cut
    ed.type("Cost", "1000000000");
    emit ed.e.box("Cost")->editingFinished();
    EXPECT_EQ(ed.e.text("Cost"), "1,000,000,000.00");
    ed.env.messages.expect();
    EXPECT_FALSE(ed.e.DoUpdate());
    EXPECT_EQ(ed.env.messages.shown.back().text, "Invalid cost specified.  Please correct.");
    EXPECT_EQ(ed.e.notebook()->currentIndex(), 2);
    ed.type("Cost", "1");
    ed.type("HighMarket", "-99999999999");
    ed.env.messages.expect();
    EXPECT_FALSE(ed.e.DoUpdate());
    EXPECT_EQ(ed.env.messages.shown.back().text, "Invalid high market value specified.  Please correct.");
    EXPECT_DOUBLE_EQ(ed.main->MyTable.table().record(1).number(6).value(), 12345678.91);
}

TEST(RecordEditor, KeysInTheBoxes)
{
    Editor ed;
    addBook(*ed.main, "Kept", "K", "1");
    ed.show(2);
    ed.activate();
    // Esc is Exit: the same question and answers
    ed.type("Title", "Kept, changed");
    ed.e.box("Title")->setFocus();
    ed.env.messages.expect(ui::No);
    QTest::keyClick(ed.e.box("Title"), Qt::Key_Escape);
    ASSERT_EQ(ed.env.messages.shown.size(), 1);
    EXPECT_EQ(ed.env.messages.shown.back().text, "Data has changed.  Do you want to exit without updating?");
    EXPECT_TRUE(ed.e.isVisible());
    // the menu's shortcuts win over the text box's own bindings
    ed.env.messages.expect(ui::Cancel);
    QTest::keyClick(ed.e.box("Title"), Qt::Key_E, Qt::ControlModifier);
    ASSERT_EQ(ed.env.messages.shown.size(), 2);
    EXPECT_EQ(ed.env.messages.shown.back().text, "Data has changed.  Update this record before creating new one?");
    // Ctrl+Y is the box's own Redo in the Windows key scheme, Ctrl+U and Ctrl+E its line keys in X11's
    ed.env.messages.expect(ui::Cancel);
    QTest::keyClick(ed.e.box("Title"), Qt::Key_Y, Qt::ControlModifier);
    ASSERT_EQ(ed.env.messages.shown.size(), 3);
    EXPECT_EQ(ed.env.messages.shown.back().text,
              "Data has changed.  Update this record before creating new one with the current data?");
    ed.e.combo("Author")->setFocus();
    QTest::keyClick(ed.e.combo("Author")->lineEdit(), Qt::Key_U, Qt::ControlModifier);
    EXPECT_FALSE(ed.e.isVisible());
    EXPECT_EQ(ed.main->MyTable.table().record(1).text(0), "Kept, changed");
    EXPECT_EQ(ed.main->MyTable.table().record(1).text(1), "K");

    ed.show(2);
    ed.activate();
    ed.e.box("Title")->setFocus();
    ed.env.messages.expect(ui::Yes);
    ed.type("Title", "typed again");
    QTest::keyClick(ed.e.box("Title"), Qt::Key_Escape);
    EXPECT_FALSE(ed.e.isVisible());
    EXPECT_EQ(ed.main->MyTable.table().record(1).text(0), "Kept, changed");
}

TEST(RecordEditor, ADateIsTypedAfterEnterAndNoButtonTakesEnter)
{
    Editor ed;
    ed.show(1);
    ed.activate();
    for (QPushButton* b : ed.e.findChildren<QPushButton*>()) {
        EXPECT_FALSE(b->autoDefault()) << b->objectName().toStdString();
        EXPECT_FALSE(b->isDefault()) << b->objectName().toStdString();
    }
    ed.e.box("Pages")->setFocus();
    pressEnter(ed.e.box("Pages"));
    ASSERT_EQ(QApplication::focusWidget(), ed.e.box("PurchDate"));
    QTest::keyClicks(ed.e.box("PurchDate"), "03011997");
    EXPECT_EQ(ed.e.text("PurchDate"), "03/01/1997");
    // Enter on the Blank button, or on the tab bar, leaves the date alone
    QWidget* blank = ed.e.findChild<QPushButton*>("BlankButton");
    blank->setFocus();
    QTest::keyClick(blank, Qt::Key_Return);
    QTest::keyClick(ed.e.notebook()->tabBar(), Qt::Key_Return);
    EXPECT_EQ(ed.e.text("PurchDate"), "03/01/1997");
    // by a click, wherever it lands
    ed.e.box("Title")->setFocus();
    QTest::mouseClick(ed.e.box("PurchDate"), Qt::LeftButton, {}, QPoint(ed.e.box("PurchDate")->width() - 4, 10));
    QApplication::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), ed.e.box("PurchDate"));
    EXPECT_EQ(ed.e.box("PurchDate")->cursorPosition(), 0);
    // by Tab too
    ed.e.box("PurchDate")->setText("");
    ed.e.box("Pages")->setFocus();
    QTest::keyClick(ed.e.box("Pages"), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), ed.e.box("PurchDate"));
    QTest::keyClicks(ed.e.box("PurchDate"), "12312004");
    ed.type("Title", "Dated");
    ASSERT_TRUE(ed.e.DoUpdate());
    EXPECT_EQ(ed.main->MyTable.table().record(1).text(11), "20041231");
    ed.e.hide();
}

TEST(RecordEditor, EveryModeOpensWithTheCursorInTitle)
{
    Editor ed;
    addBook(*ed.main, "Kept", "K", "1");
    ed.show(1);
    ed.activate();
    ASSERT_EQ(QApplication::focusWidget(), ed.e.box("Title"));
    QTest::keyClicks(QApplication::focusWidget(), "Q");  // typing goes into the box at once
    EXPECT_EQ(ed.e.text("Title"), "Q");
    for (int mode : {2, 3, 1}) {
        // the cursor left on the second page, the window closed and opened again
        ed.e.notebook()->setCurrentIndex(1);
        ed.e.box("Catalog")->setFocus();
        ed.e.hide();
        ed.show(mode);
        EXPECT_EQ(ed.e.notebook()->currentIndex(), 0) << mode;
        EXPECT_EQ(ed.e.focusWidget(), ed.e.box("Title")) << mode;
    }
    ed.e.hide();
}

// A book table another program made with wider fields than ours: the boxes show whole values, so
// that an Update never saves one shortened.
TEST(RecordEditor, WiderFieldsOfAnotherProgramAreNeverCut)
{
    GuiEnv env;
    std::vector<dbase::NewField> fields;
    for (const store::FieldDef& f : store::fieldTable()) {
        if (f.type == 'C') fields.push_back(dbase::NewField::string(f.name, f.number <= 2 ? 120 : f.width));
        else if (f.type == 'D') fields.push_back(dbase::NewField::date(f.name));
        else fields.push_back(dbase::NewField::floating(f.name));
    }
    dbase::Table::create(env.programDir().toStdString(), "WIDE", fields);
    const std::string title(110, 'T'), author = std::string(100, 'A');
    {
        dbase::Table t;
        t.open(env.programDir().toStdString(), "WIDE");
        t.append();
        t.setText(0, title);
        t.setText(1, author);
        t.setInteger(23, 123456);  // Pages: more digits than its box takes
        t.post();
    }
    env.writeIni("Last Database=" + env.programDir() + "/WIDE.DBF\n");
    auto main = env.start();
    ASSERT_EQ(main->currentDatabase, env.programDir() + "/WIDE.DBF");
    edit::TMyEdit& e = *main->MyEdit;
    main->editorMode = 2;
    main->MyTable.first();
    e.FormShow();
    EXPECT_EQ(e.text("Title").toStdString(), title);
    EXPECT_EQ(e.text("Author").toStdString(), author);
    EXPECT_EQ(e.text("Pages"), "123456");
    e.setText("Publisher", "Another");
    ASSERT_TRUE(e.DoUpdate());
    const dbase::Table& t = main->MyTable.table();
    EXPECT_EQ(t.record(1).text(0), title);
    EXPECT_EQ(t.record(1).text(1), author);
    EXPECT_DOUBLE_EQ(*t.record(1).number(23), 123456);
}

// Tab on the Description page goes as the page reads: row by row, left to right.
TEST(RecordEditor, TabOnTheDescriptionPageFollowsTheRows)
{
    Editor ed;
    addBook(*ed.main, "Kept", "K", "1");
    ed.show(1);
    ed.activate();
    ASSERT_EQ(QApplication::focusWidget(), ed.e.box("Title"));
    QStringList seen;
    for (int i = 0; i < 12; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* f = QApplication::focusWidget();
        if (f && f->parentWidget() && qobject_cast<QComboBox*>(f->parentWidget())) f = f->parentWidget();
        seen << (f ? f->objectName() : QString("nothing"));
    }
    EXPECT_EQ(seen, QStringList({"Author", "Publisher", "Editor", "BookType", "Volume", "Issue", "YearPub", "Edition",
                                 "Pages", "PurchDate", "BlankButton", "WherePurch"}));
    ed.e.hide();
}
