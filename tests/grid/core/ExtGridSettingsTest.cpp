// Tests of the grid's settings persistence: column-state strings, column sizes and positions in INI files and the registry store, print settings.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridLists.h"
#include "grid/core/GridOptionsRecords.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/gfx/GraphicsObjects.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/RegistryStore.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/Forms.h"
#include "tests/support/TempDir.h"

using namespace grid;
using testsupport::ReadFileBytes;
using testsupport::TempDir;
using testsupport::TestDataDir;
using testsupport::WriteFileBytes;

namespace {

std::filesystem::path Fixture(const std::string& name) { return TestDataDir() / "grid/core/settings" / name; }

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        App = std::make_unique<ui::TApplication>();
        App->SetBackend(std::make_unique<ui::THeadlessBackend>());
        Grid = NewGrid();
    }
    void TearDown() override
    {
        Grid.reset();
        App.reset();
        rtl::SetRegistryFileName("");
    }
    // Three columns of widths 64, 80 and 100 headed "c0", "c1", "c2".
    static std::unique_ptr<TExtStringGrid> NewGrid()
    {
        auto g = std::make_unique<TExtStringGrid>(nullptr);
        g->SetColCount(3);
        g->SetRowCount(3);
        const int widths[] = {64, 80, 100};
        for (int c = 0; c < 3; ++c) {
            g->SetColWidths(c, widths[c]);
            g->SetCells(c, 0, "c" + std::to_string(c));
        }
        return g;
    }
    std::vector<int> Widths() const
    {
        std::vector<int> w;
        for (int c = 0; c < Grid->ColCount(); ++c) w.push_back(Grid->ColWidths(c));
        return w;
    }
    std::vector<std::string> Headers() const
    {
        std::vector<std::string> h;
        for (int c = 0; c < Grid->ColCount(); ++c) h.push_back(Grid->Cells(c, 0));
        return h;
    }
    void UseStore(TColumnSizeLocation where, const std::string& key)
    {
        Grid->ColumnSize().SetLocation(where);
        Grid->ColumnSize().SetKey(key);
        Grid->ColumnSize().SetSection("Layout");
    }
    TempDir Dir;
    std::unique_ptr<ui::TApplication> App;
    std::unique_ptr<TExtStringGrid> Grid;
};

// ----- column-state string

TEST_F(SettingsTest, ColumnStatesOfAPlainGridAndReadingThemIntoAWiderGrid)
{
    EXPECT_EQ(Grid->ColumnStatesToString(), "3#64,80,100#0,1,2#1,1,1");
    Grid->SetColCount(5);
    Grid->StringToColumnStates("3#64,80,100#0,1,2#1,1,1");
    EXPECT_EQ(Grid->ColCount(), 3);
    EXPECT_EQ(Widths(), (std::vector<int>{64, 80, 100}));
}

TEST_F(SettingsTest, ColumnStatesWithMovedAndHiddenColumnsRoundTripExactly)
{
    const std::string moved = "3#90,64,70#2,0,1#1,1,1";
    Grid->StringToColumnStates(moved);
    EXPECT_EQ(Headers(), (std::vector<std::string>{"c2", "c0", "c1"}));
    EXPECT_EQ(Widths(), (std::vector<int>{90, 64, 70}));
    EXPECT_EQ(Grid->ColumnStatesToString(), moved);

    auto other = NewGrid();
    const std::string hidden = "3#64,100,80#0,1,2#1,0,1";
    other->StringToColumnStates(hidden);
    EXPECT_TRUE(other->IsHiddenColumn(1));
    EXPECT_EQ(other->ColCount(), 2);
    EXPECT_EQ(other->Cells(1, 0), "c2");
    EXPECT_EQ(other->ColumnStatesToString(), hidden);
}

TEST_F(SettingsTest, ZeroWidthInAColumnStateSuppressesTheColumn)
{
    Grid->StringToColumnStates("3#64,0,100#0,1,2#1,1,1");
    EXPECT_EQ(Grid->ColWidths(1), 0);
    ASSERT_GT(Grid->SuppressColSizes().Count(), 1);
    EXPECT_EQ(Grid->SuppressColSizes().GetInteger(1), 80);  // the width it had, kept to restore
}

TEST_F(SettingsTest, ColumnStateWithoutHashIsIgnored)
{
    Grid->StringToColumnStates("3,64,80,100");
    EXPECT_EQ(Grid->ColCount(), 3);
    EXPECT_EQ(Widths(), (std::vector<int>{64, 80, 100}));
}

// A malformed state is reported before anything is applied: the grid keeps its columns,
// widths, order and cells instead of being left half rearranged.
TEST_F(SettingsTest, MalformedColumnStateRaisesBeforeAnythingIsApplied)
{
    Grid->HideColumn(2);
    Grid->SetColumnOrder();
    const std::string before = Grid->ColumnStatesToString();
    const char* bad[] = {
        "x#64,80,100#0,1,2#1,1,1",   // count not a number
        "0###",                      // no columns
        "3#64,80#0,1,2#1,1,1",       // too few widths
        "3#64,a,100#0,1,2#1,1,1",    // width not a number
        "3#64,-5,100#0,1,2#1,1,1",   // negative width
        "3#64,80,100#0,1,1#1,1,1",   // order repeats a column
        "3#64,80,100#0,1#1,1,1",     // order too short
        "3#64,80,100#0,1,7#1,1,1",   // order names a column that is not there
        "3#64,80,100#0,1,2#1,1",     // too few visibility entries
        "3#64,80,100#0,1,2",         // field missing
    };
    for (const char* state : bad) {
        SCOPED_TRACE(state);
        try {
            Grid->StringToColumnStates(state);
            ADD_FAILURE() << "no error";
        } catch (const rtl::EConvertError& e) {
            EXPECT_NE(std::string(e.Message()).find(state), std::string::npos) << e.Message();
        }
        EXPECT_EQ(Grid->ColumnStatesToString(), before);
        EXPECT_EQ(Headers(), (std::vector<std::string>{"c0", "c1"}));
    }
}

// ----- column sizes and positions

TEST_F(SettingsTest, ColumnSizesAndPositionsWrittenToAnIniFileByteForByte)
{
    const std::string file = Dir.File("layout.ini");
    UseStore(clIniFile, file);
    Grid->StringToColumnStates("3#64,80,100#2,0,1#1,1,1");
    Grid->SaveColSizes();
    Grid->SaveColPositions();
    EXPECT_EQ(ReadFileBytes(file), ReadFileBytes(Fixture("colsizes.ini")));
}

TEST_F(SettingsTest, HandWrittenIniFileLoadsAndIsWrittenBackUnchanged)
{
    const std::string file = Dir.File("layout.ini");
    WriteFileBytes(file, ReadFileBytes(Fixture("colsizes.ini")));
    UseStore(clIniFile, file);
    Grid->SetColWidths(0, 10);
    Grid->SetColWidths(2, 10);
    // Positions first: moving a column takes its width along, and the stored widths are
    // those of the display positions.
    Grid->LoadColPositions();
    Grid->LoadColSizes();
    EXPECT_EQ(Headers(), (std::vector<std::string>{"c2", "c0", "c1"}));
    EXPECT_EQ(Widths(), (std::vector<int>{64, 80, 100}));
    EXPECT_EQ(Grid->ColumnOrder().StrValue(), "2,0,1");
    EXPECT_EQ(ReadFileBytes(file), ReadFileBytes(Fixture("colsizes.ini")));
}

TEST_F(SettingsTest, ColumnSizesAndPositionsRoundTripThroughTheRegistryStoreFile)
{
    // Loading from a registry file written by hand, then saving a fresh grid's state
    // into an empty registry file, gives back the same bytes.
    const std::string loaded = Dir.File("loaded.registry");
    WriteFileBytes(loaded, ReadFileBytes(Fixture("colsizes.registry")));
    rtl::SetRegistryFileName(loaded);
    UseStore(clRegistry, "Software\\Tolvek\\GridTest");
    // Positions first: moving a column takes its width along, and the stored widths are
    // those of the display positions.
    Grid->LoadColPositions();
    Grid->LoadColSizes();
    EXPECT_EQ(Headers(), (std::vector<std::string>{"c2", "c0", "c1"}));
    EXPECT_EQ(ReadFileBytes(loaded), ReadFileBytes(Fixture("colsizes.registry")));

    const std::string saved = Dir.File("saved.registry");
    rtl::SetRegistryFileName(saved);
    Grid->SaveColSizes();
    Grid->SaveColPositions();
    EXPECT_EQ(ReadFileBytes(saved), ReadFileBytes(Fixture("colsizes.registry")));
}

TEST_F(SettingsTest, StoresWithoutTheKeysLeaveWidthsAndOrderAlone)
{
    const std::string file = Dir.File("other.ini");
    WriteFileBytes(file, "[Layout]\r\nSomething=1\r\n");
    UseStore(clIniFile, file);
    Grid->LoadColSizes();
    Grid->LoadColPositions();
    EXPECT_EQ(Widths(), (std::vector<int>{64, 80, 100}));
    EXPECT_EQ(Headers(), (std::vector<std::string>{"c0", "c1", "c2"}));

    // Without a section nothing is read or written.
    const std::string none = Dir.File("none.ini");
    UseStore(clIniFile, none);
    Grid->ColumnSize().SetSection("");
    Grid->SaveColSizes();
    EXPECT_FALSE(std::filesystem::exists(none));
}

// A stored order that does not place every column is reported, naming the file, before
// any column moves.
TEST_F(SettingsTest, BrokenStoredColumnOrderRaisesWithoutMovingColumns)
{
    const std::string file = Dir.File("broken.ini");
    WriteFileBytes(file, "[Layout]\r\nPos0=1\r\nPos1=1\r\nPos2=0\r\n");
    UseStore(clIniFile, file);
    try {
        Grid->LoadColPositions();
        ADD_FAILURE() << "no error";
    } catch (const rtl::EConvertError& e) {
        EXPECT_NE(std::string(e.Message()).find(file), std::string::npos) << e.Message();
    }
    EXPECT_EQ(Headers(), (std::vector<std::string>{"c0", "c1", "c2"}));
}

// ----- print settings

TEST_F(SettingsTest, HandWrittenPrintSettingsLoadAndSaveByteForByte)
{
    const std::string file = Dir.File("print.ini");
    WriteFileBytes(file, ReadFileBytes(Fixture("print.ini")));
    Grid->LoadPrintSettings(file, "Print");
    const TPrintSettings& ps = Grid->PrintSettings();
    EXPECT_EQ(ps.ColumnSpacing(), 10);
    EXPECT_FALSE(ps.Centered());
    EXPECT_TRUE(ps.NoAutoSize());
    EXPECT_TRUE(ps.UseDisplayFont());
    EXPECT_EQ(ps.Borders(), pbVertical);
    EXPECT_EQ(ps.BorderStyle(), gfx::psDot);
    EXPECT_EQ(ps.Date(), ppTopLeft);
    EXPECT_EQ(ps.PageNr(), ppBottomCenter);
    EXPECT_EQ(ps.Time(), ppNone);
    EXPECT_EQ(ps.FitToPage(), fpShrink);
    EXPECT_EQ(ps.Orientation(), poLandscape);
    EXPECT_EQ(ps.FixedFont()->Name(), "Courier New");
    EXPECT_EQ(ps.FixedFont()->Size(), 9);
    EXPECT_EQ(ps.FixedFont()->Style(), (gfx::TFontStyles{gfx::fsBold, gfx::fsItalic}));
    EXPECT_EQ(ps.HeaderFont()->Color(), static_cast<gfx::TColor>(16711680));
    ASSERT_EQ(ps.TitleLines()->Count(), 2);
    EXPECT_EQ(ps.TitleLines()->Strings(0), "Soil survey");
    EXPECT_EQ(ps.TitleLines()->Strings(1), "District 4");
    EXPECT_EQ(ReadFileBytes(file), ReadFileBytes(Fixture("print.ini")));  // written back as read

    const std::string saved = Dir.File("saved.ini");
    Grid->SavePrintSettings(saved, "Print");
    EXPECT_EQ(ReadFileBytes(saved), ReadFileBytes(Fixture("print.ini")));
}

TEST_F(SettingsTest, MissingPrintKeysTakeTheReaderDefaultsAndYesIsOnlyCapitalY)
{
    const std::string file = Dir.File("short.ini");
    WriteFileBytes(file, "[Print]\r\nNoAutoSize=y\r\nDate=7\r\nBorders=9\r\n");
    Grid->PrintSettings().SetBorders(pbAround);
    Grid->LoadPrintSettings(file, "Print");
    const TPrintSettings& ps = Grid->PrintSettings();
    EXPECT_TRUE(ps.Centered());
    EXPECT_FALSE(ps.NoAutoSize());
    EXPECT_EQ(ps.Date(), ppNone);
    EXPECT_EQ(ps.Borders(), pbAround);  // out of range: unchanged
    EXPECT_EQ(ps.RowSpacing(), 20);
    EXPECT_EQ(ps.HeaderSize(), 100);
    EXPECT_EQ(ps.Font()->Name(), "Arial");
    EXPECT_EQ(ps.Font()->Size(), 10);
    EXPECT_EQ(ps.TitleLines()->Count(), 0);

    WriteFileBytes(file, "[Print]\r\nCentered=y\r\n");
    Grid->LoadPrintSettings(file, "Print");
    EXPECT_FALSE(Grid->PrintSettings().Centered());
}

// The stored style is the font's style after loading; styles the font had before do not
// survive, so a font saved plain loads plain.
TEST_F(SettingsTest, LoadingPrintSettingsRestoresTheStoredFontStyle)
{
    const std::string file = Dir.File("style.ini");
    WriteFileBytes(file, "[Print]\r\nFontStyle=2\r\nHeaderFontStyle=0\r\n");
    Grid->PrintSettings().Font()->SetStyle(gfx::TFontStyles{gfx::fsBold});
    Grid->PrintSettings().HeaderFont()->SetStyle(gfx::TFontStyles{gfx::fsUnderline});
    Grid->LoadPrintSettings(file, "Print");
    EXPECT_EQ(Grid->PrintSettings().Font()->Style(), gfx::TFontStyles{gfx::fsItalic});
    EXPECT_TRUE(Grid->PrintSettings().HeaderFont()->Style().Empty());
}

TEST_F(SettingsTest, TitleLinesAreStoredAsOneTextWithBackslashN)
{
    const std::string file = Dir.File("title.ini");
    Grid->PrintSettings().TitleLines()->Add("A");
    Grid->PrintSettings().TitleLines()->Add("B");
    Grid->SavePrintSettings(file, "Print");
    EXPECT_NE(ReadFileBytes(file).find("TitleLines=A\\nB\r\n"), std::string::npos);
    auto other = NewGrid();
    other->LoadPrintSettings(file, "Print");
    ASSERT_EQ(other->PrintSettings().TitleLines()->Count(), 2);
    EXPECT_EQ(other->PrintSettings().TitleLines()->Strings(1), "B");
}

}  // namespace

namespace {

// With ColumnSize.Save on, a grid keeps its column widths across runs: they are
// saved when the grid is freed and loaded when a new grid finishes loading.
TEST_F(SettingsTest, SavedColumnSizesFollowTheGridFromOneRunToTheNext)
{
    const std::string file = Dir.File("layout.ini");
    UseStore(clIniFile, file);
    Grid->ColumnSize().SetSave(true);
    Grid->SetColWidths(1, 123);
    Grid.reset();
    ASSERT_TRUE(std::filesystem::exists(file));

    Grid = NewGrid();
    UseStore(clIniFile, file);
    Grid->ColumnSize().SetSave(true);
    EXPECT_EQ(Widths(), (std::vector<int>{64, 80, 100}));
    Grid->Loaded();
    EXPECT_EQ(Widths(), (std::vector<int>{64, 123, 100}));
}

// A save that fails while the grid is freed reaches the error box instead of
// leaving the destructor.
TEST_F(SettingsTest, FailingSaveOnFreeGoesToTheErrorBox)
{
    UseStore(clIniFile, Dir.File("no/such/folder/layout.ini"));
    Grid->ColumnSize().SetSave(true);
    auto* backend = dynamic_cast<ui::THeadlessBackend*>(&App->Backend());
    ASSERT_NE(backend, nullptr);
    const std::size_t before = backend->ErrorTexts().size();
    EXPECT_NO_THROW(Grid.reset());
    EXPECT_EQ(backend->ErrorTexts().size(), before + 1);
}

}  // namespace
