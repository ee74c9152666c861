// Push button, label, check box, radio button and scroll bar of the standard control set.
#pragma once

#include <string>

#include "platform/ui/Controls.h"
#include "platform/ui/StdCtrlsEdit.h"

namespace ui {

enum TTextLayout { tlTop, tlCenter, tlBottom };
enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
enum TLeftRight { taLeft, taRight };
enum TScrollBarKind { sbHorizontal, sbVertical };
enum TScrollCode { scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop, scBottom, scEndScroll };

// Draws a caption in the classic disabled look (embossed grey) or in the given colour.
void DrawControlText(gfx::TCanvas& canvas, const std::string& text, rtl::TRect rect, unsigned flags, bool enabled,
                     gfx::TColor color);

// A push button: Space or a click presses it; Return presses the focused or default
// button, Escape the cancel button; a modal result closes a modal form.
class TButton : public TCustomControl {
public:
    explicit TButton(rtl::TComponent* AOwner);
    std::string ClassName() const override { return "TButton"; }
    bool Default() const { return FDefault; }
    void SetDefault(bool value);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool value) { FCancel = value; }
    int ModalResult() const { return FModalResult; }
    void SetModalResult(int value) { FModalResult = value; }
    bool Pressed() const { return FPressed; }
    void Click() override;

protected:
    void Paint() override;
    void WndProc(TMessage& Message) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyUp(WORD& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    void SetPressed(bool value);
    bool FDefault = false;
    bool FCancel = false;
    int FModalResult = 0;
    bool FPressed = false;
    bool FMouseDown = false;
    bool FSpaceDown = false;
};

// A text drawn on its parent: alignment, word wrap, transparency, size fitted to the text.
class TLabel : public TGraphicControl {
public:
    explicit TLabel(rtl::TComponent* AOwner);
    std::string ClassName() const override { return "TLabel"; }
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    TTextLayout Layout() const { return FLayout; }
    void SetLayout(TTextLayout value);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    void SetText(const std::string& value) override;
    // Fits the size to the caption (width kept when word-wrapped).
    void AdjustBounds();
    void Loaded() override;

protected:
    void Paint() override;
    void FontChanged() override;
    unsigned TextFlags() const;

private:
    TAlignment FAlignment = taLeftJustify;
    TTextLayout FLayout = tlTop;
    bool FAutoSize = true;
    bool FWordWrap = false;
    bool FTransparent = false;
};

// Shared look and behaviour of the check box and the radio button: a mark, a caption
// beside it, a focus rectangle around the caption; Space or a click toggles it.
class TButtonControl : public TCustomControl {
public:
    explicit TButtonControl(rtl::TComponent* AOwner);
    std::string ClassName() const override { return "TButtonControl"; }
    bool Checked() const { return FState == cbChecked; }
    virtual void SetChecked(bool value) = 0;
    TLeftRight Alignment() const { return FAlignment; }
    void SetAlignment(TLeftRight value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);

protected:
    // The user toggled it (click or Space).
    virtual void Toggle() = 0;
    virtual unsigned MarkKind() const = 0;
    void Paint() override;
    void WndProc(TMessage& Message) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyUp(WORD& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    rtl::TRect CaptionRect() const;

    TCheckBoxState FState = cbUnchecked;
    TLeftRight FAlignment = taRight;
    bool FWordWrap = false;
    bool FPressed = false;
    bool FMouseDown = false;
    bool FSpaceDown = false;
};

// A check box. Changing Checked or State, by the user or from code, fires OnClick.
class TCheckBox : public TButtonControl {
public:
    explicit TCheckBox(rtl::TComponent* AOwner);
    std::string ClassName() const override { return "TCheckBox"; }
    void SetChecked(bool value) override { SetState(value ? cbChecked : cbUnchecked); }
    TCheckBoxState State() const { return FState; }
    void SetState(TCheckBoxState value);
    bool AllowGrayed() const { return FAllowGrayed; }
    void SetAllowGrayed(bool value) { FAllowGrayed = value; }

protected:
    void Toggle() override;
    unsigned MarkKind() const override;

private:
    bool FAllowGrayed = false;
};

// A radio button: checking it unchecks the other radio buttons of the same parent.
// Becoming checked, by the user or from code, fires OnClick; only the checked one of a
// group is a tab stop; moving the focus onto one with the arrow keys checks it.
class TRadioButton : public TButtonControl {
public:
    explicit TRadioButton(rtl::TComponent* AOwner);
    std::string ClassName() const override { return "TRadioButton"; }
    void SetChecked(bool value) override;

protected:
    void Toggle() override { SetChecked(true); }
    unsigned MarkKind() const override;
    void WndProc(TMessage& Message) override;
};

// A control that takes the arrow keys for itself and repaints when it gains or
// loses the focus or is enabled or disabled (scroll bar, track bar).
class TArrowKeyControl : public TCustomControl {
public:
    using TCustomControl::TCustomControl;

protected:
    void WndProc(TMessage& Message) override;
};

// A stand-alone scroll bar control with its own arrows, track and thumb.
class TScrollBar : public TArrowKeyControl {
public:
    explicit TScrollBar(rtl::TComponent* AOwner);
    std::string ClassName() const override { return "TScrollBar"; }
    TScrollBarKind Kind() const { return FKind; }
    void SetKind(TScrollBarKind value);
    int Min() const { return FMin; }
    int Max() const { return FMax; }
    int Position() const { return FPosition; }
    void SetMin(int value) { SetParams(FPosition, value, FMax); }
    void SetMax(int value) { SetParams(FPosition, FMin, value); }
    void SetPosition(int value) { SetParams(value, FMin, FMax); }
    void SetParams(int position, int min, int max);
    int SmallChange() const { return FSmallChange; }
    void SetSmallChange(int value) { FSmallChange = value; }
    int LargeChange() const { return FLargeChange; }
    void SetLargeChange(int value) { FLargeChange = value; }
    int PageSize() const { return FPageSize; }
    void SetPageSize(int value);

    TNotifyEvent OnChange;
    std::function<void(rtl::TObject* Sender, TScrollCode ScrollCode, int& ScrollPos)> OnScroll;

protected:
    void Paint() override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    struct TParts {
        rtl::TRect First, Last, Track, Thumb;
    };
    TParts Parts() const;
    void Scroll(TScrollCode code, int pos);
    int PosFromPixel(int pixel) const;
    TScrollBarKind FKind = sbHorizontal;
    int FMin = 0;
    int FMax = 100;
    int FPosition = 0;
    int FSmallChange = 1;
    int FLargeChange = 1;
    int FPageSize = 0;
    bool FDragging = false;
    int FGrab = 0;
};

}  // namespace ui
