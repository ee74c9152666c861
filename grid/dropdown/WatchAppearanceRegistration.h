// Published properties of a clock's look and mode, for the clock and for the controls that hand them to one.
#pragma once

#include <string>

namespace rtl {
class TComponent;
}

namespace ui {
class TClassInfo;
}

namespace grid {

class TWatchAppearance;
class TWatchSettings;

using TWatchAppearanceOf = TWatchAppearance& (*)(rtl::TComponent*);
using TWatchSettingsOf = TWatchSettings& (*)(rtl::TComponent*);

// Every property of the appearance as <prefix><name> (fonts as <prefix>HourFont.Name …, the
// picture as <prefix>Picture.Data).
void RegisterWatchAppearance(ui::TClassInfo& c, const std::string& prefix, TWatchAppearanceOf appearance);
// Auto, Second and TimeOffset as <prefix><name>.
void RegisterWatchSettings(ui::TClassInfo& c, const std::string& prefix, TWatchSettingsOf settings);

}  // namespace grid
