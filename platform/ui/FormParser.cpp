// Parser of form descriptions: a tokenizer and a recursive-descent reader of objects and values.
#include "platform/ui/FormParser.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Utf8.h"

namespace ui {

TPropValue TPropValue::MakeInt(long long v)
{
    TPropValue r;
    r.Kind = TValueKind::Integer;
    r.Int = v;
    return r;
}

TPropValue TPropValue::MakeFloat(double v)
{
    TPropValue r;
    r.Kind = TValueKind::Float;
    r.Float = v;
    return r;
}

TPropValue TPropValue::MakeString(std::string v)
{
    TPropValue r;
    r.Kind = TValueKind::String;
    r.Str = std::move(v);
    return r;
}

TPropValue TPropValue::MakeIdent(std::string v)
{
    TPropValue r;
    r.Kind = TValueKind::Ident;
    r.Str = std::move(v);
    return r;
}

namespace {

std::string QuoteString(const std::string& s)
{
    std::string out;
    bool inQuote = false;
    size_t pos = 0;
    while (pos < s.size()) {
        char32_t ch = rtl::Utf8NextChar(s, pos);
        if (ch < 32) {
            if (inQuote) out += '\'';
            inQuote = false;
            out += '#' + std::to_string(static_cast<unsigned>(ch));
            continue;
        }
        if (!inQuote) out += '\'';
        inQuote = true;
        if (ch == U'\'') {
            out += "''";
        } else {
            rtl::Utf8AppendChar(out, ch);
        }
    }
    if (inQuote) out += '\'';
    if (out.empty()) out = "''";
    return out;
}

}  // namespace

std::string TPropValue::ToText() const
{
    switch (Kind) {
    case TValueKind::Integer: return std::to_string(Int);
    case TValueKind::Float: {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.15g", Float);
        std::string t = buf;
        if (t.find_first_of(".eEn") == std::string::npos) t += ".0";
        return t;
    }
    case TValueKind::String: return QuoteString(Str);
    case TValueKind::Ident: return Str;
    case TValueKind::Set: {
        std::string t = "[";
        for (size_t i = 0; i < Set.size(); ++i) t += (i ? ", " : "") + Set[i];
        return t + "]";
    }
    case TValueKind::List: {
        std::string t = "(";
        for (const TPropValue& v : List) t += " " + v.ToText();
        return t + ")";
    }
    case TValueKind::Collection: {
        std::string t = "<";
        for (const TCollectionItem& item : Items) {
            t += " item";
            for (const TPropItem& p : item.Props) t += " " + p.Name + " = " + p.Value.ToText();
            t += " end";
        }
        return t + ">";
    }
    case TValueKind::Binary: {
        static const char* hex = "0123456789ABCDEF";
        std::string t = "{";
        for (unsigned char c : Str) {
            t += hex[c >> 4];
            t += hex[c & 15];
        }
        return t + "}";
    }
    }
    return {};
}

namespace {

// Objects, lists and collections nest at most this deep. Real descriptions
// nest a few levels; a deeper file is refused with an error rather than
// overflowing the stack of the reader and of the builder that follows it.
constexpr int MaxNesting = 256;
// Binary data of one property is at most this many bytes (pictures and
// glyphs are far smaller).
constexpr std::size_t MaxBinaryBytes = 64u << 20;

class TParser {
public:
    TParser(const std::string& text, const std::string& fileName) : FText(text), FFile(fileName) {}

    TObjectNode ParseObject()
    {
        SkipBlanks();
        int line = FLine;
        const TNestingGuard nested(*this, line);
        std::string keyword = ReadIdent();
        TObjectNode node;
        node.Line = line;
        if (Same(keyword, "object")) {
            node.Kind = TObjectKind::Object;
        } else if (Same(keyword, "inherited")) {
            node.Kind = TObjectKind::Inherited;
        } else if (Same(keyword, "inline")) {
            node.Kind = TObjectKind::Inline;
        } else {
            Fail(line, "'object', 'inherited' or 'inline' expected but '" + keyword + "' found");
        }
        std::string first = ReadIdent();
        SkipBlanks();
        if (Peek() == ':') {
            ++FPos;
            node.Name = first;
            node.ClassName = ReadIdent();
        } else {
            node.ClassName = first;
        }
        SkipBlanks();
        if (Peek() == '[') {
            ++FPos;
            node.Index = static_cast<int>(ReadNumber().Int);
            Expect(']');
        }
        for (;;) {
            SkipBlanks();
            if (AtEnd()) Fail(FLine, "'end' expected but end of file found");
            size_t save = FPos;
            int saveLine = FLine;
            std::string word = ReadIdent();
            if (Same(word, "end")) break;
            if (Same(word, "object") || Same(word, "inherited") || Same(word, "inline")) {
                FPos = save;
                FLine = saveLine;
                node.Children.push_back(ParseObject());
                continue;
            }
            TPropItem item;
            item.Name = word;
            item.Line = saveLine;
            Expect('=');
            item.Value = ParseValue();
            node.Props.push_back(std::move(item));
        }
        return node;
    }

    TPropValue ParseValue()
    {
        SkipBlanks();
        int line = FLine;
        const TNestingGuard nested(*this, line);
        TPropValue v;
        char c = Peek();
        if (c == '\'' || c == '#') {
            v = TPropValue::MakeString(ReadStringExpr());
        } else if (c == '-' || c == '+' || c == '$' || std::isdigit(static_cast<unsigned char>(c))) {
            v = ReadNumber();
        } else if (c == '[') {
            ++FPos;
            v.Kind = TValueKind::Set;
            SkipBlanks();
            if (Peek() != ']') {
                for (;;) {
                    v.Set.push_back(ReadIdent());
                    SkipBlanks();
                    if (Peek() == ',') {
                        ++FPos;
                        continue;
                    }
                    break;
                }
            }
            Expect(']');
        } else if (c == '(') {
            ++FPos;
            v.Kind = TValueKind::List;
            for (;;) {
                SkipBlanks();
                if (Peek() == ')') break;
                if (AtEnd()) Fail(FLine, "')' expected but end of file found");
                v.List.push_back(ParseValue());
            }
            ++FPos;
        } else if (c == '<') {
            ++FPos;
            v.Kind = TValueKind::Collection;
            for (;;) {
                SkipBlanks();
                if (Peek() == '>') break;
                TCollectionItem item;
                item.Line = FLine;
                std::string word = ReadIdent();
                if (!Same(word, "item")) Fail(item.Line, "'item' expected but '" + word + "' found");
                SkipBlanks();
                if (Peek() == '[') {
                    ++FPos;
                    ReadNumber();
                    Expect(']');
                }
                for (;;) {
                    SkipBlanks();
                    int propLine = FLine;
                    std::string name = ReadIdent();
                    if (Same(name, "end")) break;
                    Expect('=');
                    item.Props.push_back({name, ParseValue(), propLine});
                }
                v.Items.push_back(std::move(item));
            }
            ++FPos;
        } else if (c == '{') {
            ++FPos;
            v.Kind = TValueKind::Binary;
            int high = -1;  // the first digit of a byte, while its second is awaited
            for (;;) {
                if (AtEnd()) Fail(line, "'}' expected but end of file found");
                char d = FText[FPos++];
                if (d == '}') break;
                if (d == '\n') ++FLine;
                if (std::isspace(static_cast<unsigned char>(d))) continue;
                if (!std::isxdigit(static_cast<unsigned char>(d))) Fail(FLine, std::string("Invalid binary value '") + d + "'");
                if (high < 0) {
                    high = HexDigit(d);
                    continue;
                }
                if (v.Str.size() == MaxBinaryBytes)
                    Fail(line, "Binary value longer than " + std::to_string(MaxBinaryBytes) + " bytes");
                v.Str += static_cast<char>(high * 16 + HexDigit(d));
                high = -1;
            }
            if (high >= 0) Fail(line, "Invalid binary value: odd number of hex digits");
        } else if (std::isalpha(static_cast<unsigned char>(c)) || c == '_') {
            v = TPropValue::MakeIdent(ReadIdent());
        } else {
            Fail(line, AtEnd() ? "Property value expected but end of file found"
                                : std::string("Invalid property value starting with '") + c + "'");
        }
        v.Line = line;
        return v;
    }

    void ExpectEnd()
    {
        SkipBlanks();
        if (!AtEnd()) Fail(FLine, "Unexpected text after the end of the value");
    }

private:
    // Counts one level of nesting for as long as it lives.
    class TNestingGuard {
    public:
        TNestingGuard(TParser& parser, int line) : FParser(parser)
        {
            if (++FParser.FDepth > MaxNesting)
                FParser.Fail(line, "Objects and values nested more than " + std::to_string(MaxNesting) + " deep");
        }
        ~TNestingGuard() { --FParser.FDepth; }
        TNestingGuard(const TNestingGuard&) = delete;
        TNestingGuard& operator=(const TNestingGuard&) = delete;

    private:
        TParser& FParser;
    };

    static int HexDigit(char c)
    {
        if (c >= '0' && c <= '9') return c - '0';
        return std::tolower(static_cast<unsigned char>(c)) - 'a' + 10;
    }

    // The value of a run of digits in `base` (10 or 16); a value above `limit`
    // is an error naming the number, never a wrapped or clamped value.
    unsigned long long DigitsValue(size_t start, size_t end, unsigned base, unsigned long long limit,
                                   const std::string& shown) const
    {
        unsigned long long value = 0;
        for (size_t i = start; i < end; ++i) {
            const unsigned digit = static_cast<unsigned>(HexDigit(FText[i]));
            if (value > (limit - digit) / base) Fail(FLine, "Number " + shown + " is out of range");
            value = value * base + digit;
        }
        return value;
    }

    bool AtEnd() const { return FPos >= FText.size(); }
    char Peek() const { return AtEnd() ? '\0' : FText[FPos]; }

    static bool Same(const std::string& a, const char* b)
    {
        size_t n = std::char_traits<char>::length(b);
        if (a.size() != n) return false;
        for (size_t i = 0; i < n; ++i) {
            if (std::tolower(static_cast<unsigned char>(a[i])) != b[i]) return false;
        }
        return true;
    }

    [[noreturn]] void Fail(int line, const std::string& message) const
    {
        throw rtl::EReadError(FFile + "(" + std::to_string(line) + "): " + message);
    }

    void SkipBlanks()
    {
        while (!AtEnd()) {
            char c = FText[FPos];
            if (c == '\n') {
                ++FLine;
                ++FPos;
            } else if (std::isspace(static_cast<unsigned char>(c))) {
                ++FPos;
            } else if (c == '/' && FPos + 1 < FText.size() && FText[FPos + 1] == '/') {
                while (!AtEnd() && FText[FPos] != '\n') ++FPos;
            } else {
                break;
            }
        }
    }

    void Expect(char c)
    {
        SkipBlanks();
        if (Peek() != c) {
            Fail(FLine, std::string("'") + c + "' expected but " +
                            (AtEnd() ? std::string("end of file") : "'" + std::string(1, Peek()) + "'") + " found");
        }
        ++FPos;
    }

    // An identifier, possibly qualified with dots (Font.Name, Form2.Button1).
    std::string ReadIdent()
    {
        SkipBlanks();
        size_t start = FPos;
        while (!AtEnd()) {
            char c = FText[FPos];
            if (std::isalnum(static_cast<unsigned char>(c)) || c == '_' ||
                (c == '.' && FPos > start)) {
                ++FPos;
            } else {
                break;
            }
        }
        if (FPos == start) {
            Fail(FLine, AtEnd() ? std::string("Identifier expected but end of file found")
                                : "Identifier expected but '" + std::string(1, FText[FPos]) + "' found");
        }
        unsigned char first = static_cast<unsigned char>(FText[start]);
        if (!std::isalpha(first) && first != '_')
            Fail(FLine, "Identifier expected but '" + FText.substr(start, FPos - start) + "' found");
        return FText.substr(start, FPos - start);
    }

    TPropValue ReadNumber()
    {
        SkipBlanks();
        size_t start = FPos;
        bool negative = false;
        if (Peek() == '-' || Peek() == '+') {
            negative = Peek() == '-';
            ++FPos;
        }
        if (Peek() == '$') {
            ++FPos;
            size_t hexStart = FPos;
            while (!AtEnd() && std::isxdigit(static_cast<unsigned char>(FText[FPos]))) ++FPos;
            const std::string shown = FText.substr(start, FPos - start);
            if (FPos == hexStart) Fail(FLine, "Invalid number '" + shown + "'");
            // Up to 16 hex digits: the 64 bits of the value, taken as signed.
            const unsigned long long bits = DigitsValue(hexStart, FPos, 16, ~0ULL, shown);
            long long v = static_cast<long long>(bits);
            // Hex literals of 32 bits are stored as signed 32-bit values (colours like $FF000000 become negative).
            if (FPos - hexStart <= 8) v = static_cast<std::int32_t>(static_cast<std::uint32_t>(bits));
            if (negative && v == std::numeric_limits<long long>::min()) Fail(FLine, "Number " + shown + " is out of range");
            return TPropValue::MakeInt(negative ? -v : v);
        }
        bool isFloat = false;
        while (!AtEnd()) {
            char c = FText[FPos];
            if (std::isdigit(static_cast<unsigned char>(c))) {
                ++FPos;
            } else if (c == '.' || c == 'e' || c == 'E') {
                isFloat = true;
                ++FPos;
                if ((c == 'e' || c == 'E') && (Peek() == '-' || Peek() == '+')) ++FPos;
            } else {
                break;
            }
        }
        std::string text = FText.substr(start, FPos - start);
        if (text.empty() || text == "-" || text == "+") Fail(FLine, "Invalid number '" + text + "'");
        // A currency or single-precision suffix (c, s, d) may follow a float.
        if (!AtEnd() && (Peek() == 'c' || Peek() == 's' || Peek() == 'd')) {
            isFloat = true;
            ++FPos;
        }
        char* end = nullptr;
        if (isFloat) {
            double d = std::strtod(text.c_str(), &end);
            if (end == nullptr || *end != '\0') Fail(FLine, "Invalid number '" + text + "'");
            return TPropValue::MakeFloat(d);
        }
        // The digits after an optional sign; a value outside 64 bits is an
        // error rather than the clamped value strtoll would give.
        const size_t digits = start + (text[0] == '-' || text[0] == '+' ? 1 : 0);
        const unsigned long long limit =
            static_cast<unsigned long long>(std::numeric_limits<long long>::max()) + (negative ? 1 : 0);
        const unsigned long long magnitude = DigitsValue(digits, FPos, 10, limit, text);
        const long long v = negative ? static_cast<long long>(0ULL - magnitude) : static_cast<long long>(magnitude);
        return TPropValue::MakeInt(v);
    }

    // 'abc'#13#10'def' + 'ghi' …, with '' for a quote inside a quoted part.
    std::string ReadStringExpr()
    {
        std::string out;
        for (;;) {
            ReadStringPieces(out);
            size_t save = FPos;
            int saveLine = FLine;
            SkipBlanks();
            if (Peek() == '+') {
                ++FPos;
                SkipBlanks();
                if (Peek() == '\'' || Peek() == '#') continue;
                Fail(FLine, "String expected after '+'");
            }
            FPos = save;
            FLine = saveLine;
            return out;
        }
    }

    void ReadStringPieces(std::string& out)
    {
        bool any = false;
        for (;;) {
            char c = Peek();
            if (c == '\'') {
                any = true;
                ++FPos;
                for (;;) {
                    if (AtEnd() || FText[FPos] == '\n') Fail(FLine, "Unterminated string");
                    char d = FText[FPos++];
                    if (d == '\'') {
                        if (Peek() == '\'') {
                            out += '\'';
                            ++FPos;
                            continue;
                        }
                        break;
                    }
                    out += d;
                }
            } else if (c == '#') {
                any = true;
                ++FPos;
                size_t start = FPos;
                unsigned long code = 0;
                if (Peek() == '$') {
                    ++FPos;
                    start = FPos;
                    while (!AtEnd() && std::isxdigit(static_cast<unsigned char>(FText[FPos]))) ++FPos;
                    if (FPos == start) Fail(FLine, "Invalid character code");
                    code = CharacterCode(start, 16);
                } else {
                    while (!AtEnd() && std::isdigit(static_cast<unsigned char>(FText[FPos]))) ++FPos;
                    if (FPos == start) Fail(FLine, "Invalid character code");
                    code = CharacterCode(start, 10);
                }
                rtl::Utf8AppendChar(out, static_cast<char32_t>(code));
            } else {
                break;
            }
        }
        if (!any) Fail(FLine, "String expected");
    }

    // The code of #nnn or #$hhh (digits from `start` to the position); a
    // code beyond Unicode, however many digits it has, is an error.
    unsigned long CharacterCode(size_t start, unsigned base) const
    {
        const std::string shown = "#" + std::string(base == 16 ? "$" : "") + FText.substr(start, FPos - start);
        unsigned long long code = 0;
        for (size_t i = start; i < FPos; ++i) {
            code = code * base + static_cast<unsigned>(HexDigit(FText[i]));
            if (code > 0x10FFFF) Fail(FLine, "Invalid character code " + shown);
        }
        return static_cast<unsigned long>(code);
    }

    const std::string& FText;
    std::string FFile;
    size_t FPos = 0;
    int FLine = 1;
    int FDepth = 0;
};

}  // namespace

TObjectNode ParseFormText(const std::string& text, const std::string& fileName)
{
    TParser parser(text, fileName);
    TObjectNode root = parser.ParseObject();
    parser.ExpectEnd();
    return root;
}

TPropValue ParsePropertyValueText(const std::string& text, const std::string& where)
{
    TParser parser(text, where);
    TPropValue v = parser.ParseValue();
    parser.ExpectEnd();
    return v;
}

}  // namespace ui
