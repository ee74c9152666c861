// The check list box: tick boxes drawn in front of the items and toggled by click or Space.
#include "platform/ui/CheckLst.h"

#include "platform/gfx/FrameControls.h"

namespace ui {

void TCheckListBox::CheckAll(bool checked)
{
    FItems->BeginUpdate();
    for (int i = 0; i < Count(); ++i) SetChecked(i, checked);
    FItems->EndUpdate();
}

void TCheckListBox::DrawMark(gfx::TCanvas& canvas, int index, const rtl::TRect& rect)
{
    canvas.Brush().SetStyle(gfx::bsSolid);
    canvas.Brush().SetColor(Color());
    canvas.FillRect(rect);
    int size = 13;
    rtl::TRect box = rtl::Bounds(rect.Left + (rect.Width() - size) / 2, rect.Top + (rect.Height() - size) / 2, size, size);
    unsigned state = gfx::DFCS_BUTTONCHECK;
    int s = FItems->State(index);
    if (s == 1) state |= gfx::DFCS_CHECKED;
    if (s == 2) state |= gfx::DFCS_CHECKED | gfx::DFCS_BUTTON3STATE;
    if (!Enabled()) state |= gfx::DFCS_INACTIVE;
    gfx::DrawFrameControl(canvas, box, gfx::DFC_BUTTON, state);
}

void TCheckListBox::ToggleByUser(int index)
{
    if (index < 0 || index >= Count()) return;
    int s = FItems->State(index);
    int next = s == 0 ? (FAllowGrayed ? 2 : 1) : s == 2 ? 1 : 0;
    FItems->SetState(index, next);
    if (OnClickCheck) OnClickCheck(this);
}

bool TCheckListBox::MarkMouseDown(int index, int x)
{
    if (x >= MarkWidth()) return false;
    SetItemIndex(index);
    ToggleByUser(index);
    return true;
}

void TCheckListBox::KeyDown(WORD& Key, TShiftState Shift)
{
    TCustomListBox::KeyDown(Key, Shift);
    if (Key == VK_SPACE && Shift == 0) ToggleByUser(FItemIndex);
}

void TCheckListBox::KeyPress(char32_t& Key)
{
    // Space toggles on its key; as a character it looks nothing up.
    if (Key == U' ') {
        TCustomControl::KeyPress(Key);
        return;
    }
    TCustomListBox::KeyPress(Key);
}

}  // namespace ui
