// HTML pieces of the grid utilities: colours as HTML hex digits and the clipboard "HTML Format" block.
#include "grid/foundation/ExtUtilHtml.h"

#include "platform/rtl/Format.h"

#include <cstdio>

namespace grid {

std::string ColorToHtmlHex(gfx::TColor color)
{
    const auto v = static_cast<std::uint32_t>(color);
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02X%02X%02X", v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
    return buf;
}

void BuildClipboardHtml(std::string& fragment)
{
    // The offsets count bytes of the block as it stands, so the fragment's UTF-8 text is
    // declared as such: counting characters would put every offset after a non-ASCII
    // character too early.
    static const std::string before =
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">"
        "<html><head><META http-equiv=Content-Type content=\"text/html; charset=utf-8\">"
        "</head><body><!--StartFragment-->";
    static const std::string after = "<!--EndFragment--></body></html>";
    auto line = [](const char* name, std::size_t offset) {
        return rtl::Format("%s%.8d", {name, static_cast<int>(offset)}) + "\r\n";
    };
    const std::string version = "Version:1.0\r\n";
    // Every offset line has the same length whatever its number (eight digits).
    const std::size_t header = version.size() + line("StartHTML:", 0).size() + line("EndHTML:", 0).size() +
                               line("StartFragment:", 0).size() + line("EndFragment:", 0).size();
    const std::size_t startFragment = header + before.size();
    const std::size_t endFragment = startFragment + fragment.size();
    std::string out = version + line("StartHTML:", header) + line("EndHTML:", endFragment + after.size()) +
                      line("StartFragment:", startFragment) + line("EndFragment:", endFragment);
    out += before;
    out += fragment;
    out += after;
    fragment = std::move(out);
}

}  // namespace grid
