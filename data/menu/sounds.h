#pragma once
#include "data/menu/output.h"

#include <string>
#include <vector>

namespace datagen {

// A design's five event sounds: start, list step, button click, copy done,
// unpack done. pitch scales every tone (the dark design sounds lower).
void writeSounds(const Output& out, const std::string& folder, double pitch);

// 16-bit PCM mono WAV bytes of samples in -1..1.
[[nodiscard]] std::string encodeWav(const std::vector<double>& samples, int rate);

} // namespace datagen
