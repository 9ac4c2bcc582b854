#include "runtime/menu/design.h"
#include "runtime/menu/menu_language.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace vistel {
namespace {

TEST(MenuLanguage, StyleChangesOnlyAsciiLetters) {
    const struct {
        int style;
        const char* in;
        const char* out;
    } cases[] = {{0, "Serial:", "serial:"}, {2, "Serial:", "SERIAL:"}, {1, "Serial:", "Serial:"},
                 {2, "Gr\xF6\xDF" "e", "GR\xF6\xDF" "E"}, {3, "Serial:", ""}, {-1, "x", ""}};
    for (const auto& c : cases)
        EXPECT_EQ(styleText(c.in, c.style), c.out) << c.style;
}

TEST(MenuLanguage, CharacterSetAndMissingKeys) {
    tarnic::test::TempDir dir;
    dir.write("ru.zent", "[Language]\r\nLanguage=2\r\n[Other]\r\n8=-\r\n");
    const MenuLanguage ru = MenuLanguage::load(dir / "ru.zent", 0);
    EXPECT_TRUE(ru.cyrillic());
    EXPECT_EQ(ru.codepage(), tarnic::Codepage::Windows1251);
    EXPECT_EQ(ru.text("Other", "8"), "-");
    EXPECT_EQ(ru.text("Other", "9"), "");
    for (const char* v : {"1", "3", ""}) {
        dir.write("x.zent", std::string("[Language]\r\nLanguage=") + v + "\r\n");
        EXPECT_FALSE(MenuLanguage::load(dir / "x.zent", 0).cyrillic()) << v;
    }
    EXPECT_FALSE(MenuLanguage::load(dir / "missing.zent", 0).cyrillic());
}

TEST(DesignFile, DefaultsAndKeys) {
    const auto d = readDesign(tarnic::IniFile(), "skin.cfg");
    ASSERT_TRUE(d.ok());
    EXPECT_FALSE(d->splash.enabled);
    EXPECT_EQ(d->splash.delayMs, 1000);
    EXPECT_EQ(d->splash.frameWidth, 1);
    EXPECT_EQ(d->boxc.font.face, "Arial");
    EXPECT_EQ(d->boxc.font.file, "Arial.ttf");
    EXPECT_EQ(d->boxc.font.size, 9);
    EXPECT_EQ(d->hint.font.size, 5);
    EXPECT_EQ(d->fontcdname.font.colour, 0xFFFFFF);
    EXPECT_EQ(d->fontSlots.size(), 15u);
    EXPECT_EQ(d->fontSlots.front().slot, "boxc");
    EXPECT_EQ(d->fontSlots.back().slot, "hint");
    for (bool on : d->soundEnabled)
        EXPECT_FALSE(on);

    const auto e = readDesign(
        tarnic::IniFile::fromBytes("[Boxes]\r\nboxc_fbold=1\r\nboxc_fitalic=0\r\nboxf_c=255\r\n"
                                   "boxs_c=$0000FF\r\n[Fonts]\r\nfontdetails_fgradientd=2\r\n"
                                   "fontfiles_fgradientd=0\r\nfontcdname_fshadoww=300\r\n"
                                   "[Sound]\r\nSound2alone=x.wav\r\n[Splash]\r\nenabled=1\r\nd=$10\r\n"
                                   "fc=clNavy\r\n[Language]\r\nStyle=2\r\n"),
        "skin.cfg");
    ASSERT_TRUE(e.ok());
    EXPECT_TRUE(e->boxc.font.bold);
    EXPECT_FALSE(e->boxc.font.italic);
    EXPECT_EQ(e->boxf.iconBackground, e->boxs.iconBackground);
    EXPECT_EQ(e->boxf.iconBackground, 0x0000FF);
    EXPECT_TRUE(e->fontdetails.gradientVertical);
    EXPECT_FALSE(e->fontfiles.gradientVertical);
    EXPECT_EQ(e->fontcdname.shadowIntensity, 44);
    EXPECT_TRUE(e->soundEnabled[1]);
    EXPECT_FALSE(e->soundEnabled[0]);
    EXPECT_TRUE(e->splash.enabled);
    EXPECT_EQ(e->splash.delayMs, 16);
    EXPECT_EQ(e->splash.frameColour, 0x800000);
    EXPECT_EQ(e->style, 2);
}

TEST(DesignFile, BadColourIsAnErrorNamingFileAndKey) {
    const auto d = readDesign(tarnic::IniFile::fromBytes("[Fonts]\r\nfontfiles_fc=clBlurple\r\n"),
                              "skin.cfg");
    ASSERT_FALSE(d.ok());
    EXPECT_NE(d.error().message().find("skin.cfg"), std::string::npos);
    EXPECT_NE(d.error().message().find("fontfiles_fc"), std::string::npos);
}

TEST(DesignFile, MainButtonsHaveTheirPlaces) {
    const auto& b = mainButtons();
    ASSERT_EQ(b.size(), 12u);
    EXPECT_STREQ(b[0].name, "ausf");
    EXPECT_EQ(b[5].left, 380);
    EXPECT_FALSE(b[6].hasDisabled);
}

} // namespace
} // namespace vistel
