// The string grid's XML files: the save range written as record XML, and XML documents read into cells.
#include <algorithm>
#include <cctype>
#include <deque>
#include <memory>
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
#include "platform/rtl/SafeFile.h"
#include "platform/rtl/CodePage.h"

namespace grid {

namespace {

// Markup characters become the entities XML knows, so that every reader decodes them once
// and a text such as "&gt;" in a cell survives a round trip.
std::string EscapeXmlText(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

// The parser has decoded the entities already; files written before "&" became "&amp;"
// carry "$amp;" for it, which still loads as "&".
std::string UnescapeXmlText(std::string text)
{
    rtl::ReplaceAllInPlace(text, "$amp;", "&");
    return text;
}

bool IsXmlNameStart(unsigned char c) { return std::isalpha(c) || c == '_' || c >= 0x80; }

bool IsXmlNameChar(unsigned char c) { return IsXmlNameStart(c) || std::isdigit(c) || c == '-' || c == '.'; }

// An element name made from a field name: characters a name may not hold become "_", a name
// that may not start as it does gets a leading "_", and one starting with "xml" (reserved)
// as well. Non-ASCII letters are kept as they are.
std::string ValidXmlName(std::string_view Name)
{
    std::string out;
    for (char c : Name) out += IsXmlNameChar(static_cast<unsigned char>(c)) ? c : '_';
    if (out.empty() || !IsXmlNameStart(static_cast<unsigned char>(out[0]))) out.insert(out.begin(), '_');
    if (rtl::LowerCase(out.substr(0, 3)) == "xml") out.insert(out.begin(), '_');
    return out;
}

// The element names of the fields: valid names, made unique by a number where two field
// names come out the same.
std::vector<std::string> FieldElementNames(const rtl::TStrings& FieldDescr)
{
    std::vector<std::string> names;
    std::unordered_map<std::string, int> used;
    for (int i = 0; i < FieldDescr.Count(); ++i) used[ValidXmlName(FieldDescr.Get(i))]++;
    std::unordered_map<std::string, int> taken;
    for (int i = 0; i < FieldDescr.Count(); ++i) {
        std::string name = ValidXmlName(FieldDescr.Get(i));
        if (used[name] > 1 || taken.contains(name)) {
            std::string numbered;
            int n = taken[name];
            do numbered = name + "_" + std::to_string(++n);
            while (used.contains(numbered) || taken.contains(numbered));
            taken[name] = n;
            taken[numbered] = 0;
            name = numbered;
        } else {
            taken[name] = 0;
        }
        names.push_back(std::move(name));
    }
    return names;
}

bool NamesUtf8(std::string Encoding)
{
    Encoding = rtl::LowerCase(Encoding);
    return Encoding == "utf-8" || Encoding == "utf8";
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

    // A deque: a million cells never move as the list grows.
    std::deque<TLoadedCell> Cells;
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

// The declaration names the bytes that follow: UTF-8 when XMLEncoding asks for it, else the
// system code page, Windows-1250, whatever other name XMLEncoding holds (the bytes were never
// in that encoding).
void TExtStringGrid::SaveToXML(const std::string& FileName, const std::string& ListDescr,
                               const std::string& RecordDescr, const rtl::TStrings* FieldDescr,
                               bool ExportEmptyCells)
{
    const bool utf8 = NamesUtf8(XMLEncoding());
    std::unique_ptr<rtl::TSafeFileWriter> file;
    try {
        file = std::make_unique<rtl::TSafeFileWriter>(FileName);
    } catch (const rtl::EInOutError&) {
        throw VIdoZovuVozir("Cannot Create file " + rtl::DisplayPath(FileName));
    }
    auto writeLn = [&](const std::string& line) {
        file->Write(utf8 ? line : rtl::Utf8ToWin1250(line));
        file->Write("\r\n");
    };
    writeLn(std::string("<?xml version=\"1.0\" encoding=\"") + (utf8 ? "UTF-8" : "Windows-1250") + "\" ?>");
    const std::string list = ValidXmlName(ListDescr);
    const std::string record = ValidXmlName(RecordDescr);
    writeLn("<" + list + ">");

    const std::vector<std::string> names = FieldDescr != nullptr ? FieldElementNames(*FieldDescr) : std::vector<std::string>{};
    const int startCol = SaveStartCol();
    const int lastCol = SaveEndCol() + (FSaveHiddenCells ? NumHiddenColumns() : 0);
    const int startRow = SaveStartRow();
    const int endRow = SaveEndRow();
    TFileProgressReporter progress(OnFileProgress, this);
    ExportNotification(esExportStart, startRow);
    for (int r = startRow; r <= endRow; ++r) {
        ExportNotification(esExportNextRow, r);
        writeLn("<" + record + ">");
        for (int c = startCol; c <= lastCol; ++c) {
            // Storage column of the cell, and its real column, which numbers the field.
            const int storeCol = SavedStoreCol(c);
            const int realCol = FSaveHiddenCells ? c : RealColIndex(c);
            if (!IsBaseCell(storeCol, r)) continue;
            std::string text = SaveCellText(storeCol, r);
            if (text.empty() && !ExportEmptyCells) continue;
            const int n = realCol - startCol;
            const std::string tag = n >= 0 && n < static_cast<int>(names.size()) ? names[static_cast<std::size_t>(n)]
                                                                                 : "FIELD" + std::to_string(n);
            text = text.empty() ? (FQuoteEmptyCells ? "\"\"" : "") : EscapeXmlText(text);
            writeLn("<" + tag + ">" + text + "</" + tag + ">");
        }
        writeLn("</" + record + ">");
        progress.ReportRow(r - startRow, endRow - startRow + 1);
    }
    ExportNotification(esExportDone, -1);
    writeLn("</" + list + ">");
    file->Commit();
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
