#pragma once

#include <QIcon>
#include <QPixmap>

// Icons and bitmaps of the resource module as Qt images; empty when the
// module has none of that number.
class CResourceImages {
public:
    static QIcon Icon(unsigned id);
    static QIcon Bitmap(unsigned id);
    static QPixmap BitmapPixmap(unsigned id);
};
