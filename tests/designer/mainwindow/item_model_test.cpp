#include "designer/mainwindow/item_model.h"
#include "window_fixture.h"

#include <QAbstractItemModelTester>
#include <QMimeData>

using namespace vardeo;
using namespace vardeo::test;

TEST(ItemModel, PassesTheModelTesterThroughEveryChange) {
    app();
    std::vector<ProjectItem> items = {makeItem("b", "X"), makeItem("a", "Y"), makeItem("c", "X")};
    LocalWords words;
    ItemTableModel model(items, words);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(model.columnCount(), 17);
    EXPECT_EQ(model.headerData(3, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("CD Path"));
    model.sort(ItemTableModel::columnOf(Field::Name), Qt::AscendingOrder);
    EXPECT_EQ(items[0][Field::Name], "a");
    model.sort(ItemTableModel::columnOf(Field::Name), Qt::DescendingOrder);
    EXPECT_EQ(items[0][Field::Name], "c");
    model.appendItem(makeItem("d", "Z"));
    EXPECT_TRUE(model.moveRows({}, 3, 1, {}, 0));
    EXPECT_EQ(items[0][Field::Name], "d");
    model.setField(1, Field::Category, "Z");
    model.fullSort();
    model.removeItemRow(0);
    while (model.rowCount() > 1)
        model.removeItemRow(0);
    model.removeItemRow(0);
    EXPECT_EQ(model.rowCount(), 1);
    EXPECT_EQ(model.appendItem(makeItem("e", "X")), 0); // fills the empty row
    model.reload();
}

TEST(ItemModel, RowDragMovesOneRow) {
    app();
    std::vector<ProjectItem> items = {makeItem("a", "X"), makeItem("b", "X"), makeItem("c", "Y")};
    LocalWords words;
    ItemTableModel model(items, words);
    int modified = 0;
    QObject::connect(&model, &ItemTableModel::modified, &model, [&] { ++modified; });
    std::unique_ptr<QMimeData> data(model.mimeData({model.index(0, 1)}));
    model.dropMimeData(data.get(), Qt::MoveAction, 3, 0, {});
    EXPECT_EQ(items[0][Field::Name], "b");
    EXPECT_EQ(items[2][Field::Name], "a");
    EXPECT_EQ(modified, 1);
    // Banding after the move: b(X) a? order is b X, c Y, a X.
    EXPECT_NE(model.rowColour(0), model.rowColour(1));
    EXPECT_EQ(model.rowColour(0), model.rowColour(2));
}

TEST(ItemModel, FullSortIsStable) {
    app();
    std::vector<ProjectItem> items;
    for (const char* n : {"m", "B", "a", "b", "M"})
        items.push_back(makeItem(n, "Same"));
    items[1][Field::Serial] = "first";
    items[3][Field::Serial] = "second";
    LocalWords words;
    ItemTableModel model(items, words);
    model.fullSort();
    // Names compare without case; equal names keep their order.
    EXPECT_EQ(items[0][Field::Name], "a");
    EXPECT_EQ(items[1][Field::Serial], "first");
    EXPECT_EQ(items[2][Field::Serial], "second");
    EXPECT_EQ(items[3][Field::Name], "m");
    EXPECT_EQ(items[4][Field::Name], "M");
}
