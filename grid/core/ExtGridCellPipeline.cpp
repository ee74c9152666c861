// String grid cell drawing pipeline: the fixed order in which one cell is finished after the base painter's fill and lines.
#include <algorithm>
#include <cmath>

#include "grid/core/CellGraphics.h"
#include "grid/core/ExtGrid.h"
#include "grid/core/ExtGridCellPaint.h"
#include "grid/core/GridOptions.h"
#include "grid/core/GridOptionsCells.h"
#include "grid/core/GridOptionsLook.h"
#include "grid/core/GridOptionsMisc.h"
#include "grid/core/GridOptionsSort.h"
#include "grid/foundation/ExtUtilColors.h"
#include "grid/foundation/ExtUtilDraw.h"
#include "grid/foundation/ExtUtilGradients.h"
#include "grid/foundation/ExtUtilThemedButtons.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/FrameControls.h"
#include "platform/gfx/ThemedParts.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/Messages.h"
#include "platform/ui/StyleServices.h"

namespace grid {

namespace {

// Looks that draw their own fixed-cell headers over the base fill.
bool HeaderLook(TGridLook look)
{
    return look == glJyx || look == glXP || look == glVista || look == glWin7 || look == glOffice2007;
}

// A four-colour vertical mirror gradient framed in the set's border colour.
struct TColorSet {
    gfx::TColor From, To, MirrorFrom, MirrorTo, Border;
};

void FillColorSet(gfx::TCanvas& c, const rtl::TRect& r, const TColorSet& s)
{
    DrawMirrorGradient(c, r, s.From, s.To, s.MirrorFrom, s.MirrorTo, true, s.Border, false, true);
}

void Line(gfx::TCanvas& c, int x1, int y1, int x2, int y2)
{
    c.MoveTo(x1, y1);
    c.LineTo(x2, y2);
}

// The floating footer panel paints the grid's last row in the footer's own colour: such a
// cell is fixed, but a header fill over it would hide that colour.
bool FloatingFooterCell(TExtStringGrid& g, int row)
{
    const TFloatingFooter& ff = g.FloatingFooter();
    return ff.Visible() && ff.FooterStyle() == fsFixedLastRow && row == g.RowCount() - 1;
}

constexpr int CellScrollBarWidth = 17;

// The vertical bar of a scroll-bar cell at the cell's right edge, when the text needs more
// room than the page: arrows at both ends and the thumb at the scroll position. The text
// then keeps clear of it.
void PaintCellScrollBar(TExtStringGrid& g, gfx::TCanvas& c, int col, int row, rtl::TRect& r)
{
    const TExtStringGrid::TScrollProp prop = g.GetScrollProp(col, row);
    if (prop.PageSize >= prop.Range || r.Bottom - r.Top < 2 * CellScrollBarWidth) return;
    const rtl::TRect bar{r.Right - CellScrollBarWidth, r.Top, r.Right, r.Bottom};
    c.Brush().SetStyle(gfx::bsSolid);
    c.Brush().SetColor(gfx::clScrollBar);
    c.FillRect(bar);
    rtl::TRect up{bar.Left, bar.Top, bar.Right, bar.Top + CellScrollBarWidth};
    rtl::TRect down{bar.Left, bar.Bottom - CellScrollBarWidth, bar.Right, bar.Bottom};
    gfx::DrawFrameControl(c, up, gfx::DFC_SCROLL, gfx::DFCS_SCROLLUP);
    gfx::DrawFrameControl(c, down, gfx::DFC_SCROLL, gfx::DFCS_SCROLLDOWN);
    const int track = (bar.Bottom - bar.Top) - 2 * CellScrollBarWidth;
    const int span = prop.Range + std::max(0, prop.PageSize);
    const int thumb = std::max(8, span > 0 ? track * std::max(1, prop.PageSize) / span : track);
    if (thumb < track) {
        const int pos = std::clamp(g.GetScrollPosition(col, row), 0, prop.Range);
        const int top = bar.Top + CellScrollBarWidth + (track - thumb) * pos / std::max(1, prop.Range);
        rtl::TRect t{bar.Left, top, bar.Right, top + thumb};
        gfx::DrawFrameControl(c, t, gfx::DFC_BUTTON, gfx::DFCS_BUTTONPUSH);
    }
    r.Right -= CellScrollBarWidth;
}

}  // namespace

void TExtStringGrid::DrawCellContents(gfx::TCanvas& ACanvas, int ACol, int ARow, const rtl::TRect& ARect,
                                      ui::TGridDrawState AState)
{
    // 1. (The platform has no 3D control look to switch: Flat is read where it matters.)
    TCellPaint p{ACanvas};
    p.Col = ACol;
    p.RealCol = RealColIndex(ACol);
    p.Row = ARow;
    p.State = AState;
    p.Rect = ARect;
    p.CellRect = ARect;
    // 2. Filter drop-down row: a header whose column has filter entries carries the
    //    filter button.
    if (ARow == FilterDropDownRow() && ARow < FixedRows()) {
        std::vector<std::string> filter;
        CollectColumnFilter(p.RealCol, true, false, filter);
        p.FilterGlyph = !filter.empty();
    }
    p.WW = WordWrap();
    // 3. Scroll-bar cell.
    if (HasScrollBar(ACol, ARow)) PaintCellScrollBar(*this, ACanvas, ACol, ARow, p.Rect);
    // 4. Visual properties again, without the selection colouring; then the cell graphic.
    ui::TGridDrawState state = AState;
    GetVisualProperties(ACol, ARow, state, false, false, true, ACanvas.Brush(), p.ColorTo, p.MirrorColor,
                        p.MirrorColorTo, ACanvas.Font(), p.HA, p.VA, p.WW, p.GD);
    p.Graphic = GetCellGraphicParams(ACol, ARow, p.GraphicWidth, p.GraphicHeight, p.TextShown, p.GraphicHAlign,
                                     p.GraphicVAlign);
    if (p.RealCol == 0 && HasNodes() && IsNode(ARow)) p.GraphicWidth = GetNodeLevel(ARow) * 12 + 4;
    // 5.
    if ((AState & ui::gdSelected) && !(AState & ui::gdFocused) && SelectionColor() == clGridNone)
        ACanvas.Brush().SetColor(gfx::clHighlight);
    // 6.
    if (ZoomFactor() != 0) {
        const int size = ACanvas.Font().Size() + ZoomFactor();
        ACanvas.Font().SetSize(size == 0 ? 1 : std::max(1, size));
    }
    // 7.
    p.SavedBrush = ACanvas.Brush().Color();
    p.SavedFont = ACanvas.Font().Color();
    p.Fixed = IsFixed(ACol, ARow) || ACol < FixedCols() || ARow < FixedRows();
    if (p.Fixed && HoverRow() && ARow == FHoverRowIdx && HoverRowCells().Contains(hcFixed)) p.Fixed = false;
    const bool footer = p.Fixed && FloatingFooterCell(*this, ARow);
    p.Disabled = UseDisabledFont() && (!Enabled() || (FUseEnabledRows && !RowEnabled(RemapRowDisplToReal(ARow))));
    // 8. The active visual style draws fixed and selected cells.
    const bool styled = DrawStyledCell(p);
    // 9 to 12.
    if (p.Fixed && !styled && !footer && HeaderLook(FLook)) DrawHeaderLook(p);
    DrawRowIndicator(p);
    if (p.Fixed && !styled && !footer && FLook == glListView && !Flat()) DrawListViewHeader(p);
    if (ShowModified().Enabled() && ACol == 0 && RowModified(ARow)) {
        FillRectColor(ACanvas, rtl::TRect{p.Rect.Right - 4, p.Rect.Top, p.Rect.Right, p.Rect.Bottom},
                      ShowModified().Color());
    }
    // 13.
    if (OnCustomCellBkgDraw) OnCustomCellBkgDraw(this, &ACanvas, p.RealCol, ARow, AState, p.Rect, false);
    // 14.
    const int savedRight = p.Rect.Right;
    if (!p.Fixed) DrawAlwaysVisibleButtons(p);
    // 16. The text stage.
    const bool userDraws = static_cast<bool>(OnDrawCell) || static_cast<bool>(OnCustomCellDraw);
    const bool skipText = (NoDefaultDraw() && userDraws) || (p.Graphic != nullptr && NoImageAndText());
    if (!skipText) DrawCellTextStage(p);
    // 17. A styled cell's hollow brush is not left to the cells painted after it.
    p.Rect.Right = savedRight;
    if (styled) ACanvas.Brush().SetStyle(gfx::bsSolid);
    ACanvas.Brush().SetColor(p.SavedBrush);
    ACanvas.Font().SetColor(p.SavedFont);
    rtl::InflateRect(p.Rect, 1, 1);
    // 18 to 21.
    DrawCellBorders(p);
    p.Rect.Left -= p.IndicatorOffset;
    if (p.Fixed && !HasFilterEdit(ACol, ARow) && !Flat()) Draw3DFixedEdges(p);
    DrawFixedRightColLines(p);
    DrawTreeLines(p);
    // 22. The cell graphic in what the text left.
    const rtl::TRect beforeGraphic = p.Rect;
    if (p.Graphic != nullptr) {
        rtl::TRect r = p.Rect;
        if (p.Fixed) ++r.Top;
        TCellGraphicPaint work;
        work.TextWidth = p.TextWidth;
        work.TextAlign = p.HA;
        work.TextVAlign = p.VA;
        work.Fixed = p.Fixed;
        work.Scale = FScaleFactor;
        work.Selected = (p.State & ui::gdSelected) != 0;
        work.WordWrap = p.WW;
        p.Rect = DrawCellGraphic(ACanvas, ACol, ARow, r, p.Graphic, work);
    }
    // 23. The user draw events.
    if (OnDrawCell) {
        const rtl::TRect r{p.Rect.Left, p.Rect.Top, p.Rect.Right - GridLineWidth(), p.Rect.Bottom - GridLineWidth()};
        OnDrawCell(this, p.RealCol, ARow, r, AState);
    }
    if (OnCustomCellDraw) OnCustomCellDraw(this, &ACanvas, p.RealCol, ARow, AState, p.Rect, false);
    // 24, 25. The focus frame goes round the whole cell, not only what the graphic left.
    p.Rect = beforeGraphic;
    if (!HideFocusRect()) DrawFocusRectangle(p);
    if (IsDesigning() && ShowColNrs() && ARow == 0) DrawColumnNumber(p);
}

// A fixed cell, or a selected cell while the selection shows, is drawn as the style's
// element, and the text then goes over it without a fill of its own. True when drawn so.
bool TExtStringGrid::DrawStyledCell(TCellPaint& P)
{
    const ui::TStyleServices& style = ui::StyleServices();
    if (!style.Enabled() || !UseStyleServices() || style.Name() == "Windows") return false;
    const bool selected = (P.State & ui::gdSelected) != 0;
    const bool ownColour =
        HasCellProperties(P.Col, P.Row) && GetCellPropsDirect(P.Col, P.Row)->BrushColor() != clGridNone;
    if (ownColour && !selected) return false;
    gfx::TCanvas& c = P.Canvas;
    if (P.Fixed || (selected && SelectionVisible())) {
        rtl::TRect r = P.Rect;
        if (P.Fixed) {
            r.Bottom += 2;
            ++r.Right;
        } else {
            --r.Top;
            --r.Left;
        }
        const int saved = c.SaveState();
        style.DrawElement(c, P.Fixed ? ui::TStyleGridCell::Fixed : ui::TStyleGridCell::Selected, r);
        c.RestoreState(saved);
        c.Brush().SetStyle(gfx::bsClear);
        return true;
    }
    if (selected) {
        rtl::TRect r = P.Rect;
        --r.Left;
        --r.Top;
        if (!(Options() & ui::goVertLine)) ++r.Right;
        if (!(Options() & ui::goHorzLine)) ++r.Bottom;
        c.FillRect(r);
    }
    return false;
}

// Hovered and pressed headers, the active cell's headers, the sorted column's header and
// the ordinary header gradient.
void TExtStringGrid::DrawHeaderLook(TCellPaint& P)
{
    if (DrawHoverHeader(P)) return;
    gfx::TCanvas& c = P.Canvas;
    if (ActiveCellShow()) {
        const bool rowHeader = P.Row == Row() && FixedCols() > 0 && P.Col == FixedCols() - 1;
        const bool colHeader = P.Col == Col() && FixedRows() > 0 && P.Row == FixedRows() - 1;
        if (rowHeader || colHeader) {
            DrawGradient(c, ActiveCellColor(), ActiveCellColorTo(), 64, P.Rect, false);
            return;
        }
    }
    const gfx::TColor frame = FLook == glVista ? gfx::TColor{0xFFFFFF} : clGridNone;
    rtl::TRect r = P.Rect;
    if (FLook != glSoft && FLook != glXP) {
        --r.Right;
        --r.Bottom;
    }
    const TSortSettings& s = SortSettings();
    const bool sortedHeader = s.Column() != -1 && s.Column() == P.RealCol && s.HeaderColor() != clGridNone &&
                              P.Row == FixedRows() - 1 && (P.Col >= FixedCols() || s.FixedCols());
    if (sortedHeader) {
        DrawMirrorGradient(c, r, s.HeaderColor(), s.HeaderColorTo(), s.HeaderMirrorColor(), s.HeaderMirrorColorTo(),
                           true, clGridNone, false, true);
        return;
    }
    if (!Flat())
        DrawMirrorGradient(c, r, c.Brush().Color(), P.ColorTo, P.MirrorColor, P.MirrorColorTo, true, frame, true,
                           true);
}

// The hovered or pressed header; false when the cell is neither.
bool TExtStringGrid::DrawHoverHeader(TCellPaint& P)
{
    // Only while a column is being moved: the moved column's index outlives the move.
    const bool moving = FGridState == ui::gsColMoving && FMoveColInd >= 0;
    const bool hovered = moving ? FMoveColInd == P.Col
                                : IsHoverFixedCell(P.Col, P.Row) && FHoverFixedCol == P.Col && FHoverFixedRow == P.Row;
    if (!hovered || IsDesigning()) return false;
    gfx::TCanvas& c = P.Canvas;
    rtl::TRect r = P.Rect;
    ++r.Bottom;
    const bool pressed = (ui::GetKeyState(ui::VK_LBUTTON) < 0) || moving;
    const TColorSet hover{JyxGradientHoverFrom(), JyxGradientHoverTo(), JyxGradientHoverMirrorFrom(),
                          JyxGradientHoverMirrorTo(), JyxGradientHoverBorder()};
    const TColorSet down{JyxGradientDownFrom(), JyxGradientDownTo(), JyxGradientDownMirrorFrom(),
                         JyxGradientDownMirrorTo(), JyxGradientDownBorder()};
    bool dropDown = false;
    if (ControlLook().FixedDropDownButton()) {
        bool allow = false;
        CanShowFixedDropDown(P.RealCol, P.Row, allow);
        dropDown = allow;
    }
    if (!dropDown) {
        FillColorSet(c, r, pressed ? down : hover);
        return true;
    }
    const rtl::TRect button{r.Right - 16, r.Top, r.Right, r.Bottom};
    const rtl::TRect rest{r.Left, r.Top, r.Right - 16, r.Bottom};
    // While pressed, the part held down takes the Down colours: the button when the mouse
    // went down on it, else the rest of the header.
    const bool onButton = pressed && FMouseDownPoint.X >= button.Left && FMouseDownPoint.X < button.Right;
    FillColorSet(c, button, pressed && onButton ? down : hover);
    FillColorSet(c, rest, pressed && !onButton ? down : hover);
    c.Pen().SetColor(pressed ? JyxGradientDownBorder() : JyxGradientHoverBorder());
    c.Pen().SetWidth(1);
    Line(c, r.Right - 16, r.Top, r.Right - 16, r.Bottom);
    DrawSmallDownTriangle(c, r.Right - 8, r.Top + 8, gfx::clBlack);
    P.Rect.Right -= 16;
    return true;
}

void TExtStringGrid::DrawRowIndicator(TCellPaint& P)
{
    const gfx::TBitmap& bmp = RowIndicator();
    if (P.RealCol != 0 || P.Row != Row() || FixedCols() < 1 || bmp.Empty()) return;
    if (FixedRowAlways() && RowCount() <= FixedRows()) return;
    int y = P.Rect.Top;
    if (FVAlignment == vtaCenter) y = P.Rect.Top + (P.Rect.Bottom - P.Rect.Top - bmp.Height()) / 2;
    if (FVAlignment == vtaBottom) y = P.Rect.Bottom - bmp.Height();
    DrawBitmapScaledTransparent(P.Canvas, bmp, P.Canvas.Brush().Color(),
                                rtl::TRect{P.Rect.Left + 2, y, P.Rect.Left + 2 + bmp.Width(), y + bmp.Height()}, 1.0);
    P.Rect.Left += bmp.Width() + 2;
    P.IndicatorOffset = bmp.Width();
}

// With visual themes the header item of the platform's list view (pressed while the mouse
// is down on the cell, hot while the cursor is over it) with a white line along its top.
void TExtStringGrid::DrawListViewHeader(TCellPaint& P)
{
    gfx::TCanvas& c = P.Canvas;
    if (gfx::HTHEME theme = gfx::OpenThemeData("header")) {
        rtl::TRect r = P.Rect;
        ++r.Bottom;
        rtl::TPoint cursor;
        ui::GetCursorPos(cursor);
        cursor = ScreenToClient(cursor);
        const rtl::TRect cell = CellRect(P.Col, P.Row);
        const bool over =
            cursor.X >= cell.Left && cursor.X < cell.Right && cursor.Y >= cell.Top && cursor.Y < cell.Bottom;
        if (over && ui::GetKeyState(ui::VK_LBUTTON) < 0)
            gfx::DrawThemeBackground(theme, c, gfx::HP_HEADERITEM, gfx::HIS_PRESSED, r);
        else if (over)
            gfx::DrawThemeBackground(theme, c, gfx::HP_HEADERITEM, gfx::HIS_HOT, r);
        else
            gfx::DrawThemeBackground(theme, c, gfx::HP_HEADERITEMRIGHT, gfx::HIS_NORMAL, r);
        gfx::CloseThemeData(theme);
        c.Pen().SetColor(gfx::clWhite);
        c.Pen().SetWidth(1);
        Line(c, r.Left, r.Top, r.Right, r.Top);
        return;
    }
    c.Brush().SetColor(gfx::clBtnFace);
    c.Pen().SetColor(gfx::clWhite);
    c.Pen().SetWidth(1);
    c.Rectangle(P.Rect);
}

void TExtStringGrid::DrawAlwaysVisibleButtons(TCellPaint& P)
{
    const TControlLook& look = ControlLook();
    if (!look.DropDownAlwaysVisible() && !look.SpinButtonsAlwaysVisible()) return;
    gfx::TCanvas& c = P.Canvas;
    int buttonLook = look.FlatButton() ? bglFlat : bglClassic;
    if (Flat() && ColorTones().Background.BrushColor != clGridNone) buttonLook = bglTones;
    bool canEdit = true;
    IsEditableCell(P.Col, P.Row, canEdit);
    const int buttonState = canEdit ? 0 : 3;
    TEditorType editor = DefaultEditor();
    GetCellEditorTypeEx(P.RealCol, P.Row, editor);
    if (look.DropDownAlwaysVisible()) {
        if (HasComboBox(P.Col, P.Row, editor)) {
            DrawThemedComboButton(c, Handle(), rtl::TRect{P.Rect.Left - 2, P.Rect.Top - 1, P.Rect.Right + 1, P.Rect.Bottom},
                                  buttonLook, buttonState, ColorTones(), FScaleFactor);
            P.Rect.Right -= static_cast<int>(std::lround(look.DropDownButtonWidth() * FScaleFactor));
        } else if (HasEditBtn(P.Col, P.Row, editor)) {
            const int w = look.DropDownButtonWidth();
            DrawThemedButton(c, Handle(), rtl::TRect{P.Rect.Right - w - 3, P.Rect.Top - 2, P.Rect.Right - 1, P.Rect.Bottom - 1},
                             buttonLook, buttonState, ColorTones(), look.ButtonPrefix(), "...");
            P.Rect.Right -= w;
        }
    }
    if (look.SpinButtonsAlwaysVisible() && HasSpinEdit(P.Col, P.Row, editor)) {
        DrawThemedSpinButtons(c, Handle(), P.Rect, buttonLook, buttonState, ColorTones());
        P.Rect.Right -= 16;
    }
}

// The borders the border query asks for, each in its own pen.
void TExtStringGrid::DrawCellBorders(TCellPaint& P)
{
    gfx::TCanvas& c = P.Canvas;
    gfx::TPen saved;
    saved.Assign(&c.Pen());
    TCellBorders borders{};
    GetCellBorder(P.Col, P.Row, &c.Pen(), borders);
    if (borders.Empty()) {
        c.Pen().Assign(&saved);
        return;
    }
    gfx::TPen left, top, right, bottom;
    for (gfx::TPen* pen : {&left, &top, &right, &bottom}) pen->Assign(&c.Pen());
    if (OnGetCellBorderProp) OnGetCellBorderProp(this, P.Row, P.RealCol, &left, &top, &right, &bottom);
    const int w = (c.Pen().Width() + 1) / 2;
    const ui::TGridOptions opts = Options();
    const int h = (opts & ui::goVertLine) ? w : 0;
    const int v = (opts & ui::goHorzLine) ? w : 0;
    rtl::TRect r = P.Rect;
    r.Left += h;
    if (!P.Fixed) --r.Left;
    r.Bottom -= v;
    r.Right -= h;
    if (borders.Contains(cbLeft)) {
        c.Pen().Assign(&left);
        Line(c, std::max(0, r.Left), r.Top, std::max(0, r.Left), r.Bottom);
    }
    if (borders.Contains(cbRight)) {
        c.Pen().Assign(&right);
        Line(c, r.Right - 1, r.Top, r.Right - 1, r.Bottom);
    }
    if (borders.Contains(cbTop)) {
        c.Pen().Assign(&top);
        const int y = GridLineWidth() == 0 ? r.Top + v + 2 : std::max(0, r.Top + v - GridLineWidth());
        Line(c, r.Left, y, r.Right, y);
    }
    if (borders.Contains(cbBottom)) {
        c.Pen().Assign(&bottom);
        Line(c, r.Left, r.Bottom - 1, r.Right, r.Bottom - 1);
    }
    c.Pen().Assign(&saved);
}

void TExtStringGrid::Draw3DFixedEdges(TCellPaint& P)
{
    gfx::TCanvas& c = P.Canvas;
    rtl::TRect r = P.Rect;
    const ui::TGridOptions opts = Options();
    const gfx::TColor dark = HalveColorIntensity(gfx::ColorToRGB(FixedColor()));
    c.Pen().SetWidth(1);
    switch (FLook) {
    case glClassic: {
        ++r.Top;
        ++r.Bottom;
        ++r.Left;
        rtl::TRect e = r;
        gfx::DrawEdge(c, e, gfx::BDR_RAISEDINNER, gfx::BF_LEFT | gfx::BF_TOP);
        e = r;
        gfx::DrawEdge(c, e, gfx::EDGE_RAISED, gfx::BF_RIGHT | gfx::BF_BOTTOM);
        c.Pen().SetColor(gfx::clBlack);
        Line(c, r.Right - 1, r.Top, r.Right - 1, r.Bottom - 1);
        c.LineTo(r.Left - 1, r.Bottom - 1);
        break;
    }
    case glJyx:
    case glXP:
        ++r.Bottom;
        if (opts & ui::goFixedHorzLine) {
            c.Pen().SetColor(dark);
            Line(c, r.Left, r.Bottom - 1, r.Right - 1, r.Bottom - 1);
            c.Pen().SetColor(gfx::clWhite);
            Line(c, r.Right - 2, r.Top + 1, r.Left + 1, r.Top + 1);
            c.LineTo(r.Left + 1, r.Bottom - 1);
        }
        break;
    case glSoft:
        ++r.Right;
        ++r.Bottom;
        if (opts & ui::goFixedHorzLine) {
            c.Pen().SetColor(dark);
            Line(c, r.Left, r.Bottom - 1, r.Right - 1, r.Bottom - 1);
            c.Pen().SetColor(gfx::clWhite);
            Line(c, r.Right, r.Top + 1, r.Left + 1, r.Top + 1);
            c.LineTo(r.Left + 1, r.Bottom - 1);
        }
        if (opts & ui::goFixedVertLine) {
            c.Pen().SetColor(dark);
            Line(c, r.Right - 2, r.Top, r.Right - 2, r.Bottom - 1);
            c.Pen().SetColor(gfx::clWhite);
            Line(c, r.Right - 1, r.Top, r.Right - 1, r.Bottom - 1);
        }
        break;
    default: break;
    }
}

void TExtStringGrid::DrawFixedRightColLines(TCellPaint& P)
{
    if (FixedRightCols() <= 0 || P.RealCol < TotalColCount() - FixedRightCols()) return;
    if (FLook == glClassic || !Flat()) return;
    gfx::TCanvas& c = P.Canvas;
    const rtl::TRect& r = P.Rect;
    c.Pen().SetColor(0x808080);
    c.Pen().SetWidth(1);
    if (Options() & ui::goFixedHorzLine) {
        Line(c, r.Left - 1, r.Top - 1, r.Right + 1, r.Top - 1);
        Line(c, r.Left - 1, r.Bottom + 1, r.Right + 1, r.Bottom + 1);
    }
    if (Options() & ui::goFixedVertLine) {
        Line(c, r.Left - 1, r.Top - 1, r.Left - 1, r.Bottom + 1);
        Line(c, r.Right + 1, r.Top - 1, r.Right + 1, r.Bottom + 1);
    }
}

void TExtStringGrid::DrawTreeLines(TCellPaint& P)
{
    const TCellNode& node = CellNode();
    if (!node.ShowTree() || P.Fixed || P.RealCol != node.NodeColumn() || !HasNodes()) return;
    gfx::TCanvas& c = P.Canvas;
    const rtl::TRect& r = P.Rect;
    c.Pen().SetColor(node.TreeColor());
    c.Pen().SetWidth(1);
    const int ni = node.NodeIndent();
    const int ym = r.Top + (r.Bottom - r.Top) / 2;
    const int level = GetNodeLevel(P.Row);
    const int indent = GetNodeIndent(P.Row);
    const int x0 = r.Left + indent + ni / 2 - ni + 2;
    if (level > 0) Line(c, x0, ym, node.ShowTreeFull() ? r.Right : r.Left + indent + 4, ym);
    if (indent > 0) {
        const int span = GetNodeSpanType(P.Row);
        if (span == 1) Line(c, x0, r.Top, x0, ym);
        if (span == 2) Line(c, x0, r.Top, x0, r.Bottom + 4);
    }
    const bool hasNext = P.Row + 1 < RowCount();
    const int nextLevel = hasNext ? GetNodeLevel(P.Row + 1) : 0;
    for (int d = 1; d <= level; ++d) {
        const int x = x0 - ni * d;
        if (x <= r.Left) continue;
        Line(c, x, r.Top, x, ym);
        if (hasNext) {
            if (nextLevel < level - d) {
                if (d < level) c.LineTo(x + ni, ym);
            } else {
                Line(c, x, r.Top, x, r.Bottom + 4);
            }
        } else if (d < level) {
            c.LineTo(x + ni, ym);
        }
    }
}

void TExtStringGrid::DrawFocusRectangle(TCellPaint& P)
{
    const rtl::TPoint base = BaseCell(P.Col, P.Row);
    if (base.X != Col() || base.Y != Row() || !Focused()) return;
    if (IsFixed(Col(), Row())) return;
    rtl::TRect r = P.Rect;
    rtl::InflateRect(r, GridLineWidth() - 1, GridLineWidth() - 1);
    --r.Right;
    --r.Bottom;
    P.Canvas.DrawFocusRect(r);
}

void TExtStringGrid::DrawColumnNumber(TCellPaint& P)
{
    gfx::TCanvas& c = P.Canvas;
    c.Brush().SetStyle(gfx::bsClear);
    c.Font().SetName("");
    c.Font().SetSize(8);
    c.Font().SetStyle({});
    c.Font().SetColor(0x808080);
    rtl::TRect r = P.Rect;
    r.Right -= 2;
    c.DrawText(std::to_string(P.RealCol), r, gfx::DT_SINGLELINE | gfx::DT_BOTTOM | gfx::DT_RIGHT);
    c.Brush().SetStyle(gfx::bsSolid);
}

}  // namespace grid
