#include "CSendoraApp.h"

#include <QApplication>

// Files and folders named on the command line start in the print list.
int main(int argc, char** argv)
{
    QApplication qt(argc, argv);
    CSendoraApp app;
    return app.RunApplication(QApplication::arguments().mid(1));
}
