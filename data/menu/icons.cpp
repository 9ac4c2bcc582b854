#include "data/menu/icons.h"

#include <QLinearGradient>
#include <QPainter>
#include <array>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace datagen {

namespace {

// One picture per icon class of the menu data set, in class order:
// program, zip, other file, help, web, image, sound, text, document,
// video, font, icon, jump point, other documents and archives.
const std::array<std::pair<Glyph, QColor>, 14> kMemberClasses = {{
    {Glyph::Program, QColor(0x2F, 0x6F, 0xD6)},
    {Glyph::Archive, QColor(0xB7, 0x79, 0x1F)},
    {Glyph::File, QColor(0x6B, 0x77, 0x88)},
    {Glyph::Help, QColor(0x7B, 0x4F, 0xC9)},
    {Glyph::Globe, QColor(0x13, 0x93, 0x8F)},
    {Glyph::Picture, QColor(0x3C, 0x9A, 0x3E)},
    {Glyph::Note, QColor(0xD0, 0x3F, 0x8A)},
    {Glyph::TextDoc, QColor(0x4E, 0x5D, 0x73)},
    {Glyph::WordDoc, QColor(0x25, 0x55, 0xA8)},
    {Glyph::Film, QColor(0xE0, 0x5A, 0x2B)},
    {Glyph::Font, QColor(0x4B, 0x4F, 0xB8)},
    {Glyph::IconGrid, QColor(0xEE, 0x8C, 0x1A)},
    {Glyph::FolderJump, QColor(0xD9, 0xA4, 0x0E)},
    {Glyph::PdfDoc, QColor(0xC9, 0x2A, 0x2A)},
}};

const std::array<QColor, 12> kHues = {
    QColor(0x2F, 0x6F, 0xD6), QColor(0xE0, 0x5A, 0x2B), QColor(0x3C, 0x9A, 0x3E),
    QColor(0x7B, 0x4F, 0xC9), QColor(0x13, 0x93, 0x8F), QColor(0xD0, 0x3F, 0x8A),
    QColor(0xD9, 0xA4, 0x0E), QColor(0x4B, 0x4F, 0xB8), QColor(0xC9, 0x2A, 0x2A),
    QColor(0x2E, 0x8B, 0xC0), QColor(0x6D, 0x8F, 0x1F), QColor(0x8A, 0x5A, 0x3C),
};

const std::array<Glyph, 28> kPackGlyphs = {
    Glyph::Disc,    Glyph::Wrench,  Glyph::Gamepad,   Glyph::Chip,   Glyph::Speaker,  Glyph::Note,
    Glyph::Film,    Glyph::Picture, Glyph::TextDoc,   Glyph::Book,   Glyph::Globe,    Glyph::Rocket,
    Glyph::Gift,    Glyph::Home,    Glyph::Heart,     Glyph::Mail,   Glyph::Lock,     Glyph::Chart,
    Glyph::Camera,  Glyph::Cloud,   Glyph::Lightning, Glyph::Trophy, Glyph::Calendar, Glyph::Person,
    Glyph::Monitor, Glyph::Key,     Glyph::Flag,      Glyph::Star,
};

QImage transparent(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

std::vector<QImage> sizes(Glyph glyph, const QColor& colour, IconStyle style,
                          std::initializer_list<int> list) {
    std::vector<QImage> images;
    for (const int s : list)
        images.push_back(drawIcon(glyph, colour, style, s));
    return images;
}

std::string twoDigits(int n) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%02d", n);
    return buffer;
}

} // namespace

QImage drawIcon(Glyph glyph, const QColor& colour, IconStyle style, int size) {
    QImage image = transparent(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    const double s = size;
    switch (style) {
    case IconStyle::Tile: {
        const QRectF tile(s * 0.03, s * 0.03, s * 0.94, s * 0.94);
        QLinearGradient g(tile.topLeft(), tile.bottomLeft());
        g.setColorAt(0, colour.lighter(118));
        g.setColorAt(1, colour.darker(112));
        p.setPen(QPen(colour.darker(135), size >= 24 ? 1.0 : 0.6));
        p.setBrush(g);
        p.drawRoundedRect(tile, s * 0.2, s * 0.2);
        const double m = s * 0.19;
        drawGlyph(p, glyph, QRectF(m, m, s - 2 * m, s - 2 * m), Qt::white, colour,
                  size < 24 ? 1.2 : 1.0);
        break;
    }
    case IconStyle::Line: {
        const double m = s * 0.04;
        QColor shadow(0, 0, 0, 40);
        drawGlyph(p, glyph, QRectF(m + s * 0.03, m + s * 0.04, s - 2 * m, s - 2 * m), shadow,
                  Qt::white, 1.3);
        drawGlyph(p, glyph, QRectF(m, m, s - 2 * m, s - 2 * m), colour, Qt::white, 1.3);
        break;
    }
    case IconStyle::Soft: {
        QColor tint = colour.lighter(175);
        tint.setAlpha(255);
        p.setPen(Qt::NoPen);
        p.setBrush(tint);
        p.drawEllipse(QRectF(0.5, 0.5, s - 1, s - 1));
        const double m = s * 0.2;
        drawGlyph(p, glyph, QRectF(m, m, s - 2 * m, s - 2 * m), colour.darker(110), tint,
                  size < 24 ? 1.25 : 1.0);
        break;
    }
    }
    return image;
}

void writeMemberIconSets(const Output& out) {
    const std::array<IconStyle, 3> styles = {IconStyle::Tile, IconStyle::Line, IconStyle::Soft};
    for (std::size_t set = 0; set < styles.size(); ++set)
        for (std::size_t n = 0; n < kMemberClasses.size(); ++n) {
            const auto& [glyph, colour] = kMemberClasses[n];
            out.ico("Files/m_icons/" + std::to_string(set + 1) + "/m" + std::to_string(n + 1) +
                        ".ico",
                    sizes(glyph, colour, styles[set], {16, 24, 32, 48}));
        }
}

void writeCategoryIconPacks(const Output& out) {
    for (std::size_t i = 0; i < 24; ++i)
        out.ico("ip/ip01/ip01i" + twoDigits(static_cast<int>(i + 1)) + ".ico",
                sizes(kPackGlyphs[i], kHues[i % kHues.size()], IconStyle::Tile, {16, 32}));
    for (std::size_t i = 0; i < kPackGlyphs.size(); ++i)
        out.ico(
            "ip/ip02/ip02i" + twoDigits(static_cast<int>(i + 1)) + ".ico",
            sizes(kPackGlyphs[i], kHues[(i * 5 + 3) % kHues.size()], IconStyle::Line, {16, 32}));
}

void writeStandardCategoryIcons(const Output& out) {
    // In the order of the categories of Files/Standard.cmg (ids 1..14).
    const std::array<std::pair<Glyph, QColor>, 14> categories = {{
        {Glyph::Disc, kHues[0]},
        {Glyph::Wrench, kHues[7]},
        {Glyph::Gamepad, kHues[2]},
        {Glyph::Chip, kHues[10]},
        {Glyph::Speaker, kHues[5]},
        {Glyph::Note, kHues[3]},
        {Glyph::Film, kHues[1]},
        {Glyph::Picture, kHues[4]},
        {Glyph::TextDoc, kHues[9]},
        {Glyph::Book, kHues[11]},
        {Glyph::Book, kHues[8]},
        {Glyph::Globe, kHues[4]},
        {Glyph::Rocket, kHues[6]},
        {Glyph::Gift, kHues[5]},
    }};
    for (std::size_t i = 0; i < categories.size(); ++i)
        out.ico("Files/_Standard/" + std::to_string(i + 1) + ".ico",
                sizes(categories[i].first, categories[i].second, IconStyle::Tile, {16, 25, 32}));
}

void writeProgramIcons(const Output& out) {
    const std::vector<QImage> light =
        sizes(Glyph::Disc, QColor(0x2F, 0x6F, 0xD6), IconStyle::Tile, {16, 32, 48});
    out.ico("Files/vistel.ico", light);
    out.ico("Skins/_default/vistel.ico", light);
    out.ico("Skins/_dark/vistel.ico",
            sizes(Glyph::Disc, QColor(0xE8, 0x94, 0x28), IconStyle::Tile, {16, 32, 48}));
}

} // namespace datagen
