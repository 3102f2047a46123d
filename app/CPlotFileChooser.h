#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// The choosers of the print list's Add files and Add folder: titled for
// what they add, and opening in the folder plot files were last taken
// from, in this run or an earlier one (else the home folder), rather than
// wherever another dialog, such as the settings editor's Save As, left off.
class CPlotFileChooser {
public:
    // Empty when cancelled.
    static QStringList ChooseFiles(QWidget* parent);
    static QString ChooseFolder(QWidget* parent);

private:
    static QString StartFolder();
};
