// Rotated cell text: the text turned by the cell's angle and placed by the cell's alignment.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "grid/core/ExtGridGraphicPainter.h"
#include "platform/gfx/Canvas.h"

namespace grid {

namespace {

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(line);
            line.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            line += c;
        }
    }
    lines.push_back(line);
    return lines;
}

}  // namespace

// The text block (the lines one line height apart across the reading direction) is turned
// counter-clockwise by the angle about its top-left corner; the corner is placed so that
// the turned block's bounding box sits in the cell by the text's alignment.
void TCellGraphicPainter::DrawRotated()
{
    const std::string text = Grid.GetFormattedCell(Col, Row);
    if (text.empty()) return;
    const std::vector<std::string> lines =
        Grid.Multilinecells() || Work.WordWrap ? SplitLines(text) : std::vector<std::string>{text};

    gfx::TFont saved;
    saved.Assign(&Canvas.Font());
    Canvas.Font().SetOrientation(Graphic.CellAngle() * 10);
    int width = 0;
    for (const std::string& line : lines) width = std::max(width, Canvas.TextWidth(line + "w"));
    const int lineHeight = Canvas.TextHeight("gh");
    const double a = Graphic.CellAngle() * std::numbers::pi / 180.0;
    // Reading direction u and line direction v in screen coordinates (y grows downwards).
    const double ux = std::cos(a), uy = -std::sin(a);
    const double vx = std::sin(a), vy = std::cos(a);
    const double blockHeight = static_cast<double>(lineHeight) * static_cast<double>(lines.size());
    const double xs[4] = {0, width * ux, blockHeight * vx, width * ux + blockHeight * vx};
    const double ys[4] = {0, width * uy, blockHeight * vy, width * uy + blockHeight * vy};
    const double minX = *std::min_element(xs, xs + 4), maxX = *std::max_element(xs, xs + 4);
    const double minY = *std::min_element(ys, ys + 4), maxY = *std::max_element(ys, ys + 4);
    const int boxWidth = static_cast<int>(std::lround(maxX - minX));
    const int boxHeight = static_cast<int>(std::lround(maxY - minY));

    int left = R.Left + 1;
    if (Work.TextAlign == ui::taRightJustify) left = R.Right - 1 - boxWidth;
    else if (Work.TextAlign == ui::taCenter) left = R.Left + (R.Width() - boxWidth) / 2;
    int top = R.Top + 1;
    if (Work.TextVAlign == vtaBottom) top = R.Bottom - 1 - boxHeight;
    else if (Work.TextVAlign == vtaCenter) top = R.Top + (R.Height() - boxHeight) / 2;
    const double originX = left - minX;
    const double originY = top - minY;

    rtl::TRect clip = Cell;
    rtl::InflateRect(clip, -1, -1);
    Canvas.IntersectClipRect(clip);
    Canvas.Brush().SetStyle(gfx::bsClear);
    Canvas.SetBkMode(gfx::TRANSPARENT);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const double step = static_cast<double>(lineHeight) * static_cast<double>(i);
        Canvas.TextOut(static_cast<int>(std::lround(originX + step * vx)),
                       static_cast<int>(std::lround(originY + step * vy)), lines[i]);
    }
    Canvas.Font().Assign(&saved);
}

}  // namespace grid
