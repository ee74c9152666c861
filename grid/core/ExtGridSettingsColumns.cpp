// Column layout persistence: the column-state string and column widths and positions in an INI file or the registry.
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridLists.h"
#include "grid/core/GridOptionsRecords.h"
#include "grid/data/ExtGridHiddenColumns.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/IniFiles.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/RegistryIniFile.h"

namespace grid {

namespace {

std::vector<std::string> Split(const std::string& text, char sep)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        std::size_t at = text.find(sep, start);
        parts.push_back(text.substr(start, at == std::string::npos ? std::string::npos : at - start));
        if (at == std::string::npos) return parts;
        start = at + 1;
    }
}

template <typename T>
std::string Join(const std::vector<T>& items)
{
    std::string out;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) out += ',';
        out += rtl::IntToStr(items[i]);
    }
    return out;
}

// The inverse of a permutation: for each position p, the index at which p stands.
std::vector<int> Inverse(const std::vector<int>& order)
{
    std::vector<int> inverse(order.size());
    for (std::size_t i = 0; i < order.size(); ++i) inverse[static_cast<std::size_t>(order[i])] = static_cast<int>(i);
    return inverse;
}

bool IsPermutation(const std::vector<int>& order)
{
    std::vector<bool> seen(order.size(), false);
    for (int v : order) {
        if (v < 0 || v >= static_cast<int>(order.size()) || seen[static_cast<std::size_t>(v)]) return false;
        seen[static_cast<std::size_t>(v)] = true;
    }
    return true;
}

// A column-state text taken apart and checked as a whole.
struct TColumnStates {
    int Count = 0;
    std::vector<int> Widths;       // first Count entries of field 2
    std::vector<int> Order;        // entries of field 3 other than -1, at most Count
    std::vector<bool> Visible;     // first Count entries of field 4
};

[[noreturn]] void BadState(const std::string& value, const std::string& why)
{
    throw rtl::EConvertError("Column state \"" + value + "\": " + why);
}

int StateInt(const std::string& value, const std::string& field, const std::string& text)
{
    int n = 0;
    if (!rtl::TryStrToInt(text, n)) BadState(value, field + ": '" + text + "' is not a valid integer value");
    return n;
}

// Everything is checked before the grid is touched, so a malformed text leaves the
// grid as it was instead of half applied.
TColumnStates ParseColumnStates(const std::string& value)
{
    std::vector<std::string> fields = Split(value, '#');
    if (fields.size() != 4) BadState(value, "expected 4 fields separated by \"#\", found " + std::to_string(fields.size()));
    TColumnStates s;
    s.Count = StateInt(value, "column count", fields[0]);
    if (s.Count < 1) BadState(value, "column count " + fields[0] + " is below 1");
    const std::size_t n = static_cast<std::size_t>(s.Count);

    std::vector<std::string> widths = Split(fields[1], ',');
    if (widths.size() < n) BadState(value, "field 2 has " + std::to_string(widths.size()) + " widths for " + fields[0] + " columns");
    for (std::size_t i = 0; i < n; ++i) {
        int w = StateInt(value, "width", widths[i]);
        if (w < 0) BadState(value, "width " + widths[i] + " is negative");
        s.Widths.push_back(w);
    }

    if (!fields[2].empty()) {
        for (const std::string& e : Split(fields[2], ',')) {
            if (s.Order.size() == n) break;
            int v = StateInt(value, "column order", e);
            if (v != -1) s.Order.push_back(v);
        }
        if (s.Order.size() != n || !IsPermutation(s.Order))
            BadState(value, "field 3 does not give each of the " + fields[0] + " columns one place");
    }

    std::vector<std::string> visible = Split(fields[3], ',');
    if (visible.size() < n) BadState(value, "field 4 has " + std::to_string(visible.size()) + " entries for " + fields[0] + " columns");
    for (std::size_t i = 0; i < n; ++i) s.Visible.push_back(visible[i] != "0");
    return s;
}

// The store ColumnSize points at: an INI file or a key of the registry store.
std::unique_ptr<rtl::TCustomIniFile> OpenColumnStore(const TColumnSize& size)
{
    if (size.Location() == clIniFile) return std::make_unique<rtl::TMemIniFile>(size.Key());
    return std::make_unique<rtl::TRegistryIniFile>(size.Key());
}

}  // namespace

void TExtStringGrid::MoveColumnsToPositions(std::vector<int> Order)
{
    const int n = std::min(static_cast<int>(Order.size()), ColCount());
    for (int i = 0; i < n; ++i) {
        auto it = std::find(Order.begin() + i, Order.begin() + n, i);
        if (it == Order.begin() + n) continue;
        int j = static_cast<int>(it - Order.begin());
        if (j == i) continue;
        MoveColumn(j, i);
        Order.erase(it);
        Order.insert(Order.begin() + i, i);
    }
}

std::string TExtStringGrid::ColumnStatesToString()
{
    const int n = TotalColCount();
    std::vector<int> widths;
    for (int i = 0; i < n; ++i)
        widths.push_back(i < ColCount() ? ColWidths(i) : FHidden->Widths[static_cast<std::size_t>(i - ColCount())]);
    std::vector<int> order = FColumnOrder->Values();
    if (order.empty())
        for (int i = 0; i < n; ++i) order.push_back(i);
    std::vector<int> visible;
    for (int i = 0; i < n; ++i) visible.push_back(IsHiddenColumn(i) ? 0 : 1);
    return rtl::IntToStr(n) + "#" + Join(widths) + "#" + Join(order) + "#" + Join(visible);
}

void TExtStringGrid::StringToColumnStates(const std::string& Value)
{
    if (Value.find('#') == std::string::npos) return;
    const TColumnStates states = ParseColumnStates(Value);

    FColumnOrder->Clear();
    UnHideColumnsAll();
    SetColCount(states.Count);
    if (!states.Order.empty()) {
        MoveColumnsToPositions(Inverse(states.Order));
        for (int v : states.Order) FColumnOrder->Add(v);
    }
    for (int i = states.Count - 1; i >= 0; --i)
        if (!states.Visible[static_cast<std::size_t>(i)]) HideColumn(i);

    const bool stretch = ColumnSize().Stretch();
    ColumnSize().SetStretch(false);
    if (stretch) {
        int sc = ColumnSize().StretchColumn();
        if (sc < 0 || sc >= ColCount()) sc = ColCount() - 1;
        SetDefaultColWidth(ColWidths(sc));
    }
    for (int i = 0; i < ColCount(); ++i) {
        int w = states.Widths[static_cast<std::size_t>(i)];
        if (w != 0)
            SetColWidths(i, w);
        else
            SuppressColumn(i);
    }
    ColumnSize().SetStretch(stretch);
}

void TExtStringGrid::SaveColSizes()
{
    const TColumnSize& size = ColumnSize();
    if (size.Key().empty() || size.Section().empty() || IsDesigning()) return;
    auto store = OpenColumnStore(size);
    for (int i = 0; i < ColCount(); ++i) store->WriteInteger(size.Section(), "Col" + rtl::IntToStr(i), ColWidths(i));
    store->UpdateFile();
}

void TExtStringGrid::LoadColSizes()
{
    const TColumnSize& size = ColumnSize();
    if (size.Key().empty() || size.Section().empty() || IsDesigning()) return;
    auto store = OpenColumnStore(size);
    for (int i = 0; i < ColCount(); ++i) {
        int w = store->ReadInteger(size.Section(), "Col" + rtl::IntToStr(i), ColWidths(i));
        if (w != ColWidths(i)) SetColWidths(i, w);
    }
    store->UpdateFile();
}

void TExtStringGrid::SaveColPositions()
{
    const TColumnSize& size = ColumnSize();
    if (size.Key().empty() || size.Section().empty() || IsDesigning()) return;
    auto store = OpenColumnStore(size);
    for (int i = 0; i < FColumnOrder->Count(); ++i)
        store->WriteInteger(size.Section(), "Pos" + rtl::IntToStr(i), FColumnOrder->GetInteger(i));
    store->UpdateFile();
}

void TExtStringGrid::LoadColPositions()
{
    const TColumnSize& size = ColumnSize();
    if (size.Key().empty() || size.Section().empty() || IsDesigning()) return;
    auto store = OpenColumnStore(size);
    if (store->ReadInteger(size.Section(), "Pos0", -1) == -1) return;

    std::vector<int> order;
    for (int i = 0; i < TotalColCount(); ++i) {
        int v = store->ReadInteger(size.Section(), "Pos" + rtl::IntToStr(i), -1);
        if (v != -1) order.push_back(v);
    }
    // Checked before any column moves: a stored order that does not place every column
    // of this grid once is reported instead of half applied.
    if (static_cast<int>(order.size()) != TotalColCount() || !IsPermutation(order))
        throw rtl::EConvertError("Column positions in " + size.Key() + " [" + size.Section() + "]: \"" + Join(order) +
                                 "\" does not give each of the " + rtl::IntToStr(TotalColCount()) +
                                 " columns one place");

    std::vector<int> hidden = FHidden->Real;
    UnHideColumnsAll();
    MoveColumnsToPositions(Inverse(order));
    for (auto it = hidden.rbegin(); it != hidden.rend(); ++it) HideColumn(*it);
    FColumnOrder->Clear();
    for (int v : order) FColumnOrder->Add(v);
}

}  // namespace grid
