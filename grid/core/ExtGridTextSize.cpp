// String grid text measurement: the size a cell's display text takes in the font it is painted in.
#include <algorithm>
#include <cmath>

#include "grid/core/CellGraphics.h"
#include "grid/core/ExtGrid.h"
#include "grid/core/ExtRichEdit.h"
#include "grid/core/GridUnitRoutines.h"
#include "grid/core/GridOptionsLook.h"
#include "grid/foundation/EsgHTMLE.h"
#include "grid/foundation/ExtUtilCellText.h"
#include "grid/foundation/ExtUtilText.h"
#include "grid/foundation/PictureContainer.h"
#include "platform/gfx/Canvas.h"
#include "platform/ui/Grids.h"

namespace grid {

namespace {

constexpr int Unlimited = 65535;

bool ReservesDropDown(TEditorType e)
{
    return e == edComboEdit || e == edComboList || e == edEditBtn || (e >= edTrackbarDropDown && e <= edExtGridDropDown);
}

std::vector<std::string> TextLines(const std::string& text, bool multiLine)
{
    std::vector<std::string> lines;
    std::string rest = text;
    do {
        lines.push_back(TakeFirstLine(rest, true));
    } while (multiLine && !rest.empty());
    return lines;
}

}  // namespace

rtl::TPoint TExtStringGrid::GetCellTextSize(int ACol, int ARow, bool Unbounded)
{
    return CalcCellTextSize(Canvas(), ACol, ARow, Unbounded);
}

rtl::TPoint TExtStringGrid::CalcCellTextSize(gfx::TCanvas& ACanvas, int ACol, int ARow, bool Unbounded)
{
    // 1. The editor's text while the cell is edited, else the display text.
    const bool editing = EditorMode() && ACol == Col() && ARow == Row() && InplaceEditor() != nullptr;
    std::string text = editing ? InplaceEditor()->Text() : GetFormattedCell(ACol, ARow);
    const int kind = DetectCellTextKind(text, EnableHTML());
    // 2. The cell's font.
    const int saved = ACanvas.SaveState();
    gfx::TFont savedFont;
    savedFont.Assign(&ACanvas.Font());
    ui::TGridDrawState state = 0;
    GetFontProperties(ACol, ACol, ARow, state, ACanvas.Font(), ACanvas.Brush(), true);
    const bool fixedArea = ACol < FixedCols() || ARow < FixedRows();
    if (fixedArea && ActiveCellShow() && ActiveCellFont().Style().Contains(gfx::fsBold))
        ACanvas.Font().SetStyle(ACanvas.Font().Style() + gfx::TFontStyles{gfx::fsBold});
    if (ZoomFactor() != 0) {
        const int size = ACanvas.Font().Size() + ZoomFactor();
        ACanvas.Font().SetSize(size <= 0 ? 1 : size);
    }
    if (kind == 3) text = GetCellValue(ACol, ARow);
    // 3. The room.
    rtl::TRect r = CellRect(ACol, ARow);
    const rtl::TPoint off = XYOffset();
    r.Left += off.X + 1;
    r.Top += off.Y + 1;
    if (!XYOffsetTopLeftOnly()) {
        r.Right -= off.X + 1;
        r.Bottom -= off.Y;
    }
    if (HasScrollBar(ACol, ARow)) r.Right -= 17;
    const TControlLook& look = ControlLook();
    if (look.DropDownAlwaysVisible() || look.SpinButtonsAlwaysVisible()) {
        TEditorType editor = DefaultEditor();
        GetCellEditorTypeEx(RealColIndex(ACol), ARow, editor);
        if ((look.DropDownAlwaysVisible() && ReservesDropDown(editor)) ||
            (look.SpinButtonsAlwaysVisible() && (editor == edSpinEdit || editor == edFloatSpinEdit)))
            r.Right -= 17;
    }
    rtl::TPoint size{0, 0};
    if (kind == 1) {
        // 4. Mini-HTML measured by the renderer.
        if (Unbounded) r.Right = Unlimited;
        r.Bottom = Unlimited;
        THtmlRenderOptions o;
        o.MeasureOnly = true;
        o.ImageList = GetCellImageList(ACol, ARow);
        o.WrapWords = !EnhTextSize();
        o.AnchorColor = URLColor();
        o.ShadowColor = 0x808080;
        o.PictureCache = &ImageCache();
        o.Pictures = dynamic_cast<TPictureContainer*>(PictureContainer());
        THtmlRenderResult result;
        RenderHtmlText(ACanvas, text, r, o, result);
        size = {result.ContentWidth + 2, result.ContentHeight + 2};
    } else {
        // 5. Rich text: measured as its plain text in the font of its first character, and
        // at least as large as the rich edit asks to be.
        const bool rich = kind == 2 && !HasState(rtl::csDesigning);
        if (rich) {
            TExtRichEdit& edit = RichEdit();
            edit.Clear();
            edit.SetBounds(0, 0, 0, 0);
            edit.SetBounds(0, 0, r.Right - r.Left, r.Bottom - r.Top);
            edit.SetWordWrap(false);
            CellToRich(ACol, ARow, edit);
            const ui::TRichText& doc = edit.Document();
            const ui::TRichCharFormat f = doc.Formats.empty() ? edit.SelAttributes() : doc.Formats.front();
            ACanvas.Font().SetName(f.FontName);
            ACanvas.Font().SetSize(f.Size);
            ACanvas.Font().SetStyle(f.Style);
            text = edit.Text();
        }
        // 6. Rotation.
        const TCellGraphic* g = GetCellGraphic(ACol, ARow);
        const bool rotated = g != nullptr && g->CellType() == ctRotated;
        bool wordWrap = WordWrap();
        GetCellWordWrap(RealColIndex(ACol), ARow, wordWrap);
        if (wordWrap) {
            // 7. Word-wrapped: the platform lays the text out in the cell's width.
            if (editing && !text.empty() && text.back() == '\n') text += 'w';
            if (Unbounded) r.Right = Unlimited;
            if (URLShow() && !URLFull()) StripUrlScheme(text);
            if (!text.empty()) {
                rtl::TRect m = r;
                const unsigned flags = gfx::DT_CALCRECT | gfx::DT_EDITCONTROL | gfx::DT_NOPREFIX |
                                       gfx::DT_EXPANDTABS | (rotated ? gfx::DT_SINGLELINE : gfx::DT_WORDBREAK);
                size.Y = ACanvas.DrawText(text, m, flags);
                size.X = m.Right - m.Left;
            }
        } else if (!text.empty()) {
            // 8. Line by line: the widest line by the number of lines.
            const std::vector<std::string> lines = TextLines(text, Multilinecells());
            for (std::string line : lines) {
                if (URLShow() && !URLFull()) StripUrlScheme(line);
                size.X = std::max(size.X, ACanvas.TextWidth(line));
            }
            size.Y = static_cast<int>(lines.size()) * ACanvas.TextHeight("gh");
        }
        // 9. The rotated text's bounding size (differences, as the grid has always sized them).
        if (rotated) {
            const double a = g->CellAngle() * 3.14159265358979323846 / 180.0;
            const int w = size.X;
            const int h = size.Y;
            size.X = std::abs(std::abs(static_cast<int>(h * std::sin(a))) - std::abs(static_cast<int>(w * std::cos(a)))) + 12;
            size.Y = std::abs(std::abs(static_cast<int>(h * std::cos(a))) - std::abs(static_cast<int>(w * std::sin(a)))) + 12;
        }
        // 10. The rich edit laid out anew at the grid's word wrap.
        if (rich) {
            TExtRichEdit& edit = RichEdit();
            edit.SetBounds(0, 0, r.Right - r.Left, r.Bottom - r.Top);
            edit.SetWordWrap(true);
            edit.SetWordWrap(false);
            edit.SetWordWrap(WordWrap());
            SetWindowTransparentStyle(&edit);
            size.X = std::max(size.X, edit.ReqWidth());
            size.Y = std::max(size.Y, edit.ReqHeight() + 4);
        }
    }
    ACanvas.Font().Assign(&savedFont);
    ACanvas.RestoreState(saved);
    return size;
}

}  // namespace grid
