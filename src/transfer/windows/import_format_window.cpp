// SPDX-License-Identifier: GPL-2.0-or-later
#include "transfer/windows/import_format_window.h"

#include <QFile>

#include "store/bounded_file.h"
#include <QFileInfo>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include "backup/file_copy.h"
#include "transfer/ascii_reader.h"
#include "transfer/csv_reader.h"
#include "transfer/windows/import_window.h"
#include "ui/appearance.h"
#include "ui/seams/dialogs.h"
#include "ui/seams/messages.h"
#include "ui/window_fit.h"

TImportFormat::TImportFormat(transfer::ImportHost& host, QWidget* parent) : QDialog(parent), host_(host)
{
    setObjectName(QStringLiteral("ImportFormat"));
    setWindowTitle(tr("Import Format"));
    ui::makeFixedDialog(this);
    auto* panel = new QGroupBox(this);
    panel->setObjectName(QStringLiteral("MyPanel"));
    panel->setGeometry(10, 10, 300, 100);
    DBFFormat = new QRadioButton(tr("DBase File (DBF)"), panel);
    DBFFormat->setObjectName(QStringLiteral("DBFFormat"));
    DBFFormat->setGeometry(10, 10, 220, 24);
    AsciiDelimited = new QRadioButton(tr("Ascii Delimited File"), panel);
    AsciiDelimited->setObjectName(QStringLiteral("AsciiDelimited"));
    AsciiDelimited->setGeometry(10, 38, 220, 24);
    CommaSeparated = new QRadioButton(tr("Comma Separated Values (*.csv *.tsv *.txt)"), panel);
    CommaSeparated->setObjectName(QStringLiteral("CommaSeparated"));
    CommaSeparated->setGeometry(10, 66, 280, 24);
    const int type = host_.databaseSettings().importFileType;
    (type == 2 ? DBFFormat : type == 3 ? CommaSeparated : AsciiDelimited)->setChecked(true);
    auto* file = new QPushButton(tr("Select &File"), this);
    file->setObjectName(QStringLiteral("FileButton"));
    file->setDefault(true);
    file->setGeometry(10, 120, 115, 32);
    auto* cancel = new QPushButton(tr("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    cancel->setGeometry(135, 120, 115, 32);
    connect(file, &QPushButton::clicked, this, &TImportFormat::FileButtonClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    resize(320, 162);
}

void TImportFormat::done(int result)
{
    host_.databaseSettings().importFileType = DBFFormat->isChecked() ? 2 : CommaSeparated->isChecked() ? 3 : 1;
    QDialog::done(result);
}

void TImportFormat::FileButtonClick()
{
    auto error = [this](const QString& text) { ui::showNotice(this, tr("Error"), text, ui::MsgIcon::None); };
    if (CommaSeparated->isChecked()) {
        const QString name = ui::dialogs().openFileName(
            this, tr("Import Data"), QString(),
            ui::caselessFilter(tr("Comma Separated Values (*.csv *.tsv *.txt)")));
        if (!name.isEmpty()) openCsv(name);
        return;
    }
    const bool ascii = AsciiDelimited->isChecked();
    const QString name = ui::dialogs().openFileName(
        this, tr("Import Data"), QString(),
        ui::caselessFilter(ascii ? tr("Ascii Delimited Text (*.TXT)") : tr("DBase  (*.DBF)")));
    if (name.isEmpty()) return;
    QStringList labels;
    QString text;
    if (ascii) {
        // a FIFO or a device is refused at once, and so is a file too large to take in
        const store::BoundedRead file = store::readBoundedFile(name, transfer::kImportFileLimit);
        if (!file.problem.isEmpty()) return ui::showError(this, file.problem);
        const QByteArray& bytes = file.bytes;
        if (const int reason = transfer::binaryRefusal(bytes)) return error(transfer::refusalMessage(reason));
        text = transfer::decodeTextFile(bytes);
        if (const int reason = transfer::firstLineRefusal(text, &labels)) return error(transfer::refusalMessage(reason));
    } else {
        if (!name.right(4).toUpper().endsWith(QLatin1String(".DBF"))) return error(tr("Invalid file type selected."));
        // books appended to the table being read would be read again, without end
        if (backup::sameFile(name, host_.databasePath()))
            return error(tr("The database that is open cannot be imported into itself."));
        try {
            labels = transfer::dbaseFieldNames(name);
        } catch (const std::exception& e) {
            return ui::showError(this, QString::fromLocal8Bit(e.what()));
        }
    }
    TMyImport window(host_, ascii, name, text, labels, this);
    ui::dressWindow(&window, host_.databaseSettings(), store::ConfigureColors);
    const QPoint at = ui::fitWindow(&window, nullptr, host_.windowFactor(), host_.windowScreen());
    if (at.y() > 10) window.move(at.x(), at.y() - 10);
    execModal(window);
    accept();  // closing the import window, however, closes this one too
}

void TImportFormat::openCsv(const QString& name)
{
    // a FIFO or a device is refused at once, and so is a file too large to take in
    const store::BoundedRead file = store::readBoundedFile(name, transfer::kImportFileLimit);
    if (!file.problem.isEmpty()) return ui::showError(this, file.problem);
    transfer::ImportSource source;
    source.kind = transfer::SourceKind::Csv;
    source.path = name;
    source.text = transfer::decodeCsvFile(file.bytes);
    // a NUL is in no text a spreadsheet writes: this is some other kind of file
    if (source.text.left(64 * 1024).contains(QChar(0)))
        return ui::showNotice(this, tr("Error"), tr("The selected file is not a text file."),
                              ui::MsgIcon::None);
    if (source.text.trimmed().isEmpty())
        return ui::showNotice(this, tr("Error"), tr("The selected file holds no books."),
                              ui::MsgIcon::None);
    source.separator = transfer::detectSeparator(source.text);
    TMyImport window(host_, source, this);
    ui::dressWindow(&window, host_.databaseSettings(), store::ConfigureColors);
    const QPoint at = ui::fitWindow(&window, nullptr, host_.windowFactor(), host_.windowScreen());
    if (at.y() > 10) window.move(at.x(), at.y() - 10);
    execModal(window);
    accept();
}
