// Edit masks (places, literals, case, blank character) and the masked edit that follows them.
#include "platform/ui/Mask.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Utf8.h"
#include "platform/ui/Forms.h"

namespace ui {

namespace {

bool IsLetter(char32_t ch)
{
    if (ch < 128) return (ch >= U'a' && ch <= U'z') || (ch >= U'A' && ch <= U'Z');
    return ch >= 0xC0 && ch != 0xD7 && ch != 0xF7;
}

bool IsDigit(char32_t ch)
{
    return ch >= U'0' && ch <= U'9';
}

char32_t ChangeCase(char32_t ch, int mode)
{
    if (mode == 0) return ch;
    std::string s = rtl::Utf8EncodeChar(ch);
    s = mode == 1 ? rtl::AnsiUpperCase(s) : rtl::AnsiLowerCase(s);
    std::u32string u = rtl::Utf8Decode(s);
    return u.size() == 1 ? u[0] : ch;
}

char32_t SeparatorChar(char separator)
{
    return static_cast<unsigned char>(separator) < 128 ? static_cast<char32_t>(separator) : U'/';
}

// With '!' and the literals saved, each run of places takes the text up to the literal that
// ends the run and is filled from its end, so " 8:15" and "8:15" both give the hour 8.
std::u32string SectionedEditText(const TEditMask& mask, const std::u32string& text)
{
    std::u32string out;
    std::size_t i = 0;
    int pos = 0;
    while (pos < mask.Length()) {
        if (mask.IsLiteral(pos)) {
            out += mask.LiteralChar(pos);
            if (i < text.size() && text[i] == mask.LiteralChar(pos)) ++i;
            ++pos;
            continue;
        }
        int end = pos;
        while (end < mask.Length() && !mask.IsLiteral(end)) ++end;
        const int places = end - pos;
        const char32_t literal = end < mask.Length() ? mask.LiteralChar(end) : 0;
        std::size_t stop = i;
        while (stop < text.size() && static_cast<int>(stop - i) < places && (literal == 0 || text[stop] != literal))
            ++stop;
        const int shift = places - static_cast<int>(stop - i);
        for (int k = 0; k < places; ++k) {
            const char32_t c = k < shift ? 0 : mask.Accept(pos + k, text[i + static_cast<std::size_t>(k - shift)]);
            out += c != 0 ? c : mask.Blank();
        }
        i = stop;
        pos = end;
    }
    return out;
}

}  // namespace

TEditMask::TEditMask(const std::string& mask)
{
    std::u32string m = rtl::Utf8Decode(mask);
    // Fields are separated by ';' that is not escaped.
    std::vector<std::u32string> fields(1);
    for (std::size_t i = 0; i < m.size(); ++i) {
        if (m[i] == U'\\' && i + 1 < m.size() && fields.size() == 1) {
            fields.back() += m[i];
            fields.back() += m[++i];
            continue;
        }
        if (m[i] == U';' && fields.size() < 3) {
            fields.emplace_back();
            continue;
        }
        fields.back() += m[i];
    }
    if (fields.size() > 1 && !fields[1].empty()) FSaveLiterals = fields[1][0] != U'0';
    if (fields.size() > 2 && !fields[2].empty()) FBlank = fields[2][0];
    const std::u32string& body = fields[0];
    int caseMode = 0;
    for (std::size_t i = 0; i < body.size(); ++i) {
        char32_t ch = body[i];
        switch (ch) {
        case U'\\':
            if (i + 1 < body.size()) FPlaces.push_back({true, body[++i], 0});
            break;
        case U'>':
            if (i + 1 < body.size() && body[i + 1] == U'<') {
                caseMode = 0;
                ++i;
            } else {
                caseMode = 1;
            }
            break;
        case U'<': caseMode = 2; break;
        case U'!': FTrimLeading = true; break;
        case U'L': case U'l': case U'A': case U'a': case U'C': case U'c': case U'0': case U'9': case U'#':
            FPlaces.push_back({false, ch, caseMode});
            break;
        case U':': FPlaces.push_back({true, SeparatorChar(rtl::FormatSettings.TimeSeparator), 0}); break;
        case U'/': FPlaces.push_back({true, SeparatorChar(rtl::FormatSettings.DateSeparator), 0}); break;
        case U'_': FPlaces.push_back({true, U' ', 0}); break;
        default: FPlaces.push_back({true, ch, 0}); break;
        }
    }
}

bool TEditMask::Required(int pos) const
{
    char32_t k = FPlaces[pos].Char;
    return !FPlaces[pos].Literal && (k == U'L' || k == U'A' || k == U'C' || k == U'0');
}

char32_t TEditMask::Accept(int pos, char32_t ch) const
{
    if (pos < 0 || pos >= Length() || FPlaces[pos].Literal || ch < 32) return 0;
    bool ok = false;
    switch (FPlaces[pos].Char) {
    case U'L': case U'l': ok = IsLetter(ch); break;
    case U'A': case U'a': ok = IsLetter(ch) || IsDigit(ch); break;
    case U'C': case U'c': ok = true; break;
    case U'0': case U'9': ok = IsDigit(ch); break;
    case U'#': ok = IsDigit(ch) || ch == U'+' || ch == U'-'; break;
    default: break;
    }
    return ok ? ChangeCase(ch, FPlaces[pos].Case) : 0;
}

std::u32string TEditMask::EmptyEditText() const
{
    std::u32string out;
    for (const TPlace& p : FPlaces) out += p.Literal ? p.Char : FBlank;
    return out;
}

std::u32string TEditMask::TextFromEditText(const std::u32string& editText) const
{
    std::u32string out;
    for (int i = 0; i < Length() && i < static_cast<int>(editText.size()); ++i) {
        if (FPlaces[i].Literal) {
            if (FSaveLiterals) out += FPlaces[i].Char;
            continue;
        }
        out += editText[i] == FBlank ? U' ' : editText[i];
    }
    return out;
}

std::u32string TEditMask::EditTextFromText(const std::u32string& text) const
{
    if (FTrimLeading && FSaveLiterals) return SectionedEditText(*this, text);
    std::u32string out;
    std::size_t i = 0;
    // With '!' a short text fills the places from the end.
    int editable = 0;
    for (const TPlace& p : FPlaces) editable += p.Literal ? 0 : 1;
    int skip = 0;
    if (FTrimLeading && !FSaveLiterals && static_cast<int>(text.size()) < editable)
        skip = editable - static_cast<int>(text.size());
    for (int pos = 0; pos < Length(); ++pos) {
        const TPlace& p = FPlaces[pos];
        if (p.Literal) {
            out += p.Char;
            if (FSaveLiterals && i < text.size() && text[i] == p.Char) ++i;
            continue;
        }
        if (skip > 0) {
            --skip;
            out += FBlank;
            continue;
        }
        if (i < text.size()) {
            char32_t c = Accept(pos, text[i]);
            out += c != 0 ? c : FBlank;
            ++i;
        } else {
            out += FBlank;
        }
    }
    return out;
}

int TEditMask::NextEditable(int pos) const
{
    for (int i = std::max(0, pos); i < Length(); ++i) {
        if (!FPlaces[i].Literal) return i;
    }
    return -1;
}

int TEditMask::PrevEditable(int pos) const
{
    for (int i = std::min(pos, Length() - 1); i >= 0; --i) {
        if (!FPlaces[i].Literal) return i;
    }
    return -1;
}

bool TEditMask::Complete(const std::u32string& editText) const
{
    for (int i = 0; i < Length(); ++i) {
        if (Required(i) && (i >= static_cast<int>(editText.size()) || editText[i] == FBlank)) return false;
    }
    return true;
}

// ===== TMaskEdit

TMaskEdit::TMaskEdit(rtl::TComponent* AOwner) : TCustomEdit(AOwner) {}

void TMaskEdit::SetEditMask(const std::string& value)
{
    std::string text = Text();
    FMaskText = value;
    FMask = TEditMask(value);
    if (IsMasked()) {
        SetMaxLength(FMask.Length());
        SetChars(FMask.EditTextFromText(rtl::Utf8Decode(text)));
    } else {
        SetMaxLength(0);
        TCustomEdit::SetText(text);
    }
}

std::string TMaskEdit::EditText() const
{
    return TCustomEdit::GetText();
}

void TMaskEdit::SetEditText(const std::string& value)
{
    if (!IsMasked()) {
        TCustomEdit::SetText(value);
        return;
    }
    std::u32string edit = FMask.EmptyEditText();
    std::u32string given = rtl::Utf8Decode(value);
    for (int i = 0; i < FMask.Length() && i < static_cast<int>(given.size()); ++i) {
        if (FMask.IsLiteral(i)) continue;
        char32_t c = FMask.Accept(i, given[i]);
        if (c != 0) edit[i] = c;
    }
    SetChars(edit);
}

std::string TMaskEdit::GetText() const
{
    if (!IsMasked()) return TCustomEdit::GetText();
    return rtl::Utf8Encode(FMask.TextFromEditText(Chars()));
}

void TMaskEdit::SetText(const std::string& value)
{
    if (!IsMasked()) {
        TCustomEdit::SetText(value);
        return;
    }
    SetChars(FMask.EditTextFromText(rtl::Utf8Decode(value)));
}

bool TMaskEdit::CharAllowed(char32_t ch) const
{
    return IsMasked() ? true : TCustomEdit::CharAllowed(ch);
}

void TMaskEdit::Fill(std::u32string edit, int caret)
{
    if (edit != Chars()) {
        SetChars(edit);
        SetModified(true);
    }
    Select(caret, caret);
}

bool TMaskEdit::UserReplaceSelection(const std::u32string& text)
{
    if (!IsMasked()) return TCustomEdit::UserReplaceSelection(text);
    if (ReadOnly()) return false;
    std::u32string edit = Chars();
    int start = SelStart();
    int end = start + SelLength();
    for (int i = start; i < end; ++i) {
        if (!FMask.IsLiteral(i)) edit[i] = FMask.Blank();
    }
    int pos = start;
    bool placed = false;
    for (char32_t ch : text) {
        // Typing the literal that comes next steps over it.
        if (pos < FMask.Length() && FMask.IsLiteral(pos) && FMask.LiteralChar(pos) == ch) {
            ++pos;
            placed = true;
            continue;
        }
        int p = FMask.NextEditable(pos);
        if (p < 0) break;
        char32_t c = FMask.Accept(p, ch);
        if (c == 0) {
            // The next literal typed early skips the optional places before it.
            int lit = pos;
            while (lit < FMask.Length() && !FMask.IsLiteral(lit) && !FMask.Required(lit)) ++lit;
            if (lit < FMask.Length() && FMask.IsLiteral(lit) && FMask.LiteralChar(lit) == ch) {
                pos = lit + 1;
                placed = true;
                continue;
            }
            break;
        }
        edit[p] = c;
        pos = p + 1;
        placed = true;
    }
    if (!placed && start == end) return false;
    int caret = FMask.NextEditable(pos);
    Fill(edit, caret < 0 ? FMask.Length() : caret);
    return true;
}

void TMaskEdit::UserDelete(bool backwards, bool wholeWord)
{
    if (!IsMasked()) {
        TCustomEdit::UserDelete(backwards, wholeWord);
        return;
    }
    if (ReadOnly()) return;
    std::u32string edit = Chars();
    int start = SelStart();
    int end = start + SelLength();
    if (start == end) {
        int p = backwards ? FMask.PrevEditable(start - 1) : FMask.NextEditable(start);
        if (p < 0) return;
        edit[p] = FMask.Blank();
        Fill(edit, backwards ? p : start);
        return;
    }
    for (int i = start; i < end; ++i) {
        if (!FMask.IsLiteral(i)) edit[i] = FMask.Blank();
    }
    Fill(edit, start);
}

void TMaskEdit::DoEnter()
{
    FEnterChars = Chars();
    TCustomEdit::DoEnter();
}

void TMaskEdit::KeyDown(WORD& Key, TShiftState Shift)
{
    if (Key == VK_ESCAPE && IsMasked() && Modified()) {
        SetChars(FEnterChars);
        SetModified(false);
        SelectAll();
        Key = 0;
    }
    TCustomEdit::KeyDown(Key, Shift);
}

void TMaskEdit::ValidateEdit()
{
    if (!IsMasked() || FMask.Complete(Chars())) return;
    throw rtl::Exception("Invalid input value.  Use escape key to abandon changes");
}

void TMaskEdit::DoExit()
{
    // An incomplete entry is reported when the user leaves the field; the text stays.
    if (IsMasked() && Modified()) {
        try {
            ValidateEdit();
        } catch (const rtl::Exception&) {
            if (TApplication* app = Application()) app->HandleException(this);
        }
    }
    TCustomEdit::DoExit();
}

}  // namespace ui
