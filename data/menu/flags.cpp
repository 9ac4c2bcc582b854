#include "data/menu/flags.h"

#include "data/menu/pictograms.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>
#include <initializer_list>
#include <numbers>

namespace datagen {

namespace {

// Flags are drawn on a 120 x 60 canvas and scaled down smoothly.
constexpr double W = 120;
constexpr double H = 60;

const QColor kWhite(0xFF, 0xFF, 0xFF);
const QColor kRed(0xD2, 0x1F, 0x2E);
const QColor kBlue(0x1F, 0x3F, 0x94);
const QColor kNavy(0x01, 0x21, 0x69);
const QColor kGreen(0x0B, 0x8A, 0x3E);
const QColor kYellow(0xFF, 0xCD, 0x00);

void hStripes(QPainter& p, std::initializer_list<QColor> colours) {
    const double h = H / static_cast<double>(colours.size());
    double y = 0;
    for (const QColor& c : colours) {
        p.fillRect(QRectF(0, y, W, h + 0.5), c);
        y += h;
    }
}

void vStripes(QPainter& p, std::initializer_list<QColor> colours) {
    const double w = W / static_cast<double>(colours.size());
    double x = 0;
    for (const QColor& c : colours) {
        p.fillRect(QRectF(x, 0, w + 0.5, H), c);
        x += w;
    }
}

void nordicCross(QPainter& p, const QColor& field, const QColor& cross,
                 const QColor* inner = nullptr) {
    p.fillRect(QRectF(0, 0, W, H), field);
    p.fillRect(QRectF(32, 0, 14, H), cross);
    p.fillRect(QRectF(0, 23, W, 14), cross);
    if (inner) {
        p.fillRect(QRectF(35.5, 0, 7, H), *inner);
        p.fillRect(QRectF(0, 26.5, W, 7), *inner);
    }
}

void star(QPainter& p, QPointF c, double r, const QColor& colour, double rotation = 0) {
    QPolygonF s;
    for (int i = 0; i < 10; ++i) {
        const double a = -std::numbers::pi / 2 + rotation + i * std::numbers::pi / 5;
        const double rr = (i % 2) ? r * 0.4 : r;
        s << QPointF(c.x() + rr * std::cos(a), c.y() + rr * std::sin(a));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(s);
}

void usa(QPainter& p, double width) {
    for (int i = 0; i < 13; ++i)
        p.fillRect(QRectF(0, i * H / 13, width, H / 13 + 0.5),
                   i % 2 ? kWhite : QColor(0xB2, 0x22, 0x34));
    p.fillRect(QRectF(0, 0, width * 0.42, H * 7 / 13), QColor(0x3C, 0x3B, 0x6E));
    p.setPen(Qt::NoPen);
    p.setBrush(kWhite);
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 5; ++col)
            p.drawEllipse(QPointF(width * 0.42 * (col + 0.6) / 5.2, H * 7 / 13 * (row + 0.6) / 4.2),
                          1.6, 1.6);
}

void unionJack(QPainter& p, const QRectF& r) {
    p.save();
    p.setClipRect(r);
    p.fillRect(r, QColor(0x01, 0x21, 0x69));
    const double t = r.height() / 5;
    QPen white(kWhite, t, Qt::SolidLine, Qt::FlatCap);
    p.setPen(white);
    p.drawLine(r.topLeft(), r.bottomRight());
    p.drawLine(r.bottomLeft(), r.topRight());
    QPen red(QColor(0xC8, 0x10, 0x2E), t / 2.5, Qt::SolidLine, Qt::FlatCap);
    p.setPen(red);
    p.drawLine(r.topLeft(), r.bottomRight());
    p.drawLine(r.bottomLeft(), r.topRight());
    p.fillRect(QRectF(r.center().x() - t, r.top(), 2 * t, r.height()), kWhite);
    p.fillRect(QRectF(r.left(), r.center().y() - t, r.width(), 2 * t), kWhite);
    p.fillRect(QRectF(r.center().x() - t * 0.6, r.top(), 1.2 * t, r.height()),
               QColor(0xC8, 0x10, 0x2E));
    p.fillRect(QRectF(r.left(), r.center().y() - t * 0.6, r.width(), 1.2 * t),
               QColor(0xC8, 0x10, 0x2E));
    p.restore();
}

void paint(QPainter& p, int n) {
    switch (n) {
    case 1: { // MULTI: several languages
        p.fillRect(QRectF(0, 0, W / 2, H / 2), kRed);
        p.fillRect(QRectF(W / 2, 0, W / 2, H / 2), kBlue);
        p.fillRect(QRectF(0, H / 2, W / 2, H / 2), kYellow);
        p.fillRect(QRectF(W / 2, H / 2, W / 2, H / 2), kGreen);
        p.setPen(Qt::NoPen);
        p.setBrush(kWhite);
        p.drawEllipse(QPointF(W / 2, H / 2), 25, 25);
        drawGlyph(p, Glyph::Globe, QRectF(W / 2 - 22, H / 2 - 22, 44, 44), kBlue, kWhite, 1.2);
        break;
    }
    case 2:
        usa(p, W / 2);
        unionJack(p, QRectF(W / 2, 0, W / 2, H));
        break;
    case 3:
        usa(p, W);
        break;
    case 4:
        unionJack(p, QRectF(0, 0, W, H));
        break;
    case 5:
        hStripes(p, {QColor(0, 0, 0), QColor(0xDD, 0, 0), QColor(0xFF, 0xCE, 0)});
        break;
    case 6:
        vStripes(p, {QColor(0x00, 0x55, 0xA4), kWhite, QColor(0xEF, 0x41, 0x35)});
        break;
    case 7:
        hStripes(p, {QColor(0xAA, 0x15, 0x1B), kYellow, kYellow, QColor(0xAA, 0x15, 0x1B)});
        break;
    case 8:
        hStripes(p, {kWhite, QColor(0x00, 0x39, 0xA6), QColor(0xD5, 0x2B, 0x1E)});
        break;
    case 9: {
        for (int i = 0; i < 9; ++i)
            p.fillRect(QRectF(0, i * H / 9, W, H / 9 + 0.5),
                       i % 2 ? kWhite : QColor(0x0D, 0x5E, 0xAF));
        const double s = H * 5 / 9;
        p.fillRect(QRectF(0, 0, s, s), QColor(0x0D, 0x5E, 0xAF));
        p.fillRect(QRectF(s * 0.4, 0, s * 0.2, s), kWhite);
        p.fillRect(QRectF(0, s * 0.4, s, s * 0.2), kWhite);
        break;
    }
    case 10:
        nordicCross(p, kWhite, QColor(0x00, 0x2F, 0x6C));
        break;
    case 11: {
        p.fillRect(QRectF(0, 0, W, H), kWhite);
        const QColor b(0x00, 0x38, 0xB8);
        p.fillRect(QRectF(0, 6, W, 8), b);
        p.fillRect(QRectF(0, H - 14, W, 8), b);
        p.setPen(QPen(b, 3.5));
        p.setBrush(Qt::NoBrush);
        const QPointF c(W / 2, H / 2);
        const double r = 11;
        for (const double off : {0.0, std::numbers::pi}) {
            QPolygonF t;
            for (int i = 0; i < 3; ++i) {
                const double a = -std::numbers::pi / 2 + off + i * 2 * std::numbers::pi / 3;
                t << QPointF(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
            }
            p.drawPolygon(t);
        }
        break;
    }
    case 12:
        vStripes(p, {QColor(0x00, 0x92, 0x46), kWhite, QColor(0xCE, 0x2B, 0x37)});
        break;
    case 13:
        p.fillRect(QRectF(0, 0, W, H), kWhite);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xBC, 0x00, 0x2D));
        p.drawEllipse(QPointF(W / 2, H / 2), 18, 18);
        break;
    case 14:
        hStripes(p, {QColor(0xFF, 0x99, 0x33), kWhite, QColor(0x13, 0x88, 0x08)});
        p.setPen(QPen(QColor(0x00, 0x00, 0x80), 2.5));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(W / 2, H / 2), 8, 8);
        p.setBrush(QColor(0x00, 0x00, 0x80));
        p.drawEllipse(QPointF(W / 2, H / 2), 2, 2);
        break;
    case 15:
        hStripes(p, {QColor(0xAE, 0x1C, 0x28), kWhite, QColor(0x21, 0x46, 0x8B)});
        break;
    case 16: {
        const QColor blue(0x00, 0x20, 0x5B);
        nordicCross(p, QColor(0xBA, 0x0C, 0x2F), kWhite, &blue);
        break;
    }
    case 17:
        p.fillRect(QRectF(0, 0, W * 0.4, H), QColor(0x00, 0x66, 0x00));
        p.fillRect(QRectF(W * 0.4, 0, W * 0.6, H), QColor(0xFF, 0x00, 0x00));
        p.setPen(QPen(kYellow, 3));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(W * 0.4, H / 2), 11, 11);
        p.setPen(Qt::NoPen);
        p.setBrush(kWhite);
        p.drawRoundedRect(QRectF(W * 0.4 - 5, H / 2 - 7, 10, 13), 3, 3);
        break;
    case 18:
        vStripes(p, {QColor(0x00, 0x2B, 0x7F), QColor(0xFC, 0xD1, 0x16), QColor(0xCE, 0x11, 0x26)});
        break;
    case 19:
        nordicCross(p, QColor(0x00, 0x6A, 0xA7), QColor(0xFE, 0xCC, 0x00));
        break;
    case 20: {
        p.fillRect(QRectF(0, 0, W, H), QColor(0xE3, 0x0A, 0x17));
        p.setPen(Qt::NoPen);
        p.setBrush(kWhite);
        p.drawEllipse(QPointF(44, 30), 15, 15);
        p.setBrush(QColor(0xE3, 0x0A, 0x17));
        p.drawEllipse(QPointF(48, 30), 12, 12);
        star(p, QPointF(66, 30), 8, kWhite, -std::numbers::pi / 2);
        break;
    }
    case 21:
        hStripes(p, {kWhite, QColor(0xDC, 0x14, 0x3C)});
        break;
    case 22: {
        const QColor red(0xDE, 0x29, 0x10);
        p.fillRect(QRectF(0, 0, W, H), red);
        star(p, QPointF(20, 16), 10, kYellow);
        star(p, QPointF(40, 6), 3.5, kYellow, 0.4);
        star(p, QPointF(46, 13), 3.5, kYellow, 0.8);
        star(p, QPointF(46, 22), 3.5, kYellow, 0);
        star(p, QPointF(40, 28), 3.5, kYellow, 0.4);
        break;
    }
    case 23:
        nordicCross(p, QColor(0xC8, 0x10, 0x2E), kWhite);
        break;
    case 24: { // Arabic: green field with a line of script and a blade
        p.fillRect(QRectF(0, 0, W, H), QColor(0x00, 0x6C, 0x35));
        QPainterPath script;
        script.moveTo(30, 26);
        for (int i = 0; i < 6; ++i)
            script.cubicTo(34 + i * 10, 14, 38 + i * 10, 30, 40 + i * 10, 22);
        p.setPen(QPen(kWhite, 3.2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(script);
        p.drawLine(QPointF(30, 42), QPointF(88, 42));
        p.drawLine(QPointF(86, 39), QPointF(86, 45));
        break;
    }
    case 25: {
        hStripes(p, {kWhite, QColor(0xD7, 0x14, 0x1A)});
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x11, 0x45, 0x7E));
        p.drawPolygon(QPolygonF(QList<QPointF>{{0, 0}, {W / 2, H / 2}, {0, H}}));
        break;
    }
    case 26:
        hStripes(p, {kWhite, QColor(0x00, 0x96, 0x6E), QColor(0xD6, 0x26, 0x12)});
        break;
    case 27:
        hStripes(p, {QColor(0xCE, 0x29, 0x39), kWhite, QColor(0x47, 0x70, 0x50)});
        break;
    default:
        p.fillRect(QRectF(0, 0, W, H), QColor(0x80, 0x80, 0x80));
        break;
    }
}

} // namespace

QImage drawFlag(int n) {
    QImage big(static_cast<int>(W), static_cast<int>(H), QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::white);
    {
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing, true);
        paint(p, n);
    }
    QImage small = big.scaled(30, 15, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QPainter p(&small);
    p.setPen(QColor(0, 0, 0, 60));
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, 29, 14);
    return small;
}

void writeFlags(const Output& out) {
    for (int n = 1; n <= 27; ++n)
        out.bmp("Files/Flag/flag" + std::to_string(n) + ".bmp", drawFlag(n));
}

} // namespace datagen
