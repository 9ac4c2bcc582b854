#include "designer/language/language_table.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <set>

using namespace vardeo;

namespace {

const std::filesystem::path kProgram = TARNIC_PROGRAM_FOLDER_PATH;

std::set<std::string> keysOf(const LanguageTable& t, const std::string& section) {
    const auto names = t.ini().keyNames(section);
    return {names.begin(), names.end()};
}

} // namespace

TEST(LanguageTable, MissingFileAndKeysGiveTheDefaults) {
    tarnic::test::TempDir dir;
    dir.write("Files/lang_1.dat", "[Texts]\r\nTYES=yes\r\n[Grid]\r\nG1=Name\r\n");
    const LanguageTable t = LanguageTable::load(dir.path(), 1);
    EXPECT_EQ(t.texts("TJP"), "Jump Point");
    EXPECT_EQ(t.texts("SNO"), "no");
    EXPECT_EQ(t.text("Grid", "G2"), "not used");
    EXPECT_EQ(t.message("M1"), "");
    EXPECT_EQ(t.fontSize("Main", 1), 0);
    EXPECT_EQ(t.helpFile(), "ZentHlp1.hlp");
    EXPECT_EQ(t.localWords().headers[0], "Name");
    // Language 2 has no file here, 7 is no language: both read as defaults.
    EXPECT_EQ(LanguageTable::load(dir.path(), 2).helpFile(), "ZentHlp2.hlp");
    EXPECT_EQ(LanguageTable::load(dir.path(), 7).texts("TYES"), "yes");
    EXPECT_EQ(designerCodepage(3), tarnic::Codepage::Windows1251);
    EXPECT_EQ(designerCodepage(2), tarnic::Codepage::Windows1252);
}

// The shipped files: every key the designer reads, in all five languages,
// 8-bit text with CR LF line ends, yes/no words the normaliser knows.
TEST(LanguageTable, ShippedFilesAreComplete) {
    const LanguageTable english = LanguageTable::load(kProgram, 1);
    std::set<std::string> required;
    for (int i = 1; i <= 74; ++i)
        required.insert("M" + std::to_string(i));
    required.insert("M39_2");
    for (const auto& key : required)
        EXPECT_FALSE(english.message(key).empty()) << key;
    for (int i = 1; i <= 72; ++i)
        if (i != 62) {
            EXPECT_TRUE(english.ini().hasKey("Texts", "T" + std::to_string(i))) << i;
        }
    for (int i = 1; i <= 66; ++i)
        EXPECT_FALSE(english.caption("Main", i).empty()) << "Main E" << i;
    for (int n = 2; n <= 5; ++n) {
        const LanguageTable other = LanguageTable::load(kProgram, n);
        for (const auto& section : english.ini().sectionNames())
            EXPECT_EQ(keysOf(other, section), keysOf(english, section)) << "language " << n << " [" << section << "]";
        const LocalWords w = other.localWords();
        std::vector<ProjectItem> items(1);
        items[0][Field::Copy] = "yes";
        items[0][Field::Execute] = w.no;
        normaliseYesNo(items, w);
        EXPECT_EQ(items[0][Field::Copy], w.yes) << n;
        EXPECT_EQ(items[0][Field::Execute], w.no) << n;
    }
    const auto russian = LanguageTable::load(kProgram, 3);
    EXPECT_EQ(russian.texts("TYES"), "\xE4\xE0");
    const std::string bytes = tarnic::test::slurp(kProgram / "Files" / "lang_3.dat");
    for (std::size_t i = 0; i < bytes.size(); ++i)
        if (bytes[i] == '\n') {
            ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "bare LF at " << i;
        }
    EXPECT_EQ(bytes.find("\xD0\x9D"), std::string::npos); // no UTF-8 left over
}
