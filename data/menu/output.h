#pragma once
// Where the generator writes: the program folder, with helpers that turn
// QImage drawings into the file formats the product reads.

#include "shared/picture.h"

#include <QImage>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace datagen {

class Output {
public:
    explicit Output(std::filesystem::path root) : m_root(std::move(root)) {}

    [[nodiscard]] const std::filesystem::path& root() const { return m_root; }
    // Writes bytes below the root (relative path with '/'), creating folders;
    // an unchanged file is left alone so its time stamp stays. Throws on failure.
    void write(const std::string& relative, std::string_view bytes) const;
    void makeFolder(const std::string& relative) const;

    void jpeg(const std::string& relative, const QImage& image, int quality = 92) const;
    void bmp(const std::string& relative, const QImage& image) const;
    void gif(const std::string& relative, const QImage& image) const;
    // One entry per picture, each drawn at its own size.
    void ico(const std::string& relative, const std::vector<QImage>& sizes) const;

private:
    std::filesystem::path m_root;
};

[[nodiscard]] tarnic::Image toImage(const QImage& image);

// Copies the text sources below sourceRoot (UTF-8, any line ends) into the
// program folder as 8-bit CR LF files: windows-1252 when every character fits,
// else windows-1251. Text neither code page holds is an error naming the file.
void writeTextFiles(const std::filesystem::path& sourceRoot, const Output& out);

} // namespace datagen
