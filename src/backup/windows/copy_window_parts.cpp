// SPDX-License-Identifier: GPL-2.0-or-later
#include "backup/windows/copy_window_parts.h"

#include <QGroupBox>
#include <QRadioButton>

namespace backup {

std::array<QRadioButton*, 4> kindGroup(QWidget* window, const QString& heading, const std::array<KindButton, 4>& buttons)
{
    auto* group = new QGroupBox(heading, window);
    group->setGeometry(10, 8, 330, 132);
    std::array<QRadioButton*, 4> out {};
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        auto* r = new QRadioButton(QString::fromLatin1(buttons[i].caption), group);
        r->setObjectName(QString::fromLatin1(buttons[i].name));
        r->setGeometry(10, 22 + 26 * int(i), 312, 24);
        out[i] = r;
    }
    out[0]->setChecked(true);
    return out;
}

}  // namespace backup
