// The profile of the system the program runs on, replaceable as a whole.
#include "platform/ui/SystemProfile.h"

#include "platform/gfx/ThemedParts.h"

namespace ui {

namespace {

std::unique_ptr<TSystemProfile>& ActiveProfile()
{
    static std::unique_ptr<TSystemProfile> profile = std::make_unique<TSystemProfile>();
    return profile;
}

}  // namespace

void TSystemProfile::GetVersion(int& major, int& minor) const
{
    major = 10;
    minor = 0;
}

bool TSystemProfile::VisualStylesActive() const
{
    return CommonControlsMajor() >= 6 && gfx::ThemesActive();
}

const TSystemProfile& SystemProfile()
{
    return *ActiveProfile();
}

void SetSystemProfile(std::unique_ptr<TSystemProfile> profile)
{
    ActiveProfile() = profile != nullptr ? std::move(profile) : std::make_unique<TSystemProfile>();
}

}  // namespace ui
