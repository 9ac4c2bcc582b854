#include "data/menu/gif_writer.h"

#include <cstdint>
#include <map>
#include <vector>

namespace datagen {

namespace {

void put16(std::string& out, int value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}

// LZW with 8-bit roots. A clear code goes out before the code table would
// need a tenth bit, so every code is 9 bits wide: larger files than a full
// encoder makes, but always valid, and these pictures are tiny.
std::string lzw(const std::vector<std::uint8_t>& indices) {
    constexpr int kClear = 256;
    constexpr int kEnd = 257;
    std::string bytes;
    std::uint32_t buffer = 0;
    int bits = 0;
    auto emit = [&](int code) {
        buffer |= static_cast<std::uint32_t>(code) << bits;
        bits += 9;
        while (bits >= 8) {
            bytes += static_cast<char>(buffer & 0xFFu);
            buffer >>= 8;
            bits -= 8;
        }
    };
    int sinceClear = 0;
    emit(kClear);
    for (const std::uint8_t index : indices) {
        // Each plain code after the first adds one table entry (258 upwards);
        // clear before the table reaches 511 entries.
        if (sinceClear == 250) {
            emit(kClear);
            sinceClear = 0;
        }
        emit(index);
        ++sinceClear;
    }
    emit(kEnd);
    if (bits > 0)
        bytes += static_cast<char>(buffer & 0xFFu);

    std::string out;
    out += static_cast<char>(8); // minimum code size
    for (std::size_t i = 0; i < bytes.size(); i += 255) {
        const std::size_t n = std::min<std::size_t>(255, bytes.size() - i);
        out += static_cast<char>(n);
        out.append(bytes, i, n);
    }
    out += '\0';
    return out;
}

} // namespace

std::string encodeGif(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int w = image.width();
    const int h = image.height();

    std::map<QRgb, int> exact;
    bool transparent = false;
    bool tooMany = false;
    for (int y = 0; y < h && !tooMany; ++y)
        for (int x = 0; x < w; ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAlpha(p) < 128) {
                transparent = true;
                continue;
            }
            exact.emplace(p | 0xFF000000u, 0);
            if (exact.size() > 255) {
                tooMany = true;
                break;
            }
        }

    std::vector<QRgb> palette;
    if (!tooMany) {
        for (auto& [colour, index] : exact) {
            index = static_cast<int>(palette.size());
            palette.push_back(colour);
        }
    } else {
        for (int r = 0; r < 6; ++r)
            for (int g = 0; g < 7; ++g)
                for (int b = 0; b < 6; ++b)
                    palette.push_back(qRgb(r * 51, g * 255 / 6, b * 51));
    }
    const int transparentIndex = static_cast<int>(palette.size());
    palette.push_back(qRgb(0, 0, 0)); // the transparent slot (and padding)
    while (palette.size() < 256)
        palette.push_back(qRgb(0, 0, 0));

    std::vector<std::uint8_t> indices;
    indices.reserve(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const QRgb p = image.pixel(x, y);
            int index = transparentIndex;
            if (qAlpha(p) >= 128) {
                if (!tooMany)
                    index = exact.at(p | 0xFF000000u);
                else
                    index = (qRed(p) * 5 + 127) / 255 * 42 + (qGreen(p) * 6 + 127) / 255 * 6 +
                            (qBlue(p) * 5 + 127) / 255;
            }
            indices.push_back(static_cast<std::uint8_t>(index));
        }

    std::string out = "GIF89a";
    put16(out, w);
    put16(out, h);
    out += static_cast<char>(0xF7); // global colour table of 256 entries
    out += static_cast<char>(transparentIndex);
    out += '\0';
    for (const QRgb c : palette) {
        out += static_cast<char>(qRed(c));
        out += static_cast<char>(qGreen(c));
        out += static_cast<char>(qBlue(c));
    }
    if (transparent) {
        out += "\x21\xF9\x04";
        out += static_cast<char>(0x01);
        put16(out, 0);
        out += static_cast<char>(transparentIndex);
        out += '\0';
    }
    out += ',';
    put16(out, 0);
    put16(out, 0);
    put16(out, w);
    put16(out, h);
    out += '\0';
    out += lzw(indices);
    out += ';';
    return out;
}

std::string blankGif() {
    static const unsigned char bytes[] = {
        'G', 'I',  'F',  '8',  '9',  'a',  1, 0, 1, 0,    0x80, 0, 0,   0, 0,
        0,   0xFF, 0xFF, 0xFF, 0x21, 0xF9, 4, 1, 0, 0,    0,    0, ',', 0, 0,
        0,   0,    1,    0,    1,    0,    0, 2, 2, 0x44, 1,    0, ';'};
    return std::string(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

} // namespace datagen
