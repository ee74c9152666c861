// Tests of attaching image, picture, rotated, progress, shape, rating and button graphics to cells, and reading them back.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>

#include "grid/core/CellGraphics.h"
#include "grid/core/CellGraphicsFilePicture.h"
#include "grid/core/ExtGrid.h"
#include "grid/core/GridCellInterface.h"
#include "grid/core/GridLists.h"
#include "grid/core/GridOptionsLook.h"
#include "grid/foundation/ExtUtilShapes.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/ImageList.h"
#include "platform/gfx/Picture.h"
#include "platform/rtl/StringList.h"
#include "tests/grid/core/ExtGridGraphicDrawFixture.h"

using namespace grid;
using gridtest::GraphicDrawTest;
using GraphicCellsTest = GraphicDrawTest;

namespace {

// Counts its destruction, to see who frees it.
class TCountedBitmap : public gfx::TBitmap {
public:
    explicit TCountedBitmap(int& freed) : FFreed(freed) {}
    ~TCountedBitmap() override { ++FFreed; }

private:
    int& FFreed;
};

// An object that draws its cell: a green fill of the rectangle it is given.
class TGreenCell : public rtl::TObject, public IGridCellInterface {
public:
    void Draw(gfx::TCanvas& Canvas, const rtl::TRect& R, int Col, int Row, bool Selected) override
    {
        Canvas.Brush().SetColor(gfx::clLime);
        Canvas.FillRect(R);
        Seen = {Col, Row};
        WasSelected = Selected;
    }
    int GetExtentX() override { return 33; }
    int GetExtentY() override { return 11; }
    rtl::TPoint Seen{-1, -1};
    bool WasSelected = false;
};

}  // namespace

TEST_F(GraphicCellsTest, CreatedObjectsBelongToTheCellAndHandedInObjectsStayTheCallers)
{
    // CreateBitmap + RemoveBitmap frees the bitmap: the cell owns it.
    gfx::TBitmap* made = Grid->CreateBitmap(1, 1, false, haLeft, vaTop);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(Grid->GetBitmap(1, 1), made);
    EXPECT_TRUE(Grid->HasBitmap(1, 1));
    EXPECT_EQ(Grid->GetCellImageIdx(1, 1), reinterpret_cast<std::intptr_t>(made));
    Grid->RemoveBitmap(1, 1);
    EXPECT_FALSE(Grid->HasBitmap(1, 1));

    int freed = 0;
    {
        auto own = std::make_unique<TCountedBitmap>(freed);
        Grid->AddBitmap(1, 1, own.get(), true, haLeft, vaTop);
        Grid->RemoveIcon(1, 1);  // another kind: left alone
        EXPECT_TRUE(Grid->HasBitmap(1, 1));
        Grid->RemoveBitmap(1, 1);
        EXPECT_EQ(freed, 0);
    }
    EXPECT_EQ(freed, 1);

    EXPECT_NE(Grid->CreatePicture(1, 1, false, Stretch, 2, haLeft, vaTop), nullptr);
    EXPECT_TRUE(Grid->HasPicture(1, 1));
    EXPECT_EQ(Grid->GetCellType(1, 1), ctPicture);
    TFilePicture* file = Grid->CreateFilePicture(1, 1, false, noStretch, 0, haLeft, vaTop);
    EXPECT_EQ(Grid->GetFilePicture(1, 1), file);
    EXPECT_FALSE(Grid->HasPicture(1, 1));
    Grid->RemoveFilePicture(1, 1);
    EXPECT_EQ(Grid->GetCellGraphic(1, 1), nullptr);
    EXPECT_NE(Grid->CreateIcon(2, 1, haLeft, vaTop), nullptr);
    Grid->RemoveIcon(2, 1);
    EXPECT_EQ(Grid->GetCellGraphic(2, 1), nullptr);
}

TEST_F(GraphicCellsTest, ImageListCellsNeedGridImages)
{
    EXPECT_EQ(Grid->CellImageIdx(1, 1), -1);
    Grid->AddCheckBox(1, 1, true, false);
    Grid->AddImageIdx(1, 1, 3, haLeft, vaTop);
    Grid->AddMultiImage(1, 1, 0, haLeft, vaTop);
    EXPECT_EQ(Grid->GetCellType(1, 1), ctCheckBox);  // nothing attached without an image list

    gfx::TImageList images(8, 8);
    gfx::TBitmap strip(24, 8);
    strip.Canvas().Brush().SetColor(gfx::clRed);
    strip.Canvas().FillRect(rtl::Rect(0, 0, 8, 8));
    strip.Canvas().Brush().SetColor(gfx::clBlue);
    strip.Canvas().FillRect(rtl::Rect(8, 0, 16, 8));
    strip.Canvas().Brush().SetColor(gfx::clLime);
    strip.Canvas().FillRect(rtl::Rect(16, 0, 24, 8));
    images.Add(strip);
    Grid->SetGridImages(&images);

    Grid->AddImageIdx(1, 1, 1, haLeft, vaTop);
    int idx = -1;
    EXPECT_TRUE(Grid->GetImageIdx(1, 1, idx));
    EXPECT_EQ(idx, 1);
    EXPECT_EQ(Grid->CellImageIdx(1, 1), 1);
    EXPECT_EQ(gridtest::InkBox(*Draw(1, 1), gridtest::Bluish), rtl::Bounds(2, 2, 8, 8));
    Grid->SetImageIdx(1, 1, 2);
    EXPECT_EQ(gridtest::InkBox(*Draw(1, 1), gridtest::Bluish), rtl::TRect{});

    // Several images side by side, the list filled by the caller.
    Grid->AddMultiImage(1, 1, 0, haLeft, vaTop);
    TIntList* list = Grid->CellImages(1, 1);
    ASSERT_NE(list, nullptr);
    list->Add(0);
    list->Add(1);
    const auto s = Draw(1, 1);
    EXPECT_EQ(gridtest::InkBox(*s, gridtest::Reddish), rtl::Bounds(2, 2, 8, 8));
    EXPECT_EQ(gridtest::InkBox(*s, gridtest::Bluish), rtl::Bounds(10, 2, 8, 8));
    Grid->RemoveMultiImage(1, 1);
    EXPECT_EQ(Grid->CellImages(1, 1), nullptr);

    // Data image: the cell's number picks the image; a number out of range or no number draws none.
    Grid->AddDataImage(2, 1, 2, haLeft, vaTop);
    EXPECT_EQ(Grid->Cells(2, 1), "2");
    EXPECT_GT(Draw(2, 1)->CountColor(CellBox(2, 1), gfx::clLime), 50);
    for (const char* text : {"7", "-1", "two"}) {
        Grid->SetCells(2, 1, text);
        EXPECT_EQ(Draw(2, 1)->Count(CellBox(2, 1), gridtest::NotWhite), 0) << text;
    }
    Grid->SetGridImages(nullptr);
    EXPECT_FALSE(Grid->GetImageIdx(1, 1, idx));
}

TEST_F(GraphicCellsTest, RotatedAnglesAreBroughtIntoZeroTo360)
{
    struct Case { short given; int stored; };
    const Case cases[] = {{-90, 270}, {720, 360}, {360, 360}, {45, 45}, {-450, 270}};
    for (const Case& c : cases) {
        Grid->AddRotated(1, 1, c.given, "up");
        int angle = -1;
        EXPECT_TRUE(Grid->IsRotated(1, 1, angle));
        EXPECT_EQ(angle, c.stored) << c.given;
    }
    EXPECT_EQ(Grid->Cells(1, 1), "up");
    // SetRotated turns any graphic into rotated text and keeps its comment.
    Grid->AddCheckBox(2, 1, true, false);
    Grid->SetComment(2, 1, "kept");
    Grid->SetRotated(2, 1, -30);
    int angle = 0;
    EXPECT_TRUE(Grid->IsRotated(2, 1, angle));
    EXPECT_EQ(angle, 330);
    EXPECT_EQ(Grid->GetComment(2, 1), "kept");
    Grid->SetRotated(3, 1, 10);  // a cell without a graphic gets one
    EXPECT_EQ(Grid->GetCellType(3, 1), ctRotated);
    Grid->RemoveRotated(2, 1);
    EXPECT_FALSE(Grid->IsRotated(2, 1, angle));
}

TEST_F(GraphicCellsTest, InterfacedObjectDrawsAndSizesItsCell)
{
    TGreenCell cell;
    Grid->AddInterfacedCell(1, 1, &cell);
    EXPECT_EQ(Grid->GetInterfacedCell(1, 1), &cell);
    int w = 0, h = 0;
    bool shown = false;
    TCellHAlign ha;
    TCellVAlign va;
    Grid->GetCellGraphicParams(1, 1, w, h, shown, ha, va);
    EXPECT_EQ(w, 33);
    EXPECT_EQ(h, 11);
    TExtStringGrid::TCellGraphicPaint work;
    work.Selected = true;
    const auto s = Draw(1, 1, work);
    // (R.left - 1, R.top - 1, R.right, R.bottom) with R the cell less one pixel.
    EXPECT_EQ(gridtest::InkBox(*s, [](gfx::TColor c) { return c == gfx::clLime; }), rtl::Rect(0, 0, 119, 29));
    EXPECT_EQ(cell.Seen, (rtl::TPoint{1, 1}));
    EXPECT_TRUE(cell.WasSelected);
    Grid->RemoveInterfacedCell(1, 1);
    EXPECT_EQ(Grid->GetInterfacedCell(1, 1), nullptr);
}

TEST_F(GraphicCellsTest, ProgressShapeAndRatingCellsKeepTheirSettings)
{
    Grid->SetAutoNumAlign(true);
    Grid->AddProgress(1, 1, gfx::clRed, gfx::clWhite);
    EXPECT_TRUE(Grid->HasProgress(1, 1));
    const TCellGraphic* g = Grid->GetCellGraphic(1, 1);
    EXPECT_EQ(g->CellErrFrom(), 0);
    EXPECT_EQ(g->CellErrLen(), 100);
    EXPECT_FALSE(g->CellBoolean());
    EXPECT_EQ(g->CellBitmapColor(), gfx::clRed);
    EXPECT_EQ(Grid->GetCellProperties(1, 1)->Alignment(), ui::taRightJustify);
    // A marker removed from a progress cell clears its bounds (they share the range fields).
    Grid->RemoveMarker(1, 1);
    EXPECT_EQ(g->CellErrLen(), 0);
    Grid->RemoveProgress(1, 1);
    EXPECT_FALSE(Grid->HasProgress(1, 1));

    EXPECT_EQ(Grid->GetShapeColor(2, 2), static_cast<gfx::TColor>(0x1FFFFFFF));
    Grid->AddShape(2, 2, csCircle, gfx::clYellow, gfx::clBlack, haCenter, vaCenter);
    EXPECT_TRUE(Grid->HasShape(2, 2));
    Grid->SetShapeColor(2, 2, gfx::clAqua);
    EXPECT_EQ(Grid->GetShapeColor(2, 2), gfx::clAqua);
    Grid->RemoveRating(2, 2);  // another kind: left alone
    EXPECT_TRUE(Grid->HasShape(2, 2));
    Grid->RemoveShape(2, 2);
    EXPECT_FALSE(Grid->HasShape(2, 2));

    Grid->AddProgressPie(3, 1, gfx::clGreen, 10);
    Grid->SetProgressPie(3, 1, 75);
    EXPECT_EQ(Grid->GetCellGraphic(3, 1)->CellAngle(), 75);
    Grid->AddRating(3, 2, 4, gfx::clRed, gfx::clGray);
    EXPECT_TRUE(Grid->HasRating(3, 2));
    EXPECT_EQ(Grid->GetCellGraphic(3, 2)->CellHAlign(), haFull);
}

TEST_F(GraphicCellsTest, ButtonsPackTheirSizeAndReportWhereTheyWerePainted)
{
    Grid->AddButton(1, 1, 70, 20, "Go", haRight, vaBottom);
    const TCellGraphic* g = Grid->GetCellGraphic(1, 1);
    EXPECT_EQ(g->CellIndex(), 20 * 65536 + 70);
    const rtl::TRect cell = Grid->CellRect(1, 1);
    // Before the first paint the offset is 0: the button starts at the cell's corner.
    EXPECT_EQ(Grid->GetCellButtonRect(1, 1), rtl::Bounds(cell.Left, cell.Top, 70, 20));
    Draw(1, 1);
    // Painted at the right and bottom of the 120 × 30 cell: x = 119 - 70 - 1, y = 29 - 20 - 1.
    EXPECT_EQ(Grid->GetCellButtonRect(1, 1), rtl::Bounds(cell.Left + 48, cell.Top + 8, 70, 20));
    Grid->SetButtonText(1, 1, "Stop");
    EXPECT_EQ(Grid->GetButtonText(1, 1), "Stop");
    Grid->PushButton(1, 1, true);
    EXPECT_TRUE(g->CellBoolean());
    EXPECT_TRUE(Grid->HasButton(1, 1));
    Grid->RemoveBitButton(1, 1);  // a plain button is no bit button
    EXPECT_TRUE(Grid->HasButton(1, 1));

    gfx::TBitmap* glyph = Grid->CreateBitButton(2, 1, 40, 20, "", haLeft, vaTop);
    ASSERT_NE(glyph, nullptr);
    Grid->RemoveButton(2, 1);  // removes a bit button too
    EXPECT_FALSE(Grid->HasButton(2, 1));

    Grid->AddButton(2, 2, 30, 16, "a", haLeft, vaTop);
    Grid->AddButton(3, 3, 30, 16, "b", haLeft, vaTop);
    Grid->RemoveAllButtons();
    EXPECT_FALSE(Grid->HasButton(1, 1));
    EXPECT_FALSE(Grid->HasButton(3, 3));
}

TEST_F(GraphicCellsTest, PushedButtonCaptionMovesByOnePixel)
{
    Grid->Font().SetColor(gfx::clBlack);
    Grid->AddButton(1, 1, 70, 24, "Go", haLeft, vaTop);
    Grid->PushButton(1, 1, true);
    const auto downSurface = Draw(1, 1);
    // The caption's ink inside the face moves right and down by one pixel.
    rtl::TRect face = rtl::Bounds(2 + 4, 2 + 4, 70 - 8, 24 - 8);
    const auto caption = [&](const gridtest::Surface& s) {
        rtl::TRect box{1000, 1000, -1, -1};
        for (int y = face.Top; y < face.Bottom; ++y)
            for (int x = face.Left; x < face.Right; ++x)
                if (gridtest::Dark(s.At(x, y))) {
                    box.Left = std::min(box.Left, x);
                    box.Top = std::min(box.Top, y);
                }
        return rtl::TPoint{box.Left, box.Top};
    };
    Grid->PushButton(1, 1, false);
    const rtl::TPoint a = caption(*Draw(1, 1));
    const rtl::TPoint b = caption(*downSurface);
    EXPECT_EQ(b.X, a.X + 1);
    EXPECT_EQ(b.Y, a.Y + 1);
}

TEST_F(GraphicCellsTest, ExpandButtonChevronPointsByItsState)
{
    EXPECT_EQ(Grid->GetExpandButtonRect(1, 1), (rtl::TRect{0, 0, 0, 0}));
    Grid->AddExpand(1, 1, 80);
    const rtl::TRect cell = Grid->CellRect(1, 1);
    EXPECT_EQ(Grid->GetExpandButtonRect(1, 1), rtl::Rect(cell.Right - 13, cell.Top + 2, cell.Right - 2, cell.Top + 13));
    // R = (1, 1, 119, 29): collapsed (109, 6) - (112, 9) - (116, 5); expanded (109, 9) - (112, 6) - (116, 10).
    auto s = Draw(1, 1);
    EXPECT_EQ(s->At(110, 7), gfx::clBlack);
    EXPECT_EQ(s->At(114, 7), gfx::clBlack);
    EXPECT_NE(s->At(110, 8), gfx::clBlack);
    Grid->ToggleExpand(1, 1);
    s = Draw(1, 1);
    EXPECT_EQ(s->At(110, 8), gfx::clBlack);
    EXPECT_EQ(s->At(114, 8), gfx::clBlack);
    EXPECT_NE(s->At(110, 7), gfx::clBlack);
    // The button stands in the cell's top-right corner, 13 pixels square.
    EXPECT_EQ(gridtest::InkBox(*s, gridtest::NotWhite), rtl::Rect(119 - 13, 1, 119, 14));
}

TEST_F(GraphicCellsTest, GraphicParamsGiveTheRoomEachKindTakesAndWhetherTheTextIsShown)
{
    gfx::TBitmap bitmap(10, 7);
    struct Case {
        const char* name;
        std::function<void(TExtStringGrid&)> add;
        int w, h;
        bool text;
    };
    const Case cases[] = {
        {"check box", [](TExtStringGrid& g) { g.AddCheckBox(1, 1, true, false); }, 15, 15, true},
        {"data check box", [](TExtStringGrid& g) { g.AddCheckBox(1, 1, true, true); }, 15, 15, false},
        {"tri-state", [](TExtStringGrid& g) { g.AddCheckBox(1, 1, ui::cbGrayed); }, 15, 15, true},
        {"radio button", [](TExtStringGrid& g) { g.AddRadioButton(1, 1, true); }, 14, 14, true},
        {"radio group", [](TExtStringGrid& g) { g.CreateRadio(1, 1, 0, 0)->Add("a"); }, 0, 0, false},
        {"progress", [](TExtStringGrid& g) { g.AddProgress(1, 1, 0, 0); }, 0, 0, false},
        {"styled progress", [](TExtStringGrid& g) { g.AddExtProgress(1, 1, 0, 10); }, 0, 0, false},
        {"pie", [](TExtStringGrid& g) { g.AddProgressPie(1, 1, 0, 5); }, 20, 20, true},
        {"shape", [](TExtStringGrid& g) { g.AddShape(1, 1, csCircle, 0, 0, haLeft, vaTop); }, 26, 26, true},
        {"rating", [](TExtStringGrid& g) { g.AddRating(1, 1, 5, 0, 0); }, 90, 16, false},
        {"button", [](TExtStringGrid& g) { g.AddButton(1, 1, 70, 20, "x", haLeft, vaTop); }, 70, 20, true},
        {"bitmap", [&](TExtStringGrid& g) { g.AddBitmap(1, 1, &bitmap, false, haLeft, vaTop); }, 10, 7, true},
        {"rotated", [](TExtStringGrid& g) { g.AddRotated(1, 1, 90, "x"); }, 0, 0, false},
        {"comment only", [](TExtStringGrid& g) { g.AddComment(1, 1, "c"); }, 0, 0, true},
    };
    for (const Case& c : cases) {
        Grid->ClearRect(1, 1, 1, 1);
        c.add(*Grid);
        int w = -1, h = -1;
        bool text = !c.text;
        TCellHAlign ha;
        TCellVAlign va;
        EXPECT_NE(Grid->GetCellGraphicParams(1, 1, w, h, text, ha, va), nullptr) << c.name;
        EXPECT_EQ(w, c.w) << c.name;
        EXPECT_EQ(h, c.h) << c.name;
        EXPECT_EQ(text, c.text) << c.name;
    }
    Grid->ControlLook().SetControlStyle(csJyx);
    Grid->AddCheckBox(1, 1, true, false);
    int w = 0, h = 0;
    bool text = false;
    TCellHAlign ha = haFull;
    TCellVAlign va = vaFull;
    Grid->GetCellGraphicParams(1, 1, w, h, text, ha, va);
    EXPECT_EQ(w, 16);
    EXPECT_EQ(ha, haBeforeText);
    // No graphic: nothing to leave room for, the text shown, top-left.
    EXPECT_EQ(Grid->GetCellGraphicParams(3, 3, w, h, text, ha, va), nullptr);
    EXPECT_EQ(w, 0);
    EXPECT_EQ(h, 0);
    EXPECT_TRUE(text);
    EXPECT_EQ(ha, haLeft);
    EXPECT_EQ(va, vaTop);
}

TEST_F(GraphicCellsTest, FlatGridWithColourTonesDrawsButtonsInTheToneOfTheirState)
{
    TColorTones tones;
    tones.Background = {0xE0F0E0, 0x408040, 0x0000C0};  // brush, border, text
    tones.Disabled = {0xD0D0D0, 0x909090, 0x707070};
    tones.Selected = {0xF0D0D0, 0x804040, 0x00C000};
    tones.Hover = tones.Background;
    tones.Foreground = tones.Background;
    Grid->SetColorTones(tones);
    Grid->AddButton(1, 1, 70, 24, "Go", haLeft, vaTop);
    struct Case { const char* name; std::function<void()> set; gfx::TColor face, text; };
    const Case cases[] = {
        {"normal", [] {}, 0xE0F0E0, 0x0000C0},
        {"pushed", [&] { Grid->PushButton(1, 1, true); }, 0xF0D0D0, 0x00C000},
        {"disabled", [&] {
             Grid->PushButton(1, 1, false);
             Grid->OnCanEditCell = [](TSender, int, int, bool& can) { can = false; };
         }, 0xD0D0D0, 0x707070},
    };
    for (const Case& c : cases) {
        c.set();
        const auto s = Draw(1, 1);
        EXPECT_EQ(s->At(8, 8), c.face) << c.name;
        // The caption's ink (anti-aliased) comes close to the tone's text colour.
        const auto near = [t = c.text](gfx::TColor p) {
            return std::abs(gfx::GetRValue(p) - gfx::GetRValue(t)) + std::abs(gfx::GetGValue(p) - gfx::GetGValue(t)) +
                       std::abs(gfx::GetBValue(p) - gfx::GetBValue(t)) < 60;
        };
        EXPECT_GT(s->Count(rtl::Bounds(2, 2, 70, 24), near), 3) << c.name;
    }
}
