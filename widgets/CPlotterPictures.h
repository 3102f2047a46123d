#pragma once

#include <QIcon>
#include <QList>
#include <QPixmap>
#include <QString>

// The settings pages' pictures: the colour image lists from the resource
// module, whose bitmaps are drawn at twice their size (every pixmap handed
// out has device pixel ratio 2 and the logical size of the original image),
// and the line ends and joints of the pen grid's cells and drop-downs,
// drawn as vectors (CPenStyleIconEngine).
class CPlotterPictures {
public:
    // "PenEndSQUARE" … "PenJointROUND": the picture of that line end or
    // joint; a null icon for any other name.
    static QIcon GetPenStylePicture(const QString& styleName);

    // One image per colour, in the order of CPlotter's colour lists: pens,
    // stamp, drawing colours (48 × 16 each).
    static QList<QIcon> GetPenImageList();
    static QList<QIcon> GetStampImageList();
    static QList<QIcon> GetColorImageList();
    // One picture per value, in the order the pen page offers them (64 × 24
    // each, at most).
    static QList<QIcon> GetPenEndImages();
    static QList<QIcon> GetPenJointImages();
};
