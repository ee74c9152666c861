// Enter and Escape in the drop-down edit: kept by the edit, passed on to the parent window
// (a grid ends its cell edit on them), or left to the form's key preview.
#include "grid/dropdown/ExtDropDownEdit.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Keyboard.h"

namespace grid {

namespace {

constexpr ui::LPARAM KeyDownData = 1;
constexpr ui::LPARAM KeyUpData = static_cast<ui::LPARAM>(0xC0000001u);

}  // namespace

bool TExtCustomDropDown::ParentFormPreviewsKeys() const
{
    const ui::TCustomForm* form = ui::GetParentForm(this);
    return form != nullptr && form->KeyPreview();
}

void TExtCustomDropDown::PostKeyToParent(ui::WORD key, bool up)
{
    if (Parent() == nullptr) return;
    ui::PostMessage(Parent()->Handle(), up ? ui::WM_KEYUP : ui::WM_KEYDOWN, key, up ? KeyUpData : KeyDownData);
}

bool TExtCustomDropDown::PassEscapeToParent(ui::TMessage& Message)
{
    if (!FEditorEnabled || FDefaultHandling || Parent() == nullptr) return true;
    if (ParentFormPreviewsKeys()) {
        // The form's key preview already saw the key; the edit handles it as any edit does.
        ui::TMaskEdit::WndProc(Message);
        return false;
    }
    PostKeyToParent(ui::VK_ESCAPE, false);
    PostKeyToParent(ui::VK_ESCAPE, true);
    return true;
}

bool TExtCustomDropDown::PassEnterToParent(ui::TMessage& Message)
{
    if (!FEditorEnabled || ControlHeld()) return true;
    Message.WParam = 0;  // the edit itself never receives Enter
    if (FDefaultHandling || Parent() == nullptr) return true;
    PostKeyToParent(ui::VK_RETURN, false);
    // With key preview on, the form sees the key-up on its own.
    if (!ParentFormPreviewsKeys()) PostKeyToParent(ui::VK_RETURN, true);
    return true;
}

void TExtCustomDropDown::WantSpecialKey(ui::TMessage& Message)
{
    const ui::TCustomForm* form = ui::GetParentForm(this);
    if (form == nullptr) return;
    const auto key = static_cast<ui::WORD>(Message.WParam);
    if (!form->KeyPreview()) {
        if (key == ui::VK_ESCAPE && FCanUndo) {
            // Escape undoes the typing: the value is selected and counts as unchanged.
            SelectAll();
            SetModifiedFlag(false);
            Message.WParam = 0;
            Message.Result = 0;
            if (FDefaultHandling) {
                PostKeyToParent(ui::VK_ESCAPE, false);
                PostKeyToParent(ui::VK_ESCAPE, true);
            }
        } else if (key == ui::VK_RETURN && FDefaultHandling && Parent() != nullptr && Parent()->Focused()) {
            PostKeyToParent(ui::VK_RETURN, false);
            PostKeyToParent(ui::VK_RETURN, true);
        }
    }
    ui::TMaskEdit::WndProc(Message);
    // An open pop-up keeps Escape in the edit, so the form's cancel button does not see it.
    if (Message.WParam == ui::VK_ESCAPE && FDroppedDown) Message.Result = 1;
}

}  // namespace grid
