// The string grid's default in-place text editor: filtering, limits, keys, lookup completion, focus and clipboard.
#include "grid/editing/ExtInplaceEdit.h"

#include <algorithm>

#include "grid/editing/GridEditorContract.h"

#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptions.h"
#include "grid/foundation/ExtUtilNumbers.h"
#include "grid/foundation/ExtUtilTextForms.h"
#include "platform/gfx/Canvas.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Utf8.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/RegisteredMessages.h"

namespace grid {

namespace {

constexpr char32_t chCtrlA = 1;
constexpr char32_t chCopy = 3;
constexpr char32_t chBack = 8;
constexpr char32_t chLineFeed = 10;
constexpr char32_t chEnter = 13;
constexpr char32_t chPaste = 22;
constexpr char32_t chCut = 24;
constexpr char32_t chEscape = 27;
// Bit of a WM_CHAR's key data that marks a key of the numeric keypad.
constexpr ui::LPARAM KeypadKeyBit = ui::LPARAM{1} << 22;

ui::UINT GridEditPropMessage()
{
    static const ui::UINT id = ui::RegisterWindowMessage("GridEditProp");
    return id;
}

bool IsDigit(char32_t ch) { return ch >= U'0' && ch <= U'9'; }

bool IsControlKey(char32_t ch) { return ch == chBack || ch == U'\t' || ch == chEnter || ch == chEscape; }

std::string Encode(char32_t ch) { return rtl::Utf8Encode(std::u32string(1, ch)); }

char32_t FirstChar(const std::string& s)
{
    std::u32string u = rtl::Utf8Decode(s);
    return u.empty() ? 0 : u[0];
}

}  // namespace

TExtInplaceEdit::TExtInplaceEdit(rtl::TComponent* AOwner) : ui::TInplaceEdit(AOwner)
{
    FGrid = dynamic_cast<TExtStringGrid*>(AOwner);
    FAltBack = false;
}

void TExtInplaceEdit::SetVAlign(bool v)
{
    FValign = v;
    SetTextAlignment(v ? ui::taRightJustify : ui::taLeftJustify);
}

void TExtInplaceEdit::SetWordWrap(bool v)
{
    FWordWrap = v;
    SetWordWrapState(v);
}

TEditorType TExtInplaceEdit::EditorKind()
{
    if (FGrid == nullptr) return edNormal;
    TEditorType kind = FGrid->DefaultEditor();
    FGrid->GetCellEditorType(FGrid->RealColIndex(FGrid->Col()), FGrid->Row(), kind);
    return kind;
}

bool TExtInplaceEdit::CtrlDown() const { return ui::GetKeyState(ui::VK_CONTROL) < 0; }

int TExtInplaceEdit::TextLength() const { return static_cast<int>(rtl::Utf8Length(GetText())); }

// --- the invalid-entry balloon

namespace {
constexpr int BalloonPadding = 6;
}

void TExtInplaceEdit::ShowInvalidEntryBalloon(const std::string& Title, const std::string& Text)
{
    if (Title.empty() && Text.empty()) return;
    ui::TWinControl* top = TopLevelWindow();
    if (top == nullptr || !top->HandleAllocated()) return;
    if (FBalloon == nullptr) {
        FBalloon = std::make_unique<ui::TWindowOverlay>();
        FBalloon->OnPaint = [this](gfx::TCanvas& c) { PaintBalloon(c); };
    }
    FBalloonTitle = Title;
    FBalloonText = Text;
    int width = 0;
    int height = BalloonPadding;
    for (const std::string* line : {&FBalloonTitle, &FBalloonText}) {
        if (line->empty()) continue;
        const rtl::TSize extent = Canvas().TextExtent(*line);
        width = std::max(width, extent.cx);
        height += extent.cy + 2;
    }
    const rtl::TPoint at = ClientToScreen(rtl::TPoint{0, Height()});
    FBalloon->SetHost(top->Handle());
    FBalloon->SetScreenBounds(rtl::TRect{at.X, at.Y + 2, at.X + width + 2 * BalloonPadding, at.Y + 2 + height + BalloonPadding});
    FBalloon->BringToFront();
    FBalloon->SetVisible(true);
}

void TExtInplaceEdit::HideInvalidEntryBalloon()
{
    if (FBalloon != nullptr) FBalloon->SetVisible(false);
}

rtl::TRect TExtInplaceEdit::InvalidEntryBalloonBounds() const
{
    return FBalloon != nullptr ? FBalloon->ScreenBounds() : rtl::TRect{};
}

// The info colours of the system, a frame, the title in bold and the text below it.
void TExtInplaceEdit::PaintBalloon(gfx::TCanvas& C) const
{
    const rtl::TRect r = FBalloon->ScreenBounds();
    const rtl::TRect box{0, 0, r.Width(), r.Height()};
    C.Brush().SetColor(gfx::clInfoBk);
    C.Pen().SetColor(gfx::clInfoText);
    C.Rectangle(box);
    C.Brush().SetStyle(gfx::bsClear);
    C.Font().SetColor(gfx::clInfoText);
    int y = BalloonPadding / 2 + 1;
    if (!FBalloonTitle.empty()) {
        C.Font().SetStyle({gfx::fsBold});
        C.TextOut(BalloonPadding, y, FBalloonTitle);
        y += C.TextHeight(FBalloonTitle) + 2;
        C.Font().SetStyle({});
    }
    if (!FBalloonText.empty()) C.TextOut(BalloonPadding, y, FBalloonText);
}

// --- filling and placing

// The cell's text, mask and limit as the platform fills them; then the grid's own
// settings of the cell: password character, length limit, and the cell text as the
// text Escape brings back.
void TExtInplaceEdit::UpdateContents()
{
    FQuiet = true;
    ui::TInplaceEdit::UpdateContents();
    FQuiet = false;
    if (FGrid == nullptr) return;
    const TEditorType kind = EditorKind();
    SetPasswordChar(kind == edPassword ? FirstChar(FGrid->PasswordChar()) : 0);
    FLengthLimit = FGrid->MaxEditLength();
    SetMaxLength(FLengthLimit > 0 ? FLengthLimit : 0);
    SetWordWrap(FGrid->WordWrap());
    // The text at the start of the edit is what validation compares with and Escape
    // brings back. It is taken when an edit starts, not when code writes the cell being
    // edited (which refills the editor): else a refused value written meanwhile would look
    // unchanged and pass without validation.
    const bool sameEdit = Visible() && FGrid->Editing() && FColE == FGrid->Col() && FRowE == FGrid->Row();
    FColE = FGrid->Col();
    FRowE = FGrid->Row();
    TakeCellLook();
    // Posted to the editor itself, so that it arrives once the editor is placed and shown:
    // then the editor takes the cell's look again and the application sees it through
    // OnGetEditorProp.
    ui::PostMessage(Handle(), GridEditPropMessage(), 0, 0);
    if (sameEdit) return;
    FGrid->SetCellCache(FGrid->GetCellEx(FColE, FRowE));
    FGrid->SaveOldCellValue(FColE, FRowE);
    FGotKey = false;
    FWorkmode = true;
}

// The colour, font and text alignment the current cell is painted with.
void TExtInplaceEdit::TakeCellLook()
{
    gfx::TColor color = gfx::clWindow;
    ui::TAlignment align = ui::taLeftJustify;
    FGrid->CurrentCellLook(color, Font(), align);
    SetColor(color);
    SetTextAlignment(align);
}

// "GridEditProp": the look of the cell again, then OnGetEditorProp for the current cell
// (real column) without an edit link, where the application may change the editor's look.
void TExtInplaceEdit::EditorProperties()
{
    if (FGrid == nullptr || !Visible()) return;
    TakeCellLook();
    FGrid->GetEditorProp(FGrid->RealColIndex(FGrid->Col()), FGrid->Row(), nullptr);
    Invalidate();
}

// Inside the cell by one pixel, and by half the grid line width for wide lines.
void TExtInplaceEdit::Move(const rtl::TRect& Loc)
{
    // Over a merged block the editor covers the whole block, not its base cell alone.
    rtl::TRect cell = Loc;
    if (FGrid != nullptr && FGrid->IsMergedCell(FGrid->Col(), FGrid->Row())) {
        const rtl::TRect block = FGrid->CellRect(FGrid->Col(), FGrid->Row());
        if (!rtl::IsRectEmpty(block)) cell = block;
    }
    int inset = 1;
    if (FGrid != nullptr && FGrid->GridLineWidth() > 1) inset += FGrid->GridLineWidth() / 2;
    SetBounds(cell.Left, cell.Top, cell.Width() - inset, cell.Height() - inset);
    // Lines run from the top of the editor (a multi-line edit), lowered by the alignment.
    if (FGrid != nullptr) {
        if (!MultiLine()) SetMultiLine(true);
        SetTextTopMargin(TextTopOffset(cell.Height()) - 1);
    }
    if (!Visible()) SetVisible(true);
    if (FGrid != nullptr && FGrid->GridLineWidth() > 1) FGrid->Invalidate();
}

// How far below the editor's top its text starts: 1 for top-aligned cells; a centred or
// bottom-aligned grid puts a line of text where the cell shows it (not for word wrap).
int TExtInplaceEdit::TextTopOffset(int CellHeight) const
{
    const TVAlignment align = FGrid->VAlignment();
    if (FWordWrap || align == vtaTop) return 1;
    gfx::TCanvas& canvas = FGrid->Canvas();
    canvas.Font().Assign(&FGrid->Font());
    const int textHeight = canvas.TextHeight("gh");
    return align == vtaCenter ? (CellHeight - textHeight - 2) / 2 : CellHeight - (textHeight + 4);
}

// --- messages

void TExtInplaceEdit::WndProc(ui::TMessage& Message)
{
    switch (Message.Msg) {
    case ui::WM_KEYDOWN: {
        HideInvalidEntryBalloon();
        if (FGrid != nullptr) FGrid->EditorKeyMessage(Message);
        FOldSelStart = SelStart();
        const auto key = static_cast<ui::WORD>(Message.WParam);
        const bool ctrl = CtrlDown();
        const bool shift = ui::GetKeyState(ui::VK_SHIFT) < 0;
        if (ctrl && key == 'A' && ui::GetKeyState(ui::VK_RMENU) >= 0) {
            SelectAll();
            Message.Result = 0;
            return;
        }
        if (ctrl && key == ui::VK_RETURN && FGrid != nullptr &&
            !(FGrid->Navigation().AllowCtrlEnter() && (FGrid->WordWrap() || FGrid->Multilinecells()))) {
            ui::WORD k = ui::VK_RETURN;
            if (FGrid->OnKeyDown) FGrid->OnKeyDown(FGrid, k, ui::ssCtrl);
            Message.Result = 0;
            return;
        }
        if (!ctrl && !shift && (key == ui::VK_HOME || key == ui::VK_END)) {
            SetSelStart(key == ui::VK_HOME ? 0 : TextLength());
            SetSelLength(0);
            Message.Result = 0;
            return;
        }
        if (ValidateOnKey(key, ctrl, shift)) {
            Message.Result = 1;
            return;
        }
        break;
    }
    case ui::WM_GETDLGCODE:
        ui::TInplaceEdit::WndProc(Message);
        if (FGrid != nullptr && FGrid->GridHandlesTab()) Message.Result |= ui::DLGC_WANTTAB;
        return;
    case ui::WM_SYSKEYDOWN:
        if (Message.WParam == ui::VK_BACK) FAltBack = true;
        break;
    case ui::WM_SYSKEYUP:
        if (Message.WParam == ui::VK_BACK) FAltBack = false;
        break;
    case ui::WM_CHAR: {
        HideInvalidEntryBalloon();
        FCharKeyData = Message.LParam;
        ui::TInplaceEdit::WndProc(Message);
        FCharKeyData = 0;
        return;
    }
    case ui::WM_KILLFOCUS: LoseFocus(Message); return;
    case ui::WM_SETFOCUS: GainFocus(Message); return;
    case ui::WM_COPY: Copy(); return;
    case ui::WM_CUT: Cut(); return;
    case ui::WM_PASTE: Paste(); return;
    default: break;
    }
    if (Message.Msg == GridEditPropMessage()) {
        EditorProperties();
        return;
    }
    ui::TInplaceEdit::WndProc(Message);
}

// --- keys

// After a refused value the editor shows what validation left, selected as a whole
// (EditSelectAll) or with the caret at its end, for correcting; the cell keeps the
// value validation put back.
void TExtInplaceEdit::ShowRefusedValue()
{
    const int col = FGrid->Col();
    const std::string kept = FGrid->GetCellEx(col, FGrid->Row());
    SetTextQuietly(FGrid->NewCellText());
    if (FGrid->GetCellEx(col, FGrid->Row()) != kept) FGrid->SetCellEx(col, FGrid->Row(), kept);
    if (FGrid->Navigation().EditSelectAll()) {
        SelectAll();
    } else {
        SetSelStart(TextLength());
        SetSelLength(0);
    }
    Invalidate();
}

// The keys that leave the cell validate the editor text first: Tab (when the grid
// handles it), Shift+Left and Shift+Right at the text's ends (CursorWalkEditor), Up and
// Down, and Enter. A refused value stays in the editor. True when the key is consumed.
bool TExtInplaceEdit::ValidateOnKey(ui::WORD Key, bool Ctrl, bool Shift)
{
    if (FGrid == nullptr) return false;
    const std::string candidate = GetText();
    if (Key == ui::VK_TAB && FGrid->GridHandlesTab()) {
        if (!FGrid->ValidateCell(candidate)) {
            ShowRefusedValue();
            ui::WORD k = ui::VK_TAB;
            if (FGrid->OnKeyDown) FGrid->OnKeyDown(FGrid, k, Shift ? ui::TShiftState{ui::ssShift} : ui::TShiftState{0});
            return true;
        }
        SetTextQuietly(FGrid->NewCellText());
        FGrid->HideInplaceEdit();
        if (FGrid->Options() & ui::goTabs) FGrid->NavigateFromEditor(Shift);
        else if (FGrid->HandleAllocated()) ui::PostMessage(FGrid->Handle(), ui::WM_KEYDOWN, ui::VK_TAB, 0);
        return true;
    }
    const bool walkOut = FGrid->Navigation().CursorWalkEditor() && Shift && SelLength() == 0 &&
                         ((Key == ui::VK_LEFT && SelStart() == 0) || (Key == ui::VK_RIGHT && SelStart() == TextLength()));
    if (walkOut) {
        FGrid->SetCurrentCell(candidate);
        if (!FGrid->ValidateCell(candidate)) {
            ShowRefusedValue();
            return true;
        }
        SetTextQuietly(FGrid->NewCellText());
        FGrid->HideInplaceEdit();
        if (FGrid->CanFocus()) FGrid->SetFocus();
        return true;
    }
    if (Key == ui::VK_UP || Key == ui::VK_DOWN) {
        FGrid->SetCurrentCell(candidate);
        if (!FGrid->ValidateCell(candidate)) {
            ShowRefusedValue();
            return true;
        }
        SetTextQuietly(FGrid->NewCellText());
        return false;
    }
    if (Key == ui::VK_RETURN && !Ctrl && !FGrid->Navigation().LineFeedOnEnter()) {
        if (!FGrid->ValidateCell(candidate)) {
            ShowRefusedValue();
            return true;
        }
        SetTextQuietly(FGrid->NewCellText());
    }
    return false;
}

void TExtInplaceEdit::KeyDown(ui::WORD& Key, ui::TShiftState Shift)
{
    FSelKeyDown = SelStart();
    if (Key == ui::VK_BACK || Key == ui::VK_DELETE) FWorkmode = false;
    else if (Key != ui::VK_RETURN && Key != ui::VK_UP && Key != ui::VK_DOWN) FWorkmode = true;
    // The clipboard keys go through the clipboard messages, so their events fire.
    if ((Shift & ui::ssCtrl) != 0 && (Key == 'C' || Key == 'X' || Key == 'V')) {
        Perform(Key == 'C' ? ui::WM_COPY : Key == 'X' ? ui::WM_CUT : ui::WM_PASTE, 0, 0);
        Key = 0;
        return;
    }
    if (FGrid != nullptr) FGrid->EditorKeyDown(Key, Shift);
    if (Key == 0) return;
    ui::TInplaceEdit::KeyDown(Key, Shift);
}

void TExtInplaceEdit::KeyPress(char32_t& Key)
{
    if (!FilterChar(Key)) {
        Key = 0;
        return;
    }
    const TEditorType kind = EditorKind();
    const int caret = SelStart();
    ui::TInplaceEdit::KeyPress(Key);
    if (kind == edMixedCase && Key != 0 && !IsControlKey(Key)) {
        SetText(CapitalizeName(GetText()));
        SetSelStart(caret + 1);
        SetSelLength(0);
    }
}

// Steps of a typed character before the editor inserts it; false drops it.
bool TExtInplaceEdit::FilterChar(char32_t& Key)
{
    if (FGrid == nullptr) return true;
    const bool ctrl = CtrlDown();
    if (Key == U'.' && (FGrid->ForceDecimalSeparator() ||
                        (FGrid->ExcelStyleDecimalSeparator() && (FCharKeyData & KeypadKeyBit) != 0)))
        Key = LocaleDecimalSeparator();
    if (Key == chCtrlA && ctrl) return false;
    if (Key == chLineFeed && ctrl &&
        !(FGrid->Navigation().AllowCtrlEnter() && (FGrid->WordWrap() || FGrid->Multilinecells())))
        return false;
    if (FLengthLimit > 0 && TextLength() == FLengthLimit && SelLength() == 0 && Key != chBack && Key != chEscape &&
        Key != chEnter)
        return false;

    const TEditorType kind = EditorKind();
    const std::string text = GetText();
    const std::string sel = SelText();
    switch (kind) {
    case edNumeric:
        if (ctrl || IsControlKey(Key) || IsDigit(Key)) return true;
        if (Key == U'-' && text.find('-') == std::string::npos && SelStart() == 0) return true;
        EditorBeep();
        return false;
    case edPositiveNumeric:
        if (ctrl || IsControlKey(Key) || IsDigit(Key)) return true;
        EditorBeep();
        return false;
    case edFloat:
    case edPositiveFloat: {
        const char32_t dec = LocaleDecimalSeparator();
        const char32_t thousand = LocaleThousandSeparator();
        const bool minusAllowed = kind == edFloat;
        const bool isNumberKey = IsNumberChar(Key) || Key == dec || Key == thousand || IsControlKey(Key) ||
                                 (Key == U'-' && minusAllowed);
        if (!isNumberKey) return false;
        if (Key == thousand && Key != dec) return false;
        if (Key == dec && text.find(Encode(dec)) != std::string::npos && sel.find(Encode(dec)) == std::string::npos)
            return false;
        if (Key == U'-' && (SelStart() != 0 || text.find('-') != std::string::npos) &&
            sel.find('-') == std::string::npos) {
            EditorBeep();
            return false;
        }
        return true;
    }
    case edCapital:
    case edUpperCase:
        if (!IsControlKey(Key)) Key = FirstChar(rtl::AnsiUpperCase(Encode(Key)));
        return true;
    case edLowerCase:
        if (!IsControlKey(Key)) Key = FirstChar(rtl::AnsiLowerCase(Encode(Key)));
        return true;
    case edValidChars: {
        if (ctrl && (Key == chCopy || Key == chPaste || Key == chCut)) return true;
        if (Key == chBack || Key == chLineFeed || Key == chEnter) return true;
        const std::u32string valid = rtl::Utf8Decode(FGrid->ValidChars());
        if (valid.empty() || valid.find(Key) != std::u32string::npos) return true;
        EditorBeep();
        return false;
    }
    default: return true;
    }
}

void TExtInplaceEdit::KeyUp(ui::WORD& Key, ui::TShiftState Shift)
{
    ui::TInplaceEdit::KeyUp(Key, Shift);
    LookupComplete();
    AfterKeyUp();
}

// The first lookup item that starts with the text before the caret completes it; the
// completed part is selected, so typing on replaces it.
void TExtInplaceEdit::LookupComplete()
{
    if (FGrid == nullptr || !FWorkmode || SelLength() != 0 || !FGrid->Lookup()) return;
    const rtl::TStringList& items = FGrid->LookupItems();
    if (items.Count() == 0) return;
    const std::u32string text = rtl::Utf8Decode(GetText());
    const int caret = SelStart();
    if (caret <= 0) return;
    std::string prefix = rtl::Utf8Encode(text.substr(0, static_cast<std::size_t>(caret)));
    const bool caseSensitive = FGrid->LookupCaseSensitive();
    const std::string key = caseSensitive ? prefix : rtl::AnsiUpperCase(prefix);
    for (int i = 0; i < items.Count(); ++i) {
        const std::string item = items.Get(i);
        const std::string probe = caseSensitive ? item : rtl::AnsiUpperCase(item);
        if (probe.compare(0, key.size(), key) != 0) continue;
        std::u32string rest = rtl::Utf8Decode(item).substr(static_cast<std::size_t>(caret));
        if (rest.size() > 255) rest.resize(255);
        SetText(prefix + rtl::Utf8Encode(rest));
        SetSelStart(caret);
        SetSelLength(static_cast<int>(rest.size()));
        FGotKey = false;
        return;
    }
}

// Formula editing follows a leading "="; the caret's place is reported when it is not at 0.
void TExtInplaceEdit::AfterKeyUp()
{
    if (FGrid == nullptr) return;
    const std::string text = GetText();
    FGrid->SetFormulaEditing(!text.empty() && text[0] == '=');
    const int caret = SelStart();
    if (caret == 0) return;
    const std::u32string chars = rtl::Utf8Decode(text);
    const std::string before = rtl::Utf8Encode(chars.substr(0, static_cast<std::size_t>(caret - 1)));
    const rtl::TPoint at{Canvas().TextWidth(before), 0};
    FGrid->EditorCaretChanged(text, at, caret);
}

// A user's change of the text: OnEditChange first, then the text goes into the cell
// (SetEditText, which fires OnSetEditText). Texts the grid puts in itself report nothing.
void TExtInplaceEdit::Change()
{
    if (FQuiet || FGrid == nullptr || FGrid->NoEditChange()) {
        ui::TGridEditBase::Change();
        return;
    }
    if (FGrid->OnEditChange && Visible()) {
        std::string value = GetText();
        FGrid->OnEditChange(FGrid, FGrid->Col(), FGrid->Row(), value);
    }
    ui::TInplaceEdit::Change();
}

void TExtInplaceEdit::SetTextQuietly(const std::string& Text)
{
    const bool quiet = FQuiet;
    FQuiet = true;
    SetText(Text);
    FQuiet = quiet;
}

void TExtInplaceEdit::DblClick()
{
    ui::TInplaceEdit::DblClick();
    if (FGrid != nullptr && FGrid->OnDblClickCell) FGrid->OnDblClickCell(FGrid, FGrid->Row(), FGrid->Col());
}

// --- focus

void TExtInplaceEdit::LoseFocus(ui::TMessage& Message)
{
    if (FGrid == nullptr) {
        ui::TInplaceEdit::WndProc(Message);
        return;
    }
    HideInvalidEntryBalloon();
    const std::string text = GetText();
    if (FGrid->LookupHistory() && FGrid->LookupItems().IndexOf(text) < 0) FGrid->LookupItems().Add(text);
    FGrid->SetFormulaEditing(false);
    ui::TInplaceEdit::WndProc(Message);
    if (FAltBack) return;
    // Focus going anywhere but to the grid ends the edit; the editor is closed even when
    // storing the value fails.
    const auto to = static_cast<ui::HWND>(Message.WParam);
    if (!FGrid->HandleAllocated() || to != FGrid->Handle()) {
        try {
            FGrid->HideInplaceEdit();
        } catch (...) {
            FGrid->SetEditorMode(false);
            throw;
        }
    }
    SetTextQuietly(FGrid->GetCellEx(FGrid->Col(), FGrid->Row()));
    FGrid->EditorCaretChanged(GetText(), rtl::TPoint{-1, -1}, -1);
    if (!FGotFocus) return;
    FGotFocus = false;
    // A cell written through SetCellEx without a property object is no end of an edit.
    if (!FGrid->EditCellSet()) FGrid->PostEditMessage(FGrid->RealColIndex(FColE), FRowE);
}

void TExtInplaceEdit::GainFocus(ui::TMessage& Message)
{
    ui::TInplaceEdit::WndProc(Message);
    FGotFocus = true;
    if (FGrid == nullptr) return;
    FLengthLimit = FGrid->MaxEditLength();
    SetMaxLength(FLengthLimit > 0 ? FLengthLimit : 0);
    if (!FGrid->Navigation().EditSelectAll()) {
        SetSelStart(TextLength());
        SetSelLength(0);
    }
}

// --- clipboard

bool TExtInplaceEdit::Copy()
{
    bool allow = true;
    if (FGrid != nullptr && FGrid->OnClipboardCopy) FGrid->OnClipboardCopy(this, allow);
    if (allow) CopyToClipboard();
    return allow;
}

bool TExtInplaceEdit::Cut()
{
    bool allow = true;
    if (FGrid != nullptr && FGrid->OnClipboardCut) FGrid->OnClipboardCut(this, allow);
    if (allow) CutToClipboard();
    return allow;
}

// The pasted text must fit the length limit and pass the editor kind's filter as a whole;
// a refused paste leaves the text as it was but is still reported afterwards.
void TExtInplaceEdit::Paste()
{
    if (FGrid == nullptr) {
        PasteFromClipboard();
        return;
    }
    std::string pasted;
    bool allow = ui::Clipboard().HasFormat(ui::CF_TEXT);
    if (allow) pasted = ui::Clipboard().AsText();
    if (FGrid->OnClipboardPaste) FGrid->OnClipboardPaste(this, allow);
    if (allow && FGrid->OnClipboardBeforePasteCell)
        FGrid->OnClipboardBeforePasteCell(this, FGrid->Col(), FGrid->Row(), pasted, allow);
    const int pastedLength = static_cast<int>(rtl::Utf8Length(pasted));
    if (allow && (FLengthLimit < 1 || pastedLength <= FLengthLimit)) {
        if (std::size_t lb = pasted.find("\r\n"); lb != std::string::npos && lb + 2 == pasted.size())
            pasted.erase(lb);
        const std::u32string text = rtl::Utf8Decode(GetText());
        const int start = SelStart();
        const int length = SelLength();
        std::u32string result = text.substr(0, static_cast<std::size_t>(start)) + rtl::Utf8Decode(pasted) +
                                text.substr(static_cast<std::size_t>(start + length));
        std::string candidate = rtl::Utf8Encode(result);
        const int newLength = static_cast<int>(result.size());
        if ((FLengthLimit < 1 || newLength <= FLengthLimit) && PasteFilter(candidate)) {
            SetText(candidate);
            const int pastedChars = static_cast<int>(rtl::Utf8Length(pasted));
            if (length > 0) {
                SetSelStart(start);
                SetSelLength(pastedChars);
            } else {
                SetSelStart(start + pastedChars);
                SetSelLength(0);
            }
        }
    }
    FGrid->SetCurrentEditText(GetText());
    if (FGrid->OnClipboardAfterPasteCell) FGrid->OnClipboardAfterPasteCell(this, FGrid->Col(), FGrid->Row(), GetText());
}

bool TExtInplaceEdit::PasteFilter(std::string& Text)
{
    const TEditorType kind = EditorKind();
    const int numberKind = ClassifyNumberText(Text);
    switch (kind) {
    case edNumeric: return numberKind == nkInteger;
    case edPositiveNumeric: return numberKind == nkInteger && Text.find('-') == std::string::npos;
    case edFloat: return numberKind == nkInteger || numberKind == nkFloat;
    case edPositiveFloat:
        return (numberKind == nkInteger || numberKind == nkFloat) && Text.find('-') == std::string::npos;
    case edMixedCase: Text = CapitalizeName(Text); return true;
    case edLowerCase: Text = rtl::AnsiLowerCase(Text); return true;
    case edUpperCase: Text = rtl::AnsiUpperCase(Text); return true;
    case edValidChars: {
        const std::u32string valid = rtl::Utf8Decode(FGrid->ValidChars());
        if (valid.empty()) return true;
        for (char32_t ch : rtl::Utf8Decode(Text))
            if (valid.find(ch) == std::u32string::npos) return false;
        return true;
    }
    default: return true;
    }
}

}  // namespace grid
