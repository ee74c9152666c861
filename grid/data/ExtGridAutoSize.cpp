// String grid sizing to content and to the grid: column widths, row heights and the client size.
#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "grid/core/CellGraphics.h"
#include "grid/core/ExtGrid.h"
#include "grid/core/GridLists.h"
#include "grid/core/GridOptionsCells.h"
#include "grid/core/GridOptionsLook.h"
#include "grid/core/GridOptionsRecords.h"
#include "grid/core/GridOptionsSort.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"

namespace grid {

namespace {

// Widest line of a text (lines separated by CR LF, CR or LF) in the canvas' font.
int WidestLine(gfx::TCanvas& Canvas, std::string_view Text)
{
    int widest = 0;
    std::size_t start = 0;
    while (start <= Text.size()) {
        const std::size_t end = Text.find_first_of("\r\n", start);
        const std::string line(Text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        widest = std::max(widest, Canvas.TextWidth(line));
        if (end == std::string_view::npos) break;
        start = end + (Text[end] == '\r' && end + 1 < Text.size() && Text[end + 1] == '\n' ? 2 : 1);
    }
    return widest;
}

int LineCount(std::string_view Text)
{
    int lines = 1;
    for (std::size_t i = 0; i < Text.size(); ++i) {
        if (Text[i] == '\r' && i + 1 < Text.size() && Text[i + 1] == '\n') ++i;
        if (Text[i] == '\r' || Text[i] == '\n') ++lines;
    }
    return lines;
}

}  // namespace

// Each column of the range sized to its content, then widened by Padding within the limits.
void TExtStringGrid::AutoSizeColumns(bool DoFixedCols, int Padding)
{
    const int first = DoFixedCols ? 0 : FixedCols();
    const int last = DoFixedCols ? ColCount() - 1 : ColCount() - FixedRightCols() - 1;
    for (int c = first; c <= last; ++c) {
        AutoSizeCol(c, 0);
        if (Padding != 0) SetColWidths(c, LimitSize(ColWidths(c) + Padding, MinColWidth(), MaxColWidth()));
    }
}

// A limit of 0 or less is absent, and equal limits limit nothing.
int TExtStringGrid::LimitSize(int Value, int Min, int Max)
{
    if (Min == Max) return Value;
    if (Min > 0) Value = std::max(Value, Min);
    if (Max > 0) Value = std::min(Value, Max);
    return Value;
}

// Margins plus the widest content (text, graphic, sort and filter glyphs) of the rows ColumnSize.Rows
// names (merged blocks across columns left out) plus the grid lines.
int TExtStringGrid::AutoSizeColWidth(int ACol)
{
    gfx::TCanvas& canvas = Canvas();
    int first = 0, last = RowCount() - 1;
    if (ColumnSize().Rows() == arNormal) {
        first = FixedRows();
        last = RowCount() - FixedFooters() - 1;
    } else if (ColumnSize().Rows() == arFixed) {
        last = FixedRows() - 1;
    }
    // The sort glyph takes room in the sort row of the sort column (or of a sort key).
    const bool sortGlyph = SortSettings().Show() && RowCount() - FixedRows() - FixedFooters() > 1 &&
                           (SortSettings().Column() == ACol || SortIndexes().FindIndex(ACol) >= 0);
    // The filter glyph takes room in the filter row of a column that has values to offer.
    bool filterGlyph = false;
    if (FilterDropDownAuto()) {
        std::vector<std::string> values;
        CollectColumnFilter(ACol, true, false, values);
        filterGlyph = !values.empty();
    }
    // A combo cell shows its drop-down button beside the text when the buttons are always shown.
    const int comboButton = ControlLook().DropDownAlwaysVisible()
                                ? static_cast<int>(std::lround(ControlLook().DropDownButtonWidth() * FScaleFactor))
                                : 0;
    int widest = 0;
    for (int r = first; r <= last; ++r) {
        if (IsXMergedCell(ACol, r)) continue;
        canvas.Font().Assign(r < FixedRows() || ACol < FixedCols() ? FFixedFont.get() : &GetCellFont(ACol, r));
        int w = WidestLine(canvas, GetCellEx(ACol, r));
        if (const TCellGraphic* g = GetCellGraphic(ACol, r)) {
            // A graphic filling the cell counts without the cell's margin and lines.
            const int graphic = CellGraphicSize(ACol, r).X;
            w += g->CellHAlign() == haFull ? graphic - FXYOffset.X - 2 * GridLineWidth() - 2 : graphic;
        }
        if (ACol == 0 && IsNode(r)) w += 16;
        if (comboButton > 0) {
            TEditorType editor = DefaultEditor();
            GetCellEditorTypeEx(RealColIndex(ACol), r, editor);
            if (HasComboBox(ACol, r, editor)) w += comboButton;
        }
        if (sortGlyph && r == SortSettings().Row()) w += 10;
        if (filterGlyph && r == FilterDropDownRow()) w += 12;
        widest = std::max(widest, w);
    }
    const int margin = FXYOffset.X * (XYOffsetTopLeftOnly() ? 1 : 2);
    return margin + widest + 2 * GridLineWidth() + 2;
}

// The room the node glyphs of column 0 need: the glyph of the node type plus the indent of the
// deepest node level (rows that are no node count level -1).
int TExtStringGrid::NodeGlyphColumnWidth()
{
    const TCellNode& node = CellNode();
    int glyph = 4;
    switch (node.NodeType()) {
    case cn3D: glyph = 6; break;
    case cnGlyph: glyph = node.ExpandGlyph().Empty() ? 0 : node.ExpandGlyph().Width() / 2; break;
    case cnLeaf: glyph = 8; break;
    case cnFlat:
    case cnXP: glyph = 4; break;
    }
    int deepest = -1;
    for (int r = 0; r < RowCount(); ++r) deepest = std::max(deepest, GetNodeLevel(r));
    return glyph + deepest * node.NodeIndent();
}

void TExtStringGrid::AutoSizeCol(int ACol, int Padding)
{
    if (ACol < 0 || ACol >= ColCount()) return;
    int width = AutoSizeColWidth(ACol);
    // Column 0 of a grid with nodes is never sized below the room its node glyphs need.
    if (ACol == 0 && HasNodes()) width = std::max(width, NodeGlyphColumnWidth());
    if (!(SizeGrowOnly() && ColWidths(ACol) >= width)) {
        if (OnUpdateColumnSize) OnUpdateColumnSize(this, ACol, width);
        SetColWidths(ACol, LimitSize(width, MinColWidth(), MaxColWidth()));
    }
    if (Padding != 0) SetColWidths(ACol, LimitSize(ColWidths(ACol) + Padding, MinColWidth(), MaxColWidth()));
}

void TExtStringGrid::AutoGrowCol(int ACol, int Padding)
{
    const bool growOnly = SizeGrowOnly();
    SetSizeGrowOnly(true);
    AutoSizeCol(ACol, Padding);
    SetSizeGrowOnly(growOnly);
}

void TExtStringGrid::AutoGrowColumns(bool DoFixedCols, int Padding)
{
    const int first = DoFixedCols ? 0 : FixedCols();
    const int last = DoFixedCols ? ColCount() - 1 : ColCount() - FixedRightCols() - 1;
    for (int c = first; c <= last; ++c) AutoGrowCol(c, Padding);
}

// The tallest text of the row (its lines in the cell's font) plus margins and grid lines.
int TExtStringGrid::AutoSizeRowHeight(int ARow)
{
    gfx::TCanvas& canvas = Canvas();
    int tallest = 0;
    for (int c = 0; c < ColCount(); ++c) {
        if (IsYMergedCell(c, ARow) || IsIgnoredColumn(c)) continue;
        canvas.Font().Assign(ARow < FixedRows() || c < FixedCols() ? FFixedFont.get() : &GetCellFont(c, ARow));
        const std::string text = GetCellEx(c, ARow);
        tallest = std::max(tallest, LineCount(text) * canvas.TextHeight("gh"));
    }
    const int margin = FXYOffset.Y * (XYOffsetTopLeftOnly() ? 1 : 2);
    return margin + tallest + 2 * GridLineWidth() + (XYOffsetTopLeftOnly() ? 2 : 0);
}

void TExtStringGrid::AutoSizeRow(int ARow, int Padding)
{
    if (ARow < 0 || ARow >= RowCount()) return;
    const int height = AutoSizeRowHeight(ARow);
    if (!(SizeGrowOnly() && RowHeights(ARow) >= height))
        SetRowHeights(ARow, LimitSize(height, MinRowHeight(), MaxRowHeight()));
    if (Padding != 0) SetRowHeights(ARow, LimitSize(RowHeights(ARow) + Padding, MinRowHeight(), MaxRowHeight()));
}

// Suppressed rows (height 0) stay suppressed. Without word wrap a row is sized to its count
// of lines in the font of its first normal cell. New heights may make the rows fit or
// overflow, so the scroll bars are set again as ScrollBarAlways asks.
void TExtStringGrid::AutoSizeRows(bool DoFixedRows, int Padding)
{
    if (RowCount() == 0) return;
    const int first = DoFixedRows ? 0 : FixedRows();
    ExportNotification(esExportStart, first);
    gfx::TCanvas& canvas = Canvas();
    for (int r = first; r < RowCount(); ++r) {
        ExportNotification(esExportNextRow, r);
        if (RowHeights(r) == 0) continue;
        if (WordWrap()) {
            AutoSizeRow(r, Padding);
            continue;
        }
        int lines = 1;
        if (Multilinecells())
            for (int c = 0; c < ColCount(); ++c) lines = std::max(lines, LineCount(GetCellEx(c, r)));
        canvas.Font().Assign(&GetCellFont(std::min(FixedCols(), ColCount() - 1), r));
        const int line = canvas.TextHeight("gh");
        SetRowHeights(r, LimitSize(Padding + lines * (line + 2), MinRowHeight(), MaxRowHeight()) + FXYOffset.Y);
    }
    ApplyScrollBarAlways(false);
    ExportNotification(esExportDone, -1);
}

void TExtStringGrid::SizeToCols()
{
    int width = 0;
    for (int c = 0; c < ColCount(); ++c) width += ColWidths(c);
    SetClientWidth(width);
}

void TExtStringGrid::SizeToRows()
{
    int height = 0;
    for (int r = 0; r < RowCount(); ++r) height += RowHeights(r);
    SetClientHeight(height);
}

// Without scroll bars while measuring, so the client size is the cells' size; the setting
// is restored afterwards.
void TExtStringGrid::SizeToCells()
{
    const ui::TScrollStyle bars = ScrollBars();
    SetScrollBars(ui::ssNone);
    SizeToCols();
    SizeToRows();
    SetScrollBars(bars);
}

}  // namespace grid
