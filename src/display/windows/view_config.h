// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The viewer configuration: which fields the Book Viewer shows, in what order, how wide,
// under which names, and the grid's look.
#include <QDialog>
#include <array>
#include <functional>

#include "store/settings.h"

class QCheckBox;
class QFrame;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTableWidget;

class TViewConfig : public QDialog {
    Q_OBJECT
public:
    // settings are changed in place; applied runs SetViewerOptions when the window closes
    TViewConfig(store::DatabaseSettings& settings, double factor, std::function<void()> applied,
                QWidget* parent = nullptr);

    void FormShow();
    bool FormCloseQuery();  // false keeps the window open
    void ExitClick();
    void FieldsToDisplayDblClick();
    void UpClick();
    void DownClick();
    void DefaultsClick();
    void HelpClick();
    void TitleColorClick();
    void TitleFontClick();
    void CellColorClick();
    void CellFontClick();

    QTabWidget* Notebook = nullptr;
    QTableWidget* FieldsToDisplay = nullptr;
    QTableWidget* FieldWidthGrid = nullptr;
    QTableWidget* FieldOrderGrid = nullptr;
    QTableWidget* FieldNameGrid = nullptr;
    QCheckBox* ShowGridTitle = nullptr;
    QCheckBox* ColumnLines = nullptr;
    QCheckBox* RowLines = nullptr;
    QCheckBox* RowIndicator = nullptr;
    QCheckBox* FieldEditing = nullptr;
    std::array<QRadioButton*, 3> Alignment {};
    QLineEdit* TitleFont = nullptr;
    QLineEdit* GridFont = nullptr;
    QFrame* TitleShape = nullptr;
    QFrame* CellColorShape = nullptr;

protected:
    void closeEvent(QCloseEvent* e) override;
    void done(int r) override;

private:
    void buildTitlePage(QWidget* page);
    void buildLookPage(QWidget* page);
    void buildGrids();
    void fillGrids();
    void paintSamples();
    void applyColors();

    store::DatabaseSettings& s_;
    double factor_;
    std::function<void()> applied_;
    std::array<QString, store::kFieldCount> namesAtOpen_;
    bool closing_ = false;
};
