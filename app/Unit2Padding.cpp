// Shared routines: fixed-width alignment of text, counted in characters.
#include "app/Unit2.h"

#include "platform/rtl/Utf8.h"

namespace app {

std::string PadRight(std::string_view text, int width)
{
    if (width <= 0) return {};
    const std::size_t length = rtl::Utf8Length(text);
    const auto target = static_cast<std::size_t>(width);
    if (length >= target) return rtl::Utf8Copy(text, 1, width);
    std::string result(text);
    result.append(target - length, ' ');
    return result;
}

std::string PadLeft(std::string_view text, int width)
{
    if (width <= 0) return {};
    const std::size_t length = rtl::Utf8Length(text);
    const auto target = static_cast<std::size_t>(width);
    if (length >= target) return rtl::Utf8Copy(text, 1, width);
    std::string result(target - length, ' ');
    result.append(text);
    return result;
}

}  // namespace app
