// The text-field engine: layout of visual lines, caret, selection, keyboard, mouse and clipboard.
#include "platform/ui/StdCtrlsEdit.h"

#include <algorithm>

#include "platform/gfx/Canvas.h"
#include "platform/rtl/Utf8.h"
#include "platform/ui/Caret.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/Menus.h"
#include "platform/ui/ScrollInfo.h"

namespace ui {

namespace {

constexpr int TextMargin = 2;

bool IsWordChar(char32_t ch)
{
    return ch != U' ' && ch != U'\t' && ch != U'\n';
}

std::u32string Decode(const std::string& s)
{
    std::u32string out = rtl::Utf8Decode(s);
    // Line breaks are kept as one LF; a CR of a CR LF pair is dropped.
    std::u32string clean;
    clean.reserve(out.size());
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (out[i] == U'\r') {
            if (i + 1 < out.size() && out[i + 1] == U'\n') continue;
            clean.push_back(U'\n');
            continue;
        }
        clean.push_back(out[i]);
    }
    return clean;
}

}  // namespace

TCustomEdit::TCustomEdit(rtl::TComponent* AOwner) : TCustomControl(AOwner)
{
    SetBounds(0, 0, 121, 21);
    FColor = gfx::clWindow;
    FTabStop = true;
    FCursor = crIBeam;
    FControlStyle |= csOpaque;
    SetBorderThickness(2);
}

TCustomEdit::~TCustomEdit()
{
    if (FCaretCreated && CaretState().Owner == Handle()) DestroyCaret();
}

// --- text ---

std::string TCustomEdit::GetText() const
{
    return rtl::Utf8Encode(FChars);
}

void TCustomEdit::SetText(const std::string& value)
{
    SetChars(Decode(value));
}

void TCustomEdit::SetChars(const std::u32string& chars)
{
    std::u32string clean = chars;
    if (!FMultiLine) std::replace(clean.begin(), clean.end(), U'\n', U' ');
    if (clean == FChars) return;
    FChars = clean;
    FCanUndo = false;
    FAnchor = FCaret = 0;
    FScrollX = 0;
    FTopLine = 0;
    InvalidateLayout();
    Perform(CM_TEXTCHANGED, 0, 0);
    FViewStale = true;
    Invalidate();
}

void TCustomEdit::Change()
{
    if (OnChange) OnChange(this);
}

void TCustomEdit::SetReadOnly(bool value)
{
    FReadOnly = value;
    Invalidate();
}

void TCustomEdit::SetPasswordChar(char32_t value)
{
    if (FPasswordChar == value) return;
    FPasswordChar = value;
    InvalidateLayout();
    Invalidate();
}

void TCustomEdit::SetHideSelection(bool value)
{
    FHideSelection = value;
    Invalidate();
}

void TCustomEdit::SetMultiLine(bool value)
{
    FMultiLine = value;
    InvalidateLayout();
}

void TCustomEdit::SetWordWrapState(bool value)
{
    if (FWordWrap == value) return;
    FWordWrap = value;
    FScrollX = 0;
    InvalidateLayout();
    UpdateScrollBars();
    Invalidate();
}

void TCustomEdit::SetScrollBarsStyle(TScrollStyle value)
{
    FScrollBars = value;
    ShowScrollBar(Handle(), SB_VERT, value == ssVertical || value == ssBoth);
    ShowScrollBar(Handle(), SB_HORZ, value == ssHorizontal || value == ssBoth);
    InvalidateLayout();
    UpdateScrollBars();
    Invalidate();
}

void TCustomEdit::SetTextAlignment(TAlignment value)
{
    FAlignment = value;
    Invalidate();
}

// --- selection ---

int TCustomEdit::SelStart() const
{
    return std::min(FAnchor, FCaret);
}

void TCustomEdit::SetSelStart(int value)
{
    int pos = std::clamp(value, 0, static_cast<int>(FChars.size()));
    Select(pos, pos);
}

int TCustomEdit::SelLength() const
{
    return std::abs(FCaret - FAnchor);
}

void TCustomEdit::SetSelLength(int value)
{
    int start = SelStart();
    Select(start, std::clamp(start + std::max(value, 0), 0, static_cast<int>(FChars.size())));
}

std::string TCustomEdit::SelText() const
{
    return rtl::Utf8Encode(FChars.substr(SelStart(), SelLength()));
}

void TCustomEdit::SetSelText(const std::string& value)
{
    ReplaceRange(SelStart(), SelStart() + SelLength(), Decode(value), false);
}

void TCustomEdit::SelectAll()
{
    Select(0, static_cast<int>(FChars.size()));
}

void TCustomEdit::ClearSelection()
{
    if (SelLength() > 0) ReplaceRange(SelStart(), SelStart() + SelLength(), U"", false);
}

void TCustomEdit::Select(int anchor, int caret)
{
    int n = static_cast<int>(FChars.size());
    anchor = std::clamp(anchor, 0, n);
    caret = std::clamp(caret, 0, n);
    if (anchor == FAnchor && caret == FCaret) {
        // The caret did not move, but it is brought into view all the same.
        if (LayoutLive()) ScrollCaretIntoView();
        return;
    }
    FAnchor = anchor;
    FCaret = caret;
    if (LayoutLive()) {
        ScrollCaretIntoView();
        UpdateCaret();
    }
    Invalidate();
}

void TCustomEdit::MoveCaret(int pos, bool extend)
{
    Select(extend ? FAnchor : pos, pos);
}

// --- undo ---

void TCustomEdit::Undo()
{
    // One level, as the platform's edit has it: undoing again redoes.
    if (!FCanUndo || FReadOnly) return;
    std::u32string chars = FUndoChars;
    int anchor = FUndoAnchor;
    int caret = FUndoCaret;
    FUndoChars = FChars;
    FUndoAnchor = FAnchor;
    FUndoCaret = FCaret;
    FChars = chars;
    FModified = true;
    InvalidateLayout();
    Perform(CM_TEXTCHANGED, 0, 0);
    FViewStale = true;
    Select(anchor, caret);
    FlushView();
    Invalidate();
}

void TCustomEdit::ClearUndo()
{
    FCanUndo = false;
    FUndoChars.clear();
}

// --- the field's own menu ---

void TCustomEdit::ShowEditMenu(const rtl::TPoint& screen)
{
    if (FEditMenu == nullptr) {
        FEditMenu = new TPopupMenu(this);
        struct TEntry {
            const char* Caption;
            std::function<void(TCustomEdit*)> Run;
        };
        const TEntry entries[] = {
            {"Undo", [](TCustomEdit* e) { e->Undo(); }},
            {"-", nullptr},
            {"Cut", [](TCustomEdit* e) { e->CutToClipboard(); }},
            {"Copy", [](TCustomEdit* e) { e->CopyToClipboard(); }},
            {"Paste", [](TCustomEdit* e) { e->PasteFromClipboard(); }},
            {"Delete", [](TCustomEdit* e) { e->UserDelete(false, false); }},
            {"-", nullptr},
            {"Select All", [](TCustomEdit* e) { e->SelectAll(); }},
        };
        for (const TEntry& entry : entries) {
            auto* item = new TMenuItem(FEditMenu);
            item->SetCaption(entry.Caption);
            if (entry.Run) item->OnClick = [this, run = entry.Run](rtl::TObject*) { run(this); };
            FEditMenu->Items().Add(item);
        }
    }
    // What each entry can do now.
    bool selection = SelLength() > 0;
    bool secret = FPasswordChar != 0;
    const bool enabled[] = {FCanUndo && !FReadOnly, true, selection && !FReadOnly && !secret, selection && !secret,
                            !FReadOnly && Clipboard().HasFormat(CF_TEXT), selection && !FReadOnly, true,
                            !FChars.empty() && SelLength() < static_cast<int>(FChars.size())};
    for (int i = 0; i < FEditMenu->Items().Count(); ++i) FEditMenu->Items()[i]->SetEnabled(enabled[i]);
    FEditMenu->SetPopupComponent(this);
    FEditMenu->Popup(screen.X, screen.Y);
}

// --- clipboard ---

void TCustomEdit::CopyToClipboard()
{
    // A password field never gives its text away.
    if (FPasswordChar != 0 || SelLength() == 0) return;
    Clipboard().SetAsText(SelText());
}

void TCustomEdit::CutToClipboard()
{
    if (FPasswordChar != 0 || SelLength() == 0 || FReadOnly) return;
    CopyToClipboard();
    UserDelete(false, false);
}

void TCustomEdit::PasteFromClipboard()
{
    std::u32string text = Decode(Clipboard().AsText());
    if (!FMultiLine) {
        // A one-line field takes the first line of a many-line text.
        auto br = text.find(U'\n');
        if (br != std::u32string::npos) text.resize(br);
    }
    for (char32_t ch : text) {
        if (ch != U'\n' && !CharAllowed(ch)) return;
    }
    UserReplaceSelection(text);
}

// --- editing ---

bool TCustomEdit::CharAllowed(char32_t ch) const
{
    if (FNumbersOnly) return ch >= U'0' && ch <= U'9';
    return true;
}

bool TCustomEdit::UserReplaceSelection(const std::u32string& text)
{
    if (FReadOnly) return false;
    std::u32string insert = text;
    int start = SelStart();
    int end = start + SelLength();
    if (FMaxLength > 0) {
        int room = FMaxLength - (static_cast<int>(FChars.size()) - (end - start));
        if (room <= 0) insert.clear();
        else if (static_cast<int>(insert.size()) > room) insert.resize(room);
    }
    if (insert.empty() && start == end) return false;
    ReplaceRange(start, end, insert, true);
    return true;
}

void TCustomEdit::UserDelete(bool backwards, bool wholeWord)
{
    if (FReadOnly) return;
    int start = SelStart();
    int end = start + SelLength();
    if (start == end) {
        if (backwards) {
            if (start == 0) return;
            start = wholeWord ? WordLeft(start) : start - 1;
        } else {
            if (end >= static_cast<int>(FChars.size())) return;
            end = wholeWord ? WordRight(end) : end + 1;
        }
    }
    ReplaceRange(start, end, U"", true);
}

void TCustomEdit::ReplaceRange(int start, int end, const std::u32string& text, bool user)
{
    std::u32string insert = text;
    if (!FMultiLine) std::replace(insert.begin(), insert.end(), U'\n', U' ');
    if (user) {
        FUndoChars = FChars;
        FUndoAnchor = FAnchor;
        FUndoCaret = FCaret;
        FCanUndo = true;
    }
    FChars.replace(start, end - start, insert);
    FAnchor = FCaret = start + static_cast<int>(insert.size());
    if (user) FModified = true;
    InvalidateLayout();
    Perform(CM_TEXTCHANGED, 0, 0);
    // What the user does shows at once; changes from code (many lines added one by one)
    // are laid out once, when the field is next painted or used.
    if (user && LayoutLive()) {
        FViewStale = false;
        UpdateScrollBars();
        ScrollCaretIntoView();
        UpdateCaret();
    } else {
        FViewStale = true;
    }
    Invalidate();
}

void TCustomEdit::ReplaceText(int start, int end, const std::u32string& text)
{
    int n = static_cast<int>(FChars.size());
    start = std::clamp(start, 0, n);
    end = std::clamp(end, start, n);
    ReplaceRange(start, end, text, false);
}

int TCustomEdit::WordLeft(int pos) const
{
    while (pos > 0 && !IsWordChar(FChars[pos - 1])) --pos;
    while (pos > 0 && IsWordChar(FChars[pos - 1])) --pos;
    return pos;
}

int TCustomEdit::WordRight(int pos) const
{
    int n = static_cast<int>(FChars.size());
    while (pos < n && IsWordChar(FChars[pos])) ++pos;
    while (pos < n && !IsWordChar(FChars[pos])) ++pos;
    return pos;
}

std::u32string TCustomEdit::DisplayChars(int start, int length) const
{
    if (FPasswordChar != 0) return std::u32string(length, FPasswordChar);
    std::u32string s = FChars.substr(start, length);
    std::replace(s.begin(), s.end(), U'\t', U' ');
    return s;
}

// --- layout ---

void TCustomEdit::ApplyCanvasFont() const
{
    if (!FMeasure) FMeasure = std::make_unique<gfx::TCanvas>();
    FMeasure->Font().Assign(&Font());
}

int TCustomEdit::TextWidth(const std::u32string& s) const
{
    if (s.empty()) return 0;
    ApplyCanvasFont();
    return FMeasure->TextWidth(rtl::Utf8Encode(s));
}

int TCustomEdit::CharWidth(char32_t ch) const
{
    auto it = FCharWidths.find(ch);
    if (it != FCharWidths.end()) return it->second;
    int w = TextWidth(std::u32string(1, ch));
    FCharWidths.emplace(ch, w);
    return w;
}

int TCustomEdit::LineHeight() const
{
    ApplyCanvasFont();
    return std::max(1, FMeasure->TextMetric().Height);
}

void TCustomEdit::InvalidateLayout()
{
    FLayoutValid = false;
}

bool TCustomEdit::LayoutLive() const
{
    return FLayoutHold == 0 && Showing();
}

void TCustomEdit::HoldLayout(bool hold)
{
    FLayoutHold += hold ? 1 : -1;
    if (FLayoutHold == 0 && Showing()) {
        UpdateScrollBars();
        ScrollCaretIntoView();
        UpdateCaret();
        Invalidate();
    }
}

void TCustomEdit::FlushView()
{
    if (!FViewStale || !LayoutLive()) return;
    FViewStale = false;
    UpdateScrollBars();
    ScrollCaretIntoView();
    UpdateCaret();
}

void TCustomEdit::ShowingChanged()
{
    TCustomControl::ShowingChanged();
    // Scroll bars and caret follow the text once the field can be seen.
    if (Showing()) {
        UpdateScrollBars();
        UpdateCaret();
    }
}

const std::vector<TCustomEdit::TVisualLine>& TCustomEdit::Lines_() const
{
    if (!FLayoutValid) BuildLayout();
    return FLayout;
}

void TCustomEdit::BuildLayout() const
{
    FLayout.clear();
    FLayoutValid = true;
    int n = static_cast<int>(FChars.size());
    if (!FMultiLine) {
        FLayout.push_back({0, n});
        return;
    }
    int wrapWidth = TextAreaWidth() - 2 * TextMargin;
    int start = 0;
    while (true) {
        int br = start;
        while (br < n && FChars[br] != U'\n') ++br;
        if (!FWordWrap || wrapWidth <= 0) {
            FLayout.push_back({start, br - start});
        } else {
            // Greedy wrapping at blanks; a word wider than the field breaks between characters.
            int lineStart = start;
            while (true) {
                int width = 0;
                int i = lineStart;
                int lastBlank = -1;
                while (i < br) {
                    int w = CharWidth(FPasswordChar != 0 ? FPasswordChar : FChars[i] == U'\t' ? U' ' : FChars[i]);
                    if (width + w > wrapWidth && i > lineStart) break;
                    width += w;
                    if (FChars[i] == U' ') lastBlank = i;
                    ++i;
                }
                if (i >= br) {
                    FLayout.push_back({lineStart, br - lineStart});
                    break;
                }
                int next = lastBlank >= lineStart ? lastBlank + 1 : i;
                FLayout.push_back({lineStart, next - lineStart});
                lineStart = next;
            }
        }
        if (br >= n) break;
        start = br + 1;
    }
}

int TCustomEdit::LineOfPos(int pos) const
{
    const auto& lines = Lines_();
    int line = 0;
    for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
        if (lines[i].Start <= pos) line = i;
        else break;
    }
    return line;
}

void TCustomEdit::SetTextOrigin(int left, int top)
{
    if (left == FOriginLeft && top == FOriginTop) return;
    FOriginLeft = left;
    FOriginTop = top;
    UpdateCaret();
}

int TCustomEdit::LeftMargin() const
{
    return !FMultiLine && FOriginLeft >= 0 ? FOriginLeft : TextMargin;
}

int TCustomEdit::SingleLineTop() const
{
    if (FOriginTop >= 0) return FOriginTop;
    return std::max(0, (ClientHeight() - LineHeight()) / 2);
}

int TCustomEdit::TextLeft(int line) const
{
    const int margin = LeftMargin();
    if (FAlignment == taLeftJustify || (FMultiLine && !FWordWrap)) return margin;
    const TVisualLine& l = Lines_()[line];
    int width = TextWidth(DisplayChars(l.Start, l.Length));
    int room = TextAreaWidth() - margin - TextMargin - width;
    if (room <= 0) return margin;
    return margin + (FAlignment == taRightJustify ? room : room / 2);
}

int TCustomEdit::XOfPos(int pos) const
{
    int line = LineOfPos(pos);
    const TVisualLine& l = Lines_()[line];
    int count = std::clamp(pos - l.Start, 0, l.Length);
    return TextLeft(line) + TextWidth(DisplayChars(l.Start, count)) - FScrollX;
}

int TCustomEdit::PosAt(int x, int y) const
{
    const auto& lines = Lines_();
    int line = FMultiLine ? FTopLine + std::max(0, y - FirstLineTop()) / LineHeight() : 0;
    line = std::clamp(line, 0, static_cast<int>(lines.size()) - 1);
    const TVisualLine& l = lines[line];
    int left = TextLeft(line) - FScrollX;
    int best = l.Start;
    int prev = 0;
    for (int i = 1; i <= l.Length; ++i) {
        int w = TextWidth(DisplayChars(l.Start, i));
        if (x < left + (prev + w) / 2) break;
        best = l.Start + i;
        prev = w;
    }
    return best;
}

int TCustomEdit::VisibleLineCount() const
{
    return std::max(1, (ClientHeight() - 2 - FTextTopMargin) / LineHeight());
}

void TCustomEdit::SetTextTopMargin(int value)
{
    value = std::max(0, value);
    if (value == FTextTopMargin) return;
    FTextTopMargin = value;
    UpdateCaret();
    Invalidate();
}

void TCustomEdit::SetTopLine(int line)
{
    FlushView();
    int maxTop = std::max(0, static_cast<int>(Lines_().size()) - VisibleLineCount());
    line = std::clamp(line, 0, maxTop);
    if (line == FTopLine) return;
    FTopLine = line;
    UpdateScrollBars();
    UpdateCaret();
    Invalidate();
}

void TCustomEdit::ScrollCaretIntoView()
{
    if (FMultiLine) {
        int line = LineOfPos(FCaret);
        if (line < FTopLine) SetTopLine(line);
        else if (line >= FTopLine + VisibleLineCount()) SetTopLine(line - VisibleLineCount() + 1);
        if (FWordWrap) return;
    }
    int before = FScrollX;
    int x = XOfPos(FCaret);
    int right = TextAreaWidth() - TextMargin;
    const int left = LeftMargin();
    if (x < left) {
        FScrollX = std::max(0, FScrollX - (left - x) - TextAreaWidth() / 4);
        Invalidate();
    } else if (x > right) {
        FScrollX += x - right + TextAreaWidth() / 4;
        Invalidate();
    }
    if (!FMultiLine && x >= left && FScrollX > 0) {
        // Text shorter than the field again: show it from its start.
        const TVisualLine& l = Lines_()[0];
        if (TextWidth(DisplayChars(l.Start, l.Length)) + left + TextMargin <= TextAreaWidth()) {
            FScrollX = 0;
            Invalidate();
        }
    }
    if (FMultiLine && FScrollX != before) UpdateScrollBars();
}

void TCustomEdit::UpdateCaret()
{
    if (!FCaretCreated || !Focused()) return;
    int line = LineOfPos(FCaret);
    int y = FMultiLine ? FirstLineTop() + (line - FTopLine) * LineHeight() : SingleLineTop();
    SetCaretPos(XOfPos(FCaret), y);
}

void TCustomEdit::UpdateScrollBars()
{
    if (!FMultiLine) return;
    if (FScrollBars == ssVertical || FScrollBars == ssBoth) {
        SCROLLINFO info;
        info.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
        info.nMin = 0;
        info.nMax = static_cast<int>(Lines_().size()) - 1;
        info.nPage = static_cast<UINT>(VisibleLineCount());
        info.nPos = FTopLine;
        SetScrollInfo(Handle(), SB_VERT, info, true);
    }
    if ((FScrollBars == ssHorizontal || FScrollBars == ssBoth) && !FWordWrap) {
        SCROLLINFO info;
        info.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
        info.nMin = 0;
        info.nMax = std::max(0, WidestLine() + 2 * TextMargin - 1);
        info.nPage = static_cast<UINT>(std::max(1, TextAreaWidth()));
        info.nPos = FScrollX;
        SetScrollInfo(Handle(), SB_HORZ, info, true);
    }
}

int TCustomEdit::WidestLine() const
{
    int widest = 0;
    for (const TVisualLine& l : Lines_()) {
        int w = 0;
        for (int i = l.Start; i < l.Start + l.Length; ++i)
            w += CharWidth(FPasswordChar != 0 ? FPasswordChar : FChars[i] == U'\t' ? U' ' : FChars[i]);
        widest = std::max(widest, w);
    }
    return widest;
}

void TCustomEdit::SetScrollX(int value)
{
    int limit = std::max(0, WidestLine() + 2 * TextMargin - TextAreaWidth());
    value = std::clamp(value, 0, limit);
    if (value == FScrollX) return;
    FScrollX = value;
    UpdateScrollBars();
    UpdateCaret();
    Invalidate();
}

void TCustomEdit::WMScroll(TMessage& Message, int bar)
{
    if (!FMultiLine) return;
    int code = LOWORD(Message.WParam);
    if (bar == SB_HORZ) {
        int page = std::max(1, TextAreaWidth() - 16);
        switch (code) {
        case SB_LINELEFT: SetScrollX(FScrollX - 8); break;
        case SB_LINERIGHT: SetScrollX(FScrollX + 8); break;
        case SB_PAGELEFT: SetScrollX(FScrollX - page); break;
        case SB_PAGERIGHT: SetScrollX(FScrollX + page); break;
        case SB_LEFT: SetScrollX(0); break;
        case SB_RIGHT: SetScrollX(WidestLine()); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: SetScrollX(HIWORD(Message.WParam)); break;
        default: break;
        }
        return;
    }
    switch (code) {
    case SB_LINEUP: SetTopLine(FTopLine - 1); break;
    case SB_LINEDOWN: SetTopLine(FTopLine + 1); break;
    case SB_PAGEUP: SetTopLine(FTopLine - VisibleLineCount()); break;
    case SB_PAGEDOWN: SetTopLine(FTopLine + VisibleLineCount()); break;
    case SB_TOP: SetTopLine(0); break;
    case SB_BOTTOM: SetTopLine(static_cast<int>(Lines_().size())); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: SetTopLine(HIWORD(Message.WParam)); break;
    default: break;
    }
}

// --- painting ---

void TCustomEdit::Paint()
{
    FlushView();
    gfx::TCanvas& c = Canvas();
    rtl::TRect client = ClientRect();
    c.Brush().SetStyle(gfx::bsSolid);
    c.Brush().SetColor(Enabled() ? Color() : gfx::clBtnFace);
    c.FillRect(client);
    c.Font().Assign(&Font());
    if (!Enabled()) c.Font().SetColor(gfx::clGrayText);
    int lh = LineHeight();
    const auto& lines = Lines_();
    bool showSel = SelLength() > 0 && (Focused() || !FHideSelection);
    int selA = SelStart();
    int selB = selA + SelLength();
    int first = FMultiLine ? FTopLine : 0;
    int last = FMultiLine ? std::min(static_cast<int>(lines.size()), first + VisibleLineCount() + 1)
                          : static_cast<int>(lines.size());
    for (int i = first; i < last; ++i) {
        const TVisualLine& l = lines[i];
        int y = FMultiLine ? FirstLineTop() + (i - first) * lh : SingleLineTop();
        int x = TextLeft(i) - FScrollX;
        std::u32string shown = DisplayChars(l.Start, l.Length);
        c.Brush().SetStyle(gfx::bsClear);
        c.TextOut(x, y, rtl::Utf8Encode(shown));
        if (!showSel) continue;
        int a = std::max(selA, l.Start);
        int b = std::min(selB, l.Start + l.Length);
        // A selected line break shows as a small highlighted block at the line's end.
        bool breakSelected = FMultiLine && selA <= l.Start + l.Length && selB > l.Start + l.Length;
        if (a >= b && !breakSelected) continue;
        int xa = x + TextWidth(shown.substr(0, std::max(0, a - l.Start)));
        int xb = x + TextWidth(shown.substr(0, std::max(0, b - l.Start)));
        if (breakSelected) xb += 4;
        c.Brush().SetStyle(gfx::bsSolid);
        c.Brush().SetColor(gfx::clHighlight);
        c.FillRect(rtl::Rect(xa, y, xb, y + lh));
        if (a < b) {
            c.Font().SetColor(gfx::clHighlightText);
            c.Brush().SetStyle(gfx::bsClear);
            c.TextOut(xa, y, rtl::Utf8Encode(shown.substr(a - l.Start, b - a)));
            c.Font().SetColor(Enabled() ? Font().Color() : gfx::clGrayText);
        }
    }
}

// --- messages ---

void TCustomEdit::WndProc(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_GETDLGCODE:
        Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
        if (FMultiLine && FWantReturns) Message.Result |= DLGC_WANTALLKEYS;
        if (FMultiLine && FWantTabs) Message.Result |= DLGC_WANTTAB;
        return;
    case WM_SETFOCUS:
        TCustomControl::WndProc(Message);
        if (HasCaret()) {
            CreateCaret(Handle(), nullptr, 1, LineHeight());
            FCaretCreated = true;
        }
        if (FAutoSelect && !FMultiLine && GetKeyState(VK_LBUTTON) >= 0) SelectAll();
        UpdateCaret();
        if (FCaretCreated) ShowCaret(Handle());
        Invalidate();
        return;
    case WM_KILLFOCUS:
        if (FCaretCreated && CaretState().Owner == Handle()) DestroyCaret();
        FCaretCreated = false;
        FSelecting = false;
        Invalidate();
        TCustomControl::WndProc(Message);
        return;
    case CM_TEXTCHANGED:
        TCustomControl::WndProc(Message);
        Change();
        return;
    case CM_ENABLEDCHANGED:
    case CM_FONTCHANGED:
        FCharWidths.clear();
        InvalidateLayout();
        TCustomControl::WndProc(Message);
        Invalidate();
        return;
    case WM_CONTEXTMENU:
        if (PopupMenu() == nullptr && !OnContextPopup && HasCaret()) {
            ShowEditMenu({GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)});
            Message.Result = 1;
            return;
        }
        break;
    case WM_VSCROLL:
        WMScroll(Message, SB_VERT);
        return;
    case WM_HSCROLL:
        WMScroll(Message, SB_HORZ);
        return;
    case WM_COPY: CopyToClipboard(); return;
    case WM_CUT: CutToClipboard(); return;
    case WM_PASTE: PasteFromClipboard(); return;
    case WM_CLEAR: if (!FReadOnly) UserDelete(false, false); return;
    case WM_UNDO: Undo(); return;
    default: break;
    }
    TCustomControl::WndProc(Message);
}

void TCustomEdit::KeyDown(WORD& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    EditKeyDown(Key, Shift);
}

void TCustomEdit::EditKeyDown(WORD& Key, TShiftState Shift)
{
    FlushView();
    if (Key == 0) return;
    bool shift = (Shift & ssShift) != 0;
    bool ctrl = (Shift & ssCtrl) != 0;
    if (Shift & ssAlt) return;
    int n = static_cast<int>(FChars.size());
    const auto& lines = Lines_();
    int line = LineOfPos(FCaret);
    auto vertical = [&](int delta) {
        int target = std::clamp(line + delta, 0, static_cast<int>(lines.size()) - 1);
        int x = XOfPos(FCaret);
        int y = FirstLineTop() + (target - FTopLine) * LineHeight();
        if (target < FTopLine || target >= FTopLine + VisibleLineCount()) {
            SetTopLine(delta < 0 ? target : target - VisibleLineCount() + 1);
            y = FirstLineTop() + (target - FTopLine) * LineHeight();
        }
        MoveCaret(PosAt(x, y), shift);
    };
    switch (Key) {
    case VK_LEFT:
        if (!shift && SelLength() > 0) MoveCaret(SelStart(), false);
        else MoveCaret(ctrl ? WordLeft(FCaret) : std::max(0, FCaret - 1), shift);
        break;
    case VK_RIGHT:
        if (!shift && SelLength() > 0) MoveCaret(SelStart() + SelLength(), false);
        else MoveCaret(ctrl ? WordRight(FCaret) : std::min(n, FCaret + 1), shift);
        break;
    case VK_HOME: MoveCaret(ctrl || !FMultiLine ? 0 : lines[line].Start, shift); break;
    case VK_END: MoveCaret(ctrl || !FMultiLine ? n : lines[line].Start + lines[line].Length, shift); break;
    case VK_UP: if (FMultiLine) vertical(-1); else MoveCaret(std::max(0, FCaret - 1), shift); break;
    case VK_DOWN: if (FMultiLine) vertical(1); else MoveCaret(std::min(n, FCaret + 1), shift); break;
    case VK_PRIOR: if (FMultiLine) vertical(-VisibleLineCount()); break;
    case VK_NEXT: if (FMultiLine) vertical(VisibleLineCount()); break;
    case VK_DELETE:
        if (shift) CutToClipboard();
        else UserDelete(false, ctrl);
        break;
    case VK_INSERT:
        if (ctrl) CopyToClipboard();
        else if (shift) PasteFromClipboard();
        break;
    default:
        if (!ctrl) return;
        switch (Key) {
        case 'A': SelectAll(); break;
        case 'C': CopyToClipboard(); break;
        case 'X': CutToClipboard(); break;
        case 'V': PasteFromClipboard(); break;
        case 'Z': Undo(); break;
        default: return;
        }
        break;
    }
}

void TCustomEdit::KeyPress(char32_t& Key)
{
    TCustomControl::KeyPress(Key);
    EditKeyPress(Key);
}

void TCustomEdit::EditKeyPress(char32_t& Key)
{
    FlushView();
    char32_t ch = Key;
    if (ch == 0) return;
    if (ch == 8) {
        UserDelete(true, false);
        return;
    }
    if (ch == U'\r') {
        if (FMultiLine && FWantReturns) UserReplaceSelection(U"\n");
        return;
    }
    if (ch == U'\t') {
        if (FMultiLine && FWantTabs) UserReplaceSelection(U"\t");
        return;
    }
    if (ch < 32 || ch == 127) return;
    if (!CharAllowed(ch)) return;
    UserReplaceSelection(std::u32string(1, ch));
}

// --- mouse ---

void TCustomEdit::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    FlushView();
    if (Button == mbRight && !Focused() && CanFocus()) SetFocus();
    if (Button == mbLeft) {
        if (!Focused() && CanFocus()) SetFocus();
        int pos = PosAt(X, Y);
        if (Shift & ssShift) MoveCaret(pos, true);
        else Select(pos, pos);
        FSelecting = true;
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomEdit::MouseMove(TShiftState Shift, int X, int Y)
{
    if (FSelecting && (Shift & ssLeft)) MoveCaret(PosAt(X, Y), true);
    TCustomControl::MouseMove(Shift, X, Y);
}

void TCustomEdit::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft) FSelecting = false;
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TCustomEdit::DblClick()
{
    // A double click selects the word under the caret.
    int n = static_cast<int>(FChars.size());
    int a = FCaret;
    int b = FCaret;
    while (a > 0 && IsWordChar(FChars[a - 1])) --a;
    while (b < n && IsWordChar(FChars[b])) ++b;
    Select(a, b);
    TCustomControl::DblClick();
}

bool TCustomEdit::DoMouseWheel(TShiftState Shift, int WheelDelta, rtl::TPoint MousePos)
{
    if (TCustomControl::DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
    if (!FMultiLine) return false;
    SetTopLine(FTopLine - WheelDelta / WHEEL_DELTA * 3);
    return true;
}

void TCustomEdit::Resize()
{
    InvalidateLayout();
    if (LayoutLive()) UpdateScrollBars();
    TCustomControl::Resize();
}

void TCustomEdit::FontChanged()
{
    FCharWidths.clear();
    InvalidateLayout();
    TCustomControl::FontChanged();
}

// --- TEdit ---

TEdit::TEdit(rtl::TComponent* AOwner) : TCustomEdit(AOwner) {}

// --- TMemo ---

TMemo::TMemo(rtl::TComponent* AOwner) : TCustomEdit(AOwner), FLines(std::make_unique<TMemoStrings>(this))
{
    SetBounds(0, 0, 185, 89);
    SetMultiLine(true);
    SetWordWrapState(true);
    SetAutoSelect(false);
}

TMemo::~TMemo() = default;

void TMemo::Change()
{
    FLines->TextChanged();
    TCustomEdit::Change();
}

std::string TMemo::GetText() const
{
    std::string out;
    for (char32_t ch : Chars()) {
        if (ch == U'\n') out += "\r\n";
        else rtl::Utf8AppendChar(out, ch);
    }
    return out;
}

void TMemo::SetText(const std::string& value)
{
    TCustomEdit::SetText(value);
}

// The lines as the memo shows them; a text ending in a line break has no empty last line,
// so that adding lines keeps a break after each of them, as the class library's memo does.
const std::vector<std::string>& TMemoStrings::Lines() const
{
    if (FCacheValid) return FCache;
    FCache.clear();
    const std::u32string& chars = FMemo->Chars();
    std::string cur;
    for (char32_t ch : chars) {
        if (ch == U'\n') {
            FCache.push_back(cur);
            cur.clear();
        } else {
            rtl::Utf8AppendChar(cur, ch);
        }
    }
    if (!cur.empty()) FCache.push_back(cur);
    FCacheValid = true;
    return FCache;
}

int TMemoStrings::LineStart(int index) const
{
    const std::u32string& chars = FMemo->Chars();
    int line = 0;
    for (int i = 0; i < static_cast<int>(chars.size()); ++i) {
        if (line == index) return i;
        if (chars[i] == U'\n') ++line;
    }
    return static_cast<int>(chars.size());
}

std::u32string TMemoStrings::LineChars(const std::string& s)
{
    std::u32string line = rtl::Utf8Decode(s);
    std::replace(line.begin(), line.end(), U'\r', U' ');
    std::replace(line.begin(), line.end(), U'\n', U' ');
    return line;
}

std::string TMemoStrings::Get(int index) const
{
    const auto& lines = Lines();
    CheckIndex(index, static_cast<int>(lines.size()));
    return lines[index];
}

int TMemoStrings::GetCount() const
{
    return static_cast<int>(Lines().size());
}

void TMemoStrings::Insert(int index, const std::string& s)
{
    int count = GetCount();
    CheckIndex(index, count + 1);
    const std::u32string& chars = FMemo->Chars();
    std::u32string line = LineChars(s);
    int end = static_cast<int>(chars.size());
    if (index == count && end > 0 && chars.back() != U'\n') {
        FMemo->ReplaceText(end, end, U"\n" + line);
        return;
    }
    int at = index == count ? end : LineStart(index);
    if (index == count) {
        // Appending keeps the split lines: adding many lines stays linear.
        std::vector<std::string> lines = std::move(FCache);
        bool valid = FCacheValid;
        FMemo->ReplaceText(at, at, line + U"\n");
        if (valid) {
            lines.push_back(rtl::Utf8Encode(line));
            FCache = std::move(lines);
            FCacheValid = true;
        }
        return;
    }
    FMemo->ReplaceText(at, at, line + U"\n");
}

void TMemoStrings::Delete(int index)
{
    CheckIndex(index, GetCount());
    const std::u32string& chars = FMemo->Chars();
    int start = LineStart(index);
    int stop = start;
    while (stop < static_cast<int>(chars.size()) && chars[stop] != U'\n') ++stop;
    if (stop < static_cast<int>(chars.size())) ++stop;       // with its line break
    else if (start > 0) --start;                             // the last line: the break before it
    FMemo->ReplaceText(start, stop, U"");
}

void TMemoStrings::Clear()
{
    FMemo->TCustomEdit::SetText("");
}

void TMemoStrings::Put(int index, const std::string& s)
{
    CheckIndex(index, GetCount());
    const std::u32string& chars = FMemo->Chars();
    int start = LineStart(index);
    int stop = start;
    while (stop < static_cast<int>(chars.size()) && chars[stop] != U'\n') ++stop;
    FMemo->ReplaceText(start, stop, LineChars(s));
}

std::string TMemoStrings::Text() const
{
    return FMemo->GetText();
}

void TMemoStrings::SetText(std::string_view text)
{
    FMemo->TCustomEdit::SetText(std::string(text));
}

void TMemoStrings::SetUpdateState(bool updating)
{
    FMemo->HoldLayout(updating);
}

}  // namespace ui
