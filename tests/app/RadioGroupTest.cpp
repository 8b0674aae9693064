#include <gtest/gtest.h>

#include <ostream>

#include <QGridLayout>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include "RadioGroup.h"

namespace {

const QStringList kTimeBase{"1ms", "50ms", "2ms", "0.1s", "5ms", "0.2s", "10ms", "0.5s", "20ms", "1.0s"};

class RadioGroupTest : public ::testing::Test {
protected:
    RadioGroupTest() {
        group.SetColumns(5);
        group.SetItems(kTimeBase);
        group.show();
    }
    void ClickItem(int index) { QTest::mouseClick(group.ItemButton(index), Qt::LeftButton); }

    RadioGroup group;
    QSignalSpy clicks{&group, &RadioGroup::ItemClicked};
};

TEST_F(RadioGroupTest, SettingTheIndexFromCodeReportsNothing) {
    group.SetItemIndex(7);
    EXPECT_EQ(group.ItemIndex(), 7);
    EXPECT_TRUE(group.ItemButton(7)->isChecked());
    EXPECT_EQ(clicks.count(), 0);
}

TEST_F(RadioGroupTest, AUserClickSelectsAndReportsTheItem) {
    group.SetItemIndex(7);
    ClickItem(3);
    EXPECT_EQ(group.ItemIndex(), 3);
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks.at(0).at(0).toInt(), 3);
    EXPECT_FALSE(group.ItemButton(7)->isChecked());
}

TEST_F(RadioGroupTest, ClickingTheSelectedItemReportsNothing) {
    group.SetItemIndex(4);
    ClickItem(4);
    EXPECT_EQ(group.ItemIndex(), 4);
    EXPECT_EQ(clicks.count(), 0);
}

TEST_F(RadioGroupTest, ClickAfterASelectionFromCodeComparesWithThatSelection) {
    ClickItem(2);
    group.SetItemIndex(5);
    ClickItem(2);
    EXPECT_EQ(clicks.count(), 2);
    EXPECT_EQ(group.ItemIndex(), 2);
}

TEST_F(RadioGroupTest, IndexOutsideTheItemsSelectsNothing) {
    group.SetItemIndex(2);
    for (int index : {-1, 10, 99, -5}) {
        group.SetItemIndex(2);
        group.SetItemIndex(index);
        EXPECT_EQ(group.ItemIndex(), -1) << index;
        for (int i = 0; i < group.Count(); ++i) {
            EXPECT_FALSE(group.ItemButton(i)->isChecked()) << index << " item " << i;
        }
    }
    EXPECT_EQ(clicks.count(), 0);
}

struct Cell {
    int items;
    int columns;
    int index;
    int row;
    int column;
};

void PrintTo(const Cell& c, std::ostream* os) {
    *os << "item " << c.index << " of " << c.items << " in " << c.columns << " columns";
}

class RadioGroupLayoutTest : public ::testing::TestWithParam<Cell> {};

// Items fill a column before the next one, so with ten items in five columns
// each column pairs a short and a long time base.
TEST_P(RadioGroupLayoutTest, FillsColumnByColumn) {
    const Cell& c = GetParam();
    RadioGroup group;
    QStringList items;
    for (int i = 0; i < c.items; ++i) {
        items << QString::number(i);
    }
    group.SetItems(items);
    group.SetColumns(c.columns);
    auto* grid = qobject_cast<QGridLayout*>(group.layout());
    ASSERT_NE(grid, nullptr);
    int row = -1, column = -1, rowSpan = 0, columnSpan = 0;
    grid->getItemPosition(grid->indexOf(group.ItemButton(c.index)), &row, &column, &rowSpan, &columnSpan);
    EXPECT_EQ(row, c.row);
    EXPECT_EQ(column, c.column);
}

INSTANTIATE_TEST_SUITE_P(Columns, RadioGroupLayoutTest,
                         ::testing::Values(Cell{10, 5, 0, 0, 0}, Cell{10, 5, 1, 1, 0}, Cell{10, 5, 2, 0, 1},
                                           Cell{10, 5, 7, 1, 3}, Cell{10, 5, 9, 1, 4}, Cell{5, 5, 4, 0, 4},
                                           Cell{5, 1, 4, 4, 0}, Cell{7, 3, 6, 0, 2}, Cell{7, 3, 5, 2, 1}));

TEST_F(RadioGroupTest, CaptionsChangeWithoutTouchingTheSelection) {
    group.SetItemIndex(4);
    group.SetItemCaption(4, QStringLiteral("5.0ms"));
    EXPECT_EQ(group.ItemCaption(4), QStringLiteral("5.0ms"));
    EXPECT_EQ(group.ItemIndex(), 4);
    group.SetItems(QStringList(kTimeBase));  // a retranslation: same count
    EXPECT_EQ(group.ItemCaption(4), QStringLiteral("5ms"));
    EXPECT_EQ(group.ItemIndex(), 4);
}

TEST_F(RadioGroupTest, FewerItemsDropASelectionThatNoLongerExists) {
    group.SetItemIndex(7);
    group.SetItems({"0.1v", "0.2v", "0.5v", "1.0v", "2.0v"});
    EXPECT_EQ(group.ItemIndex(), -1);
    group.SetItemIndex(4);
    group.SetItems({"a", "b", "c", "d", "e", "f"});
    EXPECT_EQ(group.ItemIndex(), 4);
    EXPECT_TRUE(group.ItemButton(4)->isChecked());
    EXPECT_EQ(clicks.count(), 0);
}

TEST(RadioGroupProperties, ItemsAndColumnsCanComeFromAForm) {
    RadioGroup group;
    group.setProperty("columns", 5);
    group.setProperty("items", QStringList{"0.1v", "0.2v", "0.5v", "1.0v", "2.0v"});
    group.setProperty("itemIndex", 4);
    EXPECT_EQ(group.Columns(), 5);
    EXPECT_EQ(group.Count(), 5);
    EXPECT_EQ(group.ItemIndex(), 4);
}

}  // namespace
