#pragma once
#include "data/menu/output.h"

namespace datagen {

// Rating sets 1 (five stars) and 2 (level meter): range pictures and previews.
void writeRatingSets(const Output& out);

} // namespace datagen
