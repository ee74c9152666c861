// The system profile: what it answers by default and how an installed profile reaches the
// version, locale and theme probes of the drop-down family and what they paint.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "grid/dropdown/DropDownEditButton.h"
#include "grid/dropdown/DropDownRoutines.h"
#include "grid/dropdown/ExtDropDownEdit.h"
#include "grid/foundation/ExtStyleIF.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/gfx/ThemedParts.h"
#include "platform/ui/Forms.h"
#include "platform/ui/SystemProfile.h"

namespace {

using namespace grid;
using ui::THeadlessBackend;

class TFixedProfile : public ui::TSystemProfile {
public:
    TFixedProfile(int major, int minor, int comCtl, bool localeEx)
        : FMajor(major), FMinor(minor), FComCtl(comCtl), FLocaleEx(localeEx)
    {
    }
    void GetVersion(int& major, int& minor) const override
    {
        major = FMajor;
        minor = FMinor;
    }
    int CommonControlsMajor() const override { return FComCtl; }
    bool HasLocaleInfoEx() const override { return FLocaleEx; }

private:
    int FMajor, FMinor, FComCtl;
    bool FLocaleEx;
};

struct ProfileCase {
    const char* name;
    int major, minor, comCtl;
    bool localeEx;
    bool windows10, vistaTo8, xpOrLater;
    const char* uiFont;
};

const ProfileCase Profiles[] = {
    {"Windows 2000", 5, 0, 5, false, false, false, false, "Tahoma"},
    {"XP", 5, 1, 6, false, false, false, true, "Tahoma"},
    {"Vista", 6, 0, 6, true, false, true, true, "Segoe UI"},
    {"Windows 8", 6, 2, 6, true, false, true, true, "Segoe UI"},
    {"Windows 10", 10, 0, 6, true, true, false, true, "Segoe UI"},
};

class SystemProfileTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        ui::SetSystemProfile(nullptr);
        gfx::SetThemesActive(false);
    }
    void Install(const ProfileCase& c)
    {
        ui::SetSystemProfile(std::make_unique<TFixedProfile>(c.major, c.minor, c.comCtl, c.localeEx));
    }
};

TEST_F(SystemProfileTest, TheDefaultProfileIsTheNewestSystemWithThemesOnlyWhenSwitchedOn)
{
    int major = 0, minor = -1;
    ui::SystemProfile().GetVersion(major, minor);
    EXPECT_EQ(major, 10);
    EXPECT_EQ(minor, 0);
    EXPECT_EQ(ui::SystemProfile().CommonControlsMajor(), 6);
    EXPECT_TRUE(ui::SystemProfile().HasLocaleInfoEx());
    EXPECT_FALSE(ui::SystemProfile().VisualStylesActive());
    gfx::SetThemesActive(true);
    EXPECT_TRUE(ui::SystemProfile().VisualStylesActive());
    Install(Profiles[0]);
    EXPECT_FALSE(ui::SystemProfile().VisualStylesActive()) << "common controls 5 draw no themes";
    ui::SetSystemProfile(nullptr);
    ui::SystemProfile().GetVersion(major, minor);
    EXPECT_EQ(major, 10);
}

TEST_F(SystemProfileTest, EveryProbeAnswersFromTheInstalledProfile)
{
    for (const ProfileCase& c : Profiles) {
        Install(c);
        int major = 0, minor = 0;
        GetWindowsVersion(major, minor);
        EXPECT_EQ(major, c.major) << c.name;
        EXPECT_EQ(minor, c.minor) << c.name;
        EXPECT_EQ(IsWindows10(), c.windows10) << c.name;
        EXPECT_EQ(IsWindowsVistaTo8(), c.vistaTo8) << c.name;
        EXPECT_EQ(IsWindowsXPOrLater(), c.xpOrLater) << c.name;
        EXPECT_EQ(IsCommonControls6(), c.comCtl >= 6) << c.name;
        EXPECT_EQ(HasLocaleInfoEx(), c.localeEx) << c.name;
        EXPECT_EQ(GetDefaultUIFontName(), c.uiFont) << c.name;
    }
}

// The drop-down button painted under a profile, as the pixels of its client area.
std::vector<std::int32_t> ButtonPixels(const ProfileCase& c)
{
    ui::SetSystemProfile(std::make_unique<TFixedProfile>(c.major, c.minor, c.comCtl, c.localeEx));
    gfx::SetThemesActive(true);
    ui::TApplication app;
    app.SetBackend(std::make_unique<ui::THeadlessBackend>());
    auto* form = new ui::TForm(&app);
    form->SetBorderStyle(ui::bsNone);
    form->SetBounds(100, 100, 300, 100);
    auto* edit = new TExtDropDown(form);
    edit->SetParent(form);
    edit->SetBounds(10, 10, 150, 21);
    form->Show();
    app.ProcessMessages();
    std::vector<std::int32_t> pixels;
    TDropDownEditButton* button = edit->Button();
    EXPECT_EQ(button->Width(), 16);
    for (int y = 0; y < button->Height(); ++y)
        for (int x = 0; x < button->Width(); ++x) pixels.push_back(THeadlessBackend::Pixel(button, x, y));
    return pixels;
}

TEST_F(SystemProfileTest, TheCommonControlsVersionChoosesTheThemedOrClassicArrow)
{
    const auto classic = ButtonPixels(Profiles[0]);
    const auto themed = ButtonPixels(Profiles[4]);
    const auto at = [](const std::vector<std::int32_t>& pixels, int x, int y) {
        return pixels[static_cast<std::size_t>(y * 16 + x)];
    };
    // Common controls 5: the classic raised button with its black arrow; 6 with the
    // visual-styles switch on: the themed part on the window colour.
    EXPECT_EQ(at(classic, 8, 8), 0x000000);
    EXPECT_EQ(at(classic, 3, 3), static_cast<std::int32_t>(gfx::ColorToRGB(gfx::clBtnFace)));
    EXPECT_EQ(at(themed, 3, 3), static_cast<std::int32_t>(gfx::ColorToRGB(gfx::clWindow)));
}

}  // namespace
