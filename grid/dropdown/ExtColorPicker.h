// The colour picker drop-down: a swatch and text of the selected colour in the edit, and a
// pop-up offering a list of named colours, a palette of boxes, a colour cube or a spectrum.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "grid/dropdown/ColorItems.h"
#include "grid/dropdown/ExtDropDownEdit.h"
#include "grid/dropdown/ItemSelector.h"

namespace ui {
class TTimer;
}

namespace grid {

class TExtColorCubePanel;
class TExtColorSpectrumPanel;
class TCustomColorSelector;

enum TColorSelectionStyle { csList, csDiscrete, csColorCube, csSpectrum };
enum TColorValueText { cvtNone, cvtHex, cvtWebName, cvtRGB, cvtHTML };

using TDrawSelectedColorEvent = std::function<void(rtl::TObject* Sender, gfx::TCanvas& Canvas, rtl::TRect R)>;

class TExtColorPickerDropDown : public TExtCustomDropDown {
public:
    explicit TExtColorPickerDropDown(rtl::TComponent* AOwner);
    ~TExtColorPickerDropDown() override;
    std::string ClassName() const override { return "TExtColorPickerDropDown"; }

    // --- colours ---
    TColorItems& Colors() const { return *FColors; }
    void SetColors(const TColorItems* value) { FColors->Assign(value); }
    // Replaces the colours by the sixteen standard ones, black to white.
    void AddDefaultColors();
    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate();
    int ItemIndex() const { return FItemIndex; }
    // An index at or beyond the colours is ignored; fires OnSelect.
    void SetItemIndex(int value);
    gfx::TColor SelectedColor() const { return FSelectedColor; }
    // Stores the colour as RGB and selects the first colour item of that value (or none).
    void SetSelectedColor(gfx::TColor value);
    std::string SelectedColorText() const { return GetSelectedColorText(); }

    // --- settings ---
    TColorSelectionStyle ColorSelectionStyle() const { return FColorSelectionStyle; }
    void SetColorSelectionStyle(TColorSelectionStyle value);
    TColorValueText ColorValueText() const { return FColorValueText; }
    void SetColorValueText(TColorValueText value);
    int Columns() const { return FColumns; }
    void SetColumns(int value) { FColumns = value; }
    TItemLayout Layout() const { return FLayout; }
    void SetLayout(TItemLayout value) { FLayout = value; }
    int ColorBoxWidth() const { return FColorBoxWidth; }
    void SetColorBoxWidth(int value);
    int ColorBoxHeight() const { return FColorBoxHeight; }
    void SetColorBoxHeight(int value);
    gfx::TColor ColorBoxBorderColor() const { return FColorBoxBorderColor; }
    void SetColorBoxBorderColor(gfx::TColor value);
    bool ShowText() const { return FShowText; }
    void SetShowText(bool value);
    TItemAppearance& ItemAppearance() const { return *FItemAppearance; }
    void SetItemAppearance(const TItemAppearance* value) { FItemAppearance->Assign(value); }
    gfx::TImageList* Images() const { return FImages; }
    void SetImages(gfx::TImageList* value) { FImages = value; }

    // --- pop-up controls (none until made) ---
    TExtCustomItemSelector* ColorList() const { return FItemSelector; }
    TCustomColorSelector* ColorPanel() const { return FColorSelector; }
    TExtColorCubePanel* CubePanel() const { return FColorCubePanel; }
    TExtColorSpectrumPanel* SpectrumPanel() const { return FSpectrumPanel; }

    void ApplySelectionColorStyle(TSelectionColorStyle style) override;
    // The drop-down edit's colours, then the style's colours for the list's items.
    void SetComponentStyle(TJyxStyle AStyle) override;

    ui::TNotifyEvent OnSelect;
    TDrawSelectedColorEvent OnDrawSelectedColor;
    TItemDrawEvent OnDrawColor;

protected:
    virtual void CreateColorList();
    virtual void CreateColorCube();
    virtual void CreateColorSpectrum();
    virtual void CreateColorSelector();
    virtual std::string GetSelectedColorText() const;

    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void UpdateDropDownSize() override;
    void DoHideDropDown(bool cancel) override;
    void KeyDown(ui::WORD& Key, ui::TShiftState Shift) override;
    void Paint() override;
    // A picker placed in a form designer gets the sixteen standard colours: when it is loaded,
    // or when its window is made while it has no colours yet.
    void Loaded() override;
    void CreateWnd() override;
    void Notification(rtl::TComponent* AComponent, rtl::TOperation Operation) override;

private:
    void PrepareStyleControl();
    void HideStyleControlsBut(ui::TControl* shown);
    void PlaceStyleControl(ui::TControl* control);
    void UpdateColorList();
    void FillColorList();
    bool ColorListOutOfDate() const;
    void ListPicked();
    void DiscretePicked();
    void PanelPicked(gfx::TColor color);
    void SelectListItemInternally(int index);
    bool HandleOpenEnter(ui::WORD key);
    void HandleListKey(ui::WORD key, bool enterHandled);
    void HandleDiscreteKey(ui::WORD key, bool enterHandled);
    void TypeAhead(ui::WORD key);
    void DrawSelectedColor(gfx::TCanvas& canvas);
    bool Popped() const;

    int FUpdateCount = 0;
    TExtCustomItemSelector* FItemSelector = nullptr;
    TExtColorCubePanel* FColorCubePanel = nullptr;
    TExtColorSpectrumPanel* FSpectrumPanel = nullptr;
    TCustomColorSelector* FColorSelector = nullptr;
    int FColumns = 1;
    TItemLayout FLayout = ilCaptionRight;
    std::unique_ptr<TColorItems> FColors;
    int FItemIndex = -1;
    int FColorBoxWidth = 14;
    int FColorBoxHeight = 14;
    TColorSelectionStyle FColorSelectionStyle = csList;
    gfx::TColor FSelectedColor = gfx::clNone;
    bool FShowText = true;
    std::unique_ptr<TItemAppearance> FItemAppearance;
    bool FInternalCall = false;
    ui::TTimer* FKeyTimer = nullptr;
    std::string FCurSearch;
    int FOldItemIndex = -1;
    gfx::TColor FOldSelectedColor = gfx::clNone;
    TColorValueText FColorValueText = cvtNone;
    gfx::TColor FColorBoxBorderColor = 0;
    gfx::TImageList* FImages = nullptr;
    bool FDesignTime = false;
};

}  // namespace grid
