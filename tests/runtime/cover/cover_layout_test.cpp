#include "runtime/cover/cover_layout.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace vistel::cover {
namespace {

using tarnic::test::TempDir;

const Primitive* find(const std::vector<Primitive>& page, const std::string& name) {
    for (const Primitive& p : page)
        if (p.name == name)
            return &p;
    return nullptr;
}

CoverContent sample() {
    CoverContent c;
    c.cdName = "download 5";
    c.cdNumber = "O192";
    c.cdDate = "02/1999";
    c.contentLines = {"*** Games ***", "Doom;Quake;", ""};
    return c;
}

TEST(CoverPage, EveryElementSitsWhereTheLayoutPutsIt) {
    struct Row {
        const char* name;
        double left, top, width, height; // from the detail band's corner
    };
    const Row rows[] = {
        {"QRShape1", 2.1, 4.2, 121.2, 120.7}, {"cds", 2.1, 4.2, 25.7, 10.1},
        {"cd", 2.9, 5.3, 24.9, 8.7},          {"QRImage1", 74.1, 6.3, 47.4, 15.1},
        {"cts", 2.4, 50.8, 99.7, 17.2},       {"ct", 2.9, 52.7, 118.0, 14.0},
        {"cnrs", 97.4, 112.7, 25.9, 12.2},    {"cnr", 97.4, 114.0, 25.7, 11.1},
        {"QRShape2", 2.1, 127.0, 151.1, 116.9}, {"QRShape3", 2.1, 127.0, 7.1, 116.9},
        {"QRShape4", 146.6, 127.0, 7.1, 116.9}, {"inrr", 2.1, 127.0, 7.1, 17.2},
        {"INNRR", 3.2, 128.3, 5.0, 14.3},     {"inrl", 146.6, 226.5, 7.1, 17.2},
        {"INNRL", 147.6, 228.1, 5.0, 14.3},   {"br", 3.2, 148.2, 5.0, 94.2},
        {"bl", 147.4, 129.1, 5.0, 94.2},      {"bheader", 10.6, 127.5, 133.6, 7.4},
        {"QRMemo1", 10.6, 134.4, 133.6, 108.2}, {"br1", 24.9, 230.5, 5.0, 4.8},
        {"cb", 2.4, 4.8, 120.7, 119.9},       {"cl", 4.2, 95.0, 27.8, 28.3},
    };
    CoverContent c = sample();
    c.background = "/pics/back.jpg";
    c.logo = "/pics/logo.bmp";
    const auto page = buildCoverPage(c, CoverStyles{}, [](const auto&) { return true; });
    EXPECT_EQ(page.size(), std::size(rows));
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const Primitive* p = find(page, r.name);
        ASSERT_NE(p, nullptr);
        EXPECT_NEAR(p->box.left, 10.0 + r.left, 1e-9);
        EXPECT_NEAR(p->box.top, 20.6 + r.top, 1e-9);
        EXPECT_NEAR(p->box.width, r.width, 1e-9);
        EXPECT_NEAR(p->box.height, r.height, 1e-9);
        EXPECT_LE(p->box.left + p->box.width, kPageWidth - kMargin);
        EXPECT_LE(p->box.top + p->box.height, kPageHeight - kMargin);
    }
}

TEST(CoverPage, TextsFontsAndTurnedSpines) {
    const auto page = buildCoverPage(sample(), CoverStyles{});
    struct Row {
        const char* name;
        const char* text;
        const char* face;
        int size;
        tarnic::Colour colour;
        int rotation;
        Align align;
    };
    const Row rows[] = {
        {"ct", "download 5", "Arial Black", 28, kWhite, 0, Align::Left},
        {"cnr", "O192", "Arial Black", 18, kWhite, 0, Align::Centre},
        {"cd", "02/1999", "Arial Black", 14, kWhite, 0, Align::Left},
        {"INNRR", "O192", "Arial", 10, kWhite, 90, Align::Right},
        {"INNRL", "O192", "Arial", 10, kWhite, -90, Align::Right},
        {"br", "download 5", "Arial", 10, kBlack, 90, Align::Left},
        {"bl", "download 5", "Arial", 10, kBlack, -90, Align::Left},
        {"bheader", "content", "Arial Black", 14, kNavy, 0, Align::Centre},
        {"QRMemo1", "*** Games ***\nDoom;Quake;\n", "Arial", 8, kBlack, 0, Align::Centre},
        {"br1", "D", "tarnic_sym", 12, kBlack, 0, Align::Left},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const Primitive* p = find(page, r.name);
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(p->kind, Primitive::Kind::Text);
        EXPECT_EQ(p->text, r.text);
        EXPECT_EQ(p->font.face, r.face);
        EXPECT_EQ(p->font.size, r.size);
        EXPECT_EQ(p->font.colour, r.colour);
        EXPECT_EQ(p->rotation, r.rotation);
        EXPECT_EQ(p->align, r.align);
    }
    EXPECT_EQ(find(page, "cts")->brush, kBlack);
    EXPECT_EQ(find(page, "cts")->pen, kNavy);
    EXPECT_EQ(find(page, "cnrs")->brush, kNavy);
    // Labels drawn on their boxes stay transparent; the back's labels are on white.
    EXPECT_FALSE(find(page, "ct")->background);
    EXPECT_EQ(find(page, "bheader")->background, kWhite);
}

TEST(CoverPage, PicturesOnlyWhenChosenAndPresent) {
    CoverContent c = sample();
    auto page = buildCoverPage(c, CoverStyles{});
    EXPECT_TRUE(find(page, "QRImage1") && find(page, "QRImage1")->productLogo);
    EXPECT_FALSE(find(page, "cb"));
    EXPECT_FALSE(find(page, "cl"));

    c.advertising = 1;
    c.background = "/gone/back.jpg"; // vanished after it was chosen
    TempDir tmp;
    c.logo = tmp.write("logo.bmp", "x");
    page = buildCoverPage(c, CoverStyles{});
    EXPECT_FALSE(find(page, "QRImage1"));
    EXPECT_FALSE(find(page, "cb"));
    ASSERT_TRUE(find(page, "cl"));
    EXPECT_FALSE(find(page, "cl")->stretch);

    c.contentLines.clear(); // the user emptied the list
    EXPECT_EQ(find(buildCoverPage(c, CoverStyles{}), "QRMemo1")->text, "");
}

TEST(CoverStyles, ChoosersActOnTheirElements) {
    CoverStyles st;
    for (int e : {4, 5}) {
        const ElementStyle s = st.get(e);
        EXPECT_FALSE(s.boxEnabled);
        EXPECT_EQ(s.box, kWhite);
        EXPECT_EQ(s.frame, kWhite);
    }
    EXPECT_EQ(st.get(0).box, kBlack);
    EXPECT_EQ(st.get(0).frame, kNavy);
    EXPECT_EQ(st.get(3).font.face, "Arial");

    ElementStyle nr = st.get(1);
    nr.font.size = 24;
    nr.font.colour = 0x0000FF;
    nr.font.face = "Courier";
    nr.box = 0x00FF00;
    st.apply(1, nr);
    EXPECT_EQ(st.font("cnr").size, 24);
    EXPECT_EQ(st.font("INNRR").size, 24); // both spine numbers follow the size
    EXPECT_EQ(st.font("INNRL").colour, 0x0000FFu);
    EXPECT_EQ(st.font("INNRL").face, "Arial");
    for (const char* s : {"cnrs", "inrr", "inrl"})
        EXPECT_EQ(st.brush(s), 0x00FF00u) << s;

    ElementStyle sides = st.get(3);
    sides.font.face = "Times";
    sides.frame = 0x123456;
    st.apply(3, sides);
    EXPECT_EQ(st.font("bl").face, "Times");
    EXPECT_EQ(st.font("INNRR").face, "Times");
    EXPECT_EQ(st.font("INNRR").colour, 0x0000FFu); // colour stays with the number
    EXPECT_EQ(st.pen("QRShape4"), 0x123456u);

    ElementStyle content = st.get(5);
    content.box = 0x111111; // ignored: text-only element
    content.font.size = 11;
    st.apply(5, content);
    EXPECT_EQ(st.font("QRMemo1").size, 11);
    EXPECT_EQ(st.brush("QRShape2"), kWhite);
}

TEST(ContentList, OneBlockPerCategory) {
    TempDir tmp;
    const auto genre = tmp.write("genre.cfg", "[general]\r\nanz_items=3\r\n[0]\r\ncaption=Games\r\n"
                                              "[1]\r\ncaption=Gr\xF6\xDF" "e\r\n");
    const auto members = tmp.write("members.cfg", "[0]\r\nanz_items=2\r\n[0-0]\r\ncaption=Doom\r\n"
                                                  "[2]\r\nanz_items=1\r\n");
    EXPECT_EQ(buildContentList(genre, members, tarnic::Codepage::Windows1252),
              (std::vector<std::string>{"*** Games ***", "Doom;Fehler;", "", "*** Gr\xC3\xB6\xC3\x9F" "e ***",
                                        "", "*** *** ***", "Fehler;", ""}));
    EXPECT_TRUE(buildContentList(tmp / "none.cfg", tmp / "none2.cfg", tarnic::Codepage::Windows1252).empty());
}

TEST(CoverTexts, DateAndTitle) {
    EXPECT_EQ(coverDate(2026, 12), "12/2026");
    EXPECT_EQ(coverDate(2027, 3), "3/2027");
    EXPECT_EQ(contentTitle("My CD"), "- content of My CD -");
}

} // namespace
} // namespace vistel::cover
