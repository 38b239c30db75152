// SPDX-License-Identifier: GPL-2.0-or-later
#include "reports/report_run.h"

#include <QElapsedTimer>
#include <QSaveFile>

#include "regional/regional.h"
#include "reports/cell_room.h"
#include "reports/report_order.h"
#include "reports/report_text.h"
#include "store/codepage.h"
#include "store/field_table.h"

namespace reports {

namespace {

using render::Justify;
using render::ReportEngine;

const QString kSentinel = QStringLiteral("zzxkytrweq");
constexpr int kCheckOutField = 17;  // holds "Yes" or "No"
constexpr int kGroupValueLength = 120;
constexpr double kCaptionPad = 0.2;  // inches around a boxed caption's text
constexpr double kHeaderTop = 0.5, kBodyTop = 1.25, kBodyGap = 0.75, kFooterHeight = 0.5;

render::FontStyle renderStyle(const ReportFont& f)
{
    render::FontStyle s;
    s.name = f.name;
    s.pointSize = f.size;
    s.bold = f.bold;
    s.italic = f.italic;
    s.underline = f.underline;
    s.strikeOut = f.strikeOut;
    s.color = render::colorFromWindowsRgb(f.color);
    return s;
}

enum class LineKind { ColumnHeaders, OneLineBody, MultiLineBody, Totals };

class Run {
public:
    Run(const RunInput& in, ReportEngine& engine) : in_(in), r_(*in.report), table_(*in.table), e_(engine)
    {
        for (int n = 1; n <= store::kFieldCount; ++n)
            fieldIndex_[std::size_t(n - 1)] = table_.fieldIndex(store::fieldDef(n).name);
        lines_ = std::clamp(r_.numberOfLines, 0, kBodyLines);
        textMode_ = in.mode == RunMode::TextFile;
        const auto& reg = regional::current();
        formatter_ = &reg;
        todayText_ = in.today.year ? reg.formatDate(in.today) : QString();
    }

    RunResult go(render::PageDevice& device)
    {
        ReportEngine::Callbacks cb;
        cb.beforeRun = [this](ReportEngine&) { beforeRun(); };
        cb.header = [this](ReportEngine&) { header(); };
        cb.body = [this](ReportEngine&) { return body(); };
        cb.footer = [this](ReportEngine&) { footer(); };
        cb.afterRun = [this](ReportEngine&) {};
        e_.setMargins(r_.topMargin, r_.bottomMargin, r_.leftMargin, r_.rightMargin);
        e_.setOrientation(r_.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
        clock_.start();
        RunResult result;
        result.completed = e_.run(device, cb);
        result.pages = e_.pageNumber();
        if (textMode_) {
            if (result.completed) {
                flush();
                if (!file_.commit())
                    throw ReportRunError(QStringLiteral("%1: %2").arg(in_.textFile, file_.errorString()).toStdString());
            } else {
                file_.cancelWriting();
            }
        }
        return result;
    }

private:
    // ---- set-up
    void beforeRun()
    {
        cpl_ = r_.charsPerLine == 120 || r_.charsPerLine == 150 ? r_.charsPerLine : 90;
        printable_ = e_.pageWidth() - r_.leftMargin - r_.rightMargin;
        // margins that leave no room for a character would print blank pages
        if (marginFault(r_, {e_.pageWidth(), e_.pageHeight()}) == MarginFault::Across) throw noRoom();
        level1_ = level2_ = 0;
        if (r_.groupLevel1) {
            std::vector<int> used;
            for (int f : in_.sortLevels)
                if (f >= 1 && f <= store::kFieldCount) used.push_back(f);
            if (!used.empty()) level1_ = used[0];
            if (used.size() > 1 && r_.groupLevel2) level2_ = used[1];
        }
        planLines();
        value1_ = value2_ = kSentinel;
        upper1_ = upper2_ = store::upperCp1252(kSentinel);
        if (r_.verticalLines) borders_ |= render::LeftBorder | render::RightBorder;
        if (r_.horizontalLines) borders_ |= render::TopBorder | render::BottomBorder;
        if (textMode_) {
            file_.setFileName(in_.textFile);
            pending_.reserve((1 << 16) + 4096);
            if (!file_.open(QIODevice::WriteOnly))
                throw ReportRunError(QStringLiteral("%1: %2").arg(in_.textFile, file_.errorString()).toStdString());
        }
        row_ = 0;
        order_ = reportOrder(table_, in_.sortLevels);
        count_ = order_ ? order_->size() : table_.recordCount();
    }

    // ---- output shared by the modes
    // A line of the text file that also takes a line of the page.
    void writeLine(const QString& text)
    {
        writeText(text);
        e_.endLine();
    }

    void writeText(const QString& text)
    {
        if (!textMode_) return;
        appendEncoded1252(pending_, text);
        pending_.append("\r\n");
        if (pending_.size() >= 1 << 16) flush();
    }

    void flush()
    {
        if (file_.write(pending_) != pending_.size())
            throw ReportRunError(QStringLiteral("%1: %2").arg(in_.textFile, file_.errorString()).toStdString());
        pending_.resize(0);  // keeps its room
    }

    void header()
    {
        e_.setSection(kHeaderTop, kBodyTop);
        e_.setFont(renderStyle(r_.titleFont));
        for (const QString& t : r_.titles) {
            if (t.isEmpty()) continue;
            if (!textMode_) e_.printCenter(t, e_.pageWidth() / 2);
            writeLine(t);
        }
    }

    void footer()
    {
        const double end = e_.pageHeight() - r_.bottomMargin;
        e_.setSection(end - kFooterHeight, end);
        e_.setFont(renderStyle(r_.footnoteFont));
        // "Page Numbers" off leaves the number out; the footer keeps its lines, so pages break alike
        const QString page = r_.pageNumbers ? QStringLiteral("Page %1").arg(e_.pageNumber()) : QString();
        if (textMode_) {
            writeLine(QString());
            QString line = page + QStringLiteral("     ");
            if (r_.dateOnPages) line += QStringLiteral("     ") + todayText_;
            writeLine(line + QChar(12));
            return;
        }
        e_.printLeft(page);
        if (r_.dateOnPages) e_.printRight(todayText_);
        e_.endLine();
    }

    // ---- the page body
    bool body()
    {
        e_.setSection(kBodyTop, e_.pageHeight() - r_.bottomMargin - kBodyGap);
        bodyEmpty_ = true;
        if (!laidOut_) {
            e_.setFont(renderStyle(r_.bodyFont));
            for (std::size_t l = 0; l < kBodyLines; ++l) bodyRoom_[l] = bodyRoom(body_[l]);
            laidOut_ = true;
        }
        if (lines_ == 1 && r_.columnHeaders) {
            e_.setFont(renderStyle(r_.headerFont));
            if (e_.linesLeft() < 1) throw noRoom();
            columnHeaders();
        }
        e_.setFont(renderStyle(r_.bodyFont));
        if (e_.linesLeft() < 1) throw noRoom();
        if (lines_ == 1) bodyTabs();

        bool newPage = false;
        while (!newPage && row_ < count_ && !e_.aborted()) {
            if (e_.linesLeft() < lines_ && !bodyEmpty_) break;
            if (totalsPending_) newPage = groupTotals();
            if (headerPending_) newPage = groupHeader();
            if (level1_ && !newPage) newPage = checkGroup();
            if (newPage) break;
            const dbase::RecordView rec = current();
            printRecord(rec);
            if (r_.useTotals) addTotals(rec);
            ++row_;
            idle();
        }
        if (row_ >= count_ && !e_.aborted()) grandTotals();
        return !(row_ >= count_ && !grandPending_);
    }

    ReportRunError noRoom() const
    {
        return ReportRunError("The margins and fonts of this report leave no room for a line on the page.  "
                              "Make the margins or the fonts smaller.");
    }

    dbase::RecordView current() const { return table_.record(order_ ? (*order_)[row_] : table_.recordAt(row_)); }

    void idle()
    {
        if ((row_ & 63) == 0 && in_.idle && clock_.elapsed() >= 50) {
            in_.idle();
            clock_.restart();
        }
    }

    // ---- values
    int tableField(int number) const
    {
        return number >= 1 && number <= store::kFieldCount ? fieldIndex_[std::size_t(number - 1)] : -1;
    }

    QString value(const dbase::RecordView& rec, int number) const
    {
        const int i = tableField(number);
        if (i < 0) return QString();
        const store::FieldDef& f = store::fieldDef(number);
        if (f.kind == store::FieldKind::Date) {
            const auto d = rec.date(i);
            return d ? formatter_->formatDate(*d) : QString();
        }
        if (f.type == 'N') {
            const auto v = rec.number(i);
            if (!v) return QString();
            if (f.decimals == 2) return formatter_->money(1, *v);
            if (f.decimals < 0) return formatter_->plain(1, 0, *v);
            return formatter_->grouped(1, 0, *v);
        }
        std::string_view raw = rec.raw(i);
        while (!raw.empty() && (raw.back() == ' ' || raw.back() == '\0')) raw.remove_suffix(1);
        return store::fromCp1252(raw);
    }

    bool numericField(int number) const
    {
        return number >= 1 && number <= store::kFieldCount && store::fieldDef(number).type == 'N';
    }

    QString totalText(const std::array<double, kTotalsFields + 1>& totals, int number) const
    {
        if (number < 1 || number > kTotalsFields) return QString();
        const double v = totals[std::size_t(number)];
        return number == kTotalsFields ? formatter_->grouped(1, 0, v) : formatter_->money(1, v);
    }

    void addTotals(const dbase::RecordView& rec)
    {
        static constexpr int kNumbers[4] = {7, 8, 29, 30};  // Cost, Value, LowMarket, HighMarket
        for (int k = 0; k < 4; ++k) {
            const int i = tableField(kNumbers[k]);
            const double v = i >= 0 ? rec.number(i).value_or(0.0) : 0.0;
            groupTotals_[std::size_t(k + 1)] += v;
            grandTotals_[std::size_t(k + 1)] += v;
        }
        groupTotals_[kTotalsFields] += 1;
        grandTotals_[kTotalsFields] += 1;
    }

    // ---- lines
    // A line's cells as the run prints them, worked out once from the layout's items.
    struct Cell {
        enum Kind { Filler, Label, Field } kind = Filler;
        // What a field's values look like: free text, digits, or a short text of known form
        enum Shape { Free, Digits, Fixed } shape = Free;
        int number = 0;  // field number of a Field cell
        int width = 0;   // characters
        int digits = 0;  // Digits: the most characters a value takes in the cell
        QString label;   // a Label's text; a Fixed field's widest value
        bool numeric = false;
        QChar thousand;  // the group separator of a number's values, if they have one
    };
    using Cells = std::vector<Cell>;

    Cells cellsOf(const ReportLine& line, bool totals) const
    {
        Cells cells;
        for (int k = 0; k < line.usedItems(); ++k) {
            const ReportItem& item = line.items[std::size_t(k)];
            Cell c;
            c.kind = item.isFiller() ? Cell::Filler : item.isLabel() ? Cell::Label : Cell::Field;
            c.number = item.fieldNumber;
            c.width = item.width;
            c.label = item.label;
            c.numeric = c.kind == Cell::Field && (totals || numericField(item.fieldNumber));
            if (c.kind == Cell::Field) describeValues(c, totals);
            cells.push_back(std::move(c));
        }
        return cells;
    }

    void describeValues(Cell& c, bool totals) const
    {
        const auto& reg = *formatter_;
        const QChar moneyGroups = reg.currencyFormat == 2 ? reg.system.thousand : QChar(u',');
        const QChar numberGroups = reg.numericFormat == 2 ? reg.system.thousand : QChar(u',');
        if (c.numeric) {
            c.shape = Cell::Digits;
            c.digits = c.width;
            if (totals) {
                c.thousand = c.number == kTotalsFields ? numberGroups : moneyGroups;
            } else {
                const store::FieldDef& f = store::fieldDef(c.number);
                if (f.decimals < 0) c.digits = std::min(c.width, f.width);
                else c.thousand = f.decimals == 2 ? moneyGroups : numberGroups;
            }
        } else if (c.number >= 1 && c.number <= store::kFieldCount &&
                   store::fieldDef(c.number).kind == store::FieldKind::Date) {
            c.shape = Cell::Fixed;
            c.label = reg.formatDate(dbase::Date {2000, 12, 28});
        } else if (c.number == kCheckOutField) {
            c.shape = Cell::Fixed;
            c.label = QStringLiteral("Yes");
        }
    }

    void planLines()
    {
        for (int l = 0; l < kBodyLines; ++l) body_[std::size_t(l)] = cellsOf(r_.body[std::size_t(l)], false);
        totalsCells_ = cellsOf(r_.totals, true);
    }

    static Justify justification(LineKind kind, const Cell& c)
    {
        switch (kind) {
        case LineKind::ColumnHeaders: return Justify::Center;
        case LineKind::OneLineBody: return c.numeric ? Justify::Right : Justify::Left;
        case LineKind::MultiLineBody:
        case LineKind::Totals: return c.kind == Cell::Label ? Justify::Right : Justify::Left;
        }
        return Justify::Left;
    }

    void defineTabs(const Cells& cells, LineKind kind, int borders, const std::vector<double>& widths)
    {
        e_.clearTabs();
        for (std::size_t k = 0; k < cells.size(); ++k)
            e_.addTab(-1, widths[k], justification(kind, cells[k]), borders);
    }

    void bodyTabs() { defineTabs(body_[0], LineKind::OneLineBody, borders_, bodyRoom_[0]); }

    double layoutWidth(const Cell& c) const { return double(c.width) / cpl_ * printable_; }

    // Where the cells of a line are drawn: the layout's widths, with room lent to the cells whose
    // values would otherwise lose characters to the font. Body lines are laid out once, for the
    // widest value each cell can hold, so that the columns stay put from book to book.
    std::vector<double> bodyRoom(const Cells& cells) const
    {
        double digit = 0;
        for (char d = '0'; d <= '9'; ++d) digit = std::max(digit, e_.textWidth(QString(QChar(d))));
        std::vector<CellRoom> rooms;
        for (const Cell& c : cells) {
            CellRoom r {layoutWidth(c), 0, 0};
            switch (c.kind) {
            case Cell::Filler: r.lend = r.width; break;
            case Cell::Label: r.need = textNeed(c.label.left(c.width)); break;
            case Cell::Field:
                if (c.shape == Cell::Digits) r.need = c.digits * digit + 2 * render::kInnerMargin;
                else if (c.shape == Cell::Fixed) r.need = textNeed(c.label.left(c.width));
                break;
            }
            if (r.need > 0 || c.kind == Cell::Label) r.lend = r.width - r.need;
            rooms.push_back(r);
        }
        return shareRoom(rooms, printable_);
    }

    // A totals line is laid out for the totals it prints; a total that finds no room with its
    // group separators is tried without them.
    std::vector<double> totalsRoom() const
    {
        std::vector<CellRoom> rooms;
        for (std::size_t k = 0; k < totalsCells_.size(); ++k) {
            const Cell& c = totalsCells_[k];
            CellRoom r {layoutWidth(c), 0, 0};
            if (c.kind == Cell::Filler) r.lend = r.width;
            else r.need = textNeed(c.kind == Cell::Label ? c.label.left(c.width) : texts_[k]);
            if (c.kind != Cell::Filler) r.lend = r.width - r.need;
            rooms.push_back(r);
        }
        std::vector<double> widths = shareRoom(rooms, printable_);
        bool again = false;
        for (std::size_t k = 0; k < rooms.size(); ++k) {
            const Cell& c = totalsCells_[k];
            if (c.kind != Cell::Field || widths[k] >= rooms[k].need) continue;
            rooms[k].need = textNeed(ungrouped(c, texts_[k]));
            again = true;
        }
        return again ? shareRoom(rooms, printable_) : widths;
    }

    double textNeed(const QString& text) const
    {
        return text.isEmpty() ? 0 : e_.textWidth(text) + 2 * render::kInnerMargin;
    }

    static QString ungrouped(const Cell& c, const QString& text)
    {
        if (c.thousand.isNull() || !text.contains(c.thousand)) return text;
        QString t = text;
        return t.remove(c.thousand);
    }

    // The values of a line's field cells, in texts_.
    template <typename Text>
    void fillTexts(const Cells& cells, const Text& text)
    {
        texts_.resize(cells.size());
        for (std::size_t k = 0; k < cells.size(); ++k) {
            const Cell& c = cells[k];
            if (c.kind != Cell::Field) texts_[k].clear();
            else if (c.numeric) texts_[k] = text(c.number).trimmed();
            else texts_[k] = text(c.number);
        }
    }

    // Prints the cells of a line whose tab stops are defined, or writes them as one text line.
    void printCells(const Cells& cells)
    {
        if (textMode_) {
            writeCells(cells);
            return;
        }
        for (std::size_t k = 0; k < cells.size(); ++k) {
            const Cell& c = cells[k];
            const double room = e_.tabTextWidth(int(k));
            switch (c.kind) {
            case Cell::Filler: e_.printTab(QString()); break;
            case Cell::Label: e_.printTab(cutToWidth(c.label, room)); break;
            case Cell::Field: e_.printTab(paperValue(c, texts_[k], room)); break;
            }
        }
        e_.endLine();
    }

    // A value on paper. What the text file prints whole is printed whole: a number, a date or
    // "Yes" is never cut for the font; a number too long for its cell's characters fills it with
    // "#", and free text is cut to its room.
    QString paperValue(const Cell& c, const QString& text, double room) const
    {
        if (text.isEmpty() || e_.textWidth(text) <= room) return text;
        if (c.numeric) {
            if (text.size() <= c.width) return text;
            const QString bare = ungrouped(c, text);
            if (e_.textWidth(bare) <= room || bare.size() <= c.width) return bare;
            const double hash = e_.textWidth(QStringLiteral("#"));
            return QString(hash > 0 ? std::max(int(room / hash), 0) : 0, u'#');
        }
        if (c.shape == Cell::Fixed && text.size() <= c.width) return text;
        return cutToWidth(text, room);
    }

    // The cells as one line of the text file. A number longer than its cell takes the blanks
    // after it (without its group separators if that is what makes it fit), leaving a blank
    // before the next cell's text; one that finds no room fills its cell with "#". A value cut
    // to its cell never runs into the next cell's text: its last character gives way to a blank.
    void writeCells(const Cells& cells)
    {
        line_.clear();
        long_.clear();
        for (std::size_t k = 0; k < cells.size(); ++k) {
            const Cell& c = cells[k];
            const qsizetype start = line_.size();
            const QString& t = texts_[k];
            switch (c.kind) {
            case Cell::Filler: line_.resize(line_.size() + std::max(c.width, 0), u' '); break;
            case Cell::Label: appendPadLeft(line_, c.label, c.width); break;
            case Cell::Field:
                if (c.width > 0 && t.size() > c.width) long_.push_back({k, start});
                if (c.numeric && t.size() > c.width) line_.resize(start + c.width, u'#');
                else appendPadRight(line_, t, c.width);
                break;
            }
        }
        for (const auto& [k, start] : long_) {
            const Cell& c = cells[k];
            if (c.numeric && (placeText(start, c.width, texts_[k]) || placeText(start, c.width, ungrouped(c, texts_[k]))))
                continue;
            const qsizetype after = start + c.width;
            if (after < line_.size() && line_[after] != u' ') line_[after - 1] = u' ';
        }
        writeLine(line_);
    }

    // Puts a number at start over its cell's "#", and over blanks after the cell when it is longer.
    bool placeText(qsizetype start, int width, const QString& text)
    {
        const qsizetype end = start + text.size();
        if (text.size() > width) {
            for (qsizetype i = start + width; i < std::min(end + 1, line_.size()); ++i)
                if (line_[i] != u' ') return false;
        }
        const QString cell = text.leftJustified(width, u' ');
        if (end > line_.size()) line_.resize(end, u' ');
        line_.replace(start, cell.size(), cell);
        return true;
    }

    QString cutToWidth(const QString& text, double room) const
    {
        if (text.isEmpty() || e_.textWidth(text) <= room) return text;
        // the longest beginning that fits
        int lo = 0, hi = int(text.size());
        while (lo < hi) {
            const int mid = (lo + hi + 1) / 2;
            if (e_.textWidth(text.left(mid)) <= room) lo = mid;
            else hi = mid - 1;
        }
        return text.left(lo);
    }

    void printRecord(const dbase::RecordView& rec)
    {
        bodyEmpty_ = false;
        if (lines_ == 0) return;
        const auto text = [&](int number) { return value(rec, number); };
        for (std::size_t l = 0; l < std::size_t(lines_); ++l) {
            fillTexts(body_[l], text);
            if (!textMode_ && lines_ > 1) defineTabs(body_[l], LineKind::MultiLineBody, render::NoBorder, bodyRoom_[l]);
            printCells(body_[l]);
        }
    }

    void columnHeaders()
    {
        const Cells& cells = body_[0];
        auto caption = [&](const Cell& c) {
            return c.kind == Cell::Field && c.number >= 1 && c.number <= store::kFieldCount
                       ? in_.displayNames[std::size_t(c.number - 1)]
                       : QString();
        };
        if (textMode_) {
            QString out;
            for (const Cell& c : cells) appendPadRight(out, caption(c), c.width);
            writeLine(out);
            return;
        }
        defineTabs(cells, LineKind::ColumnHeaders, borders_, bodyRoom_[0]);
        int k = 0;
        for (const Cell& c : cells) e_.printTab(cutToWidth(caption(c), e_.tabTextWidth(k++)));
        e_.endLine();
    }

    void printTotalsLine(const std::array<double, kTotalsFields + 1>& totals)
    {
        fillTexts(totalsCells_, [&](int number) { return totalText(totals, number); });
        if (!textMode_) defineTabs(totalsCells_, LineKind::Totals, render::NoBorder, totalsRoom());
        printCells(totalsCells_);
    }

    // A caption centred in a cell with a border below ("TOTALS"), or boxed (a group's header).
    void boxed(const QString& text, int borders)
    {
        if (textMode_) {
            writeLine(QString(std::max(0, (cpl_ - int(text.size())) / 2), u' ') + text);
            return;
        }
        const QString t = cutToWidth(text, printable_ - kCaptionPad);
        const double w = std::min(e_.textWidth(t) + kCaptionPad, printable_);
        e_.clearTabs();
        e_.addTab((printable_ - w) / 2, w, Justify::Center, borders, render::kInnerMargin);
        e_.printTab(t);
        e_.endLine();
    }

    // ---- groups and totals; each returns whether a new page is needed
    bool checkGroup()
    {
        const dbase::RecordView rec = current();
        const QString v1 = value(rec, level1_).left(kGroupValueLength);
        bool brk = false;
        if (!level2_) {
            brk = !sameGroup(v1, value1_, upper1_);
        } else {
            const QString v2 = value(rec, level2_).left(kGroupValueLength);
            if (!sameGroup(v2, value2_, upper2_)) {
                value2_ = v2;
                upper2_ = store::upperCp1252(v2);
                brk = true;
            } else if (!sameGroup(v1, value1_, upper1_)) {
                brk = true;
            }
        }
        if (!brk) return false;
        value1_ = v1;
        upper1_ = store::upperCp1252(v1);
        if (groupTotals()) {
            headerPending_ = true;
            return true;
        }
        return groupHeader();
    }

    // Group values compare as the sort key orders them: without regard to case.
    static bool sameGroup(const QString& value, const QString& current, const QString& currentUpper)
    {
        return value == current || store::upperCp1252(value) == currentUpper;
    }

    bool groupTotals()
    {
        if (!r_.useTotals) {
            totalsPending_ = false;
            return false;
        }
        if (firstGroup_) {
            firstGroup_ = false;
            totalsPending_ = false;
            return false;
        }
        if (e_.linesLeft() < lines_ + 3 && !bodyEmpty_) {
            totalsPending_ = true;
            return true;
        }
        totalsPending_ = false;
        bodyEmpty_ = false;
        boxed(QStringLiteral("TOTALS"), render::BottomBorder);
        printTotalsLine(groupTotals_);
        groupTotals_.fill(0);
        if (lines_ == 1 && !textMode_) bodyTabs();
        return false;
    }

    bool groupHeader()
    {
        if (e_.linesLeft() < lines_ + 2 && !bodyEmpty_) {
            headerPending_ = true;
            return true;
        }
        headerPending_ = false;
        bodyEmpty_ = false;
        const QString text = level2_ ? value1_ + QStringLiteral(", ") + value2_ : value1_;
        writeLine(QString());
        if (textMode_) {
            // the rows of dashes stand for the box drawn round the text on paper: they take no
            // line of the page, so that the pages break where they do on paper
            const QString pad(std::max(0, (cpl_ - int(text.size())) / 2), u' ');
            const QString dashes(text.size(), u'-');
            writeText(pad + dashes);
            writeLine(pad + text);
            writeText(pad + dashes);
        } else {
            boxed(text, render::AllBorders);
            if (lines_ == 1) bodyTabs();
        }
        return false;
    }

    void grandTotals()
    {
        if (grandDone_) return;
        if (!r_.useTotals) {
            grandDone_ = true;
            grandPending_ = false;
            return;
        }
        if (e_.linesLeft() < 5 && !bodyEmpty_) {
            grandPending_ = true;
            return;
        }
        grandPending_ = false;
        grandDone_ = true;
        bodyEmpty_ = false;
        boxed(QStringLiteral("TOTALS"), render::BottomBorder);
        printTotalsLine(groupTotals_);
        writeLine(QString());
        boxed(QStringLiteral("GRAND TOTALS"), render::BottomBorder);
        printTotalsLine(grandTotals_);
    }

    const RunInput& in_;
    const ReportDefinition& r_;
    const dbase::Table& table_;
    ReportEngine& e_;
    const regional::Regional* formatter_ = nullptr;
    std::array<int, store::kFieldCount> fieldIndex_ {};
    QString todayText_;
    QElapsedTimer clock_;
    QSaveFile file_;
    QByteArray pending_;  // text not yet written
    QString line_;        // the text file's line being put together
    std::vector<std::pair<std::size_t, qsizetype>> long_;  // its cells whose values pass their widths
    std::vector<QString> texts_;                           // the values of the line being printed
    std::array<std::vector<double>, kBodyLines> bodyRoom_;
    bool laidOut_ = false;
    std::array<Cells, kBodyLines> body_;
    Cells totalsCells_;
    bool textMode_ = false;
    int lines_ = 1, cpl_ = 90;
    double printable_ = 7.5;
    int level1_ = 0, level2_ = 0;
    QString value1_, value2_, upper1_, upper2_;
    int borders_ = render::NoBorder;
    bool headerPending_ = false, totalsPending_ = false, grandPending_ = false, grandDone_ = false;
    bool firstGroup_ = true, bodyEmpty_ = true;
    std::array<double, kTotalsFields + 1> groupTotals_ {}, grandTotals_ {};
    std::size_t row_ = 0, count_ = 0;
    std::optional<std::vector<std::uint32_t>> order_;  // when the table's order is not the sort order
};

}  // namespace

MarginFault marginFault(const ReportDefinition& report, QSizeF page)
{
    ReportEngine measure;
    measure.setFont(renderStyle(report.bodyFont));
    if (page.width() - report.leftMargin - report.rightMargin < measure.textWidth(QStringLiteral("M")) + 2 * render::kInnerMargin)
        return MarginFault::Across;
    if (page.height() - report.bottomMargin - kBodyGap - kBodyTop < measure.lineHeight()) return MarginFault::Down;
    return MarginFault::None;
}

RunResult runReport(const RunInput& input, ReportEngine& engine, render::PageDevice& device)
{
    Run run(input, engine);
    return run.go(device);
}

}  // namespace reports
