#include "platform/rtl/Paths.h"
#include "platform/rtl/TextFile.h"

#include <gtest/gtest.h>

#include "tests/support/TempDir.h"

namespace {

using namespace rtl;
using testsupport::CurrentDirScope;
using testsupport::ReadFileBytes;
using testsupport::TempDir;
using testsupport::WriteFileBytes;

TEST(Paths, MapPathTurnsBackslashesAndDrivesIntoFoldersBelowTheCurrentDirectory)
{
    TempDir dir;
    CurrentDirScope cwd(dir.Path());
    struct Case { std::string in, out; };
    const Case cases[] = {
        {"input\\storyline\\a.stl", "input/storyline/a.stl"},
        {"e:\\data\\soil.csv", "drives/e/data/soil.csv"},
        {"C:/x.txt", "drives/c/x.txt"},
        {"D:\\", "drives/d"},
        {"d:", "drives/d"},
        {"/abs/path", "/abs/path"},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MapPath(c.in), c.out) << c.in;
}

TEST(Paths, FilesUnderAnotherCaseAreFoundComponentByComponent)
{
    TempDir dir;
    CurrentDirScope cwd(dir.Path());
    WriteFileBytes(dir.Path() / "Input" / "Initialization" / "Grid" / "0001.INI", "x");
    WriteFileBytes(dir.Path() / "drives" / "e" / "Adat" / "Őszi.txt", "y");
    EXPECT_EQ(MapPath("input\\initialization\\grid\\0001.ini"), "Input/Initialization/Grid/0001.INI");
    // Folders named exactly, only the file under another case; and a ".." at the end.
    EXPECT_EQ(MapPath("Input\\Initialization\\Grid\\0001.ini"), "Input/Initialization/Grid/0001.INI");
    EXPECT_EQ(MapPath("input\\initialization\\.."), "Input/Initialization/..");
    EXPECT_TRUE(FileExists("INPUT\\INITIALIZATION\\GRID\\0001.ini"));
    EXPECT_TRUE(FileExists("E:\\ADAT\\ŐSZI.TXT"));
    EXPECT_TRUE(DirectoryExists("input\\initialization\\"));
    // A new file keeps its given name inside the folder found.
    EXPECT_EQ(MapPath("INPUT\\new.txt"), "Input/new.txt");
    EXPECT_EQ(MapPath("missing\\Sub\\f.txt"), "missing/Sub/f.txt");
    // The absolute form works too.
    EXPECT_EQ(MapPath(dir.Path().string() + "\\INPUT"), dir.Path().string() + "/Input");
}

TEST(Paths, FileAndDirectoryTests)
{
    TempDir dir;
    CurrentDirScope cwd(dir.Path());
    WriteFileBytes(dir.Path() / "f.txt", "x");
    EXPECT_TRUE(FileExists("f.txt"));
    EXPECT_FALSE(FileExists("."));
    EXPECT_FALSE(FileExists(""));
    EXPECT_FALSE(DirectoryExists("f.txt"));
    EXPECT_TRUE(DirectoryExists(GetCurrentDir()));

    EXPECT_TRUE(ForceDirectories("a\\b\\c\\"));
    EXPECT_TRUE(DirectoryExists("a/b/c"));
    EXPECT_TRUE(ForceDirectories("A\\B\\d"));  // reuses the existing folders
    EXPECT_TRUE(DirectoryExists("a/b/d"));
    EXPECT_FALSE(ForceDirectories("f.txt\\sub"));

    EXPECT_TRUE(RenameFile("f.txt", "g.txt"));
    WriteFileBytes(dir.Path() / "h.txt", "keep");
    EXPECT_FALSE(RenameFile("g.txt", "h.txt"));  // never replaces another file
    EXPECT_EQ(ReadFileBytes(dir.Path() / "h.txt"), "keep");
    EXPECT_TRUE(DeleteFile("G.TXT"));
    EXPECT_FALSE(DeleteFile("g.txt"));
    EXPECT_FALSE(DeleteFile("a"));

    EXPECT_TRUE(SetCurrentDir("a\\B"));
    EXPECT_EQ(GetCurrentDir(), (dir.Path() / "a" / "b").string());
}

TEST(Paths, NamePartsHandleBothDelimitersAndDrives)
{
    struct Case { std::string name, fileName, path, dir, ext; };
    const Case cases[] = {
        {"e:\\data\\soil.csv", "soil.csv", "e:\\data\\", "e:\\data", ".csv"},
        {"input/a.b/c", "c", "input/a.b/", "input/a.b", ""},
        {"c:\\x.txt", "x.txt", "c:\\", "c:\\", ".txt"},
        {"\\root.ini", "root.ini", "\\", "\\", ".ini"},
        {"plain", "plain", "", "", ""},
        {"archive.tar.gz", "archive.tar.gz", "", "", ".gz"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ExtractFileName(c.name), c.fileName) << c.name;
        EXPECT_EQ(ExtractFilePath(c.name), c.path) << c.name;
        EXPECT_EQ(ExtractFileDir(c.name), c.dir) << c.name;
        EXPECT_EQ(ExtractFileExt(c.name), c.ext) << c.name;
    }
    EXPECT_EQ(ChangeFileExt("storyline\\plan", ".stl"), "storyline\\plan.stl");
    EXPECT_EQ(ChangeFileExt("a.b\\c.txt", ".csv"), "a.b\\c.csv");
    EXPECT_EQ(ChangeFileExt("x.txt", ""), "x");
    EXPECT_EQ(IncludeTrailingPathDelimiter("a"), "a/");
    EXPECT_EQ(IncludeTrailingPathDelimiter("a\\"), "a\\");
    EXPECT_EQ(ExcludeTrailingPathDelimiter("a/"), "a");
}

TEST(Paths, MasksMatchWithoutRegardToCase)
{
    struct Case { std::string name, mask; bool match; };
    const Case cases[] = {
        {"0001.ini", "*.ini", true},
        {"0001.INI", "*.ini", true},
        {"0001.ini", "00??.ini", true},
        {"0001.ini", "0?.ini", false},
        {"readme", "*.*", true},
        {"a.stl.bak", "*.stl", false},
        {"Őszi.txt", "ő*", true},
        {"abc", "a*b*c", true},
        {"ac", "a*b*c", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MatchesMask(c.name, c.mask), c.match) << c.name << " " << c.mask;
}

TEST(Paths, FindFilesListsMatchingNamesSorted)
{
    TempDir dir;
    CurrentDirScope cwd(dir.Path());
    for (const char* name : {"b.stl", "A.stl", "c.STL", "notes.txt", "a.stl.bak"})
        WriteFileBytes(dir.Path() / "Input" / "StoryLine" / name, "x");
    std::filesystem::create_directory(dir.Path() / "Input" / "StoryLine" / "old.stl");
    EXPECT_EQ(FindFiles("input\\storyline\\*.stl"), (std::vector<std::string>{"A.stl", "b.stl", "c.STL"}));
    EXPECT_EQ(FindFiles("input\\storyline\\*", TFindKind::fkDirectories), (std::vector<std::string>{"old.stl"}));
    EXPECT_EQ(FindFiles("input\\storyline\\").size(), 5u);
    EXPECT_TRUE(FindFiles("nowhere\\*.stl").empty());
}

}  // namespace

namespace {

// The folder index behind the case-free lookup must follow the disk: files
// created by this process, by another route, renamed or deleted.
TEST(Paths, CaseFreeLookupFollowsFilesCreatedAndRemovedBetweenLookups)
{
    testsupport::TempDir dir;
    testsupport::CurrentDirScope scope(dir.Path());
    rtl::ForceDirectories("out");
    EXPECT_EQ(rtl::MapPath("OUT\\a.txt"), "out/a.txt");

    rtl::TTextFile created;
    created.Assign("out\\Report.TXT");
    created.Rewrite();
    created.WriteLn("x");
    created.Close();
    EXPECT_EQ(rtl::MapPath("out\\report.txt"), "out/Report.TXT");

    // Made behind the runtime's back: the folder's time changed, so it is seen.
    testsupport::WriteFileBytes(dir.Path() / "out" / "Other.csv", "y");
    EXPECT_EQ(rtl::MapPath("out\\OTHER.CSV"), "out/Other.csv");

    ASSERT_TRUE(rtl::DeleteFile("out\\report.txt"));
    EXPECT_EQ(rtl::MapPath("out\\report.txt"), "out/report.txt");
}

}  // namespace
