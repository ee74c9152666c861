// Records of the grid's binary cell stream and the component-stream encoding they are written in.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "grid/core/CellGraphics.h"
#include "grid/core/GridTypes.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/GraphicsObjects.h"
#include "platform/ui/StdCtrlsEdit.h"

namespace rtl {
class TStream;
class TStringList;
}
namespace gfx {
class TBitmap;
class TIcon;
class TPicture;
}

namespace grid {

class TCellProperties;
class TFilePicture;

// One property value as a record holds it.
struct TBinValue {
    enum TKind : std::uint8_t { bvInt, bvBool, bvIdent, bvSet, bvFloat, bvText, bvBinary, bvList };
    TKind Kind = bvInt;
    long long Int = 0;
    bool Bool = false;
    double Float = 0.0;
    std::string Text;                 // identifier, text or binary bytes
    std::vector<std::string> Items;   // set members or list strings
};

// A record as read: its class name and its properties in stream order.
struct TBinRecord {
    std::string ClassName;
    std::vector<std::pair<std::string, TBinValue>> Props;
};

// Writes records in the platform's component-stream form ("TPF0", class name, empty
// component name, properties, two zero bytes). A record is built in memory and written to
// the stream in one piece at End.
class TBinRecordWriter {
public:
    explicit TBinRecordWriter(rtl::TStream& Stream) : FStream(Stream) {}
    void Begin(const std::string& ClassName);
    void End();
    void Int(const std::string& Name, long long Value);
    void Bool(const std::string& Name, bool Value);
    void Ident(const std::string& Name, const std::string& Value);
    // A colour identifier when the colour has one, else the number.
    void Color(const std::string& Name, gfx::TColor Value);
    void Set(const std::string& Name, const std::vector<std::string>& Members);
    void Float(const std::string& Name, double Value);
    void Text(const std::string& Name, const std::string& Value);
    void Binary(const std::string& Name, const std::string& Bytes);
    void List(const std::string& Name, const std::vector<std::string>& Items);

private:
    void Byte(std::uint8_t b);
    void Put(const void* data, long long count);
    void ShortString(const std::string& s);
    void IntValue(long long v);
    void TextValue(const std::string& v);
    rtl::TStream& FStream;
    std::string FBuf;
};

// Reads one record and checks its class. A missing "TPF0", another class or a stream that
// ends inside the record raises rtl::EReadError naming the class and the byte offset.
TBinRecord ReadBinRecord(rtl::TStream& Stream, const char* ExpectedClass);

// Conversions used by the records; each raises rtl::EReadError naming the record and property.
[[noreturn]] void RaiseBinPropError(const TBinRecord& Rec, const std::string& Prop, const std::string& Why);
long long BinInt(const TBinRecord& Rec, const std::string& Prop, const TBinValue& V);
bool BinBool(const TBinRecord& Rec, const std::string& Prop, const TBinValue& V);
std::string BinText(const TBinRecord& Rec, const std::string& Prop, const TBinValue& V);

// The 80-bit extended form of a double and back.
void DoubleToExtended(double Value, std::uint8_t (&Bytes)[10]);
double ExtendedToDouble(const std::uint8_t (&Bytes)[10]);
// Rounded a * b / c, as the platform's MulDiv.
int BinMulDiv(int a, int b, int c);

// The header record.
struct TGridPropIO {
    int ColCount = 0;
    int RowCount = 0;
    std::string ColWidths;
    std::string RowHeights;
    bool FullGrid = false;
    long long ID = 0;
    void Write(TBinRecordWriter& W) const;
    void Read(const TBinRecord& Rec);
};

// One cell.
struct TGridCellIO {
    int Col = 0;
    int Row = 0;
    std::string Cell;
    bool HasProp = false;
    void Write(TBinRecordWriter& W) const;
    void Read(const TBinRecord& Rec);
};

// A cell's properties. Read: only the properties present are set, so a target cell keeps
// its own values for the rest. FontSize is in points in the stream.
struct TGridCellPropIO {
    std::optional<bool> IsBaseCell, ReadOnly, WordWrap;
    std::optional<int> CellSpanX, CellSpanY, BorderWidth, FontSize, NodeLevel;
    std::optional<ui::TAlignment> Alignment;
    std::optional<gfx::TColor> BorderColor, BrushColor, BrushColorTo, FontColor;
    std::optional<gfx::TBrushStyle> BrushStyle;
    std::optional<std::string> FontName;
    std::optional<gfx::TFontStyles> FontStyle;
    std::optional<TEditorType> Editor;
    std::optional<TCellGradientDirection> GradientDirection;
    std::optional<TVAlignment> VAlignment;
    bool HasGraphic = false;
    // Writes P's properties (font height converted to points at LogPixelsY).
    static void Write(TBinRecordWriter& W, const TCellProperties& P, bool HasGraphic, int LogPixelsY);
    void Read(const TBinRecord& Rec);
    void ApplyTo(TCellProperties& P, int LogPixelsY) const;
};

// A cell's graphic: the base graphic's fields only (the comment travels in CellText).
struct TGridGraphicIO {
    TGridGraphicIO();
    ~TGridGraphicIO();
    std::unique_ptr<TBaseCellGraphic> CellGraphic;
    void Write(TBinRecordWriter& W) const;
    void Read(const TBinRecord& Rec);
};

// The typed records that follow a graphic and the objects they own.
struct TGridBMPIO {
    TGridBMPIO();
    ~TGridBMPIO();
    std::unique_ptr<gfx::TBitmap> Bitmap;
    void Write(TBinRecordWriter& W) const;
    void Read(const TBinRecord& Rec);
};
struct TGridIconIO {
    TGridIconIO();
    ~TGridIconIO();
    std::unique_ptr<gfx::TIcon> Icon;
    void Write(TBinRecordWriter& W) const;
    void Read(const TBinRecord& Rec);
};
struct TGridPicIO {
    TGridPicIO();
    ~TGridPicIO();
    std::unique_ptr<gfx::TPicture> Picture;
    void Write(TBinRecordWriter& W) const;
    void Read(const TBinRecord& Rec);
};
struct TGridFilePicIO {
    TGridFilePicIO();
    ~TGridFilePicIO();
    std::unique_ptr<TFilePicture> Picture;
    void Write(TBinRecordWriter& W) const;
    void Read(const TBinRecord& Rec);
};
struct TGridSLIO {
    TGridSLIO();
    ~TGridSLIO();
    std::unique_ptr<rtl::TStringList> Strings;
    void Write(TBinRecordWriter& W) const;
    void Read(const TBinRecord& Rec);
};

// A cell as read from a stream, with the records that followed it.
struct TBinLoadedCell {
    TGridCellIO Cell;
    std::unique_ptr<TGridCellPropIO> Prop;
    std::unique_ptr<TGridGraphicIO> Graphic;
    std::unique_ptr<TGridBMPIO> Bmp;
    std::unique_ptr<TGridIconIO> Icon;
    std::unique_ptr<TGridSLIO> Strings;
    std::unique_ptr<TGridPicIO> Pic;
    std::unique_ptr<TGridFilePicIO> FilePic;
};

// A whole binary cell stream: its header, the sizes of a whole grid and every cell, read
// and checked before any grid changes.
struct TBinCellBlock {
    TGridPropIO Header;
    std::vector<int> ColWidths;   // whole grid only: one per column
    std::vector<int> RowHeights;  // whole grid only: one per row
    std::vector<TBinLoadedCell> Cells;
    // Top-left of the saved rectangle: the position of the first cell (0, 0 without cells).
    int FirstCol = 0;
    int FirstRow = 0;
};

// Reads a stream from its position to its end. Raises rtl::EReadError naming the record
// when a record is malformed or truncated, when a count is negative or announces more
// cells than the stream carries, or when a cell lies outside the saved rectangle (a cell
// left of or above the first one included).
TBinCellBlock ReadBinCellBlock(rtl::TStream& Stream);

// The typed record a graphic kind is followed by.
enum class TBinTypedRecord : std::uint8_t { None, Bitmap, Icon, Strings, Picture, FilePicture };
TBinTypedRecord TypedRecordOf(TCellType Kind);

}  // namespace grid
