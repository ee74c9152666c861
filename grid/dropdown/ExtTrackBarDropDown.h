// A drop-down edit for an integer in a range, chosen on a track bar in the pop-up.
#pragma once

#include "grid/dropdown/ExtDropDownEdit.h"

namespace ui {
class TTrackBar;
}

namespace grid {

// The track bar is the one source of the shown number: every way of setting the position
// moves the track bar, whose change writes the edit text and fires OnTrackChange. While the
// pop-up is closed, Up and Down step by Frequency and a horizontal drag on the edit moves the
// position by the dragged pixels divided by PageSize.
class TExtTrackBarDropDown : public TExtCustomDropDown {
public:
    explicit TExtTrackBarDropDown(rtl::TComponent* AOwner);
    std::string ClassName() const override { return "TExtTrackBarDropDown"; }

    int Min() const { return FMin; }
    void SetMin(int value);
    int Max() const { return FMax; }
    void SetMax(int value);
    // Limited to Min..Max by the track bar.
    int Position() const { return FPosition; }
    void SetPosition(int value);
    // Above 0: it divides the dragged pixels, so 0 or less raises ERangeError.
    int PageSize() const { return FPageSize; }
    void SetPageSize(int value);
    int Frequency() const { return FFrequency; }
    void SetFrequency(int value);
    ui::TTrackBar* TrackBar() const { return FTrackBar; }

    ui::TNotifyEvent OnTrackChange;

    // An emptied edit shows Min when it loses the focus.
    int EmptyNumericValue() const override { return FMin; }

protected:
    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    // The value text becomes the position; an empty one gives Min; a text that is no integer
    // raises EConvertError.
    void Change() override;
    void KeyDown(ui::WORD& Key, ui::TShiftState Shift) override;
    void MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;
    void MouseMove(ui::TShiftState Shift, int X, int Y) override;
    void MouseUp(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;

private:
    void TrackBarChange(rtl::TObject* Sender);
    bool DragsOnEdit() const { return DropDownEnabled() && !EditorEnabled(); }

    ui::TTrackBar* FTrackBar = nullptr;
    int FMin = 0;
    int FFrequency = 1;
    int FPageSize = 2;
    int FMax = 10;
    int FPosition = 0;
    bool FMouseDraging = false;
    int FMouseX = 0;
};

}  // namespace grid
