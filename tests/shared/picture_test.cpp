#include "shared/picture.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace tarnic;

namespace {

Image gradient(int w, int h) {
    Image img(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            auto* p = img.pixel(x, y);
            p[0] = static_cast<std::uint8_t>(x * 255 / (w - 1));
            p[1] = static_cast<std::uint8_t>(y * 255 / (h - 1));
            p[2] = 128;
        }
    return img;
}

} // namespace

TEST(Picture, JpegToBmpKeepsThePicture) {
    test::TempDir dir;
    const Image src = gradient(37, 21); // odd width: BMP rows need padding
    const auto jpg = dir.write("top.jpg", encodeJpeg(src, 95));
    ASSERT_TRUE(convertJpegToBmp(jpg, dir / "top.bmp").ok());
    auto bmp = decodeBmp(test::slurp(dir / "top.bmp"));
    auto back = readJpeg(jpg);
    ASSERT_TRUE(bmp.ok());
    ASSERT_TRUE(back.ok());
    ASSERT_EQ(bmp->width, 37);
    ASSERT_EQ(bmp->height, 21);
    EXPECT_EQ(bmp->rgba, back->rgba);                   // exactly the decoded JPEG
    EXPECT_NEAR(back->pixel(36, 20)[0], 255, 12);       // and close to the source
    EXPECT_NEAR(back->pixel(0, 20)[1], 255, 12);
    EXPECT_EQ(test::slurp(dir / "top.bmp").size(), 54u + (37u * 3u + 1u) * 21u);
}

TEST(Picture, DamagedInputIsAnErrorNamingTheFile) {
    test::TempDir dir;
    const std::string good = encodeJpeg(gradient(16, 16));
    const auto cut = dir.write("cut.jpg", good.substr(0, good.size() / 3));
    const auto junk = dir.write("junk.jpg", "not a picture at all");
    for (const auto& f : {cut, junk}) {
        const Status st = convertJpegToBmp(f, dir / "out.bmp");
        // A truncated JPEG may still decode (libjpeg pads it) but junk may not.
        if (f == junk) {
            ASSERT_FALSE(st.ok());
            EXPECT_EQ(st.error().file, junk);
            EXPECT_FALSE(std::filesystem::exists(dir / "out.bmp"));
        }
    }
    EXPECT_FALSE(decodeBmp("BM short").ok());
}

TEST(Picture, IconHasOneEntryPerImage) {
    const std::string ico = encodeIco({Image(16, 16, 0x80FF0000u), Image(32, 32)});
    ASSERT_GT(ico.size(), 6u + 32u);
    EXPECT_EQ(ico[2], 1); // type icon
    EXPECT_EQ(ico[4], 2); // two images
    EXPECT_EQ(static_cast<unsigned char>(ico[6]), 16);
    EXPECT_EQ(static_cast<unsigned char>(ico[22]), 32);
}
