// Menu items, the pop-up menu and its window: layout, painting, mouse and keyboard choice.
#include "platform/ui/Menus.h"

#include <algorithm>

#include "platform/gfx/FrameControls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/InputRouter.h"
#include "platform/ui/Keyboard.h"

namespace ui {

namespace {

constexpr int SeparatorHeight = 9;
constexpr int MarkColumn = 20;

std::string KeyName(WORD key)
{
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return std::string(1, static_cast<char>(key));
    if (key >= VK_F1 && key <= VK_F12) return "F" + std::to_string(key - VK_F1 + 1);
    switch (key) {
    case VK_DELETE: return "Del";
    case VK_INSERT: return "Ins";
    case VK_RETURN: return "Enter";
    case VK_ESCAPE: return "Esc";
    case VK_SPACE: return "Space";
    case VK_BACK: return "BkSp";
    case VK_TAB: return "Tab";
    case VK_HOME: return "Home";
    case VK_END: return "End";
    case VK_PRIOR: return "PgUp";
    case VK_NEXT: return "PgDn";
    case VK_LEFT: return "Left";
    case VK_RIGHT: return "Right";
    case VK_UP: return "Up";
    case VK_DOWN: return "Down";
    default: return {};
    }
}

// Shows the menu of a control's right click.
bool ShowControlPopup(rtl::TComponent* menu, TControl* control, rtl::TPoint screen)
{
    auto* popup = dynamic_cast<TPopupMenu*>(menu);
    if (popup == nullptr || !popup->AutoPopup()) return false;
    popup->SetPopupComponent(control);
    popup->Popup(screen.X, screen.Y);
    return true;
}

}  // namespace

std::string ShortCutToText(TShortCut shortCut)
{
    std::string name = KeyName(static_cast<WORD>(shortCut & 0xFF));
    if (name.empty()) return {};
    std::string text;
    if (shortCut & scShift) text += "Shift+";
    if (shortCut & scCtrl) text += "Ctrl+";
    if (shortCut & scAlt) text += "Alt+";
    return text + name;
}

TShortCut ShortCut(WORD key, TShiftState shift)
{
    TShortCut s = key & 0xFF;
    if (shift & ssShift) s |= scShift;
    if (shift & ssCtrl) s |= scCtrl;
    if (shift & ssAlt) s |= scAlt;
    return s;
}

// ===== TMenuItem

TMenuItem::TMenuItem(rtl::TComponent* AOwner) : rtl::TComponent(AOwner) {}

TMenuItem::~TMenuItem()
{
    for (TMenuItem* item : FItems) item->FParent = nullptr;
    if (FParent != nullptr) FParent->Remove(this);
}

void TMenuItem::SetChecked(bool value)
{
    FChecked = value;
    if (!value || !FRadioItem || FParent == nullptr) return;
    // A radio item unchecks the others of its group.
    for (TMenuItem* other : FParent->FItems) {
        if (other != this && other->FRadioItem && other->FGroupIndex == FGroupIndex) other->FChecked = false;
    }
}

TMenuItem* TMenuItem::Items(int index) const
{
    if (index < 0 || index >= Count()) rtl::RaiseListIndexError(index);
    return FItems[index];
}

void TMenuItem::Add(TMenuItem* item)
{
    Insert(Count(), item);
}

void TMenuItem::Insert(int index, TMenuItem* item)
{
    if (item == nullptr) return;
    if (item->FParent != nullptr) item->FParent->Remove(item);
    index = std::clamp(index, 0, Count());
    FItems.insert(FItems.begin() + index, item);
    item->FParent = this;
}

void TMenuItem::Remove(TMenuItem* item)
{
    auto it = std::find(FItems.begin(), FItems.end(), item);
    if (it == FItems.end()) return;
    FItems.erase(it);
    item->FParent = nullptr;
}

void TMenuItem::Delete(int index)
{
    Remove(Items(index));
}

void TMenuItem::Clear()
{
    while (!FItems.empty()) {
        TMenuItem* item = FItems.back();
        Remove(item);
        if (item->Owner() == nullptr || item->Owner() == this) delete item;
    }
}

int TMenuItem::IndexOf(const TMenuItem* item) const
{
    auto it = std::find(FItems.begin(), FItems.end(), item);
    return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

TMenuItem* TMenuItem::Find(const std::string& caption) const
{
    for (TMenuItem* item : FItems) {
        if (item->FCaption == caption) return item;
    }
    return nullptr;
}

void TMenuItem::Click()
{
    if (!FEnabled) return;
    if (FAutoCheck) SetChecked(!FChecked || FRadioItem);
    if (OnClick) OnClick(this);
}

void TMenuItem::SetParentComponent(rtl::TComponent* value)
{
    if (auto* item = dynamic_cast<TMenuItem*>(value)) item->Add(this);
    else if (auto* menu = dynamic_cast<TPopupMenu*>(value)) menu->Items().Add(this);
}

// ===== TPopupMenu

TPopupMenu::TPopupMenu(rtl::TComponent* AOwner) : rtl::TComponent(AOwner), FItems(new TMenuItem(this))
{
    if (!TControl::PopupMenuHandler) TControl::PopupMenuHandler = ShowControlPopup;
}

TPopupMenu::~TPopupMenu()
{
    CloseMenu();
}

TMenuWindow* TPopupMenu::Window() const
{
    return FWindow != nullptr && FWindow->Visible() ? FWindow : nullptr;
}

void TPopupMenu::Popup(int X, int Y)
{
    CloseMenu();
    if (OnPopup) OnPopup(this);
    int visible = 0;
    for (int i = 0; i < FItems->Count(); ++i) visible += FItems->Items(i)->Visible() ? 1 : 0;
    if (visible == 0) return;
    if (FWindow == nullptr) FWindow = new TMenuWindow(this, FItems, nullptr);
    FWindow->ShowAt(X, Y);
    if (FAlignment != paLeft) {
        int shift = FAlignment == paRight ? FWindow->Width() : FWindow->Width() / 2;
        FWindow->SetBounds(FWindow->Left() - shift, FWindow->Top(), FWindow->Width(), FWindow->Height());
    }
}

void TPopupMenu::CloseMenu()
{
    if (FWindow == nullptr || !FWindow->Visible()) return;
    FWindow->CloseAll();
}

bool TPopupMenu::IsShortCut(WORD key, TShiftState shift)
{
    TShortCut wanted = ShortCut(key, shift);
    std::vector<TMenuItem*> stack{FItems};
    while (!stack.empty()) {
        TMenuItem* level = stack.back();
        stack.pop_back();
        for (int i = 0; i < level->Count(); ++i) {
            TMenuItem* item = level->Items(i);
            if (item->ShortCut() == wanted && item->Enabled() && item->Visible()) {
                item->Click();
                return true;
            }
            stack.push_back(item);
        }
    }
    return false;
}

// ===== TMenuWindow

TMenuWindow::TMenuWindow(TPopupMenu* menu, TMenuItem* level, TMenuWindow* parentWindow)
    : TCustomControl(menu), FMenu(menu), FLevel(level), FParentWindow(parentWindow)
{
    FColor = gfx::clMenu;
    FVisible = false;
    FControlStyle |= csOpaque;
    SetBorderThickness(2);
}

int TMenuWindow::ItemHeight(int index) const
{
    TMenuItem* item = FLevel->Items(index);
    if (!item->Visible()) return 0;
    if (item->IsLine()) return SeparatorHeight;
    gfx::TCanvas measure;
    measure.Font().Assign(&Font());
    return measure.TextMetric().Height + 6;
}

rtl::TRect TMenuWindow::ItemRect(int index) const
{
    int y = 0;
    for (int i = 0; i < index; ++i) y += ItemHeight(i);
    return rtl::Rect(0, y, ClientWidth(), y + ItemHeight(index));
}

int TMenuWindow::ItemAt(int y) const
{
    int top = 0;
    for (int i = 0; i < FLevel->Count(); ++i) {
        int h = ItemHeight(i);
        if (y >= top && y < top + h) return i;
        top += h;
    }
    return -1;
}

void TMenuWindow::ShowAt(int X, int Y)
{
    gfx::TCanvas measure;
    measure.Font().Assign(&Font());
    int width = 0;
    int height = 0;
    for (int i = 0; i < FLevel->Count(); ++i) {
        TMenuItem* item = FLevel->Items(i);
        height += ItemHeight(i);
        if (!item->Visible() || item->IsLine()) continue;
        int w = measure.TextWidth(item->Caption());
        std::string keys = ShortCutToText(item->ShortCut());
        if (!keys.empty()) w += 24 + measure.TextWidth(keys);
        width = std::max(width, w);
    }
    rtl::TRect in = NonClientInsets();
    SetBounds(X, Y, width + 2 * MarkColumn + in.Left + in.Right, height + in.Top + in.Bottom);
    FHot = -1;
    Show();
    // The menu takes the keyboard and the mouse while it is open, without the focus
    // events of the form.
    if (FParentWindow == nullptr) {
        TWinControl* focused = FocusedControl();
        FPreviousFocus = focused != nullptr ? focused->Handle() : 0;
        TInputRouter::ChangeFocus(this);
        SetCaptureControl(this);
    }
}

void TMenuWindow::CloseAll()
{
    TMenuWindow* top = this;
    while (top->FParentWindow != nullptr) top = top->FParentWindow;
    for (TMenuWindow* w = top; w != nullptr; w = w->FChildWindow) w->Hide();
    if (GetCaptureControl() == top) SetCaptureControl(nullptr);
    // The control is looked up by its handle: it may have gone while the menu was open.
    TWinControl* previous = TWinControl::FindControl(top->FPreviousFocus);
    top->FPreviousFocus = 0;
    if (previous == nullptr || !previous->CanFocus()) {
        // Else the keyboard goes back to the active form.
        TApplication* app = Application();
        TCustomForm* form = app != nullptr ? app->ActiveForm() : nullptr;
        previous = form != nullptr && form->ActiveControl() != nullptr && form->ActiveControl()->CanFocus()
                       ? form->ActiveControl()
                       : form;
    }
    if (previous != nullptr && FocusedControl() == top) TInputRouter::ChangeFocus(previous);
    if (top->FMenu->OnClose) top->FMenu->OnClose(top->FMenu);
}

void TMenuWindow::OpenSubmenu(int index)
{
    if (FChildWindow != nullptr) FChildWindow->Hide();
    if (index < 0) return;
    TMenuItem* item = FLevel->Items(index);
    if (item->Count() == 0 || !item->Enabled()) return;
    if (FChildWindow == nullptr || FChildWindow->FLevel != item) {
        delete FChildWindow;
        FChildWindow = new TMenuWindow(FMenu, item, this);
    }
    rtl::TPoint p = ClientToScreen({ClientWidth(), ItemRect(index).Top});
    FChildWindow->ShowAt(p.X, p.Y - 2);
}

void TMenuWindow::Choose(int index)
{
    if (index < 0 || index >= FLevel->Count()) return;
    TMenuItem* item = FLevel->Items(index);
    if (!item->Enabled() || !item->Visible() || item->IsLine()) return;
    if (item->Count() > 0) {
        OpenSubmenu(index);
        return;
    }
    CloseAll();
    item->Click();
}

void TMenuWindow::Paint()
{
    gfx::TCanvas& c = Canvas();
    c.Brush().SetStyle(gfx::bsSolid);
    c.Brush().SetColor(Color());
    c.FillRect(ClientRect());
    c.Font().Assign(&Font());
    for (int i = 0; i < FLevel->Count(); ++i) {
        TMenuItem* item = FLevel->Items(i);
        if (!item->Visible()) continue;
        rtl::TRect r = ItemRect(i);
        if (item->IsLine()) {
            int y = r.Top + SeparatorHeight / 2 - 1;
            c.Pen().SetStyle(gfx::psSolid);
            c.Pen().SetColor(gfx::clBtnShadow);
            c.MoveTo(1, y);
            c.LineTo(r.Right - 1, y);
            c.Pen().SetColor(gfx::clBtnHighlight);
            c.MoveTo(1, y + 1);
            c.LineTo(r.Right - 1, y + 1);
            continue;
        }
        bool hot = i == FHot;
        if (hot) {
            c.Brush().SetColor(gfx::clHighlight);
            c.FillRect(r);
        }
        gfx::TColor textColor = !item->Enabled() ? gfx::clGrayText : hot ? gfx::clHighlightText : gfx::clMenuText;
        if (item->Checked()) {
            c.Brush().SetColor(textColor);
            int cx = r.Left + MarkColumn / 2;
            int cy = (r.Top + r.Bottom) / 2;
            if (item->RadioItem()) {
                c.Pen().SetColor(textColor);
                c.Ellipse(cx - 3, cy - 3, cx + 3, cy + 3);
            } else {
                c.Pen().SetColor(textColor);
                for (int k = 0; k < 3; ++k) {
                    c.MoveTo(cx - 3, cy - 1 + k);
                    c.LineTo(cx - 1, cy + 1 + k);
                    c.LineTo(cx + 4, cy - 4 + k);
                }
            }
        }
        rtl::TRect text = r;
        text.Left += MarkColumn;
        text.Right -= MarkColumn;
        c.Brush().SetStyle(gfx::bsClear);
        c.Font().SetStyle(item->Default() ? gfx::TFontStyles{gfx::fsBold} : gfx::TFontStyles{});
        c.Font().SetColor(textColor);
        c.DrawText(item->Caption(), text, gfx::DT_SINGLELINE | gfx::DT_VCENTER | gfx::DT_LEFT);
        std::string keys = ShortCutToText(item->ShortCut());
        if (!keys.empty()) c.DrawText(keys, text, gfx::DT_SINGLELINE | gfx::DT_VCENTER | gfx::DT_RIGHT);
        if (item->Count() > 0) {
            rtl::TRect arrow = rtl::Rect(r.Right - MarkColumn + 4, r.Top, r.Right - 4, r.Bottom);
            gfx::DrawArrowGlyph(c, arrow, gfx::DFCS_SCROLLRIGHT, static_cast<int>(gfx::ColorToRGB(textColor)));
        }
        c.Brush().SetStyle(gfx::bsSolid);
    }
}

void TMenuWindow::WndProc(TMessage& Message)
{
    if (Message.Msg == WM_GETDLGCODE) {
        Message.Result = DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTCHARS;
        return;
    }
    if (Message.Msg == WM_KILLFOCUS && FParentWindow == nullptr && Visible()) {
        // The focus went elsewhere (a click outside the menu): the menu closes.
        FPreviousFocus = 0;
        for (TMenuWindow* w = this; w != nullptr; w = w->FChildWindow) w->Hide();
        if (GetCaptureControl() == this) SetCaptureControl(nullptr);
        if (FMenu->OnClose) FMenu->OnClose(FMenu);
    }
    TCustomControl::WndProc(Message);
}

void TMenuWindow::KeyDown(WORD& Key, TShiftState Shift)
{
    TMenuWindow* active = this;
    while (active->FChildWindow != nullptr && active->FChildWindow->Visible()) active = active->FChildWindow;
    int n = active->FLevel->Count();
    auto step = [&](int dir) {
        for (int k = 1; k <= n; ++k) {
            int i = ((active->FHot < 0 ? (dir > 0 ? -1 : 0) : active->FHot) + dir * k + n) % n;
            TMenuItem* item = active->FLevel->Items(i);
            if (item->Visible() && !item->IsLine()) {
                active->FHot = i;
                active->Invalidate();
                return;
            }
        }
    };
    switch (Key) {
    case VK_DOWN: step(1); break;
    case VK_UP: step(-1); break;
    case VK_RIGHT: active->OpenSubmenu(active->FHot); break;
    case VK_LEFT:
        if (active->FParentWindow != nullptr) active->Hide();
        break;
    case VK_RETURN: active->Choose(active->FHot); break;
    case VK_ESCAPE:
        if (active->FParentWindow != nullptr) active->Hide();
        else CloseAll();
        break;
    default: TCustomControl::KeyDown(Key, Shift); return;
    }
    Key = 0;
}

TMenuWindow* TMenuWindow::WindowAt(const rtl::TPoint& screen)
{
    TMenuWindow* top = this;
    while (top->FParentWindow != nullptr) top = top->FParentWindow;
    TMenuWindow* found = nullptr;
    for (TMenuWindow* w = top; w != nullptr && w->Visible(); w = w->FChildWindow) {
        if (rtl::PtInRect(w->ClientRect(), w->ScreenToClient(screen))) found = w;
    }
    return found;
}

// The first menu window has the mouse while the menu is open; each event goes to the
// menu window under the pointer.
void TMenuWindow::MouseMove(TShiftState Shift, int X, int Y)
{
    rtl::TPoint screen = ClientToScreen({X, Y});
    if (TMenuWindow* w = WindowAt(screen)) {
        int index = w->ItemAt(w->ScreenToClient(screen).Y);
        if (index != w->FHot) {
            w->FHot = index;
            w->Invalidate();
            if (index >= 0 && w->FLevel->Items(index)->Count() > 0) w->OpenSubmenu(index);
        }
    }
    TCustomControl::MouseMove(Shift, X, Y);
}

void TMenuWindow::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (WindowAt(ClientToScreen({X, Y})) == nullptr) CloseAll();
}

void TMenuWindow::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (!Visible()) return;
    rtl::TPoint screen = ClientToScreen({X, Y});
    TMenuWindow* w = WindowAt(screen);
    int index = w != nullptr ? w->ItemAt(w->ScreenToClient(screen).Y) : -1;
    bool chosen = index >= 0 && w->FLevel->Items(index)->Count() == 0 && w->FLevel->Items(index)->Enabled() &&
                  !w->FLevel->Items(index)->IsLine();
    if (!chosen) {
        if (w != nullptr && index >= 0) w->Choose(index);  // a submenu opens
        SetCaptureControl(this);
        return;
    }
    w->Choose(index);
}

}  // namespace ui
