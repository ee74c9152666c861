// Benchmark: a compound column filter condition evaluated over 1,000,000 cell texts.
#include "grid/foundation/ExtUtilFilter.h"

#include "platform/rtl/FormatSettings.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

namespace {

const std::vector<std::string>& CellTexts()
{
    static const std::vector<std::string> texts = [] {
        std::mt19937 random(42);
        const char* words[] = {"wheat", "maize", "barley", "Sunflower", "rape", "n/a", "Árpa", "zab"};
        std::vector<std::string> out;
        out.reserve(1000000);
        for (int i = 0; i < 1000000; ++i) {
            switch (random() % 3) {
            case 0:
                out.push_back(std::to_string(random() % 1000));
                break;
            case 1:
                out.push_back(std::to_string(random() % 1000) + "." + std::to_string(random() % 100));
                break;
            default:
                out.push_back(std::string(words[random() % 8]) + " " + std::to_string(random() % 50));
                break;
            }
        }
        return out;
    }();
    return texts;
}

void Evaluate(benchmark::State& state, const char* condition, bool caseSensitive)
{
    rtl::FormatSettings.DecimalSeparator = '.';
    rtl::FormatSettings.ThousandSeparator = ',';
    rtl::FormatSettings.DateSeparator = '/';
    const auto& texts = CellTexts();
    long long passed = 0;
    for (auto _ : state) {
        passed = 0;
        for (const std::string& text : texts)
            if (grid::EvaluateFilterCondition(condition, text, caseSensitive)) ++passed;
        benchmark::DoNotOptimize(passed);
    }
    state.counters["passed"] = static_cast<double>(passed);
    state.SetItemsProcessed(state.iterations() * static_cast<long long>(texts.size()));
}

// Range of numbers or a group of wildcard terms, case folded.
void BM_CompoundCondition(benchmark::State& state)
{
    Evaluate(state, "(>=100&<500)|(w*|*ley*)&!*1", false);
}
BENCHMARK(BM_CompoundCondition)->Unit(benchmark::kMillisecond);

// Wildcard terms only, case-sensitive.
void BM_WildcardCondition(benchmark::State& state)
{
    Evaluate(state, "*a*e*|s?n*|\"n/a\"", true);
}
BENCHMARK(BM_WildcardCondition)->Unit(benchmark::kMillisecond);

}  // namespace
