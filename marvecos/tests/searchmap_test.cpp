#include "marvecos/search/searchmap.h"

#include <gtest/gtest.h>

namespace marvecos {
namespace {

// A result of 3 x 2 centres made by hand: factors 2.0, 2.09, blank / 2.6, 3.5, 4.5.
SearchResult handMadeResult() {
    SearchResult r;
    r.grid.x = GridAxis{0, 10, 3};
    r.grid.y = GridAxis{20, 24, 2};
    r.grid.r.count = 1;
    const double factors[] = {2.0, 2.09, 0, 2.6, 3.5, 4.5};
    for (double fs : factors) {
        r.map.push_back(CentreFactor{fs > 0, fs, 12});
    }
    r.found = true;
    r.critical = CriticalCircle{0, 20, 12, 2.0, 1};
    return r;
}

TEST(SearchMap, BandsWidenFromTheLeastFactorAndBlankCellsStayBlank) {
    const SearchMap map = searchMap(handMadeResult());
    ASSERT_TRUE(map.hasCritical);
    EXPECT_EQ(map.criticalX, 0);
    EXPECT_EQ(map.criticalY, 20);
    ASSERT_EQ(map.bands.size(), 6u);
    EXPECT_EQ(map.bands[0].label, "2.000 - 2.100");
    EXPECT_EQ(map.bands[0].color, 12);
    EXPECT_EQ(map.bands[4].label, "3.000 - 4.000");
    EXPECT_EQ(map.bands[5].label, "> 4.000");
    ASSERT_EQ(map.cells.size(), 6u);
    const int expected[] = {0, 0, -1, 3, 4, 5};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(map.cells[i].band, expected[i]) << i;
    }
    // Cells are centred on their centres and meet their neighbours.
    EXPECT_EQ(map.cells[1].left, 2.5);
    EXPECT_EQ(map.cells[1].right, 7.5);
    EXPECT_EQ(map.cells[4].bottom, 22);
    EXPECT_EQ(map.cells[4].top, 26);
}

TEST(SearchMap, NothingFoundDrawsNothingAndOneRowStillShows) {
    SearchResult none = handMadeResult();
    none.found = false;
    EXPECT_TRUE(searchMap(none).cells.empty());
    EXPECT_FALSE(searchMap(none).hasCritical);

    SearchResult row = handMadeResult();
    row.grid.y.count = 1;
    row.map.resize(3);
    const SearchMap map = searchMap(row);
    ASSERT_EQ(map.cells.size(), 3u);
    EXPECT_EQ(map.cells[0].top - map.cells[0].bottom, 5);
}

}  // namespace
}  // namespace marvecos
