// The floating footer panel: painting by footer style, the footer template, cell hit-testing, clicks and hints.
#include "grid/core/FooterPanel.h"

#include <charconv>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptionsCells.h"
#include "grid/foundation/EsgHTMLE.h"
#include "grid/foundation/PictureContainer.h"
#include "platform/gfx/ImageList.h"
#include "platform/ui/Forms.h"

namespace grid {

namespace {

bool IsNoColor(gfx::TColor c) { return c == gfx::clNone || c == clGridNone; }

void Line(gfx::TCanvas& c, gfx::TColor color, int x1, int y1, int x2, int y2)
{
    c.Pen().SetStyle(gfx::psSolid);
    c.Pen().SetWidth(1);
    c.Pen().SetColor(color);
    c.MoveTo(x1, y1);
    c.LineTo(x2, y2);
}

void Fill(gfx::TCanvas& c, gfx::TColor color, const rtl::TRect& r)
{
    c.Brush().SetStyle(gfx::bsSolid);
    c.Brush().SetColor(color);
    c.Pen().SetColor(color);
    c.FillRect(r);
}

// Looks whose fixed cells have a white highlight at their left edge.
bool RaisedLook(TGridLook look) { return look == glSoft || look == glJyx || look == glXP || look == glVista; }

}  // namespace

TFooterPanel::TFooterPanel(rtl::TComponent* AOwner) : ui::TPanel(AOwner)
{
    FGrid = dynamic_cast<TExtStringGrid*>(AOwner);
    if (FGrid == nullptr) throw rtl::EInvalidCast("Invalid class typecast");
    SetShowCaption(false);
    SetBevelOuter(ui::bvNone);
}

// --- geometry

// The columns the footer shows, left to right: the fixed ones, then those from LeftCol on.
static std::vector<int> FooterColumns(const TExtStringGrid& g)
{
    std::vector<int> cols;
    for (int c = 0; c < g.FixedCols() && c < g.ColCount(); ++c) cols.push_back(c);
    for (int c = std::max(g.LeftCol(), g.FixedCols()); c < g.ColCount(); ++c) cols.push_back(c);
    return cols;
}

int TFooterPanel::FooterWidth() const
{
    int w = 0;
    for (int c : FooterColumns(*FGrid)) w += FGrid->ColWidths(c);
    return w;
}

void TFooterPanel::MouseToCell(int X, int, int& ARow, int& ACol) const
{
    ARow = FGrid->RowCount() - 1;
    ACol = FGrid->LeftCol() - 1;
    int sum = 0;
    for (int c : FooterColumns(*FGrid)) {
        if (sum >= X) break;
        sum += FGrid->ColWidths(c);
        ACol = c;
    }
}

int TFooterPanel::HintColumn(int X) const
{
    int row = 0;
    int col = -1;
    MouseToCell(X, 0, row, col);
    if (X > FooterWidth()) return -1;
    return col;
}

// --- template

std::string TFooterPanel::BuildFooterTemplate(const std::string& Template) const
{
    std::string out;
    std::size_t pos = 0;
    for (;;) {
        std::size_t open = Template.find("<#", pos);
        if (open == std::string::npos) break;
        std::size_t close = Template.find('>', open + 2);
        out.append(Template, pos, open - pos);
        // A "<#" without a closing ">" ends the template: the unfinished tag is dropped.
        if (close == std::string::npos) return out;
        std::string number = Template.substr(open + 2, close - open - 2);
        int n = 0;
        auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), n);
        if (ec == std::errc() && end == number.data() + number.size() && !number.empty())
            out += FGrid->GetCellEx(n, FGrid->Row());
        pos = close + 1;
    }
    out.append(Template, pos, std::string::npos);
    return out;
}

// --- painting

void TFooterPanel::Paint() { PaintFooter(Canvas()); }

void TFooterPanel::PaintFooter(gfx::TCanvas& ACanvas)
{
    TFloatingFooter& ff = FGrid->FloatingFooter();
    rtl::TRect client{0, 0, ClientWidth(), ClientHeight()};
    int right = 0;
    switch (ff.FooterStyle()) {
    case fsFixedLastRow: right = PaintFixedLastRow(ACanvas, client); break;
    case fsColumnPreview: right = PaintColumnPreview(ACanvas, client, false); break;
    case fsCustomPreview: right = PaintColumnPreview(ACanvas, client, true); break;
    case fsCustomPaint:
        if (FGrid->OnFooterPaint) FGrid->OnFooterPaint(FGrid, ff.Column(), &ACanvas, client);
        right = client.Right;
        break;
    }
    if (!IsNoColor(ff.BorderColor())) Line(ACanvas, ff.BorderColor(), 0, 0, right, 0);
}

int TFooterPanel::PaintFixedLastRow(gfx::TCanvas& ACanvas, const rtl::TRect& Client)
{
    TExtStringGrid& g = *FGrid;
    TFloatingFooter& ff = g.FloatingFooter();
    const std::vector<int> cols = FooterColumns(g);
    int w = FooterWidth();
    Fill(ACanvas, ff.Color(), rtl::TRect{Client.Left, Client.Top, Client.Left + w, Client.Bottom});
    Fill(ACanvas, g.Color(), rtl::TRect{Client.Left + w, Client.Top, Client.Right, Client.Bottom});

    ui::TGridOptions opts = g.Options();
    bool vertLines = (opts & ui::goFixedVertLine) != 0;
    bool horzLines = (opts & ui::goFixedHorzLine) != 0;
    bool raised = RaisedLook(g.Look()) && !g.Flat();

    // Cell frames.
    int x = Client.Left;
    for (int c : cols) {
        int cw = g.ColWidths(c);
        if (cw == 0) continue;
        if (vertLines && raised) Line(ACanvas, gfx::clWhite, x, Client.Bottom - 1, x, Client.Top - 1);
        if (horzLines) Line(ACanvas, g.GridLineColor(), x, Client.Top, x + cw, Client.Top);
        if (vertLines) {
            gfx::TColor edge = c < g.FixedCols() || g.Look() == glVista ? g.GridLineColor() : gfx::clGray;
            Line(ACanvas, edge, x + cw - 1, Client.Top, x + cw - 1, Client.Bottom);
        }
        x += cw;
    }

    // Cell contents.
    int row = g.RowCount() - 1;
    int top = Client.Top + (horzLines ? 1 : 0);
    x = Client.Left;
    for (std::size_t i = 0; i < cols.size(); ++i) {
        int c = cols[i];
        int cw = g.ColWidths(c);
        if (cw == 0) continue;
        int rc = g.RealColIndex(c);  // for the colour event only: cells are stored at c
        int right = x + cw - 1;
        bool paintContent = true;
        // A merged block spans the columns up to its last one; the columns it covers are
        // passed over, and only its base cell paints content.
        if (row >= 0 && g.IsMergedCell(c, row)) {
            rtl::TPoint base = g.BaseCell(c, row);
            rtl::TPoint span = g.CellSpan(base.X, base.Y);
            int lastCol = base.X + std::max(0, span.X);
            while (i + 1 < cols.size() && cols[i + 1] <= lastCol) {
                ++i;
                right += g.ColWidths(cols[i]);
            }
            paintContent = base.X == c && base.Y == row;
        }
        rtl::TRect r{x, top, right, Client.Bottom};
        if (horzLines && raised) r.Left += 1;
        bool scrollable = c >= g.FixedCols();
        if (scrollable && row >= 0) {
            if (g.OnGetCellColor) {
                gfx::TBrush brush;
                brush.SetColor(gfx::clNone);
                gfx::TFont font;
                font.Assign(&g.FixedFont());
                g.OnGetCellColor(&g, row, rc, ui::gdFixed, &brush, &font);
                if (!IsNoColor(brush.Color())) Fill(ACanvas, brush.Color(), r);
            }
            if (g.HasCellProperties(c, row)) {
                gfx::TColor cellColor = g.GetCellPropsDirect(c, row)->BrushColor();
                if (!IsNoColor(cellColor)) Fill(ACanvas, cellColor, r);
            }
        }
        if (paintContent && row >= 0) {
            if (scrollable && g.OnFooterPaint) {
                g.OnFooterPaint(&g, c, &ACanvas, r);
            } else {
                ACanvas.Font().Assign(&g.FixedFont());
                g.DrawCellContents(ACanvas, c, row, r, ui::gdFixed);
            }
        }
        x = right + 1;
    }
    return x;
}

void TFooterPanel::FramePreview(gfx::TCanvas& ACanvas, const rtl::TRect& Area)
{
    Fill(ACanvas, FGrid->FloatingFooter().Color(), Area);
    Line(ACanvas, gfx::clGray, Area.Left, Area.Bottom - 1, Area.Right - 1, Area.Bottom - 1);
    Line(ACanvas, gfx::clGray, Area.Right - 1, Area.Bottom - 1, Area.Right - 1, Area.Top - 1);
    Line(ACanvas, gfx::clWhite, Area.Left, Area.Bottom - 1, Area.Left, Area.Top);
    Line(ACanvas, gfx::clWhite, Area.Left, Area.Top, Area.Right - 1, Area.Top);
}

int TFooterPanel::PaintColumnPreview(gfx::TCanvas& ACanvas, const rtl::TRect& Client, bool Template)
{
    TExtStringGrid& g = *FGrid;
    TFloatingFooter& ff = g.FloatingFooter();
    int w = FooterWidth();
    rtl::TRect area{Client.Left, Client.Top, Client.Left + w, Client.Bottom};
    Fill(ACanvas, g.Color(), rtl::TRect{area.Right, Client.Top, Client.Right, Client.Bottom});
    FramePreview(ACanvas, area);
    gfx::TColor savedSelectionText = g.SelectionTextColor();
    g.SetSelectionTextColor(gfx::clBlack);
    ACanvas.Font().Assign(&g.Font());
    ACanvas.Brush().SetStyle(gfx::bsClear);
    if (!Template) {
        if (g.OnFooterPaint) g.OnFooterPaint(&g, ff.Column(), &ACanvas, area);
        else g.DrawCellContents(ACanvas, ff.Column(), g.Row(), area, 0);
    } else if (g.IsDesigning()) {
        rtl::TRect r = area;
        ACanvas.DrawText(ff.CustomTemplate(), r, 0);
    } else {
        THtmlRenderOptions o;
        o.ImageList = dynamic_cast<const gfx::TImageList*>(g.GridImages());
        o.AnchorColor = g.URLColor();
        o.HoverBackColor = gfx::clNone;
        o.HoverTextColor = gfx::clNone;
        o.ShadowColor = gfx::clGray;
        o.ShadowShift = 1;
        o.WrapWords = !g.EnhTextSize();
        o.Zoom = 1.0;
        o.PictureCache = &g.ImageCache();
        o.Pictures = dynamic_cast<TPictureContainer*>(g.PictureContainer());
        o.ThemeWindow = this;
        THtmlRenderResult result;
        rtl::TRect r = area;
        r.Top += 2;
        RenderHtmlText(ACanvas, BuildFooterTemplate(ff.CustomTemplate()), r, o, result);
    }
    ACanvas.Brush().SetStyle(gfx::bsSolid);
    g.SetSelectionTextColor(savedSelectionText);
    return w;
}

// --- window, mouse and hints

void TFooterPanel::CreateWnd()
{
    ui::TPanel::CreateWnd();
    TFloatingFooter& ff = FGrid->FloatingFooter();
    SetHeight(ff.Visible() ? ff.Height() : 0);
    if (FGrid->OnCreatedFloatingFooter) FGrid->OnCreatedFloatingFooter(FGrid, this);
}

void TFooterPanel::MouseUp(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y)
{
    ui::TPanel::MouseUp(Button, Shift, X, Y);
    int row = 0;
    int col = 0;
    MouseToCell(X, Y, row, col);
    if (FGrid->OnClick) FGrid->OnClick(FGrid);
    if (FGrid->OnClickCell) FGrid->OnClickCell(FGrid, row, col);
}

void TFooterPanel::MouseMove(ui::TShiftState Shift, int X, int Y)
{
    ui::TPanel::MouseMove(Shift, X, Y);
    if (!ShowHint() || FLastHintX < 0) return;
    int row = 0;
    int col = 0;
    MouseToCell(X, Y, row, col);
    if (col == FLastHintX) return;
    if (ui::TApplication* app = ui::Application()) app->CancelHint();
    FLastHintX = col;
}

int TFooterPanel::HintShow(int CursorX, std::string& HintStr)
{
    int col = HintColumn(CursorX);
    if (col >= 0 && FGrid->OnGridHint) FGrid->OnGridHint(FGrid, FGrid->RowCount() - 1, col, HintStr);
    FLastHintX = ShowHint() && col >= 0 ? col : -1;
    return ShowHint() ? 0 : 1;
}

void TFooterPanel::WndProc(ui::TMessage& Message)
{
    ui::TPanel::WndProc(Message);
    if (Message.Msg == ui::CM_MOUSELEAVE) FLastHintX = -1;
}

}  // namespace grid
