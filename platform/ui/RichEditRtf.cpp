// Reading and writing the rich edit's text as RTF: fonts, sizes, bold, italic, underline, colours, offsets, alignment and paragraphs.
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/rtl/CodePage.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Utf8.h"
#include "platform/ui/RichEdit.h"

namespace ui {

namespace {

// --- writing

int IndexOf(std::vector<std::string>& list, const std::string& v)
{
    auto it = std::find(list.begin(), list.end(), v);
    if (it != list.end()) return static_cast<int>(it - list.begin());
    list.push_back(v);
    return static_cast<int>(list.size()) - 1;
}

int IndexOf(std::vector<gfx::TColor>& list, gfx::TColor v)
{
    auto it = std::find(list.begin(), list.end(), v);
    if (it != list.end()) return static_cast<int>(it - list.begin());
    list.push_back(v);
    return static_cast<int>(list.size()) - 1;
}

const char* AlignmentWord(TAlignment a)
{
    switch (a) {
    case taCenter: return "\\qc";
    case taRightJustify: return "\\qr";
    default: return "\\ql";
    }
}

void AppendEscaped(std::string& out, char32_t c)
{
    if (c == U'\\' || c == U'{' || c == U'}') {
        out += '\\';
        out += static_cast<char>(c);
    } else if (c == U'\t') {
        out += "\\tab ";
    } else if (c < 0x80) {
        out += static_cast<char>(c);
    } else {
        // The code page byte where it has one (readers without Unicode support), else "?".
        const int byte = rtl::UnicodeToWin1250(c);
        const int signedCode = c > 0x7FFF ? static_cast<int>(c) - 0x10000 : static_cast<int>(c);
        out += "\\u" + std::to_string(signedCode);
        if (byte >= 0) {
            static const char* const hex = "0123456789abcdef";
            out += "\\'";
            out += hex[(byte >> 4) & 0xF];
            out += hex[byte & 0xF];
        } else {
            out += '?';
        }
    }
}

std::string FormatWords(const TRichCharFormat& f, int font, int color)
{
    std::string w = "\\plain\\f" + std::to_string(font) + "\\fs" + std::to_string(f.Size * 2);
    if (f.Style.Contains(gfx::fsBold)) w += "\\b";
    if (f.Style.Contains(gfx::fsItalic)) w += "\\i";
    if (f.Style.Contains(gfx::fsUnderline)) w += "\\ul";
    if (f.Style.Contains(gfx::fsStrikeOut)) w += "\\strike";
    if (color > 0) w += "\\cf" + std::to_string(color);
    if (f.Offset > 0) w += "\\up" + std::to_string(f.Offset / 10);
    if (f.Offset < 0) w += "\\dn" + std::to_string(-f.Offset / 10);
    return w + " ";
}

}  // namespace

std::string RichTextToRtf(const TRichText& Doc)
{
    std::vector<std::string> fonts;
    std::vector<gfx::TColor> colors{gfx::clBlack};  // entry 1 of the table; 0 is "auto"
    for (const TRichCharFormat& f : Doc.Formats) {
        IndexOf(fonts, f.FontName);
        IndexOf(colors, f.Color);
    }
    if (fonts.empty()) IndexOf(fonts, TRichCharFormat{}.FontName);

    std::string body;
    int paragraph = 0;
    body += "\\pard";
    body += AlignmentWord(Doc.ParagraphAlignment.empty() ? taLeftJustify : Doc.ParagraphAlignment[0]);
    const TRichCharFormat* current = nullptr;
    for (std::size_t i = 0; i < Doc.Text.size(); ++i) {
        const char32_t c = Doc.Text[i];
        if (c == U'\n') {
            body += "\\par\n";
            ++paragraph;
            const TAlignment a = paragraph < static_cast<int>(Doc.ParagraphAlignment.size())
                                     ? Doc.ParagraphAlignment[paragraph] : taLeftJustify;
            body += "\\pard";
            body += AlignmentWord(a);
            current = nullptr;
            continue;
        }
        const TRichCharFormat& f = Doc.Formats[i];
        if (current == nullptr || !(*current == f)) {
            body += FormatWords(f, IndexOf(fonts, f.FontName), IndexOf(colors, f.Color) + 1);
            current = &f;
        }
        AppendEscaped(body, c);
    }
    body += "\\par\n";

    std::string rtf = "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl";
    for (std::size_t i = 0; i < fonts.size(); ++i) rtf += "{\\f" + std::to_string(i) + " " + fonts[i] + ";}";
    rtf += "}\n{\\colortbl ;";
    for (gfx::TColor c : colors) {
        const unsigned v = static_cast<unsigned>(c);
        rtf += "\\red" + std::to_string(v & 0xFF) + "\\green" + std::to_string((v >> 8) & 0xFF) + "\\blue" +
               std::to_string((v >> 16) & 0xFF) + ";";
    }
    rtf += "}\n" + body + "}";
    return rtf;
}

bool IsRtf(std::string_view Text) { return Text.substr(0, 5) == "{\\rtf"; }

// --- reading

namespace {

struct TReadState {
    TRichCharFormat Format;
    int Font = 0;
    int Color = 0;
    int SkipAfterUnicode = 1;
    enum TDestination { dText, dFontTable, dColorTable, dSkip } Destination = dText;
};

class TRtfReader {
public:
    explicit TRtfReader(std::string_view rtf) : FRtf(rtf) {}

    TRichText Read()
    {
        if (!IsRtf(FRtf))
            throw rtl::EConvertError("'" + std::string(FRtf.substr(0, 16)) + "' is not rich text (RTF)");
        while (FPos < FRtf.size()) Step();
        ApplyFonts();
        if (FDoc.ParagraphAlignment.empty()) FDoc.ParagraphAlignment.push_back(taLeftJustify);
        // A document ends with \par: its last, empty paragraph is no paragraph of the text.
        if (!FDoc.Text.empty() && FDoc.Text.back() == U'\n') {
            FDoc.Text.pop_back();
            FDoc.Formats.pop_back();
            FDoc.ParagraphAlignment.pop_back();
        }
        return std::move(FDoc);
    }

private:
    void Step()
    {
        const char c = FRtf[FPos];
        if (c == '{') {
            ++FPos;
            FStack.push_back(FState);
            if (FRtf.substr(FPos, 2) == "\\*") FState.Destination = TReadState::dSkip;
        } else if (c == '}') {
            ++FPos;
            EndGroup();
        } else if (c == '\\') {
            ControlSymbolOrWord();
        } else if (c == '\r' || c == '\n') {
            ++FPos;
        } else {
            ++FPos;
            Character(static_cast<unsigned char>(c));
        }
    }

    void EndGroup()
    {
        if (FState.Destination == TReadState::dFontTable && !FFontName.empty()) FinishFontEntry();
        if (FStack.empty()) return;
        FState = FStack.back();
        FStack.pop_back();
    }

    void ControlSymbolOrWord()
    {
        ++FPos;
        if (FPos >= FRtf.size()) return;
        const char c = FRtf[FPos];
        if (c == '\\' || c == '{' || c == '}') {
            ++FPos;
            Character(static_cast<unsigned char>(c));
            return;
        }
        if (c == '\'') {
            const std::string hex(FRtf.substr(FPos + 1, 2));
            FPos += 3;
            if (FUnicodeSkip > 0) {
                --FUnicodeSkip;
                return;
            }
            const int byte = static_cast<int>(std::strtol(hex.c_str(), nullptr, 16));
            Emit(rtl::Win1250ToUnicode(static_cast<unsigned char>(byte)));
            return;
        }
        if (!std::isalpha(static_cast<unsigned char>(c))) {
            ++FPos;  // other control symbols (\~ \- \_ \*) carry no text here
            if (c == '~') Emit(U'\u00A0');
            return;
        }
        std::size_t start = FPos;
        while (FPos < FRtf.size() && std::isalpha(static_cast<unsigned char>(FRtf[FPos]))) ++FPos;
        const std::string word(FRtf.substr(start, FPos - start));
        bool hasParam = false;
        int param = 0;
        start = FPos;
        if (FPos < FRtf.size() && (FRtf[FPos] == '-' || std::isdigit(static_cast<unsigned char>(FRtf[FPos])))) {
            ++FPos;
            while (FPos < FRtf.size() && std::isdigit(static_cast<unsigned char>(FRtf[FPos]))) ++FPos;
            param = std::atoi(std::string(FRtf.substr(start, FPos - start)).c_str());
            hasParam = true;
        }
        if (FPos < FRtf.size() && FRtf[FPos] == ' ') ++FPos;  // the delimiting blank belongs to the word
        Word(word, hasParam, param);
    }

    void Word(const std::string& w, bool hasParam, int p)
    {
        TRichCharFormat& f = FState.Format;
        auto on = [&] { return !hasParam || p != 0; };
        auto style = [&](gfx::TFontStyle s) {
            if (on()) f.Style.Include(s);
            else f.Style.Exclude(s);
        };
        if (w == "fonttbl") FState.Destination = TReadState::dFontTable;
        else if (w == "colortbl") FState.Destination = TReadState::dColorTable;
        else if (w == "stylesheet" || w == "info" || w == "pict" || w == "header" || w == "footer" ||
                   w == "generator")
            FState.Destination = TReadState::dSkip;
        else if (FState.Destination == TReadState::dColorTable) ColorWord(w, p);
        else if (w == "f") {
            if (FState.Destination == TReadState::dFontTable) {
                if (!FFontName.empty()) FinishFontEntry();
                FFontIndex = p;
            } else {
                FState.Font = p;
            }
        } else if (w == "fs") f.Size = hasParam ? std::max(1, p / 2) : 12;
        else if (w == "b") style(gfx::fsBold);
        else if (w == "i") style(gfx::fsItalic);
        else if (w == "ul") style(gfx::fsUnderline);
        else if (w == "ulnone") f.Style.Exclude(gfx::fsUnderline);
        else if (w == "strike") style(gfx::fsStrikeOut);
        else if (w == "cf") FState.Color = p;
        else if (w == "super") f.Offset = 40;
        else if (w == "sub") f.Offset = -40;
        else if (w == "nosupersub") f.Offset = 0;
        else if (w == "up") f.Offset = (hasParam ? p : 6) * 10;  // half-points
        else if (w == "dn") f.Offset = -(hasParam ? p : 6) * 10;
        else if (w == "plain") {
            f = TRichCharFormat{};
            FState.Font = FDefaultFont;
            FState.Color = 0;
        } else if (w == "deff") FDefaultFont = p;
        else if (w == "pard") FAlignment = taLeftJustify;
        else if (w == "ql" || w == "qj") FAlignment = taLeftJustify;
        else if (w == "qc") FAlignment = taCenter;
        else if (w == "qr") FAlignment = taRightJustify;
        else if (w == "par" || w == "line") Paragraph();
        else if (w == "tab") Emit(U'\t');
        else if (w == "uc") FState.SkipAfterUnicode = p;
        else if (w == "u") {
            Emit(static_cast<char32_t>(p < 0 ? p + 0x10000 : p));
            FUnicodeSkip = FState.SkipAfterUnicode;
        }
    }

    void ColorWord(const std::string& w, int p)
    {
        unsigned v = static_cast<unsigned>(FColorCurrent);
        const unsigned byte = static_cast<unsigned>(p) & 0xFF;
        if (w == "red") v = (v & 0xFFFF00u) | byte;
        else if (w == "green") v = (v & 0xFF00FFu) | (byte << 8);
        else if (w == "blue") v = (v & 0x00FFFFu) | (byte << 16);
        FColorCurrent = static_cast<gfx::TColor>(v);
    }

    void Character(unsigned char c)
    {
        if (FState.Destination == TReadState::dFontTable) {
            if (c == ';') FinishFontEntry();
            else FFontName += static_cast<char>(c);
            return;
        }
        if (FState.Destination == TReadState::dColorTable) {
            // Each ";" ends an entry; the first, empty one is the automatic colour.
            if (c == ';') {
                FColorEntries.push_back(FColorCurrent);
                FColorCurrent = 0;
            }
            return;
        }
        if (FUnicodeSkip > 0) {
            --FUnicodeSkip;
            return;
        }
        Emit(c < 0x80 ? static_cast<char32_t>(c) : rtl::Win1250ToUnicode(c));
    }

    void FinishFontEntry()
    {
        std::string name = FFontName;
        while (!name.empty() && name.front() == ' ') name.erase(name.begin());
        FFonts.emplace_back(FFontIndex, name);
        FFontName.clear();
    }

    void Paragraph()
    {
        Emit(U'\n');
    }

    void Emit(char32_t c)
    {
        if (FState.Destination != TReadState::dText) return;
        TRichCharFormat f = FState.Format;
        f.FontName = std::to_string(FState.Font);  // resolved once the font table is known
        f.Color = FState.Color;                    // an index into the colour table until then
        FDoc.Text.push_back(c);
        FDoc.Formats.push_back(f);
        if (FDoc.ParagraphAlignment.empty()) FDoc.ParagraphAlignment.push_back(FAlignment);
        FDoc.ParagraphAlignment.back() = FAlignment;
        if (c == U'\n') FDoc.ParagraphAlignment.push_back(FAlignment);
    }

    // Font numbers and colour indexes become names and colours.
    void ApplyFonts()
    {
        // Entry 0 of the colour table (before the first ";") is the automatic colour.
        const std::vector<gfx::TColor>& colors = FColorEntries;
        for (TRichCharFormat& f : FDoc.Formats) {
            const int font = std::atoi(f.FontName.c_str());
            f.FontName = TRichCharFormat{}.FontName;
            for (const auto& [index, name] : FFonts)
                if (index == font) f.FontName = name;
            const int color = static_cast<int>(f.Color);
            f.Color = color > 0 && color < static_cast<int>(colors.size()) ? colors[color] : gfx::clBlack;
        }
    }

    std::string_view FRtf;
    std::size_t FPos = 0;
    TRichText FDoc;
    TReadState FState;
    std::vector<TReadState> FStack;
    std::vector<std::pair<int, std::string>> FFonts;
    std::string FFontName;
    int FFontIndex = 0;
    int FDefaultFont = 0;
    std::vector<gfx::TColor> FColorEntries;
    gfx::TColor FColorCurrent = 0;
    TAlignment FAlignment = taLeftJustify;
    int FUnicodeSkip = 0;
};

}  // namespace

TRichText RtfToRichText(std::string_view Rtf)
{
    TRichText doc = TRtfReader(Rtf).Read();
    doc.ParagraphAlignment.resize(static_cast<std::size_t>(std::count(doc.Text.begin(), doc.Text.end(), U'\n')) + 1,
                                  taLeftJustify);
    return doc;
}

}  // namespace ui
