// Sorting the string grid: a million rows of three columns by a numeric, a text and a tied text column and by two sort keys, and undoing the sort; the floor sorts the same keys with std::stable_sort.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <numeric>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "bench/support/Floor.h"
#include "grid/core/ExtGrid.h"
#include "grid/core/GridLists.h"
#include "grid/core/GridOptionsSort.h"

namespace {

// Column 0 holds row numbers, column 1 numbers and column 2 words, in a shuffled order that
// is the same for every run; Columns[c][r - 1] is the text of cell (c, r).
struct TTable {
    std::vector<std::string> Columns[3];
};

TTable MakeTable(int rows)
{
    TTable t;
    std::mt19937 rng(12345);
    std::uniform_int_distribution<int> number(0, 5000000);
    static const char* const syllables[] = {"ka", "lo", "mi", "ne", "so", "tu", "va", "ze"};
    for (int r = 1; r <= rows; ++r) {
        t.Columns[0].push_back(std::to_string(r));
        t.Columns[1].push_back(std::to_string(number(rng)) + "." + std::to_string(r % 100));
        std::string word;
        for (int i = 0; i < 4; ++i) word += syllables[rng() % 8];
        t.Columns[2].push_back(word);
    }
    return t;
}

std::unique_ptr<grid::TExtStringGrid> MakeGrid(const TTable& t)
{
    const int rows = static_cast<int>(t.Columns[0].size());
    auto g = std::make_unique<grid::TExtStringGrid>(nullptr);
    g->SetColCount(3);
    g->SetRowCount(rows + 1);
    for (int r = 1; r <= rows; ++r)
        for (int c = 0; c < 3; ++c) g->SetGridCell(c, r, t.Columns[c][static_cast<std::size_t>(r - 1)]);
    return g;
}

// Every column put into the order of the rows numbered in order.
void PutInOrder(TTable& t, const std::vector<int>& order)
{
    for (auto& col : t.Columns) {
        std::vector<std::string> sorted;
        sorted.reserve(col.size());
        for (int i : order) sorted.push_back(std::move(col[static_cast<std::size_t>(i)]));
        col.swap(sorted);
    }
}

// The floor: keys taken from the texts (numbers parsed), an order found with
// std::stable_sort and every column put into that order.
template <typename Key>
double PlainSort(TTable t, int column, Key key)
{
    return benchfloor::Seconds([&] {
        const auto& texts = t.Columns[column];
        using K = decltype(key(texts[0]));
        std::vector<K> keys;
        keys.reserve(texts.size());
        for (const auto& s : texts) keys.push_back(key(s));
        std::vector<int> order(texts.size());
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return keys[a] < keys[b]; });
        PutInOrder(t, order);
        benchmark::DoNotOptimize(t.Columns[0].data());
    });
}

// The floor of a sort by the words of column 1 whose ties go on to the numbers of column 2.
double PlainSortTied(TTable t)
{
    return benchfloor::Seconds([&] {
        const auto& words = t.Columns[1];
        const auto& numbers = t.Columns[2];
        std::vector<std::pair<std::string_view, double>> keys;
        keys.reserve(words.size());
        for (std::size_t i = 0; i < words.size(); ++i)
            keys.emplace_back(words[i], std::strtod(numbers[i].c_str(), nullptr));
        std::vector<int> order(keys.size());
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return keys[a] < keys[b]; });
        PutInOrder(t, order);
        benchmark::DoNotOptimize(t.Columns[0].data());
    });
}

double PlainSortBy(const TTable& t, int column)
{
    if (column == 1) return PlainSort(t, column, [](const std::string& s) { return std::strtod(s.c_str(), nullptr); });
    return PlainSort(t, column, [](const std::string& s) { return std::string_view(s); });
}

void SortByColumn(benchmark::State& state, int column)
{
    const int rows = static_cast<int>(state.range(0));
    const TTable table = MakeTable(rows);
    benchfloor::TPair pair;
    for (auto _ : state) {
        pair = benchfloor::Interleaved(
            3,
            [&] {
                auto g = MakeGrid(table);
                const double s = benchfloor::Seconds([&] { g->Sort(column, grid::sdAscending); });
                benchmark::DoNotOptimize(g->Swaps());
                return s;
            },
            [&] { return PlainSortBy(table, column); });
    }
    benchfloor::Report(state, pair, "ratio <= 1.5 at 1,000,000 rows");
}

void BM_SortNumericColumn(benchmark::State& state) { SortByColumn(state, 1); }
void BM_SortTextColumn(benchmark::State& state) { SortByColumn(state, 2); }

// Words repeat about 250 times in a million rows: with Full on, the ties of the word column
// go on to the number column after it; sorted by the sort keys (words, then numbers) the
// rows take the same order. The floor sorts the word and number keys.
void SortTiedTextColumn(benchmark::State& state, bool indexed)
{
    const int rows = static_cast<int>(state.range(0));
    TTable table = MakeTable(rows);
    std::swap(table.Columns[1], table.Columns[2]);
    benchfloor::TPair pair;
    for (auto _ : state) {
        pair = benchfloor::Interleaved(
            3,
            [&] {
                auto g = MakeGrid(table);
                if (indexed) {
                    g->SortIndexes().AddIndex(1, true);
                    g->SortIndexes().AddIndex(2, true);
                }
                const double s = benchfloor::Seconds([&] {
                    if (indexed)
                        g->QSortIndexed();
                    else
                        g->Sort(1, grid::sdAscending);
                });
                benchmark::DoNotOptimize(g->Swaps());
                return s;
            },
            [&] { return PlainSortTied(table); });
    }
    benchfloor::Report(state, pair, "ratio <= 1.5 at 1,000,000 rows");
}

void BM_SortTiedTextColumn(benchmark::State& state) { SortTiedTextColumn(state, false); }
void BM_SortByTwoKeys(benchmark::State& state) { SortTiedTextColumn(state, true); }

void BM_SortThenUnSort(benchmark::State& state)
{
    const int rows = static_cast<int>(state.range(0));
    const TTable table = MakeTable(rows);
    for (auto _ : state) {
        state.PauseTiming();
        auto g = MakeGrid(table);
        g->Sort(2, grid::sdAscending);
        state.ResumeTiming();
        g->QUnSort();
        state.PauseTiming();
        g.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * rows);
}

}  // namespace

BENCHMARK(BM_SortNumericColumn)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_SortTextColumn)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_SortTiedTextColumn)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_SortByTwoKeys)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_SortThenUnSort)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(1);
