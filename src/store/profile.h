// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Initialisation files with the semantics of the Windows profile functions: section and key
// names compared without case, the first match wins, a write replaces the key's line in place
// or adds it at the end of its section (creating section and file as needed), and every other
// line is kept. The file is text with CR LF line ends, rewritten whole through a temporary file
// so that a failed write leaves the old file. It is read as UTF-8 when it is valid UTF-8 and as
// Windows-1252 otherwise, and written in Windows-1252 when all of its text fits, else in UTF-8.
//
// A file is read once, in one pass, and looked up through an index of its sections and keys, so
// that a file of any length costs no more than reading it. A file that is not a regular file, or
// is larger than the settings limit, is not read: it reads as empty, says what is wrong, and is
// never written over.
#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

namespace store {

class ProfileFile {
public:
    ProfileFile() = default;
    explicit ProfileFile(const QString& path);  // reads the file; a missing file is empty

    const QString& path() const { return path_; }
    bool exists() const { return exists_; }
    // What kept the file from being read (a FIFO, a device, too large); empty when it was read.
    const QString& problem() const { return problem_; }

    // The value of key in section, cut to maxLength characters; def when there is no such key.
    QString read(const QString& section, const QString& key, const QString& def, int maxLength) const;
    bool contains(const QString& section, const QString& key) const;
    void write(const QString& section, const QString& key, const QString& value);

    // Writes the file; false (and the old file untouched) when it cannot, or when it could not be
    // read in the first place.
    bool save() const;

private:
    struct Section {
        QString header;            // the "[Name]" line as it stands
        QStringList lines;         // the lines after it, up to the next section
        QHash<QString, int> keys;  // upper-case key → its first line in lines
    };
    void addLine(const QString& line);
    const QString* find(const QString& section, const QString& key) const;

    QString path_, problem_;
    QStringList preamble_;  // lines before the first section
    std::vector<Section> sections_;
    QHash<QString, int> sectionIndex_;  // upper-case name → the first section of that name
    bool exists_ = false;
};

}  // namespace store
