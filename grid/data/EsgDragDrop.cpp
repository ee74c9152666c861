// Grid-independent OLE drag and drop: format reading, drop target and source bases, the source data object.
#include "grid/data/EsgDragDrop.h"

#include <algorithm>
#include <cstring>

#include "platform/rtl/CodePage.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/Clipboard.h"

namespace grid {

namespace {

bool RtfAware = false;

unsigned Registered(const char* name)
{
    return ui::RegisterClipboardFormat(name);
}

// A block of 8-bit text (system code page) up to its first zero byte.
std::string Text8(const std::string& block)
{
    return rtl::Win1250ToUtf8(block.substr(0, block.find('\0')));
}

std::string Zero8(const std::string& utf8) { return rtl::Utf8ToWin1250(utf8) + '\0'; }

void PutU32(std::string& block, std::size_t offset, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i) block[offset + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

std::uint32_t GetU32(const std::string& block, std::size_t offset)
{
    std::uint32_t v = 0;
    for (int i = 0; i < 4 && offset + i < block.size(); ++i)
        v |= static_cast<std::uint32_t>(static_cast<unsigned char>(block[offset + i])) << (8 * i);
    return v;
}

}  // namespace

unsigned CF_RTF() { return Registered("Rich Text Format"); }
unsigned CF_GRIDCOL() { return Registered("Grid Column"); }
unsigned CF_GRIDCELLS() { return Registered("TExtStringGrid Cells"); }
unsigned CF_URL() { return Registered("UniformResourceLocator"); }
unsigned CF_URI() { return Registered("UniformResourceLocator"); }

void SetRtfDropAccepted(bool Value) { RtfAware = Value; }
bool RtfDropAccepted() { return RtfAware; }

ui::DWORD ShiftStateToDropEffect(ui::DWORD KeyState, ui::DWORD Offered)
{
    if ((KeyState & ui::MK_DRAG_CONTROL) == 0 && (Offered & ui::DROPEFFECT_MOVE) != 0) return ui::DROPEFFECT_MOVE;
    return ui::DROPEFFECT_COPY;
}

void InitializeOle() { ui::OleInitialize(nullptr); }

// --- TEnumFormats ---

TEnumFormats::TEnumFormats(ui::IDataObject* ADataObject) { SetDataObject(ADataObject); }

void TEnumFormats::SetDataObject(ui::IDataObject* Value)
{
    FDataObject = Value;
    FEnum.reset();
    if (FDataObject == nullptr || FDataObject->EnumFormatEtc(ui::DATADIR_GET, FEnum) != ui::S_OK || !FEnum)
        throw rtl::Exception("Cannot get the format enumerator");
    Reset();
}

void TEnumFormats::Reset()
{
    FCount = 0;
    FValid = false;
    if (FEnum) FEnum->Reset();
}

bool TEnumFormats::Next()
{
    unsigned fetched = 0;
    FValid = FEnum && FEnum->Next(1, &FFormatEtc, &fetched) == ui::S_OK;
    if (FValid) ++FCount;
    return FValid;
}

bool TEnumFormats::HasFormat(unsigned AFormat)
{
    Reset();
    while (Next())
        if (FFormatEtc.cfFormat == AFormat) return true;
    return false;
}

ui::HGLOBAL TEnumFormats::Handle(ui::DWORD Tymed)
{
    if (!FValid || (FFormatEtc.tymed & Tymed) != Tymed) return nullptr;
    ui::FORMATETC request = FFormatEtc;
    request.tymed = Tymed;
    ui::STGMEDIUM medium;
    if (FDataObject->GetData(request, medium) != ui::S_OK) return nullptr;
    return medium.hGlobal;
}

std::string TEnumFormats::ReadBlock(unsigned AFormat)
{
    if (!HasFormat(AFormat)) return {};
    ui::HGLOBAL h = GlobalHandle();
    return h ? *h : std::string{};
}

std::string TEnumFormats::Text()
{
    if (HasFormat(ui::CF_UNICODETEXT)) {
        ui::HGLOBAL h = GlobalHandle();
        if (!h) return {};
        std::string units = *h;
        for (std::size_t i = 0; i + 1 < units.size(); i += 2) {
            if (units[i] == 0 && units[i + 1] == 0) {
                units.resize(i);
                break;
            }
        }
        return ui::Utf16LEToUtf8(units);
    }
    // A source that offers only 8-bit text still delivers its text.
    return HasFormat(ui::CF_TEXT) ? Text8(ReadBlock(ui::CF_TEXT)) : std::string{};
}

std::string TEnumFormats::RTF() { return Text8(ReadBlock(CF_RTF())); }

std::string TEnumFormats::URI() { return Text8(ReadBlock(CF_URI())); }

int TEnumFormats::Col()
{
    std::string block = ReadBlock(CF_GRIDCOL());
    if (block.size() < 4) return -1;
    return static_cast<int>(GetU32(block, 0));
}

// A block whose size field claims more than it holds gives only the bytes it holds.
std::unique_ptr<rtl::TMemoryStream> TEnumFormats::Stream()
{
    std::string block = ReadBlock(CF_GRIDCELLS());
    if (block.size() < 8) return nullptr;
    std::size_t n = std::min<std::size_t>(GetU32(block, 0), block.size() - 8);
    auto ms = std::make_unique<rtl::TMemoryStream>();
    ms->Write(block.data() + 8, static_cast<long long>(n));
    ms->SetPosition(0);
    return ms;
}

bool TEnumFormats::DroppedFiles(std::vector<std::string>& Files)
{
    std::vector<std::string> names = ui::ReadFileDropBlock(ReadBlock(ui::CF_HDROP));
    Files.insert(Files.end(), names.begin(), names.end());
    return !names.empty();
}

bool TEnumFormats::HasText() { return HasFormat(ui::CF_UNICODETEXT) || HasFormat(ui::CF_TEXT); }
bool TEnumFormats::HasFile() { return HasFormat(ui::CF_HDROP); }
bool TEnumFormats::HasRTF() { return HasFormat(CF_RTF()); }
bool TEnumFormats::HasCol() { return HasFormat(CF_GRIDCOL()); }
bool TEnumFormats::HasURL() { return HasFormat(CF_URL()); }
bool TEnumFormats::HasURI() { return HasFormat(CF_URI()); }
bool TEnumFormats::HasGridCells() { return HasFormat(CF_GRIDCELLS()); }

TDropFormats TEnumFormats::Formats()
{
    TDropFormats f = 0;
    if (HasText()) f |= dfText;
    if (HasFile()) f |= dfFile;
    if (HasCol()) f |= dfCol;
    if (HasRTF()) f |= dfRTF;
    if (HasURL()) f |= dfURL;
    if (HasGridCells()) f |= dfGridCells;
    if (HasURI()) f |= dfURI;
    return f;
}

// --- TESGDropTarget ---

ui::HRESULT TESGDropTarget::DragEnter(ui::IDataObject* dataObj, ui::DWORD keyState, ui::POINTL, ui::DWORD& effect)
{
    FIsURIDrag = false;
    TEnumFormats formats(dataObj);
    FDropFormats = formats.Formats();
    const TDropFormats f = FDropFormats;
    FAcceptable = ((f & dfText) && AcceptText) || ((f & dfFile) && AcceptFiles) ||
                  ((f & dfRTF) && RtfAware && AcceptText) || ((f & dfCol) && AcceptCols) ||
                  ((f & (dfURL | dfURI)) && AcceptURLs) || (f & dfGridCells);
    if (!FAcceptable) {
        effect = ui::DROPEFFECT_NONE;
    } else if (f & dfURI) {
        effect = ui::DROPEFFECT_LINK;
        FIsURIDrag = true;
    } else {
        effect = ShiftStateToDropEffect(keyState, effect);
    }
    DragMouseEnter();
    return ui::S_OK;
}

ui::HRESULT TESGDropTarget::DragOver(ui::DWORD keyState, ui::POINTL pt, ui::DWORD& effect)
{
    if (!FAcceptable) {
        effect = ui::DROPEFFECT_NONE;
    } else {
        effect = FIsURIDrag ? ui::DROPEFFECT_LINK : ShiftStateToDropEffect(keyState, effect);
    }
    bool allow = effect != ui::DROPEFFECT_NONE;
    DragMouseMove(rtl::TPoint{pt.x, pt.y}, allow, FDropFormats);
    if (!allow) effect = ui::DROPEFFECT_NONE;
    return ui::S_OK;
}

ui::HRESULT TESGDropTarget::DragLeave()
{
    FIsURIDrag = false;
    DragMouseLeave();
    return ui::S_OK;
}

ui::HRESULT TESGDropTarget::Drop(ui::IDataObject* dataObj, ui::DWORD keyState, ui::POINTL pt, ui::DWORD& effect)
{
    if (!FAcceptable) {
        effect = ui::DROPEFFECT_NONE;
        return ui::S_OK;
    }
    rtl::TPoint p{pt.x, pt.y};
    TEnumFormats formats(dataObj);
    if (formats.HasURI()) {
        DropURL(p, formats.Text());
    } else if (formats.HasCol()) {
        DropCol(p, formats.Col());
    } else {
        if (formats.HasGridCells()) {
            DropStream(p, formats.Stream());
        } else if (RtfAware && formats.HasRTF()) {
            DropRTF(p, formats.RTF());
        } else if (formats.HasText()) {
            DropText(p, formats.Text());
        }
        std::vector<std::string> files;
        if (formats.HasFile() && formats.DroppedFiles(files)) DropFiles(p, files);
    }
    effect = ShiftStateToDropEffect(keyState, effect);
    return ui::S_OK;
}

void TESGDropTarget::DragMouseMove(rtl::TPoint, bool&, TDropFormats) {}

// --- TESGDropSource ---

ui::HRESULT TESGDropSource::QueryContinueDrag(bool escapePressed, ui::DWORD keyState)
{
    QueryDrag();
    if (escapePressed) {
        DragDropStop();
        return ui::DRAGDROP_S_CANCEL;
    }
    if ((keyState & ui::MK_DRAG_LBUTTON) == 0) {
        DragDropStop();
        return ui::DRAGDROP_S_DROP;
    }
    return ui::S_OK;
}

ui::HRESULT TESGDropSource::GiveFeedback(ui::DWORD effect)
{
    FNotAccepted = effect == ui::DROPEFFECT_NONE;
    CurrentEffect(effect);
    return ui::DRAGDROP_S_USEDEFAULTCURSORS;
}

// --- TSourceDataObject ---

TSourceDataObject::TSourceDataObject(const std::string& Text, rtl::TMemoryStream* Stream, int Col, const std::string& RTF)
    : textdata(Text), rtfdata(RTF), scolidx(Col), memstr(Stream)
{
}

ui::HRESULT TSourceDataObject::QueryGetData(const ui::FORMATETC& format)
{
    if (format.dwAspect != ui::DVASPECT_CONTENT || format.tymed != ui::TYMED_HGLOBAL) return ui::DV_E_FORMATETC;
    const unsigned cf = format.cfFormat;
    if ((cf == ui::CF_TEXT || cf == ui::CF_UNICODETEXT) && !textdata.empty()) return ui::S_OK;
    if (cf == CF_RTF() && !textdata.empty() && !rtfdata.empty() && RtfAware) return ui::S_OK;
    if (cf == CF_GRIDCELLS() && memstr != nullptr) return ui::S_OK;
    if (cf == CF_GRIDCOL() && scolidx != -1) return ui::S_OK;
    return ui::DV_E_FORMATETC;
}

ui::HRESULT TSourceDataObject::GetData(const ui::FORMATETC& format, ui::STGMEDIUM& medium)
{
    if (QueryGetData(format) != ui::S_OK) return ui::DV_E_FORMATETC;
    const unsigned cf = format.cfFormat;
    std::string block;
    if (cf == ui::CF_TEXT) {
        block = Zero8(textdata);
    } else if (cf == ui::CF_UNICODETEXT) {
        block = ui::Utf8ToUtf16LE(textdata) + std::string(2, '\0');
    } else if (cf == CF_RTF()) {
        block = Zero8(rtfdata);
    } else if (cf == CF_GRIDCOL()) {
        block.assign(4, '\0');
        PutU32(block, 0, static_cast<std::uint32_t>(scolidx));
    } else {
        auto n = static_cast<std::size_t>(memstr->Size());
        block.assign(n + 8, '\0');
        PutU32(block, 0, static_cast<std::uint32_t>(n));
        if (n > 0) std::memcpy(block.data() + 8, memstr->Memory(), n);
    }
    medium.tymed = ui::TYMED_HGLOBAL;
    medium.hGlobal = std::make_shared<std::string>(std::move(block));
    return ui::S_OK;
}

ui::HRESULT TSourceDataObject::GetDataHere(const ui::FORMATETC&, ui::STGMEDIUM&) { return ui::DV_E_FORMATETC; }

ui::HRESULT TSourceDataObject::GetCanonicalFormatEtc(const ui::FORMATETC&, ui::FORMATETC& out)
{
    out.ptd = nullptr;
    return ui::E_NOTIMPL;
}

ui::HRESULT TSourceDataObject::SetData(const ui::FORMATETC&, const ui::STGMEDIUM&, bool) { return ui::DV_E_FORMATETC; }

ui::HRESULT TSourceDataObject::EnumFormatEtc(ui::DWORD direction, std::shared_ptr<ui::IEnumFORMATETC>& ppenum)
{
    if (direction != ui::DATADIR_GET) return ui::E_NOTIMPL;
    ppenum = std::make_shared<TSourceEnumFormatEtc>(scolidx != -1, memstr != nullptr);
    return ui::S_OK;
}

ui::HRESULT TSourceDataObject::DAdvise() { return ui::OLE_E_ADVISENOTSUPPORTED; }
ui::HRESULT TSourceDataObject::DUnadvise() { return ui::OLE_E_ADVISENOTSUPPORTED; }
ui::HRESULT TSourceDataObject::EnumDAdvise() { return ui::OLE_E_ADVISENOTSUPPORTED; }

// --- TSourceEnumFormatEtc ---

std::vector<unsigned> TSourceEnumFormatEtc::FormatList() const
{
    std::vector<unsigned> list{ui::CF_TEXT, ui::CF_UNICODETEXT, CF_RTF()};
    if (FHasCol) list.push_back(CF_GRIDCOL());
    if (FHasGridCells) list.push_back(CF_GRIDCELLS());
    return list;
}

ui::HRESULT TSourceEnumFormatEtc::Next(unsigned celt, ui::FORMATETC* rgelt, unsigned* pceltFetched)
{
    const std::vector<unsigned> list = FormatList();
    unsigned n = 0;
    while (n < celt && FIndex < static_cast<int>(list.size())) {
        rgelt[n] = ui::FORMATETC{list[static_cast<std::size_t>(FIndex)], nullptr, ui::DVASPECT_CONTENT, -1, ui::TYMED_HGLOBAL};
        ++n;
        ++FIndex;
    }
    if (pceltFetched != nullptr) *pceltFetched = n;
    return n == celt ? ui::S_OK : ui::S_FALSE;
}

ui::HRESULT TSourceEnumFormatEtc::Skip(unsigned celt)
{
    const int count = static_cast<int>(FormatList().size());
    const int left = count - FIndex;
    FIndex = std::min(count, FIndex + static_cast<int>(celt));
    return static_cast<int>(celt) <= left ? ui::S_OK : ui::S_FALSE;
}

ui::HRESULT TSourceEnumFormatEtc::Reset()
{
    FIndex = 0;
    return ui::S_OK;
}

ui::HRESULT TSourceEnumFormatEtc::Clone(std::shared_ptr<ui::IEnumFORMATETC>& ppenum)
{
    ppenum = std::make_shared<TSourceEnumFormatEtc>(FHasCol, FHasGridCells, FIndex);
    return ui::S_OK;
}

// --- drag starters ---

namespace {

ui::HRESULT RunDrag(TESGDropSource* DropSource, TSourceDataObject& Data, ui::DWORD AllowedEffects, ui::DWORD& Effect)
{
    ui::HRESULT result = ui::DoDragDrop(&Data, DropSource, AllowedEffects, Effect);
    if (DropSource->NotAccepted()) return ui::DRAGDROP_S_CANCEL;
    return result;
}

}  // namespace

ui::HRESULT StartOleTextDrag(TESGDropSource* DropSource, const std::string& Text, const std::string& RTF,
                             ui::DWORD& Effect, ui::DWORD AllowedEffects, rtl::TMemoryStream* Stream)
{
    TSourceDataObject data(Text, Stream, -1, RTF);
    return RunDrag(DropSource, data, AllowedEffects, Effect);
}

ui::HRESULT StartOleColumnDrag(TESGDropSource* DropSource, int Col, ui::DWORD AllowedEffects, ui::DWORD& Effect)
{
    TSourceDataObject data("", nullptr, Col, "");
    return RunDrag(DropSource, data, AllowedEffects, Effect);
}

}  // namespace grid
