// The calculator keypad: a panel of buttons laid out as a pocket calculator, hot and pressed
// by the mouse, reporting clicks by button index.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "grid/dropdown/CalcButtonAppearance.h"
#include "grid/dropdown/CalcButtonItems.h"
#include "grid/dropdown/ExtDropDownEdit.h"
#include "grid/dropdown/ItemSelector.h"
#include "platform/ui/Controls.h"

namespace gfx {
class TImageList;
}

namespace ui {
class TCustomEdit;
}

namespace grid {

class TExtCalculatorDropdown;

// plCalculator lays the buttons out as a calculator; plCustom leaves them where they are.
enum TButtonPanelType { plCalculator, plCustom };

using TCalcButtonClickEvent = std::function<void(rtl::TObject* Sender, int ButtonIndex)>;

class TCustomButtonPanel : public ui::TCustomControl {
public:
    explicit TCustomButtonPanel(rtl::TComponent* AOwner);
    ~TCustomButtonPanel() override;
    std::string ClassName() const override { return "TCustomButtonPanel"; }

    TCalcButtonItems& Buttons() const { return *FButtons; }
    void SetButtons(const TCalcButtonItems* value) { FButtons->Assign(value); }
    TButtonAppearance& ButtonAppearance() const { return *FButtonAppearance; }
    void SetButtonAppearance(const TButtonAppearance* value) { FButtonAppearance->Assign(value); }
    TItemLayout ButtonLayout() const { return FButtonLayout; }
    void SetButtonLayout(TItemLayout value);
    TButtonPanelType ButtonPanelType() const { return FButtonPanelType; }
    void SetButtonPanelType(TButtonPanelType value);
    // Not owned; forgotten when the list is freed.
    gfx::TImageList* Images() const { return FImages; }
    void SetImages(gfx::TImageList* value);
    TSelectionColorStyle ItemColorStyle() const { return FItemColorStyle; }
    void SetItemColorStyle(TSelectionColorStyle value) { FItemColorStyle = value; }
    // Kept only; forgotten when the edit is freed.
    ui::TCustomEdit* Edit() const { return FEdit; }
    void SetEdit(ui::TCustomEdit* value);
    // The calculator drop-down the keypad belongs to; a keypad without one stands free and
    // frames itself.
    TExtCalculatorDropdown* ExtDropDown() const { return FExtDropDown; }
    void SetExtDropDown(TExtCalculatorDropdown* value) { FExtDropDown = value; }

    int ButtonHot() const { return FButtonHot; }
    int ButtonDown() const { return FButtonDown; }
    // The first button whose rectangle holds the point; -1 for none.
    int ButtonAt(int x, int y) const;

    TCalcButtonClickEvent OnButtonClick;

    virtual void DrawButton(int index, gfx::TCanvas& canvas);
    // The client rectangle less the margins.
    virtual rtl::TRect GetContentRect() const;
    virtual void ClearButtons();
    virtual void ResetButtons();
    // The 28 calculator buttons, only for plCalculator and an empty collection; then arranged.
    virtual void CreateCalculatorButtons();
    virtual void ArrangeButtons();
    virtual void InvalidateButton(int index);
    virtual void ButtonClick(int index);

protected:
    void Loaded() override;
    void Paint() override;
    void Resize() override;
    void WndProc(ui::TMessage& Message) override;
    void Notification(rtl::TComponent* AComponent, rtl::TOperation Operation) override;
    void MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;
    void MouseMove(ui::TShiftState Shift, int X, int Y) override;
    void MouseUp(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;

private:
    bool FreeStanding() const { return FExtDropDown == nullptr; }
    void RepaintFreeStanding();
    void SetHot(int index);
    void SetDown(int index);
    // The old button invalidated, the new one drawn at once.
    void ChangeState(int& field, int index);
    void DrawButtonFace(int index, gfx::TCanvas& canvas, const rtl::TRect& r);
    void DrawButtonContent(int index, gfx::TCanvas& canvas, const rtl::TRect& r);

    std::unique_ptr<TCalcButtonItems> FButtons;
    TItemLayout FButtonLayout = ilCaptionRight;
    TSelectionColorStyle FItemColorStyle = scOffice2007;
    int FButtonHot = -1;
    int FOffSetX = 8;
    int FOffSetY = 8;
    int FButtonOffSetX = 4;
    int FButtonOffSetY = 4;
    gfx::TImageList* FImages = nullptr;
    int FCaptionGap = 4;
    ui::TCustomEdit* FEdit = nullptr;
    TButtonPanelType FButtonPanelType = plCalculator;
    std::unique_ptr<TButtonAppearance> FButtonAppearance;
    int FButtonDown = -1;
    TExtCalculatorDropdown* FExtDropDown = nullptr;
};

}  // namespace grid
