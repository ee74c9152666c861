// Event types of controls and forms: notify, mouse, key and wheel events.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/rtl/Object.h"
#include "platform/rtl/Types.h"
#include "platform/ui/Messages.h"

namespace ui {

using WORD = std::uint16_t;

using TNotifyEvent = std::function<void(rtl::TObject* Sender)>;
using TMouseEvent =
    std::function<void(rtl::TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(rtl::TObject* Sender, TShiftState Shift, int X, int Y)>;
using TKeyEvent = std::function<void(rtl::TObject* Sender, WORD& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(rtl::TObject* Sender, char32_t& Key)>;
using TMouseWheelEvent = std::function<void(rtl::TObject* Sender, TShiftState Shift, int WheelDelta,
                                            rtl::TPoint MousePos, bool& Handled)>;
using TMouseWheelUpDownEvent =
    std::function<void(rtl::TObject* Sender, TShiftState Shift, rtl::TPoint MousePos, bool& Handled)>;

using TContextPopupEvent = std::function<void(rtl::TObject* Sender, rtl::TPoint MousePos, bool& Handled)>;

// Shift state of a mouse message's key flags, with Alt read from the keyboard state.
TShiftState KeysToShiftState(WPARAM keys);
// Shift state of a key message: Shift, Ctrl and Alt as the keyboard state has them now.
TShiftState KeyDataToShiftState(LPARAM keyData);

}  // namespace ui
