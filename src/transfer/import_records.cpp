// SPDX-License-Identifier: GPL-2.0-or-later
#include "transfer/import_records.h"

#include <QCoreApplication>

#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <array>
#include <charconv>
#include <chrono>
#include <cmath>

#include "dbase/error.h"
#include "dbase/values.h"
#include "store/codepage.h"
#include "store/field_table.h"
#include "transfer/ascii_reader.h"
#include "transfer/book_reader.h"
#include "transfer/duplicate_books.h"

namespace transfer {

QString importSummary(const ImportCounts& c)
{
    QString text = c.stoppedAt
                       ? QCoreApplication::translate("ImportMessages",
                                                     "The import stopped at line %1: a value there opens with a "
                                                     "double quote that is never closed.  The %2 books before "
                                                     "it were imported.")
                             .arg(c.stoppedAt)
                             .arg(c.records)
                       : QCoreApplication::translate("ImportMessages", "Import Complete.");
    if (c.unreadable)
        text += QCoreApplication::translate("ImportMessages", "  %1 values could not be read and were left empty.")
                    .arg(c.unreadable);
    if (c.cut)
        text +=
            QCoreApplication::translate("ImportMessages", "  %1 values were too long for their fields and were cut.")
                .arg(c.cut);
    if (c.surplus)
        text += QCoreApplication::translate("ImportMessages",
                                            "  %1 values beyond the fields of the first line were left out.")
                    .arg(c.surplus);
    if (c.replaced)
        text += QCoreApplication::translate("ImportMessages",
                                            "  %1 characters that Windows-1252 cannot hold were written as \"?\".")
                    .arg(c.replaced);
    if (c.skipped)
        text += QCoreApplication::translate("ImportMessages",
                                            "  %1 books already in the database or earlier in the file were left out.")
                    .arg(c.skipped);
    return text;
}

QString importDetails(const ImportCounts& c, bool text, const std::array<QString, store::kFieldCount>& names)
{
    return store::describeNotes(c.notes,
                                text ? QCoreApplication::translate("ImportMessages", "Line")
                                     : QCoreApplication::translate("ImportMessages", "Record"),
                                &names);
}

QStringList dbaseFieldNames(const QString& path)
{
    const QFileInfo info(path);
    try {
        dbase::Table t;
        t.open(QFile::encodeName(info.absolutePath()).toStdString(), QFile::encodeName(info.fileName()).toStdString(),
               {false, true, {}, true});
        QStringList names;
        for (int i = 0; i < t.fieldCount() && i < kMaxSourceFields; ++i)
            names << QString::fromStdString(t.fieldName(i));
        return names;
    } catch (const dbase::DatabaseError& e) {
        throw ImportError(e.what());
    }
}

namespace {

// Posts books in short runs, each under one hold of the table's locks: every book is still
// posted on its own, whole on disk before the next begins, but the locks are taken once a run.
class PostRuns {
public:
    PostRuns(dbase::Table& target, ImportCounts& counts, const ImportProgress& progress)
        : target_(target), counts_(counts), progress_(progress)
    {
    }
    ~PostRuns() { target_.endPosts(); }
    PostRuns(const PostRuns&) = delete;
    PostRuns& operator=(const PostRuns&) = delete;

    // Appends one book, filled by fill, and posts it; a failure cancels it. Returns whether the
    // import goes on.
    template <typename Fill>
    bool append(const Fill& fill)
    {
        try {
            if (inRun_ == 0) {
                target_.beginPosts();
                started_ = Clock::now();
            }
            target_.append();
            try {
                fill();
                target_.post();
            } catch (...) {
                target_.cancel();
                throw;
            }
        } catch (...) {
            target_.endPosts();
            if (progress_ && inRun_ > 0) progress_(counts_.records);  // the books posted before it
            inRun_ = 0;
            throw;
        }
        ++counts_.records;
        counts_.appended.push_back(target_.recordNumber());
        ++inRun_;
        if (inRun_ < kRunBooks && (inRun_ % 16 != 0 || Clock::now() - started_ < kRunTime)) return true;
        return endRun();
    }

    // Ends the run under way, if any; returns whether the import goes on.
    bool endRun()
    {
        target_.endPosts();
        if (inRun_ == 0) return true;
        inRun_ = 0;
        return !progress_ || progress_(counts_.records);
    }

private:
    using Clock = std::chrono::steady_clock;
    static constexpr int kRunBooks = 256;
    static constexpr auto kRunTime = std::chrono::milliseconds(20);
    dbase::Table& target_;
    ImportCounts& counts_;
    const ImportProgress& progress_;
    int inRun_ = 0;
    Clock::time_point started_;
};

}  // namespace

int unstorableValues(const QString& text, const Pairing& pairing, bool skipFirst)
{
    if (store::toCp1252(text)) return 0;  // the whole file fits
    AsciiReader reader(text);
    const int n = int(pairing.size());
    if (skipFirst && !reader.atEnd()) reader.readLine(n, nullptr);
    int found = 0;
    while (!reader.atEnd()) {
        const LineRead line = reader.readLine(n, nullptr);
        if (line.unclosed) break;  // the import stops there too
        if (line.blank) continue;
        for (int k = 0; k < line.values.size() && k < n; ++k) {
            const int number = pairing[std::size_t(k)];
            if (number > 0 && store::fieldDef(number).kind == store::FieldKind::Text &&
                !store::toCp1252(line.values[k]))
                ++found;
        }
    }
    return found;
}

ImportCounts importBooks(const ImportSource& source, const Pairing& pairing, bool skipFirst, dbase::Table& target,
                         const regional::Regional& regional, const ImportProgress& progress, const ImportChoices& choices)
{
    ImportCounts counts;
    BookReader reader(source, pairing, skipFirst, target, regional);
    std::optional<DuplicateBooks> duplicates;
    if (choices.skipDuplicates) duplicates.emplace(target);
    const FieldPlaces places = fieldPlaces(target);
    // the list values seen, to keep each once
    std::array<QSet<QString>, edit::kLists> seen;
    PostRuns runs(target, counts, progress);
    StoredBook book;
    while (reader.next(book, counts)) {
        if (duplicates && duplicates->check(book) != DuplicateBooks::New) {
            ++counts.skipped;
            continue;
        }
        if (!runs.append([&] { putBook(target, places, book); })) return counts;
        if (choices.collectLists)
            for (int list = 0; list < edit::kLists; ++list) {
                const QString value = book.text(edit::listInfo(list).field).trimmed();
                auto& set = seen[std::size_t(list)];
                if (!value.isEmpty() && !set.contains(value)) {
                    set.insert(value);
                    counts.listValues[std::size_t(list)] << value;
                }
            }
    }
    runs.endRun();
    return counts;
}

ImportCounts importText(const QString& text, const Pairing& pairing, bool skipFirst, dbase::Table& target,
                        const regional::Regional& regional, const ImportProgress& progress)
{
    return importBooks({SourceKind::Ascii, {}, text}, pairing, skipFirst, target, regional, progress);
}

ImportCounts importDbase(const QString& path, const Pairing& pairing, dbase::Table& target,
                         const regional::Regional& regional, const ImportProgress& progress)
{
    return importBooks({SourceKind::Dbase, path, {}}, pairing, false, target, regional, progress);
}

}  // namespace transfer
