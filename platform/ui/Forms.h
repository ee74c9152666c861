// Forms and the application: TCustomForm/TForm, THintWindow, TApplication and Application().
#pragma once

#include <any>
#include <exception>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/Backend.h"
#include "platform/ui/Controls.h"

namespace ui {

class TWindowOverlay;

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TPosition {
    poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter,
    poMainFormCenter, poOwnerFormCenter
};
enum TCloseAction { caNone, caHide, caFree, caMinimize };
enum TWindowState { wsNormal, wsMinimized, wsMaximized };

using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;
constexpr TModalResult mrAbort = 3;
constexpr TModalResult mrRetry = 4;
constexpr TModalResult mrIgnore = 5;
constexpr TModalResult mrYes = 6;
constexpr TModalResult mrNo = 7;
constexpr TModalResult mrAll = 8;
constexpr TModalResult mrNoToAll = 9;
constexpr TModalResult mrYesToAll = 10;
constexpr TModalResult mrClose = 11;

using TCloseEvent = std::function<void(rtl::TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(rtl::TObject* Sender, bool& CanClose)>;

// Handler methods of a form (or frame) by name, so that form descriptions can bind events:
// each entry holds the std::function of the event type the handler fits.
class TMethodTable {
public:
    void RegisterMethod(const std::string& name, std::any handler);
    // The handler of that name (without regard to case), or nullptr.
    const std::any* FindMethod(const std::string& name) const;
    // Name under which a handler was registered; used to report bound events.
    const std::map<std::string, std::any>& Methods() const { return FMethods; }

private:
    std::map<std::string, std::any> FMethods;  // key: upper-cased name
};

// A top-level window of the program with its controls.
class TCustomForm : public TWinControl {
public:
    explicit TCustomForm(rtl::TComponent* AOwner);
    ~TCustomForm() override;
    std::string ClassName() const override { return "TCustomForm"; }

    // Second step of creation, after the constructor: reads the form description named
    // by DescriptionFile() when there is one, then fires OnCreate. An exception raised in
    // OnCreate goes to the application's error box and creation ends there; the form stays.
    virtual void AfterConstruction();
    // Form description to read when the form is created ("" for none).
    virtual std::string DescriptionFile() const { return {}; }
    TMethodTable& Methods() { return FMethods; }

    // --- look ---
    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle value);
    TPosition Position() const { return FPosition; }
    void SetPosition(TPosition value) { FPosition = value; }
    TWindowState WindowState() const { return FWindowState; }
    void SetWindowState(TWindowState value) { FWindowState = value; }
    bool KeyPreview() const { return FKeyPreview; }
    void SetKeyPreview(bool value) { FKeyPreview = value; }
    void SetText(const std::string& value) override;

    // --- scaling ---
    // Screen resolution the form's sizes are made for; a description may give it, and a
    // Scaled form made for another resolution is scaled to the screen's once it is read.
    int PixelsPerInch() const { return FPixelsPerInch; }
    void SetPixelsPerInch(int value) { FPixelsPerInch = value; }
    bool Scaled() const { return FScaled; }
    void SetScaled(bool value) { FScaled = value; }
    // Scales the form's controls, its font and its client size by M / D; its position stays.
    void ScaleBy(int M, int D) { ChangeScale(M, D); }
    void ChangeScale(int M, int D) override;
    // Called when the form's description has been read: a Scaled form whose PixelsPerInch
    // differs from the screen's is scaled by screen / PixelsPerInch, which then becomes the
    // screen's.
    void ScaleToScreen();

    // --- showing, closing ---
    // While the description is read, Visible is only remembered: the form shows once
    // its creation (OnCreate included) is complete.
    void SetVisible(bool value) override;
    void Show();
    void Hide();
    void Close();
    bool CloseQuery();
    virtual TModalResult ShowModal();
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult value) { FModalResult = value; }
    bool Modal() const { return FModal; }
    // Destroys the form once the messages now queued have been handled.
    void Release();

    // --- activation and focus ---
    bool Active() const { return FActive; }
    TWinControl* ActiveControl() const { return FActiveControl; }
    void SetActiveControl(TWinControl* control);
    void FocusControl(TWinControl* control);
    void SetFocus() override;
    // Called when a control of this form receives the focus: exit and enter events.
    void SetFocusedControl(TWinControl* control);
    // Takes the focus off a control that is hidden, disabled or removed.
    void DefocusControl(TWinControl* control, bool removing);
    // A control is leaving the form's tree: forget it.
    void ControlRemoving(TControl* control);
    // Activation by the application: focus, OnActivate / OnDeactivate.
    void SetActive(bool value);

    void Dispatch(TMessage& Message) override;
    void KeyDown(WORD& Key, TShiftState Shift) override { TWinControl::KeyDown(Key, Shift); }
    void KeyPress(char32_t& Key) override { TWinControl::KeyPress(Key); }
    void KeyUp(WORD& Key, TShiftState Shift) override { TWinControl::KeyUp(Key, Shift); }

    // --- events ---
    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;
    TNotifyEvent OnPaint;

protected:
    virtual void DoCreate();
    virtual void DoShow();
    virtual void DoHide();
    virtual void DoClose(TCloseAction& Action);
    virtual void Activate();
    virtual void Deactivate();
    void ShowingChanged() override;
    void PaintWindow() override;
    TControlCanvas& PaintCanvas() override;
    void CMDialogKey(TMessage& Message);
    void PlaceOnScreen();

private:
    TFormBorderStyle FBorderStyle = bsSizeable;
    TPosition FPosition = poDesigned;
    TWindowState FWindowState = wsNormal;
    bool FKeyPreview = false;
    int FPixelsPerInch;
    bool FScaled = true;
    bool FActive = false;
    bool FModal = false;
    bool FPlaced = false;
    bool FShowAfterCreate = false;
    TModalResult FModalResult = mrNone;
    TWinControl* FActiveControl = nullptr;
    TWinControl* FFocusedControl = nullptr;
    TMethodTable FMethods;
    std::unique_ptr<TControlCanvas> FFormCanvas;

public:
    TControlCanvas& Canvas();
};

class TForm : public TCustomForm {
public:
    explicit TForm(rtl::TComponent* AOwner) : TCustomForm(AOwner) {}
    std::string ClassName() const override { return "TForm"; }
};

// The small yellow window that shows a control's hint.
class THintWindow : public TCustomControl {
public:
    explicit THintWindow(rtl::TComponent* AOwner);
    ~THintWindow() override;
    std::string ClassName() const override { return "THintWindow"; }
    // A shadow falls on what lies below the window's right and bottom edges while it shows
    // (the window class's drop-shadow style).
    bool DropShadow() const { return FDropShadow; }
    void SetDropShadow(bool value);
    // The shadow as the window below paints it; nullptr before the window first showed.
    const TWindowOverlay* Shadow() const { return FShadow.get(); }
    // Shows the text with the window's top-left corner at the screen rectangle's.
    virtual void ActivateHint(const rtl::TRect& rect, const std::string& hint);
    // The same with the data of the hint record (HintData); the plain window ignores it.
    virtual void ActivateHintData(const rtl::TRect& rect, const std::string& hint, void* data);
    void ReleaseHandle() { Hide(); }
    // Size the text needs, with margins, at most maxWidth wide.
    virtual rtl::TRect CalcHintRect(int maxWidth, const std::string& hint, void* data = nullptr);

protected:
    void Paint() override;
    void WndProc(TMessage& Message) override;
    void BoundsChanged(const rtl::TRect& oldBounds) override;

private:
    void UpdateShadow();
    bool FDropShadow = false;
    std::unique_ptr<TWindowOverlay> FShadow;
};

// Makes the hint window a hint asks for; the record's HintWindowClass.
using THintWindowClass = THintWindow* (*)(rtl::TComponent* AOwner);
THintWindow* NewPlainHintWindow(rtl::TComponent* AOwner);

// The record a control receives with CM_HINTSHOW (LParam points to it) before its hint
// shows. The control may change the text, place, width, colour and window; a non-zero
// answer to the message, or an empty HintStr, shows nothing.
struct THintInfo {
    TControl* HintControl = nullptr;
    THintWindowClass HintWindowClass = nullptr;
    rtl::TPoint HintPos{};        // screen position of the window's top-left corner
    int HintMaxWidth = 0;
    gfx::TColor HintColor = 0;
    rtl::TRect CursorRect{};      // client area of the control in which this hint stays valid
    rtl::TPoint CursorPos{};      // the mouse in the control's client coordinates
    std::string HintStr;
    void* HintData = nullptr;
};

using TExceptionEvent = std::function<void(rtl::TObject* Sender, const std::exception& E)>;
using TIdleEvent = std::function<void(rtl::TObject* Sender, bool& Done)>;

// The application: its forms, the message loop, idle handling, hints and the error box.
class TApplication : public rtl::TComponent {
public:
    TApplication();
    ~TApplication() override;
    std::string ClassName() const override { return "TApplication"; }

    // --- backend ---
    void SetBackend(std::unique_ptr<TBackend> backend);
    bool HasBackend() const { return FBackend != nullptr; }
    TBackend& Backend() { return *FBackend; }

    // Prepares the application; picks the real window backend when none was set (it
    // raises an error saying so when there is no display).
    void Initialize();
    // Creates a form owned by the application and completes its creation; the first
    // form created becomes the main form.
    template <typename T>
    void CreateForm(T*& reference)
    {
        T* form = new T(this);
        reference = form;
        form->AfterConstruction();
        if (FMainForm == nullptr) FMainForm = form;
    }
    // Shows the main form and handles messages until the main form closes or Terminate.
    void Run();
    // Handles one message or, when there is none, idles (and waits for one).
    void HandleMessage();
    // Handles every message waiting, without waiting for more.
    void ProcessMessages();
    // Handles one thing: a call from another thread, a posted message, platform input, a
    // timer, a caret blink, a hint or a pending paint. False when there was nothing.
    bool ProcessMessage();
    void Terminate() { FTerminated = true; }
    bool Terminated() const { return FTerminated; }

    // --- exceptions ---
    // The current exception (called inside a catch block): EAbort is silent; otherwise
    // OnException or the standard error box.
    void HandleException(rtl::TObject* Sender);
    void ShowException(const std::exception& E);

    // --- forms ---
    TCustomForm* MainForm() const { return FMainForm; }
    void SetMainForm(TCustomForm* form) { FMainForm = form; }
    TCustomForm* ActiveForm() const { return FActiveForm; }
    // Makes the form the active one: the previous one is deactivated, this one activated.
    void ActivateForm(TCustomForm* form);
    TCustomForm* ModalForm() const { return FModalForms.empty() ? nullptr : FModalForms.back(); }
    void PushModal(TCustomForm* form) { FModalForms.push_back(form); }
    void PopModal() { if (!FModalForms.empty()) FModalForms.pop_back(); }
    // A form was hidden: when it was active, the form active before it takes over.
    void FormHidden(TCustomForm* form);
    void ControlDestroyed(TControl* control);
    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& value) { FTitle = value; }

    // --- hints ---
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool value) { FShowHint = value; }
    int HintPause() const { return FHintPause; }
    void SetHintPause(int value) { FHintPause = value; }
    int HintHidePause() const { return FHintHidePause; }
    void SetHintHidePause(int value) { FHintHidePause = value; }
    const std::string& Hint() const { return FHint; }
    void HintMouseMove(TControl* control, const rtl::TPoint& screenPos);
    void CancelHint();
    THintWindow* HintWindow() const { return FHintWindow; }
    TControl* HintControl() const { return FHintControl; }
    // The window class of hints whose control does not choose one (the plain window by default).
    THintWindowClass HintWindowClass() const { return FHintWindowClass; }
    void SetHintWindowClass(THintWindowClass value) { FHintWindowClass = value != nullptr ? value : NewPlainHintWindow; }
    gfx::TColor HintColor() const { return FHintColor; }
    void SetHintColor(gfx::TColor value) { FHintColor = value; }

    TIdleEvent OnIdle;
    TExceptionEvent OnException;
    TNotifyEvent OnHint;

private:
    bool HintTick();
    void ShowHintNow();
    THintWindow& HintWindowOf(THintWindowClass windowClass);
    bool PaintPendingWindows();
    void DispatchPosted(const TMsg& msg);
    void Idle();
    int WaitTimeout() const;

    std::unique_ptr<TBackend> FBackend;
    TCustomForm* FMainForm = nullptr;
    TCustomForm* FActiveForm = nullptr;
    std::vector<TCustomForm*> FActivationOrder;  // most recent last
    std::vector<TCustomForm*> FModalForms;
    bool FTerminated = false;
    std::string FTitle = "tolvek";
    bool FShowHint = true;
    int FHintPause = 500;
    int FHintHidePause = 2500;
    std::string FHint;
    TControl* FHintControl = nullptr;
    rtl::TPoint FHintPos;
    std::int64_t FHintShowAt = -1;
    std::int64_t FHintHideAt = -1;
    THintWindow* FHintWindow = nullptr;
    THintWindowClass FHintWindowClass = NewPlainHintWindow;
    THintWindowClass FHintWindowMadeBy = nullptr;
    gfx::TColor FHintColor = gfx::clInfoBk;
    // The control's client area in which the shown (or refused) hint stays valid.
    rtl::TRect FHintCursorRect{};
    bool FHintCursorRectSet = false;
};

// The application object, or nullptr when none exists.
TApplication* Application();

// The screen: its size, the forms of the program, and a cursor that overrides every
// control's own while it is set (crHourGlass during a long action).
class TScreen {
public:
    int Width() const;
    int Height() const;
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor value);
    TCustomForm* ActiveForm() const;
    TWinControl* ActiveControl() const;
    int FormCount() const;
    TCustomForm* Forms(int index) const;

private:
    TCursor FCursor = crDefault;
};
TScreen& Screen();

// The first part of a hint ("short|long" gives "short") and the second (the whole when no "|").
std::string GetShortHint(const std::string& hint);
std::string GetLongHint(const std::string& hint);

}  // namespace ui
