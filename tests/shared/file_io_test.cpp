#include "shared/file_io.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using namespace tarnic;

TEST(FileIo, AtomicWriteReplacesAndKeepsNoTemporaryFiles) {
    test::TempDir dir;
    const auto p = dir.write("a.dat", "old");
    fs::permissions(p, fs::perms::owner_read | fs::perms::group_read, fs::perm_options::replace);
    ASSERT_TRUE(writeFileAtomic(p, "new contents").ok());
    EXPECT_EQ(test::slurp(p), "new contents");
    EXPECT_TRUE((fs::status(p).permissions() & fs::perms::owner_write) != fs::perms::none);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

TEST(FileIo, FullDiskLeavesThePreviousFile) {
    test::TempDir dir;
    const auto p = dir.write("a.dat", "precious");
    setWriteFaultHook([](const fs::path&, std::size_t wanted) { return wanted / 2; });
    const Status st = writeFileAtomic(p, std::string(5000, 'x'));
    setWriteFaultHook(nullptr);
    ASSERT_FALSE(st.ok());
    EXPECT_EQ(st.error().file, p);
    EXPECT_NE(st.error().what.find("unchanged"), std::string::npos);
    EXPECT_EQ(test::slurp(p), "precious");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

TEST(FileIo, ReadErrorsNameTheFile) {
    test::TempDir dir;
    auto r = readFile(dir / "missing");
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error().file, dir / "missing");
    EXPECT_FALSE(writeFileAtomic(dir / "no/such/folder/x", "a").ok());
}
