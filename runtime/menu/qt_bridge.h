#pragma once
// The boundary between the core's 8-bit text and paths and Qt's types.

#include "runtime/menu/design.h"
#include "shared/codepage.h"
#include "shared/colour.h"
#include "shared/result.h"

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QString>

#include <filesystem>
#include <string_view>

namespace vistel {

[[nodiscard]] QString fromBytes(std::string_view bytes, tarnic::Codepage cp);
[[nodiscard]] QString fromPath(const std::filesystem::path& p);
[[nodiscard]] std::filesystem::path toPath(const QString& s);
[[nodiscard]] QColor toQColor(tarnic::Colour c);
// Face, size and styles added to base (styles are added, never removed).
[[nodiscard]] QFont toQFont(const FontSpec& spec, QFont base);
// A picture the design requires: an error naming the file when it is
// missing or cannot be read.
[[nodiscard]] tarnic::Result<QPixmap> loadPicture(const std::filesystem::path& file);

} // namespace vistel
