// Test helper: sets the platform's number and date separators for one test and restores them.
#pragma once

#include "platform/rtl/FormatSettings.h"

#include <string>

namespace gridtest {

class LocaleScope {
public:
    // An empty long time format keeps the one in force.
    LocaleScope(char decimal, char thousand, char date, char time, std::string shortDate,
                std::string longTime = {})
        : FSaved(rtl::FormatSettings)
    {
        rtl::FormatSettings.DecimalSeparator = decimal;
        rtl::FormatSettings.ThousandSeparator = thousand;
        rtl::FormatSettings.DateSeparator = date;
        rtl::FormatSettings.TimeSeparator = time;
        rtl::FormatSettings.ShortDateFormat = std::move(shortDate);
        if (!longTime.empty()) rtl::FormatSettings.LongTimeFormat = std::move(longTime);
    }
    ~LocaleScope() { rtl::FormatSettings = FSaved; }
    LocaleScope(const LocaleScope&) = delete;
    LocaleScope& operator=(const LocaleScope&) = delete;

private:
    rtl::TFormatSettings FSaved;
};

// "." decimal, "," thousands, "/" dates in month-day-year order, ":" times.
inline LocaleScope UsLocale() { return LocaleScope('.', ',', '/', ':', "M/d/yyyy"); }

}  // namespace gridtest
