// Bulk fills of the string grid, the distinct values of a column, swapping two cells and formatting a rectangle of cells.
#include <cstdint>
#include <cstring>
#include <deque>
#include <functional>
#include <random>
#include <string_view>
#include <typeinfo>
#include <string>
#include <unordered_set>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptionsMisc.h"
#include "grid/data/ExtGridHiddenRows.h"
#include "platform/gfx/GraphicsObjects.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/StrUtils.h"

namespace grid {

namespace {

struct TFillArea {
    int Left, Top, Right, Bottom;
};

}  // namespace

template <typename TWrite>
void TExtStringGrid::FillCells(bool DoFixed, TWrite&& Write)
{
    const TFillArea a = DoFixed ? TFillArea{0, 0, ColCount() - 1, RowCount() - 1}
                                : TFillArea{FixedCols(), FixedRows(), ColCount() - FixedRightCols() - 1,
                                            RowCount() - FixedFooters() - 1};
    for (int r = a.Top; r <= a.Bottom; ++r)
        for (int c = a.Left; c <= a.Right; ++c) Write(c, r);
    RecalcAllFooters();
}

void TExtStringGrid::TextFill(bool DoFixed, const std::string& Txt)
{
    FillCells(DoFixed, [&](int c, int r) { SetCellEx(c, r, Txt); });
}

void TExtStringGrid::FormatFill(bool DoFixed, const std::string& Fmt)
{
    FillCells(DoFixed, [&](int c, int r) { SetCellEx(c, r, rtl::Format(Fmt, {c, r})); });
}

void TExtStringGrid::RandomFill(bool DoFixed, int Rnd)
{
    std::mt19937 generator(std::random_device{}());
    std::uniform_int_distribution<int> draw(0, std::max(Rnd, 1) - 1);
    FillCells(DoFixed, [&](int c, int r) { SetInts(c, r, draw(generator)); });
}

void TExtStringGrid::LinearFill(bool DoFixed)
{
    FillCells(DoFixed, [&](int c, int r) { SetCellEx(c, r, std::to_string(c) + ":" + std::to_string(r)); });
}

namespace {

// The texts met while a column is scanned, as views of texts that stay put during the scan
// (the stored cells, or copies kept here). A column repeats a few values over many rows, so
// nearly every look-up is a hit: an open-addressed table with a word-at-a-time hash answers
// it in a few instructions where a node-based set hashes byte by byte and chases pointers.
class TSeenTexts {
public:
    TSeenTexts() : FSlots(64), FMask(63) {}

    // True when the text had not been met before; it is then remembered (copied unless
    // Stable says that the view outlives the scan).
    bool Insert(std::string_view text, bool Stable)
    {
        const std::uint64_t hash = Hash(text);
        std::size_t i = hash & FMask;
        while (FSlots[i].Used) {
            if (FSlots[i].Hash == hash && FSlots[i].Text == text) return false;
            i = (i + 1) & FMask;
        }
        if (!Stable) text = FOwned.emplace_back(text);
        FSlots[i] = TSlot{text, hash, true};
        if (++FCount * 2 > FSlots.size()) Grow();
        return true;
    }

private:
    struct TSlot {
        std::string_view Text;
        std::uint64_t Hash = 0;
        bool Used = false;
    };

    static std::uint64_t Mix(std::uint64_t h, std::uint64_t word)
    {
        h ^= word;
        h *= 0x9E3779B97F4A7C15ull;
        return h ^ (h >> 29);
    }

    // The last up to eight bytes, gathered byte by byte: a copy of a variable length would
    // be a library call per text, and most texts of a column are this short.
    static std::uint64_t Tail(const char* p, std::size_t n)
    {
        std::uint64_t word = 0;
        for (std::size_t k = 0; k < n; ++k) word |= std::uint64_t(static_cast<unsigned char>(p[k])) << (8 * k);
        return word;
    }

    static std::uint64_t Hash(std::string_view text)
    {
        std::uint64_t h = text.size();
        std::size_t i = 0;
        for (; i + 8 <= text.size(); i += 8) {
            std::uint64_t word;
            std::memcpy(&word, text.data() + i, 8);
            h = Mix(h, word);
        }
        return Mix(h, Tail(text.data() + i, text.size() - i));
    }

    void Grow()
    {
        std::vector<TSlot> old(FSlots.size() * 2);
        old.swap(FSlots);
        FMask = FSlots.size() - 1;
        for (const TSlot& s : old) {
            if (!s.Used) continue;
            std::size_t i = s.Hash & FMask;
            while (FSlots[i].Used) i = (i + 1) & FMask;
            FSlots[i] = s;
        }
    }

    std::vector<TSlot> FSlots;
    std::size_t FMask;
    std::size_t FCount = 0;
    std::deque<std::string> FOwned;  // copies of texts that do not outlive the scan
};

}  // namespace

// The first value met of each key is kept; the list comes back sorted. Without
// CaseSensitive values that differ only in case are one value.
std::unique_ptr<rtl::TStringList> TExtStringGrid::DistinctValues(int ACol, bool CaseSensitive)
{
    TSeenTexts seen;  // every text met, as met
    std::unordered_set<std::string> keys;
    std::vector<std::string> values;
    // A column repeats its values: a text met before needs no key of its own.
    auto take = [&](std::string_view value, bool stable) {
        if (!seen.Insert(value, stable)) return;
        std::string text(value);
        if (keys.insert(CaseSensitive ? text : rtl::AnsiUpperCase(text)).second) values.push_back(std::move(text));
    };
    // When nothing between the store and the saved text can change it (no display or save
    // hooks, formats, links, group counts, merged or property cells, and this very class),
    // a plain stored text is its own save text and is looked at where it lies.
    const bool storedIsSaved = typeid(*this) == typeid(TExtStringGrid) && !OnGetDisplText && !OnGetDisplWideText &&
                               !OnGetFloatFormat && !OnSaveCell && !URLShowInText() && !Grouping().ShowGroupCount();
    const int lastRow = RowCount() - FixedFooters() - 1;
    int next = FixedRows();  // the first row not looked at yet
    auto takeSaved = [&](int r) { take(SaveCellText(ACol, r), false); };
    if (storedIsSaved && next <= lastRow) {
        ScanColumnCells(ACol, next, lastRow, [&](int r, const std::string& stored, rtl::TObject* props) {
            for (; next < r; ++next) takeSaved(next);
            next = r + 1;
            const bool plain = props == nullptr && !stored.empty() && stored[0] != '{' && stored[0] != '=' &&
                               stored[0] != '|' && stored.find('<') == std::string::npos;
            if (plain) take(stored, true);
            else takeSaved(r);
        });
    }
    for (; next <= lastRow; ++next) takeSaved(next);
    const int rc = RealColIndex(ACol);
    for (int i = 0; i < GridItemCount(); ++i) {
        const rtl::TStringList& items = GridItems(i).Items();
        take(rtl::Trim(rc >= 0 && rc < items.Count() ? items.Get(rc) : std::string()), false);
    }
    auto result = std::make_unique<rtl::TStringList>();
    result->SetCaseSensitive(CaseSensitive);
    result->SetDuplicates(rtl::dupIgnore);
    for (std::string& v : values) result->Add(v);
    result->SetSorted(true);
    return result;
}

void TExtStringGrid::SwapCells(const ui::TGridCoord& FromCell, const ui::TGridCoord& ToCell)
{
    const std::string fromText = GetGridCell(FromCell.X, FromCell.Y);
    SetGridCell(FromCell.X, FromCell.Y, GetGridCell(ToCell.X, ToCell.Y));
    SetGridCell(ToCell.X, ToCell.Y, fromText);
    TCellProperties* fromProps = GetCellPropsDirect(FromCell.X, FromCell.Y);
    SetCellPropsDirect(FromCell.X, FromCell.Y, GetCellPropsDirect(ToCell.X, ToCell.Y));
    SetCellPropsDirect(ToCell.X, ToCell.Y, fromProps);
}

// --- formatting a rectangle: columns outside, rows inside, each changed cell repainted

template <typename TVisit>
void TExtStringGrid::ForEachCellIn(const ui::TGridRect& GridRect, TVisit&& Visit)
{
    for (int c = GridRect.Left; c <= GridRect.Right; ++c)
        for (int r = GridRect.Top; r <= GridRect.Bottom; ++r) Visit(c, r);
}

template <typename TChange>
void TExtStringGrid::ChangeCellsIn(const ui::TGridRect& GridRect, TChange&& Change)
{
    ForEachCellIn(GridRect, [&](int c, int r) {
        Change(*GetCellProperties(c, r));
        RepaintCell(c, r);
    });
}

void TExtStringGrid::SetFontStyle(const ui::TGridRect& GridRect, gfx::TFontStyle AStyle, bool DoSet)
{
    ChangeCellsIn(GridRect, [&](TCellProperties& p) {
        gfx::TFontStyles styles = p.FontStyle();
        p.SetFontStyle(DoSet ? styles.Include(AStyle) : styles.Exclude(AStyle));
    });
}

bool TExtStringGrid::IsFontStyle(const ui::TGridRect& GridRect, gfx::TFontStyle AStyle)
{
    bool all = true;
    ForEachCellIn(GridRect, [&](int c, int r) {
        const TCellProperties* p = GetCellPropsDirect(c, r);
        if (p == nullptr || !p->FontStyle().Contains(AStyle)) all = false;
    });
    return all;
}

void TExtStringGrid::SetCellColor(const ui::TGridRect& GridRect, gfx::TColor AColor)
{
    ChangeCellsIn(GridRect, [&](TCellProperties& p) { p.SetBrushColor(AColor); });
}

void TExtStringGrid::SetCellTextColor(const ui::TGridRect& GridRect, gfx::TColor AColor)
{
    ChangeCellsIn(GridRect, [&](TCellProperties& p) { p.SetFontColor(AColor); });
}

void TExtStringGrid::SetCellFontName(const ui::TGridRect& GridRect, const std::string& AFontName)
{
    ChangeCellsIn(GridRect, [&](TCellProperties& p) { p.SetFontName(AFontName); });
}

// The property object keeps the font height; the size in points is turned into it as the
// font does.
void TExtStringGrid::SetCellFontSize(const ui::TGridRect& GridRect, int AFontSize)
{
    gfx::TFont font;
    font.SetSize(AFontSize);
    const int height = font.Height();
    ChangeCellsIn(GridRect, [&](TCellProperties& p) { p.SetFontSize(height); });
}

void TExtStringGrid::SetAlignment(const ui::TGridRect& GridRect, ui::TAlignment AAlignment)
{
    ChangeCellsIn(GridRect, [&](TCellProperties& p) { p.SetAlignment(AAlignment); });
}

bool TExtStringGrid::IsAlignment(const ui::TGridRect& GridRect, ui::TAlignment AAlignment)
{
    bool all = true;
    ForEachCellIn(GridRect, [&](int c, int r) {
        const TCellProperties* p = GetCellPropsDirect(c, r);
        const ui::TAlignment a = p != nullptr ? p->Alignment() : GetDefaultAlignment();
        if (a != AAlignment) all = false;
    });
    return all;
}

}  // namespace grid
