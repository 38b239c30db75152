// SPDX-License-Identifier: GPL-2.0-or-later
#include "store/profile.h"

#include <QSaveFile>
#include <QStringDecoder>

#include "store/bounded_file.h"
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
    if (line.trimmed().startsWith(u';')) return {};
    int eq = line.indexOf(u'=');
    return eq < 0 ? QString() : line.left(eq).trimmed();
}
}  // namespace

ProfileFile::ProfileFile(const QString& path) : path_(path)
{
    const BoundedRead file = readBoundedFile(path, kSettingsFileLimit);
    exists_ = file.exists;
    problem_ = file.problem;
    if (!exists_ || !problem_.isEmpty()) return;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(file.bytes);
    if (utf8.hasError()) text = fromCp1252(std::string_view(file.bytes.constData(), std::size_t(file.bytes.size())));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    for (const QString& line : lines) addLine(line);
}

void ProfileFile::addLine(const QString& line)
{
    if (isSection(line)) {
        const QString name = sectionName(line).toUpper();
        if (!sectionIndex_.contains(name)) sectionIndex_.insert(name, int(sections_.size()));  // the first wins
        sections_.push_back({line, {}, {}});
        return;
    }
    if (sections_.empty()) {
        preamble_.append(line);
        return;
    }
    Section& s = sections_.back();
    const QString key = keyOf(line).toUpper();
    if (!key.isEmpty() && !s.keys.contains(key)) s.keys.insert(key, int(s.lines.size()));
    s.lines.append(line);
}

const QString* ProfileFile::find(const QString& section, const QString& key) const
{
    const auto s = sectionIndex_.constFind(section.toUpper());
    if (s == sectionIndex_.constEnd()) return nullptr;
    const Section& sec = sections_[std::size_t(*s)];
    const auto k = sec.keys.constFind(key.toUpper());
    return k == sec.keys.constEnd() ? nullptr : &sec.lines[*k];
}

bool ProfileFile::contains(const QString& section, const QString& key) const { return find(section, key) != nullptr; }

QString ProfileFile::read(const QString& section, const QString& key, const QString& def, int maxLength) const
{
    QString value = def;
    if (const QString* line = find(section, key)) {
        value = line->mid(line->indexOf(u'=') + 1).trimmed();
        if (value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"')) value = value.mid(1, value.size() - 2);
    }
    return value.left(maxLength);
}

void ProfileFile::write(const QString& section, const QString& key, const QString& value)
{
    const QString line = key + u'=' + value;
    const QString upperKey = key.toUpper();
    auto s = sectionIndex_.constFind(section.toUpper());
    if (s == sectionIndex_.constEnd()) {
        sectionIndex_.insert(section.toUpper(), int(sections_.size()));
        sections_.push_back({u'[' + section + u']', {line}, {{upperKey, 0}}});
        return;
    }
    Section& sec = sections_[std::size_t(*s)];
    if (const auto k = sec.keys.constFind(upperKey); k != sec.keys.constEnd()) {
        sec.lines[*k] = line;
        return;
    }
    // after the section's last line that is not blank: the lines after it hold no key
    int at = int(sec.lines.size());
    while (at > 0 && sec.lines[at - 1].trimmed().isEmpty()) --at;
    sec.lines.insert(at, line);
    sec.keys.insert(upperKey, at);
}

bool ProfileFile::save() const
{
    if (!problem_.isEmpty()) return false;  // a file that could not be read is left as it is
    QStringList all = preamble_;
    for (const Section& s : sections_) {
        all.append(s.header);
        all.append(s.lines);
    }
    QSaveFile f(path_);
    if (!f.open(QIODevice::WriteOnly)) return false;
    const QString text = all.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
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
