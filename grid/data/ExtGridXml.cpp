// The string grid's XML files: the save range written as record XML, and XML documents read into cells.
#include <algorithm>
#include <string>
#include <unordered_map>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "grid/data/ExtGridTextFileSupport.h"
#include "grid/data/ExtGridXmlDocument.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Paths.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/TextFile.h"

namespace grid {

namespace {

// The grid's own escape: an ampersand is written as "$amp;", which its reader turns back.
std::string EscapeXmlText(std::string text)
{
    rtl::ReplaceAllInPlace(text, "&", "$amp;");
    rtl::ReplaceAllInPlace(text, ">", "&gt;");
    rtl::ReplaceAllInPlace(text, "<", "&lt;");
    rtl::ReplaceAllInPlace(text, "\"", "&quot;");
    return text;
}

std::string UnescapeXmlText(std::string text)
{
    rtl::ReplaceAllInPlace(text, "$amp;", "&");
    rtl::ReplaceAllInPlace(text, "&gt;", ">");
    rtl::ReplaceAllInPlace(text, "&lt;", "<");
    rtl::ReplaceAllInPlace(text, "&quot;", "\"");
    return text;
}

struct TLoadedCell {
    int Col;
    int Row;
    std::string Text;
};

// Walks a parsed document and lists the cell stores it means, in order, without touching
// the grid; header emptiness is judged from the grid and the stores listed so far.
class TXmlCellCollector {
public:
    TXmlCellCollector(TExtStringGrid& Grid, bool LevelToRow, bool LoadFieldDescr, int StartCol, int StartRow)
        : FGrid(Grid),
          FLevelToRow(LevelToRow),
          FLoadFieldDescr(LoadFieldDescr),
          FHeaders(Grid.SaveFixedCells() || Grid.SaveFixedRows()),
          FStartCol(StartCol),
          FStartRow(StartRow)
    {
        MaxCol = StartCol;
        MaxRow = StartRow;
    }

    // One child of the document element, in document order.
    void ReadRecord(const TXmlNode& Record)
    {
        FCol = 0;
        FLevel = 1;
        // With LevelToRow a record whose children open a row of their own starts on the last
        // row used, any other record on the row after it (the first record: row -1 or 0). So
        // a record's attributes never land on, and overwrite, the previous record's last row,
        // and a record that is a single leaf never goes above the first row.
        if (FLevelToRow) {
            const bool opensRow = Record.Attributes.empty() && Record.ChildNodes.size() > 1;
            FRecordRow = opensRow ? FLastRecordRow : FLastRecordRow + 1;
        }
        ReadNode(Record);
        if (!FLevelToRow) ++FRecordRow;
    }

    std::vector<TLoadedCell> Cells;
    int MaxCol = 0;
    int MaxRow = 0;

private:
    TExtStringGrid& FGrid;
    bool FLevelToRow;
    bool FLoadFieldDescr;
    bool FHeaders;
    int FStartCol;
    int FStartRow;
    int FCol = 0;
    int FLevel = 1;
    int FRecordRow = 0;
    // The highest record row that received a cell.
    int FLastRecordRow = -1;
    // Texts listed for row 0 so far, by column.
    std::unordered_map<int, std::string> FRowZero;

    void Store(int ACol, int ARow, std::string Text)
    {
        if (ARow == 0) FRowZero[ACol] = Text;
        MaxCol = std::max(MaxCol, ACol);
        MaxRow = std::max(MaxRow, ARow);
        Cells.push_back({ACol, ARow, std::move(Text)});
    }

    void StoreAtCursor(std::string Text)
    {
        FLastRecordRow = std::max(FLastRecordRow, FRecordRow);
        Store(FStartCol + FCol, FStartRow + FRecordRow, std::move(Text));
    }

    bool HeaderEmpty(int ACol)
    {
        if (auto it = FRowZero.find(ACol); it != FRowZero.end()) return it->second.empty();
        return ACol >= FGrid.ColCount() || FGrid.RowCount() == 0 || FGrid.GetGridCell(ACol, 0).empty();
    }

    void NameHeader(const std::string& Name)
    {
        const int col = FStartCol + FCol;
        if (HeaderEmpty(col)) Store(col, 0, Name);
    }

    void ReadNode(const TXmlNode& Node)
    {
        bool rowBreak = false;
        for (const auto& [name, value] : Node.Attributes) {
            if (FHeaders) NameHeader(name);
            StoreAtCursor(UnescapeXmlText(value));
            ++FCol;
        }
        if (FLevelToRow && !Node.Attributes.empty()) {
            ++FRecordRow;
            FCol = FLevel;
            rowBreak = true;
        }
        if (Node.ChildNodes.size() > 1) {
            if (FLevelToRow && !rowBreak) {
                ++FRecordRow;
                FCol = 0;
            }
            // The level is the depth of the children, so sibling subtrees share their indent.
            ++FLevel;
            for (const TXmlNode& child : Node.ChildNodes) ReadNode(child);
            --FLevel;
        } else if (Node.ChildNodes.empty()) {
            // An element holding only attributes has given its values; a bare empty element
            // stands for an empty cell.
            if (!Node.Attributes.empty()) return;
            StoreAtCursor({});
            ++FCol;
        } else {
            if (FHeaders && FLoadFieldDescr) NameHeader(Node.NodeName);
            std::string text = UnescapeXmlText(Node.Text());
            if (FGrid.QuoteEmptyCells() && text == "\"\"") text.clear();
            StoreAtCursor(std::move(text));
            ++FCol;
        }
    }
};

}  // namespace

void TExtStringGrid::SaveToXML(const std::string& FileName, const std::string& ListDescr,
                               const std::string& RecordDescr, const rtl::TStrings* FieldDescr,
                               bool ExportEmptyCells)
{
    rtl::TTextFile file(FileName);
    try {
        file.Rewrite();
    } catch (const rtl::EInOutError&) {
        throw VIdoZovuVozir("Cannot Create file " + rtl::DisplayPath(FileName));
    }
    file.WriteLn("<?xml version=\"1.0\" encoding=\"" + XMLEncoding() + "\" ?>");
    file.WriteLn("<" + ListDescr + ">");

    const int startCol = SaveStartCol();
    const int lastCol = SaveEndCol() + (FSaveHiddenCells ? NumHiddenColumns() : 0);
    const int startRow = SaveStartRow();
    const int endRow = SaveEndRow();
    TFileProgressReporter progress(OnFileProgress, this);
    ExportNotification(esExportStart, startRow);
    for (int r = startRow; r <= endRow; ++r) {
        ExportNotification(esExportNextRow, r);
        file.WriteLn("<" + RecordDescr + ">");
        for (int c = startCol; c <= lastCol; ++c) {
            // Storage column of the cell, and its real column, which numbers the field.
            const int storeCol = SavedStoreCol(c);
            const int realCol = FSaveHiddenCells ? c : RealColIndex(c);
            if (!IsBaseCell(storeCol, r)) continue;
            std::string text = SaveCellText(storeCol, r);
            if (text.empty() && !ExportEmptyCells) continue;
            const int n = realCol - startCol;
            const std::string tag = FieldDescr != nullptr && n >= 0 && n < FieldDescr->Count()
                                        ? FieldDescr->Get(n)
                                        : "FIELD" + std::to_string(n);
            text = text.empty() ? (FQuoteEmptyCells ? "\"\"" : "") : EscapeXmlText(std::move(text));
            file.WriteLn("<" + tag + ">" + text + "</" + tag + ">");
        }
        file.WriteLn("</" + RecordDescr + ">");
        // Progress runs over the saved rows, from 0 to 100.
        progress.Report(r - startRow, std::max(1, endRow - startRow));
    }
    ExportNotification(esExportDone, -1);
    file.WriteLn("</" + ListDescr + ">");
    file.Close();
}

void TExtStringGrid::LoadFromXML(const std::string& FileName, bool LevelToRow, bool LoadFieldDescr)
{
    if (!rtl::FileExists(FileName)) throw rtl::Exception("XML file not found: " + FileName);
    rtl::TMemoryStream raw;
    raw.LoadFromFile(FileName);
    const int startRow = (!FSaveFixedCells && !FSaveFixedRows) || LoadFieldDescr ? FixedRows() : 0;
    TXmlCellCollector collector(*this, LevelToRow, LoadFieldDescr, SaveStartCol(), startRow);
    try {
        ParseXmlDocument(
            std::string_view(reinterpret_cast<const char*>(raw.Memory()), static_cast<std::size_t>(raw.Size())),
            [&](const TXmlNode& Record) { collector.ReadRecord(Record); });
    } catch (const EXmlParseError& e) {
        throw rtl::Exception("XMLDOM Parsing error " + std::to_string(e.ErrorCode) + " on line " +
                             std::to_string(e.Line) + " in file " + FileName + ": " + e.Message());
    }

    // The grid is sized once to the loaded extent; then the cells go through the load hook.
    // The extent keeps one normal row and column beside the fixed ones, which the grid needs
    // (a file of no records would otherwise fail half way, with the columns already changed).
    LoadCellsUnderUpdate(*this, [&] {
        SetColCount(std::max(collector.MaxCol, FixedCols()) + 1);
        SetRowCount(std::max(collector.MaxRow, FixedRows()) + 1);
        for (TLoadedCell& cell : collector.Cells) LoadCell(cell.Col, cell.Row, cell.Text);
    });
}

}  // namespace grid
