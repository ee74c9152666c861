// Tests of the string grid's binary cell stream: record bytes, round trips of cells and their objects, loading at a point, bad streams.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "grid/core/BaseGrid.h"
#include "grid/core/CellGraphics.h"
#include "grid/core/ExtGrid.h"
#include "grid/core/GridLists.h"
#include "grid/data/ExtGridBinStream.h"
#include "platform/gfx/Bitmap.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Streams.h"
#include "tests/grid/GridOnFormTest.h"
#include "tests/support/TempDir.h"

namespace {

using grid::TExtStringGrid;

class ExtGridBinStreamTest : public gridtest::GridInAppTest {
protected:
    void SetUp() override
    {
        GridInAppTest::SetUp();
        Grid->SetColCount(6);
        Grid->SetRowCount(6);
        Other = std::make_unique<TExtStringGrid>(nullptr);
        Other->SetColCount(12);
        Other->SetRowCount(12);
    }
    void TearDown() override
    {
        Other.reset();
        GridInAppTest::TearDown();
    }

    std::string Save(const rtl::TRect& r)
    {
        rtl::TStringStream s;
        Grid->SaveRectToBinStream(r, s, false);
        return s.DataString();
    }

    std::unique_ptr<TExtStringGrid> Other;
};

// Short string: length byte and bytes.
std::string SS(const std::string& s) { return std::string(1, static_cast<char>(s.size())) + s; }
// An integer value as the stream writes it (one, two or four bytes).
std::string IntValue(long long v)
{
    if (v >= -128 && v <= 127) return std::string{'\x02', static_cast<char>(v)};
    if (v >= -32768 && v <= 32767) return std::string{'\x03', static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF)};
    std::string out(1, '\x04');
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
    return out;
}

TEST_F(ExtGridBinStreamTest, OneCellRectangleIsWrittenAsHeaderAndCellRecordBytes)
{
    Grid->SetColWidths(2, 50);
    Grid->SetRowHeights(3, 20);
    Grid->SetCells(2, 3, "ab");
    Grid->SetCells(3, 3, "");
    const std::string header = "TPF0" + SS("TGridPropIO") + '\0' + SS("ColCount") + "\x02\x02" + SS("RowCount") +
                               "\x02\x01" + SS("ColWidths") + "\x06" + SS("50,64") + SS("RowHeights") + "\x06" +
                               SS("20") + SS("FullGrid") + "\x08" + SS("ID") +
                               IntValue(static_cast<long long>(Grid->Handle())) + '\0' + '\0';
    // A text cell, then an empty cell without property object: Col, Row and HasProp only.
    const std::string cells = "TPF0" + SS("TGridCellIO") + '\0' + SS("Col") + "\x02\x02" + SS("Row") + "\x02\x03" +
                              SS("Cell") + "\x06" + SS("ab") + SS("HasProp") + "\x08" + '\0' + '\0' + "TPF0" +
                              SS("TGridCellIO") + '\0' + SS("Col") + "\x02\x03" + SS("Row") + "\x02\x03" +
                              SS("HasProp") + "\x08" + '\0' + '\0';
    Grid->SetColWidths(3, 64);
    EXPECT_EQ(Save(rtl::Rect(2, 3, 3, 3)), header + cells);
}

TEST(ExtGridBinRecordsTest, TextsChooseTheirEncodingByLengthAndBytes)
{
    struct TCase {
        std::string Text;
        std::string Bytes;
    };
    const std::string longAscii(300, 'x');
    const TCase cases[] = {
        {"abc", std::string("\x06\x03") + "abc"},
        {longAscii, std::string("\x0C\x2C\x01\x00\x00", 5) + longAscii},
        {"\xC3\xA1", std::string("\x12\x01\x00\x00\x00\xE1\x00", 7)},               // 2 bytes, 1 unit: wide
        {"a\xC3\xA1", std::string("\x14\x03\x00\x00\x00", 5) + "a\xC3\xA1"},        // 3 bytes < 4: UTF-8
    };
    for (const TCase& c : cases) {
        rtl::TStringStream s;
        grid::TBinRecordWriter w(s);
        w.Begin("X");
        w.Text("T", c.Text);
        w.End();
        EXPECT_EQ(s.DataString(), "TPF0" + SS("X") + '\0' + SS("T") + c.Bytes + '\0' + '\0') << c.Text.substr(0, 8);
        s.SetPosition(0);
        const grid::TBinRecord rec = grid::ReadBinRecord(s, "X");
        ASSERT_EQ(rec.Props.size(), 1u);
        EXPECT_EQ(rec.Props[0].second.Text, c.Text);
    }
}

TEST(ExtGridBinRecordsTest, ExtendedNumbersRoundTrip)
{
    for (double v : {0.0, 1.0, -2.5, 1234.5678, 1e-310, 6.02e23}) {
        std::uint8_t b[10];
        grid::DoubleToExtended(v, b);
        EXPECT_EQ(grid::ExtendedToDouble(b), v);
    }
    std::uint8_t one[10];
    grid::DoubleToExtended(1.0, one);
    const std::uint8_t expected[10] = {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F};
    EXPECT_EQ(std::string(one, one + 10), std::string(expected, expected + 10));
}

TEST_F(ExtGridBinStreamTest, RectangleWithPropertiesAndGraphicsRoundTripsAtAPoint)
{
    Grid->SetCells(1, 1, "text");
    Grid->SetCells(2, 1, "x");
    grid::TCellProperties* p = Grid->GetCellProperties(1, 1);
    p->SetFontSize(-13);
    p->SetBrushColor(0x123456);
    p->SetFontColor(gfx::clRed);
    p->SetFontName("Arial");
    p->SetFontStyle(gfx::TFontStyles{gfx::fsBold, gfx::fsUnderline});
    p->SetAlignment(ui::taCenter);
    p->SetReadOnly(true);
    p->SetEditor(grid::edFloat);
    Grid->AddComment(2, 1, "note");
    Grid->GetCellGraphic(2, 1)->SetCommentColor(0x00FF00);
    rtl::TStrings* radio = Grid->CreateRadio(1, 2, 1, 1);
    radio->Add("yes");
    radio->Add("no");
    grid::TCellGraphic* value = Grid->CreateCellGraphic(2, 2);
    value->SetCellType(grid::ctProgress);
    value->SetCellValue(42.125);

    const std::string bytes = Save(rtl::Rect(1, 1, 2, 2));
    rtl::TStringStream s(bytes);
    Other->SetCells(5, 3, "old");
    Other->LoadAtPointFromBinStream(rtl::TPoint{5, 3}, s);

    EXPECT_EQ(Other->Cells(5, 3), "text");
    EXPECT_EQ(Other->Cells(6, 3), "x");
    ASSERT_TRUE(Other->HasCellProperties(5, 3));
    const grid::TCellProperties* q = Other->GetCellPropsDirect(5, 3);
    EXPECT_EQ(q->FontSize(), -13);
    EXPECT_EQ(q->BrushColor(), 0x123456u);
    EXPECT_EQ(q->FontColor(), gfx::clRed);
    EXPECT_EQ(q->FontName(), "Arial");
    EXPECT_EQ(q->FontStyle(), (gfx::TFontStyles{gfx::fsBold, gfx::fsUnderline}));
    EXPECT_EQ(q->Alignment(), ui::taCenter);
    EXPECT_TRUE(q->ReadOnly());
    EXPECT_EQ(q->Editor(), grid::edFloat);
    // The font height travels as points: -13 pixels at 96 dpi are 10 points.
    EXPECT_NE(bytes.find(SS("CellProperties.FontSize") + "\x02\x0A"), std::string::npos);

    // A comment on a non-picture graphic comes back as a ctNone graphic with comment and colour.
    ASSERT_NE(Other->GetCellGraphic(6, 3), nullptr);
    EXPECT_EQ(Other->GetCellType(6, 3), grid::ctNone);
    EXPECT_EQ(Other->GetComment(6, 3), "note");
    EXPECT_EQ(Other->GetCellGraphic(6, 3)->CommentColor(), 0x00FF00u);
    EXPECT_EQ(Other->GetCellGraphic(6, 3)->CellText(), "");

    ASSERT_EQ(Other->GetCellType(6, 4), grid::ctProgress);
    EXPECT_EQ(Other->GetCellGraphic(6, 4)->CellValue(), 42.125);
}

TEST_F(ExtGridBinStreamTest, GraphicObjectsTheGridMadeForACellTravelWithIt)
{
    rtl::TStrings* radio = Grid->CreateRadio(1, 1, 1, 1);
    radio->Add("yes");
    radio->Add("no");
    rtl::TStringStream s(Save(rtl::Rect(1, 1, 1, 1)));
    Other->LoadAtPointFromBinStream(rtl::TPoint{2, 2}, s);
    ASSERT_EQ(Other->GetCellType(2, 2), grid::ctRadio);
    rtl::TStrings* copied = Other->GetRadioStrings(2, 2);
    ASSERT_NE(copied, nullptr);
    EXPECT_EQ(copied->CommaText(), "yes,no");
    int idx = -1;
    Other->GetRadioIdx(2, 2, idx);
    EXPECT_EQ(idx, 1);
}

TEST_F(ExtGridBinStreamTest, BitmapsAndImageListsTravelAsCopiesTheLoadingGridOwns)
{
    gfx::TBitmap bmp(3, 2);
    const std::uint32_t pixels[6] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF, 0xFF000000, 0xFF808080};
    bmp.SetPixels(3, 2, pixels, 3);
    Grid->CreateCellGraphic(1, 1)->SetBitmap(&bmp, true, grid::haCenter, grid::vaCenter);
    grid::TCellGraphic* images = Grid->CreateCellGraphic(2, 1);
    images->SetMultiImage(2, 1, 0, grid::haLeft, grid::vaTop, nullptr);
    auto* list = dynamic_cast<grid::TIntList*>(images->CellBitmap());
    ASSERT_NE(list, nullptr);
    list->Add(4);
    list->Add(7);

    rtl::TStringStream s(Save(rtl::Rect(1, 1, 2, 1)));
    Other->LoadAtPointFromBinStream(rtl::TPoint{0, 0}, s);

    const grid::TCellGraphic* g = Other->GetCellGraphic(0, 0);
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->CellType(), grid::ctBitmap);
    EXPECT_EQ(g->CellHAlign(), grid::haCenter);
    EXPECT_TRUE(g->CellTransparent());
    EXPECT_TRUE(g->OwnsCellBitmap());
    const auto* copy = dynamic_cast<const gfx::TBitmap*>(g->CellBitmap());
    ASSERT_NE(copy, nullptr);
    ASSERT_EQ(copy->Width(), 3);
    ASSERT_EQ(copy->Height(), 2);
    EXPECT_EQ(copy->ScanLine(0)[0] & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(copy->ScanLine(1)[2] & 0xFFFFFF, 0x808080u);

    const grid::TCellGraphic* gi = Other->GetCellGraphic(1, 0);
    ASSERT_NE(gi, nullptr);
    ASSERT_EQ(gi->CellType(), grid::ctImages);
    const auto* copiedList = dynamic_cast<const grid::TIntList*>(gi->CellBitmap());
    ASSERT_NE(copiedList, nullptr);
    EXPECT_EQ(copiedList->StrValue(), "4,7");
}

TEST_F(ExtGridBinStreamTest, NumbersTravelInInvariantFormBetweenLocales)
{
    const rtl::TFormatSettings saved = rtl::FormatSettings;
    rtl::FormatSettings.DecimalSeparator = ',';
    rtl::FormatSettings.ThousandSeparator = '.';
    Grid->SetCells(1, 1, "1.234,5");
    const std::string bytes = Save(rtl::Rect(1, 1, 1, 1));
    rtl::TStringStream s(bytes);
    Other->LoadAtPointFromBinStream(rtl::TPoint{1, 1}, s);
    const std::string back = Other->Cells(1, 1);
    rtl::FormatSettings = saved;
    EXPECT_NE(bytes.find(SS("1234.5")), std::string::npos);
    EXPECT_EQ(back, "1234,5");
}

TEST_F(ExtGridBinStreamTest, WholeGridFileResizesTheLoadingGrid)
{
    testsupport::TempDir dir;
    Grid->SetColCount(3);
    Grid->SetRowCount(4);
    Grid->SetColWidths(2, 77);
    Grid->SetRowHeights(3, 33);
    Grid->SetCells(2, 3, "last");
    Grid->SetSaveFixedCells(true);
    Grid->SaveToBinFile(dir.File("cells.bin"));

    Other->SetCells(10, 10, "gone");
    Other->LoadFromBinFile(dir.File("cells.bin"));
    EXPECT_EQ(Other->ColCount(), 3);
    EXPECT_EQ(Other->RowCount(), 4);
    EXPECT_EQ(Other->ColWidths(2), 77);
    EXPECT_EQ(Other->RowHeights(3), 33);
    EXPECT_EQ(Other->Cells(2, 3), "last");
    EXPECT_EQ(Other->GetGridCell(10, 10), "");
}

TEST_F(ExtGridBinStreamTest, SavingReportsProgressFromZeroToOneHundredWhereverTheRectangleStarts)
{
    std::vector<int> progress;
    Grid->OnFileProgress = [&](grid::TSender, int p) { progress.push_back(p); };
    Save(rtl::Rect(1, 3, 2, 5));
    EXPECT_EQ(progress, (std::vector<int>{0, 50, 100}));
    progress.clear();
    Save(rtl::Rect(1, 4, 2, 4));  // one row: reported once, as finished
    EXPECT_EQ(progress, (std::vector<int>{100}));
}

TEST_F(ExtGridBinStreamTest, WholeGridSavedWithoutFixedCellsLoadsEveryRowAndColumn)
{
    Grid->SetColCount(3);
    Grid->SetRowCount(4);
    Grid->SetSaveFixedCells(false);
    Grid->SetColWidths(2, 71);
    Grid->SetCells(2, 3, "corner");
    rtl::TStringStream s;
    Grid->SaveToBinStream(s);
    s.SetPosition(0);
    Other->LoadFromBinStream(s);
    EXPECT_EQ(Other->ColCount(), 3);
    EXPECT_EQ(Other->RowCount(), 4);
    EXPECT_EQ(Other->Cells(2, 3), "corner");
    EXPECT_EQ(Other->ColWidths(2), 71);
}

// A bad stream raises a read error before any cell changes.
TEST_F(ExtGridBinStreamTest, BadOrTruncatedStreamsRaiseAndLeaveTheGridUnchanged)
{
    Grid->SetCells(1, 1, "a");
    Grid->SetCells(2, 1, "b");
    Grid->GetCellProperties(2, 1)->SetBrushColor(0x0000FF);
    const std::string good = Save(rtl::Rect(1, 1, 2, 1));
    const std::size_t second = good.find("TPF0", good.find("TGridCellIO"));
    std::string badSignature = good;
    badSignature.replace(second, 4, "XXXX");
    std::string unknownProp = good;
    unknownProp.replace(unknownProp.find(SS("HasProp")), 8, SS("HasPrap"));
    struct TCase {
        const char* Name;
        std::string Bytes;
        const char* Message;
    };
    const TCase cases[] = {
        {"truncated", good.substr(0, good.size() - 20), "ends"},
        {"no signature", badSignature, "TPF0"},
        {"unknown property", unknownProp, "HasPrap"},
    };
    for (const TCase& c : cases) {
        Other->SetCells(1, 1, "keep");
        rtl::TStringStream s(c.Bytes);
        try {
            Other->LoadAtPointFromBinStream(rtl::TPoint{1, 1}, s);
            ADD_FAILURE() << c.Name << ": no error";
        } catch (const rtl::EReadError& e) {
            EXPECT_NE(std::string(e.what()).find(c.Message), std::string::npos) << c.Name << ": " << e.what();
        }
        EXPECT_EQ(Other->Cells(1, 1), "keep") << c.Name;
        EXPECT_FALSE(Other->HasCellProperties(2, 1)) << c.Name;
    }
}

}  // namespace
