// Painting: update regions, clipping of controls, graphic controls, z-order, alignment, borders.
#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "platform/ui/Keyboard.h"

namespace {

using namespace ui;
using uitest::TTestButton;
using uitest::TTestPanel;
using uitest::UiTest;

// A windowless control that fills its client area and counts its paints.
class TSwatch : public TGraphicControl {
public:
    explicit TSwatch(rtl::TComponent* owner) : TGraphicControl(owner) {}
    int Paints = 0;
    rtl::TRect LastClip;

protected:
    void Paint() override
    {
        ++Paints;
        LastClip = Canvas().ClipRect();
        Canvas().Brush().SetColor(Color());
        // Draws beyond its bounds on purpose: the canvas clip keeps it inside.
        Canvas().FillRect(rtl::Rect(-20, -20, Width() + 20, Height() + 20));
    }
};

class PaintTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        Form = NewForm(200, 150);
        Form->SetColor(gfx::clWhite);
        Form->Show();
        App->ProcessMessages();
    }
    TForm* Form = nullptr;
};

TEST_F(PaintTest, ShownFormPaintsItsBackgroundAndChildren)
{
    auto* button = new TTestButton(Form);
    button->SetParent(Form);
    button->SetBounds(10, 10, 50, 20);
    button->SetColor(gfx::clRed);
    App->ProcessMessages();
    EXPECT_EQ(Form->WindowPixel(5, 5), gfx::clWhite);
    EXPECT_EQ(Form->WindowPixel(10, 10), gfx::clRed);
    EXPECT_EQ(Form->WindowPixel(59, 29), gfx::clRed);
    EXPECT_EQ(Form->WindowPixel(60, 30), gfx::clWhite);  // right and bottom edges excluded
    // Moving the button repaints where it was.
    button->SetLeft(100);
    App->ProcessMessages();
    EXPECT_EQ(Form->WindowPixel(20, 15), gfx::clWhite);
    EXPECT_EQ(Form->WindowPixel(120, 15), gfx::clRed);
}

TEST_F(PaintTest, GraphicControlsPaintOnlyInsideTheirBoundsAndTheUpdateRegion)
{
    auto* swatch = new TSwatch(Form);
    swatch->SetParent(Form);
    swatch->SetBounds(20, 20, 40, 30);
    swatch->SetColor(gfx::clBlue);
    App->ProcessMessages();
    EXPECT_EQ(Form->WindowPixel(20, 20), gfx::clBlue);
    EXPECT_EQ(Form->WindowPixel(19, 19), gfx::clWhite);
    EXPECT_EQ(Form->WindowPixel(60, 50), gfx::clWhite);
    int before = swatch->Paints;
    // Nothing pending: no paint.
    App->ProcessMessages();
    EXPECT_EQ(swatch->Paints, before);
    // An invalidated part elsewhere does not repaint the swatch.
    Form->InvalidateRect(rtl::Rect(150, 100, 160, 110));
    App->ProcessMessages();
    EXPECT_EQ(swatch->Paints, before);
    // A part of it repaints with the clip narrowed to that part.
    swatch->InvalidateRect(rtl::Rect(5, 5, 10, 10));
    EXPECT_TRUE(Form->HasPendingPaint());
    swatch->Update();
    EXPECT_FALSE(Form->HasPendingPaint());
    EXPECT_EQ(swatch->Paints, before + 1);
    EXPECT_EQ(swatch->LastClip, rtl::Rect(5, 5, 10, 10));
}

TEST_F(PaintTest, ChildWindowsAreClippedToTheirParent)
{
    auto* panel = new TTestPanel(Form);
    panel->SetParent(Form);
    panel->SetBounds(10, 10, 50, 50);
    panel->SetColor(gfx::clYellow);
    auto* inner = new TTestButton(Form);
    inner->SetParent(panel);
    inner->SetBounds(30, 30, 100, 100);  // reaches past the panel
    inner->SetColor(gfx::clRed);
    App->ProcessMessages();
    EXPECT_EQ(Form->WindowPixel(45, 45), gfx::clRed);
    EXPECT_EQ(Form->WindowPixel(59, 59), gfx::clRed);
    EXPECT_EQ(Form->WindowPixel(60, 60), gfx::clWhite);
    EXPECT_EQ(Form->WindowPixel(15, 15), gfx::clYellow);
}

TEST_F(PaintTest, DrawingOnACanvasOutsidePaintingIsShownAtTheNextTurnOfTheLoop)
{
    auto* button = new TTestButton(Form);
    button->SetParent(Form);
    button->SetBounds(10, 10, 50, 20);
    App->ProcessMessages();
    int presents = Backend->PresentCount();
    button->Canvas().SetPixels(3, 4, gfx::clFuchsia);
    button->Canvas().SetPixels(60, 4, gfx::clFuchsia);  // outside the button: clipped
    App->ProcessMessages();
    EXPECT_EQ(Backend->PresentCount(), presents + 1);
    EXPECT_EQ(Form->WindowPixel(13, 14), gfx::clFuchsia);
    EXPECT_EQ(Form->WindowPixel(70, 14), gfx::clWhite);
}

TEST_F(PaintTest, ChildrenFollowTheParentsFontAndColourUntilGivenTheirOwn)
{
    auto* panel = new TTestPanel(Form);
    panel->SetParent(Form);
    panel->SetParentColor(true);
    auto* inner = new TTestButton(Form);
    inner->SetParent(panel);
    inner->SetParentColor(true);
    auto* own = new TTestButton(Form);
    own->SetParent(panel);
    own->Font().SetSize(14);
    Form->Font().SetName("Arial");
    Form->Font().SetSize(10);
    EXPECT_EQ(panel->Font().Name(), "Arial");
    EXPECT_EQ(inner->Font().Size(), 10);
    EXPECT_EQ(own->Font().Size(), 14);
    EXPECT_FALSE(own->ParentFont());
    Form->SetColor(gfx::clYellow);
    EXPECT_EQ(panel->Color(), gfx::clYellow);
    EXPECT_EQ(inner->Color(), gfx::clYellow);
    EXPECT_NE(own->Color(), gfx::clYellow);
}

TEST_F(PaintTest, PopUpWindowsArePlacedAndShownThroughTheirHandles)
{
    auto* main = Form;
    auto* popup = new TTestButton(App.get());  // a window without a parent: its own top-level window
    popup->SetVisible(false);
    popup->SetColor(gfx::clAqua);
    SetWindowPos(popup->Handle(), HWND_TOP, 500, 400, 120, 60, SWP_SHOWWINDOW | SWP_NOACTIVATE);
    EXPECT_TRUE(popup->Showing());
    EXPECT_EQ(popup->BoundsRect(), rtl::Bounds(500, 400, 120, 60));
    EXPECT_EQ(App->ActiveForm(), main);  // a pop-up does not take the activation
    EXPECT_NE(std::find(Backend->ShownWindows().begin(), Backend->ShownWindows().end(), popup),
              Backend->ShownWindows().end());
    App->ProcessMessages();
    EXPECT_EQ(popup->WindowPixel(60, 30), gfx::clAqua);
    EXPECT_EQ(WindowFromPoint({560, 430}), popup->Handle());
    EXPECT_EQ(WindowFromPoint({main->Left() + 5, main->Top() + 5}), main->Handle());
    EXPECT_EQ(GetActiveWindow(), main->Handle());
    EXPECT_TRUE(ShowWindow(popup->Handle(), SW_HIDE));
    EXPECT_FALSE(popup->Showing());
    EXPECT_EQ(WindowFromPoint({560, 430}), 0);
}

TEST_F(PaintTest, RedrawSwitchedOffDropsInvalidationsUntilSwitchedOn)
{
    auto* button = new TTestButton(Form);
    button->SetParent(Form);
    button->SetBounds(10, 10, 50, 20);
    App->ProcessMessages();
    SendMessage(button->Handle(), WM_SETREDRAW, 0, 0);
    button->SetColor(gfx::clGreen);
    EXPECT_FALSE(Form->HasPendingPaint());
    SendMessage(button->Handle(), WM_SETREDRAW, 1, 0);
    button->Invalidate();
    App->ProcessMessages();
    EXPECT_EQ(Form->WindowPixel(20, 20), gfx::clGreen);
}

TEST_F(PaintTest, AWindowCanPaintItsOwnBorderThroughWmNcPaint)
{
    auto* box = new TTestButton(Form);
    box->SetParent(Form);
    box->SetBounds(10, 10, 60, 40);
    box->SetBorderThickness(1);
    auto original = box->WindowProc;
    box->WindowProc = [box, original](TMessage& m) {
        if (m.Msg == WM_NCPAINT) {
            original(m);  // the platform border first
            gfx::TCanvas* c = box->NonClientCanvas();
            c->Pen().SetColor(gfx::clRed);
            c->MoveTo(0, 0);
            c->LineTo(box->Width(), 0);
            return;
        }
        original(m);
    };
    App->ProcessMessages();
    EXPECT_EQ(Form->WindowPixel(30, 10), gfx::clRed);                        // top edge: ours
    EXPECT_EQ(Form->WindowPixel(10, 30), gfx::ColorToRGB(gfx::clWindowFrame));  // left edge: the platform's
    box->WindowProc = original;
}

TEST_F(PaintTest, TheCursorShapeComesFromTheControlOrItsParents)
{
    auto* panel = new TTestPanel(Form);
    panel->SetParent(Form);
    panel->SetBounds(0, 0, 100, 100);
    panel->SetCursor(crHandPoint);
    auto* inner = new TTestButton(Form);
    inner->SetParent(panel);
    inner->SetBounds(10, 10, 20, 20);
    THeadlessBackend::MouseMove(inner, 5, 5);
    EXPECT_EQ(Backend->CursorShape(), crHandPoint);
    inner->SetCursor(crIBeam);
    THeadlessBackend::MouseMove(inner, 6, 6);
    EXPECT_EQ(Backend->CursorShape(), crIBeam);
    THeadlessBackend::MouseMove(Form, 150, 120);
    EXPECT_EQ(Backend->CursorShape(), crArrow);
    // The screen's cursor overrides them all while set.
    Screen().SetCursor(crHourGlass);
    EXPECT_EQ(Backend->CursorShape(), crHourGlass);
    THeadlessBackend::MouseMove(inner, 6, 6);
    EXPECT_EQ(Backend->CursorShape(), crHourGlass);
    Screen().SetCursor(crDefault);
    EXPECT_EQ(Backend->CursorShape(), crIBeam);
    EXPECT_EQ(Screen().Width(), 1280);
    EXPECT_EQ(Screen().ActiveForm(), Form);
    EXPECT_EQ(Screen().FormCount(), 1);
    unsigned lines = 0;
    EXPECT_TRUE(SystemParametersInfo(SPI_GETWHEELSCROLLLINES, 0, &lines, 0));
    EXPECT_EQ(lines, 3u);
}

TEST_F(PaintTest, ZOrderDecidesWhichSiblingIsOnTopAndReceivesTheMouse)
{
    auto* a = new TTestButton(Form);
    a->SetParent(Form);
    a->SetBounds(10, 10, 60, 60);
    a->SetColor(gfx::clRed);
    auto* b = new TTestButton(Form);
    b->SetParent(Form);
    b->SetBounds(40, 40, 60, 60);
    b->SetColor(gfx::clBlue);
    App->ProcessMessages();
    EXPECT_EQ(Form->WindowPixel(50, 50), gfx::clBlue);
    a->BringToFront();
    App->ProcessMessages();
    EXPECT_EQ(Form->WindowPixel(50, 50), gfx::clRed);
    THeadlessBackend::Click(Form, 50, 50);
    EXPECT_EQ(a->Clicks, 1);
    EXPECT_EQ(b->Clicks, 0);
    a->SendToBack();
    App->ProcessMessages();
    EXPECT_EQ(Form->WindowPixel(50, 50), gfx::clBlue);
}

TEST_F(PaintTest, AlignedControlsShareTheClientArea)
{
    auto* top = new TTestPanel(Form);
    top->SetParent(Form);
    top->SetHeight(30);
    top->SetAlign(alTop);
    auto* left = new TTestPanel(Form);
    left->SetParent(Form);
    left->SetWidth(40);
    left->SetAlign(alLeft);
    auto* bottom = new TTestPanel(Form);
    bottom->SetParent(Form);
    bottom->SetHeight(20);
    bottom->SetAlign(alBottom);
    auto* client = new TTestPanel(Form);
    client->SetParent(Form);
    client->SetAlign(alClient);
    EXPECT_EQ(top->BoundsRect(), rtl::Rect(0, 0, 200, 30));
    EXPECT_EQ(bottom->BoundsRect(), rtl::Rect(0, 130, 200, 150));
    EXPECT_EQ(left->BoundsRect(), rtl::Rect(0, 30, 40, 130));
    EXPECT_EQ(client->BoundsRect(), rtl::Rect(40, 30, 200, 130));
    Form->SetClientWidth(300);
    EXPECT_EQ(client->BoundsRect(), rtl::Rect(40, 30, 300, 130));
    top->SetVisible(false);
    EXPECT_EQ(left->BoundsRect(), rtl::Rect(0, 0, 40, 130));
}

TEST_F(PaintTest, BorderAndScrollBarTakeTheirPlaceOutsideTheClientArea)
{
    auto* box = new TTestButton(Form);
    box->SetParent(Form);
    box->SetBounds(10, 10, 100, 80);
    box->SetColor(gfx::clWhite);
    box->SetBorderThickness(2);
    SCROLLINFO info;
    info.fMask = SIF_RANGE | SIF_PAGE;
    info.nMax = 9;
    info.nPage = 5;
    SetScrollInfo(box->Handle(), SB_VERT, info, true);
    EXPECT_EQ(box->ClientRect(), rtl::Rect(0, 0, 100 - 4 - 17, 80 - 4));
    EXPECT_EQ(box->ClientOrigin(), (rtl::TPoint{Form->Left() + 12, Form->Top() + 12}));
    App->ProcessMessages();
    EXPECT_EQ(Form->WindowPixel(10, 10), gfx::ColorToRGB(gfx::clBtnShadow));
    EXPECT_EQ(Form->WindowPixel(109, 89), gfx::ColorToRGB(gfx::clBtnHighlight));
    EXPECT_EQ(Form->WindowPixel(12 + 40, 12 + 40), gfx::clWhite);
    EXPECT_EQ(Form->WindowPixel(93, 14), gfx::ColorToRGB(gfx::clBtnFace));  // the up arrow button
    EXPECT_EQ(Form->WindowPixel(99, 20), gfx::ColorToRGB(gfx::clBtnText));  // its arrow
    // A range that fits the page hides the bar again.
    info.nPage = 10;
    SetScrollInfo(box->Handle(), SB_VERT, info, true);
    EXPECT_EQ(box->ClientWidth(), 96);
}

// With a backend that paints on demand (nobody looks at the windows) neither the message loop
// nor Update paints; reading a pixel paints what is pending, as an eager paint would have.
TEST_F(PaintTest, OnDemandWindowsPaintWhenTheirPixelsAreRead)
{
    Backend->SetPaintOnDemand(true);
    auto* swatch = new TSwatch(Form);
    swatch->SetParent(Form);
    swatch->SetBounds(20, 20, 40, 30);
    swatch->SetColor(gfx::clBlue);
    App->ProcessMessages();
    swatch->Repaint();
    Form->Repaint();
    EXPECT_EQ(swatch->Paints, 0);
    EXPECT_TRUE(Form->HasPendingPaint());
    EXPECT_EQ(Form->WindowPixel(20, 20), gfx::clBlue);
    EXPECT_EQ(Form->WindowPixel(19, 19), gfx::clWhite);
    EXPECT_EQ(swatch->Paints, 1);
    EXPECT_FALSE(Form->HasPendingPaint());
    // Moved, it leaves the form's colour where it was once the pixels are read again.
    swatch->SetLeft(100);
    App->ProcessMessages();
    EXPECT_EQ(swatch->Paints, 1);
    EXPECT_EQ(Form->WindowPixel(30, 30), gfx::clWhite);
    EXPECT_EQ(Form->WindowPixel(100, 20), gfx::clBlue);
    EXPECT_EQ(swatch->Paints, 2);
}

}  // namespace

namespace {

using namespace ui;

// Records window creation and destruction into a shared log.
class TLifeProbe : public TCustomControl {
public:
    TLifeProbe(rtl::TComponent* owner, std::vector<std::string>& log) : TCustomControl(owner), Log(log) {}
    std::vector<std::string>& Log;

protected:
    void WndProc(TMessage& m) override
    {
        if (m.Msg == WM_CREATE) Log.push_back("create " + Name());
        if (m.Msg == WM_DESTROY) Log.push_back("destroy " + Name());
        TCustomControl::WndProc(m);
    }
};

using LifeTest = uitest::UiTest;

TEST_F(LifeTest, WindowsAreCreatedWhenFirstShownAndSeeWmDestroyBeforeTheyGo)
{
    std::vector<std::string> log;
    auto* form = NewForm();
    auto* outer = new TLifeProbe(form, log);
    outer->SetName("Outer");
    outer->SetParent(form);
    auto* inner = new TLifeProbe(form, log);
    inner->SetName("Inner");
    inner->SetParent(outer);
    EXPECT_TRUE(log.empty());
    EXPECT_FALSE(inner->HandleAllocated());
    form->Show();
    EXPECT_EQ(log, (std::vector<std::string>{"create Outer", "create Inner"}));
    EXPECT_TRUE(inner->HandleAllocated());
    log.clear();
    form->Release();
    App->ProcessMessages();
    EXPECT_EQ(log, (std::vector<std::string>{"destroy Outer", "destroy Inner"}));
}

}  // namespace
