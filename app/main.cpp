#include "CSendoraApp.h"

#include <QApplication>

// Files and folders named on the command line start in the print list.
int main(int argc, char** argv)
{
    QApplication qt(argc, argv);
    // The desktop entry's name: Wayland shells match windows to it for the icon.
    QGuiApplication::setDesktopFileName("org.marovia.QXSendora");
    CSendoraApp app;
    return app.RunApplication(QApplication::arguments().mid(1));
}
