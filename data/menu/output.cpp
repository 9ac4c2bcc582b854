#include "data/menu/output.h"

#include "data/menu/gif_writer.h"
#include "shared/codepage.h"
#include "shared/file_io.h"

#include <stdexcept>

namespace datagen {

namespace fs = std::filesystem;

void Output::write(const std::string& relative, std::string_view bytes) const {
    const fs::path target = m_root / relative;
    std::error_code ec;
    fs::create_directories(target.parent_path(), ec);
    if (ec)
        throw std::runtime_error(target.parent_path().string() + ": " + ec.message());
    if (const auto old = tarnic::readFile(target); old && *old == bytes)
        return;
    if (const auto status = tarnic::writeFileAtomic(target, bytes); !status)
        throw std::runtime_error(status.error().message());
}

void Output::makeFolder(const std::string& relative) const {
    std::error_code ec;
    fs::create_directories(m_root / relative, ec);
    if (ec)
        throw std::runtime_error((m_root / relative).string() + ": " + ec.message());
}

tarnic::Image toImage(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_RGBA8888);
    tarnic::Image out(argb.width(), argb.height());
    for (int y = 0; y < argb.height(); ++y) {
        const uchar* line = argb.constScanLine(y);
        std::copy(line, line + argb.width() * 4, out.pixel(0, y));
    }
    return out;
}

void Output::jpeg(const std::string& relative, const QImage& image, int quality) const {
    write(relative, tarnic::encodeJpeg(toImage(image), quality));
}

void Output::bmp(const std::string& relative, const QImage& image) const {
    write(relative, tarnic::encodeBmp24(toImage(image)));
}

void Output::gif(const std::string& relative, const QImage& image) const {
    write(relative, encodeGif(image));
}

void Output::ico(const std::string& relative, const std::vector<QImage>& sizes) const {
    std::vector<tarnic::Image> images;
    images.reserve(sizes.size());
    for (const QImage& image : sizes)
        images.push_back(toImage(image));
    write(relative, tarnic::encodeIco(images));
}

namespace {

std::string toCrLf(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r') {
            out += "\r\n";
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else if (c == '\n') {
            out += "\r\n";
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace

void writeTextFiles(const fs::path& sourceRoot, const Output& out) {
    for (const auto& entry : fs::recursive_directory_iterator(sourceRoot)) {
        if (!entry.is_regular_file())
            continue;
        const std::string relative = fs::relative(entry.path(), sourceRoot).generic_string();
        const auto utf8 = tarnic::readFile(entry.path());
        if (!utf8)
            throw std::runtime_error(utf8.error().message());
        auto bytes = tarnic::encodeFromUtf8(tarnic::Codepage::Windows1252, *utf8);
        if (!bytes)
            bytes = tarnic::encodeFromUtf8(tarnic::Codepage::Windows1251, *utf8);
        if (!bytes)
            throw std::runtime_error(
                entry.path().string() +
                ": holds text that neither windows-1252 nor windows-1251 can store");
        out.write(relative, toCrLf(*bytes));
    }
}

} // namespace datagen
