// Painting: update regions of top-level windows, the paint walk over the control tree,
// the window image, borders and scroll bars, and the canvases of controls.
#include <cairo.h>

#include <algorithm>

#include "platform/ui/Caret.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/ScrollBarGeometry.h"
#include "platform/ui/WindowOverlays.h"

namespace ui {

// --- TControlCanvas ---

void TControlCanvas::Refresh(bool force)
{
    if (FPainting) return;
    if (TWinControl* top = FControl->TopLevelWindow(); top != nullptr && top->Surface() != nullptr)
        top->MarkPresentPending();
    Bind(force);
}

void TControlCanvas::Bind(bool force)
{
    TWinControl* top = FControl->TopLevelWindow();
    _cairo_surface* surface = top != nullptr ? top->Surface() : nullptr;
    if (surface != FBoundSurface) {
        if (surface != nullptr) {
            Attach(surface);
        } else {
            Detach();
        }
        FBoundSurface = surface;
        force = true;
    }
    if (surface == nullptr) return;
    rtl::TPoint origin = FControl->ClientOriginInWindow();
    if (!force && origin == FBoundOrigin) return;
    FBoundOrigin = origin;
    SetOrigin(origin.X, origin.Y);
    rtl::TRect visible;
    if (auto* win = dynamic_cast<TWinControl*>(FControl)) {
        visible = win->VisibleClientRectInWindow();
    } else if (FControl->Parent() != nullptr) {
        rtl::TRect own = rtl::Bounds(origin.X, origin.Y, FControl->Width(), FControl->Height());
        rtl::IntersectRect(visible, own, FControl->Parent()->VisibleClientRectInWindow());
    }
    rtl::OffsetRect(visible, -origin.X, -origin.Y);
    SetClipRect(visible);
}

void TControlCanvas::BeginPaint(const gfx::TRegion& region)
{
    Bind(true);
    FPainting = true;
    gfx::TRegion logical = region;
    rtl::TPoint origin = FControl->ClientOriginInWindow();
    logical.Offset(-origin.X, -origin.Y);
    IntersectClipRect(logical.Bounds());
    if (logical.Rects().size() > 1) {
        gfx::TRegion clip = ClipRegion();
        clip.Offset(-origin.X, -origin.Y);
        clip.Intersect(logical);
        SetClipRegion(clip);
    }
}

void TControlCanvas::EndPaint()
{
    FPainting = false;
    Bind(true);
}

// --- TWinControl painting ---

namespace {

// Painting waits until a window's pixels are read (nobody looks at the windows).
bool PaintOnDemand()
{
    TApplication* app = Application();
    return app != nullptr && app->HasBackend() && app->Backend().PaintsOnDemand();
}

}  // namespace

rtl::TRect TWinControl::VisibleClientRectInWindow() const
{
    rtl::TPoint o = ClientOriginInWindow();
    // The window's own client area, not a narrower one a control reports for its own
    // layout (a grid leaves out its search footer): child windows show in all of it.
    const rtl::TRect own = TWinControl::ClientRect();
    rtl::TRect r = rtl::Bounds(o.X, o.Y, own.Width(), own.Height());
    if (FParent == nullptr) return r;
    rtl::TRect clipped;
    rtl::IntersectRect(clipped, r, FParent->VisibleClientRectInWindow());
    return clipped;
}

void TWinControl::Invalidate()
{
    if (!Showing() || RedrawSuppressed()) return;
    TWinControl* top = TopLevelWindow();
    if (top == nullptr || top->Surface() == nullptr) return;
    rtl::TRect in = NonClientInsets();
    rtl::TPoint o = ClientOriginInWindow();
    rtl::TRect r = rtl::Bounds(o.X - in.Left, o.Y - in.Top, FWidth, FHeight);
    if (FParent != nullptr) {
        rtl::TRect clipped;
        if (!rtl::IntersectRect(clipped, r, FParent->VisibleClientRectInWindow())) return;
        r = clipped;
    }
    top->InvalidateWindowRect(r);
}

bool TWinControl::RedrawSuppressed() const
{
    for (const TWinControl* c = this; c != nullptr; c = c->FParent) {
        if (c->FRedrawOff) return true;
    }
    return false;
}

void TWinControl::InvalidateWindowRect(const rtl::TRect& rect)
{
    if (FSurface == nullptr || rtl::IsRectEmpty(rect)) return;
    rtl::TRect clipped;
    if (rtl::IntersectRect(clipped, rect, rtl::Rect(0, 0, FWidth, FHeight))) FUpdateRegion.Union(clipped);
}

void TWinControl::Update()
{
    if (PaintOnDemand()) return;
    if (TWinControl* top = TopLevelWindow()) top->PaintPending();
}

void TWinControl::Repaint()
{
    Invalidate();
    Update();
}

void TWinControl::PaintPending()
{
    if (FSurface != nullptr && FPresentPending && FUpdateRegion.IsEmpty()) {
        FPresentPending = false;
        cairo_surface_flush(FSurface);
        if (TApplication* app = Application(); app != nullptr && app->HasBackend())
            app->Backend().Present(this, rtl::Rect(0, 0, FWidth, FHeight));
        return;
    }
    FPresentPending = false;
    if (FSurface == nullptr || FUpdateRegion.IsEmpty()) return;
    gfx::TRegion region = FUpdateRegion;
    FUpdateRegion.Clear();
    CaretBeforePaint(this);
    PaintTree(region);
    PaintWindowOverlays(*this, region);
    CaretAfterPaint(this);
    cairo_surface_flush(FSurface);
    if (TApplication* app = Application(); app != nullptr && app->HasBackend())
        app->Backend().Present(this, region.Bounds());
}

void TWinControl::PaintTree(const gfx::TRegion& region)
{
    if (!Showing()) return;
    rtl::TRect in = NonClientInsets();
    rtl::TPoint o = ClientOriginInWindow();
    rtl::TRect window = rtl::Bounds(o.X - in.Left, o.Y - in.Top, FWidth, FHeight);
    if (FParent != nullptr) {
        rtl::TRect clipped;
        if (!rtl::IntersectRect(clipped, window, FParent->VisibleClientRectInWindow())) return;
        window = clipped;
    }
    gfx::TRegion whole = region;
    whole.Intersect(window);
    if (whole.IsEmpty()) return;
    if (in.Left != 0 || in.Top != 0 || in.Right != 0 || in.Bottom != 0) {
        TControlCanvas& canvas = PaintCanvas();
        canvas.BeginPaint(whole);
        int level = canvas.SaveState();
        canvas.ResetClip();
        canvas.SetOrigin(o.X - in.Left, o.Y - in.Top);
        gfx::TRegion nc = whole;
        nc.Subtract(VisibleClientRectInWindow());
        nc.Offset(-(o.X - in.Left), -(o.Y - in.Top));
        if (!nc.IsEmpty()) {
            canvas.SetClipRegion(nc);
            // Through the window procedure, so that a window can paint its own border.
            FNonClientCanvas = &canvas;
            try {
                Perform(WM_NCPAINT, 0, 0);
            } catch (...) {
                FNonClientCanvas = nullptr;
                throw;
            }
            FNonClientCanvas = nullptr;
        }
        canvas.RestoreState(level);
        canvas.EndPaint();
    }
    gfx::TRegion client = region;
    client.Intersect(VisibleClientRectInWindow());
    if (!client.IsEmpty()) {
        FPaintRegion = &client;
        try {
            Perform(WM_PAINT, 0, 0);
        } catch (...) {
            FPaintRegion = nullptr;
            throw;
        }
        FPaintRegion = nullptr;
    }
    for (TControl* c : std::vector<TControl*>(FControls)) {
        if (auto* win = dynamic_cast<TWinControl*>(c)) win->PaintTree(region);
    }
}

TControlCanvas& TWinControl::PaintCanvas()
{
    if (!FPaintCanvas) FPaintCanvas = std::make_unique<TControlCanvas>(this);
    return *FPaintCanvas;
}

void TWinControl::PaintHandler(gfx::TRegion& region)
{
    TControlCanvas& canvas = PaintCanvas();
    canvas.BeginPaint(region);
    if (!(FControlStyle & csOpaque)) {
        canvas.Brush().SetColor(FColor);
        canvas.Brush().SetStyle(gfx::bsSolid);
        canvas.FillRect(ClientRect());
    }
    try {
        PaintWindow();
    } catch (...) {
        canvas.EndPaint();
        throw;
    }
    canvas.EndPaint();
    PaintControls(region);
}

void TWinControl::PaintControls(const gfx::TRegion& region)
{
    rtl::TPoint o = ClientOriginInWindow();
    for (TControl* c : std::vector<TControl*>(FControls)) {
        auto* g = dynamic_cast<TGraphicControl*>(c);
        if (g == nullptr || !g->Visible()) continue;
        rtl::TRect r = g->BoundsRect();
        rtl::OffsetRect(r, o.X, o.Y);
        gfx::TRegion part = region;
        part.Intersect(r);
        if (part.IsEmpty()) continue;
        if (!g->FCanvas) g->FCanvas = std::make_unique<TControlCanvas>(g);
        TControlCanvas& canvas = *g->FCanvas;
        canvas.BeginPaint(part);
        try {
            g->Perform(WM_PAINT, 0, 0);
        } catch (...) {
            canvas.EndPaint();
            throw;
        }
        canvas.EndPaint();
    }
}

namespace {

void DrawArrow(gfx::TCanvas& canvas, const rtl::TRect& r, int direction, bool enabled)
{
    // direction: 0 up, 1 down, 2 left, 3 right; a small filled triangle in the button's centre.
    int cx = (r.Left + r.Right) / 2;
    int cy = (r.Top + r.Bottom) / 2;
    canvas.Pen().SetColor(enabled ? gfx::clBtnText : gfx::clGrayText);
    for (int i = 0; i < 4; ++i) {
        switch (direction) {
        case 0: canvas.MoveTo(cx - i, cy - 2 + i); canvas.LineTo(cx + i + 1, cy - 2 + i); break;
        case 1: canvas.MoveTo(cx - i, cy + 1 - i); canvas.LineTo(cx + i + 1, cy + 1 - i); break;
        case 2: canvas.MoveTo(cx - 2 + i, cy - i); canvas.LineTo(cx - 2 + i, cy + i + 1); break;
        default: canvas.MoveTo(cx + 1 - i, cy - i); canvas.LineTo(cx + 1 - i, cy + i + 1); break;
        }
    }
}

void DrawButtonFace(gfx::TCanvas& canvas, const rtl::TRect& r)
{
    canvas.Brush().SetColor(gfx::clBtnFace);
    canvas.FillRect(r);
    canvas.Pen().SetColor(gfx::clBtnHighlight);
    canvas.MoveTo(r.Left, r.Bottom - 1);
    canvas.LineTo(r.Left, r.Top);
    canvas.LineTo(r.Right, r.Top);
    canvas.Pen().SetColor(gfx::cl3DDkShadow);
    canvas.MoveTo(r.Left, r.Bottom - 1);
    canvas.LineTo(r.Right - 1, r.Bottom - 1);
    canvas.LineTo(r.Right - 1, r.Top - 1);
}

}  // namespace

void TWinControl::PaintNonClient(gfx::TCanvas& canvas)
{
    canvas.Pen().SetStyle(gfx::psSolid);
    canvas.Pen().SetWidth(1);
    canvas.Brush().SetStyle(gfx::bsSolid);
    if (FBorderThickness == 1) {
        canvas.Brush().SetColor(gfx::clWindowFrame);
        canvas.FrameRect(rtl::Rect(0, 0, FWidth, FHeight));
    } else if (FBorderThickness >= 2) {
        // Sunken edge: shadow and dark shadow above and left, highlight and light below and right.
        canvas.Pen().SetColor(gfx::clBtnShadow);
        canvas.MoveTo(0, FHeight - 1);
        canvas.LineTo(0, 0);
        canvas.LineTo(FWidth, 0);
        canvas.Pen().SetColor(gfx::clBtnHighlight);
        canvas.MoveTo(0, FHeight - 1);
        canvas.LineTo(FWidth - 1, FHeight - 1);
        canvas.LineTo(FWidth - 1, -1);
        canvas.Pen().SetColor(gfx::cl3DDkShadow);
        canvas.MoveTo(1, FHeight - 2);
        canvas.LineTo(1, 1);
        canvas.LineTo(FWidth - 1, 1);
        canvas.Pen().SetColor(gfx::cl3DLight);
        canvas.MoveTo(1, FHeight - 2);
        canvas.LineTo(FWidth - 2, FHeight - 2);
        canvas.LineTo(FWidth - 2, 0);
    }
    for (int bar : {SB_VERT, SB_HORZ}) {
        const TScrollBarState& s = ScrollBarState(bar);
        if (!s.Shown) continue;
        TScrollBarGeometry g =
            ComputeScrollBarGeometry(ScrollBarRect(bar), bar == SB_VERT, s, s.Tracking ? s.TrackPos : s.Pos);
        canvas.Brush().SetColor(gfx::clScrollBar);
        canvas.FillRect(g.Bar);
        bool enabled = !rtl::IsRectEmpty(g.Thumb);
        DrawButtonFace(canvas, g.FirstArrow);
        DrawArrow(canvas, g.FirstArrow, bar == SB_VERT ? 0 : 2, enabled);
        DrawButtonFace(canvas, g.LastArrow);
        DrawArrow(canvas, g.LastArrow, bar == SB_VERT ? 1 : 3, enabled);
        if (enabled) DrawButtonFace(canvas, g.Thumb);
    }
    if (FScrollBars[0].Shown && FScrollBars[1].Shown) {
        rtl::TRect v = ScrollBarRect(SB_VERT);
        canvas.Brush().SetColor(gfx::clBtnFace);
        canvas.FillRect(rtl::Rect(v.Left, v.Bottom, v.Right, v.Bottom + 17));
    }
}

void TWinControl::CreateSurface()
{
    DestroySurface();
    FSurface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, std::max(1, FWidth), std::max(1, FHeight));
    FUpdateRegion.Clear();
    InvalidateWindowRect(rtl::Rect(0, 0, FWidth, FHeight));
}

void TWinControl::DestroySurface()
{
    if (FSurface == nullptr) return;
    CaretSurfaceGone(this);
    cairo_surface_destroy(FSurface);
    FSurface = nullptr;
    FUpdateRegion.Clear();
}

gfx::TColor TWinControl::WindowPixel(int x, int y) const
{
    if (FSurface == nullptr || x < 0 || y < 0 || x >= cairo_image_surface_get_width(FSurface) ||
        y >= cairo_image_surface_get_height(FSurface))
        return gfx::clNone;
    // The image is a cache of what the controls paint: filling it in changes nothing else.
    if (PaintOnDemand() && HasPendingPaint()) const_cast<TWinControl*>(this)->PaintPending();
    cairo_surface_flush(FSurface);
    const unsigned char* data = cairo_image_surface_get_data(FSurface);
    int stride = cairo_image_surface_get_stride(FSurface);
    std::uint32_t argb = *reinterpret_cast<const std::uint32_t*>(data + y * stride + x * 4);
    return gfx::RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
}

// --- TCustomControl and TGraphicControl ---

TCustomControl::TCustomControl(rtl::TComponent* AOwner) : TWinControl(AOwner) {}

TControlCanvas& TCustomControl::Canvas()
{
    if (!FCanvas) FCanvas = std::make_unique<TControlCanvas>(this);
    FCanvas->Refresh();
    return *FCanvas;
}

TControlCanvas& TCustomControl::PaintCanvas()
{
    if (!FCanvas) FCanvas = std::make_unique<TControlCanvas>(this);
    return *FCanvas;
}

void TCustomControl::PaintWindow()
{
    Canvas().Lock();
    try {
        Canvas().Font().Assign(&Font());
        Canvas().Brush().SetColor(Color());
        Paint();
    } catch (...) {
        Canvas().Unlock();
        throw;
    }
    Canvas().Unlock();
}

TGraphicControl::TGraphicControl(rtl::TComponent* AOwner) : TControl(AOwner)
{
    FColor = gfx::clBtnFace;
}

TControlCanvas& TGraphicControl::Canvas()
{
    if (!FCanvas) FCanvas = std::make_unique<TControlCanvas>(this);
    FCanvas->Refresh();
    return *FCanvas;
}

void TGraphicControl::Dispatch(TMessage& Message)
{
    if (Message.Msg == WM_PAINT) {
        Canvas().Font().Assign(&Font());
        Canvas().Brush().SetColor(Color());
        Paint();
        return;
    }
    TControl::Dispatch(Message);
}

}  // namespace ui
