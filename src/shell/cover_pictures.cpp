#include "cover_pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace orvane::shell {

namespace {

void frame(QPainter& p, const QRect& r) {
    p.setPen(QPen(QColor(40, 70, 130), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(r).adjusted(1, 1, -1, -1), 6, 6);
}

void line(QPainter& p, const QRect& r) { p.fillRect(r, QColor(40, 70, 130)); }

void banner(QPainter& p, const QRect& r) {
    QLinearGradient g(r.topLeft(), r.topRight());
    g.setColorAt(0, QColor(0, 96, 128));
    g.setColorAt(0.5, QColor(40, 150, 170));
    g.setColorAt(1, QColor(0, 96, 128));
    p.fillRect(r, g);
    p.setPen(QPen(QColor(255, 255, 255, 120), 1.5));
    for (int k = 0; k < 3; ++k) {
        QPainterPath wave;
        const double y = r.top() + 10 + k * 10;
        wave.moveTo(r.left(), y);
        for (int x = r.left(); x <= r.right(); x += 40) {
            wave.cubicTo(x + 10, y - 5, x + 30, y + 5, x + 40, y);
        }
        p.drawPath(wave);
    }
    QFont f = p.font();
    f.setPointSizeF(11);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(r, Qt::AlignCenter, "超压泄放装置计算  ·  GB 150-1998 附录B");
}

// A horizontal vessel on saddles under a sky, a safety valve and a bursting disc holder on top.
void vessel(QPainter& p, const QRect& r) {
    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    sky.setColorAt(0, QColor(150, 195, 240));
    sky.setColorAt(0.7, QColor(225, 238, 250));
    sky.setColorAt(0.71, QColor(150, 170, 140));
    sky.setColorAt(1, QColor(110, 130, 100));
    p.fillRect(r, sky);

    p.save();
    p.translate(r.topLeft());
    p.scale(r.width() / 389.0, r.height() / 278.0);

    // Clouds.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 210));
    for (const QPointF c : {QPointF(70, 40), QPointF(300, 30), QPointF(200, 60)}) {
        p.drawEllipse(c, 34, 12);
        p.drawEllipse(c + QPointF(-18, -6), 18, 12);
        p.drawEllipse(c + QPointF(16, -8), 20, 14);
    }

    // Saddles.
    p.setBrush(QColor(90, 90, 100));
    for (double x : {110.0, 260.0}) {
        QPainterPath saddle;
        saddle.moveTo(x - 22, 200);
        saddle.lineTo(x + 22, 200);
        saddle.lineTo(x + 14, 168);
        saddle.lineTo(x - 14, 168);
        saddle.closeSubpath();
        p.drawPath(saddle);
    }

    // Shell with elliptical heads.
    QLinearGradient steel(0, 100, 0, 180);
    steel.setColorAt(0, QColor(235, 238, 242));
    steel.setColorAt(0.45, QColor(185, 192, 202));
    steel.setColorAt(1, QColor(110, 118, 132));
    QPainterPath shell;
    shell.addRoundedRect(QRectF(60, 100, 270, 76), 38, 38);
    p.setPen(QPen(QColor(60, 66, 80), 1.5));
    p.setBrush(steel);
    p.drawPath(shell);
    p.setPen(QPen(QColor(60, 66, 80, 120), 1));
    p.drawLine(QPointF(98, 102), QPointF(98, 174));
    p.drawLine(QPointF(292, 102), QPointF(292, 174));

    // Safety valve on its nozzle.
    p.setPen(QPen(QColor(60, 66, 80), 1.2));
    p.setBrush(QColor(200, 60, 50));
    p.drawRect(QRectF(145, 84, 14, 16));   // nozzle
    p.drawRect(QRectF(138, 80, 28, 5));    // flange
    p.drawRect(QRectF(142, 58, 20, 22));   // body
    p.drawRect(QRectF(162, 64, 16, 9));    // outlet
    p.drawRect(QRectF(146, 30, 12, 28));   // bonnet
    p.drawEllipse(QRectF(146, 24, 12, 10));
    p.setPen(QPen(QColor(255, 255, 255), 1.2));
    for (int i = 0; i < 5; ++i) p.drawLine(QPointF(147, 34 + i * 5), QPointF(157, 37 + i * 5));

    // Bursting disc holder between two flanges.
    p.setPen(QPen(QColor(60, 66, 80), 1.2));
    p.setBrush(QColor(70, 110, 170));
    p.drawRect(QRectF(236, 84, 12, 16));
    p.drawRect(QRectF(228, 78, 28, 6));
    p.setBrush(QColor(240, 190, 60));
    p.drawRect(QRectF(228, 74, 28, 4));
    p.setBrush(QColor(70, 110, 170));
    p.drawRect(QRectF(228, 68, 28, 6));
    p.drawRect(QRectF(236, 44, 12, 24));

    // Ground line.
    p.setPen(QPen(QColor(80, 95, 70), 2));
    p.drawLine(QPointF(0, 200), QPointF(389, 200));
    p.restore();
}

constexpr Decoration kDecorations[] = {
    {"Shape1", &frame}, {"Shape2", &frame}, {"Shape3", &frame},     {"Shape4", &frame},
    {"Shape5", &frame}, {"Line1", &line},   {"Line2", &line},       {"Line3", &line},
    {"Image1", &banner}, {"Picture1", &vessel},
};

}  // namespace

std::span<const Decoration> coverDecorations() { return kDecorations; }

}  // namespace orvane::shell
