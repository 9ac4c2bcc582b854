#include "runtime/menu/ani_cursor.h"
#include "runtime/menu/rtf_reader.h"
#include "runtime/menu/scratch_folder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>

namespace vistel {
namespace {

std::string le32(std::uint32_t v) {
    std::string s(4, '\0');
    for (int i = 0; i < 4; ++i)
        s[static_cast<std::size_t>(i)] = static_cast<char>((v >> (8 * i)) & 0xFF);
    return s;
}

std::string chunk(const std::string& id, const std::string& data) {
    std::string c = id + le32(static_cast<std::uint32_t>(data.size())) + data;
    if (data.size() % 2)
        c.push_back('\0');
    return c;
}

std::string ani(std::uint32_t steps, std::uint32_t rate, const std::vector<std::uint32_t>& seq,
                const std::vector<std::string>& frames) {
    std::string header = le32(36) + le32(static_cast<std::uint32_t>(frames.size())) + le32(steps) +
                         le32(32) + le32(32) + le32(32) + le32(1) + le32(rate) + le32(1);
    std::string body = "ACON" + chunk("anih", header);
    if (!seq.empty()) {
        std::string s;
        for (auto v : seq)
            s += le32(v);
        body += chunk("seq ", s);
    }
    std::string fram = "fram";
    for (const auto& f : frames)
        fram += chunk("icon", f);
    body += chunk("LIST", fram);
    return "RIFF" + le32(static_cast<std::uint32_t>(body.size())) + body;
}

TEST(AniCursor, FramesStepsAndRates) {
    const auto a = parseAni(ani(3, 6, {1, 0, 1}, {"frame0", "frame1x"}));
    ASSERT_TRUE(a.ok()) << a.error().message();
    ASSERT_EQ(a->frames.size(), 2u);
    EXPECT_EQ(a->frames[1], "frame1x"); // odd size: padding skipped correctly
    ASSERT_EQ(a->steps.size(), 3u);
    EXPECT_EQ(a->steps[0].frame, 1u);
    EXPECT_EQ(a->steps[0].durationMs, 100);

    const auto zeroRate = parseAni(ani(0, 0, {}, {"a"}));
    ASSERT_TRUE(zeroRate.ok());
    EXPECT_EQ(zeroRate->steps.size(), 1u);
    EXPECT_GT(zeroRate->steps[0].durationMs, 0);
}

TEST(AniCursor, DamagedFilesAreErrorsNotCrashes) {
    const std::string good = ani(2, 6, {0, 5}, {"a", "b"});
    const std::vector<std::pair<const char*, std::string>> cases = {
        {"empty", ""},
        {"not riff", "RIFX" + good.substr(4)},
        {"truncated", good.substr(0, good.size() - 5)},
        {"no frames", ani(1, 1, {}, {})},
        {"header only", "RIFF" + le32(4) + "ACON"},
        {"huge chunk", "RIFF" + le32(16) + "ACON" + "anih" + le32(0xFFFFFFF0u)},
    };
    for (const auto& [name, bytes] : cases)
        EXPECT_FALSE(parseAni(bytes, "x.ani").ok()) << name;
    // An out-of-range sequence entry is wrapped, not used as an index.
    const auto wrapped = parseAni(good);
    ASSERT_TRUE(wrapped.ok());
    EXPECT_LT(wrapped->steps[1].frame, 2u);
    // Every prefix of a good file parses or fails cleanly.
    for (std::size_t n = 0; n < good.size(); ++n)
        (void)parseAni(good.substr(0, n));
}

TEST(RtfReader, CommonControlWords) {
    EXPECT_TRUE(looksLikeRtf("{\\rtf1\\ansi x}"));
    EXPECT_FALSE(looksLikeRtf("plain"));
    const std::string html = rtfToHtml(
        "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Arial;}}{\\colortbl ;\\red255\\green0\\blue0;}"
        "{\\*\\generator Riched20;}\\pard Hello \\b bold\\b0  and \\i it\\i0\\par "
        "\\cf1 red\\cf0 \\'e9\\u8364?<x>\\tab end}");
    EXPECT_EQ(html.find("Arial"), std::string::npos);
    EXPECT_EQ(html.find("Riched"), std::string::npos);
    EXPECT_NE(html.find("Hello "), std::string::npos);
    EXPECT_NE(html.find("font-weight:bold;\">bold"), std::string::npos);
    EXPECT_NE(html.find("font-style:italic;\">it"), std::string::npos);
    EXPECT_NE(html.find("<br>"), std::string::npos);
    EXPECT_NE(html.find("color:#ff0000;\">red"), std::string::npos);
    EXPECT_NE(html.find("\xC3\xA9\xE2\x82\xAC&lt;x&gt;"), std::string::npos); // é € <x>
    EXPECT_EQ(html.find('?'), std::string::npos); // the \u fallback character is skipped
}

TEST(RtfReader, CyrillicCodePageAndDamagedInput) {
    const std::string html = rtfToHtml("{\\rtf1\\ansi\\ansicpg1251 \\'c0}");
    EXPECT_NE(html.find("\xD0\x90"), std::string::npos); // А
    for (const char* bad : {"{\\rtf1", "{\\rtf1 }}}}}", "{\\rtf1 \\'", "{\\rtf1 \\'zz \\u",
                            "{\\rtf1 \\bin999999 x}", "\\", "{{{{{{{{{{{{{{{{{"})
        EXPECT_NE(rtfToHtml(bad).find("<html>"), std::string::npos) << bad;
    EXPECT_NE(rtfToHtml(std::string(100000, '{')).find("<html>"), std::string::npos);
}

TEST(ScratchFolder, PrivateAndRemoved) {
    std::filesystem::path p;
    {
        ScratchFolder s;
        auto r = s.path();
        ASSERT_TRUE(r.ok());
        p = *r;
        std::ofstream(p / "info.nfo") << "x";
        EXPECT_EQ(std::filesystem::status(p).permissions() & std::filesystem::perms::others_all,
                  std::filesystem::perms::none);
        EXPECT_EQ(*s.path(), p);
    }
    EXPECT_FALSE(std::filesystem::exists(p));
}

} // namespace
} // namespace vistel

#include "runtime/menu/window_rules.h"

namespace vistel {
namespace {

TEST(WindowRules, DraggingSnapsAndStaysWithinLimits) {
    const Rect screen{0, 0, 1024, 768};
    const int maxLeft = 1024 - kFormWidth, maxTop = 768 - kFormHeight;
    const struct {
        Point wanted, expected;
    } cases[] = {{{100, 100}, {100, 100}}, {{15, 19}, {0, 0}},     {{-50, -5}, {0, 0}},
                 {{370, 310}, {389, 323}}, {{900, 900}, {389, 323}}, {{21, 200}, {21, 200}}};
    for (const auto& c : cases)
        EXPECT_EQ(dragTo(c.wanted, screen, kFormWidth, kFormHeight, maxLeft, maxTop), c.expected)
            << c.wanted.x << "," << c.wanted.y;
}

TEST(WindowRules, InfoViewerAndThumbnailPlaces) {
    EXPECT_EQ(infoViewerSize(true, 10).window, 200);
    EXPECT_EQ(infoViewerSize(true, 41).window, 450);
    EXPECT_EQ(infoViewerSize(false, 30).window, 450);
    EXPECT_EQ(infoViewerSize(false, 25).view, 500);
    EXPECT_EQ(infoViewerTop(300, 450), 0);
    EXPECT_EQ(freeThumbnailPlace({10, 20}, 640), (Point{504, 24}));
    EXPECT_EQ(freeThumbnailPlace({10, 20}, 1024), (Point{645, 20}));
}

TEST(AniCursor, CursorHotSpot) {
    std::string cur("\0\0\2\0\1\0", 6);
    cur += std::string("\x20\x20\0\0\x05\0\x07\0", 8) + std::string(8, '\0');
    const auto h = cursorHotSpot(cur);
    ASSERT_TRUE(h);
    EXPECT_EQ(h->x, 5);
    EXPECT_EQ(h->y, 7);
    EXPECT_FALSE(cursorHotSpot(cur.substr(0, 10)));
    cur[2] = 1; // an icon
    EXPECT_FALSE(cursorHotSpot(cur));
}

} // namespace
} // namespace vistel
