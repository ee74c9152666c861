// The component styles' colours for item appearances: per style on an appearance whose colours
// start at a marker, so that colours a style leaves alone show; and the detail drop-down and the
// colour picker passing their style on to their items.
#include <gtest/gtest.h>

#include <array>
#include <memory>

#include "grid/dropdown/ExtColorPicker.h"
#include "grid/dropdown/ExtImagePicker.h"
#include "grid/dropdown/ExtDetailDropDown.h"
#include "grid/dropdown/ItemAppearance.h"
#include "grid/dropdown/ItemAppearanceStyle.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/gfx/GraphicsObjects.h"
#include "platform/ui/Forms.h"

namespace {

using namespace grid;

constexpr gfx::TColor Marker = 0x123456;
constexpr gfx::TColor None = gfx::clNone;

// ColorHot, ColorHotTo, ColorMirrorHot, ColorMirrorHotTo, BorderColorHot, ColorSelected,
// ColorSelectedTo, ColorMirrorSelected, ColorMirrorSelectedTo, BorderColorSelected,
// BorderColor, BorderColorTop, BorderColorBottom, EdgeColor, ColorSelectedText, ColorHotText,
// font colour.
using TColors = std::array<gfx::TColor, 17>;

TColors ColorsOf(const TItemAppearance& a)
{
    return {a.ColorHot(), a.ColorHotTo(), a.ColorMirrorHot(), a.ColorMirrorHotTo(), a.BorderColorHot(),
            a.ColorSelected(), a.ColorSelectedTo(), a.ColorMirrorSelected(), a.ColorMirrorSelectedTo(),
            a.BorderColorSelected(), a.BorderColor(), a.BorderColorTop(), a.BorderColorBottom(), a.EdgeColor(),
            a.ColorSelectedText(), a.ColorHotText(), a.Font().Color()};
}

void Mark(TItemAppearance& a)
{
    for (auto set : {&TItemAppearance::SetColorHot, &TItemAppearance::SetColorHotTo, &TItemAppearance::SetColorMirrorHot,
                     &TItemAppearance::SetColorMirrorHotTo, &TItemAppearance::SetBorderColorHot,
                     &TItemAppearance::SetColorSelected, &TItemAppearance::SetColorSelectedTo,
                     &TItemAppearance::SetColorMirrorSelected, &TItemAppearance::SetColorMirrorSelectedTo,
                     &TItemAppearance::SetBorderColorSelected, &TItemAppearance::SetBorderColor,
                     &TItemAppearance::SetBorderColorTop, &TItemAppearance::SetBorderColorBottom,
                     &TItemAppearance::SetEdgeColor, &TItemAppearance::SetColorSelectedText,
                     &TItemAppearance::SetColorHotText})
        (a.*set)(Marker);
    a.Font().SetColor(Marker);
}

struct TStyleCase {
    TJyxStyle Style;
    TColors Expected;
};

const TStyleCase StyleCases[] = {
    {tsOffice2003Blue, {0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, None, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0x7AE1FE, None,
                        0x42AEFE, None, None, None, 0, 0, 0}},
    {tsWhidbey, {0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, None, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0x7AE1FE, None, 0x42AEFE,
                 None, None, None, 0, 0, 0}},
    {tsOffice2007Silver, {0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, None, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0x7AE1FE, None,
                          0x42AEFE, 0xF4FEFF, 0xCAF8FF, 0xC3D9DF, 0, 0, 0}},
    {tsWindowsXP, {0xEFD3C6, 0xEFD3C6, None, None, None, gfx::clHighlight, None, None, None, None, gfx::clHighlight,
                   None, None, None, gfx::clHighlightText, 0, 0}},
    {tsTerminal, {0xC0C0C0, 0xC0C0C0, None, None, None, gfx::clHighlight, None, None, None, None, 0x808080, None, None,
                  None, gfx::clHighlightText, 0, 0}},
    {tsWindowsVista, {0xFFFDF9, 0xFFFAF0, None, None, None, 0xFEF9F0, 0xFDF0D7, None, None, None, 0xFEDF9A, 0xFDFBF6,
                      0xFDF5E7, 0xFCEDCB, 0, 0, 0}},
    // The outer border is the style's own only up to the Office 2010 blue and silver looks.
    {tsOffice2010Black, {0xD9F9FD, 0x8AE3FD, 0x8AE3FD, 0xD9F9FD, 0x58CAF1, 0x7BEEFF, 0x6CD0FF, 0x6CD0FF, 0x7BEEFF,
                         0x308AC2, Marker, None, None, None, 0, 0, 0}},
    {tsWindows10, {0xF7EFE8, 0xF7EFE8, 0xF7EFE8, 0xF7EFE8, 0xF9CEA4, 0xF7E0C9, None, None, None, 0xE4A262, Marker, Marker,
                   Marker, Marker, 0, 0, 0}},
    {tsOffice2013Gray, {0xFCF0E4, 0xFCF0E4, None, None, 0xEAB47E, 0xFCE2C8, None, None, None, 0xE59D56, Marker, Marker,
                        Marker, Marker, 0, 0, 0}},
    {tsOffice2016White, {0xF2E1D5, None, None, None, 0xF2E1D5, 0xE3BDA3, None, None, None, 0xE3BDA3, Marker, Marker,
                         Marker, Marker, 0, 0, 0}},
    {tsOffice2016Black, {0x6A6A6A, 0x6A6A6A, None, None, 0x6A6A6A, 0x444444, None, None, None, 0x444444, Marker, Marker,
                         Marker, Marker, 0, 0, 0xFFFFFF}},
    // The custom look keeps every colour; only the font turns black.
    {tsCustom, {Marker, Marker, Marker, Marker, Marker, Marker, Marker, Marker, Marker, Marker, Marker, Marker, Marker,
                Marker, Marker, Marker, 0}},
};

TEST(ItemAppearanceStyle, EachStyleSetsItsColoursAndLeavesTheRest)
{
    for (const TStyleCase& c : StyleCases) {
        TItemAppearance appearance(nullptr);
        Mark(appearance);
        ApplyItemAppearanceStyle(&appearance, c.Style);
        const TColors got = ColorsOf(appearance);
        for (std::size_t i = 0; i < got.size(); ++i)
            EXPECT_EQ(got[i], c.Expected[i]) << "style " << static_cast<int>(c.Style) << ", colour " << i;
    }
    ApplyItemAppearanceStyle(nullptr, tsWindows7);  // nothing to colour, no fault
}

class ItemStyleOnControlsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        App = std::make_unique<ui::TApplication>();
        App->SetBackend(std::make_unique<ui::THeadlessBackend>());
        Form = new ui::TForm(App.get());
        Form->SetBounds(50, 50, 300, 200);
    }
    void TearDown() override { App.reset(); }

    std::unique_ptr<ui::TApplication> App;
    ui::TForm* Form = nullptr;
};

TEST_F(ItemStyleOnControlsTest, DetailAndPickersColourTheirItemsAndTheirPopupForAStyle)
{
    auto* detail = new TExtDetailDropDown(Form);
    auto* picker = new TExtColorPickerDropDown(Form);
    auto* images = new TExtImagePickerDropDown(Form);
    for (TExtCustomDropDown* drop : {static_cast<TExtCustomDropDown*>(detail), static_cast<TExtCustomDropDown*>(picker),
                                     static_cast<TExtCustomDropDown*>(images)}) {
        drop->SetParent(Form);
        drop->SetComponentStyle(tsWindows7);
        EXPECT_EQ(drop->GetComponentStyle(), tsWindows7);
        EXPECT_EQ(drop->DropDownBorderColor(), 0x979797u) << "the drop-down edit's own colours first";
    }
    EXPECT_EQ(detail->ItemAppearance().ColorSelected(), 0xFCEBDCu);
    EXPECT_EQ(detail->ItemAppearance().EdgeColor(), 0xE0C5AEu);
    EXPECT_EQ(picker->ItemAppearance().ColorHot(), 0xFDFBFAu);
    EXPECT_EQ(picker->ItemAppearance().BorderColor(), 0xCEA27Du);
    EXPECT_EQ(images->ItemAppearance().ColorSelected(), 0xFCEBDCu);
    EXPECT_EQ(images->ItemAppearance().BorderColor(), 0xCEA27Du);

    // The open detail list paints with a copy of the styled appearance.
    detail->Items().Add()->SetCaption("Maize");
    detail->SetBounds(10, 10, 150, 21);
    Form->Show();
    detail->ShowDropDown();
    App->ProcessMessages();
    ASSERT_TRUE(detail->DroppedDown());
    EXPECT_EQ(detail->ItemSelector()->ItemAppearance().ColorSelectedTo(), 0xFCDBC1u);
}

}  // namespace
