#pragma once
// Pictures in the core: RGBA images, JPEG decode and encode through
// libjpeg-turbo, 24-bit BMP and ICO writing. Errors name the file.

#include "result.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tarnic {

struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba; // width * height * 4, rows top to bottom

    Image() = default;
    Image(int w, int h, std::uint32_t argb = 0xFF000000u);
    [[nodiscard]] bool empty() const { return width <= 0 || height <= 0; }
    [[nodiscard]] std::uint8_t* pixel(int x, int y) {
        return rgba.data() + (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                              static_cast<std::size_t>(x)) * 4u;
    }
    [[nodiscard]] const std::uint8_t* pixel(int x, int y) const {
        return rgba.data() + (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                              static_cast<std::size_t>(x)) * 4u;
    }
};

// file only names the source in error messages.
[[nodiscard]] Result<Image> decodeJpeg(std::string_view bytes, const std::filesystem::path& file = {});
[[nodiscard]] Result<Image> readJpeg(const std::filesystem::path& file);
// Baseline JPEG, alpha ignored. quality 1..100.
[[nodiscard]] std::string encodeJpeg(const Image& image, int quality = 90);

// Uncompressed 24-bit BMP, bottom-up rows padded to four bytes; alpha ignored.
[[nodiscard]] std::string encodeBmp24(const Image& image);
// Reads an uncompressed 24- or 32-bit BMP (what encodeBmp24 writes).
[[nodiscard]] Result<Image> decodeBmp(std::string_view bytes, const std::filesystem::path& file = {});

// A Windows icon file with one 32-bit image per entry (sizes up to 256).
[[nodiscard]] std::string encodeIco(const std::vector<Image>& images);

// Converts a JPEG file to a 24-bit BMP file; a JPEG that cannot be read
// gives an error naming it, and nothing is written.
[[nodiscard]] Status convertJpegToBmp(const std::filesystem::path& jpeg,
                                      const std::filesystem::path& bmp);

} // namespace tarnic
