// String grid presses on links, HTML anchors and the controls of a cell's HTML text.
#include <cmath>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptionsLook.h"
#include "grid/editing/ExtGridAnchorHit.h"
#include "grid/foundation/EsgHTMLE.h"
#include "grid/foundation/EsgHTMLEUtil.h"
#include "grid/foundation/ExtUtilCellText.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/rtl/StrUtils.h"
#include "platform/ui/DesktopOpener.h"

namespace grid {

// A plain link text (URLShow) is itself the anchor; an HTML text is hit-tested where the
// cell draws it.
bool TExtStringGrid::AnchorHitAt(int ACol, int ARow, int X, int Y, TAnchorHit& Hit)
{
    const std::string text = GetCellEx(ACol, ARow);
    const bool html = EnableHTML() && DetectCellTextKind(text, true) == ctkHtml;
    if (!html) {
        if (!URLShow() || !IsUrlText(text)) return false;
        Hit.Anchor = text;
        return true;
    }
    return HtmlHitTest(ACol, ARow, X, Y, Hit);
}

// The cell's text laid out as the painter lays it, in the shrunk cell rectangle (right of a
// check box); the renderer's hit-test mode reports what lies at (X, Y), or the control
// Hit.CtrlID names when it is preset.
bool TExtStringGrid::HtmlHitTest(int ACol, int ARow, int X, int Y, TAnchorHit& Hit)
{
    const std::string text = GetCellEx(ACol, ARow);
    const rtl::TRect r = HtmlTextRect(ACol, ARow);
    if (rtl::IsRectEmpty(r)) return false;
    gfx::TBitmap scratch;
    scratch.SetSize(1, 1);
    scratch.Canvas().Font().Assign(IsFixed(ACol, ARow) ? &FixedFont() : &GetCellFont(ACol, ARow));
    THtmlRenderOptions options;
    options.HitTestOnly = true;
    options.PointX = X;
    options.PointY = Y;
    options.WrapWords = !EnhTextSize();
    options.AnchorColor = URLColor();
    options.PictureCache = &ImageCache();
    THtmlRenderResult result;
    result.ControlIDAtPoint = Hit.CtrlID;
    if (!RenderHtmlText(scratch.Canvas(), text, r, options, result)) return false;
    Hit.Anchor = result.AnchorAtPoint;
    Hit.CtrlID = result.ControlIDAtPoint;
    Hit.CtrlType = rtl::UpperCase(result.ControlTypeAtPoint);
    Hit.CtrlValue = result.ControlValueAtPoint;
    Hit.CtrlRect = result.ControlRectAtPoint;
    return !Hit.Anchor.empty();
}

rtl::TRect TExtStringGrid::HtmlTextRect(int ACol, int ARow)
{
    rtl::TRect r = CellRect(ACol, ARow);
    r.Left += FXYOffset.X + 1;
    r.Top += FXYOffset.Y + 1;
    r.Right -= FXYOffset.X;
    if (HasCheckBox(ACol, ARow)) r.Left += static_cast<int>(std::lround(ControlLook().CheckSize() * FScaleFactor));
    return r;
}

// A press on an anchor or a control of the cell's text is handled here and never selects
// the cell or opens the grid's editor. True when the press hit one.
bool TExtStringGrid::PressAnchor(int ACol, int ARow, int X, int Y)
{
    TAnchorHit hit;
    if (!AnchorHitAt(ACol, ARow, X, Y, hit)) return false;
    const int w = RealColIndex(ACol);
    bool autoHandle = true;
    bool editable = ((Options() & ui::goEditing) || FEditDisable) && !GetReadOnly(ACol, ARow);
    FCtrlDownId = hit.CtrlID;
    FAnchorClick = true;
    if (!hit.CtrlID.empty()) {
        CanEditCell(ARow, w, editable);
        if (editable) {
            ControlClick(ACol, ARow, hit);
            return true;
        }
        FCtrlDownId.clear();
    }
    if (OnAnchorClick) OnAnchorClick(this, ARow, w, hit.Anchor, autoHandle);
    if (autoHandle) OpenAnchor(hit.Anchor);
    return true;
}

// A BUTTON control is held down until the release; CHECK and RADIO controls change their
// value in the cell's text.
void TExtStringGrid::ControlClick(int ACol, int ARow, const TAnchorHit& Hit)
{
    const int w = RealColIndex(ACol);
    // An edit still open over another control stores its value before this one acts.
    if (FCtrlEditing) ControlEditDone(this);
    std::string text = GetCellEx(ACol, ARow);
    if (Hit.CtrlType == "BUTTON") {
        FCtrlXY = {w, ARow};
        FCtrlDown = true;
        RepaintCell(ACol, ARow);
    } else if (Hit.CtrlType == "CHECK") {
        SetControlTagValue(text, Hit.CtrlID, rtl::UpperCase(Hit.CtrlValue) == "TRUE" ? "FALSE" : "TRUE");
        SetCellEx(ACol, ARow, text);
    } else if (Hit.CtrlType == "RADIO") {
        text = UncheckRadioControlTags(text);
        SetControlTagValue(text, Hit.CtrlID, "TRUE");
        SetCellEx(ACol, ARow, text);
    }
    if (OnControlClick) OnControlClick(this, ARow, w, Hit.CtrlID, Hit.CtrlType, Hit.CtrlValue);
    ShowControlEditor(text, Hit.CtrlType, ARow, w, ACol, Hit.CtrlRect, Hit.CtrlValue, Hit.CtrlID);
}

// A cell's links are never given to a shell: "CELL://" references jump inside the grid,
// and only web, mail and file links reach the desktop opener, as one argument.
void TExtStringGrid::OpenAnchor(const std::string& Anchor)
{
    const std::string upper = rtl::UpperCase(Anchor);
    const std::size_t at = upper.find("CELL://");
    if (at == std::string::npos) {
        ui::OpenWithDesktop(Anchor);
        return;
    }
    rtl::TPoint cell{-1, -1};
    if (!ParseRowColReference(std::string_view(Anchor).substr(at + 7), cell)) return;
    if (cell.X < 0 || cell.Y < 0 || cell.X >= ColCount() || cell.Y >= RowCount()) return;
    MoveColRow(cell.X, cell.Y, true, false);
    // The cell is brought to the middle of the view.
    const int rows = std::max(1, VisibleRowCount());
    const int cols = std::max(1, VisibleColCount());
    SetTopRow(std::clamp(cell.Y - rows / 2, FixedRows(), std::max(FixedRows(), RowCount() - rows)));
    SetLeftCol(std::clamp(cell.X - cols / 2, FixedCols(), std::max(FixedCols(), ColCount() - cols)));
}

}  // namespace grid
