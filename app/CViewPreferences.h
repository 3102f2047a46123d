#pragma once

#include <QByteArray>

// How the user left the main window's views: sizes in inches or in
// millimetres, and where the preview pane's splitter stood. Kept in the
// registry with the window's other values.
class CViewPreferences {
public:
    static bool ReadSizesInInches();
    // Empty when none was written.
    static QByteArray ReadSplitterState();
    static void Write(bool sizesInInches, const QByteArray& splitterState);
};
