// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// "Import Format": a text file, a dBASE table or a comma-separated file; then the file, checked,
// and the import window.
#include <QDialog>
#include <functional>

#include "transfer/windows/import_host.h"

class QRadioButton;

class TImportFormat : public QDialog {
    Q_OBJECT
public:
    explicit TImportFormat(transfer::ImportHost& host, QWidget* parent = nullptr);
    void FileButtonClick();
    // Shows the import window modally; tests drive it instead.
    std::function<int(QDialog&)> execModal = [](QDialog& d) { return d.exec(); };

    QRadioButton* DBFFormat = nullptr;
    QRadioButton* AsciiDelimited = nullptr;
    QRadioButton* CommaSeparated = nullptr;

protected:
    void done(int result) override;

private:
    void openCsv(const QString& name);
    transfer::ImportHost& host_;
};
