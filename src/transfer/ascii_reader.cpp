// SPDX-License-Identifier: GPL-2.0-or-later
#include "transfer/ascii_reader.h"

#include <QCoreApplication>
#include <QStringDecoder>

#include "store/codepage.h"
#include "transfer/ascii_format.h"

namespace transfer {

LineRead AsciiReader::readLine(int maxValues, int* surplus)
{
    LineRead line;
    line.line = line_;
    QString value;
    bool quoted = false, closed = false;
    qsizetype opened = 0;  // where the quoted value under way began
    int openedLine = 0;
    auto finish = [&] {
        if (!closed) line.open = true;  // unquoted, or its closing quote missing
        const bool kept = maxValues == 0 || line.values.size() < maxValues;
        if (value.size() > qsizetype(kMaxValue)) {
            if (kept) line.longValues.push_back(int(line.values.size()));
            value.truncate(qsizetype(kMaxValue));
        }
        if (kept) line.values << value;
        else if (surplus) ++*surplus;
        value.clear();
        quoted = closed = false;
    };
    // a quoted value that never closes takes the rest of the file with it: no book is made of it
    auto unclosed = [&] {
        line.unclosed = line.open = true;
        line.unclosedLine = openedLine;
        pos_ = text_.size();
        return line;
    };
    auto runTooLong = [&] { return quoted && !closed && pos_ - opened > kMaxQuotedRun; };
    while (pos_ < text_.size()) {
        const QChar c = text_[pos_++];
        if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && pos_ < text_.size() && text_[pos_] == u'\n') ++pos_;
            ++line_;
            if (quoted && !closed) {
                value += u' ';  // a line break inside quotes belongs to the value, as a blank
                if (runTooLong()) return unclosed();
                continue;
            }
            finish();
            line.blank = line.values.size() == 1 && line.values.first().isEmpty();
            return line;
        }
        if (c.unicode() < 32) continue;
        if (c == u'"') {
            if (!quoted) {
                quoted = true;  // opens the value
                opened = pos_;
                openedLine = line_;
            } else if (!closed) {
                closed = true;  // closes it
            } else {
                value += u'"';  // a doubled quote: one quote, and the value goes on
                closed = false;
            }
            continue;
        }
        if (c == u',' && closed) {
            finish();
            continue;
        }
        // the ordinary characters that follow go in together
        const qsizetype from = pos_ - 1;
        while (pos_ < text_.size()) {
            const QChar d = text_[pos_];
            if (d.unicode() < 32 || d == u'"' || (d == u',' && closed)) break;
            ++pos_;
        }
        value.append(text_.constData() + from, pos_ - from);
        if (runTooLong()) return unclosed();
    }
    if (quoted && !closed) return unclosed();
    finish();
    line.blank = line.values.size() == 1 && line.values.first().isEmpty();
    return line;
}

int firstLineRefusal(const QString& text, QStringList* labels)
{
    AsciiReader reader(text);
    const LineRead line = reader.readLine();
    if (line.values.size() > 46) return 3;
    if (!line.longValues.empty()) return 1;
    if (line.open || text.isEmpty()) return 2;
    if (labels) {
        labels->clear();
        for (const QString& v : line.values) *labels << (v.isEmpty() ? QStringLiteral("<BLANK FIELD>") : v.left(20));
    }
    return 0;
}

int binaryRefusal(const QByteArray& bytes) { return bytes.left(64 * 1024).contains('\0') ? 4 : 0; }

QString refusalMessage(int reason)
{
    static const char* const reasons[] = {
        "",
        QT_TRANSLATE_NOOP("ImportMessages", "The selected file has a field that is greater than 255 characters."),
        QT_TRANSLATE_NOOP("ImportMessages",
                          "The selected file had an unexpected end of a line most likely due to an unmatched quote."),
        QT_TRANSLATE_NOOP("ImportMessages", "The selected file has too many fields.  There are at least 10 more "
                                            "fields than are required by Bindlow."),
        QT_TRANSLATE_NOOP("ImportMessages", "The selected file is not a text file."),
    };
    return QCoreApplication::translate("ImportMessages",
                                       "The file selected does not appear to be an ASCII delimited text file.  An "
                                       "ASCII delimited file requires a unique format of each field being surrounded "
                                       "by double quotes and separated by a comma.  ") +
           QCoreApplication::translate("ImportMessages", reasons[reason >= 1 && reason <= 4 ? reason : 2]);
}

QString decodeTextFile(const QByteArray& bytes)
{
    QByteArrayView data(bytes);
    const bool bom = data.startsWith("\xEF\xBB\xBF");
    bool ascii = true;
    for (char c : data)
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
    if (!ascii) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString text = utf8.decode(bom ? data.sliced(3) : data);
        if (!utf8.hasError()) return text;
    }
    return store::fromCp1252(std::string_view(bytes.constData(), std::size_t(bytes.size())));
}

}  // namespace transfer
