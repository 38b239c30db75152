// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The record editor: one book in five pages of boxes, loaded from and saved to the open table.
#include <QDialog>
#include <QMap>
#include <functional>

#include "edit/data_lists.h"
#include "store/dataset.h"
#include "store/settings.h"
#include "ui/window_fit.h"

class QAction;
class QCheckBox;
class QKeyEvent;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace edit {

// What the editor works with, owned by the main window.
struct EditorHost {
    store::Dataset* table = nullptr;
    store::DatabaseSettings* settings = nullptr;  // display names, colours and fonts
    DataLists* lists = nullptr;
    int* editorMode = nullptr;                    // 1 add, 2 edit, 3 copy
    bool browseMode = false;
    std::function<double()> factor;               // the screen-size preset's factor
    std::function<QString()> basePath;            // of the open database, for its list files
};

class TMyEdit : public QDialog {
    Q_OBJECT
public:
    explicit TMyEdit(const EditorHost& host, QWidget* parent = nullptr);

    // Shows the window modally as the editor mode says.
    int ShowModal();
    // Browse mode, or a table that can only be read: the commands that write are off.
    void setChangesRefused(bool refused);

    // Commands
    void DoClear();
    bool DoUpdate();
    void DoAnUpdate();
    void DoUpdateAndExit();
    void DoExit();
    void NewRecordClick();
    void CopyRecordClick();
    void DoPreviousRecord();
    void DoNextRecord();
    void CheckOutClick();
    void BlankClick();
    void BlankDateClick();
    void HelpClick();
    void MenuPrintRecordClick();

    // Parts of the window
    void FormShow();
    void LoadInData();
    void SetCaptions();
    void SaveValues();
    bool ValuesChanged() const;
    void SetColors();

    QLineEdit* box(const QString& name) const;
    void fitBoxesToTable();
    QComboBox* combo(const QString& name) const;
    QCheckBox* checkOut() const { return checkOut_; }
    QTabWidget* notebook() const { return notebook_; }
    QAction* action(const QString& name) const { return actions_.value(name); }
    // The text of a box of any kind, as the editor reads it.
    QString text(const QString& name) const;
    void setText(const QString& name, const QString& text);

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void done(int result) override;  // every close saves the lists

private:
    void buildPages();
    void buildMenu();
    void buildButtons();
    QWidget* addBox(QWidget* page, const QString& name, int field, int x, int y, int width, bool list, int labelWidth = 140);
    void moneyExit(const QString& name);
    bool fail(const QString& message, int page, const QString& box);
    bool askMove(bool next);
    void move(bool next);
    void fillCombos();
    // Adds the values of the list boxes to their data lists and to the boxes' own lists.
    void addToLists();
    QStringList snapshot() const;
    bool isMenuShortcut(const QKeyEvent* k) const;

    EditorHost host_;
    QTabWidget* notebook_ = nullptr;
    QCheckBox* checkOut_ = nullptr;
    QMap<QString, QWidget*> boxes_;           // by component name
    QMap<QString, QLabel*> labels_;           // by component name of the box
    QMap<QString, int> fields_;               // component name → field number
    QMap<QString, QAction*> actions_;
    QList<QLabel*> pageHeaders_;
    QStringList saved_;
    bool savedCheck_ = false;
    QString memoryDate_, memoryName_;
    ui::WindowDimensions design_;
};

}  // namespace edit
