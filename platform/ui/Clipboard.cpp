// The clipboard: named formats in process, text mirrored to the desktop clipboard through the window backend.
#include "platform/ui/Clipboard.h"

#include "platform/ui/Backend.h"
#include "platform/ui/Forms.h"

#include "platform/rtl/StrUtils.h"

namespace ui {

namespace {

struct TFormatTable {
    std::map<std::string, unsigned> ByName;  // upper-cased name
    std::map<unsigned, std::string> Names;
    unsigned Next = 0xC000;
};

TFormatTable& Formats()
{
    static TFormatTable table = [] {
        TFormatTable t;
        t.ByName["CF_TEXT"] = CF_TEXT;
        t.ByName["CF_UNICODETEXT"] = CF_UNICODETEXT;
        t.Names[CF_TEXT] = "CF_TEXT";
        t.Names[CF_UNICODETEXT] = "CF_UNICODETEXT";
        return t;
    }();
    return table;
}

// The desktop clipboard is there when the window backend has one (the real window backend).
TBackend* DesktopBackend()
{
    TApplication* app = Application();
    if (app == nullptr || !app->HasBackend() || !app->Backend().HasDesktopClipboard()) return nullptr;
    return &app->Backend();
}

}  // namespace

unsigned RegisterClipboardFormat(const std::string& name)
{
    if (name.empty()) return 0;
    TFormatTable& t = Formats();
    std::string key = rtl::UpperCase(name);
    auto it = t.ByName.find(key);
    if (it != t.ByName.end()) return it->second;
    unsigned id = t.Next++;
    t.ByName[key] = id;
    t.Names[id] = name;
    return id;
}

std::string GetClipboardFormatName(unsigned format)
{
    TFormatTable& t = Formats();
    auto it = t.Names.find(format);
    return it == t.Names.end() ? std::string() : it->second;
}

void TClipboard::Open()
{
    if (FOpenCount++ == 0) FClearedInBracket = false;
}

void TClipboard::Close()
{
    if (FOpenCount == 0) return;
    if (--FOpenCount == 0) PushDesktopText();
}

void TClipboard::Clear()
{
    FData.clear();
    if (FOpenCount > 0) FClearedInBracket = true;
}

void TClipboard::BeginWrite()
{
    if (FOpenCount == 0) {
        FData.clear();
        return;
    }
    if (!FClearedInBracket) {
        FData.clear();
        FClearedInBracket = true;
    }
}

bool TClipboard::HasFormat(unsigned format) const
{
    PullDesktopText();
    if (format == CF_UNICODETEXT) format = CF_TEXT;
    return FData.count(format) != 0;
}

std::vector<unsigned> TClipboard::Formats() const
{
    PullDesktopText();
    std::vector<unsigned> list;
    for (const auto& [format, bytes] : FData) list.push_back(format);
    return list;
}

std::string TClipboard::AsText() const
{
    return GetData(CF_TEXT);
}

void TClipboard::SetAsText(const std::string& text)
{
    SetData(CF_TEXT, text);
}

std::string TClipboard::GetData(unsigned format) const
{
    PullDesktopText();
    if (format == CF_UNICODETEXT) format = CF_TEXT;
    auto it = FData.find(format);
    return it == FData.end() ? std::string() : it->second;
}

void TClipboard::SetData(unsigned format, const std::string& bytes)
{
    if (format == CF_UNICODETEXT) format = CF_TEXT;
    BeginWrite();
    FData[format] = bytes;
    if (FOpenCount == 0) PushDesktopText();
}

void TClipboard::PushDesktopText() const
{
    TBackend* desktop = DesktopBackend();
    if (desktop == nullptr) return;
    auto it = FData.find(CF_TEXT);
    std::string text = it == FData.end() ? std::string() : it->second;
    desktop->SetDesktopClipboardText(text);
    FLastDesktopText = text;
}

void TClipboard::PullDesktopText() const
{
    TBackend* desktop = DesktopBackend();
    if (desktop == nullptr || FOpenCount > 0) return;
    const std::optional<std::string> read = desktop->DesktopClipboardText();
    if (!read) return;
    const std::string& text = *read;
    // Another program's text replaces what we held; our own text, read back, changes nothing.
    if (text == FLastDesktopText) return;
    FLastDesktopText = text;
    FData.clear();
    if (!text.empty()) FData[CF_TEXT] = text;
}

TClipboard& Clipboard()
{
    static TClipboard clipboard;
    return clipboard;
}

}  // namespace ui
