#include "shared/ini_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <functional>

using tarnic::IniFile;

namespace {

struct ReadCase {
    const char* name;
    const char* file;
    const char* section;
    const char* key;
    const char* expected; // nullptr: missing (default returned)
};

const ReadCase kReadCases[] = {
    {"plain", "[a]\r\nk=v\r\n", "a", "k", "v"},
    {"trim around equals", "[a]\r\n  k  =  v w \r\n", "a", "k", "v w"},
    {"tabs and controls trimmed", "[a]\r\n\tk\t=\tv\x01\r\n", "a", "k", "v"},
    {"double quotes stripped", "[a]\r\nk=\"  v \"\r\n", "a", "k", "  v "},
    {"single quotes stripped", "[a]\r\nk='v'\r\n", "a", "k", "v"},
    {"unmatched quote kept", "[a]\r\nk=\"v\r\n", "a", "k", "\"v"},
    {"comment line ignored", "[a]\r\n;k=v\r\n", "a", "k", nullptr},
    {"section case ignored", "[General]\r\nK=v\r\n", "gENERAL", "k", "v"},
    {"spaces inside brackets", "[ name ]\r\nk=v\r\n", "name", "k", "v"},
    {"first section wins", "[a]\r\nx=1\r\n[A]\r\nk=2\r\n", "a", "k", nullptr},
    {"first key wins", "[a]\r\nk=1\r\nK=2\r\n", "a", "k", "1"},
    {"LF line ends", "[a]\nk=v\n", "a", "k", "v"},
    {"CR line ends", "[a]\rk=v\r", "a", "k", "v"},
    {"no final line end", "[a]\r\nk=v", "a", "k", "v"},
    {"empty value", "[a]\r\nk=\r\n", "a", "k", ""},
    {"equals inside value", "[a]\r\nk=x=y\r\n", "a", "k", "x=y"},
    {"line without equals is no key", "[a]\r\nk\r\n", "a", "k", nullptr},
    {"key before any section", "k=v\r\n[a]\r\n", "a", "k", nullptr},
    {"missing section", "[a]\r\nk=v\r\n", "b", "k", nullptr},
    {"8-bit bytes kept", "[a]\r\nk=M\xFC\x6Cler\r\n", "a", "k", "M\xFC\x6Cler"},
};

TEST(IniFileRead, GoldenCases) {
    for (const auto& c : kReadCases) {
        SCOPED_TRACE(c.name);
        const IniFile ini = IniFile::fromBytes(c.file);
        const std::string got = ini.readString(c.section, c.key, "<default>");
        EXPECT_EQ(got, c.expected ? c.expected : "<default>");
    }
}

TEST(IniFileRead, IntegersAndBooleans) {
    struct Case {
        const char* value;
        std::int32_t expected;
    };
    const Case cases[] = {
        {"42", 42},      {" -7 ", -7},     {"+3", 3},          {"$FF", 255},
        {"0x10", 16},    {"$80000005", static_cast<std::int32_t>(0x80000005u)},
        {"12abc", -1},   {"", -1},         {"abc", -1},        {"1.5", -1},
        {"99999999999", -1}, {"-", -1},    {"$", -1},          {"2147483647", 2147483647},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        const IniFile ini = IniFile::fromBytes(std::string("[s]\r\nk=") + c.value + "\r\n");
        EXPECT_EQ(ini.readInt("s", "k", -1), c.expected);
    }
    const IniFile ini = IniFile::fromBytes("[s]\r\na=0\r\nb=1\r\nc=5\r\nd=x\r\n");
    EXPECT_FALSE(ini.readBool("s", "a", true));
    EXPECT_TRUE(ini.readBool("s", "b", false));
    EXPECT_TRUE(ini.readBool("s", "c", false));
    EXPECT_TRUE(ini.readBool("s", "d", true));
    EXPECT_FALSE(ini.readBool("s", "missing", false));
}

struct WriteCase {
    const char* name;
    const char* before;
    std::function<void(IniFile&)> calls;
    const char* after;
};

TEST(IniFileWrite, GoldenCases) {
    const WriteCase cases[] = {
        {"new file", "", [](IniFile& i) { i.writeString("a", "k", "v"); }, "[a]\r\nk=v\r\n"},
        {"changed key keeps its line", "[a]\r\nx=1\r\nk=old\r\ny=2\r\n",
         [](IniFile& i) { i.writeString("A", "K", "new"); }, "[a]\r\nx=1\r\nk=new\r\ny=2\r\n"},
        {"new key at end of section before blank lines", "[a]\r\nx=1\r\n\r\n[b]\r\ny=2\r\n",
         [](IniFile& i) { i.writeString("a", "k", "v"); }, "[a]\r\nx=1\r\nk=v\r\n\r\n[b]\r\ny=2\r\n"},
        {"new section at end without blank line", "[a]\r\nx=1\r\n",
         [](IniFile& i) { i.writeString("b", "k", "v"); }, "[a]\r\nx=1\r\n[b]\r\nk=v\r\n"},
        {"last line without line end", "[a]\r\nx=1",
         [](IniFile& i) { i.writeString("a", "k", "v"); }, "[a]\r\nx=1\r\nk=v\r\n"},
        {"new section after unterminated line", "[a]\r\nx=1",
         [](IniFile& i) { i.writeString("b", "k", "v"); }, "[a]\r\nx=1\r\n[b]\r\nk=v\r\n"},
        {"LF file keeps its other lines", "[a]\nx=1\n",
         [](IniFile& i) { i.writeString("a", "k", "v"); }, "[a]\nx=1\nk=v\r\n"},
        {"comments and odd lines kept", "; head\r\n[a]\r\n; c\r\ngarbage\r\n",
         [](IniFile& i) { i.writeInt("a", "n", -5); }, "; head\r\n[a]\r\n; c\r\ngarbage\r\nn=-5\r\n"},
        {"writes go to the first of duplicate sections", "[a]\r\nx=1\r\n[a]\r\nk=2\r\n",
         [](IniFile& i) { i.writeString("a", "k", "3"); }, "[a]\r\nx=1\r\nk=3\r\n[a]\r\nk=2\r\n"},
        {"booleans as integers", "", [](IniFile& i) { i.writeBool("s", "on", true); i.writeBool("s", "off", false); },
         "[s]\r\non=1\r\noff=0\r\n"},
        {"line breaks in a value cannot split the file", "",
         [](IniFile& i) { i.writeString("s", "k", "a\r\nb"); }, "[s]\r\nk=a  b\r\n"},
        {"unchanged value keeps spacing", "[a]\r\nk = v\r\n",
         [](IniFile& i) { i.writeString("a", "k", "v"); }, "[a]\r\nk = v\r\n"},
        {"erase key", "[a]\r\nx=1\r\nk=2\r\n", [](IniFile& i) { i.eraseKey("a", "x"); }, "[a]\r\nk=2\r\n"},
        {"erase section", "[a]\r\nx=1\r\n[b]\r\nk=2\r\n", [](IniFile& i) { i.eraseSection("a"); }, "[b]\r\nk=2\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        IniFile ini = IniFile::fromBytes(c.before);
        c.calls(ini);
        EXPECT_EQ(ini.bytes(), c.after);
    }
}

TEST(IniFileWrite, ManyKeysThenReadBack) {
    IniFile ini;
    for (int s = 0; s < 300; ++s)
        for (int k = 0; k < 5; ++k)
            ini.writeInt(std::to_string(s), "k" + std::to_string(k), s * 10 + k);
    ini.writeInt("7", "k2", -1); // rewrite in the middle
    const IniFile back = IniFile::fromBytes(ini.bytes());
    EXPECT_EQ(back.readInt("7", "k2", 0), -1);
    EXPECT_EQ(back.readInt("299", "k4", 0), 2994);
    EXPECT_EQ(back.sectionNames().size(), 300u);
    EXPECT_EQ(back.keyNames("5"), (std::vector<std::string>{"k0", "k1", "k2", "k3", "k4"}));
}

TEST(IniFileRoundTrip, UnchangedFileKeepsItsBytes) {
    const std::string weird = "\xEF\xBB\xBF; bom\r\n[a]\n k = \"v\" \r\r\n\n[b]\rx=1\r\n;end";
    EXPECT_EQ(IniFile::fromBytes(weird).bytes(), weird);
    tarnic::test::TempDir dir;
    const auto p = dir.write("x.ini", weird);
    auto ini = IniFile::load(p);
    ASSERT_TRUE(ini.ok());
    ASSERT_TRUE(ini->save(p).ok());
    EXPECT_EQ(tarnic::test::slurp(p), weird);
}

TEST(IniFileLoad, MissingFileIsEmptyAndFolderIsAnError) {
    tarnic::test::TempDir dir;
    auto missing = IniFile::load(dir / "none.ini");
    ASSERT_TRUE(missing.ok());
    EXPECT_EQ(missing->readString("a", "b", "d"), "d");
    auto folder = IniFile::load(dir.path());
    ASSERT_FALSE(folder.ok());
    EXPECT_EQ(folder.error().file, dir.path());
}

} // namespace
