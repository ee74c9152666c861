// The custom editor link: the base class through which a program edits grid cells with a control of its own.
#pragma once

#include <cstdint>
#include <string>

#include "platform/gfx/Color.h"
#include "platform/rtl/Component.h"
#include "platform/rtl/Types.h"
#include "platform/ui/Events.h"
#include "platform/ui/Messages.h"

namespace gfx {
class TFont;
}
namespace ui {
class TWinControl;
class TForm;
}

namespace grid {

class TExtStringGrid;

enum TEditStyle : std::uint8_t { esInplace, esPopup };

// A cell whose editor kind is edCustom is edited through the grid's EditLink. A program
// derives from this class, creates its control in CreateEditor, attaches EditKeyDown to the
// control's key-down event and moves values through GetEditorValue and SetEditorValue; the
// base class routes keys back to the grid, places the control and stores the value.
class TEditLink : public rtl::TComponent {
public:
    explicit TEditLink(rtl::TComponent* AOwner);
    ~TEditLink() override;
    std::string ClassName() const override { return "TEditLink"; }

    // Set by the grid when it opens the editor.
    TExtStringGrid* Grid() const { return FGrid; }
    rtl::TPoint EditCell() const { return FEditCell; }
    void AttachToGrid(TExtStringGrid* AGrid, rtl::TPoint ACell);

    TEditStyle EditStyle() const { return FEditStyle; }
    void SetEditStyle(TEditStyle v) { FEditStyle = v; }
    int PopupWidth() const { return FPopupWidth; }
    void SetPopupWidth(int v) { FPopupWidth = v; }
    int PopupHeight() const { return FPopupHeight; }
    void SetPopupHeight(int v) { FPopupHeight = v; }
    int PopupLeft() const { return FPopupLeft; }
    void SetPopupLeft(int v) { FPopupLeft = v; }
    int PopupTop() const { return FPopupTop; }
    void SetPopupTop(int v) { FPopupTop = v; }
    bool AutoPopupWidth() const { return FAutoPopupWidth; }
    void SetAutoPopupWidth(bool v) { FAutoPopupWidth = v; }
    bool WantKeyLeftRight() const { return FWantKeyLeftRight; }
    void SetWantKeyLeftRight(bool v) { FWantKeyLeftRight = v; }
    bool WantKeyUpDown() const { return FWantKeyUpDown; }
    void SetWantKeyUpDown(bool v) { FWantKeyUpDown = v; }
    bool WantKeyHomeEnd() const { return FWantKeyHomeEnd; }
    void SetWantKeyHomeEnd(bool v) { FWantKeyHomeEnd = v; }
    bool WantKeyPriorNext() const { return FWantKeyPriorNext; }
    void SetWantKeyPriorNext(bool v) { FWantKeyPriorNext = v; }
    bool WantKeyReturn() const { return FWantKeyReturn; }
    void SetWantKeyReturn(bool v) { FWantKeyReturn = v; }
    bool WantKeyEscape() const { return FWantKeyEscape; }
    void SetWantKeyEscape(bool v) { FWantKeyEscape = v; }
    bool WantTabs() const { return FWantTabs; }
    void SetWantTabs(bool v) { FWantTabs = v; }
    bool WantReturns() const { return FWantReturns; }
    void SetWantReturns(bool v) { FWantReturns = v; }
    bool WantHTML() const { return FWantHTML; }
    void SetWantHTML(bool v) { FWantHTML = v; }
    bool KeepFocus() const { return FKeepFocus; }
    void SetKeepFocus(bool v) { FKeepFocus = v; }
    int Tag() const { return FTag; }
    void SetTag(int v) { FTag = v; }

    // --- what a descendant overrides
    // Routes Tab, Enter, Escape, Page Up/Down, End and the arrows back to the grid unless
    // the link keeps them (WantKey...).
    virtual void EditKeyDown(rtl::TObject* Sender, ui::WORD& Key, ui::TShiftState Shift);
    virtual ui::TWinControl* GetEditControl() { return nullptr; }
    virtual void CreateEditor(ui::TWinControl* AParent);
    virtual void DestroyEditor() {}
    // Shows, enables and focuses the control (true) or focuses the grid (false); an in-place
    // control gets the grid's window procedure in front of its own on the first call.
    virtual void SetFocus(bool Value);
    // The control over R, less the grid line width on the right and bottom.
    virtual void SetRect(const rtl::TRect& R);
    virtual void SetVisible(bool Value);
    virtual void SetProperties() {}
    virtual void SetCellProps(gfx::TColor AColor, gfx::TFont* AFont);
    virtual std::string GetEditorValue() { return {}; }
    virtual void SetEditorValue(const std::string& s);

    // --- glue the base class supplies
    // The pop-up form with esPopup, else the grid.
    ui::TWinControl* GetParent();
    std::string GetCellValue();
    void SetCellValue(const std::string& s);
    void HideEditor();
    void RestoreWinProc();
    void EditExit(rtl::TObject* Sender);
    // Deactivation of the pop-up form: the value is stored; unless the link itself moved
    // the focus, the editor closes too.
    void FormExit(rtl::TObject* Sender);
    ui::TForm* PopupForm() const { return FPopupForm; }
    void SetPopupForm(ui::TForm* Form) { FPopupForm = Form; }
    bool Subclassed() const { return FSubclassed; }
    // Set when the pop-up form closed because the user activated another window: the focus
    // that then comes back to the grid is only taken, without reopening an editor, and the
    // grid's in-place rich editor leaves that focus change alone. The grid clears it when
    // that focus arrives or when its next edit opens.
    bool InvokedFocusChange() const { return FInvokedFocusChange; }
    void SetInvokedFocusChange(bool Value) { FInvokedFocusChange = Value; }

private:
    bool KeptByLink(ui::WORD Key) const;
    // The grid takes the focus while the forced-exit flag tells the pop-up's deactivation
    // that the link moves the focus itself.
    void FocusGridForced();

    TExtStringGrid* FGrid = nullptr;
    rtl::TPoint FEditCell{0, 0};
    TEditStyle FEditStyle = esInplace;
    int FPopupWidth = 0;
    int FPopupHeight = 0;
    int FPopupLeft = -1;
    int FPopupTop = -1;
    bool FAutoPopupWidth = false;
    bool FWantKeyLeftRight = false;
    bool FWantKeyUpDown = false;
    bool FWantKeyHomeEnd = false;
    bool FWantKeyPriorNext = false;
    bool FWantKeyReturn = false;
    bool FWantKeyEscape = false;
    bool FWantTabs = false;
    bool FWantReturns = false;
    bool FWantHTML = false;
    bool FKeepFocus = false;
    int FTag = 0;
    ui::TForm* FPopupForm = nullptr;
    bool FForcedExit = false;
    bool FSubclassed = false;
    bool FInvokedFocusChange = false;
};

}  // namespace grid
