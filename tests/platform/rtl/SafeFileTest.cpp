// Tests of writing files through a temporary file: the old file survives every failure.
#include "platform/rtl/SafeFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/IniFiles.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/TextFile.h"
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

TEST(SafeFile, TheOldFileStaysUntilCommitThenTheNewOneReplacesItWhole)
{
    TempDir dir;
    const std::string name = dir.File("10km0001.soi");
    WriteFileBytes(name, "old content\r\n");

    rtl::TSafeFileWriter writer(name);
    writer.Write("new content, ");
    writer.Write("written in two parts\r\n");
    EXPECT_EQ(ReadFileBytes(name), "old content\r\n");
    // The bytes wait in a hidden file of the same folder (a rename within
    // one file system is atomic).
    const auto hidden = HiddenEntries(dir.Path());
    ASSERT_EQ(hidden.size(), 1u);
    EXPECT_EQ(hidden[0].rfind(".10km0001.soi.", 0), 0u) << hidden[0];
    EXPECT_EQ(fs::path(writer.TempName()).parent_path(), dir.Path());

    writer.Commit();
    EXPECT_EQ(ReadFileBytes(name), "new content, written in two parts\r\n");
    EXPECT_TRUE(HiddenEntries(dir.Path()).empty());
}

TEST(SafeFile, AWriterDroppedBeforeCommitKeepsTheOldFileAndLeavesNoTemporaryFile)
{
    TempDir dir;
    const std::string kept = dir.File("kept.ini");
    WriteFileBytes(kept, "old\r\n");
    {
        rtl::TSafeFileWriter writer(kept);
        writer.Write("half a fi");
    }
    EXPECT_EQ(ReadFileBytes(kept), "old\r\n");
    {
        rtl::TSafeFileWriter writer(dir.File("new.ini"));
        writer.Write("never completed");
        writer.Discard();
    }
    EXPECT_FALSE(fs::exists(dir.File("new.ini")));
    EXPECT_TRUE(HiddenEntries(dir.Path()).empty());
}

// A text file or file stream left unfinished by an exception keeps the old
// file; one that ends normally puts its content in place.
TEST(SafeFile, WritersUnwoundByAnExceptionKeepTheOldFile)
{
    TempDir dir;
    const std::string text = dir.File("a.txt");
    const std::string stream = dir.File("b.bin");
    WriteFileBytes(text, "old a");
    WriteFileBytes(stream, "old b");
    try {
        rtl::TTextFile f(text);
        f.Rewrite();
        f.WriteLn("partial");
        rtl::TFileStream s(stream, rtl::fmCreate);
        s.WriteBuffer("partial", 7);
        throw rtl::Exception("stopped half-way");
    } catch (const rtl::Exception&) {
    }
    EXPECT_EQ(ReadFileBytes(text), "old a");
    EXPECT_EQ(ReadFileBytes(stream), "old b");
    EXPECT_TRUE(HiddenEntries(dir.Path()).empty());

    {
        rtl::TTextFile f(text);
        f.Rewrite();
        f.WriteLn("complete");
        rtl::TFileStream s(stream, rtl::fmCreate);
        s.WriteBuffer("complete", 8);
    }
    EXPECT_EQ(ReadFileBytes(text), "complete\r\n");
    EXPECT_EQ(ReadFileBytes(stream), "complete");
}

TEST(SafeFile, TheNewFileKeepsThePermissionsAndALinkStaysALink)
{
    TempDir dir;
    const std::string name = dir.File("settings.ini");
    WriteFileBytes(name, "old");
    ::chmod(name.c_str(), 0640);
    rtl::SaveFileSafely(name, "new");
    struct stat st {};
    ASSERT_EQ(::stat(name.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);

    fs::create_directory(dir.Path() / "real");
    WriteFileBytes(dir.File("real/target.csv"), "old");
    fs::create_symlink(dir.Path() / "real" / "target.csv", dir.Path() / "link.csv");
    rtl::SaveFileSafely(dir.File("link.csv"), "through the link");
    EXPECT_TRUE(fs::is_symlink(dir.Path() / "link.csv"));
    EXPECT_EQ(ReadFileBytes(dir.File("real/target.csv")), "through the link");
}

// A name written under another case replaces the file that is there, with no second file
// beside it; a new name keeps its own case in the folder found.
TEST(SafeFile, ANameUnderAnotherCaseReplacesTheFileThere)
{
    TempDir dir;
    WriteFileBytes(dir.File("Data/Site.INI"), "old");
    rtl::SaveFileSafely(dir.File("data/site.ini"), "new");
    rtl::SaveFileSafely(dir.Path().string() + "\\DATA\\Other.ini", "other");
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir.Path() / "Data")) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Other.ini", "Site.INI"}));
    EXPECT_EQ(ReadFileBytes(dir.File("Data/Site.INI")), "new");
    EXPECT_EQ(ReadFileBytes(dir.File("Data/Other.ini")), "other");
    EXPECT_FALSE(fs::exists(dir.Path() / "data"));
}

TEST(SafeFile, AMissingFolderIsReportedNamingTheFile)
{
    TempDir dir;
    const std::string name = dir.File("no/such/folder/1.ini");
    try {
        rtl::SaveFileSafely(name, "x");
        FAIL() << "no error";
    } catch (const rtl::EInOutError& e) {
        EXPECT_EQ(e.Message(), "I/O error 2: cannot create \"" + name + "\": No such file or directory");
    }
}

// Every writer of the runtime layer, made to fail for real: a child process
// whose file-size limit is below the new content gets EFBIG on its write.
struct TWriterCase {
    const char* Name;
    std::function<void(const std::string& fileName, const std::string& content)> Save;
    const char* MessageStart;  // before the quoted file name
};

class RuntimeWriterUnderFullDisk : public ::testing::TestWithParam<TWriterCase> {};

TEST_P(RuntimeWriterUnderFullDisk, ReportsTheFileAndKeepsTheOldOneWithoutTemporaryFile)
{
    TempDir dir;
    const std::string name = dir.File("out.txt");
    const std::string old = "[S]\r\nold=1\r\n";
    WriteFileBytes(name, old);
    const std::string content(3000, 'x');

    const auto outcome = RunInChildUnderFileSizeLimit(1000, TOverLimit::WriteFails,
                                                      [&] { GetParam().Save(name, content); });
    ASSERT_TRUE(outcome.Exited);
    EXPECT_EQ(outcome.ExitCode, 1);
    EXPECT_EQ(outcome.Message.rfind(GetParam().MessageStart + ("\"" + name + "\""), 0), 0u) << outcome.Message;
    EXPECT_NE(outcome.Message.find("File too large"), std::string::npos) << outcome.Message;
    EXPECT_EQ(ReadFileBytes(name), old);
    EXPECT_TRUE(HiddenEntries(dir.Path()).empty());

    // Without the limit the same writer replaces the file.
    GetParam().Save(name, "short");
    EXPECT_NE(ReadFileBytes(name), old);
}

INSTANTIATE_TEST_SUITE_P(
    AllWriters, RuntimeWriterUnderFullDisk,
    ::testing::Values(
        TWriterCase{"SafeFileWriter", [](const std::string& f, const std::string& c) { rtl::SaveFileSafely(f, c); },
                    "I/O error 27: cannot write "},
        TWriterCase{"TextFile",
                    [](const std::string& f, const std::string& c) {
                        rtl::TTextFile file(f);
                        file.Rewrite();
                        for (std::size_t i = 0; i < c.size(); i += 100) file.WriteLn(c.substr(i, 100));
                        file.Close();
                    },
                    "I/O error 27: cannot write "},
        TWriterCase{"FileStream",
                    [](const std::string& f, const std::string& c) {
                        rtl::TFileStream file(f, rtl::fmCreate);
                        for (std::size_t i = 0; i < c.size(); i += 100)
                            file.WriteBuffer(c.data() + i, static_cast<long long>(std::min<std::size_t>(100, c.size() - i)));
                        file.Commit();
                    },
                    "I/O error 27: cannot write "},
        TWriterCase{"StringList",
                    [](const std::string& f, const std::string& c) {
                        rtl::TStringList lines;
                        lines.Add(c);
                        lines.SaveToFile(f);
                    },
                    "I/O error 27: cannot write "},
        TWriterCase{"IniFile",
                    [](const std::string& f, const std::string& c) {
                        rtl::TIniFile ini(f);
                        ini.WriteString("S", "new", c);
                    },
                    "Unable to write to "}),
    [](const ::testing::TestParamInfo<TWriterCase>& info) { return std::string(info.param.Name); });

// The temporary name carries the id of the process that writes: a child forked after its
// parent wrote names its own temporary files, so the two never take each other's.
TEST(SafeFile, ATemporaryNameCarriesTheIdOfTheProcessWriting)
{
    TempDir dir;
    const std::string name = dir.File("site.ini");
    auto pidIn = [](const std::string& temp) {
        const std::size_t dot = temp.find(".ini.");
        return temp.substr(dot + 5, temp.find('-', dot) - dot - 5);
    };
    rtl::TSafeFileWriter parent(name);
    EXPECT_EQ(pidIn(parent.TempName()), std::to_string(::getpid()));
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        rtl::TSafeFileWriter writer(name);
        ::_exit(pidIn(writer.TempName()) == std::to_string(::getpid()) ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

// A process killed in the middle of a write leaves the old file whole.
TEST(SafeFile, AProcessKilledMidWriteLeavesTheOldFileWhole)
{
    TempDir dir;
    const std::string name = dir.File("kept.txt");
    WriteFileBytes(name, "old, complete\r\n");
    const auto outcome = RunInChildUnderFileSizeLimit(500, TOverLimit::Killed, [&] {
        rtl::TTextFile file(name);
        file.Rewrite();
        file.Write(std::string(2000, 'y'));
        file.Close();
    });
    EXPECT_EQ(outcome.Signal, SIGKILL);
    EXPECT_EQ(ReadFileBytes(name), "old, complete\r\n");
}

}  // namespace
