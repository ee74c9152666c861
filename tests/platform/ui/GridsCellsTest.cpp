// The grid's sparse cell store and axis size lists against plain models.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "platform/rtl/Exceptions.h"
#include "platform/ui/GridsCells.h"

namespace {

using ui::TGridAxisSizes;
using ui::TGridCellStore;

// A dense model: rows of columns of texts.
struct TModel {
    std::vector<std::vector<std::string>> Rows;
    std::string Get(int c, int r) const
    {
        if (r >= static_cast<int>(Rows.size()) || c >= static_cast<int>(Rows[r].size())) return {};
        return Rows[r][c];
    }
    void Set(int c, int r, const std::string& s)
    {
        if (r >= static_cast<int>(Rows.size())) Rows.resize(r + 1);
        if (c >= static_cast<int>(Rows[r].size())) Rows[r].resize(c + 1);
        Rows[r][c] = s;
    }
    void Grow(int rows) { if (static_cast<int>(Rows.size()) < rows) Rows.resize(rows); }
};

TEST(GridCellStore, CellsReadEmptyUntilWrittenAnywhereAndEmptyTextsLeaveNoEntry)
{
    TGridCellStore store;
    EXPECT_EQ(store.Text(0, 0), "");
    EXPECT_EQ(store.Text(50000, 900000), "");
    EXPECT_EQ(store.Object(3, 3), nullptr);
    store.SetText(7, 100, "far");
    rtl::TObject marker;
    store.SetObject(2, 1, &marker);
    EXPECT_EQ(store.Text(7, 100), "far");
    EXPECT_EQ(store.Object(2, 1), &marker);
    EXPECT_EQ(store.Text(2, 1), "");
    EXPECT_EQ(store.FilledCells(), 2u);
    store.SetText(7, 100, "");
    store.SetObject(2, 1, nullptr);
    EXPECT_EQ(store.FilledCells(), 0u);
}

TEST(GridCellStore, NegativeIndexesRaiseTheListIndexError)
{
    TGridCellStore store;
    const std::vector<std::pair<int, int>> cells = {{-1, 0}, {0, -1}, {-5, -5}};
    for (auto [c, r] : cells) {
        try {
            store.SetText(c, r, "x");
            FAIL() << c << "," << r;
        } catch (const rtl::EListError& e) {
            EXPECT_EQ(e.Message(), "List index out of bounds (" + std::to_string(c < 0 ? c : r) + ")");
        }
        EXPECT_THROW(store.Text(c, r), rtl::EListError);
        EXPECT_THROW(store.Object(c, r), rtl::EListError);
    }
    EXPECT_THROW(store.MoveRow(-1, 2), rtl::EListError);
    EXPECT_THROW(store.DeleteCol(-2), rtl::EListError);
    EXPECT_EQ(store.FilledCells(), 0u);
}

// Random row and column operations agree with a dense model, across many chunk splits.
TEST(GridCellStore, RowAndColumnOperationsMatchADenseModel)
{
    TGridCellStore store;
    TModel model;
    std::mt19937 rng(42);
    const int cols = 6;
    for (int r = 0; r < 3000; ++r)
        for (int c = 0; c < cols; ++c)
            if ((r + c) % 3 != 0) {
                std::string s = std::to_string(r) + ":" + std::to_string(c);
                store.SetText(c, r, s);
                model.Set(c, r, s);
            }
    for (int step = 0; step < 1500; ++step) {
        int kind = static_cast<int>(rng() % 7);
        int a = static_cast<int>(rng() % 3200);
        int b = static_cast<int>(rng() % 3200);
        model.Grow(std::max(a, b) + 2);
        if (kind == 0) {
            store.InsertRow(a);
            if (a < static_cast<int>(model.Rows.size())) model.Rows.insert(model.Rows.begin() + a, std::vector<std::string>());
        } else if (kind == 1) {
            store.DeleteRow(a);
            if (a < static_cast<int>(model.Rows.size())) model.Rows.erase(model.Rows.begin() + a);
        } else if (kind == 2) {
            store.MoveRow(a, b);
            auto row = model.Rows[a];
            model.Rows.erase(model.Rows.begin() + a);
            model.Rows.insert(model.Rows.begin() + b, row);
        } else if (kind == 3) {
            int from = a % cols;
            int to = b % cols;
            store.MoveCol(from, to);
            for (auto& row : model.Rows) {
                row.resize(cols);
                std::string s = row[from];
                row.erase(row.begin() + from);
                row.insert(row.begin() + to, s);
            }
        } else if (kind == 5) {
            // A block of up to three chunks' worth of rows, cut out and put back elsewhere.
            const int count = 1 + static_cast<int>(rng() % 1500);
            store.MoveRowBlock(a, count, b);
            model.Grow(std::max(a, b) + count);
            std::vector<std::vector<std::string>> block(model.Rows.begin() + a, model.Rows.begin() + a + count);
            model.Rows.erase(model.Rows.begin() + a, model.Rows.begin() + a + count);
            model.Rows.insert(model.Rows.begin() + b, block.begin(), block.end());
        } else if (kind == 6) {
            // A range of rows put into a random order, reaching past the rows held at times.
            const int count = 1 + static_cast<int>(rng() % 1200);
            std::vector<int> order(static_cast<std::size_t>(count));
            std::iota(order.begin(), order.end(), a);
            std::shuffle(order.begin(), order.end(), rng);
            store.PermuteRows(a, order);
            model.Grow(a + count);
            std::vector<std::vector<std::string>> old(model.Rows.begin() + a, model.Rows.begin() + a + count);
            for (int k = 0; k < count; ++k) model.Rows[a + k] = old[order[k] - a];
        } else {
            std::string s = "w" + std::to_string(step);
            store.SetText(a % cols, a, s, step % 2 == 0 ? cols : 0);
            model.Set(a % cols, a, s);
        }
    }
    for (int r = 0; r < static_cast<int>(model.Rows.size()); ++r)
        for (int c = 0; c < cols; ++c) ASSERT_EQ(store.Text(c, r), model.Get(c, r)) << c << "," << r;
    // A column scan over chunks of uneven size meets the filled cells of its range in order,
    // and a range past the rows held is clipped.
    for (int c = 0; c < cols; ++c) {
        const int from = 700 + c * 31, to = 2900 + c * 97;
        std::vector<std::pair<int, std::string>> scanned, expected;
        store.ScanColumn(c, from, to, [&](int r, const std::string& text, rtl::TObject*) { scanned.emplace_back(r, text); });
        for (int r = from; r <= to; ++r)
            if (!model.Get(c, r).empty()) expected.emplace_back(r, model.Get(c, r));
        ASSERT_EQ(scanned, expected) << "column " << c;
    }
    std::vector<int> past;
    store.ScanColumn(0, 100000, 200000, [&](int r, const std::string&, rtl::TObject*) { past.push_back(r); });
    EXPECT_TRUE(past.empty());
}

// Objects go with their rows when rows are put in a new order, and a cell that holds only an
// object is a filled cell with an empty text.
TEST(GridCellStore, PermutedRowsCarryTheirObjects)
{
    TGridCellStore store;
    rtl::TObject a, b;
    store.SetText(0, 1, "one");
    store.SetObject(3, 1, &a);
    store.SetObject(1, 2, &b);
    store.PermuteRows(0, {2, 0, 1, 3});
    EXPECT_EQ(store.Object(1, 0), &b);
    EXPECT_EQ(store.Text(0, 2), "one");
    EXPECT_EQ(store.Object(3, 2), &a);
    EXPECT_EQ(store.Object(3, 1), nullptr);
    EXPECT_EQ(store.Text(3, 2), "");
    std::vector<int> rows;
    store.ScanColumn(3, 0, 10, [&](int r, const std::string& text, rtl::TObject* object) {
        EXPECT_TRUE(text.empty());
        EXPECT_EQ(object, &a);
        rows.push_back(r);
    });
    EXPECT_EQ(rows, std::vector<int>{2});
    EXPECT_EQ(store.FilledCells(), 3u);
}

// Rows written with the grid's width are allocated once at that width, and short texts need
// no heap block: a full grid of short texts costs under 40 bytes a cell.
TEST(GridCellStore, AFullGridOfShortTextsCostsUnderFortyBytesACell)
{
    TGridCellStore store;
    const int cols = 10, rows = 5000;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) store.SetText(c, r, "R" + std::to_string(r) + "C" + std::to_string(c), cols);
    EXPECT_EQ(store.FilledCells(), static_cast<std::size_t>(rows * cols));
    EXPECT_LT(static_cast<double>(store.MemoryBytes()) / (rows * cols), 40.0);
    EXPECT_EQ(store.Text(9, 4999), "R4999C9");
}

TEST(GridCellStore, DeletedAndInsertedColumnsShiftTheColumnsAfterThem)
{
    TGridCellStore store;
    for (int c = 0; c < 5; ++c)
        for (int r = 0; r < 3; ++r) store.SetText(c, r, std::string(1, static_cast<char>('a' + c)) + std::to_string(r));
    store.DeleteCol(1);
    EXPECT_EQ(store.Text(1, 2), "c2");
    EXPECT_EQ(store.Text(3, 0), "e0");
    EXPECT_EQ(store.Text(4, 0), "");
    store.InsertCol(0);
    EXPECT_EQ(store.Text(0, 0), "");
    EXPECT_EQ(store.Text(1, 0), "a0");
    EXPECT_EQ(store.Text(4, 1), "e1");
    // A column index freed by the delete is reused empty.
    store.SetText(5, 0, "new");
    EXPECT_EQ(store.Text(5, 0), "new");
    EXPECT_EQ(store.Text(5, 1), "");
}

// A block move of sizes ends as the same rows moved one at a time would, offsets included.
TEST(GridAxisSizes, BlockMoveEqualsMovingEachSizeInTurn)
{
    const std::vector<std::array<int, 3>> moves = {{2, 3, 10}, {10, 3, 2}, {0, 1, 19}, {15, 5, 0}, {4, 4, 6}};
    for (const auto& [from, count, to] : moves) {
        TGridAxisSizes block, single;
        for (auto* s : {&block, &single}) {
            s->SetDefault(10);
            s->SetCount(20);
            for (int i = 0; i < 20; ++i) s->SetSize(i, i + 1);
            s->Offset(20);  // sums built before the move must not survive it
        }
        block.MoveBlock(from, count, to);
        if (from < to)
            for (int i = 0; i < count; ++i) single.Move(from, to + count - 1);
        else
            for (int i = 0; i < count; ++i) single.Move(from + i, to + i);
        for (int i = 0; i < 20; ++i) {
            ASSERT_EQ(block.Size(i), single.Size(i)) << from << "," << count << "," << to << " at " << i;
            ASSERT_EQ(block.Offset(i), single.Offset(i));
        }
    }
}

TEST(GridAxisSizes, OffsetsEqualTheSumsOfTheSizesBeforeThem)
{
    TGridAxisSizes sizes;
    sizes.SetDefault(24);
    sizes.SetCount(2000);
    EXPECT_EQ(sizes.Offset(1000), 24000);
    EXPECT_TRUE(sizes.AllDefault());
    std::vector<int> model(2000, 24);
    std::mt19937 rng(7);
    auto check = [&] {
        long long sum = 0;
        for (int i = 0; i <= 2000; i += 37) {
            long long expect = 0;
            for (int k = 0; k < i; ++k) expect += model[k];
            ASSERT_EQ(sizes.Offset(i), expect) << i;
        }
        (void)sum;
    };
    for (int step = 0; step < 200; ++step) {
        int i = static_cast<int>(rng() % 2000);
        int v = static_cast<int>(rng() % 60);
        sizes.SetSize(i, v);
        model[i] = v;
    }
    check();
    sizes.Move(5, 1500);
    int v = model[5];
    model.erase(model.begin() + 5);
    model.insert(model.begin() + 1500, v);
    check();
    sizes.SetSize(3, 99);
    model[3] = 99;
    check();
    // Growing and shrinking keep the sums right without a rebuild.
    sizes.SetCount(2100);
    model.resize(2100, 24);
    EXPECT_EQ(sizes.Size(2050), 24);
    EXPECT_EQ(sizes.Offset(2100), std::accumulate(model.begin(), model.end(), 0LL));
    sizes.SetSize(2099, 7);
    model[2099] = 7;
    EXPECT_EQ(sizes.Offset(2100), std::accumulate(model.begin(), model.end(), 0LL));
    sizes.SetCount(1500);
    sizes.SetCount(1600);
    model.resize(1500);
    model.resize(1600, 24);
    EXPECT_EQ(sizes.Offset(1600), std::accumulate(model.begin(), model.end(), 0LL));
    EXPECT_EQ(sizes.Offset(1555), std::accumulate(model.begin(), model.begin() + 1555, 0LL));
    EXPECT_THROW(sizes.SetSize(2100, 5), rtl::EListError);
    EXPECT_THROW(sizes.SetSize(-1, 5), rtl::EListError);
}

}  // namespace
