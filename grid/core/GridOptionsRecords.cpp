// Option records of the string grid: defaults, stretching setters and copying rules.
#include "grid/core/GridOptionsRecords.h"

#include "grid/core/GridLists.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/Controls.h"

namespace grid {

// ---------------------------------------------------------------- TColumnSize

void TColumnSize::ApplyStretch(int column)
{
    if (OnApplyStretch) OnApplyStretch(column);
}

void TColumnSize::SetStretch(bool value)
{
    FStretch = value;
    auto* control = dynamic_cast<ui::TControl*>(FOwner);
    if (control != nullptr && control->HasParent()) ApplyStretch(FStretchColumn);
}

void TColumnSize::SetStretchAll(bool value)
{
    if (value == FStretchAll) return;
    if (value) FStretchColumn = -1;
    FStretchAll = value;
    ApplyStretch(-1);
}

void TColumnSize::Assign(const rtl::TPersistent* Source)
{
    auto* src = dynamic_cast<const TColumnSize*>(Source);
    if (src == nullptr) return;
    FRows = src->FRows;
    FSave = src->FSave;
    FKey = src->FKey;
    FSection = src->FSection;
    FStretch = src->FStretch;
    FStretchColumn = src->FStretchColumn;
    FSynchWithGrid = src->FSynchWithGrid;
    FSynchNormalCellsOnly = src->FSynchNormalCellsOnly;
    FLocation = src->FLocation;
}

// ---------------------------------------------------------------- THTMLSettings

THTMLSettings::THTMLSettings() : FColWidths(std::make_unique<TIntList>(-1, -1)) {}

THTMLSettings::~THTMLSettings() = default;

void THTMLSettings::Assign(const rtl::TPersistent* Source)
{
    auto* src = dynamic_cast<const THTMLSettings*>(Source);
    if (src == nullptr) return;
    FBorderSize = src->FBorderSize;
    FCellSpacing = src->FCellSpacing;
    FCellPadding = src->FCellPadding;
    FSaveColor = src->FSaveColor;
    FSaveFonts = src->FSaveFonts;
    FFooterFile = src->FFooterFile;
    FFooterText = src->FFooterText;
    FHeaderFile = src->FHeaderFile;
    FHeaderText = src->FHeaderText;
    FTableStyle = src->FTableStyle;
    FPrefixTag = src->FPrefixTag;
    FSuffixTag = src->FSuffixTag;
    FSummary = src->FSummary;
    FWidth = src->FWidth;
    FXHTML = src->FXHTML;
    FConvertSpecialChars = src->FConvertSpecialChars;
    FAutoPreview = src->FAutoPreview;
    FNonBreakingText = src->FNonBreakingText;
    FImageBaseName = src->FImageBaseName;
    FImageFolder = src->FImageFolder;
}

// ---------------------------------------------------------------- TPrintSettings

TPrintSettings::TPrintSettings(rtl::TComponent* AOwner)
    : FOwner(AOwner),
      FFont(std::make_unique<gfx::TFont>()),
      FHeaderFont(std::make_unique<gfx::TFont>()),
      FFooterFont(std::make_unique<gfx::TFont>()),
      FFixedFont(std::make_unique<gfx::TFont>()),
      FTitleLines(std::make_unique<rtl::TStringList>())
{
}

TPrintSettings::~TPrintSettings() = default;

namespace {
void CopyFont(gfx::TFont& target, const gfx::TFont* value)
{
    if (value != nullptr) target.Assign(value);
}
}  // namespace

void TPrintSettings::SetFont(const gfx::TFont* value) { CopyFont(*FFont, value); }
void TPrintSettings::SetHeaderFont(const gfx::TFont* value) { CopyFont(*FHeaderFont, value); }
void TPrintSettings::SetFooterFont(const gfx::TFont* value) { CopyFont(*FFooterFont, value); }
void TPrintSettings::SetFixedFont(const gfx::TFont* value) { CopyFont(*FFixedFont, value); }

void TPrintSettings::SetTitleLines(const rtl::TStrings* value)
{
    if (value != nullptr) FTitleLines->Assign(value);
}

void TPrintSettings::Assign(const rtl::TPersistent* Source)
{
    auto* src = dynamic_cast<const TPrintSettings*>(Source);
    // A missing source fails like a foreign one instead of being read through.
    if (src == nullptr) throw rtl::EInvalidCast("Invalid class typecast");
    FFooterSize = src->FFooterSize;
    FHeaderSize = src->FHeaderSize;
    FTime = src->FTime;
    FDate = src->FDate;
    FDateFormat = src->FDateFormat;
    FPageNr = src->FPageNr;
    FTitle = src->FTitle;
    FTitleText = src->FTitleText;
    FTitleLines->Assign(src->FTitleLines.get());
    FFont->Assign(src->FFont.get());
    FHeaderFont->Assign(src->FHeaderFont.get());
    FFooterFont->Assign(src->FFooterFont.get());
    FFixedFont->Assign(src->FFixedFont.get());
    FBorders = src->FBorders;
    FBorderStyle = src->FBorderStyle;
    FCentered = src->FCentered;
    FRepeatFixedRows = src->FRepeatFixedRows;
    FRepeatFixedCols = src->FRepeatFixedCols;
    FLeftSize = src->FLeftSize;
    FRightSize = src->FRightSize;
    FColumnSpacing = src->FColumnSpacing;
    FRowSpacing = src->FRowSpacing;
    FTitleSpacing = src->FTitleSpacing;
    FOrientation = src->FOrientation;
    FPagePrefix = src->FPagePrefix;
    FPageSuffix = src->FPageSuffix;
    FPageNumberOffset = src->FPageNumberOffset;
    FMaxPagesOffset = src->FMaxPagesOffset;
    FFixedWidth = src->FFixedWidth;
    FFixedHeight = src->FFixedHeight;
    FUseFixedHeight = src->FUseFixedHeight;
    FUseFixedWidth = src->FUseFixedWidth;
    FFitToPage = src->FFitToPage;
    FJobName = src->FJobName;
    FPageNumSep = src->FPageNumSep;
    FNoAutoSize = src->FNoAutoSize;
    FNoAutoSizeRow = src->FNoAutoSizeRow;
    FPrintGraphics = src->FPrintGraphics;
    FUseDisplayFont = src->FUseDisplayFont;
    FUseDefaultOrientation = src->FUseDefaultOrientation;
    FBorderColor = src->FBorderColor;
    FPrintComments = src->FPrintComments;
}

}  // namespace grid
