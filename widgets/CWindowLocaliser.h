#pragma once

class QFont;
class QString;
class QWidget;

// Window layouts carry string identifiers instead of texts; this puts the
// resource module's strings in their place and gives the controls the
// application font.
class CWindowLocaliser {
public:
    // The window's title and the texts of its labels, buttons and group
    // boxes become the strings they name (empty when the text is not a
    // number or names no string); those and the list, combo, edit and tab
    // controls get the font. Other widgets keep theirs.
    static void LocaliseWindow(QWidget& window, const QFont& font);
    // The string that a caption names.
    static QString CaptionText(const QString& caption);
};
