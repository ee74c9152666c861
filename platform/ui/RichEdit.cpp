// The rich edit control: editing characters with their formats, the selection's attributes, and painting the formatted paragraphs.
#include "platform/ui/RichEdit.h"

#include <algorithm>

#include "platform/gfx/Canvas.h"
#include "platform/rtl/Utf8.h"
#include "platform/ui/Messages.h"

namespace ui {

int TRichText::ParagraphOf(std::size_t charIndex) const
{
    const std::size_t end = std::min(charIndex, Text.size());
    return static_cast<int>(std::count(Text.begin(), Text.begin() + static_cast<long>(end), U'\n'));
}

std::string TRichText::PlainText() const
{
    std::string out;
    for (char32_t c : Text) {
        if (c == U'\n') out += "\r\n";
        else rtl::Utf8AppendChar(out, c);
    }
    return out;
}

TRichEdit::TRichEdit(rtl::TComponent* AOwner) : TCustomControl(AOwner)
{
    SetTabStop(true);
    SetColor(gfx::clWindow);
    SetBounds(0, 0, 185, 89);
}

std::string TRichEdit::Text() const { return FDoc.PlainText(); }

void TRichEdit::SetText(const std::string& Value)
{
    FDoc = TRichText{};
    std::u32string chars = rtl::Utf8Decode(Value);
    std::u32string text;
    for (std::size_t i = 0; i < chars.size(); ++i) {
        if (chars[i] == U'\r') {
            text.push_back(U'\n');
            if (i + 1 < chars.size() && chars[i + 1] == U'\n') ++i;
        } else {
            text.push_back(chars[i]);
        }
    }
    FDoc.Text = text;
    FDoc.Formats.assign(text.size(), FInsertFormat);
    FDoc.ParagraphAlignment.assign(static_cast<std::size_t>(FDoc.ParagraphOf(text.size())) + 1, taLeftJustify);
    FSelStart = 0;
    FSelLength = 0;
    Changed();
}

void TRichEdit::Clear() { SetText(""); }

std::string TRichEdit::RtfText() const { return RichTextToRtf(FDoc); }

void TRichEdit::SetRtfText(const std::string& Value)
{
    if (!IsRtf(Value)) {
        SetText(Value);
        return;
    }
    FDoc = RtfToRichText(Value);
    FSelStart = 0;
    FSelLength = 0;
    Changed();
}

void TRichEdit::SetSel(int Start, int Length)
{
    const int size = static_cast<int>(FDoc.Text.size());
    FSelStart = std::clamp(Start, 0, size);
    FSelLength = std::clamp(Length, 0, size - FSelStart);
    Invalidate();
}

TRichCharFormat TRichEdit::SelAttributes() const
{
    if (FSelLength > 0) return FDoc.Formats[static_cast<std::size_t>(FSelStart)];
    return FInsertFormat;
}

template <typename TChange>
void TRichEdit::ChangeSelFormat(TChange&& Change)
{
    Change(FInsertFormat);
    for (int i = FSelStart; i < FSelStart + FSelLength; ++i) Change(FDoc.Formats[static_cast<std::size_t>(i)]);
    if (FSelLength > 0) Changed();
}

void TRichEdit::SetSelAttributes(const TRichCharFormat& Format)
{
    ChangeSelFormat([&](TRichCharFormat& f) { f = Format; });
}

void TRichEdit::SetSelStyle(gfx::TFontStyle Style, bool On)
{
    ChangeSelFormat([&](TRichCharFormat& f) {
        if (On) f.Style.Include(Style);
        else f.Style.Exclude(Style);
    });
}

void TRichEdit::SetSelColor(gfx::TColor Color)
{
    ChangeSelFormat([&](TRichCharFormat& f) { f.Color = Color; });
}

void TRichEdit::SetSelSize(int Points)
{
    ChangeSelFormat([&](TRichCharFormat& f) { f.Size = Points; });
}

void TRichEdit::SetSelFontName(const std::string& Name)
{
    ChangeSelFormat([&](TRichCharFormat& f) { f.FontName = Name; });
}

void TRichEdit::SetSelOffset(int Twips)
{
    ChangeSelFormat([&](TRichCharFormat& f) { f.Offset = Twips; });
}

TAlignment TRichEdit::ParaAlignment() const
{
    return FDoc.ParagraphAlignment[static_cast<std::size_t>(FDoc.ParagraphOf(static_cast<std::size_t>(FSelStart)))];
}

// Every paragraph the selection touches takes the alignment.
void TRichEdit::SetParaAlignment(TAlignment Value)
{
    const int first = FDoc.ParagraphOf(static_cast<std::size_t>(FSelStart));
    const int last = FDoc.ParagraphOf(static_cast<std::size_t>(FSelStart + FSelLength));
    for (int p = first; p <= last; ++p) FDoc.ParagraphAlignment[static_cast<std::size_t>(p)] = Value;
    Changed();
}

void TRichEdit::InsertText(std::u32string_view Chars)
{
    if (FSelLength > 0) DeleteRange(static_cast<std::size_t>(FSelStart), static_cast<std::size_t>(FSelLength));
    const std::size_t at = static_cast<std::size_t>(FSelStart);
    const int paragraph = FDoc.ParagraphOf(at);
    for (std::size_t i = 0; i < Chars.size(); ++i) {
        FDoc.Text.insert(FDoc.Text.begin() + static_cast<long>(at + i), Chars[i]);
        FDoc.Formats.insert(FDoc.Formats.begin() + static_cast<long>(at + i), FInsertFormat);
        // A new paragraph takes the alignment of the one it was split from.
        if (Chars[i] == U'\n')
            FDoc.ParagraphAlignment.insert(FDoc.ParagraphAlignment.begin() + paragraph + 1,
                                           FDoc.ParagraphAlignment[static_cast<std::size_t>(paragraph)]);
    }
    FSelStart += static_cast<int>(Chars.size());
    FSelLength = 0;
    Changed();
}

void TRichEdit::DeleteRange(std::size_t From, std::size_t Count)
{
    Count = std::min(Count, FDoc.Text.size() - From);
    const int paragraph = FDoc.ParagraphOf(From);
    const long breaks = std::count(FDoc.Text.begin() + static_cast<long>(From),
                                   FDoc.Text.begin() + static_cast<long>(From + Count), U'\n');
    FDoc.Text.erase(From, Count);
    FDoc.Formats.erase(FDoc.Formats.begin() + static_cast<long>(From),
                       FDoc.Formats.begin() + static_cast<long>(From + Count));
    FDoc.ParagraphAlignment.erase(FDoc.ParagraphAlignment.begin() + paragraph + 1,
                                  FDoc.ParagraphAlignment.begin() + paragraph + 1 + breaks);
    FSelStart = static_cast<int>(From);
    FSelLength = 0;
}

void TRichEdit::Changed()
{
    Invalidate();
    if (OnChange) OnChange(this);
}

void TRichEdit::KeyDown(WORD& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    const int size = static_cast<int>(FDoc.Text.size());
    switch (Key) {
    case VK_LEFT: SetSel(FSelLength > 0 ? FSelStart : FSelStart - 1, 0); break;
    case VK_RIGHT: SetSel(FSelLength > 0 ? FSelStart + FSelLength : FSelStart + 1, 0); break;
    case VK_HOME: SetSel(0, 0); break;
    case VK_END: SetSel(size, 0); break;
    case VK_DELETE:
        if (FSelLength > 0 || FSelStart < size) {
            DeleteRange(static_cast<std::size_t>(FSelStart), static_cast<std::size_t>(std::max(FSelLength, 1)));
            Changed();
        }
        break;
    default: return;
    }
    Key = 0;
}

void TRichEdit::KeyPress(char32_t& Key)
{
    TCustomControl::KeyPress(Key);
    if (Key == 0) return;
    if (Key == U'\b') {
        if (FSelLength > 0) {
            DeleteRange(static_cast<std::size_t>(FSelStart), static_cast<std::size_t>(FSelLength));
        } else if (FSelStart > 0) {
            DeleteRange(static_cast<std::size_t>(FSelStart - 1), 1);
        }
        Changed();
    } else if (Key == U'\r') {
        InsertText(U"\n");
    } else if (Key >= U' ' || Key == U'\t') {
        const char32_t one[1] = {Key};
        InsertText(std::u32string_view(one, 1));
    }
    Key = 0;
}

void TRichEdit::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (CanFocus()) SetFocus();
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

namespace {

void ApplyFormat(gfx::TFont& font, const TRichCharFormat& f)
{
    font.SetName(f.FontName);
    font.SetSize(f.Offset != 0 ? std::max(1, f.Size * 2 / 3) : f.Size);
    font.SetStyle(f.Style);
    font.SetColor(f.Color);
}

}  // namespace

// Each paragraph is one line; runs of one format are drawn in turn, the line placed by its
// alignment and raised or lowered by the characters' offsets.
void TRichEdit::Paint()
{
    gfx::TCanvas& canvas = Canvas();
    const rtl::TRect client = ClientRect();
    canvas.Brush().SetStyle(gfx::bsSolid);
    canvas.Brush().SetColor(Color());
    canvas.FillRect(client);
    canvas.Brush().SetStyle(gfx::bsClear);
    int y = 1;
    std::size_t start = 0;
    int paragraph = 0;
    while (start <= FDoc.Text.size()) {
        std::size_t end = FDoc.Text.find(U'\n', start);
        if (end == std::u32string::npos) end = FDoc.Text.size();
        struct TRun {
            std::size_t From, To;
            int Width;
        };
        std::vector<TRun> runs;
        int lineWidth = 0, lineHeight = 0;
        for (std::size_t i = start; i < end;) {
            std::size_t j = i + 1;
            while (j < end && FDoc.Formats[j] == FDoc.Formats[i]) ++j;
            ApplyFormat(canvas.Font(), FDoc.Formats[i]);
            const std::string text = rtl::Utf8Encode(FDoc.Text.substr(i, j - i));
            runs.push_back({i, j, canvas.TextWidth(text)});
            lineWidth += runs.back().Width;
            lineHeight = std::max(lineHeight, canvas.TextHeight(text));
            i = j;
        }
        if (lineHeight == 0) {
            ApplyFormat(canvas.Font(), FInsertFormat);
            lineHeight = canvas.TextHeight("Ag");
        }
        const TAlignment a = FDoc.ParagraphAlignment[static_cast<std::size_t>(paragraph)];
        int x = a == taCenter ? (client.Width() - lineWidth) / 2 : a == taRightJustify ? client.Width() - lineWidth - 2 : 2;
        for (const TRun& run : runs) {
            const TRichCharFormat& f = FDoc.Formats[run.From];
            ApplyFormat(canvas.Font(), f);
            const int shift = f.Offset > 0 ? -lineHeight / 3 : f.Offset < 0 ? lineHeight / 3 : 0;
            canvas.TextOut(x, y + shift, rtl::Utf8Encode(FDoc.Text.substr(run.From, run.To - run.From)));
            x += run.Width;
        }
        y += lineHeight;
        start = end + 1;
        ++paragraph;
    }
}

}  // namespace ui
