// The grid's spin cell editor: spin events, range pull, and the keys that validate, store and move on.
#include "grid/editing/GridSpinEditors.h"

#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptions.h"
#include "grid/editing/GridEditorContract.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/Utf8.h"
#include "platform/ui/Keyboard.h"

namespace grid {

TGridSpin::TGridSpin(rtl::TComponent* AOwner) : TEsgSpinEdit(AOwner), FGrid(RequireGrid(AOwner, "TGridSpin"))
{
    SetMaxValue(100);
    SetMinValue(0);
    SetIncrement(1);
}

void TGridSpin::ReCreate()
{
    if (HandleAllocated()) Invalidate();
}

void TGridSpin::UpButtonClick(rtl::TObject* Sender)
{
    TEsgSpinEdit::UpButtonClick(Sender);
    FireSpinEvent(true);
}

void TGridSpin::DownButtonClick(rtl::TObject* Sender)
{
    TEsgSpinEdit::DownButtonClick(Sender);
    FireSpinEvent(false);
}

void TGridSpin::FireSpinEvent(bool UpDown)
{
    TExtStringGrid& g = *FGrid;
    switch (SpinType()) {
    case sptNormal:
        if (g.OnSpinClick) g.OnSpinClick(&g, g.Col(), g.Row(), Value(), UpDown);
        break;
    case sptFloat:
        if (g.OnFloatSpinClick) g.OnFloatSpinClick(&g, g.Col(), g.Row(), FloatValue(), UpDown);
        break;
    case sptDate:
        if (g.OnDateSpinClick) g.OnDateSpinClick(&g, g.Col(), g.Row(), DateValue(), UpDown);
        break;
    case sptTime:
        if (g.OnTimeSpinClick) g.OnTimeSpinClick(&g, g.Col(), g.Row(), TimeValue(), UpDown);
        break;
    }
}

void TGridSpin::RangePull()
{
    if (SpinType() == sptNormal && MinValue() != MaxValue()) {
        int v = Value();
        if (v < MinValue()) SetValue(MinValue());
        else if (v > MaxValue()) SetValue(MaxValue());
    } else if (SpinType() == sptFloat && MinFloatValue() != MaxFloatValue()) {
        double v = FloatValue();
        if (v < MinFloatValue()) SetFloatValue(MinFloatValue());
        else if (v > MaxFloatValue()) SetFloatValue(MaxFloatValue());
    }
}

void TGridSpin::DoExit()
{
    RangePull();
    EditorExit(*FGrid, [this] { TEsgSpinEdit::DoExit(); });
}

void TGridSpin::Change()
{
    TEsgSpinEdit::Change();
    if (FGrid != nullptr && FGrid->OnEditChange) {
        std::string v = Text();
        FGrid->OnEditChange(FGrid, FGrid->Col(), FGrid->Row(), v);
    }
}

void TGridSpin::WndProc(ui::TMessage& Message)
{
    switch (Message.Msg) {
    case ui::CM_WANTSPECIALKEY: {
        TEsgSpinEdit::WndProc(Message);
        ui::WPARAM k = Message.WParam;
        if (k == ui::VK_RETURN || k == ui::VK_ESCAPE || (k == ui::VK_TAB && (FGrid->Options() & ui::goTabs) != 0))
            Message.Result = 1;
        return;
    }
    case ui::WM_CHAR:
        if (Message.WParam == 9 || Message.WParam == 13) {
            Message.Result = 0;
            return;
        }
        break;
    default:
        break;
    }
    TEsgSpinEdit::WndProc(Message);
}

void TGridSpin::KeyPress(char32_t& Key)
{
    if (FGrid->OnKeyPress) FGrid->OnKeyPress(FGrid, Key);
    if (Key == 27) Key = 0;
    if (Key != 13) TEsgSpinEdit::KeyPress(Key);
}

void TGridSpin::KeyDown(ui::WORD& Key, ui::TShiftState Shift)
{
    using namespace ui;
    TExtStringGrid& g = *FGrid;
    if (Key == VK_HOME || Key == VK_END) {
        bool home = Key == VK_HOME;
        if (SpinType() == sptNormal) SetValue(home ? MaxValue() : MinValue());
        else if (SpinType() == sptFloat) SetFloatValue(home ? MaxFloatValue() : MinFloatValue());
        if (g.OnSpinClick) g.OnSpinClick(&g, g.Col(), g.Row(), Value(), home);
        TEsgSpinEdit::KeyDown(Key, Shift);
        return;
    }
    if (Key != VK_TAB && Key != VK_RETURN && Key != VK_ESCAPE) {
        TEsgSpinEdit::KeyDown(Key, Shift);
        return;
    }
    if (Key == VK_ESCAPE) {
        // The opening text comes back, read with "." as the decimal point whatever the locale.
        SetText(g.CellCache());
        rtl::TFormatSettings point = rtl::FormatSettings;
        point.DecimalSeparator = '.';
        if (SpinType() == sptNormal) {
            int v = 0;
            if (rtl::TryStrToInt(Text(), v)) SetValue(v);
        } else if (SpinType() == sptFloat) {
            double v = 0;
            if (rtl::TryStrToFloat(Text(), v, point)) SetFloatValue(v);
        }
    } else {
        RangePull();
        g.SetCurrentCell(Text());
        if (!g.ValidateCell(Text())) {
            SetText(g.GetCurrentCell());
            SetSelStart(static_cast<int>(rtl::Utf8Length(Text())));
            Key = 0;
            g.SetNoAutoAdvance(true);
            Invalidate();
            return;
        }
        SetText(g.GetCurrentCell());
    }
    if (Key == VK_TAB && (g.Options() & goTabs) != 0) {
        g.HideInplaceEdit();
        if (g.CanFocus()) g.SetFocus();
        g.NavigateFromEditor((Shift & ssShift) != 0);
        Key = 0;
        return;
    }
    g.DoneInplaceEdit(Key, Shift);
    // Escape cancels: closing stores the spin's value formatted by kind, so the cell gets
    // its text from the edit start back.
    if (Key == VK_ESCAPE) g.RestoreCellCache();
    if (g.Navigation().AdvanceOnEnter() && g.Navigation().AdvanceAutoEdit()) g.ShowInplaceEdit();
    Key = 0;
    TEsgSpinEdit::KeyDown(Key, Shift);
}

}  // namespace grid
