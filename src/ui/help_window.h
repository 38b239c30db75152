// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The help viewer: the help file, an HTML document, shown at its contents or at a keyword.
#include <QDialog>

class QTextBrowser;

namespace ui {

class THelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit THelpWindow(QWidget* parent = nullptr);
    // False when the file cannot be read.
    bool load(const QString& path);
    void showAnchor(const QString& anchor);
    QTextBrowser* browser() const { return browser_; }

private:
    QTextBrowser* browser_;
};

}  // namespace ui
