#include "platform/rtl/StringList.h"

#include <gtest/gtest.h>
#include <vector>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Streams.h"
#include "tests/support/StringLines.h"
#include "tests/support/TempDir.h"

namespace {

using namespace rtl;
using testsupport::Lines;
using testsupport::ReadFileBytes;
using testsupport::TempDir;
using testsupport::WriteFileBytes;

template <typename Action>
void ExpectStringListError(Action action, const std::string& message)
{
    try {
        action();
        FAIL() << "no EStringListError";
    } catch (const EStringListError& e) {
        EXPECT_EQ(e.Message(), message);
    }
}

// Counts its own deletions, to check object ownership.
struct Counted : TObject {
    explicit Counted(int* deleted) : FDeleted(deleted) {}
    ~Counted() override { ++*FDeleted; }
    int* FDeleted;
};

TEST(StringList, AddInsertDeleteAndIndexErrors)
{
    TStringList list;
    EXPECT_EQ(list.Add("b"), 0);
    EXPECT_EQ(list.Add("c"), 1);
    list.Insert(0, "a");
    list.Insert(3, "d");
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"a", "b", "c", "d"}));
    list.Delete(1);
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"a", "c", "d"}));
    EXPECT_EQ(list.IndexOf("C"), 1);  // without regard to case by default
    EXPECT_EQ(list.IndexOf("x"), -1);
    list.SetStrings(0, "A");
    EXPECT_EQ(list[0], "A");

    ExpectStringListError([&] { list.Get(3); }, "List index out of bounds (3)");
    ExpectStringListError([&] { list.Delete(-1); }, "List index out of bounds (-1)");
    ExpectStringListError([&] { list.Insert(5, "x"); }, "List index out of bounds (5)");
    ExpectStringListError([&] { list.SetObjects(7, nullptr); }, "List index out of bounds (7)");
}

TEST(StringList, SortedListsKeepOrderAndApplyTheDuplicatesRule)
{
    TStringList list;
    list.SetSorted(true);
    for (const char* s : {"zab", "árpa", "Bab", "alma", "bab"})
        list.Add(s);
    // Without regard to case, "bab" is a duplicate of "Bab" and is ignored.
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"alma", "árpa", "Bab", "zab"}));
    EXPECT_EQ(list.Add("BAB"), 2);  // dupIgnore answers the existing index

    list.SetDuplicates(dupError);
    ExpectStringListError([&] { list.Add("ALMA"); }, "String list does not allow duplicates");

    list.SetDuplicates(dupAccept);
    list.Add("bab");
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"alma", "árpa", "Bab", "bab", "zab"}));

    int index = -1;
    EXPECT_TRUE(list.Find("BAB", index));
    EXPECT_EQ(index, 2);
    EXPECT_FALSE(list.Find("c", index));
    EXPECT_EQ(index, 4);
    ExpectStringListError([&] { list.Insert(0, "x"); }, "Operation not allowed on sorted list");
    ExpectStringListError([&] { list.SetStrings(0, "x"); }, "Operation not allowed on sorted list");
}

TEST(StringList, CaseSensitiveListsTellCasesApart)
{
    TStringList list;
    list.SetCaseSensitive(true);
    list.SetSorted(true);
    list.Add("b");
    list.Add("B");
    list.Add("a");
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.IndexOf("B"), 2);
    EXPECT_EQ(list.IndexOf("A"), -1);
    list.SetCaseSensitive(false);
    EXPECT_EQ(list.IndexOf("A"), 0);
}

TEST(StringList, SortAndCustomSortAreStable)
{
    TStringList list;
    list.SetCommaText("b2,a,B1,c");
    list.CustomSort([](TStringList& l, int i, int j) { return AnsiCompareText(l[i].substr(0, 1), l[j].substr(0, 1)); });
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"a", "b2", "B1", "c"}));
    list.Sort();
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"a", "B1", "b2", "c"}));
}

TEST(StringList, TextSplitsAtEveryLineBreakAndJoinsWithCrLf)
{
    TStringList list;
    list.SetText("a\r\nb\nc\rd\r\n\r\ne");
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"a", "b", "c", "d", "", "e"}));
    EXPECT_EQ(list.Text(), "a\r\nb\r\nc\r\nd\r\n\r\ne\r\n");
    list.SetText("x\r\n");
    EXPECT_EQ(list.Count(), 1);
    list.SetText("");
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Text(), "");
    list.SetText("one\r\ntwo");
    list.SetTrailingLineBreak(false);
    EXPECT_EQ(list.Text(), "one\r\ntwo");
}

TEST(StringList, CommaTextQuotesWhatNeedsQuoting)
{
    struct Case { std::vector<std::string> lines; std::string text; };
    const Case cases[] = {
        {{"a", "b", "c"}, "a,b,c"},
        {{"a b", "c"}, "\"a b\",c"},
        {{"x,y", "say \"hi\""}, "\"x,y\",\"say \"\"hi\"\"\""},
        {{"", "b"}, ",b"},
        {{""}, "\"\""},
        {{"Őszi búza"}, "\"Őszi búza\""},
        {{}, ""},
    };
    for (const Case& c : cases) {
        TStringList list;
        for (const std::string& s : c.lines)
            list.Add(s);
        EXPECT_EQ(list.CommaText(), c.text);
    }
}

TEST(StringList, SettingCommaAndDelimitedTextFollowsTheQuotingRules)
{
    struct Case { std::string text; char delimiter; bool strict; std::vector<std::string> lines; };
    const Case cases[] = {
        {"a,b,c", ',', false, {"a", "b", "c"}},
        {"a b, c", ',', false, {"a", "b", "c"}},                 // blanks separate too
        {"\"a b\", \"c,d\"", ',', false, {"a b", "c,d"}},
        {"\"say \"\"hi\"\"\"", ',', false, {"say \"hi\""}},
        {"a,,b", ',', false, {"a", "", "b"}},
        {"a,", ',', false, {"a", ""}},                            // a final delimiter adds an empty line
        {"  ", ',', false, {}},
        {"\"\"", ',', false, {""}},
        {"\"open", ',', false, {"open"}},                         // unclosed quote runs to the end
        {"a b;c d;", ';', true, {"a b", "c d", ""}},              // strict: only the delimiter
        {" a ;b", ';', true, {" a ", "b"}},
        {"1;loam soil;2", ';', false, {"1", "loam", "soil", "2"}},
    };
    for (const Case& c : cases) {
        TStringList list;
        list.SetDelimiter(c.delimiter);
        list.SetStrictDelimiter(c.strict);
        list.SetDelimitedText(c.text);
        EXPECT_EQ(Lines(list), c.lines) << c.text;
    }
    TStringList list;
    list.SetDelimiter(';');
    list.SetStrictDelimiter(true);
    list.SetQuoteChar('\'');
    list.Add("a b");
    list.Add("it's");
    EXPECT_EQ(list.DelimitedText(), "a b;'it''s'");
    list.SetCommaText("x y");  // CommaText ignores the list's delimiter settings
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"x", "y"}));
    EXPECT_EQ(list.Delimiter(), ';');
}

TEST(StringList, NamesAndValues)
{
    TStringList list;
    list.SetText("Width=10\r\nheight=20\r\nplain\r\nempty=");
    EXPECT_EQ(list.Names(0), "Width");
    EXPECT_EQ(list.Names(2), "");
    EXPECT_EQ(list.Values("WIDTH"), "10");
    EXPECT_EQ(list.Values("missing"), "");
    EXPECT_EQ(list.ValueFromIndex(1), "20");
    EXPECT_EQ(list.ValueFromIndex(2), "");
    EXPECT_EQ(list.IndexOfName("empty"), 3);
    list.SetValues("height", "25");
    list.SetValues("depth", "3");
    list.SetValues("Width", "");  // an empty value deletes the line
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"height=25", "plain", "empty=", "depth=3"}));
    list.SetNameValueSeparator(':');
    list.Add("a:b=c");
    EXPECT_EQ(list.Values("a"), "b=c");
    list.SetValueFromIndex(4, "z");
    EXPECT_EQ(list[4], "a:z");
}

TEST(StringList, ObjectsAreKeptAndOwnedOnlyWhenAsked)
{
    int deleted = 0;
    {
        TStringList list;
        auto* a = new Counted(&deleted);
        list.AddObject("a", a);
        list.Add("b");
        EXPECT_EQ(list.Objects(0), a);
        EXPECT_EQ(list.Objects(1), nullptr);
        EXPECT_EQ(list.IndexOfObject(a), 0);
        list.Delete(0);
        delete a;
    }
    EXPECT_EQ(deleted, 1);
    {
        TStringList owner(true);
        owner.AddObject("a", new Counted(&deleted));
        owner.AddObject("b", new Counted(&deleted));
        owner.AddObject("c", new Counted(&deleted));
        owner.Delete(0);
        EXPECT_EQ(deleted, 2);
        owner.Exchange(0, 1);  // moving keeps the objects alive
        owner.Move(0, 1);
        EXPECT_EQ(deleted, 2);
    }
    EXPECT_EQ(deleted, 4);
}

TEST(StringList, ChangeEventsFireOncePerChangeAndOncePerUpdateBracket)
{
    TStringList list;
    int changing = 0, changed = 0;
    list.OnChanging = [&](TObject* sender) {
        EXPECT_EQ(sender, &list);
        ++changing;
    };
    list.OnChange = [&](TObject*) { ++changed; };
    list.Add("a");
    list.Add("b");
    EXPECT_EQ(changing, 2);
    EXPECT_EQ(changed, 2);
    list.BeginUpdate();
    list.BeginUpdate();
    list.Add("c");
    list.Delete(0);
    list.EndUpdate();
    EXPECT_EQ(changed, 2);
    list.EndUpdate();
    EXPECT_EQ(changing, 3);
    EXPECT_EQ(changed, 3);
    list.SetText("x\r\ny\r\nz");
    EXPECT_EQ(changed, 4);
}

TEST(StringList, FilesAreWrittenInTheCodePageWithCrLfAndReadBack)
{
    TempDir dir;
    const std::string name = dir.File("list.txt");
    TStringList list;
    list.Add("Őszi búza");
    list.Add("°C");
    list.SaveToFile(name);
    EXPECT_EQ(ReadFileBytes(name), "\xD5szi b\xFAza\r\n\xB0" "C\r\n");

    TStringList back;
    back.LoadFromFile(name);
    EXPECT_TRUE(back.Equals(list));
    EXPECT_EQ(back.Encoding(), TTextEncoding::teAnsi);

    // A UTF-8 file with its byte-order mark is read as UTF-8 and saved the same way.
    WriteFileBytes(name, "\xEF\xBB\xBFŐ\nx");
    back.LoadFromFile(name);
    EXPECT_EQ(Lines(back), (std::vector<std::string>{"Ő", "x"}));
    back.SaveToFile(name);
    EXPECT_EQ(ReadFileBytes(name), "\xEF\xBB\xBFŐ\r\nx\r\n");
}

TEST(StringList, StreamsCarryTheTextFromTheirPosition)
{
    TMemoryStream stream;
    TStringList list;
    list.SetCommaText("a,ő");
    stream.WriteBuffer("HDR", 3);
    list.SaveToStream(stream);
    stream.SetPosition(3);
    TStringList back;
    back.LoadFromStream(stream);
    EXPECT_EQ(Lines(back), (std::vector<std::string>{"a", "ő"}));
}

TEST(StringList, FileErrorsNameTheFile)
{
    TempDir dir;
    TStringList list;
    try {
        list.LoadFromFile(dir.File("absent.txt"));
        FAIL() << "no exception";
    } catch (const EFOpenError& e) {
        EXPECT_NE(e.Message().find("absent.txt"), std::string::npos);
    }
    EXPECT_THROW(list.SaveToFile(dir.File("no/dir/x.txt")), EFCreateError);
}

TEST(StringList, AssignCopiesLinesObjectsAndSettings)
{
    TObject marker;
    TStringList source;
    source.SetDelimiter(';');
    source.AddObject("a", &marker);
    source.Add("b");
    TStringList target;
    target.Add("old");
    target.Assign(&source);
    EXPECT_EQ(Lines(target), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(target.Objects(0), &marker);
    EXPECT_EQ(target.Delimiter(), ';');
}

// A TStrings over a plain vector, as a grid row or memo would derive one, to
// check that the base class builds everything on the core operations.
class VectorStrings : public TStrings {
public:
    std::vector<std::string> items;
    std::string Get(int index) const override { CheckIndex(index, GetCount()); return items[index]; }
    int GetCount() const override { return static_cast<int>(items.size()); }
    void Insert(int index, const std::string& s) override { CheckIndex(index, GetCount() + 1); items.insert(items.begin() + index, s); }
    void Delete(int index) override { CheckIndex(index, GetCount()); items.erase(items.begin() + index); }
    void Clear() override { items.clear(); }
};

TEST(StringList, DerivedStringsGetTheWholeInterfaceFromTheCore)
{
    VectorStrings s;
    s.SetCommaText("k=1,\"a b\",c");
    EXPECT_EQ(s.items, (std::vector<std::string>{"k=1", "a b", "c"}));
    EXPECT_EQ(s.Values("K"), "1");
    s.SetStrings(2, "d");
    s.Move(2, 0);
    s.Exchange(1, 2);
    EXPECT_EQ(s.items, (std::vector<std::string>{"d", "a b", "k=1"}));
    EXPECT_EQ(s.Objects(0), nullptr);
    EXPECT_EQ(s.Text(), "d\r\na b\r\nk=1\r\n");
    TStringList copy;
    copy.Assign(&s);
    EXPECT_EQ(copy.CommaText(), "d,\"a b\",k=1");
}

}  // namespace
