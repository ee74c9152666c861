// Node glyphs of node rows and their tree lines, in each node look.
#include <cmath>

#include "grid/core/ExtGridGraphicPainter.h"
#include "grid/core/GridOptionsCells.h"
#include "grid/foundation/ExtUtilDraw.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/FrameControls.h"

namespace grid {

namespace {

constexpr int LeafSize = 12;
constexpr int XPNodeSize = 10;
constexpr int BoxLeft = 4;
constexpr int BoxSide = 8;
constexpr gfx::TColor EdgeShadow = 0x808080;
constexpr gfx::TColor EdgeLight = 0xFFFFFF;

void Line(gfx::TCanvas& canvas, int x1, int y1, int x2, int y2)
{
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
}

}  // namespace

// Tree lines, then the glyph of the node's look. The bitmap looks (leaf, XP, own glyphs)
// end the graphic stage: they answer false so that no comment marker follows.
bool TCellGraphicPainter::DrawNode()
{
    const TCellNode& node = Grid.CellNode();
    const int indent = Grid.GetNodeIndent(Row);
    const bool contracted = Graphic.CellBoolean();
    rtl::TRect r = Cell;
    r.Left += indent - node.NodeIndent();
    if (node.ShowTree() && Row >= Grid.FixedRows()) {
        Canvas.Pen().SetColor(node.TreeColor());
        Canvas.Pen().SetWidth(1);
        Canvas.Pen().SetStyle(gfx::psSolid);
        const int x = r.Left + node.NodeIndent() / 2 + 2;
        const int middle = (Cell.Top + Cell.Bottom) / 2;
        const bool hasNext = Row + 1 < Grid.RowCount();
        const int nextIndent = hasNext ? Grid.GetNodeIndent(Row + 1) : 0;
        if (hasNext && nextIndent > 0 && !(contracted && nextIndent < indent)) Line(Canvas, x, middle, x, Cell.Bottom);
        if (Row > 0 && Grid.GetNodeIndent(Row - 1) >= indent) Line(Canvas, x, Cell.Top, x, middle);
    }

    r = Cell;
    r.Left += indent - node.NodeIndent() / 2 - 4;
    gfx::TColor background = Canvas.Brush().Color();
    if (background == gfx::clNone) background = Grid.FixedCols() == 0 ? Grid.Color() : Grid.FixedColor();
    if (Work.Selected && Grid.SelectionVisible()) background = Grid.SelectionColor();
    const double scale = Grid.FScaleFactor;

    switch (node.NodeType()) {
    case cnLeaf:
        if (const gfx::TBitmap* glyph = GlyphBitmap(contracted ? "ESGLEAFCLOSE" : "ESGLEAFOPEN"))
            DrawBitmapScaledTransparent(Canvas, *glyph, background,
                                        rtl::Bounds(r.Left, r.Top + (r.Height() - LeafSize) / 2, LeafSize, LeafSize),
                                        scale);
        return false;
    case cnXP:
        if (const gfx::TBitmap* glyph = GlyphBitmap(contracted ? "XPNODEC" : "XPNODEO")) {
            const int dx = 4 - static_cast<int>(std::lround((scale - 1) * 4));
            DrawBitmapScaledTransparent(
                Canvas, *glyph, background,
                rtl::Bounds(r.Left + dx, r.Top + (r.Height() - XPNodeSize) / 2, glyph->Width(), glyph->Height()), scale);
        }
        return false;
    case cnGlyph:
        if (!node.ExpandGlyph().Empty() && !node.ContractGlyph().Empty()) {
            const gfx::TBitmap& glyph = contracted ? node.ContractGlyph() : node.ExpandGlyph();
            const int y = r.Top + (r.Height() - node.ContractGlyph().Height()) / 2;
            DrawBitmapScaledTransparent(Canvas, glyph, background, rtl::Bounds(r.Left, y, glyph.Width(), glyph.Height()),
                                        1.0);
            return false;
        }
        break;
    default: break;
    }

    const int top = r.Top + (r.Height() - BoxSide) / 2;
    rtl::TRect box = rtl::Rect(r.Left + BoxLeft, top, r.Left + BoxLeft + BoxSide, top + BoxSide);
    Canvas.Brush().SetStyle(gfx::bsSolid);
    Canvas.Brush().SetColor(node.Color());
    if (node.NodeType() == cn3D) {
        rtl::TRect frame = box;
        Canvas.FillRect(frame);
        Canvas.Pen().SetColor(EdgeLight);
        Line(Canvas, frame.Left, frame.Bottom - 1, frame.Left, frame.Top);
        Line(Canvas, frame.Left, frame.Top, frame.Right, frame.Top);
        Canvas.Pen().SetColor(EdgeShadow);
        Line(Canvas, frame.Right - 1, frame.Top, frame.Right - 1, frame.Bottom);
        Line(Canvas, frame.Left, frame.Bottom - 1, frame.Right, frame.Bottom - 1);
    }
    if (node.NodeType() == cnFlat) {
        Canvas.Pen().SetColor(node.NodeColor());
        Canvas.Pen().SetWidth(1);
        Canvas.Rectangle(box.Left, box.Top, box.Right + 1, box.Bottom + 1);
        Line(Canvas, box.Left + 2, box.Top + 4, box.Left + 7, box.Top + 4);
        if (contracted) Line(Canvas, box.Left + 4, box.Top + 2, box.Left + 4, box.Top + 7);
        return true;
    }
    Canvas.FillRect(box);
    gfx::DrawEdge(Canvas, box, contracted ? gfx::EDGE_RAISED : gfx::EDGE_SUNKEN, gfx::BF_RECT | gfx::BF_SOFT);
    return true;
}

}  // namespace grid
