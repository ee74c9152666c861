// The time picker drop-down's value: the masked time text, its parsing, committing on exit and stepping the part under the caret.
#include "grid/dropdown/ExtTimePickerDropDown.h"

#include <cctype>

#include "grid/dropdown/ExtWatch.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Utf8.h"
#include "platform/ui/Keyboard.h"

namespace grid {

namespace {

std::string TwoDigits(int n)
{
    return (n < 10 ? "0" : "") + std::to_string(n);
}

char TimeSeparator()
{
    return rtl::FormatSettings.TimeSeparator;
}

// A part of the typed time: empty, or its first one or two characters are digits.
bool HasTwoLeadingDigits(const std::string& part)
{
    if (part.empty()) return true;
    if (!std::isdigit(static_cast<unsigned char>(part[0]))) return false;
    return part.size() < 2 || std::isdigit(static_cast<unsigned char>(part[1]));
}

// The number the leading digits of a part make; an empty part counts as 0.
int LeadingNumber(const std::string& part)
{
    int n = 0;
    for (char c : part) {
        if (!std::isdigit(static_cast<unsigned char>(c)) || n > 99) break;
        n = n * 10 + (c - '0');
    }
    return n;
}

struct THms {
    int H = 0, N = 0, S = 0, Ms = 0;
};

THms Decode(rtl::TDateTime t)
{
    THms p;
    rtl::DecodeTime(t, p.H, p.N, p.S, p.Ms);
    return p;
}

// Keeps the caret and selection of an edit across a text change made by the control itself.
class TSelectionKeeper {
public:
    explicit TSelectionKeeper(ui::TCustomEdit& edit) : FEdit(edit), FStart(edit.SelStart()), FLength(edit.SelLength())
    {
    }
    ~TSelectionKeeper()
    {
        FEdit.SetSelStart(FStart);
        FEdit.SetSelLength(FLength);
    }

private:
    ui::TCustomEdit& FEdit;
    int FStart;
    int FLength;
};

}  // namespace

TExtTimePickerDropDown::TExtTimePickerDropDown(rtl::TComponent* AOwner)
    : TExtCustomDropDown(AOwner),
      FWatchAppearance(std::make_unique<TWatchAppearance>()),
      FWatchSettings(std::make_unique<TWatchSettings>())
{
    SetEditorEnabled(false);
    SetDropDownEnabled(true);
    DropDownHeader().SetVisible(false);
    DropDownFooter().SetVisible(false);
    SetMaskInternal(true);
    SetTextInternal(TimeText(0));
    // The base made its pop-up before this class existed: the panel and the clock are added now.
    CreateDropDownForm();
}

TExtTimePickerDropDown::~TExtTimePickerDropDown() = default;

// --- text and mask

std::string TExtTimePickerDropDown::TimeText(rtl::TDateTime Value) const
{
    const THms p = Decode(Value);
    const std::string t(1, TimeSeparator());
    std::string text = TwoDigits(p.H) + t + TwoDigits(p.N);
    if (FShowSeconds) text += t + TwoDigits(p.S);
    return text;
}

std::string TExtTimePickerDropDown::TimeMask() const
{
    // The separator is escaped so that it stands as itself whatever character the locale uses.
    const std::string t = std::string("\\") + TimeSeparator();
    return FShowSeconds ? "!90" + t + "00" + t + "00;1; " : "!90" + t + "00;1; ";
}

void TExtTimePickerDropDown::SetTextInternal(const std::string& text)
{
    const bool was = FInternalCall;
    FInternalCall = true;
    SetTextDirect(text);
    FInternalCall = was;
}

void TExtTimePickerDropDown::SetMaskInternal(bool on)
{
    const std::string mask = on ? TimeMask() : std::string();
    if (mask == EditMask()) return;
    const bool was = FInternalCall;
    FInternalCall = true;
    SetEditMask(mask);
    FInternalCall = was;
}

void TExtTimePickerDropDown::WriteTimeText()
{
    SetTextInternal(TimeText(FTime));
}

void TExtTimePickerDropDown::SetText(const std::string& Value)
{
    SetMaskInternal(!Value.empty());
    TExtCustomDropDown::SetText(Value);
}

void TExtTimePickerDropDown::SetShowSeconds(bool Value)
{
    if (Value == FShowSeconds) return;
    FShowSeconds = Value;
    const bool was = FInternalCall;
    FInternalCall = true;
    SetEditMask("");
    SetTextDirect("");
    SetEditMask(TimeMask());
    FInternalCall = was;
    // Moved by a day first, so that the setter sees a change and writes the new layout.
    const rtl::TDateTime t = FTime;
    FTime = t + 1;
    SetTime(t);
}

void TExtTimePickerDropDown::SetResolution(int Value)
{
    if (Value > 30) return;
    FResolution = Value;
}

// --- value

void TExtTimePickerDropDown::SetTime(rtl::TDateTime Value)
{
    if (Value == FTime) return;
    if (EditorEnabled() && Value != 0 && !IsMasked()) SetMaskInternal(true);
    FTime = Value;
    WriteTimeText();
    if (PopupVisible()) SetWatchTime(Value);
}

bool TExtTimePickerDropDown::TextToTime(rtl::TDateTime& value) const
{
    const std::string text = Text();
    if (text.empty()) {
        value = 0;
        return true;
    }
    return rtl::TryStrToTime(text, value);
}

void TExtTimePickerDropDown::Change()
{
    TExtCustomDropDown::Change();
    const std::string text = Text();
    if (text.empty() || FInternalCall) return;
    const char t = TimeSeparator();
    const std::size_t first = text.find(t);
    if (first == std::string::npos) return;
    const std::size_t second = text.find(t, first + 1);
    const bool two = second != std::string::npos;
    if (two != FShowSeconds || (two && text.find(t, second + 1) != std::string::npos)) return;
    std::string filled = text;
    for (char& c : filled)
        if (c == ' ') c = '0';
    const std::string hour = rtl::Trim(filled.substr(0, first));
    const std::string minute = rtl::Trim(two ? filled.substr(first + 1, second - first - 1) : filled.substr(first + 1));
    const std::string second_ = two ? rtl::Trim(filled.substr(second + 1)) : std::string();
    for (const std::string* part : {&hour, &minute, &second_})
        if (!HasTwoLeadingDigits(*part)) return;
    const int h = LeadingNumber(hour), n = LeadingNumber(minute), s = LeadingNumber(second_);
    // Sound behaviour: a typed hour, minute or second out of range is ignored, leaving the
    // time and the text as they are, instead of raising the time-encoding error at each key.
    rtl::TDateTime value = 0;
    if (!rtl::TryEncodeTime(h, n, s, 0, value)) return;
    FTime = value;
    if (n == 0 && s == 0 && TimeText(FTime) != text) {
        TSelectionKeeper keep(*this);
        WriteTimeText();
    }
}

void TExtTimePickerDropDown::DoExit()
{
    rtl::TDateTime value = 0;
    // Sound behaviour: a text that does not convert keeps the time and shows it again,
    // rather than raising the conversion error on every exit.
    if (TextToTime(value)) SetTime(value);
    else WriteTimeText();
    TExtCustomDropDown::DoExit();
    FInternalCall = false;
    Change();
}

// --- stepping

TExtTimePickerDropDown::TTimePart TExtTimePickerDropDown::PartAtCaret(int caret) const
{
    const std::u32string text = rtl::Utf8Decode(Text());
    const char32_t t = static_cast<unsigned char>(TimeSeparator());
    // 1-based positions as the text shows them; 0 when there is none.
    const std::size_t at1 = text.find(t);
    const int p1 = at1 == std::u32string::npos ? 0 : static_cast<int>(at1) + 1;
    if (p1 > caret) return TTimePart::Hour;
    const std::size_t at2 = text.substr(static_cast<std::size_t>(p1)).find(t);
    const int p2 = at2 == std::u32string::npos ? 0 : static_cast<int>(at2) + 1;
    if (caret - p1 >= p2 && FShowSeconds) return TTimePart::Second;
    return TTimePart::Minute;
}

void TExtTimePickerDropDown::SetTimePart(TTimePart part, int value)
{
    THms p = Decode(FTime);
    int& target = part == TTimePart::Hour ? p.H : part == TTimePart::Minute ? p.N : p.S;
    const int limit = part == TTimePart::Hour ? 23 : 59;
    if (value == target || value < 0 || value > limit) return;
    target = value;
    SetTime(rtl::EncodeTime(p.H, p.N, p.S, p.Ms));
    if (OnTimeChange) OnTimeChange(this);
}

// Each part wraps on its own: the hour past 23 is 0 and the minute past 59 is 0 with the hour
// left as it is.
void TExtTimePickerDropDown::StepPart(TTimePart part, int delta)
{
    const THms p = Decode(FTime);
    const int now = part == TTimePart::Hour ? p.H : part == TTimePart::Minute ? p.N : p.S;
    const int count = part == TTimePart::Hour ? 24 : 60;
    SetTimePart(part, (now + delta + count) % count);
}

void TExtTimePickerDropDown::KeyDown(ui::WORD& Key, ui::TShiftState Shift)
{
    // The caret as the user placed it: the edit's own handling of Up and Down moves it.
    const int caret = SelStart() - static_cast<int>(rtl::Utf8Decode(Prefix()).size());
    TExtCustomDropDown::KeyDown(Key, Shift);
    if ((Shift & (ui::ssAlt | ui::ssCtrl)) != 0 || ui::GetKeyState(ui::VK_MENU) < 0) return;
    if (Key != ui::VK_UP && Key != ui::VK_DOWN) return;
    // Up lowers the part and Down raises it.
    StepPart(PartAtCaret(caret), Key == ui::VK_UP ? -1 : 1);
    const int at = caret + static_cast<int>(rtl::Utf8Decode(Prefix()).size());
    Select(at, at);
}

}  // namespace grid
