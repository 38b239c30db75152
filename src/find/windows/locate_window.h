// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Locate: the settings kept for the run, and the window that asks for field, value and match.
#include <QDialog>
#include <functional>
#include <vector>

#include "find/locate.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The locate settings, kept by the main window for the program's run.
struct TMyLocateDialog {
    QString SearchField;
    QString FieldValue;
    find::MatchType MatchType = find::MatchType::PartialStart;
    bool CaseSensitive = false;
    bool DefaultButtonNext = true;
    bool ShowMessages = true;
    QString Caption = QStringLiteral("Locate Field Value");
};

class TMyLocateDlg : public QDialog {
    Q_OBJECT
public:
    struct Field {
        QString label;  // as listed
        QString name;   // the table's field name
    };
    // fields: the labels and names to list; run: does the locate (true when found, the window
    // then closes)
    TMyLocateDlg(TMyLocateDialog& settings, std::vector<Field> fields,
                 std::function<find::LocateResult(const find::LocateRequest&, bool fromStart)> run,
                 QWidget* parent = nullptr);

    void FirstButtonClick();
    void NextButtonClick();
    bool found() const { return found_; }

    QComboBox* FieldNameComboBox = nullptr;
    QLineEdit* SearchValue = nullptr;
    QCheckBox* CaseSensitiveCheckBox = nullptr;
    QRadioButton* ExactMatchBtn = nullptr;
    QRadioButton* PartialMatchStartBtn = nullptr;
    QRadioButton* PartialMatchAnyBtn = nullptr;
    QPushButton* FirstButton = nullptr;
    QPushButton* NextButton = nullptr;

protected:
    void done(int r) override;  // however it closes, the choices are kept
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void search(bool fromStart);
    find::LocateRequest request() const;
    QString selectedName() const;

    TMyLocateDialog& s_;
    std::vector<Field> fields_;
    std::function<find::LocateResult(const find::LocateRequest&, bool)> run_;
    bool found_ = false;
    bool keyInList_ = false;  // a key typed in the closed field list is being handled
};
