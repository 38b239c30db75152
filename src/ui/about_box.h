// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The About box: the program's name and version.
#include <QDialog>

namespace ui {

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);
};

}  // namespace ui
