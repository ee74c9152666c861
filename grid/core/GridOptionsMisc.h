// Small settings objects of the string grid: grouping, drag and drop, balloons, modified marks, drag scrolling, progress look, automatic colours.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "grid/core/GridOptions.h"
#include "platform/gfx/Color.h"
#include "platform/rtl/Object.h"

namespace rtl {
class TComponent;
}

namespace grid {

// Colours of group header and summary rows. No change notification.
// Assign skips Summary and the two line colours and widths.
class TGrouping : public rtl::TPersistent {
public:
    TGrouping() = default;
    std::string ClassName() const override { return "TGrouping"; }
    void Assign(const rtl::TPersistent* Source) override;

    GRID_PLAIN_PROPERTY(bool, MergeHeader, false)
    GRID_PLAIN_PROPERTY(bool, MergeSummary, false)
    GRID_PLAIN_PROPERTY(bool, Summary, false)
    GRID_PLAIN_PROPERTY(gfx::TColor, HeaderColor, gfx::clNone)
    GRID_PLAIN_PROPERTY(gfx::TColor, HeaderColorTo, gfx::clNone)
    GRID_PLAIN_PROPERTY(gfx::TColor, HeaderTextColor, gfx::clNone)
    GRID_PLAIN_PROPERTY(bool, HeaderUnderline, false)
    GRID_PLAIN_PROPERTY(gfx::TColor, HeaderLineColor, gfx::clBlue)
    GRID_PLAIN_PROPERTY(int, HeaderLineWidth, 2)
    GRID_PLAIN_PROPERTY(gfx::TColor, SummaryColor, gfx::clNone)
    GRID_PLAIN_PROPERTY(gfx::TColor, SummaryColorTo, gfx::clNone)
    GRID_PLAIN_PROPERTY(gfx::TColor, SummaryTextColor, gfx::clNone)
    GRID_PLAIN_PROPERTY(bool, SummaryLine, false)
    GRID_PLAIN_PROPERTY(gfx::TColor, SummaryLineColor, gfx::clBlue)
    GRID_PLAIN_PROPERTY(int, SummaryLineWidth, 2)
    GRID_PLAIN_PROPERTY(bool, ShowGroupCount, false)
    GRID_PLAIN_PROPERTY(std::string, GroupCountFormat, "")
    GRID_PLAIN_PROPERTY(bool, AutoSelectGroup, false)
    GRID_PLAIN_PROPERTY(bool, AutoCheckGroup, false)
};

// Switches of OLE drag and drop. Registering the grid as a drop target is the drag and
// drop code's: OnDropTargetChange runs when OleDropTarget changes (not at design time).
class TDragDropSettings : public rtl::TPersistent {
public:
    explicit TDragDropSettings(rtl::TComponent* AOwner) : FOwner(AOwner) {}
    std::string ClassName() const override { return "TDragDropSettings"; }
    void Assign(const rtl::TPersistent* Source) override;
    rtl::TComponent* Owner() const { return FOwner; }

    bool OleDropTarget() const { return FOleDropTarget; }
    // Nothing when unchanged; stores and tells the grid (except at design time).
    void SetOleDropTarget(bool v);
    std::function<void(bool active)> OnDropTargetChange;

    GRID_PLAIN_PROPERTY(bool, OleDropSource, false)
    GRID_PLAIN_PROPERTY(bool, OleAcceptFiles, true)
    GRID_PLAIN_PROPERTY(bool, OleAcceptText, true)
    GRID_PLAIN_PROPERTY(bool, OleAcceptURLs, true)
    GRID_PLAIN_PROPERTY(bool, OleEntireRows, false)
    GRID_PLAIN_PROPERTY(bool, OleInsertRows, false)
    GRID_PLAIN_PROPERTY(bool, OleAppendRows, false)
    GRID_PLAIN_PROPERTY(bool, OleRemoveRows, false)
    GRID_PLAIN_PROPERTY(bool, OleCopyAlways, false)
    GRID_PLAIN_PROPERTY(bool, OleColumnDragDrop, false)
    GRID_PLAIN_PROPERTY(bool, OleColumnReorder, false)
    GRID_PLAIN_PROPERTY(bool, OleColumnsOnly, false)
    GRID_PLAIN_PROPERTY(bool, OleColumnPicker, false)
public:
    bool OleDropRTF() const { return FOleDropRTF; }
    // Also switches rich-text drops on or off for the drag-and-drop code.
    void SetOleDropRTF(bool v);
private:
    bool FOleDropRTF = false;
    GRID_PLAIN_PROPERTY(bool, ShowCells, true)
    // Top row of a cell drag and its row offset, set when the drag starts.
    GRID_PLAIN_PROPERTY(int, SourceY, 0)
    GRID_PLAIN_PROPERTY(int, DeltaY, 0)

private:
    rtl::TComponent* FOwner;
    bool FOleDropTarget = false;
};

// Balloon tips of cells and of the footer. Assign copies Enable as the field, without the
// event, and leaves Transparency.
class TBalloonSettings : public rtl::TPersistent {
public:
    TBalloonSettings() = default;
    std::string ClassName() const override { return "TBalloonSettings"; }
    void Assign(const rtl::TPersistent* Source) override;

    bool Enable() const { return FEnable; }
    // Fires OnEnableChange on a change only.
    void SetEnable(bool v);
    TNotifyEvent OnEnableChange;
    // Whether the grid's balloon window exists.
    bool BalloonCreated() const { return FBalloonCreated; }
    void SetBalloonCreated(bool v) { FBalloonCreated = v; }

    GRID_PLAIN_PROPERTY(bool, ShowCell, true)
    GRID_PLAIN_PROPERTY(gfx::TColor, TextColor, gfx::clNone)
    GRID_PLAIN_PROPERTY(gfx::TColor, BackgroundColor, gfx::clNone)
    GRID_PLAIN_PROPERTY(int, InitialDelay, -1)
    GRID_PLAIN_PROPERTY(int, ReshowDelay, -1)
    GRID_PLAIN_PROPERTY(int, AutoHideDelay, -1)
    GRID_PLAIN_PROPERTY(std::uint8_t, Transparency, 0)

private:
    bool FEnable = false;
    bool FBalloonCreated = false;
};

// Marking of modified cells. Setting Color always fires OnChange.
class TShowModified : public rtl::TPersistent {
public:
    TShowModified() = default;
    std::string ClassName() const override { return "TShowModified"; }
    void Assign(const rtl::TPersistent* Source) override;

    gfx::TColor Color() const { return FColor; }
    void SetColor(gfx::TColor v);
    TNotifyEvent OnChange;

    GRID_PLAIN_PROPERTY(bool, Enabled, false)

private:
    gfx::TColor FColor = gfx::clYellow;
};

class TDragScrollDelays : public rtl::TPersistent {
public:
    std::string ClassName() const override { return "TDragScrollDelays"; }
    void Assign(const rtl::TPersistent* Source) override;
    GRID_PLAIN_PROPERTY(int, InitialDelay, 1000)
    GRID_PLAIN_PROPERTY(int, RepeatDelay, 250)
};

class TDragScrollMargins : public rtl::TPersistent {
public:
    std::string ClassName() const override { return "TDragScrollMargins"; }
    void Assign(const rtl::TPersistent* Source) override;
    GRID_PLAIN_PROPERTY(int, TopMargin, 50)
    GRID_PLAIN_PROPERTY(int, BottomMargin, 50)
    GRID_PLAIN_PROPERTY(int, LeftMargin, 50)
    GRID_PLAIN_PROPERTY(int, RightMargin, 50)
};

// Automatic scrolling while something is dragged over the grid.
class TDragScrollOptions : public rtl::TPersistent {
public:
    TDragScrollOptions();
    ~TDragScrollOptions() override;
    TDragScrollOptions(const TDragScrollOptions&) = delete;
    TDragScrollOptions& operator=(const TDragScrollOptions&) = delete;
    std::string ClassName() const override { return "TDragScrollOptions"; }
    void Assign(const rtl::TPersistent* Source) override;

    TDragScrollDelays& Delays() const { return *FDelays; }
    TDragScrollMargins& Margins() const { return *FMargins; }
    GRID_PLAIN_PROPERTY(bool, Active, false)

private:
    std::unique_ptr<TDragScrollDelays> FDelays;
    std::unique_ptr<TDragScrollMargins> FMargins;
};

enum TProgressStyle : std::uint8_t { psXP, psClassic };

// Look of progress-bar cells. Setters fire OnChange on a change; Assign copies every value
// and then fires OnChange.
class TGridProgressAppearance : public rtl::TPersistent {
public:
    TGridProgressAppearance() = default;
    std::string ClassName() const override { return "TGridProgressAppearance"; }
    void Assign(const rtl::TPersistent* Source) override;
    TNotifyEvent OnChange;

#define GRID_CHANGE_PROPERTY(Type, Name, Init)          \
public:                                                 \
    Type Name() const { return F##Name; }               \
    void Set##Name(Type value) { Store(F##Name, value); } \
                                                        \
private:                                                \
    Type F##Name = Init;

    GRID_CHANGE_PROPERTY(gfx::TColor, CompleteColor, gfx::clRed)
    GRID_CHANGE_PROPERTY(gfx::TColor, CompleteFontColor, gfx::clBlue)
    GRID_CHANGE_PROPERTY(gfx::TColor, UnCompleteColor, gfx::clNone)
    GRID_CHANGE_PROPERTY(gfx::TColor, UnCompleteFontColor, gfx::clWindowText)
    GRID_CHANGE_PROPERTY(gfx::TColor, Level0Color, gfx::clLime)
    GRID_CHANGE_PROPERTY(gfx::TColor, Level0ColorTo, gfx::RGB(225, 255, 225))
    GRID_CHANGE_PROPERTY(gfx::TColor, Level1Color, gfx::clYellow)
    GRID_CHANGE_PROPERTY(gfx::TColor, Level1ColorTo, gfx::RGB(255, 255, 202))
    GRID_CHANGE_PROPERTY(gfx::TColor, Level2Color, gfx::RGB(255, 169, 83))
    GRID_CHANGE_PROPERTY(gfx::TColor, Level2ColorTo, gfx::RGB(255, 211, 168))
    GRID_CHANGE_PROPERTY(gfx::TColor, Level3Color, gfx::clRed)
    GRID_CHANGE_PROPERTY(gfx::TColor, Level3ColorTo, gfx::RGB(255, 202, 202))
    GRID_CHANGE_PROPERTY(int, Level1Perc, 70)
    GRID_CHANGE_PROPERTY(int, Level2Perc, 90)
    GRID_CHANGE_PROPERTY(gfx::TColor, BorderColor, gfx::clBlack)
    GRID_CHANGE_PROPERTY(bool, ShowBorder, false)
    GRID_CHANGE_PROPERTY(bool, Stacked, false)
    GRID_CHANGE_PROPERTY(bool, ShowPercentage, true)
    GRID_CHANGE_PROPERTY(bool, CompletionSmooth, true)
    GRID_CHANGE_PROPERTY(bool, ShowGradient, true)
    GRID_CHANGE_PROPERTY(int, Steps, 11)
    GRID_CHANGE_PROPERTY(TProgressStyle, Style, psXP)
#undef GRID_CHANGE_PROPERTY

private:
    template <typename V>
    void Store(V& field, V value)
    {
        if (field == value) return;
        field = value;
        if (OnChange) OnChange(this);
    }
};

// A text and background colour pair; a changed colour calls Changed, which fires OnChange.
class TColorSetting : public rtl::TPersistent {
public:
    TColorSetting() = default;
    std::string ClassName() const override { return "TColorSetting"; }
    void Assign(const rtl::TPersistent* Source) override;

    gfx::TColor TextColor() const { return FTextColor; }
    void SetTextColor(gfx::TColor v);
    gfx::TColor BkgColor() const { return FBkgColor; }
    void SetBkgColor(gfx::TColor v);
    TNotifyEvent OnChange;

protected:
    virtual void Changed();

private:
    gfx::TColor FTextColor = gfx::clNone;
    gfx::TColor FBkgColor = gfx::clNone;
};

// Colours of cells holding negative or positive numbers.
class TAutoColor : public rtl::TPersistent {
public:
    TAutoColor();
    ~TAutoColor() override;
    TAutoColor(const TAutoColor&) = delete;
    TAutoColor& operator=(const TAutoColor&) = delete;
    std::string ClassName() const override { return "TAutoColor"; }
    void Assign(const rtl::TPersistent* Source) override;

    TColorSetting& NegativeNumber() const { return *FNegativeNumber; }
    void SetNegativeNumber(const TColorSetting* v) { FNegativeNumber->Assign(v); }
    TColorSetting& PositiveNumber() const { return *FPositiveNumber; }
    void SetPositiveNumber(const TColorSetting* v) { FPositiveNumber->Assign(v); }
    // Any of the four colours is not clNone.
    bool HasColors() const;
    TNotifyEvent OnChange;

protected:
    virtual void Changed();

private:
    std::unique_ptr<TColorSetting> FNegativeNumber;
    std::unique_ptr<TColorSetting> FPositiveNumber;
};

}  // namespace grid
