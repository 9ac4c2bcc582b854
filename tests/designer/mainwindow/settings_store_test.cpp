#include "designer/project/settings_store.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using namespace vardeo;

namespace {

std::string section(std::string_view lines) { return "[settings]\r\n" + std::string(lines); }

} // namespace

TEST(SettingsStore, EmptyFileReadsAsDefaults) {
    EXPECT_EQ(readSettings(tarnic::IniFile::fromBytes("")), DesignerSettings{});
    // Every key's default text reads back as the struct's default.
    tarnic::IniFile ini;
    for (const SettingKey& key : settingKeys())
        ini.writeString(kSettingsSection, key.key, key.defaultText);
    EXPECT_EQ(readSettings(ini), DesignerSettings{});
}

TEST(SettingsStore, OnlyShowWelcomeFalse) {
    DesignerSettings expected;
    expected.showWelcome = false;
    EXPECT_EQ(readSettings(tarnic::IniFile::fromBytes(section("show_welcome=FALSE\r\n"))), expected);
}

TEST(SettingsStore, RoundTripOfEveryKey) {
    DesignerSettings s;
    s.onTop = true;
    s.lastProject = "/home/u/projects/games.mof";
    s.language = 3;
    s.showWelcome = false;
    s.showAddTip = false;
    s.showBackground = false;
    s.gridMode = 2;
    s.color1 = 0x123456;
    s.color2 = 0x00FF00;
    s.bandToolbar = {3, 1, 5, 2, 4};
    s.bandBreak = {false, true, false, true, true};
    s.bandWidth = {100, 200, 300, 400, 500};
    s.toolbarVisible = {true, false, true, false, true};
    s.captionsChecked = false;
    s.captions = 0;
    s.pictureSizeEnabled = true;
    s.smallChecked = true;
    s.largeChecked = false;
    s.pictureSize = 0;
    s.buttonLayout = 2;
    s.cdSizeBar = 1;
    s.memberIconList = true;
    s.memberIconSmall = false;
    s.htmlBuild = true;
    for (std::size_t n = 1; n < kGridColumns; ++n)
        s.columnWidth[n] = static_cast<int>(n) * 7;
    std::reverse(s.columnFields.begin(), s.columnFields.end());
    s.width = 1024;
    s.height = 700;

    tarnic::IniFile ini;
    writeSettings(ini, s);
    EXPECT_EQ(readSettings(tarnic::IniFile::fromBytes(ini.bytes())), s);

    // Written forms: words, "wheigth", colour names.
    const std::string bytes = ini.bytes();
    for (const char* line : {"ontop=true\r\n", "show_welcome=FALSE\r\n", "wheigth=700\r\n",
                             "buildstyle=html\r\n", "Color2=clLime\r\n", "celld_1=Parameter\r\n",
                             "state_grid_3=visible\r\n", "wstate=wsNormal\r\n", "band1=1\r\n"})
        EXPECT_NE(bytes.find(line), std::string::npos) << line;
    EXPECT_EQ(bytes.find("grid_0="), std::string::npos);
}

TEST(SettingsStore, WriteOrderFollowsTheTable) {
    tarnic::IniFile ini;
    writeSettings(ini, DesignerSettings{});
    const std::string bytes = ini.bytes();
    std::size_t last = 0;
    for (const char* key : {"ontop=", "language=", "show_back=", "state_grid_1=", "grid_1=",
                            "state_grid_2=", "celld_1=", "celld_16=", "grid_mode=", "wstate=",
                            "wwidth=", "wheigth=", "Color1=", "band0c=", "band0=", "band0w=",
                            "tb1_v=", "symboltitle_0=", "symbolheight=", "buildstyle="}) {
        const std::size_t at = bytes.find(std::string("\n") + key);
        ASSERT_NE(at, std::string::npos) << key;
        EXPECT_GT(at, last) << key;
        last = at;
    }
    EXPECT_EQ(bytes.find("last_proj="), std::string::npos); // no project: not written
}

TEST(SettingsStore, ConditionalKeysKeepTheirOldValues) {
    tarnic::IniFile ini = tarnic::IniFile::fromBytes(section("grid_4=77\r\nwwidth=800\r\nwheigth=600\r\n"));
    DesignerSettings s;
    s.columnHidden[4] = true;
    s.maximised = true;
    s.width = 1;
    s.height = 2;
    writeSettings(ini, s);
    const DesignerSettings back = readSettings(ini);
    EXPECT_TRUE(back.maximised);
    EXPECT_TRUE(back.columnHidden[4]);
    EXPECT_EQ(back.columnWidth[4], 77);
    EXPECT_EQ(back.width, 800);
    EXPECT_EQ(back.height, 600);
}

TEST(SettingsStore, DamagedValuesFallBack) {
    struct Case {
        const char* lines;
        std::function<bool(const DesignerSettings&)> check;
    } cases[] = {
        {"grid_mode=3\r\n", [](const auto& s) { return s.gridMode == 0; }},
        {"grid_mode=abc\r\n", [](const auto& s) { return s.gridMode == 0; }},
        {"show_ft=yes\r\n", [](const auto& s) { return !s.showAddTip; }},
        {"Color1=notacolour\r\n", [](const auto& s) { return s.color1 == 0xC0C0C0; }},
        {"Color1=$000000FF\r\n", [](const auto& s) { return s.color1 == 0xFF; }},
        {"tb2_v=0\r\n", [](const auto& s) { return !s.toolbarVisible[1]; }},
        {"band0c=2\r\n", [](const auto& s) { return s.bandToolbar == std::array<int, 5>{1, 2, 3, 4, 5}; }},
        {"celld_1=Nonsense\r\n",
         [](const auto& s) { return s.columnFields == DesignerSettings::defaultColumnFields(); }},
        {"celld_1=File Name\r\ncelld_2=name\r\n",
         [](const auto& s) { return s.columnFields[0] == "File Name" && s.columnFields[1] == "Name"; }},
        {"grid_5= 120 \r\n", [](const auto& s) { return s.columnWidth[5] == 120; }},
        {"state_grid_9=hidden\r\n", [](const auto& s) { return s.columnHidden[9]; }},
        {"wstate=wsMinimized\r\n", [](const auto& s) { return !s.maximised; }},
    };
    for (const Case& c : cases)
        EXPECT_TRUE(c.check(readSettings(tarnic::IniFile::fromBytes(section(c.lines))))) << c.lines;
}

TEST(SettingsStore, SaveKeepsForeignLines) {
    tarnic::test::TempDir dir;
    const auto file = dir.write("vardeo.dat", "; shipped\r\n[settings]\r\ncustom=1\r\nlanguage=2\r\n");
    auto loaded = loadSettings(file);
    ASSERT_TRUE(loaded.ok());
    EXPECT_EQ(loaded->language, 2);
    loaded->language = 4;
    ASSERT_TRUE(saveSettings(file, *loaded).ok());
    const std::string bytes = tarnic::test::slurp(file);
    EXPECT_EQ(bytes.rfind("; shipped\r\n[settings]\r\ncustom=1\r\nlanguage=4\r\n", 0), 0u);
    EXPECT_EQ(loadSettings(dir / "missing.dat")->language, 1);
}
