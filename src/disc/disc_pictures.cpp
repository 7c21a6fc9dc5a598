// The bursting disc window's decorations, drawn here: a light sky with clouds behind the window, a
// forward-acting domed disc clamped between two pipe flanges, and a close-up of the domed disc.
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "disc_window.h"

namespace orvane::disc {

namespace {

const QColor kSteel(160, 168, 182);
const QColor kSteelDark(70, 78, 92);
const QColor kDisc(236, 190, 70);
const QColor kDiscDark(150, 110, 30);

void cloud(QPainter& p, QPointF c, double size) {
    p.drawEllipse(c, 2.2 * size, 0.8 * size);
    p.drawEllipse(c + QPointF(-1.1 * size, -0.4 * size), 1.2 * size, 0.8 * size);
    p.drawEllipse(c + QPointF(0.9 * size, -0.55 * size), 1.3 * size, 0.95 * size);
}

void flange(QPainter& p, const QRectF& r) {
    QLinearGradient g(r.topLeft(), r.topRight());
    g.setColorAt(0, QColor(120, 128, 142));
    g.setColorAt(0.5, QColor(205, 210, 220));
    g.setColorAt(1, QColor(120, 128, 142));
    p.setPen(QPen(kSteelDark, 0.8));
    p.setBrush(g);
    p.drawRect(r);
}

}  // namespace

void paintSky(QPainter& p, const QRect& area) {
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0, QColor(176, 208, 244));
    sky.setColorAt(0.6, QColor(214, 230, 250));
    sky.setColorAt(1, QColor(236, 242, 252));
    p.fillRect(area, sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    const double w = area.width(), h = area.height();
    cloud(p, QPointF(0.08 * w, 0.05 * h), 16);
    cloud(p, QPointF(0.55 * w, 0.04 * h), 12);
    cloud(p, QPointF(0.28 * w, 0.58 * h), 14);
    cloud(p, QPointF(0.83 * w, 0.6 * h), 18);
    cloud(p, QPointF(0.6 * w, 0.97 * h), 20);
    cloud(p, QPointF(0.05 * w, 0.98 * h), 14);
}

void paintFrame(QPainter& p, const QRect& area) {
    p.setPen(QPen(QColor(40, 70, 130), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(area).adjusted(1, 1, -1, -1));
}

void paintDiscBetweenFlanges(QPainter& p, const QRect& area) {
    p.fillRect(area, QColor(246, 249, 255));
    p.save();
    p.translate(area.topLeft());
    p.scale(area.width() / 100.0, area.height() / 96.0);

    // Pipe from the vessel below, pipe to the outlet above.
    p.setPen(QPen(kSteelDark, 0.6));
    p.setBrush(kSteel);
    p.drawRect(QRectF(38, 62, 24, 30));
    p.drawRect(QRectF(38, 4, 24, 30));
    p.setBrush(QColor(205, 228, 250));
    p.drawRect(QRectF(41, 62, 18, 30));
    p.drawRect(QRectF(41, 4, 18, 30));

    // Lower and upper flanges with the holder rings, the disc clamped between them.
    flange(p, QRectF(22, 54, 56, 8));
    flange(p, QRectF(22, 34, 56, 8));
    p.setBrush(QColor(120, 130, 150));
    p.drawRect(QRectF(26, 50, 48, 4));
    p.drawRect(QRectF(26, 42, 48, 4));
    QPainterPath dome;
    dome.moveTo(26, 48.5);
    dome.lineTo(41, 48.5);
    dome.cubicTo(43, 39, 57, 39, 59, 48.5);
    dome.lineTo(74, 48.5);
    dome.lineTo(74, 49.5);
    dome.lineTo(59, 49.5);
    dome.cubicTo(57, 41, 43, 41, 41, 49.5);
    dome.lineTo(26, 49.5);
    dome.closeSubpath();
    p.setPen(QPen(kDiscDark, 0.5));
    p.setBrush(kDisc);
    p.drawPath(dome);

    // Studs through the flanges.
    p.setPen(QPen(kSteelDark, 1.2));
    for (double x : {27.0, 73.0}) p.drawLine(QPointF(x, 31), QPointF(x, 65));
    p.setBrush(kSteelDark);
    for (double x : {27.0, 73.0}) {
        p.drawRect(QRectF(x - 3, 31, 6, 3));
        p.drawRect(QRectF(x - 3, 62, 6, 3));
    }

    // Pressure from the vessel.
    p.setPen(QPen(QColor(30, 90, 200), 1.4));
    for (double x : {45.0, 50.0, 55.0}) {
        p.drawLine(QPointF(x, 88), QPointF(x, 70));
        p.drawLine(QPointF(x, 70), QPointF(x - 1.5, 73));
        p.drawLine(QPointF(x, 70), QPointF(x + 1.5, 73));
    }
    QFont f = p.font();
    f.setPointSizeF(4.5);
    p.setFont(f);
    p.setPen(QColor(40, 40, 90));
    p.drawText(QRectF(62, 80, 36, 8), Qt::AlignLeft, "容器侧");
    p.drawText(QRectF(64, 8, 34, 8), Qt::AlignLeft, "泄放侧");
    p.drawText(QRectF(2, 44, 20, 8), Qt::AlignLeft, "爆破片");
    p.restore();
}

void paintDomedDisc(QPainter& p, const QRect& area) {
    QLinearGradient g(area.topLeft(), area.bottomLeft());
    g.setColorAt(0, QColor(250, 250, 255));
    g.setColorAt(1, QColor(220, 228, 240));
    p.fillRect(area, g);
    const double w = area.width(), h = area.height();
    const QPointF c(area.left() + w / 2, area.top() + h * 0.78);

    // The domed disc seen from the side, its flat flange ring and the score lines of a slotted disc.
    QPainterPath dome;
    dome.moveTo(c.x() - 0.42 * w, c.y());
    dome.lineTo(c.x() - 0.24 * w, c.y());
    dome.cubicTo(c.x() - 0.2 * w, c.y() - 0.62 * h, c.x() + 0.2 * w, c.y() - 0.62 * h, c.x() + 0.24 * w, c.y());
    dome.lineTo(c.x() + 0.42 * w, c.y());
    dome.lineTo(c.x() + 0.42 * w, c.y() + 0.06 * h);
    dome.lineTo(c.x() - 0.42 * w, c.y() + 0.06 * h);
    dome.closeSubpath();
    QLinearGradient shine(QPointF(c.x() - 0.24 * w, 0), QPointF(c.x() + 0.24 * w, 0));
    shine.setColorAt(0, kDiscDark);
    shine.setColorAt(0.35, QColor(255, 228, 140));
    shine.setColorAt(1, kDiscDark);
    p.setPen(QPen(kDiscDark, 1));
    p.setBrush(shine);
    p.drawPath(dome);
    p.setPen(QPen(QColor(120, 80, 20), 0.8, Qt::DashLine));
    for (double k : {-0.12, 0.0, 0.12}) {
        p.drawLine(QPointF(c.x() + k * w, c.y() - 0.45 * h + std::abs(k) * 0.9 * h), QPointF(c.x() + k * w * 1.6, c.y()));
    }
    QFont f = p.font();
    f.setPointSizeF(8);
    p.setFont(f);
    p.setPen(QColor(40, 40, 90));
    p.drawText(QRectF(area.left() + 4, area.top() + 2, w - 8, 16), Qt::AlignLeft, "正拱形爆破片");
}

}  // namespace orvane::disc
