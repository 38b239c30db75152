// SPDX-License-Identifier: GPL-2.0-or-later
// The record editor's data lists: the lists offered in its boxes, and the new values a saved
// record adds to them.
#include "edit/windows/record_editor.h"

#include <QComboBox>

#include "edit/windows/record_editor_boxes.h"

namespace edit {

using namespace editor_boxes;

void TMyEdit::fillCombos()
{
    for (const ComboList& c : kCombos) {
        QComboBox* box = combo(QString::fromLatin1(c.box));
        const QString keep = box->currentText();
        box->clear();
        box->addItems((*host_.lists)[c.list]);
        box->setEditText(keep);
    }
}

void TMyEdit::addToLists()
{
    for (const ComboList& c : kCombos) {
        host_.lists->AddToList(c.list, text(QString::fromLatin1(c.box)));
        QComboBox* box = combo(QString::fromLatin1(c.box));
        const QString keep = box->currentText();
        if (box->findText(keep.trimmed(), Qt::MatchFixedString | Qt::MatchCaseSensitive) < 0 && !keep.trimmed().isEmpty())
            box->addItem(keep.trimmed());
        box->setEditText(keep);
    }
}

}  // namespace edit
