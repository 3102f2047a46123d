#pragma once

#include <QByteArray>
#include <QString>

// How the user left the main window's views: sizes in inches or in
// millimetres, where the preview pane's splitter stood, the window's place
// and size, and the folder plot files were last taken from. Kept in the
// registry with the window's other values.
class CViewPreferences {
public:
    static bool ReadSizesInInches();
    // Empty when none was written.
    static QByteArray ReadSplitterState();
    static QByteArray ReadWindowGeometry();
    static void Write(bool sizesInInches, const QByteArray& splitterState, const QByteArray& windowGeometry);
    // Empty when none was written.
    static QString ReadPlotFolder();
    static void WritePlotFolder(const QString& folder);
};
