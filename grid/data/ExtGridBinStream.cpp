// The string grid's binary cell stream: saving a rectangle or the grid, and loading it at a point.
#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "grid/core/CellGraphicsFilePicture.h"
#include "grid/core/ExtGrid.h"
#include "grid/core/GridLists.h"
#include "grid/core/GridOptionsCells.h"
#include "grid/data/ExtGridBinStream.h"
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

// A cell as read from the stream, with the records that followed it.
struct TLoadedCell {
    TGridCellIO Cell;
    std::unique_ptr<TGridCellPropIO> Prop;
    std::unique_ptr<TGridGraphicIO> Graphic;
    std::unique_ptr<TGridBMPIO> Bmp;
    std::unique_ptr<TGridIconIO> Icon;
    std::unique_ptr<TGridSLIO> Strings;
    std::unique_ptr<TGridPicIO> Pic;
    std::unique_ptr<TGridFilePicIO> FilePic;
};

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

void ReadTypedRecord(rtl::TStream& stream, TLoadedCell& cell)
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
std::vector<TLoadedCell> ReadCells(rtl::TStream& stream)
{
    std::vector<TLoadedCell> cells;
    while (stream.Position() < stream.Size() - 1) {
        TLoadedCell cell;
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

bool IsBlockBase(const TCellProperties* p)
{
    return p != nullptr && p->IsBaseCell() && (p->CellSpanX() > 0 || p->CellSpanY() > 0);
}

// Copies the base graphic of `from` into the cell's graphic, with the comment rule and objects.
void StoreLoadedGraphic(TCellGraphic& g, TLoadedCell& cell, int col, int row)
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
    int lastProgress = -1;
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
        // rectangle starts.
        if (OnFileProgress) {
            const int p = static_cast<int>(std::lround(static_cast<double>(r - top) / std::max(1, bottom - top) * 100.0));
            if (p != lastProgress) {
                lastProgress = p;
                OnFileProgress(this, static_cast<std::int16_t>(p));
            }
        }
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

// Reads the whole stream before changing any cell: a bad or truncated stream raises its
// read error and leaves the grid as it was (the cells are not half loaded).
void TExtStringGrid::LoadAtPointFromBinStream(rtl::TPoint Point, rtl::TStream& Stream)
{
    TGridPropIO header;
    header.Read(ReadBinRecord(Stream, "TGridPropIO"));
    std::vector<int> widths;
    std::vector<int> heights;
    if (header.FullGrid) {
        widths = CommaNumbers(header.ColWidths, header.ColCount, "ColWidths");
        heights = CommaNumbers(header.RowHeights, header.RowCount, "RowHeights");
    }
    std::vector<TLoadedCell> cells = ReadCells(Stream);

    BeginUpdate();
    try {
        if (header.FullGrid) {
            // A whole grid saved without its fixed cells starts at the first normal cell: the
            // grid keeps room for the fixed rows and columns before it, and the sizes go to
            // the saved columns and rows, so no saved cell lands outside the grid.
            const int firstCol = cells.empty() ? 0 : cells.front().Cell.Col;
            const int firstRow = cells.empty() ? 0 : cells.front().Cell.Row;
            ClearRect(0, 0, TotalColCount() - 1, RowCount() - 1);
            SetRowCount(firstRow + header.RowCount);
            SetColCount(firstCol + header.ColCount);
            for (int c = 0; c < header.ColCount; ++c) SetColWidths(firstCol + c, widths[static_cast<std::size_t>(c)]);
            for (int r = 0; r < header.RowCount; ++r) SetRowHeights(firstRow + r, heights[static_cast<std::size_t>(r)]);
        }
        int originCol = 0;
        int originRow = 0;
        if (!header.FullGrid && !cells.empty()) {
            originCol = cells.front().Cell.Col;
            originRow = cells.front().Cell.Row;
        }
        int lastRow = -1;
        int lastProgress = -1;
        for (TLoadedCell& cell : cells) {
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
