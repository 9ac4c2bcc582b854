#include "shared/colour.h"

#include <gtest/gtest.h>

using namespace tarnic;

TEST(Colour, ParseNamesAndNumbers) {
    struct Case {
        const char* text;
        Colour expected;
    };
    const Case cases[] = {
        {"clBlack", 0},           {"clred", 0x0000FF},     {"clBlue", 0xFF0000},
        {"255", 0x0000FF},        {"$0000FF", 0x0000FF},   {"$0053D2FF", 0x0053D2FF},
        {"clWindowText", static_cast<Colour>(0x80000008u)}, {"clNone", kColourNone},
        {" clWhite ", 0xFFFFFF},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseColour(c.text), c.expected) << c.text;
    EXPECT_FALSE(parseColour("reddish"));
    EXPECT_EQ(readColour("reddish", 7), 7);
}

TEST(Colour, TextRoundTripAndRgb) {
    EXPECT_EQ(colourToText(0xC0C0C0), "clSilver");
    EXPECT_EQ(colourToText(0x0053D2FF), "$0053D2FF");
    EXPECT_EQ(colourToText(static_cast<Colour>(0x8000000Fu)), "clBtnFace");
    for (Colour c : {0, 0x123456, 0xFFFFFF, static_cast<Colour>(0x80000012u)})
        EXPECT_EQ(parseColour(colourToText(c)), c);
    EXPECT_EQ(colourToRgb(0x0053D2FF), (Rgb{0xFF, 0xD2, 0x53}));
    EXPECT_EQ(colourToRgb(static_cast<Colour>(0x80000005u)), (Rgb{0xFF, 0xFF, 0xFF})); // clWindow
    EXPECT_EQ(rgbToColour(Rgb{1, 2, 3}), 0x030201);
}
