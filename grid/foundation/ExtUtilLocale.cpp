// Locale values of the grid utilities, read from the platform's current format settings at each call.
#include "grid/foundation/ExtUtilNumbers.h"

#include "platform/rtl/FormatSettings.h"

namespace grid {

namespace {
char32_t AsChar(char c) { return static_cast<char32_t>(static_cast<unsigned char>(c)); }
}  // namespace

char32_t LocaleTimeSeparator() { return AsChar(rtl::FormatSettings.TimeSeparator); }
char32_t LocaleDateSeparator() { return AsChar(rtl::FormatSettings.DateSeparator); }
char32_t LocaleThousandSeparator() { return AsChar(rtl::FormatSettings.ThousandSeparator); }
char32_t LocaleDecimalSeparator() { return AsChar(rtl::FormatSettings.DecimalSeparator); }
std::string LocaleShortDateFormat() { return rtl::FormatSettings.ShortDateFormat; }

}  // namespace grid
