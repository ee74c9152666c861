// Conventions shared by the batch tools of the soil and grid pages: table reading, strict ids, number text, status.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace rtl {
class TTextFile;
}

namespace app {

// Receives the status texts of a tool ("PROCESSING", progress, "COMPLETE");
// the handler shows them in the hidden status label and repaints.
using TToolStatus = std::function<void(const std::string&)>;

// Calls `status` when one is given.
void ReportStatus(const TToolStatus& status, const std::string& text);

// The fields of one line split the way SplitFields splits it (leading blanks
// of the line and of every field skipped, trailing blanks kept), as views into
// the line; a field beyond the line's count is empty. Used by the tools that
// stream millions of rows, where copying every field would dominate.
class TFieldViews {
public:
    static constexpr int MaxFields = 1000;

    void Split(std::string_view line, char separator = ';');
    // Field k, counted from 1; "" beyond the count.
    std::string_view operator[](int k) const
    {
        return k >= 1 && k <= FCount ? FFields[static_cast<std::size_t>(k - 1)] : std::string_view{};
    }
    int Count() const { return FCount; }

private:
    void Add(const char* begin, const char* end);
    bool SplitWithoutBlanks(std::string_view line, char separator);
    void SplitSkippingBlanks(std::string_view line, char separator);

    std::array<std::string_view, MaxFields> FFields{};
    int FCount = 0;
};

// ParseDecimal with a fast exact path for plain decimal text ("-12.5",
// "0,35"): the same double the locale conversion gives, without its copies.
double ParseDecimalFast(std::string_view text);

// True when ParseDecimal(text) <= 0, found without converting plain decimal
// text.
bool ReadsAsNonPositive(std::string_view text);

// Fixed p/d number text: FloatToStrF in fixed format with precision p and d
// decimals, in the locale's decimal separator.
std::string FixedText(double value, int precision, int decimals);
// The same text appended to `out`.
void AppendFixedText(std::string& out, double value, int precision, int decimals);

// Passes a status text on only when it differs from the one shown last: a
// tool that reports after each of 199,255 cells repaints only when the label
// would change.
class TStatusOnChange {
public:
    explicit TStatusOnChange(const TToolStatus& status) : FStatus(status) {}
    void Show(const std::string& text)
    {
        if (text == FShown) return;
        FShown = text;
        ReportStatus(FStatus, text);
    }

private:
    const TToolStatus& FStatus;
    std::string FShown;
};

// Where a value was read: the file as the tool names it and the line number
// (the header is line 1).
struct TTablePlace {
    const std::string* FileName = nullptr;
    long long Line = 0;
    std::string Describe() const;
};

// An id or count read strictly: the integer conversion of `text`; a text that
// is not an integer, or an integer outside first..last, raises
// rtl::EConvertError naming the file, the line and the value.
int ReadStrictInt(std::string_view text, const TTablePlace& place, int first, int last, const char* what);

// An input table read line by line with the read-then-test loop: after the
// header, a data line is read and processed before the end is tested, so a
// header with no data line gives one empty row, and reading past the end gives
// empty lines. Lines are counted from 1 (the header).
class TBatchTable {
public:
    explicit TBatchTable(std::string fileName);
    ~TBatchTable();
    TBatchTable(const TBatchTable&) = delete;
    TBatchTable& operator=(const TBatchTable&) = delete;

    // Opens the file; a missing file raises the platform's input/output error.
    void Open();
    // Reads the first line (the header) and returns it.
    std::string ReadHeader();
    // Every data line in turn, by the read-then-test loop, with its place.
    void ForEachDataLine(const std::function<void(const std::string& line, const TTablePlace& place)>& onLine);
    // The next line (empty past the end); false when it came from past the end.
    bool ReadLine(std::string& line);
    bool AtEnd();
    TTablePlace Place() const { return {&FFileName, FLine}; }
    const std::string& FileName() const { return FFileName; }
    void Close();

private:
    std::string FFileName;
    std::unique_ptr<rtl::TTextFile> FFile;
    long long FLine = 0;
};

// The other table of a sequential join: rows are read forward until one whose
// key (column 1) matches. A table that runs out without the key ends the action
// with an error naming the key and the file; the empty line read at the end
// still matches an empty key, as reading past the end always gives one.
class TSequentialJoin {
public:
    enum TKeyCompare { kcText, kcInteger };

    TSequentialJoin(TBatchTable& table, TKeyCompare compare) : FTable(table), FCompare(compare) {}
    // The row of the table whose column 1 is `key` (text) or `id` (integer).
    const std::string& Seek(std::string_view key);
    const std::string& SeekId(int id);

private:
    [[noreturn]] void RunOut(const std::string& key) const;

    TBatchTable& FTable;
    TKeyCompare FCompare;
    std::string FRow;
    TFieldViews FFields;
};

}  // namespace app
