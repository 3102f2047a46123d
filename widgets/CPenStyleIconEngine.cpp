#include "CPenStyleIconEngine.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <algorithm>

namespace {
constexpr const char* kEndPrefix = "PenEnd";
constexpr const char* kJointPrefix = "PenJoint";
constexpr qreal kPenWidth = 9;
// No larger than this in a tall cell, so that the grid's pictures match.
constexpr qreal kLargestScale = 1.5;
const QColor kInk(0x2f, 0x55, 0x9a);

QPen Stroke(QColor colour, Qt::PenCapStyle cap, Qt::PenJoinStyle join = Qt::MiterJoin)
{
    QPen pen(colour, kPenWidth, Qt::SolidLine, cap, join);
    pen.setMiterLimit(4);
    return pen;
}

void DrawPoint(QPainter& painter, QPointF at)
{
    painter.setPen(QPen(kInk.darker(160), 1.2));
    painter.setBrush(Qt::white);
    painter.drawEllipse(at, 2.2, 2.2);
}
}

const QStringList& CPenStyleIconEngine::EndValues()
{
    static const QStringList values = {"SQUARE", "ROUND", "EXTEND", "TRIANGLE"};
    return values;
}

const QStringList& CPenStyleIconEngine::JointValues()
{
    static const QStringList values = {"UNJOINT", "BEVEL", "MITTER", "ROUND"};
    return values;
}

bool CPenStyleIconEngine::IsStyle(const QString& styleName)
{
    return (styleName.startsWith(kEndPrefix) && EndValues().contains(styleName.mid(6))) ||
           (styleName.startsWith(kJointPrefix) && JointValues().contains(styleName.mid(8)));
}

CPenStyleIconEngine::CPenStyleIconEngine(QString styleName)
    : m_styleName(std::move(styleName))
{
}

void CPenStyleIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State)
{
    const qreal scale = std::min({rect.width() / qreal(kWidth), rect.height() / qreal(kHeight), kLargestScale});
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->translate(rect.center().x() + 0.5 - kWidth * scale / 2, rect.center().y() + 0.5 - kHeight * scale / 2);
    painter->scale(scale, scale);
    if (mode == QIcon::Disabled)
        painter->setOpacity(0.4);
    if (m_styleName.startsWith(kEndPrefix))
        DrawEnd(*painter, m_styleName.mid(6));
    else
        DrawJoint(*painter, m_styleName.mid(8));
    painter->restore();
}

// The line comes from the left, cut off there, and ends at the dot; a
// short stroke at the end point adds the cap of a round or extended end.
void CPenStyleIconEngine::DrawEnd(QPainter& painter, const QString& end) const
{
    const QPointF from(9, kHeight / 2.0);
    const QPointF to(50, kHeight / 2.0);
    painter.setPen(Stroke(kInk, Qt::FlatCap));
    painter.drawLine(from, to);
    if (end == "ROUND" || end == "EXTEND") {
        painter.setPen(Stroke(kInk, end == "ROUND" ? Qt::RoundCap : Qt::SquareCap));
        painter.drawLine(to - QPointF(1, 0), to);
    }
    if (end == "TRIANGLE") {
        painter.setPen(Qt::NoPen);
        painter.setBrush(kInk);
        painter.drawPolygon(QPolygonF({to + QPointF(0, -kPenWidth / 2), to + QPointF(kPenWidth / 2, 0),
                                       to + QPointF(0, kPenWidth / 2)}));
    }
    DrawPoint(painter, to);
}

// Two strokes meet at the dot; unjoined, each simply stops there.
void CPenStyleIconEngine::DrawJoint(QPainter& painter, const QString& joint) const
{
    const QPointF left(14, 18.5);
    const QPointF apex(32, 8);
    const QPointF right(50, 18.5);
    if (joint == "UNJOINT") {
        painter.setPen(Stroke(kInk, Qt::FlatCap));
        painter.drawLine(left, apex);
        painter.drawLine(apex, right);
    } else {
        const Qt::PenJoinStyle join = joint == "ROUND" ? Qt::RoundJoin : joint == "BEVEL" ? Qt::BevelJoin : Qt::MiterJoin;
        painter.setPen(Stroke(kInk, Qt::FlatCap, join));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolyline(QPolygonF({left, apex, right}));
    }
    DrawPoint(painter, apex);
}

QPixmap CPenStyleIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state)
{
    return scaledPixmap(size, mode, state, 1.0);
}

// Drawn at the screen's pixels, not scaled from a smaller picture.
QPixmap CPenStyleIconEngine::scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale)
{
    const QSize logical = actualSize(size, mode, state);
    QPixmap pixmap(logical * scale);
    pixmap.setDevicePixelRatio(scale);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paint(&painter, QRect(QPoint(0, 0), logical), mode, state);
    return pixmap;
}

QSize CPenStyleIconEngine::actualSize(const QSize& size, QIcon::Mode, QIcon::State)
{
    return QSize(kWidth, kHeight).boundedTo(size);
}

QIconEngine* CPenStyleIconEngine::clone() const
{
    return new CPenStyleIconEngine(m_styleName);
}
