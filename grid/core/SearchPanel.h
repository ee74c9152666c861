// The search footer's panel: a close button, the search text, find next/previous, highlight, match case and a result label.
#pragma once

#include <string>

#include "platform/gfx/Color.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/StdCtrlsEdit.h"

namespace gfx {
class TBitmap;
}
namespace ui {
class TLabel;
}

namespace grid {

class TExtStringGrid;
class TExtGridButton;
class TExtCheckBox;

// The search text field: Enter and Ctrl+Enter become events instead of reaching the text.
class TRetEdit : public ui::TEdit {
public:
    explicit TRetEdit(rtl::TComponent* AOwner);
    std::string ClassName() const override { return "TRetEdit"; }

    ui::TNotifyEvent OnReturn;
    ui::TNotifyEvent OnCtrlReturn;

protected:
    void WndProc(ui::TMessage& Message) override;
};

// The strip the grid shows at its bottom while its search footer is on. It only lays out
// its controls, enables the search buttons while there is search text, paints its
// background and turns each user action into one of its events; the grid does the search.
class TSearchPanel : public ui::TPanel {
public:
    // The owner must be the string grid (rtl::EInvalidCast otherwise).
    explicit TSearchPanel(rtl::TComponent* AOwner);
    ~TSearchPanel() override;
    std::string ClassName() const override { return "TSearchPanel"; }

    TExtStringGrid* Grid() const { return FGrid; }
    TRetEdit* EditControl() const { return FEditControl; }
    TExtGridButton* ForwardButton() const { return FForwardButton; }
    TExtGridButton* BackwardButton() const { return FBackwardButton; }
    TExtGridButton* ExitButton() const { return FExitButton; }
    TExtGridButton* HiliteButton() const { return FHiliteButton; }
    TExtCheckBox* MatchCase() const { return FMatchCase; }
    ui::TLabel* ResultLabel() const { return FResultLabel; }

    gfx::TColor ColorTo() const { return FColorTo; }
    void SetColorTo(gfx::TColor Value);

    // Texts the grid hands over from its search footer settings.
    std::string FindNextCaption;
    std::string FindPrevCaption;
    std::string HighLightCaption;
    std::string MatchCaseCaption;
    std::string HintFindNext;
    std::string HintFindPrev;
    std::string HintClose;
    std::string HintHighlight;

    ui::TNotifyEvent OnForwardClick;
    ui::TNotifyEvent OnBackwardClick;
    ui::TNotifyEvent OnEditChange;
    ui::TNotifyEvent OnExitClick;
    ui::TNotifyEvent OnHighlightClick;
    ui::TNotifyEvent OnMatchCaseClick;

protected:
    // Wires the child events, lays the controls out, lets the grid adjust the panel and
    // fires the grid's OnCreatedSearchFooter.
    void CreateWnd() override;
    void Paint() override;

private:
    void WireEvents();
    void LayoutControls();
    void EditChanged();

    TExtStringGrid* FGrid = nullptr;
    TRetEdit* FEditControl = nullptr;
    TExtGridButton* FForwardButton = nullptr;
    TExtGridButton* FBackwardButton = nullptr;
    TExtGridButton* FExitButton = nullptr;
    TExtGridButton* FHiliteButton = nullptr;
    TExtCheckBox* FMatchCase = nullptr;
    ui::TLabel* FResultLabel = nullptr;
    gfx::TColor FColorTo = gfx::clNone;
};

// Loads a glyph bitmap of the program's resources into the bitmap (rtl::Exception when
// the program has no such resource).
void LoadGlyphResource(gfx::TBitmap& Bitmap, const std::string& Name);

}  // namespace grid
