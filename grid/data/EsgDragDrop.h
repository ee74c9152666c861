// Grid-independent OLE drag and drop: reading dropped data, the drop target and source bases, the source data object and drag starters.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/rtl/Types.h"
#include "platform/ui/DragDrop.h"

namespace rtl {
class TMemoryStream;
}

namespace grid {

// What a dragged data object offers, as bits of TDropFormats.
enum TDropFormat : unsigned {
    dfText = 0x01,
    dfFile = 0x02,
    dfCol = 0x04,
    dfRTF = 0x08,
    dfURL = 0x10,
    dfGridCells = 0x20,
    dfURI = 0x40,
};
using TDropFormats = unsigned;

// Identifiers of the registered formats "Rich Text Format", "Grid Column",
// "TExtStringGrid Cells" and "UniformResourceLocator" (URL and URI are the same). They are
// registered on first use, so a drag source offers the right identifiers even before any
// dropped data object has been read.
unsigned CF_RTF();
unsigned CF_GRIDCOL();
unsigned CF_GRIDCELLS();
unsigned CF_URL();
unsigned CF_URI();

// The rich-text aware switch (off at start): rich text is offered and accepted only while on.
void SetRtfDropAccepted(bool Value);
bool RtfDropAccepted();

// Move when Ctrl is up and the offered effects include move, copy otherwise.
ui::DWORD ShiftStateToDropEffect(ui::DWORD KeyState, ui::DWORD Offered);

// Prepares OLE for the program (single-threaded).
void InitializeOle();

// Reads what a dropped data object offers: walks its format records and reads the blocks.
class TEnumFormats {
public:
    explicit TEnumFormats(ui::IDataObject* ADataObject);
    ui::IDataObject* DataObject() const { return FDataObject; }
    // Asks the object for its enumerator ("Cannot get the format enumerator" when it has none).
    void SetDataObject(ui::IDataObject* Value);

    void Reset();
    bool Next();
    bool HasFormat(unsigned AFormat);
    // The block of the current record when its medium includes all kinds asked for.
    ui::HGLOBAL Handle(ui::DWORD Tymed);
    ui::HGLOBAL GlobalHandle() { return Handle(ui::TYMED_HGLOBAL); }

    unsigned Format() const { return FFormatEtc.cfFormat; }
    void SetFormat(unsigned v) { FFormatEtc.cfFormat = v; }
    ui::DWORD Aspect() const { return FFormatEtc.dwAspect; }
    void SetAspect(ui::DWORD v) { FFormatEtc.dwAspect = v; }
    int Index() const { return FFormatEtc.lindex; }
    void SetIndex(int v) { FFormatEtc.lindex = v; }
    ui::DWORD Medium() const { return FFormatEtc.tymed; }
    void SetMedium(ui::DWORD v) { FFormatEtc.tymed = v; }
    bool Valid() const { return FValid; }
    int Count() const { return FCount; }

    // Readers ("" / -1 / null when the format is not offered).
    std::string Text();
    std::string RTF();
    std::string URI();
    int Col();
    std::unique_ptr<rtl::TMemoryStream> Stream();
    // Adds the dropped file names to Files; whether there were any.
    bool DroppedFiles(std::vector<std::string>& Files);

    bool HasText();
    bool HasFile();
    bool HasRTF();
    bool HasCol();
    bool HasURL();
    bool HasURI();
    bool HasGridCells();
    // Every format offered, as TDropFormats bits.
    TDropFormats Formats();

private:
    std::string ReadBlock(unsigned AFormat);

    ui::IDataObject* FDataObject = nullptr;
    std::shared_ptr<ui::IEnumFORMATETC> FEnum;
    ui::FORMATETC FFormatEtc;
    bool FValid = false;
    int FCount = 0;
};

// A drop target that reads the dragged data, decides whether it is acceptable and hands
// each kind of payload to its operation. Points are screen coordinates.
class TESGDropTarget : public ui::IDropTarget {
public:
    TESGDropTarget() = default;

    ui::HRESULT DragEnter(ui::IDataObject* dataObj, ui::DWORD keyState, ui::POINTL pt, ui::DWORD& effect) override;
    ui::HRESULT DragOver(ui::DWORD keyState, ui::POINTL pt, ui::DWORD& effect) override;
    ui::HRESULT DragLeave() override;
    ui::HRESULT Drop(ui::IDataObject* dataObj, ui::DWORD keyState, ui::POINTL pt, ui::DWORD& effect) override;

    bool AcceptText = true;
    bool AcceptFiles = true;
    bool AcceptURLs = true;
    bool AcceptCols = false;
    TDropFormats DropFormats() const { return FDropFormats; }
    bool Acceptable() const { return FAcceptable; }

    virtual void DropText(rtl::TPoint pt, const std::string& s) = 0;
    // The handler owns the stream.
    virtual void DropStream(rtl::TPoint pt, std::unique_ptr<rtl::TMemoryStream> ms) = 0;
    virtual void DropCol(rtl::TPoint pt, int Col) = 0;
    virtual void DropRTF(rtl::TPoint pt, const std::string& s) = 0;
    virtual void DropFiles(rtl::TPoint pt, const std::vector<std::string>& Files) = 0;
    virtual void DropURL(rtl::TPoint pt, const std::string& s) = 0;
    virtual void DragMouseMove(rtl::TPoint pt, bool& Allow, TDropFormats DropFormats);
    virtual void DragMouseEnter() = 0;
    virtual void DragMouseLeave() = 0;

private:
    TDropFormats FDropFormats = 0;
    bool FAcceptable = false;
    bool FIsURIDrag = false;
};

// A drop source: ends the drag on Escape (cancel) or on the left button's release (drop).
class TESGDropSource : public ui::IDropSource {
public:
    TESGDropSource() = default;
    ui::HRESULT QueryContinueDrag(bool escapePressed, ui::DWORD keyState) override;
    ui::HRESULT GiveFeedback(ui::DWORD effect) override;
    // The last feedback effect was none.
    bool NotAccepted() const { return FNotAccepted; }

    // The drag ended by cancel or drop.
    virtual void DragDropStop() {}
    virtual void CurrentEffect(ui::DWORD /*effect*/) {}
    // Called while the drag goes on.
    virtual void QueryDrag() {}

private:
    bool FNotAccepted = false;
};

// The data object of a grid drag: text, rich text, a column index and a binary cell stream
// (not owned).
class TSourceDataObject : public ui::IDataObject {
public:
    TSourceDataObject(const std::string& Text, rtl::TMemoryStream* Stream, int Col, const std::string& RTF);

    ui::HRESULT GetData(const ui::FORMATETC& format, ui::STGMEDIUM& medium) override;
    ui::HRESULT GetDataHere(const ui::FORMATETC& format, ui::STGMEDIUM& medium) override;
    ui::HRESULT QueryGetData(const ui::FORMATETC& format) override;
    ui::HRESULT GetCanonicalFormatEtc(const ui::FORMATETC& in, ui::FORMATETC& out) override;
    ui::HRESULT SetData(const ui::FORMATETC& format, const ui::STGMEDIUM& medium, bool release) override;
    ui::HRESULT EnumFormatEtc(ui::DWORD direction, std::shared_ptr<ui::IEnumFORMATETC>& ppenum) override;
    ui::HRESULT DAdvise() override;
    ui::HRESULT DUnadvise() override;
    ui::HRESULT EnumDAdvise() override;

    std::string textdata;
    std::string rtfdata;
    int scolidx = -1;
    rtl::TMemoryStream* memstr = nullptr;
};

// The format records of a TSourceDataObject: CF_TEXT, CF_UNICODETEXT, "Rich Text Format",
// then "Grid Column" and "TExtStringGrid Cells" when present.
class TSourceEnumFormatEtc : public ui::IEnumFORMATETC {
public:
    TSourceEnumFormatEtc(bool HasCol, bool HasGridCells, int Index = 0)
        : FIndex(Index), FHasCol(HasCol), FHasGridCells(HasGridCells) {}
    ui::HRESULT Next(unsigned celt, ui::FORMATETC* rgelt, unsigned* pceltFetched) override;
    ui::HRESULT Skip(unsigned celt) override;
    ui::HRESULT Reset() override;
    ui::HRESULT Clone(std::shared_ptr<ui::IEnumFORMATETC>& ppenum) override;

private:
    std::vector<unsigned> FormatList() const;
    int FIndex;
    bool FHasCol;
    bool FHasGridCells;
};

// Run a drag of text (with rich text and a cell stream) or of a column index.
// DRAGDROP_S_CANCEL when the source's last feedback was none, else what the drag loop gave.
ui::HRESULT StartOleTextDrag(TESGDropSource* DropSource, const std::string& Text, const std::string& RTF,
                             ui::DWORD& Effect, ui::DWORD AllowedEffects, rtl::TMemoryStream* Stream);
ui::HRESULT StartOleColumnDrag(TESGDropSource* DropSource, int Col, ui::DWORD AllowedEffects, ui::DWORD& Effect);

}  // namespace grid
