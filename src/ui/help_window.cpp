// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/help_window.h"

#include <QCoreApplication>
#include <QFile>

#include "store/bounded_file.h"
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "ui/seams/help.h"
#include "ui/seams/messages.h"

namespace ui {

THelpWindow::THelpWindow(QWidget* parent) : QDialog(parent), browser_(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("Bindlow Books 97 Help"));
    browser_->setObjectName(QStringLiteral("HelpText"));
    browser_->setOpenLinks(true);
    auto* close = new QPushButton(tr("&Close"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser_);
    layout->addWidget(close, 0, Qt::AlignRight);
    resize(640, 480);
}

bool THelpWindow::load(const QString& path)
{
    const store::BoundedRead file = store::readBoundedFile(path, store::kSettingsFileLimit);
    if (!file.exists || !file.problem.isEmpty()) return false;
    browser_->setHtml(QString::fromUtf8(file.bytes));
    return true;
}

void THelpWindow::showAnchor(const QString& anchor)
{
    if (anchor.isEmpty())
        browser_->moveCursor(QTextCursor::Start);
    else
        browser_->scrollToAnchor(anchor);
}

namespace {
class HelpViewer : public Help {
public:
    void showContents(QWidget* parent) override { open(parent, {}); }
    void showKeyword(QWidget* parent, const QString& keyword) override { open(parent, helpAnchor(keyword)); }

private:
    void open(QWidget* parent, const QString& anchor)
    {
        THelpWindow window(parent);
        if (!window.load(helpFile())) {
            showError(parent, QCoreApplication::translate("THelpWindow", "The help file \"%1\" cannot be opened.").arg(helpFile()));
            return;
        }
        window.show();
        window.showAnchor(anchor);
        window.exec();
    }
};
HelpViewer viewer;
Help* installed = &viewer;
QString file;
}  // namespace

Help& help() { return *installed; }
void setHelp(Help* h) { installed = h ? h : &viewer; }
void setHelpFile(const QString& path) { file = path; }
QString helpFile() { return file; }

QString helpAnchor(const QString& keyword)
{
    QString a = keyword.toLower();
    for (QChar& c : a)
        if (!c.isLetterOrNumber()) c = u'-';
    return a;
}

}  // namespace ui
