// SPDX-License-Identifier: GPL-2.0-or-later
#include "store/value_notes.h"

#include <QCoreApplication>

namespace store {

void nameBook(ValueNotes& notes, qsizetype first, const QString& title)
{
    for (qsizetype k = std::max<qsizetype>(first, 0); k < notes.size(); ++k) notes[k].title = title;
}

namespace {
// A value as the list shows it: quoted, long ones shortened
QString quoted(const QString& value)
{
    constexpr qsizetype kShown = 60;
    return u'"' + (value.size() > kShown ? value.left(kShown) + QStringLiteral("...") : value) + u'"';
}
}  // namespace

QString describeNotes(const ValueNotes& notes, const QString& where, const std::array<QString, kFieldCount>* names)
{
    QString out;
    for (const ValueNote& n : notes) {
        out += where + u' ' + QString::number(n.line) + QStringLiteral(", ") +
               (n.title.isEmpty() ? QCoreApplication::translate("ValueNotes", "no title") : quoted(n.title));
        if (n.field >= 1 && n.field <= kFieldCount)
            out += QStringLiteral(", ") + (names ? (*names)[std::size_t(n.field - 1)]
                                                : QString::fromLatin1(fieldDef(n.field).displayName));
        out += QStringLiteral(": ");
        switch (n.kind) {
        case ValueNote::LeftEmpty:
            out += QCoreApplication::translate("ValueNotes", "%1 could not be read and was left empty.").arg(quoted(n.value));
            break;
        case ValueNote::Cut:
            out += QCoreApplication::translate("ValueNotes", "%1 was too long for the field and was cut.").arg(quoted(n.value));
            break;
        case ValueNote::Replaced:
            out += QCoreApplication::translate("ValueNotes", "characters that this database cannot store were stored as \"?\".");
            break;
        case ValueNote::LeftOut:
            out += QCoreApplication::translate("ValueNotes", "%1 values beyond the fields of the first line were left out.").arg(n.value);
            break;
        }
        out += u'\n';
    }
    return out;
}

}  // namespace store
