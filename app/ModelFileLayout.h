// The one line-layout engine of the model files: keyword, empty, fixed-width value and verbatim lines.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace app {

// The model files (run-control INI files, soil-property files) are read by the
// models by position: section keyword lines, empty lines, and value lines whose
// value is left-aligned in a column of fixed width followed directly by a
// comment for people. Every writer builds its file's lines here, in memory,
// then saves them in one go, so a file is either written whole or reported.
//
// Widths count characters (code points), not bytes. A value longer than its
// width is cut to the width (its end is lost) and the comment follows
// directly, as the fixed-width alignment of the shared routines does.
class TModelFileLayout {
public:
    // --- line forms -------------------------------------------------------
    // The section keyword alone ("MET_INPUT").
    void Keyword(std::string_view keyword);
    // An empty line (written between sections).
    void Empty();
    // PadRight(value, width) immediately followed by the comment.
    void Value(std::string_view value, std::size_t width, std::string_view comment);
    // Several columns on one line: values[i] filled or cut to widths[i], one
    // after the other, then the comment (the layer lines of the soil file).
    // The two vectors have the same length.
    void Columns(const std::vector<std::string>& values, const std::vector<std::size_t>& widths,
                 std::string_view comment);
    // A line taken unchanged (memo lines, output-variable items, constants).
    void Verbatim(std::string_view line);

    // --- content ----------------------------------------------------------
    std::size_t LineCount() const { return FLineEnds.size(); }
    // Line `index` (0-based) as UTF-8 text, without line end.
    std::string_view Line(std::size_t index) const;
    // All lines, each followed by CR LF, as UTF-8 text.
    const std::string& Text() const;
    // Forgets all lines; the buffer keeps its capacity for the next file.
    void Clear();

    // --- output -----------------------------------------------------------
    // Creates (or replaces) `fileName` through rtl::TTextFile: the system's
    // 8-bit code page (Windows-1250), every line ended by CR LF. The text goes
    // to a temporary file renamed over the old file when complete. A file
    // that cannot be created or written raises rtl::EInOutError naming the
    // file; an existing file then stays byte for byte as it was.
    void SaveToFile(const std::string& fileName) const;

private:
    void EndLine();

    std::string FText;                   // all lines, each ended by CR LF, UTF-8
    std::vector<std::size_t> FLineEnds;  // offset of each line's CR LF in FText
};

}  // namespace app
