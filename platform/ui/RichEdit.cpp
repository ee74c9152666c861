// The rich edit control: editing characters with their formats, the selection's attributes, and painting the formatted paragraphs.
#include "platform/ui/RichEdit.h"

#include <algorithm>

#include "platform/gfx/Canvas.h"
#include "platform/rtl/Utf8.h"
#include "platform/ui/Messages.h"
#include "platform/ui/RichTextLayout.h"

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
    // Paint fills the background itself, or leaves it when transparent.
    FControlStyle |= csOpaque;
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
    const int oldStart = FSelStart, oldLength = FSelLength;
    FSelStart = 0;
    FSelLength = 0;
    Changed();
    SelectionChanged(oldStart, oldLength);
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
    const int oldStart = FSelStart, oldLength = FSelLength;
    FSelStart = 0;
    FSelLength = 0;
    Changed();
    SelectionChanged(oldStart, oldLength);
}

void TRichEdit::SetSel(int Start, int Length)
{
    const int size = static_cast<int>(FDoc.Text.size());
    const int oldStart = FSelStart, oldLength = FSelLength;
    FSelStart = std::clamp(Start, 0, size);
    FSelLength = std::clamp(Length, 0, size - FSelStart);
    Invalidate();
    SelectionChanged(oldStart, oldLength);
}

void TRichEdit::SelectionChanged(int OldStart, int OldLength)
{
    if ((OldStart != FSelStart || OldLength != FSelLength) && OnSelectionChange) OnSelectionChange(this);
}

void TRichEdit::SetWordWrap(bool Value)
{
    if (FWordWrap == Value) return;
    FWordWrap = Value;
    Invalidate();
    Request();
}

void TRichEdit::WndProc(TMessage& Message)
{
    if (Message.Msg == WM_GETDLGCODE) {
        Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTALLKEYS;
        return;
    }
    TCustomControl::WndProc(Message);
}

void TRichEdit::SetTransparent(bool Value)
{
    FTransparent = Value;
    Invalidate();
}

void TRichEdit::Resize()
{
    TCustomControl::Resize();
    Request();
}

void TRichEdit::Request()
{
    gfx::TCanvas measure;
    TRichDrawOptions options;
    options.WordWrap = FWordWrap;
    const rtl::TSize text = MeasureRichText(measure, FDoc, std::max(0, Width() - 4), options);
    FRequested = rtl::TSize{text.cx + 4, text.cy + 2};
    RequestSize(FRequested);
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
    const int oldStart = FSelStart, oldLength = FSelLength;
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
    SelectionChanged(oldStart, oldLength);
}

void TRichEdit::DeleteRange(std::size_t From, std::size_t Count)
{
    const int oldStart = FSelStart, oldLength = FSelLength;
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
    SelectionChanged(oldStart, oldLength);
}

void TRichEdit::Changed()
{
    Invalidate();
    Request();
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

// The text from one pixel below the top, two pixels in from each side.
void TRichEdit::Paint()
{
    gfx::TCanvas& canvas = Canvas();
    const rtl::TRect client = ClientRect();
    // A transparent control leaves what is beneath its text.
    if (!FTransparent) {
        canvas.Brush().SetStyle(gfx::bsSolid);
        canvas.Brush().SetColor(Color());
        canvas.FillRect(client);
    }
    TRichDrawOptions options;
    options.WordWrap = FWordWrap;
    DrawRichText(canvas, FDoc, rtl::TRect{client.Left + 2, client.Top + 1, client.Right - 2, client.Bottom}, options);
}

}  // namespace ui
