// SPDX-License-Identifier: GPL-2.0-or-later
#include "transfer/remembered_pairings.h"

#include "transfer/known_headings.h"

namespace transfer {

std::optional<Pairing> rememberedPairing(const store::DatabaseSettings& settings, const QStringList& headings)
{
    const QString key = headingLineKey(headings) + u' ';
    for (const QString& entry : settings.importPairings) {
        if (!entry.startsWith(key)) continue;
        const QStringList fields = entry.mid(key.size()).split(u',');
        if (fields.size() != headings.size()) return std::nullopt;
        Pairing pairing;
        for (const QString& f : fields) {
            bool ok = false;
            const int n = f.toInt(&ok);
            if (!ok || n < 0 || n > store::kFieldCount) return std::nullopt;
            // a field takes one column
            if (n > 0 && std::find(pairing.begin(), pairing.end(), n) != pairing.end()) return std::nullopt;
            pairing.push_back(n);
        }
        return pairing;
    }
    return std::nullopt;
}

void rememberPairing(store::DatabaseSettings& settings, const QStringList& headings, const Pairing& pairing)
{
    const QString key = headingLineKey(headings);
    QStringList fields;
    for (int n : pairing) fields << QString::number(n);
    QStringList& kept = settings.importPairings;
    for (qsizetype k = kept.size() - 1; k >= 0; --k)
        if (kept[k].startsWith(key + u' ')) kept.removeAt(k);
    kept.prepend(key + u' ' + fields.join(u','));
    while (kept.size() > store::kRememberedPairings) kept.removeLast();
}

}  // namespace transfer
