#include "text.h"

#include <limits>

namespace tarnic {

std::string asciiLower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = asciiLower(c);
    return out;
}

std::string asciiUpper(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = asciiUpper(c);
    return out;
}

bool iequals(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (asciiLower(a[i]) != asciiLower(b[i]))
            return false;
    return true;
}

bool iendsWith(std::string_view s, std::string_view suffix) {
    return s.size() >= suffix.size() && iequals(s.substr(s.size() - suffix.size()), suffix);
}

bool istartsWith(std::string_view s, std::string_view prefix) {
    return s.size() >= prefix.size() && iequals(s.substr(0, prefix.size()), prefix);
}

int icompare(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto ca = static_cast<unsigned char>(asciiLower(a[i]));
        const auto cb = static_cast<unsigned char>(asciiLower(b[i]));
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

std::string_view trimView(std::string_view s) {
    std::size_t b = 0;
    std::size_t e = s.size();
    while (b < e && isBlankOrControl(s[b]))
        ++b;
    while (e > b && isBlankOrControl(s[e - 1]))
        --e;
    return s.substr(b, e - b);
}

std::string trim(std::string_view s) { return std::string(trimView(s)); }

std::string stripDots(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (char c : s)
        if (c != '.')
            out.push_back(c);
    return out;
}

std::string itemKey(std::string_view name) {
    std::string out(name);
    for (char& c : out) {
        switch (c) {
        case '"': case '*': case '/': case ':': case '<':
        case '>': case '?': case '\\': case '|':
            c = '_';
            break;
        default:
            break;
        }
    }
    return out;
}

bool isEmptyValue(std::string_view s) {
    return s.empty() || s == " " || iequals(s, "n/a") || iequals(s, "n/v");
}

std::optional<std::int32_t> parseInteger(std::string_view text) {
    std::string_view s = trimView(text);
    bool negative = false;
    if (!s.empty() && (s[0] == '-' || s[0] == '+')) {
        negative = s[0] == '-';
        s.remove_prefix(1);
    }
    int base = 10;
    if (!s.empty() && s[0] == '$') {
        base = 16;
        s.remove_prefix(1);
    } else if (s.size() >= 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        base = 16;
        s.remove_prefix(2);
    }
    if (s.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (char c : s) {
        int digit = -1;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        if (digit < 0)
            return std::nullopt;
        value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
        if (value > 0xFFFFFFFFull)
            return std::nullopt;
    }
    // Hexadecimal values take all 32 bits (colours such as $80000005 are negative
    // integers); decimal values must fit a signed 32-bit integer.
    if (base == 16) {
        auto bits = static_cast<std::uint32_t>(value);
        if (negative)
            bits = ~bits + 1u;
        return static_cast<std::int32_t>(bits);
    }
    if (negative) {
        if (value > static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max()) + 1u)
            return std::nullopt;
        return static_cast<std::int32_t>(-static_cast<std::int64_t>(value));
    }
    if (value > static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max()))
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::optional<std::int64_t> parseDecimal(std::string_view s) {
    if (s.empty() || s.size() > 18)
        return std::nullopt;
    std::int64_t v = 0;
    for (char c : s) {
        if (c < '0' || c > '9')
            return std::nullopt;
        v = v * 10 + (c - '0');
    }
    return v;
}

std::vector<std::string> split(std::string_view s, char sep) {
    std::vector<std::string> out;
    std::size_t start = 0;
    while (true) {
        const std::size_t pos = s.find(sep, start);
        if (pos == std::string_view::npos) {
            out.emplace_back(s.substr(start));
            return out;
        }
        out.emplace_back(s.substr(start, pos - start));
        start = pos + 1;
    }
}

std::string replaceAll(std::string_view s, std::string_view from, std::string_view to) {
    if (from.empty())
        return std::string(s);
    std::string out;
    std::size_t start = 0;
    while (true) {
        const std::size_t pos = s.find(from, start);
        if (pos == std::string_view::npos) {
            out.append(s.substr(start));
            return out;
        }
        out.append(s.substr(start, pos - start));
        out.append(to);
        start = pos + from.size();
    }
}

} // namespace tarnic
