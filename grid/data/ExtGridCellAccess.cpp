// The string grid's cell access by real row and column, plain texts, hyperlinks and per-cell formatting.
#include <algorithm>
#include <string>
#include <string_view>

#include "grid/core/ExtGrid.h"
#include "grid/data/ExtGridHiddenColumns.h"
#include "grid/data/ExtGridHiddenRows.h"
#include "grid/foundation/EsgHTMLEUtil.h"
#include "platform/gfx/GraphicsObjects.h"
#include "platform/rtl/StrUtils.h"

namespace grid {

// ----- real rows and columns

int TExtStringGrid::DisplayedRowOf(int ARow, TGridItem*& Item)
{
    Item = nullptr;
    for (int i = 0; i < GridItemCount(); ++i) {
        if (GridItems(i).Idx() == ARow) {
            Item = &GridItems(i);
            return -1;
        }
    }
    return RemapRowRealToDispl(ARow);
}

namespace {

// Value × Numerator / Denominator rounded to the nearest integer, halves away from zero.
int MulDiv(int Value, int Numerator, int Denominator)
{
    const long long p = static_cast<long long>(Value) * Numerator;
    const long long half = Denominator / 2;
    return static_cast<int>(p >= 0 ? (p + half) / Denominator : (p - half) / Denominator);
}

void PadItems(TGridItem& Item, int ACol)
{
    while (Item.Items().Count() <= ACol) Item.Items().Add("");
}

}  // namespace

// A hidden row's record holds its texts in real column order, hidden columns included. Its
// text goes through the display-text event as a shown row's does, with the real column and
// row; the grid's own decorations of shown rows (group counts, links) need a displayed row
// and are left out.
std::string TExtStringGrid::AllCells(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0) return {};
    TGridItem* item = nullptr;
    const int row = DisplayedRowOf(ARow, item);
    if (item == nullptr) return GetCellEx(DisplColIndex(ACol), row);
    PadItems(*item, ACol);
    std::string text = item->Items().Get(ACol);
    TBaseGrid::GetDisplText(ACol, ARow, text);
    return text;
}

void TExtStringGrid::SetAllCells(int ACol, int ARow, const std::string& Value)
{
    if (ACol < 0 || ARow < 0) return;
    TGridItem* item = nullptr;
    const int row = DisplayedRowOf(ARow, item);
    if (item == nullptr) {
        SetCellEx(DisplColIndex(ACol), row, Value);
        return;
    }
    PadItems(*item, ACol);
    item->Items().Put(ACol, Value);
}

std::string TExtStringGrid::AllGridCells(int ACol, int ARow)
{
    TGridItem* item = nullptr;
    const int row = DisplayedRowOf(ARow, item);
    if (item == nullptr) return GetGridCell(DisplColIndex(ACol), row);
    return item->Items().Get(ACol);
}

void TExtStringGrid::SetAllGridCells(int ACol, int ARow, const std::string& Value)
{
    TGridItem* item = nullptr;
    const int row = DisplayedRowOf(ARow, item);
    if (item == nullptr)
        SetGridCell(DisplColIndex(ACol), row, Value);
    else
        item->Items().Put(ACol, Value);
}

// Displayed column d is stored at d, so its text is the text of its real column.
std::string TExtStringGrid::RealCells(int ACol, int ARow) { return GetCellEx(ACol, ARow); }

void TExtStringGrid::SetRealCells(int ACol, int ARow, const std::string& Value) { SetCellEx(ACol, ARow, Value); }

int TExtStringGrid::AllColWidths(int ACol)
{
    if (IsHiddenColumn(ACol)) {
        const auto& real = FHidden->Real;
        return FHidden->Widths[static_cast<std::size_t>(std::lower_bound(real.begin(), real.end(), ACol) - real.begin())];
    }
    return ColWidths(DisplColIndex(ACol));
}

void TExtStringGrid::SetAllColWidths(int ACol, int Value)
{
    if (IsHiddenColumn(ACol)) {
        const auto& real = FHidden->Real;
        FHidden->Widths[static_cast<std::size_t>(std::lower_bound(real.begin(), real.end(), ACol) - real.begin())] = Value;
        return;
    }
    SetColWidths(DisplColIndex(ACol), Value);
}

// ----- plain text and links

// Rich text gives its characters; any other text loses its HTML tags.
std::string TExtStringGrid::StrippedCells(int ACol, int ARow)
{
    const std::string text = GetCellEx(ACol, ARow);
    if (IsRichCellText(text)) return RichPlainText(text);
    return StripHtmlTags(text);
}

namespace {

struct TLink {
    std::string Url;
    std::size_t Start = std::string::npos;
    std::size_t End = std::string::npos;
    bool EndsAtDoubleQuote = false;
};

// The first prefix of the list found in the lower-cased text decides; the link runs to the
// first double quote after it, else to the first single quote, else to the end.
TLink FindLink(const std::string& Text)
{
    static constexpr std::string_view Prefixes[] = {"file://", "http://", "https://", "ftp://",
                                                    "ftps://", "nntp://", "mailto:"};
    const std::string lower = rtl::LowerCase(Text);
    TLink link;
    for (std::string_view prefix : Prefixes) {
        const std::size_t at = lower.find(prefix);
        if (at == std::string::npos) continue;
        std::string rest = lower.substr(at);
        std::size_t end = rest.find('"');
        link.EndsAtDoubleQuote = end != std::string::npos;
        if (end == std::string::npos) end = rest.find('\'');
        link.Url = rest.substr(0, end);
        link.Start = at;
        link.End = end == std::string::npos ? std::string::npos : at + end;
        return link;
    }
    return link;
}

}  // namespace

std::string TExtStringGrid::Hyperlink(int ACol, int ARow) { return FindLink(GetCellEx(ACol, ARow)).Url; }

bool TExtStringGrid::HasHyperlink(int ACol, int ARow)
{
    const std::string text = GetCellEx(ACol, ARow);
    return text.find("://") != std::string::npos || text.find("mailto:") != std::string::npos;
}

// Text is the anchor's caption, after the ">" that follows the link's closing quote up to
// the next "<"; empty unless the link ended at a double quote.
void TExtStringGrid::GetHyperlinkDetails(int ACol, int ARow, std::string& URL, std::string& Text)
{
    const std::string text = GetCellEx(ACol, ARow);
    const TLink link = FindLink(text);
    URL = link.Url;
    Text.clear();
    if (!link.EndsAtDoubleQuote) return;
    const std::size_t open = text.find('>', link.End);
    if (open == std::string::npos) return;
    const std::size_t close = text.find('<', open + 1);
    Text = text.substr(open + 1, close == std::string::npos ? std::string::npos : close - open - 1);
}

int TExtStringGrid::LinesInCell(int ACol, int ARow)
{
    const std::string text = GetCellEx(ACol, ARow);
    int lines = 1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        if (text[i] == '\r' || text[i] == '\n') ++lines;
    }
    return lines;
}

// ----- per-cell formatting

gfx::TColor TExtStringGrid::Colors(int ACol, int ARow) const
{
    return HasCellProperties(ACol, ARow) ? GetCellPropsDirect(ACol, ARow)->BrushColor() : clGridNone;
}

void TExtStringGrid::SetColors(int ACol, int ARow, gfx::TColor Value)
{
    GetCellProperties(ACol, ARow)->SetBrushColor(Value);
    if (UpdateCount() == 0) RepaintCell(ACol, ARow);
}

gfx::TColor TExtStringGrid::ColorsTo(int ACol, int ARow) const
{
    return HasCellProperties(ACol, ARow) ? GetCellPropsDirect(ACol, ARow)->BrushColorTo() : clGridNone;
}

void TExtStringGrid::SetColorsTo(int ACol, int ARow, gfx::TColor Value)
{
    GetCellProperties(ACol, ARow)->SetBrushColorTo(Value);
    RepaintCell(ACol, ARow);
}

TCellGradientDirection TExtStringGrid::Gradients(int ACol, int ARow) const
{
    return HasCellProperties(ACol, ARow) ? GetCellPropsDirect(ACol, ARow)->GradientDirection() : GradientVertical;
}

void TExtStringGrid::SetGradients(int ACol, int ARow, TCellGradientDirection Value)
{
    GetCellProperties(ACol, ARow)->SetGradientDirection(Value);
    RepaintCell(ACol, ARow);
}

gfx::TColor TExtStringGrid::FontColors(int ACol, int ARow) const
{
    return HasCellProperties(ACol, ARow) ? GetCellPropsDirect(ACol, ARow)->FontColor() : clGridNone;
}

void TExtStringGrid::SetFontColors(int ACol, int ARow, gfx::TColor Value)
{
    GetCellProperties(ACol, ARow)->SetFontColor(Value);
    if (UpdateCount() == 0) RepaintCell(ACol, ARow);
}

gfx::TFontStyles TExtStringGrid::FontStyles(int ACol, int ARow) const
{
    return HasCellProperties(ACol, ARow) ? GetCellPropsDirect(ACol, ARow)->FontStyle() : gfx::TFontStyles{};
}

void TExtStringGrid::SetFontStyles(int ACol, int ARow, gfx::TFontStyles Value)
{
    GetCellProperties(ACol, ARow)->SetFontStyle(Value);
    if (UpdateCount() == 0) RepaintCell(ACol, ARow);
}

std::string TExtStringGrid::FontNames(int ACol, int ARow) const
{
    if (HasCellProperties(ACol, ARow) && !GetCellPropsDirect(ACol, ARow)->FontName().empty())
        return GetCellPropsDirect(ACol, ARow)->FontName();
    return Font().Name();
}

void TExtStringGrid::SetFontNames(int ACol, int ARow, const std::string& Value)
{
    GetCellProperties(ACol, ARow)->SetFontName(Value);
    if (UpdateCount() == 0) RepaintCell(ACol, ARow);
}

// Sizes in points from font heights in pixels (negative: character height) and back, at the
// screen's 96 pixels per inch, rounded by multiply-divide.
int TExtStringGrid::FontSizes(int ACol, int ARow)
{
    int height = Font().Height();
    if (HasCellProperties(ACol, ARow) && GetCellPropsDirect(ACol, ARow)->FontSize() != 0)
        height = GetCellPropsDirect(ACol, ARow)->FontSize();
    return MulDiv(-height, 72, gfx::ScreenPixelsPerInch);
}

void TExtStringGrid::SetFontSizes(int ACol, int ARow, int Value)
{
    GetCellProperties(ACol, ARow)->SetFontSize(-MulDiv(Value, gfx::ScreenPixelsPerInch, 72));
    if (UpdateCount() == 0) RepaintCell(ACol, ARow);
}

ui::TAlignment TExtStringGrid::Alignments(int ACol, int ARow) const
{
    return HasCellProperties(ACol, ARow) ? GetCellPropsDirect(ACol, ARow)->Alignment() : ui::taLeftJustify;
}

void TExtStringGrid::SetAlignments(int ACol, int ARow, ui::TAlignment Value)
{
    GetCellProperties(ACol, ARow)->SetAlignment(Value);
    if (UpdateCount() == 0) RepaintCell(ACol, ARow);
}

bool TExtStringGrid::CellReadOnly(int ACol, int ARow) const
{
    return HasCellProperties(ACol, ARow) && GetCellPropsDirect(ACol, ARow)->ReadOnly();
}

void TExtStringGrid::SetCellReadOnly(int ACol, int ARow, bool Value)
{
    GetCellProperties(ACol, ARow)->SetReadOnly(Value);
    if (UpdateCount() == 0) RepaintCell(ACol, ARow);
}

bool TExtStringGrid::WordWraps(int ACol, int ARow) { return GetCellProperties(ACol, ARow)->WordWrap(); }

void TExtStringGrid::SetWordWraps(int ACol, int ARow, bool Value)
{
    GetCellProperties(ACol, ARow)->SetWordWrap(Value);
    if (UpdateCount() == 0) RepaintCell(ACol, ARow);
}

// ----- row colours

namespace {

enum class TRowColorKind { Background, BackgroundTo, Font };

}  // namespace

// A colour goes into every cell of the row from the first normal column, hidden columns
// included. clNone takes it back: a cell whose properties carry more than colours (a
// graphic, a user object, a merge) keeps them with the colour cleared; other cells return
// to the grid's defaults. A font colour of clNone spares cells that have a background.
static void ApplyRowColor(TExtStringGrid& Grid, int ARow, gfx::TColor Value, TRowColorKind Kind)
{
    for (int c = Grid.FixedCols(); c < Grid.TotalColCount(); ++c) {
        if (Value != clGridNone) {
            TCellProperties* p = Grid.GetCellProperties(c, ARow);
            if (Kind == TRowColorKind::Background) p->SetBrushColor(Value);
            else if (Kind == TRowColorKind::BackgroundTo) p->SetBrushColorTo(Value);
            else p->SetFontColor(Value);
            continue;
        }
        if (!Grid.HasCellProperties(c, ARow)) continue;
        TCellProperties* p = Grid.GetCellPropsDirect(c, ARow);
        const bool keeps = p->GraphicObject() != nullptr || p->CellObject() != 0 || Grid.IsMergedCell(c, ARow);
        if (Kind == TRowColorKind::Font && p->BrushColor() != clGridNone) continue;
        if (keeps) {
            if (Kind == TRowColorKind::Background) p->SetBrushColor(clGridNone);
            else if (Kind == TRowColorKind::BackgroundTo) p->SetBrushColorTo(clGridNone);
            continue;
        }
        Grid.FreeCellPropertiesAt(c, ARow);
    }
    Grid.RepaintRect(rtl::TRect{0, ARow, Grid.ColCount() - 1, ARow});
}

void TExtStringGrid::SetRowColor(int ARow, gfx::TColor Value) { ApplyRowColor(*this, ARow, Value, TRowColorKind::Background); }

void TExtStringGrid::SetRowColorTo(int ARow, gfx::TColor Value)
{
    ApplyRowColor(*this, ARow, Value, TRowColorKind::BackgroundTo);
}

void TExtStringGrid::SetRowFontColor(int ARow, gfx::TColor Value)
{
    ApplyRowColor(*this, ARow, Value, TRowColorKind::Font);
}

}  // namespace grid
