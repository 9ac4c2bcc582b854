#include "codepage.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <unordered_map>

namespace tarnic {
namespace {
#include "codepage_tables.inc"

const std::array<char16_t, 128>& highTable(Codepage cp) {
    switch (cp) {
    case Codepage::Windows1251:
        return kCp1251High;
    case Codepage::Cp437:
        return kCp437High;
    case Codepage::Windows1252:
        break;
    }
    return kCp1252High;
}

struct Reverse {
    std::unordered_map<char16_t, unsigned char> map;
    explicit Reverse(const std::array<char16_t, 128>& t) {
        for (std::size_t i = 0; i < t.size(); ++i)
            map.emplace(t[i], static_cast<unsigned char>(0x80 + i));
    }
};

const Reverse& reverseTable(Codepage cp) {
    static const Reverse r1252(kCp1252High);
    static const Reverse r1251(kCp1251High);
    static const Reverse r437(kCp437High);
    switch (cp) {
    case Codepage::Windows1251:
        return r1251;
    case Codepage::Cp437:
        return r437;
    case Codepage::Windows1252:
        break;
    }
    return r1252;
}

std::optional<unsigned char> encodeChar(Codepage cp, char16_t c) {
    if (c < 0x80)
        return static_cast<unsigned char>(c);
    const auto& rev = reverseTable(cp).map;
    const auto it = rev.find(c);
    if (it == rev.end())
        return std::nullopt;
    return it->second;
}

void appendUtf8(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

} // namespace

std::u16string decode(Codepage cp, std::string_view bytes) {
    const auto& high = highTable(cp);
    std::u16string out;
    out.reserve(bytes.size());
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        out.push_back(b < 0x80 ? static_cast<char16_t>(b) : high[b - 0x80u]);
    }
    return out;
}

std::optional<std::string> encode(Codepage cp, std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char16_t c : text) {
        const auto b = encodeChar(cp, c);
        if (!b)
            return std::nullopt;
        out.push_back(static_cast<char>(*b));
    }
    return out;
}

std::optional<char16_t> firstUnencodable(Codepage cp, std::u16string_view text) {
    for (char16_t c : text)
        if (!encodeChar(cp, c))
            return c;
    return std::nullopt;
}

std::string decodeToUtf8(Codepage cp, std::string_view bytes) {
    const auto& high = highTable(cp);
    std::string out;
    out.reserve(bytes.size());
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        appendUtf8(out, b < 0x80 ? b : high[b - 0x80u]);
    }
    return out;
}

std::optional<std::string> encodeFromUtf8(Codepage cp, std::string_view utf8) {
    std::u16string text;
    text.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto b0 = static_cast<unsigned char>(utf8[i]);
        std::uint32_t code = 0;
        std::size_t len = 0;
        if (b0 < 0x80) {
            code = b0;
            len = 1;
        } else if ((b0 & 0xE0) == 0xC0) {
            code = b0 & 0x1Fu;
            len = 2;
        } else if ((b0 & 0xF0) == 0xE0) {
            code = b0 & 0x0Fu;
            len = 3;
        } else {
            return std::nullopt; // outside the BMP: no 8-bit code page holds it
        }
        if (i + len > utf8.size())
            return std::nullopt;
        for (std::size_t k = 1; k < len; ++k) {
            const auto b = static_cast<unsigned char>(utf8[i + k]);
            if ((b & 0xC0) != 0x80)
                return std::nullopt;
            code = (code << 6) | (b & 0x3Fu);
        }
        text.push_back(static_cast<char16_t>(code));
        i += len;
    }
    return encode(cp, text);
}

} // namespace tarnic
