// Text fields: the editing engine TCustomEdit (caret, selection, clipboard keys) with TEdit and TMemo.
#pragma once

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/rtl/StringList.h"
#include "platform/ui/Controls.h"

namespace ui {

class TPopupMenu;

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
enum TAlignment { taLeftJustify, taRightJustify, taCenter };

// A text field of one or many lines. Positions (SelStart, SelLength) count characters;
// a line break counts as one. Setting Text from code fires OnChange when the text differs;
// MaxLength, ReadOnly and NumbersOnly restrict only what the user types or pastes.
class TCustomEdit : public TCustomControl {
public:
    explicit TCustomEdit(rtl::TComponent* AOwner);
    ~TCustomEdit() override;
    std::string ClassName() const override { return "TCustomEdit"; }

    // --- text ---
    std::string GetText() const override;
    void SetText(const std::string& value) override;
    void Clear() { SetText(""); }
    bool Modified() const { return FModified; }
    void SetModified(bool value) { FModified = value; }

    // --- restrictions ---
    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int value) { FMaxLength = value < 0 ? 0 : value; }
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value);
    bool NumbersOnly() const { return FNumbersOnly; }
    void SetNumbersOnly(bool value) { FNumbersOnly = value; }
    char32_t PasswordChar() const { return FPasswordChar; }
    void SetPasswordChar(char32_t value);
    bool AutoSelect() const { return FAutoSelect; }
    void SetAutoSelect(bool value) { FAutoSelect = value; }
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool value);

    // --- selection and caret ---
    int SelStart() const;
    void SetSelStart(int value);
    int SelLength() const;
    void SetSelLength(int value);
    std::string SelText() const;
    // Replaces the selection as typing would, but without the user-input restrictions.
    void SetSelText(const std::string& value);
    void SelectAll();
    void ClearSelection();
    // Caret position in characters (the moving end of the selection).
    int CaretPos() const { return FCaret; }

    // --- undo (one level: undoing again redoes) ---
    bool CanUndo() const { return FCanUndo; }
    void Undo();
    void ClearUndo();

    // --- clipboard ---
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();
    // The field's own menu (Undo, Cut, Copy, Paste, Delete, Select All) at a screen
    // point; a right click shows it when the field has no pop-up menu of its own.
    void ShowEditMenu(const rtl::TPoint& screen);

    TNotifyEvent OnChange;

protected:
    // One drawn line: the characters [Start, Start + Length) of the text.
    struct TVisualLine {
        int Start = 0;
        int Length = 0;
    };

    virtual void Change();
    // Whether the user may type this character here (NumbersOnly and masks override).
    virtual bool CharAllowed(char32_t ch) const;
    // Replaces the selection by user input; false when refused (read-only, limits).
    virtual bool UserReplaceSelection(const std::u32string& text);
    // The user asked to delete backwards (true) or forwards; deletes selection or one character.
    virtual void UserDelete(bool backwards, bool wholeWord);
    // Characters shown in place of the text (password character).
    std::u32string DisplayChars(int start, int length) const;
    bool MultiLine() const { return FMultiLine; }
    void SetMultiLine(bool value);
    // Extra space above the first line of a multi-line edit (a lower formatting rectangle).
    int TextTopMargin() const { return FTextTopMargin; }
    void SetTextTopMargin(int value);
    // The top of the first shown line of a multi-line edit.
    int FirstLineTop() const { return 1 + FTextTopMargin; }
    // The left and top of a single-line field's formatting rectangle: its text and caret
    // start there, without a repaint. Unset (negative), the text starts 2 pixels in and is
    // centred vertically.
    void SetTextOrigin(int left, int top);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrapState(bool value);
    bool WantReturns() const { return FWantReturns; }
    void SetWantReturnsState(bool value) { FWantReturns = value; }
    bool WantTabs() const { return FWantTabs; }
    void SetWantTabsState(bool value) { FWantTabs = value; }
    TScrollStyle ScrollBarsStyle() const { return FScrollBars; }
    void SetScrollBarsStyle(TScrollStyle value);
    TAlignment TextAlignment() const { return FAlignment; }
    void SetTextAlignment(TAlignment value);

    // Replaces the whole text from code (OnChange when it differs).
    void SetChars(const std::u32string& chars);
    // Replaces a range of characters from code (OnChange follows).
    void ReplaceText(int start, int end, const std::u32string& text);
    // While held, changes do not lay the text out again (many changes in a row).
    void HoldLayout(bool hold);
    // Brings scroll bars, scrolling and caret up to date after changes from code.
    void FlushView();
    void ShowingChanged() override;
    const std::u32string& Chars() const { return FChars; }
    // Moves the caret; with extend the anchor stays (a selection grows).
    void MoveCaret(int pos, bool extend);
    void Select(int anchor, int caret);

    void WndProc(TMessage& Message) override;
    void Paint() override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    // The field's own handling of a key and a character, after the key events.
    void EditKeyDown(WORD& Key, TShiftState Shift);
    void EditKeyPress(char32_t& Key);
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void DblClick() override;
    bool DoMouseWheel(TShiftState Shift, int WheelDelta, rtl::TPoint MousePos) override;
    void Resize() override;
    void FontChanged() override;

    // Layout: visual lines, pixel positions, caret placement, scrolling.
    // Width of the part of the client area the text uses (a combo box keeps its button out).
    virtual int TextAreaWidth() const { return ClientWidth(); }
    // Whether the field shows a caret while focused (a drop-down list does not).
    virtual bool HasCaret() const { return true; }
    const std::vector<TVisualLine>& Lines_() const;
    int LineHeight() const;
    int LineOfPos(int pos) const;
    int XOfPos(int pos) const;   // client x of a character position (scroll applied)
    int PosAt(int x, int y) const;
    void InvalidateLayout();
    void ScrollCaretIntoView();
    void UpdateCaret();
    void UpdateScrollBars();
    int VisibleLineCount() const;
    int TopLine() const { return FTopLine; }
    void SetTopLine(int line);

private:
    void BuildLayout() const;
    bool LayoutLive() const;
    int TextWidth(const std::u32string& s) const;
    int CharWidth(char32_t ch) const;
    int WidestLine() const;
    void SetScrollX(int value);
    int TextLeft(int line) const;
    int LeftMargin() const;
    int SingleLineTop() const;
    int WordLeft(int pos) const;
    int WordRight(int pos) const;
    void ReplaceRange(int start, int end, const std::u32string& text, bool user);
    void ApplyCanvasFont() const;
    void WMScroll(TMessage& Message, int bar);

    std::u32string FChars;
    int FAnchor = 0;
    int FCaret = 0;
    int FMaxLength = 0;
    bool FReadOnly = false;
    bool FNumbersOnly = false;
    char32_t FPasswordChar = 0;
    bool FAutoSelect = true;
    bool FHideSelection = true;
    bool FModified = false;
    bool FMultiLine = false;
    int FTextTopMargin = 0;
    int FOriginLeft = -1;
    int FOriginTop = -1;
    bool FWordWrap = false;
    bool FWantReturns = true;
    bool FWantTabs = false;
    TScrollStyle FScrollBars = ssNone;
    TAlignment FAlignment = taLeftJustify;
    bool FSelecting = false;
    bool FCaretCreated = false;
    int FScrollX = 0;
    int FTopLine = 0;
    mutable bool FLayoutValid = false;
    mutable std::vector<TVisualLine> FLayout;
    mutable std::unique_ptr<gfx::TCanvas> FMeasure;
    mutable std::unordered_map<char32_t, int> FCharWidths;
    int FLayoutHold = 0;
    bool FViewStale = false;
    bool FCanUndo = false;
    TPopupMenu* FEditMenu = nullptr;
    std::u32string FUndoChars;
    int FUndoAnchor = 0;
    int FUndoCaret = 0;
};

// A one-line text field.
class TEdit : public TCustomEdit {
public:
    explicit TEdit(rtl::TComponent* AOwner);
    std::string ClassName() const override { return "TEdit"; }
    using TCustomEdit::TextAlignment;
    using TCustomEdit::SetTextAlignment;
};

class TMemo;

// The lines of a memo: a view of its text, each change going straight into the memo.
class TMemoStrings : public rtl::TStrings {
public:
    explicit TMemoStrings(TMemo* memo) : FMemo(memo) {}
    std::string ClassName() const override { return "TMemoStrings"; }
    std::string Get(int index) const override;
    int GetCount() const override;
    void Insert(int index, const std::string& s) override;
    void Delete(int index) override;
    void Clear() override;
    void Put(int index, const std::string& s) override;
    std::string Text() const override;
    void SetText(std::string_view text) override;
    // The memo's text changed: the lines are split again when next asked for.
    void TextChanged() { FCacheValid = false; }

protected:
    void SetUpdateState(bool updating) override;

private:
    const std::vector<std::string>& Lines() const;
    int LineStart(int index) const;
    static std::u32string LineChars(const std::string& s);
    TMemo* FMemo;
    mutable std::vector<std::string> FCache;
    mutable bool FCacheValid = false;
};

// A many-line text field with lines, scroll bars, word wrap and Return taking a new line.
class TMemo : public TCustomEdit {
public:
    explicit TMemo(rtl::TComponent* AOwner);
    ~TMemo() override;
    std::string ClassName() const override { return "TMemo"; }

    rtl::TStrings& Lines() { return *FLines; }
    void SetLines(const rtl::TStrings& value) { FLines->Assign(&value); }
    // The text with CR LF between lines.
    std::string GetText() const override;
    void SetText(const std::string& value) override;

    TScrollStyle ScrollBars() const { return ScrollBarsStyle(); }
    void SetScrollBars(TScrollStyle value) { SetScrollBarsStyle(value); }
    bool WordWrap() const { return TCustomEdit::WordWrap(); }
    void SetWordWrap(bool value) { SetWordWrapState(value); }
    bool WantReturns() const { return TCustomEdit::WantReturns(); }
    void SetWantReturns(bool value) { SetWantReturnsState(value); }
    bool WantTabs() const { return TCustomEdit::WantTabs(); }
    void SetWantTabs(bool value) { SetWantTabsState(value); }
    using TCustomEdit::TopLine;
    using TCustomEdit::SetTopLine;
    using TCustomEdit::TextAlignment;
    using TCustomEdit::SetTextAlignment;

protected:
    void Change() override;

private:
    friend class TMemoStrings;
    std::unique_ptr<TMemoStrings> FLines;
};

}  // namespace ui
