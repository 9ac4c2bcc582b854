#include "shared/codepage.h"

#include <gtest/gtest.h>

using namespace tarnic;

TEST(Codepage, EveryByteSurvivesARoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    for (Codepage cp : {Codepage::Windows1252, Codepage::Windows1251, Codepage::Cp437}) {
        const auto text = decode(cp, all);
        ASSERT_EQ(text.size(), 256u);
        const auto back = encode(cp, text);
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(*back, all);
        EXPECT_EQ(encodeFromUtf8(cp, decodeToUtf8(cp, all)), all);
    }
}

TEST(Codepage, KnownCharacters) {
    EXPECT_EQ(decode(Codepage::Windows1252, "\x80\xE4"), u"\u20AC\u00E4");
    EXPECT_EQ(decode(Codepage::Windows1251, "\xC4\xE0"), u"\u0414\u0430"); // "Да"
    EXPECT_EQ(decode(Codepage::Cp437, "\xB0\xDB\xC9"), u"\u2591\u2588\u2554");
    EXPECT_EQ(decodeToUtf8(Codepage::Windows1252, "M\xFCller"), "M\xC3\xBCller");
}

TEST(Codepage, TextTheCodePageCannotHoldIsRefused) {
    EXPECT_FALSE(encode(Codepage::Windows1252, u"\u0414").has_value());
    EXPECT_EQ(firstUnencodable(Codepage::Windows1252, u"ab\u0414c"), u'\u0414');
    EXPECT_FALSE(firstUnencodable(Codepage::Windows1251, u"\u0414\u0430"));
    EXPECT_FALSE(encodeFromUtf8(Codepage::Windows1252, "\xF0\x9F\x98\x80").has_value()); // emoji
    EXPECT_FALSE(encodeFromUtf8(Codepage::Windows1252, "\xC3").has_value());             // cut UTF-8
}
