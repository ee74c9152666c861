// The combo box: text field or fixed choice, drop-down list in a pop-up window, lookup and completion.
#include <algorithm>

#include "platform/gfx/FrameControls.h"
#include "platform/rtl/Utf8.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/StdCtrlsList.h"

namespace ui {

TComboBox::TComboBox(rtl::TComponent* AOwner) : TCustomEdit(AOwner), FItems(std::make_unique<TListItems>())
{
    SetBounds(0, 0, 145, 21);
    FCursor = crDefault;
    FItems->OnDeleting = [this](int index) {
        if (HasState(rtl::csLoading)) return;
        if (index < 0 || index == FItemIndex) FItemIndex = -1;
        else if (index < FItemIndex) --FItemIndex;
    };
    FItems->OnInserted = [this](int index) {
        if (HasState(rtl::csLoading)) return;
        if (FItemIndex >= 0 && index <= FItemIndex) ++FItemIndex;
    };
}

TComboBox::~TComboBox()
{
    FItems->OnDeleting = nullptr;
    FItems->OnInserted = nullptr;
}

void TComboBox::Loaded()
{
    TCustomEdit::Loaded();
    // ItemIndex written in the description wins; else the text picks its item.
    if (FItemIndex >= FItems->Count()) FItemIndex = -1;
    if (FItemIndex >= 0) ShowItemText(FItemIndex);
    else SetText(TCustomEdit::GetText());
}

void TComboBox::SetStyle(TComboBoxStyle value)
{
    FStyle = value;
    FCursor = value == csDropDownList ? crDefault : crIBeam;
    if (value == csDropDownList && !HasState(rtl::csLoading)) ShowItemText(FItemIndex);
    Invalidate();
}

int TComboBox::TextAreaWidth() const
{
    return std::max(0, ClientWidth() - GetSystemMetrics(SM_CXVSCROLL));
}

rtl::TRect TComboBox::ButtonRect() const
{
    return rtl::Rect(TextAreaWidth(), 0, ClientWidth(), ClientHeight());
}

void TComboBox::ShowItemText(int index)
{
    bool user = FUserChange;
    FUserChange = false;
    TCustomEdit::SetText(index >= 0 && index < FItems->Count() ? FItems->Get(index) : std::string());
    FUserChange = user;
    FItemIndex = index >= 0 && index < FItems->Count() ? index : -1;
    if (Focused()) SelectAll();
    Invalidate();
}

void TComboBox::SetItemIndex(int value)
{
    if (HasState(rtl::csLoading)) {
        FItemIndex = value;
        return;
    }
    if (value < -1 || value >= FItems->Count()) value = -1;
    ShowItemText(value);
}

void TComboBox::SetText(const std::string& value)
{
    if (HasState(rtl::csLoading)) {
        TCustomEdit::SetText(value);
        return;
    }
    int index = FItems->IndexOf(value);
    if (FStyle == csDropDownList) {
        // A fixed choice shows only one of its items.
        ShowItemText(index);
        return;
    }
    bool user = FUserChange;
    FUserChange = false;
    TCustomEdit::SetText(value);
    FUserChange = user;
    FItemIndex = index;
}

void TComboBox::Change()
{
    if (!FUserChange) return;
    TCustomEdit::Change();
}

void TComboBox::ChooseByUser(int index)
{
    if (index < 0 || index >= FItems->Count()) return;
    bool changed = index != FItemIndex || Text() != FItems->Get(index);
    ShowItemText(index);
    // Through the overridable change notification, so that a combo built on this one sees
    // an item chosen from the list like any other change the user makes.
    if (changed) ReportUserChange();
    if (OnSelect) OnSelect(this);
}

// An arrow key in the open list puts the item into the combo at once, as the user sees it
// highlighted: Enter then keeps what the combo shows, Escape takes it back.
void TComboBox::PreviewItem(int index)
{
    if (index < 0 || index >= FItems->Count()) return;
    FDropList->SetItemIndex(index);
    if (index == FItemIndex && Text() == FItems->Get(index)) return;
    ShowItemText(index);
    ReportUserChange();
}

// Escape in the open list closes it and gives back the text and item it was opened with.
void TComboBox::CancelDropDown()
{
    bool changed = FItemIndex != FDroppedIndex || Text() != FDroppedText;
    if (changed) {
        bool user = FUserChange;
        FUserChange = false;
        TCustomEdit::SetText(FDroppedText);
        FUserChange = user;
        FItemIndex = FDroppedIndex;
        if (Focused()) SelectAll();
    }
    SetDroppedDown(false);
    if (changed) ReportUserChange();
}

void TComboBox::ReportUserChange()
{
    const bool user = FUserChange;
    FUserChange = true;
    Change();
    FUserChange = user;
}

bool TComboBox::UserReplaceSelection(const std::u32string& text)
{
    if (FStyle == csDropDownList) return false;
    FUserChange = true;
    bool done = false;
    int selEnd = SelStart() + SelLength();
    if (FAutoComplete && text.size() == 1 && selEnd == static_cast<int>(Chars().size()) && !ReadOnly()) {
        // Typing at the end completes the text from the first item that starts with it;
        // the completed part stays selected so that typing on replaces it.
        std::u32string typed = Chars().substr(0, SelStart()) + text;
        int found = FindItemStartingWith(*FItems, rtl::Utf8Encode(typed), 0);
        if (found >= 0) {
            std::string item = FItems->Get(found);
            TCustomEdit::SetText(item);
            FItemIndex = found;
            Select(static_cast<int>(typed.size()), static_cast<int>(rtl::Utf8Length(item)));
            SetModified(true);
            done = true;
        }
    }
    if (!done) {
        done = TCustomEdit::UserReplaceSelection(text);
        if (done) FItemIndex = FItems->IndexOf(Text());
    }
    FUserChange = false;
    return done;
}

void TComboBox::UserDelete(bool backwards, bool wholeWord)
{
    if (FStyle == csDropDownList) return;
    FUserChange = true;
    TCustomEdit::UserDelete(backwards, wholeWord);
    FItemIndex = FItems->IndexOf(Text());
    FUserChange = false;
}

bool TComboBox::DroppedDown() const
{
    return FDropList != nullptr && FDropList->Visible();
}

void TComboBox::SetDroppedDown(bool value)
{
    if (value == DroppedDown()) return;
    if (!value) {
        if (GetCaptureControl() == FDropList) SetCaptureControl(nullptr);
        FDropList->Hide();
        Invalidate();
        if (OnCloseUp) OnCloseUp(this);
        return;
    }
    if (!Showing()) return;
    if (OnDropDown) OnDropDown(this);
    if (FDropList == nullptr) FDropList = new TComboDropList(this);
    FDropList->Items().Assign(FItems.get());
    FDropList->Font().Assign(&Font());
    int rows = std::clamp(FItems->Count(), 1, FDropDownCount);
    rtl::TPoint origin = ClientToScreen({0, 0});
    rtl::TRect in = NonClientInsets();
    FDropList->SetBounds(origin.X - in.Left, origin.Y + ClientHeight() + in.Bottom, Width(),
                         rows * FDropList->ItemHeight() + 2);
    FDroppedIndex = FItemIndex;
    FDroppedText = Text();
    FDropList->SetItemIndex(FItemIndex);
    FDropList->SetTopIndex(FItemIndex);
    FDropList->Show();
    // The list has the mouse while it is down: a click anywhere else closes it.
    SetCaptureControl(FDropList);
    Invalidate();
}

void TComboBox::Paint()
{
    gfx::TCanvas& c = Canvas();
    if (FStyle != csDropDownList) {
        TCustomEdit::Paint();
    } else {
        rtl::TRect area = rtl::Rect(0, 0, TextAreaWidth(), ClientHeight());
        c.Brush().SetStyle(gfx::bsSolid);
        c.Brush().SetColor(Enabled() ? Color() : gfx::clBtnFace);
        c.FillRect(area);
        c.Font().Assign(&Font());
        rtl::TRect text = area;
        rtl::InflateRect(text, -1, -1);
        bool highlight = Focused() && !DroppedDown();
        if (highlight) {
            c.Brush().SetColor(gfx::clHighlight);
            c.FillRect(text);
        }
        gfx::TColor color = !Enabled() ? gfx::clGrayText : highlight ? gfx::clHighlightText : Font().Color();
        c.Font().SetColor(color);
        c.Brush().SetStyle(gfx::bsClear);
        rtl::TRect tr = text;
        tr.Left += 2;
        c.DrawText(Text(), tr, gfx::DT_SINGLELINE | gfx::DT_VCENTER | gfx::DT_NOPREFIX);
        if (highlight) {
            c.Brush().SetStyle(gfx::bsSolid);
            c.DrawFocusRect(text);
        }
    }
    rtl::TRect button = ButtonRect();
    unsigned state = gfx::DFCS_SCROLLCOMBOBOX;
    if (FButtonDown || DroppedDown()) state |= gfx::DFCS_PUSHED | gfx::DFCS_FLAT;
    if (!Enabled()) state |= gfx::DFCS_INACTIVE;
    gfx::DrawFrameControl(c, button, gfx::DFC_SCROLL, state);
}

void TComboBox::WndProc(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_GETDLGCODE:
        TCustomEdit::WndProc(Message);
        if (DroppedDown()) Message.Result |= DLGC_WANTALLKEYS;
        return;
    case WM_KILLFOCUS:
        SetDroppedDown(false);
        break;
    default:
        break;
    }
    TCustomEdit::WndProc(Message);
}

void TComboBox::KeyDown(WORD& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    if (Key == 0) return;
    bool alt = (Shift & ssAlt) != 0;
    if (Key == VK_F4 || (alt && (Key == VK_DOWN || Key == VK_UP))) {
        SetDroppedDown(!DroppedDown());
        Key = 0;
        return;
    }
    if (DroppedDown()) {
        int cur = FDropList->ItemIndex();
        switch (Key) {
        case VK_UP: PreviewItem(std::max(0, cur - 1)); break;
        case VK_DOWN: PreviewItem(std::min(FItems->Count() - 1, cur + 1)); break;
        case VK_RETURN:
            SetDroppedDown(false);
            ChooseByUser(cur);
            break;
        case VK_ESCAPE: CancelDropDown(); break;
        default: return;
        }
        Key = 0;
        return;
    }
    int n = FItems->Count();
    int target = -2;
    switch (Key) {
    case VK_UP: target = FItemIndex <= 0 ? 0 : FItemIndex - 1; break;
    case VK_DOWN: target = FItemIndex < 0 ? 0 : std::min(n - 1, FItemIndex + 1); break;
    case VK_PRIOR: if (FStyle == csDropDownList) target = std::max(0, FItemIndex - FDropDownCount + 1); break;
    case VK_NEXT: if (FStyle == csDropDownList) target = std::min(n - 1, FItemIndex + FDropDownCount - 1); break;
    case VK_HOME: if (FStyle == csDropDownList) target = 0; break;
    case VK_END: if (FStyle == csDropDownList) target = n - 1; break;
    default: break;
    }
    if (target != -2) {
        if (n > 0) ChooseByUser(target);
        Key = 0;
        return;
    }
    if (FStyle != csDropDownList) EditKeyDown(Key, Shift);
}

void TComboBox::KeyPress(char32_t& Key)
{
    TCustomControl::KeyPress(Key);
    if (Key == 0) return;
    if (FStyle != csDropDownList) {
        if (Key == U'\r' || Key == 27) return;
        EditKeyPress(Key);
        return;
    }
    if (Key < 32 || Key == 127) return;
    // A typed letter selects the next item starting with it, going round.
    int found = FindItemStartingWith(*FItems, rtl::Utf8EncodeChar(Key), FItemIndex + 1);
    if (found < 0) return;
    if (DroppedDown()) PreviewItem(found);
    else ChooseByUser(found);
}

void TComboBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft && (FStyle == csDropDownList || rtl::PtInRect(ButtonRect(), {X, Y}))) {
        if (CanFocus() && !Focused()) SetFocus();
        SetDroppedDown(!DroppedDown());
        TCustomControl::MouseDown(Button, Shift, X, Y);
        return;
    }
    TCustomEdit::MouseDown(Button, Shift, X, Y);
}

// ===== TComboDropList

TComboDropList::TComboDropList(TComboBox* combo) : TCustomListBox(combo), FCombo(combo)
{
    SetBorderThickness(1);
    FTabStop = false;
    FVisible = false;
}

void TComboDropList::MouseMove(TShiftState Shift, int X, int Y)
{
    int index = ItemAtPos({X, Y}, true);
    if (index >= 0) SetItemIndex(index);
    TCustomControl::MouseMove(Shift, X, Y);
}

void TComboDropList::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (!rtl::PtInRect(ClientRect(), {X, Y})) {
        FCombo->SetDroppedDown(false);
        return;
    }
    int index = ItemAtPos({X, Y}, true);
    if (index >= 0) SetItemIndex(index);
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TComboDropList::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (!Visible()) return;
    int index = Button == mbLeft ? ItemAtPos({X, Y}, true) : -1;
    if (index < 0) {
        // The release of the press that dropped the list, or outside it: keep the mouse.
        SetCaptureControl(this);
        return;
    }
    TComboBox* combo = FCombo;
    combo->SetDroppedDown(false);
    combo->ChooseByUser(index);
}

}  // namespace ui
