// The check list box: a list box with a tick box in front of each item.
#pragma once

#include "platform/ui/StdCtrlsList.h"

namespace ui {


// A list box whose items carry a tick. A click on the box or Space toggles the tick of
// that item and fires OnClickCheck; ticks set from code fire nothing.
class TCheckListBox : public TCustomListBox {
public:
    explicit TCheckListBox(rtl::TComponent* AOwner) : TCustomListBox(AOwner) {}
    std::string ClassName() const override { return "TCheckListBox"; }

    bool Checked(int index) const { return FItems->State(index) == 1; }
    void SetChecked(int index, bool value) { FItems->SetState(index, value ? 1 : 0); }
    bool AllowGrayed() const { return FAllowGrayed; }
    void SetAllowGrayed(bool value) { FAllowGrayed = value; }
    // 0 unticked, 1 ticked, 2 grey.
    int State(int index) const { return FItems->State(index); }
    void SetState(int index, int value) { FItems->SetState(index, value); }
    void CheckAll(bool checked);

    TNotifyEvent OnClickCheck;

protected:
    int MarkWidth() const override { return 16; }
    void DrawMark(gfx::TCanvas& canvas, int index, const rtl::TRect& rect) override;
    bool MarkMouseDown(int index, int x) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void ToggleByUser(int index);

private:
    bool FAllowGrayed = false;
};

}  // namespace ui
