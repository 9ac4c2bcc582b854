#include "data/menu/rating.h"

#include <QFont>
#include <QPainter>
#include <QPolygonF>
#include <cmath>
#include <functional>
#include <numbers>

namespace datagen {

namespace {

QImage transparent(int w, int h) {
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

QPolygonF starShape(QPointF c, double r) {
    QPolygonF s;
    for (int i = 0; i < 10; ++i) {
        const double a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const double rr = (i % 2) ? r * 0.45 : r;
        s << QPointF(c.x() + rr * std::cos(a), c.y() + rr * std::sin(a));
    }
    return s;
}

QImage stars(int filled) {
    QImage image = transparent(80, 16);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    for (int i = 0; i < 5; ++i) {
        const QPolygonF s = starShape(QPointF(8 + i * 16, 8.6), 7.4);
        if (i < filled) {
            p.setPen(QPen(QColor(0xC7, 0x7C, 0x02), 1));
            p.setBrush(QColor(0xFF, 0xB4, 0x1F));
        } else {
            p.setPen(QPen(QColor(0x9A, 0xA3, 0xAF), 1));
            p.setBrush(QColor(0xD5, 0xDA, 0xE1));
        }
        p.drawPolygon(s);
    }
    return image;
}

QImage meter(int level) {
    QImage image = transparent(60, 12);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QColor colours[5] = {QColor(0xD6, 0x45, 0x2F), QColor(0xE8, 0x84, 0x1F),
                               QColor(0xE8, 0xC1, 0x1F), QColor(0x8C, 0xC1, 0x2A),
                               QColor(0x2E, 0xA8, 0x4A)};
    for (int i = 0; i < 5; ++i) {
        const QRectF box(1 + i * 12, 1, 10, 10);
        p.setPen(QPen(QColor(0x6B, 0x77, 0x88), 1));
        p.setBrush(i < level ? colours[level - 1] : QColor(0xE4, 0xE8, 0xEE));
        p.drawRoundedRect(box, 2, 2);
    }
    return image;
}

QImage preview(const QString& title, int count, const std::function<QImage(int)>& picture) {
    QImage image(200, 130, QImage::Format_ARGB32);
    image.fill(QColor(0xF4, 0xF6, 0xFA));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QColor(0xC9, 0xD3, 0xE2));
    p.drawRect(0, 0, 199, 129);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(0x1E, 0x3A, 0x6E));
    p.drawText(QRect(10, 6, 180, 16), Qt::AlignLeft | Qt::AlignVCenter, title);
    font.setBold(false);
    font.setPixelSize(10);
    p.setFont(font);
    const int rows = std::min(count, 5);
    for (int i = 0; i < rows; ++i) {
        const int level = count - 1 - i * (count - 1) / std::max(1, rows - 1);
        const int y = 28 + i * 20;
        p.setPen(QColor(0x4E, 0x5D, 0x73));
        p.drawText(QRect(10, y, 50, 16), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("%1 %").arg(level * 100 / std::max(1, count - 1)));
        p.drawImage(QPoint(60, y), picture(level));
    }
    return image;
}

} // namespace

void writeRatingSets(const Output& out) {
    for (int k = 0; k <= 5; ++k)
        out.gif("Files/rank/1/stars" + std::to_string(k) + ".gif", stars(k));
    out.jpeg("Files/rank/1/prev.jpg", preview(QStringLiteral("Five Stars"), 6, stars), 92);

    for (int k = 1; k <= 5; ++k)
        out.gif("Files/rank/2/meter" + std::to_string(k) + ".gif", meter(k));
    out.jpeg("Files/rank/2/prev.jpg",
             preview(QStringLiteral("Level Meter"), 5, [](int level) { return meter(level + 1); }),
             92);
}

} // namespace datagen
