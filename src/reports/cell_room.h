// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Room on a report line: a cell whose text needs more room than the layout gives it takes blank
// room from its neighbours (a filler, the unused part of a label or of a short value, the line's
// unused end) without moving any other cell's text. Stored widths are never changed; only where
// the cells are drawn.
#include <vector>

namespace reports {

struct CellRoom {
    double width = 0;  // as the layout's characters give it
    double need = 0;   // what its text takes; 0 for a cell content with what it has
    double lend = 0;   // what it can give its neighbours without losing any of its own text
};

// The widths to draw the cells with. A cell short of room takes it first from the cells after
// it, then from the room left at the line's end (lineWidth less every cell), then from the cells
// before it; what nobody can lend it stays short.
std::vector<double> shareRoom(const std::vector<CellRoom>& cells, double lineWidth);

}  // namespace reports
