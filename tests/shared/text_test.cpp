#include "shared/text.h"

#include <gtest/gtest.h>

using namespace tarnic;

TEST(Text, ItemKeyReplacesTheNineCharacters) {
    EXPECT_EQ(itemKey("a/b:c"), "a_b_c");
    EXPECT_EQ(itemKey("\"*/:<>?\\|"), "_________");
    EXPECT_EQ(itemKey("Plain name. (v2)"), "Plain name. (v2)");
    EXPECT_EQ(itemKey("\xE4\xF6\xFC"), "\xE4\xF6\xFC"); // 8-bit letters untouched
}

TEST(Text, StripDotsAndCase) {
    EXPECT_EQ(stripDots("..Ver. 2.0"), "Ver 20");
    EXPECT_EQ(asciiLower("ABC\xC4"), "abc\xC4"); // ASCII only
    EXPECT_TRUE(iequals("Jump Point", "jUMP pOINT"));
    EXPECT_FALSE(iequals("\xC4", "\xE4"));
    EXPECT_TRUE(iendsWith("\\x\\Jump Point", "jump point"));
    EXPECT_LT(icompare("apple", "Banana"), 0);
    EXPECT_EQ(icompare("ABC", "abc"), 0);
}

TEST(Text, EmptyValueRule) {
    for (const char* s : {"", " ", "n/a", "N/A", "n/v", "N/v"})
        EXPECT_TRUE(isEmptyValue(s)) << s;
    for (const char* s : {"  ", "na", "n/a ", "0"})
        EXPECT_FALSE(isEmptyValue(s)) << s;
}

TEST(Text, TrimAndSplit) {
    EXPECT_EQ(trim("\t a b \r\n"), "a b");
    EXPECT_EQ(split("a,,b", ','), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(replaceAll("a--b--", "--", "+"), "a+b+");
    EXPECT_EQ(parseDecimal("0012"), 12);
    EXPECT_FALSE(parseDecimal("-1"));
    EXPECT_FALSE(parseDecimal(""));
}
