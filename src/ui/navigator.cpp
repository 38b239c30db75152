// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/navigator.h"

#include <QToolButton>

#include "dbase/error.h"
#include "ui/seams/messages.h"

namespace ui {

namespace {
struct ButtonText {
    const char* name;
    const char* glyph;
    const char* hint;
};
constexpr ButtonText kText[TNavigator::kButtons] = {
    {"NavFirst", "|\u25C0", QT_TRANSLATE_NOOP("ui::TNavigator", "First record")},   {"NavPrior", "\u25C0", QT_TRANSLATE_NOOP("ui::TNavigator", "Prior record")},
    {"NavNext", "\u25B6", QT_TRANSLATE_NOOP("ui::TNavigator", "Next record")},      {"NavLast", "\u25B6|", QT_TRANSLATE_NOOP("ui::TNavigator", "Last record")},
    {"NavInsert", "+", QT_TRANSLATE_NOOP("ui::TNavigator", "Insert record")},       {"NavDelete", "\u2212", QT_TRANSLATE_NOOP("ui::TNavigator", "Delete record")},
    {"NavEdit", "\u25B2", QT_TRANSLATE_NOOP("ui::TNavigator", "Edit record")},      {"NavPost", "\u2713", QT_TRANSLATE_NOOP("ui::TNavigator", "Post edit")},
    {"NavCancel", "\u2715", QT_TRANSLATE_NOOP("ui::TNavigator", "Cancel edit")},    {"NavRefresh", "\u21BB", QT_TRANSLATE_NOOP("ui::TNavigator", "Refresh data")},
};
}  // namespace

TNavigator::TNavigator(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("MyNavigator"));
    visible_.fill(true);
    for (int i = 0; i < kButtons; ++i) {
        auto* b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(kText[i].name));
        b->setText(QString::fromUtf8(kText[i].glyph));
        b->setToolTip(tr(kText[i].hint));
        b->setAccessibleName(tr(kText[i].hint));  // read as its hint, not its glyph
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QToolButton::clicked, this, [this, i] { click(Button(i)); });
        buttons_[std::size_t(i)] = b;
    }
    updateEnabled();
}

void TNavigator::setDataSource(store::Dataset* table)
{
    if (table_) disconnect(table_, nullptr, this, nullptr);
    table_ = table;
    if (table_) {
        connect(table_, &store::Dataset::recordsChanged, this, &TNavigator::updateEnabled);
        connect(table_, &store::Dataset::currentChanged, this, &TNavigator::updateEnabled);
    }
    updateEnabled();
}

void TNavigator::setVisibleButtons(std::array<bool, kButtons> visible)
{
    visible_ = visible;
    layoutButtons();
}

void TNavigator::resizeEvent(QResizeEvent*) { layoutButtons(); }

void TNavigator::layoutButtons()
{
    // Every button is as wide as when all ten share the width: fewer buttons are not stretched,
    // and a narrower navigator shrinks them all, so that none is ever cut at its right edge.
    const int w = width() / kButtons;
    int x = 0;
    for (int i = 0; i < kButtons; ++i) {
        QToolButton* b = buttons_[std::size_t(i)];
        b->setVisible(visible_[std::size_t(i)]);
        if (!visible_[std::size_t(i)]) continue;
        b->setGeometry(x, 0, w, height());
        x += w;
    }
}

void TNavigator::updateEnabled()
{
    const bool open = table_ && table_->active();
    const auto state = open ? table_->table().state() : dbase::TableState::Inactive;
    const bool browsing = state == dbase::TableState::Browse;
    const bool editing = state == dbase::TableState::Edit || state == dbase::TableState::Insert;
    const bool writable = open && !table_->table().readOnly();
    const bool any = open && !table_->isEmpty();
    const bool atFirst = !any || table_->row() == 0;
    const bool atLast = !any || !table_->table().hasRow(table_->row() + 1);
    buttons_[First]->setEnabled(browsing && !atFirst);
    buttons_[Prior]->setEnabled(browsing && !atFirst);
    buttons_[Next]->setEnabled(browsing && !atLast);
    buttons_[Last]->setEnabled(browsing && !atLast);
    buttons_[Insert]->setEnabled(writable && browsing);
    buttons_[Delete]->setEnabled(writable && browsing && any);
    buttons_[Edit]->setEnabled(writable && browsing && any);
    buttons_[Post]->setEnabled(editing);
    buttons_[Cancel]->setEnabled(editing);
    buttons_[Refresh]->setEnabled(open);
}

void TNavigator::click(Button b)
{
    if (!table_ || !table_->active()) return;
    try {
        switch (b) {
        case First: table_->first(); break;
        case Prior: table_->prior(); break;
        case Next: table_->next(); break;
        case Last: table_->last(); break;
        case Insert: table_->append(); break;
        case Delete:
            if (askConfirm(window(), tr("Delete record?"))) table_->deleteRecord();
            break;
        case Edit: table_->edit(); break;
        case Post: table_->post(); break;
        case Cancel: table_->cancel(); break;
        case Refresh: table_->refresh(); break;
        default: break;
        }
    } catch (const dbase::DatabaseError& e) {
        showError(window(), QString::fromLocal8Bit(e.what()));
    }
    updateEnabled();
    emit clicked(b);
}

}  // namespace ui
