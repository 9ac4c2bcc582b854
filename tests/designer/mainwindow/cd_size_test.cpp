#include "designer/mainwindow/cd_size_bar.h"
#include "window_fixture.h"

using namespace vardeo;
using namespace vardeo::test;

TEST(CdSizeBar, SevenHundredMegabyteRule) {
    app();
    CdSizeBar bar;
    bar.showTotal(700ull * 1024 * 1024 + 5);
    EXPECT_EQ(bar.maximum(), 700);
    EXPECT_EQ(bar.value(), 700);
    bar.showTotal(701ull * 1024 * 1024);
    EXPECT_EQ(bar.maximum(), 701);
    EXPECT_EQ(bar.value(), 701);
    EXPECT_EQ(bar.palette().color(QPalette::Highlight), QColor(0xFF, 0x80, 0x80));
    EXPECT_TRUE(bar.toolTip().endsWith(QStringLiteral(" / 701 MB")));
    // More than 4 GiB needs 64-bit sums.
    bar.showTotal(5000ull * 1024 * 1024);
    EXPECT_EQ(bar.value(), 5000);
}

TEST(CdSizeBar, WalkSumsFilesAndRefusesASecondWalk) {
    app();
    tarnic::test::TempDir dir;
    dir.write("a.bin", std::string(3000, 'x'));
    dir.write("sub/deeper/b.bin", std::string(2000, 'y'));
    EXPECT_EQ(folderSize(dir.path(), {}), 5000u);
    CdSizeBar bar;
    int refused = 0;
    bar.onFileWalked = [&] {
        if (!bar.compute(dir.path()))
            ++refused;
    };
    EXPECT_TRUE(bar.compute(dir.path()));
    EXPECT_GT(refused, 0);
    EXPECT_FALSE(bar.busy());
    EXPECT_EQ(bar.suffix(), QStringLiteral(" MB"));
    EXPECT_TRUE(bar.toolTip().contains(QStringLiteral("4 KB / 0 MB")));
}
