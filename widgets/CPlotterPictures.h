#pragma once

#include <QIcon>
#include <QList>
#include <QPixmap>
#include <QString>

// The settings pages' pictures from the resource module: the colour image
// lists, the line-end and line-joint lists of the pen grid's drop-downs and
// the pictures of its cells. The bitmaps are drawn at twice their size, so
// every pixmap handed out has device pixel ratio 2 and the logical size of
// the original image.
class CPlotterPictures {
public:
    // "PenEndSQUARE" … "PenJointROUND": the picture of that line end or
    // joint, loaded once; a null pixmap for any other name.
    static QPixmap GetPenStylePicture(const QString& styleName);

    // One image per colour, in the order of CPlotter's colour lists: pens,
    // stamp, drawing colours (48 × 16 each).
    static QList<QIcon> GetPenImageList();
    static QList<QIcon> GetStampImageList();
    static QList<QIcon> GetColorImageList();
    // One image per value, in the order the pen page offers them (64 × 24
    // each).
    static QList<QIcon> GetPenEndImages();
    static QList<QIcon> GetPenJointImages();
};
