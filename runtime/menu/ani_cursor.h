#pragma once
// Animated cursors (.ani): a RIFF "ACON" file holding an "anih" header, an
// optional "rate" and "seq " table and a LIST "fram" of "icon" chunks, each a
// complete .ico or .cur file. Damaged files give an error naming the file.

#include "shared/result.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vistel {

struct AniCursor {
    struct Step {
        std::size_t frame = 0;
        int durationMs = 0;
    };
    std::vector<std::string> frames; // each the bytes of an .ico/.cur file
    std::vector<Step> steps;         // the animation, at least one step
};

[[nodiscard]] tarnic::Result<AniCursor> parseAni(std::string_view bytes,
                                                 const std::filesystem::path& file = {});

// The hot spot of a .cur file (from its first directory entry); nullopt for
// an icon or a damaged file.
struct HotSpot {
    int x = 0, y = 0;
};
[[nodiscard]] std::optional<HotSpot> cursorHotSpot(std::string_view curBytes);

} // namespace vistel
