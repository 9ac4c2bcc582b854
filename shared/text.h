#pragma once
// String helpers shared by the designer and the runtime. All text is 8-bit
// (the bytes the files hold); case rules are ASCII-only, as in the data files.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarnic {

[[nodiscard]] constexpr char asciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
[[nodiscard]] constexpr char asciiUpper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
[[nodiscard]] std::string asciiLower(std::string_view s);
[[nodiscard]] std::string asciiUpper(std::string_view s);
[[nodiscard]] bool iequals(std::string_view a, std::string_view b);
[[nodiscard]] bool iendsWith(std::string_view s, std::string_view suffix);
[[nodiscard]] bool istartsWith(std::string_view s, std::string_view prefix);
// Three-way ASCII case-insensitive comparison (<0, 0, >0).
[[nodiscard]] int icompare(std::string_view a, std::string_view b);

// Blanks and control characters (every byte <= 0x20), as the profile readers trim.
[[nodiscard]] constexpr bool isBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= 0x20;
}
[[nodiscard]] std::string_view trimView(std::string_view s);
[[nodiscard]] std::string trim(std::string_view s);

// Removes every '.' character: how item category cells are compared.
[[nodiscard]] std::string stripDots(std::string_view s);

// The item name with " * / : < > ? \ | replaced by '_': names the info text,
// NFO text and screenshot of an item.
[[nodiscard]] std::string itemKey(std::string_view name);

// The runtime's empty-value rule: "n/a", "n/v", "" or " " (ignoring case).
[[nodiscard]] bool isEmptyValue(std::string_view s);

// A whole number as the original readers took it: optional sign, then decimal
// digits, or hexadecimal after '$' or "0x". Anything else (including
// surrounding text or overflow of 32 bits) gives nullopt. The text is trimmed.
[[nodiscard]] std::optional<std::int32_t> parseInteger(std::string_view s);
// Plain decimal digits only (no sign, no blanks): the project header's numbers.
[[nodiscard]] std::optional<std::int64_t> parseDecimal(std::string_view s);

[[nodiscard]] std::vector<std::string> split(std::string_view s, char sep);
[[nodiscard]] std::string replaceAll(std::string_view s, std::string_view from,
                                     std::string_view to);

} // namespace tarnic
