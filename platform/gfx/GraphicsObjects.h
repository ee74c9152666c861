// Pen, brush and font objects of the canvas, with their style enumerations.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>

#include "platform/gfx/Color.h"
#include "platform/rtl/Object.h"

namespace gfx {

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

// Raster operation of a pen: how the pen colour P combines with the pixel D already there.
enum TPenMode {
    pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot,
    pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor
};

enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
enum TFontPitch { fpDefault, fpVariable, fpFixed };
using TFontCharset = std::uint8_t;
constexpr TFontCharset ANSI_CHARSET = 0;
constexpr TFontCharset DEFAULT_CHARSET = 1;
constexpr TFontCharset EASTEUROPE_CHARSET = 238;

// A set of TFontStyle; Bits() has bold, italic, underline, strike-out in bits 0 … 3.
class TFontStyles {
public:
    constexpr TFontStyles() = default;
    constexpr TFontStyles(std::initializer_list<TFontStyle> styles)
    {
        for (TFontStyle s : styles) FBits |= Bit(s);
    }
    static constexpr TFontStyles FromBits(std::uint8_t bits)
    {
        TFontStyles r;
        r.FBits = bits & 0x0F;
        return r;
    }
    constexpr bool Contains(TFontStyle s) const { return (FBits & Bit(s)) != 0; }
    constexpr bool Empty() const { return FBits == 0; }
    constexpr std::uint8_t Bits() const { return FBits; }
    constexpr TFontStyles& Include(TFontStyle s) { FBits |= Bit(s); return *this; }
    constexpr TFontStyles& Exclude(TFontStyle s) { FBits &= static_cast<std::uint8_t>(~Bit(s)); return *this; }
    friend constexpr TFontStyles operator+(TFontStyles a, TFontStyles b) { return FromBits(a.FBits | b.FBits); }
    friend constexpr TFontStyles operator-(TFontStyles a, TFontStyles b) { return FromBits(a.FBits & ~b.FBits); }
    friend constexpr TFontStyles operator*(TFontStyles a, TFontStyles b) { return FromBits(a.FBits & b.FBits); }
    friend constexpr bool operator==(TFontStyles, TFontStyles) = default;

private:
    static constexpr std::uint8_t Bit(TFontStyle s) { return static_cast<std::uint8_t>(1u << s); }
    std::uint8_t FBits = 0;
};

// Resolution every font size is converted with (points to pixels).
constexpr int ScreenPixelsPerInch = 96;

// The interface font, defined once: every new TFont starts as this.
const char* DefaultFontName();
constexpr int DefaultFontSize = 8;

// Common part of pen, brush and font: a change notification fired after each change.
class TGraphicsObject : public rtl::TPersistent {
public:
    TGraphicsObject() = default;
    // A copy is nobody's canvas tool: the owner's hook is not copied.
    TGraphicsObject(const TGraphicsObject& other) : rtl::TPersistent(other), OnChange(other.OnChange) {}
    TGraphicsObject& operator=(const TGraphicsObject& other)
    {
        OnChange = other.OnChange;
        return *this;
    }
    std::function<void(rtl::TObject* sender)> OnChange;
    std::string ClassName() const override { return "TGraphicsObject"; }

protected:
    void Changed();

private:
    friend class TCanvas;
    // Set by the canvas that owns the object, called before OnChange.
    std::function<void()> FOwnerChanged;
};

class TPen : public TGraphicsObject {
public:
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    int Width() const { return FWidth; }
    void SetWidth(int value);
    TPenStyle Style() const { return FStyle; }
    void SetStyle(TPenStyle value);
    TPenMode Mode() const { return FMode; }
    void SetMode(TPenMode value);

    void Assign(const rtl::TPersistent* source) override;
    std::string ClassName() const override { return "TPen"; }

private:
    TColor FColor = clBlack;
    int FWidth = 1;
    TPenStyle FStyle = psSolid;
    TPenMode FMode = pmCopy;
};

class TBrush : public TGraphicsObject {
public:
    TColor Color() const { return FColor; }
    // Setting a colour on a clear brush makes it solid, as the class library does.
    void SetColor(TColor value);
    TBrushStyle Style() const { return FStyle; }
    void SetStyle(TBrushStyle value);

    void Assign(const rtl::TPersistent* source) override;
    std::string ClassName() const override { return "TBrush"; }

private:
    TColor FColor = clWhite;
    TBrushStyle FStyle = bsSolid;
};

// A font. Size is in points; Height in pixels at 96 pixels per inch, negative for the
// character height without internal leading (Size 8 = Height -11), positive for the cell
// height. Names map to installed families (see FontMapping.h).
class TFont : public TGraphicsObject {
public:
    TFont();

    const std::string& Name() const { return FName; }
    void SetName(const std::string& value);
    int Size() const;
    void SetSize(int points);
    int Height() const { return FHeight; }
    void SetHeight(int value);
    TFontStyles Style() const { return FStyle; }
    void SetStyle(TFontStyles value);
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    // Angle of the baseline in tenths of a degree, counter-clockwise.
    int Orientation() const { return FOrientation; }
    void SetOrientation(int value);
    TFontPitch Pitch() const { return FPitch; }
    void SetPitch(TFontPitch value);
    TFontCharset Charset() const { return FCharset; }
    void SetCharset(TFontCharset value);
    int PixelsPerInch() const { return ScreenPixelsPerInch; }

    void Assign(const rtl::TPersistent* source) override;
    std::string ClassName() const override { return "TFont"; }
    // Same face, size, style and orientation (colour not compared).
    bool SameFace(const TFont& other) const;
    // The text engine's realised face for this font, kept until the font changes.
    const void* FaceCache() const { return FFaceCache; }
    void SetFaceCache(const void* face) const { FFaceCache = face; }

private:
    void FaceChanged();
    mutable const void* FFaceCache = nullptr;
    std::string FName;
    int FHeight;
    TFontStyles FStyle;
    TColor FColor = clWindowText;
    int FOrientation = 0;
    TFontPitch FPitch = fpDefault;
    TFontCharset FCharset = DEFAULT_CHARSET;
};

}  // namespace gfx
