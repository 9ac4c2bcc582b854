#include "shared/paths.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using namespace tarnic;

TEST(Paths, TrailingSeparatorRules) {
    EXPECT_EQ(includeTrailingBackslash("C:\\cd"), "C:\\cd\\");
    EXPECT_EQ(includeTrailingBackslash("C:\\cd\\"), "C:\\cd\\");
    EXPECT_EQ(includeTrailingBackslash(""), "\\");
    EXPECT_EQ(excludeTrailingBackslash("C:\\cd\\"), "C:\\cd");
    EXPECT_EQ(excludeTrailingBackslash("C:\\"), "C:\\");
    EXPECT_EQ(excludeTrailingBackslash("\\"), "\\");
    EXPECT_EQ(includeTrailingSlash("/cd"), "/cd/");
    EXPECT_EQ(includeTrailingSlash("/"), "/");
}

TEST(Paths, CdPathsToNativeAndBack) {
    const fs::path root = "/media/cd";
    EXPECT_EQ(cdPathToNative(root, "\\tools\\setup.exe"), fs::path("/media/cd/tools/setup.exe"));
    EXPECT_EQ(cdPathToNative(root, "\\"), root);
    EXPECT_EQ(cdPathToNative(root, "\\..\\..\\etc\\passwd"), fs::path("/media/cd/etc/passwd"));
    EXPECT_EQ(cdPathToNative(root, "a/b\\c"), fs::path("/media/cd/a/b/c"));
    EXPECT_EQ(nativeToCdPath(root, "/media/cd/tools", true), "\\tools\\");
    EXPECT_EQ(nativeToCdPath("/media/cd/", "/media/cd/tools/x.exe", false), "\\tools\\x.exe");
    EXPECT_EQ(nativeToCdPath(root, root, true), "\\");
    EXPECT_FALSE(nativeToCdPath(root, "/media/other/x", false));
}

TEST(Paths, CaseInsensitiveLookup) {
    test::TempDir dir;
    dir.write("Skins/_Default/Btn_Up.JPG", "x");
    EXPECT_EQ(findCaseInsensitive(dir.path(), "skins\\_default\\btn_up.jpg"),
              dir / "Skins/_Default/Btn_Up.JPG");
    EXPECT_EQ(findCaseInsensitive(dir.path(), "Skins/_Default/Btn_Up.JPG"),
              dir / "Skins/_Default/Btn_Up.JPG");
    EXPECT_FALSE(findCaseInsensitive(dir.path(), "skins/none.jpg"));
    EXPECT_EQ(findCaseInsensitive(dir / "SKINS/_default/btn_up.jpg"), dir / "Skins/_Default/Btn_Up.JPG");
}

TEST(Paths, ImageFolderOfDesignAndCategoryFiles) {
    EXPECT_EQ(imageFolderOf("/x/Games.cmg"), fs::path("/x/_Games"));
    EXPECT_EQ(imageFolderOf("/x/my.design.mos"), fs::path("/x/_my"));
}
