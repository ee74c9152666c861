// String grid visual property resolution: a cell's brush, gradient, font, selection look, alignment and display text.
#include <algorithm>
#include <cmath>

#include "grid/core/CellGraphics.h"
#include "grid/core/ExtGrid.h"
#include "grid/core/GridLists.h"
#include "grid/core/GridOptionsRecords.h"
#include "grid/core/GridOptions.h"
#include "grid/core/GridOptionsFilter.h"
#include "grid/core/GridOptionsMisc.h"
#include "grid/core/esgxlsfmt.h"
#include "grid/foundation/EsgHTMLEUtil.h"
#include "grid/foundation/ExtUtilColors.h"
#include "grid/foundation/ExtUtilNumbers.h"
#include "platform/gfx/GraphicsObjects.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/StrUtils.h"

namespace grid {

namespace {

bool IsNumberKind(int kind) { return kind == nkInteger || kind == nkFloat || kind == nkScientific; }

// Cell kinds whose own brush colour marks the cell as coloured by its property.
bool OwnColourKind(TCellType t) { return t == ctNone || t == ctRotated || t == ctEmpty; }

// Looks that paint their fixed cells with the header gradient.
bool GradientHeaderLook(TGridLook look) { return look > glClassic && look != glListView; }

}  // namespace

gfx::TColor TExtStringGrid::BlendColorsPercent(gfx::TColor c1, gfx::TColor c2, int Percent)
{
    if (Percent >= 100) return c1;
    if (Percent <= 0 || c1 == clGridNone) return c2;
    if (c2 == clGridNone) return c1;
    const gfx::TColor a = gfx::ColorToRGB(c1);
    const gfx::TColor b = gfx::ColorToRGB(c2);
    const double f = Percent / 100.0;
    gfx::TColor result = 0;
    for (int shift : {0, 8, 16}) {
        const double va = (a >> shift) & 0xFF;
        const double vb = (b >> shift) & 0xFF;
        const int v = std::min(255, static_cast<int>(std::lround(f * va + (1.0 - f) * vb)));
        result |= static_cast<gfx::TColor>(v) << shift;
    }
    return result;
}

gfx::TColor TExtStringGrid::SelectionMixColor(gfx::TColor CellColor)
{
    if (CellColor == Color() || !FSelectionColorMixer) return FSelectionColor;
    return BlendColorsPercent(FSelectionColor, CellColor, FSelectionColorMixerFactor);
}

void TExtStringGrid::SetSelectionColorMixerFactor(int v)
{
    v = std::clamp(v, 0, 100);
    if (v == FSelectionColorMixerFactor) return;
    FSelectionColorMixerFactor = v;
    Invalidate();
}

void TExtStringGrid::SetHighlightColor(gfx::TColor v)
{
    if (v == FHighlightColor) return;
    FHighlightColor = v;
    SetHtmlHighlightColors(FHighlightColor, FHighlightTextColor);
    Invalidate();
}

void TExtStringGrid::SetHighlightTextColor(gfx::TColor v)
{
    if (v == FHighlightTextColor) return;
    FHighlightTextColor = v;
    SetHtmlHighlightColors(FHighlightColor, FHighlightTextColor);
    Invalidate();
}

bool TExtStringGrid::IsCellInSelection(int ACol, int ARow) const
{
    const ui::TGridRect s = Selection();
    return ACol >= std::min(s.Left, s.Right) && ACol <= std::max(s.Left, s.Right) &&
           ARow >= std::min(s.Top, s.Bottom) && ARow <= std::max(s.Top, s.Bottom);
}

namespace {
// The selection colours of the grid taken by a cell, the brush mixed with the cell colour
// when asked.
struct TSelectionTaker {
    TExtStringGrid& G;
    gfx::TBrush& Brush;
    gfx::TColor& To;
    gfx::TColor& Mirror;
    gfx::TColor& MirrorTo;
    gfx::TFont& Font;
    void Take(gfx::TColor brush) const
    {
        Brush.SetColor(brush);
        To = G.SelectionColorTo();
        Mirror = G.SelectionMirrorColor();
        MirrorTo = G.SelectionMirrorColorTo();
        if (G.SelectionTextColor() != clGridNone) Font.SetColor(G.SelectionTextColor());
    }
};
}  // namespace

void TExtStringGrid::GetVisualProperties(int ACol, int ARow, ui::TGridDrawState& AState, bool Print, bool Select,
                                         bool Remap, gfx::TBrush& ABrush, gfx::TColor& AColorTo,
                                         gfx::TColor& AMirrorColor, gfx::TColor& AMirrorColorTo, gfx::TFont& AFont,
                                         ui::TAlignment& HA, TVAlignment& VA, bool& WW, TCellGradientDirection& GD)
{
    const bool normal = ACol >= FixedCols() && ARow >= FixedRows();
    // 1. Font.
    const bool usePrintFont = Print && !PrintSettings().UseDisplayFont();
    if (normal) AFont.Assign(usePrintFont ? PrintSettings().Font() : &Font());
    else AFont.Assign(usePrintFont ? PrintSettings().FixedFont() : FFixedFont.get());
    // 2. Real column (events) and the row of row-selection lookups.
    const int realCol = Remap ? RealColIndex(ACol) : ACol;
    const TMouseActions& ma = MouseActions();
    const bool realRow = (ma.DisjunctRowSelect() && ma.RowSelectPersistent()) || FUseEnabledRows;
    const int selRow = realRow ? RemapRowDisplToReal(ARow) : ARow;
    // 3. Nothing chosen yet.
    ABrush.SetColor(clGridNone);
    AColorTo = AMirrorColor = AMirrorColorTo = clGridNone;
    // 4. The cell's own properties.
    bool ownColour = false;
    if (HasCellProperties(ACol, ARow)) {
        const TCellProperties* p = GetCellPropsDirect(ACol, ARow);
        const auto* g = dynamic_cast<const TCellGraphic*>(p->GraphicObject());
        const TCellType type = g != nullptr ? g->CellType() : ctEmpty;
        if (OwnColourKind(type)) {
            if (p->BrushColor() != clGridNone) {
                ABrush.SetColor(p->BrushColor());
                ownColour = true;
            }
        } else {
            ABrush.SetColor(p->BrushColor());
        }
        if (p->FontColor() != clGridNone) AFont.SetColor(p->FontColor());
        if (!p->FontStyle().Empty()) AFont.SetStyle(p->FontStyle());
        if (PrintSettings().UseDisplayFont()) {
            if (p->FontSize() != 0) AFont.SetHeight(p->FontSize());
            if (!p->FontName().empty()) AFont.SetName(p->FontName());
        }
        WW = p->WordWrap();
        AColorTo = p->BrushColorTo();
        GD = p->GradientDirection();
    }
    // 5.
    if (AState & ui::gdSelected) GD = GradientVertical;
    // 6. Default colours: grid colour, row bands, fixed colour outside the normal area.
    const bool fixedRight = FixedRightCols() > 0 && ACol >= ColCount() - FixedRightCols();
    const bool fixedFooter = FixedFooters() > 0 && ARow >= RowCount() - FixedFooters();
    const bool normalArea = normal && !fixedRight && !fixedFooter;
    if (ABrush.Color() == clGridNone) {
        ABrush.SetColor(Color());
        const TBands& bands = Bands();
        if (bands.Active() && (!Print || bands.Print()) && normalArea && bands.TotalLength() > 0)
            ABrush.SetColor((ARow - FixedRows()) % bands.TotalLength() < bands.PrimaryLength() ? bands.PrimaryColor()
                                                                                               : bands.SecondaryColor());
        if (!normalArea) ABrush.SetColor(FixedColor());
    }
    // 7. Fixed cells.
    const bool fixed = IsFixed(ACol, ARow) || !normal;
    if (fixed && !ownColour) {
        if (!Print) {
            ABrush.SetColor(FixedColor());
            AFont.Assign(FFixedFont.get());
            AState |= ui::gdFixed;
        }
        if (GradientHeaderLook(FLook)) {
            ABrush.SetColor(FJyxGradientFrom);
            AColorTo = FJyxGradientTo;
            AMirrorColor = FJyxGradientMirrorFrom;
            AMirrorColorTo = FJyxGradientMirrorTo;
        }
    }
    // 8. Filter-edit row.
    if (FilterEdit().Row() == ARow && HasFilterEdit(ACol, ARow)) {
        ABrush.SetColor(FilterEdit().Color());
        AColorTo = AMirrorColor = AMirrorColorTo = FilterEdit().Color();
    }
    // 9. Automatic colours of numbers.
    if (AutoColor().HasColors()) {
        const std::string text = GetCellEx(ACol, ARow);
        const int kind = ClassifyNumberText(text);
        if (kind == nkInteger || kind == nkFloat) {
            double value = 0;
            try {
                value = GetFloats(ACol, ARow);
            } catch (const rtl::Exception&) {
            }
            const TColorSetting& s = value < 0 ? AutoColor().NegativeNumber() : AutoColor().PositiveNumber();
            if (s.TextColor() != clGridNone) AFont.SetColor(s.TextColor());
            if (s.BkgColor() != clGridNone) ABrush.SetColor(s.BkgColor());
        }
    }
    // 10. The colour event.
    if (Print) GetCellPrintColor(ACol, ARow, AState, &ABrush, &AFont);
    else GetCellColor(ACol, ARow, AState, &ABrush, &AFont);
    // 11. Gradient event.
    if (OnGetCellGradient) {
        gfx::TColor c = ABrush.Color();
        OnGetCellGradient(this, ARow, realCol, c, AColorTo, AMirrorColor, AMirrorColorTo, GD);
        ABrush.SetColor(c);
    }
    // 12. The unselected colours.
    const gfx::TColor unselectedBrush = ABrush.Color();
    const gfx::TColor unselectedFont = AFont.Color();
    // 13. Selection.
    const TSelectionTaker sel{*this, ABrush, AColorTo, AMirrorColor, AMirrorColorTo, AFont};
    const bool visible = SelectionVisible();
    const bool fixedNow = (AState & ui::gdFixed) != 0 || fixed;
    if (normal && !Print && Select && visible && !fixedNow) {
        if (ma.DisjunctRowSelect()) {
            if (RowSelect(selRow)) {
                AState = ui::gdSelected;
                sel.Take(SelectionMixColor(unselectedBrush));
            } else {
                AState &= ~ui::gdSelected;
            }
        } else if (ma.DisjunctColSelect()) {
            if (std::find(FColSelect.begin(), FColSelect.end(), realCol) != FColSelect.end()) {
                AState = ui::gdSelected;
                sel.Take(FSelectionColor);
            }
        }
    }
    const bool disjunct = ma.DisjunctRowSelect() || ma.DisjunctColSelect();
    if (Select && !Print && !disjunct && visible && !fixedNow && IsCellInSelection(ACol, ARow)) {
        sel.Take(SelectionMixColor(unselectedBrush));
        AState |= ui::gdSelected;
    }
    if (ma.DisjunctCellSelect() && visible) {
        const int key = ARow * 65536 + (ACol & 0xFFFF);
        if (FSelectedCells->HasValue(key)) {
            sel.Take(FSelectionColor);
            AState |= ui::gdSelected;
        } else if (ACol == Col() && ARow == Row()) {
            AState &= ~ui::gdSelected;
            ABrush.SetColor(unselectedBrush);
            AFont.SetColor(unselectedFont);
        }
    }
    // 14. Disabled font.
    if (FUseDisabledFont && (!Enabled() || (FUseEnabledRows && !RowEnabled(selRow))))
        AFont.SetColor(FDisabledFontColor);
    // 15. Selected rows outside the current row are darkened a little.
    if ((AState & ui::gdSelected) && ma.DisjunctRowSelect() && ARow != Row() && FSelectionColorTo == clGridNone &&
        FShowFocusedSelectionColor && visible && !Print)
        ABrush.SetColor(AdjustColorBrightness(ABrush.Color(), -10));
    // 16, 17.
    GetCellWordWrap(realCol, ARow, WW);
    const auto [ha, va] = GetCellAutoAlignment(ACol, ARow);
    HA = ha;
    VA = va;
}

void TExtStringGrid::GetFontProperties(int ACol, int RCol, int ARow, ui::TGridDrawState& AState, gfx::TFont& AFont,
                                       gfx::TBrush& ABrush, bool)
{
    const bool fixed = IsFixed(ACol, ARow) || ACol < FixedCols() || ARow < FixedRows();
    AFont.Assign(fixed ? FFixedFont.get() : &Font());
    if (HasCellProperties(RCol, ARow)) {
        const TCellProperties* p = GetCellPropsDirect(RCol, ARow);
        if (p->FontColor() != clGridNone) AFont.SetColor(p->FontColor());
        if (!p->FontStyle().Empty()) AFont.SetStyle(p->FontStyle());
        if (p->FontSize() != 0) AFont.SetHeight(p->FontSize());
        if (!p->FontName().empty()) AFont.SetName(p->FontName());
    }
    GetCellColor(RCol, ARow, AState, &ABrush, &AFont);
}

std::pair<ui::TAlignment, TVAlignment> TExtStringGrid::GetCellAutoAlignment(int ACol, int ARow)
{
    ui::TAlignment ha = FDefaultAlignment;
    TVAlignment va = FVAlignment;
    if (AutoNumAlign()) {
        std::string text = GetCellEx(ACol, ARow);
        if (!text.empty()) {
            const bool escapedFormula = text.size() > 3 && text.compare(0, 2, "|\\") == 0 && text[3] == '=';
            if (text[0] == '=' || escapedFormula) text = GetCellValue(ACol, ARow);
            if (IsNumberKind(ClassifyNumberText(rtl::Trim(text)))) ha = ui::taRightJustify;
        }
    } else if (HasCellProperties(ACol, ARow)) {
        ha = GetCellPropsDirect(ACol, ARow)->Alignment();
    }
    GetCellAlignment(RealColIndex(ACol), ARow, ha, va);
    return {ha, va};
}

std::string TExtStringGrid::GetFormattedCell(int ACol, int ARow)
{
    std::string text = Cells(ACol, ARow);
    if (!OnGetFloatFormat || !IsNumberKind(ClassifyNumberText(text))) return text;
    bool isFloat = true;
    std::string format = FFloatFormat;
    OnGetFloatFormat(this, RealColIndex(ACol), ARow, isFloat, format);
    if (!isFloat || format.empty()) return text;
    // A format that does not fit the value leaves the text as it is stored.
    try {
        if (FormatType() == ftExcel) {
            std::string out;
            ApplyXlsFormat(TXlsVariant(GetFloats(ACol, ARow)), format, out);
            return out;
        }
        const bool integral = format.find_first_of("dDxX") != std::string::npos;
        if (integral) return rtl::Format(format, {GetInts(ACol, ARow)});
        return rtl::Format(format, {GetFloats(ACol, ARow)});
    } catch (const rtl::Exception&) {
        return text;
    }
}

}  // namespace grid
