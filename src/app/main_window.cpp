#include "app/main_window.h"

TMain::TMain(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(QStringLiteral("Bindlow Books 97"));
    resize(640, 480);
}
