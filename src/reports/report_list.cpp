// SPDX-License-Identifier: GPL-2.0-or-later
#include "reports/report_list.h"

#include <QDir>
#include <QFileInfo>
#include <filesystem>

namespace reports {

QString sortOrderText(const std::array<int, 4>& levels, const std::array<QString, 36>& displayNames)
{
    QStringList names;
    for (int f : levels)
        if (f >= 1 && f <= 36) names << displayNames[std::size_t(f - 1)];
    return names.isEmpty() ? QStringLiteral("No Sort Order Selected") : names.join(QStringLiteral(", "));
}

bool isOneOf(const QString& path, const QStringList& files)
{
    const QFileInfo target(path);
    for (const QString& f : files) {
        const QFileInfo other(f);
        if (target.absoluteFilePath().compare(other.absoluteFilePath(), Qt::CaseInsensitive) == 0) return true;
        std::error_code ec;
        if (target.exists() && other.exists() &&
            std::filesystem::equivalent(target.absoluteFilePath().toStdString(), other.absoluteFilePath().toStdString(), ec))
            return true;
    }
    return false;
}

QString inUseMessage(const QString& path)
{
    return QStringLiteral("The file \"%1\" is in use by the program and cannot be written over.  Please choose another "
                          "name.")
        .arg(QDir::toNativeSeparators(path));
}

}  // namespace reports
