#include "glyphs.h"

#include <QPainter>
#include <QPainterPath>

namespace {

const QColor kKey(255, 0, 255);

void drawPage(QPainter& p, const QColor& fill) {
    QPainterPath page;
    page.moveTo(7, 3);
    page.lineTo(19, 3);
    page.lineTo(25, 9);
    page.lineTo(25, 29);
    page.lineTo(7, 29);
    page.closeSubpath();
    p.setBrush(fill);
    p.drawPath(page);
    p.drawLine(19, 3, 19, 9);
    p.drawLine(19, 9, 25, 9);
}

void drawFolder(QPainter& p) {
    p.setBrush(QColor(240, 200, 80));
    QPainterPath f;
    f.moveTo(3, 9);
    f.lineTo(12, 9);
    f.lineTo(14, 12);
    f.lineTo(29, 12);
    f.lineTo(29, 27);
    f.lineTo(3, 27);
    f.closeSubpath();
    p.drawPath(f);
}

void drawPlus(QPainter& p) {
    p.setPen(QPen(QColor(0, 140, 0), 3));
    p.drawLine(22, 18, 22, 30);
    p.drawLine(16, 24, 28, 24);
}

void drawGear(QPainter& p, const QColor& c) {
    p.setBrush(c);
    p.save();
    p.translate(16, 16);
    for (int i = 0; i < 8; ++i) {
        p.drawRect(-2, -14, 4, 6);
        p.rotate(45);
    }
    p.restore();
    p.drawEllipse(QPointF(16, 16), 9, 9);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(16, 16), 3.5, 3.5);
}

// Draws one glyph on a 32 x 32 canvas.
void drawGlyph(QPainter& p, const QString& b) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1.5));
    if (b == QLatin1String("new")) {
        drawPage(p, Qt::white);
    } else if (b == QLatin1String("open")) {
        drawFolder(p);
        p.setPen(QPen(QColor(0, 90, 180), 2.5));
        p.drawLine(16, 20, 16, 3);
        p.drawLine(16, 3, 11, 8);
        p.drawLine(16, 3, 21, 8);
    } else if (b == QLatin1String("save")) {
        p.setBrush(QColor(40, 70, 160));
        p.drawRect(4, 4, 24, 24);
        p.setBrush(Qt::white);
        p.drawRect(8, 4, 16, 10);
        p.setBrush(QColor(190, 190, 190));
        p.drawRect(9, 19, 14, 9);
    } else if (b == QLatin1String("editp")) {
        drawPage(p, Qt::white);
        p.setPen(QPen(QColor(200, 120, 0), 4));
        p.drawLine(12, 24, 27, 9);
        p.setPen(QPen(Qt::black, 2));
        p.drawLine(10, 26, 12, 24);
    } else if (b == QLatin1String("check")) {
        p.setPen(QPen(QColor(0, 150, 0), 5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(5, 17, 13, 25);
        p.drawLine(13, 25, 27, 7);
    } else if (b == QLatin1String("build")) {
        p.setBrush(QColor(210, 210, 230));
        p.drawEllipse(QPointF(16, 16), 13, 13);
        p.setBrush(QColor(120, 160, 220));
        p.drawEllipse(QPointF(16, 16), 8, 8);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(16, 16), 3, 3);
    } else if (b == QLatin1String("cat")) {
        p.setBrush(QColor(240, 200, 80));
        p.drawRect(3, 3, 10, 8);
        p.drawRect(14, 13, 10, 7);
        p.drawRect(14, 23, 10, 7);
        p.drawLine(8, 11, 8, 26);
        p.drawLine(8, 16, 14, 16);
        p.drawLine(8, 26, 14, 26);
    } else if (b == QLatin1String("md")) {
        p.setBrush(QColor(230, 200, 150));
        p.drawEllipse(3, 5, 26, 22);
        const QColor dots[] = {Qt::red, Qt::blue, QColor(0, 160, 0), Qt::yellow};
        const QPoint at[] = {{10, 11}, {17, 9}, {23, 14}, {9, 19}};
        for (int i = 0; i < 4; ++i) {
            p.setBrush(dots[i]);
            p.drawEllipse(at[i], 3, 3);
        }
    } else if (b == QLatin1String("settings")) {
        drawGear(p, QColor(150, 150, 160));
    } else if (b == QLatin1String("help")) {
        p.setBrush(QColor(40, 100, 200));
        p.drawEllipse(3, 3, 26, 26);
        p.setPen(Qt::white);
        QFont f = p.font();
        f.setPixelSize(20);
        f.setBold(true);
        p.setFont(f);
        p.drawText(QRect(3, 3, 26, 26), Qt::AlignCenter, QStringLiteral("?"));
    } else if (b == QLatin1String("exit")) {
        p.setBrush(QColor(150, 100, 60));
        p.drawRect(5, 3, 14, 26);
        p.setPen(QPen(QColor(200, 0, 0), 3));
        p.drawLine(14, 16, 29, 16);
        p.drawLine(29, 16, 24, 11);
        p.drawLine(29, 16, 24, 21);
    } else if (b == QLatin1String("add")) {
        drawPage(p, Qt::white);
        drawPlus(p);
    } else if (b == QLatin1String("adddir")) {
        drawFolder(p);
        drawPlus(p);
    } else if (b == QLatin1String("addjump")) {
        drawFolder(p);
        p.setPen(QPen(QColor(0, 90, 180), 3));
        p.drawArc(4, 2, 20, 20, 30 * 16, 150 * 16);
        p.drawLine(22, 9, 25, 16);
        p.drawLine(22, 9, 17, 12);
    } else if (b == QLatin1String("addurl")) {
        p.setBrush(QColor(120, 180, 240));
        p.drawEllipse(3, 3, 26, 26);
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(10, 3, 12, 26);
        p.drawLine(3, 16, 29, 16);
        p.drawLine(5, 9, 27, 9);
        p.drawLine(5, 23, 27, 23);
    } else if (b == QLatin1String("remove")) {
        p.setPen(QPen(QColor(210, 0, 0), 5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(7, 7, 25, 25);
        p.drawLine(25, 7, 7, 25);
    } else if (b == QLatin1String("sort")) {
        QFont f = p.font();
        f.setPixelSize(12);
        f.setBold(true);
        p.setFont(f);
        p.drawText(QRect(2, 1, 16, 14), Qt::AlignCenter, QStringLiteral("A"));
        p.drawText(QRect(2, 16, 16, 14), Qt::AlignCenter, QStringLiteral("Z"));
        p.setPen(QPen(QColor(0, 90, 180), 3));
        p.drawLine(24, 4, 24, 28);
        p.drawLine(24, 28, 19, 22);
        p.drawLine(24, 28, 29, 22);
    } else if (b == QLatin1String("find")) {
        p.setBrush(QColor(200, 230, 255));
        p.setPen(QPen(Qt::black, 2.5));
        p.drawEllipse(4, 4, 16, 16);
        p.setPen(QPen(QColor(120, 70, 20), 5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(19, 19, 27, 27);
    } else if (b == QLatin1String("info_f")) {
        drawPage(p, QColor(255, 255, 210));
        p.setPen(QPen(QColor(0, 90, 180), 3));
        p.drawPoint(16, 11);
        p.drawLine(16, 15, 16, 24);
    } else if (b == QLatin1String("screen_f")) {
        p.setBrush(QColor(60, 60, 60));
        p.drawRect(3, 5, 26, 18);
        p.setBrush(QColor(90, 160, 230));
        p.drawRect(6, 8, 20, 12);
        p.setBrush(QColor(120, 120, 120));
        p.drawRect(12, 24, 8, 4);
    }
}

QImage toGrey(const QImage& in, bool disabled) {
    QImage out = in;
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x) {
            const QColor c = out.pixelColor(x, y);
            if (c == kKey)
                continue;
            if (disabled) {
                const int g = 128 + qGray(c.rgb()) / 2;
                out.setPixelColor(x, y, QColor(g, g, g));
            } else {
                out.setPixelColor(x, y, c.darker(130));
            }
        }
    return out;
}

} // namespace

QImage toolbarGlyphs(const QString& button, int size) {
    QImage big(32, 32, QImage::Format_RGB32);
    big.fill(kKey);
    {
        QPainter p(&big);
        drawGlyph(p, button);
    }
    // Scale without smoothing so the key colour stays exact at the edges.
    QImage glyph = size == 32 ? big : big.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    // The antialiased edges were drawn onto the key colour: give them a neutral edge.
    for (int y = 0; y < glyph.height(); ++y)
        for (int x = 0; x < glyph.width(); ++x) {
            const QColor c = glyph.pixelColor(x, y);
            if (c != kKey && c.red() > 200 && c.blue() > 200 && c.green() < 120)
                glyph.setPixelColor(x, y, kKey);
        }
    QImage strip(size * 3, size, QImage::Format_RGB32);
    strip.fill(kKey);
    QPainter p(&strip);
    p.drawImage(0, 0, glyph);
    p.drawImage(size, 0, toGrey(glyph, true));
    p.drawImage(2 * size + 1, 1, toGrey(glyph, false).copy(0, 0, size - 1, size - 1));
    return strip;
}

QImage waitPicture(const QString& text) {
    QImage img(260, 70, QImage::Format_RGB32);
    img.fill(QColor(236, 233, 216));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(80, 80, 110), 2));
    p.drawRect(1, 1, 257, 67);
    p.setBrush(QColor(120, 160, 220));
    p.drawEllipse(14, 15, 40, 40);
    p.setBrush(Qt::white);
    p.drawEllipse(29, 30, 10, 10);
    QFont f = p.font();
    f.setPixelSize(16);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(30, 30, 60));
    p.drawText(QRect(66, 0, 190, 70), Qt::AlignVCenter | Qt::AlignLeft, text);
    return img;
}
