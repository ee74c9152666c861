// Rotated text, rich text and mini-HTML titles on paper.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "grid/core/GridOptionsRecords.h"
#include "grid/data/ExtGridPrintCells.h"
#include "grid/foundation/EsgHTMLE.h"
#include "grid/foundation/ExtUtilCellText.h"
#include "grid/foundation/ExtUtilText.h"
#include "platform/gfx/Canvas.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/RichEdit.h"
#include "platform/ui/RichTextLayout.h"

namespace grid {

namespace {

struct TRotation {
    double Cos = 1, Sin = 0;
    explicit TRotation(int angle)
    {
        const double a = angle * std::numbers::pi / 180.0;
        Cos = std::cos(a);
        Sin = std::sin(a);
    }
};

int AbsRound(double v) { return static_cast<int>(std::lround(std::fabs(v))); }

// The paragraphs of a rich cell with their alignments; a text that only looks like RTF
// ("{\b ...}") is taken as it stands.
struct TRichLines {
    std::vector<std::string> Lines;
    std::vector<ui::TAlignment> Alignments;
};

TRichLines RichLines(const std::string& text)
{
    TRichLines r;
    if (!ui::IsRtf(text)) {
        r.Lines = SplitAtLineBreaks(text);
        return r;
    }
    const ui::TRichText doc = ui::RtfToRichText(text);
    r.Lines = SplitAtLineBreaks(doc.PlainText());
    r.Alignments = doc.ParagraphAlignment;
    return r;
}

}  // namespace

std::vector<std::string> SplitAtLineBreaks(const std::string& text)
{
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        if (text[i] == '\n') {
            lines.push_back(line);
            line.clear();
        } else {
            line += text[i];
        }
    }
    lines.push_back(line);
    return lines;
}

// The extent of the rotated block on the measuring canvas (whose font is selected), in 0.1 mm.
rtl::TPoint TPrintCells::RotatedTextSize(const std::vector<std::string>& lines, int angle)
{
    int widest = 0;
    for (const std::string& line : lines) widest = std::max(widest, FL.Measure->TextWidth(line));
    const int width = FL.MeasureMap.WidthToLogical(widest);
    const int height = FL.MeasureMap.HeightToLogical(FL.Measure->TextHeight("gh")) * static_cast<int>(lines.size());
    const TRotation a(angle);
    return {AbsRound(a.Cos * width) + AbsRound(a.Sin * height), AbsRound(a.Sin * width) + AbsRound(a.Cos * height)};
}

// The lines turned counter-clockwise by the angle, the block placed by the cell's alignment;
// each further line starts one line height across the reading direction (to the right at 90°).
void TPrintCells::DrawRotatedText(const TCellLook& look, const std::vector<std::string>& lines, int angle,
                                  const rtl::TRect& cell)
{
    gfx::TCanvas& canvas = *FL.Job->Target;
    const print::TLoMetricMapping& map = FL.Job->Map;
    SelectFont(canvas, look.Font, FGrid.MapFontHeight(look.Font.Size()), map);
    int widest = 0;
    for (const std::string& line : lines) widest = std::max(widest, canvas.TextWidth(line));
    const int lineHeight = canvas.TextHeight("gh");
    const int height = lineHeight * static_cast<int>(lines.size());
    const TRotation a(angle);
    rtl::TRect r = map.ToDevice(cell);
    rtl::InflateRect(r, -2, -2);
    FGrid.AlignTextRect(r, look.HA, look.VA, AbsRound(a.Cos * widest), AbsRound(a.Sin * widest),
                        AbsRound(a.Cos * height), AbsRound(a.Sin * height), angle);
    const int saved = canvas.SaveState();
    canvas.IntersectClipRect(map.ToDevice(cell));
    canvas.Font().SetOrientation(angle * 10);
    canvas.Brush().SetStyle(gfx::bsClear);
    canvas.SetBkMode(gfx::TRANSPARENT);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const double step = static_cast<double>(lineHeight) * static_cast<double>(i);
        canvas.TextOut(r.Left + static_cast<int>(std::lround(step * a.Sin)),
                       r.Top + static_cast<int>(std::lround(step * a.Cos)), lines[i]);
    }
    canvas.RestoreState(saved);
}

// Rich cells print as the screen paints them: each run in its font, size, style and colour,
// each paragraph placed by its alignment, at the printer's resolution. A text that only looks
// like RTF ("{\b ...}") prints as its plain lines.
rtl::TPoint TPrintCells::RichTextSize(const TCellLook& look, const std::string& rtf)
{
    SelectFont(*FL.Measure, look.Font, FGrid.MapFontHeight(look.Font.Size()), FL.MeasureMap);
    if (ui::IsRtf(rtf)) {
        ui::TRichDrawOptions options;
        options.PixelsPerInch = FL.MeasureMap.DpiY();
        const rtl::TSize size = ui::MeasureRichText(*FL.Measure, ui::RtfToRichText(rtf), 0, options);
        return {FL.MeasureMap.WidthToLogical(size.cx), FL.MeasureMap.HeightToLogical(size.cy)};
    }
    const std::vector<std::string> lines = RichLines(rtf).Lines;
    int widest = 0;
    for (const std::string& line : lines) widest = std::max(widest, FL.Measure->TextWidth(line));
    return {FL.MeasureMap.WidthToLogical(widest),
            FL.MeasureMap.HeightToLogical(FL.Measure->TextHeight("gh")) * static_cast<int>(lines.size())};
}

void TPrintCells::DrawRichText(const TCellLook& look, const std::string& rtf, const rtl::TRect& box)
{
    gfx::TCanvas& canvas = *FL.Job->Target;
    const print::TLoMetricMapping& map = FL.Job->Map;
    const rtl::TRect area = map.ToDevice(box);
    if (ui::IsRtf(rtf)) {
        ui::TRichDrawOptions options;
        options.PixelsPerInch = map.DpiY();
        ui::DrawRichText(canvas, ui::RtfToRichText(rtf), area, options);
        return;
    }
    const TRichLines rich = RichLines(rtf);
    SelectFont(canvas, look.Font, FGrid.MapFontHeight(look.Font.Size()), map);
    canvas.Brush().SetStyle(gfx::bsClear);
    canvas.SetBkMode(gfx::TRANSPARENT);
    const int lineHeight = canvas.TextHeight("gh");
    int top = area.Top;
    const std::vector<std::string>& lines = rich.Lines;
    for (std::size_t i = 0; i < lines.size() && top < area.Bottom; ++i) {
        const ui::TAlignment align = i < rich.Alignments.size() ? rich.Alignments[i] : look.HA;
        unsigned flags = gfx::DT_SINGLELINE | gfx::DT_NOPREFIX;
        if (align == ui::taRightJustify) flags |= gfx::DT_RIGHT;
        if (align == ui::taCenter) flags |= gfx::DT_CENTER;
        rtl::TRect line{area.Left, top, area.Right, std::min(area.Bottom, top + lineHeight)};
        canvas.DrawText(lines[i], line, flags);
        top += lineHeight;
    }
}

std::string TPrintCells::HtmlTitle()
{
    const TPrintSettings& ps = FGrid.PrintSettings();
    if (!ps.TitleText().empty()) return {};
    std::string joined;
    for (int i = 0; i < ps.TitleLines()->Count(); ++i) joined += ps.TitleLines()->Strings(i);
    return DetectCellTextKind(joined, true) == ctkHtml ? joined : std::string();
}

int TPrintCells::HtmlTitleHeight()
{
    const std::string html = HtmlTitle();
    if (html.empty()) return 0;
    const TPrintSettings& ps = FGrid.PrintSettings();
    SelectFont(*FL.Measure, *ps.HeaderFont(), FGrid.MapFontHeight(ps.HeaderFont()->Size()), FL.MeasureMap);
    THtmlRenderOptions options;
    options.MeasureOnly = true;
    options.ForPrinter = true;
    THtmlRenderResult result;
    const int width = FL.MeasureMap.WidthToDevice(std::max(1, FL.W - ps.RightSize() - 20));
    RenderHtmlText(*FL.Measure, html, {0, 0, width, 65535}, options, result);
    return FL.MeasureMap.HeightToLogical(result.ContentHeight);
}

// The title drawn by the mini-HTML renderer in the header font: on top from the header size
// down, at the bottom from the footer size down to the page's edge.
void TPrintCells::DrawHtmlTitle(const std::string& html, bool top)
{
    const TPrintSettings& ps = FGrid.PrintSettings();
    gfx::TCanvas& canvas = *FL.Job->Target;
    const print::TLoMetricMapping& map = FL.Job->Map;
    SelectFont(canvas, *ps.HeaderFont(), FGrid.MapFontHeight(ps.HeaderFont()->Size()), map);
    const rtl::TRect box = top ? rtl::TRect{ps.LeftSize(), -FL.HS, FL.W - ps.RightSize() - 20, -FL.HS - FL.T}
                               : rtl::TRect{ps.LeftSize(), FL.H + FL.FS, FL.W, FL.H};
    THtmlRenderOptions options;
    options.ForPrinter = true;
    options.KeepTextColor = true;
    options.AnchorColor = FGrid.URLColor();
    options.ShadowColor = 0x808080;
    THtmlRenderResult result;
    const int saved = canvas.SaveState();
    canvas.Brush().SetStyle(gfx::bsClear);
    RenderHtmlText(canvas, html, map.ToDevice(box), options, result);
    canvas.RestoreState(saved);
}

// ---------------------------------------------------------------- text placement of the grid

int TExtStringGrid::TotalXOffset() const { return XYOffsetTopLeftOnly() ? FXYOffset.X : 2 * FXYOffset.X; }
int TExtStringGrid::TotalYOffset() const { return XYOffsetTopLeftOnly() ? FXYOffset.Y : 2 * FXYOffset.Y; }

int TExtStringGrid::MaxLinesInRow(int ARow)
{
    if (ColCount() == 0 || !Multilinecells()) return 1;
    int most = 1;
    for (int c = 0; c < ColCount(); ++c) most = std::max(most, CountTextLines(GetCellEx(c, ARow), true));
    return most;
}

void TExtStringGrid::AlignTextRect(rtl::TRect& R, ui::TAlignment HAlign, TVAlignment VAlign, int WidthCos,
                                   int WidthSin, int HeightCos, int HeightSin, int Angle)
{
    const int a = ((Angle % 360) + 360) % 360;
    const int boxWidth = WidthCos + HeightSin;
    const int boxHeight = WidthSin + HeightCos;
    // Where the text's start (its unrotated top-left corner) lies in the rotated block.
    rtl::TPoint start{0, WidthSin};
    if (a > 90 && a <= 180) start = {WidthCos, WidthSin + HeightCos};
    else if (a > 180 && a <= 270) start = {WidthCos + HeightSin, HeightCos};
    else if (a > 270) start = {HeightSin, 0};
    int left = R.Left;
    if (HAlign == ui::taRightJustify) left = R.Right - boxWidth;
    else if (HAlign == ui::taCenter) left = R.Left + (R.Width() - boxWidth) / 2;
    int top = R.Top;
    if (VAlign == vtaBottom) top = R.Bottom - boxHeight;
    else if (VAlign == vtaCenter) top = R.Top + (R.Height() - boxHeight) / 2;
    R.Left = left + start.X;
    R.Top = top + start.Y;
}

void TExtStringGrid::DrawAlignedText(rtl::TRect& R, rtl::TSize& Size, TVAlignment VAlign, ui::TAlignment HAlign,
                                     const std::string& Text, int Angle)
{
    gfx::TCanvas& canvas = Canvas();
    Size = canvas.TextExtent(Text + "w");
    rtl::InflateRect(R, -2, -2);
    const TRotation a(Angle);
    AlignTextRect(R, HAlign, VAlign, AbsRound(a.Cos * Size.cx), AbsRound(a.Sin * Size.cx), AbsRound(a.Cos * Size.cy),
                  AbsRound(a.Sin * Size.cy), Angle);
}

}  // namespace grid
