// The screen object: size, the program's forms, and the cursor that overrides the controls'.
#include <vector>

#include "platform/ui/Forms.h"
#include "platform/ui/InputRouter.h"
#include "platform/ui/Keyboard.h"

namespace ui {

namespace {

std::vector<TCustomForm*> ShownOrHiddenForms()
{
    std::vector<TCustomForm*> forms;
    for (TWinControl* w : TWinControl::TopLevelWindows()) {
        if (auto* f = dynamic_cast<TCustomForm*>(w)) forms.push_back(f);
    }
    return forms;
}

}  // namespace

TScreen& Screen()
{
    static TScreen screen;
    return screen;
}

int TScreen::Width() const
{
    return GetSystemMetrics(SM_CXSCREEN);
}

int TScreen::Height() const
{
    return GetSystemMetrics(SM_CYSCREEN);
}

void TScreen::SetCursor(TCursor value)
{
    if (FCursor == value) return;
    FCursor = value;
    TInputRouter::RefreshCursor();
}

TCustomForm* TScreen::ActiveForm() const
{
    TApplication* app = Application();
    return app != nullptr ? app->ActiveForm() : nullptr;
}

TWinControl* TScreen::ActiveControl() const
{
    return FocusedControl();
}

int TScreen::FormCount() const
{
    return static_cast<int>(ShownOrHiddenForms().size());
}

TCustomForm* TScreen::Forms(int index) const
{
    std::vector<TCustomForm*> forms = ShownOrHiddenForms();
    if (index < 0 || index >= static_cast<int>(forms.size())) rtl::RaiseListIndexError(index);
    return forms[static_cast<size_t>(index)];
}

}  // namespace ui
