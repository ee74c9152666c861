// Writers made to fail for real (a file-size limit, a kill): earlier files stay whole and the message counts them.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/GlobalTables.h"
#include "app/IniMaker10km.h"
#include "app/SoilPropWriter10km.h"
#include "app/StorylineFile.h"
#include "app/StorylineModel.h"
#include "tests/app/EndToEndDrive.h"
#include "tests/support/FileSizeLimitChild.h"
#include "tests/support/TempDir.h"

namespace {

namespace fs = std::filesystem;
using testsupport::HiddenEntries;
using testsupport::ReadFileBytes;
using testsupport::RunInChildUnderFileSizeLimit;
using testsupport::TempDir;
using testsupport::TOverLimit;
using testsupport::WriteFileBytes;

// Where a run fails: the first file larger than every file before it, and a
// file-size limit that lets the files before it through but not it.
struct TFailPoint {
    std::size_t K = 0;  // 1-based
    long long Limit = 0;
};

TFailPoint FirstLargerFile(const std::vector<std::string>& contents)
{
    std::size_t largest = 0;
    for (std::size_t i = 0; i < contents.size(); ++i) {
        if (i > 0 && contents[i].size() > largest) return {i + 1, static_cast<long long>(largest)};
        largest = std::max(largest, contents[i].size());
    }
    return {1, static_cast<long long>(contents.front().size()) - 1};
}

// One writer of the workbench as the user starts it (steps of tolvek-drive)
// and as the tests call it (the work function on plain data).
struct TWriterCase {
    const char* Name;
    fs::path Folder;                              // below the current directory
    std::vector<std::string> Files;               // in the order they are written
    std::function<void(const fs::path& dir)> PutInputs;
    std::vector<std::string> Steps;               // tolvek-drive steps that start the writer
    std::function<void(const fs::path& dir)> Run;  // the same writer called directly
};

std::vector<std::string> Numbered(int count, const std::function<std::string(int)>& name)
{
    std::vector<std::string> names;
    for (int n = 1; n <= count; ++n) names.push_back(name(n));
    return names;
}

std::string SoilFileName(int cell)
{
    char name[32];
    std::snprintf(name, sizeof name, "10km%04d.soi", cell);
    return name;
}

void PutSoilInputs(const fs::path& dir)
{
    WriteFileBytes(dir / "SOImaker_data.csv", e2e::SoilParameterFileOf1104Cells());
}

// The page's action with the hydraulic set "A" and the chemical set "alföld".
void RunSoilWriter(const fs::path& dir)
{
    app::FillGlobalTables();
    testsupport::CurrentDirScope cwd(dir);
    app::TSoilPropOptions options;
    options.HydraulicSet = "A";
    options.ChemicalSet = "alföld";
    app::MakeSoilPropFiles10km(options, nullptr);
}

void RunIniWriter(const fs::path& dir)
{
    app::FillGlobalTables();
    app::MakeGridInis10km(app::DefaultIniMaker10kmOptions(), app::BaseTable10km,
                          (dir / "input" / "initialization" / "grid" / "10km").string());
}

void RunStorylineSave(const fs::path& dir)
{
    testsupport::CurrentDirScope cwd(dir);
    app::TStorylineEditor editor;
    app::NewStoryline(editor);
    if (!app::SaveStoryline(editor).Empty()) throw std::runtime_error("coverage message");
}

std::vector<TWriterCase> WriterCases()
{
    return {
        TWriterCase{"RunControlBatch", fs::path("input") / "initialization" / "grid" / "10km",
                    Numbered(1104, [](int n) { return std::to_string(n) + ".ini"; }), [](const fs::path&) {},
                    {"click", "Button41"}, RunIniWriter},
        TWriterCase{"SoilBatch", fs::path("input") / "soil" / "grid" / "10km", Numbered(1104, SoilFileName),
                    PutSoilInputs, {"set", "pCB.ItemIndex=1", "set", "cCB.ItemIndex=1", "click", "Button36"},
                    RunSoilWriter},
        TWriterCase{"StorylineSave", fs::path("input") / "storyline", {"storyline.stl"}, [](const fs::path&) {},
                    {"click", "NewSLBut", "click", "SaveSLBut"}, RunStorylineSave},
    };
}

// The files a clean run writes, in order.
std::vector<std::string> CleanRun(const TWriterCase& c)
{
    TempDir clean;
    c.PutInputs(clean.Path());
    c.Run(clean.Path());
    std::vector<std::string> contents;
    for (const std::string& name : c.Files) contents.push_back(ReadFileBytes(clean.Path() / c.Folder / name));
    return contents;
}

// Earlier files of the same names, which a failed run must not lose.
void PutOldFiles(const fs::path& folder, const std::vector<std::string>& names)
{
    fs::create_directories(folder);
    for (const std::string& name : names) WriteFileBytes(folder / name, "an earlier " + name + "\r\n");
}

// Files 1..k-1 are the run's complete new files; file k and the rest are the
// earlier files, byte for byte.
void ExpectNewBeforeAndOldFrom(const fs::path& folder, const std::vector<std::string>& names,
                               const std::vector<std::string>& fresh, std::size_t k)
{
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string expected = i + 1 < k ? fresh[i] : "an earlier " + names[i] + "\r\n";
        if (ReadFileBytes(folder / names[i]) != expected) {
            ADD_FAILURE() << names[i] << (i + 1 < k ? " is not the new file" : " lost its earlier content");
            return;
        }
    }
}

class WriterKilledAtItsKthFile : public ::testing::TestWithParam<TWriterCase> {};

// Killed (SIGKILL) in the middle of writing file k: the files before it are
// complete, file k and the rest keep their earlier content.
TEST_P(WriterKilledAtItsKthFile, LeavesEveryFileEitherCompleteOrAsItWas)
{
    const TWriterCase& c = GetParam();
    const std::vector<std::string> fresh = CleanRun(c);
    const TFailPoint at = FirstLargerFile(fresh);
    TempDir dir;
    c.PutInputs(dir.Path());
    PutOldFiles(dir.Path() / c.Folder, c.Files);

    const auto outcome = RunInChildUnderFileSizeLimit(at.Limit, TOverLimit::Killed, [&] { c.Run(dir.Path()); });
    EXPECT_EQ(outcome.Signal, SIGKILL) << outcome.Message;
    ExpectNewBeforeAndOldFrom(dir.Path() / c.Folder, c.Files, fresh, at.K);
    // A killed process cannot tidy up: at most the hidden file it was writing
    // stays beside the kept file.
    const auto hidden = HiddenEntries(dir.Path() / c.Folder);
    ASSERT_EQ(hidden.size(), 1u);
    EXPECT_EQ(hidden[0].rfind("." + c.Files[at.K - 1] + ".", 0), 0u) << hidden[0];
}

INSTANTIATE_TEST_SUITE_P(Writers, WriterKilledAtItsKthFile, ::testing::ValuesIn(WriterCases()),
                         [](const ::testing::TestParamInfo<TWriterCase>& info) { return std::string(info.param.Name); });

// tolvek-drive started in `dir` with a file-size limit and SIGXFSZ ignored
// (both kept across exec), so its k-th file gets EFBIG; its error output.
e2e::TDriveResult DriveUnderFileSizeLimit(const fs::path& dir, const std::vector<std::string>& steps, long long limit)
{
    int fds[2];
    if (::pipe(fds) != 0) return {};
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(fds[1], 2);
        const int devNull = ::open("/dev/null", O_WRONLY);
        ::dup2(devNull, 1);
        ::close(fds[0]);
        ::signal(SIGXFSZ, SIG_IGN);
        struct rlimit fileSize {};
        ::getrlimit(RLIMIT_FSIZE, &fileSize);
        fileSize.rlim_cur = static_cast<rlim_t>(limit);
        ::setrlimit(RLIMIT_FSIZE, &fileSize);
        std::vector<std::string> args = {TOLVEK_DRIVE, "--dir", dir.string()};
        args.insert(args.end(), steps.begin(), steps.end());
        std::vector<char*> argv;
        for (std::string& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        ::execv(TOLVEK_DRIVE, argv.data());
        ::_exit(127);
    }
    ::close(fds[1]);
    e2e::TDriveResult result;
    char buffer[4096];
    ssize_t n;
    while ((n = ::read(fds[0], buffer, sizeof buffer)) > 0) result.Err.append(buffer, static_cast<std::size_t>(n));
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    result.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

class WriterOnAFullDisk : public ::testing::TestWithParam<TWriterCase> {};

// The user clicks the button; file k cannot be written (EFBIG). The program
// says which file failed and how many were written before it, files before k
// are complete, file k and the rest are as they were, no temporary file stays.
TEST_P(WriterOnAFullDisk, NamesTheFailingFileCountsTheFilesBeforeItAndKeepsTheRest)
{
    const TWriterCase& c = GetParam();
    const std::vector<std::string> fresh = CleanRun(c);
    const TFailPoint at = FirstLargerFile(fresh);
    TempDir dir;
    c.PutInputs(dir.Path());
    PutOldFiles(dir.Path() / c.Folder, c.Files);

    const e2e::TDriveResult r = DriveUnderFileSizeLimit(dir.Path(), c.Steps, at.Limit);
    EXPECT_NE(r.Status, 0);
    std::string expected = "error: I/O error 27: cannot write \"" + (dir.Path() / c.Folder / c.Files[at.K - 1]).string() +
                           "\": File too large";
    if (c.Files.size() > 1)
        expected += "; " + std::to_string(at.K - 1) + " of " + std::to_string(c.Files.size()) +
                    " files were written before it";
    EXPECT_EQ(r.Err, expected + "\n");
    ExpectNewBeforeAndOldFrom(dir.Path() / c.Folder, c.Files, fresh, at.K);
    EXPECT_TRUE(HiddenEntries(dir.Path() / c.Folder).empty());
}

INSTANTIATE_TEST_SUITE_P(Writers, WriterOnAFullDisk, ::testing::ValuesIn(WriterCases()),
                         [](const ::testing::TestParamInfo<TWriterCase>& info) { return std::string(info.param.Name); });

}  // namespace
