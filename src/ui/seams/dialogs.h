// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Every common dialog of the program goes through this interface, so that tests can script
// the user's choices.
#include <QColor>
#include <QFont>
#include <QString>
#include <optional>

class QPrinter;
class QWidget;

namespace ui {

class CommonDialogs {
public:
    virtual ~CommonDialogs() = default;
    // A file name chosen to open or to save; empty when the user cancels.
    virtual QString openFileName(QWidget* parent, const QString& caption, const QString& directory,
                                 const QString& filter) = 0;
    // A name typed without an extension gets the default extension (when one is given).
    virtual QString saveFileName(QWidget* parent, const QString& caption, const QString& directory,
                                 const QString& filter, const QString& defaultExtension = {}) = 0;
    virtual std::optional<QFont> chooseFont(QWidget* parent, const QFont& initial, bool effects) = 0;
    virtual std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) = 0;
    // The print dialog; false when the user cancels. The printer carries the choices made.
    virtual bool print(QWidget* parent, QPrinter& printer) = 0;
};

CommonDialogs& dialogs();
void setDialogs(CommonDialogs* d);  // nullptr restores the real dialogs

// A filter caption kept as written but matching both letter cases: "dBASE Files (*.DBF)"
// becomes "dBASE Files (*.DBF *.dbf)".
QString caselessFilter(const QString& filter);

// The file name with ".extension" added when its last part has no extension of its own:
// "second" becomes "second.DBF"; "second.txt" stays as it is.
QString withDefaultExtension(const QString& path, const QString& extension);

}  // namespace ui
