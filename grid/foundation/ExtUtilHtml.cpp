// HTML pieces of the grid utilities: colours as HTML hex digits and the clipboard "HTML Format" block.
#include "grid/foundation/ExtUtilHtml.h"

#include "platform/rtl/Format.h"
#include "platform/rtl/Utf8.h"

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
    // Offsets count characters: the header is 97, the texts before the fragment 62 and
    // 115, the closing text 32.
    const int length = static_cast<int>(rtl::Utf8Length(fragment));
    std::string out;
    out += "Version:1.0\r\n";
    out += rtl::Format("%s%.8d", {"StartHTML:", 97}) + "\r\n";
    out += rtl::Format("%s%.8d", {"EndHTML:", length + 306}) + "\r\n";
    out += rtl::Format("%s%.8d", {"StartFragment:", 274}) + "\r\n";
    out += rtl::Format("%s%.8d", {"EndFragment:", length + 274}) + "\r\n";
    out += "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">";
    out += "<html><head><META http-equiv=Content-Type content=\"text/html; charset=iso-8859-1\">"
           "</head><body><!--StartFragment-->";
    out += fragment;
    out += "<!--EndFragment--></body></html>";
    fragment = std::move(out);
}

}  // namespace grid
