// Format: printf-like text from a format string and a list of typed arguments.
#include "platform/rtl/Format.h"

#include <charconv>
#include <cstdint>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/Utf8.h"

namespace rtl {

namespace {

class TFormatter {
public:
    TFormatter(std::string_view format, const TVarRec* args, std::size_t count, const TFormatSettings& fs)
        : FFormat(format), FArgs(args), FCount(count), FSettings(fs) {}

    std::string Run() {
        std::string out;
        out.reserve(FFormat.size() + 16);
        std::size_t i = 0;
        while (i < FFormat.size()) {
            std::size_t pct = FFormat.find('%', i);
            if (pct == std::string_view::npos) {
                out.append(FFormat.substr(i));
                break;
            }
            out.append(FFormat.substr(i, pct - i));
            i = pct + 1;
            if (i < FFormat.size() && FFormat[i] == '%') {
                out += '%';
                ++i;
                continue;
            }
            i = Specifier(i, out);
        }
        return out;
    }

private:
    [[noreturn]] void Invalid() const {
        throw EConvertError("Format '" + std::string(FFormat) + "' invalid or incompatible with argument");
    }

    const TVarRec& NextArg() {
        if (FNext >= FCount) throw EConvertError("No argument for format '" + std::string(FFormat) + "'");
        return FArgs[FNext++];
    }

    // A decimal number or "*" (taken from the arguments) at `i`; -1 when none.
    long long Number(std::size_t& i) {
        if (i < FFormat.size() && FFormat[i] == '*') {
            ++i;
            const TVarRec& a = NextArg();
            if (a.Kind != TVarRec::vtInteger && a.Kind != TVarRec::vtInt64) Invalid();
            return a.Int;
        }
        if (i >= FFormat.size() || FFormat[i] < '0' || FFormat[i] > '9') return -1;
        long long v = 0;
        while (i < FFormat.size() && FFormat[i] >= '0' && FFormat[i] <= '9') {
            if (v < 100000000) v = v * 10 + (FFormat[i] - '0');
            ++i;
        }
        return v;
    }

    // Reads one specifier starting after its "%" and appends its text.
    std::size_t Specifier(std::size_t i, std::string& out) {
        long long first = Number(i);
        if (i < FFormat.size() && FFormat[i] == ':') {
            if (first < 0) Invalid();
            FNext = static_cast<std::size_t>(first);
            ++i;
            first = -1;
        }
        bool left = false;
        if (first < 0 && i < FFormat.size() && FFormat[i] == '-') {
            left = true;
            ++i;
        }
        long long width = first >= 0 ? first : Number(i);
        if (width < -1) {
            left = true;
            width = -width;
        }
        long long prec = -1;
        if (i < FFormat.size() && FFormat[i] == '.') {
            ++i;
            prec = Number(i);
            if (prec < 0) prec = 0;
        }
        if (i >= FFormat.size()) Invalid();
        char type = FFormat[i++];
        if (type >= 'A' && type <= 'Z') type = static_cast<char>(type - 'A' + 'a');
        const TVarRec& arg = NextArg();
        std::string text = Convert(type, arg, prec);
        std::size_t len = Utf8Length(text);
        if (width > 0 && static_cast<std::size_t>(width) > len) {
            std::string pad(static_cast<std::size_t>(width) - len, ' ');
            text = left ? text + pad : pad + text;
        }
        out += text;
        return i;
    }

    std::string Convert(char type, const TVarRec& a, long long prec) {
        const bool isInt = a.Kind == TVarRec::vtInteger || a.Kind == TVarRec::vtInt64;
        switch (type) {
            case 'd': {
                if (!isInt) Invalid();
                return PadDigits(a.Int < 0, a.Int < 0 ? UnsignedText(0ULL - static_cast<std::uint64_t>(a.Int), 10)
                                                      : UnsignedText(static_cast<std::uint64_t>(a.Int), 10),
                                 prec);
            }
            case 'u':
            case 'x': {
                if (!isInt) Invalid();
                // An int counts as its 32-bit pattern, a 64-bit integer as its 64 bits.
                std::uint64_t bits = a.Kind == TVarRec::vtInteger
                                         ? static_cast<std::uint32_t>(static_cast<std::int32_t>(a.Int))
                                         : static_cast<std::uint64_t>(a.Int);
                return PadDigits(false, UnsignedText(bits, type == 'u' ? 10 : 16), prec);
            }
            case 'e':
            case 'f':
            case 'g':
            case 'n':
            case 'm':
                if (a.Kind != TVarRec::vtExtended) Invalid();
                return FloatText(type, a.Float, prec);
            case 's': {
                std::string s;
                if (a.Kind == TVarRec::vtString)
                    s = std::string(a.Str);
                else if (a.Kind == TVarRec::vtChar)
                    s = std::string(1, a.Ch);
                else
                    Invalid();
                if (prec >= 0 && Utf8Length(s) > static_cast<std::size_t>(prec)) s = Utf8Copy(s, 1, prec);
                return s;
            }
            case 'p': {
                if (a.Kind != TVarRec::vtPointer) Invalid();
                return PadDigits(false, UnsignedText(reinterpret_cast<std::uintptr_t>(a.Ptr), 16),
                                 static_cast<long long>(sizeof(void*) * 2));
            }
            default:
                Invalid();
        }
    }

    std::string FloatText(char type, double v, long long prec) {
        switch (type) {
            case 'e':
                return FloatToStrF(v, ffExponent, prec < 0 ? 15 : static_cast<int>(prec), 3, FSettings);
            case 'f':
                return FloatToStrF(v, ffFixed, 15, prec < 0 ? 2 : static_cast<int>(prec), FSettings);
            case 'g':
                return FloatToStrF(v, ffGeneral, prec < 0 ? 15 : static_cast<int>(prec), 3, FSettings);
            case 'n':
                return FloatToStrF(v, ffNumber, 15, prec < 0 ? 2 : static_cast<int>(prec), FSettings);
            default:
                return FloatToStrF(v, ffCurrency, 15, prec < 0 ? FSettings.CurrencyDecimals : static_cast<int>(prec),
                                   FSettings);
        }
    }

    static std::string UnsignedText(std::uint64_t v, int base) {
        char buf[32];
        auto res = std::to_chars(buf, buf + sizeof buf, v, base);
        std::string s(buf, res.ptr);
        for (char& c : s)
            if (c >= 'a' && c <= 'f') c = static_cast<char>(c - 'a' + 'A');
        return s;
    }

    // Digits zero-padded to `prec`, with the sign in front of the zeros.
    static std::string PadDigits(bool negative, std::string digits, long long prec) {
        if (prec > 0 && digits.size() < static_cast<std::size_t>(prec))
            digits.insert(0, static_cast<std::size_t>(prec) - digits.size(), '0');
        return negative ? "-" + digits : digits;
    }

    std::string_view FFormat;
    const TVarRec* FArgs;
    std::size_t FCount;
    const TFormatSettings& FSettings;
    std::size_t FNext = 0;
};

}  // namespace

std::string FormatArgs(std::string_view format, const TVarRec* args, std::size_t count,
                       const TFormatSettings& settings) {
    return TFormatter(format, args, count, settings).Run();
}

std::string Format(std::string_view format, std::initializer_list<TVarRec> args,
                   const TFormatSettings& settings) {
    return FormatArgs(format, args.begin(), args.size(), settings);
}

std::string Format(std::string_view format, std::initializer_list<TVarRec> args) {
    return FormatArgs(format, args.begin(), args.size(), FormatSettings);
}

}  // namespace rtl
