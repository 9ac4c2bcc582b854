#include "designer/project/category_list.h"
#include "project_fixtures.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using namespace vardeo;

TEST(CategoryList, EntriesCarryOneDotPerLevelBelowTheTop) {
    const auto ini = tarnic::IniFile::fromBytes(
        test::cmgText({{1, "Games"}, {2, "Action"}, {3, "Drivers"}, {1, "Vers. 2.0"}}));
    const CategoryList list = CategoryList::fromIni(ini);
    EXPECT_EQ(list.entries(), (std::vector<std::string>{"Games", ".Action", "..Drivers", "Vers. 2.0"}));
    EXPECT_EQ(list.stripped(3), "Vers 20");
    EXPECT_EQ(list.lastIndexOf("Vers 20"), 3u);
    EXPECT_EQ(list.lastIndexOf("..Drivers"), 2u);
    EXPECT_FALSE(list.lastIndexOf("drivers")); // exact comparison
}

TEST(CategoryList, EqualCaptionsTakeTheLastMatch) {
    const CategoryList list({"Tools", ".Tools", "Misc"});
    EXPECT_EQ(list.storedIndexOf("Tools"), 1u);
    EXPECT_EQ(list.storedIndexOf("Nothing"), 0u);
}

TEST(CategoryList, MissingCaptionsLimitsAndMissingFiles) {
    auto ini = tarnic::IniFile::fromBytes("[general]\r\nanz_items=2\r\n[0]\r\nlevel=1\r\n");
    EXPECT_EQ(CategoryList::fromIni(ini).entries(), (std::vector<std::string>{"Fehler", "Fehler"}));

    std::string many = "[general]\r\nanz_items=300\r\n";
    EXPECT_EQ(CategoryList::fromIni(tarnic::IniFile::fromBytes(many)).size(), kMaxCategories);
    EXPECT_EQ(CategoryList::fromIni(tarnic::IniFile::fromBytes("[general]\r\nanz_items=-4\r\n")).size(), 0u);

    // Surplus sections of an older, longer file are ignored.
    auto surplus = tarnic::IniFile::fromBytes(
        "[general]\r\nanz_items=1\r\n[0]\r\nlevel=1\r\ncaption=A\r\n[1]\r\nlevel=1\r\ncaption=Old\r\n");
    EXPECT_EQ(CategoryList::fromIni(surplus).entries(), (std::vector<std::string>{"A"}));

    tarnic::test::TempDir dir;
    auto missing = CategoryList::load(dir / "none.cmg");
    ASSERT_TRUE(missing.ok());
    EXPECT_TRUE(missing->empty());
}
