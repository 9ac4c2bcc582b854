#include "sample_command.h"

#include "cli_app.h"
#include "designer/project/project_file.h"
#include "shared/file_io.h"
#include "shared/ini_file.h"
#include "shared/paths.h"
#include "shared/picture.h"
#include "shared/text.h"
#include "shared/wave.h"

#include <archive.h>
#include <archive_entry.h>

#include <cmath>
#include <cstdint>
#include <numbers>

namespace vardeo::cli {

namespace fs = std::filesystem;

namespace {

tarnic::Image gradient(int w, int h, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    tarnic::Image img(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            std::uint8_t* p = img.pixel(x, y);
            const int shade = 255 * y / std::max(1, h - 1);
            p[0] = static_cast<std::uint8_t>((r * (255 - shade) + 255 * shade * x / std::max(1, w - 1) / 2) / 255);
            p[1] = static_cast<std::uint8_t>(g * (255 - shade / 2) / 255);
            p[2] = static_cast<std::uint8_t>(b * (128 + shade / 2) / 255);
            p[3] = 255;
        }
    return img;
}

tarnic::Image square(int size, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    tarnic::Image img(size, size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            std::uint8_t* p = img.pixel(x, y);
            const bool edge = x == 0 || y == 0 || x == size - 1 || y == size - 1;
            p[0] = edge ? 0 : r;
            p[1] = edge ? 0 : g;
            p[2] = edge ? 0 : b;
            p[3] = 255;
        }
    return img;
}


// Half a second of a fading 880 Hz tone, 16-bit mono PCM.
std::string chimeWav() {
    constexpr std::uint32_t rate = 22050;
    constexpr std::uint32_t samples = rate / 2;
    std::vector<std::int16_t> data;
    data.reserve(samples);
    for (std::uint32_t i = 0; i < samples; ++i) {
        const double t = static_cast<double>(i) / rate;
        const double fade = 1.0 - static_cast<double>(i) / samples;
        data.push_back(static_cast<std::int16_t>(std::sin(2.0 * std::numbers::pi * 880.0 * t) * fade * 12000.0));
    }
    return tarnic::encodeWav16(data, rate);
}

tarnic::Status writeZip(const fs::path& file,
                        const std::vector<std::pair<std::string, std::string>>& entries) {
    archive* a = archive_write_new();
    archive_write_set_format_zip(a);
    if (archive_write_open_filename(a, file.c_str()) != ARCHIVE_OK) {
        tarnic::Error e{file, std::string("could not be written: ") + archive_error_string(a)};
        archive_write_free(a);
        return e;
    }
    bool ok = true;
    for (const auto& [name, bytes] : entries) {
        archive_entry* entry = archive_entry_new();
        archive_entry_set_pathname(entry, name.c_str());
        archive_entry_set_size(entry, static_cast<la_int64_t>(bytes.size()));
        archive_entry_set_filetype(entry, AE_IFREG);
        archive_entry_set_perm(entry, 0644);
        archive_entry_set_mtime(entry, 1000000000, 0);
        ok = ok && archive_write_header(a, entry) == ARCHIVE_OK &&
             archive_write_data(a, bytes.data(), bytes.size()) == static_cast<la_ssize_t>(bytes.size());
        archive_entry_free(entry);
    }
    ok = archive_write_close(a) == ARCHIVE_OK && ok;
    const std::string message = ok ? "" : archive_error_string(a) ? archive_error_string(a) : "";
    archive_write_free(a);
    if (!ok)
        return tarnic::Error{file, "could not be written: " + message};
    return {};
}

// The first installed set (member icons or rating pictures) by its own number.
int firstInstalledSet(const fs::path& programFolder, std::string_view folder, int fallback) {
    for (int k = 1; k <= 99; ++k) {
        const auto file = tarnic::findCaseInsensitive(programFolder, std::string(folder) + "/" +
                                                                         std::to_string(k) + ".cfg");
        if (!file)
            continue;
        if (const auto ini = tarnic::IniFile::load(*file))
            if (const int nr = ini->readInt("general", "nr", 0); nr > 0)
                return nr;
    }
    return fallback;
}

struct SampleItem {
    std::string name, fileName, cdPath, category, copy, execute, rating, language, system, description;
};

} // namespace

int runSample(const fs::path& folderArg, const fs::path& programFolder, std::ostream& out,
              std::ostream& err) {
    std::error_code ec;
    const fs::path folder = fs::absolute(folderArg, ec).lexically_normal();
    fs::create_directories(folder, ec);
    if (ec) {
        err << "vardeo-cli: " << folder.string() << ": could not be created: " << ec.message() << "\n";
        return kExitBadInput;
    }
    std::size_t files = 0;
    const auto write = [&](const std::string& rel, std::string_view bytes) -> tarnic::Status {
        const fs::path p = folder / rel;
        std::error_code mk;
        fs::create_directories(p.parent_path(), mk);
        if (auto st = tarnic::writeFileAtomic(p, bytes); !st)
            return st;
        ++files;
        return {};
    };

    const std::vector<SampleItem> items = {
        {"Hello Script", "hello.sh", "\\tools\\", "Programs", "yes", "yes", "080 %", "USA/GB", "Unix/Linux",
         "A small shell program that greets you"},
        {"Bundle", "bundle.zip", "\\archives\\", "Programs", "yes", "no", "065 %", "MULTI", "n/a",
         "A zip archive with a text and an info file"},
        {"Read Me", "readme.txt", "\\docs\\", "Documents", "yes", "yes", "050 %", "GB", "n/a",
         "What is on this CD"},
        {"Licence", "licence.txt", "\\docs\\", "Manuals", "yes", "yes", "000 %", "GB", "n/a",
         "The terms of use"},
        {"Sunset", "sunset.jpg", "\\pictures\\", "Media", "yes", "yes", "095 %", "n/a", "n/a",
         "An evening sky"},
        {"Forest", "forest.jpg", "\\pictures\\", "Media", "yes", "yes", "070 %", "n/a", "n/a",
         "Green and quiet"},
        {"Chime", "chime.wav", "\\sounds\\", "Media", "yes", "yes", "040 %", "n/a", "n/a",
         "Half a second of a bell"},
        {"Picture Folder", std::string(kDefaultJumpPointMarker), "\\pictures\\", "Media", "no", "yes",
         "000 %", "n/a", "n/a", "Opens the folder with all pictures"},
        {"Tarnic Home", "https://tarnic.example.org/vardeo", "", "Links", "no", "yes", "100 %", "USA",
         "n/a", "The home of Tarnic - Vardeo"},
    };

    const std::string readme = "Sample CD\r\n\r\nThis CD was made with Tarnic - Vardeo. It holds a shell\r\n"
                               "program, texts, pictures, a zip archive and a sound.\r\n";
    const std::vector<std::pair<std::string, tarnic::Status>> written = {
        {"tools/hello.sh", write("tools/hello.sh", "#!/bin/sh\necho \"Hello from the sample CD\"\n")},
        {"docs/readme.txt", write("docs/readme.txt", readme)},
        {"docs/licence.txt", write("docs/licence.txt", "Use these files as you like.\r\n")},
        {"pictures/sunset.jpg", write("pictures/sunset.jpg", tarnic::encodeJpeg(gradient(320, 200, 250, 120, 40)))},
        {"pictures/forest.jpg", write("pictures/forest.jpg", tarnic::encodeJpeg(gradient(320, 200, 30, 160, 60)))},
        {"sounds/chime.wav", write("sounds/chime.wav", chimeWav())},
        {"about.txt", write("about.txt", "Sample CD\r\nMade with Tarnic - Vardeo\r\n")},
        {"tarnicdat/Hello Script.txt", write("tarnicdat/Hello Script.txt", "Run it to be greeted.\r\n")},
        {"tarnicdat/Sunset.txt", write("tarnicdat/Sunset.txt", "Taken on a warm evening.\r\n")},
        {"tarnicdat/Bundle.txt", write("tarnicdat/Bundle.txt", "Unpack it anywhere.\r\n")},
        {"tarnicdat/Sunset.jpg", write("tarnicdat/Sunset.jpg", tarnic::encodeJpeg(gradient(160, 100, 250, 120, 40)))},
    };
    for (const auto& [name, st] : written)
        if (!st) {
            err << "vardeo-cli: " << st.error().message() << "\n";
            return kExitBadInput;
        }
    fs::permissions(folder / "tools/hello.sh", fs::perms::owner_exec | fs::perms::group_exec |
                                                   fs::perms::others_exec,
                    fs::perm_options::add, ec);
    fs::create_directories(folder / "archives", ec);
    if (auto st = writeZip(folder / "archives/bundle.zip",
                           {{"bundle/readme.txt", "Files of the bundle.\r\n"},
                            {"bundle/bundle.nfo", "Bundle 1.0 - sample archive\r\n"},
                            {"file_id.diz", "Sample bundle\r\n"}});
        !st) {
        err << "vardeo-cli: " << st.error().message() << "\n";
        return kExitBadInput;
    }
    ++files;

    // Categories: Programs, Documents with Manuals below it, Media, Links.
    struct Cat {
        const char* caption;
        int level, parent;
        bool hasChild;
        std::uint8_t r, g, b;
    };
    const Cat cats[] = {{"Programs", 1, 0, false, 200, 60, 40},  {"Documents", 1, 0, true, 40, 90, 200},
                        {"Manuals", 2, 2, false, 90, 140, 230},  {"Media", 1, 0, false, 40, 170, 80},
                        {"Links", 1, 0, false, 220, 170, 30}};
    tarnic::IniFile cmg;
    cmg.writeInt("general", "anz_items", std::ssize(cats));
    cmg.writeInt("general", "start", 1);
    std::vector<std::string> entries;
    for (std::size_t k = 0; k < std::size(cats); ++k) {
        const Cat& c = cats[k];
        const std::string s = std::to_string(k);
        cmg.writeInt(s, "id", static_cast<std::int64_t>(k + 1));
        cmg.writeInt(s, "level", c.level);
        cmg.writeString(s, "caption", c.caption);
        cmg.writeBool(s, "haschild", c.hasChild);
        cmg.writeInt(s, "parent", c.parent);
        entries.push_back(std::string(static_cast<std::size_t>(c.level - 1), '.') + c.caption);
        if (auto st = write("_sample/" + std::to_string(k + 1) + ".ico",
                            tarnic::encodeIco({square(32, c.r, c.g, c.b), square(16, c.r, c.g, c.b)}));
            !st) {
            err << "vardeo-cli: " << st.error().message() << "\n";
            return kExitBadInput;
        }
    }
    const fs::path cmgFile = folder / "sample.cmg";
    if (auto st = cmg.save(cmgFile); !st) {
        err << "vardeo-cli: " << st.error().message() << "\n";
        return kExitBadInput;
    }
    ++files;

    const fs::path design = programFolder / "Skins" / "default.mos";
    ProjectHeader h;
    h.cdName = "Sample CD";
    h.projectFolder = tarnic::includeTrailingSlash(folder.string());
    h.categoryFile = cmgFile.string();
    h.categoryName = "sample";
    h.categoryExt = ".cmg";
    h.designFile = design.string();
    h.designName = "default";
    h.designExt = ".mos";
    h.menuLanguage = 0;
    h.memberIconSet = firstInstalledSet(programFolder, "Files/m_icons", 1);
    h.ratingSet = firstInstalledSet(programFolder, "Files/rank", 0);
    h.linkCaption = "Tarnic Home";
    h.linkAddress = "https://tarnic.example.org/vardeo";
    h.aboutLink = "#";
    h.aboutTextFile = (folder / "about.txt").string();

    std::vector<ProjectItem> rows;
    for (const SampleItem& s : items) {
        ProjectItem item;
        item[Field::Name] = s.name;
        item[Field::FileName] = s.fileName;
        item[Field::CdPath] = s.cdPath;
        item[Field::Serial] = "n/a";
        std::string size = "n/a";
        if (!s.cdPath.empty() && s.fileName != kDefaultJumpPointMarker) {
            const fs::path file = tarnic::cdPathToNative(folder, s.cdPath + s.fileName);
            const auto bytes = fs::file_size(file, ec);
            size = ec ? "n/a" : bytes < (1u << 20) ? "< 1 MB" : std::to_string(bytes >> 20) + " MB";
            item[Field::FileSourceLocation] = file.string();
        } else {
            item[Field::FileSourceLocation] = "n/a";
        }
        item[Field::CdSize] = size;
        item[Field::HdSize] = "n/a";
        item[Field::Description] = s.description;
        item[Field::Category] = s.category;
        item[Field::Copy] = s.copy;
        item[Field::Homepage] = s.cdPath.empty() ? "n/a" : "https://tarnic.example.org/vardeo";
        item[Field::Execute] = s.execute;
        item[Field::Rating] = s.rating;
        item[Field::Language] = s.language;
        item[Field::System] = s.system;
        item[Field::Parameter] = s.cdPath.empty() ? "" : "n/a";
        rows.push_back(std::move(item));
    }
    const fs::path mof = folder / "sample.mof";
    if (auto st = writeProject(mof, h, rows, CategoryList(entries), LocalWords{}); !st) {
        err << "vardeo-cli: " << st.error().message() << "\n";
        return kExitBadInput;
    }
    ++files;
    if (!tarnic::fileExists(design))
        err << "vardeo-cli: warning: " << design.string()
            << " does not exist yet; the project needs it to be built\n";
    out << "Wrote " << mof.string() << ": " << rows.size() << " items, " << std::size(cats)
        << " categories, " << files << " files\n";
    return kExitOk;
}

} // namespace vardeo::cli
