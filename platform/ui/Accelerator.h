// The accelerator of a control's caption: the letter after a single "&".
#pragma once

#include <string>

namespace ui {

// True when Key is the caption's accelerator: the character after its first single "&"
// ("&&" stands for a literal "&"), compared without regard to case. Only plain ASCII
// characters are accelerators.
bool IsAccel(char32_t Key, const std::string& Caption);

}  // namespace ui
