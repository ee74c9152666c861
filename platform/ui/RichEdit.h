// The rich edit control: text with per-character fonts, sizes, styles, colours and offsets, paragraphs with alignment, read and written as RTF.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/gfx/Color.h"
#include "platform/gfx/GraphicsObjects.h"
#include "platform/ui/Controls.h"
#include "platform/ui/StdCtrlsEdit.h"

namespace ui {

// The look of one character. Offset is the vertical offset in twips (negative: subscript).
struct TRichCharFormat {
    std::string FontName = "Arial";
    int Size = 10;  // points
    gfx::TFontStyles Style;
    gfx::TColor Color = gfx::clBlack;
    int Offset = 0;
    bool operator==(const TRichCharFormat&) const = default;
};

// The document: the characters with one format each; "\n" separates paragraphs, and each
// paragraph has its alignment.
struct TRichText {
    std::u32string Text;
    std::vector<TRichCharFormat> Formats;       // one per character of Text
    std::vector<TAlignment> ParagraphAlignment;  // one per paragraph (at least one)

    TRichText() : ParagraphAlignment{taLeftJustify} {}
    int ParagraphOf(std::size_t charIndex) const;
    std::string PlainText() const;  // UTF-8, paragraphs joined by CR LF
};

// The RTF subset of the rich text cells: font and colour tables, \f \fs \b \i \ul \cf
// \super \sub \up \dn \plain, \ql \qc \qr \qj \pard \par \line \tab, escapes \' \u \{ \} \\.
// Unknown control words and {\* ...} destinations are skipped.
std::string RichTextToRtf(const TRichText& Doc);
// A text that does not start with "{\rtf" raises EConvertError quoting its start.
TRichText RtfToRichText(std::string_view Rtf);
bool IsRtf(std::string_view Text);

// An editable, single-font-per-character text control: typing inserts with the current
// attributes, Backspace/Delete/arrows/Home/End move and delete, Return starts a paragraph.
class TRichEdit : public TCustomControl {
public:
    explicit TRichEdit(rtl::TComponent* AOwner);
    std::string ClassName() const override { return "TRichEdit"; }

    // Plain text (UTF-8, paragraphs by line breaks); setting it drops all formatting.
    std::string Text() const;
    void SetText(const std::string& Value);
    void Clear();
    // The content as RTF, and loading RTF (a text that is no RTF is loaded as plain text).
    std::string RtfText() const;
    void SetRtfText(const std::string& Value);
    const TRichText& Document() const { return FDoc; }

    // Selection in characters.
    int SelStart() const { return FSelStart; }
    int SelLength() const { return FSelLength; }
    void SetSel(int Start, int Length);
    void SelectAll() { SetSel(0, static_cast<int>(FDoc.Text.size())); }
    // The format of the selection's first character (the insert format without one), and
    // setting it over the selection (and as the insert format).
    TRichCharFormat SelAttributes() const;
    void SetSelAttributes(const TRichCharFormat& Format);
    void SetSelStyle(gfx::TFontStyle Style, bool On);
    void SetSelColor(gfx::TColor Color);
    void SetSelSize(int Points);
    void SetSelFontName(const std::string& Name);
    TAlignment ParaAlignment() const;
    void SetParaAlignment(TAlignment Value);
    // Vertical offset of the selection: 0, -40 (subscript) or +40 twips (superscript).
    void SelNormal() { SetSelOffset(0); }
    void SelSubscript() { SetSelOffset(-40); }
    void SelSuperscript() { SetSelOffset(40); }
    bool IsSelNormal() const { return SelAttributes().Offset == 0; }
    bool IsSelSubscript() const { return SelAttributes().Offset == -40; }
    bool IsSelSuperscript() const { return SelAttributes().Offset == 40; }

    // Lines break between words at the control's width (on at creation).
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);
    // A transparent rich edit draws its text over what lies beneath it and fills no
    // background (the window's transparent extended style).
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    // The size the content needs at the control's width, as last requested (see RequestSize).
    rtl::TSize RequestedSize() const { return FRequested; }

    TNotifyEvent OnChange;
    // The caret moved or the selection changed.
    TNotifyEvent OnSelectionChange;

protected:
    // After each change of content, width or wrapping the control asks for the size its
    // content needs (text plus one pixel of margin on each side); an owner that sizes the
    // control to its text overrides this.
    virtual void RequestSize(const rtl::TSize& Size) { (void)Size; }
    void Resize() override;
    void Paint() override;
    // Arrows, characters and Return are the control's own, as in a memo.
    void WndProc(TMessage& Message) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    void SetSelOffset(int Twips);
    template <typename TChange> void ChangeSelFormat(TChange&& Change);
    void InsertText(std::u32string_view Chars);
    void DeleteRange(std::size_t From, std::size_t Count);
    void Changed();
    void SelectionChanged(int OldStart, int OldLength);
    void Request();

    TRichText FDoc;
    bool FWordWrap = true;
    bool FTransparent = false;
    rtl::TSize FRequested;
    TRichCharFormat FInsertFormat;
    int FSelStart = 0;
    int FSelLength = 0;
};

}  // namespace ui
