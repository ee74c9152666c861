// The speed button: painting of face, glyph and caption, press tracking and grouped down state.
#include "platform/ui/Buttons.h"

#include "platform/gfx/FrameControls.h"

namespace ui {

TSpeedButton::TSpeedButton(rtl::TComponent* AOwner) : TGraphicControl(AOwner), FGlyph(std::make_unique<gfx::TBitmap>())
{
    SetBounds(0, 0, 23, 22);
    FControlStyle &= ~static_cast<unsigned>(csDoubleClicks);
}

TSpeedButton::~TSpeedButton() = default;

void TSpeedButton::SetDown(bool value)
{
    if (FGroupIndex == 0) value = false;
    if (value == FDown) return;
    if (!value && !FAllowAllUp) {
        // The down button of a group comes up only when another goes down or all may be up.
        bool otherDown = false;
        if (FParent != nullptr) {
            for (int i = 0; i < FParent->ControlCount(); ++i) {
                auto* b = dynamic_cast<TSpeedButton*>(FParent->Controls(i));
                if (b != nullptr && b != this && b->FGroupIndex == FGroupIndex && b->FDown) otherDown = true;
            }
        }
        if (!otherDown && !HasState(rtl::csLoading)) return;
    }
    FDown = value;
    if (value && FParent != nullptr) {
        for (int i = 0; i < FParent->ControlCount(); ++i) {
            auto* b = dynamic_cast<TSpeedButton*>(FParent->Controls(i));
            if (b != nullptr && b != this && b->FGroupIndex == FGroupIndex && b->FDown) {
                b->FDown = false;
                b->Invalidate();
            }
        }
    }
    Invalidate();
}

void TSpeedButton::Click()
{
    if (FGroupIndex != 0) {
        if (!FDown) SetDown(true);
        else if (FAllowAllUp) {
            FDown = false;
            Invalidate();
        }
    }
    TGraphicControl::Click();
}

void TSpeedButton::Paint()
{
    gfx::TCanvas& c = Canvas();
    rtl::TRect r = ClientRect();
    bool sunk = FPressed || FDown;
    c.Brush().SetStyle(gfx::bsSolid);
    c.Brush().SetColor(Color());
    c.FillRect(r);
    if (!FFlat || sunk || MouseInClient()) {
        rtl::TRect edge = r;
        if (FFlat) gfx::DrawEdge(c, edge, sunk ? gfx::BDR_SUNKENOUTER : gfx::BDR_RAISEDINNER, gfx::BF_RECT);
        else gfx::DrawEdge(c, edge, sunk ? gfx::EDGE_SUNKEN : gfx::EDGE_RAISED, gfx::BF_RECT);
    }
    int offset = sunk ? 1 : 0;
    int glyphW = 0;
    if (!FGlyph->Empty()) {
        glyphW = FGlyph->Width() / FNumGlyphs;
        int glyphH = FGlyph->Height();
        int index = (!Enabled() && FNumGlyphs > 1) ? 1 : (sunk && FNumGlyphs > 2) ? 2 : 0;
        int textW = Caption().empty() ? 0 : c.TextWidth(Caption()) + 4;
        int x = (r.Width() - glyphW - textW) / 2 + offset;
        int y = (r.Height() - glyphH) / 2 + offset;
        gfx::TBitmap part;
        part.SetWidth(glyphW);
        part.SetHeight(glyphH);
        part.Canvas().CopyRect(rtl::Rect(0, 0, glyphW, glyphH), FGlyph->Canvas(),
                               rtl::Bounds(index * glyphW, 0, glyphW, glyphH));
        part.SetTransparent(true);
        c.Draw(x, y, part);
        glyphW += 4;
    }
    if (!Caption().empty()) {
        c.Font().Assign(&Font());
        rtl::TRect text = r;
        int textW = c.TextWidth(Caption());
        text.Left = (r.Width() - glyphW - textW) / 2 + glyphW + offset;
        text.Right = text.Left + textW + 1;
        rtl::OffsetRect(text, 0, offset);
        DrawControlText(c, Caption(), text, gfx::DT_SINGLELINE | gfx::DT_VCENTER | gfx::DT_LEFT, Enabled(),
                        Font().Color());
    }
}

void TSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft && Enabled()) {
        FMouseDown = true;
        FPressed = true;
        Invalidate();
    }
    TGraphicControl::MouseDown(Button, Shift, X, Y);
}

void TSpeedButton::MouseMove(TShiftState Shift, int X, int Y)
{
    if (FMouseDown) {
        bool inside = rtl::PtInRect(ClientRect(), {X, Y});
        if (inside != FPressed) {
            FPressed = inside;
            Invalidate();
        }
    }
    TGraphicControl::MouseMove(Shift, X, Y);
}

void TSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft) {
        FMouseDown = false;
        FPressed = false;
        Invalidate();
    }
    TGraphicControl::MouseUp(Button, Shift, X, Y);
}

void TSpeedButton::Dispatch(TMessage& Message)
{
    TGraphicControl::Dispatch(Message);
    if (Message.Msg == CM_MOUSEENTER || Message.Msg == CM_MOUSELEAVE) {
        if (FFlat) Invalidate();
    }
}

}  // namespace ui
