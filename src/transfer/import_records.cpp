// SPDX-License-Identifier: GPL-2.0-or-later
#include "transfer/import_records.h"

#include <QFile>
#include <QDate>
#include <QFileInfo>
#include <array>
#include <charconv>
#include <chrono>
#include <cmath>

#include "dbase/error.h"
#include "dbase/values.h"
#include "store/codepage.h"
#include "store/field_table.h"
#include "transfer/ascii_reader.h"

namespace transfer {

QString importSummary(const ImportCounts& c)
{
    QString text = c.stoppedAt ? QStringLiteral("The import stopped at line %1: a value there opens with a double "
                                                "quote that is never closed.  The %2 books before it were imported.")
                                     .arg(c.stoppedAt)
                                     .arg(c.records)
                               : QStringLiteral("Import Complete.");
    if (c.unreadable)
        text += QStringLiteral("  %1 values could not be read and were left empty.").arg(c.unreadable);
    if (c.cut) text += QStringLiteral("  %1 values were too long for their fields and were cut.").arg(c.cut);
    if (c.surplus)
        text += QStringLiteral("  %1 values beyond the fields of the first line were left out.").arg(c.surplus);
    if (c.replaced)
        text += QStringLiteral("  %1 characters that Windows-1252 cannot hold were written as \"?\".").arg(c.replaced);
    return text;
}

QString importDetails(const ImportCounts& c, bool text, const std::array<QString, store::kFieldCount>& names)
{
    return store::describeNotes(c.notes, text ? QStringLiteral("Line") : QStringLiteral("Record"), &names);
}

QStringList dbaseFieldNames(const QString& path)
{
    const QFileInfo info(path);
    try {
        dbase::Table t;
        t.open(QFile::encodeName(info.absolutePath()).toStdString(), QFile::encodeName(info.fileName()).toStdString(),
               {false, true, {}, true});
        QStringList names;
        for (int i = 0; i < t.fieldCount() && i < kMaxSourceFields; ++i) names << QString::fromStdString(t.fieldName(i));
        return names;
    } catch (const dbase::DatabaseError& e) {
        throw ImportError(e.what());
    }
}

namespace {

// Text in Windows-1252, each character it cannot hold as "?".
std::string encode(const QString& text, ImportCounts& counts)
{
    if (auto bytes = store::toCp1252(text)) return *bytes;
    std::string out;
    for (const QChar c : text) {
        if (c.isLowSurrogate()) continue;  // counted with its high half
        auto one = store::toCp1252(QString(c));
        if (one && !c.isHighSurrogate()) {
            out += *one;
        } else {
            out += '?';
            ++counts.replaced;
        }
    }
    return out;
}

// Whether a number fits a numeric field of this width and decimals.
bool fits(double v, const dbase::FieldInfo& f)
{
    char buffer[64];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed, f.decimals);
    return r.ec == std::errc() && (r.ptr - buffer) <= f.width;
}

std::optional<double> readNumber(const QString& text, bool whole)
{
    const std::string s = text.trimmed().toStdString();
    const char* b = s.data();
    const char* e = s.data() + s.size();
    if (b != e && *b == '+') ++b;
    double v = 0;
    if (whole) {
        long long i = 0;
        const auto r = std::from_chars(b, e, i);
        if (r.ec != std::errc() || r.ptr != e) return std::nullopt;
        v = double(i);
    } else {
        const auto r = std::from_chars(b, e, v);
        if (r.ec != std::errc() || r.ptr != e || !std::isfinite(v)) return std::nullopt;
    }
    return v;
}

}  // namespace

namespace {

// Where each book field (1..36) lies in the table, found once for a whole import.
std::array<int, store::kFieldCount + 1> fieldPlaces(const dbase::Table& target)
{
    std::array<int, store::kFieldCount + 1> places {};
    places[0] = -1;
    for (int n = 1; n <= store::kFieldCount; ++n) places[std::size_t(n)] = target.fieldIndex(store::fieldDef(n).name);
    return places;
}

void note(ImportCounts& counts, int line, int field, store::ValueNote::Kind kind, const QString& value)
{
    counts.notes.push_back({line, field, kind, value, {}});
}

// A date written year-month-day ("2024-03-15") means the same in every date format.
std::optional<dbase::Date> isoDate(const QString& v)
{
    if (v.size() != 10 || v[4] != u'-' || v[7] != u'-') return std::nullopt;
    for (int k : {0, 1, 2, 3, 5, 6, 8, 9})
        if (v[k] < u'0' || v[k] > u'9') return std::nullopt;
    const dbase::Date d {v.left(4).toInt(), v.mid(5, 2).toInt(), v.mid(8, 2).toInt()};
    return QDate::isValid(d.year, d.month, d.day) ? std::optional(d) : std::nullopt;
}

bool hasLetters(const QString& value)
{
    for (const QChar c : value)
        if ((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z')) return true;
    return false;
}

void store(dbase::Table& target, int i, int fieldNumber, const QString& value, const app::Regional& regional,
           ImportCounts& counts, int line)
{
    const store::FieldDef& def = store::fieldDef(fieldNumber);
    if (i < 0) return;
    const dbase::FieldInfo& f = target.field(i);
    auto leftEmpty = [&] {
        ++counts.unreadable;
        note(counts, line, fieldNumber, store::ValueNote::LeftEmpty, value.trimmed());
    };
    switch (def.kind) {
    case store::FieldKind::Text: {
        const int replaced = counts.replaced;
        std::string bytes = encode(value, counts);
        if (counts.replaced != replaced) note(counts, line, fieldNumber, store::ValueNote::Replaced, value);
        if (bytes.size() > std::size_t(f.width)) {
            // blanks beyond the width are no loss
            if (!dbase::trimRight(std::string_view(bytes).substr(std::size_t(f.width))).empty()) {
                ++counts.cut;
                note(counts, line, fieldNumber, store::ValueNote::Cut, value);
            }
            bytes.resize(std::size_t(f.width));
        }
        target.setText(i, bytes);
        return;
    }
    case store::FieldKind::WholeNumber:
    case store::FieldKind::Money: {
        if (value.trimmed().isEmpty()) {
            target.setDouble(i, 0);
            return;
        }
        QString number = value;
        // a file exported with the system's decimal mark comes back as it went out
        if (regional.numericFormat == 2 && regional.system.decimal != u'.' && !number.contains(u'.'))
            number.replace(regional.system.decimal, u'.');
        const auto v = readNumber(number, def.kind == store::FieldKind::WholeNumber);
        if (v && fits(*v, f)) target.setDouble(i, *v);
        else leftEmpty();  // not a number, or too large for the field
        return;
    }
    case store::FieldKind::Date: {
        const QString v = value.trimmed();
        if (v.isEmpty()) return;
        if (const auto d = isoDate(v)) {
            target.setDate(i, *d);
            return;
        }
        // otherwise only a value with the date separator and no letters is taken for a date
        if (!v.contains(regional.dateSeparator()) || hasLetters(v)) return leftEmpty();
        if (const auto d = regional.parseDate(v)) target.setDate(i, *d);
        else leftEmpty();
        return;
    }
    }
}

// The title the book being appended got, for the notes about its values.
void nameBook(ImportCounts& counts, qsizetype first, const dbase::Table& target, int titlePlace)
{
    if (counts.notes.size() <= first) return;
    store::nameBook(counts.notes, first,
                    titlePlace < 0 ? QString() : store::fromCp1252(target.getText(titlePlace)).trimmed());
}

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

void storeValue(dbase::Table& target, int fieldNumber, const QString& value, const app::Regional& regional,
                ImportCounts& counts, int line)
{
    store(target, target.fieldIndex(store::fieldDef(fieldNumber).name), fieldNumber, value, regional, counts, line);
}

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
            if (number > 0 && store::fieldDef(number).kind == store::FieldKind::Text && !store::toCp1252(line.values[k]))
                ++found;
        }
    }
    return found;
}

ImportCounts importText(const QString& text, const Pairing& pairing, bool skipFirst, dbase::Table& target,
                        const app::Regional& regional, const ImportProgress& progress)
{
    ImportCounts counts;
    AsciiReader reader(text);
    const auto places = fieldPlaces(target);
    const int n = int(pairing.size());
    if (skipFirst && !reader.atEnd()) {
        const LineRead first = reader.readLine(n, nullptr);
        if (first.unclosed) counts.stoppedAt = first.unclosedLine;
    }
    PostRuns runs(target, counts, progress);
    while (!reader.atEnd()) {
        int surplus = 0;
        const LineRead line = reader.readLine(n, &surplus);
        if (line.unclosed) {
            counts.stoppedAt = line.unclosedLine;
            break;
        }
        if (line.blank) continue;
        counts.surplus += surplus;
        const bool goOn = runs.append([&] {
            const qsizetype first = counts.notes.size();
            for (int k = 0; k < line.values.size() && k < n; ++k)
                if (const int number = pairing[std::size_t(k)]; number > 0)
                    store(target, places[std::size_t(number)], number, line.values[k], regional, counts, line.line);
            if (surplus) note(counts, line.line, 0, store::ValueNote::LeftOut, QString::number(surplus));
            nameBook(counts, first, target, places[1]);
        });
        if (!goOn) return counts;
    }
    runs.endRun();
    return counts;
}

ImportCounts importDbase(const QString& path, const Pairing& pairing, dbase::Table& target,
                         const app::Regional& regional, const ImportProgress& progress)
{
    ImportCounts counts;
    const QFileInfo info(path);
    dbase::Table source;
    // only read, never written, even when its header names an index that is missing
    source.open(QFile::encodeName(info.absolutePath()).toStdString(), QFile::encodeName(info.fileName()).toStdString(),
                {false, true, {}, true});
    const int n = std::min(int(pairing.size()), source.fieldCount());
    const auto places = fieldPlaces(target);
    PostRuns runs(target, counts, progress);
    int record = 0;
    for (source.first(); !source.eof(); source.next()) {
        ++record;
        const bool goOn = runs.append([&] {
            const qsizetype first = counts.notes.size();
            for (int k = 0; k < n; ++k) {
                const int number = pairing[std::size_t(k)];
                if (number <= 0) continue;
                const dbase::FieldInfo& sf = source.field(k);
                const store::FieldDef& def = store::fieldDef(number);
                const int ti = places[std::size_t(number)];
                // what the source holds, for a note when it cannot be stored
                auto leftEmpty = [&] {
                    ++counts.unreadable;
                    note(counts, record, number, store::ValueNote::LeftEmpty,
                         store::fromCp1252(std::string(dbase::trimBoth(source.current().raw(k)))));
                };
                // typed values pass as they are: a number into a number, a date into a date
                if (ti >= 0 && (sf.type == 'N' || sf.type == 'F') &&
                    (def.kind == store::FieldKind::Money || def.kind == store::FieldKind::WholeNumber)) {
                    const auto v = source.getDouble(k);
                    if (!v && !source.isBlank(k)) leftEmpty();
                    else if (!v) target.setDouble(ti, 0);
                    else if (fits(*v, target.field(ti))) target.setDouble(ti, *v);
                    else leftEmpty();
                    continue;
                }
                const auto date = sf.type == 'D' ? source.getDate(k) : std::nullopt;
                if (sf.type == 'D' && !date && !source.isBlank(k)) {
                    if (ti >= 0) leftEmpty();  // no such day
                    continue;
                }
                if (ti >= 0 && sf.type == 'D' && def.kind == store::FieldKind::Date) {
                    target.setDate(ti, date);
                    continue;
                }
                QString text;
                if (sf.type == 'D') {
                    text = date ? regional.formatDate(*date, true) : QString();
                } else if (sf.type == 'L') {
                    const std::string t = source.getText(k);
                    text = t == "T" ? QStringLiteral("Yes") : t == "F" ? QStringLiteral("No") : QString();
                } else {
                    text = store::fromCp1252(source.getText(k)).left(255);
                }
                store(target, ti, number, text, regional, counts, record);
            }
            nameBook(counts, first, target, places[1]);
        });
        if (!goOn) return counts;
    }
    runs.endRun();
    return counts;
}

}  // namespace transfer
