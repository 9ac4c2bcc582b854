#include "runtime/menu/runtime_paths.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace vistel {
namespace {

using tarnic::test::TempDir;

TEST(WindowsPathRules, ResolveItemPathLikeTheOriginalMenu) {
    struct Case {
        const char* rootname;
        bool readOnly;
        const char* pfad;
        const char* cdRoot;
        const char* expected;
    };
    const Case cases[] = {
        // On the CD the executable is read-only: rootname is ignored.
        {"C:\\projects\\cd1\\", true, "\\setup\\install.exe", "E:\\", "E:\\setup\\install.exe"},
        // A test run from the writable build folder.
        {"C:\\projects\\cd1\\", false, "\\setup\\install.exe", "C:\\",
         "C:\\projects\\cd1\\setup\\install.exe"},
        {"C:\\projects\\cd1", false, "\\setup\\install.exe", "C:\\",
         "C:\\projects\\cd1\\setup\\install.exe"},
        {"", false, "\\tools\\Jump Point", "E:\\", "E:\\tools\\"},
        {"", true, "\\tools\\JUMP point", "E:\\", "E:\\tools\\"},
        {"C:\\projects\\cd1\\", false, "HtTp://example.org/x", "C:\\", "HtTp://example.org/x"},
        {"", true, "FTP://host/file.zip", "E:\\", "FTP://host/file.zip"},
    };
    for (const Case& c : cases) {
        const std::string testRoot =
            win::effectiveTestRoot(win::testRootOf(c.rootname), c.readOnly);
        EXPECT_EQ(win::resolveItemPath(c.pfad, testRoot, c.cdRoot), c.expected) << c.pfad;
    }
    EXPECT_EQ(win::testRootOf("C:\\projects\\cd1"), "projects\\cd1");
    EXPECT_EQ(win::testRootOf("C:\\projects\\cd1\\"), "projects\\cd1");
    EXPECT_EQ(win::testRootOf(""), "");
    EXPECT_EQ(win::runtimeFolderOf("E:\\vistel.exe"), "E:\\");
    EXPECT_EQ(win::cdRootOf("E:\\menu\\vistel.exe"), "E:\\");
}

TEST(NativePaths, ItemPathsResolveBelowTheCdRootWithoutRegardToCase) {
    TempDir cd;
    cd.write("Setup/Install.EXE", "x");
    cd.write("Tools/readme.txt", "x");
    const auto root = cd.path();
    EXPECT_EQ(resolveItemPath(root, "\\setup\\install.exe"), (root / "Setup/Install.EXE").string());
    EXPECT_EQ(resolveItemPath(root, "\\tools\\Jump Point"), (root / "Tools").string() + "/");
    EXPECT_EQ(resolveItemPath(root, "http://a.b/c"), "http://a.b/c");
    // A missing file keeps its spelling and never climbs out of the CD.
    EXPECT_EQ(resolveItemPath(root, "\\..\\..\\etc\\passwd"), (root / "etc/passwd").string());
    EXPECT_EQ(currentItemFile((root / "Setup/Install.EXE").string()), root / "Setup/Install.EXE");
    EXPECT_TRUE(currentItemFile((root / "Tools").string() + "/").empty());
    EXPECT_TRUE(currentItemFile("http://a.b/c").empty());
    EXPECT_TRUE(currentItemFile((root / "missing.exe").string()).empty());
}

TEST(NativePaths, FoldersAreFoundInAnyLetterCase) {
    TempDir cd;
    cd.write("CFG/Skin/skin.jpg", "x");
    cd.write("CFG/GENRE.CFG", "x");
    const RuntimeFolders f = computeFolders(cd.path());
    EXPECT_EQ(f.data, cd.path() / "CFG");
    EXPECT_EQ(f.skin, cd.path() / "CFG/Skin");
    EXPECT_EQ(f.categoryFile(), cd.path() / "CFG/GENRE.CFG");
    EXPECT_EQ(f.itemListFile(), cd.path() / "CFG/members.cfg");
    EXPECT_EQ(f.detailsFile(3, 12), cd.path() / "CFG/membersd/m3-12.dat");
}

TEST(InfoText, LookupOrderAndAvailability) {
    struct Case {
        const char* name;
        std::vector<const char*> files; // below the CD root; info folder is tarnicdat/
        const char* caption;
        bool available;
        const char* shown; // "" = none
    };
    const std::vector<Case> cases = {
        {"sibling txt wins", {"d/setup.beta.zip", "d/setup.beta.txt", "tarnicdat/Setup.txt"},
         "Setup", true, "d/setup.beta.txt"},
        {"info folder txt before nfo", {"d/setup.beta.zip", "tarnicdat/Setup.txt", "d/setup.beta.nfo"},
         "Setup", true, "tarnicdat/Setup.txt"},
        {"only setup.beta.nfo", {"d/setup.beta.zip", "d/setup.beta.nfo"}, "Setup", true,
         "d/setup.beta.nfo"},
        {"only setup.nfo: not offered", {"d/setup.beta.zip", "d/setup.nfo"}, "Setup", false, "d/setup.nfo"},
        {"key nfo makes setup.nfo shown", {"d/setup.beta.zip", "d/setup.nfo", "tarnicdat/Setup.nfo"},
         "Setup", true, "d/setup.nfo"},
        {"key nfo alone is shown", {"d/setup.beta.zip", "tarnicdat/Setup.nfo"}, "Setup", true,
         "tarnicdat/Setup.nfo"},
        {"item key replaces reserved characters", {"tarnicdat/a_b_c_.txt"}, "a/b:c?", true,
         "tarnicdat/a_b_c_.txt"},
        {"nothing", {"d/setup.beta.zip"}, "Setup", false, ""},
    };
    for (const Case& c : cases) {
        TempDir cd;
        for (const char* f : c.files)
            cd.write(f, "x");
        const auto item = std::string(c.files[0]).rfind("d/", 0) == 0 ? cd / c.files[0]
                                                                       : std::filesystem::path{};
        const auto info = cd / "tarnicdat";
        EXPECT_EQ(hasInfoText(item, info, c.caption), c.available) << c.name;
        const auto shown = findInfoText(item, info, c.caption);
        if (*c.shown)
            EXPECT_EQ(shown.value_or("none"), cd / c.shown) << c.name;
        else
            EXPECT_FALSE(shown) << c.name;
    }
}

TEST(Screenshots, PictureItemsShowThemselvesOthersTheirJpg) {
    TempDir cd;
    cd.write("d/game.exe", "x");
    cd.write("d/game.jpg", "x");
    cd.write("d/pic.JPEG", "x");
    cd.write("d/tool.exe", "x");
    cd.write("tarnicdat/Tool.jpg", "x");
    const auto info = cd / "tarnicdat";
    EXPECT_EQ(findScreenshot(cd / "d/game.exe", info, "Game").value(), cd / "d/game.jpg");
    EXPECT_EQ(findScreenshot(cd / "d/pic.JPEG", info, "Pic").value(), cd / "d/pic.JPEG");
    EXPECT_EQ(findScreenshot(cd / "d/tool.exe", info, "Tool").value(), cd / "tarnicdat/Tool.jpg");
    EXPECT_EQ(findScreenshot({}, info, "Tool").value(), cd / "tarnicdat/Tool.jpg");
    EXPECT_FALSE(findScreenshot({}, info, "Other"));
}

} // namespace
} // namespace vistel
