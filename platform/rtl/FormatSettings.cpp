// The process-wide format settings, their defaults and the locale's decimal separator.
#include "platform/rtl/FormatSettings.h"

#include <clocale>
#include <cstring>
#include <langinfo.h>
#include <locale.h>

namespace rtl {

TFormatSettings::TFormatSettings()
    : ShortMonthNames{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                      "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"},
      LongMonthNames{"January", "February", "March",     "April",   "May",      "June",
                     "July",    "August",   "September", "October", "November", "December"},
      ShortDayNames{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"},
      LongDayNames{"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"} {}

TFormatSettings DefaultFormatSettings() { return TFormatSettings(); }

TFormatSettings FormatSettings;

char LocaleDecimalSeparator() {
    // A private locale object: the process locale (and with it every stream and
    // printf in the program) stays "C".
    locale_t loc = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(0));
    if (loc == static_cast<locale_t>(0)) return '.';
    const char* radix = nl_langinfo_l(RADIXCHAR, loc);
    char result = '.';
    if (radix != nullptr && std::strlen(radix) == 1 &&
        static_cast<unsigned char>(radix[0]) < 0x80 && radix[0] != '\0')
        result = radix[0];
    freelocale(loc);
    return result;
}

char RecordLocaleDecimalSeparator() {
    char sep = LocaleDecimalSeparator();
    FormatSettings.DecimalSeparator = sep;
    if (FormatSettings.ThousandSeparator == sep)
        FormatSettings.ThousandSeparator = (sep == ',') ? '.' : ',';
    return sep;
}

}  // namespace rtl
