// Edit-with-button controls and the grid's edit-button editors: units, F4, filters, paste, lookup, keys that validate.
#include <gtest/gtest.h>

#include <vector>

#include "grid/core/GridOptions.h"
#include "grid/editing/GridEditorContract.h"
#include "grid/editing/GridEditors.h"
#include "grid/editing/EsgSpeedButton.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Picture.h"
#include "platform/ui/Menus.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/ui/Clipboard.h"
#include "tests/grid/editing/GridEditorFixture.h"

using namespace grid;

namespace {

struct UnitCase {
    std::vector<std::string> Units;
    std::string Value;
    std::string Text;
    std::string Unit;
};

class TextAndUnitTest : public GridEditorFixture, public ::testing::WithParamInterface<UnitCase> {};

TEST_P(TextAndUnitTest, TheFirstUnitThatEndsTheValueSplitsIt)
{
    const UnitCase& tc = GetParam();
    TEsgUnitEditBtn e(Form);
    for (const std::string& u : tc.Units) e.Units().Add(u);
    e.SetText("old");
    e.SetUnitID("old");
    e.SetTextAndUnit(tc.Value);
    EXPECT_EQ(e.Text(), tc.Text);
    EXPECT_EQ(e.UnitID(), tc.Unit);
    EXPECT_EQ(e.TextAndUnit(), tc.Text + tc.Unit);
}

INSTANTIATE_TEST_SUITE_P(Cases, TextAndUnitTest,
                         ::testing::Values(UnitCase{{"cm", "m"}, "12cm", "12", "cm"},
                                           UnitCase{{"m", "cm"}, "12cm", "12c", "m"},
                                           UnitCase{{"cm", "m"}, "12", "old", "old"},
                                           UnitCase{{"m"}, "5 m/m", "old", "old"},
                                           UnitCase{{"°C"}, "21,5°C", "21,5", "°C"}));

class EditBtnTest : public GridEditorFixture {
protected:
    TGridEditBtn& Btn() { return *Grid->EditBtn(); }
    void SetUp() override
    {
        GridEditorFixture::SetUp();
        Saved = rtl::FormatSettings;
    }
    void TearDown() override
    {
        rtl::FormatSettings = Saved;
        GridEditorFixture::TearDown();
    }
    rtl::TFormatSettings Saved;
};

TEST_F(EditBtnTest, F4HandsTheTextToOnEllipsClickAndSelectsWhatComesBack)
{
    std::vector<std::string> seen;
    Grid->OnEllipsClick = [&](TSender, int c, int r, std::string& s) {
        seen.push_back(std::to_string(c) + "," + std::to_string(r) + ":" + s);
        s = "chosen";
    };
    Grid->SetCells(2, 2, "cell");
    Btn().SetText("cell");
    Open(Btn(), edEditBtn, 2, 2);
    Press(ui::VK_F4, ui::ssAlt);
    EXPECT_TRUE(seen.empty());
    Press(ui::VK_F4);
    EXPECT_EQ(seen, (std::vector<std::string>{"2,2:cell"}));
    EXPECT_EQ(Btn().Text(), "chosen");
    EXPECT_EQ(Btn().SelStart(), 0);
    EXPECT_EQ(Btn().SelLength(), 6);
}

TEST_F(EditBtnTest, ButtonClickFiresOnClickBtnWithTheButtonPartAsSender)
{
    TEsgEditBtn e(Form);
    e.SetParent(Form);
    e.SetBounds(20, 320, 150, 24);
    std::vector<rtl::TObject*> senders;
    e.OnClickBtn = [&](rtl::TObject* s) { senders.push_back(s); };
    Form->PaintPending();
    TEsgEditButton* part = e.Button();
    ui::THeadlessBackend::Click(&part->Button(), 3, 3);
    ASSERT_EQ(senders.size(), 1u);
    EXPECT_EQ(senders[0], part);
    EXPECT_TRUE(e.Focused());  // the focus goes to the edit after the click
}

TEST_F(EditBtnTest, WithTheEditorDisabledTypingPasteAndCutDoNothingButF4Works)
{
    TEsgEditBtn e(Form);
    e.SetParent(Form);
    e.SetBounds(20, 320, 150, 24);
    int clicks = 0;
    e.OnClickBtn = [&](rtl::TObject* s) {
        EXPECT_EQ(s, &e);
        ++clicks;
    };
    e.SetText("keep");
    e.SetEditorEnabled(false);
    e.SetFocus();
    e.SelectAll();
    ui::Clipboard().SetAsText("pasted");
    Type("zz");
    Press('V', ui::ssCtrl);
    Press('X', ui::ssCtrl);
    EXPECT_EQ(e.Text(), "keep");
    Press(ui::VK_F4);
    EXPECT_EQ(clicks, 1);
    e.SetEditorEnabled(true);
    Press('V', ui::ssCtrl);
    EXPECT_EQ(e.Text(), "pasted");
}

TEST_F(EditBtnTest, NumericEditorAllowsOneLeadingMinusAndDigitsAndBeepsAtTheRest)
{
    Grid->SetCells(1, 1, "12");
    Open(Btn(), edNumericEditBtn, 1, 1);
    Btn().SetSelStart(0);
    Btn().SetSelLength(0);
    int beeps = EditorBeepCount();
    Type("-");
    EXPECT_EQ(Btn().Text(), "-12");
    Type("-");
    Type("a");
    EXPECT_EQ(Btn().Text(), "-12");
    EXPECT_EQ(EditorBeepCount(), beeps + 2);
}

TEST_F(EditBtnTest, FloatEditorRefusesASecondDecimalSeparatorAndDropsTheThousandSeparatorSilently)
{
    rtl::FormatSettings.DecimalSeparator = ',';
    rtl::FormatSettings.ThousandSeparator = '.';
    Grid->SetCells(1, 1, "1,5");
    Open(Btn(), edFloatEditBtn, 1, 1);
    Btn().SetSelStart(3);
    Btn().SetSelLength(0);
    int beeps = EditorBeepCount();
    Type(",.");
    EXPECT_EQ(Btn().Text(), "1,5");
    EXPECT_EQ(EditorBeepCount(), beeps);
    Type("-");
    EXPECT_EQ(EditorBeepCount(), beeps + 1);
    Type("2");
    EXPECT_EQ(Btn().Text(), "1,52");
    // A selected separator may be typed over.
    Btn().SetSelStart(1);
    Btn().SetSelLength(1);
    Type(",");
    EXPECT_EQ(Btn().Text(), "1,52");
    Open(Btn(), edEditBtn, 1, 1);
    Btn().SelectAll();
    ui::Clipboard().SetAsText("3,25");
    Open(Btn(), edFloatEditBtn, 1, 1);
    Btn().SelectAll();
    Press('V', ui::ssCtrl);
    EXPECT_EQ(Btn().Text(), "3,25");
}

TEST_F(EditBtnTest, PasteDropsOnlyASingleTrailingLineBreakAndAsksTheGrid)
{
    std::vector<std::string> before;
    Grid->OnClipboardBeforePasteCell = [&](TSender, int c, int r, std::string& v, bool&) {
        before.push_back(std::to_string(c) + "," + std::to_string(r) + ":" + v);
    };
    Btn().SetText("");
    Open(Btn(), edEditBtn, 3, 2);
    ui::Clipboard().SetAsText("word\r\n");
    Press('V', ui::ssCtrl);
    EXPECT_EQ(Btn().Text(), "word");
    EXPECT_EQ(Btn().SelStart(), 4);
    EXPECT_EQ(before, (std::vector<std::string>{"3,2:word\r\n"}));

    Btn().SetText("");
    ui::Clipboard().SetAsText("a\r\nb\r\n");
    Press('V', ui::ssCtrl);
    EXPECT_EQ(Btn().Text(), "a\nb\n");  // both breaks kept (the edit holds a break as one character)

    // A refusing OnClipboardPaste pastes nothing.
    Grid->OnClipboardPaste = [](TSender, bool& allow) { allow = false; };
    Btn().SetText("x");
    Press('V', ui::ssCtrl);
    EXPECT_EQ(Btn().Text(), "x");
}

TEST_F(EditBtnTest, LookupCompletesTheTypedPrefixFromLookupItems)
{
    Grid->SetLookup(true);
    Grid->LookupItems().Add("Paris");
    Grid->LookupItems().Add("Prague");
    Btn().SetText("");
    Open(Btn(), edEditBtn, 1, 1);
    TypeKey('p');
    EXPECT_EQ(Btn().Text(), "paris");
    EXPECT_EQ(Btn().SelStart(), 1);
    EXPECT_EQ(Btn().SelLength(), 4);
    TypeKey('r');
    EXPECT_EQ(Btn().Text(), "prague");
    EXPECT_EQ(Btn().SelLength(), 4);
    // Backspace removes the selection and does not complete again.
    Press(ui::VK_BACK);
    EXPECT_EQ(Btn().Text(), "pr");
}

TEST_F(EditBtnTest, EnterValidatesAndARefusedValueKeepsTheEditorWithTheValueSelected)
{
    Grid->OnCellValidate = [](TSender, int, int, std::string& v, bool& ok) { ok = v != "bad"; };
    Grid->SetCells(1, 1, "old");
    Btn().SetText("old");
    Open(Btn(), edEditBtn, 1, 1);
    Btn().SetText("bad");
    Press(ui::VK_RETURN);
    EXPECT_TRUE(Btn().Focused());
    EXPECT_EQ(Btn().Text(), "bad");
    EXPECT_EQ(Btn().SelLength(), 3);
    EXPECT_EQ(Grid->Cells(1, 1), "old");

    Btn().SetText("good");
    Press(ui::VK_RETURN);
    EXPECT_EQ(Grid->Cells(1, 1), "good");
    EXPECT_TRUE(Grid->Focused());
}

TEST_F(EditBtnTest, WalkingOutAtEitherEndHappensOnlyWhenTheValueValidates)
{
    Grid->Navigation().SetCursorWalkEditor(true);
    Grid->Navigation().SetCursorWalkAlwaysEdit(false);
    Grid->Navigation().SetAdvanceAutoEdit(false);
    Grid->OnCellValidate = [](TSender, int, int, std::string& v, bool& ok) { ok = v != "bad"; };
    Open(Btn(), edEditBtn, 2, 1);
    Btn().SetText("bad");
    Btn().SetSelStart(3);
    Press(ui::VK_RIGHT);
    EXPECT_EQ(Grid->Col(), 2);
    EXPECT_TRUE(Btn().Focused());
    Btn().SetText("ok");
    Btn().SetSelStart(2);
    Press(ui::VK_RIGHT);
    EXPECT_EQ(Grid->Col(), 3);
    EXPECT_EQ(Grid->Cells(2, 1), "ok");

    Open(Btn(), edEditBtn, 2, 1);
    Btn().SetText("bad");
    Btn().SetSelStart(0);
    Btn().SetSelLength(0);
    Press(ui::VK_LEFT);
    // Leaving the cell validates the value on this side too: the refused text never
    // reaches the cell and the cursor stays.
    EXPECT_EQ(Grid->Col(), 2);
    EXPECT_EQ(Grid->Cells(2, 1), "ok");
    App->ProcessMessages();  // the editor reopens on the refused cell
    EXPECT_TRUE(Btn().Focused());
    Btn().SetText("fine");
    Btn().SetSelStart(0);
    Press(ui::VK_LEFT);
    EXPECT_EQ(Grid->Col(), 1);
    EXPECT_EQ(Grid->Cells(2, 1), "fine");
}

TEST_F(EditBtnTest, UnitEditorShowsValueAndUnitAndEnterStoresThemTogether)
{
    TGridUnitEditBtn& u = *Grid->UnitEditBtn();
    u.Units().Add("cm");
    u.Units().Add("m");
    Grid->SetCells(1, 1, "12cm");
    u.SetTextAndUnit(Grid->Cells(1, 1));
    EXPECT_EQ(u.Text(), "12");
    EXPECT_EQ(u.UnitID(), "cm");
    std::vector<std::string> validated;
    Grid->OnCellValidate = [&](TSender, int, int, std::string& v, bool&) { validated.push_back(v); };
    Open(u, edUnitEditBtn, 1, 1);
    u.SetText("15");
    Press(ui::VK_RETURN);
    EXPECT_EQ(validated, (std::vector<std::string>{"15cm"}));
    EXPECT_EQ(Grid->Cells(1, 1), "15cm");
}

TEST_F(EditBtnTest, UnitEditorFiltersNumericCharacters)
{
    TGridUnitEditBtn& u = *Grid->UnitEditBtn();
    u.SetText("");
    Open(u, edNumericUnitEditBtn, 1, 1);
    Type("4x2");
    EXPECT_EQ(u.Text(), "42");
}

TEST_F(EditBtnTest, ButtonPaintsFlatInItsColourHotAndPressed)
{
    TEsgEditBtn e(Form);
    e.SetParent(Form);
    e.SetBounds(20, 320, 150, 24);
    TEsgEditButton& part = *e.Button();
    part.SetButtonColor(0x00FF00);
    part.SetButtonColorHot(0x0000FF);
    part.SetButtonColorDown(0xFF0000);
    auto pixel = [&] {
        Form->PaintPending();
        return static_cast<gfx::TColor>(ui::THeadlessBackend::Pixel(&part.Button(), 1, 1)) & 0xFFFFFF;
    };
    EXPECT_EQ(pixel(), 0x00FF00u);
    ui::THeadlessBackend::MouseMove(&part.Button(), 3, 3);
    EXPECT_EQ(pixel(), 0x0000FFu);
    ui::THeadlessBackend::MouseDown(&part.Button(), 3, 3);
    EXPECT_EQ(pixel(), 0xFF0000u);
    ui::THeadlessBackend::MouseUp(&part.Button(), 3, 3);
}

TEST_F(EditBtnTest, UnitButtonFiresOnClickBtnFirstThenOffersTheUnitsAsAMenu)
{
    TEsgUnitEditBtn e(Form);
    e.SetParent(Form);
    e.SetBounds(20, 320, 150, 24);
    e.Units().Add("kg");
    e.Units().Add("t");
    std::vector<std::string> order;
    e.OnClickBtn = [&](rtl::TObject*) { order.push_back(e.UnitMenu() == nullptr ? "click" : "click after menu"); };
    e.OnUnitChanged = [&](rtl::TObject* s, const std::string& u) {
        EXPECT_EQ(s, &e);
        order.push_back("unit " + u);
    };
    Form->PaintPending();
    ui::THeadlessBackend::Click(&e.Button()->Button(), 3, 3);
    ASSERT_NE(e.UnitMenu(), nullptr);
    ui::TMenuItem& items = e.UnitMenu()->Items();
    ASSERT_EQ(items.Count(), 2);
    EXPECT_EQ(items.Items(0)->Caption(), "kg");
    items.Items(1)->Click();
    EXPECT_EQ(e.UnitID(), "t");
    EXPECT_EQ(order, (std::vector<std::string>{"click", "unit t"}));
}

TEST_F(EditBtnTest, SpeedButtonDrawsItsPictureCentredOverItsFace)
{
    TEsgSpeedButton b(Form);
    b.SetParent(Form);
    b.SetBounds(300, 320, 20, 20);
    gfx::TBitmap red(4, 4);
    red.Canvas().Brush().SetColor(0x0000FF);
    red.Canvas().FillRect(rtl::Rect(0, 0, 4, 4));
    gfx::TPicture pic;
    pic.SetGraphic(&red);
    b.SetPicture(pic);
    Form->PaintPending();
    auto px = [&](int x, int y) { return static_cast<gfx::TColor>(ui::THeadlessBackend::Pixel(&b, x, y)) & 0xFFFFFF; };
    EXPECT_EQ(px(8, 8), 0x0000FFu);
    EXPECT_EQ(px(11, 11), 0x0000FFu);
    EXPECT_NE(px(7, 7), 0x0000FFu);
    EXPECT_NE(px(12, 12), 0x0000FFu);
}

TEST_F(EditBtnTest, TheEditIsNeverLowerThanItsTextAndItsButtonSitsAtTheRightEdge)
{
    TEsgEditBtn e(Form);
    e.SetParent(Form);
    e.SetBounds(20, 320, 150, 5);
    EXPECT_GT(e.Height(), 5);
    int raised = e.Height();
    e.SetBounds(20, 320, 150, raised + 10);
    EXPECT_EQ(e.Height(), raised + 10);
    int d = e.BorderNone() ? 1 : 5;
    EXPECT_EQ(e.Button()->Left(), e.Width() - e.Button()->Width() - d);
    EXPECT_EQ(e.Button()->Height(), e.Height() - d);
}

TEST_F(EditBtnTest, EscapeGivesTheEditorTheTextTheCellHadWhenEditingBegan)
{
    Grid->SetCells(1, 1, "before");
    Btn().SetText("before");
    Open(Btn(), edEditBtn, 1, 1);
    Btn().SetText("typed");
    Press(ui::VK_ESCAPE);
    EXPECT_EQ(Btn().Text(), "before");
    EXPECT_TRUE(Grid->Focused());
}

}  // namespace
