// Component-stream encoding of the binary cell stream's records: writing, reading and checking each record.
#include "grid/data/ExtGridBinStream.h"

#include <cmath>
#include <cstring>
#include <limits>

#include "grid/core/BaseGrid.h"
#include "grid/core/CellGraphicsFilePicture.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Picture.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/Utf8.h"
#include "platform/ui/Controls.h"

namespace grid {

namespace {

// Value tags of the component-stream format.
enum : std::uint8_t {
    vaNull = 0x00, vaList = 0x01, vaInt8 = 0x02, vaInt16 = 0x03, vaInt32 = 0x04, vaExtended = 0x05,
    vaString = 0x06, vaIdent = 0x07, vaFalse = 0x08, vaTrue = 0x09, vaBinary = 0x0A, vaSet = 0x0B,
    vaLString = 0x0C, vaWString = 0x12, vaInt64 = 0x13, vaUTF8String = 0x14
};

const char* const kAlignmentIdents[] = {"taLeftJustify", "taRightJustify", "taCenter"};
const char* const kBrushStyleIdents[] = {"bsSolid", "bsClear", "bsHorizontal", "bsVertical",
                                         "bsFDiagonal", "bsBDiagonal", "bsCross", "bsDiagCross"};
const char* const kFontStyleIdents[] = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
const char* const kCheckBoxStateIdents[] = {"cbUnchecked", "cbChecked", "cbGrayed"};

template <std::size_t N>
int IdentIndex(const char* const (&names)[N], const std::string& ident)
{
    for (std::size_t i = 0; i < N; ++i)
        if (ident == names[i]) return static_cast<int>(i);
    return -1;
}

std::u16string ToUtf16(const std::string& s)
{
    std::u16string out;
    for (char32_t ch : rtl::Utf8Decode(s)) {
        if (ch >= 0x10000) {
            ch -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (ch >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (ch & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(ch));
        }
    }
    return out;
}

std::string FromUtf16(const std::u16string& s)
{
    std::u32string cps;
    for (std::size_t i = 0; i < s.size(); ++i) {
        char32_t ch = s[i];
        if (ch >= 0xD800 && ch < 0xDC00 && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] < 0xE000) {
            ch = 0x10000 + ((ch - 0xD800) << 10) + (s[i + 1] - 0xDC00);
            ++i;
        }
        cps.push_back(ch);
    }
    return rtl::Utf8Encode(cps);
}

// Reads bytes of one record, raising a read error that names the record and offset.
class TRecordReader {
public:
    TRecordReader(rtl::TStream& s, const char* cls) : FStream(s), FClass(cls) {}

    [[noreturn]] void Fail(const std::string& why)
    {
        throw rtl::EReadError("Stream read error: " + why + " in a " + FClass + " record at byte " +
                              std::to_string(FStream.Position()));
    }
    void Bytes(void* buf, long long n)
    {
        if (n < 0 || FStream.Read(buf, n) != n) Fail("the cell stream ends");
    }
    std::uint8_t Byte()
    {
        std::uint8_t b = 0;
        Bytes(&b, 1);
        return b;
    }
    std::uint32_t U32()
    {
        std::uint8_t b[4];
        Bytes(b, 4);
        return b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
    }
    std::string Chars(long long n)
    {
        if (n > FStream.Size() - FStream.Position()) Fail("the cell stream ends");
        std::string s(static_cast<std::size_t>(n), '\0');
        Bytes(s.data(), n);
        return s;
    }
    std::string ShortString() { return Chars(Byte()); }
    std::u16string WideChars(std::uint32_t n)
    {
        std::string raw = Chars(2LL * n);
        std::u16string w(n, u'\0');
        for (std::uint32_t i = 0; i < n; ++i)
            w[i] = static_cast<char16_t>(static_cast<std::uint8_t>(raw[2 * i]) |
                                         (static_cast<std::uint8_t>(raw[2 * i + 1]) << 8));
        return w;
    }
    // A text value after its tag; false for a tag that is not a text.
    bool TextAfterTag(std::uint8_t tag, std::string& out)
    {
        switch (tag) {
        case vaString: out = ShortString(); return true;
        case vaLString:
        case vaUTF8String: out = Chars(U32()); return true;
        case vaWString: out = FromUtf16(WideChars(U32())); return true;
        default: return false;
        }
    }
    TBinValue Value()
    {
        TBinValue v;
        const std::uint8_t tag = Byte();
        std::string text;
        switch (tag) {
        case vaInt8: v.Int = static_cast<std::int8_t>(Byte()); return v;
        case vaInt16: {
            std::uint8_t b[2];
            Bytes(b, 2);
            v.Int = static_cast<std::int16_t>(b[0] | (b[1] << 8));
            return v;
        }
        case vaInt32: v.Int = static_cast<std::int32_t>(U32()); return v;
        case vaInt64: {
            std::uint8_t b[8];
            Bytes(b, 8);
            std::uint64_t u = 0;
            for (int i = 7; i >= 0; --i) u = (u << 8) | b[i];
            v.Int = static_cast<long long>(u);
            return v;
        }
        case vaExtended: {
            std::uint8_t b[10];
            Bytes(b, 10);
            v.Kind = TBinValue::bvFloat;
            v.Float = ExtendedToDouble(b);
            return v;
        }
        case vaIdent: v.Kind = TBinValue::bvIdent; v.Text = ShortString(); return v;
        case vaFalse:
        case vaTrue: v.Kind = TBinValue::bvBool; v.Bool = tag == vaTrue; return v;
        case vaBinary: v.Kind = TBinValue::bvBinary; v.Text = Chars(U32()); return v;
        case vaSet:
            v.Kind = TBinValue::bvSet;
            for (std::string m = ShortString(); !m.empty(); m = ShortString()) v.Items.push_back(m);
            return v;
        case vaList:
            v.Kind = TBinValue::bvList;
            for (std::uint8_t t = Byte(); t != vaNull; t = Byte()) {
                if (!TextAfterTag(t, text)) Fail("a list holds a value of tag " + std::to_string(t));
                v.Items.push_back(text);
            }
            return v;
        default:
            if (TextAfterTag(tag, text)) {
                v.Kind = TBinValue::bvText;
                v.Text = text;
                return v;
            }
            Fail("unknown value tag " + std::to_string(tag));
        }
    }

private:
    rtl::TStream& FStream;
    std::string FClass;
};

// The bytes after a four-byte little-endian size, as the platform bitmap's stream form holds them.
std::string BitmapStreamForm(const gfx::TBitmap& bmp)
{
    const gfx::TBytes bytes = bmp.SaveToBytes();
    std::string out(4, '\0');
    const auto n = static_cast<std::uint32_t>(bytes.size());
    for (int i = 0; i < 4; ++i) out[i] = static_cast<char>((n >> (8 * i)) & 0xFF);
    out.append(bytes.begin(), bytes.end());
    return out;
}

bool BitmapFromStreamForm(const std::string& data, gfx::TBitmap& bmp)
{
    if (data.size() < 4) return false;
    std::uint32_t n = 0;
    for (int i = 3; i >= 0; --i) n = (n << 8) | static_cast<std::uint8_t>(data[i]);
    if (n > data.size() - 4) return false;
    bmp.LoadFromBytes(reinterpret_cast<const std::uint8_t*>(data.data()) + 4, n);
    return true;
}

std::unique_ptr<gfx::TGraphic> GraphicOfClass(const std::string& cls)
{
    if (cls == "TBitmap") return std::make_unique<gfx::TBitmap>();
    if (cls == "TPngImage") return std::make_unique<gfx::TPngImage>();
    if (cls == "TJPEGImage") return std::make_unique<gfx::TJPEGImage>();
    if (cls == "TGIFImage") return std::make_unique<gfx::TGIFImage>();
    if (cls == "TIcon") return std::make_unique<gfx::TIcon>();
    return nullptr;
}

template <typename E>
E BinEnum(const TBinRecord& rec, const std::string& prop, const TBinValue& v)
{
    E e{};
    if (v.Kind != TBinValue::bvIdent || !EnumFromIdent(v.Text, e)) RaiseBinPropError(rec, prop, "invalid value \"" + v.Text + "\"");
    return e;
}

template <std::size_t N>
int BinIdent(const char* const (&names)[N], const TBinRecord& rec, const std::string& prop, const TBinValue& v)
{
    const int i = v.Kind == TBinValue::bvIdent ? IdentIndex(names, v.Text) : -1;
    if (i < 0) RaiseBinPropError(rec, prop, "invalid value \"" + v.Text + "\"");
    return i;
}

gfx::TColor BinColor(const TBinRecord& rec, const std::string& prop, const TBinValue& v)
{
    gfx::TColor c = 0;
    if (v.Kind == TBinValue::bvIdent) {
        if (!gfx::IdentToColor(v.Text, c)) RaiseBinPropError(rec, prop, "unknown colour \"" + v.Text + "\"");
        return c;
    }
    return static_cast<gfx::TColor>(BinInt(rec, prop, v));
}

}  // namespace

// --- writer

void TBinRecordWriter::Byte(std::uint8_t b) { FBuf.push_back(static_cast<char>(b)); }

void TBinRecordWriter::Put(const void* data, long long count)
{
    FBuf.append(static_cast<const char*>(data), static_cast<std::size_t>(count));
}

void TBinRecordWriter::ShortString(const std::string& s)
{
    const std::string cut = s.substr(0, 255);
    Byte(static_cast<std::uint8_t>(cut.size()));
    Put(cut.data(), static_cast<long long>(cut.size()));
}

void TBinRecordWriter::Begin(const std::string& ClassName)
{
    FBuf.clear();
    Put("TPF0", 4);
    ShortString(ClassName);
    Byte(0);
}

void TBinRecordWriter::End()
{
    Byte(0);
    Byte(0);
    FStream.WriteBuffer(FBuf.data(), static_cast<long long>(FBuf.size()));
    FBuf.clear();
}

void TBinRecordWriter::IntValue(long long v)
{
    if (v >= -128 && v <= 127) {
        Byte(vaInt8);
        Byte(static_cast<std::uint8_t>(static_cast<std::int8_t>(v)));
    } else if (v >= -32768 && v <= 32767) {
        Byte(vaInt16);
        const auto u = static_cast<std::uint16_t>(static_cast<std::int16_t>(v));
        Byte(u & 0xFF);
        Byte(u >> 8);
    } else if (v >= std::numeric_limits<std::int32_t>::min() && v <= std::numeric_limits<std::int32_t>::max()) {
        Byte(vaInt32);
        const auto u = static_cast<std::uint32_t>(static_cast<std::int32_t>(v));
        for (int i = 0; i < 4; ++i) Byte((u >> (8 * i)) & 0xFF);
    } else {
        Byte(vaInt64);
        const auto u = static_cast<std::uint64_t>(v);
        for (int i = 0; i < 8; ++i) Byte((u >> (8 * i)) & 0xFF);
    }
}

void TBinRecordWriter::TextValue(const std::string& v)
{
    const std::u16string w = ToUtf16(v);
    if (v.size() < 2 * w.size()) {
        bool ascii = true;
        for (unsigned char ch : v) ascii = ascii && ch < 0x80;
        if (!ascii || v.size() > 255) {
            Byte(ascii ? vaLString : vaUTF8String);
            const auto n = static_cast<std::uint32_t>(v.size());
            for (int i = 0; i < 4; ++i) Byte((n >> (8 * i)) & 0xFF);
            Put(v.data(), static_cast<long long>(v.size()));
        } else {
            Byte(vaString);
            ShortString(v);
        }
        return;
    }
    Byte(vaWString);
    const auto n = static_cast<std::uint32_t>(w.size());
    for (int i = 0; i < 4; ++i) Byte((n >> (8 * i)) & 0xFF);
    for (char16_t ch : w) {
        Byte(ch & 0xFF);
        Byte(ch >> 8);
    }
}

void TBinRecordWriter::Int(const std::string& Name, long long Value)
{
    ShortString(Name);
    IntValue(Value);
}

void TBinRecordWriter::Bool(const std::string& Name, bool Value)
{
    ShortString(Name);
    Byte(Value ? vaTrue : vaFalse);
}

void TBinRecordWriter::Ident(const std::string& Name, const std::string& Value)
{
    ShortString(Name);
    Byte(vaIdent);
    ShortString(Value);
}

void TBinRecordWriter::Color(const std::string& Name, gfx::TColor Value)
{
    std::string ident;
    if (gfx::ColorToIdent(Value, ident)) Ident(Name, ident);
    else Int(Name, static_cast<std::int32_t>(Value));
}

void TBinRecordWriter::Set(const std::string& Name, const std::vector<std::string>& Members)
{
    ShortString(Name);
    Byte(vaSet);
    for (const auto& m : Members) ShortString(m);
    Byte(0);
}

void TBinRecordWriter::Float(const std::string& Name, double Value)
{
    ShortString(Name);
    Byte(vaExtended);
    std::uint8_t b[10];
    DoubleToExtended(Value, b);
    Put(b, 10);
}

void TBinRecordWriter::Text(const std::string& Name, const std::string& Value)
{
    ShortString(Name);
    TextValue(Value);
}

void TBinRecordWriter::Binary(const std::string& Name, const std::string& Bytes)
{
    ShortString(Name);
    Byte(vaBinary);
    const auto n = static_cast<std::uint32_t>(Bytes.size());
    for (int i = 0; i < 4; ++i) Byte((n >> (8 * i)) & 0xFF);
    Put(Bytes.data(), static_cast<long long>(Bytes.size()));
}

void TBinRecordWriter::List(const std::string& Name, const std::vector<std::string>& Items)
{
    ShortString(Name);
    Byte(vaList);
    for (const auto& s : Items) TextValue(s);
    Byte(0);
}

// --- reader

TBinRecord ReadBinRecord(rtl::TStream& Stream, const char* ExpectedClass)
{
    TRecordReader r(Stream, ExpectedClass);
    char sig[4];
    r.Bytes(sig, 4);
    if (std::memcmp(sig, "TPF0", 4) != 0) r.Fail("invalid stream format (no \"TPF0\" signature)");
    TBinRecord rec;
    rec.ClassName = r.ShortString();
    if (rec.ClassName != ExpectedClass) r.Fail("class \"" + rec.ClassName + "\" found");
    r.ShortString();  // the component name, always empty
    for (std::string name = r.ShortString(); !name.empty(); name = r.ShortString()) {
        TBinValue v = r.Value();
        rec.Props.emplace_back(std::move(name), std::move(v));
    }
    if (r.Byte() != 0) r.Fail("child components found");
    return rec;
}

void RaiseBinPropError(const TBinRecord& Rec, const std::string& Prop, const std::string& Why)
{
    throw rtl::EReadError("Error reading " + Rec.ClassName + "." + Prop + ": " + Why);
}

long long BinInt(const TBinRecord& Rec, const std::string& Prop, const TBinValue& V)
{
    if (V.Kind != TBinValue::bvInt) RaiseBinPropError(Rec, Prop, "an integer was expected");
    return V.Int;
}

bool BinBool(const TBinRecord& Rec, const std::string& Prop, const TBinValue& V)
{
    if (V.Kind != TBinValue::bvBool) RaiseBinPropError(Rec, Prop, "a Boolean was expected");
    return V.Bool;
}

std::string BinText(const TBinRecord& Rec, const std::string& Prop, const TBinValue& V)
{
    if (V.Kind != TBinValue::bvText) RaiseBinPropError(Rec, Prop, "a text was expected");
    return V.Text;
}

namespace {
[[noreturn]] void UnknownProperty(const TBinRecord& rec, const std::string& prop)
{
    RaiseBinPropError(rec, prop, "Property " + prop + " does not exist");
}
int BinInt32(const TBinRecord& rec, const std::string& prop, const TBinValue& v)
{
    const long long i = BinInt(rec, prop, v);
    if (i < std::numeric_limits<std::int32_t>::min() || i > std::numeric_limits<std::int32_t>::max())
        RaiseBinPropError(rec, prop, "value " + std::to_string(i) + " out of range");
    return static_cast<int>(i);
}
}  // namespace

// --- numbers

void DoubleToExtended(double Value, std::uint8_t (&Bytes)[10])
{
    std::memset(Bytes, 0, 10);
    std::uint64_t bits = 0;
    std::memcpy(&bits, &Value, 8);
    const bool neg = (bits >> 63) != 0;
    const int exp = static_cast<int>((bits >> 52) & 0x7FF);
    std::uint64_t frac = bits & ((1ULL << 52) - 1);
    std::uint64_t mant = 0;
    int e80 = 0;
    if (exp == 0x7FF) {
        e80 = 0x7FFF;
        mant = (1ULL << 63) | (frac << 11);
    } else if (exp == 0) {
        if (frac != 0) {
            int shift = 0;
            while ((frac & (1ULL << 52)) == 0) {
                frac <<= 1;
                ++shift;
            }
            e80 = 1 - 1023 - shift + 16383;
            mant = frac << 11;
        }
    } else {
        e80 = exp - 1023 + 16383;
        mant = (1ULL << 63) | (frac << 11);
    }
    for (int i = 0; i < 8; ++i) Bytes[i] = static_cast<std::uint8_t>((mant >> (8 * i)) & 0xFF);
    const int top = e80 | (neg ? 0x8000 : 0);
    Bytes[8] = static_cast<std::uint8_t>(top & 0xFF);
    Bytes[9] = static_cast<std::uint8_t>(top >> 8);
}

double ExtendedToDouble(const std::uint8_t (&Bytes)[10])
{
    std::uint64_t mant = 0;
    for (int i = 7; i >= 0; --i) mant = (mant << 8) | Bytes[i];
    const int top = Bytes[8] | (Bytes[9] << 8);
    const bool neg = (top & 0x8000) != 0;
    const int e = top & 0x7FFF;
    double v = 0.0;
    if (e == 0x7FFF) v = (mant << 1) != 0 ? std::numeric_limits<double>::quiet_NaN() : std::numeric_limits<double>::infinity();
    else if (mant != 0) v = std::ldexp(static_cast<double>(mant), e - 16383 - 63);
    return neg ? -v : v;
}

int BinMulDiv(int a, int b, int c)
{
    if (c == 0) return -1;
    const long long p = static_cast<long long>(a) * b;
    const long long q = (std::llabs(p) + std::llabs(static_cast<long long>(c)) / 2) / std::llabs(static_cast<long long>(c));
    return static_cast<int>(((p < 0) != (c < 0)) ? -q : q);
}

// --- records

void TGridPropIO::Write(TBinRecordWriter& W) const
{
    W.Begin("TGridPropIO");
    W.Int("ColCount", ColCount);
    W.Int("RowCount", RowCount);
    if (!ColWidths.empty()) W.Text("ColWidths", ColWidths);
    if (!RowHeights.empty()) W.Text("RowHeights", RowHeights);
    W.Bool("FullGrid", FullGrid);
    W.Int("ID", ID);
    W.End();
}

void TGridPropIO::Read(const TBinRecord& Rec)
{
    *this = TGridPropIO();
    for (const auto& [name, v] : Rec.Props) {
        if (name == "ColCount") ColCount = BinInt32(Rec, name, v);
        else if (name == "RowCount") RowCount = BinInt32(Rec, name, v);
        else if (name == "ColWidths") ColWidths = BinText(Rec, name, v);
        else if (name == "RowHeights") RowHeights = BinText(Rec, name, v);
        else if (name == "FullGrid") FullGrid = BinBool(Rec, name, v);
        else if (name == "ID") ID = BinInt(Rec, name, v);
        else UnknownProperty(Rec, name);
    }
}

void TGridCellIO::Write(TBinRecordWriter& W) const
{
    W.Begin("TGridCellIO");
    W.Int("Col", static_cast<std::uint16_t>(Col));
    W.Int("Row", static_cast<std::uint16_t>(Row));
    if (!Cell.empty()) W.Text("Cell", Cell);
    W.Bool("HasProp", HasProp);
    W.End();
}

void TGridCellIO::Read(const TBinRecord& Rec)
{
    *this = TGridCellIO();
    for (const auto& [name, v] : Rec.Props) {
        if (name == "Col") Col = static_cast<std::uint16_t>(BinInt(Rec, name, v));
        else if (name == "Row") Row = static_cast<std::uint16_t>(BinInt(Rec, name, v));
        else if (name == "Cell") Cell = BinText(Rec, name, v);
        else if (name == "HasProp") HasProp = BinBool(Rec, name, v);
        else UnknownProperty(Rec, name);
    }
}

void TGridCellPropIO::Write(TBinRecordWriter& W, const TCellProperties& P, bool HasGraphic, int LogPixelsY)
{
    const std::string p = "CellProperties.";
    W.Begin("TGridCellPropIO");
    W.Bool(p + "IsBaseCell", P.IsBaseCell());
    W.Int(p + "CellSpanX", P.CellSpanX());
    W.Int(p + "CellSpanY", P.CellSpanY());
    W.Ident(p + "Alignment", kAlignmentIdents[P.Alignment() <= ui::taCenter ? P.Alignment() : 0]);
    W.Color(p + "BorderColor", P.BorderColor());
    W.Int(p + "BorderWidth", P.BorderWidth());
    W.Color(p + "BrushColor", P.BrushColor());
    W.Color(p + "BrushColorTo", P.BrushColorTo());
    W.Ident(p + "BrushStyle", kBrushStyleIdents[P.BrushStyle() <= gfx::bsDiagCross ? P.BrushStyle() : 0]);
    // The field stays in the record for readers that expect it, but an object's address
    // means nothing outside this process: it is written as 0 and never read back.
    W.Int(p + "CellObject", 0);
    W.Color(p + "FontColor", P.FontColor());
    if (!P.FontName().empty()) W.Text(p + "FontName", P.FontName());
    W.Int(p + "FontSize", -BinMulDiv(P.FontSize(), 72, LogPixelsY));
    std::vector<std::string> styles;
    for (int s = gfx::fsBold; s <= gfx::fsStrikeOut; ++s)
        if (P.FontStyle().Contains(static_cast<gfx::TFontStyle>(s))) styles.emplace_back(kFontStyleIdents[s]);
    W.Set(p + "FontStyle", styles);
    W.Ident(p + "Editor", std::string(EnumIdent(P.Editor())));
    W.Ident(p + "GradientDirection", std::string(EnumIdent(P.GradientDirection())));
    W.Bool(p + "ReadOnly", P.ReadOnly());
    W.Ident(p + "VAlignment", std::string(EnumIdent(P.VAlignment())));
    W.Bool(p + "WordWrap", P.WordWrap());
    W.Int(p + "NodeLevel", P.NodeLevel());
    if (P.Control() != nullptr && !P.Control()->Name().empty()) W.Ident(p + "Control", P.Control()->Name());
    W.Bool("HasGraphic", HasGraphic);
    W.End();
}

// A merge span counts the further cells of a block (-1 marks a split cell); a block
// reaching further than the stream's 16-bit positions can is corrupt, not one that paints
// and clears billions of cells.
static int BinSpan(const TBinRecord& Rec, const std::string& Prop, const TBinValue& V)
{
    const int span = BinInt32(Rec, Prop, V);
    if (span < -1 || span > std::numeric_limits<std::uint16_t>::max())
        RaiseBinPropError(Rec, Prop, std::to_string(span) + " is not a valid span");
    return span;
}

void TGridCellPropIO::Read(const TBinRecord& Rec)
{
    *this = TGridCellPropIO();
    const std::string p = "CellProperties.";
    for (const auto& [full, v] : Rec.Props) {
        if (full == "HasGraphic") {
            HasGraphic = BinBool(Rec, full, v);
            continue;
        }
        if (full.rfind(p, 0) != 0) UnknownProperty(Rec, full);
        const std::string name = full.substr(p.size());
        if (name == "IsBaseCell") IsBaseCell = BinBool(Rec, full, v);
        else if (name == "CellSpanX") CellSpanX = BinSpan(Rec, full, v);
        else if (name == "CellSpanY") CellSpanY = BinSpan(Rec, full, v);
        else if (name == "Alignment") Alignment = static_cast<ui::TAlignment>(BinIdent(kAlignmentIdents, Rec, full, v));
        else if (name == "BorderColor") BorderColor = BinColor(Rec, full, v);
        else if (name == "BorderWidth") BorderWidth = BinInt32(Rec, full, v);
        else if (name == "BrushColor") BrushColor = BinColor(Rec, full, v);
        else if (name == "BrushColorTo") BrushColorTo = BinColor(Rec, full, v);
        else if (name == "BrushStyle") BrushStyle = static_cast<gfx::TBrushStyle>(BinIdent(kBrushStyleIdents, Rec, full, v));
        // A number from the input never becomes a cell's object: the field is checked and
        // skipped, and the target cell keeps the object it has.
        else if (name == "CellObject") BinInt(Rec, full, v);
        else if (name == "FontColor") FontColor = BinColor(Rec, full, v);
        else if (name == "FontName") FontName = BinText(Rec, full, v);
        else if (name == "FontSize") FontSize = BinInt32(Rec, full, v);
        else if (name == "FontStyle") {
            if (v.Kind != TBinValue::bvSet) RaiseBinPropError(Rec, full, "a set was expected");
            gfx::TFontStyles styles;
            for (const auto& m : v.Items) {
                const int i = IdentIndex(kFontStyleIdents, m);
                if (i < 0) RaiseBinPropError(Rec, full, "invalid value \"" + m + "\"");
                styles.Include(static_cast<gfx::TFontStyle>(i));
            }
            FontStyle = styles;
        } else if (name == "Editor") Editor = BinEnum<TEditorType>(Rec, full, v);
        else if (name == "GradientDirection") GradientDirection = BinEnum<TCellGradientDirection>(Rec, full, v);
        else if (name == "ReadOnly") ReadOnly = BinBool(Rec, full, v);
        else if (name == "VAlignment") VAlignment = BinEnum<TVAlignment>(Rec, full, v);
        else if (name == "WordWrap") WordWrap = BinBool(Rec, full, v);
        else if (name == "NodeLevel") NodeLevel = BinInt32(Rec, full, v);
        // A control is named, not carried: the reading grid does not resolve the name.
        else if (name == "Control") { if (v.Kind != TBinValue::bvIdent) RaiseBinPropError(Rec, full, "a name was expected"); }
        else UnknownProperty(Rec, full);
    }
}

void TGridCellPropIO::ApplyTo(TCellProperties& P, int LogPixelsY) const
{
    if (IsBaseCell) P.SetIsBaseCell(*IsBaseCell);
    if (CellSpanX) P.SetCellSpanX(*CellSpanX);
    if (CellSpanY) P.SetCellSpanY(*CellSpanY);
    if (Alignment) P.SetAlignment(*Alignment);
    if (BorderColor) P.SetBorderColor(*BorderColor);
    if (BorderWidth) P.SetBorderWidth(*BorderWidth);
    if (BrushColor) P.SetBrushColor(*BrushColor);
    if (BrushColorTo) P.SetBrushColorTo(*BrushColorTo);
    if (BrushStyle) P.SetBrushStyle(*BrushStyle);
    if (FontColor) P.SetFontColor(*FontColor);
    if (FontName) P.SetFontName(*FontName);
    if (FontSize) P.SetFontSize(-BinMulDiv(*FontSize, LogPixelsY, 72));
    if (FontStyle) P.SetFontStyle(*FontStyle);
    if (Editor) P.SetEditor(*Editor);
    if (GradientDirection) P.SetGradientDirection(*GradientDirection);
    if (ReadOnly) P.SetReadOnly(*ReadOnly);
    if (VAlignment) P.SetVAlignment(*VAlignment);
    if (WordWrap) P.SetWordWrap(*WordWrap);
    if (NodeLevel) P.SetNodeLevel(*NodeLevel);
}

TGridGraphicIO::TGridGraphicIO() : CellGraphic(std::make_unique<TBaseCellGraphic>()) {}
TGridGraphicIO::~TGridGraphicIO() = default;

void TGridGraphicIO::Write(TBinRecordWriter& W) const
{
    const std::string p = "CellGraphic.";
    const TBaseCellGraphic& g = *CellGraphic;
    W.Begin("TGridGraphicIO");
    W.Ident(p + "CellType", std::string(EnumIdent(g.CellType())));
    W.Ident(p + "CellVAlign", std::string(EnumIdent(g.CellVAlign())));
    W.Ident(p + "CellHAlign", std::string(EnumIdent(g.CellHAlign())));
    W.Int(p + "CellIndex", g.CellIndex());
    W.Bool(p + "CellTransparent", g.CellTransparent());
    W.Bool(p + "CellCreated", false);
    W.Bool(p + "CellBoolean", g.CellBoolean());
    W.Ident(p + "CellCheckBoxState", kCheckBoxStateIdents[g.CellCheckBoxState() <= ui::cbGrayed ? g.CellCheckBoxState() : 0]);
    W.Int(p + "CellAngle", g.CellAngle());
    if (g.CellValue() != 0.0) W.Float(p + "CellValue", g.CellValue());
    W.Int(p + "CellErrFrom", g.CellErrFrom());
    W.Int(p + "CellErrLen", g.CellErrLen());
    if (!g.CellText().empty()) W.Text(p + "CellText", g.CellText());
    W.End();
}

void TGridGraphicIO::Read(const TBinRecord& Rec)
{
    CellGraphic = std::make_unique<TBaseCellGraphic>();
    TBaseCellGraphic& g = *CellGraphic;
    const std::string p = "CellGraphic.";
    for (const auto& [full, v] : Rec.Props) {
        if (full.rfind(p, 0) != 0) UnknownProperty(Rec, full);
        const std::string name = full.substr(p.size());
        if (name == "CellType") g.SetCellType(BinEnum<TCellType>(Rec, full, v));
        else if (name == "CellVAlign") g.SetCellVAlign(BinEnum<TCellVAlign>(Rec, full, v));
        else if (name == "CellHAlign") g.SetCellHAlign(BinEnum<TCellHAlign>(Rec, full, v));
        else if (name == "CellIndex") g.SetCellIndex(BinInt32(Rec, full, v));
        else if (name == "CellTransparent") g.SetCellTransparent(BinBool(Rec, full, v));
        else if (name == "CellCreated") BinBool(Rec, full, v);  // ownership is the reader's (see the loader)
        else if (name == "CellBoolean") g.SetCellBoolean(BinBool(Rec, full, v));
        else if (name == "CellCheckBoxState")
            g.SetCellCheckBoxState(static_cast<ui::TCheckBoxState>(BinIdent(kCheckBoxStateIdents, Rec, full, v)));
        else if (name == "CellAngle") g.SetCellAngle(BinInt32(Rec, full, v));
        else if (name == "CellValue") {
            if (v.Kind != TBinValue::bvFloat && v.Kind != TBinValue::bvInt) RaiseBinPropError(Rec, full, "a number was expected");
            g.SetCellValue(v.Kind == TBinValue::bvFloat ? v.Float : static_cast<double>(v.Int));
        } else if (name == "CellErrFrom") g.SetCellErrFrom(BinInt32(Rec, full, v));
        else if (name == "CellErrLen") g.SetCellErrLen(BinInt32(Rec, full, v));
        else if (name == "CellText") g.SetCellText(BinText(Rec, full, v));
        else UnknownProperty(Rec, full);
    }
}

TGridBMPIO::TGridBMPIO() : Bitmap(std::make_unique<gfx::TBitmap>()) {}
TGridBMPIO::~TGridBMPIO() = default;

void TGridBMPIO::Write(TBinRecordWriter& W) const
{
    W.Begin("TGridBMPIO");
    if (!Bitmap->Empty()) W.Binary("Bitmap.Data", BitmapStreamForm(*Bitmap));
    W.End();
}

void TGridBMPIO::Read(const TBinRecord& Rec)
{
    Bitmap = std::make_unique<gfx::TBitmap>();
    for (const auto& [name, v] : Rec.Props) {
        if (name != "Bitmap.Data") UnknownProperty(Rec, name);
        if (v.Kind != TBinValue::bvBinary || !BitmapFromStreamForm(v.Text, *Bitmap))
            RaiseBinPropError(Rec, name, "invalid bitmap data");
    }
}

TGridIconIO::TGridIconIO() : Icon(std::make_unique<gfx::TIcon>()) {}
TGridIconIO::~TGridIconIO() = default;

void TGridIconIO::Write(TBinRecordWriter& W) const
{
    W.Begin("TGridIconIO");
    if (!Icon->Empty()) {
        const gfx::TBytes bytes = Icon->SaveToBytes();
        W.Binary("Icon.Data", std::string(bytes.begin(), bytes.end()));
    }
    W.End();
}

void TGridIconIO::Read(const TBinRecord& Rec)
{
    Icon = std::make_unique<gfx::TIcon>();
    for (const auto& [name, v] : Rec.Props) {
        if (name != "Icon.Data") UnknownProperty(Rec, name);
        if (v.Kind != TBinValue::bvBinary) RaiseBinPropError(Rec, name, "binary data was expected");
        Icon->LoadFromBytes(reinterpret_cast<const std::uint8_t*>(v.Text.data()), v.Text.size());
    }
}

TGridPicIO::TGridPicIO() : Picture(std::make_unique<gfx::TPicture>()) {}
TGridPicIO::~TGridPicIO() = default;

void TGridPicIO::Write(TBinRecordWriter& W) const
{
    W.Begin("TGridPicIO");
    const gfx::TGraphic* g = Picture->Graphic();
    if (g != nullptr && !g->Empty()) {
        const std::string cls = g->ClassName();
        std::string data(1, static_cast<char>(cls.size()));
        data += cls;
        if (const auto* bmp = dynamic_cast<const gfx::TBitmap*>(g)) {
            data += BitmapStreamForm(*bmp);
        } else {
            const gfx::TBytes bytes = g->SaveToBytes();
            data.append(bytes.begin(), bytes.end());
        }
        W.Binary("Picture.Data", data);
    }
    W.End();
}

void TGridPicIO::Read(const TBinRecord& Rec)
{
    Picture = std::make_unique<gfx::TPicture>();
    for (const auto& [name, v] : Rec.Props) {
        if (name != "Picture.Data") UnknownProperty(Rec, name);
        if (v.Kind != TBinValue::bvBinary || v.Text.empty()) RaiseBinPropError(Rec, name, "invalid picture data");
        const std::size_t n = static_cast<std::uint8_t>(v.Text[0]);
        if (v.Text.size() < 1 + n) RaiseBinPropError(Rec, name, "invalid picture data");
        const std::string cls = v.Text.substr(1, n);
        std::unique_ptr<gfx::TGraphic> graphic = GraphicOfClass(cls);
        if (!graphic) RaiseBinPropError(Rec, name, "unknown graphic class \"" + cls + "\"");
        const std::string rest = v.Text.substr(1 + n);
        if (auto* bmp = dynamic_cast<gfx::TBitmap*>(graphic.get())) {
            if (!BitmapFromStreamForm(rest, *bmp)) RaiseBinPropError(Rec, name, "invalid bitmap data");
        } else {
            graphic->LoadFromBytes(reinterpret_cast<const std::uint8_t*>(rest.data()), rest.size());
        }
        Picture->SetGraphic(std::move(graphic));
    }
}

TGridFilePicIO::TGridFilePicIO() : Picture(std::make_unique<TFilePicture>()) {}
TGridFilePicIO::~TGridFilePicIO() = default;

void TGridFilePicIO::Write(TBinRecordWriter& W) const
{
    W.Begin("TGridFilePicIO");
    if (!Picture->Filename().empty()) W.Text("Picture.Filename", Picture->Filename());
    W.End();
}

void TGridFilePicIO::Read(const TBinRecord& Rec)
{
    Picture = std::make_unique<TFilePicture>();
    for (const auto& [name, v] : Rec.Props) {
        if (name != "Picture.Filename") UnknownProperty(Rec, name);
        Picture->SetFilename(BinText(Rec, name, v));
    }
}

TGridSLIO::TGridSLIO() : Strings(std::make_unique<rtl::TStringList>()) {}
TGridSLIO::~TGridSLIO() = default;

void TGridSLIO::Write(TBinRecordWriter& W) const
{
    W.Begin("TGridSLIO");
    if (Strings->Count() > 0) {
        std::vector<std::string> items;
        for (int i = 0; i < Strings->Count(); ++i) items.push_back(Strings->Strings(i));
        W.List("Strings.Strings", items);
    }
    W.End();
}

void TGridSLIO::Read(const TBinRecord& Rec)
{
    Strings = std::make_unique<rtl::TStringList>();
    for (const auto& [name, v] : Rec.Props) {
        if (name != "Strings.Strings") UnknownProperty(Rec, name);
        if (v.Kind != TBinValue::bvList) RaiseBinPropError(Rec, name, "a list was expected");
        for (const auto& s : v.Items) Strings->Add(s);
    }
}

TBinTypedRecord TypedRecordOf(TCellType Kind)
{
    switch (static_cast<TCellType>(Kind & 0x7F)) {
    case ctBitmap:
    case ctBitButton: return TBinTypedRecord::Bitmap;
    case ctIcon: return TBinTypedRecord::Icon;
    case ctRadio:
    case ctImages: return TBinTypedRecord::Strings;
    case ctPicture: return TBinTypedRecord::Picture;
    case ctFilePicture: return TBinTypedRecord::FilePicture;
    default: return TBinTypedRecord::None;
    }
}

}  // namespace grid
