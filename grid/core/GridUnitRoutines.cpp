// Natural string order, locale look-ups, the focus-window hook and the file-version query.
#include "grid/core/GridUnitRoutines.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Paths.h"
#include "platform/ui/RichEdit.h"

namespace grid {

// ---------------------------------------------------------------- logical order

namespace {
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Compares the digit runs starting at i and j by value; advances both past their runs.
int CompareDigitRuns(const std::string& a, std::size_t& i, const std::string& b, std::size_t& j)
{
    while (i < a.size() && a[i] == '0' && i + 1 < a.size() && IsDigit(a[i + 1])) ++i;
    while (j < b.size() && b[j] == '0' && j + 1 < b.size() && IsDigit(b[j + 1])) ++j;
    std::size_t si = i;
    std::size_t sj = j;
    while (i < a.size() && IsDigit(a[i])) ++i;
    while (j < b.size() && IsDigit(b[j])) ++j;
    std::size_t li = i - si;
    std::size_t lj = j - sj;
    if (li != lj) return li < lj ? -1 : 1;
    int c = a.compare(si, li, b, sj, lj);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}
}  // namespace

int CompareStrLogical(const std::string& s1, const std::string& s2)
{
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < s1.size() && j < s2.size()) {
        if (IsDigit(s1[i]) && IsDigit(s2[j])) {
            int c = CompareDigitRuns(s1, i, s2, j);
            if (c != 0) return c;
            continue;
        }
        int a = std::tolower(static_cast<unsigned char>(s1[i]));
        int b = std::tolower(static_cast<unsigned char>(s2[j]));
        if (a != b) return a < b ? -1 : 1;
        ++i;
        ++j;
    }
    if (i < s1.size()) return 1;
    if (j < s2.size()) return -1;
    return 0;
}

// ---------------------------------------------------------------- locale

char GetTimeSeparator() { return rtl::FormatSettings.TimeSeparator; }
char GetDateSeparator() { return rtl::FormatSettings.DateSeparator; }
char GetThousandSeparator() { return rtl::FormatSettings.ThousandSeparator; }
char GetDecimalSeparator() { return rtl::FormatSettings.DecimalSeparator; }
std::string GetShortDateFormat() { return rtl::FormatSettings.ShortDateFormat; }
std::string GetShortTimeFormat() { return rtl::FormatSettings.ShortTimeFormat; }
std::string GetLongTimeFormat() { return rtl::FormatSettings.LongTimeFormat; }
std::string GetCurrencyString() { return rtl::FormatSettings.CurrencyString; }

// ---------------------------------------------------------------- focus-window hook

namespace {
// The unit-wide state of the hook: its handle and the grid whose focus window is shown.
ui::HHOOK HookHandle = 0;
rtl::TObject* RegisteredGrid = nullptr;
std::function<void()> PlaceRegistered;
bool Placing = false;
}  // namespace

void SetFocusWindowGrid(rtl::TObject* grid, std::function<void()> placeFocusWindow)
{
    RegisteredGrid = grid;
    PlaceRegistered = grid != nullptr ? std::move(placeFocusWindow) : nullptr;
}

rtl::TObject* FocusWindowGrid() { return RegisteredGrid; }

ui::LRESULT FocusWindowHook(int code, ui::WPARAM wParam, ui::LPARAM lParam)
{
    const auto* msg = reinterpret_cast<const ui::CWPSTRUCT*>(lParam);
    bool positionChange = msg != nullptr && (msg->message == ui::WM_WINDOWPOSCHANGING ||
                                             msg->message == ui::WM_WINDOWPOSCHANGED);
    // Placing the focus window moves a window too; the position messages that this move
    // sends do not place it again, so the hook cannot recurse without end.
    if (code >= 0 && positionChange && RegisteredGrid != nullptr && PlaceRegistered && !Placing) {
        Placing = true;
        // A copy runs, so that a grid clearing its registration while it places (its focus
        // window scrolled out of view) does not destroy the routine being run.
        const std::function<void()> place = PlaceRegistered;
        try {
            place();
        } catch (...) {
            Placing = false;
            throw;
        }
        Placing = false;
    }
    return ui::CallNextHookEx(HookHandle, code, wParam, lParam);
}

void InstallFocusWindowHook()
{
    if (HookHandle != 0) return;
    HookHandle = ui::SetWindowsHookEx(ui::WH_CALLWNDPROC, FocusWindowHook, nullptr, ui::GetCurrentThreadId());
}

void RemoveFocusWindowHook()
{
    if (HookHandle == 0) return;
    ui::UnhookWindowsHookEx(HookHandle);
    HookHandle = 0;
}

ui::HHOOK FocusWindowHookHandle() { return HookHandle; }

// ---------------------------------------------------------------- file version

namespace {
constexpr std::uint32_t FixedFileInfoSignature = 0xFEEF04BDu;

std::uint32_t ReadU32(const std::vector<unsigned char>& b, std::size_t at)
{
    return static_cast<std::uint32_t>(b[at]) | (static_cast<std::uint32_t>(b[at + 1]) << 8) |
           (static_cast<std::uint32_t>(b[at + 2]) << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

std::uint16_t ReadU16(const std::vector<unsigned char>& b, std::size_t at)
{
    return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

// Offset of the version-information block (its length word), found by its key
// "VS_VERSION_INFO" in UTF-16; npos when the file has none.
std::size_t FindVersionInfo(const std::vector<unsigned char>& bytes)
{
    static const char key[] = "VS_VERSION_INFO";
    std::vector<unsigned char> wide;
    for (const char* p = key; *p; ++p) {
        wide.push_back(static_cast<unsigned char>(*p));
        wide.push_back(0);
    }
    wide.push_back(0);
    wide.push_back(0);
    auto it = std::search(bytes.begin(), bytes.end(), wide.begin(), wide.end());
    if (it == bytes.end()) return std::string::npos;
    std::size_t keyAt = static_cast<std::size_t>(it - bytes.begin());
    return keyAt >= 6 ? keyAt - 6 : std::string::npos;
}
}  // namespace

std::int32_t GetFileVersionMS(const std::string& fileName)
{
    std::ifstream in(rtl::MapPath(fileName), std::ios::binary);
    if (!in) return -1;
    std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::size_t start = FindVersionInfo(bytes);
    if (start == std::string::npos) return -1;
    // Block: length, value length, type, the key (16 UTF-16 units), padding to a 32-bit
    // boundary, then the fixed file information: signature, structure version, MS, LS, ...
    std::size_t valueLength = ReadU16(bytes, start + 2);
    std::size_t fixedAt = start + ((6 + 32 + 3) & ~std::size_t{3});
    if (valueLength < 12 || fixedAt + 12 > bytes.size()) return -1;
    if (ReadU32(bytes, fixedAt) != FixedFileInfoSignature) return -1;
    return static_cast<std::int32_t>(ReadU32(bytes, fixedAt + 8));
}

void SetWindowTransparentStyle(ui::TWinControl* Control)
{
    if (auto* rich = dynamic_cast<ui::TRichEdit*>(Control)) rich->SetTransparent(true);
}

}  // namespace grid
