// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A raised or lowered frame drawn around a group of controls; it holds nothing itself.
#include <QFrame>

namespace ui {

class TBevel : public QFrame {
    Q_OBJECT
public:
    explicit TBevel(QWidget* parent = nullptr, bool raised = true) : QFrame(parent)
    {
        setFrameStyle(QFrame::Panel | (raised ? QFrame::Raised : QFrame::Sunken));
        setLineWidth(2);
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }
};

}  // namespace ui
