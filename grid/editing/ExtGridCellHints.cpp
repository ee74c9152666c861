// String grid cell hints: the answer to the platform's hint request for the cell under the mouse.
#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptionsCells.h"
#include "grid/core/GridOptionsLook.h"
#include "grid/core/HtmlHintWindow.h"
#include "grid/foundation/EsgHTMLE.h"
#include "grid/foundation/EsgHTMLEUtil.h"
#include "grid/foundation/ExtUtilCellText.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/ui/Forms.h"

namespace grid {

namespace {

// Distance of a hint below the cell it belongs to.
constexpr int HintBelowCell = 6;
// Offset of an anchor's hint from the mouse.
constexpr int AnchorHintDx = 8;
constexpr int AnchorHintDy = -16;

bool IsHtmlOrWide(const std::string& text)
{
    const int kind = DetectCellTextKind(text, true);
    return kind == ctkHtml || kind == ctkUnicodeEscaped;
}

}  // namespace

// The hint always may show; an empty text shows nothing.
bool TExtStringGrid::CellHintMessage(ui::TMessage& Message)
{
    if (Message.Msg != ui::CM_HINTSHOW || Message.LParam == 0) return false;
    auto& info = *reinterpret_cast<ui::THintInfo*>(Message.LParam);
    bool canShow = true;
    GetCellHintText(info.HintStr, canShow, info);
    Message.Result = 0;
    return true;
}

void TExtStringGrid::GetCellHintText(std::string& HintStr, bool& CanShow, ui::THintInfo& HintInfo)
{
    CanShow = true;
    int c = -1;
    int r = -1;
    MouseToCell(HintInfo.CursorPos.X, HintInfo.CursorPos.Y, c, r);
    if (ControlLook().HintMaxWidth() > 0) HintInfo.HintMaxWidth = ControlLook().HintMaxWidth();
    HintFontName() = Font().Name();
    if (c >= 0 && r >= 0 && c < ColCount() && r < RowCount()) CellHintAt(c, r, HintStr, HintInfo);
    HintInfo.HintColor = HintColor();
}

// Steps of a cell's hint; each later kind replaces the text of an earlier one: comment,
// anchor, the cell's text, the whole of a text that does not fit, the application's say.
void TExtStringGrid::CellHintAt(int ACol, int ARow, std::string& HintStr, ui::THintInfo& HintInfo)
{
    GetBaseCellPos(ACol, ARow, ACol, ARow);
    FLastHintPos = {ACol, ARow};
    const rtl::TRect rc = CellRect(ACol, ARow);
    const rtl::TPoint cursor = HintInfo.CursorPos;
    // The hint stays while the mouse stays on this cell.
    HintInfo.CursorRect = rc;
    rtl::TPoint pos{cursor.X, rc.Bottom + HintBelowCell};
    const std::string comment = GetComment(ACol, ARow);
    if (!comment.empty()) {
        HintStr = comment;
        pos = {rc.Right, rc.Top};
    }
    const std::string text = GetCellEx(ACol, ARow);
    const int kind = DetectCellTextKind(text, EnableHTML());
    std::string anchor;
    std::string title;
    if (kind == ctkHtml && AnchorHint() && AnchorAt(ACol, ARow, cursor.X, cursor.Y, anchor, title)) {
        std::string hint = title.empty() ? anchor : title;
        if (OnAnchorHint) OnAnchorHint(this, ARow, RealColIndex(ACol), hint);
        FLastAnchorHint = hint;
        HintStr = hint;
        pos = {cursor.X + AnchorHintDx, cursor.Y + AnchorHintDy};
    }
    const bool normal = ACol >= FixedCols() && ARow >= FixedRows() && ACol < ColCount() - FixedRightCols() &&
                        ARow < RowCount() - FixedFooters();
    const bool wide = DetectCellTextKind(text, true) == ctkUnicodeEscaped;
    const std::string plain = kind == ctkHtml ? StripHtmlTags(text) : text;
    if (HintShowCells() && normal) {
        pos.Y = rc.Top;
        HintStr = wide ? DecodeUnicodeEscapes(text) : (HTMLHint() ? text : plain);
    }
    const bool enh = EnhTextSize();
    SetEnhTextSize(false);
    const rtl::TPoint size = GetCellTextSize(ACol, ARow);
    SetEnhTextSize(enh);
    if (HintShowLargeText() && (size.X > rc.Width() || size.Y > rc.Height())) {
        if (HintShowLargeTextPos() == hpCell) pos = {rc.Left, rc.Top};
        HintStr = (wide || HTMLHint() || kind != ctkHtml) ? text : plain;
    }
    const bool footerRow = FloatingFooter().Visible() && ARow == RowCount() - 1;
    if (!footerRow) {
        std::string wideHint;
        GridHint(ACol, ARow, HintStr, wideHint);
    }
    if (IsHtmlOrWide(HintStr) && UseInternalHintClass()) {
        HintInfo.HintWindowClass = NewHTMLHintWindow;
        HintInfo.HintData = static_cast<rtl::TObject*>(this);
    }
    HintInfo.HintPos = ClientToScreen(pos);
}

}  // namespace grid
