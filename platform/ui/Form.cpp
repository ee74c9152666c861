// TCustomForm: creation, showing and closing, modal showing, activation and focus within the form.
#include <algorithm>
#include <cctype>

#include "platform/ui/Forms.h"
#include "platform/ui/FormReader.h"
#include "platform/ui/InputRouter.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/ScreenModel.h"

namespace ui {

namespace {

std::string UpperKey(const std::string& s)
{
    std::string k = s;
    for (char& c : k) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return k;
}

}  // namespace

void TMethodTable::RegisterMethod(const std::string& name, std::any handler)
{
    FMethods[UpperKey(name)] = std::move(handler);
}

const std::any* TMethodTable::FindMethod(const std::string& name) const
{
    auto it = FMethods.find(UpperKey(name));
    return it == FMethods.end() ? nullptr : &it->second;
}

TCustomForm::TCustomForm(rtl::TComponent* AOwner) : TWinControl(AOwner), FPixelsPerInch(ScreenPixelsPerInch())
{
    FVisible = false;
    FColor = gfx::clBtnFace;
    FWidth = 320;
    FHeight = 240;
    FControlStyle |= csAcceptsControls;
}

TCustomForm::~TCustomForm()
{
    Destroying();
    if (OnDestroy) {
        try {
            OnDestroy(this);
        } catch (...) {
            if (TApplication* app = Application()) app->HandleException(this);
        }
    }
    // The application forgets the form first, so no other form is activated and no
    // activation events run while it goes.
    if (TApplication* app = Application()) app->ControlDestroyed(this);
    if (FVisible) {
        FVisible = false;
        UpdateShowing();
    }
}

void TCustomForm::AfterConstruction()
{
    std::string file = DescriptionFile();
    if (!file.empty()) ReadComponentResFile(file, this);
    DoCreate();
    if (FShowAfterCreate) {
        FShowAfterCreate = false;
        Show();
    }
}

// A form has no parent to take its font from, so its font always scales.
void TCustomForm::ChangeScale(int M, int D)
{
    if (M == D || D == 0) return;
    const int clientWidth = ClientWidth();
    const int clientHeight = ClientHeight();
    DisableAlign();
    ScaleChildren(M, D);
    Font().SetHeight(MulDiv(Font().Height(), M, D));
    PassFontToChildren();
    SetClientWidth(MulDiv(clientWidth, M, D));
    SetClientHeight(MulDiv(clientHeight, M, D));
    EnableAlign();
}

void TCustomForm::ScaleToScreen()
{
    const int screen = ScreenPixelsPerInch();
    if (FScaled && FPixelsPerInch > 0 && FPixelsPerInch != screen) ChangeScale(screen, FPixelsPerInch);
    FPixelsPerInch = screen;
}

void TCustomForm::SetVisible(bool value)
{
    if (HasState(rtl::csLoading)) {
        FShowAfterCreate = value;
        return;
    }
    TWinControl::SetVisible(value);
}

// An error in OnCreate is reported and the form lives on, as the class library does.
void TCustomForm::DoCreate()
{
    if (!OnCreate) return;
    try {
        OnCreate(this);
    } catch (...) {
        TApplication* app = Application();
        if (app == nullptr) throw;
        app->HandleException(this);
    }
}

void TCustomForm::SetBorderStyle(TFormBorderStyle value)
{
    if (FBorderStyle == value) return;
    FBorderStyle = value;
    if (Showing()) {
        if (TApplication* app = Application(); app != nullptr && app->HasBackend()) app->Backend().WindowChanged(this);
    }
}

void TCustomForm::SetText(const std::string& value)
{
    TControl::SetText(value);
    if (Showing()) {
        if (TApplication* app = Application(); app != nullptr && app->HasBackend()) app->Backend().WindowChanged(this);
    }
}

TControlCanvas& TCustomForm::Canvas()
{
    if (!FFormCanvas) FFormCanvas = std::make_unique<TControlCanvas>(this);
    FFormCanvas->Refresh();
    return *FFormCanvas;
}

TControlCanvas& TCustomForm::PaintCanvas()
{
    if (!FFormCanvas) FFormCanvas = std::make_unique<TControlCanvas>(this);
    return *FFormCanvas;
}

void TCustomForm::PaintWindow()
{
    if (OnPaint) OnPaint(this);
}

void TCustomForm::PlaceOnScreen()
{
    if (FPlaced) return;
    FPlaced = true;
    TApplication* app = Application();
    rtl::TSize screen{1280, 1024};
    if (app != nullptr && app->HasBackend()) screen = app->Backend().ScreenSize();
    if (FWindowState == wsMaximized) {
        SetBounds(0, 0, screen.cx, screen.cy);
        return;
    }
    switch (FPosition) {
    case poScreenCenter:
    case poDesktopCenter:
        SetBounds((screen.cx - FWidth) / 2, (screen.cy - FHeight) / 2, FWidth, FHeight);
        break;
    case poMainFormCenter:
    case poOwnerFormCenter: {
        TCustomForm* center = app != nullptr ? app->MainForm() : nullptr;
        if (FPosition == poOwnerFormCenter) {
            if (auto* owner = dynamic_cast<TCustomForm*>(Owner())) center = owner;
        }
        if (center != nullptr && center != this) {
            SetBounds(center->Left() + (center->Width() - FWidth) / 2,
                      center->Top() + (center->Height() - FHeight) / 2, FWidth, FHeight);
        } else {
            SetBounds((screen.cx - FWidth) / 2, (screen.cy - FHeight) / 2, FWidth, FHeight);
        }
        break;
    }
    default:
        break;
    }
}

void TCustomForm::Show()
{
    SetVisible(true);
    if (TApplication* app = Application(); app != nullptr && Showing()) app->ActivateForm(this);
}

void TCustomForm::Hide()
{
    SetVisible(false);
}

void TCustomForm::ShowingChanged()
{
    if (Showing()) PlaceOnScreen();
    TWinControl::ShowingChanged();
    if (HasState(rtl::csDestroying)) return;
    if (Showing()) {
        DoShow();
    } else {
        DoHide();
        if (TApplication* app = Application()) app->FormHidden(this);
    }
}

void TCustomForm::DoShow()
{
    if (OnShow) OnShow(this);
}

void TCustomForm::DoHide()
{
    if (OnHide) OnHide(this);
}

bool TCustomForm::CloseQuery()
{
    bool canClose = true;
    if (OnCloseQuery) OnCloseQuery(this, canClose);
    return canClose;
}

void TCustomForm::DoClose(TCloseAction& Action)
{
    if (OnClose) OnClose(this, Action);
}

// Closing asks OnCloseQuery, then OnClose decides: hide (the default), free, or nothing.
// Closing the main form ends the application; closing a modal form ends its modal loop.
void TCustomForm::Close()
{
    if (FModal) {
        FModalResult = mrCancel;
        return;
    }
    if (!CloseQuery()) return;
    TCloseAction action = caHide;
    DoClose(action);
    if (action == caNone) return;
    TApplication* app = Application();
    if (app != nullptr && app->MainForm() == this) {
        app->Terminate();
    } else if (action == caHide || action == caMinimize) {
        Hide();
    } else if (action == caFree) {
        Release();
    }
}

void TCustomForm::Release()
{
    PostMessage(Handle(), CM_RELEASE, 0, 0);
}

TModalResult TCustomForm::ShowModal()
{
    if (FVisible || !FEnabled || FModal)
        throw rtl::EInvalidOperation("Cannot make a visible window modal");
    TApplication* app = Application();
    if (app == nullptr) throw rtl::EInvalidOperation("No application to run a modal loop");
    TCustomForm* previous = app->ActiveForm();
    SetCaptureControl(nullptr);
    FModal = true;
    FModalResult = mrNone;
    app->PushModal(this);
    struct TModalScope {
        TCustomForm* Form;
        TApplication* App;
        ~TModalScope()
        {
            App->PopModal();
            Form->FModal = false;
        }
    } scope{this, app};
    Show();
    do {
        app->HandleMessage();
        if (app->Terminated()) {
            FModalResult = mrCancel;
        } else if (FModalResult != mrNone) {
            // A close of the modal form still asks OnCloseQuery and OnClose.
            TCloseAction action = caHide;
            if (!CloseQuery()) {
                FModalResult = mrNone;
            } else {
                DoClose(action);
                if (action == caNone) FModalResult = mrNone;
            }
        }
    } while (FModalResult == mrNone);
    TModalResult result = FModalResult;
    Hide();
    if (previous != nullptr && previous != this && previous->Showing()) app->ActivateForm(previous);
    return result;
}

void TCustomForm::SetActiveControl(TWinControl* control)
{
    if (FActiveControl == control) return;
    if (control != nullptr &&
        (control == this || GetParentForm(control) != this || (!HasState(rtl::csLoading) && !control->CanFocus())))
        throw rtl::EInvalidOperation("Cannot focus a disabled or invisible window");
    FActiveControl = control;
    if (!HasState(rtl::csLoading) && FActive) TInputRouter::ChangeFocus(control != nullptr ? control : this);
}

void TCustomForm::FocusControl(TWinControl* control)
{
    bool wasActive = FActive;
    SetActiveControl(control);
    if (!wasActive) SetFocus();
}

void TCustomForm::SetFocus()
{
    if (FActive) {
        TInputRouter::ChangeFocus(FActiveControl != nullptr ? FActiveControl : this);
        return;
    }
    if (!FVisible || !FEnabled) throw rtl::EInvalidOperation("Cannot focus a disabled or invisible window");
    if (TApplication* app = Application()) app->ActivateForm(this);
}

// Exit events run up from the control losing the focus to the common parent, then enter
// events down to the control receiving it.
void TCustomForm::SetFocusedControl(TWinControl* control)
{
    if (control != this) FActiveControl = control;
    TWinControl* old = FFocusedControl;
    if (old == control) return;
    FFocusedControl = control;
    std::vector<TWinControl*> exits;
    for (TWinControl* c = old; c != nullptr && c != this && !c->ContainsControl(control); c = c->Parent())
        exits.push_back(c);
    std::vector<TWinControl*> enters;
    for (TWinControl* c = control; c != nullptr && c != this && (old == nullptr || !c->ContainsControl(old));
         c = c->Parent())
        enters.push_back(c);
    for (TWinControl* c : exits) {
        if (FFocusedControl != control) return;
        c->Perform(CM_EXIT, 0, 0);
    }
    for (auto it = enters.rbegin(); it != enters.rend(); ++it) {
        if (FFocusedControl != control) return;
        (*it)->Perform(CM_ENTER, 0, 0);
    }
}

void TCustomForm::DefocusControl(TWinControl* control, bool removing)
{
    if (removing && control->ContainsControl(FFocusedControl)) FFocusedControl = control->Parent();
    if (control->ContainsControl(FActiveControl)) FActiveControl = nullptr;
    TWinControl* focus = FocusedControl();
    if (focus != nullptr && control->ContainsControl(focus)) {
        if (FActive && Showing() && !removing) {
            TInputRouter::ChangeFocus(this);
        } else {
            TInputRouter::ChangeFocus(nullptr);
        }
    }
}

void TCustomForm::ControlRemoving(TControl* control)
{
    auto* win = dynamic_cast<TWinControl*>(control);
    if (win == nullptr) return;
    if (win->ContainsControl(FActiveControl)) FActiveControl = nullptr;
    if (win->ContainsControl(FFocusedControl)) FFocusedControl = nullptr;
    TWinControl* focus = FocusedControl();
    if (focus != nullptr && win->ContainsControl(focus)) TInputRouter::ChangeFocus(nullptr);
}

void TCustomForm::SetActive(bool value)
{
    if (FActive == value) return;
    FActive = value;
    if (value) {
        if (FActiveControl == nullptr) FActiveControl = FindNextControl(nullptr, true, true, false);
        TInputRouter::ChangeFocus(FActiveControl != nullptr ? FActiveControl : this);
        Activate();
    } else {
        Deactivate();
    }
}

void TCustomForm::Activate()
{
    if (OnActivate) OnActivate(this);
}

void TCustomForm::Deactivate()
{
    if (OnDeactivate) OnDeactivate(this);
}

void TCustomForm::CMDialogKey(TMessage& Message)
{
    int key = static_cast<int>(Message.WParam);
    bool altOrCtrl = (GetKeyState(VK_MENU) < 0) || (GetKeyState(VK_CONTROL) < 0);
    if (!altOrCtrl) {
        switch (key) {
        case VK_TAB:
            SelectNext(FActiveControl, GetKeyState(VK_SHIFT) >= 0, true);
            Message.Result = 1;
            return;
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN:
            if (FActiveControl != nullptr && FActiveControl->Parent() != nullptr) {
                FActiveControl->Parent()->SelectNext(FActiveControl, key == VK_RIGHT || key == VK_DOWN, false);
                Message.Result = 1;
            }
            return;
        default:
            break;
        }
    }
    TWinControl::Dispatch(Message);
}

void TCustomForm::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CM_DIALOGKEY:
        CMDialogKey(Message);
        return;
    case WM_CLOSE:
        Close();
        return;
    default:
        TWinControl::Dispatch(Message);
    }
}

}  // namespace ui
