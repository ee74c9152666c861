#include "platform/rtl/TextFile.h"

#include <gtest/gtest.h>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "platform/rtl/Exceptions.h"
#include "tests/support/FileSizeLimitChild.h"
#include "tests/support/TempDir.h"

namespace {

using namespace rtl;
using testsupport::ReadFileBytes;
using testsupport::TempDir;
using testsupport::WriteFileBytes;

// The lines a read-then-test loop sees: read a line, keep it, stop at Eof.
std::vector<std::string> ReadThenTest(const std::string& fileName)
{
    TTextFile f;
    AssignFile(f, fileName);
    Reset(f);
    std::vector<std::string> lines;
    do {
        lines.push_back(ReadLn(f));
    } while (!Eof(f));
    CloseFile(f);
    return lines;
}

// The lines a test-then-read loop sees: while not Eof, read a line.
std::vector<std::string> TestThenRead(const std::string& fileName)
{
    TTextFile f(fileName);
    f.Reset();
    std::vector<std::string> lines;
    while (!f.Eof())
        lines.push_back(f.ReadLn());
    f.Close();
    return lines;
}

TEST(TextFile, HungarianTextLandsAsWindows1250BytesAndReadsBackUnchanged)
{
    TempDir dir;
    const std::string name = dir.File("crops.txt");
    TTextFile f(name);
    f.Rewrite();
    f.WriteLn("Őszi búza");
    f.Write("°C");
    f.WriteLn();
    f.Close();

    EXPECT_EQ(ReadFileBytes(name), "\xD5szi b\xFAza\r\n\xB0" "C\r\n");
    EXPECT_EQ(TestThenRead(name), (std::vector<std::string>{"Őszi búza", "°C"}));
}

TEST(TextFile, ReadsATableSavedByAWindowsProgram)
{
    const std::string name = (testsupport::TestDataDir() / "rtl" / "harvest-1250.csv").string();
    EXPECT_EQ(ReadThenTest(name), (std::vector<std::string>{"cell;crop;yield", "0001;őszi búza;5,2",
                                                            "0002;napraforgó;2,9", "0003;Árpa °C;4,1"}));
}

TEST(TextFile, FilesWithAndWithoutFinalLineBreakReadTheSameLines)
{
    TempDir dir;
    const std::vector<std::string> expected = {"id;soil", "1;loam", "", "2;sand"};
    const char* variants[] = {
        "id;soil\r\n1;loam\r\n\r\n2;sand\r\n",
        "id;soil\r\n1;loam\r\n\r\n2;sand",
        "id;soil\n1;loam\n\n2;sand\n",
        "id;soil\n1;loam\r\n\n2;sand",
    };
    int n = 0;
    for (const char* bytes : variants) {
        const std::string name = dir.File("t" + std::to_string(n++) + ".csv");
        WriteFileBytes(name, bytes);
        EXPECT_EQ(ReadThenTest(name), expected) << bytes;
        EXPECT_EQ(TestThenRead(name), expected) << bytes;
    }
}

// Only LF (with an optional CR before it) ends a line. A CR on its own is
// text and stays in the line rather than cutting off what follows it.
TEST(TextFile, LoneCarriageReturnStaysInTheLineWithoutLosingText)
{
    TempDir dir;
    const std::string name = dir.File("cr.txt");
    WriteFileBytes(name, "a\rb;c\r\nnext\n");
    EXPECT_EQ(TestThenRead(name), (std::vector<std::string>{"a\rb;c", "next"}));
}

TEST(TextFile, EofTurnsTrueRightAfterTheLastLine)
{
    TempDir dir;
    const std::string name = dir.File("a.txt");
    WriteFileBytes(name, "one\r\ntwo\r\n");
    TTextFile f(name);
    f.Reset();
    EXPECT_FALSE(f.Eof());
    EXPECT_EQ(f.ReadLn(), "one");
    EXPECT_FALSE(f.Eof());
    EXPECT_EQ(f.ReadLn(), "two");
    EXPECT_TRUE(f.Eof());
    // Reading past the end gives empty lines, without an error.
    EXPECT_EQ(f.ReadLn(), "");
    EXPECT_EQ(f.ReadLn(), "");
    EXPECT_TRUE(f.Eof());
    std::string line = "stale";
    EXPECT_FALSE(f.ReadLn(line));
    EXPECT_EQ(line, "");
}

TEST(TextFile, EmptyFileIsAtEofAtOnce)
{
    TempDir dir;
    const std::string name = dir.File("empty.txt");
    WriteFileBytes(name, "");
    EXPECT_TRUE(TestThenRead(name).empty());
}

TEST(TextFile, LinesLongerThanTheBufferAndBreaksAcrossBlocksReadWhole)
{
    TempDir dir;
    const std::string name = dir.File("long.txt");
    // The CR of the first CR LF is the last byte of the first read block.
    const std::string first(256 * 1024 - 1, 'x');
    const std::string second(600 * 1024, 'y');
    WriteFileBytes(name, first + "\r\n" + second + "\r\nend");
    EXPECT_EQ(TestThenRead(name), (std::vector<std::string>{first, second, "end"}));
}

TEST(TextFile, AppendAddsToTheEndOfAnExistingFile)
{
    TempDir dir;
    const std::string name = dir.File("log.txt");
    WriteFileBytes(name, "first\r\n");
    TTextFile f(name);
    f.Append();
    f.WriteLn("második");
    f.Close();
    EXPECT_EQ(ReadFileBytes(name), "first\r\nm\xE1sodik\r\n");
}

TEST(TextFile, RewriteEmptiesAnExistingFile)
{
    TempDir dir;
    const std::string name = dir.File("out.txt");
    WriteFileBytes(name, "old content that is longer\r\n");
    TTextFile f(name);
    f.Rewrite();
    f.WriteLn("new");
    f.Close();
    EXPECT_EQ(ReadFileBytes(name), "new\r\n");
}

TEST(TextFile, LargeOutputIsWrittenCompletely)
{
    TempDir dir;
    const std::string name = dir.File("big.txt");
    {
        TTextFile f(name);
        f.Rewrite();
        for (int i = 0; i < 100000; ++i)
            f.WriteLn("line " + std::to_string(i) + " ő");
        // No Close: the destructor flushes and closes.
    }
    const std::vector<std::string> lines = TestThenRead(name);
    ASSERT_EQ(lines.size(), 100000u);
    EXPECT_EQ(lines[99999], "line 99999 ő");
}

TEST(TextFile, NamesGoThroughThePathMapping)
{
    TempDir dir;
    testsupport::CurrentDirScope cwd(dir.Path());
    WriteFileBytes(dir.Path() / "Input" / "Soil.CSV", "a\r\n");
    TTextFile f("input\\soil.csv");
    f.Reset();
    EXPECT_EQ(f.ReadLn(), "a");
}

// Expects `action` to raise EInOutError with `code` and a message containing `part`.
template <typename Action>
void ExpectInOutError(Action action, int code, const std::string& part)
{
    try {
        action();
        FAIL() << "no EInOutError";
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.ErrorCode, code) << e.Message();
        EXPECT_NE(e.Message().find(part), std::string::npos) << e.Message();
    }
}

TEST(TextFile, FailuresRaiseInOutErrorNamingFileAndReason)
{
    TempDir dir;
    const std::string missing = dir.File("missing.txt");
    TTextFile f(missing);
    ExpectInOutError([&] { f.Reset(); }, ENOENT, "missing.txt");
    ExpectInOutError([&] { f.Reset(); }, ENOENT, "\"" + missing + "\" not found");
    ExpectInOutError([&] { f.Append(); }, ENOENT, "missing.txt");

    TTextFile noFolder(dir.File("no/such/folder/out.txt"));
    ExpectInOutError([&] { noFolder.Rewrite(); }, ENOENT, "out.txt");

    ExpectInOutError([&] { f.ReadLn(); }, 103, "File not open");

    const std::string name = dir.File("x.txt");
    TTextFile out(name);
    out.Rewrite();
    ExpectInOutError([&] { out.ReadLn(); }, 104, "File not open for input");
    ExpectInOutError([&] { out.Eof(); }, 104, "x.txt");
    out.Close();
    out.Close();  // closing twice is harmless
    TTextFile in(name);
    in.Reset();
    ExpectInOutError([&] { in.WriteLn("x"); }, 105, "File not open for output");
}

// Big outputs are written by a second thread while the next lines are
// formatted; a write that fails there must still be raised, once, naming the
// file, and the old file must stay as it was whether the failure comes with a
// full buffer in the middle or with the last bytes at Close.
TEST(TextFile, AFailedWriteOfABigOutputIsRaisedOnceAndKeepsTheOldFile)
{
    constexpr int Lines = 100000;
    const std::string line = "0123456789;0123456789 ő";
    const long long total = static_cast<long long>(Lines) * static_cast<long long>(line.size() + 1);
    for (const long long limit : {100'000LL, 1'000'000LL, total - 10}) {
        SCOPED_TRACE(limit);
        TempDir dir;
        const std::string name = dir.File("table.csv");
        WriteFileBytes(name, "old\r\n");
        const auto outcome = testsupport::RunInChildUnderFileSizeLimit(
            limit, testsupport::TOverLimit::WriteFails, [&] {
                TTextFile f(name);
                f.Rewrite();
                try {
                    for (int i = 0; i < Lines; ++i) f.WriteLn(line);
                    f.Close();
                } catch (const EInOutError&) {
                    try {
                        f.Close();
                    } catch (...) {
                        throw std::runtime_error("the failure was raised twice");
                    }
                    throw;
                }
            });
        EXPECT_EQ(outcome.ExitCode, 1);
        EXPECT_NE(outcome.Message.find("table.csv"), std::string::npos) << outcome.Message;
        EXPECT_NE(outcome.Message.find("File too large"), std::string::npos) << outcome.Message;
        EXPECT_EQ(ReadFileBytes(name), "old\r\n");
        EXPECT_TRUE(testsupport::HiddenEntries(dir.Path()).empty());
    }
}

TEST(TextFile, AFailedAppendOfABigOutputIsRaised)
{
    TempDir dir;
    const std::string name = dir.File("log.txt");
    WriteFileBytes(name, "first\r\n");
    const auto outcome = testsupport::RunInChildUnderFileSizeLimit(
        600'000, testsupport::TOverLimit::WriteFails, [&] {
            TTextFile f(name);
            f.Append();
            for (int i = 0; i < 100000; ++i) f.WriteLn("appended line " + std::to_string(i));
            f.Close();
        });
    EXPECT_EQ(outcome.ExitCode, 1);
    EXPECT_NE(outcome.Message.find("log.txt"), std::string::npos) << outcome.Message;
    EXPECT_EQ(ReadFileBytes(name).rfind("first\r\nappended line 0\r\n", 0), 0u);
}

TEST(TextFile, FolderIsNoTextFile)
{
    TempDir dir;
    TTextFile f(dir.Path().string());
    ExpectInOutError([&] { f.Reset(); }, EISDIR, "\"" + dir.Path().string() + "\" is a folder, not a file");
}

TEST(TextFile, UnreadableFileRaisesInOutError)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root reads every file";
    TempDir dir;
    const std::string name = dir.File("locked.txt");
    WriteFileBytes(name, "x");
    ::chmod(name.c_str(), 0);
    TTextFile f(name);
    ExpectInOutError([&] { f.Reset(); }, EACCES, "\"" + name + "\" cannot be read: Permission denied");
}

}  // namespace
