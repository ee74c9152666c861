// A text for the main window's message panel, as the storyline actions hand it to their handler.
#pragma once

#include <string>

namespace app {

// What a storyline action asks the message panel to show; an empty text
// means there is nothing to show. The handler passes the three values on to
// ShowMessagePanel.
struct TStorylineMessage {
    std::string Text;
    bool ShowConfirm = true;
    bool ShowCancel = false;

    bool Empty() const { return Text.empty(); }
};

}  // namespace app
