// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cstddef>
#include <cstdint>
#include <utility>

namespace quarvel::ui::qt {

QIcon glyph(Glyph kind) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    switch (kind) {
    case Glyph::Erase: {
        // An eraser lying across a line.
        p.setPen(QPen(QColor(90, 90, 90), 1));
        p.drawLine(2, 14, 14, 14);
        QPainterPath body;
        body.moveTo(3, 10);
        body.lineTo(9, 3);
        body.lineTo(14, 7);
        body.lineTo(8, 13);
        body.closeSubpath();
        p.setBrush(QColor(230, 120, 120));
        p.drawPath(body);
        p.setBrush(QColor(240, 240, 240));
        p.drawPolygon(QPolygonF({QPointF(3, 10), QPointF(6, 6.5), QPointF(11, 10.5), QPointF(8, 13)}));
        break;
    }
    case Glyph::Open:
        // A folder.
        p.setPen(QPen(QColor(150, 110, 30), 1));
        p.setBrush(QColor(240, 200, 90));
        p.drawRect(QRectF(1.5, 4.5, 13, 9));
        p.drawRect(QRectF(1.5, 2.5, 5, 2));
        break;
    case Glyph::CopyPicture:
        // Two pictures, one over the other, a mountain on the front one.
        p.setPen(QPen(QColor(90, 90, 90), 1));
        p.setBrush(QColor(235, 235, 235));
        p.drawRect(QRectF(4.5, 1.5, 10, 9));
        p.setBrush(QColor(120, 170, 230));
        p.drawRect(QRectF(1.5, 5.5, 10, 9));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 120, 60));
        p.drawPolygon(QPolygonF({QPointF(2, 14), QPointF(6, 9), QPointF(11, 14)}));
        break;
    case Glyph::Save:
        // A diskette.
        p.setPen(QPen(QColor(40, 60, 110), 1));
        p.setBrush(QColor(70, 100, 170));
        p.drawRect(QRectF(1.5, 1.5, 13, 13));
        p.setBrush(QColor(245, 245, 245));
        p.drawRect(QRectF(4.5, 1.5, 7, 5));
        p.drawRect(QRectF(3.5, 9.5, 9, 5));
        break;
    case Glyph::Camera:
        // An astronomy camera: a cooled body with its round window.
        p.setPen(QPen(QColor(40, 40, 60), 1));
        p.setBrush(QColor(200, 40, 40));
        p.drawRoundedRect(QRectF(1.5, 3.5, 13, 10), 2, 2);
        p.setBrush(QColor(30, 30, 40));
        p.drawEllipse(QRectF(4.5, 5.5, 7, 7));
        p.setPen(QPen(QColor(120, 120, 130), 1));
        for (double x : {3.0, 6.0, 9.0, 12.0}) p.drawLine(QPointF(x, 1), QPointF(x, 3));
        break;
    case Glyph::Dslr:
        // A reflex camera: body, prism hump and lens.
        p.setPen(QPen(QColor(30, 30, 30), 1));
        p.setBrush(QColor(70, 70, 75));
        p.drawRoundedRect(QRectF(0.5, 5.5, 15, 9), 1.5, 1.5);
        p.drawPolygon(QPolygonF({QPointF(5, 5.5), QPointF(6.5, 2.5), QPointF(9.5, 2.5), QPointF(11, 5.5)}));
        p.setBrush(QColor(150, 190, 230));
        p.drawEllipse(QRectF(5, 7, 6, 6));
        p.setBrush(QColor(230, 60, 40));
        p.drawRect(QRectF(12.5, 7, 2, 1.5));
        break;
    case Glyph::Night: {
        // A crescent moon: a disc less a disc.
        QPainterPath moon;
        moon.addEllipse(QRectF(2, 2, 12, 12));
        QPainterPath bite;
        bite.addEllipse(QRectF(6, 0, 11, 11));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 40, 30));
        p.drawPath(moon.subtracted(bite));
        break;
    }
    case Glyph::Quit:
        // A cross.
        p.setPen(QPen(QColor(180, 40, 40), 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(4, 4), QPointF(12, 12));
        p.drawLine(QPointF(12, 4), QPointF(4, 12));
        break;
    }
    p.end();
    return QIcon(pixmap);
}

#define QUARVEL_ICON(size)                    \
    extern const std::uint8_t kIcon##size[];  \
    extern const std::size_t kIcon##size##_size;
QUARVEL_ICON(48)
QUARVEL_ICON(64)
QUARVEL_ICON(128)
QUARVEL_ICON(256)
#undef QUARVEL_ICON

QIcon programIcon() {
    const std::pair<const std::uint8_t*, std::size_t> sizes[] = {
        {kIcon48, kIcon48_size}, {kIcon64, kIcon64_size}, {kIcon128, kIcon128_size}, {kIcon256, kIcon256_size}};
    QIcon icon;
    for (const auto& [data, size] : sizes) {
        QPixmap pixmap;
        if (pixmap.loadFromData(data, static_cast<uint>(size), "PNG")) icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace quarvel::ui::qt
