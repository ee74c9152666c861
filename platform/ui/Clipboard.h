// The clipboard: an in-process store of named formats, its text mirrored to the desktop clipboard.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace ui {

// Standard format numbers, as the platform numbers them.
constexpr unsigned CF_TEXT = 1;
constexpr unsigned CF_UNICODETEXT = 13;

// A format number for a named format (from 0xC000), the same number for the same name
// without regard to case; standard names give the standard number.
unsigned RegisterClipboardFormat(const std::string& name);
// The name a format was registered under ("" for an unknown number).
std::string GetClipboardFormatName(unsigned format);

// The clipboard holds several formats of one piece of data at once. Writing a format
// outside an Open/Close bracket replaces everything the clipboard held; inside a bracket
// the first write replaces, later writes add formats. Text is kept as UTF-8 and is
// handed to the desktop clipboard when a desktop session is up; text another program
// put there since is what AsText then reads.
class TClipboard {
public:
    void Open();
    void Close();
    void Clear();

    bool HasFormat(unsigned format) const;
    std::vector<unsigned> Formats() const;

    std::string AsText() const;
    void SetAsText(const std::string& text);
    // Raw bytes of any format ("" when absent).
    std::string GetData(unsigned format) const;
    void SetData(unsigned format, const std::string& bytes);

private:
    void BeginWrite();
    void PullDesktopText() const;
    void PushDesktopText() const;

    mutable std::map<unsigned, std::string> FData;
    mutable std::string FLastDesktopText;
    int FOpenCount = 0;
    bool FClearedInBracket = false;
};

// The process's clipboard.
TClipboard& Clipboard();

}  // namespace ui
