// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The colour configuration window: one colour set (or all five) edited entry by entry or from a
// predefined combination, with a sample of each kind of control.
#include <QDialog>
#include <array>

#include "display/color_sets.h"
#include "store/settings.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

class TColorConfig : public QDialog {
    Q_OBJECT
public:
    // sets: the database's five colour sets, changed only by "&Ok".
    TColorConfig(display::ColorTarget target, std::array<store::ColorSet, store::kColorSets>& sets,
                 QWidget* parent = nullptr);

    const store::ColorSet& working() const { return working_; }
    display::ColorTarget target() const { return target_; }

    // Paints every sample from the working set.
    void paintSamples();
    void ColorSetsChange(int item);
    // The colour dialog for one entry of the working set.
    void chooseEntry(store::ColorEntry entry);
    void OkClick();

    QPushButton *MainBack {}, *MajorTitles {}, *MinorTitles {};
    QPushButton *RadioText {}, *RadioBack {}, *CheckText {}, *CheckBack {};
    QPushButton *EditBoxText {}, *EditBoxBack {}, *ComboText {}, *ComboBack {}, *ListText {}, *ListBack {};
    QRadioButton* RadioSample {};
    QCheckBox* CheckSample {};
    QLineEdit* EditSample {};
    QComboBox* ComboSample {};
    QListWidget* ListSample {};
    QComboBox* ColorSets {};
    std::array<QGroupBox*, 6> headings {};  // Window, Radio Button, Check Box, Edit Box, Combo Box, List Box
    QGroupBox* PredefinedGroup {};

private:
    display::ColorTarget target_;
    std::array<store::ColorSet, store::kColorSets>& sets_;
    store::ColorSet working_;
};
