#pragma once
// The main window.
#include <QMainWindow>

#include "store/book_table.h"

class TMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TMain(QWidget* parent = nullptr);

    store::BookTableFiles tableFiles;
};
