// The standard controls: buttons, label, check and radio buttons, scroll bar, edits, memo, list and combo boxes.
#pragma once

#include "platform/ui/StdCtrlsButtons.h"
#include "platform/ui/StdCtrlsEdit.h"
#include "platform/ui/StdCtrlsList.h"
