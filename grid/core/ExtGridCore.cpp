// String grid core: counts, cell graphics and comments, the base-grid hooks, defaults and the version.
#include <algorithm>
#include <typeinfo>

#include "grid/core/CellGraphics.h"
#include "grid/core/ExtGrid.h"
#include "grid/core/GridLists.h"
#include "grid/core/GridOptions.h"
#include "grid/core/GridOptionsCells.h"
#include "grid/core/GridOptionsMisc.h"
#include "grid/data/ExtGridHiddenColumns.h"
#include "grid/foundation/ExtUtilCellText.h"
#include "platform/gfx/Canvas.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/StrUtils.h"

namespace grid {

namespace {
constexpr int GridVersionNr = 0x08030203;
constexpr const char* GridReleaseMonth = "Aug, 2017";
// Prefixes turned into links in cell text, in the order they are tried.
constexpr const char* UrlPrefixes[] = {"HTTP://", "WWW.", "MAILTO:", "HTTPS://", "NNTP://", "FILE://", "FTP://"};

bool IsCheckBoxType(TCellType t)
{
    return t == ctCheckBox || t == ctDataCheckBox || t == ctTriStateCheckBox || t == ctVirtCheckBox ||
           t == ctRowCheckBox;
}
}  // namespace

// --- counts

void TExtStringGrid::SetRowCount(int Value)
{
    int old = RowCount();
    TBaseGrid::SetRowCount(Value);
    FNormalRowCount = RowCount();
    FMaxRowCount = std::max(FMaxRowCount, RowCount());
    for (int r = old; r < RowCount(); ++r) FSuppressRowSizes->Add(RowHeights(r));
    if (FixedRowAlways() && RowCount() > FFixedRowsMin && TBaseGrid::FixedRows() != FFixedRowsMin)
        TBaseGrid::SetFixedRows(FFixedRowsMin);
    FooterRowCountChanged(old);
}

void TExtStringGrid::SetColCount(int Value)
{
    int old = ColCount();
    TBaseGrid::SetColCount(Value);
    FMaxColCount = std::max(FMaxColCount, ColCount());
    ResizeColumnBooks();
    for (int c = old; c < ColCount(); ++c) FSuppressColSizes->Add(ColWidths(c));
    if (FixedColAlways() && ColCount() > FFixedColsMin && TBaseGrid::FixedCols() != FFixedColsMin)
        TBaseGrid::SetFixedCols(FFixedColsMin);
    UpdateFooter();
}

void TExtStringGrid::ResizeColumnBooks()
{
    auto n = static_cast<std::size_t>(ColCount() + NumHiddenColumns());
    FHidden->VisibleCol.resize(n, true);
    FHidden->AllColWidths.resize(n, DefaultColWidth());
}

bool TExtStringGrid::ColumnVisible(int ACol) const
{
    return ACol >= 0 && static_cast<std::size_t>(ACol) < FHidden->VisibleCol.size() && FHidden->VisibleCol[ACol];
}

// --- cell graphics and comments

// Comments, the kind queries and the shared row check box record are in ExtGridComments.cpp.

bool TExtStringGrid::GetReadOnly(int ACol, int ARow) const
{
    return HasCellProperties(ACol, ARow) && GetCellPropsDirect(ACol, ARow)->ReadOnly();
}

std::string TExtStringGrid::DefaultCheckTrue(int) { return FCheckTrue; }
std::string TExtStringGrid::DefaultCheckFalse(int) { return FCheckFalse; }

// --- hooks of the base grid

bool TExtStringGrid::IsNode(int ARow) { return ARow >= 0 && GetCellType(CellNode().NodeColumn(), ARow) == ctNode; }
bool TExtStringGrid::IsSummary(int ARow) { return ARow >= 0 && GetCellType(0, ARow) == ctSummary; }

// The grid counts its nodes (AddNode, RemoveNode), so this needs no scan of the rows.
bool TExtStringGrid::HasNodes() { return FNumNodes > 0; }

// The node level of the row's node-column cell times the node indent.
int TExtStringGrid::GetNodeIndent(int ARow)
{
    const int nc = CellNode().NodeColumn();
    if (!HasNodes() || ARow < 0 || !HasCellProperties(nc, ARow)) return 0;
    return GetCellPropsDirect(nc, ARow)->NodeLevel() * CellNode().NodeIndent();
}

bool TExtStringGrid::CellHasCheckBox(int ACol, int ARow) { return IsCheckBoxType(GetCellType(ACol, ARow)); }

// The box is checked by the check-true text (undo items carry the texts of real states).
void TExtStringGrid::SetCheckBoxValue(int ACol, int ARow, const std::string& Value)
{
    SetCheckBoxState(ACol, ARow, Value == FCheckTrue);
}

void TExtStringGrid::GetDisplText(int ACol, int ARow, std::string& Value)
{
    TBaseGrid::GetDisplText(ACol, ARow, Value);
    if (FURLShowInText) {
        for (const char* prefix : UrlPrefixes) {
            std::string linked;
            if (LinkUrlInText(Value, prefix, linked)) {
                Value = linked;
                break;
            }
        }
    }
    AppendGroupCount(ACol, ARow, Value);
}

// A group header's column 1 shows how many rows the group holds below it, sub-group
// headers not counted.
void TExtStringGrid::AppendGroupCount(int ACol, int ARow, std::string& Value)
{
    if (!Grouping().ShowGroupCount() || ACol != 1 || ARow < 0 || !IsNode(ARow)) return;
    const int count = GetNodeSpan(ARow) - GetSubNodeCount(ARow) - 1;
    const std::string& format = Grouping().GroupCountFormat();
    Value += format.empty() ? " (" + std::to_string(count) + ")" : rtl::Format(format, {count});
}

void TExtStringGrid::HeadersChanged() {}

void TExtStringGrid::ShowColumnHeaders()
{
    // Only the columns the grid has get a header; a written "\n" (backslash, n) in a header
    // becomes a line break.
    if (FixedRows() <= 0) return;
    const int n = std::min(FColumnHeaders->Count(), TotalColCount());
    for (int i = 0; i < n; ++i) SetCellEx(i, 0, rtl::StringReplace(FColumnHeaders->Get(i), "\\n", "\r", rtl::rfReplaceAll));
}

void TExtStringGrid::ShowRowHeaders()
{
    for (int i = 0; i < FRowHeaders->Count(); ++i) SetCellEx(0, i, FRowHeaders->Get(i));
}

// --- painting defaults

void TExtStringGrid::GetDefaultCellProperties(int ACol, int ARow, gfx::TFont& AFont, gfx::TBrush& ABrush,
                                              gfx::TColor& ColorTo, gfx::TColor& MirrorColor,
                                              gfx::TColor& MirrorColorTo, ui::TAlignment& HAlign,
                                              TVAlignment& VAlign, bool& WordWrap,
                                              TCellGradientDirection& GradientDirection)
{
    TBaseGrid::GetDefaultCellProperties(ACol, ARow, AFont, ABrush, ColorTo, MirrorColor, MirrorColorTo, HAlign, VAlign,
                                        WordWrap, GradientDirection);
    VAlign = FVAlignment;
    // The new property object takes the cell's look as painting would give it,
    // without the disabled-font rule and starting from the first gradient direction.
    const bool useDisabledFont = UseDisabledFont();
    SetUseDisabledFont(false);
    GradientDirection = static_cast<TCellGradientDirection>(0);
    ui::TGridDrawState state = 0;
    GetVisualProperties(ACol, ARow, state, false, false, false, ABrush, ColorTo, MirrorColor, MirrorColorTo, AFont,
                        HAlign, VAlign, WordWrap, GradientDirection);
    SetUseDisabledFont(useDisabledFont);
    // A fixed-cell, band, background or selection colour is the look of the moment, not
    // the cell's own: a new property object never takes it over.
    const bool gradientBackground =
        BackGround().Display() == bdGradientHorz || BackGround().Display() == bdGradientVert;
    if (IsFixed(ACol, ARow) || Bands().Active() || gradientBackground || (state & ui::gdSelected)) {
        ABrush.SetColor(gfx::clNone);
        ColorTo = gfx::clNone;
    }
}

ui::TAlignment TExtStringGrid::GetDefaultAlignment() { return FDefaultAlignment; }
bool TExtStringGrid::HasCellBorderEvent() { return static_cast<bool>(OnGetCellBorder); }
bool TExtStringGrid::GetUseVCLStyles() { return FUseVCLStyles; }

gfx::TFont& TExtStringGrid::GetCellFont(int ACol, int ARow)
{
    if (!HasCellProperties(ACol, ARow)) return Font();
    const TCellProperties* p = GetCellPropsDirect(ACol, ARow);
    FCellFont->SetName(p->FontName());
    FCellFont->SetHeight(p->FontSize());
    FCellFont->SetStyle(p->FontStyle());
    FCellFont->SetColor(p->FontColor());
    return *FCellFont;
}

void TExtStringGrid::InvalidateGrid() { Invalidate(); }

// --- version and style interfaces

int TExtStringGrid::GetVersionNr() { return GridVersionNr; }

std::string TExtStringGrid::VersionText(int packed)
{
    auto v = static_cast<unsigned>(packed);
    return std::to_string((v >> 24) & 0xFF) + "." + std::to_string((v >> 16) & 0xFF) + "." +
           std::to_string((v >> 8) & 0xFF) + "." + std::to_string(v & 0xFF);
}

std::string TExtStringGrid::GetVersionString() { return VersionText(GetVersionNr()) + " " + GridReleaseMonth; }

// --- mouse and design

bool TExtStringGrid::IsDesigning() { return HasState(rtl::csDesigning); }
void TExtStringGrid::MouseActionsChanged() {}
void TExtStringGrid::NavigationChanged() {}

}  // namespace grid

namespace grid {

int TExtStringGrid::FixedRowHeight() const { return RowCount() > 0 ? RowHeights(0) : 0; }

void TExtStringGrid::SetFixedRowHeight(int v)
{
    if (RowCount() > 0) SetRowHeights(0, v);
}

void TExtStringGrid::SetFixedColWidth(int v)
{
    if (ColCount() > 0) SetColWidths(0, v);
}

}  // namespace grid
