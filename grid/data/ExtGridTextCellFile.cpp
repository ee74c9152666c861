// The string grid's text cell file and text cell stream: "cols,rows", "cw c,width" and "c,r,text" lines.
#include <string>
#include <string_view>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "grid/data/ExtGridHiddenColumns.h"
#include "grid/data/ExtGridLoadLimits.h"
#include "grid/data/ExtGridTextFileSupport.h"
#include "grid/foundation/ExtUtilText.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/Forms.h"

namespace grid {

namespace {

// One line of a text cell file, parsed before anything in the grid changes.
struct TCellFileRecord {
    bool IsWidth = false;
    int Col = 0;
    int Row = 0;  // the width for a width line
    std::string Text;
};

// A malformed line names the file, the line number (1-based) and the line itself.
[[noreturn]] void RaiseCorruptLine(const std::string& FileName, int LineNo, const std::string& Line)
{
    throw VIdoZovuVozir("Corrupt line " + std::to_string(LineNo) + " in file " + FileName + ": \"" + Line + "\"");
}

// Cuts the text up to the first "," from Rest and converts it; false when it is no integer.
bool CutInt(std::string_view& Rest, int& Value)
{
    const std::size_t comma = Rest.find(',');
    const std::string field(Rest.substr(0, comma));
    Rest = comma == std::string_view::npos ? std::string_view{} : Rest.substr(comma + 1);
    return rtl::TryStrToInt(field, Value);
}

// "cw c,width" or "c,r,text".
TCellFileRecord ParseCellFileLine(const std::string& FileName, int LineNo, const std::string& Line)
{
    TCellFileRecord rec;
    std::string_view rest(Line);
    if (Line.starts_with("cw")) {
        rec.IsWidth = true;
        rest = rest.size() > 3 ? rest.substr(3) : std::string_view{};
        if (!CutInt(rest, rec.Col) || !rtl::TryStrToInt(std::string(rest), rec.Row))
            RaiseCorruptLine(FileName, LineNo, Line);
        return rec;
    }
    if (Line.find(',') == std::string::npos || !CutInt(rest, rec.Col) || !CutInt(rest, rec.Row))
        RaiseCorruptLine(FileName, LineNo, Line);
    const std::size_t second = Line.find(',', Line.find(',') + 1);
    if (second == std::string::npos) RaiseCorruptLine(FileName, LineNo, Line);
    rec.Text = Line.substr(second + 1);
    return rec;
}

// A text with a lone LF is escaped like one with CR: written raw, the LF would end the file
// line and the rest of the text would come back as a broken line of its own.
std::string EscapeForCellFile(const std::string& Text)
{
    if (Text.find('\r') != std::string::npos || Text.find('\n') == std::string::npos) return EscapeLineBreaksForFile(Text);
    std::string out(Text);
    for (char& c : out) {
        if (c == '\n')
            c = '\x08';
        else if (c == '\0')
            c = '\x01';
    }
    return out;
}

int ColumnWidthOf(TExtStringGrid& Grid, const TExtGridHiddenColumns* Hidden, int Store)
{
    if (Store < Grid.ColCount()) return Grid.ColWidths(Store);
    const auto k = static_cast<std::size_t>(Store - Grid.ColCount());
    return Hidden != nullptr && k < Hidden->Widths.size() ? Hidden->Widths[k] : Grid.DefaultColWidth();
}

}  // namespace

void TExtStringGrid::SaveToFile(const std::string& FileName, bool Unicode)
{
    const int hidden = FSaveHiddenCells ? NumHiddenColumns() : 0;
    const int firstCol = SaveStartCol();
    const int lastCol = SaveEndCol() + hidden;
    rtl::TStringList lines;
    lines.Add(rtl::IntToStr(SaveColCount() + hidden) + "," + rtl::IntToStr(SaveRowCount()));
    for (int c = firstCol; c <= lastCol; ++c)
        lines.Add("cw " + rtl::IntToStr(c) + "," + rtl::IntToStr(ColumnWidthOf(*this, FHidden.get(), SavedStoreCol(c))));
    TFileProgressReporter progress(OnFileProgress, this);
    ExportNotification(esExportStart, SaveStartRow());
    for (int r = SaveStartRow(); r <= SaveEndRow(); ++r) {
        ExportNotification(esExportNextRow, r);
        for (int c = firstCol; c <= lastCol; ++c) {
            const std::string text = SaveCellText(SavedStoreCol(c), r);
            if (text.empty()) continue;
            lines.Add(rtl::IntToStr(c) + "," + rtl::IntToStr(r) + "," + EscapeForCellFile(text));
        }
        progress.ReportRow(r - SaveStartRow(), SaveEndRow() - SaveStartRow() + 1);
    }
    ExportNotification(esExportDone, -1);
    lines.SaveToFile(FileName, Unicode ? rtl::TTextEncoding::teUnicode : rtl::TTextEncoding::teAnsi);
}

// Every line is checked before the grid changes, so a corrupt file leaves the grid as it was.
void TExtStringGrid::LoadFromFile(const std::string& FileName)
{
    rtl::TStringList lines;
    lines.LoadFromFile(FileName);
    const int fc = FSaveFixedCells || FSaveFixedCols ? 0 : FixedCols();
    const int fr = FSaveFixedCells || FSaveFixedRows ? 0 : FixedRows();
    int cols = ColCount();
    int rows = RowCount();
    const std::string header = lines.Count() > 0 ? lines[0] : std::string();
    const char* const corrupt = "File contains no data or corrupt file ";
    if (!header.empty()) {
        std::string_view rest(header);
        if (!CutInt(rest, cols) || !rtl::TryStrToInt(std::string(rest), rows)) RaiseCorruptLine(FileName, 1, header);
        // Counts are checked before anything is sized: a negative count, or one far beyond
        // what the file's lines could fill, is a corrupt file, not a grid of one column or
        // of gigabytes.
        if (!LoadCountFits(cols, lines.Count()) || !LoadCountFits(rows, lines.Count()))
            throw VIdoZovuVozir(corrupt + FileName + " (header \"" + header + "\")");
        cols += fc;
        rows += fr;
    }
    if (cols <= 0 || rows <= 0) throw VIdoZovuVozir(corrupt + FileName);
    std::vector<TCellFileRecord> records;
    records.reserve(static_cast<std::size_t>(std::max(0, lines.Count() - 1)));
    for (int i = 1; i < lines.Count(); ++i) records.push_back(ParseCellFileLine(FileName, i + 1, lines[i]));
    lines.Clear();

    SetColCount(cols);
    SetRowCount(rows);
    TFileProgressReporter progress(OnFileProgress, this);
    LoadCellsUnderUpdate(*this, [&] {
        for (TCellFileRecord& rec : records) {
            if (rec.IsWidth) {
                if (rec.Col >= 0 && rec.Col < ColCount()) SetColWidths(rec.Col, rec.Row);
                continue;
            }
            if (rec.Col < 0 || rec.Row < 0 || rec.Col >= ColCount() || rec.Row >= RowCount()) continue;
            std::string text = UnescapeLineBreaksFromFile(rec.Text, Multilinecells());
            LoadCell(rec.Col, rec.Row, text);
            if (progress.Active()) {
                progress.Report(rec.Row, std::max(1, RowCount() - 1));
                if (ui::Application() != nullptr) ui::Application()->ProcessMessages();
            }
        }
    });
}

void TExtStringGrid::SaveToStream(rtl::TStream& Stream)
{
    WriteUtf16Line(Stream, rtl::IntToStr(SaveColCount()) + "," + rtl::IntToStr(SaveRowCount()));
    for (int c = 0; c < ColCount(); ++c) WriteUtf16Line(Stream, "cw " + rtl::IntToStr(c) + "," + rtl::IntToStr(ColWidths(c)));
    const int firstCol = SaveStartCol();
    const int firstRow = SaveStartRow();
    ExportNotification(esExportStart, firstRow);
    for (int r = firstRow; r <= SaveEndRow(); ++r) {
        ExportNotification(esExportNextRow, r);
        for (int c = firstCol; c <= SaveEndCol(); ++c) {
            const std::string text = SaveCellText(c, r);
            if (text.empty()) continue;
            WriteUtf16Line(Stream, rtl::IntToStr(c - firstCol) + "," + rtl::IntToStr(r - firstRow) + "," +
                                       EscapeLineBreaksForFile(text));
        }
    }
    ExportNotification(esExportDone, -1);
}

// A header, index or width that is no integer fails with the platform's conversion error
// before the grid changes (the whole run of lines is read first); a line that does not
// start with a column number and a row number, each followed by ",", ends the cell data,
// and the stream is left at that line.
void TExtStringGrid::LoadFromStream(rtl::TStream& Stream)
{
    const int firstCol = SaveStartCol();
    const int firstRow = SaveStartRow();
    int cols = -1;
    int rows = -1;
    std::string header;
    if (Stream.Position() < Stream.Size()) {
        header = ReadUtf16Line(Stream);
        if (!header.empty()) {
            const std::size_t comma = header.find(',');
            cols = rtl::StrToInt(header.substr(0, comma));
            rows = rtl::StrToInt(comma == std::string::npos ? std::string() : header.substr(comma + 1));
        }
    }
    std::vector<TCellFileRecord> records;
    while (Stream.Position() < Stream.Size()) {
        const long long mark = Stream.Position();
        const std::string line = ReadUtf16Line(Stream);
        TCellFileRecord rec;
        if (line.starts_with("cw")) {
            const std::string rest = line.substr(std::min<std::size_t>(3, line.size()));
            const std::size_t comma = rest.find(',');
            rec.IsWidth = true;
            rec.Col = rtl::StrToInt(rest.substr(0, comma));
            rec.Row = rtl::StrToInt(comma == std::string::npos ? std::string() : rest.substr(comma + 1));
            records.push_back(std::move(rec));
            continue;
        }
        std::string_view rest(line);
        const std::size_t c1 = line.find(',');
        const std::size_t c2 = c1 == std::string::npos ? std::string::npos : line.find(',', c1 + 1);
        if (c2 == std::string::npos || !CutInt(rest, rec.Col) || !CutInt(rest, rec.Row)) {
            Stream.SetPosition(mark);
            break;
        }
        rec.Text = line.substr(c2 + 1);
        records.push_back(std::move(rec));
    }

    // The counts are checked before the grid changes: negative ones, or ones far beyond what
    // the stream's lines could fill, make a corrupt stream.
    if (!header.empty()) {
        const auto lineCount = static_cast<long long>(records.size()) + 1;
        if (!LoadCountFits(cols, lineCount) || !LoadCountFits(rows, lineCount))
            throw VIdoZovuVozir("Stream contains no data or corrupt stream (header \"" + header + "\")");
        cols += firstCol;
        rows += firstRow;
    }

    if (!header.empty()) {
        SetColCount(cols);
        SetRowCount(rows);
    }
    // A cell line that lies outside the grid is skipped, as the text cell file skips it: a
    // position read from the stream must not place a cell where no row or column will ever
    // reach it (nor fail half way on a negative one).
    for (TCellFileRecord& rec : records) {
        if (rec.IsWidth) {
            if (rec.Col >= 0 && rec.Col < ColCount()) SetColWidths(rec.Col, rec.Row);
            continue;
        }
        const long long col = static_cast<long long>(firstCol) + rec.Col;
        const long long row = static_cast<long long>(firstRow) + rec.Row;
        if (rec.Col < 0 || rec.Row < 0 || col >= ColCount() || row >= RowCount()) continue;
        std::string text = UnescapeLineBreaksFromFile(rec.Text, Multilinecells());
        LoadCell(static_cast<int>(col), static_cast<int>(row), text);
    }
    CellsChanged(rtl::TRect{0, 0, ColCount(), RowCount()});
    RecalcAllFooters();
}

}  // namespace grid
