// Sparse cell store of the string grid: chunked row sequence, column map, axis size lists.
#include "platform/ui/GridsCells.h"

#include <algorithm>

#include "platform/rtl/Exceptions.h"

namespace ui {

// --- TGridRowSequence ---

int TGridRowSequence::Locate(int i) const
{
    // Chunks hold kChunk rows each until rows are inserted or removed, so the chunk a row
    // would have in full chunks is tried first; the search runs only when it misses.
    const int chunks = static_cast<int>(FStarts.size());
    const int guess = std::min(i / kChunk, chunks - 1);
    if (guess >= 0 && FStarts[guess] <= i && (guess + 1 == chunks || i < FStarts[guess + 1])) return guess;
    auto it = std::upper_bound(FStarts.begin(), FStarts.end(), i);
    return static_cast<int>(it - FStarts.begin()) - 1;
}

TGridRowCells& TGridRowSequence::At(int i)
{
    int k = Locate(i);
    return FChunks[k][i - FStarts[k]];
}

const TGridRowCells& TGridRowSequence::At(int i) const
{
    int k = Locate(i);
    return FChunks[k][i - FStarts[k]];
}

void TGridRowSequence::Restart(std::size_t fromChunk)
{
    FStarts.resize(FChunks.size());
    int start = fromChunk == 0 ? 0 : FStarts[fromChunk - 1] + static_cast<int>(FChunks[fromChunk - 1].size());
    for (std::size_t k = fromChunk; k < FChunks.size(); ++k) {
        FStarts[k] = start;
        start += static_cast<int>(FChunks[k].size());
    }
}

void TGridRowSequence::EnsureSize(int n)
{
    while (FSize < n) {
        if (FChunks.empty() || static_cast<int>(FChunks.back().size()) >= kChunk) {
            FChunks.emplace_back();
            FChunks.back().reserve(kChunk);
            FStarts.push_back(FSize);
        }
        auto& last = FChunks.back();
        int add = std::min(n - FSize, kChunk - static_cast<int>(last.size()));
        last.resize(last.size() + add);
        FSize += add;
    }
}

void TGridRowSequence::Insert(int i, TGridRowCells&& row)
{
    if (i >= FSize) {
        EnsureSize(i);
        EnsureSize(i + 1);
        At(i) = std::move(row);
        return;
    }
    std::size_t k = static_cast<std::size_t>(Locate(i));
    auto& chunk = FChunks[k];
    chunk.insert(chunk.begin() + (i - FStarts[k]), std::move(row));
    ++FSize;
    if (static_cast<int>(chunk.size()) > 2 * kChunk) {
        std::vector<TGridRowCells> tail(std::make_move_iterator(chunk.begin() + kChunk),
                                        std::make_move_iterator(chunk.end()));
        chunk.resize(kChunk);
        FChunks.insert(FChunks.begin() + static_cast<long>(k) + 1, std::move(tail));
    }
    Restart(k);
}

TGridRowCells TGridRowSequence::Erase(int i)
{
    std::size_t k = static_cast<std::size_t>(Locate(i));
    auto& chunk = FChunks[k];
    auto it = chunk.begin() + (i - FStarts[k]);
    TGridRowCells row = std::move(*it);
    chunk.erase(it);
    --FSize;
    if (chunk.empty()) {
        FChunks.erase(FChunks.begin() + static_cast<long>(k));
        Restart(k == 0 ? 0 : k - 1);
    } else {
        Restart(k);
    }
    return row;
}

// A block leaves whole chunks as they are: the chunks it covers go, the two it cuts are
// trimmed, and the starts are counted again once.
std::vector<TGridRowCells> TGridRowSequence::EraseRange(int i, int n)
{
    std::vector<TGridRowCells> taken;
    if (n <= 0) return taken;
    taken.reserve(static_cast<std::size_t>(n));
    std::size_t k = static_cast<std::size_t>(Locate(i));
    const std::size_t first = k;
    int offset = i - FStarts[k];
    int left = n;
    while (left > 0) {
        auto& chunk = FChunks[k];
        const int take = std::min(left, static_cast<int>(chunk.size()) - offset);
        auto from = chunk.begin() + offset;
        taken.insert(taken.end(), std::make_move_iterator(from), std::make_move_iterator(from + take));
        chunk.erase(from, from + take);
        left -= take;
        offset = 0;
        ++k;
    }
    FSize -= n;
    auto emptyChunk = [](const std::vector<TGridRowCells>& chunk) { return chunk.empty(); };
    FChunks.erase(std::remove_if(FChunks.begin() + static_cast<long>(first), FChunks.begin() + static_cast<long>(k), emptyChunk),
                  FChunks.begin() + static_cast<long>(k));
    // The halves a block insertion split apart meet again here: joined, repeated insertions
    // and removals do not leave the sequence in ever smaller chunks.
    if (first + 1 < FChunks.size()) JoinIfSmall(first);
    if (first > 0 && first < FChunks.size()) JoinIfSmall(first - 1);
    Restart(first == 0 ? 0 : first - 1);
    return taken;
}

void TGridRowSequence::JoinIfSmall(std::size_t k)
{
    auto& head = FChunks[k];
    auto& tail = FChunks[k + 1];
    if (head.size() + tail.size() > static_cast<std::size_t>(kChunk)) return;
    head.insert(head.end(), std::make_move_iterator(tail.begin()), std::make_move_iterator(tail.end()));
    FChunks.erase(FChunks.begin() + static_cast<long>(k) + 1);
}

// The block goes in as chunks of its own between the two halves of the chunk it cuts.
void TGridRowSequence::InsertRange(int i, std::vector<TGridRowCells>&& rows)
{
    if (rows.empty()) return;
    if (i >= FSize) EnsureSize(i);
    const int n = static_cast<int>(rows.size());
    std::size_t k = FChunks.size();
    if (i < FSize) {
        k = static_cast<std::size_t>(Locate(i));
        const int offset = i - FStarts[k];
        if (offset > 0) {
            auto& chunk = FChunks[k];
            std::vector<TGridRowCells> tail(std::make_move_iterator(chunk.begin() + offset),
                                            std::make_move_iterator(chunk.end()));
            chunk.resize(static_cast<std::size_t>(offset));
            ++k;
            FChunks.insert(FChunks.begin() + static_cast<long>(k), std::move(tail));
        }
    }
    std::vector<std::vector<TGridRowCells>> block;
    for (int start = 0; start < n; start += kChunk) {
        const int end = std::min(n, start + kChunk);
        block.emplace_back(std::make_move_iterator(rows.begin() + start), std::make_move_iterator(rows.begin() + end));
    }
    FChunks.insert(FChunks.begin() + static_cast<long>(k), std::make_move_iterator(block.begin()),
                   std::make_move_iterator(block.end()));
    FSize += n;
    Restart(k == 0 ? 0 : k - 1);
}

// The rows of the range are moved out once and moved back in their new order.
void TGridRowSequence::Permute(int left, const std::vector<int>& order)
{
    const int n = static_cast<int>(order.size());
    std::vector<TGridRowCells> old;
    old.reserve(order.size());
    ForEachIn(left, left + n - 1, [&old](int, TGridRowCells& row) { old.push_back(std::move(row)); });
    ForEachIn(left, left + n - 1, [&](int r, TGridRowCells& row) {
        row = std::move(old[static_cast<std::size_t>(order[static_cast<std::size_t>(r - left)] - left)]);
    });
}

// --- TGridRowCells ---

// Rows widen exactly to what they are asked for within the grid's width, and by half their
// width beyond it, so that a row filled column by column past its first width does not
// reallocate at every cell.
void TGridRowCells::Widen(int width)
{
    if (width <= Width()) return;
    if (static_cast<std::size_t>(width) > FTexts.capacity()) {
        const std::size_t grown = FTexts.empty() ? 0 : FTexts.size() + FTexts.size() / 2;
        FTexts.reserve(std::max(static_cast<std::size_t>(width), grown));
    }
    FTexts.resize(static_cast<std::size_t>(width));
}

std::string& TGridRowCells::TextSlot(int p, int minWidth)
{
    if (p >= Width()) {
        // A very wide grid's rows start at what they hold: its rows are seldom full.
        constexpr int widestPreset = 256;
        const int width = std::max(p + 1, std::min(minWidth, widestPreset));
        if (FTexts.empty()) FTexts.reserve(static_cast<std::size_t>(width));
        Widen(width);
    }
    return FTexts[static_cast<std::size_t>(p)];
}

void TGridRowCells::SetObjectAt(int p, rtl::TObject* value)
{
    if (value == nullptr) {
        if (FObjects != nullptr && p < static_cast<int>(FObjects->size()))
            (*FObjects)[static_cast<std::size_t>(p)] = nullptr;
        return;
    }
    Widen(p + 1);
    if (FObjects == nullptr) FObjects = std::make_unique<std::vector<rtl::TObject*>>();
    if (p >= static_cast<int>(FObjects->size())) FObjects->resize(static_cast<std::size_t>(p) + 1, nullptr);
    (*FObjects)[static_cast<std::size_t>(p)] = value;
}

void TGridRowCells::ClearAt(int p)
{
    if (p < Width()) std::string().swap(FTexts[static_cast<std::size_t>(p)]);
    SetObjectAt(p, nullptr);
}

std::size_t TGridRowCells::FilledCount() const
{
    std::size_t n = 0;
    for (int p = 0; p < Width(); ++p)
        if (Filled(p)) ++n;
    return n;
}

std::size_t TGridRowCells::MemoryBytes() const
{
    std::size_t bytes = FTexts.capacity() * sizeof(std::string);
    for (const std::string& text : FTexts)
        if (text.capacity() > 15) bytes += text.capacity() + 1;
    if (FObjects != nullptr) bytes += sizeof(*FObjects) + FObjects->capacity() * sizeof(rtl::TObject*);
    return bytes;
}

// --- TGridCellStore ---

namespace {
const std::string EmptyText;
}  // namespace

void TGridCellStore::CheckIndex(int c, int r)
{
    if (c < 0) rtl::RaiseListIndexError(c);
    if (r < 0) rtl::RaiseListIndexError(r);
}

// The row that may hold cell (c, r) and the cell's physical column, or nullptr when the
// store never held that row or column.
const TGridRowCells* TGridCellStore::FindRow(int c, int r, int& p) const
{
    CheckIndex(c, r);
    p = PhysicalCol(c);
    if (p < 0 || r >= FRows.Size()) return nullptr;
    return &FRows.At(r);
}

const std::string& TGridCellStore::Text(int c, int r) const
{
    int p = 0;
    const TGridRowCells* row = FindRow(c, r, p);
    const std::string* text = row != nullptr ? row->TextAt(p) : nullptr;
    return text != nullptr ? *text : EmptyText;
}

rtl::TObject* TGridCellStore::Object(int c, int r) const
{
    int p = 0;
    const TGridRowCells* row = FindRow(c, r, p);
    return row != nullptr ? row->ObjectAt(p) : nullptr;
}

int TGridCellStore::NewPhysicalCol()
{
    if (!FFreeCols.empty()) {
        int p = FFreeCols.back();
        FFreeCols.pop_back();
        return p;
    }
    return FNextPhysical++;
}

int TGridCellStore::MapCol(int c)
{
    while (static_cast<int>(FColMap.size()) <= c) FColMap.push_back(NewPhysicalCol());
    return FColMap[c];
}

void TGridCellStore::SetText(int c, int r, const std::string& value, int rowWidth)
{
    if (value.empty()) {
        SetText(c, r, std::string(), rowWidth);
        return;
    }
    CheckIndex(c, r);
    const int p = MapCol(c);
    FRows.EnsureSize(r + 1);
    FRows.At(r).TextSlot(p, rowWidth) = value;
}

// An emptied cell gives its text's heap block back; a never written one stays unwritten.
void TGridCellStore::SetText(int c, int r, std::string&& value, int rowWidth)
{
    CheckIndex(c, r);
    if (value.empty()) {
        const int p = PhysicalCol(c);
        if (p >= 0 && r < FRows.Size()) {
            TGridRowCells& row = FRows.At(r);
            if (p < row.Width()) std::string().swap(row.TextSlot(p, 0));
        }
        return;
    }
    const int p = MapCol(c);
    FRows.EnsureSize(r + 1);
    FRows.At(r).TextSlot(p, rowWidth) = std::move(value);
}

void TGridCellStore::SetObject(int c, int r, rtl::TObject* value)
{
    CheckIndex(c, r);
    if (value == nullptr) {
        const int p = PhysicalCol(c);
        if (p >= 0 && r < FRows.Size()) FRows.At(r).SetObjectAt(p, nullptr);
        return;
    }
    const int p = MapCol(c);
    FRows.EnsureSize(r + 1);
    FRows.At(r).SetObjectAt(p, value);
}

void TGridCellStore::InsertRow(int r)
{
    CheckIndex(0, r);
    if (r >= FRows.Size()) return;  // nothing held at or after r: nothing moves
    FRows.Insert(r, {});
}

void TGridCellStore::DeleteRow(int r)
{
    CheckIndex(0, r);
    if (r >= FRows.Size()) return;
    FRows.Erase(r);
}

void TGridCellStore::MoveRow(int from, int to)
{
    CheckIndex(0, from);
    CheckIndex(0, to);
    if (from == to) return;
    FRows.EnsureSize(std::max(from, to) + 1);
    TGridRowCells row = FRows.Erase(from);
    FRows.Insert(to, std::move(row));
}

void TGridCellStore::MoveRowBlock(int from, int count, int to)
{
    CheckIndex(0, from);
    CheckIndex(0, to);
    if (from == to || count <= 0) return;
    // Rows the store never held are empty: a block wholly beyond its end that lands beyond
    // its end too changes nothing.
    if (from >= FRows.Size() && to >= FRows.Size()) return;
    FRows.EnsureSize(std::max(from, to) + count);
    std::vector<TGridRowCells> block = FRows.EraseRange(from, count);
    FRows.InsertRange(to, std::move(block));
}

void TGridCellStore::PermuteRows(int left, const std::vector<int>& order)
{
    CheckIndex(0, left);
    if (order.empty() || left >= FRows.Size()) {
        // Rows the store never held are all empty: any order of them is the same.
        return;
    }
    FRows.EnsureSize(left + static_cast<int>(order.size()));
    FRows.Permute(left, order);
}

void TGridCellStore::ClearRow(int r)
{
    CheckIndex(0, r);
    if (r < FRows.Size()) FRows.At(r) = TGridRowCells();
}

void TGridCellStore::InsertCol(int c)
{
    CheckIndex(c, 0);
    if (c >= static_cast<int>(FColMap.size())) return;
    FColMap.insert(FColMap.begin() + c, NewPhysicalCol());
}

// The physical column is emptied in every row before it is reused for a new column.
void TGridCellStore::DeleteCol(int c)
{
    CheckIndex(c, 0);
    int p = PhysicalCol(c);
    if (p < 0) return;
    FRows.ForEach([p](TGridRowCells& row) { row.ClearAt(p); });
    FColMap.erase(FColMap.begin() + c);
    FFreeCols.push_back(p);
}

void TGridCellStore::MoveCol(int from, int to)
{
    CheckIndex(from, 0);
    CheckIndex(to, 0);
    if (from == to) return;
    MapCol(std::max(from, to));
    int p = FColMap[from];
    FColMap.erase(FColMap.begin() + from);
    FColMap.insert(FColMap.begin() + to, p);
}

void TGridCellStore::Clear()
{
    FRows = TGridRowSequence();
    FColMap.clear();
    FFreeCols.clear();
    FNextPhysical = 0;
}

std::size_t TGridCellStore::FilledCells() const
{
    std::size_t n = 0;
    FRows.ForEach([&n](const TGridRowCells& row) { n += row.FilledCount(); });
    return n;
}

std::size_t TGridCellStore::MemoryBytes() const
{
    std::size_t bytes = FRows.Size() * sizeof(TGridRowCells) + FRows.ChunkCount() * sizeof(std::vector<TGridRowCells>);
    FRows.ForEach([&bytes](const TGridRowCells& row) { bytes += row.MemoryBytes(); });
    return bytes + FColMap.capacity() * sizeof(int);
}

// --- TGridAxisSizes ---

// Growing or shrinking keeps the sums valid: a Fenwick node covers only indexes up to its
// own, so shrinking drops nodes and growing adds each new node from two prefix sums.
void TGridAxisSizes::SetCount(int n)
{
    if (n < 0) n = 0;
    FCount = n;
    if (!FSizes.empty()) {
        std::size_t old = FSizes.size();
        FSizes.resize(static_cast<std::size_t>(n), FDefault);
        if (FTreeValid) {
            if (FSizes.size() < old) {
                FTree.resize(FSizes.size() + 1);
            } else {
                FTree.resize(FSizes.size() + 1, 0);
                for (std::size_t k = old + 1; k <= FSizes.size(); ++k) {
                    std::size_t low = k - (k & (~k + 1));
                    FTree[k] = Offset(static_cast<int>(k - 1)) - Offset(static_cast<int>(low)) + FSizes[k - 1];
                }
            }
        }
    }
}

void TGridAxisSizes::SetDefault(int value)
{
    FDefault = value;
    FSizes.clear();
    FTree.clear();
    FTreeValid = false;
}

void TGridAxisSizes::SetSize(int i, int value)
{
    if (i < 0 || i >= FCount) rtl::RaiseListIndexError(i);
    if (FSizes.empty()) {
        if (value == FDefault) return;
        FSizes.assign(static_cast<std::size_t>(FCount), FDefault);
    }
    int delta = value - FSizes[i];
    FSizes[i] = value;
    if (!FTreeValid || delta == 0) return;
    for (std::size_t k = static_cast<std::size_t>(i) + 1; k <= FTree.size() - 1; k += k & (~k + 1)) FTree[k] += delta;
}

void TGridAxisSizes::Build() const
{
    FTree.assign(FSizes.size() + 1, 0);
    for (std::size_t k = 1; k < FTree.size(); ++k) {
        FTree[k] += FSizes[k - 1];
        std::size_t parent = k + (k & (~k + 1));
        if (parent < FTree.size()) FTree[parent] += FTree[k];
    }
    FTreeValid = true;
}

long long TGridAxisSizes::Offset(int i) const
{
    if (i <= 0) return 0;
    if (i > FCount) i = FCount;
    if (FSizes.empty()) return static_cast<long long>(i) * FDefault;
    if (!FTreeValid) Build();
    long long sum = 0;
    for (std::size_t k = static_cast<std::size_t>(i); k > 0; k -= k & (~k + 1)) sum += FTree[k];
    return sum;
}

void TGridAxisSizes::Move(int from, int to)
{
    if (FSizes.empty() || from == to) return;
    int v = FSizes[from];
    FSizes.erase(FSizes.begin() + from);
    FSizes.insert(FSizes.begin() + to, v);
    FTreeValid = false;
}

void TGridAxisSizes::MoveBlock(int from, int count, int to)
{
    if (FSizes.empty() || from == to || count <= 0) return;
    auto at = [this](int i) { return FSizes.begin() + i; };
    if (from < to)
        std::rotate(at(from), at(from + count), at(to + count));
    else
        std::rotate(at(to), at(from), at(from + count));
    FTreeValid = false;
}

void TGridAxisSizes::Delete(int i)
{
    if (!FSizes.empty()) FSizes.erase(FSizes.begin() + i);
    --FCount;
    FTreeValid = false;
}

}  // namespace ui
