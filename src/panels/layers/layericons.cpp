#include "panels/layers/layericons.h"

#include <QPainter>
#include <QPainterPath>
#include <array>

namespace velkon {

namespace {

void Folder(QPainter& p) {
    p.setPen(QColor(150, 110, 20));
    p.setBrush(QColor(240, 200, 80));
    p.drawRect(1, 4, 13, 10);
    p.setBrush(QColor(255, 225, 120));
    QPolygon flap;
    flap << QPoint(3, 7) << QPoint(15, 7) << QPoint(13, 14) << QPoint(1, 14);
    p.drawPolygon(flap);
    p.drawRect(1, 2, 5, 2);
}

void Puzzle(QPainter& p, QColor colour) {
    p.setPen(colour.darker(150));
    p.setBrush(colour);
    QPainterPath path;
    path.addRect(2, 5, 10, 9);
    path.addEllipse(QPointF(7, 4), 2.5, 2.5);
    path.addEllipse(QPointF(12.5, 9.5), 2.5, 2.5);
    p.drawPath(path.simplified());
}

void Padlock(QPainter& p, bool crossed) {
    p.setPen(QPen(QColor(90, 90, 90), 1.6));
    p.setBrush(Qt::NoBrush);
    if (crossed)
        p.drawArc(QRectF(4, 1, 8, 9), 30 * 16, 150 * 16); // the shackle open
    else
        p.drawArc(QRectF(4, 1, 8, 10), 0, 180 * 16);
    p.setPen(QColor(120, 90, 0));
    p.setBrush(QColor(230, 180, 40));
    p.drawRect(3, 7, 10, 8);
    if (crossed) {
        p.setPen(QPen(QColor(200, 0, 0), 2));
        p.drawLine(2, 14, 14, 2);
    }
}

void Triangle(QPainter& p, bool down) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 40, 40));
    QPolygon t;
    if (down)
        t << QPoint(3, 5) << QPoint(13, 5) << QPoint(8, 11);
    else
        t << QPoint(5, 3) << QPoint(11, 8) << QPoint(5, 13);
    p.drawPolygon(t);
}

void Box(QPainter& p, bool ticked) {
    p.setPen(QColor(60, 60, 60));
    p.setBrush(Qt::white);
    p.drawRect(2, 2, 11, 11);
    if (ticked) {
        p.setPen(QPen(QColor(0, 120, 0), 2));
        p.drawLine(4, 8, 7, 11);
        p.drawLine(7, 11, 12, 4);
    }
}

void Figure(QPainter& p, int x, QColor colour) {
    p.setPen(colour.darker(150));
    p.setBrush(colour);
    p.drawEllipse(QRectF(x + 1.5, 1, 4, 4));
    p.drawRoundedRect(QRectF(x, 6, 7, 8), 2, 2);
}

QPixmap Draw(int index) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    switch (index) {
    case 0:
        Folder(p);
        break;
    case 3:
        Puzzle(p, QColor(60, 180, 60));
        break;
    case 4:
        Puzzle(p, QColor(170, 170, 170));
        break;
    case 7:
        Padlock(p, false);
        break;
    case 8:
        Padlock(p, true);
        break;
    case 9:
        Triangle(p, false);
        break;
    case 10:
        Triangle(p, true);
        break;
    case 11:
        Box(p, true);
        break;
    case 12:
        Box(p, false);
        break;
    case 13:
        Figure(p, 0, QColor(50, 100, 220));
        Figure(p, 8, QColor(50, 100, 220));
        break;
    case 14:
        Figure(p, 4, QColor(50, 100, 220));
        break;
    case 15:
        Figure(p, 4, QColor(220, 120, 30));
        break;
    default:
        break;
    }
    return pixmap;
}

} // namespace

const QPixmap& LayerIcon(int index) {
    static const std::array<QPixmap, 16> icons = [] {
        std::array<QPixmap, 16> all;
        for (int i = 0; i < 16; ++i)
            all[static_cast<size_t>(i)] = Draw(i);
        return all;
    }();
    return icons[static_cast<size_t>(std::clamp(index, 0, 15))];
}

} // namespace velkon
