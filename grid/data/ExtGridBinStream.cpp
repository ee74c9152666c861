// The string grid's binary cell stream: saving a rectangle or the grid, and loading it at a point.
#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <vector>

#include "grid/core/CellGraphicsFilePicture.h"
#include "grid/core/ExtGrid.h"
#include "grid/core/GridLists.h"
#include "grid/core/GridOptionsCells.h"
#include "grid/data/ExtGridBinStream.h"
#include "grid/data/ExtGridTextFileSupport.h"
#include "grid/foundation/ExtUtilNumbers.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Picture.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Streams.h"

namespace grid {

namespace {

// The grid draws at the screen's resolution.
constexpr int kLogPixelsY = gfx::ScreenPixelsPerInch;

// Numbers of a comma list; a list shorter than Count or a non-number raises a read error.
std::vector<int> CommaNumbers(const std::string& list, int count, const char* what)
{
    std::vector<std::string> items;
    for (std::size_t pos = 0; !list.empty() && pos <= list.size();) {
        std::size_t end = list.find(',', pos);
        if (end == std::string::npos) end = list.size();
        items.push_back(list.substr(pos, end - pos));
        pos = end + 1;
    }
    const std::string where = std::string("Error reading TGridPropIO.") + what + ": ";
    if (static_cast<int>(items.size()) < count)
        throw rtl::EReadError(where + std::to_string(count) + " numbers expected, " + std::to_string(items.size()) +
                              " found in \"" + list + "\"");
    std::vector<int> out;
    for (int i = 0; i < count; ++i) {
        int value = 0;
        if (!rtl::TryStrToInt(items[static_cast<std::size_t>(i)], value))
            throw rtl::EReadError(where + "'" + items[static_cast<std::size_t>(i)] + "' is not a valid integer value");
        out.push_back(value);
    }
    return out;
}

void ReadTypedRecord(rtl::TStream& stream, TBinLoadedCell& cell)
{
    const TCellType kind = cell.Graphic->CellGraphic->CellType();
    // A comment graphic is followed by no typed record.
    if (kind == ctComment) return;
    switch (TypedRecordOf(kind)) {
    case TBinTypedRecord::Bitmap:
        cell.Bmp = std::make_unique<TGridBMPIO>();
        cell.Bmp->Read(ReadBinRecord(stream, "TGridBMPIO"));
        break;
    case TBinTypedRecord::Icon:
        cell.Icon = std::make_unique<TGridIconIO>();
        cell.Icon->Read(ReadBinRecord(stream, "TGridIconIO"));
        break;
    case TBinTypedRecord::Strings: {
        cell.Strings = std::make_unique<TGridSLIO>();
        const TBinRecord rec = ReadBinRecord(stream, "TGridSLIO");
        cell.Strings->Read(rec);
        if ((kind & 0x7F) == ctImages)
            for (int i = 0; i < cell.Strings->Strings->Count(); ++i) {
                int index = 0;
                if (!rtl::TryStrToInt(cell.Strings->Strings->Strings(i), index))
                    RaiseBinPropError(rec, "Strings.Strings",
                                      "'" + cell.Strings->Strings->Strings(i) + "' is not a valid image index");
            }
        break;
    }
    case TBinTypedRecord::Picture:
        cell.Pic = std::make_unique<TGridPicIO>();
        cell.Pic->Read(ReadBinRecord(stream, "TGridPicIO"));
        break;
    case TBinTypedRecord::FilePicture:
        cell.FilePic = std::make_unique<TGridFilePicIO>();
        cell.FilePic->Read(ReadBinRecord(stream, "TGridFilePicIO"));
        break;
    case TBinTypedRecord::None: break;
    }
}

// Every record of the stream, read and checked before any cell changes.
std::vector<TBinLoadedCell> ReadCells(rtl::TStream& stream)
{
    std::vector<TBinLoadedCell> cells;
    while (stream.Position() < stream.Size() - 1) {
        TBinLoadedCell cell;
        cell.Cell.Read(ReadBinRecord(stream, "TGridCellIO"));
        if (cell.Cell.HasProp) {
            cell.Prop = std::make_unique<TGridCellPropIO>();
            cell.Prop->Read(ReadBinRecord(stream, "TGridCellPropIO"));
            if (cell.Prop->HasGraphic) {
                cell.Graphic = std::make_unique<TGridGraphicIO>();
                cell.Graphic->Read(ReadBinRecord(stream, "TGridGraphicIO"));
                ReadTypedRecord(stream, cell);
            }
        }
        cells.push_back(std::move(cell));
    }
    return cells;
}

// A count of the header must be one the stream can back: the writer puts one cell record
// for every cell of the saved rectangle, so a header announcing more (or a negative count)
// is corrupt and would otherwise size the grid from a handful of bytes.
void CheckHeaderCounts(const TGridPropIO& header, std::size_t cellCount)
{
    const auto carried = static_cast<long long>(cellCount);
    const auto area = static_cast<long long>(header.ColCount) * header.RowCount;
    for (const auto& [name, count] : {std::pair{"ColCount", header.ColCount}, std::pair{"RowCount", header.RowCount}}) {
        if (count < 0)
            throw rtl::EReadError(std::string("Error reading TGridPropIO.") + name + ": " + std::to_string(count) +
                                  " is not a valid count");
        if (count > std::max(1LL, carried) || area > carried)
            throw rtl::EReadError(std::string("Error reading TGridPropIO.") + name + ": " + std::to_string(count) +
                                  " announces more cells than the " + std::to_string(carried) + " the stream holds");
    }
}

// Every cell lies in the saved rectangle, which starts at the first cell: the writer goes
// row by row, left to right, so a later cell left of or above the first one (or beyond
// the counts) is corrupt, and found here before any cell is placed.
void CheckCellsInRectangle(const TBinCellBlock& block)
{
    for (std::size_t i = 0; i < block.Cells.size(); ++i) {
        const TGridCellIO& cell = block.Cells[i].Cell;
        const long long dc = static_cast<long long>(cell.Col) - block.FirstCol;
        const long long dr = static_cast<long long>(cell.Row) - block.FirstRow;
        if (dc >= 0 && dr >= 0 && dc < block.Header.ColCount && dr < block.Header.RowCount) continue;
        throw rtl::EReadError("Error reading TGridCellIO record " + std::to_string(i + 1) + ": cell (" +
                              std::to_string(cell.Col) + ", " + std::to_string(cell.Row) +
                              ") lies outside the saved rectangle of " + std::to_string(block.Header.ColCount) +
                              " columns and " + std::to_string(block.Header.RowCount) + " rows from (" +
                              std::to_string(block.FirstCol) + ", " + std::to_string(block.FirstRow) + ")");
    }
}

bool IsBlockBase(const TCellProperties* p)
{
    return p != nullptr && p->IsBaseCell() && (p->CellSpanX() > 0 || p->CellSpanY() > 0);
}

// Copies the base graphic of `from` into the cell's graphic, with the comment rule and objects.
void StoreLoadedGraphic(TCellGraphic& g, TBinLoadedCell& cell, int col, int row)
{
    g.Assign(cell.Graphic->CellGraphic.get());
    if (g.CellType() == ctComment) {
        g.SetCellType(ctNone);
        g.SetCellComment(g.CellText());
        g.SetCommentColor(static_cast<gfx::TColor>(g.CellIndex()));
        g.SetCellText("");
        return;
    }
    // A picture carries its comment in its text.
    if (g.CellType() == ctPicture && !g.CellText().empty()) g.SetCellComment(g.CellText());
    // The objects read are the graphic's own: it frees them with itself.
    switch (static_cast<TCellType>(g.CellType() & 0x7F)) {
    case ctBitmap:
    case ctBitButton:
        if (cell.Bmp) g.AdoptCellBitmap(std::move(cell.Bmp->Bitmap));
        break;
    case ctIcon:
        if (cell.Icon) g.AdoptCellIcon(std::move(cell.Icon->Icon));
        break;
    case ctRadio:
        if (cell.Strings) g.AdoptCellBitmap(std::move(cell.Strings->Strings));
        break;
    case ctImages:
        if (cell.Strings) {
            auto list = std::make_unique<TIntList>(col, row);
            list->SetStrValue(cell.Strings->Strings->CommaText());
            g.AdoptCellBitmap(std::move(list));
        }
        break;
    case ctPicture:
        if (cell.Pic) g.AdoptCellBitmap(std::move(cell.Pic->Picture));
        break;
    case ctFilePicture:
        if (cell.FilePic) g.AdoptCellBitmap(std::move(cell.FilePic->Picture));
        break;
    default: break;
    }
}

// The typed record of a graphic, copied from the objects the cell's graphic holds.
void WriteTypedRecord(TBinRecordWriter& w, const TCellGraphic& g)
{
    switch (TypedRecordOf(g.CellType())) {
    case TBinTypedRecord::Bitmap: {
        TGridBMPIO rec;
        if (const auto* bmp = dynamic_cast<const gfx::TBitmap*>(g.CellBitmap())) rec.Bitmap->Assign(bmp);
        rec.Write(w);
        break;
    }
    case TBinTypedRecord::Icon: {
        TGridIconIO rec;
        if (g.CellIcon() != nullptr) rec.Icon->Assign(g.CellIcon());
        rec.Write(w);
        break;
    }
    case TBinTypedRecord::Strings: {
        TGridSLIO rec;
        if (const auto* list = dynamic_cast<const TIntList*>(g.CellBitmap())) {
            for (int v : list->Values()) rec.Strings->Add(std::to_string(v));
        } else if (const auto* sl = dynamic_cast<const rtl::TStrings*>(g.CellBitmap())) {
            for (int i = 0; i < sl->Count(); ++i) rec.Strings->Add(sl->Strings(i));
        }
        rec.Write(w);
        break;
    }
    case TBinTypedRecord::Picture: {
        TGridPicIO rec;
        if (const auto* pic = dynamic_cast<const gfx::TPicture*>(g.CellBitmap())) rec.Picture->Assign(pic);
        else if (const auto* graphic = dynamic_cast<const gfx::TGraphic*>(g.CellBitmap())) rec.Picture->SetGraphic(graphic);
        rec.Write(w);
        break;
    }
    case TBinTypedRecord::FilePicture: {
        TGridFilePicIO rec;
        if (const auto* fp = dynamic_cast<const TFilePicture*>(g.CellBitmap())) rec.Picture->Assign(fp);
        rec.Write(w);
        break;
    }
    case TBinTypedRecord::None: break;
    }
}

// Whether a comment can travel with the graphic: kinds with a typed record other than a
// picture keep their record, and their comment stays behind.
bool CommentTravels(TCellType kind)
{
    const TBinTypedRecord typed = TypedRecordOf(kind);
    return typed == TBinTypedRecord::None || typed == TBinTypedRecord::Picture;
}

void WriteGraphic(TBinRecordWriter& w, const TCellGraphic& g)
{
    TGridGraphicIO rec;
    rec.CellGraphic->Assign(&g);
    if (!g.CellComment().empty() && CommentTravels(g.CellType())) {
        if (g.CellType() != ctPicture) {
            rec.CellGraphic->SetCellType(ctComment);
            rec.CellGraphic->SetCellIndex(static_cast<int>(g.CommentColor()));
        }
        rec.CellGraphic->SetCellText(g.CellComment());
    }
    rec.Write(w);
    if (rec.CellGraphic->CellType() != ctComment) WriteTypedRecord(w, g);
}

std::string JoinNumbers(const std::vector<int>& values)
{
    std::string out;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0) out += ',';
        out += std::to_string(values[i]);
    }
    return out;
}

}  // namespace

void TExtStringGrid::SaveToBinFile(const std::string& FileName)
{
    rtl::TMemoryStream ms;
    SaveToBinStream(ms);
    ms.SaveToFile(FileName);
}

void TExtStringGrid::SaveToBinStream(rtl::TStream& Stream)
{
    SaveRectToBinStream(rtl::Rect(SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()), Stream,
                        SaveHiddenCells());
}

void TExtStringGrid::SaveRectToBinStream(const rtl::TRect& Rect, rtl::TStream& Stream, bool SaveHidden)
{
    const int left = Rect.Left;
    const int top = Rect.Top;
    const int bottom = Rect.Bottom;
    int right = Rect.Right;
    TGridPropIO header;
    header.RowCount = bottom - top + 1;
    header.ColCount = right - left + 1;
    if (SaveHidden) {
        header.ColCount += NumHiddenColumns();
        right += NumHiddenColumns();
    }
    if (SaveFixedCells()) header.FullGrid = header.RowCount == RowCount() && header.ColCount == ColCount();
    else header.FullGrid = header.RowCount == RowCount() - FixedRows() && header.ColCount == ColCount() - FixedCols();
    header.ID = static_cast<long long>(Handle());
    std::vector<int> widths;
    std::vector<int> heights;
    for (int c = left; c <= right; ++c) widths.push_back(c < ColCount() ? ColWidths(c) : DefaultColWidth());
    for (int r = top; r <= bottom; ++r) heights.push_back(r < RowCount() ? RowHeights(r) : DefaultRowHeight());
    header.ColWidths = JoinNumbers(widths);
    header.RowHeights = JoinNumbers(heights);

    TBinRecordWriter w(Stream);
    header.Write(w);
    const bool manyRows = top != bottom;
    if (manyRows) ExportNotification(esExportStart, top);
    TFileProgressReporter progress(OnFileProgress, this);
    for (int r = top; r <= bottom; ++r) {
        if (manyRows) ExportNotification(esExportNextRow, r);
        for (int c = left; c <= right; ++c) {
            // Hidden columns keep their cells beyond ColCount, so the stored position is c itself.
            const int rc = c;
            TGridCellIO cell;
            cell.Col = c;
            cell.Row = r;
            cell.Cell = NumberToInvariantText(GetCellEx(rc, r));
            cell.HasProp = HasCellProperties(rc, r);
            cell.Write(w);
            if (!cell.HasProp) continue;
            // Every graphic travels, the ones the grid made for the cell included (a radio
            // list, an image-index list): the stream carries copies of what they hold, so a
            // pasted cell shows what the copied one showed.
            const TCellGraphic* g = dynamic_cast<const TCellGraphic*>(GetGraphicObjectEx(rc, r));
            const bool hasGraphic = g != nullptr && g->CellType() != ctEmpty;
            TGridCellPropIO::Write(w, *GetCellPropsDirect(rc, r), hasGraphic, kLogPixelsY);
            if (hasGraphic) WriteGraphic(w, *g);
        }
        // Progress counts the rows written so far, so it runs from 0 to 100 wherever the
        // rectangle starts; a single row reports 100.
        progress.ReportRow(r - top, bottom - top + 1);
    }
    if (manyRows) ExportNotification(esExportDone, -1);
}

void TExtStringGrid::LoadFromBinFile(const std::string& FileName)
{
    rtl::TMemoryStream ms;
    ms.LoadFromFile(FileName);
    LoadFromBinStream(ms);
    RecalcAllFooters();
}

void TExtStringGrid::LoadFromBinStream(rtl::TStream& Stream)
{
    LoadAtPointFromBinStream(rtl::TPoint{0, 0}, Stream);
    const int nodeCol = CellNode().NodeColumn();
    int nodes = 0;
    for (int r = FixedRows(); r < RowCount(); ++r)
        if (GetCellType(nodeCol, r) == ctNode) ++nodes;
    FNumNodes = nodes;
    if (nodes > 0) RepaintRect(rtl::Rect(0, 0, 0, RowCount() - 1));
}

TBinCellBlock ReadBinCellBlock(rtl::TStream& Stream)
{
    TBinCellBlock block;
    block.Header.Read(ReadBinRecord(Stream, "TGridPropIO"));
    if (block.Header.FullGrid) {
        if (block.Header.ColCount < 0 || block.Header.RowCount < 0) CheckHeaderCounts(block.Header, 0);
        block.ColWidths = CommaNumbers(block.Header.ColWidths, block.Header.ColCount, "ColWidths");
        block.RowHeights = CommaNumbers(block.Header.RowHeights, block.Header.RowCount, "RowHeights");
    }
    block.Cells = ReadCells(Stream);
    CheckHeaderCounts(block.Header, block.Cells.size());
    if (!block.Cells.empty()) {
        block.FirstCol = block.Cells.front().Cell.Col;
        block.FirstRow = block.Cells.front().Cell.Row;
    }
    CheckCellsInRectangle(block);
    return block;
}

// Reads the whole stream before changing any cell: a bad or truncated stream raises its
// read error and leaves the grid as it was (the cells are not half loaded).
void TExtStringGrid::LoadAtPointFromBinStream(rtl::TPoint Point, rtl::TStream& Stream)
{
    TBinCellBlock block = ReadBinCellBlock(Stream);
    PlaceBinCellBlock(Point, block);
}

// A whole-grid block places its cells at their saved positions (from Point); a partial one
// places its first cell at Point.
void TExtStringGrid::CheckBinCellPlacement(rtl::TPoint Point, const TBinCellBlock& Block) const
{
    const bool full = Block.Header.FullGrid;
    const long long left = static_cast<long long>(Point.X) + (full ? Block.FirstCol : 0);
    const long long top = static_cast<long long>(Point.Y) + (full ? Block.FirstRow : 0);
    const long long right = left + std::max(0, Block.Header.ColCount - 1);
    const long long bottom = top + std::max(0, Block.Header.RowCount - 1);
    constexpr long long last = std::numeric_limits<int>::max();
    if (left < 0 || top < 0 || right > last || bottom > last)
        throw VIdoZovuVozir("Cells cannot be placed at column " + std::to_string(left) + ", row " + std::to_string(top));
    // A cell inside a merged block names its base cell by its distance from it; one whose
    // base would lie left of column 0 or above row 0 is refused here, before any cell
    // changes (the grid finds a cell's block on every repaint, the first one while placing).
    const int originCol = full ? 0 : Block.FirstCol;
    const int originRow = full ? 0 : Block.FirstRow;
    for (const TBinLoadedCell& cell : Block.Cells) {
        if (!cell.Prop) continue;
        const int tc = Point.X + cell.Cell.Col - originCol;
        const int tr = Point.Y + cell.Cell.Row - originRow;
        const TCellProperties* now = GetCellPropsDirect(tc, tr);
        const bool isBase = cell.Prop->IsBaseCell.value_or(now == nullptr || now->IsBaseCell());
        const int spanX = cell.Prop->CellSpanX.value_or(now == nullptr ? -1 : now->CellSpanX());
        const int spanY = cell.Prop->CellSpanY.value_or(now == nullptr ? -1 : now->CellSpanY());
        if (isBase || spanX == -1 || spanY < 0) continue;
        if (tc - spanX < 0 || tr - spanY < 0)
            throw VIdoZovuVozir("Cell (" + std::to_string(cell.Cell.Col) + ", " + std::to_string(cell.Cell.Row) +
                                ") belongs to a merged block that would start outside the grid");
    }
}

void TExtStringGrid::PlaceBinCellBlock(rtl::TPoint Point, TBinCellBlock& Block)
{
    CheckBinCellPlacement(Point, Block);
    const TGridPropIO& header = Block.Header;
    BeginUpdate();
    try {
        if (header.FullGrid) {
            // A whole grid saved without its fixed cells starts at the first normal cell: the
            // grid keeps room for the fixed rows and columns before it, and the sizes go to
            // the saved columns and rows, so no saved cell lands outside the grid.
            ClearRect(0, 0, TotalColCount() - 1, RowCount() - 1);
            SetRowCount(Block.FirstRow + header.RowCount);
            SetColCount(Block.FirstCol + header.ColCount);
            for (int c = 0; c < header.ColCount; ++c)
                SetColWidths(Block.FirstCol + c, Block.ColWidths[static_cast<std::size_t>(c)]);
            for (int r = 0; r < header.RowCount; ++r)
                SetRowHeights(Block.FirstRow + r, Block.RowHeights[static_cast<std::size_t>(r)]);
        }
        const int originCol = header.FullGrid ? 0 : Block.FirstCol;
        const int originRow = header.FullGrid ? 0 : Block.FirstRow;
        int lastRow = -1;
        int lastProgress = -1;
        for (TBinLoadedCell& cell : Block.Cells) {
            const int tc = Point.X + cell.Cell.Col - originCol;
            const int tr = Point.Y + cell.Cell.Row - originRow;
            SetCellEx(tc, tr, NumberFromInvariantText(cell.Cell.Cell));
            if (tr != lastRow) {
                lastRow = tr;
                const int p = static_cast<int>(std::lround(static_cast<double>(tr) / std::max(1, RowCount()) * 100.0));
                if (p != lastProgress && OnFileProgress) {
                    lastProgress = p;
                    OnFileProgress(this, static_cast<std::int16_t>(p));
                }
            }
            if (!cell.Prop) continue;
            TCellProperties* props = GetCellProperties(tc, tr);
            const bool wasBase = IsBlockBase(props);
            cell.Prop->ApplyTo(*props, kLogPixelsY);
            props->SetOwnerCol(tc);
            props->SetOwnerRow(tr);
            FMergeCount += static_cast<int>(IsBlockBase(props)) - static_cast<int>(wasBase);
            if (cell.Graphic) StoreLoadedGraphic(*CreateCellGraphic(tc, tr), cell, tc, tr);
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

}  // namespace grid
