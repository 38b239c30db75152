// SPDX-License-Identifier: GPL-2.0-or-later
#include "transfer/import_preview.h"

#include <QCoreApplication>

namespace transfer {

ImportPreview previewImport(const ImportSource& source, const Pairing& pairing, bool skipFirst,
                            const dbase::Table& target, const regional::Regional& regional)
{
    ImportPreview preview;
    BookReader reader(source, pairing, skipFirst, target, regional);
    DuplicateBooks duplicates(target);
    StoredBook book;
    while (reader.next(book, preview.counts)) {
        ++preview.total;
        const DuplicateBooks::Found found = duplicates.check(book);
        if (found != DuplicateBooks::New) preview.duplicates.push_back({book.line, book.text(1).trimmed(), found});
        if (int(preview.books.size()) < kPreviewBooks) {
            preview.books.push_back(book);
            preview.marks.push_back(found);
        }
    }
    return preview;
}

QString whatHappens(const store::ValueNote& note)
{
    switch (note.kind) {
        case store::ValueNote::LeftEmpty:
            return QCoreApplication::translate("ImportMessages", "\"%1\" cannot be read: left empty")
                .arg(note.value.left(60));
        case store::ValueNote::Cut:
            return QCoreApplication::translate("ImportMessages", "cut to %1 characters")
                .arg(store::fieldDef(note.field).width);
        case store::ValueNote::Replaced:
            return QCoreApplication::translate("ImportMessages", "\"?\" for characters the database cannot hold");
        case store::ValueNote::LeftOut:
            return QCoreApplication::translate("ImportMessages", "%1 values beyond the columns left out")
                .arg(note.value);
    }
    return {};
}

QString duplicateText(DuplicateBooks::Found found)
{
    return found == DuplicateBooks::InFile
               ? QCoreApplication::translate("ImportMessages", "also on an earlier line of the file")
               : QCoreApplication::translate("ImportMessages", "already in the database");
}

QString shownValue(const StoredBook& book, int field, const regional::Regional& regional)
{
    const StoredValue& v = book[field];
    const store::FieldDef& def = store::fieldDef(field);
    switch (v.kind) {
        case StoredValue::Unset:
            return {};
        case StoredValue::Text:
            return book.text(field);
        case StoredValue::Number:
            if (def.kind == store::FieldKind::Money) return regional.money(0, v.number).trimmed();
            return def.decimals == 0 ? regional.grouped(0, 0, v.number).trimmed()
                                     : regional.plain(0, 0, v.number).trimmed();
        case StoredValue::Date:
            return v.date ? regional.formatDate(*v.date) : QString();
    }
    return {};
}

}  // namespace transfer
