// The date-and-time pickers of the drop-down family: the platform picker with automatic field moves, grid tab handling and a flat look, and the picker with a companion time picker and a caption label.
#pragma once

#include <memory>
#include <string>

#include "grid/dropdown/ExtDropDownEdit.h"
#include "platform/gfx/Color.h"
#include "platform/ui/ComCtrls.h"
#include "platform/ui/Forms.h"

namespace ui {
class TLabel;
}

namespace grid {

enum TExtDateTimeKind { dkDate, dkTime, dkDateTime };


// The id of the message a picker posts to itself after a typed digit.
ui::UINT DTPShiftFocusMessage();

// The platform picker with automatic moves between fields while digits are typed, Tab
// handling for a grid cell and the flat look's colours.
class TCustomDateTimePicker : public ui::TDateTimePicker {
public:
    explicit TCustomDateTimePicker(rtl::TComponent* AOwner);
    std::string ClassName() const override { return "TCustomDateTimePicker"; }

    // --- automatic field moves
    bool AutoTab() const { return FAutoTab; }
    virtual void SetAutoTab(bool Value);
    bool AutoTabToNext() const { return FAutoTabToNext; }
    virtual void SetAutoTabToNext(bool Value);

    // --- grid cell use
    bool GridTabhandling() const { return FGridTabhandling; }
    void SetGridTabhandling(bool Value) { FGridTabhandling = Value; }
    bool IsTimePicker() const { return FIsTimePicker; }

    // --- flat look
    bool MetroStyle() const { return FMetroStyle; }
    void SetMetroStyle(bool Value);
    ui::TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    virtual void SetBorderStyle(ui::TFormBorderStyle Value);
    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool Value);
    gfx::TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(gfx::TColor Value);
    gfx::TColor FocusBorderColor() const { return FFocusBorderColor; }
    void SetFocusBorderColor(gfx::TColor Value);
    bool FocusBorder() const { return FFocusBorder; }
    void SetFocusBorder(bool Value) { FFocusBorder = Value; Invalidate(); }
    bool DisabledBorder() const { return FDisabledBorder; }
    void SetDisabledBorder(bool Value) { FDisabledBorder = Value; Invalidate(); }
    gfx::TColor ButtonColor() const { return FButtonColor; }
    void SetButtonColor(gfx::TColor Value) { FButtonColor = Value; Invalidate(); }
    gfx::TColor ButtonColorHot() const { return FButtonColorHot; }
    void SetButtonColorHot(gfx::TColor Value) { FButtonColorHot = Value; Invalidate(); }
    gfx::TColor ButtonColorDown() const { return FButtonColorDown; }
    void SetButtonColorDown(gfx::TColor Value) { FButtonColorDown = Value; Invalidate(); }
    gfx::TColor ButtonTextColor() const { return FButtonTextColor; }
    void SetButtonTextColor(gfx::TColor Value) { FButtonTextColor = Value; Invalidate(); }
    gfx::TColor ButtonTextColorHot() const { return FButtonTextColorHot; }
    void SetButtonTextColorHot(gfx::TColor Value) { FButtonTextColorHot = Value; Invalidate(); }
    gfx::TColor ButtonTextColorDown() const { return FButtonTextColorDown; }
    void SetButtonTextColorDown(gfx::TColor Value) { FButtonTextColorDown = Value; Invalidate(); }
    gfx::TColor ButtonBorderColor() const { return FButtonBorderColor; }
    void SetButtonBorderColor(gfx::TColor Value) { FButtonBorderColor = Value; Invalidate(); }
    int ButtonWidth() const { return FButtonWidth; }
    bool ButtonHover() const { return FButtonHover; }
    bool MouseInControl() const { return FMouseInControl; }

protected:
    // Runs when "DTPShiftFocus" arrives after a typed digit.
    virtual void CheckAutoTab();
    // Records the parts a typed digit may change.
    virtual void RecordParts();
    // True: the flat look is never painted (the companion time picker).
    virtual bool DisableFlatLook() const { return true; }
    void MoveToNextControl();
    void PostNextField();
    void WndProc(ui::TMessage& Message) override;
    void KeyPress(char32_t& Key) override;
    void Paint() override;
    void MouseMove(ui::TShiftState Shift, int X, int Y) override;
    void MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;
    void MouseUp(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;
    // The native sunken border shows only with Ctl3D, bsSingle and no flat look; the
    // flat look and the border lines of Ctl3D off are painted inside the client area.
    void UpdateBorderThickness();
    void PaintDropButton(gfx::TCanvas& c);
    void PaintBorderLines(gfx::TCanvas& c, const rtl::TRect& window);
    void PaintFlatBorder(gfx::TCanvas& c, const rtl::TRect& window);
    bool FlatLookOn() const { return FMetroStyle && !DisableFlatLook(); }
    bool Hot() const;

    bool FAutoTab = false;
    bool FAutoTabToNext = true;
    unsigned short Fh = 0, Fm = 0, Fs = 0;
    bool FIsTimePicker = false;
    bool FGridTabhandling = false;
    bool FMetroStyle = false;
    ui::TFormBorderStyle FBorderStyle = ui::bsNone;
    bool FCtl3D = false;
    gfx::TColor FBorderColor = 0;
    gfx::TColor FFocusBorderColor = 0x1FFFFFFF;
    gfx::TColor FButtonColorDown = 0x1FFFFFFF, FButtonBorderColor = 0x1FFFFFFF, FButtonTextColor = 0x1FFFFFFF,
                FButtonTextColorHot = 0x1FFFFFFF, FButtonColor = 0x1FFFFFFF, FButtonColorHot = 0x1FFFFFFF,
                FButtonTextColorDown = 0x1FFFFFFF;
    int FButtonWidth;
    bool FButtonHover = false;
    bool FMouseInControl = false;
    bool FMouseButtonHeld = false;
    bool FFocusBorder = false;
    bool FDisabledBorder = false;
    bool FHasFocus = false;
};

class TExtDateTimePicker;

// The companion time picker of a date-and-time picker. Its keys reach the owner's key
// handling first, so a grid editor sees them.
class TExtTimePart : public TCustomDateTimePicker {
public:
    explicit TExtTimePart(TExtDateTimePicker* AOwner);
    std::string ClassName() const override { return "TExtTimePart"; }

protected:
    void KeyDown(ui::WORD& Key, ui::TShiftState Shift) override;

private:
    TExtDateTimePicker* FPicker;
};

// The picker edits the date; with dkDateTime the companion time picker, placed at its
// right, edits the time of day. The value is the date part's day with the companion's
// time.
class TExtDateTimePicker : public TCustomDateTimePicker {
public:
    explicit TExtDateTimePicker(rtl::TComponent* AOwner);
    ~TExtDateTimePicker() override;
    std::string ClassName() const override { return "TExtDateTimePicker"; }

    // --- kind and value
    TExtDateTimeKind ExtKind() const { return FKind; }
    void SetKind(TExtDateTimeKind Value);
    // The platform kinds reach the same setter: dtkDateTime is dkDateTime.
    void SetKind(ui::TDateTimeKind Value) override;
    // The day of Value with the present time of day, milliseconds dropped.
    void SetDate(rtl::TDateTime Value) override;
    // The stored value after the companion's time has been copied in.
    rtl::TDateTime GetDateTime();
    void SetDateTime(rtl::TDateTime Value) override;
    rtl::TDateTime GetTime() const;
    void SetTime(rtl::TDateTime Value) override;
    const std::string& TimeFormat() const { return FTimeFormat; }
    void SetTimeFormat(const std::string& Value);
    bool NullDateIsToday() const { return FNullDateIsToday; }
    void SetNullDateIsToday(bool Value) { FNullDateIsToday = Value; }
    TCustomDateTimePicker* TimePicker() const { return FTimePicker; }
    void SetBorderStyle(ui::TFormBorderStyle Value) override;
    void SetAutoTab(bool Value) override;
    void SetAutoTabToNext(bool Value) override;
    std::string Version() const;
    void SetVersion(const std::string&) {}
    static constexpr unsigned GetVersionNr() { return 0x01020200; }

    // --- caption label
    const std::string& LabelCaption() const { return FLabelCaption; }
    void SetLabelCaption(const std::string& Value);
    dropdown::TLabelPosition LabelPosition() const { return FLabelPosition; }
    void SetLabelPosition(dropdown::TLabelPosition Value);
    int LabelMargin() const { return FLabelMargin; }
    void SetLabelMargin(int Value);
    bool LabelTransparent() const { return FLabelTransparent; }
    void SetLabelTransparent(bool Value);
    bool LabelAlwaysEnabled() const { return FLabelAlwaysEnabled; }
    void SetLabelAlwaysEnabled(bool Value);
    bool FocusLabel() const { return FFocusLabel; }
    void SetFocusLabel(bool Value) { FFocusLabel = Value; }
    // The label's font; a picker whose ParentFont was on when it was loaded gives the label
    // its own font instead.
    gfx::TFont& LabelFont() const { return *FLabelFont; }
    void SetLabelFont(const gfx::TFont* Value) { FLabelFont->Assign(Value); }
    ui::TLabel* PickerLabel() const { return FLabel; }
    // Places the label by LabelPosition beside the picker's bounds.
    void UpdateLabel();
    // The label follows the picker's parent and bounds.
    void SetParent(ui::TWinControl* AParent) override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

    // The companion time picker changed (after OnChange).
    ui::TNotifyEvent OnTimeChange;
    ui::TNotifyEvent OnLabelClick;
    ui::TNotifyEvent OnLabelDblClick;

protected:
    friend class TExtTimePart;
    virtual void DoChange();
    virtual void DoClick();
    virtual void TimePickerKeyPress(rtl::TObject* Sender, char32_t& Key);
    void Change() override;
    void Click() override;
    void CheckAutoTab() override;
    void RecordParts() override;
    bool DisableFlatLook() const override { return false; }
    void KeyDown(ui::WORD& Key, ui::TShiftState Shift) override;
    void Resize() override;
    void Paint() override;
    void WndProc(ui::TMessage& Message) override;
    void Loaded() override;
    void CreateTimePicker();
    void UpdateTimePicker();
    void LayoutTimePicker();
    void CoupleCheckBox();
    TCustomDateTimePicker* FTimePicker = nullptr;  // owned child

private:
    bool FKeyFromTimePart = false;
    TExtDateTimeKind FKind = dkDate;
    std::string FTimeFormat;
    unsigned short Fy = 0, Fmo = 0, Fd = 0;
    bool FNullDateIsToday = false;
    bool FFirstRun = true;
    bool FUpdatingTimePicker = false;
    ui::TLabel* FLabel = nullptr;
    std::string FLabelCaption;
    dropdown::TLabelPosition FLabelPosition = dropdown::lpLeftTop;
    int FLabelMargin = 4;
    bool FLabelTransparent = false;
    bool FLabelAlwaysEnabled = false;
    bool FFocusLabel = false;
    std::unique_ptr<gfx::TFont> FLabelFont;
    bool FParentFnt = false;  // ParentFont as it stood after loading: the label takes the picker's font
};

}  // namespace grid
