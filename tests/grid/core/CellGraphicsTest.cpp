// Tests of cell graphics: copying, kind setters, ownership of main objects, picture sizes, file pictures.
#include "grid/core/CellGraphics.h"

#include <gtest/gtest.h>

#include <memory>

#include "grid/core/CellGraphicsFilePicture.h"
#include "grid/core/GridLists.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/Picture.h"
#include "tests/support/TempDir.h"

using namespace grid;

namespace {

// An object that counts how many of its kind are alive, to prove what is freed and when.
class TCounted : public rtl::TObject {
public:
    static int Live;
    TCounted() { ++Live; }
    ~TCounted() override { --Live; }
};
int TCounted::Live = 0;

class CellGraphicsTest : public ::testing::Test {
protected:
    void SetUp() override { TCounted::Live = 0; }
};

}  // namespace

TEST_F(CellGraphicsTest, NewGraphicIsEmptyOfKindNone)
{
    TCellGraphic g;
    EXPECT_EQ(g.CellType(), ctNone);
    EXPECT_FALSE(g.CellCreated());
    EXPECT_EQ(g.CellBitmap(), nullptr);
    EXPECT_EQ(g.CellIcon(), nullptr);
    EXPECT_EQ(g.CellIndex(), 0);
    EXPECT_EQ(g.CellAngle(), 0);
    EXPECT_EQ(g.CellCheckBoxState(), ui::cbUnchecked);
    EXPECT_EQ(g.CellComment(), "");
}

TEST_F(CellGraphicsTest, CopyingNeverMakesTheTargetOwnerOfTheCallersPicture)
{
    auto callersPicture = std::make_unique<TCounted>();
    {
        TCellGraphic source;
        source.SetMultiImage(1, 2, 0, haLeft, vaTop, nullptr);  // owns its image-index list
        source.AdoptCellBitmap(std::make_unique<TCounted>());   // and now a counted object
        ASSERT_TRUE(source.CellCreated());
        ASSERT_EQ(TCounted::Live, 2);

        TCellGraphic target;
        target.SetBitmap(callersPicture.get(), false, haLeft, vaTop);
        target.Assign(&source);

        // The target keeps its own (borrowed) object and does not own it.
        EXPECT_EQ(target.CellType(), ctImages);
        EXPECT_EQ(target.CellBitmap(), callersPicture.get());
        EXPECT_FALSE(target.CellCreated());
        EXPECT_NE(target.CellBitmap(), source.CellBitmap());
    }
    // The source freed its own object once; the caller's picture is still alive.
    EXPECT_EQ(TCounted::Live, 1);
    callersPicture.reset();
    EXPECT_EQ(TCounted::Live, 0);
}

TEST_F(CellGraphicsTest, CopyCarriesTheCheckBoxStateWithTheKind)
{
    TCellGraphic source;
    source.SetCheckBox(ui::cbGrayed, true, haBeforeText, vaCenter);
    TCellGraphic target;
    target.Assign(&source);
    EXPECT_EQ(target.CellType(), ctTriStateCheckBox);
    EXPECT_EQ(target.CellCheckBoxState(), ui::cbGrayed);
    EXPECT_TRUE(target.CellTransparent());
    EXPECT_EQ(target.CellHAlign(), haBeforeText);
    EXPECT_EQ(target.CellVAlign(), vaCenter);
}

TEST_F(CellGraphicsTest, CopyTakesTheValueFieldsAndTheCommentOnlyFromACellGraphic)
{
    TCellGraphic source;
    source.SetButton(80, 24, "Go", haRight, vaBottom);
    source.SetCellValue(2.5);
    source.SetCellErrFrom(3);
    source.SetCellErrLen(4);
    source.SetCellVar(TCellVariant{std::string("free")});
    source.SetCellComment("note");
    source.SetCommentColor(0x123456);

    TCellGraphic full;
    full.Assign(&source);
    EXPECT_EQ(full.CellType(), ctButton);
    EXPECT_EQ(full.CellIndex(), source.CellIndex());
    EXPECT_EQ(full.CellText(), "Go");
    EXPECT_EQ(full.CellValue(), 2.5);
    EXPECT_EQ(full.CellErrFrom(), 3);
    EXPECT_EQ(full.CellErrLen(), 4);
    EXPECT_EQ(full.CellComment(), "note");
    EXPECT_EQ(full.CommentColor(), 0x123456);
    EXPECT_TRUE(std::holds_alternative<std::monostate>(full.CellVar()));  // not copied

    TBaseCellGraphic base;
    base.SetAngle(45);
    TCellGraphic fromBase;
    fromBase.SetCellComment("mine");
    fromBase.Assign(&base);
    EXPECT_EQ(fromBase.CellType(), ctRotated);
    EXPECT_EQ(fromBase.CellComment(), "mine");

    TCellGraphic untouched;
    TFilePicture foreign;
    untouched.Assign(&foreign);  // another class: ignored
    EXPECT_EQ(untouched.CellType(), ctNone);
}

TEST_F(CellGraphicsTest, DestroyingFreesExactlyWhatTheGraphicOwns)
{
    auto borrowedBitmap = std::make_unique<TCounted>();
    {
        TCellGraphic owning;
        owning.AdoptCellBitmap(std::make_unique<TCounted>());
        owning.SetCheckBox(true, false, false, haLeft, vaTop);  // kind changes; ownership does not
        TCellGraphic borrowing;
        borrowing.SetPicture(borrowedBitmap.get(), false, Stretch, 0, haLeft, vaTop);
        borrowing.SetCellAngle(1);  // the check-box bitmap marker does not make it an owner
        borrowing.SetCheckBox(true, false, false, haLeft, vaTop);
        EXPECT_EQ(TCounted::Live, 2);
    }
    EXPECT_EQ(TCounted::Live, 1);
}

TEST_F(CellGraphicsTest, ReplacingAnOwnedMainObjectFreesIt)
{
    TCounted callers;  // counted too: Live starts at 1
    TCellGraphic g;
    g.AdoptCellBitmap(std::make_unique<TCounted>());
    EXPECT_EQ(TCounted::Live, 2);
    g.AdoptCellBitmap(std::make_unique<TCounted>());  // the first owned object goes
    EXPECT_EQ(TCounted::Live, 2);
    // Handing in the object already held keeps it and its ownership.
    g.SetCellBitmap(g.CellBitmap());
    EXPECT_TRUE(g.OwnsCellBitmap());
    EXPECT_EQ(TCounted::Live, 2);
    g.SetBitButton(20, 10, "B", &callers, haLeft, vaTop);  // owned object freed, caller's kept
    EXPECT_EQ(TCounted::Live, 1);
    EXPECT_EQ(g.CellBitmap(), &callers);
    EXPECT_FALSE(g.CellCreated());

    auto icon = std::make_unique<gfx::TIcon>();
    g.AdoptCellIcon(std::make_unique<gfx::TIcon>());
    EXPECT_TRUE(g.OwnsCellIcon());
    g.SetIcon(icon.get(), haCenter, vaCenter);
    EXPECT_FALSE(g.OwnsCellIcon());
    EXPECT_EQ(g.CellType(), ctIcon);
    g.SetInterfacedCell(nullptr);
    EXPECT_EQ(g.CellType(), ctInterface);
    EXPECT_EQ(g.CellBitmap(), nullptr);
}

TEST_F(CellGraphicsTest, MultiImageOwnsAListForItsCellThatNotifiesTheGrid)
{
    int notifiedCol = -1;
    int notifiedRow = -1;
    TCellGraphic g;
    g.SetMultiImage(4, 6, 0, haFull, vaFull, [&](rtl::TObject*, int c, int r) {
        notifiedCol = c;
        notifiedRow = r;
    });
    EXPECT_EQ(g.CellType(), ctImages);
    EXPECT_TRUE(g.CellBoolean());
    EXPECT_TRUE(g.CellCreated());
    auto* list = dynamic_cast<TIntList*>(g.CellBitmap());
    ASSERT_NE(list, nullptr);
    list->Add(3);
    EXPECT_EQ(notifiedCol, 4);
    EXPECT_EQ(notifiedRow, 6);

    g.SetMultiImage(4, 6, 1, haFull, vaFull, nullptr);
    EXPECT_FALSE(g.CellBoolean());
}

TEST_F(CellGraphicsTest, SettersSetTheKindAndOnlyTheirFields)
{
    TCellGraphic g;
    g.SetCellText("keep");
    g.SetCheckBox(true, true, true, haAfterText, vaUnderText);
    EXPECT_EQ(g.CellType(), ctDataCheckBox);
    EXPECT_TRUE(g.CellBoolean());
    EXPECT_TRUE(g.CellTransparent());
    EXPECT_EQ(g.CellAngle(), 0);
    EXPECT_EQ(g.CellText(), "keep");

    g.SetCheckBox(false, false, false, haLeft, vaTop);
    EXPECT_EQ(g.CellType(), ctCheckBox);

    g.SetCheckBox(ui::cbChecked, false, haLeft, vaTop);
    EXPECT_EQ(g.CellType(), ctTriStateCheckBox);
    EXPECT_FALSE(g.CellBoolean());
    EXPECT_EQ(g.CellCheckBoxState(), ui::cbChecked);

    g.SetRadioButton(true, true, haCenter, vaCenter, rgCol);
    EXPECT_EQ(g.CellType(), ctRadioButton);
    EXPECT_EQ(g.CellAngle(), rgCol);
    EXPECT_TRUE(g.CellBoolean());

    g.SetButton(80, 24, "OK", haRight, vaBottom);
    EXPECT_EQ(g.CellIndex(), 24 * 65536 + 80);
    EXPECT_FALSE(g.CellBoolean());
    EXPECT_EQ(g.CellText(), "OK");

    g.SetImageIdx(7, haLeft, vaTop);
    EXPECT_EQ(g.CellType(), ctImageList);
    EXPECT_EQ(g.CellIndex(), 7);
    g.SetDataImage(8, haLeft, vaTop);
    EXPECT_EQ(g.CellType(), ctDataImage);
    EXPECT_EQ(g.CellIndex(), 8);
    g.SetDataPicture(haRight, vaAboveText);
    EXPECT_EQ(g.CellType(), ctDataPicture);
    EXPECT_EQ(g.CellIndex(), 8);
    EXPECT_EQ(g.CellVAlign(), vaAboveText);
}

TEST_F(CellGraphicsTest, RotationAngleIsBroughtIntoZeroTo360)
{
    const std::pair<short, int> cases[] = {{-90, 270}, {720, 360}, {360, 360}, {0, 0}, {450, 90}, {-720, 0}, {-1, 359}};
    for (auto [in, out] : cases) {
        TCellGraphic g;
        g.SetAngle(in);
        EXPECT_EQ(g.CellType(), ctRotated);
        EXPECT_EQ(g.CellAngle(), out) << in;
    }
}

TEST_F(CellGraphicsTest, PictureSizeFollowsTheStretchMode)
{
    gfx::TBitmap picture(100, 50);
    struct Case {
        TStretchMode mode;
        int cw, rh, padding;
        rtl::TPoint size;
    };
    const Case cases[] = {
        {noStretch, 60, 60, 0, {100, 50}},
        {Stretch, 60, 60, 0, {60, 60}},
        {StretchWithAspectRatio, 60, 60, 0, {60, 30}},
        {Shrink, 60, 60, 0, {60, 60}},
        {ShrinkWithAspectRatio, 60, 60, 0, {60, 30}},
        {ShrinkWithAspectRatio, 200, 200, 0, {100, 50}},  // smaller than the cell: natural size
        {Shrink, 200, 200, 0, {100, 50}},
        {StretchWithAspectRatio, 300, 75, 0, {150, 75}},   // height limits: rx 3, ry 1.5
        {Stretch, 60, 60, 10, {50, 50}},                   // padding taken off once
        {ShrinkWithAspectRatio, 70, 70, 10, {60, 30}},
        {StretchWithAspectRatio, 105, 25, 0, {50, 25}},    // 100 * 0.5 exactly
        {StretchWithAspectRatio, 500, 5, 0, {10, 5}},
    };
    for (const auto& c : cases) {
        TCellGraphic g;
        g.SetPicture(&picture, false, c.mode, c.padding, haLeft, vaTop);
        EXPECT_EQ(g.GetPictureSize(c.cw, c.rh), c.size) << int(c.mode) << " " << c.cw << "x" << c.rh;
    }
    TCellGraphic other;
    other.SetBitmap(&picture, false, haLeft, vaTop);
    EXPECT_EQ(other.GetPictureSize(60, 60), (rtl::TPoint{0, 0}));
}

TEST_F(CellGraphicsTest, RoundingOfAspectSizesGoesToTheEvenNeighbour)
{
    gfx::TBitmap picture(5, 2);  // 5 * 0.5 = 2.5 -> 2; 7 * 0.5 = 3.5 -> 4
    TCellGraphic g;
    g.SetPicture(&picture, false, StretchWithAspectRatio, 0, haLeft, vaTop);
    EXPECT_EQ(g.GetPictureSize(100, 1), (rtl::TPoint{2, 1}));
    gfx::TBitmap wider(7, 2);
    g.SetPicture(&wider, false, StretchWithAspectRatio, 0, haLeft, vaTop);
    EXPECT_EQ(g.GetPictureSize(100, 1), (rtl::TPoint{4, 1}));
}

TEST_F(CellGraphicsTest, FilePictureTakesItsSizeFromTheFileAndDrawsStretched)
{
    testsupport::TempDir dir;
    gfx::TBitmap red(4, 2);
    red.Canvas().Brush().SetColor(gfx::clRed);
    red.Canvas().FillRect(rtl::Rect(0, 0, 4, 2));
    red.SaveToPngFile(dir.File("red.png"));

    TFilePicture fp;
    fp.SetFilename(dir.File("red.png"));
    EXPECT_EQ(fp.Width(), 4);
    EXPECT_EQ(fp.Height(), 2);

    TCellGraphic g;
    g.SetFilePicture(&fp, false, StretchWithAspectRatio, 0, haLeft, vaTop);
    EXPECT_EQ(g.CellType(), ctFilePicture);
    EXPECT_EQ(g.GetPictureSize(40, 40), (rtl::TPoint{40, 20}));

    gfx::TBitmap target(20, 20);
    target.Canvas().Brush().SetColor(gfx::clWhite);
    target.Canvas().FillRect(rtl::Rect(0, 0, 20, 20));
    fp.DrawPicture(target.Canvas(), rtl::Rect(0, 0, 10, 10));
    EXPECT_EQ(gfx::ColorToRGB(target.Canvas().Pixels(5, 5)), gfx::clRed);
    EXPECT_EQ(gfx::ColorToRGB(target.Canvas().Pixels(15, 15)), gfx::clWhite);

    TFilePicture copy;
    copy.Assign(&fp);
    EXPECT_EQ(copy.Filename(), fp.Filename());
    EXPECT_EQ(copy.Width(), 4);
    EXPECT_EQ(copy.Height(), 2);
}

TEST_F(CellGraphicsTest, MissingOrUnreadableFilePictureIsStoredQuietlyAndDrawsNothing)
{
    testsupport::TempDir dir;
    testsupport::WriteFileBytes(dir.File("junk.png"), "not a picture");
    TFilePicture fp;
    fp.SetFilename(dir.File("missing.png"));
    EXPECT_EQ(fp.Filename(), dir.File("missing.png"));
    EXPECT_EQ(fp.Width(), 0);
    fp.SetFilename(dir.File("junk.png"));
    EXPECT_EQ(fp.Height(), 0);

    gfx::TBitmap target(10, 10);
    target.Canvas().Brush().SetColor(gfx::clWhite);
    target.Canvas().FillRect(rtl::Rect(0, 0, 10, 10));
    fp.DrawPicture(target.Canvas(), rtl::Rect(0, 0, 10, 10));
    EXPECT_EQ(gfx::ColorToRGB(target.Canvas().Pixels(5, 5)), gfx::clWhite);
}

TEST_F(CellGraphicsTest, CheckBoxHelpersMapStateAndPlacement)
{
    EXPECT_EQ(BoolToCheckBoxState(true), ui::cbChecked);
    EXPECT_EQ(BoolToCheckBoxState(false), ui::cbUnchecked);
    EXPECT_EQ(CellVAlignOf(vtaTop), vaTop);
    EXPECT_EQ(CellVAlignOf(vtaCenter), vaCenter);
    EXPECT_EQ(CellVAlignOf(vtaBottom), vaBottom);
}
