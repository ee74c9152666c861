// The search footer's panel and its search text field: child controls, layout, events and painting.
#include "grid/core/SearchPanel.h"

#include "grid/core/ExtGrid.h"
#include "grid/core/GridButton.h"
#include "grid/core/GridCheckBox.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/Resources.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/StdCtrlsButtons.h"

namespace grid {

void LoadGlyphResource(gfx::TBitmap& Bitmap, const std::string& Name)
{
    const gfx::TResource r = gfx::FindResource(Name, "glyphs");
    if (!r.Found()) throw rtl::Exception("Resource " + Name + " not found");
    Bitmap.LoadFromBytes(r.Data, r.Size);
}

// --- TRetEdit

TRetEdit::TRetEdit(rtl::TComponent* AOwner) : ui::TEdit(AOwner) {}

// The field never takes a line break: Enter and Ctrl+Enter are turned into events and the
// characters they produce are swallowed (a single-line field that does not beep).
void TRetEdit::WndProc(ui::TMessage& Message)
{
    if (Message.Msg == ui::WM_KEYDOWN && Message.WParam == ui::VK_RETURN) {
        bool ctrl = ui::GetKeyState(ui::VK_CONTROL) < 0;
        if (ctrl) {
            if (OnCtrlReturn) OnCtrlReturn(this);
        } else if (OnReturn) {
            OnReturn(this);
        }
        return;
    }
    if (Message.Msg == ui::WM_CHAR && (Message.WParam == 10 || Message.WParam == 13)) {
        char32_t key = static_cast<char32_t>(Message.WParam);
        if (OnKeyPress) OnKeyPress(this, key);
        Message.Result = 0;
        return;
    }
    ui::TEdit::WndProc(Message);
}

// --- TSearchPanel

namespace {

TExtGridButton* NewButton(TSearchPanel* panel)
{
    auto* b = new TExtGridButton(panel);
    b->SetParent(panel);
    return b;
}

gfx::TBitmap Glyph(const std::string& name)
{
    gfx::TBitmap b;
    LoadGlyphResource(b, name);
    return b;
}

void SetHintShown(ui::TControl* control, const std::string& hint)
{
    control->SetHint(hint);
    control->SetShowHint(!hint.empty());
}

}  // namespace

TSearchPanel::TSearchPanel(rtl::TComponent* AOwner) : ui::TPanel(AOwner)
{
    FGrid = dynamic_cast<TExtStringGrid*>(AOwner);
    if (FGrid == nullptr) throw rtl::EInvalidCast("Invalid class typecast");
    SetBevelOuter(ui::bvNone);
    SetShowCaption(false);
    FEditControl = new TRetEdit(this);
    FEditControl->SetParent(this);
    FForwardButton = NewButton(this);
    FBackwardButton = NewButton(this);
    FExitButton = NewButton(this);
    FHiliteButton = NewButton(this);
    FMatchCase = new TExtCheckBox(this);
    FMatchCase->SetParent(this);
    FResultLabel = new ui::TLabel(this);
    FResultLabel->SetParent(this);
}

TSearchPanel::~TSearchPanel() = default;

void TSearchPanel::SetColorTo(gfx::TColor Value)
{
    FColorTo = Value;
    Invalidate();
}

void TSearchPanel::CreateWnd()
{
    ui::TPanel::CreateWnd();
    WireEvents();
    LayoutControls();
    FGrid->BuildSearchPanel();
    if (FGrid->OnCreatedSearchFooter) FGrid->OnCreatedSearchFooter(FGrid, this);
}

void TSearchPanel::WireEvents()
{
    FEditControl->OnChange = [this](rtl::TObject*) { EditChanged(); };
    FEditControl->OnReturn = [this](rtl::TObject*) {
        if (OnForwardClick) OnForwardClick(this);
    };
    FEditControl->OnCtrlReturn = [this](rtl::TObject*) {
        if (OnBackwardClick) OnBackwardClick(this);
    };
    // Keys of the text field are not handed on to the panel's events.
    FEditControl->OnKeyDown = [](rtl::TObject*, ui::WORD&, ui::TShiftState) {};
    FForwardButton->OnClick = [this](rtl::TObject*) {
        if (OnForwardClick) OnForwardClick(this);
    };
    FBackwardButton->OnClick = [this](rtl::TObject*) {
        if (OnBackwardClick) OnBackwardClick(this);
    };
    FExitButton->OnClick = [this](rtl::TObject*) {
        if (OnExitClick) OnExitClick(this);
    };
    FHiliteButton->OnClick = [this](rtl::TObject*) {
        if (OnHighlightClick) OnHighlightClick(this);
    };
    FMatchCase->OnClick = [this](rtl::TObject*) {
        if (OnMatchCaseClick) OnMatchCaseClick(this);
    };
}

void TSearchPanel::EditChanged()
{
    bool hasText = !FEditControl->GetText().empty();
    FForwardButton->SetEnabled(hasText);
    FBackwardButton->SetEnabled(hasText);
    FHiliteButton->SetEnabled(hasText);
    if (OnEditChange) OnEditChange(this);
}

void TSearchPanel::LayoutControls()
{
    FExitButton->SetBounds(5, 7, 14, 14);
    SetHintShown(FExitButton, HintClose);
    FExitButton->SetGlyph(Glyph("ESGCLOSE"));
    FExitButton->SetGlyphHot(Glyph("ESGCLOSEH"));
    FExitButton->SetGlyphDown(Glyph("ESGCLOSED"));
    FExitButton->SetCaption("");
    FExitButton->SetParentFont(true);

    FEditControl->SetBounds(25, 6, 110, FEditControl->Height());

    struct ActionButton {
        TExtGridButton* Button;
        int Left;
        const std::string& Caption;
        const std::string& Hint;
        const char* Glyph;
        const char* DisabledGlyph;
    };
    const ActionButton actions[] = {
        {FForwardButton, 140, FindNextCaption, HintFindNext, "ESGARDOWN", "ESGARDOWND"},
        {FBackwardButton, 235, FindPrevCaption, HintFindPrev, "ESGARUP", "ESGARUPD"},
        {FHiliteButton, 330, HighLightCaption, HintHighlight, "ESGHI", "ESGHID"},
    };
    for (const ActionButton& a : actions) {
        a.Button->SetBounds(a.Left, 5, 90, 23);
        a.Button->SetCaption(a.Caption);
        SetHintShown(a.Button, a.Hint);
        a.Button->SetGlyph(Glyph(a.Glyph));
        a.Button->SetGlyphDisabled(Glyph(a.DisabledGlyph));
        a.Button->SetEnabled(false);
        a.Button->SetParentFont(true);
    }
    // The highlight button stays down until it is clicked again.
    FHiliteButton->Font().SetStyle(gfx::TFontStyles{});
    FHiliteButton->SetStyle(tasCheck);

    gfx::TBitmap measure(1, 1);
    measure.Canvas().Font().Assign(&FMatchCase->Font());
    int boxWidth = measure.Canvas().TextWidth(MatchCaseCaption) + 18;
    FMatchCase->SetBounds(FHiliteButton->Visible() ? 425 : 330, 6, boxWidth, FMatchCase->Height());
    FMatchCase->SetCaption(MatchCaseCaption);

    FResultLabel->SetCaption("");
    FResultLabel->SetAutoSize(true);
    FResultLabel->SetLayout(ui::tlCenter);
    FResultLabel->SetBounds(FMatchCase->Left() + FMatchCase->Width() + 8, 10, FResultLabel->Width(),
                            FMatchCase->Height());
}

void TSearchPanel::Paint()
{
    ui::TPanel::Paint();
    gfx::TCanvas& canvas = Canvas();
    canvas.Brush().SetStyle(gfx::bsSolid);
    canvas.Brush().SetColor(Color());
    canvas.Pen().SetColor(Color());
    rtl::TRect r = ClientRect();
    if (FColorTo == gfx::clNone)
        canvas.FillRect(r);
    else
        DrawSteppedGradient(canvas, Color(), FColorTo, false, r, 32, gfx::clNone);
    canvas.Pen().SetStyle(gfx::psSolid);
    canvas.Pen().SetWidth(1);
    canvas.Pen().SetColor(FGrid->GridLineColor());
    canvas.MoveTo(0, 0);
    canvas.LineTo(Width(), 0);
}

}  // namespace grid
