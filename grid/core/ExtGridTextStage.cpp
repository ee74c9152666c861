// String grid cell text stage: selected-row colours, decorated display text, selection rectangle, HTML or plain text, filter and sort glyphs.
#include <algorithm>
#include <cmath>
#include <iterator>

#include "grid/core/CellGraphics.h"
#include "grid/core/ExtGrid.h"
#include "grid/core/ExtGridCellPaint.h"
#include "grid/core/GridButton.h"
#include "grid/core/GridCheckBox.h"
#include "grid/core/GridLists.h"
#include "grid/core/GridOptions.h"
#include "grid/core/GridOptionsFilter.h"
#include "grid/core/GridOptionsSort.h"
#include "grid/core/SearchPanel.h"
#include "grid/foundation/EsgHTMLE.h"
#include "grid/foundation/EsgHTMLEUtil.h"
#include "grid/foundation/ExtUtilCellText.h"
#include "grid/foundation/ExtUtilDraw.h"
#include "grid/foundation/ExtUtilText.h"
#include "grid/foundation/PictureContainer.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/rtl/Utf8.h"

namespace grid {

namespace {

constexpr int MaxSingleLineChars = 4096;

// The glyph of each filter type of a filter-edit cell, in the order of TFilterType.
constexpr const char* FilterTypeGlyphs[] = {"JYXGRDSTARTSWITH", "JYXGRDENDSWITH", "JYXGRDCONTAINS",
                                            "JYXGRDNOTCONTAINS", "JYXGRDEQUAL",   "JYXGRDNOTEQUAL",
                                            "JYXGRDLARGER",      "JYXGRDSMALLER",  "JYXGRDCLEAR"};

// Every character (code point) of the text replaced by the mask character.
std::string MaskText(const std::string& text, const std::string& mask)
{
    std::string out;
    const std::size_t n = rtl::Utf8Length(text);
    out.reserve(n * mask.size());
    for (std::size_t i = 0; i < n; ++i) out += mask;
    return out;
}

// The first code points of a text.
std::string LeadingChars(const std::string& text, std::size_t count)
{
    if (rtl::Utf8Length(text) <= count) return text;
    return rtl::Utf8Copy(text, 1, static_cast<long long>(count));
}

// The lines of a text split at CR (a following LF belongs to the break) or a lone LF.
std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (ch == '\r' || ch == '\n') {
            lines.push_back(line);
            line.clear();
            if (ch == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            line += ch;
        }
    }
    lines.push_back(line);
    return lines;
}

int SortGlyphY(TVAlignment va, const rtl::TRect& r)
{
    if (va == vtaCenter) return r.Top + (r.Bottom - r.Top) / 2;
    if (va == vtaBottom) return r.Bottom - 8;
    return r.Top + 8;
}

}  // namespace

// A selected cell (or a cell of a selected row) that is not fixed takes the selection's
// brush and text colours while the selection is visible; without the focus, or for a check
// box cell, and with the selection hidden, it goes back to its own colours.
void TExtStringGrid::TakeSelectedRowColours(TCellPaint& P)
{
    gfx::TCanvas& c = P.Canvas;
    P.AnchorColor = URLColor();
    const bool rowSelected = (Options() & ui::goRowSelect) && P.Col >= FixedCols() && RowSelect(P.Row);
    if (!((P.State & ui::gdSelected) || rowSelected) || P.Fixed) return;
    if (SelectionVisible()) {
        if (SelectionColor() != clGridNone) c.Brush().SetColor(SelectionColor());
        if (SelectionTextColor() != clGridNone && Enabled() && !P.Disabled && UseSelectionTextColor()) {
            c.Font().SetColor(SelectionTextColor());
            P.AnchorColor = SelectionTextColor();
        }
    } else if (!Focused() || CellHasCheckBox(P.Col, P.Row)) {
        c.Brush().SetColor(P.SavedBrush);
        c.Font().SetColor(P.SavedFont);
    }
}

void TExtStringGrid::DrawCellTextStage(TCellPaint& P)
{
    gfx::TCanvas& c = P.Canvas;
    // 1, 2.
    TakeSelectedRowColours(P);
    std::string text = GetFormattedCell(P.Col, P.Row);
    // 3. Search highlight.
    const TSearchPanel* panel = SearchPanel();
    const bool highlight = SearchFooter().Visible() && panel != nullptr && panel->EditControl() != nullptr &&
                           ((panel->HiliteButton() != nullptr && panel->HiliteButton()->Down()) ||
                            SearchFooter().AlwaysHighLight());
    if (highlight) {
        const std::string search = panel->EditControl()->Text();
        const bool normalRow = P.Row >= FixedRows() && !(FixedFooters() > 0 && P.Row >= RowCount() - FixedFooters());
        const int column = SearchFooter().SearchColumn();
        const bool inColumn = column == -1 ? P.Col >= FixedCols() : column == P.RealCol;
        if (!search.empty() && normalRow && inColumn) {
            const bool matchCase = panel->MatchCase() != nullptr && panel->MatchCase()->Checked();
            text = InsertHtmlMarks(text, search, "hi", SearchFooter().HighLight() == hFullCell, matchCase);
        }
    }
    // 4, 5.
    int kind = DetectCellTextKind(text, EnableHTML());
    if (kind == 3) {
        text = GetCellValue(P.Col, P.Row);
        kind = DetectCellTextKind(text, EnableHTML());
    }
    bool password = false;
    QueryIsPasswordCell(P.Col, P.Row, password);
    if (password) text = MaskText(text, PasswordChar());
    // 6. Text rectangle.
    rtl::TRect r = P.Rect;
    if (P.Fixed) {
        r.Left += GridLineWidth();
        r.Top += GridLineWidth();
    }
    const rtl::TRect cellText = r;
    // A scroll-bar cell's text scrolls up by the bar's position (clipped to the cell).
    if (HasScrollBar(P.Col, P.Row)) {
        const int pos = GetScrollPosition(P.Col, P.Row);
        if (pos > 0) r.Top -= pos;
    }
    // 7, 8.
    if (P.FilterGlyph) DrawFilterGlyph(P, r);
    const TSortSettings& sort = SortSettings();
    if (sort.Show() && P.RealCol == sort.Column() && IsMergedCell(P.Col, P.Row) && P.Row <= sort.Row() &&
        P.Row + CellSpan(P.Col, P.Row).Y >= sort.Row())
        r.Right -= 12;
    // 10, 11.
    DrawCellBackGround(P, r);
    if (SelectionRectangle() && !P.Fixed && IsCellInSelection(P.Col, P.Row)) DrawSelectionRectangle(P, r);
    // 12.
    if (!P.TextShown) return;
    // 13. Room for the text beside the graphic.
    const rtl::TPoint off = XYOffset();
    r.Left += off.X;
    r.Top += off.Y;
    if (!XYOffsetTopLeftOnly()) r.Right -= off.X;
    int graphicOffset = 0;
    if (P.Graphic != nullptr) {
        switch (P.GraphicHAlign) {
        case haBeforeText:
            r.Left += P.GraphicWidth;
            if (P.HA == ui::taLeftJustify) graphicOffset = P.GraphicWidth;
            break;
        case haLeft: graphicOffset = P.GraphicWidth; break;
        case haAfterText: r.Right -= P.GraphicWidth; break;
        default: break;
        }
        if (P.GraphicVAlign == vaAboveText) r.Top += P.GraphicHeight;
        if (P.GraphicVAlign == vaUnderText) r.Bottom -= P.GraphicHeight;
    }
    if (P.RealCol == 0 && HasNodes() && !IsNode(P.Row)) r.Left += GetNodeIndent(P.Row);
    // 14. Filter-edit cell: the filter type's caption stands in for an empty text.
    std::string placeholder;
    if (HasFilterEdit(P.Col, P.Row)) {
        const int type = static_cast<int>(Filter().HasFilterType(P.RealCol));
        if (type >= 0 && type < static_cast<int>(std::size(FilterTypeGlyphs)))
            DrawResourceBitmap(c, c.Brush().Color(), rtl::TRect{r.Left, r.Top, r.Left + 16, r.Top + 16},
                               FilterTypeGlyphs[type], 1.0);
        r.Left += 18;
        graphicOffset += 18;
        const rtl::TStringList& names = FilterEdit().TypeNames();
        if (type >= 0 && type < names.Count()) placeholder = names.Get(type);
        if (text.empty() && !placeholder.empty()) {
            c.Font().SetStyle(gfx::TFontStyles{gfx::fsItalic});
            c.Font().SetColor(0x808080);
            text = placeholder;
        } else if (!text.empty()) {
            c.Font().SetStyle({});
        }
    }
    // 15, 16.
    FLastTextHeight = c.TextHeight("hg");
    if (kind == 1) {
        if (P.FilterGlyph) r.Right -= 18;
        DrawHtmlCellText(P, text, r);
        return;
    }
    if (kind == 2) {
        DrawRichCellText(P, r);
        return;
    }
    DrawPlainCellText(P, text, r, graphicOffset);
    (void)cellText;
}

void TExtStringGrid::DrawFilterGlyph(TCellPaint& P, const rtl::TRect& R)
{
    const TFilterDropDown& fd = FilterDropDown();
    const bool active = FilterActive() && Filter().HasFilter(P.RealCol);
    const gfx::TBitmap& glyph = active ? fd.GlyphActive() : fd.Glyph();
    const rtl::TRect target{R.Right - 16, R.Top, R.Right, R.Top + 16};
    if (glyph.Empty()) {
        DrawResourceBitmap(P.Canvas, FixedColor(), target, "ESGFILT", 1.0);
        return;
    }
    DrawBitmapScaledTransparent(P.Canvas, glyph, P.Canvas.Brush().Color(),
                                rtl::TRect{target.Left, target.Top, target.Left + glyph.Width(),
                                           target.Top + glyph.Height()},
                                1.0);
}

// A frame around the selection, each cell on its edges drawing its own sides of it, with the
// resize handle in the bottom-right cell.
void TExtStringGrid::DrawSelectionRectangle(TCellPaint& P, const rtl::TRect& R)
{
    gfx::TCanvas& c = P.Canvas;
    ui::TGridRect sel = Selection();
    if (IsMergedCell(sel.Left, sel.Top)) {
        const rtl::TPoint base = BaseCell(sel.Left, sel.Top);
        sel = ui::TGridRect{base.X, base.Y, base.X, base.Y};
    }
    const bool lines = (Options() & (ui::goHorzLine | ui::goVertLine)) != 0;
    const int cw = lines ? 1 : 0;
    const int w = GridLineWidth();
    const gfx::TColor savedBrush = c.Brush().Color();
    c.Pen().SetColor(SelectionRectangleColor());
    c.Pen().SetWidth(lines ? 2 : 1);
    const bool leftCol = P.Col == sel.Left;
    const bool rightCol = P.Col == sel.Right || P.Col + CellSpan(P.Col, P.Row).X == sel.Right;
    const bool topRow = P.Row == sel.Top;
    const bool bottomRow = P.Row == sel.Bottom || P.Row + CellSpan(P.Col, P.Row).Y == sel.Bottom;
    auto line = [&](int x1, int y1, int x2, int y2) {
        c.MoveTo(x1, y1);
        c.LineTo(x2, y2);
    };
    if (leftCol) line(R.Left + cw - w, R.Bottom, R.Left + cw - w, R.Top - w);
    if (rightCol) line(R.Right - 1, R.Bottom, R.Right - 1, R.Top - w);
    const int x1 = leftCol ? R.Left - w : R.Left - w - 1;
    const int x2 = rightCol ? R.Right - 1 : R.Right;
    if (topRow) line(x1, R.Top + cw - w, x2, R.Top + cw - w);
    if (bottomRow) line(x1, R.Bottom + cw - 1, x2, R.Bottom + cw - 1);
    if (SelectionResizer() && rightCol && bottomRow) {
        const int s = static_cast<int>(std::lround(4 * FScaleFactor));
        c.Brush().SetColor(SelectionRectangleColor());
        c.FillRect(rtl::TRect{R.Right - s, R.Bottom - s, R.Right, P.CellRect.Bottom});
    }
    c.Brush().SetColor(savedBrush);
    c.Pen().SetWidth(1);
}

void TExtStringGrid::DrawHtmlCellText(TCellPaint& P, const std::string& Text, rtl::TRect R)
{
    gfx::TCanvas& c = P.Canvas;
    const bool sortGlyph = SortGlyphShown(P.Col, P.Row);
    --R.Left;
    if (sortGlyph) R.Right -= 10;
    THtmlRenderOptions o;
    o.ImageList = GetCellImageList(P.Col, P.Row);
    o.HoveredAnchor = -1;
    o.FocusedAnchor = -1;
    o.ShadowShift = 1;
    o.ShadowColor = 0x808080;
    o.AnchorColor = P.AnchorColor;
    o.WrapWords = !EnhTextSize();
    o.HoverOnlyStyle = URLUnderlineOnHover();
    o.PictureCache = &ImageCache();
    o.Pictures = dynamic_cast<TPictureContainer*>(PictureContainer());
    o.ThemeWindow = this;
    THtmlRenderResult result;
    c.Brush().SetStyle(gfx::bsClear);
    RenderHtmlText(c, Text, R, o, result);
    c.Brush().SetStyle(gfx::bsSolid);
    if (sortGlyph) DrawSortIndicator(c, P.RealCol, R.Right + 2, SortGlyphY(P.VA, R));
    P.TextWidth = result.ContentWidth + 2;
}

void TExtStringGrid::DrawPlainCellText(TCellPaint& P, std::string Text, rtl::TRect R, int GraphicOffset)
{
    gfx::TCanvas& c = P.Canvas;
    // 1. URLs show without their scheme, underlined in the anchor colour.
    const bool url = URLShow() && IsUrlText(GetCellEx(P.Col, P.Row));
    if (url) {
        if (!URLFull()) StripUrlScheme(Text);
        c.Font().SetStyle(c.Font().Style() + gfx::TFontStyles{gfx::fsUnderline});
        c.Font().SetColor(P.AnchorColor);
    }
    // 2, 3. Flags.
    unsigned flags = gfx::DT_EDITCONTROL;
    const int lines = CountTextLines(Text, Multilinecells());
    if (lines == 1 && !P.WW) {
        std::string rest = Text;
        Text = TakeFirstLine(rest, false);
        flags = gfx::DT_SINGLELINE | (EnhTextSize() ? gfx::DT_END_ELLIPSIS : 0u);
    } else if (P.WW && !Multilinecells() && EnhTextSize()) {
        flags |= gfx::DT_END_ELLIPSIS;
    }
    const unsigned hflag = P.HA == ui::taRightJustify ? gfx::DT_RIGHT : P.HA == ui::taCenter ? gfx::DT_CENTER : 0u;
    const unsigned vflag = P.VA == vtaCenter ? gfx::DT_VCENTER : P.VA == vtaBottom ? gfx::DT_BOTTOM : gfx::DT_TOP;
    FVAlign = vflag;
    flags |= gfx::DT_EXPANDTABS | gfx::DT_NOPREFIX | hflag | vflag;
    flags |= P.WW ? (gfx::DT_WORDBREAK | gfx::DT_EDITCONTROL) : gfx::DT_SINGLELINE;
    // 4, 5.
    c.SetBkMode(gfx::TRANSPARENT);
    c.Brush().SetStyle(gfx::bsClear);
    if (P.FilterGlyph) R.Right -= 16;
    if (P.Graphic != nullptr && !Text.empty()) {
        rtl::TRect m = R;
        c.DrawText(Text, m, flags | gfx::DT_CALCRECT);
        P.TextWidth = (m.Right - m.Left) + 2;
    }
    const rtl::TRect textRect = R;
    if (Multilinecells() && lines > 1) {
        // 6. Each line drawn by itself, the block placed by the vertical alignment.
        const int h = c.TextHeight("gh");
        if (P.VA == vtaCenter) R.Top += (R.Bottom - R.Top - h * lines) / 2;
        if (P.VA == vtaBottom) R.Top = R.Bottom - h * lines;
        flags &= ~(gfx::DT_VCENTER | gfx::DT_BOTTOM);
        for (const std::string& line : SplitLines(Text)) {
            rtl::TRect lr = R;
            const int used = c.DrawText(line.empty() ? " " : line, lr, flags);
            R.Top += std::max(used, h);
        }
    } else if (!Text.empty()) {
        // 7. A right-aligned italic text gets one blank so its slanted end is not cut.
        if (flags & gfx::DT_SINGLELINE) Text = LeadingChars(Text, MaxSingleLineChars);
        // The platform places only single lines vertically; a wrapped text is measured and
        // placed by its vertical alignment here, so VAlignment works with word wrap too.
        if ((flags & gfx::DT_WORDBREAK) && P.VA != vtaTop) {
            rtl::TRect m = R;
            const int height = c.DrawText(Text, m, flags | gfx::DT_CALCRECT);
            const int room = R.Bottom - R.Top;
            if (height < room) R.Top += P.VA == vtaCenter ? (room - height) / 2 : room - height;
            flags &= ~(gfx::DT_VCENTER | gfx::DT_BOTTOM);
        }
        if (c.Font().Style().Contains(gfx::fsItalic) && (flags & gfx::DT_RIGHT)) Text += ' ';
        c.DrawText(Text, R, flags);
    }
    // 8. The error mark.
    int errPos = 0;
    int errLen = 0;
    GetMarker(P.Col, P.Row, errPos, errLen);
    const TCellType type = P.Graphic != nullptr ? P.Graphic->CellType() : ctEmpty;
    if (errLen > 0 && (type == ctEmpty || type == ctValue || type == ctNone))
        DrawErrorUnderline(c, Text, textRect, c.TextHeight("hg"), errPos, errLen);
    c.Brush().SetStyle(gfx::bsSolid);
    // 9. The sort glyph beside the text.
    if (SortGlyphShown(P.Col, P.Row)) {
        rtl::TRect gr = P.Rect;
        if (P.FilterGlyph) gr.Right -= 16;
        const int tw = std::max(0, std::min(gr.Right - gr.Left - GraphicOffset - 16, c.TextWidth(Text)));
        int x = gr.Left + tw + GraphicOffset + 10;
        if (P.HA == ui::taRightJustify) x = gr.Right - tw - 10;
        if (P.HA == ui::taCenter) x = gr.Left + 8;
        DrawSortIndicator(c, P.RealCol, x, SortGlyphY(P.VA, gr));
    }
    // 10.
    if (url) c.Font().SetStyle(c.Font().Style() - gfx::TFontStyles{gfx::fsUnderline});
}

bool TExtStringGrid::SortGlyphShown(int ACol, int ARow)
{
    const TSortSettings& s = SortSettings();
    if (!s.Show() || FixedRows() < 1 || RowCount() - FixedRows() <= 1) return false;
    const bool onSortRow = ARow == s.Row() || (IsMergedCell(ACol, ARow) && ARow <= s.Row() &&
                                               ARow + CellSpan(ACol, ARow).Y >= s.Row());
    if (!onSortRow) return false;
    if (ACol < FixedCols() && !s.FixedCols()) return false;
    const int realCol = RealColIndex(ACol);
    const int position = SortIndexes().FindIndex(realCol);
    if (realCol == s.Column() && position <= 0) return true;
    return position == 0 || (position > 0 && s.IndexShow());
}

void TExtStringGrid::DrawSortIndicator(gfx::TCanvas& ACanvas, int ACol, int X, int Y)
{
    const TSortSettings& s = SortSettings();
    gfx::TCanvas& c = ACanvas;
    const int x = X;
    auto line = [&](gfx::TColor color, int x1, int y1, int x2, int y2) {
        c.Pen().SetColor(color);
        c.MoveTo(x1, y1);
        c.LineTo(x2, y2);
    };
    c.Pen().SetWidth(1);
    if (s.IndexShow()) {
        const int i = SortIndexes().FindIndex(ACol);
        if (i < 0) return;
        const bool descending = SortIndexes().Items(i) < 0;
        c.Brush().SetColor(s.IndexColor());
        c.Pen().SetColor(gfx::clBlack);
        const gfx::TBitmap& glyph = descending ? s.IndexUpGlyph() : s.IndexDownGlyph();
        const bool ownGlyphs = !s.IndexUpGlyph().Empty() && !s.IndexDownGlyph().Empty();
        if (!ownGlyphs) {
            const rtl::TPoint down[] = {{x - 7, Y - 5}, {x + 7, Y - 5}, {x, Y + 8}};
            const rtl::TPoint up[] = {{x - 6, Y + 8}, {x + 6, Y + 8}, {x, Y - 4}};
            c.Polygon(descending ? std::span<const rtl::TPoint>(down) : std::span<const rtl::TPoint>(up));
        } else {
            DrawBitmapScaledTransparent(c, glyph, c.Brush().Color(),
                                        rtl::TRect{x - 7, Y - 7, x - 7 + glyph.Width(), Y - 7 + glyph.Height()}, 1.0);
        }
        c.SetBkMode(gfx::TRANSPARENT);
        c.Brush().SetStyle(gfx::bsClear);
        gfx::TFont saved;
        saved.Assign(&c.Font());
        c.Font().SetColor(gfx::clBlack);
        c.Font().SetSize(6);
        c.TextOut(x - 2, descending ? Y - 4 : Y - 2, std::to_string(i + 1));
        c.Font().Assign(&saved);
        c.Brush().SetStyle(gfx::bsSolid);
        return;
    }
    const bool plainGlyphs = s.UpGlyph().Empty() || s.DownGlyph().Empty();
    if (s.Direction() == sdDescending) {
        if (plainGlyphs) {
            line(gfx::clWhite, x + 4, Y - 4, x, Y + 4);
            c.Pen().SetColor(0x808080);
            c.LineTo(x - 4, Y - 4);
            c.LineTo(x + 4, Y - 4);
        } else {
            const gfx::TBitmap& g = s.DownGlyph();
            DrawBitmapScaledTransparent(c, g, FixedColor(), rtl::TRect{x - 4, Y - 4, x - 4 + g.Width(), Y - 4 + g.Height()},
                                        1.0);
        }
    } else {
        if (plainGlyphs) {
            line(gfx::clWhite, x - 4, Y + 4, x + 4, Y + 4);
            c.LineTo(x, Y - 4);
            c.Pen().SetColor(0x808080);
            c.LineTo(x - 4, Y + 4);
        } else {
            const gfx::TBitmap& g = s.UpGlyph();
            DrawBitmapScaledTransparent(c, g, FixedColor(), rtl::TRect{x - 4, Y - 4, x - 4 + g.Width(), Y - 4 + g.Height()},
                                        1.0);
        }
    }
    c.Pen().SetColor(gfx::clBlack);
}

}  // namespace grid
