// SPDX-License-Identifier: GPL-2.0-or-later
#include "conversion/old_databases.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <array>
#include <cmath>
#include <filesystem>
#include <system_error>

#include "backup/file_copy.h"
#include "dbase/error.h"
#include "dbase/values.h"
#include "regional/regional.h"
#include "store/codepage.h"
#include "store/field_table.h"
#include "store/profile.h"
#include "store/settings.h"
#include "transfer/import_undo.h"

namespace conversion {

namespace {

// Fields 2 onwards of each layout; the first field is neither examined nor converted.
constexpr std::array<const char*, 25> kLayoutV2 = {
    "Title",    "Author",   "YearPub",  "Publisher", "Category",   "WherePurch", "Cost",
    "Value",    "Descriptio", "ISBN",   "Rating",    "PurchDate",  "BookType",   "CatalogNum",
    "Sub1",     "Sub2",     "CheckOut", "CheckDate", "CheckPerso", "Volume",     "Issue",
    "Edition",  "KeyWords", "Pages",    "Location"};
constexpr std::array<const char*, 14> kLayoutV1 = {
    "Title", "Author", "YearPub", "Publisher",   "Category", "WherePurchased", "Cost",
    "Value", "Description", "ISBN", "Rating", "PurchDay", "PurchMonth", "PurchYear"};

// Positions in the layouts above; old field k + 1 holds layout entry k.
constexpr int kV2CheckPerso = 18, kV2Pages = 23;
constexpr int kV1Copied = 11;  // "Title" .. "Rating"
constexpr int kV1Day = 11, kV1Month = 12, kV1Year = 13;

std::function<bool(const QString&, QString&)>& removeForTests()
{
    static std::function<bool(const QString&, QString&)> f;
    return f;
}

void openOld(dbase::Table& old, const QString& path)
{
    const QFileInfo info(path);
    // read-only and without its index: a missing index needs no repair of the header flag
    old.open(store::toPath(info.absolutePath()), QFile::encodeName(info.fileName()).toStdString(),
             {false, true, {}, true});
}

template <std::size_t N>
bool hasLayout(const QString& path, const std::array<const char*, N>& layout)
{
    try {
        dbase::Table old;
        openOld(old, path);
        if (old.fieldCount() != int(N) + 1) return false;
        for (std::size_t i = 0; i < N; ++i) {
            const std::string want = QString::fromLatin1(layout[i]).left(10).toUpper().toStdString();
            if (old.fieldName(int(i) + 1) != want) return false;
        }
        return true;
    } catch (const dbase::DatabaseError&) {
        return false;  // no table at all, or one that cannot be read: not an old database
    }
}

// ---- values ----

std::string trimmed(std::string_view s) { return std::string(dbase::trimBoth(s)); }

std::string textOf(const dbase::Table& from, int field)
{
    switch (from.field(field).type) {
    case 'N':
    case 'F':
        return trimmed(from.getText(field));
    case 'L':
        return store::yesNoOfLogical(from.getText(field));
    default:
        return from.getText(field);
    }
}

std::optional<double> numberOf(const dbase::Table& from, int field)
{
    switch (from.field(field).type) {
    case 'N':
    case 'F':
        return from.getDouble(field);
    case 'C':
        return dbase::parseNumber(from.getText(field));  // a plain number, '.' its point
    default:
        return std::nullopt;
    }
}

// A date written month/day/year, as the earlier versions wrote it (two-digit years by the
// program's century window).
std::optional<dbase::Date> monthDayYear(const QString& text)
{
    static const regional::Regional american;  // separator '/', pattern "m/d/yy"
    return american.parseDate(text);
}

std::optional<dbase::Date> dateOf(const dbase::Table& from, int field)
{
    switch (from.field(field).type) {
    case 'D':
        return from.getDate(field);
    case 'C': {
        const std::string t = trimmed(from.getText(field));
        if (auto d = dbase::parseDate(t); d && t.size() == 8) return d;
        return monthDayYear(QString::fromLatin1(t));
    }
    default:
        return std::nullopt;
    }
}

// What an old field holds, as a note about it shows it.
std::string shownText(const dbase::Table& from, int field)
{
    return from.field(field).type == 'D' ? trimmed(from.current().raw(field)) : trimmed(textOf(from, field));
}

// Notes each value of the old book under way that does not go in as it was.
class Noter {
public:
    Noter(store::ValueNotes* notes, int record) : notes_(notes), record_(record) {}
    void operator()(const dbase::Table& to, int field, store::ValueNote::Kind kind, const std::string& value) const
    {
        if (!notes_) return;
        int number = 0;
        for (const store::FieldDef& d : store::fieldTable())
            if (QString::fromLatin1(d.name).toUpper().toStdString() == to.fieldName(field)) number = d.number;
        notes_->push_back({record_, number, kind, store::fromCp1252(value), {}});
    }

private:
    store::ValueNotes* notes_;
    int record_;
};

// Text goes in cut to the field's width; true when something other than blanks was cut off.
bool putText(dbase::Table& to, int field, std::string text)
{
    const std::size_t width = std::size_t(to.field(field).width);
    const bool cut = text.size() > width && !dbase::trimRight(std::string_view(text).substr(width)).empty();
    if (text.size() > width) text.resize(width);
    if (!dbase::trimRight(text).empty()) to.setText(field, text);
    return cut;
}

// A value the field cannot take leaves it empty; true when stored.
bool putNumber(dbase::Table& to, int field, std::optional<double> v)
{
    if (!v) return false;
    const dbase::FieldInfo& f = to.field(field);
    if (f.decimals == 0 && *v != std::trunc(*v)) return false;  // a whole-number field takes whole numbers
    if (!dbase::formatNumber(*v, f.width, f.decimals)) return false;
    to.setDouble(field, *v);
    return true;
}

void copyValue(const dbase::Table& from, int fromField, dbase::Table& to, int toField, const Noter& note)
{
    const std::string shown = shownText(from, fromField);
    switch (to.field(toField).type) {
    case 'C':
        if (putText(to, toField, textOf(from, fromField))) note(to, toField, store::ValueNote::Cut, shown);
        break;
    case 'N':
    case 'F':
        if (!putNumber(to, toField, numberOf(from, fromField)) && !shown.empty())
            note(to, toField, store::ValueNote::LeftEmpty, shown);
        break;
    case 'D':
        if (auto d = dateOf(from, fromField)) to.setDate(toField, *d);
        else if (!shown.empty()) note(to, toField, store::ValueNote::LeftEmpty, shown);
        break;
    default:
        break;
    }
}

// "1,024" is 1024 pages.
std::optional<double> pagesOf(const dbase::Table& from, int field)
{
    const char type = from.field(field).type;
    if (type == 'N' || type == 'F') return from.getDouble(field);
    std::string t = from.getText(field);
    std::erase(t, ',');
    return dbase::parseNumber(t);
}

// The purchase date of a 1.x record: day, month name and year in three fields.
std::optional<dbase::Date> purchaseDate(const dbase::Table& from)
{
    static const std::array<const char*, 12> months = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const auto part = [&](int entry) { return QString::fromLatin1(trimmed(textOf(from, entry + 1))).left(4); };
    QString month = part(kV1Month);
    for (std::size_t i = 0; i < months.size(); ++i)
        if (month == QLatin1String(months[i])) month = QString::number(i + 1);
    return monthDayYear(month + u'/' + part(kV1Day) + u'/' + part(kV1Year));
}

// The book field a layout name goes into: field names are cut to ten characters.
int targetField(const dbase::Table& to, const char* name)
{
    const int i = to.fieldIndex(std::string_view(name).substr(0, 10));
    if (i < 0) dbase::fail(to.path().string(), std::string("no field ") + name);
    return i;
}

using RecordCopy = std::function<void(const dbase::Table& old, dbase::Table& target, const Noter& note)>;

int convertRecords(const QString& path, dbase::Table& target, int from, const PostedHook& posted,
                   store::ValueNotes* notes, const RecordCopy& copy)
{
    const int title = targetField(target, "Title");
    dbase::Table old;
    openOld(old, path);
    const int total = int(old.recordCount());
    if (from >= total) return total;
    old.goToPosition(std::size_t(std::max(from, 0)));
    for (int n = std::max(from, 0); n < total; ++n) {
        target.append();
        try {
            const qsizetype first = notes ? notes->size() : 0;
            copy(old, target, Noter(notes, n + 1));
            if (notes) store::nameBook(*notes, first, store::fromCp1252(trimmed(target.getText(title))));
            target.post();
        } catch (...) {
            if (target.state() == dbase::TableState::Insert) target.cancel();
            throw;
        }
        if (posted) posted(n - from + 1);
        old.next();
    }
    return total;
}

// ---- the start-up step ----

const QString kSection = QStringLiteral("Conversion");

struct OldFile {
    QString name;
    QString version;
    bool (*check)(const QString&);
    int (*convert)(const QString&, dbase::Table&, int, const PostedHook&, store::ValueNotes*);
};

// What the settings say about one old file. The file is known by its path, size and
// modification time: a copy put back later is another file.
struct Marker {
    enum State { None, Started, Converted } state = None;
    qint64 size = 0, modified = 0;
    int done = 0;         // books converted by finished or settled runs
    qint64 base = -1;     // the database's record count when the run under way began; -1: none
    QString path, database;

    bool sameFile(const Marker& other) const
    {
        return size == other.size && modified == other.modified && path == other.path;
    }
};

Marker identify(const QString& path)
{
    const QFileInfo info(path);
    Marker m;
    m.size = info.size();
    m.modified = info.lastModified().toMSecsSinceEpoch();
    m.path = info.absoluteFilePath();
    return m;
}

constexpr int kMarkerLength = 4096;

Marker readMarker(const QString& name)
{
    const store::ProfileFile ini(store::programSettingsPath());
    const QString v = ini.read(kSection, name, {}, kMarkerLength);
    Marker m;
    const QString state = v.section(u' ', 0, 0);
    m.size = v.section(u' ', 1, 1).toLongLong();
    m.modified = v.section(u' ', 2, 2).toLongLong();
    if (state == QLatin1String("Converted")) {
        m.state = Marker::Converted;
        m.path = v.section(u' ', 3);
    } else if (state == QLatin1String("Started")) {
        m.state = Marker::Started;
        m.done = v.section(u' ', 3, 3).toInt();
        m.base = v.section(u' ', 4, 4).toLongLong();
        m.path = v.section(u' ', 5);
        m.database = ini.read(kSection, name + QStringLiteral(" Database"), {}, kMarkerLength);
    }
    return m;
}

bool writeMarker(const QString& name, const Marker& m)
{
    store::ProfileFile ini(store::programSettingsPath());
    const QString identity = QString::number(m.size) + u' ' + QString::number(m.modified) + u' ';
    if (m.state == Marker::None) {
        ini.write(kSection, name, {});
        ini.write(kSection, name + QStringLiteral(" Database"), {});
    } else if (m.state == Marker::Converted) {
        ini.write(kSection, name, QStringLiteral("Converted ") + identity + m.path);
        ini.write(kSection, name + QStringLiteral(" Database"), {});
    } else {
        ini.write(kSection, name,
                  QStringLiteral("Started ") + identity + QString::number(m.done) + u' ' + QString::number(m.base) +
                      u' ' + m.path);
        ini.write(kSection, name + QStringLiteral(" Database"), m.database);
    }
    return ini.save();
}

// Books of a file converted before this start. A run that did not finish posted as many books
// as its database grew by: each post raises the table's record count only once the record is
// written, so the count tells exactly how far it came.
int convertedBefore(const Marker& m)
{
    qint64 done = m.done;
    if (m.base >= 0 && !m.database.isEmpty()) {
        try {
            const QFileInfo db(m.database);
            const auto facts = dbase::inspectTable(store::toPath(db.absolutePath()),
                                                   QFile::encodeName(db.fileName()).toStdString());
            if (qint64(facts.header.recordCount) > m.base) done += qint64(facts.header.recordCount) - m.base;
        } catch (const dbase::DatabaseError&) {
            // the database is gone or unreadable: its books cannot be counted
        }
    }
    return int(std::min<qint64>(done, 0x7FFFFFFF));
}

bool removeFile(const QString& path, QString& reason)
{
    if (removeForTests()) return removeForTests()(path, reason);
    std::error_code ec;
    if (std::filesystem::remove(store::toPath(path), ec)) return true;
    reason = ec ? QString::fromLocal8Bit(ec.message().c_str()) : QCoreApplication::translate("Conversion", "the file is gone");
    return false;
}

QString question(const OldFile& f)
{
    return QCoreApplication::translate("Conversion", "A database from a previous version (%1) has been detected.  Would you like to "
                                                "convert it now?  NOTE: After conversion the old file will be deleted.  "
                                                "You may wish to make a copy of \"%2\" first.")
        .arg(f.version, f.name);
}

// What the conversion could not keep as it was, with each value in the details.
void tellNotes(ConversionHost& host, const OldFile& f, const store::ValueNotes& notes)
{
    int empty = 0, cut = 0;
    for (const store::ValueNote& n : notes) (n.kind == store::ValueNote::Cut ? cut : empty) += 1;
    QString text = QCoreApplication::translate("Conversion", "The books of \"%1\" have been converted.").arg(f.name);
    if (empty) text += QCoreApplication::translate("Conversion", "  %1 values could not be converted and were left empty.").arg(empty);
    if (cut) text += QCoreApplication::translate("Conversion", "  %1 values were too long for their fields and were cut.").arg(cut);
    host.tellConverted(text, store::describeNotes(notes, QCoreApplication::translate("Conversion", "Record")));
}

QString what(const std::exception& e) { return QString::fromLocal8Bit(e.what()); }

void offer(ConversionHost& host, const QString& programDirectory, const OldFile& f, store::Dataset& table,
           const QString& databasePath)
{
    const QString path = backup::findCaseless(programDirectory, f.name);
    if (!QFileInfo(path).isFile() || !f.check(path)) return;

    Marker run = identify(path);
    const Marker kept = readMarker(f.name);
    if (kept.state != Marker::None && kept.sameFile(run)) {
        if (kept.state == Marker::Converted) return;  // converted; only its deletion failed
        run.done = convertedBefore(kept);
        if (kept.base >= 0) {
            // settled now, so that the books the user adds or deletes later do not count
            Marker settled = kept;
            settled.done = run.done;
            settled.base = -1;
            writeMarker(f.name, settled);
        }
    }

    if (!host.askToConvert(question(f))) return;

    run.state = Marker::Started;
    run.base = qint64(table.table().physicalCount());
    run.database = QFileInfo(databasePath).absoluteFilePath();
    writeMarker(f.name, run);

    QString failure;
    store::ValueNotes notes;
    host.busy(true);
    try {
        f.convert(path, table.table(), run.done, [&host](int posted) { host.posted(posted); }, &notes);
    } catch (const std::exception& e) {
        failure = what(e);
    }
    host.busy(false);
    table.notifyRecordsChanged();
    {
        // books came in by another way than the last import: that import is no longer undone
        const std::filesystem::path& p = table.table().path();
        transfer::forgetLastImport(QString::fromStdString((p.parent_path() / p.stem()).string()));
    }
    if (!failure.isEmpty()) {
        if (!failure.endsWith(u'.')) failure += u'.';
        host.tellFailure(QCoreApplication::translate("Conversion", "The conversion of \"%1\" stopped: %2  The books converted so "
                                                                   "far are kept; the rest will be offered for conversion at "
                                                                   "the next start.")
                             .arg(QDir::toNativeSeparators(path), failure));
        return;
    }

    if (!notes.isEmpty()) tellNotes(host, f, notes);

    run.state = Marker::Converted;
    writeMarker(f.name, run);
    QString reason;
    if (removeFile(path, reason)) {
        // nothing left to remember: a copy put back later is offered like any other old file
        writeMarker(f.name, Marker());
        return;
    }
    host.tellFailure(QCoreApplication::translate("Conversion", "The old database \"%1\" has been converted, but it could not be "
                                                               "deleted: %2.  It will not be converted again; you may delete it "
                                                               "yourself.")
                         .arg(QDir::toNativeSeparators(path), reason));
}

}  // namespace

bool CheckDBaseFormatV2(const QString& path) { return hasLayout(path, kLayoutV2); }
bool CheckDBaseFormatV1(const QString& path) { return hasLayout(path, kLayoutV1); }

int ConvertV2(const QString& path, dbase::Table& target, int from, const PostedHook& posted, store::ValueNotes* notes)
{
    // old field k + 1 goes into the book field named by layout entry k
    std::array<int, kLayoutV2.size()> into {};
    for (std::size_t k = 0; k < kLayoutV2.size(); ++k)
        into[k] = targetField(target, k == kV2CheckPerso ? "CheckName" : kLayoutV2[k]);
    return convertRecords(path, target, from, posted, notes,
                          [&](const dbase::Table& old, dbase::Table& to, const Noter& note) {
        for (int k = 0; k < int(kLayoutV2.size()); ++k) {
            const int field = into[std::size_t(k)];
            if (k != kV2Pages)
                copyValue(old, k + 1, to, field, note);
            else if (!putNumber(to, field, pagesOf(old, k + 1)) && !shownText(old, k + 1).empty())
                note(to, field, store::ValueNote::LeftEmpty, shownText(old, k + 1));
        }
    });
}

int ConvertV1(const QString& path, dbase::Table& target, int from, const PostedHook& posted, store::ValueNotes* notes)
{
    std::array<int, kV1Copied> into {};
    for (std::size_t k = 0; k < into.size(); ++k) into[k] = targetField(target, kLayoutV1[k]);
    const int date = targetField(target, "PurchDate");
    return convertRecords(path, target, from, posted, notes,
                          [&](const dbase::Table& old, dbase::Table& to, const Noter& note) {
        for (int k = 0; k < kV1Copied; ++k) copyValue(old, k + 1, to, into[std::size_t(k)], note);
        if (auto d = purchaseDate(old)) {
            to.setDate(date, *d);
        } else {
            // day, month and year as the old book held them
            QStringList parts;
            for (int entry : {kV1Day, kV1Month, kV1Year})
                if (const std::string t = shownText(old, entry + 1); !t.empty()) parts << QString::fromLatin1(t);
            if (!parts.isEmpty()) note(to, date, store::ValueNote::LeftEmpty, parts.join(u' ').toLatin1().toStdString());
        }
    });
}

void CheckForConversion(ConversionHost& host, const QString& programDirectory, store::Dataset& table,
                        const QString& databasePath)
{
    if (!table.active() || table.table().readOnly()) return;
    const OldFile files[] = {
        {QStringLiteral("B2LOG.DBF"), QStringLiteral("2.X"), CheckDBaseFormatV2, ConvertV2},
        {QStringLiteral("BLOG.DBF"), QStringLiteral("1.X"), CheckDBaseFormatV1, ConvertV1},
    };
    bool converted = false;
    for (const OldFile& f : files) {
        const std::size_t before = table.table().physicalCount();
        offer(host, programDirectory, f, table, databasePath);
        converted = converted || table.table().physicalCount() != before;
    }
    if (converted) table.first();
}

void setRemoveFileForTests(std::function<bool(const QString& path, QString& reason)> remove)
{
    removeForTests() = std::move(remove);
}

}  // namespace conversion
