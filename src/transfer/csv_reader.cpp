// SPDX-License-Identifier: GPL-2.0-or-later
#include "transfer/csv_reader.h"

#include <QStringDecoder>

#include "transfer/ascii_reader.h"

namespace transfer {

CsvRow CsvReader::readRow()
{
    CsvRow row;
    row.line = line_;
    QString value;
    bool quoted = false;  // inside quotes
    bool atStart = true;  // nothing of the value read yet
    auto finish = [&] {
        if (row.values.size() < kMaxCsvColumns)
            row.values << value;
        else
            ++row.surplus;
        value.clear();
        atStart = true;
    };
    auto lineBreak = [&](QChar c) {
        if (c == u'\r' && pos_ < text_.size() && text_[pos_] == u'\n') ++pos_;
        ++line_;
    };
    while (pos_ < text_.size()) {
        const QChar c = text_[pos_++];
        if (quoted) {
            if (c == u'"') {
                if (pos_ < text_.size() && text_[pos_] == u'"') {
                    value += u'"';  // a doubled quote is one quote
                    ++pos_;
                } else {
                    quoted = false;
                }
            } else if (c == u'\r' || c == u'\n') {
                lineBreak(c);
                value += u' ';  // a line break inside quotes belongs to the value, as a blank
            } else {
                value += c;
            }
            continue;
        }
        if (c == u'\r' || c == u'\n') {
            lineBreak(c);
            finish();
            row.blank = row.values.size() == 1 && row.values.first().isEmpty();
            return row;
        }
        if (c == separator_) {
            finish();
        } else if (atStart && c == u' ') {
            continue;  // blanks before an opening quote
        } else if (c == u'"' && atStart) {
            quoted = true;  // a quote opens a value only at its start; elsewhere it is a character
            atStart = false;
        } else {
            // the ordinary characters that follow go in together
            const qsizetype from = pos_ - 1;
            while (pos_ < text_.size()) {
                const QChar d = text_[pos_];
                if (d == u'\r' || d == u'\n' || d == separator_) break;
                ++pos_;
            }
            value.append(text_.constData() + from, pos_ - from);
            atStart = false;
        }
    }
    row.unclosed = quoted;
    finish();
    row.blank = row.values.size() == 1 && row.values.first().isEmpty();
    return row;
}

QChar detectSeparator(const QString& text)
{
    int comma = 0, semicolon = 0, tab = 0;
    bool quoted = false;
    for (const QChar c : text) {
        if (c == u'"')
            quoted = !quoted;
        else if (quoted)
            continue;
        else if (c == u'\r' || c == u'\n')
            break;
        else if (c == u',')
            ++comma;
        else if (c == u';')
            ++semicolon;
        else if (c == u'\t')
            ++tab;
    }
    if (tab > comma && tab >= semicolon) return u'\t';
    if (semicolon > comma) return u';';
    return u',';
}

QString decodeCsvFile(const QByteArray& bytes)
{
    const QByteArrayView data(bytes);
    if (data.startsWith("\xFF\xFE") || data.startsWith("\xFE\xFF")) {
        QStringDecoder utf16(data.startsWith("\xFF\xFE") ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE,
                             QStringDecoder::Flag::Stateless);
        return utf16.decode(data.sliced(2));
    }
    return decodeTextFile(bytes);
}

QString plainCsvValue(const QString& value)
{
    const QString v = value.trimmed();
    if (v.size() >= 3 && v.startsWith(QLatin1String("=\"")) && v.endsWith(u'"'))
        return v.mid(2, v.size() - 3).trimmed();
    return v;
}

}  // namespace transfer
