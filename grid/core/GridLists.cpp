// Integer lists, sort keys, the cell control list and the line-wise string list of the grid.
#include "grid/core/GridLists.h"

#include <atomic>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/NumberText.h"
#include "platform/ui/Controls.h"

namespace grid {

namespace {
// Creation numbers of integer lists, shared by the whole process.
std::atomic<int> IntListCounter{0};

constexpr std::uint32_t DescendingBit = 0x80000000u;
constexpr std::uint32_t ColumnBits = 0x7FFFFFFFu;

std::uint32_t Bits(int v) { return static_cast<std::uint32_t>(v); }
int FromBits(std::uint32_t v) { return static_cast<int>(v); }
}  // namespace

// ---------------------------------------------------------------- TIntList

TIntList::TIntList(int Col, int Row) : FCol(Col), FRow(Row), FTag(IntListCounter.fetch_add(1)) {}

void TIntList::Changed()
{
    if (OnChange) OnChange(this, FCol, FRow);
}

void TIntList::CheckIndex(int Index, int Limit) const
{
    if (Index < 0 || Index > Limit) rtl::RaiseListIndexError(Index);
}

int TIntList::IndexOf(int Value) const
{
    for (std::size_t i = 0; i < FItems.size(); ++i)
        if (FItems[i] == Value) return static_cast<int>(i);
    return -1;
}

int TIntList::Add(int Value)
{
    FItems.push_back(Value);
    Changed();
    return Count() - 1;
}

void TIntList::Delete(int Index)
{
    CheckIndex(Index, Count() - 1);
    FItems.erase(FItems.begin() + Index);
    Changed();
}

void TIntList::Insert(int Index, int Value)
{
    CheckIndex(Index, Count());
    FItems.insert(FItems.begin() + Index, Value);
}

void TIntList::Insert(int Value)
{
    if (FItems.empty()) {
        Add(Value);
        return;
    }
    Insert(SortedPosOf(Value), Value);
}

void TIntList::DeleteValue(int Value)
{
    int i = IndexOf(Value);
    if (i >= 0) Delete(i);
}

int TIntList::SortedIndexOf(int Value) const
{
    int lo = 0;
    int hi = Count() - 1;
    while (lo <= hi) {
        int mid = lo + (hi - lo) / 2;
        if (Value < FItems[mid]) {
            hi = mid - 1;
        } else if (Value > FItems[mid]) {
            lo = mid + 1;
        } else {
            return mid;
        }
    }
    return -1;
}

int TIntList::SortedPosOf(int Value) const
{
    if (FItems.empty()) return 0;
    int lo = 0;
    int hi = Count() - 1;
    int mid = 0;
    while (lo <= hi) {
        mid = lo + (hi - lo) / 2;
        if (Value < FItems[mid]) {
            hi = mid - 1;
        } else if (Value > FItems[mid]) {
            lo = mid + 1;
        } else {
            break;
        }
    }
    return FItems[mid] < Value ? mid + 1 : mid;
}

int TIntList::GetInteger(int Index) const
{
    CheckIndex(Index, Count() - 1);
    return FItems[Index];
}

void TIntList::SetInteger(int Index, int Value)
{
    CheckIndex(Index, Count() - 1);
    FItems[Index] = Value;
    Changed();
}

std::string TIntList::StrValue() const
{
    std::string text;
    for (std::size_t i = 0; i < FItems.size(); ++i) {
        if (i > 0) text += ',';
        text += std::to_string(FItems[i]);
    }
    return text;
}

void TIntList::SetStrValue(const std::string& Value)
{
    FItems.clear();
    rtl::TStringList pieces;
    pieces.SetCommaText(Value);
    for (int i = 0; i < pieces.Count(); ++i) Add(rtl::StrToInt(pieces[i]));
}

// ---------------------------------------------------------------- TSortIndexList

void TSortIndexList::AddIndex(int ColumnIndex, bool Ascending)
{
    std::uint32_t key = Bits(ColumnIndex) & ColumnBits;
    if (!Ascending) key |= DescendingBit;
    Add(FromBits(key));
}

int TSortIndexList::FindIndex(int ColumnIndex) const
{
    for (int i = 0; i < Count(); ++i)
        if (FromBits(Bits(Values()[i]) & ColumnBits) == ColumnIndex) return i;
    return -1;
}

void TSortIndexList::ToggleIndex(int ColumnIndex)
{
    int i = FindIndex(ColumnIndex);
    if (i >= 0) SetInteger(i, FromBits(Bits(GetInteger(i)) ^ DescendingBit));
}

int TSortIndexList::GetSortColumns(int i) const { return FromBits(Bits(GetInteger(i)) & ColumnBits); }

void TSortIndexList::SetSortColumns(int i, int Value)
{
    std::uint32_t key = (Bits(GetInteger(i)) & DescendingBit) | (Bits(Value) & ColumnBits);
    SetInteger(i, FromBits(key));
}

bool TSortIndexList::GetSortDirections(int i) const { return (Bits(GetInteger(i)) & DescendingBit) == 0; }

void TSortIndexList::SetSortDirections(int i, bool Value)
{
    std::uint32_t key = Bits(GetInteger(i));
    key = Value ? (key & ~DescendingBit) : (key | DescendingBit);
    SetInteger(i, FromBits(key));
}

std::string TSortIndexList::SaveToString() const
{
    std::string text;
    for (int i = 0; i < Count(); ++i) {
        if (i > 0) text += ';';
        std::uint32_t key = Bits(Values()[i]);
        text += (key & DescendingBit) ? 'd' : 'u';
        text += std::to_string(key & 0xFFFFu);
    }
    return text;
}

void TSortIndexList::LoadFromString(const std::string& s)
{
    Clear();
    std::size_t start = 0;
    while (start <= s.size()) {
        std::size_t end = s.find(';', start);
        if (end == std::string::npos) end = s.size();
        std::string piece = s.substr(start, end - start);
        if (piece.size() >= 2) {
            int column = 0;
            if (!rtl::TryStrToInt(piece.substr(1), column)) column = 0;
            AddIndex(column, piece[0] == 'u');
        }
        start = end + 1;
    }
}

// ---------------------------------------------------------------- TControlList

TControlList::TControlList() = default;

TControlList::~TControlList()
{
    while (!FItems.empty()) RemoveControl(0);
}

void TControlList::AddControl(int X, int Y, ui::TControl* AObject)
{
    FItems.push_back(std::make_unique<TControlItem>(X, Y, AObject));
}

int TControlList::ControlIndex(int X, int Y) const
{
    for (std::size_t i = 0; i < FItems.size(); ++i)
        if (FItems[i]->X() == X && FItems[i]->Y() == Y) return static_cast<int>(i);
    return -1;
}

TControlItem* TControlList::GetControl(int i) const
{
    if (i < 0 || i >= Count()) rtl::RaiseListIndexError(i);
    return FItems[i].get();
}

bool TControlList::HasHandle(ui::HWND Handle) const
{
    for (const auto& item : FItems) {
        auto* win = dynamic_cast<ui::TWinControl*>(item->Control());
        if (win == nullptr) continue;
        win->HandleNeeded();
        if (win->Handle() == Handle) return true;
    }
    return false;
}

void TControlList::RemoveControl(int i)
{
    if (i < 0 || i >= Count()) rtl::RaiseListIndexError(i);
    FItems.erase(FItems.begin() + i);
}

void TControlList::ClearControls() { FItems.clear(); }

// ---------------------------------------------------------------- TFileStringList

void TFileStringList::Reset()
{
    fp = 0;
    cache.clear();
}

void TFileStringList::ReadLn(std::string& s)
{
    if (Eof()) rtl::RaiseStringListIndexError(fp);
    s = Get(fp);
    ++fp;
}

void TFileStringList::Write(const std::string& s) { cache += s; }

void TFileStringList::WriteLn(const std::string& s)
{
    Add(cache + s);
    cache.clear();
}

}  // namespace grid
