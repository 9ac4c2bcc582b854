#include "data/menu/pictograms.h"

#include <QPainterPath>
#include <QPolygonF>
#include <cmath>
#include <numbers>

namespace datagen {

namespace {

// Every glyph is drawn on a 24 x 24 grid; the painter is scaled to the box.
struct Pen {
    QPainter& p;
    QColor ink;
    QColor paper;
    double width;

    void line() const {
        QPen pen(ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
    }
    void fill() const {
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
    }
    void cut(double w = -1) const {
        QPen pen(paper, w < 0 ? width : w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
    }
    void paperFill() const {
        p.setPen(Qt::NoPen);
        p.setBrush(paper);
    }
};

QPolygonF poly(std::initializer_list<QPointF> points) {
    return QPolygonF(QList<QPointF>(points));
}

void sheet(const Pen& k, double l, double t, double r, double b, double fold) {
    QPainterPath path;
    path.moveTo(l, t);
    path.lineTo(r - fold, t);
    path.lineTo(r, t + fold);
    path.lineTo(r, b);
    path.lineTo(l, b);
    path.closeSubpath();
    k.fill();
    k.p.drawPath(path);
    k.paperFill();
    k.p.drawPolygon(poly({{r - fold, t + 0.8}, {r - fold, t + fold}, {r - 0.8, t + fold}}));
}

void folder(const Pen& k, double top = 5) {
    QPainterPath path;
    path.moveTo(2, top + 14);
    path.lineTo(2, top + 1);
    path.quadTo(2, top, 3, top);
    path.lineTo(9, top);
    path.lineTo(11, top + 2);
    path.lineTo(21, top + 2);
    path.quadTo(22, top + 2, 22, top + 3);
    path.lineTo(22, top + 14);
    path.closeSubpath();
    k.fill();
    k.p.drawPath(path);
}

void star(const Pen& k, QPointF c, double outer, double inner) {
    QPolygonF s;
    for (int i = 0; i < 10; ++i) {
        const double a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const double r = (i % 2) ? inner : outer;
        s << QPointF(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
    }
    k.fill();
    k.p.drawPolygon(s);
}

void landscape(const Pen& k, const QRectF& r) {
    k.line();
    k.p.drawRoundedRect(r, 1.5, 1.5);
    k.fill();
    k.p.drawPolygon(poly({{r.left() + 1, r.bottom() - 1},
                          {r.left() + r.width() * 0.38, r.top() + r.height() * 0.45},
                          {r.left() + r.width() * 0.6, r.bottom() - r.height() * 0.3},
                          {r.left() + r.width() * 0.72, r.top() + r.height() * 0.62},
                          {r.right() - 1, r.bottom() - 1}}));
    k.p.drawEllipse(QPointF(r.right() - r.width() * 0.25, r.top() + r.height() * 0.28), 1.6, 1.6);
}

void badge(const Pen& k, bool plus) {
    k.paperFill();
    k.p.drawEllipse(QPointF(18, 18), 5.5, 5.5);
    k.fill();
    k.p.drawEllipse(QPointF(18, 18), 4.5, 4.5);
    k.cut(1.6);
    k.p.drawLine(QPointF(15.8, 18), QPointF(20.2, 18));
    if (plus)
        k.p.drawLine(QPointF(18, 15.8), QPointF(18, 20.2));
}

void chevron(const Pen& k, double angleDeg) {
    k.p.save();
    k.p.translate(12, 12);
    k.p.rotate(angleDeg);
    QPen pen(k.ink, k.width * 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    k.p.setPen(pen);
    k.p.setBrush(Qt::NoBrush);
    k.p.drawPolyline(poly({{-3, -6}, {3, 0}, {-3, 6}}));
    k.p.restore();
}

void draw(const Pen& k, Glyph g) {
    QPainter& p = k.p;
    switch (g) {
    case Glyph::Play:
        k.fill();
        p.drawPolygon(poly({{7, 4}, {20, 12}, {7, 20}}));
        break;
    case Glyph::Copy:
        k.line();
        p.drawRoundedRect(QRectF(4, 3, 11, 14), 1.5, 1.5);
        k.paperFill();
        p.drawRoundedRect(QRectF(8.5, 6.5, 12, 15), 1.5, 1.5);
        k.fill();
        p.drawRoundedRect(QRectF(9.5, 7.5, 10, 13), 1, 1);
        break;
    case Glyph::Unpack:
        k.fill();
        p.drawRect(QRectF(3, 11, 18, 10));
        p.drawPolygon(poly({{2, 9}, {22, 9}, {22, 12}, {2, 12}}));
        k.line();
        p.drawLine(QPointF(12, 2.5), QPointF(12, 8));
        p.drawPolyline(poly({{8.5, 5.5}, {12, 2}, {15.5, 5.5}}));
        k.cut(1.5);
        p.drawLine(QPointF(9, 15), QPointF(15, 15));
        break;
    case Glyph::Folder:
        folder(k);
        k.cut(1.2);
        p.drawLine(QPointF(2.5, 9.5), QPointF(21.5, 9.5));
        break;
    case Glyph::FolderOpen:
        folder(k);
        k.paperFill();
        p.drawPolygon(poly({{5, 11}, {23, 11}, {20, 19.5}, {2.5, 19.5}}));
        k.fill();
        p.drawPolygon(poly({{6, 12}, {21.6, 12}, {19.3, 18.8}, {3.6, 18.8}}));
        break;
    case Glyph::FolderPlus:
        folder(k);
        k.cut(2);
        p.drawLine(QPointF(12, 10), QPointF(12, 16));
        p.drawLine(QPointF(9, 13), QPointF(15, 13));
        break;
    case Glyph::FolderJump:
        folder(k);
        k.cut(1.8);
        p.drawLine(QPointF(7, 13.5), QPointF(16, 13.5));
        p.drawPolyline(poly({{13, 10.5}, {16.5, 13.5}, {13, 16.5}}));
        break;
    case Glyph::DocSearch:
        sheet(k, 3, 2, 16, 21, 4);
        k.cut(1.2);
        p.drawLine(QPointF(5.5, 9), QPointF(12, 9));
        p.drawLine(QPointF(5.5, 12), QPointF(10, 12));
        k.paperFill();
        p.drawEllipse(QPointF(15, 15), 5.6, 5.6);
        k.line();
        p.drawEllipse(QPointF(15, 15), 3.8, 3.8);
        p.drawLine(QPointF(17.8, 17.8), QPointF(21.5, 21.5));
        break;
    case Glyph::Info:
        k.fill();
        p.drawEllipse(QPointF(12, 12), 10, 10);
        k.paperFill();
        p.drawEllipse(QPointF(12, 7), 1.6, 1.6);
        p.drawRoundedRect(QRectF(10.6, 10, 2.8, 8), 1.2, 1.2);
        break;
    case Glyph::Gear: {
        k.fill();
        QPainterPath path;
        for (int i = 0; i < 8; ++i) {
            p.save();
            p.translate(12, 12);
            p.rotate(i * 45.0);
            p.drawRoundedRect(QRectF(-2.2, -10.5, 4.4, 5), 1, 1);
            p.restore();
        }
        p.drawEllipse(QPointF(12, 12), 7.2, 7.2);
        k.paperFill();
        p.drawEllipse(QPointF(12, 12), 3, 3);
        break;
    }
    case Glyph::Power:
        k.line();
        p.drawArc(QRectF(4, 4.5, 16, 16), 120 * 16, 300 * 16);
        p.drawLine(QPointF(12, 2.5), QPointF(12, 11));
        break;
    case Glyph::Minimise:
        k.line();
        p.drawLine(QPointF(6, 16), QPointF(18, 16));
        break;
    case Glyph::Home:
        k.fill();
        p.drawPolygon(poly({{12, 3}, {22, 12}, {19, 12}, {19, 21}, {5, 21}, {5, 12}, {2, 12}}));
        k.paperFill();
        p.drawRect(QRectF(10, 14, 4, 7));
        break;
    case Glyph::LevelUp:
        k.line();
        p.drawPolyline(poly({{18, 20}, {10, 20}, {10, 6}}));
        p.drawPolyline(poly({{5.5, 10.5}, {10, 5}, {14.5, 10.5}}));
        break;
    case Glyph::Search:
        k.line();
        p.drawEllipse(QPointF(10, 10), 6, 6);
        {
            QPen pen(k.ink, k.width * 1.5, Qt::SolidLine, Qt::RoundCap);
            p.setPen(pen);
            p.drawLine(QPointF(14.5, 14.5), QPointF(20.5, 20.5));
        }
        break;
    case Glyph::ChevronLeft:
        chevron(k, 180);
        break;
    case Glyph::ChevronRight:
        chevron(k, 0);
        break;
    case Glyph::ChevronUp:
        chevron(k, -90);
        break;
    case Glyph::ChevronDown:
        chevron(k, 90);
        break;
    case Glyph::Close:
        k.line();
        p.drawLine(QPointF(6, 6), QPointF(18, 18));
        p.drawLine(QPointF(18, 6), QPointF(6, 18));
        break;
    case Glyph::Check:
        k.line();
        p.drawPolyline(poly({{4.5, 12.5}, {10, 18}, {19.5, 6.5}}));
        break;
    case Glyph::Printer:
        k.fill();
        p.drawRoundedRect(QRectF(2, 8, 20, 9), 2, 2);
        k.line();
        p.drawRect(QRectF(7, 3, 10, 5));
        k.paperFill();
        p.drawRect(QRectF(6.5, 13, 11, 8.5));
        k.fill();
        p.drawRect(QRectF(7.5, 14, 9, 6.5));
        k.cut(1);
        p.drawLine(QPointF(9, 16.5), QPointF(15, 16.5));
        break;
    case Glyph::List:
        k.fill();
        for (int i = 0; i < 4; ++i) {
            p.drawEllipse(QPointF(5, 5.5 + i * 4.5), 1.5, 1.5);
            p.drawRoundedRect(QRectF(8.5, 4.5 + i * 4.5, 12.5, 2.2), 1, 1);
        }
        break;
    case Glyph::Star:
        star(k, {12, 12.5}, 10, 4.2);
        break;
    case Glyph::StarPlus:
    case Glyph::StarMinus:
        star(k, {10.5, 11}, 9, 3.8);
        badge(k, g == Glyph::StarPlus);
        break;
    case Glyph::Picture:
        landscape(k, QRectF(2.5, 4.5, 19, 15));
        break;
    case Glyph::PicturePlus:
    case Glyph::PictureMinus:
        landscape(k, QRectF(1.5, 3, 17, 13.5));
        badge(k, g == Glyph::PicturePlus);
        break;
    case Glyph::Program:
        k.fill();
        p.drawRoundedRect(QRectF(2, 3.5, 20, 17), 2, 2);
        k.paperFill();
        p.drawRect(QRectF(4, 8, 16, 10.5));
        k.fill();
        p.drawPolygon(poly({{9, 10}, {15.5, 13.25}, {9, 16.5}}));
        break;
    case Glyph::Archive:
        k.fill();
        p.drawRoundedRect(QRectF(4, 2, 16, 20), 2, 2);
        k.paperFill();
        for (int i = 0; i < 5; ++i)
            p.drawRect(QRectF(i % 2 ? 12 : 10, 3 + i * 2, 2, 2));
        p.drawRoundedRect(QRectF(9.5, 13.5, 5, 5.5), 1, 1);
        k.fill();
        p.drawRect(QRectF(10.8, 15.5, 2.4, 2.2));
        break;
    case Glyph::File:
        sheet(k, 4, 2, 20, 22, 5);
        break;
    case Glyph::Help: {
        k.fill();
        p.drawEllipse(QPointF(12, 12), 10, 10);
        k.cut(2.3);
        QPainterPath q;
        q.moveTo(8.6, 9.2);
        q.cubicTo(8.6, 5.5, 15.6, 5.5, 15.4, 9.3);
        q.cubicTo(15.3, 11.6, 12, 11.8, 12, 14.3);
        p.drawPath(q);
        k.paperFill();
        p.drawEllipse(QPointF(12, 17.6), 1.5, 1.5);
        break;
    }
    case Glyph::Globe:
        k.fill();
        p.drawEllipse(QPointF(12, 12), 10, 10);
        k.cut(1.3);
        p.drawEllipse(QPointF(12, 12), 4.2, 9.3);
        p.drawLine(QPointF(2.5, 12), QPointF(21.5, 12));
        p.drawLine(QPointF(12, 2.5), QPointF(12, 21.5));
        p.drawLine(QPointF(4.2, 7), QPointF(19.8, 7));
        p.drawLine(QPointF(4.2, 17), QPointF(19.8, 17));
        break;
    case Glyph::Note:
        k.fill();
        p.drawEllipse(QPointF(7.5, 18), 3.6, 2.8);
        p.drawEllipse(QPointF(17.5, 16), 3.6, 2.8);
        p.drawPolygon(poly({{9.6, 18},
                            {9.6, 5},
                            {21, 2.5},
                            {21, 16},
                            {19.4, 16},
                            {19.4, 7},
                            {11.2, 8.8},
                            {11.2, 18}}));
        break;
    case Glyph::TextDoc:
        sheet(k, 4, 2, 20, 22, 5);
        k.cut(1.3);
        for (int i = 0; i < 4; ++i)
            p.drawLine(QPointF(7, 10 + i * 3), QPointF(i == 3 ? 13 : 17, 10 + i * 3));
        break;
    case Glyph::WordDoc:
        sheet(k, 4, 2, 20, 22, 5);
        k.cut(1.6);
        p.drawPolyline(poly({{7, 10}, {8.7, 17}, {12, 11.5}, {15.3, 17}, {17, 10}}));
        break;
    case Glyph::Film:
        k.fill();
        p.drawRoundedRect(QRectF(2, 4, 20, 16), 2, 2);
        k.paperFill();
        for (int i = 0; i < 5; ++i) {
            p.drawRect(QRectF(3.5 + i * 3.9, 5.2, 2, 2));
            p.drawRect(QRectF(3.5 + i * 3.9, 16.8, 2, 2));
        }
        p.drawRect(QRectF(4, 8.6, 16, 6.8));
        k.fill();
        p.drawPolygon(poly({{10, 9.6}, {14.5, 12}, {10, 14.4}}));
        break;
    case Glyph::Font: {
        k.fill();
        QPainterPath a;
        a.moveTo(2, 21);
        a.lineTo(9.5, 3);
        a.lineTo(12.5, 3);
        a.lineTo(20, 21);
        a.lineTo(16.6, 21);
        a.lineTo(14.8, 16.5);
        a.lineTo(7.2, 16.5);
        a.lineTo(5.4, 21);
        a.closeSubpath();
        p.drawPath(a);
        k.paperFill();
        p.drawPolygon(poly({{8.3, 13.5}, {11, 6.8}, {13.7, 13.5}}));
        break;
    }
    case Glyph::IconGrid:
        k.fill();
        for (int i = 0; i < 4; ++i)
            p.drawRoundedRect(QRectF(3 + (i % 2) * 10, 3 + (i / 2) * 10, 8, 8), 2, 2);
        break;
    case Glyph::PdfDoc:
        sheet(k, 4, 2, 20, 22, 5);
        k.paperFill();
        p.drawRoundedRect(QRectF(6, 12, 12, 6), 1, 1);
        k.fill();
        p.drawRect(QRectF(7.5, 13.5, 2, 3));
        p.drawRect(QRectF(11, 13.5, 2, 3));
        p.drawRect(QRectF(14.5, 13.5, 2, 3));
        break;
    case Glyph::Disc:
        k.fill();
        p.drawEllipse(QPointF(12, 12), 10, 10);
        k.cut(1);
        p.drawArc(QRectF(5, 5, 14, 14), 100 * 16, 60 * 16);
        k.paperFill();
        p.drawEllipse(QPointF(12, 12), 2.6, 2.6);
        break;
    case Glyph::Wrench: {
        p.save();
        p.translate(12, 12);
        p.rotate(45);
        k.fill();
        p.drawRoundedRect(QRectF(-2, -3, 4, 14), 1.6, 1.6);
        p.drawEllipse(QPointF(0, -6), 5.5, 5.5);
        k.paperFill();
        p.drawRect(QRectF(-1.8, -12.5, 3.6, 6.5));
        p.restore();
        break;
    }
    case Glyph::Gamepad:
        k.fill();
        p.drawRoundedRect(QRectF(2, 7, 20, 11), 5.5, 5.5);
        k.cut(1.8);
        p.drawLine(QPointF(7, 10.2), QPointF(7, 14.8));
        p.drawLine(QPointF(4.7, 12.5), QPointF(9.3, 12.5));
        k.paperFill();
        p.drawEllipse(QPointF(15.5, 11), 1.3, 1.3);
        p.drawEllipse(QPointF(18, 13.8), 1.3, 1.3);
        break;
    case Glyph::Chip:
        k.fill();
        p.drawRoundedRect(QRectF(5.5, 5.5, 13, 13), 1.5, 1.5);
        for (int i = 0; i < 4; ++i) {
            const double o = 7 + i * 3.3;
            p.drawRect(QRectF(o, 2, 1.4, 3));
            p.drawRect(QRectF(o, 19, 1.4, 3));
            p.drawRect(QRectF(2, o, 3, 1.4));
            p.drawRect(QRectF(19, o, 3, 1.4));
        }
        k.paperFill();
        p.drawRect(QRectF(9, 9, 6, 6));
        break;
    case Glyph::Book:
        k.fill();
        p.drawRoundedRect(QRectF(4, 2, 16, 20), 1.5, 1.5);
        k.paperFill();
        p.drawRect(QRectF(6.5, 2, 1.2, 20));
        p.drawRect(QRectF(10, 6, 7, 2));
        break;
    case Glyph::Gift:
        k.fill();
        p.drawRect(QRectF(3, 9, 18, 4));
        p.drawRect(QRectF(4.5, 13.5, 15, 8));
        k.line();
        p.drawEllipse(QPointF(9, 6), 3, 2.2);
        p.drawEllipse(QPointF(15, 6), 3, 2.2);
        k.paperFill();
        p.drawRect(QRectF(11, 9, 2, 13));
        break;
    case Glyph::Heart: {
        k.fill();
        QPainterPath h;
        h.moveTo(12, 21);
        h.cubicTo(2, 14, 1, 8, 4.5, 5);
        h.cubicTo(7.5, 2.5, 11, 4, 12, 7);
        h.cubicTo(13, 4, 16.5, 2.5, 19.5, 5);
        h.cubicTo(23, 8, 22, 14, 12, 21);
        p.drawPath(h);
        break;
    }
    case Glyph::Mail:
        k.fill();
        p.drawRoundedRect(QRectF(2, 5, 20, 14), 2, 2);
        k.cut(1.4);
        p.drawPolyline(poly({{3.5, 7}, {12, 13.5}, {20.5, 7}}));
        break;
    case Glyph::Lock:
        k.line();
        p.drawArc(QRectF(7, 3, 10, 12), 0, 180 * 16);
        p.drawLine(QPointF(7, 9), QPointF(7, 11));
        p.drawLine(QPointF(17, 9), QPointF(17, 11));
        k.fill();
        p.drawRoundedRect(QRectF(4, 10.5, 16, 11), 2, 2);
        k.paperFill();
        p.drawEllipse(QPointF(12, 15), 1.6, 1.6);
        p.drawRect(QRectF(11.4, 15, 1.2, 3.5));
        break;
    case Glyph::Chart:
        k.fill();
        p.drawRect(QRectF(4, 13, 4, 8));
        p.drawRect(QRectF(10, 8, 4, 13));
        p.drawRect(QRectF(16, 3, 4, 18));
        break;
    case Glyph::Camera:
        k.fill();
        p.drawRoundedRect(QRectF(2, 7, 20, 13), 2, 2);
        p.drawRect(QRectF(8, 4.5, 8, 3));
        k.paperFill();
        p.drawEllipse(QPointF(12, 13.5), 4.3, 4.3);
        k.fill();
        p.drawEllipse(QPointF(12, 13.5), 2.8, 2.8);
        break;
    case Glyph::Cloud: {
        k.fill();
        p.drawEllipse(QPointF(8, 14), 5, 5);
        p.drawEllipse(QPointF(13.5, 10.5), 6, 6);
        p.drawEllipse(QPointF(18, 14.5), 4.5, 4.5);
        p.drawRect(QRectF(8, 13, 10, 6));
        break;
    }
    case Glyph::Lightning:
        k.fill();
        p.drawPolygon(poly({{14, 2}, {5, 13.5}, {11, 13.5}, {9, 22}, {19, 9.5}, {13, 9.5}}));
        break;
    case Glyph::Trophy:
        k.fill();
        p.drawPolygon(poly({{6, 3}, {18, 3}, {17, 11}, {12, 15}, {7, 11}}));
        p.drawRect(QRectF(10.8, 14, 2.4, 4));
        p.drawRoundedRect(QRectF(7, 18, 10, 3), 1, 1);
        k.line();
        p.drawArc(QRectF(2.5, 4.5, 6, 6), 90 * 16, 180 * 16);
        p.drawArc(QRectF(15.5, 4.5, 6, 6), 90 * 16, -180 * 16);
        break;
    case Glyph::Calendar:
        k.fill();
        p.drawRoundedRect(QRectF(3, 4.5, 18, 17), 2, 2);
        k.paperFill();
        p.drawRect(QRectF(5, 10, 14, 9.5));
        k.fill();
        for (int i = 0; i < 6; ++i)
            p.drawRect(QRectF(6.5 + (i % 3) * 4, 11.5 + (i / 3) * 4, 2.4, 2.4));
        k.line();
        p.drawLine(QPointF(8, 2.5), QPointF(8, 6));
        p.drawLine(QPointF(16, 2.5), QPointF(16, 6));
        break;
    case Glyph::Rocket: {
        p.save();
        p.translate(12, 12);
        p.rotate(45);
        k.fill();
        QPainterPath r;
        r.moveTo(0, -11);
        r.cubicTo(4.5, -7, 4.5, 0, 3.5, 5);
        r.lineTo(-3.5, 5);
        r.cubicTo(-4.5, 0, -4.5, -7, 0, -11);
        p.drawPath(r);
        p.drawPolygon(poly({{-3.5, 0}, {-7, 6.5}, {-3, 5}}));
        p.drawPolygon(poly({{3.5, 0}, {7, 6.5}, {3, 5}}));
        p.drawPolygon(poly({{-2, 6}, {0, 10.5}, {2, 6}}));
        k.paperFill();
        p.drawEllipse(QPointF(0, -4), 1.8, 1.8);
        p.restore();
        break;
    }
    case Glyph::Person:
        k.fill();
        p.drawEllipse(QPointF(12, 7.5), 4.5, 4.5);
        p.drawChord(QRectF(3.5, 13, 17, 17), 0, 180 * 16);
        break;
    case Glyph::Monitor:
        k.fill();
        p.drawRoundedRect(QRectF(2, 3.5, 20, 13.5), 1.5, 1.5);
        p.drawRect(QRectF(10.5, 17, 3, 3));
        p.drawRoundedRect(QRectF(7, 19.5, 10, 2), 1, 1);
        k.paperFill();
        p.drawRect(QRectF(4, 5.5, 16, 9.5));
        break;
    case Glyph::Speaker:
        k.fill();
        p.drawPolygon(poly({{3, 9}, {7, 9}, {12.5, 4}, {12.5, 20}, {7, 15}, {3, 15}}));
        k.line();
        p.drawArc(QRectF(9.5, 7.5, 8, 9), 50 * 16, -100 * 16);
        p.drawArc(QRectF(9, 4.5, 13, 15), 50 * 16, -100 * 16);
        break;
    case Glyph::Key:
        k.fill();
        p.drawEllipse(QPointF(7.5, 12), 5.5, 5.5);
        p.drawRect(QRectF(11, 10.8, 11, 2.6));
        p.drawRect(QRectF(17, 13, 2.4, 3.5));
        p.drawRect(QRectF(20, 13, 2, 2.6));
        k.paperFill();
        p.drawEllipse(QPointF(6.5, 12), 2, 2);
        break;
    case Glyph::Flag:
        k.line();
        p.drawLine(QPointF(5, 3), QPointF(5, 22));
        k.fill();
        p.drawPolygon(poly({{5.5, 3.5}, {20, 3.5}, {16.5, 8.5}, {20, 13.5}, {5.5, 13.5}}));
        break;
    }
}

} // namespace

void drawGlyph(QPainter& p, Glyph glyph, const QRectF& box, const QColor& ink, const QColor& paper,
               double stroke) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.translate(box.topLeft());
    p.scale(box.width() / 24.0, box.height() / 24.0);
    const Pen pen{p, ink, paper, 2.0 * stroke};
    draw(pen, glyph);
    p.restore();
}

} // namespace datagen
