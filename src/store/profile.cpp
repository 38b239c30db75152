// SPDX-License-Identifier: GPL-2.0-or-later
#include "store/profile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

#include "store/codepage.h"

namespace store {

namespace {
bool isSection(const QString& line) { return line.trimmed().startsWith(u'['); }

QString sectionName(const QString& line)
{
    QString t = line.trimmed();
    int end = t.indexOf(u']');
    return (end < 0 ? t.mid(1) : t.mid(1, end - 1)).trimmed();
}

// The key of a "key=value" line; empty for anything else.
QString keyOf(const QString& line)
{
    int eq = line.indexOf(u'=');
    return eq < 0 ? QString() : line.left(eq).trimmed();
}
}  // namespace

ProfileFile::ProfileFile(const QString& path) : path_(path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return;
    exists_ = true;
    const QByteArray bytes = f.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError()) text = fromCp1252(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    lines_ = text.split(u'\n');
    if (!lines_.isEmpty() && lines_.last().isEmpty()) lines_.removeLast();
}

int ProfileFile::findSection(const QString& section) const
{
    for (int i = 0; i < lines_.size(); ++i)
        if (isSection(lines_[i]) && sectionName(lines_[i]).compare(section, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

int ProfileFile::findKey(int sectionLine, const QString& key) const
{
    for (int i = sectionLine + 1; i < lines_.size() && !isSection(lines_[i]); ++i) {
        if (lines_[i].trimmed().startsWith(u';')) continue;
        if (keyOf(lines_[i]).compare(key, Qt::CaseInsensitive) == 0) return i;
    }
    return -1;
}

bool ProfileFile::contains(const QString& section, const QString& key) const
{
    int s = findSection(section);
    return s >= 0 && findKey(s, key) >= 0;
}

QString ProfileFile::read(const QString& section, const QString& key, const QString& def, int maxLength) const
{
    int s = findSection(section);
    int k = s < 0 ? -1 : findKey(s, key);
    QString value = def;
    if (k >= 0) {
        const QString& line = lines_[k];
        value = line.mid(line.indexOf(u'=') + 1).trimmed();
        if (value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"')) value = value.mid(1, value.size() - 2);
    }
    return value.left(maxLength);
}

void ProfileFile::write(const QString& section, const QString& key, const QString& value)
{
    const QString line = key + u'=' + value;
    int s = findSection(section);
    if (s < 0) {
        lines_.append(u'[' + section + u']');
        lines_.append(line);
        return;
    }
    int k = findKey(s, key);
    if (k >= 0) {
        lines_[k] = line;
        return;
    }
    // after the section's last line that is not blank
    int end = s + 1;
    while (end < lines_.size() && !isSection(lines_[end])) ++end;
    int at = end;
    while (at > s + 1 && lines_[at - 1].trimmed().isEmpty()) --at;
    lines_.insert(at, line);
}

bool ProfileFile::save() const
{
    QSaveFile f(path_);
    if (!f.open(QIODevice::WriteOnly)) return false;
    const QString text = lines_.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
    // Windows-1252 for the programs that read these files; UTF-8 when some text needs it
    if (auto cp1252 = toCp1252(text)) {
        f.write(cp1252->data(), qint64(cp1252->size()));
    } else {
        const QByteArray utf8 = text.toUtf8();
        f.write(utf8);
    }
    return f.commit();
}

}  // namespace store
