// A program's own editor control in grid cells through the custom editor link, driven by real key messages.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptions.h"
#include "grid/editing/ExtGridEditLink.h"
#include "grid/editing/ExtInplaceEdit.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/StdCtrls.h"
#include "tests/grid/GridOnFormTest.h"

namespace {

// What a program writes: an edit control created once, its key-down event routed to the link.
class TTextLink : public grid::TEditLink {
public:
    using grid::TEditLink::TEditLink;
    ui::TWinControl* GetEditControl() override { return FEdit; }
    void CreateEditor(ui::TWinControl* AParent) override
    {
        if (FEdit != nullptr) return;
        FEdit = new ui::TEdit(AParent);
        FEdit->SetParent(AParent);
        FEdit->OnKeyDown = [this](rtl::TObject* s, ui::WORD& k, ui::TShiftState sh) { EditKeyDown(s, k, sh); };
        ++Created;
    }
    void DestroyEditor() override
    {
        delete FEdit;
        FEdit = nullptr;
    }
    std::string GetEditorValue() override { return FEdit != nullptr ? FEdit->Text() : std::string(); }
    void SetEditorValue(const std::string& s) override
    {
        if (FEdit != nullptr) FEdit->SetText(s);
    }
    ui::TEdit* Edit() const { return FEdit; }
    int Created = 0;

private:
    ui::TEdit* FEdit = nullptr;
};

class EditLinkTest : public gridtest::GridOnFormTest {
protected:
    void SetUp() override
    {
        MakeGridOnForm(true, 600);
        Grid->SetBounds(0, 0, 500, 300);
        Grid->SetColCount(5);
        Grid->SetRowCount(6);
        Grid->SetOptions(Grid->Options() | ui::goEditing);
        Link = new TTextLink(Form);
        Grid->SetEditLink(Link);
        Grid->OnGetEditorType = [](rtl::TObject*, int c, int, grid::TEditorType& e) {
            if (c == 2) e = grid::edCustom;
        };
        Grid->OnSetEditText = [this](rtl::TObject*, int c, int r, const std::string& v) {
            Stored.push_back(std::to_string(c) + "," + std::to_string(r) + "=" + v);
        };
        Grid->SetCells(2, 1, "old");
        Form->Show();
        Grid->SetFocus();
    }
    void OpenWithF2(int col, int row)
    {
        Grid->SetCol(col);
        Grid->SetRow(row);
        Press(ui::VK_F2);
    }
    static void Press(int vk, ui::TShiftState shift = 0) { ui::THeadlessBackend::PressKey(vk, shift); }
    static void Type(const std::string& s) { ui::THeadlessBackend::TypeText(s); }
    // Empties a three-letter text the way a user does: Home, then Delete three times.
    static void ClearByKeys()
    {
        Press(ui::VK_HOME);
        Press(ui::VK_DELETE);
        Press(ui::VK_DELETE);
        Press(ui::VK_DELETE);
    }

    TTextLink* Link = nullptr;
    std::vector<std::string> Stored;
};

TEST_F(EditLinkTest, ControlOpensOverTheCellAndEnterStoresItsValue)
{
    OpenWithF2(2, 1);
    ui::TEdit* edit = Link->Edit();
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(Link->Grid(), Grid);
    EXPECT_EQ(Link->EditCell(), (rtl::TPoint{2, 1}));
    EXPECT_TRUE(edit->Visible());
    EXPECT_TRUE(edit->Focused());
    EXPECT_TRUE(Grid->EditorMode());
    const rtl::TRect r = Grid->CellRect(2, 1);
    EXPECT_EQ(edit->Left(), r.Left);
    EXPECT_EQ(edit->Top(), r.Top);
    EXPECT_EQ(edit->Width(), r.Width() - Grid->GridLineWidth());
    EXPECT_EQ(edit->Height(), r.Height() - Grid->GridLineWidth());
    EXPECT_EQ(edit->Text(), "old");

    ClearByKeys();
    Type("new");
    Press(ui::VK_RETURN);
    EXPECT_EQ(Grid->Cells(2, 1), "new");
    EXPECT_FALSE(edit->Visible());
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_TRUE(Grid->Focused());
    ASSERT_FALSE(Stored.empty());
    EXPECT_EQ(Stored.back(), "2,1=new");
    EXPECT_FALSE(Link->Subclassed());  // the control has its own window procedure back
}

TEST_F(EditLinkTest, EscapeDiscardsWhatWasTyped)
{
    OpenWithF2(2, 1);
    Type("xyz");
    EXPECT_NE(Link->Edit()->Text(), "old");
    Press(ui::VK_ESCAPE);
    EXPECT_EQ(Grid->Cells(2, 1), "old");
    EXPECT_FALSE(Link->Edit()->Visible());
    EXPECT_FALSE(Grid->EditorMode());
}

TEST_F(EditLinkTest, RefusedValueKeepsTheEditorOpenWithTheCellValue)
{
    Grid->OnCellValidate = [](rtl::TObject*, int, int, std::string& v, bool& valid) { valid = v != "bad"; };
    OpenWithF2(2, 1);
    ClearByKeys();
    Type("bad");
    Press(ui::VK_RETURN);
    EXPECT_TRUE(Link->Edit()->Visible());
    EXPECT_TRUE(Grid->EditorMode());
    EXPECT_EQ(Grid->Cells(2, 1), "old");
    ClearByKeys();
    Type("good");
    Press(ui::VK_RETURN);
    EXPECT_EQ(Grid->Cells(2, 1), "good");
}

TEST_F(EditLinkTest, HomeStaysWithTheControlWhileEndClosesUnlessKept)
{
    OpenWithF2(2, 1);
    Press(ui::VK_HOME);
    EXPECT_TRUE(Grid->EditorMode());
    Press(ui::VK_END);
    EXPECT_FALSE(Grid->EditorMode());

    Link->SetWantKeyHomeEnd(true);
    OpenWithF2(2, 1);
    Press(ui::VK_END);
    EXPECT_TRUE(Grid->EditorMode());
    EXPECT_EQ(Link->Created, 1);  // the program's control is made once and reused
}

TEST_F(EditLinkTest, WithoutALinkTheCustomKindOpensNothing)
{
    Grid->SetEditLink(nullptr);
    OpenWithF2(2, 1);
    EXPECT_EQ(Link->Edit(), nullptr);
    Press(ui::VK_ESCAPE);
    EXPECT_EQ(Grid->Cells(2, 1), "old");
}

TEST_F(EditLinkTest, FreeingTheLinkUnhooksItFromTheGrid)
{
    delete Link;
    EXPECT_EQ(Grid->EditLink(), nullptr);
}

}  // namespace

namespace {

TEST_F(EditLinkTest, PopupStyleEditsOnAFormAtTheCell)
{
    Link->SetEditStyle(grid::esPopup);
    Link->SetPopupWidth(150);
    Link->SetPopupHeight(40);
    OpenWithF2(2, 1);
    ASSERT_NE(Link->PopupForm(), nullptr);
    ui::TForm* popup = Link->PopupForm();
    EXPECT_TRUE(popup->Visible());
    const rtl::TRect cell = Grid->CellRect(2, 1);
    const rtl::TPoint at = Grid->ClientToScreen({cell.Left, cell.Top});
    EXPECT_EQ(popup->Left(), at.X);
    EXPECT_EQ(popup->Top(), at.Y);
    EXPECT_EQ(popup->Width(), 150);
    ASSERT_NE(Link->Edit(), nullptr);
    EXPECT_EQ(Link->Edit()->Parent(), popup);
    EXPECT_FALSE(Link->Subclassed());  // a pop-up control keeps its own window procedure
    Link->Edit()->SetFocus();
    ClearByKeys();
    Type("pop");
    Press(ui::VK_RETURN);
    EXPECT_EQ(Grid->Cells(2, 1), "pop");
    EXPECT_FALSE(popup->Visible());
}

// A click elsewhere while the pop-up editor is open deactivates the pop-up: the typed value
// is stored and the pop-up closes. The focus returning to the grid with that click is taken
// without reopening the editor (the grid shows its editor whenever it gains the focus here),
// and only that one return is passed over (the flag is cleared by it).
TEST_F(EditLinkTest, AClickElsewhereClosesThePopupEditorWithoutReopeningIt)
{
    auto* other = new ui::TEdit(Form);
    other->SetParent(Form);
    other->SetBounds(520, 20, 60, 22);
    Link->SetEditStyle(grid::esPopup);
    Link->SetPopupWidth(150);
    Link->SetPopupHeight(40);
    struct Case {
        const char* name;
        bool onGrid;  // the click lands on another cell of the grid, else on the other edit
    };
    for (const Case& k : {Case{"another cell", true}, Case{"another control", false}}) {
        SCOPED_TRACE(k.name);
        Grid->SetCells(2, 1, "old");
        Stored.clear();
        Grid->SetFocus();
        OpenWithF2(2, 1);
        ui::TForm* popup = Link->PopupForm();
        ASSERT_NE(popup, nullptr);
        ASSERT_TRUE(popup->Visible());
        ASSERT_NE(Link->Edit(), nullptr);
        Link->Edit()->SetFocus();
        ClearByKeys();
        Type("via");
        Grid->SetOptions(Grid->Options() | ui::goAlwaysShowEditor);
        const rtl::TRect target = Grid->CellRect(3, 2);
        if (k.onGrid) ui::THeadlessBackend::Click(Grid, target.Left + 5, target.Top + 5);
        else ui::THeadlessBackend::Click(other, 5, 5);
        EXPECT_EQ(Grid->Cells(2, 1), "via");
        ASSERT_FALSE(Stored.empty());
        for (const std::string& s : Stored) EXPECT_EQ(s, "2,1=via");
        EXPECT_FALSE(popup->Visible());
        EXPECT_EQ(Link->Edit(), nullptr);  // the pop-up's control was freed with the edit
        EXPECT_FALSE(Link->InvokedFocusChange());
        if (k.onGrid) {
            // The clicked cell is current, its editor shown as the grid's option says.
            EXPECT_TRUE(Grid->Focused() || (Grid->NormalEdit() != nullptr && Grid->NormalEdit()->Focused()));
            EXPECT_EQ(Grid->Col(), 3);
            EXPECT_EQ(Grid->Row(), 2);
        } else {
            EXPECT_TRUE(other->Focused());
            EXPECT_EQ(Grid->Col(), 2);
        }
        Grid->SetOptions(Grid->Options() & ~ui::goAlwaysShowEditor);
        if (Grid->EditorMode()) Press(ui::VK_ESCAPE);
    }
}

}  // namespace
