// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Texts in a failed check printed as text, not as a list of two-byte objects.
#include <QString>
#include <QStringList>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QStringList& l, std::ostream* os) { *os << '{' << l.join(u'|').toStdString() << '}'; }
