// SPDX-License-Identifier: GPL-2.0-or-later
// Bringing a collection in from a comma-separated file: the exports of other catalogue programs
// and reading sites paired by their headings with no pairing by hand, the preview and its problem
// list, books already in the database, a pairing remembered, and the preview of the older kinds.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QTableView>
#include <QTableWidget>
#include <gtest/gtest.h>

#include <clocale>
#include <functional>

#include "regional/regional.h"
#include "support/qstring_print.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_messages.h"
#include "transfer/target_host.h"
#include "transfer/windows/import_format_window.h"
#include "transfer/windows/import_preview_window.h"
#include "transfer/windows/import_window.h"

using testing_support::TargetHost;

namespace {

// One line of a comma-separated file, values quoted only where needed.
QString csvLine(const QStringList& values, QChar separator = u',')
{
    QStringList out;
    for (QString v : values) {
        if (v.contains(separator) || v.contains(u'"') || v.contains(u'\n') || v.contains(u'\r'))
            v = u'"' + v.replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
        out << v;
    }
    return out.join(separator) + QStringLiteral("\r\n");
}

// The date format of these tests: month/day/year with four digits; the program's own again after.
struct Formats {
    regional::Regional saved = regional::current();
    Formats() { regional::current().setDateFormat(7, false); }
    ~Formats() { regional::current() = saved; }
};

// Runs the import window on a file as a user would: the comma-separated kind, the file, the
// window as it opens (look), the preview (answer), then "&Start Import".
struct WindowRun {
    explicit WindowRun(TargetHost& h) : host(h) {}
    TargetHost& host;
    testing_support::ScriptedDialogs dialogs;
    testing_support::ScriptedMessages messages;
    std::function<void(TMyImport&)> look = [](TMyImport&) {};
    std::function<int(TImportPreview&)> answer = [](TImportPreview&) { return int(QDialog::Accepted); };
    transfer::Pairing pairing;
    bool skipFirst = false;

    void operator()(const QString& file, bool completes = true)
    {
        TImportFormat format(host);
        format.CommaSeparated->setChecked(true);
        dialogs.fileNames.push_back(file);
        format.execModal = [&](QDialog& d) {
            auto* w = qobject_cast<TMyImport*>(&d);
            EXPECT_TRUE(w);
            if (!w) return 0;
            EXPECT_EQ(w->windowTitle(), QStringLiteral("Comma Separated Values Import"));
            look(*w);
            pairing = w->pairing();
            skipFirst = w->SkipFirst->isChecked();
            w->execPreview = answer;
            if (completes) messages.expect();
            w->StartButtonClick();
            return 1;
        };
        format.FileButtonClick();
        EXPECT_EQ(host.settings.importFileType, 3);
    }
};

QString field(TargetHost& host, std::size_t row, const char* name) { return host.text(row, name).trimmed(); }

}  // namespace

TEST(CsvImport, AGoodreadsExportOfFiveThousandBooksGoesInWithNoPairingByHand)
{
    Formats formats;
    TargetHost host;
    QString text = QStringLiteral(
        "Book Id,Title,Author,Author l-f,Additional Authors,ISBN,ISBN13,My Rating,Average Rating,Publisher,Binding,"
        "Number of Pages,Year Published,Original Publication Year,Date Read,Date Added,Bookshelves,Bookshelves with "
        "positions,Exclusive Shelf,My Review,Spoiler,Private Notes,Read Count,Owned Copies\r\n");
    const QStringList bindings {"Paperback", "Hardcover", "Kindle Edition", "Audiobook"};
    auto isbn13 = [](int n) { return QStringLiteral("978%1").arg(n, 10, 10, QChar(u'0')); };
    constexpr int kBooks = 5000;
    for (int n = 1; n <= kBooks; ++n) {
        const QString title = n % 7 == 0 ? QStringLiteral("Title %1: \"quoted\", with a comma").arg(n)
                                         : QStringLiteral("Title %1").arg(n);
        text += csvLine({QString::number(1000 + n), title, QStringLiteral("First%1 Last%1").arg(n),
                         QStringLiteral("Last%1, First%1").arg(n), QString(),
                         QStringLiteral("=\"%1\"").arg(isbn13(n).mid(3)), QStringLiteral("=\"%1\"").arg(isbn13(n)),
                         QString::number(n % 6), QStringLiteral("3.9%1").arg(n % 10), QStringLiteral("Publisher %1").arg(n % 37),
                         bindings[n % 4], QString::number(100 + n % 900), QString::number(1900 + n % 120),
                         QString::number(1800 + n % 200), QStringLiteral("2024/03/%1").arg(1 + n % 28, 2, 10, QChar(u'0')),
                         QStringLiteral("2023/01/02"), QStringLiteral("to-read, shelf-%1").arg(n % 5),
                         QStringLiteral("to-read (#%1)").arg(n), QStringLiteral("to-read"), QString(), QString(),
                         n % 11 == 0 ? QStringLiteral("note %1\nsecond line").arg(n) : QString(), QStringLiteral("0"),
                         QStringLiteral("1")});
    }
    const QString file = host.write("goodreads_library_export.csv", text.toUtf8());
    host.lists[edit::AuthorList] = QStringList {"Last1, First1"};  // already in the list: not twice
    host.settings.importSkipFirst = false;  // the headings say it
    WindowRun run(host);
    run.look = [](TMyImport& w) {
        EXPECT_EQ(w.SeparatorBox->currentText(), QStringLiteral("Comma"));
        EXPECT_EQ(w.ImportGrid->item(1, 1)->text(), QStringLiteral("Author l-f"));
        EXPECT_EQ(w.ImportGrid->item(9, 1)->text(), QStringLiteral("ISBN13"));
        EXPECT_EQ(w.ImportGrid->item(9, 2)->text(), QStringLiteral("Yes"));
        EXPECT_EQ(w.ImportGrid->item(4, 1)->text(), QStringLiteral("<EMPTY>"));  // Category: nothing
        EXPECT_EQ(w.findChild<QWidget*>(QStringLiteral("PreviewButton")), nullptr);
    };
    run.answer = [](TImportPreview& p) {
        EXPECT_EQ(p.windowTitle(), QStringLiteral("Import Preview"));
        EXPECT_EQ(p.SummaryLabel->text(),
                  QStringLiteral("The file holds 5000 books.  Every value will be stored as it is."));
        EXPECT_EQ(p.BooksGrid->rowCount(), 20);
        EXPECT_EQ(p.BooksGrid->item(0, 0)->text(), QStringLiteral("2"));  // the source line
        EXPECT_EQ(p.BooksGrid->horizontalHeaderItem(2)->text(), QStringLiteral("Title"));
        EXPECT_EQ(p.BooksGrid->item(6, 2)->text(), QStringLiteral("Title 7: \"quoted\", with a comma"));
        EXPECT_EQ(p.ProblemGrid->model()->rowCount(), 0);
        EXPECT_FALSE(p.SkipDuplicates->isEnabled());
        return int(QDialog::Accepted);
    };
    run(file);
    EXPECT_TRUE(run.skipFirst);
    ASSERT_EQ(run.messages.shown.size(), 1);
    EXPECT_EQ(run.messages.shown[0].text, QStringLiteral("Import Complete."));
    ASSERT_EQ(host.table.recordCount(), std::size_t(kBooks));
    int mismatches = 0;
    auto expect = [&](int n, const char* name, const QString& got, const QString& want) {
        if (got != want && ++mismatches < 10) ADD_FAILURE() << "book " << n << " " << name << ": " << got.toStdString()
                                                           << " instead of " << want.toStdString();
    };
    for (int n = 1; n <= kBooks; ++n) {
        const auto row = std::size_t(n - 1);
        expect(n, "Title", field(host, row, "TITLE"),
               n % 7 == 0 ? QStringLiteral("Title %1: \"quoted\", with a comma").arg(n) : QStringLiteral("Title %1").arg(n));
        expect(n, "Author", field(host, row, "AUTHOR"), QStringLiteral("Last%1, First%1").arg(n));
        expect(n, "ISBN", field(host, row, "ISBN"), isbn13(n));
        expect(n, "Rating", field(host, row, "RATING"), n % 6 ? QString::number(n % 6) : QString());
        expect(n, "Publisher", field(host, row, "PUBLISHER"), QStringLiteral("Publisher %1").arg(n % 37));
        expect(n, "BookType", field(host, row, "BOOKTYPE"), bindings[n % 4]);
        expect(n, "Pages", field(host, row, "PAGES"), QString::number(100 + n % 900));
        expect(n, "YearPub", field(host, row, "YEARPUB"), QString::number(1900 + n % 120));
        expect(n, "KeyWords", field(host, row, "KEYWORDS"), QStringLiteral("to-read, shelf-%1").arg(n % 5));
        expect(n, "Description", field(host, row, "DESCRIPTIO"),
               n % 11 == 0 ? QStringLiteral("note %1 second line").arg(n) : QString());
        expect(n, "Category", field(host, row, "CATEGORY"), QString());
    }
    EXPECT_EQ(mismatches, 0);
    // the values of list fields joined the lists, each once, and the lists were saved
    EXPECT_EQ(host.lists[edit::AuthorList].size(), kBooks);
    EXPECT_EQ(host.lists[edit::PublisherList].size(), 37);
    EXPECT_EQ(host.lists[edit::BookTypeList].size(), 4);
    EXPECT_EQ(host.lists[edit::RatingList], (QStringList {"1", "2", "3", "4", "5"}));
    EXPECT_EQ(host.listSaves, 1);
}

TEST(CsvImport, TheOtherKnownLayoutsArePairedByTheirHeadings)
{
    Formats formats;
    {
        // Book Catalogue: a lent book is checked out
        TargetHost host;
        QString text = csvLine({"_id", "author_details", "title", "isbn", "publisher", "date_published", "rating",
                                "bookshelf_id", "bookshelf", "read", "series_details", "pages", "notes", "list_price",
                                "anthology", "location", "read_start", "read_end", "format", "signed", "loaned_to",
                                "anthology_titles", "description", "genre"});
        text += csvLine({"1", "Doe, Jane|Roe, Rick", "First book", "0306406152", "Harbor Press", "2001-05-01", "4", "1",
                         "Default", "1", "", "312", "my note", "12.50", "0", "Shelf A", "", "", "Hardcover", "0",
                         "Sam Lender", "", "A blurb", "Mystery"});
        text += csvLine({"2", "Poe, Al", "Second book", "", "", "", "0", "1", "Default", "0", "", "", "", "", "0", "",
                         "", "", "", "0", "", "", "Only a blurb", ""});
        WindowRun run(host);
        run(host.write("export.csv", text.toUtf8()));
        ASSERT_EQ(host.table.recordCount(), 2u);
        EXPECT_EQ(field(host, 0, "AUTHOR"), QStringLiteral("Doe, Jane|Roe, Rick"));
        EXPECT_EQ(field(host, 0, "TITLE"), QStringLiteral("First book"));
        EXPECT_EQ(field(host, 0, "ISBN"), QStringLiteral("0306406152"));
        EXPECT_EQ(field(host, 0, "PUBLISHER"), QStringLiteral("Harbor Press"));
        EXPECT_EQ(field(host, 0, "YEARPUB"), QStringLiteral("2001"));
        EXPECT_EQ(field(host, 0, "RATING"), QStringLiteral("4"));
        EXPECT_EQ(field(host, 0, "KEYWORDS"), QStringLiteral("Default"));
        EXPECT_EQ(field(host, 0, "PAGES"), QStringLiteral("312"));
        EXPECT_EQ(field(host, 0, "DESCRIPTIO"), QStringLiteral("my note"));  // notes before description
        EXPECT_EQ(host.number(0, "COST"), 12.5);
        EXPECT_EQ(field(host, 0, "LOCATION"), QStringLiteral("Shelf A"));
        EXPECT_EQ(field(host, 0, "BOOKTYPE"), QStringLiteral("Hardcover"));
        EXPECT_EQ(field(host, 0, "CHECKNAME"), QStringLiteral("Sam Lender"));
        EXPECT_EQ(field(host, 0, "CHECKOUT"), QStringLiteral("Yes"));
        EXPECT_EQ(field(host, 0, "CATEGORY"), QStringLiteral("Mystery"));
        EXPECT_EQ(field(host, 1, "CHECKOUT"), QString());  // lent to nobody
        EXPECT_EQ(field(host, 1, "RATING"), QString());
        EXPECT_EQ(field(host, 1, "DESCRIPTIO"), QString());
        EXPECT_EQ(field(host, 1, "COST"), QString());  // an empty cell is no value, not 0
        EXPECT_EQ(field(host, 1, "PAGES"), QString());
    }
    {
        // LibraryThing: tab-separated UTF-16 with its byte-order mark, ISBNs in brackets
        TargetHost host;
        QString text = csvLine({"Book Id", "Title", "Sort Character", "Primary Author", "Primary Author Role",
                                "Secondary Author", "Secondary Author Roles", "Publication", "Date", "Review", "Rating",
                                "Comment", "Private Comment", "Summary", "Media", "Physical Description", "Page Count",
                                "LCCN", "Acquired", "Date Started", "Date Read", "Barcode", "BCID", "Tags", "Collections",
                                "Languages", "ISBN", "ISBNs", "Dewey Decimal", "From Where", "Lending Patron",
                                "Lending Status", "Lending Start"},
                               u'\t');
        text += csvLine({"77", "Über das Lesen", "1", "Ärger, Jörg", "", "", "", "Verlag (1999)", "1999", "", "3", "",
                         "kept in the attic", "", "Paperback", "", "248", "", "2024-03-15", "", "", "", "", "essays, german",
                         "Your library", "German", "[3598530127]", "3598530127", "834.914", "Bookshop Meier", "Ann Reader",
                         "", "2024-04-01"},
                        u'\t');
        QByteArray bytes("\xFF\xFE", 2);
        for (const QChar c : text) bytes.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
        WindowRun run(host);
        run.look = [](TMyImport& w) { EXPECT_EQ(w.SeparatorBox->currentText(), QStringLiteral("Tab")); };
        run(host.write("librarything.tsv", bytes));
        ASSERT_EQ(host.table.recordCount(), 1u);
        EXPECT_EQ(field(host, 0, "TITLE"), QStringLiteral("Über das Lesen"));
        EXPECT_EQ(field(host, 0, "AUTHOR"), QStringLiteral("Ärger, Jörg"));
        EXPECT_EQ(field(host, 0, "YEARPUB"), QStringLiteral("1999"));
        EXPECT_EQ(field(host, 0, "RATING"), QStringLiteral("3"));
        EXPECT_EQ(field(host, 0, "DESCRIPTIO"), QStringLiteral("kept in the attic"));
        EXPECT_EQ(field(host, 0, "BOOKTYPE"), QStringLiteral("Paperback"));
        EXPECT_EQ(field(host, 0, "PAGES"), QStringLiteral("248"));
        EXPECT_EQ(field(host, 0, "PURCHDATE"), QStringLiteral("20240315"));
        EXPECT_EQ(field(host, 0, "KEYWORDS"), QStringLiteral("essays, german"));
        EXPECT_EQ(field(host, 0, "ISBN"), QStringLiteral("3598530127"));
        EXPECT_EQ(field(host, 0, "DEWEY"), QStringLiteral("834.914"));
        EXPECT_EQ(field(host, 0, "WHEREPURCH"), QStringLiteral("Bookshop Meier"));
        EXPECT_EQ(field(host, 0, "CHECKNAME"), QStringLiteral("Ann Reader"));
        EXPECT_EQ(field(host, 0, "CHECKOUT"), QStringLiteral("Yes"));
        EXPECT_EQ(field(host, 0, "CHECKDATE"), QStringLiteral("20240401"));
    }
    {
        // calibre's catalogue: the author as sorted, the year of a whole publication date
        TargetHost host;
        QString text = csvLine({"author_sort", "authors", "comments", "id", "isbn", "pubdate", "publisher", "rating",
                                "series", "tags", "title", "uuid"});
        text += csvLine({"Wells, H. G.", "H. G. Wells", "<p>Martians</p>", "3", "9780141441030",
                         "1898-01-01T00:00:00+00:00", "Heinemann", "4", "", "Science Fiction, Classics",
                         "The War of the Worlds", "5f8e"});
        WindowRun run(host);
        run(host.write("calibre.csv", QByteArray("\xEF\xBB\xBF") + text.toUtf8()));
        ASSERT_EQ(host.table.recordCount(), 1u);
        EXPECT_EQ(field(host, 0, "AUTHOR"), QStringLiteral("Wells, H. G."));
        EXPECT_EQ(field(host, 0, "TITLE"), QStringLiteral("The War of the Worlds"));
        EXPECT_EQ(field(host, 0, "YEARPUB"), QStringLiteral("1898"));
        EXPECT_EQ(field(host, 0, "PUBLISHER"), QStringLiteral("Heinemann"));
        EXPECT_EQ(field(host, 0, "ISBN"), QStringLiteral("9780141441030"));
        EXPECT_EQ(field(host, 0, "KEYWORDS"), QStringLiteral("Science Fiction, Classics"));
        EXPECT_EQ(field(host, 0, "DESCRIPTIO"), QStringLiteral("<p>Martians</p>"));
        EXPECT_EQ(field(host, 0, "RATING"), QStringLiteral("4"));
    }
    {
        // StoryGraph
        TargetHost host;
        QString text = csvLine({"Title", "Authors", "Contributors", "ISBN/UID", "Format", "Read Status", "Date Added",
                                "Last Date Read", "Dates Read", "Read Count", "Moods", "Pace", "Star Rating", "Review",
                                "Content Warnings", "Content Warning Description", "Tags", "Owned?"});
        text += csvLine({"A Quiet Book", "Kim Lee", "", "9781234567897", "paperback", "read", "2024/01/05", "2024/02/01",
                         "", "1", "calm", "slow", "4.5", "Lovely.", "", "", "comfort, tea", "Yes"});
        WindowRun run(host);
        run(host.write("storygraph.csv", text.toUtf8()));
        ASSERT_EQ(host.table.recordCount(), 1u);
        EXPECT_EQ(field(host, 0, "TITLE"), QStringLiteral("A Quiet Book"));
        EXPECT_EQ(field(host, 0, "AUTHOR"), QStringLiteral("Kim Lee"));
        EXPECT_EQ(field(host, 0, "ISBN"), QStringLiteral("9781234567897"));
        EXPECT_EQ(field(host, 0, "BOOKTYPE"), QStringLiteral("paperback"));
        EXPECT_EQ(field(host, 0, "RATING"), QStringLiteral("4.5"));
        EXPECT_EQ(field(host, 0, "DESCRIPTIO"), QStringLiteral("Lovely."));
        EXPECT_EQ(field(host, 0, "KEYWORDS"), QStringLiteral("comfort, tea"));
    }
}

TEST(CsvImport, ASemicolonFileWithCommaDecimalsUnderGermanSeparators)
{
    Formats formats;
    ASSERT_TRUE(std::setlocale(LC_ALL, "de_DE.UTF-8")) << "the de_DE.UTF-8 locale is missing";
    regional::current().system = regional::systemRegionalValues();
    regional::current().setDateFormat(12, true);  // dd.mm.yyyy
    regional::current().currencyFormat = 2;        // money as the operating system writes it
    TargetHost host;
    QString text = csvLine({"Titel", "Title", "Price", "Value", "Pages", "Purchase Date"}, u';');
    text += csvLine({"x", "Faust", "12,50 €", "1.234,50", "1.024", "15.03.2024"}, u';');
    text += csvLine({"x", "Werther", "9.99", "1.234", "88", "2024-03-16"}, u';');
    WindowRun run(host);
    run.answer = [](TImportPreview& p) {
        EXPECT_EQ(p.BooksGrid->item(0, 3)->text(), QStringLiteral("12,50"));  // the Cost as the user reads money
        EXPECT_EQ(p.ProblemGrid->model()->rowCount(), 1);
        return int(QDialog::Accepted);
    };
    run(host.write("liste.csv", text.toUtf8()));
    std::setlocale(LC_ALL, "C");
    regional::current().system = regional::systemRegionalValues();
    ASSERT_EQ(host.table.recordCount(), 2u);
    EXPECT_EQ(host.number(0, "COST"), 12.5);
    EXPECT_EQ(host.number(0, "VALUE"), 1234.5);
    EXPECT_EQ(host.number(0, "PAGES"), 1024);
    EXPECT_EQ(field(host, 0, "PURCHDATE"), QStringLiteral("20240315"));
    EXPECT_EQ(host.number(1, "COST"), 9.99);
    EXPECT_EQ(field(host, 1, "VALUE"), QString());  // 1234 or 1.234: left empty, counted
    EXPECT_EQ(field(host, 1, "PURCHDATE"), QStringLiteral("20240316"));
    EXPECT_EQ(run.messages.shown[0].text,
              QStringLiteral("Import Complete.  1 values could not be read and were left empty."));
}

TEST(CsvImport, ThePreviewListsEveryProblemAndCancelPostsNothing)
{
    Formats formats;
    TargetHost host;
    QString text = csvLine({"Title", "Pages", "Cost"});
    text += csvLine({QString(100, u'T'), "120", "1"});                    // line 2: cut
    text += csvLine({QStringLiteral("Mtskheta ქართული"), "many", "2"});  // line 3: "?" and left empty
    text += csvLine({"Fine", "10", "3", "surplus"});                       // line 4: a value beyond the columns
    const QString file = host.write("problems.csv", text.toUtf8());
    WindowRun run(host);
    QStringList rows;
    run.answer = [&](TImportPreview& p) {
        EXPECT_EQ(p.SummaryLabel->text(),
                  QStringLiteral("The file holds 3 books.  4 values will not be stored as they are: see the list below."));
        const QAbstractItemModel* m = p.ProblemGrid->model();
        for (int r = 0; r < m->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < 4; ++c) cells << m->data(m->index(r, c)).toString();
            rows << cells.join(u'|');
        }
        EXPECT_EQ(m->headerData(3, Qt::Horizontal).toString(), QStringLiteral("What happens"));
        return int(QDialog::Rejected);
    };
    run(file, false);
    EXPECT_EQ(rows, (QStringList {QStringLiteral("2|%1|Title|cut to 90 characters").arg(QString(90, u'T')),
                                  "3|Mtskheta ???????|Title|\"?\" for characters the database cannot hold",
                                  "3|Mtskheta ???????|Pages|\"many\" cannot be read: left empty",
                                  "4|Fine||1 values beyond the columns left out"}));
    // Cancel: nothing posted, nothing said, the lists untouched
    EXPECT_EQ(host.table.recordCount(), 0u);
    EXPECT_TRUE(run.messages.shown.isEmpty());
    EXPECT_EQ(host.listSaves, 0);
    EXPECT_EQ(host.added, 0);
}

TEST(CsvImport, BooksAlreadyInTheDatabaseAreMarkedAndSkippedOnRequest)
{
    Formats formats;
    for (bool skip : {true, false}) {
        TargetHost host;
        // the database holds one book
        host.table.append();
        host.table.setText(host.table.fieldIndex("TITLE"), "Emma");
        host.table.setText(host.table.fieldIndex("AUTHOR"), "Austen, Jane");
        host.table.setText(host.table.fieldIndex("ISBN"), "0-14-143958-7");
        host.table.post();
        // and one deleted, which is no longer in it
        host.table.append();
        host.table.setText(host.table.fieldIndex("TITLE"), "Gone");
        host.table.setText(host.table.fieldIndex("ISBN"), "1111111111");
        host.table.post();
        host.table.deleteRecord();
        QString text = csvLine({"Title", "Author", "ISBN"});
        text += csvLine({"Persuasion", "Austen, Jane", "0141439580"});  // new
        text += csvLine({"Other title", "Someone", "0141439587"});      // its ISBN, written otherwise
        text += csvLine({" EMMA ", "austen, jane", ""});                 // its title and author
        text += csvLine({"Persuasion", "Austen, Jane", ""});             // twice in the file
        text += csvLine({"Gone", "", "1111111111"});                     // only a deleted book had it
        text += csvLine({"Gone again", "", "1111111111"});               // twice in the file by its ISBN
        WindowRun run(host);
        run.answer = [&](TImportPreview& p) {
            EXPECT_EQ(p.SummaryLabel->text(), QStringLiteral("The file holds 6 books.  Every value will be stored as it "
                                                             "is.  4 books are already in the database or twice in the "
                                                             "file."));
            EXPECT_EQ(p.BooksGrid->horizontalHeaderItem(1)->text(), QStringLiteral("Already in"));
            QStringList marks;
            for (int r = 0; r < 6; ++r) marks << p.BooksGrid->item(r, 1)->text();
            EXPECT_EQ(marks, (QStringList {"", "database", "database", "file", "", "file"}));
            const QAbstractItemModel* m = p.ProblemGrid->model();
            EXPECT_EQ(m->rowCount(), 4);
            EXPECT_EQ(m->data(m->index(2, 3)).toString(), QStringLiteral("also on an earlier line of the file"));
            EXPECT_EQ(m->data(m->index(0, 3)).toString(), QStringLiteral("already in the database"));
            EXPECT_TRUE(p.SkipDuplicates->isEnabled());
            EXPECT_FALSE(p.SkipDuplicates->isChecked());
            EXPECT_EQ(p.SkipDuplicates->text(), QStringLiteral("Skip books already in the database"));
            p.SkipDuplicates->setChecked(skip);
            return int(QDialog::Accepted);
        };
        run(host.write("again.csv", text.toUtf8()));
        EXPECT_EQ(host.table.recordCount(), skip ? 3u : 7u);
        EXPECT_EQ(field(host, 1, "TITLE"), QStringLiteral("Persuasion"));
        if (skip) {
            EXPECT_EQ(field(host, 2, "TITLE"), QStringLiteral("Gone"));
        }
        EXPECT_EQ(run.messages.shown[0].text,
                  skip ? QStringLiteral("Import Complete.  4 books already in the database or earlier in the file were "
                                        "left out.")
                       : QStringLiteral("Import Complete."));
    }
}

TEST(CsvImport, APairingMadeByHandIsRememberedForTheSameHeadingLine)
{
    Formats formats;
    TargetHost host;
    QString text = csvLine({"Name", "Writer", "Shelf mark"});
    text += csvLine({"Kim", "Kipling, Rudyard", "K-12"});
    const QString file = host.write("mine.csv", text.toUtf8());
    WindowRun first(host);
    first.look = [](TMyImport& w) {
        EXPECT_EQ(w.pairing(), (transfer::Pairing {0, 0, 0}));
        EXPECT_EQ(w.ImportGrid->item(0, 1)->text(), QStringLiteral("<EMPTY>"));
        w.SkipFirst->setChecked(true);
        w.chooseSource(0, 0);   // Title: Name
        w.chooseSource(13, 0);  // Cat Num: Name, which leaves Title
        EXPECT_EQ(w.ImportGrid->item(0, 1)->text(), QStringLiteral("<EMPTY>"));
        EXPECT_EQ(w.ImportGrid->item(0, 2)->text(), QString());
        w.chooseSource(0, 0);   // and comes back
        w.chooseSource(1, 1);   // Author: Writer
        w.chooseSource(13, 2);  // Cat Num: Shelf mark
        EXPECT_EQ(w.ImportGrid->item(13, 2)->text(), QStringLiteral("Yes"));
        EXPECT_EQ(w.pairing(), (transfer::Pairing {1, 2, 14}));
    };
    first(file);
    ASSERT_EQ(host.table.recordCount(), 1u);
    EXPECT_EQ(field(host, 0, "CATALOGNUM"), QStringLiteral("K-12"));

    WindowRun second(host);
    second.look = [](TMyImport& w) {
        EXPECT_EQ(w.pairing(), (transfer::Pairing {1, 2, 14}));
        EXPECT_TRUE(w.SkipFirst->isChecked());
        EXPECT_EQ(w.ImportGrid->item(13, 1)->text(), QStringLiteral("Shelf mark"));
    };
    second(host.write("mine2.csv", text.toUtf8()));
    EXPECT_EQ(host.table.recordCount(), 2u);
    // the pairing goes with the database's settings
    const QString ini = QString::fromStdString((host.dir / "BOOKS.INI").string());
    host.settings.exportFileType = 3;
    store::writeDatabaseSettings(host.settings, ini);
    const store::DatabaseSettings back = store::readDatabaseSettings(ini);
    EXPECT_EQ(back.importPairings, host.settings.importPairings);
    // and so does the choice of comma-separated values, for import and export
    EXPECT_EQ(back.importFileType, 3);
    EXPECT_EQ(back.exportFileType, 3);
}

TEST(CsvImport, TheSeparatorCanBeChangedAndTheHeadingsArePairedAnew)
{
    TargetHost host;
    const QString text = QStringLiteral("Title;Author\r\nDune;Herbert, Frank\r\n");
    transfer::ImportSource source {transfer::SourceKind::Csv, QString(), text, u';'};
    TMyImport w(host, source);
    EXPECT_EQ(w.pairing(), (transfer::Pairing {1, 2}));
    w.setSeparator(u',');
    EXPECT_EQ(w.pairing(), (transfer::Pairing {0}));  // one column "Title;Author", known to nobody
    EXPECT_EQ(w.ImportGrid->item(0, 1)->text(), QStringLiteral("<EMPTY>"));
    w.SeparatorBox->setCurrentIndex(1);
    emit w.SeparatorBox->activated(1);
    EXPECT_EQ(w.pairing(), (transfer::Pairing {1, 2}));
}

TEST(CsvImport, TheOlderKindsHaveAPreviewTooAndAFailedWriteIsSaid)
{
    Formats formats;
    TargetHost host;
    const QString text = QStringLiteral("\"Title\",\"Cost\"\r\n\"Emma\",\"abc\"\r\n\"Kim\",\"2.5\"\r\n");
    TMyImport w(host, true, QString(), text, {QStringLiteral("Title"), QStringLiteral("Cost")});
    w.ImportGrid->setCurrentCell(1, 1);
    for (int k = 0; k < 5; ++k) w.DownButtonClick();  // Cost beside Cost
    w.SkipFirst->setChecked(true);
    int previews = 0;
    w.execPreview = [&](TImportPreview& p) {
        ++previews;
        EXPECT_EQ(p.BooksGrid->rowCount(), 2);
        EXPECT_EQ(p.ProblemGrid->model()->rowCount(), 1);
        return previews == 1 ? int(QDialog::Rejected) : int(QDialog::Accepted);
    };
    testing_support::ScriptedMessages messages;
    w.PreviewButtonClick();  // Cancel: nothing
    EXPECT_EQ(host.table.recordCount(), 0u);
    messages.expect();
    w.PreviewButtonClick();
    EXPECT_EQ(host.table.recordCount(), 2u);
    EXPECT_EQ(host.number(1, "COST"), 2.5);
    EXPECT_EQ(host.listSaves, 0);  // the older kinds leave the lists as they are

    // a table that cannot be written: the failure is said, nothing is posted
    TargetHost readOnly;
    readOnly.table.close();
    readOnly.table.open(readOnly.dir.path(), "BOOKS.DBF", {false, true, {}});
    transfer::ImportSource source {transfer::SourceKind::Csv, QString(), QStringLiteral("Title\nDune\n"), u','};
    TMyImport csv(readOnly, source);
    csv.execPreview = [](TImportPreview&) { return int(QDialog::Accepted); };
    messages.expect();
    csv.StartButtonClick();
    EXPECT_EQ(messages.shown.back().caption, QStringLiteral("Error"));
    EXPECT_EQ(readOnly.table.recordCount(), 0u);
    EXPECT_EQ(readOnly.listSaves, 0);
}

TEST(CsvImport, FilesThatAreNoCommaSeparatedValuesAreRefused)
{
    TargetHost host;
    testing_support::ScriptedDialogs dialogs;
    testing_support::ScriptedMessages messages;
    TImportFormat format(host);
    format.CommaSeparated->setChecked(true);
    format.execModal = [](QDialog&) {
        ADD_FAILURE() << "no import window for this file";
        return 0;
    };
    dialogs.fileNames = {host.write("blank.csv", "\r\n \r\n"), host.write("picture.csv", QByteArray("PK\0\0\x03\x04", 6))};
    messages.expect();
    messages.expect();
    format.FileButtonClick();
    format.FileButtonClick();
    ASSERT_EQ(messages.shown.size(), 2);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("The selected file holds no books."));
    EXPECT_EQ(messages.shown[1].text, QStringLiteral("The selected file is not a text file."));
    EXPECT_EQ(dialogs.captions.back(), QStringLiteral("Import Data"));
}
