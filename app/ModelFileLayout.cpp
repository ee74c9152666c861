// Builds the lines of a model file in memory and saves them in the 8-bit code page with CR LF.
#include "app/ModelFileLayout.h"

#include "platform/rtl/TextFile.h"
#include "platform/rtl/Utf8.h"

#include <algorithm>

namespace app {

namespace {

// Appends `value` filled with blanks or cut to `width` characters: the rule of
// the shared fixed-width alignment (PadRight), done in place so that writing
// thousands of files allocates nothing per value.
void AppendPadded(std::string& out, std::string_view value, std::size_t width)
{
    // Plain ASCII values (nearly all of them) are counted by bytes.
    std::size_t bytes = 0;
    const std::size_t asciiLimit = std::min(value.size(), width);
    while (bytes < asciiLimit && static_cast<unsigned char>(value[bytes]) < 0x80) ++bytes;
    std::size_t chars = bytes;
    while (chars < width && bytes < value.size()) {
        rtl::Utf8NextChar(value, bytes);
        ++chars;
    }
    out.append(value.data(), bytes);
    out.append(width - chars, ' ');
}

}  // namespace

void TModelFileLayout::Keyword(std::string_view keyword)
{
    Verbatim(keyword);
}

void TModelFileLayout::Empty()
{
    EndLine();
}

void TModelFileLayout::Value(std::string_view value, std::size_t width, std::string_view comment)
{
    AppendPadded(FText, value, width);
    FText.append(comment);
    EndLine();
}

void TModelFileLayout::Columns(const std::vector<std::string>& values,
                               const std::vector<std::size_t>& widths, std::string_view comment)
{
    const std::size_t n = std::min(values.size(), widths.size());
    for (std::size_t i = 0; i < n; ++i) AppendPadded(FText, values[i], widths[i]);
    FText.append(comment);
    EndLine();
}

void TModelFileLayout::Verbatim(std::string_view line)
{
    FText.append(line);
    EndLine();
}

void TModelFileLayout::EndLine()
{
    FLineEnds.push_back(FText.size());
    FText.append("\r\n");
}

std::string_view TModelFileLayout::Line(std::size_t index) const
{
    if (index >= FLineEnds.size()) return {};
    const std::size_t begin = index == 0 ? 0 : FLineEnds[index - 1] + 2;
    return std::string_view(FText).substr(begin, FLineEnds[index] - begin);
}

const std::string& TModelFileLayout::Text() const
{
    return FText;
}

void TModelFileLayout::Clear()
{
    FText.clear();
    FLineEnds.clear();
}

void TModelFileLayout::SaveToFile(const std::string& fileName) const
{
    // Rewrite writes to a temporary file that Close renames over the old
    // one: a run stopped by a full disk or a kill leaves the earlier file
    // whole, never a truncated one (a model reading a half-written file
    // would run on wrong settings without notice). The text already holds
    // its CR LF line ends: one write, converted to the code page on the way.
    rtl::TTextFile file(fileName);
    file.Rewrite();
    file.Write(FText);
    file.Close();
}

}  // namespace app
