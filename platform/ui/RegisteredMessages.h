// Registered window messages: a name gets a process-wide id from 0xC000, the same id each time.
#pragma once

#include <string>

#include "platform/ui/Messages.h"

namespace ui {

// Id of the message registered under `name` (names compared without regard to case);
// registers it on first use. 0 for an empty name.
UINT RegisterWindowMessage(const std::string& name);

// The name a registered id was given; empty for ids that were never handed out.
std::string GetRegisteredMessageName(UINT id);

}  // namespace ui
