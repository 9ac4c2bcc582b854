#include "picture.h"

#include "file_io.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jpeglib.h>

namespace tarnic {

Image::Image(int w, int h, std::uint32_t argb) : width(w), height(h) {
    rgba.resize(static_cast<std::size_t>(w) * static_cast<std::size_t>(h) * 4u);
    for (std::size_t i = 0; i < rgba.size(); i += 4) {
        rgba[i] = static_cast<std::uint8_t>(argb >> 16);
        rgba[i + 1] = static_cast<std::uint8_t>(argb >> 8);
        rgba[i + 2] = static_cast<std::uint8_t>(argb);
        rgba[i + 3] = static_cast<std::uint8_t>(argb >> 24);
    }
}

namespace {

// libjpeg reports fatal errors through error_exit, which must not return.
struct JpegError {
    jpeg_error_mgr mgr{};
    std::jmp_buf jump{};
    char message[JMSG_LENGTH_MAX]{};
};

[[noreturn]] void onJpegError(j_common_ptr cinfo) {
    auto* err = reinterpret_cast<JpegError*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

void onJpegWarning(j_common_ptr, int) {}

void put16(std::string& s, std::uint32_t v) {
    s.push_back(static_cast<char>(v & 0xFF));
    s.push_back(static_cast<char>((v >> 8) & 0xFF));
}
void put32(std::string& s, std::uint32_t v) {
    put16(s, v & 0xFFFF);
    put16(s, v >> 16);
}
std::uint32_t get32(std::string_view s, std::size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(s[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + 1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + 2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + 3])) << 24;
}
std::uint16_t get16(std::string_view s, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(s[at]) |
                                      static_cast<unsigned char>(s[at + 1]) << 8);
}

// Decoding goes through a plain function so that no object with a destructor
// lives across setjmp.
bool decodeJpegInto(std::string_view bytes, Image& out, JpegError& err) {
    jpeg_decompress_struct cinfo{};
    cinfo.err = jpeg_std_error(&err.mgr);
    err.mgr.error_exit = onJpegError;
    err.mgr.emit_message = onJpegWarning;
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(bytes.data()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_EXT_RGBA;
    jpeg_start_decompress(&cinfo);
    const auto w = static_cast<int>(cinfo.output_width);
    const auto h = static_cast<int>(cinfo.output_height);
    // Refuse absurd sizes before allocating (a damaged header).
    if (static_cast<std::uint64_t>(w) * static_cast<std::uint64_t>(h) > (1ull << 28)) {
        std::snprintf(err.message, sizeof err.message, "picture is too large (%d x %d)", w, h);
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    out.width = w;
    out.height = h;
    out.rgba.assign(static_cast<std::size_t>(w) * static_cast<std::size_t>(h) * 4u, 0);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = out.pixel(0, static_cast<int>(cinfo.output_scanline));
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

} // namespace

Result<Image> decodeJpeg(std::string_view bytes, const std::filesystem::path& file) {
    if (bytes.size() < 4)
        return Error{file, "is not a JPEG picture (it is empty or too short)"};
    Image img;
    JpegError err;
    if (!decodeJpegInto(bytes, img, err))
        return Error{file, std::string("is not a readable JPEG picture (") + err.message + ")"};
    return img;
}

Result<Image> readJpeg(const std::filesystem::path& file) {
    auto bytes = readFile(file);
    if (!bytes)
        return bytes.error();
    return decodeJpeg(*bytes, file);
}

std::string encodeJpeg(const Image& image, int quality) {
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr jerr{};
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(image.width);
    cinfo.image_height = static_cast<JDIMENSION>(image.height);
    cinfo.input_components = 4;
    cinfo.in_color_space = JCS_EXT_RGBA;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        auto* row = const_cast<JSAMPROW>(image.pixel(0, static_cast<int>(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    std::string out(reinterpret_cast<const char*>(buffer), size);
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
    return out;
}

std::string encodeBmp24(const Image& image) {
    const auto w = static_cast<std::uint32_t>(image.width);
    const auto h = static_cast<std::uint32_t>(image.height);
    const std::uint32_t stride = (w * 3 + 3) & ~3u;
    const std::uint32_t dataSize = stride * h;
    std::string s;
    s.reserve(54 + dataSize);
    s += "BM";
    put32(s, 54 + dataSize);
    put32(s, 0);
    put32(s, 54);
    put32(s, 40);
    put32(s, w);
    put32(s, h);
    put16(s, 1);
    put16(s, 24);
    put32(s, 0);
    put32(s, dataSize);
    put32(s, 2835);
    put32(s, 2835);
    put32(s, 0);
    put32(s, 0);
    for (int y = image.height - 1; y >= 0; --y) {
        const std::uint8_t* p = image.pixel(0, y);
        for (int x = 0; x < image.width; ++x, p += 4) {
            s.push_back(static_cast<char>(p[2]));
            s.push_back(static_cast<char>(p[1]));
            s.push_back(static_cast<char>(p[0]));
        }
        s.append(stride - w * 3, '\0');
    }
    return s;
}

Result<Image> decodeBmp(std::string_view s, const std::filesystem::path& file) {
    if (s.size() < 54 || s[0] != 'B' || s[1] != 'M')
        return Error{file, "is not a BMP picture"};
    const std::uint32_t offset = get32(s, 10);
    const auto w = static_cast<std::int32_t>(get32(s, 18));
    auto h = static_cast<std::int32_t>(get32(s, 22));
    const std::uint16_t bpp = get16(s, 28);
    const std::uint32_t compression = get32(s, 30);
    const bool topDown = h < 0;
    if (topDown)
        h = -h;
    if (w <= 0 || h <= 0 || w > 65535 || h > 65535 || (bpp != 24 && bpp != 32) ||
        (compression != 0 && compression != 3))
        return Error{file, "is a BMP picture of a kind that cannot be read"};
    const std::size_t bytesPer = bpp / 8u;
    const std::size_t stride = (static_cast<std::size_t>(w) * bytesPer + 3) & ~std::size_t{3};
    if (offset + stride * static_cast<std::size_t>(h) > s.size())
        return Error{file, "is a damaged BMP picture (its pixel data is cut short)"};
    Image img(w, h);
    for (int y = 0; y < h; ++y) {
        const std::size_t row = offset + stride * static_cast<std::size_t>(topDown ? y : h - 1 - y);
        for (int x = 0; x < w; ++x) {
            const char* p = s.data() + row + static_cast<std::size_t>(x) * bytesPer;
            std::uint8_t* d = img.pixel(x, y);
            d[0] = static_cast<std::uint8_t>(p[2]);
            d[1] = static_cast<std::uint8_t>(p[1]);
            d[2] = static_cast<std::uint8_t>(p[0]);
            d[3] = 255;
        }
    }
    return img;
}

std::string encodeIco(const std::vector<Image>& images) {
    std::string head;
    std::string body;
    put16(head, 0);
    put16(head, 1);
    put16(head, static_cast<std::uint32_t>(images.size()));
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
    for (const Image& img : images) {
        const auto w = static_cast<std::uint32_t>(img.width);
        const auto h = static_cast<std::uint32_t>(img.height);
        const std::uint32_t maskStride = ((w + 31) / 32) * 4;
        std::string dib;
        put32(dib, 40);
        put32(dib, w);
        put32(dib, h * 2); // colour rows plus mask rows
        put16(dib, 1);
        put16(dib, 32);
        put32(dib, 0);
        put32(dib, w * h * 4 + maskStride * h);
        put32(dib, 0);
        put32(dib, 0);
        put32(dib, 0);
        put32(dib, 0);
        for (int y = img.height - 1; y >= 0; --y)
            for (int x = 0; x < img.width; ++x) {
                const std::uint8_t* p = img.pixel(x, y);
                dib.push_back(static_cast<char>(p[2]));
                dib.push_back(static_cast<char>(p[1]));
                dib.push_back(static_cast<char>(p[0]));
                dib.push_back(static_cast<char>(p[3]));
            }
        for (int y = img.height - 1; y >= 0; --y) {
            std::string row(maskStride, '\0');
            for (int x = 0; x < img.width; ++x)
                if (img.pixel(x, y)[3] < 128)
                    row[static_cast<std::size_t>(x) / 8] |= static_cast<char>(0x80 >> (x % 8));
            dib += row;
        }
        head.push_back(static_cast<char>(w >= 256 ? 0 : w));
        head.push_back(static_cast<char>(h >= 256 ? 0 : h));
        head.push_back(0);
        head.push_back(0);
        put16(head, 1);
        put16(head, 32);
        put32(head, static_cast<std::uint32_t>(dib.size()));
        put32(head, offset);
        offset += static_cast<std::uint32_t>(dib.size());
        body += dib;
    }
    return head + body;
}

Status convertJpegToBmp(const std::filesystem::path& jpeg, const std::filesystem::path& bmp) {
    auto img = readJpeg(jpeg);
    if (!img)
        return img.error();
    return writeFileAtomic(bmp, encodeBmp24(*img));
}

} // namespace tarnic
