#include "build_fixtures.h"
#include "designer/build/cd_build.h"
#include "designer/build/cd_folders.h"
#include "shared/file_io.h"
#include "shared/picture.h"

#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <cstdlib>
#include <thread>

namespace vardeo {
namespace {

namespace fs = std::filesystem;
using tarnic::test::slurp;
using tarnic::test::TempDir;
using test::makeItem;

TEST(CdFolders, KeepTheDriveRootAndTrailingSeparatorRules) {
    struct Case {
        const char* stored;
        const char* root;
        const char* cfg;
    };
    const Case cases[] = {
        {"D:\\", "D:\\", "D:\\cfg\\"},
        {"C:\\CD", "C:\\CD\\", "C:\\CD\\cfg\\"},
        {"C:\\CD\\", "C:\\CD\\", "C:\\CD\\cfg\\"},
        {"C:\\CD\\\\", "C:\\CD\\", "C:\\CD\\cfg\\"}, // one separator is removed, none added
        {"D:", "D:\\", "D:\\cfg\\"},
        {"/home/u/cd/", "/home/u/cd/", "/home/u/cd/cfg/"},
        {"/home/u/cd", "/home/u/cd/", "/home/u/cd/cfg/"},
        {"/", "/", "/cfg/"},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        const CdFolders f = cdFoldersOf(c.stored);
        EXPECT_EQ(f.root, c.root) << c.stored;
        EXPECT_EQ(f.cfg, c.cfg) << c.stored;
        if (*c.stored) {
            EXPECT_EQ(f.skin, std::string(c.cfg) + "skin" + c.cfg[std::string(c.cfg).size() - 1]);
        }
    }
    EXPECT_EQ(cdFoldersOf("D:\\").folder, "D:\\");
    EXPECT_EQ(cdFoldersOf("C:\\CD\\").html, "C:\\CD\\cfg\\html\\");
}

TEST(SkinElements, AreTheDefaultListInOrder) {
    const auto& names = defaultSkinElements();
    ASSERT_EQ(names.size(), 132u);
    EXPECT_EQ(names.front(), "btn_down.gif");
    EXPECT_EQ(names[8], "copy_0.jpg");
    EXPECT_EQ(names[11], "copy_3.jpg");
    EXPECT_EQ(names.back(), "minim_3.jpg");
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), 132u);
}

class ScriptedPrompts final : public BuildPrompts {
public:
    void reportError(std::string_view key, const tarnic::Error& e) override {
        errors.push_back(std::string(key) + "|" + e.message());
    }
    void reportInformation(std::string_view key) override { information.emplace_back(key); }
    bool askYesNo(std::string_view key) override {
        questions.emplace_back(key);
        return answer;
    }
    void reportWarning(std::string_view text) override { warnings.emplace_back(text); }
    void beginWait() override { ++waits; }
    void endWait() override { --waits; }

    bool answer = false;
    int waits = 0;
    std::vector<std::string> errors, information, questions, warnings;
};

// A project with three categories, a design with its own pictures and a
// throwaway program folder.
struct Fixture {
    TempDir dir;
    ProjectHeader header;
    std::vector<ProjectItem> items;
    CategoryList categories{{"Tools", ".Editors", "Games"}};
    ScriptedPrompts prompts;
    fs::path cd = dir / "cd";

    Fixture() {
        test::writeProgramFolder(dir);
        fs::create_directories(cd);
        header.cdName = "Demo";
        header.projectFolder = cd.string() + "/";
        header.memberIconSet = 3;
        header.ratingSet = 1;
        header.aboutTextFile = dir.write("about.txt", "Hello\r\n").string();
        items = {makeItem({"Editor", "edit.sh", "\\tools\\", "Editors", "yes", "yes", "080 %", "D"}),
                 makeItem({"Game", "game.exe", "\\games\\", "Games"})};
        dir.write("cats.cmg", "[general]\r\nanz_items=3\r\nstart=1\r\n[0]\r\nid=1\r\nlevel=1\r\ncaption=Tools\r\n"
                              "[1]\r\nid=2\r\nlevel=2\r\ncaption=Editors\r\n[2]\r\nid=3\r\nlevel=1\r\ncaption=Games\r\n");
        for (int k = 1; k <= 3; ++k)
            dir.write("_cats/" + std::to_string(k) + ".ico", tarnic::encodeIco({test::solid(32, 32, 0xFF000000u + static_cast<std::uint32_t>(k))}));
        dir.write("design.mos", "[Language]\r\nStyle=1\r\n");
        dir.write("_design/left.jpg", tarnic::encodeJpeg(test::solid(10, 20, 0xFFFF0000u)));
        dir.write("_design/vistel.ico", "design icon");
        dir.write("_design/Sound1.wav", "RIFF");
    }
    BuildInput input() {
        return BuildInput{.header = header,
                          .items = items,
                          .categories = categories,
                          .categoryFile = dir / "cats.cmg",
                          .designFile = dir / "design.mos",
                          .programFolder = dir / "prog",
                          .date = BuildDate{3, 2027}};
    }
    BuildReport build() { return buildCd(input(), BuildStyle::Classic, prompts); }
};

bool sameImage(const tarnic::Image& a, const tarnic::Image& b) {
    if (a.width != b.width || a.height != b.height)
        return false;
    for (std::size_t i = 0; i < a.rgba.size(); i += 4)
        for (std::size_t c = 0; c < 3; ++c)
            if (a.rgba[i + c] != b.rgba[i + c])
                return false;
    return true;
}

TEST(ClassicBuild, WritesEveryFileTheMenuLooksFor) {
    Fixture f;
    f.dir.write("cd/cfg/skin/skin.mp3", "old music");
    f.dir.write("cd/tarnicdat/Editor.txt", "info");
    const BuildReport r = f.build();
    ASSERT_TRUE(r.built()) << (f.prompts.errors.empty() ? "" : f.prompts.errors.front());
    EXPECT_TRUE(f.prompts.errors.empty());
    EXPECT_TRUE(f.prompts.warnings.empty());
    EXPECT_EQ(f.prompts.questions, std::vector<std::string>{"M27"});
    EXPECT_EQ(f.prompts.waits, 0);
    EXPECT_FALSE(r.testRunStarted);
    EXPECT_EQ(r.dataSet.items, 2u);

    const fs::path cfg = f.cd / "cfg", skin = cfg / "skin";
    std::vector<fs::path> expected = {
        f.cd / "index.txt", f.cd / "autorun.inf", f.cd / "autorun.sh", f.cd / "vistel",
        cfg / "members.cfg", cfg / "membersd/m1-0.dat", cfg / "membersd/m2-0.dat", cfg / "genre.cfg",
        cfg / "skin.cfg", cfg / "language.zent", cfg / "flag5.bmp", cfg / "rating1.gif",
        cfg / "rating2.gif", skin / "vistel.ico", skin / "Sound1.wav", skin / "btn_up.jpg"};
    for (int k = 1; k <= 3; ++k)
        expected.push_back(cfg / (std::to_string(k) + ".ico"));
    for (int n = 1; n <= 14; ++n)
        expected.push_back(cfg / ("m" + std::to_string(n) + ".ico"));
    for (const std::string& name : defaultSkinElements())
        expected.push_back(skin / name);
    for (std::string_view name : kBitmapSkinPictures)
        expected.push_back(skin / (std::string(name) + ".bmp"));
    for (const fs::path& p : expected)
        EXPECT_TRUE(fs::is_regular_file(p)) << p;
    EXPECT_FALSE(fs::exists(cfg / "0.ico")); // no icon 0 in the folder: skipped
    EXPECT_FALSE(fs::exists(cfg / "Unzdll.dll"));
    EXPECT_FALSE(fs::exists(f.cd / "vistel.exe"));
    EXPECT_FALSE(fs::exists(skin / "skin.mp3"));
    EXPECT_TRUE(fs::exists(f.cd / "tarnicdat/Editor.txt"));
    EXPECT_TRUE(fs::is_directory(cfg / "html"));

    EXPECT_EQ(slurp(cfg / "genre.cfg"), slurp(f.dir / "cats.cmg"));
    EXPECT_EQ(slurp(cfg / "skin.cfg"), slurp(f.dir / "design.mos"));
    EXPECT_EQ(slurp(skin / "vistel.ico"), "design icon"); // the design wins over Files/vistel.ico
    EXPECT_EQ(slurp(cfg / "2.ico"), slurp(f.dir / "_cats/2.ico"));
    EXPECT_EQ(slurp(f.cd / "autorun.inf"), slurp(f.dir / "prog/Files/autorun_classic.inf"));
    EXPECT_NE(fs::status(f.cd / "vistel").permissions() & fs::perms::owner_exec, fs::perms::none);
    EXPECT_NE(fs::status(f.cd / "autorun.sh").permissions() & fs::perms::others_exec, fs::perms::none);

    // Every bitmap shows its JPEG; left comes from the design's own left.jpg.
    for (std::string_view name : kBitmapSkinPictures) {
        const auto jpeg = tarnic::readJpeg(skin / (std::string(name) + ".jpg"));
        const auto bmp = tarnic::decodeBmp(slurp(skin / (std::string(name) + ".bmp")));
        ASSERT_TRUE(jpeg.ok() && bmp.ok()) << name;
        EXPECT_TRUE(sameImage(*jpeg, *bmp)) << name;
    }
    EXPECT_EQ(tarnic::decodeBmp(slurp(skin / "left.bmp"))->width, 10);
    EXPECT_EQ(tarnic::decodeBmp(slurp(skin / "top.bmp"))->width, 8);
}

TEST(ClassicBuild, MissingProjectFolderWritesNothing) {
    Fixture f;
    f.header.projectFolder = (f.dir / "nowhere").string();
    const BuildReport r = f.build();
    EXPECT_EQ(r.outcome, BuildReport::Outcome::NoProjectFolder);
    ASSERT_EQ(f.prompts.errors.size(), 1u);
    EXPECT_EQ(f.prompts.errors[0].substr(0, 4), "M26|");
    EXPECT_TRUE(f.prompts.questions.empty());
    EXPECT_FALSE(fs::exists(f.dir / "nowhere"));
    f.header.projectFolder.clear();
    EXPECT_EQ(f.build().outcome, BuildReport::Outcome::NoProjectFolder);
}

TEST(ClassicBuild, UnreadableSkinJpegStopsTheBuildNamingIt) {
    Fixture f;
    f.dir.write("_design/splash.jpg", "this is no JPEG");
    const BuildReport r = f.build();
    EXPECT_EQ(r.outcome, BuildReport::Outcome::Failed);
    ASSERT_EQ(f.prompts.errors.size(), 1u);
    EXPECT_NE(f.prompts.errors[0].find("splash.jpg"), std::string::npos) << f.prompts.errors[0];
    EXPECT_TRUE(f.prompts.questions.empty());
    EXPECT_EQ(f.prompts.waits, 0);
    EXPECT_TRUE(fs::exists(f.cd / "cfg/members.cfg")); // what was written so far stays
    EXPECT_FALSE(fs::exists(f.cd / "cfg/skin/splash.bmp"));
}

TEST(ClassicBuild, FailedCopiesAreToldButDoNotStopTheBuild) {
    Fixture f;
    fs::create_directories(f.cd / "cfg/language.zent"); // a folder where the copy must go
    const BuildReport r = f.build();
    EXPECT_TRUE(r.built());
    ASSERT_EQ(f.prompts.warnings.size(), 1u);
    EXPECT_NE(f.prompts.warnings[0].find("language.zent"), std::string::npos);
}

TEST(ClassicBuild, HtmlStyleNeedsThePagesWriter) {
    Fixture f;
    EXPECT_FALSE(buildCd(f.input(), BuildStyle::Html, f.prompts).built());
    EXPECT_FALSE(fs::exists(f.cd / "cfg"));
    bool called = false;
    const BuildReport r = buildCd(f.input(), BuildStyle::Html, f.prompts, [&](const HtmlBuildFolders& h) {
        called = true;
        EXPECT_EQ(h.html, fs::path(f.cd.string() + "/cfg/html/"));
        return tarnic::Status{};
    });
    EXPECT_TRUE(r.built());
    EXPECT_TRUE(called);
    EXPECT_FALSE(fs::exists(f.cd / "vistel"));
    EXPECT_FALSE(fs::exists(f.cd / "cfg/skin/left.bmp"));
    EXPECT_TRUE(fs::exists(f.cd / "cfg/skin/top.jpg"));
}

void waitFor(const fs::path& file) {
    for (int i = 0; i < 100 && !fs::exists(file); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
}

TEST(ClassicBuild, TestRunStartsTheBuiltMenuInTheCdRoot) {
    Fixture f;
    const fs::path mark = f.dir / "mark.txt";
    ::setenv("VISTEL_MARK", mark.c_str(), 1);
    f.prompts.answer = true;
    const BuildReport r = f.build();
    EXPECT_TRUE(r.testRunStarted);
    waitFor(mark);
    EXPECT_EQ(slurp(mark), f.cd.string() + "|\n");

    // Without the runtime the test run is an error, not a silent nothing.
    fs::remove(f.dir / "prog/Files/vistel");
    fs::remove(f.cd / "vistel");
    f.prompts.errors.clear();
    EXPECT_FALSE(f.build().testRunStarted);
    ASSERT_EQ(f.prompts.errors.size(), 1u);
    EXPECT_NE(f.prompts.errors[0].find("vistel"), std::string::npos);
    ::unsetenv("VISTEL_MARK");
}

TEST(AutorunScript, StartsTheMenuOrAPrivateCopyWhereTheMediumForbidsExecuting) {
    Fixture f;
    ASSERT_TRUE(f.build().built());
    const fs::path mark = f.dir / "mark.txt";
    const std::string run = "cd / && VISTEL_MARK='" + mark.string() + "' sh '" + (f.cd / "autorun.sh").string() + "'";
    ASSERT_EQ(std::system(run.c_str()), 0);
    EXPECT_EQ(slurp(mark), f.cd.string() + "|\n");

    fs::permissions(f.cd / "vistel", fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_EQ(std::system(run.c_str()), 0);
    const std::string line = slurp(mark);
    EXPECT_EQ(line.substr(0, f.cd.string().size() + 1), f.cd.string() + "|") << line;
    EXPECT_NE(line.find("--root " + f.cd.string()), std::string::npos) << line;
}

TEST(CleanUp, RemovesTheBuildAndKeepsTheProjectsFiles) {
    Fixture f;
    ASSERT_TRUE(f.build().built());
    f.dir.write("cd/tarnicdat/Editor.txt", "info");
    f.dir.write("cd/tools/edit.sh", "#!/bin/sh\n");
    f.dir.write("cd/index.htm", "<html>");
    EXPECT_TRUE(cleanUpCd(f.header.projectFolder, f.prompts));
    EXPECT_EQ(f.prompts.information, std::vector<std::string>{"M73"});
    for (const char* gone : {"cfg", "index.txt", "index.htm", "autorun.inf", "autorun.sh", "vistel"})
        EXPECT_FALSE(fs::exists(f.cd / gone)) << gone;
    EXPECT_TRUE(fs::exists(f.cd / "tarnicdat/Editor.txt"));
    EXPECT_TRUE(fs::exists(f.cd / "tools/edit.sh"));

    EXPECT_FALSE(cleanUpCd("", f.prompts));
    EXPECT_FALSE(cleanUpCd((f.dir / "nowhere").string(), f.prompts));
    EXPECT_EQ(f.prompts.errors.size(), 2u);
    EXPECT_EQ(f.prompts.information.size(), 1u);
}

} // namespace
} // namespace vardeo
