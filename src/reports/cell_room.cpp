// SPDX-License-Identifier: GPL-2.0-or-later
#include "reports/cell_room.h"

#include <algorithm>

namespace reports {

std::vector<double> shareRoom(const std::vector<CellRoom>& cells, double lineWidth)
{
    const std::size_t n = cells.size();
    std::vector<double> width(n), lend(n);
    double used = 0;
    for (std::size_t k = 0; k < n; ++k) {
        width[k] = cells[k].width;
        lend[k] = std::clamp(cells[k].lend, 0.0, cells[k].width);
        used += cells[k].width;
    }
    double spare = std::max(0.0, lineWidth - used);
    const auto take = [&](std::size_t from, std::size_t to, double& short_) {
        const double t = std::min(short_, lend[from]);
        lend[from] -= t;
        width[from] -= t;
        width[to] += t;
        short_ -= t;
    };
    for (std::size_t i = 0; i < n; ++i) {
        double short_ = cells[i].need - width[i];
        if (short_ <= 0) continue;
        lend[i] = 0;
        for (std::size_t j = i + 1; j < n && short_ > 0; ++j) take(j, i, short_);
        if (short_ > 0) {
            const double t = std::min(short_, spare);
            spare -= t;
            width[i] += t;
            short_ -= t;
        }
        for (std::size_t j = i; j-- > 0 && short_ > 0;) take(j, i, short_);
    }
    return width;
}

}  // namespace reports
