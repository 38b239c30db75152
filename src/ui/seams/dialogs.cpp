// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/seams/dialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <algorithm>

namespace ui {

namespace {
class RealDialogs : public CommonDialogs {
public:
    QString openFileName(QWidget* parent, const QString& caption, const QString& directory, const QString& filter) override
    {
        return QFileDialog::getOpenFileName(parent, caption, directory, caselessFilter(filter));
    }
    QString saveFileName(QWidget* parent, const QString& caption, const QString& directory, const QString& filter,
                         const QString& defaultExtension) override
    {
        QFileDialog dialog(parent, caption, directory, caselessFilter(filter));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(defaultExtension);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
        return withDefaultExtension(dialog.selectedFiles().constFirst(), defaultExtension);
    }
    std::optional<QFont> chooseFont(QWidget* parent, const QFont& initial, bool effects) override
    {
        bool ok = false;
        // Qt's font dialog always offers underline and strikeout; without effects they are dropped
        QFont f = QFontDialog::getFont(&ok, initial, parent);
        if (ok && !effects) {
            f.setUnderline(false);
            f.setStrikeOut(false);
        }
        if (!ok) return std::nullopt;
        return f;
    }
    bool print(QWidget* parent, QPrinter& printer) override
    {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    }
    std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) override
    {
        QColor c = QColorDialog::getColor(initial, parent);
        if (!c.isValid()) return std::nullopt;
        return c;
    }
};
RealDialogs real;
CommonDialogs* installed = &real;
}  // namespace

CommonDialogs& dialogs() { return *installed; }
void setDialogs(CommonDialogs* d) { installed = d ? d : &real; }

QString caselessFilter(const QString& filter)
{
    static const QRegularExpression pattern(QStringLiteral("\\*\\.([A-Za-z0-9]+)"));
    QStringList parts = filter.split(QStringLiteral(";;"));
    for (QString& part : parts) {
        int open = part.lastIndexOf(u'('), close = part.lastIndexOf(u')');
        if (open < 0 || close < open) continue;
        QStringList globs;
        auto it = pattern.globalMatch(part.mid(open + 1, close - open - 1));
        while (it.hasNext()) {
            QString ext = it.next().captured(1);
            for (const QString& e : {ext.toUpper(), ext.toLower()})
                if (!globs.contains(QStringLiteral("*.") + e)) globs << QStringLiteral("*.") + e;
        }
        if (!globs.isEmpty()) part = part.left(open + 1) + globs.join(u' ') + part.mid(close);
    }
    return parts.join(QStringLiteral(";;"));
}

QString withDefaultExtension(const QString& path, const QString& extension)
{
    if (extension.isEmpty() || path.isEmpty()) return path;
    const int slash = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    if (path.indexOf(u'.', slash + 1) >= 0) return path;
    return path + u'.' + extension;
}

}  // namespace ui
