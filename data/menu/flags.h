#pragma once
#include "data/menu/output.h"

#include <QImage>

namespace datagen {

// Flag n (1..27) of the item language list, 30 x 15 pixels.
[[nodiscard]] QImage drawFlag(int n);
void writeFlags(const Output& out);

} // namespace datagen
