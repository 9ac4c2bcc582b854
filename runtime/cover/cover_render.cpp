#include "runtime/cover/cover_render.h"

#include <QImageReader>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace vistel::cover {

QColor toColour(tarnic::Colour c) {
    const tarnic::Rgb rgb = tarnic::colourToRgb(c);
    return QColor(rgb.r, rgb.g, rgb.b);
}

QFont pageFont(const Font& font, double pxPerMm) {
    QFont f;
    const QString face = QString::fromStdString(font.face);
    if (face == QStringLiteral("tarnic_sym"))
        f.setFamilies({face, QStringLiteral("OpenSymbol"), QStringLiteral("Standard Symbols PS"),
                       QStringLiteral("Symbol"), QStringLiteral("DejaVu Sans")});
    else
        f.setFamilies({face, QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    if (face.compare(QStringLiteral("Arial Black"), Qt::CaseInsensitive) == 0)
        f.setWeight(QFont::Black);
    // Points to millimetres (1 pt = 25.4 / 72 mm) to device pixels.
    f.setPixelSize(std::max(1, static_cast<int>(font.size * 25.4 / 72.0 * pxPerMm + 0.5)));
    return f;
}

void drawProductLogo(QPainter& p, const QRectF& r) {
    p.save();
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, QColor(0, 0, 128));
    g.setColorAt(1, QColor(30, 90, 200));
    QPainterPath frame;
    frame.addRoundedRect(r, r.height() * 0.18, r.height() * 0.18);
    p.fillPath(frame, g);
    // A stylised disc at the left.
    const double d = r.height() * 0.78;
    const QRectF disc(r.left() + r.height() * 0.11, r.top() + (r.height() - d) / 2, d, d);
    QRadialGradient shine(disc.center(), d / 2);
    shine.setColorAt(0, QColor(255, 255, 255));
    shine.setColorAt(0.25, QColor(200, 220, 255));
    shine.setColorAt(1, QColor(140, 160, 210));
    p.setBrush(shine);
    p.setPen(Qt::NoPen);
    p.drawEllipse(disc);
    p.setBrush(QColor(0, 0, 128));
    p.drawEllipse(disc.center(), d * 0.1, d * 0.1);
    const QRectF textBox(disc.right() + r.height() * 0.12, r.top(), r.right() - disc.right() - r.height() * 0.2,
                         r.height());
    QFont title;
    title.setFamilies({QStringLiteral("DejaVu Sans")});
    title.setBold(true);
    title.setPixelSize(std::max(1, static_cast<int>(r.height() * 0.36)));
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(textBox.adjusted(0, 0, 0, -r.height() * 0.38), Qt::AlignLeft | Qt::AlignBottom,
               QStringLiteral("Tarnic"));
    QFont sub = title;
    sub.setBold(false);
    sub.setPixelSize(std::max(1, static_cast<int>(r.height() * 0.22)));
    p.setFont(sub);
    p.setPen(QColor(255, 220, 90));
    p.drawText(textBox.adjusted(0, r.height() * 0.6, 0, 0), Qt::AlignLeft | Qt::AlignTop,
               QStringLiteral("Vardeo CD menu"));
    p.restore();
}

namespace {

QRectF toDevice(const RectMm& b, double s) { return {b.left * s, b.top * s, b.width * s, b.height * s}; }

void drawText(QPainter& p, const Primitive& t, const QRectF& box, double s) {
    p.save();
    if (t.background)
        p.fillRect(box, toColour(*t.background));
    p.setFont(pageFont(t.font, s));
    p.setPen(toColour(t.font.colour));
    int flags = t.align == Align::Left ? Qt::AlignLeft : t.align == Align::Right ? Qt::AlignRight : Qt::AlignHCenter;
    if (t.wordWrap)
        flags |= Qt::TextWordWrap;
    const QString text = QString::fromStdString(t.text);
    p.setClipRect(box);
    if (t.rotation == 0) {
        p.drawText(box, flags | Qt::AlignTop, text);
    } else {
        // Turned text runs along the box's long side.
        p.translate(box.center());
        p.rotate(-t.rotation);
        const QRectF turned(-box.height() / 2, -box.width() / 2, box.height(), box.width());
        p.drawText(turned, flags | Qt::AlignVCenter, text);
    }
    p.restore();
}

void drawPicture(QPainter& p, const Primitive& pic, const QRectF& box, double s,
                 std::vector<std::string>* failures) {
    if (pic.productLogo) {
        drawProductLogo(p, box);
        return;
    }
    QImageReader reader(QString::fromStdString(pic.picture.string()));
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.read();
    if (image.isNull()) {
        if (failures)
            failures->push_back(pic.picture.string() + ": " + reader.errorString().toStdString());
        return;
    }
    p.save();
    p.setClipRect(box);
    if (pic.stretch) {
        p.drawImage(box, image);
    } else {
        // Natural size at 96 dots per inch, shrunk to the box when larger.
        QSizeF size(image.width() * 25.4 / 96.0 * s, image.height() * 25.4 / 96.0 * s);
        if (size.width() > box.width() || size.height() > box.height())
            size.scale(box.size(), Qt::KeepAspectRatio);
        p.drawImage(QRectF(box.topLeft(), size), image);
    }
    p.restore();
}

} // namespace

void renderPage(QPainter& p, const std::vector<Primitive>& page, double s,
                std::vector<std::string>* failures) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    for (const Primitive& prim : page) {
        const QRectF box = toDevice(prim.box, s);
        switch (prim.kind) {
        case Primitive::Kind::Rectangle:
            p.save();
            p.setPen(QPen(toColour(prim.pen), std::max(1.0, 0.25 * s)));
            if (prim.brush)
                p.setBrush(toColour(*prim.brush));
            else
                p.setBrush(Qt::NoBrush);
            p.drawRect(box);
            p.restore();
            break;
        case Primitive::Kind::Text: drawText(p, prim, box, s); break;
        case Primitive::Kind::Picture: drawPicture(p, prim, box, s, failures); break;
        }
    }
}

} // namespace vistel::cover
