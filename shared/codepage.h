#pragma once
// Lossless 8-bit codecs. Every byte maps to exactly one character and back, so
// a file decoded and encoded unchanged keeps its bytes. Text the code page
// cannot hold is refused, never replaced.

#include <optional>
#include <string>
#include <string_view>

namespace tarnic {

enum class Codepage { Windows1252, Windows1251, Cp437 };

[[nodiscard]] std::u16string decode(Codepage cp, std::string_view bytes);
[[nodiscard]] std::optional<std::string> encode(Codepage cp, std::u16string_view text);

// UTF-8 bridges for the command line and JSON output.
[[nodiscard]] std::string decodeToUtf8(Codepage cp, std::string_view bytes);
[[nodiscard]] std::optional<std::string> encodeFromUtf8(Codepage cp, std::string_view utf8);

// The first character of text that the code page cannot hold, if any.
[[nodiscard]] std::optional<char16_t> firstUnencodable(Codepage cp, std::u16string_view text);

} // namespace tarnic
