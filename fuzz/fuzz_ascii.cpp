// SPDX-License-Identifier: GPL-2.0-or-later
// The ASCII delimited text import: arbitrary bytes checked as the import's file box checks them
// (no NUL, then the first line), read a record at a time, and imported into a book table with
// each source field paired with a book field.
#include "fuzz_files.h"
#include "regional/regional.h"
#include "transfer/ascii_reader.h"
#include "transfer/import_records.h"

namespace {

using fuzz_files::finding;

// Reads every record as the import does and checks what the reader promises.
void readAll(const QString& text)
{
    transfer::AsciiReader reader(text);
    int lastLine = 0;
    qsizetype records = 0;
    while (!reader.atEnd()) {
        if (++records > text.size() + 1) finding("the reader goes on without reaching the end");
        int surplus = 0;
        const transfer::LineRead r = reader.readLine(transfer::kMaxSourceFields, &surplus);
        if (r.values.size() > transfer::kMaxSourceFields) finding("more values kept than asked for");
        if (surplus < 0) finding("a negative surplus");
        if (r.line < lastLine || r.line < 1) finding("records out of line order");
        lastLine = r.line;
        for (const QString& v : r.values)
            if (v.size() > 255) finding("a value over 255 characters was not cut");
        for (int i : r.longValues)
            if (i < 0 || i >= r.values.size() + surplus) finding("a long value outside the record");
        if (r.unclosed) {
            if (r.unclosedLine < 1 || r.unclosedLine > lastLine + int(text.size())) finding("an unclosed quote's line is wrong");
            break;
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static fuzz_files::BookTarget target(3000);
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    if (transfer::binaryRefusal(bytes)) return 0;
    const QString text = transfer::decodeTextFile(bytes);
    QStringList labels;
    const int refusal = transfer::firstLineRefusal(text, &labels);
    if (refusal < 0 || refusal > 3) finding("an unknown reason for refusing a file");
    if (refusal == 0 && (labels.isEmpty() || labels.size() > transfer::kMaxSourceFields))
        finding("an accepted first line with no fields or too many");
    (void)transfer::refusalMessage(refusal);
    readAll(text);
    if (refusal != 0) return 0;

    transfer::Pairing pairing;
    for (int i = 0; i < labels.size(); ++i) pairing.push_back(i % 37);  // 0: the field is left out
    const bool skipFirst = size % 2 == 0;
    (void)transfer::unstorableValues(text, pairing, skipFirst);
    try {
        dbase::Table& t = target.table();
        const std::size_t before = t.recordCount();
        const transfer::ImportCounts counts = transfer::importText(text, pairing, skipFirst, t, regional::current());
        if (t.recordCount() != before + std::size_t(counts.records)) finding("books counted and appended differ");
        (void)transfer::importSummary(counts);
    } catch (const transfer::ImportError&) {
    } catch (const dbase::DatabaseError&) {
    }
    return 0;
}
