// Common controls: page control with tab sheets, status bar with panels, track bar, date-time picker.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/rtl/DateTime.h"
#include "platform/ui/StdCtrlsButtons.h"

namespace ui {

class TPageControl;

// One page of a page control. Only the active page is visible; TabVisible hides its tab,
// and a page without a tab cannot be reached by clicking or Ctrl+Tab.
class TTabSheet : public TCustomControl {
public:
    explicit TTabSheet(rtl::TComponent* AOwner);
    ~TTabSheet() override;
    std::string ClassName() const override { return "TTabSheet"; }
    TPageControl* PageControl() const { return FPageControl; }
    void SetPageControl(TPageControl* value);
    bool TabVisible() const { return FTabVisible; }
    void SetTabVisible(bool value);
    int PageIndex() const;
    void SetPageIndex(int value);
    // Index among the pages whose tab shows (-1 when its tab is hidden).
    int TabIndex() const;
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value) { FImageIndex = value; }
    void SetParent(TWinControl* AParent) override;
    void SetText(const std::string& value) override;

    TNotifyEvent OnShow;
    TNotifyEvent OnHide;

private:
    friend class TPageControl;
    TPageControl* FPageControl = nullptr;
    bool FTabVisible = true;
    int FImageIndex = -1;
};

using TTabChangingEvent = std::function<void(rtl::TObject* Sender, bool& AllowChange)>;

// Pages with a row of tabs on top.
class TPageControl : public TCustomControl {
public:
    explicit TPageControl(rtl::TComponent* AOwner);
    ~TPageControl() override;
    std::string ClassName() const override { return "TPageControl"; }

    int PageCount() const { return static_cast<int>(FPages.size()); }
    TTabSheet* Pages(int index) const;
    TTabSheet* ActivePage() const { return FActivePage; }
    void SetActivePage(TTabSheet* page);
    int ActivePageIndex() const;
    void SetActivePageIndex(int index);
    // The next (or previous) page whose tab shows, going round; nullptr when none.
    TTabSheet* FindNextPage(TTabSheet* current, bool goForward, bool checkTabVisible) const;
    // Moves to that page as the user would (OnChanging may refuse, OnChange follows).
    void SelectNextPage(bool goForward, bool checkTabVisible = true);
    // Tabs whose TabVisible is on, in page order, and the rectangle of each.
    int TabCount() const;
    rtl::TRect TabRect(int tabIndex) const;
    TTabSheet* PageOfTab(int tabIndex) const;
    int IndexOfTabAt(int x, int y) const;
    // The area the pages fill.
    rtl::TRect DisplayRect() const;
    int TabHeight() const;

    void AlignControls(TControl* AControl, rtl::TRect& Rect) override;

    TNotifyEvent OnChange;
    TTabChangingEvent OnChanging;

protected:
    friend class TTabSheet;
    void InsertPage(TTabSheet* page);
    void RemovePage(TTabSheet* page);
    void PageChanged();
    // The user picked a page: asks OnChanging, switches, fires OnChange.
    bool ChangeByUser(TTabSheet* page);
    void Paint() override;
    void WndProc(TMessage& Message) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void Loaded() override;

private:
    void ShowActive();
    std::vector<TTabSheet*> FPages;
    TTabSheet* FActivePage = nullptr;
};

class TStatusBar;

enum TStatusPanelBevel { pbNone, pbLowered, pbRaised };

// One panel of a status bar.
class TStatusPanel {
public:
    explicit TStatusPanel(TStatusBar* owner) : FOwner(owner) {}
    const std::string& Text() const { return FText; }
    void SetText(const std::string& value);
    int Width() const { return FWidth; }
    void SetWidth(int value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    TStatusPanelBevel Bevel() const { return FBevel; }
    void SetBevel(TStatusPanelBevel value);

private:
    TStatusBar* FOwner;
    std::string FText;
    int FWidth = 50;
    TAlignment FAlignment = taLeftJustify;
    TStatusPanelBevel FBevel = pbLowered;
};

class TStatusPanels {
public:
    explicit TStatusPanels(TStatusBar* owner) : FOwner(owner) {}
    int Count() const { return static_cast<int>(FItems.size()); }
    TStatusPanel& Items(int index);
    TStatusPanel& operator[](int index) { return Items(index); }
    TStatusPanel& Add();
    void Delete(int index);
    void Clear();

private:
    TStatusBar* FOwner;
    std::vector<std::unique_ptr<TStatusPanel>> FItems;
};

// A bar along the bottom of a form with text panels (or one simple text).
class TStatusBar : public TCustomControl {
public:
    explicit TStatusBar(rtl::TComponent* AOwner);
    std::string ClassName() const override { return "TStatusBar"; }
    TStatusPanels& Panels() { return FPanels; }
    bool SimplePanel() const { return FSimplePanel; }
    void SetSimplePanel(bool value);
    const std::string& SimpleText() const { return FSimpleText; }
    void SetSimpleText(const std::string& value);
    bool SizeGrip() const { return FSizeGrip; }
    void SetSizeGrip(bool value);
    rtl::TRect PanelRect(int index) const;

protected:
    void Paint() override;

private:
    TStatusPanels FPanels;
    bool FSimplePanel = false;
    std::string FSimpleText;
    bool FSizeGrip = true;
};

enum TTrackBarOrientation { trHorizontal, trVertical };
enum TTickStyle { tsNone, tsAuto, tsManual };
enum TTickMark { tmBottomRight, tmTopLeft, tmBoth };

// A slider: a thumb on a channel between Min and Max, moved by arrows, pages and the mouse.
class TTrackBar : public TArrowKeyControl {
public:
    explicit TTrackBar(rtl::TComponent* AOwner);
    std::string ClassName() const override { return "TTrackBar"; }
    int Min() const { return FMin; }
    void SetMin(int value);
    int Max() const { return FMax; }
    void SetMax(int value);
    int Position() const { return FPosition; }
    void SetPosition(int value);
    int Frequency() const { return FFrequency; }
    void SetFrequency(int value);
    int LineSize() const { return FLineSize; }
    void SetLineSize(int value) { FLineSize = value; }
    int PageSize() const { return FPageSize; }
    void SetPageSize(int value) { FPageSize = value; }
    TTrackBarOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TTrackBarOrientation value);
    TTickStyle TickStyle() const { return FTickStyle; }
    void SetTickStyle(TTickStyle value);
    TTickMark TickMarks() const { return FTickMarks; }
    void SetTickMarks(TTickMark value);
    rtl::TRect ThumbRect() const;
    rtl::TRect ChannelRect() const;

    TNotifyEvent OnChange;

protected:
    void Paint() override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    int PixelOf(int position) const;
    int PositionAt(int pixel) const;
    void UserSetPosition(int value);
    int FMin = 0;
    int FMax = 10;
    int FPosition = 0;
    int FFrequency = 1;
    int FLineSize = 1;
    int FPageSize = 2;
    TTrackBarOrientation FOrientation = trHorizontal;
    TTickStyle FTickStyle = tsAuto;
    TTickMark FTickMarks = tmBottomRight;
    bool FDragging = false;
    int FGrab = 0;
};

enum TDateTimeKind { dtkDate, dtkTime, dtkDateTime };

class TDateTimePicker;

// Styles of the month calendar: week numbers on the left, no circle around today, no
// today line at the bottom.
constexpr unsigned MCS_WEEKNUMBERS = 0x0004;
constexpr unsigned MCS_NOTODAYCIRCLE = 0x0008;
constexpr unsigned MCS_NOTODAY = 0x0010;

// The month calendar that drops down from a date picker: a month of days, arrows to the
// months before and after; a click on a day chooses it.
class TCalendarPopup : public TCustomControl {
public:
    explicit TCalendarPopup(TDateTimePicker* picker);
    std::string ClassName() const override { return "TCalendarPopup"; }
    // The month shown and the day marked in it.
    rtl::TDateTime Marked() const { return FMarked; }
    void SetMarked(rtl::TDateTime value);
    // Client rectangles of a day of the shown month and of the two arrows.
    rtl::TRect DayRect(int day) const;
    rtl::TRect PrevRect() const;
    rtl::TRect NextRect() const;
    void StepMonth(int delta);
    // MCS_ style flags; the size the calendar needs for them.
    unsigned Style() const { return FStyle; }
    void SetStyle(unsigned value);
    rtl::TRect MinReqRect() const;

protected:
    friend class TDateTimePicker;
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    int FirstColumn() const;
    int CellWidth() const { return 24; }
    int CellHeight() const { return 16; }
    int HeaderHeight() const { return 40; }
    int WeekColumnWidth() const { return (FStyle & MCS_WEEKNUMBERS) ? CellWidth() : 0; }
    TDateTimePicker* FPicker;
    rtl::TDateTime FMarked = 0;
    unsigned FStyle = MCS_NOTODAY | MCS_NOTODAYCIRCLE;  // the plain calendar unless asked
};
enum TDTDateFormat { dfShort, dfLong };

// Answers a text the user typed into a picker with input parsing on: Value holds the
// locale's reading of it (0 when it does not convert); clearing Accept rejects it.
using TDTUserInputEvent = std::function<void(rtl::TObject* Sender, const std::string& UserString,
                                             rtl::TDateTime& Value, bool& Accept)>;

// A field for a date or a time: the focused part (day, month, year, hours, …) steps with
// the arrow keys and takes typed digits; Left and Right move between the parts.
// Typed digits: the part commits (its value is set and OnChange fires) when it holds as
// many digits as it can (two, four for the year) or when no further digit could keep it in
// range (a 4 in the month, a 3 in the hours), so "712" in day-month order gives day 7 and
// month 12; leaving the part (Left, Right, a separator, focus loss) commits what was typed.
class TDateTimePicker : public TCustomControl {
public:
    explicit TDateTimePicker(rtl::TComponent* AOwner);
    std::string ClassName() const override { return "TDateTimePicker"; }
    TDateTimeKind Kind() const { return FKind; }
    virtual void SetKind(TDateTimeKind value);
    rtl::TDateTime DateTime() const { return FDateTime; }
    virtual void SetDateTime(rtl::TDateTime value);
    rtl::TDateTime Date() const;
    virtual void SetDate(rtl::TDateTime value);
    rtl::TDateTime Time() const;
    virtual void SetTime(rtl::TDateTime value);
    // A check box in front of the value; unchecked means "no value".
    bool ShowCheckbox() const { return FShowCheckbox; }
    void SetShowCheckbox(bool value);
    bool Checked() const { return FChecked; }
    void SetChecked(bool value);
    // With input parsing on, F2 lets the user type a free text, answered by OnUserInput
    // when Enter ends it (Escape drops it).
    bool ParseInput() const { return FParseInput; }
    void SetParseInput(bool value) { FParseInput = value; }
    bool EditingUserString() const { return FEditingUserString; }
    const std::string& UserString() const { return FUserString; }
    TDTUserInputEvent OnUserInput;
    // Left edge of the value text (after the check box).
    int TextLeft() const { return FShowCheckbox ? 20 : 2; }
    rtl::TRect CheckboxRect() const;
    TDTDateFormat DateFormat() const { return FDateFormat; }
    void SetDateFormat(TDTDateFormat value);
    // A custom display format ("" for the one of Kind and DateFormat).
    const std::string& Format() const { return FFormat; }
    void SetFormat(const std::string& value);
    // The text as shown.
    std::string DisplayText() const;
    // The part of the value that the keys act on now (an index into the shown parts).
    int ActivePart() const { return FPart; }
    // Digits have been typed into the active part and more may follow.
    bool PartTyping() const { return FTypedCount > 0; }
    // The month calendar of a date picker (Alt+Down, F4 or a click on the button).
    bool DroppedDown() const;
    void SetDroppedDown(bool value);
    TCalendarPopup* Calendar() const { return FCalendar; }

    TNotifyEvent OnChange;
    // The calendar has dropped down / closed up again.
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;

protected:
    virtual void DropDown();
    virtual void CloseUp();
    // A value, check or user-string change made by the user: fires OnChange.
    virtual void Change();
    // The user ended a free-text entry: the text read as a date-time; true when it was taken.
    virtual bool UserStringEntered(const std::string& text);
    struct TPart {
        char Kind = 0;  // 'y' 'm' 'd' 'h' 'n' 's'
        int Start = 0;  // character range in the display text
        int Length = 0;
    };
    std::vector<TPart> Parts() const;
    std::string EffectiveFormat() const;
    // A completed part makes the next one active; pickers that move between parts
    // themselves turn this off.
    bool FAutoAdvance = true;
    void Paint() override;
    void WndProc(TMessage& Message) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    friend class TCalendarPopup;
    void StepPart(int delta);
    void SetPartValue(char kind, int value);
    void UserChange(rtl::TDateTime value);
    void CommitTyped();
    bool UserStringKey(WORD key);
    void PaintCheckbox(gfx::TCanvas& c);
    TCalendarPopup* FCalendar = nullptr;
    bool FShowCheckbox = false;
    bool FChecked = true;
    bool FParseInput = false;
    bool FEditingUserString = false;
    std::string FUserString;
    TDateTimeKind FKind = dtkDate;
    rtl::TDateTime FDateTime = 0;
    TDTDateFormat FDateFormat = dfShort;
    std::string FFormat;
    int FPart = 0;
    int FTyped = 0;       // digits typed into the current part so far
    int FTypedCount = 0;
};

}  // namespace ui
