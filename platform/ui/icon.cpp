#include "zui_form.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace zui {

namespace {

QPixmap drawIcon(int size) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);

    // Gear: a toothed ring, upper left.
    const QPointF c(26, 26);
    QPainterPath gear;
    const int teeth = 8;
    for (int i = 0; i < teeth * 2; ++i) {
        const double a0 = (i * M_PI) / teeth;
        const double a1 = ((i + 1) * M_PI) / teeth;
        const double r = (i % 2 == 0) ? 24 : 19;
        QPointF p0 = c + QPointF(r * qCos(a0 + 0.08), r * qSin(a0 + 0.08));
        QPointF p1 = c + QPointF(r * qCos(a1 - 0.08), r * qSin(a1 - 0.08));
        if (i == 0) gear.moveTo(p0);
        else gear.lineTo(p0);
        gear.lineTo(p1);
    }
    gear.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(c, 8, 8);
    gear = gear.subtracted(hole);
    p.setPen(QPen(QColor(60, 66, 74), 2));
    p.setBrush(QColor(150, 158, 168));
    p.drawPath(gear);

    // Paint drop, lower right, over the gear.
    QPainterPath drop;
    drop.moveTo(46, 18);
    drop.cubicTo(52, 30, 62, 38, 62, 48);
    drop.arcTo(QRectF(30, 32, 32, 30), 0, -180);
    drop.cubicTo(30, 38, 40, 30, 46, 18);
    p.setPen(QPen(QColor(120, 20, 20), 2));
    QLinearGradient g(34, 30, 60, 62);
    g.setColorAt(0, QColor(235, 70, 60));
    g.setColorAt(1, QColor(170, 25, 25));
    p.setBrush(g);
    p.drawPath(drop);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(QRectF(38, 42, 6, 9));
    return pm;
}

}  // namespace

QIcon appIcon() {
    static const QIcon icon = [] {
        QIcon i;
        for (int s : {16, 24, 32, 48, 64, 128, 256}) i.addPixmap(drawIcon(s));
        return i;
    }();
    return icon;
}

}  // namespace zui
