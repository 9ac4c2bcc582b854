#include "colour.h"

#include "text.h"

#include <cstdio>

namespace tarnic {
namespace {

struct Named {
    std::string_view name;
    std::uint32_t value;
};

constexpr Named kNames[] = {
    {"clBlack", 0x000000},   {"clMaroon", 0x000080}, {"clGreen", 0x008000},
    {"clOlive", 0x008080},   {"clNavy", 0x800000},   {"clPurple", 0x800080},
    {"clTeal", 0x808000},    {"clGray", 0x808080},   {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},     {"clLime", 0x00FF00},   {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},    {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clScrollBar", 0x80000000}, {"clBackground", 0x80000001},
    {"clActiveCaption", 0x80000002}, {"clInactiveCaption", 0x80000003},
    {"clMenu", 0x80000004}, {"clWindow", 0x80000005}, {"clWindowFrame", 0x80000006},
    {"clMenuText", 0x80000007}, {"clWindowText", 0x80000008},
    {"clCaptionText", 0x80000009}, {"clActiveBorder", 0x8000000A},
    {"clInactiveBorder", 0x8000000B}, {"clAppWorkSpace", 0x8000000C},
    {"clHighlight", 0x8000000D}, {"clHighlightText", 0x8000000E},
    {"clBtnFace", 0x8000000F}, {"clBtnShadow", 0x80000010}, {"clGrayText", 0x80000011},
    {"clBtnText", 0x80000012}, {"clInactiveCaptionText", 0x80000013},
    {"clBtnHighlight", 0x80000014}, {"cl3DDkShadow", 0x80000015},
    {"cl3DLight", 0x80000016}, {"clInfoText", 0x80000017}, {"clInfoBk", 0x80000018},
    {"clNone", 0x1FFFFFFF}, {"clDefault", 0x20000000},
};

} // namespace

const SystemPalette& classicSystemPalette() {
    // The classic Windows scheme, 0x00BBGGRR.
    static const SystemPalette palette = {
        0xC8D0D4, 0x000000, 0x6A240A, 0x808080, 0xC8D0D4, 0xFFFFFF, 0x000000,
        0x000000, 0x000000, 0xFFFFFF, 0xC8D0D4, 0xC8D0D4, 0x808080, 0x6A240A,
        0xFFFFFF, 0xC8D0D4, 0x808080, 0x808080, 0x000000, 0xC8D0D4, 0xFFFFFF,
        0x404040, 0xC8D0D4, 0x000000, 0xE1FFFF,
    };
    return palette;
}

std::optional<Colour> parseColour(std::string_view text) {
    const std::string_view t = trimView(text);
    for (const Named& n : kNames)
        if (iequals(n.name, t))
            return static_cast<Colour>(n.value);
    return parseInteger(t);
}

Colour readColour(std::string_view text, Colour def) { return parseColour(text).value_or(def); }

std::string colourToText(Colour colour) {
    for (const Named& n : kNames)
        if (static_cast<Colour>(n.value) == colour)
            return std::string(n.name);
    char buf[16];
    std::snprintf(buf, sizeof buf, "$%08X", static_cast<unsigned>(colour));
    return buf;
}

Rgb colourToRgb(Colour colour, const SystemPalette& palette) {
    auto bits = static_cast<std::uint32_t>(colour);
    if (bits & kSystemColourFlag) {
        const std::uint32_t index = bits & 0xFFu;
        bits = index < palette.size() ? static_cast<std::uint32_t>(palette[index]) : 0u;
    }
    return Rgb{static_cast<std::uint8_t>(bits & 0xFF), static_cast<std::uint8_t>((bits >> 8) & 0xFF),
               static_cast<std::uint8_t>((bits >> 16) & 0xFF)};
}

} // namespace tarnic
