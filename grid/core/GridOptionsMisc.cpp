// Small settings objects of the string grid: their copying and change notifications.
#include "grid/core/GridOptionsMisc.h"
#include "grid/data/EsgDragDrop.h"

#include "platform/rtl/Component.h"

namespace grid {

void TGrouping::Assign(const rtl::TPersistent* Source)
{
    const auto* src = dynamic_cast<const TGrouping*>(Source);
    if (src == nullptr) return;
    FMergeHeader = src->FMergeHeader;
    FMergeSummary = src->FMergeSummary;
    FHeaderColor = src->FHeaderColor;
    FHeaderColorTo = src->FHeaderColorTo;
    FHeaderTextColor = src->FHeaderTextColor;
    FHeaderUnderline = src->FHeaderUnderline;
    FSummaryColor = src->FSummaryColor;
    FSummaryColorTo = src->FSummaryColorTo;
    FSummaryTextColor = src->FSummaryTextColor;
    FSummaryLine = src->FSummaryLine;
    FShowGroupCount = src->FShowGroupCount;
    FGroupCountFormat = src->FGroupCountFormat;
    FAutoSelectGroup = src->FAutoSelectGroup;
    FAutoCheckGroup = src->FAutoCheckGroup;
}

void TDragDropSettings::SetOleDropTarget(bool v)
{
    if (v == FOleDropTarget) return;
    FOleDropTarget = v;
    if (FOwner != nullptr && FOwner->HasState(rtl::csDesigning)) return;
    if (OnDropTargetChange) OnDropTargetChange(v);
}

void TDragDropSettings::SetOleDropRTF(bool v)
{
    FOleDropRTF = v;
    SetRtfDropAccepted(v);
}

void TDragDropSettings::Assign(const rtl::TPersistent* Source)
{
    const auto* src = dynamic_cast<const TDragDropSettings*>(Source);
    if (src == nullptr) return;
    FOleDropTarget = src->FOleDropTarget;
    FOleDropSource = src->FOleDropSource;
    FOleAcceptFiles = src->FOleAcceptFiles;
    FOleAcceptText = src->FOleAcceptText;
    FOleAcceptURLs = src->FOleAcceptURLs;
    FOleEntireRows = src->FOleEntireRows;
    FOleInsertRows = src->FOleInsertRows;
    FOleAppendRows = src->FOleAppendRows;
    FOleRemoveRows = src->FOleRemoveRows;
    FOleCopyAlways = src->FOleCopyAlways;
    FOleColumnDragDrop = src->FOleColumnDragDrop;
    FOleColumnReorder = src->FOleColumnReorder;
    FOleColumnsOnly = src->FOleColumnsOnly;
    FOleColumnPicker = src->FOleColumnPicker;
    FOleDropRTF = src->FOleDropRTF;
    FShowCells = src->FShowCells;
}

void TBalloonSettings::SetEnable(bool v)
{
    if (v == FEnable) return;
    FEnable = v;
    if (OnEnableChange) OnEnableChange(this);
}

void TBalloonSettings::Assign(const rtl::TPersistent* Source)
{
    const auto* src = dynamic_cast<const TBalloonSettings*>(Source);
    if (src == nullptr) return;
    FTextColor = src->FTextColor;
    FBackgroundColor = src->FBackgroundColor;
    FInitialDelay = src->FInitialDelay;
    FReshowDelay = src->FReshowDelay;
    FAutoHideDelay = src->FAutoHideDelay;
    FEnable = src->FEnable;
    FShowCell = src->FShowCell;
}

void TShowModified::SetColor(gfx::TColor v)
{
    FColor = v;
    if (OnChange) OnChange(this);
}

void TShowModified::Assign(const rtl::TPersistent* Source)
{
    const auto* src = dynamic_cast<const TShowModified*>(Source);
    if (src == nullptr) return;
    FColor = src->FColor;
    FEnabled = src->FEnabled;
}

void TDragScrollDelays::Assign(const rtl::TPersistent* Source)
{
    const auto* src = dynamic_cast<const TDragScrollDelays*>(Source);
    if (src == nullptr) return;
    FInitialDelay = src->FInitialDelay;
    FRepeatDelay = src->FRepeatDelay;
}

void TDragScrollMargins::Assign(const rtl::TPersistent* Source)
{
    const auto* src = dynamic_cast<const TDragScrollMargins*>(Source);
    if (src == nullptr) return;
    FTopMargin = src->FTopMargin;
    FBottomMargin = src->FBottomMargin;
    FLeftMargin = src->FLeftMargin;
    FRightMargin = src->FRightMargin;
}

TDragScrollOptions::TDragScrollOptions()
    : FDelays(std::make_unique<TDragScrollDelays>()), FMargins(std::make_unique<TDragScrollMargins>())
{
}

TDragScrollOptions::~TDragScrollOptions() = default;

void TDragScrollOptions::Assign(const rtl::TPersistent* Source)
{
    const auto* src = dynamic_cast<const TDragScrollOptions*>(Source);
    if (src == nullptr) return;
    FMargins->Assign(src->FMargins.get());
    FDelays->Assign(src->FDelays.get());
    FActive = src->FActive;
}

void TGridProgressAppearance::Assign(const rtl::TPersistent* Source)
{
    const auto* src = dynamic_cast<const TGridProgressAppearance*>(Source);
    if (src == nullptr) return;
    FCompleteColor = src->FCompleteColor;
    FCompleteFontColor = src->FCompleteFontColor;
    FUnCompleteColor = src->FUnCompleteColor;
    FUnCompleteFontColor = src->FUnCompleteFontColor;
    FLevel0Color = src->FLevel0Color;
    FLevel0ColorTo = src->FLevel0ColorTo;
    FLevel1Color = src->FLevel1Color;
    FLevel1ColorTo = src->FLevel1ColorTo;
    FLevel2Color = src->FLevel2Color;
    FLevel2ColorTo = src->FLevel2ColorTo;
    FLevel3Color = src->FLevel3Color;
    FLevel3ColorTo = src->FLevel3ColorTo;
    FLevel1Perc = src->FLevel1Perc;
    FLevel2Perc = src->FLevel2Perc;
    FBorderColor = src->FBorderColor;
    FShowBorder = src->FShowBorder;
    FStacked = src->FStacked;
    FShowPercentage = src->FShowPercentage;
    FCompletionSmooth = src->FCompletionSmooth;
    FShowGradient = src->FShowGradient;
    FSteps = src->FSteps;
    FStyle = src->FStyle;
    if (OnChange) OnChange(this);
}

void TColorSetting::SetTextColor(gfx::TColor v)
{
    if (v == FTextColor) return;
    FTextColor = v;
    Changed();
}

void TColorSetting::SetBkgColor(gfx::TColor v)
{
    if (v == FBkgColor) return;
    FBkgColor = v;
    Changed();
}

void TColorSetting::Changed()
{
    if (OnChange) OnChange(this);
}

void TColorSetting::Assign(const rtl::TPersistent* Source)
{
    const auto* src = dynamic_cast<const TColorSetting*>(Source);
    if (src == nullptr) return;
    FTextColor = src->FTextColor;
    FBkgColor = src->FBkgColor;
}

TAutoColor::TAutoColor()
    : FNegativeNumber(std::make_unique<TColorSetting>()), FPositiveNumber(std::make_unique<TColorSetting>())
{
    FNegativeNumber->OnChange = [this](TSender) { Changed(); };
    FPositiveNumber->OnChange = [this](TSender) { Changed(); };
}

TAutoColor::~TAutoColor() = default;

void TAutoColor::Changed()
{
    if (OnChange) OnChange(this);
}

bool TAutoColor::HasColors() const
{
    for (const TColorSetting* s : {FNegativeNumber.get(), FPositiveNumber.get()})
        if (s->TextColor() != gfx::clNone || s->BkgColor() != gfx::clNone) return true;
    return false;
}

void TAutoColor::Assign(const rtl::TPersistent* Source)
{
    const auto* src = dynamic_cast<const TAutoColor*>(Source);
    if (src == nullptr) return;
    FNegativeNumber->Assign(src->FNegativeNumber.get());
    FPositiveNumber->Assign(src->FPositiveNumber.get());
}

}  // namespace grid
