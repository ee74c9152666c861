// Pen, brush and font: property changes with notification, copying, size/height conversion.
#include "platform/gfx/GraphicsObjects.h"

namespace gfx {

namespace {

// a × b / c rounded to nearest, as the platform's MulDiv.
int MulDiv(int a, int b, int c)
{
    long long p = static_cast<long long>(a) * b;
    long long half = (c > 0 ? c : -c) / 2;
    if ((p < 0) != (c < 0)) return static_cast<int>((p - half) / c);
    return static_cast<int>((p + half) / c);
}

}  // namespace

const char* DefaultFontName() { return "Tahoma"; }

void TGraphicsObject::Changed()
{
    if (FOwnerChanged) FOwnerChanged();
    if (OnChange) OnChange(this);
}

void TPen::SetColor(TColor value)
{
    if (FColor == value) return;
    FColor = value;
    Changed();
}

void TPen::SetWidth(int value)
{
    if (value < 0) value = 0;
    if (FWidth == value) return;
    FWidth = value;
    Changed();
}

void TPen::SetStyle(TPenStyle value)
{
    if (FStyle == value) return;
    FStyle = value;
    Changed();
}

void TPen::SetMode(TPenMode value)
{
    if (FMode == value) return;
    FMode = value;
    Changed();
}

void TPen::Assign(const rtl::TPersistent* source)
{
    if (auto* p = dynamic_cast<const TPen*>(source)) {
        FColor = p->FColor;
        FWidth = p->FWidth;
        FStyle = p->FStyle;
        FMode = p->FMode;
        Changed();
        return;
    }
    TGraphicsObject::Assign(source);
}

void TBrush::SetColor(TColor value)
{
    if (FColor == value && FStyle != bsClear) return;
    FColor = value;
    if (FStyle == bsClear) FStyle = bsSolid;
    Changed();
}

void TBrush::SetStyle(TBrushStyle value)
{
    if (FStyle == value) return;
    FStyle = value;
    Changed();
}

void TBrush::Assign(const rtl::TPersistent* source)
{
    if (auto* b = dynamic_cast<const TBrush*>(source)) {
        FColor = b->FColor;
        FStyle = b->FStyle;
        Changed();
        return;
    }
    TGraphicsObject::Assign(source);
}

TFont::TFont() : FName(DefaultFontName()), FHeight(-MulDiv(DefaultFontSize, ScreenPixelsPerInch, 72)) {}

void TFont::SetName(const std::string& value)
{
    if (FName == value) return;
    FName = value;
    FaceChanged();
}

int TFont::Size() const { return -MulDiv(FHeight, 72, ScreenPixelsPerInch); }

void TFont::SetSize(int points) { SetHeight(-MulDiv(points, ScreenPixelsPerInch, 72)); }

void TFont::SetHeight(int value)
{
    if (FHeight == value) return;
    FHeight = value;
    FaceChanged();
}

void TFont::SetStyle(TFontStyles value)
{
    if (FStyle == value) return;
    FStyle = value;
    FaceChanged();
}

void TFont::SetColor(TColor value)
{
    if (FColor == value) return;
    FColor = value;
    Changed();
}

void TFont::SetOrientation(int value)
{
    if (FOrientation == value) return;
    FOrientation = value;
    FaceChanged();
}

void TFont::SetPitch(TFontPitch value)
{
    if (FPitch == value) return;
    FPitch = value;
    FaceChanged();
}

void TFont::SetCharset(TFontCharset value)
{
    if (FCharset == value) return;
    FCharset = value;
    FaceChanged();
}

void TFont::FaceChanged()
{
    FFaceCache = nullptr;
    Changed();
}

bool TFont::SameFace(const TFont& other) const
{
    return FName == other.FName && FHeight == other.FHeight && FStyle == other.FStyle &&
           FOrientation == other.FOrientation && FPitch == other.FPitch;
}

void TFont::Assign(const rtl::TPersistent* source)
{
    if (auto* f = dynamic_cast<const TFont*>(source)) {
        FName = f->FName;
        FHeight = f->FHeight;
        FStyle = f->FStyle;
        FColor = f->FColor;
        FOrientation = f->FOrientation;
        FPitch = f->FPitch;
        FCharset = f->FCharset;
        FFaceCache = f->FFaceCache;  // the same face properties: the same realised face
        Changed();
        return;
    }
    TGraphicsObject::Assign(source);
}

}  // namespace gfx
