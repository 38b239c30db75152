#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-2.0-or-later
# A small mutation check, run by hand (not by CI): each mutation below puts one small plausible
# fault into one source file (a flipped comparison, an off-by-one, a dropped statement), rebuilds
# the test binary that covers that module, runs it, and puts the file back. A mutation is caught
# when the binary fails.
#
#   scripts/mutate.py [--list] [NAME...]     all mutations, or only those named
#   scripts/mutate.py --file FILE [--list] [--check] [NAME...]
#                                              the mutations written in FILE (its head says how)
#
# A run that takes longer than --timeout seconds (900 by default) counts as caught, as a test that
# waits for ever is a test that fails; its processes are ended and the run goes on. The file under
# change is put back whatever ends the run: on an exception or a signal at once, and after a kill
# that left no chance by the next run (the original waits in build/mutate-pending/).
#
# Needs a configured build/ with BINDLOW_TESTS=ON (scripts/build.sh -DBINDLOW_TESTS=ON). Builds
# with -j2. The sharing and crash tests of dbase_tests take long and test other things; they are
# left out of the runs (see SKIP).
import argparse
import os
import re
import signal
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BUILD = os.path.join(ROOT, "build")

# the slow child-process tests (a pack killed at every step, a killed writer) stay out of the runs
SKIP = {"dbase_tests": "-Processes.APackKilledAtAnyStepLosesNothing:Processes.AProgramKilledWhileAppendingLosesNoPostedRecord"}

# the tests of import and the text format, in gui_tests
IMP = "Import*:AsciiReader*"
# and those of comma-separated files
CSV = "Import*:AsciiReader*:Csv*:KnownHeadings*"
# and those of undoing an import, the comma-separated export and the command line's import
UNDO = "UndoImport*:Csv*:ImportCommand*:Import*:Export*"

# the tests of the translations, in gui_tests
TR = "Translations.*"

# name, source file, test binary, text to replace (must occur exactly once), replacement, and
# optionally the tests of the binary to run (a --gtest_filter)
MUTATIONS = [
    ("bcd-leading-zero-exponent", "src/dbase/expr.cpp", "dbase_tests",
     "if (seenPoint) --exponent;", "if (seenPoint) {}"),
    ("bcd-keep-trailing-zeros", "src/dbase/expr.cpp", "dbase_tests",
     "while (nd > 0 && digits[nd - 1] == '0') --nd;", ""),
    ("bcd-digit-count-shift", "src/dbase/expr.cpp", "dbase_tests",
     "((nd & 0x1F) << 2) | 0x01", "((nd & 0x1F) << 2)"),
    ("bcd-twenty-digits-off-by-one", "src/dbase/expr.cpp", "dbase_tests",
     "if (nd < 20) digits[nd++] = c;", "if (nd < 19) digits[nd++] = c;"),
    ("bcd-negative-magnitude-not-reversed", "src/dbase/expr.cpp", "dbase_tests",
     "return sa > 0 ? m : -m;", "return m;"),
    ("bcd-sign-order-flipped", "src/dbase/expr.cpp", "dbase_tests",
     "if (sa != sb) return sa < sb ? -1 : 1;", "if (sa != sb) return sa > sb ? -1 : 1;"),
    ("bcd-exponent-compare-flipped", "src/dbase/expr.cpp", "dbase_tests",
     "if (a[0] != b[0]) return a[0] < b[0] ? -1 : 1;", "if (a[0] != b[0]) return a[0] > b[0] ? -1 : 1;"),
    ("key-nul-kept", "src/dbase/expr.cpp", "dbase_tests",
     "if (out[i] == 0) out[i] = ' ';", ";"),
    ("trim-nul-kept", "src/dbase/values.cpp", "dbase_tests",
     "while (!s.empty() && (s.back() == ' ' || s.back() == '\\0')) s.remove_suffix(1);",
     "while (!s.empty() && s.back() == ' ') s.remove_suffix(1);"),
    ("edit-writes-stale-count", "src/dbase/table_write.cpp", "dbase_tests",
     "if (!inserting) put32(stamp + 4, held ? heldCount_ : diskRecordCount());", ""),
    ("append-without-end-mark", "src/dbase/table_write.cpp", "dbase_tests",
     "out.push_back(0x1A);", ""),
    ("index-block-from-header-count", "src/dbase/mdx.cpp", "dbase_tests",
     "page = filePages_;", "page = pageCount_;"),
    ("header-year-window", "src/dbase/header.cpp", "dbase_tests",
     "yy < 80 ? 2000 + yy", "yy <= 75 ? 2000 + yy"),
    ("header-year-window-edge", "src/dbase/header.cpp", "dbase_tests",
     "yy < 80 ? 2000 + yy", "yy <= 80 ? 2000 + yy"),
    ("section-name-untrimmed", "src/store/profile.cpp", "store_tests",
     "return (end < 0 ? t.mid(1) : t.mid(1, end - 1)).trimmed();", "return end < 0 ? t.mid(1) : t.mid(1, end - 1);"),
    ("criteria-limit-off-by-one", "src/find/search_criteria.cpp", "store_tests",
     "if (int(criteria_.size()) + 1 > kMaxCriteria) return false;",
     "if (int(criteria_.size()) + 1 >= kMaxCriteria) return false;"),
    ("criteria-limit-past", "src/find/search_criteria.cpp", "store_tests",
     "if (int(criteria_.size()) + 1 > kMaxCriteria) return false;",
     "if (int(criteria_.size()) > kMaxCriteria) return false;"),
    ("any-word-empty-words", "src/find/search_criteria.cpp", "store_tests",
     "c.text.split(u' ', Qt::SkipEmptyParts)", "c.text.split(u' ')"),
    ("criteria-greater-inclusive", "src/find/search_criteria.cpp", "store_tests",
     "c.op == Greater ? value > wanted", "c.op == Greater ? value >= wanted"),
    ("locate-empty-start-matches", "src/find/locate.cpp", "gui_tests",
     "case MatchType::PartialStart: return k && n >= k", "case MatchType::PartialStart: return n >= k"),
    ("locate-empty-start-number", "src/find/locate.cpp", "gui_tests",
     "case MatchType::PartialStart: return !value.isEmpty() && text.startsWith(value);",
     "case MatchType::PartialStart: return text.startsWith(value);"),
    ("whole-number-ten-digits", "src/edit/record_values.cpp", "gui_tests",
     "-?\\\\d{1,9}", "-?\\\\d{1,10}"),
    ("whole-number-check-dropped", "src/edit/windows/record_editor_values.cpp", "gui_tests",
     "if (!validWholeNumber(text(QStringLiteral(\"Pages\"))))", "if (false)"),
    # reports on paper and their order
    ("order-stale-tag-trusted", "src/reports/report_order.cpp", "print_tests",
     "tagged && sameKeyExpression(activeExpression(table), wanted)) return std::nullopt;", "tagged) return std::nullopt;"),
    ("order-ties-unstable", "src/reports/report_order.cpp", "print_tests",
     "std::stable_sort(places.begin()", "std::sort(places.begin()"),
    ("order-visible-rows-unsorted", "src/reports/report_order.cpp", "print_tests",
     "std::sort(records.begin(), records.end());", ";"),
    ("order-compare-reversed", "src/reports/report_order.cpp", "print_tests",
     "int(length)) < 0;", "int(length)) > 0;"),
    ("order-expression-case", "src/reports/report_order.cpp", "print_tests",
     "out.push_back(char(std::toupper(static_cast<unsigned char>(c))));", "out.push_back(c);"),
    ("order-not-used-in-run", "src/reports/report_run.cpp", "print_tests",
     "order_ = reportOrder(table_, in_.sortLevels);", "order_ = std::nullopt;"),
    ("room-right-skipped", "src/reports/cell_room.cpp", "print_tests",
     "for (std::size_t j = i + 1; j < n && short_ > 0; ++j) take(j, i, short_);", ""),
    ("room-spare-ignored", "src/reports/cell_room.cpp", "print_tests",
     "const double t = std::min(short_, spare);", "const double t = 0;"),
    ("room-left-skipped", "src/reports/cell_room.cpp", "print_tests",
     "for (std::size_t j = i; j-- > 0 && short_ > 0;) take(j, i, short_);", ""),
    ("room-lend-unclamped", "src/reports/cell_room.cpp", "print_tests",
     "lend[k] = std::clamp(cells[k].lend, 0.0, cells[k].width);", "lend[k] = cells[k].lend;"),
    ("room-lender-not-shrunk", "src/reports/cell_room.cpp", "print_tests", "width[from] -= t;", ""),
    ("paper-fixed-cut", "src/reports/report_run.cpp", "print_tests",
     "if (c.shape == Cell::Fixed && text.size() <= c.width) return text;", ""),
    ("paper-number-whole-dropped", "src/reports/report_run.cpp", "print_tests",
     "if (text.size() <= c.width) return text;", ""),
    ("paper-ungrouped-dropped", "src/reports/report_run.cpp", "print_tests",
     "if (e_.textWidth(bare) <= room || bare.size() <= c.width) return bare;", "if (bare.size() <= c.width) return bare;"),
    ("text-gap-dropped", "src/reports/report_run.cpp", "print_tests",
     "if (after < line_.size() && line_[after] != u' ') line_[after - 1] = u' ';", ""),
    ("text-gap-check-short", "src/reports/report_run.cpp", "print_tests",
     "i < std::min(end + 1, line_.size()); ++i)", "i < std::min(end, line_.size()); ++i)"),
    ("text-ungrouped-not-tried", "src/reports/report_run.cpp", "print_tests",
     "(placeText(start, c.width, texts_[k]) || placeText(start, c.width, ungrouped(c, texts_[k])))",
     "placeText(start, c.width, texts_[k])"),
    ("body-digits-need-nothing", "src/reports/report_run.cpp", "print_tests",
     "if (c.shape == Cell::Digits) r.need = c.digits * digit + 2 * render::kInnerMargin;",
     "if (c.shape == Cell::Digits) r.need = 0;"),
    ("year-digits-uncapped", "src/reports/report_run.cpp", "print_tests",
     "if (f.decimals < 0) c.digits = std::min(c.width, f.width);", "if (f.decimals < 0) c.digits = c.width;"),
    ("totals-ungrouped-retry-dropped", "src/reports/report_run.cpp", "print_tests",
     "return again ? shareRoom(rooms, printable_) : widths;", "return widths;"),
    ("checkout-not-fixed", "src/reports/report_run.cpp", "print_tests",
     "} else if (c.number == kCheckOutField) {", "} else if (false) {"),
    ("margin-across-unchecked", "src/reports/report_run.cpp", "print_tests",
     "if (marginFault(r_, {e_.pageWidth(), e_.pageHeight()}) == MarginFault::Across) throw noRoom();", ""),
    ("margin-down-unchecked", "src/reports/report_run.cpp", "gui_tests",
     "if (page.height() - report.bottomMargin - kBodyGap - kBodyTop < measure.lineHeight()) return MarginFault::Down;", ""),
    ("cli-unreadable-index-stops", "src/reports/report_command.cpp", "print_tests",
     "table.open(folder, name, {false, true, {}, true});", "throw;"),
    ("pdf-title-from-job", "src/render/page_device.cpp", "print_tests",
     "writer_->setTitle(documentTitle_.isEmpty() ? title_ : documentTitle_);", "writer_->setTitle(title_);"),
    # report windows
    ("printer-pdf-by-position", "src/reports/report_printer.cpp", "gui_tests",
     "if (!stored.defaultPrinter && stored.pdfFile) {", "if (!stored.defaultPrinter && stored.printerIndex == installed.size()) {"),
    ("printer-name-ignored", "src/reports/report_printer.cpp", "gui_tests",
     "if (!stored.printerName.isEmpty()) c.index = int(installed.indexOf(stored.printerName));", "if (false) {}"),
    ("select-pdf-not-shown", "src/reports/windows/printer_select_window.cpp", "gui_tests",
     "PrinterList->setCurrentIndex(pdfFile ? printers_ :", "PrinterList->setCurrentIndex(pdfFile ? -1 :"),
    ("zoom-bar-not-reserved", "src/reports/windows/preview_window.cpp", "gui_tests",
     "else if (page.height() * z > height) z = (width - bar) / page.width();", ""),
    ("ctrl-x-not-caught", "src/reports/windows/preview_window.cpp", "gui_tests",
     "if (key->key() == Qt::Key_X && key->modifiers() == Qt::ControlModifier) {",
     "if (key->key() == Qt::Key_Y && key->modifiers() == Qt::ControlModifier) {"),
    ("layout-name-as-stored", "src/reports/windows/user_report_window.cpp", "gui_tests",
     "shown.name = ReportName->text().trimmed().left(30);", ""),
    ("designer-margins-portrait-only", "src/reports/windows/user_report_window.cpp", "gui_tests",
     "if (LandOrient->isChecked()) page.transpose();", ""),
    ("font-dialog-on-stored-family", "src/ui/appearance.cpp", "gui_tests",
     "shown.setFamily(QFontInfo(font).family());", ""),
    ("font-name-substitute-kept", "src/ui/appearance.cpp", "gui_tests",
     "if (f->family() == shown.family()) chosen.name = current.name;", ""),
    ("pdf-setting-not-read", "src/store/settings.cpp", "store_tests",
     "s.pdfFile = readYes(f, \"Reports\", \"PDF File\", false);", "s.pdfFile = false;"),
    # backup and restore
    ("copy-index-mark-kept", "src/backup/file_copy.cpp", "store_tests",
     "if (table && done == 0 && got > kIndexMark) buffer[kIndexMark] = 0;", "", "FileCopy*"),
    ("copy-index-mark-every-block", "src/backup/file_copy.cpp", "store_tests",
     "if (table && done == 0 && got > kIndexMark)", "if (table && got > kIndexMark)", "FileCopy*"),
    ("copy-failure-leaves-partial", "src/backup/file_copy.cpp", "store_tests",
     "        ::unlink(out.c_str());\n        return {false, systemError(failure)};",
     "        return {false, systemError(failure)};", "FileCopy*"),
    ("replace-rename-failure-ignored", "src/backup/file_copy.cpp", "store_tests",
     "nativePath(destination).c_str()) == 0 ? 0 : errno;", "nativePath(destination).c_str()) == 0 ? 0 : 0;", "FileCopy*"),
    ("replace-never-renamed", "src/backup/file_copy.cpp", "store_tests",
     "if (committed) failure = commit();", "", "FileCopy*"),
    ("copy-lock-ignored", "src/backup/file_copy.cpp", "store_tests",
     "return ::fcntl(fd, F_OFD_SETLK, &l) == 0 || (errno != EAGAIN && errno != EACCES);",
     "::fcntl(fd, F_OFD_SETLK, &l);\n    return true;", "FileCopy*"),
    ("leftovers-any-hidden-file", "src/backup/file_copy.cpp", "store_tests",
     "{QStringLiteral(\".*.restoring\")}", "{QStringLiteral(\".*\")}", "FileCopy*"),
    ("leftovers-removed-while-written", "src/backup/file_copy.cpp", "store_tests",
     "if (lockWhole(fd)) ::unlink(path.c_str());", "::unlink(path.c_str());", "FileCopy*"),
    ("space-folder-counts-as-older-copy", "src/backup/file_copy.cpp", "store_tests",
     "dest.isFile() ? dest.size() : 0", "dest.exists() ? dest.size() : 0", "FileCopy*"),
    ("space-besides-strict", "src/backup/file_copy.h", "store_tests",
     "return free >= source;", "return free > source;", "FileCopy*"),
    ("space-in-place-without-older", "src/backup/file_copy.h", "store_tests",
     "return existing + free >= source;", "return free >= source;", "FileCopy*"),
    ("copy-in-place-not-truncated", "src/backup/file_copy.cpp", "store_tests",
     "int failure = ::ftruncate(fd, 0) == 0 ? 0 : errno;", "int failure = 0;", "FileCopy*"),
    ("backup-asks-with-room-beside", "src/backup/windows/backup_window.cpp", "gui_tests",
     "if (space.besides()) return Room::Besides;", "", "Backup*"),
    ("backup-no-ignored", "src/backup/windows/backup_window.cpp", "gui_tests",
     "return replace ? Room::InPlace : Room::Declined;", "return Room::InPlace;", "Backup*"),
    ("backup-always-in-place", "src/backup/windows/backup_window.cpp", "gui_tests",
     "if (room == Room::InPlace) return backup::copyFile", "if (true) return backup::copyFile", "Backup*"),
    ("backup-declined-table-goes-on", "src/backup/windows/backup_window.cpp", "gui_tests",
     "    const Room room = roomFor(source, destination);\n    if (room == Room::Declined) return false;\n    const bool searched",
     "    const Room room = roomFor(source, destination);\n    const bool searched", "Backup*"),
    ("backup-done-before-reopen", "src/backup/windows/backup_window.cpp", "gui_tests",
     "    const bool ok = copy(source, destination, room, true);\n    restore.now();",
     "    const bool ok = copy(source, destination, room, true);", "Backup*"),
    ("backup-list-failure-unreported", "src/backup/windows/backup_window.cpp", "gui_tests",
     "else if (!backup::replaceFile(source, destination, {}, false, kTemporary).ok) outcome = kFailed();",
     "else backup::replaceFile(source, destination, {}, false, kTemporary);", "Backup*"),
    ("backup-table-keeps-index-mark", "src/backup/windows/backup_window.cpp", "gui_tests",
     "copy(source, destination, room, true)", "copy(source, destination, room, false)", "Backup*"),
    ("backup-folder-root-never-shown", "src/backup/windows/backup_window.cpp", "gui_tests",
     "if (!level.endsWith(u'/')) level += u'/';", "level += u'/';", "Backup*"),
    ("backup-folder-before-load-ignored", "src/backup/windows/backup_window.cpp", "gui_tests",
     "if (!wanted_.isEmpty()) return wanted_;", "", "Backup*"),
    ("backup-picked-folder-ignored", "src/backup/windows/backup_window.cpp", "gui_tests",
     "if (!wanted_.isEmpty() && now != folders_->index(wanted_)) wanted_.clear();", "", "Backup*"),
    ("backup-report-no-room-ignored", "src/backup/windows/backup_window.cpp", "gui_tests",
     "    if (room == Room::None) {\n        restore.now();\n        say(tr(\"Error\"),\n            tr(\"There is not enough room on the destination drive to perform a backup.",
     "    if (false) {\n        restore.now();\n        say(tr(\"Error\"),\n            tr(\"There is not enough room on the destination drive to perform a backup.", "Backup*"),
    ("restore-not-asked", "src/backup/windows/restore_window.cpp", "gui_tests",
     "if (QFileInfo(destination).isFile() && !ui::askConfirm(", "if (false && !ui::askConfirm(", "Restore*"),
    ("restore-search-ended-before-question", "src/backup/windows/restore_window.cpp", "gui_tests",
     "    if (!host_.checkBookTable(this, source)) return false;",
     "    if (host_.searchActive()) host_.endSearch();\n    if (!host_.checkBookTable(this, source)) return false;", "Restore*"),
    ("restore-index-room-ignored", "src/backup/windows/restore_window.cpp", "gui_tests",
     "space.free - space.source + space.existing + oldIndex < host_.indexBytes(source, destination)", "false",
     "Restore*"),
    ("restore-old-index-not-counted", "src/backup/windows/restore_window.cpp", "gui_tests",
     "space.existing + oldIndex <", "space.existing <", "Restore*"),
    ("restore-room-counts-old-table", "src/backup/windows/restore_window.cpp", "gui_tests",
     "if (!space.besides() ||", "if (!space.inPlace() ||", "Restore*"),
    ("restore-lists-into-program-folder", "src/backup/windows/restore_window.cpp", "gui_tests",
     "const QString destination = backup::findCaseless(into, table + extension);",
     "const QString destination = backup::findCaseless(host_.programDirectory(), table + extension);", "Restore*"),
    ("restore-own-settings-into-program-folder", "src/backup/windows/restore_window.cpp", "gui_tests",
     "const bool own = name == host_.tableName();", "const bool own = false;", "Restore*"),
    ("restore-unsorted-not-said", "src/app/backup_commands.cpp", "gui_tests",
     "        main_.sayUnsorted(owner);\n", "", "Restore*"),
    ("restore-check-over-main-window", "src/app/backup_commands.cpp", "gui_tests",
     "return main_.CheckDBaseFormat(owner, path, false);",
     "return main_.CheckDBaseFormat(&main_, path, false);", "Restore*"),
    ("switch-index-failure-thrown", "src/app/database_files.cpp", "gui_tests",
     "                sorted = false;\n", "                throw;\n", "Restore*"),
    ("index-estimate-without-tag-header", "src/dbase/mdx.cpp", "gui_tests",
     "return (4 + kPages + nodes * kPages) * 512;", "return (4 + nodes * kPages) * 512;", "Restore*"),
    ("index-estimate-leaves-only", "src/dbase/mdx.cpp", "gui_tests",
     "        nodes += level;\n", "", "Restore*"),
    ("start-leftovers-kept", "src/app/main_window.cpp", "gui_tests",
     "if (!app::browseRequested(options.arguments)) backup::removeLeftovers(programDirectory);", "", "Restore*"),
    ("start-leftovers-removed-in-browse-mode", "src/app/main_window.cpp", "gui_tests",
     "if (!app::browseRequested(options.arguments)) backup::removeLeftovers(programDirectory);",
     "backup::removeLeftovers(programDirectory);", "Restore*"),
    # import, export and conversion keep every value and say what they could not keep
    ("reader-break-ends-quoted-value", "src/transfer/ascii_reader.cpp", "gui_tests",
     "            if (quoted && !closed) {\n                value += u' ';", "            if (false) {\n                value += u' ';", IMP),
    ("reader-break-dropped", "src/transfer/ascii_reader.cpp", "gui_tests",
     "value += u' ';  // a line break", "// a line break", IMP),
    ("reader-run-limit-doubled", "src/transfer/ascii_reader.cpp", "gui_tests",
     "pos_ - opened > kMaxQuotedRun;", "pos_ - opened > 2 * kMaxQuotedRun;", IMP),
    ("reader-unclosed-at-end-posted", "src/transfer/ascii_reader.cpp", "gui_tests",
     "    if (quoted && !closed) return unclosed();\n    finish();", "    finish();", IMP),
    ("reader-lines-not-counted", "src/transfer/ascii_reader.cpp", "gui_tests", "++line_;", "", IMP),
    ("reader-opened-line-of-record", "src/transfer/ascii_reader.cpp", "gui_tests",
     "openedLine = line_;", "openedLine = line.line;", IMP),
    ("binary-check-whole-file", "src/transfer/ascii_reader.cpp", "gui_tests",
     "bytes.left(64 * 1024).contains", "bytes.contains", IMP),
    ("binary-reason-text-lost", "src/transfer/ascii_reader.cpp", "gui_tests",
     "reason >= 1 && reason <= 4 ? reason : 2", "reason >= 1 && reason <= 3 ? reason : 2", IMP),
    ("iso-date-slashes", "src/transfer/book_reader.cpp", "gui_tests",
     "v[4] != u'-' || v[7] != u'-'", "v[4] != u'-' || v[7] != u'/'", IMP),
    ("iso-date-never-checked", "src/transfer/book_reader.cpp", "gui_tests",
     "return QDate::isValid(d.year, d.month, d.day) ? std::optional(d) : std::nullopt;", "return d;", IMP),
    ("cut-not-counted", "src/transfer/book_reader.cpp", "gui_tests", "++counts.cut;", "", IMP),
    ("cut-blanks-counted", "src/transfer/book_reader.cpp", "gui_tests",
     "if (!dbase::trimRight(std::string_view(bytes).substr(std::size_t(f.width))).empty()) {", "if (true) {", IMP),
    ("replaced-not-noted", "src/transfer/book_reader.cpp", "gui_tests",
     "if (counts.replaced != replaced) note(", "if (false) note(", IMP),
    ("letters-date-not-counted", "src/transfer/book_reader.cpp", "gui_tests",
     "                leaveEmpty(counts, line, fieldNumber, value);\n            }\n            return;\n        }\n    }",
     "            }\n            return;\n        }\n    }", IMP),
    ("unclosed-record-posted", "src/transfer/book_reader.cpp", "gui_tests",
     "        if (line.unclosed) {", "        if (false) {", IMP),
    ("stopped-line-not-told", "src/transfer/book_reader.cpp", "gui_tests",
     "            counts.stoppedAt = line.unclosedLine;\n            return false;", "            return false;", IMP),
    ("text-notes-untitled", "src/transfer/book_reader.cpp", "gui_tests",
     "if (surplus) note(counts, line.line, 0, store::ValueNote::LeftOut, QString::number(surplus));\n        nameBook(counts, first, book);",
     "if (surplus) note(counts, line.line, 0, store::ValueNote::LeftOut, QString::number(surplus));", IMP),
    ("surplus-not-noted", "src/transfer/book_reader.cpp", "gui_tests",
     "if (surplus) note(counts, line.line", "if (false) note(counts, line.line", IMP),
    ("unstorable-counts-every-field", "src/transfer/import_records.cpp", "gui_tests",
     "number > 0 && store::fieldDef(number).kind == store::FieldKind::Text &&", "number > 0 &&", IMP),
    ("unstorable-reads-the-heading", "src/transfer/import_records.cpp", "gui_tests",
     "    if (skipFirst && !reader.atEnd()) reader.readLine(n, nullptr);\n    int found", "    int found", IMP),
    ("dbase-bad-date-silent", "src/transfer/book_reader.cpp", "gui_tests",
     "if (ti >= 0) leftEmpty();  // no such day", "// no such day", IMP),
    ("dbase-big-number-silent", "src/transfer/book_reader.cpp", "gui_tests",
     "                out.number = v.value_or(0);\n            } else {\n                leftEmpty();\n            }",
     "                out.number = v.value_or(0);\n            }", IMP),
    ("summary-cut-missing", "src/transfer/import_records.cpp", "gui_tests", "    if (c.cut)\n", "    if (false)\n", IMP),
    ("export-century-dropped", "src/transfer/export_records.cpp", "gui_tests",
     "regional.formatDate(*d, true).toLatin1()", "regional.formatDate(*d).toLatin1()", IMP),
    ("full-year-ignored", "src/regional/regional.cpp", "gui_tests", "run >= 4 || fullYear", "run >= 4", IMP),
    ("export-said-before-search-back", "src/transfer/windows/export_window.cpp", "gui_tests",
     "    aside.reset();  // the search", "    // the search", "Export*"),
    ("notes-first-book-untitled", "src/store/value_notes.cpp", "gui_tests",
     "k = std::max<qsizetype>(first, 0);", "k = std::max<qsizetype>(first, 0) + 1;", IMP),
    ("notes-long-values-whole", "src/store/value_notes.cpp", "gui_tests",
     "constexpr qsizetype kShown = 60;", "constexpr qsizetype kShown = 255;", IMP),
    ("conversion-cut-not-noted", "src/conversion/old_databases.cpp", "store_tests",
     "if (putText(to, toField, textOf(from, fromField))) note(", "if (putText(to, toField, textOf(from, fromField)) && false) note(", "OldDatabases*"),
    ("conversion-date-not-noted", "src/conversion/old_databases.cpp", "store_tests",
     "        else if (!shown.empty()) note(to, toField, store::ValueNote::LeftEmpty, shown);\n", "", "OldDatabases*"),
    ("conversion-pages-not-noted", "src/conversion/old_databases.cpp", "store_tests",
     "pagesOf(old, k + 1)) && !shownText(old, k + 1).empty())", "pagesOf(old, k + 1)) && false)", "OldDatabases*"),
    ("conversion-v1-date-not-noted", "src/conversion/old_databases.cpp", "store_tests",
     "if (!parts.isEmpty()) note(", "if (false) note(", "OldDatabases*"),
    ("conversion-notes-not-told", "src/conversion/old_databases.cpp", "store_tests",
     "if (!notes.isEmpty()) tellNotes(host, f, notes);", "", "OldDatabases*"),
    ("conversion-record-from-zero", "src/conversion/old_databases.cpp", "store_tests",
     "Noter(notes, n + 1)", "Noter(notes, n)", "OldDatabases*"),
    ("conversion-blank-number-noted", "src/conversion/old_databases.cpp", "store_tests",
     "numberOf(from, fromField)) && !shown.empty())", "numberOf(from, fromField)) && true)", "OldDatabases*"),
    ("disabled-choice-not-greyed", "src/ui/appearance.cpp", "gui_tests",
     "p.setColor(QPalette::Disabled, role, faded);", "p.setColor(QPalette::Disabled, role, text);",
     "WindowColors.Disabled*:Export*"),
    # every file the program reads is bounded
    ("past-slot-flag-unchecked", "src/dbase/header.cpp", "dbase_tests",
     "if (slot[0] != ' ' && slot[0] != '*') return false;", "", "Damage.*:Cli.*"),
    ("past-slot-zero-byte-allowed", "src/dbase/header.cpp", "dbase_tests",
     "if (p[i] == 0 || !std::strchr(allowed, p[i])) return false;", "if (!std::strchr(allowed, p[i])) return false;",
     "Damage.*:Cli.*"),
    ("past-slot-date-unchecked", "src/dbase/header.cpp", "dbase_tests",
     "if (!allOf(p, w, \" \") && !allOf(p, w, \"0123456789\")) return false;", "", "Damage.*:Cli.*"),
    ("past-count-goes-on-after-junk", "src/dbase/header.cpp", "dbase_tests",
     "if (!slotReadsAsRecord(h, run.data() + i * h.recordLength)) return std::uint32_t(good);",
     "if (!slotReadsAsRecord(h, run.data() + i * h.recordLength)) continue;", "Damage.*:Cli.*"),
    ("past-count-one-slot-tolerance-dropped", "src/dbase/header.cpp", "dbase_tests",
     "if (whole <= std::uint64_t(h.recordCount) + 1) return 0;", "if (whole <= std::uint64_t(h.recordCount)) return 0;",
     "Damage.*:Cli.*"),
    ("recover-bytes-left-unsaid", "src/cli/bindlow_dbf.cpp", "dbase_tests",
     "if (ec || size <= end + 1) return;", "return;", "Cli.*"),
    ("bounded-special-file-read", "src/store/bounded_file.cpp", "store_tests",
     "if (!info.isFile()) return QCoreApplication", "if (false) return QCoreApplication", "SpecialFiles*:Profile*"),
    ("bounded-size-unchecked", "src/store/bounded_file.cpp", "store_tests",
     "    if (info.size() > limit)\n", "    if (false)\n", "SpecialFiles*:Profile*"),
    ("bounded-read-whole-limit-at-once", "src/store/bounded_file.cpp", "store_tests",
     "r.bytes.reserve(qsizetype(std::min(f.size(), limit)) + 1);", "r.bytes = f.read(limit + 1);", "BoundedRead*"),
    ("bounded-reserve-the-limit", "src/store/bounded_file.cpp", "store_tests",
     "std::min(f.size(), limit)", "std::max(f.size(), limit)", "BoundedRead*"),
    ("bounded-piece-short", "src/store/bounded_file.cpp", "store_tests",
     "r.bytes.append(piece, qsizetype(n));", "r.bytes.append(piece, qsizetype(n) - 1);", "BoundedRead*"),
    ("bounded-last-piece-only", "src/store/bounded_file.cpp", "store_tests",
     "r.bytes.append(piece, qsizetype(n));", "r.bytes = QByteArray(piece, qsizetype(n));", "BoundedRead*"),
    ("bounded-one-piece", "src/store/bounded_file.cpp", "store_tests",
     "while (r.bytes.size() <= limit) {", "while (r.bytes.isEmpty()) {", "BoundedRead*"),
    ("list-blank-by-bytes", "src/edit/data_lists.cpp", "store_tests",
     "if (entry.trimmed().isEmpty()) continue;", "if (line.trimmed().isEmpty()) continue;", "DataLists*"),
    ("list-blank-untrimmed", "src/edit/data_lists.cpp", "store_tests",
     "if (entry.trimmed().isEmpty()) continue;", "if (entry.isEmpty()) continue;", "DataLists*"),
    ("list-blank-ends-list", "src/edit/data_lists.cpp", "store_tests",
     "if (entry.trimmed().isEmpty()) continue;", "if (entry.trimmed().isEmpty()) break;", "DataLists*"),
    ("list-entry-trimmed", "src/edit/data_lists.cpp", "store_tests",
     "list << entry;", "list << entry.trimmed();", "DataLists*"),
    ("list-one-cr-dropped", "src/edit/data_lists.cpp", "store_tests",
     "while (line.endsWith('\\r')) line.chop(1);", "if (line.endsWith('\\r')) line.chop(1);", "DataLists*"),
    ("list-cut-after-cr", "src/edit/data_lists.cpp", "store_tests",
     "line.truncate(255);  // then the line ends: a CR that the cut brings to the end goes too\n"
     "        while (line.endsWith('\\r')) line.chop(1);",
     "while (line.endsWith('\\r')) line.chop(1);\n        line.truncate(255);", "DataLists*"),
    ("list-cut-keeps-cr", "src/edit/data_lists.cpp", "store_tests",
     "while (line.endsWith('\\r')) line.chop(1);", "while (line.endsWith('\\r') && line.size() < 255) line.chop(1);",
     "DataLists*"),
    ("list-cut-256", "src/edit/data_lists.cpp", "store_tests",
     "line.truncate(255);", "line.truncate(256);", "DataLists*"),
    ("list-cr-kept", "src/edit/data_lists.cpp", "store_tests",
     "while (line.endsWith('\\r')) line.chop(1);", ";", "DataLists*"),
    ("profile-later-section-wins", "src/store/profile.cpp", "store_tests",
     "if (!sectionIndex_.contains(name)) sectionIndex_.insert(name, int(sections_.size()));",
     "sectionIndex_.insert(name, int(sections_.size()));", "SpecialFiles*:Profile*:Settings*"),
    ("profile-later-key-wins", "src/store/profile.cpp", "store_tests",
     "if (!key.isEmpty() && !s.keys.contains(key)) s.keys.insert(key, int(s.lines.size()));",
     "if (!key.isEmpty()) s.keys.insert(key, int(s.lines.size()));", "SpecialFiles*:Profile*:Settings*"),
    ("profile-refused-file-saved", "src/store/profile.cpp", "store_tests",
     "if (!problem_.isEmpty()) return false;", "", "SpecialFiles*:Profile*"),
    ("profile-added-after-blank", "src/store/profile.cpp", "store_tests",
     "while (at > 0 && sec.lines[at - 1].trimmed().isEmpty()) --at;", "", "SpecialFiles*:Profile*:Settings*"),
    ("profile-comment-as-key", "src/store/profile.cpp", "store_tests",
     "if (line.trimmed().startsWith(u';')) return {};", "", "SpecialFiles*:Profile*:Settings*"),
    ("settings-range-ignored", "src/store/settings.cpp", "store_tests",
     "return ok ? range.clamp(v) : range.def;", "return ok ? v : range.def;", "SettingRanges*:Settings*"),
    ("settings-preset-any", "src/store/settings.cpp", "store_tests",
     "if (s.windowSize != 800 && s.windowSize != 1024 && s.windowSize != 1280) s.windowSize = R::kWindowSize.def;", "",
     "SettingRanges*:Settings*"),
    ("settings-font-size-unbounded", "src/store/settings.cpp", "store_tests",
     "font.size = readNumber(f, section, \"Size\", {defaultSize, R::kFontSize.lo, R::kFontSize.hi});",
     "font.size = readNumber(f, section, \"Size\", {defaultSize, -2147483647, 2147483647});", "SettingRanges*:Settings*"),
    ("settings-problem-unsaid", "src/store/settings.cpp", "store_tests",
     "    s.reportHeight = readNumber(f, \"Reports\", \"Report Viewing Window Height\", R::kReportHeight);\n    s.problem = f.problem();",
     "    s.reportHeight = readNumber(f, \"Reports\", \"Report Viewing Window Height\", R::kReportHeight);",
     "SpecialFiles*"),
    ("lists-refused-saved", "src/edit/data_lists.cpp", "store_tests",
     "if (refused_.contains(QFileInfo(path).absoluteFilePath())) return;", "", "SpecialFiles*"),
    ("report-width-unbounded", "src/reports/report_definition.cpp", "store_tests",
     "item.width = std::clamp(item.width, 0, kMostItemWidth);", "", "Report*"),
    ("report-line-sum-unbounded", "src/reports/report_definition.cpp", "store_tests",
     "item.width = std::min(item.width, kMostLineWidth - used);", "", "Report*"),
    ("report-font-size-unbounded", "src/reports/report_definition.cpp", "store_tests",
     "f.size = size >= kLeastFontSize && size <= kMostFontSize ? size : 10;", "f.size = size;", "Report*"),
    ("report-margin-negative", "src/reports/report_definition.cpp", "store_tests",
     "return std::isfinite(d) && d >= 0 && d <= kMostMargin ? d : 0.5;", "return std::isfinite(d) && d <= kMostMargin ? d : 0.5;",
     "Report*"),
    ("report-margin-huge", "src/reports/report_definition.cpp", "store_tests",
     "return std::isfinite(d) && d >= 0 && d <= kMostMargin ? d : 0.5;", "return std::isfinite(d) && d >= 0 ? d : 0.5;",
     "Report*"),
    ("report-file-fifo-opened", "src/reports/report_command.cpp", "print_tests",
     "if (!problem->isEmpty()) return std::nullopt;", "", "ReportCommand*"),
    # and the survivors of the report sample, again after their tests
    ("order-ties-unstable-2", "src/reports/report_order.cpp", "print_tests",
     "std::stable_sort(places.begin()", "std::sort(places.begin()", "ReportOrder*"),
    ("room-lend-unclamped-2", "src/reports/cell_room.cpp", "print_tests",
     "lend[k] = std::clamp(cells[k].lend, 0.0, cells[k].width);", "lend[k] = cells[k].lend;", "ReportPaper*"),
    ("paper-fixed-cut-2", "src/reports/report_run.cpp", "print_tests",
     "if (c.shape == Cell::Fixed && text.size() <= c.width) return text;", "", "ReportPaper*"),
    ("paper-number-whole-dropped-2", "src/reports/report_run.cpp", "print_tests",
     "            if (text.size() <= c.width) return text;\n", "", "ReportPaper*"),
    ("body-digits-need-nothing-2", "src/reports/report_run.cpp", "print_tests",
     "if (c.shape == Cell::Digits) r.need = c.digits * digit + 2 * render::kInnerMargin;",
     "if (c.shape == Cell::Digits) r.need = 0;", "ReportPaper*"),
    ("totals-ungrouped-retry-dropped-2", "src/reports/report_run.cpp", "print_tests",
     "return again ? shareRoom(rooms, printable_) : widths;", "return widths;", "ReportPaper*"),
    ("margin-across-unchecked-2", "src/reports/report_run.cpp", "print_tests",
     "if (marginFault(r_, {e_.pageWidth(), e_.pageHeight()}) == MarginFault::Across) throw noRoom();", "", "ReportRun*"),
    ("cli-unreadable-index-stops-2", "src/reports/report_command.cpp", "print_tests",
     "table.open(folder, name, {false, true, {}, true});", "throw;", "ReportOrder*:ReportCommand*"),
    ("designer-margins-portrait-only-2", "src/reports/windows/user_report_window.cpp", "gui_tests",
     "if (LandOrient->isChecked()) page.transpose();", "", "ReportChoices*"),

    # the desktop: a table from the command line, names for screen readers, the keyboard
    ("cli-database-ignores-browse", "src/app/command_line.cpp", "gui_tests",
     "const qsizetype at = browseRequested(parameters) ? 1 : 0;", "const qsizetype at = 0;", "OpenFromFileManager*"),
    ("cli-database-from-cwd", "src/app/command_line.cpp", "gui_tests",
     "QDir::cleanPath(QDir(startDirectory).absoluteFilePath(parameters.at(at)))",
     "QDir::cleanPath(QDir().absoluteFilePath(parameters.at(at)))", "OpenFromFileManager*"),
    ("cli-database-not-cleaned", "src/app/command_line.cpp", "gui_tests",
     "QDir::cleanPath(QDir(startDirectory).absoluteFilePath(parameters.at(at)))",
     "QDir(startDirectory).absoluteFilePath(parameters.at(at))", "OpenFromFileManager*"),
    ("cli-switch-taken-for-file", "src/app/command_line.cpp", "gui_tests",
     "if (!store::hasTableSuffix(path) && !QFileInfo::exists(path)) return {};", "",
     "OpenFromFileManager*:MainWindow.Browse*"),
    ("cli-dbf-case-sensitive", "src/store/book_table.cpp", "gui_tests",
     "QLatin1String(\".DBF\"), Qt::CaseInsensitive)", "QLatin1String(\".DBF\"), Qt::CaseSensitive)",
     "OpenFromFileManager*"),
    ("requested-extension-unchecked", "src/app/database_files.cpp", "gui_tests",
     "    if (!dbfExtension(path)) {\n        ui::showError(this, tr(\"Invalid file type selected.\"));\n        return false;",
     "    if (false) {\n        ui::showError(this, tr(\"Invalid file type selected.\"));\n        return false;",
     "OpenFromFileManager*:MainWindow.AnInvalid*"),
    ("requested-taken-unchecked", "src/app/database_files.cpp", "gui_tests",
     "    if (!passesOpenChecks(path)) return false;\n    const QString last", "    passesOpenChecks(path);\n    const QString last",
     "OpenFromFileManager*"),
    ("requested-last-not-listed", "src/app/database_files.cpp", "gui_tests",
     "if (!last.isEmpty() && QFileInfo(last).isFile()) DoLastFiles(last, currentDatabase);", "", "OpenFromFileManager*"),
    ("requested-ignored", "src/app/main_window.cpp", "gui_tests",
     "        takeRequestedDatabase(requested);\n", "        {}\n", "OpenFromFileManager*"),
    ("names-keep-access-key", "src/ui/accessible_names.cpp", "gui_tests",
     "if (text[i] == '&' && i + 1 < text.size()) ++i;", ";", "Accessibility*"),
    ("names-keep-colon", "src/ui/accessible_names.cpp", "gui_tests", "if (out.endsWith(':')) out.chop(1);", "",
     "Accessibility*"),
    ("names-no-label-above", "src/ui/accessible_names.cpp", "gui_tests",
     "distance = 1000 + r.top() - l.bottom();", "distance = INT_MAX;", "Accessibility*"),
    ("names-hint-ignored", "src/ui/accessible_names.cpp", "gui_tests",
     "if (QString hint = readText(w->toolTip()); !hint.isEmpty()) return hint;", "", "Accessibility*"),
    ("names-not-on-show", "src/ui/application_filter.h", "gui_tests", "qApp->installEventFilter(filter);", "",
     "Accessibility*"),
    ("names-drawn-buttons-skipped", "src/ui/accessible_names.cpp", "gui_tests",
     "return w->focusPolicy() != Qt::NoFocus || qobject_cast<QAbstractButton*>(w);",
     "return w->focusPolicy() != Qt::NoFocus;", "Accessibility*"),
    ("names-window-fallback-dropped", "src/ui/accessible_names.cpp", "gui_tests",
     "if (qobject_cast<QAbstractScrollArea*>(w) || qobject_cast<QTabWidget*>(w)) return readText(window->windowTitle());",
     "", "Accessibility*"),
    ("navigator-read-as-glyph", "src/ui/navigator.cpp", "gui_tests",
     "b->setAccessibleName(tr(kText[i].hint));", "", "Accessibility*"),
    ("search-field-names-are-stops", "src/find/windows/search_window.cpp", "gui_tests",
     "return column == 2 || (column == 1", "return column != 1 || (column == 1", "SearchWindow*"),
    ("search-empty-options-a-stop", "src/find/windows/search_window.cpp", "gui_tests",
     "(column == 1 && item(row, 1) && !item(row, 1)->text().isEmpty())", "(column == 1)", "SearchWindow*"),
    ("search-f4-ignored", "src/find/windows/search_window.cpp", "gui_tests",
     "const bool opens = key == Qt::Key_F4 ||", "const bool opens =", "SearchWindow*"),
    ("search-space-ignored", "src/find/windows/search_window.cpp", "gui_tests",
     "key == Qt::Key_Enter || key == Qt::Key_Space ||", "key == Qt::Key_Enter ||", "SearchWindow*"),
    ("layout-right-unclamped", "src/reports/windows/report_layout_window.cpp", "gui_tests",
     "index = std::min<qsizetype>(index + 1, qsizetype(items.size()) - 1);", "index = index + 1;", "ReportDesigner*"),
    ("layout-no-totals-line", "src/reports/windows/report_layout_window.cpp", "gui_tests",
     "if (useTotals_) lines.push_back(kTotalsLine);", "", "ReportDesigner*"),
    ("layout-f2-opens-nothing", "src/reports/windows/report_layout_window.cpp", "gui_tests",
     "case Qt::Key_F2: editCell(chosen_); break;", "case Qt::Key_F2: break;", "ReportDesigner*"),
    ("layout-not-a-tab-stop", "src/reports/windows/report_layout_window.cpp", "gui_tests",
     "setFocusPolicy(Qt::StrongFocus);", "setFocusPolicy(Qt::ClickFocus);", "ReportDesigner*"),
    ("layout-name-unchanged", "src/reports/windows/report_layout_window.cpp", "gui_tests",
     "tr(\"Report Layout, \") + where", "tr(\"Report Layout, \")", "ReportDesigner*"),
    ("space-toggles-nothing", "src/ui/grid_keys.cpp", "gui_tests",
     "if (grid_->currentIndex().isValid()) toggle_(grid_->currentIndex().row());", "", "GridKeys*:Import.TheWindow*"),
    ("return-presses-default", "src/ui/grid_keys.cpp", "gui_tests",
     "return key == Qt::Key_Return || key == Qt::Key_Enter;", "return false;", "GridKeys*"),
    ("viewer-space-on-field-name", "src/display/windows/view_config.cpp", "gui_tests",
     "        FieldsToDisplay->setCurrentCell(row, 1);\n", "", "GridKeys*"),
    ("grid-focus-not-restored", "src/app/main_window.cpp", "gui_tests",
     "if (refocusGrid_ && isVisible()) ViewerGrid->setFocus(Qt::OtherFocusReason);", "", "GridKeys*"),
    ("ctrl-tab-always-forward", "src/ui/keyboard_focus.cpp", "gui_tests",
     "focusBeside(view, k->key() == Qt::Key_Tab && !(k->modifiers() & Qt::ShiftModifier));", "focusBeside(view, true);",
     "GridKeys*:KeyboardFocus*"),
    ("ctrl-tab-stays-in-grid", "src/ui/keyboard_focus.cpp", "gui_tests",
     "focusBeside(view, k->key() == Qt::Key_Tab && !(k->modifiers() & Qt::ShiftModifier));\n                    return true;",
     "return false;", "GridKeys*:KeyboardFocus*:Accessibility*:Import.TheWindow*"),
    ("radio-group-entered-anywhere", "src/ui/keyboard_focus.cpp", "gui_tests",
     "            checked->setFocus(reason);  // coming in: at the chosen button", "", "KeyboardFocus*"),
    ("focus-drawn-after-first-tab", "src/ui/keyboard_focus.cpp", "gui_tests",
     "w->setAttribute(Qt::WA_KeyboardFocusChange);", "", "KeyboardFocus*"),
    ("focus-mark-low-contrast", "src/ui/appearance.cpp", "gui_tests",
     "const QColor mark = contrast(text, background) >= 3.0 ? text : plain;", "const QColor mark = text;",
     "KeyboardFocus*"),
    ("preview-focus-unmarked", "src/reports/windows/preview_window.cpp", "gui_tests",
     "\"#PageScroll:focus { border: 2px solid palette(highlight); }\"", "\"\"", "KeyboardFocus*"),
    ("editor-tab-old-order", "src/edit/windows/record_editor.cpp", "gui_tests",
     "combo(\"Publisher\"), box(\"Editor\"), combo(\"BookType\"),", "combo(\"Publisher\"), combo(\"BookType\"),",
     "RecordEditor*"),
    # more faults in the report windows and the bounds, chosen from the code
    ("whole-page-zoom-width-only", "src/reports/windows/preview_window.cpp", "gui_tests",
     "if (wholePage) z = std::min(z, height / page.height());", "if (wholePage) {}", "ReportPreview*:ReportChoices*"),
    ("ctrl-x-page-box-only", "src/reports/windows/preview_window.cpp", "gui_tests",
     "if ((watched == PageEdit || watched == ZoomEdit) &&", "if ((watched == PageEdit) &&", "ReportChoices*"),
    ("select-pdf-never-chosen", "src/reports/windows/printer_select_window.cpp", "gui_tests",
     "pdf_ = chosen == printers_;", "pdf_ = false;", "ReportList*:ReportChoices*"),
    ("setup-pdf-clears-printer", "src/reports/windows/report_list_window.cpp", "gui_tests",
     "if (printSelect_->printerIndex() >= 0 || !db.pdfFile) {", "if (true) {", "ReportList*:ReportChoices*"),
    ("margin-room-ignores-font", "src/reports/report_run.cpp", "print_tests",
     "< measure.textWidth(QStringLiteral(\"M\")) + 2 * render::kInnerMargin)", "< 0)", "ReportRun*"),
    ("designer-margin-unbounded", "src/reports/windows/user_report_window.cpp", "gui_tests",
     "return ok && v >= 0 && v <= reports::kMostMargin ?", "return ok && v >= 0 ?", "ReportChoices*:ReportDesigner*"),
    ("setting-low-bound-ignored", "src/store/setting_ranges.h", "store_tests",
     "constexpr int clamp(int v) const { return v < lo || v > hi ? def : v; }",
     "constexpr int clamp(int v) const { return v > hi ? def : v; }", "SettingRanges*:Settings*"),
    ("lists-problem-unsaid", "src/edit/data_lists.cpp", "store_tests",
     "    problems_ << problem;\n", "", "SpecialFiles*"),
    ("old-reports-special-read", "src/reports/old_reports.cpp", "store_tests",
     "if (!old.exists || !old.problem.isEmpty()) return false;", "if (!old.exists) return false;", "Old*:Report*"),
    ("past-slots-read-past-the-file", "src/dbase/header.cpp", "dbase_tests",
     "const std::size_t n = std::size_t(std::min<std::uint64_t>(perRun, candidates - good));",
     "const std::size_t n = perRun;", "Damage.*:Cli.*"),
    # comma-separated files, pairing by headings, the preview
    ("csv-doubled-quote-kept", "src/transfer/csv_reader.cpp", "gui_tests",
     "value += u'\"';  // a doubled quote is one quote\n                    ++pos_;", "value += u'\"';", CSV),
    ("csv-break-in-quotes-dropped", "src/transfer/csv_reader.cpp", "gui_tests",
     "value += u' ';  // a line break inside quotes belongs to the value, as a blank", ";", CSV),
    ("csv-crlf-two-lines", "src/transfer/csv_reader.cpp", "gui_tests",
     "if (c == u'\\r' && pos_ < text_.size() && text_[pos_] == u'\\n') ++pos_;", ";", CSV),
    ("csv-quote-anywhere", "src/transfer/csv_reader.cpp", "gui_tests",
     "} else if (c == u'\"' && atStart) {", "} else if (c == u'\"') {", CSV),
    ("csv-column-limit-off-by-one", "src/transfer/csv_reader.cpp", "gui_tests",
     "if (row.values.size() < kMaxCsvColumns)", "if (row.values.size() <= kMaxCsvColumns)", CSV),
    ("csv-unclosed-not-said", "src/transfer/csv_reader.cpp", "gui_tests", "row.unclosed = quoted;", ";", CSV),
    ("csv-tab-never-chosen", "src/transfer/csv_reader.cpp", "gui_tests",
     "if (tab > comma && tab >= semicolon) return u'\\t';", "", CSV),
    ("csv-separator-inside-quotes-counted", "src/transfer/csv_reader.cpp", "gui_tests",
     "        else if (quoted)\n            continue;", "        else if (false)\n            continue;", CSV),
    ("csv-utf16-byte-order", "src/transfer/csv_reader.cpp", "gui_tests",
     "data.startsWith(\"\\xFF\\xFE\") ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE",
     "QStringDecoder::Utf16LE", CSV),
    ("csv-formula-kept", "src/transfer/csv_reader.cpp", "gui_tests",
     "v.startsWith(QLatin1String(\"=\\\"\")) && v.endsWith(u'\"')", "false", CSV),
    ("amount-ambiguous-guessed", "src/transfer/csv_values.cpp", "gui_tests",
     "if (canDecimal && mayGroup && !whole) return std::nullopt;", "", CSV),
    ("amount-last-mark-first", "src/transfer/csv_values.cpp", "gui_tests",
     "s.lastIndexOf(u'.') > s.lastIndexOf(u',') ? u'.' : u','", "s.lastIndexOf(u'.') < s.lastIndexOf(u',') ? u'.' : u','", CSV),
    ("amount-groups-of-four", "src/transfer/csv_values.cpp", "gui_tests",
     "if (parts[k].size() != 3) return false;", "if (parts[k].size() < 3) return false;", CSV),
    ("amount-sign-lost", "src/transfer/csv_values.cpp", "gui_tests",
     "QString out = (negative ? QStringLiteral(\"-\") : QString()) + digits;", "QString out = digits;", CSV),
    ("amount-letters-between-digits", "src/transfer/csv_values.cpp", "gui_tests",
     "if (!digitSeen || s.contains(u'|')", "if (!digitSeen", CSV),
    ("amount-user-decimal-ignored", "src/transfer/csv_values.cpp", "gui_tests",
     "(mark == u'.' || mark == decimal)", "(mark == u'.')", CSV),
    ("value-rating-zero-kept", "src/transfer/csv_values.cpp", "gui_tests", "if (number && r == 0) return QString();", "", CSV),
    ("value-year-of-date", "src/transfer/csv_values.cpp", "gui_tests", "if (const auto day = isoDay(v)) return day->left(4);",
     "if (const auto day = isoDay(v)) return *day;", CSV),
    ("value-isbn-brackets-kept", "src/transfer/csv_values.cpp", "gui_tests",
     "if (field == 10 && v.startsWith(u'[') && v.endsWith(u']'))", "if (false)", CSV),
    ("value-slash-date", "src/transfer/csv_values.cpp", "gui_tests", "if ((s != u'-' && s != u'/') || v[7] != s)",
     "if (s != u'-' || v[7] != s)", CSV),
    ("headings-plain-before-exports", "src/transfer/known_headings.cpp", "gui_tests",
     "constexpr int kExportRank = 0, kNameRank = 1, kPlainRank = 2;",
     "constexpr int kExportRank = 2, kNameRank = 1, kPlainRank = 0;", CSV),
    ("headings-case-kept", "src/transfer/known_headings.cpp", "gui_tests",
     "if (!c.isSpace() && c != QChar(0xFEFF)) key += c.toLower();", "if (!c.isSpace()) key += c;", CSV),
    ("headings-later-column-wins", "src/transfer/known_headings.cpp", "gui_tests",
     "if (column[f] < 0 || it->better(best[f])) {", "if (column[f] < 0 || !best[f].better(*it)) {", CSV),
    ("headings-database-names-ignored", "src/transfer/known_headings.cpp", "gui_tests",
     "QString::fromLatin1(def.displayName), names[std::size_t(n - 1)]}", "QString::fromLatin1(def.displayName)}", CSV),
    ("remembered-any-line", "src/transfer/remembered_pairings.cpp", "gui_tests",
     "if (!entry.startsWith(key)) continue;", "", CSV),
    ("remembered-oldest-kept", "src/transfer/remembered_pairings.cpp", "gui_tests",
     "kept.prepend(key + u' ' + fields.join(u','));", "kept.append(key + u' ' + fields.join(u','));", CSV),
    ("reader-csv-lent-not-checked-out", "src/transfer/book_reader.cpp", "gui_tests",
     "if (!checkOutPaired && !book.text(19).trimmed().isEmpty() && places[17] >= 0)", "if (false)", CSV),
    ("reader-csv-surplus-uncounted", "src/transfer/book_reader.cpp", "gui_tests",
     "const int surplus = row.surplus + std::max(0, int(row.values.size()) - n);", "const int surplus = row.surplus;", CSV),
    ("reader-csv-unreadable-uncounted", "src/transfer/book_reader.cpp", "gui_tests",
     "                leaveEmpty(counts, row.line, number, row.values[k]);", "                ;", CSV),
    ("reader-dbase-skips-first", "src/transfer/book_reader.cpp", "gui_tests", "if (record > 0) table.next();", "table.next();", CSV),
    ("duplicates-isbn-punctuation", "src/transfer/duplicate_books.cpp", "gui_tests",
     "if (c >= '0' && c <= '9') {", "if (c != ' ') {", CSV),
    ("duplicates-deleted-count", "src/transfer/duplicate_books.cpp", "gui_tests", "if (r.deleted()) return;", "", CSV),
    ("duplicates-file-forgotten", "src/transfer/duplicate_books.cpp", "gui_tests",
     "    if (k.isbn) file_.insert(k.isbn);\n", "", CSV),
    ("duplicates-case-kept", "src/transfer/duplicate_books.cpp", "gui_tests",
     "if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7)) c = char(u + 32);", "", CSV),
    ("import-skip-ignored", "src/transfer/import_records.cpp", "gui_tests",
     "if (duplicates && duplicates->check(book) != DuplicateBooks::New) {", "if (false) {", CSV),
    ("import-lists-repeat", "src/transfer/import_records.cpp", "gui_tests",
     "if (!value.isEmpty() && !set.contains(value)) {", "if (!value.isEmpty()) {", CSV),
    ("preview-first-books-only", "src/transfer/import_preview.cpp", "gui_tests", "        ++preview.total;\n", "", CSV),
    ("window-pairing-not-remembered", "src/transfer/windows/import_window.cpp", "gui_tests",
     "if (p != headingPairing_ && !headings_.isEmpty()) transfer::rememberPairing", "if (false) transfer::rememberPairing", CSV),
    ("window-column-stays-twice", "src/transfer/windows/import_window.cpp", "gui_tests",
     "if (r != row && ImportGrid->item(r, 1)->data(Qt::UserRole).toInt() == source) {", "if (false) {", CSV),
    ("window-lists-not-saved", "src/transfer/windows/import_window.cpp", "gui_tests", "if (added) host_.listsChanged();", "", CSV),
    ("window-skip-first-not-set", "src/transfer/windows/import_window.cpp", "gui_tests",
     "if (found.recognised > 0 || remembered) SkipFirst->setChecked(true);", "", CSV),
    ("lists-added-twice", "src/edit/data_lists.cpp", "gui_tests",
     "if (t.isEmpty() || there.contains(t)) continue;", "if (t.isEmpty()) continue;", CSV),
    # undoing an import, comma-separated export, the command line's import
    ("undo-forget-ignored-on-import", "src/transfer/windows/import_window.cpp", "gui_tests",
     "    transfer::forgetLastImport(host_.basePath());\n", "", UNDO),
    ("undo-not-recorded", "src/transfer/windows/import_window.cpp", "gui_tests",
     "if (failure.isEmpty() && !counts.appended.empty())", "if (false)", UNDO),
    ("undo-appended-not-kept", "src/transfer/import_records.cpp", "gui_tests",
     "counts_.appended.push_back(target_.recordNumber());", "", UNDO),
    ("undo-fingerprint-skips-bytes", "src/transfer/import_undo.cpp", "gui_tests",
     "for (std::size_t k = 1; k < table.header().recordLength; ++k) {", "for (std::size_t k = 1; k < 2; ++k) {", UNDO),
    ("undo-changed-not-counted", "src/transfer/import_undo.cpp", "gui_tests",
     "if (bookFingerprint(table, b.record) != b.fingerprint) ++plan.changed;", "", UNDO),
    ("undo-deleted-counted", "src/transfer/import_undo.cpp", "gui_tests",
     "if (table.record(b.record).deleted()) continue;", "", UNDO),
    ("undo-stale-not-seen", "src/transfer/import_undo.cpp", "gui_tests",
     "            plan.stale = true;\n", "", UNDO),
    ("undo-load-size-unchecked", "src/transfer/import_undo.cpp", "gui_tests",
     "|| qulonglong(read.bytes.size() - at) != count * kEntry) return std::nullopt;", ") return std::nullopt;", UNDO),
    ("undo-record-number-short", "src/transfer/import_undo.cpp", "gui_tests",
     "last.books.push_back({std::uint32_t(get(p, 4)), get(p + 4, 8)});",
     "last.books.push_back({std::uint32_t(get(p, 2)), get(p + 4, 8)});", UNDO),
    ("undo-old-kept-on-save", "src/transfer/import_undo.cpp", "gui_tests",
     "    forgetLastImport(basePath);\n    QByteArray out(kMagic);", "    QByteArray out(kMagic);", UNDO),
    ("undo-not-forgotten-after", "src/app/record_commands.cpp", "gui_tests",
     "        transfer::undoImport(t, *last);\n        transfer::forgetLastImport(basePath);",
     "        transfer::undoImport(t, *last);", UNDO),
    ("undo-pack-keeps-it", "src/app/record_commands.cpp", "gui_tests",
     "transfer::forgetLastImport(basePath);  // the books are numbered anew", ";", UNDO),
    ("undo-stale-undone-anyway", "src/app/record_commands.cpp", "gui_tests", "    if (plan.stale)\n", "    if (false)\n", UNDO),
    ("undo-in-browse", "src/app/main_menu.cpp", "gui_tests",
     "QStringLiteral(\"DoImport\"), QStringLiteral(\"UndoImport\"),\n    QStringLiteral(\"Maintain\"),",
     "QStringLiteral(\"DoImport\"),\n    QStringLiteral(\"Maintain\"),", UNDO),
    ("engine-delete-records-past-end", "src/dbase/table_write.cpp", "gui_tests",
     "if (rec < 1 || rec > count_ || recordPtr(rec)[0] == '*') continue;", "if (rec < 1 || recordPtr(rec)[0] == '*') continue;", UNDO),
    ("engine-delete-records-no-refresh", "src/dbase/table_write.cpp", "gui_tests",
     "    if (!runHeld) file_.unlock(kUpdateLock, 1);\n    refresh();\n    return marked;",
     "    if (!runHeld) file_.unlock(kUpdateLock, 1);\n    return marked;", UNDO),
    ("csv-out-no-bom", "src/transfer/export_records.cpp", "gui_tests", "std::string out(\"\\xEF\\xBB\\xBF\");", "std::string out;", UNDO),
    ("csv-out-comma-unquoted", "src/transfer/export_records.cpp", "gui_tests",
     "value.find_first_of(\",\\\"\\r\\n\")", "value.find_first_of(\"\\\"\\r\\n\")", UNDO),
    ("csv-out-quote-not-doubled", "src/transfer/export_records.cpp", "gui_tests",
     "if (c == '\"') out += '\"';  // doubled inside quotes", ";", UNDO),
    ("csv-out-blanks-unquoted", "src/transfer/export_records.cpp", "gui_tests",
     "(!value.empty() && (value.front() == ' ' || value.back() == ' '));", "false;", UNDO),
    ("csv-out-date-month-first", "src/transfer/export_records.cpp", "gui_tests",
     "\"%04d-%02d-%02d\", d->year, d->month, d->day);", "\"%04d-%02d-%02d\", d->year, d->day, d->month);", UNDO),
    ("csv-out-text-as-latin1", "src/transfer/export_records.cpp", "gui_tests", "            out += utf8[u];", "            out += c;", UNDO),
    ("csv-out-empty-cell-zero", "src/transfer/book_reader.cpp", "gui_tests",
     "            if (plainCsvValue(row.values[k]).isEmpty()) continue;\n", "", UNDO),
    ("csv-in-leading-blanks-trimmed", "src/transfer/csv_values.cpp", "gui_tests",
     "        if (v != value.trimmed()) return v;  // the formula wrapper taken off", "        return v;", UNDO),
    ("csv-export-window-type", "src/transfer/windows/export_window.cpp", "gui_tests",
     "AsciiFile->isChecked() ? 1 : CsvFile->isChecked() ? 3 : 2;", "AsciiFile->isChecked() ? 1 : 2;", UNDO),
    ("settings-file-type-three-refused", "src/store/setting_ranges.h", "gui_tests",
     "inline constexpr Bounded kFileType {1, 1, 3};", "inline constexpr Bounded kFileType {1, 1, 2};", UNDO),
    ("cli-dry-run-writes", "src/cli/dbf_transfer.cpp", "gui_tests", "        openTable(table, tablePath, dryRun);",
     "        openTable(table, tablePath, false);", UNDO),
    ("cli-dry-run-posts", "src/cli/dbf_transfer.cpp", "gui_tests", "        if (dryRun) {", "        if (false) {", UNDO),
    ("cli-two-kinds-taken", "src/cli/dbf_transfer.cpp", "gui_tests", "            if (!kind.isEmpty()) return usage();", "", UNDO),
    ("cli-unknown-date-format-taken", "src/cli/dbf_transfer.cpp", "gui_tests",
     "        if (!code) {", "        if (false) {", UNDO),
    ("cli-headings-not-skipped", "src/cli/dbf_transfer.cpp", "gui_tests",
     "s.skipFirst = skipFirst || found.recognised > 0 || remembered;", "s.skipFirst = skipFirst;", UNDO),
    ("cli-by-position-off-by-one", "src/cli/dbf_transfer.cpp", "gui_tests",
     "for (int i = 0; i < labels.size(); ++i) s.pairing.push_back(i < store::kFieldCount ? i + 1 : 0);",
     "for (int i = 0; i < labels.size(); ++i) s.pairing.push_back(i < store::kFieldCount ? i + 2 : 0);", UNDO),
    ("cli-exclusive-opened-anyway", "src/cli/dbf_transfer.cpp", "gui_tests",
     "               {false, readOnly, tag});", "               {false, true, tag});", UNDO),
    ("cli-export-settings-ignored", "src/cli/dbf_transfer.cpp", "gui_tests",
     "const store::DatabaseSettings settings =\n            store::readDatabaseSettings(basePath(tablePath) + QStringLiteral(\".INI\"));",
     "const store::DatabaseSettings settings;", UNDO),

    # the windows' languages
    ("lang-lc-all-ignored", "src/ui/translations.cpp", "gui_tests",
     "const QString locale = !lcAll.isEmpty() ? lcAll : !lcMessages.isEmpty() ? lcMessages : lang;",
     "const QString locale = !lcMessages.isEmpty() ? lcMessages : lang;", TR),
    ("lang-messages-after-lang", "src/ui/translations.cpp", "gui_tests",
     "!lcMessages.isEmpty() ? lcMessages : lang;", "!lang.isEmpty() ? lang : lcMessages;", TR),
    ("lang-c-locale-translated", "src/ui/translations.cpp", "gui_tests",
     "if (locale.isEmpty() || plain == QLatin1String(\"C\") || plain == QLatin1String(\"POSIX\")) return list;",
     "if (locale.isEmpty()) return list;", TR),
    ("lang-posix-translated", "src/ui/translations.cpp", "gui_tests",
     "|| plain == QLatin1String(\"POSIX\")) return list;", ") return list;", TR),
    ("lang-language-list-ignored", "src/ui/translations.cpp", "gui_tests",
     "for (const QString& l : language.split(QLatin1Char(':'), Qt::SkipEmptyParts)) addLanguage(list, l);", "", TR),
    ("lang-language-after-locale", "src/ui/translations.cpp", "gui_tests",
     "    for (const QString& l : language.split(QLatin1Char(':'), Qt::SkipEmptyParts)) addLanguage(list, l);\n    addLanguage(list, locale);",
     "    addLanguage(list, locale);\n    for (const QString& l : language.split(QLatin1Char(':'), Qt::SkipEmptyParts)) addLanguage(list, l);", TR),
    ("lang-no-base-language", "src/ui/translations.cpp", "gui_tests",
     "for (const QString& n : {name, base})", "for (const QString& n : {name})", TR),
    ("lang-codeset-kept", "src/ui/translations.cpp", "gui_tests",
     "name = name.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0).trimmed();",
     "name = name.section(QLatin1Char('@'), 0, 0).trimmed();", TR),
    ("lang-modifier-kept", "src/ui/translations.cpp", "gui_tests",
     ".section(QLatin1Char('@'), 0, 0).trimmed();", ".trimmed();", TR),
    ("lang-duplicates-kept", "src/ui/translations.cpp", "gui_tests",
     "if (!n.isEmpty() && !list.contains(n)) list << n;", "if (!n.isEmpty()) list << n;", TR),
    ("translations-installed-folder-wrong", "src/ui/translations.cpp", "gui_tests",
     "\"../share/bindlow/translations\"", "\"share/bindlow/translations\"", TR),
    ("translations-first-folder-only", "src/ui/translations.cpp", "gui_tests",
     "if (!QFileInfo(file).isFile()) continue;", "if (!QFileInfo(file).isFile()) return {};", TR),
    ("translations-not-installed", "src/ui/translations.cpp", "gui_tests",
     "QCoreApplication::installTranslator(program.get());", "", TR),
    ("translations-not-removed", "src/ui/translations.cpp", "gui_tests",
     "if (program) QCoreApplication::removeTranslator(program.get());", "", TR),
    ("translations-language-kept-after-removal", "src/ui/translations.cpp", "gui_tests",
     "    loaded.clear();\n}", "}", TR),
    ("translations-region-reported", "src/ui/translations.cpp", "gui_tests",
     "loaded = language.section(QLatin1Char('_'), 0, 0);", "loaded = language;", TR),
    ("help-language-ignored", "src/paths/program_paths.cpp", "gui_tests",
     "if (!language.isEmpty()) names << QStringLiteral(\"KAVBOOK.%1.HLP\").arg(language);", "", TR),
    ("help-language-after-plain", "src/paths/program_paths.cpp", "gui_tests",
     "    if (!language.isEmpty()) names << QStringLiteral(\"KAVBOOK.%1.HLP\").arg(language);\n    names << kHelpFile;",
     "    names << kHelpFile;\n    if (!language.isEmpty()) names << QStringLiteral(\"KAVBOOK.%1.HLP\").arg(language);", TR),
    ("error-caption-untranslated", "src/ui/seams/messages.cpp", "gui_tests",
     "QCoreApplication::translate(\"Messages\", \"Error\")", "QStringLiteral(\"Error\")", TR),
    ("confirm-caption-untranslated", "src/ui/seams/messages.cpp", "gui_tests",
     "QCoreApplication::translate(\"Messages\", \"Confirm\")", "QStringLiteral(\"Confirm\")", TR),
    ("viewer-label-untranslated", "src/app/main_window.cpp", "gui_tests",
     "ViewerLabel = new QLabel(tr(\"Book Viewer\"), client_);", "ViewerLabel = new QLabel(QStringLiteral(\"Book Viewer\"), client_);", TR),
    ("count-label-untranslated", "src/app/main_window.cpp", "gui_tests",
     "    CountLabel->setText(QString::number(MyTable.recordCount()));\n    Count2Label->setText(tr(\"Books\"));",
     "    CountLabel->setText(QString::number(MyTable.recordCount()));\n    Count2Label->setText(QStringLiteral(\"Books\"));", TR),
    ("speed-hints-untranslated", "src/app/command_bars.cpp", "gui_tests",
     "b->setToolTip(tr(s.hint));", "b->setToolTip(QString::fromLatin1(s.hint));", TR),
    ("lettered-captions-untranslated", "src/app/command_bars.cpp", "gui_tests",
     "new QPushButton(tr(l.caption), client_)", "new QPushButton(QString::fromLatin1(l.caption), client_)", TR),
    ("list-menu-untranslated", "src/app/main_menu.cpp", "gui_tests",
     "addAction(maintain, l.name, tr(l.caption),", "addAction(maintain, l.name, QString::fromLatin1(l.caption),", TR),
    ("color-menu-untranslated", "src/app/main_menu.cpp", "gui_tests",
     "addAction(color, colorNames[i], tr(colorCaptions[i])", "addAction(color, colorNames[i], QString::fromLatin1(colorCaptions[i])", TR),
    ("navigator-hints-untranslated", "src/ui/navigator.cpp", "gui_tests",
     "b->setToolTip(tr(kText[i].hint));", "b->setToolTip(QString::fromLatin1(kText[i].hint));", TR),
    ("navigator-names-untranslated", "src/ui/navigator.cpp", "gui_tests",
     "b->setAccessibleName(tr(kText[i].hint));", "b->setAccessibleName(QString::fromLatin1(kText[i].hint));", TR),
    ("editor-tabs-untranslated", "src/edit/windows/record_editor.cpp", "gui_tests",
     "notebook_->addTab(pages[i], tr(tabs[i]));", "notebook_->addTab(pages[i], QString::fromLatin1(tabs[i]));", TR),
    ("editor-menu-untranslated", "src/edit/windows/record_editor.cpp", "gui_tests",
     "QAction* a = m->addAction(tr(caption));", "QAction* a = m->addAction(QString::fromLatin1(caption));", TR),
    ("editor-buttons-untranslated", "src/edit/windows/record_editor.cpp", "gui_tests",
     "new QPushButton(tr(b.caption), this)", "new QPushButton(QString::fromLatin1(b.caption), this)", TR),
    ("search-buttons-untranslated", "src/find/windows/search_window.cpp", "gui_tests",
     "b = new QPushButton(tr(caption), this);", "b = new QPushButton(QString::fromLatin1(caption), this);", TR),
    ("search-header-untranslated", "src/find/windows/search_window.cpp", "gui_tests",
     "tr(\" SEARCH CRITERIA    (Level %1)\")", "QStringLiteral(\" SEARCH CRITERIA    (Level %1)\")", TR),
    ("editor-next-question-swapped", "src/edit/windows/record_editor_values.cpp", "gui_tests",
     "question = next ? tr(\"Data has changed.  Update this record before moving to the next record?\")",
     "question = !next ? tr(\"Data has changed.  Update this record before moving to the next record?\")", "RecordEditor*"),
]


PENDING = os.path.join(BUILD, "mutate-pending")

# the test binaries that link each library (tests/CMakeLists.txt); a file's library is read from
# src/CMakeLists.txt, src/dbase/ and the command-line tool being the engine's
BINARIES = {
    "bindlow_dbase": ["dbase_tests", "store_tests", "print_tests", "gui_tests"],
    "bindlow_core": ["store_tests", "print_tests", "gui_tests"],
    "bindlow_print": ["print_tests", "gui_tests"],
    "bindlow_gui": ["gui_tests"],
}


class Timeout(Exception):
    pass


def run(cmd, timeout=None, log=None, **kw):
    # its own process group, so that a run that hangs is ended with every child it started
    out = open(log, "w") if log else subprocess.DEVNULL
    p = subprocess.Popen(cmd, cwd=BUILD, stdout=out, stderr=subprocess.STDOUT,
                         start_new_session=True, **kw)
    try:
        return p.wait(timeout=timeout)
    except subprocess.TimeoutExpired:
        os.killpg(p.pid, signal.SIGKILL)
        p.wait()
        raise Timeout()
    except BaseException:
        os.killpg(p.pid, signal.SIGKILL)
        p.wait()
        raise


def library_of(path):
    if path.startswith("src/dbase/") or path.startswith("src/cli/"):
        return "bindlow_dbase"
    rel = path[len("src/"):]
    current = None
    with open(os.path.join(ROOT, "src", "CMakeLists.txt"), encoding="utf-8") as f:
        for line in f:
            m = re.match(r"\s*add_library\((\w+)", line)
            if m:
                current = m.group(1)
            elif line.strip() == ")":
                current = None
            elif current and rel in line.split():
                return current
    if path.endswith(".h") and os.path.exists(os.path.join(ROOT, path[:-2] + ".cpp")):
        return library_of(path[:-2] + ".cpp")  # a header: the library of the source beside it
    raise SystemExit(f"{path}: no library builds this file")


def read_file(path):
    """The mutations of a sample file, as (name, file, binaries, old, new, filter) tuples."""
    entries = []
    entry = None
    block = None

    def close():
        if entry is None:
            return
        for key in ("file", "old", "new"):
            if key not in entry:
                raise SystemExit(f"{path}: mutation {entry['name']} has no {key}")
        binaries = entry.get("tests") or BINARIES[library_of(entry["file"])]
        entries.append((entry["name"], entry["file"], binaries, "\n".join(entry["old"]).strip("\n"),
                        "\n".join(entry["new"]).strip("\n"), entry.get("filter")))

    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f.read().split("\n"), 1):
            if line.startswith("== "):
                close()
                entry, block = {"name": line[3:].strip()}, None
            elif line in ("--- old", "--- new") and entry is not None:
                block = line[4:]
                entry[block] = []
            elif line.startswith("# ") or line == "#":
                block = None  # a comment ends a text: no line of code starts so
            elif block is not None:
                entry[block].append(line)
            elif not line.strip():
                continue
            elif entry is not None and line.split()[0] in ("file", "tests", "filter"):
                key, _, value = line.partition(" ")
                entry[key] = value.split() if key == "tests" else value.strip()
            else:
                raise SystemExit(f"{path}:{number}: cannot read {line!r}")
    close()
    names = [e[0] for e in entries]
    doubled = {n for n in names if names.count(n) > 1}
    if doubled:
        raise SystemExit(f"{path}: names used twice: {', '.join(sorted(doubled))}")
    return entries


def restore_pending():
    """Puts back a file left changed by a run that was killed."""
    if not os.path.isdir(PENDING):
        return
    for entry in os.listdir(PENDING):
        with open(os.path.join(PENDING, entry), encoding="utf-8") as f:
            path, _, original = f.read().partition("\n")
        with open(os.path.join(ROOT, path), "w", encoding="utf-8") as f:
            f.write(original)
        os.remove(os.path.join(PENDING, entry))
        print(f"{path}: put back as it was before a run that was stopped", flush=True)


def on_signal(number, frame):
    raise KeyboardInterrupt(f"signal {number}")


def try_one(name, path, binaries, old, new, only, timeout):
    full = os.path.join(ROOT, path)
    with open(full, encoding="utf-8") as f:
        original = f.read()
    if original.count(old) != 1:
        return f"skipped (the text to replace occurs {original.count(old)} times in {path})"
    os.makedirs(PENDING, exist_ok=True)
    pending = os.path.join(PENDING, name)
    with open(pending, "w", encoding="utf-8") as f:
        f.write(path + "\n" + original)
    try:
        with open(full, "w", encoding="utf-8") as f:
            f.write(original.replace(old, new))
        try:
            # what the compiler said stays in build/mutate-build.log; a build that fails is tried
            # once more, as one can fail for reasons of its own (the tree being committed to meanwhile)
            targets = [b for b in binaries if b != "ctest"]
            build = ["cmake", "--build", ".", "--target", *targets, "--", "-j2"]
            log = os.path.join(BUILD, "mutate-build.log")
            if targets and run(build, timeout=timeout, log=log) != 0 and run(build, timeout=timeout, log=log) != 0:
                return "caught (does not build)"
            env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
            for binary in binaries:
                if binary == "ctest":
                    # tests that are no test binary, such as the rooms' check: the filter is a ctest -R
                    cmd = ["ctest", "-R", only or "."]
                else:
                    cmd = [os.path.join(BUILD, "tests", binary)]
                    if only:
                        cmd.append("--gtest_filter=" + only)
                    elif binary in SKIP:
                        cmd.append("--gtest_filter=" + SKIP[binary])
                if run(cmd, env=env, timeout=timeout) != 0:
                    return f"caught ({binary})"
            return "survived"
        except Timeout:
            return "caught (timed out)"
    finally:
        with open(full, "w", encoding="utf-8") as f:
            f.write(original)
        os.remove(pending)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--list", action="store_true")
    ap.add_argument("--check", action="store_true", help="only check that every text to replace occurs once")
    ap.add_argument("--file", help="take the mutations from this file instead of the list above")
    ap.add_argument("--timeout", type=float, default=900, help="seconds for one build or one test binary")
    ap.add_argument("names", nargs="*")
    args = ap.parse_args()
    if args.file:
        mutations = read_file(args.file)
    else:
        mutations = [(m[0], m[1], [m[2]], m[3], m[4], m[5] if len(m) > 5 else None) for m in MUTATIONS]
    unknown = set(args.names) - {m[0] for m in mutations}
    if unknown:
        raise SystemExit(f"no such mutation: {', '.join(sorted(unknown))}")
    chosen = [m for m in mutations if not args.names or m[0] in args.names]
    if args.list or args.check:
        bad = 0
        for name, path, binaries, old, new, only in chosen:
            with open(os.path.join(ROOT, path), encoding="utf-8") as f:
                n = f.read().count(old)
            if args.list:
                print(name, path, " ".join(binaries))
            if n != 1:
                bad += 1
                print(f"{name}: the text to replace occurs {n} times in {path}")
        return 1 if bad else 0
    for s in (signal.SIGTERM, signal.SIGHUP):
        signal.signal(s, on_signal)
    restore_pending()
    caught = 0
    results = []
    try:
        for name, path, binaries, old, new, only in chosen:
            started = time.monotonic()
            verdict = try_one(name, path, binaries, old, new, only, args.timeout)
            if verdict.startswith("caught"):
                caught += 1
            results.append((name, path, verdict))
            print(f"{name}: {verdict} [{path}, {time.monotonic() - started:.0f} s]", flush=True)
    finally:
        tried = [r for r in results if not r[2].startswith("skipped")]
        folders = {}
        for name, path, verdict in tried:
            folder = path.split("/")[1]
            got, of = folders.get(folder, (0, 0))
            folders[folder] = (got + verdict.startswith("caught"), of + 1)
        for folder, (got, of) in sorted(folders.items()):
            print(f"  {folder}: caught {got} of {of}")
        print(f"caught {caught} of {len(tried)}", flush=True)
        run(["cmake", "--build", ".", "--", "-j2"])  # back to the sources as they are
    return 0


if __name__ == "__main__":
    sys.exit(main())
