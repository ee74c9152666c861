// Pop-up menus: TMenuItem trees, TPopupMenu and the window that shows a menu level.
#pragma once

#include <string>
#include <vector>

#include "platform/rtl/Component.h"
#include "platform/ui/Controls.h"

namespace ui {

using TShortCut = unsigned;  // virtual key in the low byte, scShift/scCtrl/scAlt above
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;
// "Ctrl+C", "Shift+Del", "F5" for a shortcut ("" for none).
std::string ShortCutToText(TShortCut shortCut);
TShortCut ShortCut(WORD key, TShiftState shift);

class TMenuWindow;

// One item of a menu; its own items form a submenu. A caption of "-" is a separator line.
class TMenuItem : public rtl::TComponent {
public:
    explicit TMenuItem(rtl::TComponent* AOwner);
    ~TMenuItem() override;
    std::string ClassName() const override { return "TMenuItem"; }

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& value) { FCaption = value; }
    bool Checked() const { return FChecked; }
    void SetChecked(bool value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value) { FEnabled = value; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool value) { FVisible = value; }
    bool RadioItem() const { return FRadioItem; }
    void SetRadioItem(bool value) { FRadioItem = value; }
    bool AutoCheck() const { return FAutoCheck; }
    void SetAutoCheck(bool value) { FAutoCheck = value; }
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int value) { FGroupIndex = value; }
    bool Default() const { return FDefault; }
    void SetDefault(bool value) { FDefault = value; }
    TShortCut ShortCut() const { return FShortCut; }
    void SetShortCut(TShortCut value) { FShortCut = value; }
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& value) { FHint = value; }
    bool IsLine() const { return FCaption == "-"; }

    // --- submenu ---
    int Count() const { return static_cast<int>(FItems.size()); }
    TMenuItem* Items(int index) const;
    TMenuItem* operator[](int index) const { return Items(index); }
    void Add(TMenuItem* item);
    void Insert(int index, TMenuItem* item);
    // Takes the item out (it is not deleted).
    void Remove(TMenuItem* item);
    void Delete(int index);
    void Clear();
    int IndexOf(const TMenuItem* item) const;
    TMenuItem* Parent() const { return FParent; }
    TMenuItem* Find(const std::string& caption) const;

    // Runs the item as a choice of the user: AutoCheck, then OnClick.
    virtual void Click();
    TNotifyEvent OnClick;

    void SetParentComponent(rtl::TComponent* value);

private:
    std::string FCaption;
    bool FChecked = false;
    bool FEnabled = true;
    bool FVisible = true;
    bool FRadioItem = false;
    bool FAutoCheck = false;
    int FGroupIndex = 0;
    bool FDefault = false;
    TShortCut FShortCut = 0;
    std::string FHint;
    std::vector<TMenuItem*> FItems;
    TMenuItem* FParent = nullptr;
};

enum TPopupAlignment { paLeft, paRight, paCenter };

// A menu shown at a screen point, for a control's right click or from code.
class TPopupMenu : public rtl::TComponent {
public:
    explicit TPopupMenu(rtl::TComponent* AOwner);
    ~TPopupMenu() override;
    std::string ClassName() const override { return "TPopupMenu"; }

    TMenuItem& Items() { return *FItems; }
    bool AutoPopup() const { return FAutoPopup; }
    void SetAutoPopup(bool value) { FAutoPopup = value; }
    TPopupAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TPopupAlignment value) { FAlignment = value; }
    // The control whose right click showed the menu (nullptr from code).
    rtl::TComponent* PopupComponent() const { return FPopupComponent; }
    void SetPopupComponent(rtl::TComponent* value) { FPopupComponent = value; }
    // Shows the menu with its top-left corner at the screen point. The call returns at
    // once; the item the user chooses runs its OnClick from the message loop.
    virtual void Popup(int X, int Y);
    void CloseMenu();
    // The window showing the menu (nullptr when closed).
    TMenuWindow* Window() const;
    // Finds and runs the item with this shortcut; true when one ran.
    bool IsShortCut(WORD key, TShiftState shift);

    TNotifyEvent OnPopup;
    TNotifyEvent OnClose;

private:
    TMenuItem* FItems;
    bool FAutoPopup = true;
    TPopupAlignment FAlignment = paLeft;
    rtl::TComponent* FPopupComponent = nullptr;
    TMenuWindow* FWindow = nullptr;
};

// The pop-up window listing one menu level: the mouse highlights, a click chooses;
// Up/Down, Return and Escape work while it has the keyboard.
class TMenuWindow : public TCustomControl {
public:
    TMenuWindow(TPopupMenu* menu, TMenuItem* level, TMenuWindow* parentWindow);
    std::string ClassName() const override { return "TMenuWindow"; }
    TMenuItem* Level() const { return FLevel; }
    int ItemIndex() const { return FHot; }
    rtl::TRect ItemRect(int index) const;
    int ItemAt(int y) const;
    // Fits the window to its items and shows it at the screen point.
    void ShowAt(int X, int Y);
    void Choose(int index);
    void CloseAll();

protected:
    void Paint() override;
    void WndProc(TMessage& Message) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    // The open menu window under a screen point (nullptr outside the menu).
    TMenuWindow* WindowAt(const rtl::TPoint& screen);
    int ItemHeight(int index) const;
    void OpenSubmenu(int index);
    TPopupMenu* FMenu;
    TMenuItem* FLevel;
    TMenuWindow* FParentWindow;
    TMenuWindow* FChildWindow = nullptr;
    int FHot = -1;
    HWND FPreviousFocus = 0;
};

}  // namespace ui
