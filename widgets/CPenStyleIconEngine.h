#pragma once

#include <QIconEngine>
#include <QString>
#include <QStringList>

class QPainter;

// A line end or line joint of the pen grid, drawn as vectors: sharp at
// every scale, centred and whole in whatever cell or list row shows it.
// The pen's path is marked by a dot where it ends (or turns), so that a
// square end, which stops there, reads apart from an extended one.
class CPenStyleIconEngine : public QIconEngine {
public:
    // The values after "PenEnd" and "PenJoint", in the pen page's order.
    static const QStringList& EndValues();
    static const QStringList& JointValues();
    // "PenEndSQUARE" ... "PenJointROUND"; false for any other name.
    static bool IsStyle(const QString& styleName);
    explicit CPenStyleIconEngine(QString styleName);

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override;

    // The drawing's own size, in logical pixels.
    static constexpr int kWidth = 64;
    static constexpr int kHeight = 24;

private:
    void DrawEnd(QPainter& painter, const QString& end) const;
    void DrawJoint(QPainter& painter, const QString& joint) const;

    QString m_styleName;
};
