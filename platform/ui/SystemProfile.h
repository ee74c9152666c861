// The one answer to what the program asks of the system it runs on: the system's version,
// the common-controls version, the locale queries and whether visual styles are on.
#pragma once

#include <memory>

namespace ui {

// The default profile is the newest system the grid family knows: version 10.0, common
// controls 6 with the newer locale query. Tests install their own to reach the paths of
// older systems.
class TSystemProfile {
public:
    virtual ~TSystemProfile() = default;
    // Major and minor version of the system.
    virtual void GetVersion(int& major, int& minor) const;
    // Major version of the common-controls library (6 brings the themed controls).
    virtual int CommonControlsMajor() const { return 6; }
    // True when the system's base library offers the locale query by name ("GetLocaleInfoEx").
    virtual bool HasLocaleInfoEx() const { return true; }
    // True when controls paint themed: common controls 6 and the visual-styles switch of the
    // themed-part painter on.
    bool VisualStylesActive() const;
};

// The profile in force.
const TSystemProfile& SystemProfile();
// Installs a profile; nullptr restores the default one.
void SetSystemProfile(std::unique_ptr<TSystemProfile> profile);

}  // namespace ui
