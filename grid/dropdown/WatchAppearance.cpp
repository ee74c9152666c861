// The analog clock's look and mode: defaults, setters with change notification and copying.
#include "grid/dropdown/WatchAppearance.h"

#include <utility>

namespace grid {

// ===== TWatchSettings

void TWatchSettings::Changed()
{
    if (OnChange) OnChange(this);
}

void TWatchSettings::SetAuto(bool Value)
{
    if (Value == FAuto) return;
    FAuto = Value;
    Changed();
}

void TWatchSettings::SetSecond(bool Value)
{
    if (Value == FSeconds) return;
    FSeconds = Value;
    Changed();
}

void TWatchSettings::SetTimeOffset(int Value)
{
    if (Value == FTimeOffset) return;
    FTimeOffset = Value;
    Changed();
}

void TWatchSettings::Assign(const rtl::TPersistent* Source)
{
    auto* src = dynamic_cast<const TWatchSettings*>(Source);
    if (src == nullptr) {
        rtl::TPersistent::Assign(Source);
        return;
    }
    FSeconds = src->FSeconds;
    FTimeOffset = src->FTimeOffset;
    SetAuto(src->FAuto);
}

// ===== TWatchAppearance

TWatchAppearance::TWatchAppearance() : FPicture(std::make_unique<gfx::TPicture>())
{
    FHourFont.SetName("Tahoma");
    FHourFont.SetSize(8);
    FAMPMFont.SetName("Tahoma");
    FAMPMFont.SetSize(10);
    FPicture->OnChange = [this](rtl::TObject*) { Changed(); };
}

void TWatchAppearance::Changed()
{
    if (OnChange) OnChange(this);
}

void TWatchAppearance::Reset()
{
#define GRID_WATCH_RESET(type, name, def) F##name = def;
    GRID_WATCH_PROPS(GRID_WATCH_RESET)
#undef GRID_WATCH_RESET
    FHourFont.SetName("Tahoma");
    FHourFont.SetSize(8);
    FAMPMFont.SetName("Tahoma");
    FAMPMFont.SetSize(10);
    FPicture->SetGraphic(nullptr);
}

void TWatchAppearance::Assign(const rtl::TPersistent* Source)
{
    auto* src = dynamic_cast<const TWatchAppearance*>(Source);
    if (src == nullptr) {
        rtl::TPersistent::Assign(Source);
        return;
    }
    // Only these three notify; the rest are read again at the next paint.
    gfx::TColor outer = FCenterPointOuterBorderColor;
    TTickMarks ticks = FTickMarks;
    THourMarkStyle markStyle = FHourMarkStyle;
#define GRID_WATCH_COPY(type, name, def) F##name = src->F##name;
    GRID_WATCH_PROPS(GRID_WATCH_COPY)
#undef GRID_WATCH_COPY
    std::swap(outer, FCenterPointOuterBorderColor);
    std::swap(ticks, FTickMarks);
    std::swap(markStyle, FHourMarkStyle);
    FHourFont.Assign(&src->FHourFont);
    FAMPMFont.Assign(&src->FAMPMFont);
    auto pictureHook = std::move(FPicture->OnChange);
    FPicture->Assign(src->FPicture.get());
    FPicture->OnChange = std::move(pictureHook);
    SetCenterPointOuterBorderColor(outer);
    SetTickMarks(ticks);
    SetHourMarkStyle(markStyle);
}

}  // namespace grid
