// Whole process against whole process: `tolvek-drive --dir DIR click Button41` (the 1104
// run-control files of the 10 km grid, written into a fresh folder) beside the floor program
// writing the same bytes with stdio into a fresh folder, in turn, several times. Prints the
// medians of both, the median of the pairwise ratios and the goal (within 1.5×).
//
//   bench_DriveVsFloor [RUNS]        (RUNS pairs, 15 when not given)
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

constexpr double Goal = 1.5;

// Runs the program with its output thrown away; the wall-clock seconds from start to end.
double RunTimed(const std::vector<std::string>& args)
{
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0) {
        std::fprintf(stderr, "bench_DriveVsFloor: cannot start %s\n", argv[0]);
        std::exit(1);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "bench_DriveVsFloor: %s failed (status %d)\n", argv[0], status);
        std::exit(1);
    }
    return seconds;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void PrintRow(const char* what, const std::vector<double>& seconds)
{
    std::printf("%-36s median %7.1f ms  (min %.1f, max %.1f)\n", what, Median(seconds) * 1000,
                *std::min_element(seconds.begin(), seconds.end()) * 1000,
                *std::max_element(seconds.begin(), seconds.end()) * 1000);
}

}  // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    const fs::path root = fs::temp_directory_path() / ("tolvek-bench-drive-" + std::to_string(::getpid()));
    fs::create_directories(root / "reference");
    const std::string pack = (root / "ini.pack").string();
    RunTimed({TOLVEK_DRIVE, "--dir", (root / "reference").string(), "click", "Button41"});
    RunTimed({TOLVEK_FLOOR, "--pack", (root / "reference").string(), pack});

    std::vector<double> drive, floor, ratios;
    for (int i = -1; i < runs; ++i) {  // the first pair warms the caches and is not counted
        const fs::path driveDir = root / ("drive-" + std::to_string(i));
        const fs::path floorDir = root / ("floor-" + std::to_string(i));
        fs::create_directories(driveDir);
        fs::create_directories(floorDir);
        // The order alternates, so that neither always runs on caches the other warmed.
        double d = 0, f = 0;
        if (i % 2 == 0) {
            d = RunTimed({TOLVEK_DRIVE, "--dir", driveDir.string(), "click", "Button41"});
            f = RunTimed({TOLVEK_FLOOR, pack, floorDir.string()});
        } else {
            f = RunTimed({TOLVEK_FLOOR, pack, floorDir.string()});
            d = RunTimed({TOLVEK_DRIVE, "--dir", driveDir.string(), "click", "Button41"});
        }
        fs::remove_all(driveDir);
        fs::remove_all(floorDir);
        if (i < 0) continue;
        drive.push_back(d);
        floor.push_back(f);
        ratios.push_back(d / f);
    }
    fs::remove_all(root);

    double load[3] = {0, 0, 0};
    getloadavg(load, 3);
    std::printf("1104 run-control files into a fresh folder, whole processes, %d runs each (load %.2f)\n",
                runs, load[0]);
    PrintRow("tolvek-drive click Button41", drive);
    PrintRow("floor: the same bytes with stdio", floor);
    const double ratio = Median(ratios);
    std::printf("ratio (median of pairs)              %.2fx   goal: within %.1fx: %s\n", ratio, Goal,
                ratio <= Goal ? "met" : "not met");
    return 0;
}
