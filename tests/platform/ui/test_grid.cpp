// The grid and the dataset cursor in step, and the grid's user events.
#include "zui_testing.h"

#include <QElapsedTimer>
#include <QHeaderView>
#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace zui::testing;
using zdb::FieldType;

namespace {

class GridTest : public ::testing::Test {
protected:
    void SetUp() override {
        ds.setColumns({{"id", FieldType::Integer},
                       {"marka", FieldType::Text},
                       {"price", FieldType::Float},
                       {"accept", FieldType::Boolean}});
        std::vector<std::vector<QVariant>> rows;
        for (int i = 1; i <= 40; ++i)
            rows.push_back({i, QStringLiteral("Изделие %1").arg(i, 2, 10, QLatin1Char('0')), i * 1.5, i % 3 != 0});
        ds.setRows(rows);

        grid.addColumn("№", "id");
        grid.addColumn("Марка", "marka");
        grid.addColumn("Цена", "price");
        grid.addColumn("Принят", "accept", zui::DBGrid::Align::Centre);
        grid.addColumn("", {});  // the cell-button column
        grid.setCellButton(4);
        grid.resize(500, 300);
        grid.setDataset(&ds);
    }

    int gridRow() const { return grid.currentIndex().row(); }
    QString cell(int row, int column) const { return grid.model()->index(row, column).data().toString(); }

    RecordedMessages messages;
    MemoryDataset ds;
    zui::DBGrid grid;
};

}  // namespace

TEST_F(GridTest, FollowsTheDatasetThroughOpenMovesSortFilterAndClose) {
    EXPECT_EQ(grid.model()->rowCount(), 0);
    ds.open();
    EXPECT_EQ(grid.model()->rowCount(), 40);
    EXPECT_EQ(gridRow(), 0);

    ds.setRecNo(30);
    EXPECT_EQ(gridRow(), 29);
    EXPECT_EQ(grid.selectedRows(), QList<int>{29});
    ds.last();
    EXPECT_EQ(gridRow(), 39);
    ASSERT_TRUE(ds.locate("marka", QStringLiteral("Изделие 07")));
    EXPECT_EQ(gridRow(), 6);

    ds.setSort("id DESC");  // the cursor keeps its row, now at another place
    EXPECT_EQ(cell(0, 0), "40");
    EXPECT_EQ(gridRow(), ds.currentRow());
    EXPECT_EQ(cell(gridRow(), 1), "Изделие 07");

    ds.setFilter("marka like 'Изделие 1%'");
    ds.setFiltered(true);
    EXPECT_EQ(grid.model()->rowCount(), 10);
    EXPECT_EQ(gridRow(), ds.currentRow());

    ds.close();
    EXPECT_EQ(grid.model()->rowCount(), 0);
    EXPECT_TRUE(grid.selectedRows().isEmpty());

    ds.setFiltered(false);
    ds.setSort({});
    ds.setRows({{7, "Новое", 1.0, true}});
    ds.open();
    EXPECT_EQ(grid.model()->rowCount(), 1);
    EXPECT_EQ(cell(0, 1), "Новое");
    EXPECT_EQ(gridRow(), 0);
}

TEST_F(GridTest, ClicksAndKeysMoveTheDataset) {
    ds.open();
    showAndActivate(&grid);
    clickRow(&grid, 4);
    EXPECT_EQ(ds.recNo(), 5);
    grid.setFocus();
    pressKey(&grid, Qt::Key_Down);
    EXPECT_EQ(ds.recNo(), 6);
    pressKey(&grid, Qt::Key_End);
    EXPECT_EQ(ds.recNo(), 40);
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(GridTest, DoubleClickTitleClickAndCellButton) {
    ds.open();
    showAndActivate(&grid);
    QSignalSpy doubles(&grid, &zui::DBGrid::rowDoubleClicked);
    QSignalSpy titles(&grid, &zui::DBGrid::titleClicked);
    QSignalSpy buttons(&grid, &zui::DBGrid::cellButtonClicked);
    int recNoAtDoubleClick = 0;
    zui::on(&grid, &zui::DBGrid::rowDoubleClicked, &grid, [&] { recNoAtDoubleClick = ds.recNo(); });

    doubleClickRow(&grid, 2);
    EXPECT_EQ(doubles.count(), 1);
    EXPECT_EQ(recNoAtDoubleClick, 3);

    clickTitle(&grid, 1);
    ASSERT_EQ(titles.count(), 1);
    EXPECT_EQ(titles.at(0).at(0).toInt(), 1);
    EXPECT_EQ(cell(0, 0), "1") << "the grid never sorts by itself";

    int recNoAtButton = 0;
    zui::on(&grid, &zui::DBGrid::cellButtonClicked, &grid, [&] { recNoAtButton = ds.recNo(); });
    clickCellButton(&grid, 5, 4);
    ASSERT_EQ(buttons.count(), 1);
    EXPECT_EQ(buttons.at(0).at(0).toInt(), 4);
    EXPECT_EQ(recNoAtButton, 6);
    EXPECT_EQ(doubles.count(), 1) << "a button press is not a double click";
}

TEST_F(GridTest, RowColoursAndAlignment) {
    const QColor lightRed(255, 238, 238), darkRed(128, 0, 0);
    const int accept = 3;
    grid.setRowColors([&](int row) -> zui::DBGrid::RowColors {
        if (ds.value(row, accept).toBool()) return {};
        return {lightRed, darkRed};
    });
    ds.open();
    auto colour = [&](int row, int role) { return grid.model()->index(row, 1).data(role).value<QColor>(); };
    EXPECT_EQ(colour(2, Qt::BackgroundRole), lightRed);  // id 3 is not accepted
    EXPECT_EQ(colour(2, Qt::ForegroundRole), darkRed);
    EXPECT_FALSE(colour(0, Qt::BackgroundRole).isValid());
    ds.setSort("accept, id");  // colours go with the rows, not the places
    EXPECT_EQ(colour(0, Qt::BackgroundRole), lightRed);

    auto align = [&](int column) {
        return Qt::Alignment(grid.model()->index(0, column).data(Qt::TextAlignmentRole).toInt()) & Qt::AlignHorizontal_Mask;
    };
    EXPECT_EQ(align(0), Qt::AlignRight);
    EXPECT_EQ(align(1), Qt::AlignLeft);
    EXPECT_EQ(align(2), Qt::AlignRight);
    EXPECT_EQ(align(3), Qt::AlignHCenter);
    EXPECT_EQ(cell(0, 3), "0") << "booleans show as the dataset's text";
}

TEST_F(GridTest, MultiSelectKeepsTheUsersRowsWhenTheCursorMovesFromCode) {
    grid.setMultiSelect(true);
    ds.open();
    showAndActivate(&grid);
    EXPECT_TRUE(grid.selectedRows().isEmpty());
    clickRow(&grid, 3);
    clickRow(&grid, 1, Qt::ControlModifier);
    clickRow(&grid, 6, Qt::ControlModifier);
    EXPECT_EQ(grid.selectedRows(), QList<int>({1, 3, 6}));
    EXPECT_EQ(ds.recNo(), 7);
    ds.setRecNo(2);
    ds.setRecNo(4);
    EXPECT_EQ(grid.selectedRows(), QList<int>({1, 3, 6}));
    EXPECT_EQ(gridRow(), 3);
    ds.reopen();
    EXPECT_TRUE(grid.selectedRows().isEmpty());
}

TEST_F(GridTest, AHundredThousandRowsStayCheap) {
    std::vector<std::vector<QVariant>> rows;
    rows.reserve(100000);
    for (int i = 0; i < 100000; ++i) rows.push_back({i, QStringLiteral("m%1").arg(i), i * 0.5, true});
    ds.setRows(std::move(rows));
    showAndActivate(&grid);
    QElapsedTimer t;
    t.start();
    ds.open();
    ds.last();
    grid.viewport()->repaint();
    ds.setRecNo(50000);
    grid.viewport()->repaint();
    // Generous bound: a model that touched every row per move would take far longer.
    EXPECT_LT(t.elapsed(), 3000);
    EXPECT_EQ(gridRow(), 49999);
}
