#include "platform/rtl/Registry.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/RegistryIniFile.h"
#include "platform/rtl/StringList.h"
#include "tests/support/StringLines.h"
#include "tests/support/TempDir.h"

namespace {

using namespace rtl;
using testsupport::Lines;
using testsupport::ReadFileBytes;
using testsupport::TempDir;
using testsupport::WriteFileBytes;

class RegistryTest : public ::testing::Test {
protected:
    TempDir Dir;
    std::string FileName = Dir.File("config/registry");
    std::shared_ptr<TRegistryStore> Store = std::make_shared<TRegistryStore>(FileName);

    std::unique_ptr<TRegistry> Open(const std::string& key)
    {
        auto reg = std::make_unique<TRegistry>(Store);
        reg->SetRootKey(HKEY_CURRENT_USER);
        EXPECT_TRUE(reg->OpenKey(key, true));
        return reg;
    }
};

std::string MessageOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const ERegistryException& e) {
        return e.Message();
    }
    return "no error";
}

TEST_F(RegistryTest, EachValueKindRoundTripsWithItsKindAndSize)
{
    auto reg = Open("Software\\Tolvek\\Kinds");
    const unsigned char bytes[] = {0, 1, 0xFF, 0x7F, 0};
    reg->WriteString("Text", "Hőmérséklet \"idézve\"\\n");
    reg->WriteExpandString("Path", "%HOME%\\data");
    reg->WriteInteger("Negative", -123456);
    reg->WriteBool("Flag", true);
    reg->WriteFloat("Float", 0.1);
    reg->WriteDateTime("When", 45000.75);
    reg->WriteBinaryData("Blob", bytes, sizeof bytes);
    reg->WriteString("Empty", "");

    // Read back through a fresh store on the same file: the values went through the file.
    TRegistry other(std::make_shared<TRegistryStore>(FileName));
    ASSERT_TRUE(other.OpenKeyReadOnly("Software\\Tolvek\\Kinds"));
    EXPECT_EQ(other.ReadString("Text"), "Hőmérséklet \"idézve\"\\n");
    EXPECT_EQ(other.ReadString("Path"), "%HOME%\\data");
    EXPECT_EQ(other.ReadInteger("Negative"), -123456);
    EXPECT_TRUE(other.ReadBool("Flag"));
    EXPECT_EQ(other.ReadFloat("Float"), 0.1);
    EXPECT_EQ(other.ReadDateTime("When"), 45000.75);
    unsigned char back[8] = {};
    EXPECT_EQ(other.ReadBinaryData("Blob", back, sizeof back), 5);
    EXPECT_EQ(std::vector<unsigned char>(back, back + 5), std::vector<unsigned char>(bytes, bytes + 5));
    EXPECT_EQ(other.ReadString("Empty"), "");

    struct Case {
        const char* Name;
        TRegDataType Kind;
        int Size;
    };
    const Case cases[] = {{"Text", rdString, 27},  {"Path", rdExpandString, 12}, {"Negative", rdInteger, 4},
                          {"Flag", rdInteger, 4},  {"Float", rdBinary, 8},       {"Blob", rdBinary, 5},
                          {"Empty", rdString, 1},  {"Missing", rdUnknown, -1}};
    for (const Case& c : cases) {
        EXPECT_EQ(other.GetDataType(c.Name), c.Kind) << c.Name;
        EXPECT_EQ(other.GetDataSize(c.Name), c.Size) << c.Name;
    }
}

TEST_F(RegistryTest, ReadingAValueOfTheWrongKindRaisesInvalidDataType)
{
    auto reg = Open("Kinds");
    reg->WriteString("Text", "5");
    reg->WriteInteger("Number", 5);
    reg->WriteBinaryData("Short", "abc", 3);
    char buffer[4];
    struct Case {
        const char* What;
        std::function<void()> Read;
        const char* Message;
    };
    const Case cases[] = {
        {"integer of a string", [&] { reg->ReadInteger("Text"); }, "Invalid data type for 'Text'"},
        {"bool of a string", [&] { reg->ReadBool("Text"); }, "Invalid data type for 'Text'"},
        {"string of an integer", [&] { reg->ReadString("Number"); }, "Invalid data type for 'Number'"},
        {"float of an integer", [&] { reg->ReadFloat("Number"); }, "Invalid data type for 'Number'"},
        {"float of 3 bytes", [&] { reg->ReadFloat("Short"); }, "Invalid data type for 'Short'"},
        {"binary of a string", [&] { reg->ReadBinaryData("Text", buffer, 4); }, "Invalid data type for 'Text'"},
        {"missing integer", [&] { reg->ReadInteger("None"); }, "Failed to get data for 'None'"},
        {"missing date", [&] { reg->ReadDateTime("None"); }, "Failed to get data for 'None'"},
        {"binary into a small buffer", [&] { reg->ReadBinaryData("Short", buffer, 2); },
         "Failed to get data for 'Short'"},
    };
    for (const Case& c : cases) EXPECT_EQ(MessageOf(c.Read), c.Message) << c.What;
    EXPECT_EQ(reg->ReadString("None"), "");
    EXPECT_EQ(reg->ReadBinaryData("None", buffer, 4), 0);
}

TEST_F(RegistryTest, MissingKeysAreNotOpenedUnlessCreated)
{
    TRegistry reg(Store);
    EXPECT_FALSE(reg.KeyExists("Software\\Absent"));
    EXPECT_FALSE(reg.OpenKey("Software\\Absent", false));
    EXPECT_FALSE(reg.OpenKeyReadOnly("Software\\Absent"));
    EXPECT_FALSE(reg.HasCurrentKey());
    EXPECT_EQ(MessageOf([&] { reg.WriteInteger("X", 1); }), "Failed to set data for 'X'");
    EXPECT_FALSE(reg.KeyExists("Software\\Absent"));  // nothing was created on the way
    EXPECT_FALSE(reg.OpenKey("Bad\nName", true));
    EXPECT_EQ(MessageOf([&] { reg.CreateKey("Bad\rName"); }), "Failed to create key Bad\rName");

    ASSERT_TRUE(reg.OpenKey("\\Software\\Absent\\Deep", true));
    EXPECT_EQ(reg.CurrentPath(), "Software\\Absent\\Deep");
    EXPECT_TRUE(reg.KeyExists("\\SOFTWARE\\absent"));  // names compare without case
    // A relative path goes below the open key.
    ASSERT_TRUE(reg.OpenKey("Child", true));
    EXPECT_EQ(reg.CurrentPath(), "Software\\Absent\\Deep\\Child");
    EXPECT_FALSE(reg.DeleteKey("\\Software\\Nothing"));
    EXPECT_TRUE(reg.DeleteKey("\\Software\\Absent"));
    EXPECT_FALSE(reg.KeyExists("\\Software\\Absent\\Deep\\Child"));
    EXPECT_TRUE(reg.KeyExists("\\Software"));
}

TEST_F(RegistryTest, ReadOnlyKeysRefuseWrites)
{
    Open("Settings")->WriteInteger("Size", 3);
    TRegistry reader(Store, KEY_READ);
    ASSERT_TRUE(reader.OpenKey("Settings", false));
    EXPECT_EQ(MessageOf([&] { reader.WriteInteger("Size", 4); }), "Failed to set data for 'Size'");
    TRegistry other(Store);
    ASSERT_TRUE(other.OpenKeyReadOnly("Settings"));
    EXPECT_EQ(MessageOf([&] { other.WriteString("Size", "4"); }), "Failed to set data for 'Size'");
    EXPECT_FALSE(other.DeleteValue("Size"));
    EXPECT_EQ(other.ReadInteger("Size"), 3);
}

TEST_F(RegistryTest, KeysAndValuesAreListedAndDeleted)
{
    auto reg = Open("List");
    reg->WriteInteger("Zeta", 1);
    reg->WriteInteger("alpha", 2);
    reg->WriteInteger("ZETA", 3);  // same value, other case: replaced, not added
    reg->CreateKey("b");
    reg->CreateKey("A");
    TStringList names;
    reg->GetValueNames(names);
    EXPECT_EQ(Lines(names), (std::vector<std::string>{"Zeta", "alpha"}));
    reg->GetKeyNames(names);
    EXPECT_EQ(Lines(names), (std::vector<std::string>{"A", "b"}));
    EXPECT_TRUE(reg->HasSubKeys());
    EXPECT_EQ(reg->ReadInteger("zeta"), 3);
    EXPECT_TRUE(reg->DeleteValue("Zeta"));
    EXPECT_FALSE(reg->ValueExists("Zeta"));
    EXPECT_FALSE(reg->DeleteValue("Zeta"));
}

TEST_F(RegistryTest, RegistriesSharingAStoreSeeEachOthersWritesAtOnce)
{
    auto writer = Open("Shared");
    auto reader = Open("Shared");
    writer->WriteInteger("Count", 7);
    EXPECT_EQ(reader->ReadInteger("Count"), 7);
    writer->WriteInteger("Count", 8);
    EXPECT_EQ(reader->ReadInteger("Count"), 8);
}

TEST_F(RegistryTest, TheProgramStoreIsSharedAndLivesInTheConfiguredFile)
{
    const std::string previous = RegistryFileName();
    SetRegistryFileName(Dir.File("program/registry"));
    {
        TRegistry a, b;
        EXPECT_EQ(&a.Store(), &b.Store());
        ASSERT_TRUE(a.OpenKey("Software\\Tolvek", true));
        a.WriteString("Name", "x");
        ASSERT_TRUE(b.OpenKeyReadOnly("Software\\Tolvek"));
        EXPECT_EQ(b.ReadString("Name"), "x");
    }
    EXPECT_NE(ReadFileBytes(Dir.File("program/registry")).find("\"Name\"=\"x\""), std::string::npos);
    SetRegistryFileName(previous);
}

TEST_F(RegistryTest, StoresOnTheSameFilePersistAndFollowEachOther)
{
    auto first = std::make_shared<TRegistryStore>(FileName);
    auto second = std::make_shared<TRegistryStore>(FileName);
    TRegistry a(first), b(second);
    ASSERT_TRUE(a.OpenKey("Software\\Microsoft\\Office\\16.0\\Common", true));
    a.WriteInteger("UI Theme", 5);
    a.WriteString("Label", "line1\nline2");
    ASSERT_TRUE(b.OpenKey("Software\\Microsoft\\Office\\16.0\\Common", false));
    EXPECT_EQ(b.ReadInteger("UI Theme"), 5);
    b.WriteInteger("UI Theme", 2);
    EXPECT_EQ(a.ReadInteger("UI Theme"), 2);
    EXPECT_EQ(a.ReadString("Label"), "line1\nline2");

    EXPECT_EQ(ReadFileBytes(FileName),
              "; tolvek registry\n"
              "\n[HKEY_CURRENT_USER\\Software]\n"
              "\n[HKEY_CURRENT_USER\\Software\\Microsoft]\n"
              "\n[HKEY_CURRENT_USER\\Software\\Microsoft\\Office]\n"
              "\n[HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\16.0]\n"
              "\n[HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\16.0\\Common]\n"
              "\"UI Theme\"=dword:00000002\n"
              "\"Label\"=\"line1\\nline2\"\n");
}

TEST_F(RegistryTest, AnUnreadableFileNamesFileLineAndTextAndIsLeftAlone)
{
    const std::string text = "; tolvek registry\n[HKEY_CURRENT_USER\\A]\n\"X\"=dword:1\n\"Y\"=dword:zz\n";
    WriteFileBytes(FileName, text);
    TRegistry reg(std::make_shared<TRegistryStore>(FileName));
    EXPECT_EQ(MessageOf([&] { reg.OpenKey("A", false); }),
              "Registry file " + FileName + ", line 4: cannot read \"\"Y\"=dword:zz\"");
    EXPECT_EQ(MessageOf([&] { reg.OpenKey("B", true); }),
              "Registry file " + FileName + ", line 4: cannot read \"\"Y\"=dword:zz\"");
    EXPECT_EQ(ReadFileBytes(FileName), text);
}

TEST_F(RegistryTest, AValueWrittenInOneThreadWakesAWatcherInAnother)
{
    Open("Software\\Office\\Common")->WriteInteger("Theme", 1);
    TEvent stop(true, false);
    TEvent armed(true, false);
    std::atomic<int> outcome{-1};
    std::thread watcher([&] {
        TRegistry reg(Store, KEY_READ);
        ASSERT_TRUE(reg.OpenKeyReadOnly("Software\\Office"));
        TEvent change(true, false);
        ASSERT_TRUE(reg.NotifyChange(true, REG_NOTIFY_CHANGE_LAST_SET, change));
        armed.SetEvent();
        outcome = WaitForAnyEvent({&stop, &change});
    });
    ASSERT_EQ(armed.WaitFor(5000), TWaitResult::wrSignaled);
    Open("Software\\Office\\Common")->WriteInteger("Theme", 2);
    watcher.join();
    EXPECT_EQ(outcome, 1);
}

TEST_F(RegistryTest, WaitForChangeEndsOnTheStopEvent)
{
    Open("Watched");
    TEvent stop(true, false);
    std::atomic<int> result{-1};
    std::thread watcher([&] {
        TRegistry reg(Store, KEY_READ);
        ASSERT_TRUE(reg.OpenKeyReadOnly("Watched"));
        result = static_cast<int>(reg.WaitForChange(true, REG_NOTIFY_CHANGE_LAST_SET, stop));
    });
    stop.SetEvent();
    watcher.join();
    EXPECT_EQ(result, static_cast<int>(TRegChangeWait::Stopped));

    TRegistry reg(Store);
    ASSERT_TRUE(reg.OpenKey("Watched", false));
    stop.ResetEvent();
    EXPECT_EQ(reg.WaitForChange(true, REG_NOTIFY_CHANGE_LAST_SET, stop, 10), TRegChangeWait::TimedOut);
}

TEST_F(RegistryTest, WatchesFollowTheirFilterAndScope)
{
    auto top = Open("Top");
    Open("Top\\Sub");
    struct Case {
        const char* What;
        bool Subtree;
        unsigned Filter;
        std::function<void()> Change;
        bool Fires;
    };
    const Case cases[] = {
        {"value of the key", false, REG_NOTIFY_CHANGE_LAST_SET, [&] { top->WriteInteger("V", 1); }, true},
        {"value below, whole subtree", true, REG_NOTIFY_CHANGE_LAST_SET,
         [&] { Open("Top\\Sub")->WriteInteger("V", 1); }, true},
        {"value below, key only", false, REG_NOTIFY_CHANGE_LAST_SET,
         [&] { Open("Top\\Sub")->WriteInteger("V", 2); }, false},
        {"new subkey, values only", false, REG_NOTIFY_CHANGE_LAST_SET, [&] { top->CreateKey("New1"); }, false},
        {"new subkey, names", false, REG_NOTIFY_CHANGE_NAME, [&] { top->CreateKey("New2"); }, true},
        {"deleted value", false, REG_NOTIFY_CHANGE_LAST_SET, [&] { top->DeleteValue("V"); }, true},
        {"other key", true, 0xF, [&] { Open("Elsewhere")->WriteInteger("V", 1); }, false},
    };
    for (const Case& c : cases) {
        TEvent event(true, false);
        TRegistry watcher(Store, KEY_READ);
        ASSERT_TRUE(watcher.OpenKeyReadOnly("Top"));
        ASSERT_TRUE(watcher.NotifyChange(c.Subtree, c.Filter, event));
        c.Change();
        EXPECT_EQ(event.IsSet(), c.Fires) << c.What;
        Store->CancelNotify(event);
    }
}

TEST_F(RegistryTest, IniStyleAccessKeepsSectionsAsSubkeys)
{
    TRegistryIniFile ini(Store, "Software\\Grid\\Columns");
    ini.WriteInteger("Layout", "Col0", 64);
    ini.WriteString("Layout", "Name", "12");
    ini.WriteInteger("Layout", "Name", 13);  // an existing string stays a string
    EXPECT_EQ(ini.ReadInteger("Layout", "Col0", -1), 64);
    EXPECT_EQ(ini.ReadInteger("Layout", "Name", -1), 13);
    EXPECT_EQ(ini.ReadInteger("Layout", "Col9", -1), -1);
    EXPECT_EQ(ini.ReadInteger("Other", "Col0", -1), -1);
    EXPECT_EQ(ini.ReadString("Layout", "Col0", ""), "64");

    TRegistry reg(Store);
    ASSERT_TRUE(reg.OpenKeyReadOnly("Software\\Grid\\Columns\\Layout"));
    EXPECT_EQ(reg.GetDataType("Col0"), rdInteger);
    EXPECT_EQ(reg.GetDataType("Name"), rdString);

    TStringList lines;
    ini.ReadSectionValues("Layout", lines);
    EXPECT_EQ(Lines(lines), (std::vector<std::string>{"Col0=64", "Name=13"}));
    ini.ReadSections(lines);
    EXPECT_EQ(Lines(lines), (std::vector<std::string>{"Layout"}));
    ini.EraseSection("Layout");
    EXPECT_FALSE(ini.SectionExists("Layout"));
}

TEST(WaitEvent, AutomaticResetEventsWakeOneWaitEach)
{
    TEvent event(false, true);
    EXPECT_EQ(event.WaitFor(0), TWaitResult::wrSignaled);
    EXPECT_EQ(event.WaitFor(0), TWaitResult::wrTimeout);
    TEvent manual(true, true);
    EXPECT_EQ(manual.WaitFor(0), TWaitResult::wrSignaled);
    EXPECT_EQ(manual.WaitFor(0), TWaitResult::wrSignaled);
    TEvent a, b(true, true);
    EXPECT_EQ(WaitForAnyEvent({&a, &b}, 0), 1);
    b.ResetEvent();
    EXPECT_EQ(WaitForAnyEvent({&a, &b}, 5), -1);
}

}  // namespace
