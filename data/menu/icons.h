#pragma once
// Icons of the program folder: the member icon sets, the category icon
// packs, the standard category set's icons and the program icon.

#include "data/menu/output.h"
#include "data/menu/pictograms.h"

#include <QColor>
#include <QImage>

namespace datagen {

enum class IconStyle { Tile, Line, Soft };

// One icon picture of the given size in a style.
[[nodiscard]] QImage drawIcon(Glyph glyph, const QColor& colour, IconStyle style, int size);

void writeMemberIconSets(const Output& out);
void writeCategoryIconPacks(const Output& out);
void writeStandardCategoryIcons(const Output& out);
void writeProgramIcons(const Output& out);

} // namespace datagen
