// Opening links with the desktop's opener: only web, mail and file links, passed as one argument, never through a shell.
#pragma once

#include <functional>
#include <string>

namespace ui {

// Starts the desktop opener for a link; true when it started.
using TDesktopOpener = std::function<bool(const std::string& Link)>;

// Replaces the opener (tests record the links); an empty function restores xdg-open.
void SetDesktopOpener(TDesktopOpener Opener);

// Whether a link may be handed to the opener: "http:", "https:", "mailto:" or "file:" at
// its start, in any letter case.
bool IsOpenableLink(const std::string& Link);

// Hands an openable link to the opener as its single argument; false for any other link
// and when the opener could not be started.
bool OpenWithDesktop(const std::string& Link);

}  // namespace ui
