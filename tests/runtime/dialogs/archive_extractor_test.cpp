#include "runtime/menu/archive_extractor.h"

#include "archive_fixtures.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <set>

namespace vistel {
namespace {

using tarnic::test::slurp;
using tarnic::test::TempDir;
using test::FixtureEntry;
using Kind = FixtureEntry::Kind;
namespace fs = std::filesystem;

std::set<std::string> skippedNames(const ExtractReport& r) {
    std::set<std::string> out;
    for (const SkippedEntry& s : r.skipped)
        out.insert(s.name);
    return out;
}

std::set<std::string> listTree(const fs::path& root) {
    std::set<std::string> out;
    for (const auto& e : fs::recursive_directory_iterator(root))
        out.insert(e.path().lexically_relative(root).generic_string());
    return out;
}

TEST(EntryNameCheck, RefusesEverythingThatLeavesTheFolder) {
    struct Case {
        const char* name;
        bool ok;
        const char* relative;
    };
    const Case cases[] = {
        {"a.txt", true, "a.txt"},
        {"dir/sub/b.txt", true, "dir/sub/b.txt"},
        {"dir\\win\\c.txt", true, "dir/win/c.txt"}, // Windows archivers store '\'
        {"./x//y/./z", true, "x/y/z"},
        {"dir/", true, "dir"},
        {"a..b/c...", true, "a..b/c..."},
        {"", false, ""},
        {"../x", false, ""},
        {"a/../../x", false, ""},
        {"a/..", false, ""},
        {"..\\x", false, ""},
        {"/abs", false, ""},
        {"\\abs", false, ""},
        {"//server/share", false, ""},
        {"C:evil", false, ""},
        {"c:\\windows\\x", false, ""},
        {".", false, ""},
        {"./", false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const EntryName r = checkEntryName(c.name);
        EXPECT_EQ(r.ok, c.ok);
        EXPECT_EQ(r.relative, c.relative);
        EXPECT_EQ(r.reason.empty(), c.ok);
    }
    EXPECT_FALSE(checkEntryName(std::string_view("a\0b", 3)).ok);
}

TEST(EntryNameCheck, LinkTargets) {
    struct Case {
        const char* entry;
        const char* target;
        bool inside;
    };
    const Case cases[] = {
        {"link", "file", true},          {"link", "dir/file", true},
        {"d/link", "../file", true},     {"d/e/link", "../../file", true},
        {"link", "../file", false},      {"d/link", "../../file", false},
        {"link", "/etc/passwd", false},  {"link", "", false},
        {"link", "a/../../x", false},    {"d/link", "x/../../y", true},
        {"link", "C:\\x", false},        {"d/link", "..\\..\\x", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.entry) + " -> " + c.target);
        EXPECT_EQ(symlinkStaysInside(c.entry, c.target), c.inside);
    }
    EXPECT_TRUE(hardLinkStaysInside("dir/file"));
    EXPECT_FALSE(hardLinkStaysInside("../outside"));
    EXPECT_FALSE(hardLinkStaysInside("/etc/passwd"));
}

class Extract : public ::testing::Test {
protected:
    TempDir tmp;
    fs::path target() {
        const fs::path t = tmp / "out/target";
        fs::create_directories(t);
        return t;
    }
};

TEST_F(Extract, ZipKeepsFoldersOverwritesAndStepsPerEntry) {
    const fs::path zip = tmp / "setup.zip";
    test::writeArchive(zip, {{"readme.txt", "hello"},
                             {"docs/", "", Kind::Dir},
                             {"docs/manual.txt", "manual"},
                             {"deep/a/b/c.txt", "deep"}});
    const fs::path t = target();
    std::ofstream(t / "readme.txt") << "old contents that are longer";

    auto count = countEntries(zip, ArchiveFormat::Zip);
    ASSERT_TRUE(count.ok()) << count.error().message();
    EXPECT_EQ(*count, 4);

    std::vector<std::string> steps;
    const ExtractReport r = extractAll(zip, ArchiveFormat::Zip, t, [&](std::string_view n) {
        steps.emplace_back(n);
    });
    EXPECT_FALSE(r.error) << r.error->message();
    EXPECT_TRUE(r.skipped.empty());
    EXPECT_EQ(r.written, 4);
    EXPECT_EQ(steps, (std::vector<std::string>{"readme.txt", "docs/", "docs/manual.txt", "deep/a/b/c.txt"}));
    EXPECT_EQ(slurp(t / "readme.txt"), "hello");
    EXPECT_EQ(slurp(t / "docs/manual.txt"), "manual");
    EXPECT_EQ(slurp(t / "deep/a/b/c.txt"), "deep");
}

TEST_F(Extract, HostileEntriesAreNotWrittenAndReportedByName) {
    const fs::path zip = tmp / "evil.zip";
    test::writeArchive(zip, {{"good.txt", "good"},
                             {"../x", "escaped"},
                             {"/abs/y", "absolute"},
                             {"sub/../../z", "escaped"},
                             {"..\\w", "escaped"},
                             {"C:drive", "drive"},
                             {"out", "", Kind::Symlink, "../../etc"},
                             {"sub/abs", "", Kind::Symlink, "/etc/passwd"},
                             {"inside", "", Kind::Symlink, "good.txt"},
                             {"out/through.txt", "through the link"}});
    const fs::path t = target();
    const auto before = listTree(tmp.path());
    const ExtractReport r = extractAll(zip, ArchiveFormat::Zip, t);
    EXPECT_FALSE(r.error);
    EXPECT_EQ(skippedNames(r), (std::set<std::string>{"../x", "/abs/y", "sub/../../z", "../w",
                                                      "C:drive", "out", "sub/abs"}));
    for (const SkippedEntry& s : r.skipped)
        EXPECT_FALSE(s.reason.empty()) << s.name;
    // Only the target folder gained anything.
    auto after = listTree(tmp.path());
    for (const std::string& p : before)
        after.erase(p);
    // "out" never became a link, so its file went into a plain folder below the target.
    EXPECT_EQ(after, (std::set<std::string>{"out/target/good.txt", "out/target/inside",
                                            "out/target/out", "out/target/out/through.txt"}));
    EXPECT_TRUE(fs::is_symlink(t / "inside")) << r.written;
    EXPECT_EQ(fs::read_symlink(t / "inside"), "good.txt");
    EXPECT_FALSE(fs::exists("/abs/y"));
}

TEST_F(Extract, HardLinksAndDevicesFromOtherFormats) {
    const fs::path tarFile = tmp / "links.tar";
    test::writeArchive(tarFile, {{"file.txt", "data"},
                                 {"same.txt", "", Kind::Hardlink, "file.txt"},
                                 {"escape.txt", "", Kind::Hardlink, "../../outside.txt"},
                                 {"abs.txt", "", Kind::Hardlink, "/etc/passwd"},
                                 {"null", "", Kind::Device}},
                       /*tar=*/true);
    std::ofstream(tmp / "outside.txt") << "precious";
    const fs::path t = target();
    const ExtractReport r = extractAll(tarFile, ArchiveFormat::Detect, t);
    EXPECT_FALSE(r.error);
    EXPECT_EQ(skippedNames(r), (std::set<std::string>{"escape.txt", "abs.txt", "null"}));
    EXPECT_EQ(slurp(t / "same.txt"), "data");
    EXPECT_FALSE(fs::exists(t / "escape.txt"));
    EXPECT_FALSE(fs::exists(t / "null"));
    EXPECT_EQ(slurp(tmp / "outside.txt"), "precious");
}

TEST_F(Extract, EmptyArchivesHaveNoEntries) {
    const fs::path empty = tmp / "empty.zip";
    test::writeArchive(empty, {});
    const fs::path zero = tmp / "zero.zip";
    std::ofstream(zero).flush();
    for (const fs::path& f : {empty, zero}) {
        auto count = countEntries(f, ArchiveFormat::Zip);
        ASSERT_TRUE(count.ok()) << count.error().message();
        EXPECT_EQ(*count, 0);
    }
}

TEST_F(Extract, DamagedZipKeepsWhatWasExtracted) {
    const fs::path zip = tmp / "damaged.zip";
    // Noise that does not compress, so the cut lands inside the entry's data.
    std::string big(200000, 'x');
    std::uint32_t seed = 12345;
    for (char& c : big) {
        seed = seed * 1103515245u + 12345u;
        c = static_cast<char>(seed >> 24);
    }
    test::writeArchive(zip, {{"one.txt", "first"}, {"two.txt", "second"}, {"three.bin", big}});
    const auto full = slurp(zip);
    // Cut inside the last entry's data: the central directory is gone too.
    const auto cut = full.find("three.bin") + 1000;
    std::ofstream(zip, std::ios::binary | std::ios::trunc).write(full.data(), static_cast<std::streamsize>(cut));

    const fs::path t = target();
    int steps = 0;
    const ExtractReport r = extractAll(zip, ArchiveFormat::Zip, t, [&](std::string_view) { ++steps; });
    ASSERT_TRUE(r.error);
    EXPECT_NE(r.error->message().find("damaged.zip"), std::string::npos);
    EXPECT_EQ(slurp(t / "one.txt"), "first");
    EXPECT_EQ(slurp(t / "two.txt"), "second");
    EXPECT_FALSE(fs::exists(t / "three.bin")); // no half file posing as the real one
    EXPECT_EQ(r.written, 2);
    EXPECT_EQ(steps, 3);
    EXPECT_FALSE(countEntries(zip, ArchiveFormat::Zip).ok());
}

TEST_F(Extract, NotAnArchiveIsAClearError) {
    const fs::path junk = tmp / "junk.zip";
    std::ofstream(junk) << "this is no zip archive at all, just text";
    auto count = countEntries(junk, ArchiveFormat::Zip);
    ASSERT_FALSE(count.ok());
    EXPECT_EQ(count.error().file, junk);
    const ExtractReport r = extractAll(junk, ArchiveFormat::Zip, target());
    ASSERT_TRUE(r.error);
    EXPECT_EQ(r.written, 0);
}

struct RarCase {
    const char* label;
    std::string (*make)(const std::vector<FixtureEntry>&);
};

class RarExtract : public Extract, public ::testing::WithParamInterface<RarCase> {};

TEST_P(RarExtract, StoredFilesAndHostileNames) {
    const fs::path rar = tmp / "setup.rar";
    const std::string bytes = GetParam().make({{"docs", "", Kind::Dir},
                                               {"docs/readme.txt", "rar text"},
                                               {"../evil.txt", "escaped"},
                                               {"top.txt", "top"}});
    std::ofstream(rar, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    auto count = countEntries(rar, ArchiveFormat::Rar);
    ASSERT_TRUE(count.ok()) << count.error().message();
    EXPECT_EQ(*count, 4);
    const fs::path t = target();
    int steps = 0;
    const ExtractReport r = extractAll(rar, ArchiveFormat::Rar, t, [&](std::string_view) { ++steps; });
    EXPECT_FALSE(r.error) << r.error->message();
    EXPECT_EQ(steps, 4);
    EXPECT_EQ(skippedNames(r), std::set<std::string>{"../evil.txt"});
    EXPECT_EQ(slurp(t / "docs/readme.txt"), "rar text");
    EXPECT_EQ(slurp(t / "top.txt"), "top");
    EXPECT_FALSE(fs::exists(tmp / "out/evil.txt"));
    // The zip reader does not take a rar file for a zip.
    EXPECT_FALSE(countEntries(rar, ArchiveFormat::Zip).ok());
}

INSTANTIATE_TEST_SUITE_P(Formats, RarExtract,
                         ::testing::Values(RarCase{"rar4", &test::rar4}, RarCase{"rar5", &test::rar5}),
                         [](const auto& param) { return std::string(param.param.label); });

TEST_F(Extract, InfoFilesGoFlatIntoTheScratchFolderAndTheLastIsShown) {
    const fs::path zip = tmp / "tool.zip";
    test::writeArchive(zip, {{"a/first.nfo", "first"},
                             {"readme.txt", "text"},
                             {"b/c/second.NFO", "second"},
                             {"FILE_ID.DIZ", "diz"},
                             {"../../escape.nfo", "escape"},
                             {"sub/", "", Kind::Dir}});
    const fs::path scratch = tmp / "scratch";
    fs::create_directories(scratch);
    const InfoFiles nfo = extractInfoFiles(zip, "nfo", scratch);
    EXPECT_FALSE(nfo.error);
    EXPECT_EQ(nfo.marked, 3);
    ASSERT_TRUE(nfo.shown);
    EXPECT_EQ(*nfo.shown, scratch / "escape.nfo");
    EXPECT_EQ(listTree(scratch), (std::set<std::string>{"first.nfo", "second.NFO", "escape.nfo"}));
    EXPECT_EQ(slurp(scratch / "second.NFO"), "second");
    EXPECT_FALSE(fs::exists(tmp.path().parent_path() / "escape.nfo"));

    const InfoFiles diz = extractInfoFiles(zip, "diz", scratch);
    ASSERT_TRUE(diz.shown);
    EXPECT_EQ(slurp(*diz.shown), "diz");

    const fs::path plain = tmp / "plain.zip";
    test::writeArchive(plain, {{"readme.txt", "x"}});
    const InfoFiles none = extractInfoFiles(plain, "nfo", scratch);
    EXPECT_EQ(none.marked, 0);
    EXPECT_FALSE(none.shown);
    EXPECT_FALSE(none.error);
}

TEST_F(Extract, InfoFilesOfAnUnreadableArchiveReportAnError) {
    const fs::path junk = tmp / "junk.zip";
    std::ofstream(junk) << "no zip";
    const InfoFiles r = extractInfoFiles(junk, "nfo", tmp.path());
    EXPECT_TRUE(r.error);
    EXPECT_EQ(r.marked, 0);
}

} // namespace
} // namespace vistel
