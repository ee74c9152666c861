// Printed cells: the measuring and drawing of cells, rows, header, footer and borders on a page.
#include "grid/data/ExtGridPrintCells.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>

#include "grid/core/CellGraphics.h"
#include "grid/core/GridOptions.h"
#include "grid/foundation/EsgHTMLE.h"
#include "grid/foundation/ExtUtilCellText.h"
#include "grid/core/GridOptionsRecords.h"
#include "platform/gfx/Canvas.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Utf8.h"

namespace grid {

namespace {

unsigned HorizontalFlag(ui::TAlignment a)
{
    if (a == ui::taRightJustify) return gfx::DT_RIGHT;
    if (a == ui::taCenter) return gfx::DT_CENTER;
    return gfx::DT_LEFT;
}

}  // namespace

void TPrintCells::SelectFont(gfx::TCanvas& canvas, const gfx::TFont& font, int logicalHeight,
                             const print::TLoMetricMapping& map)
{
    canvas.Font().Assign(&font);
    canvas.Font().SetHeight(-std::max(1, map.HeightToDevice(std::abs(logicalHeight))));
}

int TPrintCells::FontTextHeight(const gfx::TFont& font, int logicalHeight, const std::string& text)
{
    SelectFont(*FL.Measure, font, logicalHeight, FL.MeasureMap);
    return FL.MeasureMap.HeightToLogical(FL.Measure->TextHeight(text));
}

int TPrintCells::FontTextWidth(const gfx::TFont& font, int logicalHeight, const std::string& text)
{
    SelectFont(*FL.Measure, font, logicalHeight, FL.MeasureMap);
    return FL.MeasureMap.WidthToLogical(FL.Measure->TextWidth(text));
}

int TPrintCells::ScreenTextHeight()
{
    FL.Measure->Font().Assign(&FGrid.Font());
    const int pixels = FL.Measure->TextHeight("gh");
    return static_cast<int>(pixels * ScreenToTenthMm);
}

bool TPrintCells::ColPrinted(int c)
{
    if (!FL.Job->SelectedOnly) return true;
    const rtl::TRect sel = FGrid.Selection();
    if (FGrid.MouseActions().DisjunctRowSelect()) return true;
    if (c < FGrid.FixedCols() && FGrid.PrintSettings().FixedCellsAlways()) return true;
    if (FGrid.MouseActions().DisjunctColSelect()) return FGrid.IsColSelected(c);
    return c >= sel.Left && c <= sel.Right;
}

bool TPrintCells::RowPrinted(int r)
{
    if (!FL.Job->SelectedOnly) return true;
    if (r < FGrid.FixedRows() && FGrid.PrintSettings().FixedCellsAlways()) return true;
    if (FGrid.MouseActions().DisjunctRowSelect()) return FGrid.IsRowSelected(r);
    const rtl::TRect sel = FGrid.Selection();
    return r >= sel.Top && r <= sel.Bottom;
}

TPrintCells::TCellLook TPrintCells::LookOf(int c, int r)
{
    TCellLook look;
    ui::TGridDrawState state{};
    gfx::TColor colorTo = gfx::clNone, mirror = gfx::clNone, mirrorTo = gfx::clNone;
    TCellGradientDirection gd{};
    FGrid.GetVisualProperties(c, r, state, true, false, true, look.Brush, colorTo, mirror, mirrorTo, look.Font,
                              look.HA, look.VA, look.WordWrap, gd);
    const TPrintSettings& ps = FGrid.PrintSettings();
    if (!ps.UseDisplayFont()) {
        const bool fixed = c < FGrid.FixedCols() || r < FGrid.FixedRows();
        look.Font.Assign(fixed ? ps.FixedFont() : ps.Font());
    }
    if (FGrid.OnGetWordWrap) FGrid.OnGetWordWrap(&FGrid, c, r, look.WordWrap);
    return look;
}

std::string TPrintCells::PrintedText(int c, int r)
{
    // Data graphics (data check boxes, bars, radio groups) show their value, not their text,
    // and print as empty space when graphics are not printed.
    int w = 0, h = 0;
    bool shown = true;
    TCellHAlign ha = haLeft;
    TCellVAlign va = vaTop;
    if (const TCellGraphic* g = FGrid.GetCellGraphicParams(c, r, w, h, shown, ha, va))
        if ((!shown && g->CellType() != ctRotated) || g->CellType() == ctRadio) return {};
    std::string text = FGrid.GetFormattedCell(c, r);
    bool password = false;
    FGrid.QueryIsPasswordCell(c, r, password);
    if (password) {
        std::string masked;
        for (std::size_t i = rtl::Utf8Length(text); i > 0; --i) masked += FGrid.PasswordChar();
        text = masked;
    }
    return text;
}

rtl::TPoint TPrintCells::CellPrintSize(int c, int r)
{
    const TPrintSettings& ps = FGrid.PrintSettings();
    const TCellLook look = LookOf(c, r);
    std::string text = PrintedText(c, r);
    const int fontHeight = FGrid.MapFontHeight(look.Font.Size());
    SelectFont(*FL.Measure, look.Font, fontHeight, FL.MeasureMap);
    const print::TLoMetricMapping& map = FL.MeasureMap;
    const int kind = DetectCellTextKind(text, true);
    const rtl::TPoint graphic = GraphicPrintSize(c, r);
    int angle = 0;
    const bool rotated = FGrid.IsRotated(c, r, angle);
    rtl::TPoint size;
    if (kind == ctkHtml) {
        // HTML is measured by the mini-HTML renderer, as it is drawn.
        THtmlRenderOptions options;
        options.MeasureOnly = true;
        options.ForPrinter = true;
        options.WrapWords = false;
        THtmlRenderResult result;
        RenderHtmlText(*FL.Measure, text, {0, 0, 65535, 65535}, options, result);
        size = {map.WidthToLogical(result.ContentWidth), map.HeightToLogical(result.ContentHeight)};
    } else if (kind == ctkRichText) {
        size = RichTextSize(look, text);
    } else {
        if (text.empty()) text = "gh";
        if (look.WordWrap && ps.NoAutoSize() && !rotated) {
            const int width = FGrid.CellSpan(c, r).X > 0 ? 65535 : FL.MaxWidths[c];
            rtl::TRect calc{0, 0, std::max(1, map.WidthToDevice(width)), 0};
            FL.Measure->DrawText(text, calc, gfx::DT_CALCRECT | gfx::DT_WORDBREAK | gfx::DT_NOPREFIX);
            size = {width, map.HeightToLogical(calc.Height())};
        } else {
            const bool split = FGrid.Multilinecells() || look.WordWrap;
            const std::vector<std::string> lines = split ? SplitAtLineBreaks(text) : std::vector<std::string>{text};
            if (rotated) {
                size = RotatedTextSize(lines, angle);
            } else {
                int widest = 0;
                for (const std::string& line : lines) widest = std::max(widest, FL.Measure->TextWidth(line));
                size = {map.WidthToLogical(widest) + graphic.X,
                        map.HeightToLogical(FL.Measure->TextHeight("gh")) * static_cast<int>(lines.size())};
            }
        }
    }
    size = {std::max(size.X, graphic.X), std::max(size.Y, graphic.Y)};
    if (FGrid.OnCustomCellSize) FGrid.OnCustomCellSize(&FGrid, FL.Measure.get(), c, r, size, true);
    return size;
}

int TPrintCells::RowPrintHeight(int r)
{
    if (r >= 0 && r < static_cast<int>(FL.RowHeights.size()) && FL.RowHeights[r] >= 0) return FL.RowHeights[r];
    const TPrintSettings& ps = FGrid.PrintSettings();
    if (ps.NoAutoSizeRow()) return static_cast<int>(std::lround(FGrid.RowHeights(r) * ScreenToTenthMm)) + 4;
    int height = 0;
    if (ps.UseFixedHeight()) {
        height = ps.FixedHeight();
    } else {
        int last = 0;
        for (int c = FL.Job->Area.Left; c <= FL.Job->Area.Right; ++c) {
            if (!ColPrinted(c)) continue;
            last = CellPrintSize(c, r).Y;
            if (FGrid.CellSpan(c, r).Y <= 0) height = std::max(height, last);
        }
        if (height == 0) height = last;
        height += height / 8;
        if (FGrid.OnPrintSetRowHeight) FGrid.OnPrintSetRowHeight(&FGrid, r, height);
    }
    if (r >= 0 && r < static_cast<int>(FL.RowHeights.size())) FL.RowHeights[r] = height;
    return height;
}

int TPrintCells::RowAdvance(int r)
{
    return 2 * FL.G + RowPrintHeight(r) + FGrid.PrintSettings().RowSpacing();
}

int TPrintCells::PrintRowSegment(int y, int r, int pageNr)
{
    const int advance = RowAdvance(r);
    const bool draws = FL.Job->Drawing() && pageNr >= FL.Job->PageFrom && pageNr <= FL.Job->PageTo;
    if (!draws) return advance;
    if (FL.RepeatCols) PrintCells(y, 0, FGrid.FixedCols() - 1, r, advance);
    PrintCells(y, FL.FirstCol, FL.LastCol, r, advance);
    return advance;
}

void TPrintCells::PrintCells(int y, int first, int last, int r, int advance)
{
    for (int c = first; c <= last; ++c) {
        if (!ColPrinted(c)) continue;
        const rtl::TPoint span = FGrid.CellSpan(c, r);
        if (!FGrid.IsBaseCell(c, r)) continue;  // the block's base cell prints the whole block
        int width = 0;
        for (int k = c; k <= c + std::max(0, span.X) && k < static_cast<int>(FL.MaxWidths.size()); ++k)
            width += FL.MaxWidths[k] + FL.Sp;
        const int height = advance * (std::max(0, span.Y) + 1);
        const rtl::TRect cell{FL.Indents[c], y, FL.Indents[c] + width, y - height};
        PrintCell(c, r, cell);
        DrawBorders(c, r, cell, advance, y);
    }
}

void TPrintCells::PrintCell(int c, int r, const rtl::TRect& cell)
{
    gfx::TCanvas& canvas = *FL.Job->Target;
    const print::TLoMetricMapping& map = FL.Job->Map;
    const TCellLook look = LookOf(c, r);
    rtl::TRect area = cell;
    area.Right = std::min(area.Right, FL.W);  // a column wider than the page is clipped to it
    // A PDF page is white: a white background adds nothing to it.
    const bool invisible = !IsRaster() && gfx::ColorToRGB(look.Brush.Color()) == 0xFFFFFF;
    if (look.Brush.Color() != gfx::clNone && look.Brush.Style() != gfx::bsClear && !invisible) {
        canvas.Brush().SetStyle(gfx::bsSolid);
        canvas.Brush().SetColor(look.Brush.Color());
        canvas.FillRect(map.ToDevice(area));
    }
    bool textShown = true;
    const rtl::TRect textArea = PrintGraphic(c, r, look, area, textShown);
    const std::string text = textShown ? PrintedText(c, r) : std::string();
    int angle = 0;
    if (!text.empty() && FGrid.IsRotated(c, r, angle)) {
        const bool split = FGrid.Multilinecells() || look.WordWrap;
        DrawRotatedText(look, split ? SplitAtLineBreaks(text) : std::vector<std::string>{text}, angle, area);
    } else if (!text.empty() && DetectCellTextKind(text, true) == ctkRichText) {
        DrawRichText(look, text, {textArea.Left + FL.M, textArea.Top - FL.G, textArea.Right - FL.M, textArea.Bottom});
    } else {
        DrawCellText(look, text, textArea, !FL.TextsFit || cell.Right > FL.W || textArea.Right < area.Right);
    }
    DrawCommentMarker(c, r, area);
    FireCustomCellDraw(c, r, area);
}

void TPrintCells::DrawCellText(const TCellLook& look, const std::string& text, const rtl::TRect& cell, bool clip)
{
    if (text.empty()) return;
    gfx::TCanvas& canvas = *FL.Job->Target;
    const print::TLoMetricMapping& map = FL.Job->Map;
    const int fontHeight = FGrid.MapFontHeight(look.Font.Size());
    SelectFont(canvas, look.Font, fontHeight, map);
    canvas.Brush().SetStyle(gfx::bsClear);
    canvas.SetBkMode(gfx::TRANSPARENT);
    // Columns sized to their widest text need no clipping; narrowed ones, and a column wider
    // than the page, clip each cell.
    const unsigned halign = HorizontalFlag(look.HA) | (clip ? 0 : gfx::DT_NOCLIP);
    rtl::TRect box{cell.Left + FL.M, cell.Top - FL.G, cell.Right - FL.M, cell.Bottom};
    if (DetectCellTextKind(text, true) == ctkHtml) {
        // HTML cells print their formatted text through the mini-HTML renderer, never their tags.
        THtmlRenderOptions options;
        options.ForPrinter = true;
        options.KeepTextColor = true;
        options.WrapWords = look.WordWrap;
        THtmlRenderResult result;
        const rtl::TRect r = map.ToDevice(box);
        const int saved = canvas.SaveState();
        canvas.IntersectClipRect(r);
        RenderHtmlText(canvas, text, r, options, result);
        canvas.RestoreState(saved);
        return;
    }
    if (look.WordWrap && FGrid.PrintSettings().NoAutoSize()) {
        rtl::TRect r = map.ToDevice(box);
        canvas.DrawText(text, r, gfx::DT_WORDBREAK | gfx::DT_EDITCONTROL | gfx::DT_EXPANDTABS | gfx::DT_NOPREFIX | halign);
        return;
    }
    const bool split = FGrid.Multilinecells() || look.WordWrap;
    const std::vector<std::string> lines = split ? SplitAtLineBreaks(text) : std::vector<std::string>{text};
    if (lines.size() == 1) {
        unsigned valign = look.VA == vtaCenter ? gfx::DT_VCENTER : look.VA == vtaBottom ? gfx::DT_BOTTOM : gfx::DT_TOP;
        rtl::TRect r = map.ToDevice(box);
        canvas.DrawText(text, r, gfx::DT_SINGLELINE | gfx::DT_NOPREFIX | gfx::DT_EDITCONTROL | halign | valign);
        return;
    }
    const int t = FontTextHeight(look.Font, fontHeight) + FGrid.PrintSettings().RowSpacing();
    const int u = t + t / 8 - FGrid.PrintSettings().RowSpacing();
    SelectFont(canvas, look.Font, fontHeight, map);
    const int advance = cell.Top - cell.Bottom;
    int top = box.Top;
    const int block = u * static_cast<int>(lines.size());
    if (look.VA == vtaCenter) top -= (advance - block) / 2;
    if (look.VA == vtaBottom) top -= advance - block;
    for (const std::string& line : lines) {
        rtl::TRect r = map.ToDevice(rtl::TRect{box.Left, top, box.Right, std::max(cell.Bottom, top - u)});
        canvas.DrawText(line, r, gfx::DT_SINGLELINE | gfx::DT_NOPREFIX | gfx::DT_EDITCONTROL | halign);
        top -= u;
    }
}

void TPrintCells::DrawBorders(int c, int r, rtl::TRect cell, int advance, int y)
{
    const TPrintSettings& ps = FGrid.PrintSettings();
    TCellBorders sides;
    switch (ps.Borders()) {
    case pbSingle:
    case pbDouble: sides = TCellBorders{cbTop, cbLeft, cbRight, cbBottom}; break;
    case pbHorizontal:
    case pbAroundHorizontal: sides = TCellBorders{cbTop, cbBottom}; break;
    case pbVertical:
    case pbAroundVertical: sides = TCellBorders{cbLeft, cbRight}; break;
    default: break;
    }
    gfx::TPen pen;
    pen.SetWidth(1);
    pen.SetColor(ps.BorderColor());
    FGrid.GetCellPrintBorder(c, r, &pen, sides);
    // A cell that would reach into the footer is cut to one row, without its bottom side.
    if (cell.Bottom < FL.H + FL.FS) {
        cell.Bottom = y - advance;
        sides.Exclude(cbBottom);
    }
    if (cell.Right > FL.W) cell.Right = FL.W;
    gfx::TCanvas& canvas = *FL.Job->Target;
    canvas.Pen().SetColor(pen.Color());
    canvas.Pen().SetStyle(pen.Style());
    canvas.Pen().SetWidth(std::max(1, FL.Job->Map.WidthToDevice(pen.Width())));
    if (sides.Contains(cbLeft)) Line(cell.Left, cell.Top, cell.Left, cell.Bottom);
    if (sides.Contains(cbRight)) Line(cell.Right, cell.Top, cell.Right, cell.Bottom);
    if (sides.Contains(cbTop)) Line(cell.Left, cell.Top, cell.Right, cell.Top);
    if (sides.Contains(cbBottom)) Line(cell.Left, cell.Bottom, cell.Right + 1, cell.Bottom);
    StrokeLines();
}

bool TPrintCells::IsRaster() const
{
    _cairo_surface* s = FL.Job->Target->Surface();
    return s && cairo_surface_get_type(s) == CAIRO_SURFACE_TYPE_IMAGE;
}

void TPrintCells::StrokeLines()
{
    if (FLines.empty()) return;
    // Vector targets take the sides of a cell as one stroked path, in the pen's colour.
    gfx::TCanvas& canvas = *FL.Job->Target;
    cairo_t* cr = canvas.Handle();
    const std::uint32_t rgb = gfx::ColorToRGB(canvas.Pen().Color());
    cairo_save(cr);
    cairo_set_source_rgb(cr, (rgb & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, ((rgb >> 16) & 0xFF) / 255.0);
    cairo_set_line_width(cr, canvas.Pen().Width());
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_SQUARE);
    if (canvas.Pen().Style() == gfx::psDash) {
        const double dash[] = {18.0, 6.0};
        cairo_set_dash(cr, dash, 2, 0);
    } else if (canvas.Pen().Style() == gfx::psDot) {
        const double dot[] = {3.0, 3.0};
        cairo_set_dash(cr, dot, 2, 0);
    }
    for (const rtl::TRect& l : FLines) {
        cairo_move_to(cr, l.Left + 0.5, l.Top + 0.5);
        cairo_line_to(cr, l.Right + 0.5, l.Bottom + 0.5);
    }
    if (canvas.Pen().Style() != gfx::psClear) cairo_stroke(cr);
    cairo_restore(cr);
    FLines.clear();
}

void TPrintCells::Line(int x1, int y1, int x2, int y2)
{
    gfx::TCanvas& canvas = *FL.Job->Target;
    const print::TLoMetricMapping& map = FL.Job->Map;
    const rtl::TPoint a = map.ToDevice(rtl::TPoint{x1, y1});
    rtl::TPoint b = map.ToDevice(rtl::TPoint{x2, y2});
    if (!IsRaster()) {
        FLines.push_back({a.X, a.Y, b.X, b.Y});
        return;
    }
    // Lines exclude their end point: reach one pixel further so corners close.
    if (a.X == b.X) b.Y += 1;
    if (a.Y == b.Y) b.X += 1;
    canvas.MoveTo(a.X, a.Y);
    canvas.LineTo(b.X, b.Y);
}

void TPrintCells::TextAt(int x, int y, const std::string& text)
{
    const rtl::TPoint p = FL.Job->Map.ToDevice(rtl::TPoint{x, y});
    FL.Job->Target->TextOut(p.X, p.Y, text);
}

std::string TPrintCells::PageNumberText(int pageNr)
{
    const TPrintSettings& ps = FGrid.PrintSettings();
    std::string text;
    if (FL.ManyBands) {
        text = std::to_string(FL.PageInBand) + "-" + std::to_string(FL.Band);
    } else {
        text = std::to_string(pageNr + ps.PageNumberOffset());
        if (!ps.PageNumSep().empty() && FL.Job->NrOfPages > 1)
            text += ps.PageNumSep() + std::to_string(FL.Job->NrOfPages + ps.MaxPagesOffset());
    }
    FGrid.PrintGetPageNum(pageNr, FL.Band, text);
    return text;
}

void TPrintCells::DrawHeaderFooter(int pageNr)
{
    const TPrintSettings& ps = FGrid.PrintSettings();
    std::string texts[7];
    auto add = [&](TPrintPosition pos, const std::string& item) {
        if (pos == ppNone) return;
        std::string& t = texts[pos];
        if (pos == ppTopLeft || pos == ppBottomLeft) t = item + " " + t;
        else t = t + " " + item;
    };
    const rtl::TDateTime now = rtl::Now();
    add(ps.Time(), rtl::FormatDateTime("hh:nn", now));
    add(ps.Date(), rtl::FormatDateTime(ps.DateFormat(), now));
    add(ps.PageNr(), ps.PagePrefix() + " " + PageNumberText(pageNr) + " " + ps.PageSuffix());
    std::vector<std::string> titleLines;
    const std::string html = HtmlTitle();
    if (!ps.TitleText().empty()) {
        titleLines.push_back(ps.TitleText());
        add(ps.Title(), ps.TitleText());
    } else if (html.empty() && ps.TitleLines()->Count() > 0 && ps.Title() != ppNone) {
        for (int i = 0; i < ps.TitleLines()->Count(); ++i) titleLines.push_back(ps.TitleLines()->Strings(i));
        // The first title line joins the position's text with one blank, none when either is empty.
        std::string& t = texts[ps.Title()];
        const std::string& line = titleLines.front();
        const bool left = ps.Title() == ppTopLeft || ps.Title() == ppBottomLeft;
        if (t.empty() || line.empty()) t = left ? line + t : t + line;
        else t = left ? line + " " + t : t + " " + line;
    }

    gfx::TCanvas& canvas = *FL.Job->Target;
    canvas.Brush().SetStyle(gfx::bsClear);
    auto write = [&](TPrintPosition pos, const gfx::TFont& font, int y, int textHeight) {
        const std::string& text = texts[pos];
        if (text.empty()) return;
        // Header and footer keep their point sizes: the fit factor scales only the cells.
        const int height = -static_cast<int>(font.Size() * 254.0 / 72.0);
        const int width = FontTextWidth(font, height, text);
        SelectFont(canvas, font, height, FL.Job->Map);
        int x = ps.LeftSize();
        if (pos == ppTopRight || pos == ppBottomRight) x = FL.W - width - ps.RightSize() - 20;
        if (pos == ppTopCenter || pos == ppBottomCenter) x = (FL.W - width) / 2;
        TextAt(x, y, text);
        if (pos != ps.Title()) return;
        for (std::size_t i = 1; i < titleLines.size(); ++i) {
            y -= textHeight;
            const int w = FontTextWidth(font, height, titleLines[i]);
            SelectFont(canvas, font, height, FL.Job->Map);
            int lx = ps.LeftSize();
            if (pos == ppTopRight || pos == ppBottomRight) lx = FL.W - w - ps.RightSize() - 20;
            if (pos == ppTopCenter || pos == ppBottomCenter) lx = (FL.W - w) / 2;
            TextAt(lx, y, titleLines[i]);
        }
    };
    for (TPrintPosition pos : {ppTopLeft, ppTopRight, ppTopCenter}) write(pos, *ps.HeaderFont(), -FL.HS, FL.HH);
    const int footerY = FL.H + FL.HF + FL.G + FL.FS;
    for (TPrintPosition pos : {ppBottomLeft, ppBottomRight, ppBottomCenter})
        write(pos, *ps.FooterFont(), footerY, FL.HF);
    if (!html.empty() && ps.Title() != ppNone)
        DrawHtmlTitle(html, ps.Title() == ppTopLeft || ps.Title() == ppTopRight || ps.Title() == ppTopCenter);
}

void TPrintCells::DrawOuterBorders(int y, int titleSpacing)
{
    const TPrintSettings& ps = FGrid.PrintSettings();
    const TPrintBorders b = ps.Borders();
    const int x1 = FL.RepeatCols ? FL.Indents[0] : FL.Indents[FL.FirstCol];
    const int x2 = std::min(FL.Indents[FL.LastCol + 1], FL.W);
    const int y1 = -FL.R - titleSpacing;
    const int y2 = y + FL.G / 2;
    gfx::TCanvas& canvas = *FL.Job->Target;
    canvas.Pen().SetColor(gfx::clBlack);
    canvas.Pen().SetStyle(ps.BorderStyle());
    canvas.Pen().SetWidth(std::max(1, FL.Job->Map.WidthToDevice(b == pbDouble ? 10 : 2)));
    if (b == pbAround || b == pbAroundVertical || b == pbAroundHorizontal) {
        Line(x1, y1, x2, y1);
        Line(x1, y2, x2, y2);
        Line(x1, y1, x1, y2);
        Line(x2, y1, x2, y2);
    }
    if (b == pbDouble || b == pbHorizontal || b == pbAroundHorizontal) Line(x1, y2, x2, y2);
    if ((b == pbDouble || b == pbVertical || b == pbAroundVertical) && FL.RepeatCols)
        for (int c = 0; c < FGrid.FixedCols(); ++c) Line(FL.Indents[c], y1, FL.Indents[c], y2);
    StrokeLines();
}

}  // namespace grid
