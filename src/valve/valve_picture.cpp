// A cut-away sketch of a spring-loaded safety valve: inlet at the bottom, outlet to the right, the
// disc on its seat held down by the spring in the bonnet, the adjusting screw under the cap.
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <QPainterPath>

#include "valve_window.h"

namespace orvane::valve {

namespace {

const QColor kSteel(150, 158, 170);
const QColor kSteelDark(70, 78, 92);
const QColor kCavity(205, 228, 250);
const QColor kSpring(180, 60, 40);

void wall(QPainter& p, const QPainterPath& path) {
    p.setPen(QPen(kSteelDark, 0.8));
    p.setBrush(kSteel);
    p.drawPath(path);
    p.setBrush(QBrush(kSteelDark, Qt::BDiagPattern));
    p.drawPath(path);
}

void arrow(QPainter& p, QPointF from, QPointF to) {
    p.setPen(QPen(QColor(30, 90, 200), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    const QPointF d = to - from;
    const double len = std::max(1e-9, std::hypot(d.x(), d.y()));
    const QPointF u = d / len;
    const QPointF n(-u.y(), u.x());
    QPainterPath head;
    head.moveTo(to + u * 3.0);
    head.lineTo(to - u * 2.0 + n * 2.6);
    head.lineTo(to - u * 2.0 - n * 2.6);
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 90, 200));
    p.drawPath(head);
}

}  // namespace

void paintValvePicture(QPainter& p, const QRect& area) {
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0, QColor(246, 248, 255));
    sky.setColorAt(1, QColor(214, 224, 244));
    p.fillRect(area, sky);
    p.setPen(QPen(QColor(90, 90, 140), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(area.adjusted(0, 0, -1, -1));

    // Logical drawing space 100 x 150, scaled to the picture.
    p.save();
    p.translate(area.topLeft());
    p.scale(area.width() / 100.0, area.height() / 150.0);

    // Fluid inside the body and nozzles.
    QPainterPath cavity;
    cavity.moveTo(41, 140);
    cavity.lineTo(41, 100);
    cavity.cubicTo(40, 88, 44, 82, 50, 82);
    cavity.cubicTo(60, 82, 66, 88, 70, 94);
    cavity.lineTo(90, 94);
    cavity.lineTo(90, 108);
    cavity.lineTo(66, 108);
    cavity.cubicTo(62, 104, 60, 100, 59, 100);
    cavity.lineTo(59, 140);
    cavity.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(kCavity);
    p.drawPath(cavity);

    // Inlet nozzle walls and flange.
    QPainterPath inlet;
    inlet.addRect(36, 100, 5, 38);
    inlet.addRect(59, 100, 5, 38);
    inlet.addRect(26, 138, 48, 6);
    wall(p, inlet);

    // Body shell, cut in half, and the outlet nozzle with its flange.
    QPainterPath body;
    body.moveTo(36, 100);
    body.cubicTo(33, 84, 40, 76, 50, 76);
    body.cubicTo(62, 76, 70, 84, 74, 89);
    body.lineTo(90, 89);
    body.lineTo(90, 94);
    body.lineTo(70, 94);
    body.cubicTo(66, 88, 60, 82, 50, 82);
    body.cubicTo(44, 82, 40, 88, 41, 100);
    body.closeSubpath();
    body.moveTo(59, 100);
    body.cubicTo(61, 100, 63, 104, 66, 108);
    body.lineTo(90, 108);
    body.lineTo(90, 113);
    body.lineTo(64, 113);
    body.lineTo(64, 100);
    body.closeSubpath();
    body.addRect(90, 84, 6, 34);
    wall(p, body);

    // Seat ring and disc.
    p.setPen(QPen(kSteelDark, 0.8));
    p.setBrush(QColor(200, 170, 90));
    p.drawRect(QRectF(40, 99, 6, 3));
    p.drawRect(QRectF(54, 99, 6, 3));
    p.setBrush(QColor(120, 130, 150));
    p.drawRoundedRect(QRectF(41, 94, 18, 5), 1.5, 1.5);

    // Bonnet flange and bonnet around the spring.
    QPainterPath bonnet;
    bonnet.addRect(30, 72, 40, 5);
    bonnet.moveTo(36, 72);
    bonnet.lineTo(39, 28);
    bonnet.lineTo(43, 28);
    bonnet.lineTo(40.5, 72);
    bonnet.closeSubpath();
    bonnet.moveTo(64, 72);
    bonnet.lineTo(61, 28);
    bonnet.lineTo(57, 28);
    bonnet.lineTo(59.5, 72);
    bonnet.closeSubpath();
    bonnet.addRect(39, 24, 22, 4);
    wall(p, bonnet);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(235, 238, 245));
    QPainterPath inside;
    inside.moveTo(40.5, 72);
    inside.lineTo(43, 28);
    inside.lineTo(57, 28);
    inside.lineTo(59.5, 72);
    inside.closeSubpath();
    p.drawPath(inside);

    // Stem from the disc to the adjusting screw.
    p.setPen(QPen(kSteelDark, 0.6));
    p.setBrush(QColor(175, 180, 190));
    p.drawRect(QRectF(48.8, 12, 2.4, 82));

    // Spring plates and coils.
    p.setBrush(QColor(120, 125, 140));
    p.drawRect(QRectF(43, 66, 14, 3));
    p.drawRect(QRectF(44, 31, 12, 3));
    QPainterPath coil;
    const int turns = 7;
    const double top = 34, bottom = 66, left = 43.5, right = 56.5;
    const double step = (bottom - top) / turns;
    coil.moveTo(left, bottom);
    for (int i = 0; i < turns; ++i) {
        const double y = bottom - i * step;
        coil.lineTo(right, y - step / 2);
        coil.lineTo(left, y - step);
    }
    p.setPen(QPen(kSpring, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(coil);

    // Cap over the adjusting screw, and the lifting lever.
    QPainterPath cap;
    cap.moveTo(42, 24);
    cap.lineTo(42, 14);
    cap.cubicTo(42, 8, 58, 8, 58, 14);
    cap.lineTo(58, 24);
    cap.closeSubpath();
    wall(p, cap);
    p.setPen(QPen(kSteelDark, 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(58, 18), QPointF(76, 12));
    p.setBrush(kSteelDark);
    p.drawEllipse(QPointF(76, 12), 1.6, 1.6);

    // Flow: up through the inlet, out of the side.
    arrow(p, QPointF(50, 146), QPointF(50, 128));
    arrow(p, QPointF(72, 101), QPointF(86, 101));

    // Captions.
    QFont f = p.font();
    f.setPointSizeF(5.5);
    p.setFont(f);
    p.setPen(QColor(40, 40, 90));
    p.drawText(QRectF(2, 126, 30, 10), Qt::AlignLeft, "进口");
    p.drawText(QRectF(72, 118, 26, 10), Qt::AlignRight, "出口");
    p.drawText(QRectF(63, 46, 35, 10), Qt::AlignLeft, "弹簧");
    p.drawText(QRectF(2, 88, 30, 10), Qt::AlignLeft, "阀瓣");
    p.restore();
}

}  // namespace orvane::valve
