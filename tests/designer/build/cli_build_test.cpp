#include "build_fixtures.h"
#include "designer/cli/build_command.h"
#include "designer/cli/cli_app.h"
#include "designer/project/project_file.h"
#include "shared/ini_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

namespace vardeo::cli {
namespace {

namespace fs = std::filesystem;
using tarnic::test::slurp;
using tarnic::test::TempDir;

struct CliRun {
    int status;
    std::string out, err;
};
CliRun cli(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = run(args, out, err);
    return {status, out.str(), err.str()};
}

// A throwaway program folder with a default design.
struct Installed {
    TempDir dir;
    fs::path prog = dir / "prog";
    Installed() {
        test::writeProgramFolder(dir);
        dir.write("prog/Files/m_icons/1.cfg", "[general]\r\nname=Classic\r\nnr=3\r\n");
        dir.write("prog/Skins/default.mos", "[Language]\r\nStyle=1\r\n");
        dir.write("prog/Skins/_default/skin.jpg",
                  tarnic::encodeJpeg(test::solid(635, 445, 0xFF102030u)));
    }
};

TEST(CliBuild, SampleBuildsAndCleansUp) {
    Installed in;
    const std::string folder = (in.dir / "sample").string();
    const CliRun sample = cli({"sample", folder, "--program-folder", in.prog.string()});
    ASSERT_EQ(sample.status, kExitOk) << sample.err;
    EXPECT_TRUE(sample.err.empty()) << sample.err;
    for (const char* f : {"sample.mof", "sample.cmg", "_sample/1.ico", "tools/hello.sh", "archives/bundle.zip",
                          "sounds/chime.wav", "pictures/sunset.jpg", "tarnicdat/Sunset.jpg"})
        EXPECT_TRUE(fs::exists(in.dir / "sample" / f)) << f;
    EXPECT_NE(fs::status(in.dir / "sample/tools/hello.sh").permissions() & fs::perms::owner_exec,
              fs::perms::none);

    const std::string mof = folder + "/sample.mof";
    const CliRun build = cli({"build", mof, "--program-folder", in.prog.string()});
    ASSERT_EQ(build.status, kExitOk) << build.err;
    EXPECT_TRUE(build.err.empty()) << build.err;
    EXPECT_NE(build.out.find(": 9 items, 5 categories, "), std::string::npos) << build.out;
    EXPECT_EQ(std::count(build.out.begin(), build.out.end(), '\n'), 1);
    const fs::path cfg = in.dir / "sample/cfg";
    const auto members = tarnic::IniFile::load(cfg / "members.cfg");
    EXPECT_EQ(members->readString("general", "cdname", ""), "Sample CD");
    EXPECT_EQ(members->readInt("3", "anz_items", 0), 4); // Media
    for (const char* f : {"genre.cfg", "skin.cfg", "1.ico", "5.ico", "m14.ico", "skin/left.bmp",
                          "membersd/m0-0.dat"})
        EXPECT_TRUE(fs::exists(cfg / f)) << f;
    EXPECT_NE(slurp(cfg / "membersd/m0-0.dat").find("copy=1\r\nexecute=1\r\n"), std::string::npos);

    const CliRun clean = cli({"clean", mof});
    ASSERT_EQ(clean.status, kExitOk) << clean.err;
    EXPECT_FALSE(fs::exists(cfg));
    EXPECT_TRUE(fs::exists(in.dir / "sample/tarnicdat/Sunset.txt"));
}

TEST(CliBuild, FailuresGoToStderrWithStatusTwo) {
    Installed in;
    const std::string folder = (in.dir / "sample").string();
    ASSERT_EQ(cli({"sample", folder, "--program-folder", in.prog.string()}).status, kExitOk);
    const std::string mof = folder + "/sample.mof";
    in.dir.write("prog/Skins/_default/top.jpg", "not a picture");
    const CliRun broken = cli({"build", mof, "--program-folder", in.prog.string()});
    EXPECT_EQ(broken.status, kExitBadInput);
    EXPECT_TRUE(broken.out.empty());
    EXPECT_NE(broken.err.find("top.jpg"), std::string::npos) << broken.err;

    auto header = readProjectHeader(mof);
    ASSERT_TRUE(header.ok());
    header->projectFolder = (in.dir / "gone").string() + "/";
    ASSERT_TRUE(writeProjectHeader(mof, *header).ok());
    const CliRun moved = cli({"build", mof, "--program-folder", in.prog.string()});
    EXPECT_EQ(moved.status, kExitBadInput);
    EXPECT_NE(moved.err.find("project folder does not exist"), std::string::npos) << moved.err;
    EXPECT_EQ(cli({"clean", mof}).status, kExitBadInput);
    EXPECT_EQ(cli({"build", (in.dir / "none.mof").string()}).status, kExitBadInput);
    EXPECT_EQ(cli({"build", mof, "--style", "html"}).status, kExitUsage);
}

TEST(CliBuild, YesNoWordsFollowTheDesignerLanguage) {
    TempDir dir;
    EXPECT_EQ(readYesNoWords(dir.path()).yes, "yes");
    dir.write("vardeo.dat", "[settings]\r\nlanguage=2\r\n");
    EXPECT_EQ(readYesNoWords(dir.path()).yes, "yes"); // no language file: English
    dir.write("Files/lang_2.dat", "[Texts]\r\nTYES=ja\r\nTNO=nein\r\n");
    EXPECT_EQ(readYesNoWords(dir.path()).yes, "ja");
    EXPECT_EQ(readYesNoWords(dir.path()).no, "nein");
    dir.write("vardeo.dat", "[settings]\r\nlanguage=1\r\n");
    EXPECT_EQ(readYesNoWords(dir.path()).no, "no");
}

// The real programs against the assembled program folder.
TEST(CliBuild, EndToEndWithTheProgramFolder) {
    const fs::path prog = TARNIC_PROGRAM_FOLDER;
    if (!fs::exists(prog / "Skins/default.mos"))
        GTEST_SKIP() << "the program folder has no default design yet";
    TempDir dir;
    const std::string cliPath = VARDEO_CLI_PATH;
    const fs::path sample = dir / "sample";
    ASSERT_EQ(std::system(("'" + cliPath + "' sample '" + sample.string() + "' >/dev/null").c_str()), 0);
    ASSERT_EQ(std::system(("'" + cliPath + "' build '" + (sample / "sample.mof").string() + "'").c_str()), 0);
    const fs::path cfg = sample / "cfg";
    for (const char* f : {"members.cfg", "genre.cfg", "skin.cfg", "language.zent", "1.ico", "skin/top.bmp",
                          "skin/left.bmp", "skin/splash.bmp", "skin/sf_back.bmp", "skin/skin.jpg"})
        EXPECT_TRUE(fs::exists(cfg / f)) << f;
    EXPECT_TRUE(fs::exists(sample / "autorun.sh"));
    if (fs::exists(prog / "Files/vistel")) {
        EXPECT_TRUE(fs::exists(sample / "vistel"));
    }
}

} // namespace
} // namespace vardeo::cli
