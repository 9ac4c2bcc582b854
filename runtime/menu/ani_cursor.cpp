#include "runtime/menu/ani_cursor.h"

#include <cstdint>
#include <optional>

namespace vistel {

namespace {

std::uint32_t u32(std::string_view b, std::size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
           (static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8) |
           (static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16) |
           (static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24);
}

struct Chunk {
    std::string_view id;
    std::string_view data;
};

// Splits a chunk list; nullopt when a chunk claims more bytes than there are.
std::optional<std::vector<Chunk>> chunks(std::string_view b) {
    std::vector<Chunk> out;
    std::size_t at = 0;
    while (at + 8 <= b.size()) {
        const std::size_t size = u32(b, at + 4);
        if (size > b.size() - at - 8)
            return std::nullopt;
        out.push_back({b.substr(at, 4), b.substr(at + 8, size)});
        at += 8 + size + (size & 1u); // chunks are padded to even sizes
    }
    return out;
}

// Jiffies are 1/60 s; a zero rate would spin the timer.
int jiffiesToMs(std::uint32_t j) {
    if (j == 0)
        j = 1;
    if (j > 60u * 60u)
        j = 60u * 60u;
    return static_cast<int>(j * 1000u / 60u);
}

} // namespace

tarnic::Result<AniCursor> parseAni(std::string_view b, const std::filesystem::path& file) {
    const auto fail = [&](const char* what) { return tarnic::Error{file, what}; };
    if (b.size() < 12 || b.substr(0, 4) != "RIFF" || b.substr(8, 4) != "ACON")
        return fail("not an animated cursor (no RIFF ACON header)");
    std::size_t riffSize = u32(b, 4);
    if (riffSize < 4 || riffSize > b.size() - 8)
        riffSize = b.size() - 8; // tolerate a wrong total size as many writers produce it
    auto list = chunks(b.substr(12, riffSize - 4));
    if (!list)
        return fail("a chunk of the animated cursor runs past the end of the file");

    AniCursor ani;
    std::uint32_t steps = 0, rate = 0;
    std::vector<std::uint32_t> rates, seq;
    bool haveHeader = false;
    for (const Chunk& c : *list) {
        if (c.id == "anih") {
            if (c.data.size() < 36)
                return fail("the animated cursor header is too short");
            steps = u32(c.data, 8);
            rate = u32(c.data, 28);
            haveHeader = true;
        } else if (c.id == "rate" || c.id == "seq ") {
            auto& table = c.id == "rate" ? rates : seq;
            for (std::size_t i = 0; i + 4 <= c.data.size(); i += 4)
                table.push_back(u32(c.data, i));
        } else if (c.id == "LIST" && c.data.size() >= 4 && c.data.substr(0, 4) == "fram") {
            auto frames = chunks(c.data.substr(4));
            if (!frames)
                return fail("a frame of the animated cursor runs past the end of the file");
            for (const Chunk& f : *frames)
                if (f.id == "icon")
                    ani.frames.emplace_back(f.data);
        }
    }
    if (!haveHeader)
        return fail("the animated cursor has no header");
    if (ani.frames.empty())
        return fail("the animated cursor has no frames");
    if (steps == 0 || steps > 10000)
        steps = static_cast<std::uint32_t>(seq.empty() ? ani.frames.size() : seq.size());
    for (std::uint32_t i = 0; i < steps; ++i) {
        std::size_t frame = i < seq.size() ? seq[i] : i;
        if (frame >= ani.frames.size())
            frame = frame % ani.frames.size();
        ani.steps.push_back({frame, jiffiesToMs(i < rates.size() ? rates[i] : rate)});
    }
    return ani;
}

std::optional<HotSpot> cursorHotSpot(std::string_view b) {
    // ICONDIR: reserved, type (2 = cursor), count; then 16-byte entries whose
    // planes and bit-count fields hold the hot spot of a cursor.
    if (b.size() < 6 + 16 || b[0] != 0 || b[1] != 0 || b[2] != 2 || b[3] != 0)
        return std::nullopt;
    const auto u16 = [&](std::size_t at) {
        return static_cast<int>(static_cast<unsigned char>(b[at]) |
                                (static_cast<unsigned char>(b[at + 1]) << 8));
    };
    return HotSpot{u16(6 + 4), u16(6 + 6)};
}

} // namespace vistel
