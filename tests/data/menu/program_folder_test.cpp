// The program folder's shipped data after the build: every file the designer
// and the menu look for, in a form their readers accept.
#include "designer/project/category_list.h"
#include "runtime/menu/design.h"
#include "shared/file_io.h"
#include "shared/ini_file.h"
#include "shared/picture.h"

#include <QImage>
#include <QString>
#include <cstdint>
#include <filesystem>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kFolder = TARNIC_PROGRAM_FOLDER;

std::string slurp(const fs::path& file) {
    auto bytes = tarnic::readFile(file);
    EXPECT_TRUE(bytes.ok()) << file;
    return bytes.ok() ? *bytes : std::string();
}

tarnic::IniFile ini(const fs::path& file) {
    return tarnic::IniFile::fromBytes(slurp(file));
}

// The default skin element names in the order the build completes a skin folder.
std::vector<std::string> defaultSkinElements() {
    std::vector<std::string> names = {"btn_down.gif",     "btn_down.jpg",  "btn_left.jpg",
                                      "minim_0.jpg",      "btn_right.jpg", "btn_up_top.jpg",
                                      "btn_down_top.jpg", "vistel.css"};
    const auto four = [&](const std::string& stem) {
        for (int i = 0; i < 4; ++i)
            names.push_back(stem + "_" + std::to_string(i) + ".jpg");
    };
    for (const char* stem : {"copy", "cz_exit", "cz_explorer", "cz_mkdir"})
        four(stem);
    names.push_back("cz_skin.jpg");
    four("cz_start");
    names.push_back("mkdir_skin.jpg");
    for (const char* stem : {"exec", "exit", "explorer", "home"})
        four(stem);
    names.push_back("prev_box.jpg");
    four("info");
    names.push_back("left.jpg");
    for (const char* stem :
         {"lup", "mkdir_cancel", "mkdir_ok", "options", "pd_bg_clear", "pd_bg_load", "pd_edit",
          "pd_exit", "pd_lo_clear", "pd_lo_load", "pd_print"})
        four(stem);
    names.push_back("pd_skin.jpg");
    four("scan");
    four("search");
    names.push_back("sf_back.jpg");
    for (const char* stem : {"sf_exit", "sf_options", "sf_search"})
        four(stem);
    for (const char* name : {"sf_skin.jpg", "skin.jpg", "skin_full.jpg", "splash.jpg", "top.jpg"})
        names.push_back(name);
    four("unpack");
    for (const char* name :
         {"btn_up_middle.jpg", "btn_down_middle.jpg", "minim_1.jpg", "minim_2.jpg", "minim_3.jpg"})
        names.push_back(name);
    return names;
}

class Designs : public ::testing::TestWithParam<std::string> {};

TEST_P(Designs, HoldEveryElementTheMenuAndTheBuildsLookFor) {
    const fs::path images = kFolder / "Skins" / ("_" + GetParam());
    auto names = defaultSkinElements();
    ASSERT_EQ(names.size(), 132u);
    ASSERT_EQ(std::set<std::string>(names.begin(), names.end()).size(), 132u);
    for (const char* extra : {"btn_up.jpg", "vistel.ico", "Sound1.wav", "Sound2.wav", "Sound3.wav",
                              "Sound4.wav", "Sound5.wav"})
        names.emplace_back(extra);
    for (const std::string& name : names)
        EXPECT_TRUE(fs::is_regular_file(images / name)) << images / name;

    for (const auto& entry : fs::directory_iterator(images)) {
        if (entry.path().extension() == ".jpg") {
            EXPECT_TRUE(tarnic::readJpeg(entry.path()).ok()) << entry.path();
        }
    }

    struct Size {
        const char* name;
        int w, h;
    };
    for (const Size& s :
         {Size{"skin.jpg", 635, 445}, Size{"skin_full.jpg", 635, 445}, Size{"exec_0.jpg", 75, 40},
          Size{"exit_3.jpg", 75, 40}, Size{"home_3.jpg", 25, 25}, Size{"minim_1.jpg", 30, 25},
          Size{"search_2.jpg", 30, 25}, Size{"btn_right.jpg", 15, 15},
          Size{"cz_start_0.jpg", 75, 30}, Size{"btn_up_top.jpg", 25, 35},
          Size{"btn_down_middle.jpg", 20, 25}, Size{"cz_skin.jpg", 295, 220},
          Size{"sf_skin.jpg", 225, 315}, Size{"pd_skin.jpg", 535, 245},
          Size{"mkdir_skin.jpg", 185, 90}}) {
        const auto image = tarnic::readJpeg(images / s.name);
        ASSERT_TRUE(image.ok()) << s.name;
        EXPECT_EQ(image->width, s.w) << s.name;
        EXPECT_EQ(image->height, s.h) << s.name;
    }

    const std::string css = slurp(images / "vistel.css");
    for (const char* cls :
         {"homeLarge", "home", "homeLink", "homeSmall", "genrehead", "cdname", "GenreLink",
          "membershead", "detailshead", "MembersLink", "detailsbold", "details", "detailsLink"})
        EXPECT_NE(css.find("." + std::string(cls) + " "), std::string::npos) << cls;

    // The design file beside the image folder reads without a colour error and
    // switches on all five sounds.
    const auto design = vistel::loadDesign(kFolder / "Skins" / (GetParam() + ".mos"));
    ASSERT_TRUE(design.ok()) << design.error().message();
    for (bool on : design->soundEnabled)
        EXPECT_TRUE(on);
    EXPECT_TRUE(design->splash.enabled);
    EXPECT_EQ(design->style, 1);
}

TEST_P(Designs, SoundsAreSmallPcmWaves) {
    for (int n = 1; n <= 5; ++n) {
        const fs::path file =
            kFolder / "Skins" / ("_" + GetParam()) / ("Sound" + std::to_string(n) + ".wav");
        const std::string wav = slurp(file);
        ASSERT_GE(wav.size(), 44u) << file;
        const auto u16 = [&](std::size_t at) {
            return static_cast<unsigned>(static_cast<unsigned char>(wav[at])) |
                   static_cast<unsigned>(static_cast<unsigned char>(wav[at + 1])) << 8;
        };
        const auto u32 = [&](std::size_t at) { return u16(at) | u16(at + 2) << 16; };
        EXPECT_EQ(wav.substr(0, 4), "RIFF");
        EXPECT_EQ(wav.substr(8, 8), "WAVEfmt ");
        EXPECT_EQ(u32(4), wav.size() - 8);
        EXPECT_EQ(u16(20), 1u);  // PCM
        EXPECT_EQ(u16(34), 16u); // bits per sample
        EXPECT_EQ(wav.substr(36, 4), "data");
        EXPECT_EQ(u32(40), wav.size() - 44);
        EXPECT_LT(wav.size(), 100'000u) << file;
    }
}

INSTANTIATE_TEST_SUITE_P(ProgramFolder, Designs, ::testing::Values("default", "dark"));

TEST(MenuLanguages, EveryFileFillsEveryKeyInItsCodePage) {
    // Every key the menu, the HTML build and the preview read.
    std::vector<std::pair<std::string, std::string>> keys = {{"Language", "no_file_lang"},
                                                             {"Language", "no_info_lang"},
                                                             {"Language", "no_nfo_lang"},
                                                             {"Language", "no_zip_lang"},
                                                             {"Heading", "1"},
                                                             {"Heading", "2"},
                                                             {"Heading", "3"},
                                                             {"Heading", "3_2"},
                                                             {"Cover", "Cover_Header"},
                                                             {"Size", "1"},
                                                             {"Size", "2"}};
    const auto numbered = [&](const char* section, std::initializer_list<int> numbers) {
        for (int n : numbers)
            keys.emplace_back(section, std::to_string(n));
    };
    numbered("Details", {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14,
                         15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 26, 27, 28});
    numbered("Buttons", {7, 8, 9, 12, 13, 14, 24, 25});
    numbered("Other", {2,  3,  4,  5,  8,  9,  10, 11, 12, 13, 15, 16, 17, 18, 19,
                       20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34});
    numbered("Forms", {2, 3, 4, 5, 6});
    numbered("Hints", {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 17, 18, 19, 20, 21,
                       22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40});

    for (int n = 0; n <= 5; ++n) {
        const fs::path file = kFolder / "Files" / ("language" + std::to_string(n) + ".dat");
        const std::string bytes = slurp(file);
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            if (bytes[i] == '\n') {
                ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << file << ": a line ends without CR";
            }
        }
        const auto lang = tarnic::IniFile::fromBytes(bytes);
        for (const auto& [section, key] : keys)
            EXPECT_FALSE(lang.readString(section, key, "").empty())
                << file << " [" << section << "] " << key;
        EXPECT_EQ(lang.readInt("Language", "Language", -1) == 2, n == 2) << file;
        // 8-bit text: Russian in windows-1251.
        if (n == 2) {
            EXPECT_EQ(lang.readString("Heading", "1", ""), "\xCA\xE0\xF2\xE5\xE3\xEE\xF0\xE8\xE8");
        }
    }
    EXPECT_EQ(tarnic::IniFile::fromBytes(slurp(kFolder / "Files" / "language1.dat"))
                  .readString("Details", "3", ""),
              "Gr\xF6\xDF"
              "e CD:");
}

TEST(IconsAndFlags, EverySetAndPackIsComplete) {
    for (int k = 1; k <= 3; ++k) {
        const auto cfg = ini(kFolder / "Files" / "m_icons" / (std::to_string(k) + ".cfg"));
        const int nr = cfg.readInt("general", "nr", 0);
        EXPECT_EQ(nr, k);
        EXPECT_NE(cfg.readString("general", "name", "UNKNOWN IP"), "UNKNOWN IP");
        for (int n = 1; n <= 14; ++n)
            EXPECT_TRUE(fs::is_regular_file(kFolder / "Files" / "m_icons" / std::to_string(nr) /
                                            ("m" + std::to_string(n) + ".ico")));
    }
    for (const std::string pack : {"01", "02"}) {
        const int count =
            ini(kFolder / "ip" / ("ip" + pack + ".cfg")).readInt("general", "anz_icons", 0);
        EXPECT_GE(count, 20);
        for (int m = 1; m <= count; ++m) {
            const std::string mm = (m < 10 ? "0" : "") + std::to_string(m);
            const fs::path icon =
                kFolder / "ip" / ("ip" + pack) / ("ip" + pack + "i" + mm + ".ico");
            const std::string bytes = slurp(icon);
            ASSERT_GE(bytes.size(), 22u) << icon;
            EXPECT_EQ(bytes.substr(0, 4), std::string("\0\0\1\0", 4)) << icon;
        }
    }
    for (int n = 1; n <= 27; ++n) {
        const fs::path flag = kFolder / "Files" / "Flag" / ("flag" + std::to_string(n) + ".bmp");
        const auto image = tarnic::decodeBmp(slurp(flag), flag);
        ASSERT_TRUE(image.ok()) << flag;
        EXPECT_EQ(image->width, 30);
        EXPECT_EQ(image->height, 15);
    }
}

TEST(StandardCategories, ReadableWithAnIconPerCategory) {
    const auto list = vardeo::CategoryList::load(kFolder / "Files" / "Standard.cmg");
    ASSERT_TRUE(list.ok()) << list.error().message();
    const auto cmg = ini(kFolder / "Files" / "Standard.cmg");
    ASSERT_EQ(list->size(), static_cast<std::size_t>(cmg.readInt("general", "anz_items", 0)));
    EXPECT_GE(list->size(), 8u);
    bool hasSubCategory = false;
    for (std::size_t i = 0; i < list->size(); ++i) {
        hasSubCategory = hasSubCategory || list->entries()[i].starts_with(".");
        EXPECT_EQ(cmg.readInt(std::to_string(i), "id", 0), static_cast<int>(i + 1));
        EXPECT_TRUE(fs::is_regular_file(kFolder / "Files" / "_Standard" /
                                        (std::to_string(i + 1) + ".ico")));
    }
    EXPECT_TRUE(hasSubCategory);
}

TEST(RatingSets, EveryRangeHasItsPictureAndAPreview) {
    for (int nr = 1; nr <= 2; ++nr) {
        const fs::path folder = kFolder / "Files" / "rank" / std::to_string(nr);
        const auto set = ini(kFolder / "Files" / "rank" / (std::to_string(nr) + ".cfg"));
        EXPECT_EQ(set.readInt("general", "nr", 0), nr);
        const int ranges = set.readInt("range", "nr", 0);
        EXPECT_GE(ranges, 2);
        int covered = 0;
        for (int k = 1; k <= ranges; ++k) {
            const std::string section = "range" + std::to_string(k);
            const std::string pic = set.readString(section, "pic", "");
            EXPECT_EQ(slurp(folder / pic).substr(0, 6), "GIF89a") << pic;
            covered += set.readInt(section, "end", 0) - set.readInt(section, "start", 0) + 1;
        }
        EXPECT_EQ(covered, 101) << "ranges cover 0..100 once";
        const auto preview = tarnic::readJpeg(folder / "prev.jpg");
        ASSERT_TRUE(preview.ok());
        EXPECT_EQ(preview->width, 200);
        EXPECT_EQ(preview->height, 130);
    }
}

TEST(ProgramFolder, GifPicturesDecode) {
    struct Gif {
        const char* file;
        int w, h;
    };
    for (const Gif& g :
         {Gif{"Files/blank.gif", 1, 1}, Gif{"Skins/_default/btn_down.gif", 15, 15},
          Gif{"Skins/_dark/btn_down.gif", 15, 15}, Gif{"Files/rank/1/stars0.gif", 80, 16},
          Gif{"Files/rank/1/stars5.gif", 80, 16}, Gif{"Files/rank/2/meter3.gif", 60, 12}}) {
        const QImage image(QString::fromStdString((kFolder / g.file).string()));
        ASSERT_FALSE(image.isNull()) << g.file;
        EXPECT_EQ(image.width(), g.w) << g.file;
        EXPECT_EQ(image.height(), g.h) << g.file;
    }
    // Pixels survive the compression: the first star is gold when rated, grey when not.
    const auto load = [](const char* file) {
        return QImage(QString::fromStdString((kFolder / file).string()));
    };
    const QRgb gold = load("Files/rank/1/stars5.gif").pixel(8, 9);
    EXPECT_GT(qRed(gold), 200);
    EXPECT_LT(qBlue(gold), 100);
    const QRgb grey = load("Files/rank/1/stars0.gif").pixel(8, 9);
    EXPECT_GT(qBlue(grey), 180);
    // The spacer is see-through.
    EXPECT_EQ(
        qAlpha(QImage(QString::fromStdString((kFolder / "Files/blank.gif").string())).pixel(0, 0)),
        0);
}

TEST(ProgramFolder, TemplatesAndFoldersArePresent) {
    for (const char* file :
         {"Files/tarnic.txt", "Files/autorun_classic.inf", "Files/autorun_html.inf",
          "Files/vistel.ico", "Skins/default.mos", "Skins/dark.mos"})
        EXPECT_TRUE(fs::is_regular_file(kFolder / file)) << file;
    for (const char* folder : {"projects", "genre", "menudesign", "Categories", "AboutText"})
        EXPECT_TRUE(fs::is_directory(kFolder / folder)) << folder;
    EXPECT_EQ(ini(kFolder / "Files" / "autorun_classic.inf").readString("autorun", "open", ""),
              "vistel.exe");
    const std::string gif = slurp(kFolder / "Files" / "blank.gif");
    ASSERT_EQ(gif.size(), 43u);
    EXPECT_EQ(gif.substr(0, 10), std::string("GIF89a\1\0\1\0", 10));
}

} // namespace
