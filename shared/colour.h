#pragma once
// Colour values of design and settings files: a colour name ("clBlack",
// "clWindowText", "clNone") or a number, decimal or "$" hexadecimal, laid
// out 0x00BBGGRR (red in the low byte). System colours are 0x80000000 plus
// the system colour index and follow the desktop's scheme.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarnic {

using Colour = std::int32_t;

inline constexpr Colour kColourNone = 0x1FFFFFFF;
inline constexpr Colour kColourDefault = 0x20000000;
inline constexpr std::uint32_t kSystemColourFlag = 0x80000000u;

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Colours of the 25 system colour indexes (COLOR_SCROLLBAR = 0 ...
// COLOR_INFOBK = 24), as 0x00BBGGRR. The windows fill it from the desktop.
using SystemPalette = std::array<Colour, 25>;
[[nodiscard]] const SystemPalette& classicSystemPalette();

[[nodiscard]] std::optional<Colour> parseColour(std::string_view text);
[[nodiscard]] Colour readColour(std::string_view text, Colour def);
// The colour name when there is one, else "$" and eight hexadecimal digits.
[[nodiscard]] std::string colourToText(Colour colour);
[[nodiscard]] Rgb colourToRgb(Colour colour,
                              const SystemPalette& palette = classicSystemPalette());
[[nodiscard]] constexpr Colour rgbToColour(Rgb c) {
    return static_cast<Colour>(c.r | (c.g << 8) | (c.b << 16));
}

} // namespace tarnic
