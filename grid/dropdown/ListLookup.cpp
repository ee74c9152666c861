// The lookup of a list drop-down: prefix matching and the typed lookup entry's keys.
#include "grid/dropdown/ListLookup.h"

#include "grid/dropdown/ExtDropDownEdit.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Utf8.h"
#include "platform/ui/Keyboard.h"

namespace grid {

bool StartsWithFolded(const std::string& text, const std::string& foldedPrefix, bool caseSensitive)
{
    if (foldedPrefix.empty()) return false;
    if (caseSensitive) return text.compare(0, foldedPrefix.size(), foldedPrefix) == 0;
    std::size_t i = 0;
    for (; i < foldedPrefix.size() && i < text.size(); ++i) {
        auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x80 || static_cast<unsigned char>(foldedPrefix[i]) >= 0x80) break;
        if (c >= 'a' && c <= 'z') c = static_cast<unsigned char>(c - 'a' + 'A');
        if (c != static_cast<unsigned char>(foldedPrefix[i])) return false;
    }
    if (i == foldedPrefix.size()) return true;
    if (i == text.size()) return false;
    return rtl::AnsiUpperCase(text).compare(0, foldedPrefix.size(), foldedPrefix) == 0;
}

void LookupBackspace(TExtCustomDropDown& edit, std::string& entry)
{
    if (edit.SelLength() == 0) {
        const auto n = static_cast<long long>(rtl::Utf8Length(entry));
        if (n > 0) entry = rtl::Utf8Copy(entry, 1, n - 1);
        edit.SetText(entry);
    } else {
        edit.SetSelText("");
    }
    edit.SetSelStart(static_cast<int>(rtl::Utf8Length(edit.GetText())));
}

bool EndsListLookup(char32_t key, bool listEditable)
{
    const bool altHeld = ui::GetKeyState(ui::VK_MENU) < 0;
    return ((key == ui::VK_RETURN || key == ui::VK_ESCAPE) && !altHeld) || listEditable;
}

}  // namespace grid
