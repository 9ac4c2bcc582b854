#include "runtime/menu/rtf_reader.h"

#include "shared/text.h"

#include <array>
#include <cstdio>
#include <cstdint>
#include <optional>
#include <vector>

namespace vistel {

namespace {

struct Format {
    bool bold = false, italic = false, underline = false;
    int halfPoints = 0; // 0: the viewer's own size
    int colour = 0;     // index into the colour table; 0 = automatic
    bool operator==(const Format&) const = default;
};

struct Group {
    Format fmt;
    bool skip = false;
    bool colourTable = false;
    int ucSkip = 1;
};

struct Rgb {
    int r = 0, g = 0, b = 0;
};

void appendUtf8(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        if (cp >= 0xD800 && cp <= 0xDFFF)
            cp = 0xFFFD;
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

bool isSkippedDestination(std::string_view w) {
    static constexpr std::array<std::string_view, 22> k = {
        "fonttbl", "stylesheet", "info", "pict", "object", "header", "footer", "headerl",
        "headerr", "headerf", "footerl", "footerr", "footerf", "listtable", "listoverridetable",
        "rsidtbl", "generator", "xmlnstbl", "themedata", "colorschememapping", "latentstyles",
        "datastore"};
    for (auto d : k)
        if (w == d)
            return true;
    return false;
}

class Converter {
public:
    Converter(std::string_view in, tarnic::Codepage cp) : m_in(in), m_cp(cp) {}

    std::string run() {
        m_stack.push_back(Group{});
        while (m_pos < m_in.size()) {
            const char c = m_in[m_pos];
            if (c == '{') {
                ++m_pos;
                Group g = m_stack.back();
                g.colourTable = false;
                if (m_stack.size() < 512)
                    m_stack.push_back(g);
                else
                    ++m_overflow;
            } else if (c == '}') {
                ++m_pos;
                if (m_overflow > 0)
                    --m_overflow;
                else if (m_stack.size() > 1)
                    m_stack.pop_back();
            } else if (c == '\\') {
                ++m_pos;
                controlWord();
            } else if (c == '\r' || c == '\n') {
                ++m_pos;
            } else {
                ++m_pos;
                byteChar(static_cast<unsigned char>(c));
            }
        }
        closeSpan();
        return "<html><body style=\"white-space: pre-wrap\">" + m_out + "</body></html>";
    }

private:
    Group& g() { return m_stack.back(); }

    void byteChar(unsigned char b) {
        if (g().colourTable) {
            colourTableChar(static_cast<char>(b));
            return;
        }
        if (g().skip)
            return;
        if (m_pendingSkip > 0) {
            --m_pendingSkip;
            return;
        }
        std::string utf8 = tarnic::decodeToUtf8(m_cp, std::string(1, static_cast<char>(b)));
        emit(utf8);
    }

    void emit(std::string_view utf8) {
        if (g().skip)
            return;
        if (!m_open || !(m_current == g().fmt)) {
            closeSpan();
            openSpan(g().fmt);
        }
        for (char ch : utf8) {
            switch (ch) {
            case '&': m_out += "&amp;"; break;
            case '<': m_out += "&lt;"; break;
            case '>': m_out += "&gt;"; break;
            default: m_out.push_back(ch);
            }
        }
    }

    void raw(std::string_view html) {
        if (g().skip)
            return;
        m_out += html;
    }

    void openSpan(const Format& f) {
        std::string style;
        if (f.bold) style += "font-weight:bold;";
        if (f.italic) style += "font-style:italic;";
        if (f.underline) style += "text-decoration:underline;";
        if (f.halfPoints > 0)
            style += "font-size:" + std::to_string(f.halfPoints / 2) +
                     (f.halfPoints % 2 ? ".5" : "") + "pt;";
        if (f.colour > 0 && static_cast<std::size_t>(f.colour) < m_colours.size()) {
            const Rgb& c = m_colours[static_cast<std::size_t>(f.colour)];
            char buf[16];
            std::snprintf(buf, sizeof buf, "#%02x%02x%02x", c.r & 0xFF, c.g & 0xFF, c.b & 0xFF);
            style += std::string("color:") + buf + ";";
        }
        m_out += "<span style=\"" + style + "\">";
        m_current = f;
        m_open = true;
    }

    void closeSpan() {
        if (m_open)
            m_out += "</span>";
        m_open = false;
    }

    void colourTableChar(char c) {
        if (c == ';') {
            m_colours.push_back(m_pendingColour);
            m_pendingColour = Rgb{};
        }
    }

    void controlWord() {
        if (m_pos >= m_in.size())
            return;
        const char c = m_in[m_pos];
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))) {
            ++m_pos;
            controlSymbol(c);
            return;
        }
        const std::size_t start = m_pos;
        while (m_pos < m_in.size() && ((m_in[m_pos] >= 'a' && m_in[m_pos] <= 'z') ||
                                       (m_in[m_pos] >= 'A' && m_in[m_pos] <= 'Z')))
            ++m_pos;
        const std::string_view word = m_in.substr(start, m_pos - start);
        std::optional<long> param;
        bool negative = false;
        if (m_pos < m_in.size() && m_in[m_pos] == '-') {
            negative = true;
            ++m_pos;
        }
        long value = 0;
        bool digits = false;
        while (m_pos < m_in.size() && m_in[m_pos] >= '0' && m_in[m_pos] <= '9') {
            if (value < 100000000)
                value = value * 10 + (m_in[m_pos] - '0');
            digits = true;
            ++m_pos;
        }
        if (digits)
            param = negative ? -value : value;
        if (m_pos < m_in.size() && m_in[m_pos] == ' ')
            ++m_pos; // the delimiter blank belongs to the control word
        apply(word, param);
    }

    void controlSymbol(char c) {
        switch (c) {
        case '\\': case '{': case '}': emit(std::string(1, c)); break;
        case '~': emit("\xC2\xA0"); break;
        case '_': emit("-"); break;
        case '*': g().skip = true; break;
        case '\'': {
            if (m_pos + 2 <= m_in.size()) {
                const auto hex = [](char h) -> int {
                    if (h >= '0' && h <= '9') return h - '0';
                    h = tarnic::asciiLower(h);
                    if (h >= 'a' && h <= 'f') return h - 'a' + 10;
                    return -1;
                };
                const int hi = hex(m_in[m_pos]), lo = hex(m_in[m_pos + 1]);
                m_pos += 2;
                if (hi >= 0 && lo >= 0)
                    byteChar(static_cast<unsigned char>(hi * 16 + lo));
            }
            break;
        }
        case '\r': case '\n': raw("<br>"); break;
        default: break;
        }
    }

    void apply(std::string_view w, std::optional<long> p) {
        const bool on = !p || *p != 0;
        const int n = p ? static_cast<int>(*p) : 0;
        Format& f = g().fmt;
        if (isSkippedDestination(w)) {
            g().skip = true;
        } else if (w == "colortbl") {
            g().colourTable = true;
            g().skip = true;
        } else if (g().colourTable) {
            if (w == "red") m_pendingColour.r = n;
            else if (w == "green") m_pendingColour.g = n;
            else if (w == "blue") m_pendingColour.b = n;
        } else if (w == "ansicpg") {
            if (n == 1251) m_cp = tarnic::Codepage::Windows1251;
            else if (n == 437) m_cp = tarnic::Codepage::Cp437;
            else if (n == 1252) m_cp = tarnic::Codepage::Windows1252;
        } else if (w == "par" || w == "line") {
            if (!g().skip) { closeSpan(); m_out += "<br>"; }
        } else if (w == "tab") {
            emit("\t");
        } else if (w == "b") {
            f.bold = on;
        } else if (w == "i") {
            f.italic = on;
        } else if (w == "ul") {
            f.underline = on;
        } else if (w == "ulnone") {
            f.underline = false;
        } else if (w == "plain") {
            f = Format{};
        } else if (w == "fs") {
            f.halfPoints = (n > 0 && n < 2000) ? n : 0;
        } else if (w == "cf") {
            f.colour = n;
        } else if (w == "uc") {
            g().ucSkip = (n >= 0 && n < 10) ? n : 1;
        } else if (w == "u") {
            std::string s;
            appendUtf8(s, static_cast<std::uint32_t>(static_cast<std::uint16_t>(n)));
            emit(s);
            m_pendingSkip = g().ucSkip;
        } else if (w == "bin") {
            m_pos += (n > 0 && static_cast<std::size_t>(n) <= m_in.size() - m_pos)
                         ? static_cast<std::size_t>(n)
                         : 0;
        } else if (w == "emdash") { emit("\xE2\x80\x94");
        } else if (w == "endash") { emit("\xE2\x80\x93");
        } else if (w == "bullet") { emit("\xE2\x80\xA2");
        } else if (w == "lquote") { emit("\xE2\x80\x98");
        } else if (w == "rquote") { emit("\xE2\x80\x99");
        } else if (w == "ldblquote") { emit("\xE2\x80\x9C");
        } else if (w == "rdblquote") { emit("\xE2\x80\x9D");
        }
    }

    std::string_view m_in;
    tarnic::Codepage m_cp;
    std::size_t m_pos = 0;
    std::vector<Group> m_stack;
    int m_overflow = 0;
    int m_pendingSkip = 0;
    std::vector<Rgb> m_colours;
    Rgb m_pendingColour;
    Format m_current;
    bool m_open = false;
    std::string m_out;
};

} // namespace

bool looksLikeRtf(std::string_view bytes) { return tarnic::istartsWith(bytes, "{\\rtf"); }

std::string rtfToHtml(std::string_view rtf, tarnic::Codepage fallback) {
    return Converter(rtf, fallback).run();
}

} // namespace vistel
