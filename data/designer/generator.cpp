// Writes the designer's own files into the program folder: the five UI
// language files (8-bit, CR LF) from their UTF-8 sources, the toolbar glyph
// bitmaps, the wait pictures, the click sound, the help pages and the
// shipped settings file.
//   designer_data_generator <program folder> <source folder>
#include "designer/project/settings_store.h"
#include "glyphs.h"
#include "help_pages.h"
#include "shared/codepage.h"
#include "shared/file_io.h"
#include "shared/wave.h"

#include <QGuiApplication>
#include <QImage>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <iostream>
#include <string>

namespace fs = std::filesystem;

namespace {

bool fail(const std::string& message) {
    std::cerr << "designer_data_generator: " << message << "\n";
    return false;
}

bool writeFile(const fs::path& file, std::string_view bytes) {
    fs::create_directories(file.parent_path());
    if (auto st = tarnic::writeFileAtomic(file, bytes); !st)
        return fail(st.error().message());
    return true;
}

// UTF-8 source lines to the language's code page with CR LF line ends.
bool writeLanguageFile(const fs::path& source, const fs::path& target, tarnic::Codepage cp) {
    auto text = tarnic::readFile(source);
    if (!text)
        return fail(text.error().message());
    std::string out;
    std::size_t lineNo = 0, start = 0;
    const std::string& s = *text;
    while (start < s.size()) {
        std::size_t end = s.find('\n', start);
        if (end == std::string::npos)
            end = s.size();
        std::string line = s.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        ++lineNo;
        const auto bytes = tarnic::encodeFromUtf8(cp, line);
        if (!bytes)
            return fail(source.string() + ":" + std::to_string(lineNo) +
                        ": a character does not exist in the file's code page");
        out += *bytes + "\r\n";
        start = end + 1;
    }
    return writeFile(target, out);
}


// A short, soft click: a decaying 1.8 kHz tone with a little noise, 16-bit mono.
std::string clickWave() {
    constexpr std::uint32_t rate = 22050;
    constexpr std::uint32_t samples = rate * 35 / 1000;
    std::vector<std::int16_t> data;
    data.reserve(samples);
    std::uint32_t noise = 12345;
    for (std::uint32_t i = 0; i < samples; ++i) {
        const double t = static_cast<double>(i) / rate;
        noise = noise * 1103515245u + 12345u;
        const double n = static_cast<double>((noise >> 16) & 0x7FFF) / 16384.0 - 1.0;
        const double v = std::exp(-t * 180.0) * (0.7 * std::sin(2.0 * M_PI * 1800.0 * t) + 0.3 * n);
        data.push_back(static_cast<std::int16_t>(v * 12000.0));
    }
    return tarnic::encodeWav16(data, rate);
}

bool saveImage(const QImage& image, const fs::path& file) {
    fs::create_directories(file.parent_path());
    if (!image.convertToFormat(QImage::Format_RGB888).save(QString::fromStdString(file.string()), "BMP"))
        return fail(file.string() + ": cannot write the picture");
    return true;
}

// The settings file as it ships: defaults, the tool bars in their classic
// band order and column widths that fit their contents.
std::string shippedSettings() {
    vardeo::DesignerSettings s;
    s.bandToolbar = {1, 3, 2, 4, 5};
    s.bandBreak = {false, false, true, false, false};
    s.captions = 1;
    s.buttonLayout = 0;
    s.columnWidth = {14, 130, 110, 80, 70, 60, 60, 160, 90, 45, 160, 110, 50, 60, 60, 110, 70};
    tarnic::IniFile ini = tarnic::IniFile::fromBytes("; Tarnic - Vardeo settings\r\n");
    vardeo::writeSettings(ini, s);
    return ini.bytes();
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::cerr << "usage: designer_data_generator <program folder> <source folder>\n";
        return 2;
    }
    const fs::path program = argv[1];
    const fs::path source = argv[2];
    bool ok = true;
    for (int n = 1; n <= 5; ++n)
        ok &= writeLanguageFile(source / "lang" / ("lang_" + std::to_string(n) + ".ini"),
                                program / "Files" / ("lang_" + std::to_string(n) + ".dat"),
                                n == 3 ? tarnic::Codepage::Windows1251 : tarnic::Codepage::Windows1252);
    for (const char* b : {"new", "open", "save", "editp", "check", "build", "cat", "md", "settings", "help",
                          "exit", "add", "adddir", "addjump", "addurl", "remove", "sort", "find", "info_f",
                          "screen_f"}) {
        ok &= saveImage(toolbarGlyphs(QString::fromLatin1(b), 16),
                        program / "Files" / "Images" / "0" / (std::string("0") + b + ".bmp"));
        ok &= saveImage(toolbarGlyphs(QString::fromLatin1(b), 32),
                        program / "Files" / "Images" / "0" / (std::string("1") + b + ".bmp"));
    }
    ok &= saveImage(waitPicture(QStringLiteral("Please wait...")), program / "Files" / "wait_1.bmp");
    ok &= saveImage(waitPicture(QStringLiteral("Bitte warten...")), program / "Files" / "wait_2.bmp");
    ok &= writeFile(program / "Files" / "click.wav", clickWave());
    for (const HelpPage& page : helpPages())
        ok &= writeFile(program / "help" / page.file, page.html);
    // The user's own settings survive a rebuild.
    if (!fs::exists(program / "vardeo.dat"))
        ok &= writeFile(program / "vardeo.dat", shippedSettings());
    ok &= writeFile(program / "Files" / "vardeo.dat.default", shippedSettings());
    return ok ? 0 : 1;
}
