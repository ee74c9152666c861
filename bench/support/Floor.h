// Timing a grid operation against its floor (the same work in plain C++ on the same data) in one run, with the ratio and the goal printed beside them.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

namespace benchfloor {

// Seconds one call of f takes.
template <typename F>
double Seconds(F&& f)
{
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

inline double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Medians of `reps` interleaved runs of the measured work and of its floor. Each callable
// takes no argument and does its own set-up outside the timed part by returning the
// seconds it measured itself.
struct TPair {
    double Work = 0;
    double Floor = 0;
    double Ratio() const { return Floor > 0 ? Work / Floor : 0; }
};

template <typename Work, typename Floor>
TPair Interleaved(int reps, Work&& work, Floor&& floor)
{
    std::vector<double> w, f;
    for (int i = 0; i < reps; ++i) {
        w.push_back(work());
        f.push_back(floor());
    }
    return {Median(w), Median(f)};
}

// Puts the figure, its floor and their ratio into the benchmark's counters and states the goal.
inline void Report(benchmark::State& state, const TPair& pair, const std::string& goal)
{
    state.counters["work_s"] = pair.Work;
    state.counters["floor_s"] = pair.Floor;
    state.counters["ratio"] = pair.Ratio();
    state.SetLabel("goal: " + goal);
}

}  // namespace benchfloor
