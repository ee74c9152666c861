// Controls: TControl, TWinControl (windows with handles and children), TCustomControl, TGraphicControl.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/gfx/Canvas.h"
#include "platform/gfx/Region.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Component.h"
#include "platform/rtl/Types.h"
#include "platform/ui/Events.h"
#include "platform/ui/Messages.h"
#include "platform/ui/ScrollInfo.h"

struct _cairo_surface;

namespace ui {

class TWinControl;
class TCustomForm;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };

// Cursor shapes, as the class library numbers them.
using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSize = -22;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crUpArrow = -10;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crDrag = -12;
constexpr TCursor crNoDrop = -13;
constexpr TCursor crHSplit = -14;
constexpr TCursor crVSplit = -15;
constexpr TCursor crMultiDrag = -16;
constexpr TCursor crSQLWait = -17;
constexpr TCursor crNo = -18;
constexpr TCursor crAppStart = -19;
constexpr TCursor crHelp = -20;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;

// What a control does by itself (ControlStyle).
enum TControlStyleFlag : unsigned {
    csAcceptsControls = 1u << 0,
    csCaptureMouse = 1u << 1,
    csClickEvents = 1u << 2,
    csFramed = 1u << 3,
    csSetCaption = 1u << 4,
    csOpaque = 1u << 5,        // Paint covers the whole client area: no background erase
    csDoubleClicks = 1u << 6,
    csFixedWidth = 1u << 7,
    csFixedHeight = 1u << 8,
    csNoStdEvents = 1u << 9,
    csParentBackground = 1u << 10,
};
using TControlStyle = unsigned;

// What a control is doing now (ControlState).
enum TControlStateFlag : unsigned {
    csLButtonDown = 1u << 0,
    csClicked = 1u << 1,
    csFocusing = 1u << 2,
    csCreating = 1u << 3,
    csPaintCopy = 1u << 4,
    csAlignmentNeeded = 1u << 5,
};
using TControlState = unsigned;

// The canvas of a control: draws on its top-level window's image, with the origin at the
// control's client area and the clip on its visible part (narrowed to the update region
// while painting).
class TControlCanvas : public gfx::TCanvas {
public:
    explicit TControlCanvas(class TControl* control) : FControl(control) {}
    // Binds to the control's window image when it moved or the image changed.
    void Refresh(bool force = false);
    // Binds for painting: clip = the visible client area ∩ region (surface pixels).
    void BeginPaint(const gfx::TRegion& region);
    void EndPaint();
    bool Painting() const { return FPainting; }
    std::string ClassName() const override { return "TControlCanvas"; }

private:
    void Bind(bool force);
    class TControl* FControl;
    _cairo_surface* FBoundSurface = nullptr;
    rtl::TPoint FBoundOrigin{-1000000, -1000000};
    bool FPainting = false;
};

// Anything that sits on a form: position, size, visibility, colour, font, text,
// mouse handling and painting through its parent window.
class TControl : public rtl::TComponent {
public:
    explicit TControl(rtl::TComponent* AOwner);
    ~TControl() override;
    std::string ClassName() const override { return "TControl"; }

    // --- parent ---
    TWinControl* Parent() const { return FParent; }
    virtual void SetParent(TWinControl* AParent);
    bool HasParent() const { return FParent != nullptr; }

    // --- bounds (in the parent's client coordinates; screen coordinates for top-level windows) ---
    int Left() const { return FLeft; }
    int Top() const { return FTop; }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    void SetLeft(int value) { SetBounds(value, FTop, FWidth, FHeight); }
    void SetTop(int value) { SetBounds(FLeft, value, FWidth, FHeight); }
    void SetWidth(int value) { SetBounds(FLeft, FTop, value, FHeight); }
    void SetHeight(int value) { SetBounds(FLeft, FTop, FWidth, value); }
    virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
    rtl::TRect BoundsRect() const { return rtl::Bounds(FLeft, FTop, FWidth, FHeight); }
    void SetBoundsRect(const rtl::TRect& r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }
    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign value);
    // Scales the control by M / D, each value rounded to the nearest: its bounds and, unless
    // it takes its parent's font, its font height. A form runs it on its controls when the
    // form is scaled.
    virtual void ChangeScale(int M, int D);

    // --- client area ---
    virtual rtl::TRect ClientRect() const;
    int ClientWidth() const { return ClientRect().Width(); }
    int ClientHeight() const { return ClientRect().Height(); }
    virtual void SetClientWidth(int value);
    virtual void SetClientHeight(int value);

    // --- coordinates ---
    // Screen position of the client area's top-left pixel.
    virtual rtl::TPoint ClientOrigin() const;
    rtl::TPoint ClientToScreen(const rtl::TPoint& p) const;
    rtl::TPoint ScreenToClient(const rtl::TPoint& p) const;
    rtl::TPoint ClientToParent(const rtl::TPoint& p, TWinControl* AParent = nullptr) const;
    rtl::TPoint ParentToClient(const rtl::TPoint& p, TWinControl* AParent = nullptr) const;

    // --- visibility and state ---
    bool Visible() const { return FVisible; }
    virtual void SetVisible(bool value);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible, and every parent up to a shown top-level window visible too.
    virtual bool Showing() const;
    bool Enabled() const { return FEnabled; }
    virtual void SetEnabled(bool value);
    TControlStyle ControlStyle() const { return FControlStyle; }
    void SetControlStyle(TControlStyle value) { FControlStyle = value; }
    TControlState ControlState() const { return FControlState; }
    void SetControlState(TControlState value) { FControlState = value; }

    // --- appearance ---
    gfx::TColor Color() const { return FColor; }
    void SetColor(gfx::TColor value);
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool value);
    gfx::TFont& Font() { return *FFont; }
    const gfx::TFont& Font() const { return *FFont; }
    void SetFont(const gfx::TFont& value) { FFont->Assign(&value); }
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool value);
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor value);

    // --- text ---
    std::string Caption() const { return GetText(); }
    void SetCaption(const std::string& value) { SetText(value); }
    std::string Text() const { return GetText(); }
    virtual std::string GetText() const { return FText; }
    virtual void SetText(const std::string& value);

    // --- hints and pop-up menu ---
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& value) { FHint = value; }
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool value);
    bool ParentShowHint() const { return FParentShowHint; }
    void SetParentShowHint(bool value);
    rtl::TComponent* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(rtl::TComponent* value);

    // --- messages ---
    // The window procedure in use; replaceable to subclass the control (defaults to WndProc).
    std::function<void(TMessage&)> WindowProc;
    LRESULT Perform(UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0);
    virtual void WndProc(TMessage& Message);
    // Calls the handler of the message number; DefaultHandler for numbers without one.
    virtual void Dispatch(TMessage& Message);
    virtual void DefaultHandler(TMessage& Message);

    // --- painting ---
    virtual void Invalidate();
    void InvalidateRect(const rtl::TRect& rect);   // client coordinates
    virtual void Update();
    virtual void Repaint();
    void Refresh() { Repaint(); }

    // --- mouse ---
    bool MouseCapture() const;
    void SetMouseCapture(bool value);
    bool MouseInClient() const { return FMouseInClient; }

    // --- z-order ---
    void BringToFront();
    void SendToBack();

    // The top-level window this control is drawn in, or nullptr.
    TWinControl* TopLevelWindow() const;
    // Position of the client area in the top-level window's image.
    rtl::TPoint ClientOriginInWindow() const;

    void Loaded() override;
    void Notification(rtl::TComponent* AComponent, rtl::TOperation Operation) override;

    // --- events ---
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TMouseWheelEvent OnMouseWheel;
    TMouseWheelUpDownEvent OnMouseWheelDown;
    TMouseWheelUpDownEvent OnMouseWheelUp;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TNotifyEvent OnResize;
    // Right-click (or the menu key): MousePos in client coordinates; Handled stops the pop-up menu.
    TContextPopupEvent OnContextPopup;

    // Shows a control's pop-up menu at a screen position; the menu unit installs it.
    // Returns true when a menu was shown.
    static std::function<bool(rtl::TComponent* menu, TControl* control, rtl::TPoint screenPos)> PopupMenuHandler;

protected:
    friend class TWinControl;
    friend class TControlCanvas;
    friend class TInputRouter;

    virtual void Click();
    virtual void DblClick();
    virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseMove(TShiftState Shift, int X, int Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual bool DoMouseWheel(TShiftState Shift, int WheelDelta, rtl::TPoint MousePos);
    virtual bool DoMouseWheelDown(TShiftState Shift, rtl::TPoint MousePos);
    virtual bool DoMouseWheelUp(TShiftState Shift, rtl::TPoint MousePos);
    virtual void Resize();
    virtual void Paint() {}
    virtual void Changed() {}
    virtual void VisibleChanging() {}
    virtual void FontChanged();
    // Bounds changed: realign the parent, invalidate, resize events.
    virtual void BoundsChanged(const rtl::TRect& oldBounds);
    void InvalidateControl(bool wasVisible);

    // Message handlers
    void WMMouse(TMessage& Message, TMouseButton button, bool down, bool dbl);
    void WMMouseMove(TMessage& Message);
    void WMMouseWheel(TMessage& Message);
    void WMContextMenu(TMessage& Message);
    void CMMouseEnter(TMessage& Message);
    void CMMouseLeave(TMessage& Message);

    TWinControl* FParent = nullptr;
    int FLeft = 0;
    int FTop = 0;
    int FWidth = 0;
    int FHeight = 0;
    TAlign FAlign = alNone;
    bool FVisible = true;
    bool FEnabled = true;
    gfx::TColor FColor = gfx::clWindow;
    bool FParentColor = false;
    std::unique_ptr<gfx::TFont> FFont;
    bool FParentFont = true;
    TCursor FCursor = crDefault;
    std::string FText;
    std::string FHint;
    bool FShowHint = false;
    bool FParentShowHint = true;
    rtl::TComponent* FPopupMenu = nullptr;
    TControlStyle FControlStyle = csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;
    TControlState FControlState = 0;
    bool FMouseInClient = false;
    bool FInFontChange = false;
};

// A control with a window handle: it has children, takes the keyboard focus, and
// paints itself into its top-level window's image.
class TWinControl : public TControl {
public:
    explicit TWinControl(rtl::TComponent* AOwner);
    ~TWinControl() override;
    std::string ClassName() const override { return "TWinControl"; }

    // --- handle ---
    // The handle is given out at construction, so messages can be posted to it at once.
    HWND Handle() const { return FHandle; }
    // True once the window has been created: at its first showing or by HandleNeeded.
    bool HandleAllocated() const { return FWindowCreated; }
    // Creates the window now when it is not yet: CreateWnd runs (WM_CREATE is sent).
    void HandleNeeded();
    // Destroys the window while the object is whole: WM_DESTROY goes to it, then to its
    // child windows, and DestroyWnd runs. A parent does this for each child window before
    // deleting it; delete a top-level window after calling it to have it see WM_DESTROY.
    void DestroyHandle();
    static TWinControl* FindControl(HWND handle);
    // Every window without a parent, in no particular order.
    static std::vector<TWinControl*> TopLevelWindows();

    // --- children (graphic and windowed), in z-order from the bottom ---
    int ControlCount() const { return static_cast<int>(FControls.size()); }
    TControl* Controls(int index) const;
    bool ContainsControl(const TControl* control) const;
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    // Scales the children, then the control itself.
    void ChangeScale(int M, int D) override;
    // Runs ChangeScale on each child.
    void ScaleChildren(int M, int D);
    // Gives the children that take this control's font its present font.
    void PassFontToChildren();
    // The child (or deeper descendant when AllLevels) at a point of the client area.
    TControl* ControlAtPos(const rtl::TPoint& pos, bool AllowDisabled, bool AllowWinControls = true,
                           bool AllLevels = false) const;

    // --- alignment ---
    void DisableAlign() { ++FAlignLevel; }
    void EnableAlign();
    void Realign();
    virtual void AlignControls(TControl* AControl, rtl::TRect& Rect);

    // --- client area and non-client parts (border, scroll bars) ---
    rtl::TRect ClientRect() const override;
    void SetClientWidth(int value) override;
    void SetClientHeight(int value) override;
    rtl::TPoint ClientOrigin() const override;
    // Space the non-client parts take on each side of the window.
    virtual rtl::TRect NonClientInsets() const;
    int BorderThickness() const { return FBorderThickness; }
    void SetBorderThickness(int value);

    // --- scroll bars (SetScrollInfo / GetScrollInfo act on these) ---
    TScrollBarState& ScrollBarState(int bar) { return FScrollBars[bar == SB_HORZ ? 0 : 1]; }
    const TScrollBarState& ScrollBarState(int bar) const { return FScrollBars[bar == SB_HORZ ? 0 : 1]; }
    // The scroll bar's rectangle in window coordinates (empty when not shown).
    rtl::TRect ScrollBarRect(int bar) const;

    // --- focus ---
    virtual bool CanFocus() const;
    bool Focused() const;
    virtual void SetFocus();
    int TabOrder() const;
    void SetTabOrder(int value);
    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool value) { FTabStop = value; }
    // Windowed descendants in tab order, depth first.
    void GetTabOrderList(std::vector<TWinControl*>& list) const;
    TWinControl* FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop,
                                 bool CheckParent) const;
    void SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop);

    bool Showing() const override;
    void SetVisible(bool value) override;
    void SetEnabled(bool value) override;
    void SetParent(TWinControl* AParent) override;
    void Invalidate() override;
    void Update() override;
    void Repaint() override;
    void Dispatch(TMessage& Message) override;
    void Loaded() override;

    // --- top-level window image ---
    bool IsTopLevel() const { return FParent == nullptr; }
    // The window's image (top-level windows that are showing); nullptr otherwise.
    _cairo_surface* Surface() const { return FSurface; }
    // Colour of a pixel of the window image (window coordinates); clNone outside it. When the
    // backend paints on demand, what is pending is painted first.
    gfx::TColor WindowPixel(int x, int y) const;
    // Pending update region of a top-level window (window coordinates).
    const gfx::TRegion& UpdateRegion() const { return FUpdateRegion; }
    // Paints what is pending now and hands the image to the backend.
    void PaintPending();
    bool HasPendingPaint() const { return !FUpdateRegion.IsEmpty() || FPresentPending; }
    // Someone drew on the image outside painting: show it at the next turn of the loop.
    void MarkPresentPending() { FPresentPending = true; }
    // Adds a window-coordinate rectangle of this top-level window to its update region.
    void InvalidateWindowRect(const rtl::TRect& rect);
    // The canvas of the WM_NCPAINT being handled (origin at the window's corner), or nullptr.
    gfx::TCanvas* NonClientCanvas() const { return FNonClientCanvas; }
    // True while this window or a parent has redraw switched off (WM_SETREDRAW 0).
    bool RedrawSuppressed() const;
    // The part of the window image that this control's client area covers and that is visible.
    rtl::TRect VisibleClientRectInWindow() const;

    // --- events ---
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TKeyPressEvent OnKeyPress;
    TKeyEvent OnKeyUp;

protected:
    friend class TCustomForm;
    friend class TInputRouter;
    friend class TControl;

    virtual void KeyDown(WORD& Key, TShiftState Shift);
    virtual void KeyPress(char32_t& Key);
    virtual void KeyUp(WORD& Key, TShiftState Shift);
    virtual bool DoKeyDown(TMessage& Message);
    virtual bool DoKeyPress(TMessage& Message);
    virtual bool DoKeyUp(TMessage& Message);
    virtual void DoEnter();
    virtual void DoExit();
    // Paints the client area: background, then PaintWindow, then the graphic children.
    virtual void PaintHandler(gfx::TRegion& region);
    virtual void PaintWindow() {}
    // Paints the border and the scroll bars (the default handling of WM_NCPAINT); the
    // canvas has its origin at the window's top-left corner.
    virtual void PaintNonClient(gfx::TCanvas& canvas);

    void PaintControls(const gfx::TRegion& region);
    void PaintTree(const gfx::TRegion& region);
    // The canvas painting uses (TCustomControl hands out its own Canvas).
    virtual TControlCanvas& PaintCanvas();
    void BoundsChanged(const rtl::TRect& oldBounds) override;
    virtual void ShowingChanged();
    virtual bool TopLevelMayShow() const;
    // Window creation and destruction steps of derived classes (timers, registrations).
    virtual void CreateWnd();
    virtual void DestroyWnd() {}
    void UpdateShowing();
    void CreateSurface();
    void DestroySurface();

    // Message handlers
    void WMKeyDown(TMessage& Message);
    void WMKeyUp(TMessage& Message);
    void WMChar(TMessage& Message);
    void WMSetFocus(TMessage& Message);
    void WMKillFocus(TMessage& Message);
    // Mouse on the scroll bars; true when the message was for them.
    bool ScrollBarMouse(TMessage& Message);

    std::vector<TControl*> FControls;   // z-order, bottom first
    std::vector<TWinControl*> FTabList; // windowed children in tab order
    HWND FHandle = 0;
    bool FTabStop = false;
    int FAlignLevel = 0;
    int FBorderThickness = 0;
    TScrollBarState FScrollBars[2];
    int FScrollTracking = -1;           // bar whose thumb is dragged, -1 none
    int FScrollGrabOffset = 0;
    int FScrollRepeatBar = -1;          // bar whose arrow or track is held down, -1 none
    int FScrollRepeatCode = 0;
    std::uintptr_t FScrollRepeatTimer = 0;
    void ScrollRepeatStep();
    void StopScrollRepeat();
    _cairo_surface* FSurface = nullptr; // top-level windows only
    gfx::TRegion FUpdateRegion;         // top-level windows only
    bool FShowingState = false;
    bool FWindowCreated = false;
    bool FWindowDestroyed = false;
    std::unique_ptr<TControlCanvas> FPaintCanvas;
    const gfx::TRegion* FPaintRegion = nullptr;  // while WM_PAINT is being handled
    bool FPresentPending = false;
    gfx::TCanvas* FNonClientCanvas = nullptr;    // while WM_NCPAINT is being handled
    bool FRedrawOff = false;                      // WM_SETREDRAW 0 received
};

// A windowed control that paints itself on its Canvas in Paint.
class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(rtl::TComponent* AOwner);
    std::string ClassName() const override { return "TCustomControl"; }
    TControlCanvas& Canvas();

protected:
    void PaintWindow() override;
    TControlCanvas& PaintCanvas() override;

private:
    std::unique_ptr<TControlCanvas> FCanvas;
};

// A control without a window: it paints on its parent's image inside its bounds.
class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(rtl::TComponent* AOwner);
    std::string ClassName() const override { return "TGraphicControl"; }
    TControlCanvas& Canvas();
    void Dispatch(TMessage& Message) override;

private:
    friend class TWinControl;
    std::unique_ptr<TControlCanvas> FCanvas;
};

// The form a control sits on, or nullptr.
TCustomForm* GetParentForm(const TControl* control);

// The control that has the keyboard focus, and the control that captures the mouse.
TWinControl* FocusedControl();
TControl* GetCaptureControl();
void SetCaptureControl(TControl* control);

// Handle-based calls of the window layer.
HWND GetFocus();
HWND SetFocus(HWND hwnd);
HWND GetCapture();
HWND SetCapture(HWND hwnd);
bool ReleaseCapture();
bool IsWindow(HWND hwnd);
bool IsWindowVisible(HWND hwnd);
bool IsWindowEnabled(HWND hwnd);
// Runs the hooks and the window procedure; from another thread, on the user-interface
// thread, waiting for the result (0 at once when the loop has ended). 0 for an unknown window.
LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// Queues the message (any thread); false for an unknown window. hwnd 0 posts to the thread.
bool PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
void PostQuitMessage(int exitCode);
bool InvalidateRect(HWND hwnd, const rtl::TRect* rect, bool erase);
bool UpdateWindow(HWND hwnd);
bool GetClientRect(HWND hwnd, rtl::TRect& rect);
bool GetWindowRect(HWND hwnd, rtl::TRect& rect);
bool ClientToScreen(HWND hwnd, rtl::TPoint& p);
bool ScreenToClient(HWND hwnd, rtl::TPoint& p);
HWND GetParent(HWND hwnd);

// Window placement and showing.
constexpr UINT SWP_NOSIZE = 0x0001;
constexpr UINT SWP_NOMOVE = 0x0002;
constexpr UINT SWP_NOZORDER = 0x0004;
constexpr UINT SWP_NOREDRAW = 0x0008;
constexpr UINT SWP_NOACTIVATE = 0x0010;
constexpr UINT SWP_SHOWWINDOW = 0x0040;
constexpr UINT SWP_HIDEWINDOW = 0x0080;
constexpr HWND HWND_TOP = 0;
constexpr HWND HWND_BOTTOM = 1;
constexpr HWND HWND_TOPMOST = -1;
constexpr HWND HWND_NOTOPMOST = -2;
constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_SHOWNOACTIVATE = 4;
constexpr int SW_SHOW = 5;
constexpr int SW_SHOWNA = 8;
// Moves and sizes a window (parent client coordinates; screen for top-level windows),
// changes its z-order among its siblings and shows or hides it, by the SWP_ flags.
bool SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
bool MoveWindow(HWND hwnd, int x, int y, int width, int height, bool repaint);
// Shows or hides a window; returns whether it was visible before. Forms shown with
// SW_SHOW become active; the NOACTIVATE kinds leave the active form as it is.
bool ShowWindow(HWND hwnd, int cmd);
// The deepest window showing at a screen point, among the program's top-level windows.
HWND WindowFromPoint(const rtl::TPoint& screenPoint);
// Scrolls the client area: the part scrolled (whole client when null) is repainted.
bool ScrollWindow(HWND hwnd, int dx, int dy, const rtl::TRect* scrollRect, const rtl::TRect* clipRect);
// The active form's handle (0 when none).
HWND GetActiveWindow();

}  // namespace ui
