#pragma once
// A small GIF89a writer for the few GIF pictures the program folder ships
// (the spacer, rating pictures, an arrow). Up to 255 colours are kept
// exactly; more are reduced to a 6x7x6 colour cube. Pixels under half
// opacity become the transparent colour.

#include <QImage>
#include <string>

namespace datagen {

[[nodiscard]] std::string encodeGif(const QImage& image);

// The classic 1 x 1 transparent spacer.
[[nodiscard]] std::string blankGif();

} // namespace datagen
