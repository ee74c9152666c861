// The colour picker drop-down: colours and selection, the four pop-up controls, opening,
// picking and cancelling.
#include "grid/dropdown/ExtColorPicker.h"

#include <algorithm>

#include "grid/dropdown/ColorBoxSelector.h"
#include "grid/dropdown/ColorCubePanel.h"
#include "grid/dropdown/ColorSpectrumPanel.h"
#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ItemAppearanceStyle.h"
#include "platform/ui/Timers.h"

namespace grid {

namespace {

struct TDefaultColor {
    const char* Caption;
    gfx::TColor Color;
};

constexpr TDefaultColor kDefaultColors[] = {
    {"Black", 0x000000}, {"Maroon", 0x000080}, {"Green", 0x008000},   {"Olive", 0x008080},
    {"Navy", 0x800000},  {"Purple", 0x800080}, {"Teal", 0x808000},    {"Gray", 0x808080},
    {"Silver", 0xC0C0C0}, {"Red", 0x0000FF},   {"Lime", 0x00FF00},    {"Yellow", 0x00FFFF},
    {"Blue", 0xFF0000},  {"Fuchsia", 0xFF00FF}, {"Aqua", 0xFFFF00},   {"White", 0xFFFFFF},
};

constexpr int kCubeWidth = 182;
constexpr int kCubeHeight = 160;

}  // namespace

TExtColorPickerDropDown::TExtColorPickerDropDown(rtl::TComponent* AOwner)
    : TExtCustomDropDown(AOwner),
      FColors(std::make_unique<TColorItems>(this)),
      FItemAppearance(std::make_unique<TItemAppearance>(this))
{
    SetEditorEnabled(false);
    SetDropDownEnabled(true);
    SetDropDownHeight(200);
    DropDownHeader().SetVisible(false);
    DropDownFooter().SetVisible(false);
    SetCursor(ui::crArrow);
    FKeyTimer = new ui::TTimer(this);
    FKeyTimer->SetEnabled(false);
    FKeyTimer->SetInterval(500);
    FKeyTimer->OnTimer = [this](rtl::TObject*) {
        FKeyTimer->SetEnabled(false);
        FCurSearch.clear();
    };
    // Placed in a designer, not read from a form description.
    FDesignTime = AOwner != nullptr && AOwner->HasState(rtl::csDesigning) && !AOwner->HasState(rtl::csLoading) &&
                  !AOwner->HasState(rtl::csReading);
    // The base made the pop-up window before this class existed: add the style's control now.
    CreateDropDownForm();
}

TExtColorPickerDropDown::~TExtColorPickerDropDown()
{
    Destroying();
    if (FKeyTimer != nullptr) FKeyTimer->SetEnabled(false);
}

// --- colours and selection ---

void TExtColorPickerDropDown::AddDefaultColors()
{
    FColors->Clear();
    for (const TDefaultColor& c : kDefaultColors) {
        TColorItem* item = FColors->Add();
        item->SetCaption(c.Caption);
        item->SetColor(c.Color);
    }
}

void TExtColorPickerDropDown::EndUpdate()
{
    if (FUpdateCount == 0) return;
    if (--FUpdateCount == 0) FillColorList();
}

void TExtColorPickerDropDown::SetItemIndex(int value)
{
    if (value >= FColors->Count()) return;
    FItemIndex = value;
    if (value >= 0) FSelectedColor = FColors->Items(value)->Color();
    Invalidate();
    if (OnSelect) OnSelect(this);
}

void TExtColorPickerDropDown::SetSelectedColor(gfx::TColor value)
{
    if (value == FSelectedColor) return;
    // None is no colour: it selects no item (as an RGB value it would read as black).
    if (value == gfx::clNone) {
        FSelectedColor = gfx::clNone;
        FItemIndex = -1;
        Invalidate();
        return;
    }
    FSelectedColor = gfx::ColorToRGB(value);
    for (int i = 0; i < FColors->Count(); ++i) {
        if (gfx::ColorToRGB(FColors->Items(i)->Color()) == FSelectedColor) {
            SetItemIndex(i);
            return;
        }
    }
    FItemIndex = -1;
    Invalidate();
}

// --- settings ---

void TExtColorPickerDropDown::SetColorValueText(TColorValueText value)
{
    if (value == FColorValueText) return;
    FColorValueText = value;
    Invalidate();
}

void TExtColorPickerDropDown::SetColorBoxWidth(int value)
{
    if (value == FColorBoxWidth) return;
    FColorBoxWidth = value;
    Invalidate();
}

void TExtColorPickerDropDown::SetColorBoxHeight(int value)
{
    if (value == FColorBoxHeight) return;
    FColorBoxHeight = value;
    Invalidate();
}

void TExtColorPickerDropDown::SetColorBoxBorderColor(gfx::TColor value)
{
    if (value == FColorBoxBorderColor) return;
    FColorBoxBorderColor = value;
    Invalidate();
}

void TExtColorPickerDropDown::SetShowText(bool value)
{
    if (value == FShowText) return;
    FShowText = value;
    Invalidate();
}

void TExtColorPickerDropDown::SetColorSelectionStyle(TColorSelectionStyle value)
{
    if (value == FColorSelectionStyle) return;
    FColorSelectionStyle = value;
    ResetUserDropDownSize();
    if (HasState(rtl::csDesigning)) return;
    PrepareStyleControl();
    UpdateDropDownSize();
    if (DropDownForm() != nullptr) DropDownForm()->Invalidate();
}

void TExtColorPickerDropDown::ApplySelectionColorStyle(TSelectionColorStyle style)
{
    TExtCustomDropDown::ApplySelectionColorStyle(style);
    if (FItemAppearance) FItemAppearance->SetColorStyle(style);
    if (FItemSelector != nullptr) FItemSelector->ItemAppearance().SetColorStyle(style);
}

void TExtColorPickerDropDown::SetComponentStyle(TJyxStyle AStyle)
{
    TExtCustomDropDown::SetComponentStyle(AStyle);
    ApplyItemAppearanceStyle(FItemAppearance.get(), AStyle);
}

void TExtColorPickerDropDown::Loaded()
{
    TExtCustomDropDown::Loaded();
    if (FDesignTime) AddDefaultColors();
    FillColorList();
    UpdateColorList();
}

void TExtColorPickerDropDown::CreateWnd()
{
    TExtCustomDropDown::CreateWnd();
    if (!FDesignTime || FColors->Count() != 0) return;
    FDesignTime = false;
    AddDefaultColors();
    FillColorList();
}

void TExtColorPickerDropDown::Notification(rtl::TComponent* AComponent, rtl::TOperation Operation)
{
    TExtCustomDropDown::Notification(AComponent, Operation);
    if (Operation != rtl::opRemove || HasState(rtl::csDestroying)) return;
    // The pop-up controls go with the pop-up window; the next opening makes new ones.
    if (AComponent == FItemSelector) FItemSelector = nullptr;
    if (AComponent == FColorSelector) FColorSelector = nullptr;
    if (AComponent == FColorCubePanel) FColorCubePanel = nullptr;
    if (AComponent == FSpectrumPanel) FSpectrumPanel = nullptr;
}

// --- the pop-up controls ---

void TExtColorPickerDropDown::PlaceStyleControl(ui::TControl* control)
{
    control->FreeNotification(this);
    control->SetParent(DropDownForm());
    control->SetLeft(0);
    control->SetTop(0);
    control->SetColor(DropDownColor());
    SetControl(control);
}

void TExtColorPickerDropDown::CreateColorList()
{
    if (FItemSelector != nullptr || DropDownForm() == nullptr) return;
    FItemSelector = new TExtCustomItemSelector(this);
    FItemSelector->SetSelectorType(stColor);
    FItemSelector->SetHeight(150);
    PlaceStyleControl(FItemSelector);
    FItemSelector->UpdateSelectorPanel();
}

void TExtColorPickerDropDown::CreateColorSelector()
{
    if (FColorSelector != nullptr || DropDownForm() == nullptr) return;
    FColorSelector = new TCustomColorSelector(this);
    PlaceStyleControl(FColorSelector);
    FColorSelector->AddDefaultColorBoxes();
    FColorSelector->UpdateSize();
}

void TExtColorPickerDropDown::CreateColorCube()
{
    if (FColorCubePanel != nullptr || DropDownForm() == nullptr) return;
    FColorCubePanel = new TExtColorCubePanel(this);
    FColorCubePanel->SetBounds(0, 0, kCubeWidth, kCubeHeight);
    PlaceStyleControl(FColorCubePanel);
}

void TExtColorPickerDropDown::CreateColorSpectrum()
{
    if (FSpectrumPanel != nullptr || DropDownForm() == nullptr) return;
    FSpectrumPanel = new TExtColorSpectrumPanel(this);
    PlaceStyleControl(FSpectrumPanel);
    FSpectrumPanel->UpdateLayout();
}

void TExtColorPickerDropDown::CreateDropDownForm()
{
    TExtCustomDropDown::CreateDropDownForm();
    switch (FColorSelectionStyle) {
    case csList: CreateColorList(); break;
    case csDiscrete: CreateColorSelector(); break;
    case csColorCube: CreateColorCube(); break;
    case csSpectrum: CreateColorSpectrum(); break;
    }
}

void TExtColorPickerDropDown::HideStyleControlsBut(ui::TControl* shown)
{
    ui::TControl* controls[] = {FItemSelector, FColorSelector, FColorCubePanel, FSpectrumPanel};
    for (ui::TControl* c : controls)
        if (c != nullptr && c != shown) c->SetVisible(false);
}

// Readies the current style's control for showing, as the opening does.
void TExtColorPickerDropDown::PrepareStyleControl()
{
    switch (FColorSelectionStyle) {
    case csList:
        CreateColorList();
        HideStyleControlsBut(FItemSelector);
        if (FItemSelector == nullptr) break;
        SetControl(FItemSelector);
        UpdateColorList();
        FItemSelector->OnDrawItem = nullptr;
        if (OnDrawColor)
            FItemSelector->OnDrawItem = [this](rtl::TObject*, gfx::TCanvas& canvas, rtl::TRect r, int index) {
                OnDrawColor(this, canvas, r, index);
            };
        FOldItemIndex = FItemIndex;
        break;
    case csDiscrete:
        CreateColorSelector();
        HideStyleControlsBut(FColorSelector);
        if (FColorSelector == nullptr) break;
        SetControl(FColorSelector);
        FColorSelector->OnItemSelect = nullptr;
        FColorSelector->SetSelectedColor(FSelectedColor);
        FColorSelector->UpdateSize();
        FColorSelector->OnItemSelect = [this](rtl::TObject*) { DiscretePicked(); };
        FColorSelector->SetItemColorStyle(SelectionColorStyle());
        FColorSelector->SetVisible(true);
        break;
    case csColorCube:
        CreateColorCube();
        HideStyleControlsBut(FColorCubePanel);
        if (FColorCubePanel == nullptr) break;
        SetControl(FColorCubePanel);
        FColorCubePanel->InitCube();
        FColorCubePanel->SetSelectedColor(FSelectedColor);
        FColorCubePanel->SetHotIndex(-1);
        FColorCubePanel->SetBounds(0, 0, kCubeWidth, kCubeHeight);
        FColorCubePanel->OnSelect = [this](rtl::TObject*) { PanelPicked(FColorCubePanel->SelectedColor()); };
        FColorCubePanel->SetVisible(true);
        break;
    case csSpectrum:
        CreateColorSpectrum();
        HideStyleControlsBut(FSpectrumPanel);
        if (FSpectrumPanel == nullptr) break;
        SetControl(FSpectrumPanel);
        FSpectrumPanel->SetSelectedColor(FSelectedColor);
        FSpectrumPanel->UpdateLayout();
        FSpectrumPanel->OnSelect = [this](rtl::TObject*) { PanelPicked(FSpectrumPanel->SelectedColor()); };
        FSpectrumPanel->SetVisible(true);
        break;
    }
}

void TExtColorPickerDropDown::BeforeDropDown()
{
    TExtCustomDropDown::BeforeDropDown();
    PrepareStyleControl();
    FOldSelectedColor = FSelectedColor;
}

void TExtColorPickerDropDown::FillColorList()
{
    if (FItemSelector == nullptr) return;
    TSelectorItems& items = FItemSelector->Items();
    items.Clear();
    for (int i = 0; i < FColors->Count(); ++i) {
        const TColorItem& c = *FColors->Items(i);
        TSelectorItem* item = items.Add();
        item->SetCaption(c.Caption());
        item->SetColor(c.Color());
        item->SetHint(c.Hint());
    }
}

void TExtColorPickerDropDown::UpdateColorList()
{
    if (FItemSelector == nullptr) return;
    FItemSelector->OnItemSelect = nullptr;
    FItemSelector->SetColumns(FColumns);
    FItemSelector->SetImages(FImages);
    FItemSelector->SetItemLayout(FLayout);
    FItemSelector->SetColor(DropDownColor());
    FillColorList();
    FItemSelector->SetColorBoxHeight(FColorBoxHeight);
    FItemSelector->SetColorBoxWidth(FColorBoxWidth);
    FItemSelector->SetItemAppearance(FItemAppearance.get());
    FItemSelector->UpdateSelectorPanel();
    FItemSelector->SetItemIndex(FItemIndex);
    FItemSelector->OnItemSelect = [this](rtl::TObject*) { ListPicked(); };
    FItemSelector->SetShowHint(ShowHint());
}

bool TExtColorPickerDropDown::ColorListOutOfDate() const
{
    const TSelectorItems& items = FItemSelector->Items();
    if (items.Count() != FColors->Count()) return true;
    for (int i = 0; i < items.Count(); ++i)
        if (items.Items(i)->Caption() != FColors->Items(i)->Caption() ||
            items.Items(i)->Color() != FColors->Items(i)->Color())
            return true;
    return false;
}

void TExtColorPickerDropDown::UpdateDropDownSize()
{
    TDropDownForm* form = DropDownForm();
    if (form == nullptr) return;
    if (FColorSelectionStyle == csList && FItemSelector != nullptr) {
        FItemSelector->SetAlign(ui::alNone);
        const rtl::TSize size = FItemSelector->GetSelectorSize();
        if (DropDownWidth() < 1) FItemSelector->SetWidth(size.cx);
        if (DropDownHeight() < 1) FItemSelector->SetHeight(size.cy);
        SetControl(nullptr);
        SetControl(FItemSelector);
        TExtCustomDropDown::UpdateDropDownSize();
        if (FItemSelector->ScrollBarState(ui::SB_VERT).Shown)
            form->SetBounds(form->Left(), form->Top(), form->Width() + 17, form->Height());
        return;
    }
    ui::TControl* content = Control();
    if (FColorSelectionStyle == csList || content == nullptr) {
        TExtCustomDropDown::UpdateDropDownSize();
        return;
    }
    const int border = 2 * DropDownBorderWidth();
    const int width = content->Visible() ? content->Width() + border : Width();
    const int height = border + (DropDownHeader().Visible() ? DropDownHeader().Height() : 0) +
                       (DropDownFooter().Visible() ? DropDownFooter().Height() : 0) +
                       (content->Visible() ? content->Height() : 0);
    form->SetBounds(form->Left(), form->Top(), width, height);
}

// --- picking and closing ---

void TExtColorPickerDropDown::ListPicked()
{
    SetItemIndex(FItemSelector->ItemIndex());
    if (!FInternalCall) DoHideDropDown(false);
}

void TExtColorPickerDropDown::DiscretePicked()
{
    SetSelectedColor(FColorSelector->SelectedColor());
    SetItemIndex(-1);
    if (!FInternalCall) DoHideDropDown(false);
}

void TExtColorPickerDropDown::PanelPicked(gfx::TColor color)
{
    SetSelectedColor(color);
    SetItemIndex(-1);
    DoHideDropDown(false);
}

void TExtColorPickerDropDown::DoHideDropDown(bool cancel)
{
    TExtCustomDropDown::DoHideDropDown(cancel);
    if (!cancel) return;
    if (FColorSelectionStyle == csList && FItemSelector != nullptr) {
        SetItemIndex(FOldItemIndex);
        // Moving the selection with the keys changed the colour too: with no item selected
        // before opening, the colour of the opening comes back as well.
        if (FOldItemIndex < 0) FSelectedColor = FOldSelectedColor;
    }
    if (FColorSelectionStyle == csDiscrete && FColorSelector != nullptr) {
        FColorSelector->OnItemSelect = nullptr;
        FColorSelector->SetSelectedColor(FOldSelectedColor);
        SetSelectedColor(FOldSelectedColor);
    }
}

}  // namespace grid
