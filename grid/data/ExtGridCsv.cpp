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

// ----- reading

std::size_t CountQuotes(std::string_view line) { return static_cast<std::size_t>(std::count(line.begin(), line.end(), Quote)); }

// The physical lines of the text: CR LF, a lone CR and a lone LF each end a line.
std::vector<std::string> SplitLines(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
        start = end + (crlf ? 2 : 1);
    }
    return lines;
}

// The records of the text after IgnoreRows physical lines. A line whose count of quote
// characters is odd is joined by CR LF with the lines after it while another line follows:
// a quoted field may end on the file's last line. Every line break inside a field reads as
// CR LF, the grid's own line break.
std::vector<std::string> ReadCsvLines(std::string_view text, int IgnoreRows, bool JoinMultiline)
{
    std::vector<std::string> raw = SplitLines(text);
    const std::size_t total = raw.size();
    std::size_t next = 0;
    if (IgnoreRows > 0 && static_cast<std::size_t>(IgnoreRows) < total) next = static_cast<std::size_t>(IgnoreRows);
    std::vector<std::string> lines;
    lines.reserve(total - next);
    while (next < total) {
        std::string line = std::move(raw[next++]);
        if (JoinMultiline) {
            std::size_t quotes = CountQuotes(line);
            while (quotes % 2 == 1 && next < total) {
                quotes += CountQuotes(raw[next]);
                line.append("\r\n").append(raw[next]);
                std::string().swap(raw[next]);
                ++next;
            }
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

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
    const std::string delimiter(1, o.Delimiter);
    TFileStringList lines;
    bool appended = false;
    if (Append && rtl::FileExists(FileName)) {
        lines.LoadFromFile(FileName);
        appended = true;
    }
    const int firstCol = SaveStartCol();
    const int lastCol = SaveEndCol() + (FSaveHiddenCells ? NumHiddenColumns() : 0);
    TFileProgressReporter progress(OnFileProgress, this);
    ExportNotification(esExportStart, SaveStartRow());
    for (int r = SaveStartRow(); r <= SaveEndRow(); ++r) {
        ExportNotification(esExportNextRow, r);
        for (int c = firstCol; c <= lastCol; ++c) {
            if (c > firstCol) lines.Write(delimiter);
            lines.Write(EncodeCsvField(SaveCellText(SavedStoreCol(c), r), o));
        }
        lines.WriteLn("");
        progress.ReportRow(r - SaveStartRow(), SaveEndRow() - SaveStartRow() + 1);
    }
    ExportNotification(esExportDone, -1);
    const rtl::TTextEncoding encoding =
        Unicode ? Encoding() : (appended ? lines.Encoding() : rtl::TTextEncoding::teAnsi);
    lines.SaveToFile(FileName, encoding);
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
    std::vector<std::string> lines;
    {
        const long long size = Stream.Size() - Stream.Position();
        std::string bytes(static_cast<std::size_t>(std::max(0LL, size)), '\0');
        if (!bytes.empty()) Stream.ReadBuffer(bytes.data(), static_cast<long long>(bytes.size()));
        lines = ReadCsvLines(rtl::DecodeText(bytes), IgnoreRows, FMultiLineCSVImport);
    }
    if (lines.empty()) throw rtl::Exception("File is empty");

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
        const char delimiter =
            !Delimiter().empty() ? Delimiter()[0]
                                 : DetectCsvDelimiter(lines[0], lines.size() > 1 ? std::string_view(lines[1]) : "");
        std::size_t next = FLoadFirstRow ? 0 : 1;
        std::size_t toRead = lines.size() - std::min(next, lines.size());
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
        for (std::size_t read = 0; read < toRead; ++read, ++next) {
            if (row >= RowCount() - FixedFooters()) SetRowCount(row + 1000);
            std::string_view rest(lines[next]);
            int col = SaveStartCol();
            bool endedOnDelimiter = false;
            while (delimiter != 0 && rest.find(delimiter) != std::string_view::npos)
                store(col++, CutCsvField(rest, delimiter, FTrimCSVBlanks, endedOnDelimiter));
            if (!rest.empty())
                store(col, LastCsvField(rest, FTrimCSVBlanks));
            else if (endedOnDelimiter)
                store(col, {});  // a trailing empty field still counts as a column
            std::string().swap(lines[next]);
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
