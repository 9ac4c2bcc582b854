#include "designer/categories/icon_packs.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace vardeo {
namespace {

using tarnic::test::TempDir;

TEST(IconPacks, PacksAreListedByTwoDigitNumberAndNameTheirIcons) {
    TempDir dir;
    dir.write("ip/ip01.cfg", "[general]\r\nanz_icons=2\r\n");
    dir.write("ip/ip02.cfg", "[general]\r\n");
    dir.write("ip/IP15.CFG", "[general]\r\nanz_icons=11\r\n");
    dir.write("ip/ip15/ip15i01.ico", "x");
    std::vector<std::string> names;
    for (const IconPack& p : listIconPacks(dir.path()))
        names.push_back(p.name);
    EXPECT_EQ(names, (std::vector<std::string>{"Icon Pack 01", "Icon Pack 02", "Icon Pack 15"}));
    EXPECT_EQ(packNumberOf("Icon Pack 07"), 7);
    EXPECT_EQ(packNumberOf("Icon Pack 15"), 15);

    const PackContents p15 = readIconPack(dir.path(), 15);
    ASSERT_EQ(p15.icons.size(), 11u);
    EXPECT_EQ(p15.icons[0].caption, "01");
    EXPECT_EQ(p15.icons[0].file, dir / "ip/ip15/ip15i01.ico");
    EXPECT_EQ(p15.icons[10].caption, "11");
    EXPECT_EQ(p15.icons[10].file, dir / "ip/ip15/ip15i11.ico");
    EXPECT_TRUE(readIconPack(dir.path(), 2).icons.empty());
}

TEST(IconPacks, MemberSetsCarryNameAndNumber) {
    TempDir dir;
    dir.write("Files/m_icons/1.cfg", "[general]\r\nname=Classic\r\nnr=3\r\n");
    dir.write("Files/m_icons/4.cfg", "[general]\r\nnr=7\r\n");
    const auto sets = listMemberIconSets(dir.path());
    ASSERT_EQ(sets.size(), 2u);
    EXPECT_EQ(sets[0].name, "Classic");
    EXPECT_EQ(sets[0].number, 3);
    EXPECT_EQ(sets[1].name, "UNKNOWN IP");
    EXPECT_EQ(memberIconFile(dir.path(), 3, 14), dir / "Files/m_icons/3/m14.ico");
}

} // namespace
} // namespace vardeo
