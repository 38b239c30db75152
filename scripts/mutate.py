#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-2.0-or-later
# A small mutation check, run by hand (not by CI): each mutation below puts one small plausible
# fault into one source file (a flipped comparison, an off-by-one, a dropped statement), rebuilds
# the test binary that covers that module, runs it, and puts the file back. A mutation is caught
# when the binary fails.
#
#   scripts/mutate.py [--list] [NAME...]     all mutations, or only those named
#
# Needs a configured build/ with BINDLOW_TESTS=ON (scripts/build.sh -DBINDLOW_TESTS=ON). Builds
# with -j2. The sharing and crash tests of dbase_tests take long and test other things; they are
# left out of the runs (see SKIP).
import argparse
import os
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BUILD = os.path.join(ROOT, "build")

# the slow child-process tests (a pack killed at every step, a killed writer) stay out of the runs
SKIP = {"dbase_tests": "-Processes.APackKilledAtAnyStepLosesNothing:Processes.AProgramKilledWhileAppendingLosesNoPostedRecord"}

# name, source file, test binary, text to replace (must occur exactly once), replacement, and
# optionally a gtest filter: the tests of the binary that cover the module (the rest take long)
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
     "if (!inserting) put32(stamp + 4, diskRecordCount());", ""),
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
    ("whole-number-check-dropped", "src/edit/record_editor.cpp", "gui_tests",
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
     "if (e_.textWidth(bare) <= room) return bare;", ""),
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
    ("cli-unreadable-index-stops", "src/app/report_command.cpp", "print_tests",
     "table.open(folder, name, {false, true, {}, true});", "throw;"),
    ("pdf-title-from-job", "src/render/page_device.cpp", "print_tests",
     "writer_->setTitle(documentTitle_.isEmpty() ? title_ : documentTitle_);", "writer_->setTitle(title_);"),
    # report windows
    ("printer-pdf-by-position", "src/reports/report_printer.cpp", "gui_tests",
     "if (!stored.defaultPrinter && stored.pdfFile) {", "if (!stored.defaultPrinter && stored.printerIndex == installed.size()) {"),
    ("printer-name-ignored", "src/reports/report_printer.cpp", "gui_tests",
     "if (!stored.printerName.isEmpty()) c.index = int(installed.indexOf(stored.printerName));", "if (false) {}"),
    ("select-pdf-not-shown", "src/reports/printer_select_window.cpp", "gui_tests",
     "PrinterList->setCurrentIndex(pdfFile ? printers_ :", "PrinterList->setCurrentIndex(pdfFile ? -1 :"),
    ("zoom-bar-not-reserved", "src/reports/preview_window.cpp", "gui_tests",
     "else if (page.height() * z > height) z = (width - bar) / page.width();", ""),
    ("ctrl-x-not-caught", "src/reports/preview_window.cpp", "gui_tests",
     "if (key->key() == Qt::Key_X && key->modifiers() == Qt::ControlModifier) {",
     "if (key->key() == Qt::Key_Y && key->modifiers() == Qt::ControlModifier) {"),
    ("layout-name-as-stored", "src/reports/user_report_window.cpp", "gui_tests",
     "shown.name = ReportName->text().trimmed().left(30);", ""),
    ("designer-margins-portrait-only", "src/reports/user_report_window.cpp", "gui_tests",
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
    ("backup-asks-with-room-beside", "src/backup/backup_window.cpp", "gui_tests",
     "if (space.besides()) return Room::Besides;", "", "Backup*"),
    ("backup-no-ignored", "src/backup/backup_window.cpp", "gui_tests",
     "return replace ? Room::InPlace : Room::Declined;", "return Room::InPlace;", "Backup*"),
    ("backup-always-in-place", "src/backup/backup_window.cpp", "gui_tests",
     "if (room == Room::InPlace) return backup::copyFile", "if (true) return backup::copyFile", "Backup*"),
    ("backup-declined-table-goes-on", "src/backup/backup_window.cpp", "gui_tests",
     "    const Room room = roomFor(source, destination);\n    if (room == Room::Declined) return false;\n    const bool searched",
     "    const Room room = roomFor(source, destination);\n    const bool searched", "Backup*"),
    ("backup-done-before-reopen", "src/backup/backup_window.cpp", "gui_tests",
     "    const bool ok = copy(source, destination, room, true);\n    restore.now();",
     "    const bool ok = copy(source, destination, room, true);", "Backup*"),
    ("backup-list-failure-unreported", "src/backup/backup_window.cpp", "gui_tests",
     "else if (!backup::replaceFile(source, destination, {}, false, kTemporary).ok) outcome = kFailed;",
     "else backup::replaceFile(source, destination, {}, false, kTemporary);", "Backup*"),
    ("backup-table-keeps-index-mark", "src/backup/backup_window.cpp", "gui_tests",
     "copy(source, destination, room, true)", "copy(source, destination, room, false)", "Backup*"),
    ("backup-folder-root-never-shown", "src/backup/backup_window.cpp", "gui_tests",
     "if (!level.endsWith(u'/')) level += u'/';", "level += u'/';", "Backup*"),
    ("backup-folder-before-load-ignored", "src/backup/backup_window.cpp", "gui_tests",
     "if (!wanted_.isEmpty()) return wanted_;", "", "Backup*"),
    ("backup-picked-folder-ignored", "src/backup/backup_window.cpp", "gui_tests",
     "if (!wanted_.isEmpty() && now != folders_->index(wanted_)) wanted_.clear();", "", "Backup*"),
    ("backup-report-no-room-ignored", "src/backup/backup_window.cpp", "gui_tests",
     "    if (room == Room::None) {\n        say(QStringLiteral(\"Error\"),\n            QStringLiteral(\"There is not enough room on the destination drive to backup this file.",
     "    if (false) {\n        say(QStringLiteral(\"Error\"),\n            QStringLiteral(\"There is not enough room on the destination drive to backup this file.", "Backup*"),
    ("restore-not-asked", "src/backup/restore_window.cpp", "gui_tests",
     "if (QFileInfo(destination).isFile() && !ui::askConfirm(", "if (false && !ui::askConfirm(", "Restore*"),
    ("restore-search-ended-before-question", "src/backup/restore_window.cpp", "gui_tests",
     "    if (!host_.checkBookTable(this, source)) return false;",
     "    if (host_.searchActive()) host_.endSearch();\n    if (!host_.checkBookTable(this, source)) return false;", "Restore*"),
    ("restore-index-room-ignored", "src/backup/restore_window.cpp", "gui_tests",
     "space.free - space.source + space.existing + oldIndex < host_.indexBytes(source, destination)", "false",
     "Restore*"),
    ("restore-old-index-not-counted", "src/backup/restore_window.cpp", "gui_tests",
     "space.existing + oldIndex <", "space.existing <", "Restore*"),
    ("restore-room-counts-old-table", "src/backup/restore_window.cpp", "gui_tests",
     "if (!space.besides() ||", "if (!space.inPlace() ||", "Restore*"),
    ("restore-lists-into-program-folder", "src/backup/restore_window.cpp", "gui_tests",
     "const QString destination = backup::findCaseless(into, table + extension);",
     "const QString destination = backup::findCaseless(host_.programDirectory(), table + extension);", "Restore*"),
    ("restore-own-settings-into-program-folder", "src/backup/restore_window.cpp", "gui_tests",
     "const bool own = name == host_.tableName();", "const bool own = false;", "Restore*"),
    ("restore-unsorted-not-said", "src/app/backup_commands.cpp", "gui_tests",
     "        main_.sayUnsorted(owner);\n", "", "Restore*"),
    ("restore-check-over-main-window", "src/app/backup_commands.cpp", "gui_tests",
     "return main_.files_.CheckDBaseFormat(owner, path, false);",
     "return main_.files_.CheckDBaseFormat(&main_, path, false);", "Restore*"),
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
     "if (!path.endsWith(QLatin1String(\".DBF\"), Qt::CaseInsensitive) && !QFileInfo::exists(path)) return {};", "",
     "OpenFromFileManager*:MainWindow.Browse*"),
    ("cli-dbf-case-sensitive", "src/app/command_line.cpp", "gui_tests",
     "QLatin1String(\".DBF\"), Qt::CaseInsensitive)", "QLatin1String(\".DBF\"), Qt::CaseSensitive)",
     "OpenFromFileManager*"),
    ("requested-extension-unchecked", "src/app/database_files.cpp", "gui_tests",
     "    if (!dbfExtension(path)) {\n        ui::showError(this, QStringLiteral(\"Invalid file type selected.\"));\n        return false;",
     "    if (false) {\n        ui::showError(this, QStringLiteral(\"Invalid file type selected.\"));\n        return false;",
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
    ("names-not-on-show", "src/ui/accessible_names.cpp", "gui_tests", "qApp->installEventFilter(filter);", "",
     "Accessibility*"),
    ("names-drawn-buttons-skipped", "src/ui/accessible_names.cpp", "gui_tests",
     "return w->focusPolicy() != Qt::NoFocus || qobject_cast<QAbstractButton*>(w);",
     "return w->focusPolicy() != Qt::NoFocus;", "Accessibility*"),
    ("names-window-fallback-dropped", "src/ui/accessible_names.cpp", "gui_tests",
     "if (qobject_cast<QAbstractScrollArea*>(w) || qobject_cast<QTabWidget*>(w)) return readText(window->windowTitle());",
     "", "Accessibility*"),
    ("navigator-read-as-glyph", "src/ui/navigator.cpp", "gui_tests",
     "b->setAccessibleName(QString::fromLatin1(kText[i].hint));", "", "Accessibility*"),
    ("search-field-names-are-stops", "src/find/search_window.cpp", "gui_tests",
     "return column == 2 || (column == 1", "return column != 1 || (column == 1", "SearchWindow*"),
    ("search-empty-options-a-stop", "src/find/search_window.cpp", "gui_tests",
     "(column == 1 && item(row, 1) && !item(row, 1)->text().isEmpty())", "(column == 1)", "SearchWindow*"),
    ("search-f4-ignored", "src/find/search_window.cpp", "gui_tests",
     "const bool opens = key == Qt::Key_F4 ||", "const bool opens =", "SearchWindow*"),
    ("search-space-ignored", "src/find/search_window.cpp", "gui_tests",
     "key == Qt::Key_Enter || key == Qt::Key_Space ||", "key == Qt::Key_Enter ||", "SearchWindow*"),
    ("layout-right-unclamped", "src/reports/report_layout_window.cpp", "gui_tests",
     "index = std::min<qsizetype>(index + 1, qsizetype(items.size()) - 1);", "index = index + 1;", "ReportDesigner*"),
    ("layout-no-totals-line", "src/reports/report_layout_window.cpp", "gui_tests",
     "if (useTotals_) lines.push_back(kTotalsLine);", "", "ReportDesigner*"),
    ("layout-f2-opens-nothing", "src/reports/report_layout_window.cpp", "gui_tests",
     "case Qt::Key_F2: editCell(chosen_); break;", "case Qt::Key_F2: break;", "ReportDesigner*"),
    ("layout-not-a-tab-stop", "src/reports/report_layout_window.cpp", "gui_tests",
     "setFocusPolicy(Qt::StrongFocus);", "setFocusPolicy(Qt::ClickFocus);", "ReportDesigner*"),
    ("layout-name-unchanged", "src/reports/report_layout_window.cpp", "gui_tests",
     "QStringLiteral(\"Report Layout, \") + where", "QStringLiteral(\"Report Layout, \")", "ReportDesigner*"),
    ("space-toggles-nothing", "src/ui/grid_keys.cpp", "gui_tests",
     "if (grid_->currentIndex().isValid()) toggle_(grid_->currentIndex().row());", "", "GridKeys*:Import.TheWindow*"),
    ("return-presses-default", "src/ui/grid_keys.cpp", "gui_tests",
     "return key == Qt::Key_Return || key == Qt::Key_Enter;", "return false;", "GridKeys*"),
    ("viewer-space-on-field-name", "src/display/view_config.cpp", "gui_tests",
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
    ("preview-focus-unmarked", "src/reports/preview_window.cpp", "gui_tests",
     "\"#PageScroll:focus { border: 2px solid palette(highlight); }\"", "\"\"", "KeyboardFocus*"),
    ("editor-tab-old-order", "src/edit/record_editor.cpp", "gui_tests",
     "combo(\"Publisher\"), box(\"Editor\"), combo(\"BookType\"),", "combo(\"Publisher\"), combo(\"BookType\"),",
     "RecordEditor*"),
]


def run(cmd, **kw):
    return subprocess.run(cmd, cwd=BUILD, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, **kw).returncode


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--list", action="store_true")
    ap.add_argument("names", nargs="*")
    args = ap.parse_args()
    chosen = [m for m in MUTATIONS if not args.names or m[0] in args.names]
    if args.list:
        for m in chosen:
            print(m[0], m[1], m[2])
        return 0
    caught = 0
    results = []
    for name, path, binary, old, new, *only in chosen:
        full = os.path.join(ROOT, path)
        with open(full, encoding="utf-8") as f:
            original = f.read()
        if original.count(old) != 1:
            print(f"{name}: the text to replace occurs {original.count(old)} times in {path}; skipped", flush=True)
            results.append((name, "skipped"))
            continue
        try:
            with open(full, "w", encoding="utf-8") as f:
                f.write(original.replace(old, new))
            if run(["cmake", "--build", ".", "--target", binary, "-j2"]) != 0:
                verdict = "caught (does not build)"
            else:
                env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
                cmd = [os.path.join(BUILD, "tests", binary)]
                if only:
                    cmd.append("--gtest_filter=" + only[0])
                elif binary in SKIP:
                    cmd.append("--gtest_filter=" + SKIP[binary])
                verdict = "survived" if run(cmd, env=env, timeout=1800) == 0 else "caught"
        finally:
            with open(full, "w", encoding="utf-8") as f:
                f.write(original)
        if verdict.startswith("caught"):
            caught += 1
        results.append((name, verdict))
        print(f"{name}: {verdict}", flush=True)
    tried = sum(1 for _, v in results if v != "skipped")
    print(f"caught {caught} of {tried}")
    run(["cmake", "--build", ".", "-j2"])  # back to the sources as they are
    return 0


if __name__ == "__main__":
    sys.exit(main())
