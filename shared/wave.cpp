#include "wave.h"

namespace tarnic {
namespace {

void put16(std::string& out, std::uint32_t v) {
    out += static_cast<char>(v & 0xFFu);
    out += static_cast<char>((v >> 8) & 0xFFu);
}
void put32(std::string& out, std::uint32_t v) {
    put16(out, v & 0xFFFFu);
    put16(out, v >> 16);
}

} // namespace

std::string encodeWav16(const std::vector<std::int16_t>& samples, std::uint32_t rate) {
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::string out = "RIFF";
    out.reserve(44 + dataBytes);
    put32(out, 36 + dataBytes);
    out += "WAVEfmt ";
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, 1); // mono
    put32(out, rate);
    put32(out, rate * 2);
    put16(out, 2);
    put16(out, 16);
    out += "data";
    put32(out, dataBytes);
    for (const std::int16_t s : samples)
        put16(out, static_cast<std::uint16_t>(s));
    return out;
}

} // namespace tarnic
