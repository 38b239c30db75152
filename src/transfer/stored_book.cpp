// SPDX-License-Identifier: GPL-2.0-or-later
#include "transfer/stored_book.h"

#include "dbase/values.h"
#include "store/codepage.h"

namespace transfer {

QString StoredBook::text(int field) const
{
    const StoredValue& v = (*this)[field];
    if (v.kind != StoredValue::Text) return {};
    return store::fromCp1252(std::string(dbase::trimRight(v.text)));
}

FieldPlaces fieldPlaces(const dbase::Table& table)
{
    FieldPlaces places{};
    places[0] = -1;
    for (int n = 1; n <= store::kFieldCount; ++n) places[std::size_t(n)] = table.fieldIndex(store::fieldDef(n).name);
    return places;
}

void putBook(dbase::Table& target, const FieldPlaces& places, const StoredBook& book)
{
    for (int n = 1; n <= store::kFieldCount; ++n) {
        const StoredValue& v = book[n];
        const int i = places[std::size_t(n)];
        if (i < 0) continue;
        switch (v.kind) {
            case StoredValue::Unset:
                break;
            case StoredValue::Text:
                target.setText(i, v.text);
                break;
            case StoredValue::Number:
                target.setDouble(i, v.number);
                break;
            case StoredValue::Date:
                target.setDate(i, v.date);
                break;
        }
    }
}

}  // namespace transfer
