// The keys, focus and change reporting that every drop-down cell editor of the grid shares.
#include "grid/editing/GridDropDownEditorKeys.h"

#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptions.h"
#include "grid/dropdown/ExtDropDownEdit.h"
#include "platform/rtl/Utf8.h"
#include "platform/ui/Keyboard.h"

namespace grid {

namespace {

int Length(const std::string& s)
{
    return static_cast<int>(rtl::Utf8Length(s));
}

}  // namespace

bool IsDropDownNavigationKey(ui::WORD k)
{
    using namespace ui;
    return k == VK_TAB || k == VK_RETURN || k == VK_ESCAPE || k == VK_PRIOR || k == VK_NEXT || k == VK_END ||
           k == VK_UP || k == VK_DOWN;
}

void DropDownEditorKeyDown(TExtStringGrid& Grid, TExtCustomDropDown& Editor, const TDropDownEditorKeys& Keys,
                           ui::WORD& Key, ui::TShiftState Shift)
{
    using namespace ui;
    if (!(Keys.IsNavigation ? Keys.IsNavigation(Key) : IsDropDownNavigationKey(Key))) {
        Keys.ParentKeyDown(Key, Shift);
        return;
    }
    // Escape undoes the typing: the stored cell value comes back and the grid takes the focus.
    if (Key == VK_ESCAPE) {
        Keys.SetText(Grid.GetCurrentCell());
        Grid.HideInplaceEdit();
        Grid.SetFocus();
        return;
    }
    if (Key == VK_RETURN || ((Key == VK_UP || Key == VK_DOWN) && Keys.ValidateUpDown)) {
        Grid.SetCurrentCell(Keys.Value());
        if (!Grid.ValidateCell(Keys.Value())) {
            // Refused: the text the validation left stays selected for correcting, no advance.
            Keys.SetText(Grid.NewCellText());
            Editor.SetSelStart(0);
            Editor.SetSelLength(Length(Editor.Text()));
            Editor.Invalidate();
            Key = 0;
            Grid.SetNoAutoAdvance(true);
            return;
        }
        Keys.SetText(Grid.GetCurrentCell());
    }
    if (Key == VK_TAB && Grid.GridHandlesTab()) {
        Grid.SetCurrentCell(Keys.Value());
        if (!Grid.ValidateCell(Keys.Value())) {
            Keys.SetText(Grid.NewCellText());
            Editor.SetSelStart(Length(Editor.Text()));
            Editor.SetSelLength(0);
            Editor.Invalidate();
            Key = 0;
            return;
        }
        if ((Grid.Options() & goTabs) != 0) {
            Grid.HideInplaceEdit();
            Grid.SetFocus();
            Grid.NavigateFromEditor(GetKeyState(VK_SHIFT) < 0);
            return;
        }
        PostMessage(Grid.Handle(), WM_KEYDOWN, VK_TAB, 0);
    }
    if (Editor.DroppedDown()) {
        if (Keys.KeepWhileDropped && Keys.KeepWhileDropped(Key)) {
            Key = 0;
            Keys.ParentKeyDown(Key, Shift);
            return;
        }
        Grid.HideInplaceEdit();
        if (Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN) Key = 0;
    } else if (Key == VK_END) {
        Keys.ParentKeyDown(Key, Shift);
        return;
    }
    Grid.DoneInplaceEdit(Key, Shift);
    if (Grid.Navigation().AdvanceOnEnter() && Grid.Navigation().AdvanceAutoEdit()) Grid.ShowInplaceEdit();
    Key = 0;
    Keys.ParentKeyDown(Key, Shift);
}

bool DropDownEditorWantsKey(TExtStringGrid& Grid, ui::WORD Key, bool WantsReturnAndEscape)
{
    if (Key == ui::VK_TAB) return Grid.GridHandlesTab();
    return WantsReturnAndEscape && (Key == ui::VK_RETURN || Key == ui::VK_ESCAPE);
}

void DropDownEditorKeyPress(TExtStringGrid& Grid, ui::TWinControl& Editor, char32_t& Key)
{
    if (Grid.OnKeyPress) Grid.OnKeyPress(&Editor, Key);
    if (Key == 27 || Key == 13 || Key == 9) Key = 0;
}

void DropDownEditorChanged(TExtStringGrid& Grid, const std::string& Text)
{
    if (!Grid.OnEditChange) return;
    std::string value = Text;
    Grid.OnEditChange(&Grid, Grid.Col(), Grid.Row(), value);
}

void PlaceCaretAtClick(TExtStringGrid& Grid, ui::TCustomEdit& Editor, const std::function<int(int, int)>& CharAt)
{
    if (!Grid.LButFlg()) return;
    rtl::TPoint p;
    ui::GetCursorPos(p);
    p = Editor.ScreenToClient(p);
    if (p.X < 0 || p.X > Editor.Width() || p.Y < 0 || p.Y > Editor.Height()) return;
    const int pos = CharAt(p.X, p.Y);
    if (pos < 0) return;
    Editor.SetSelStart(pos);
    Editor.SetSelLength(0);
    Grid.SetLButFlg(false);
}

}  // namespace grid
