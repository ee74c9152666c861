// The accelerator of a control's caption.
#include "platform/ui/Accelerator.h"

namespace ui {

namespace {

char32_t AsciiLower(char32_t c) { return c >= U'A' && c <= U'Z' ? c - U'A' + U'a' : c; }

}  // namespace

bool IsAccel(char32_t Key, const std::string& Caption)
{
    for (std::size_t i = 0; i + 1 < Caption.size(); ++i) {
        if (Caption[i] != '&') continue;
        if (Caption[i + 1] == '&') {
            ++i;
            continue;
        }
        const auto c = static_cast<unsigned char>(Caption[i + 1]);
        return Key < 128 && c < 128 && AsciiLower(Key) == AsciiLower(c);
    }
    return false;
}

}  // namespace ui
