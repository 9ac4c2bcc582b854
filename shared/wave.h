#pragma once
// Sounds in the core: 16-bit mono PCM WAV files (the generators' menu sounds,
// the designer's click, the sample project's sound).

#include <cstdint>
#include <string>
#include <vector>

namespace tarnic {

[[nodiscard]] std::string encodeWav16(const std::vector<std::int16_t>& samples, std::uint32_t rate);

} // namespace tarnic
