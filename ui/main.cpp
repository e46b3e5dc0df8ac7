#include <QApplication>
#include <QDir>

#include "ui/mainwindow.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Defibrio"));
    defib::ui::TForm1 window(QDir::currentPath());
    window.show();
    return QApplication::exec();
}
