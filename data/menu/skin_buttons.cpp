#include "data/menu/skin_theme.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace datagen {

std::vector<ButtonPlace> mainWindowButtons() {
    const ButtonKind r = ButtonKind::Raised;
    const ButtonKind g = ButtonKind::Ghost;
    return {
        {"exec", Glyph::Play, {5, 400, 75, 40}, r},
        {"copy", Glyph::Copy, {80, 400, 75, 40}, r},
        {"unpack", Glyph::Unpack, {155, 400, 75, 40}, r},
        {"explorer", Glyph::FolderOpen, {230, 400, 75, 40}, r},
        {"scan", Glyph::DocSearch, {305, 400, 75, 40}, r},
        {"info", Glyph::Info, {380, 400, 75, 40}, r},
        {"options", Glyph::Gear, {480, 400, 75, 40}, r},
        {"exit", Glyph::Power, {555, 400, 75, 40}, r},
        {"home", Glyph::Home, {4, 0, 25, 25}, g},
        {"lup", Glyph::LevelUp, {29, 0, 25, 25}, g},
        {"minim", Glyph::Minimise, {605, 0, 30, 25}, g},
        {"search", Glyph::Search, {225, 95, 30, 25}, r},
    };
}

namespace {

const ButtonLook& lookOf(const Theme& t, ButtonKind kind, int state) {
    if (kind == ButtonKind::Ghost) {
        switch (state) {
        case 1:
            return t.ghostHover;
        case 2:
            return t.ghostPressed;
        case 3:
            return t.ghostDisabled;
        default:
            return t.ghostNormal;
        }
    }
    switch (state) {
    case 1:
        return t.hover;
    case 2:
        return t.pressed;
    case 3:
        return t.disabled;
    default:
        return t.normal;
    }
}

QImage crop(const Theme& theme, const QImage& background, const QRect& rect) {
    if (!background.isNull() && background.rect().contains(rect))
        return background.copy(rect).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage plain(rect.size(), QImage::Format_ARGB32_Premultiplied);
    plain.fill(theme.card);
    return plain;
}

} // namespace

QImage drawButton(const Theme& theme, const QImage& background, const ButtonPlace& place,
                  int state) {
    QImage image = crop(theme, background, place.rect);
    const ButtonLook& look = lookOf(theme, place.kind, state);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF box = QRectF(image.rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    const double radius = std::min(6.0, box.height() / 4.0);

    if (place.kind == ButtonKind::Raised && state != 2 && state != 3) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 28));
        p.drawRoundedRect(box.translated(0, 1), radius, radius);
    }
    QLinearGradient face(box.topLeft(), box.bottomLeft());
    face.setColorAt(0, look.faceTop);
    face.setColorAt(1, look.faceBottom);
    p.setBrush(face);
    p.setPen(look.border.alpha() ? QPen(look.border, 1.0) : QPen(Qt::NoPen));
    p.drawRoundedRect(box, radius, radius);

    const int h = image.height();
    const double size = h >= 40 ? 22 : h >= 30 ? 18 : h >= 25 ? 15 : h >= 20 ? 13 : 11;
    QRectF glyphBox((image.width() - size) / 2.0, (h - size) / 2.0, size, size);
    if (state == 2)
        glyphBox.translate(0.8, 0.8);
    const QColor paper = place.kind == ButtonKind::Ghost ? theme.barBottom : look.faceBottom;
    drawGlyph(p, place.glyph, glyphBox, look.ink, paper, size < 14 ? 1.25 : 1.0);
    p.end();
    return image;
}

void writeButton(const Output& out, const Theme& theme, const QImage& background,
                 const ButtonPlace& place) {
    for (int state = 0; state < 4; ++state)
        out.jpeg(theme.folder + "/" + place.prefix + "_" + std::to_string(state) + ".jpg",
                 drawButton(theme, background, place, state), 95);
}

} // namespace datagen
