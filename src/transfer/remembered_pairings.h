// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Pairings made by hand for heading lines the program does not know, kept with the database's
// settings so that the next file with the same heading line is paired the same way.
#include <QStringList>
#include <optional>

#include "store/settings.h"
#include "transfer/import_records.h"

namespace transfer {

// The pairing remembered for this heading line, if any (and if it still fits the line).
std::optional<Pairing> rememberedPairing(const store::DatabaseSettings& settings, const QStringList& headings);
// Keeps this pairing for the heading line, newest first; the oldest beyond kRememberedPairings go.
void rememberPairing(store::DatabaseSettings& settings, const QStringList& headings, const Pairing& pairing);

}  // namespace transfer
