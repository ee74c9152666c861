// The string grid's CSV export and import: quoting, delimiter detection, multi-line fields and growth.
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridLists.h"
#include "grid/core/GridOptionsCells.h"
#include "grid/data/ExtGridTextFileSupport.h"
#include "platform/rtl/CodePage.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Paths.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Streams.h"

namespace grid {

namespace {

constexpr char Quote = '"';
constexpr char LineMark = '\x0B';  // a CR LF inside a field the writer quoted itself

// ----- writing

struct TCsvWriteOptions {
    char Delimiter;
    bool QuoteQuote;
    bool QuoteEmpty;
    bool AlwaysQuotes;
    bool Java;
    bool Multiline;
};

bool HasLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

std::string EncodeCsvField(std::string text, const TCsvWriteOptions& o)
{
    if (o.QuoteQuote) rtl::ReplaceAllInPlace(text, "\"", "\"\"");
    bool quoted = false;
    const bool hasDelimiter = text.find(o.Delimiter) != std::string::npos;
    if ((o.AlwaysQuotes || (text.find(Quote) != std::string::npos && !hasDelimiter)) && o.QuoteQuote) {
        text = Quote + text + Quote;
        quoted = true;
    }
    if (text.empty()) {
        if (o.Java)
            text = "^";
        else if (o.QuoteEmpty)
            text = "\"\"";
    }
    // A bare LF or a lone CR breaks the record as surely as CR LF does, so any of the three
    // makes the field multi-line and it is quoted (or marked in Java mode) in every mode.
    if (!hasDelimiter && !HasLineBreak(text)) return text;
    if (o.Java) {
        // Every line break becomes one "~", which reads back as CR LF; a field holding the
        // delimiter is quoted so that the record keeps its fields.
        rtl::ReplaceAllInPlace(text, "\r\n", "~");
        std::replace(text.begin(), text.end(), '\r', '~');
        std::replace(text.begin(), text.end(), '\n', '~');
        if (hasDelimiter && !quoted) text = Quote + text + Quote;
    } else if (o.Multiline) {
        if (!quoted) text = Quote + text + Quote;
    } else if (quoted) {
        rtl::ReplaceAllInPlace(text, "\r\n", "\n");
    } else {
        rtl::ReplaceAllInPlace(text, "\r\n", std::string(1, LineMark));
        text = Quote + text + Quote;
    }
    return text;
}

// Appends a field to the line: a text with no quote, delimiter or line break goes in as it
// stands (unless every field is quoted or it is empty), without the copies the general
// encoding makes.
void AppendCsvField(std::string& line, const std::string& text, const TCsvWriteOptions& o)
{
    const char special[] = {Quote, '\r', '\n', o.Delimiter};
    if (!text.empty() && !o.AlwaysQuotes && text.find_first_of(special, 0, sizeof special) == std::string::npos) {
        line += text;
        return;
    }
    line += EncodeCsvField(text, o);
}

// The text of a file written in pieces: UTF-8 lines gather in a buffer that is encoded and
// written whenever it holds a megabyte, so that a large file is never held whole. The file
// replaces an old one only when committed complete.
class TEncodedFileWriter {
public:
    TEncodedFileWriter(const std::string& FileName, rtl::TTextEncoding Encoding)
        : FFile(FileName, rtl::fmCreate), FEncoding(Encoding)
    {
        const std::string mark = rtl::EncodeText("", Encoding);
        FFile.WriteBuffer(mark.data(), static_cast<long long>(mark.size()));
    }
    std::string& Text() { return FText; }
    void WriteIfFull()
    {
        if (FText.size() >= (1u << 20)) Write();
    }
    void Commit()
    {
        Write();
        FFile.Commit();
    }

private:
    void Write()
    {
        if (FText.empty()) return;
        switch (FEncoding) {
        case rtl::TTextEncoding::teAnsi:
            FBytes.clear();
            rtl::AppendUtf8AsWin1250(FBytes, FText.data(), FText.size());
            break;
        case rtl::TTextEncoding::teUnicode:
            FBytes = rtl::EncodeText(FText, FEncoding).substr(2);  // the mark went first
            break;
        default:
            FBytes.swap(FText);
            break;
        }
        FFile.WriteBuffer(FBytes.data(), static_cast<long long>(FBytes.size()));
        FText.clear();
    }

    rtl::TFileStream FFile;
    rtl::TTextEncoding FEncoding;
    std::string FText;
    std::string FBytes;
};

// ----- reading

std::size_t CountQuotes(std::string_view line) { return static_cast<std::size_t>(std::count(line.begin(), line.end(), Quote)); }

// The records of a CSV text, read one at a time from the text itself: physical lines end
// at CR LF, a lone CR or a lone LF. After IgnoreRows physical lines (skipped only when the
// text has more lines than that), a line whose count of quote characters is odd is joined
// by CR LF with the lines after it while another line follows: a quoted field may end on
// the file's last line. Every line break inside a field reads as CR LF, the grid's own.
class TCsvRecords {
public:
    TCsvRecords(std::string_view Text, int IgnoreRows, bool JoinMultiline) : FText(Text), FJoin(JoinMultiline)
    {
        if (IgnoreRows <= 0) return;
        std::size_t total = 0;
        std::string_view line;
        while (NextLine(line)) ++total;
        FPos = 0;
        if (static_cast<std::size_t>(IgnoreRows) < total)
            for (int i = 0; i < IgnoreRows; ++i) NextLine(line);
        FStart = FPos;
    }
    // Back to the first record.
    void Rewind() { FPos = FStart; }
    // The next record; its text stays valid until the next call.
    bool Next(std::string_view& Record)
    {
        if (!NextLine(Record)) return false;
        if (!FJoin) return true;
        std::size_t quotes = CountQuotes(Record);
        if (quotes % 2 == 0) return true;
        std::string_view more;
        FJoined.assign(Record);
        while (quotes % 2 == 1 && NextLine(more)) {
            quotes += CountQuotes(more);
            FJoined.append("\r\n").append(more);
        }
        Record = FJoined;
        return true;
    }
    std::size_t Count()
    {
        std::size_t n = 0;
        std::string_view record;
        while (Next(record)) ++n;
        Rewind();
        return n;
    }

private:
    bool NextLine(std::string_view& Line)
    {
        if (FPos >= FText.size()) return false;
        std::size_t end = FPos;
        while (end < FText.size() && FText[end] != '\r' && FText[end] != '\n') ++end;
        Line = FText.substr(FPos, end - FPos);
        if (end == FText.size()) {
            FPos = end;
        } else {
            const bool crlf = FText[end] == '\r' && end + 1 < FText.size() && FText[end + 1] == '\n';
            FPos = end + (crlf ? 2 : 1);
        }
        return true;
    }

    std::string_view FText;
    bool FJoin;
    std::size_t FPos = 0;
    std::size_t FStart = 0;
    std::string FJoined;
};

// Occurrences outside quotes: " or ' opens and closes a quote; a line that ends inside a
// quote counts every occurrence.
int CountOutsideQuotes(std::string_view line, char c)
{
    int outside = 0;
    int all = 0;
    bool inQuote = false;
    for (char ch : line) {
        if (ch == '"' || ch == '\'') inQuote = !inQuote;
        if (ch != c) continue;
        ++all;
        if (!inQuote) ++outside;
    }
    return inQuote ? all : outside;
}

int CountPlain(std::string_view line, char c) { return static_cast<int>(std::count(line.begin(), line.end(), c)); }

// The delimiter guessed from the first two lines; 0 when no candidate occurs.
char DetectCsvDelimiter(std::string_view line1, std::string_view line2)
{
    static constexpr char Candidates[] = {',', ';', '#', '\t', '|', '@', '*', '-', '+', '&'};
    char found = 0;
    int best = 0;
    for (auto count : {CountOutsideQuotes, CountPlain}) {
        for (char c : Candidates) {
            const int n1 = count(line1, c);
            if (n1 == count(line2, c) && n1 > best) {
                best = n1;
                found = c;
            }
        }
        if (found != 0) return found;
    }
    for (char c : Candidates) {
        const int n1 = CountPlain(line1, c);
        const int n2 = CountPlain(line2, c);
        if (n1 > best || n2 > best) {
            best = std::max(n1, n2);
            found = c;
        }
    }
    return found;
}

std::string_view DropLeadingBlanks(std::string_view s)
{
    while (s.size() > 1 && s.front() == ' ') s.remove_prefix(1);
    return s;
}

std::string SingleQuotes(std::string_view s)
{
    std::string out(s);
    rtl::ReplaceAllInPlace(out, "\"\"", "\"");
    return out;
}

// Cuts the next field of Rest, which holds the delimiter. A quoted field ends at the last
// quote of the first run of an odd number of quotes; what follows it up to the next
// delimiter is dropped; without such a run the field is empty.
std::string CutCsvField(std::string_view& Rest, char Delimiter, bool Trim, bool& EndedOnDelimiter)
{
    if (Trim) Rest = DropLeadingBlanks(Rest);
    std::string field;
    std::size_t after = 0;
    if (!Rest.empty() && Rest.front() == Quote) {
        std::size_t closing = std::string_view::npos;
        std::size_t i = 1;
        while (i < Rest.size()) {
            if (Rest[i] != Quote) {
                ++i;
                continue;
            }
            std::size_t run = i;
            while (run < Rest.size() && Rest[run] == Quote) ++run;
            if ((run - i) % 2 == 1) {
                closing = run - 1;
                break;
            }
            i = run;
        }
        if (closing != std::string_view::npos) {
            field = SingleQuotes(Rest.substr(1, closing - 1));
            after = closing;
        } else {
            after = 1;
        }
    }
    const std::size_t delim = Rest.find(Delimiter, after);
    EndedOnDelimiter = delim != std::string_view::npos;
    if (after == 0) field.assign(Rest.substr(0, delim));
    Rest = delim == std::string_view::npos ? std::string_view{} : Rest.substr(delim + 1);
    return field;
}

// With CSVTrimSpaces off the last field keeps its leading blanks like every other field.
std::string LastCsvField(std::string_view Rest, bool Trim)
{
    if (Trim) Rest = DropLeadingBlanks(Rest);
    if (Rest.empty() || Rest.front() != Quote) return std::string(Rest);
    Rest.remove_prefix(1);
    if (!Rest.empty() && Rest.back() == Quote) Rest.remove_suffix(1);
    return SingleQuotes(Rest);
}

}  // namespace

// ----- writing

void TExtStringGrid::SaveToCSV(const std::string& FileName, bool Unicode) { SaveCSVInternal(FileName, false, Unicode); }

void TExtStringGrid::AppendToCSV(const std::string& FileName, bool Unicode) { SaveCSVInternal(FileName, true, Unicode); }

void TExtStringGrid::SaveCSVInternal(const std::string& FileName, bool Append, bool Unicode)
{
    const TCsvWriteOptions o{Delimiter().empty() ? ',' : Delimiter()[0], FQuoteQuotedCells, FQuoteEmptyCells,
                             FAlwaysQuotes, FJavaCSV, Multilinecells()};
    // An appended file is written anew: its old lines, in its own encoding unless Unicode
    // asks for the grid's, then the grid's rows.
    std::string previous;
    rtl::TTextEncoding encoding = Unicode ? Encoding() : rtl::TTextEncoding::teAnsi;
    if (Append && rtl::FileExists(FileName)) {
        TFileStringList old;
        old.LoadFromFile(FileName);
        previous = old.Text();
        if (!Unicode) encoding = old.Encoding();
    }
    TEncodedFileWriter out(FileName, encoding);
    out.Text() = std::move(previous);
    const int firstCol = SaveStartCol();
    const int lastCol = SaveEndCol() + (FSaveHiddenCells ? NumHiddenColumns() : 0);
    TFileProgressReporter progress(OnFileProgress, this);
    ExportNotification(esExportStart, SaveStartRow());
    for (int r = SaveStartRow(); r <= SaveEndRow(); ++r) {
        ExportNotification(esExportNextRow, r);
        std::string& line = out.Text();
        for (int c = firstCol; c <= lastCol; ++c) {
            if (c > firstCol) line += o.Delimiter;
            AppendCsvField(line, SaveCellText(SavedStoreCol(c), r), o);
        }
        line += "\r\n";
        out.WriteIfFull();
        progress.ReportRow(r - SaveStartRow(), SaveEndRow() - SaveStartRow() + 1);
    }
    ExportNotification(esExportDone, -1);
    out.Commit();
}

// ----- reading

void TExtStringGrid::LoadFromCSV(const std::string& FileName, int MaxRows, int IgnoreRows)
{
    rtl::TFileStream file(FileName, rtl::fmOpenRead | rtl::fmShareDenyWrite);
    if (file.Size() == 0) return;
    LoadCSVInternal(file, false, IgnoreRows, MaxRows);
}

// The bytes are read in the given encoding and handed on as UTF-8.
void TExtStringGrid::LoadFromCSV(const std::string& FileName, rtl::TTextEncoding AEncoding, int MaxRows,
                                 int IgnoreRows)
{
    rtl::TMemoryStream raw;
    raw.LoadFromFile(FileName);
    std::string bytes(reinterpret_cast<const char*>(raw.Memory()), static_cast<std::size_t>(raw.Size()));
    std::string text;
    switch (AEncoding) {
    case rtl::TTextEncoding::teAnsi:
        text = rtl::Win1250ToUtf8(bytes);
        break;
    case rtl::TTextEncoding::teUnicode:
        text = rtl::DecodeText(bytes.starts_with("\xFF\xFE") ? bytes : std::string("\xFF\xFE", 2) + bytes);
        break;
    default:
        text = rtl::DecodeText(bytes.starts_with("\xEF\xBB\xBF") ? bytes : std::string("\xEF\xBB\xBF") + bytes);
        break;
    }
    rtl::TMemoryStream utf8;
    const std::string encoded = rtl::EncodeText(text, rtl::TTextEncoding::teUTF8);
    utf8.WriteBuffer(encoded.data(), static_cast<long long>(encoded.size()));
    utf8.SetPosition(0);
    LoadCSVInternal(utf8, false, IgnoreRows, MaxRows);
}

void TExtStringGrid::LoadFromCSVStream(rtl::TStream& Stream, int MaxRows, int IgnoreRows)
{
    LoadCSVInternal(Stream, false, IgnoreRows, MaxRows);
}

void TExtStringGrid::InsertFromCSV(const std::string& FileName, int MaxRows, int IgnoreRows)
{
    rtl::TFileStream file(FileName, rtl::fmOpenRead | rtl::fmShareDenyWrite);
    if (file.Size() == 0) return;
    LoadCSVInternal(file, true, IgnoreRows, MaxRows);
}

// The grid is sized once for all lines (growing it in steps while reading would copy the
// row books again and again on large files); the row count ends as the rows read plus the
// fixed footers, as with stepwise growth.
void TExtStringGrid::LoadCSVInternal(rtl::TStream& Stream, bool DoInsert, int IgnoreRows, int MaxRows)
{
    std::string decoded;
    {
        const long long size = Stream.Size() - Stream.Position();
        std::string bytes(static_cast<std::size_t>(std::max(0LL, size)), '\0');
        if (!bytes.empty()) Stream.ReadBuffer(bytes.data(), static_cast<long long>(bytes.size()));
        decoded = rtl::DecodeText(bytes);
    }
    TCsvRecords records(decoded, IgnoreRows, FMultiLineCSVImport);
    const std::size_t recordCount = records.Count();
    if (recordCount == 0) throw rtl::Exception("File is empty");

    LoadCellsUnderUpdate(*this, [&] {
        int row = DoInsert ? RowCount() : SaveStartRow();
        std::vector<std::string> footerRow;
        const bool keepFooter = DoInsert && FloatingFooter().Visible() && RowCount() > 0;
        if (keepFooter) {
            row = RowCount() - 1;
            for (int c = 0; c < TotalColCount(); ++c) {
                footerRow.push_back(GetGridCell(c, row));
                SetGridCell(c, row, "");
            }
        }
        std::string_view record;
        char delimiter = Delimiter().empty() ? 0 : Delimiter()[0];
        if (delimiter == 0) {
            records.Next(record);
            const std::string first(record);
            std::string_view second;
            if (!records.Next(second)) second = {};
            delimiter = DetectCsvDelimiter(first, second);
            records.Rewind();
        }
        const std::size_t skip = FLoadFirstRow ? 0 : 1;
        for (std::size_t i = 0; i < skip; ++i) records.Next(record);
        std::size_t toRead = recordCount - std::min(skip, recordCount);
        if (MaxRows > 0) toRead = std::min(toRead, static_cast<std::size_t>(MaxRows));
        const int firstRow = row;
        SetRowCount(std::max(RowCount(), firstRow + static_cast<int>(toRead) + FixedFooters()));
        const int hidden = FSaveHiddenCells ? NumHiddenColumns() : 0;
        TFileProgressReporter progress(OnFileProgress, this);

        auto store = [&](int col, std::string text) {
            if (col + 1 > hidden + ColCount()) SetColCount(col + 1 - hidden);
            if (FJavaCSV) {
                if (text == "^")
                    text.clear();
                else
                    rtl::ReplaceAllInPlace(text, "~", "\r\n");
            } else {
                rtl::ReplaceAllInPlace(text, std::string(1, LineMark), "\r\n");
            }
            LoadCell(FSaveHiddenCells ? DisplColIndex(col) : col, row, text);
        };
        for (std::size_t read = 0; read < toRead && records.Next(record); ++read) {
            if (row >= RowCount() - FixedFooters()) SetRowCount(row + 1000);
            std::string_view rest(record);
            int col = SaveStartCol();
            bool endedOnDelimiter = false;
            while (delimiter != 0 && rest.find(delimiter) != std::string_view::npos)
                store(col++, CutCsvField(rest, delimiter, FTrimCSVBlanks, endedOnDelimiter));
            if (!rest.empty())
                store(col, LastCsvField(rest, FTrimCSVBlanks));
            else if (endedOnDelimiter)
                store(col, {});  // a trailing empty field still counts as a column
            ++row;
            progress.Report(static_cast<double>(read + 1), static_cast<double>(toRead));
        }
        // The rows read and the fixed footers; a visible floating footer counts among the fixed
        // footers, and its row set aside goes back into the last row.
        SetRowCount(row + std::max(FixedFooters(), keepFooter ? 1 : 0));
        FMaxRowCount = RowCount();
        if (keepFooter)
            for (int c = 0; c < static_cast<int>(footerRow.size()); ++c) SetGridCell(c, RowCount() - 1, footerRow[c]);
    });
}

}  // namespace grid
