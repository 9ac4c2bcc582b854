#pragma once
// Draws the cover page's primitives with QPainter onto any device: a
// printer, a PDF or an image. Millimetres become device pixels by scale.

#include "runtime/cover/cover_layout.h"

#include <QColor>
#include <QFont>

class QPainter;

namespace vistel::cover {

[[nodiscard]] QColor toColour(tarnic::Colour c);
// A font of the page; "Arial Black" draws black weight, and the symbol
// face falls back to whatever symbol font the desktop has.
[[nodiscard]] QFont pageFont(const Font& font, double pxPerMm);

// The product logo, 47.4 x 15.1 mm, drawn in code into rect (device pixels).
void drawProductLogo(QPainter& painter, const QRectF& rect);

// Draws every primitive; pxPerMm maps page millimetres to device pixels.
// Pictures that cannot be read are skipped and named in failures.
void renderPage(QPainter& painter, const std::vector<Primitive>& page, double pxPerMm,
                std::vector<std::string>* failures = nullptr);

} // namespace vistel::cover
