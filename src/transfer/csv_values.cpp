// SPDX-License-Identifier: GPL-2.0-or-later
#include "transfer/csv_values.h"

#include "store/field_table.h"
#include "transfer/csv_reader.h"

namespace transfer {

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Whether digits split by `mark` form groups of three after the first group (1,234,567).
bool groupsOfThree(const QString& digits, QChar mark)
{
    const QStringList parts = digits.split(mark);
    if (parts.first().isEmpty() || parts.first().size() > 3) return false;
    for (qsizetype k = 1; k < parts.size(); ++k)
        if (parts[k].size() != 3) return false;
    return true;
}

// "2024/03/15", "2024-03-15" or either with a time after it ("2012-05-01T00:00:00+00:00") as
// "2024-03-15"; nullopt for anything else.
std::optional<QString> isoDay(const QString& v)
{
    if (v.size() < 10) return std::nullopt;
    const QChar s = v[4];
    if ((s != u'-' && s != u'/') || v[7] != s) return std::nullopt;
    for (int k : {0, 1, 2, 3, 5, 6, 8, 9})
        if (!isDigit(v[k])) return std::nullopt;
    if (v.size() > 10 && v[10] != u'T' && v[10] != u' ') return std::nullopt;
    return v.left(4) + u'-' + v.mid(5, 2) + u'-' + v.mid(8, 2);
}

}  // namespace

std::optional<QString> plainAmount(const QString& value, QChar decimal, QChar group, bool whole)
{
    // currency signs and codes, blanks and no-break spaces around and between the digits go
    QString s;
    bool negative = false, digitSeen = false;
    for (const QChar c : value) {
        if (c.category() == QChar::Symbol_Currency || c.isSpace() || c == QChar(0x202F) || c == QChar(0xA0)) continue;
        if (c.isLetter()) {
            if (digitSeen && !s.isEmpty() && isDigit(s.back())) s += u'|';  // a letter after digits: "12abc3"
            continue;
        }
        if (c == u'-' && !digitSeen && !negative) {
            negative = true;
            continue;
        }
        if (c == u'+' && !digitSeen) continue;
        if (c == u'\'' && group == u'\'') continue;
        if (!isDigit(c) && c != u'.' && c != u',') return std::nullopt;
        if (isDigit(c)) digitSeen = true;
        s += c;
    }
    if (s.endsWith(u'|')) s.chop(1);  // a code after the number ("12.50 EUR")
    if (!digitSeen || s.contains(u'|') || !isDigit(s.front()) || !isDigit(s.back())) return std::nullopt;
    const qsizetype dots = s.count(u'.'), commas = s.count(u',');
    QString digits, fraction;
    if (dots && commas) {
        // the last mark is the decimal mark, the other groups thousands before it
        const QChar mark = s.lastIndexOf(u'.') > s.lastIndexOf(u',') ? u'.' : u',';
        const QChar other = mark == u'.' ? u',' : u'.';
        if (s.count(mark) != 1) return std::nullopt;
        const qsizetype at = s.indexOf(mark);
        if (!groupsOfThree(s.left(at), other)) return std::nullopt;
        digits = s.left(at).remove(other);
        fraction = s.mid(at + 1);
    } else if (dots || commas) {
        const QChar mark = dots ? u'.' : u',';
        const bool single = (dots ? dots : commas) == 1;
        const qsizetype at = s.indexOf(mark);
        // a "." is a decimal mark, and so is the user's own
        const bool canDecimal = single && (mark == u'.' || mark == decimal);
        // a mark may group thousands where the digits fall in threes and it is the user's group
        // mark, is repeated, or stands in a whole number
        const bool mayGroup = groupsOfThree(s, mark) && (!single || mark == group || whole);
        if (canDecimal && mayGroup && !whole) return std::nullopt;  // "1.234" where "." groups: 1234 or 1.234
        if (mayGroup) {
            digits = s;
            digits.remove(mark);
        } else if (canDecimal) {
            digits = s.left(at);
            fraction = s.mid(at + 1);
        } else {
            return std::nullopt;
        }
    } else {
        digits = s;
    }
    QString out = (negative ? QStringLiteral("-") : QString()) + digits;
    if (!fraction.isEmpty()) out += u'.' + fraction;
    return out;
}

std::optional<QString> csvFieldValue(int field, const QString& value, QChar decimal, QChar group)
{
    const QString v = plainCsvValue(value);
    if (v.isEmpty()) return v;
    const store::FieldDef& def = store::fieldDef(field);
    switch (def.kind) {
        case store::FieldKind::Text:
            if (field == 10 && v.startsWith(u'[') && v.endsWith(u']'))
                return v.mid(1, v.size() - 2).trimmed();  // [0451526538]
            if (field == 11) {
                // a rating of 0 is no rating ("not rated")
                bool number = false;
                const double r = v.toDouble(&number);
                if (number && r == 0) return QString();
            }
            if (v != value.trimmed()) return v;  // the formula wrapper taken off
            {
                // blanks at the start of a value stood inside quotes (the reader drops the others): kept
                QString kept = value;
                while (kept.endsWith(u' ')) kept.chop(1);
                return kept;
            }
        case store::FieldKind::WholeNumber:
            // a year given as a whole date ("2001-05-01", "2012-05-01T00:00:00+00:00")
            if (field == 3)
                if (const auto day = isoDay(v)) return day->left(4);
            return plainAmount(v, decimal, group, true);
        case store::FieldKind::Money:
            return plainAmount(v, decimal, group, false);
        case store::FieldKind::Date:
            return isoDay(v).value_or(v);
    }
    return v;
}

}  // namespace transfer
