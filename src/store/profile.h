// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Initialisation files with the semantics of the Windows profile functions: section and key
// names compared without case, the first match wins, a write replaces the key's line in place
// or adds it at the end of its section (creating section and file as needed), and every other
// line is kept. The file is text with CR LF line ends, rewritten whole through a temporary file
// so that a failed write leaves the old file. It is read as UTF-8 when it is valid UTF-8 and as
// Windows-1252 otherwise, and written in Windows-1252 when all of its text fits, else in UTF-8.
#include <QString>
#include <QStringList>

namespace store {

class ProfileFile {
public:
    ProfileFile() = default;
    explicit ProfileFile(const QString& path);  // reads the file; a missing file is empty

    const QString& path() const { return path_; }
    bool exists() const { return exists_; }

    // The value of key in section, cut to maxLength characters; def when there is no such key.
    QString read(const QString& section, const QString& key, const QString& def, int maxLength) const;
    bool contains(const QString& section, const QString& key) const;
    void write(const QString& section, const QString& key, const QString& value);

    // Writes the file; false (and the old file untouched) when it cannot.
    bool save() const;

private:
    int findSection(const QString& section) const;  // line index of the header, -1 if none
    int findKey(int sectionLine, const QString& key) const;

    QString path_;
    QStringList lines_;
    bool exists_ = false;
};

}  // namespace store
