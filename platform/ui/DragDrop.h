// In-process drag and drop: data objects with named formats, drop targets registered per window, and a drag loop driven by mouse input.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/rtl/Types.h"
#include "platform/ui/Messages.h"

namespace ui {

using HRESULT = std::int32_t;
using DWORD = std::uint32_t;

constexpr HRESULT S_OK = 0;
constexpr HRESULT S_FALSE = 1;
constexpr HRESULT E_NOTIMPL = static_cast<HRESULT>(0x80004001u);
constexpr HRESULT E_UNEXPECTED = static_cast<HRESULT>(0x8000FFFFu);
constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057u);
constexpr HRESULT DV_E_FORMATETC = static_cast<HRESULT>(0x80040064u);
constexpr HRESULT OLE_E_ADVISENOTSUPPORTED = static_cast<HRESULT>(0x80040003u);
constexpr HRESULT DRAGDROP_E_NOTREGISTERED = static_cast<HRESULT>(0x80040100u);
constexpr HRESULT DRAGDROP_E_ALREADYREGISTERED = static_cast<HRESULT>(0x80040101u);
constexpr HRESULT DRAGDROP_E_INVALIDHWND = static_cast<HRESULT>(0x80040102u);
constexpr HRESULT DRAGDROP_S_DROP = 0x00040100;
constexpr HRESULT DRAGDROP_S_CANCEL = 0x00040101;
constexpr HRESULT DRAGDROP_S_USEDEFAULTCURSORS = 0x00040102;

constexpr DWORD DROPEFFECT_NONE = 0;
constexpr DWORD DROPEFFECT_COPY = 1;
constexpr DWORD DROPEFFECT_MOVE = 2;
constexpr DWORD DROPEFFECT_LINK = 4;

constexpr unsigned CF_HDROP = 15;
constexpr DWORD TYMED_HGLOBAL = 1;
constexpr DWORD DVASPECT_CONTENT = 1;
constexpr DWORD DATADIR_GET = 1;
constexpr DWORD DATADIR_SET = 2;

// Key-state bits handed to drop targets and drop sources.
constexpr DWORD MK_DRAG_LBUTTON = 0x0001;
constexpr DWORD MK_DRAG_RBUTTON = 0x0002;
constexpr DWORD MK_DRAG_SHIFT = 0x0004;
constexpr DWORD MK_DRAG_CONTROL = 0x0008;

// A block of transfer memory; the bytes are the block's content.
using HGLOBAL = std::shared_ptr<std::string>;
HGLOBAL GlobalAlloc(std::size_t size);

struct FORMATETC {
    unsigned cfFormat = 0;
    void* ptd = nullptr;
    DWORD dwAspect = DVASPECT_CONTENT;
    int lindex = -1;
    DWORD tymed = TYMED_HGLOBAL;
};

struct STGMEDIUM {
    DWORD tymed = 0;
    HGLOBAL hGlobal;
};

// Screen coordinates.
struct POINTL {
    int x = 0;
    int y = 0;
};

class IEnumFORMATETC {
public:
    virtual ~IEnumFORMATETC() = default;
    // Fills up to celt records; S_OK when all were fetched, S_FALSE otherwise.
    virtual HRESULT Next(unsigned celt, FORMATETC* rgelt, unsigned* pceltFetched) = 0;
    virtual HRESULT Skip(unsigned celt) = 0;
    virtual HRESULT Reset() = 0;
    virtual HRESULT Clone(std::shared_ptr<IEnumFORMATETC>& ppenum) = 0;
};

class IDataObject {
public:
    virtual ~IDataObject() = default;
    virtual HRESULT GetData(const FORMATETC& format, STGMEDIUM& medium) = 0;
    virtual HRESULT GetDataHere(const FORMATETC& format, STGMEDIUM& medium) = 0;
    virtual HRESULT QueryGetData(const FORMATETC& format) = 0;
    virtual HRESULT GetCanonicalFormatEtc(const FORMATETC& in, FORMATETC& out) = 0;
    virtual HRESULT SetData(const FORMATETC& format, const STGMEDIUM& medium, bool release) = 0;
    virtual HRESULT EnumFormatEtc(DWORD direction, std::shared_ptr<IEnumFORMATETC>& ppenum) = 0;
    virtual HRESULT DAdvise() = 0;
    virtual HRESULT DUnadvise() = 0;
    virtual HRESULT EnumDAdvise() = 0;
};

class IDropTarget {
public:
    virtual ~IDropTarget() = default;
    virtual HRESULT DragEnter(IDataObject* dataObj, DWORD keyState, POINTL pt, DWORD& effect) = 0;
    virtual HRESULT DragOver(DWORD keyState, POINTL pt, DWORD& effect) = 0;
    virtual HRESULT DragLeave() = 0;
    virtual HRESULT Drop(IDataObject* dataObj, DWORD keyState, POINTL pt, DWORD& effect) = 0;
};

class IDropSource {
public:
    virtual ~IDropSource() = default;
    virtual HRESULT QueryContinueDrag(bool escapePressed, DWORD keyState) = 0;
    virtual HRESULT GiveFeedback(DWORD effect) = 0;
};

// OLE is always ready in this process; kept for the call shape (S_OK).
HRESULT OleInitialize(void* reserved);

// Registers the drop target of a window (the window keeps the target alive until revoked
// or destroyed). DRAGDROP_E_INVALIDHWND for an unknown window, DRAGDROP_E_ALREADYREGISTERED
// when it has one.
HRESULT RegisterDragDrop(HWND hwnd, std::shared_ptr<IDropTarget> target);
HRESULT RevokeDragDrop(HWND hwnd);
// The target registered for the window (null when none).
std::shared_ptr<IDropTarget> RegisteredDropTarget(HWND hwnd);

// Runs a drag until the source ends it: the mouse is captured, and each mouse move,
// button or key change asks the source whether to go on, tells the registered target
// under the cursor (enter, over, leave, drop) and gives the source feedback. Input arrives
// through the application's message loop, which this pumps. The result is DRAGDROP_S_DROP
// (effect: what the target answered, none where nothing took the drop) or DRAGDROP_S_CANCEL.
HRESULT DoDragDrop(IDataObject* dataObj, IDropSource* dropSource, DWORD okEffects, DWORD& effect);
// Whether a drag loop is running.
bool DragLoopActive();

// Text as UTF-16LE code units (no terminator) and back; unpaired surrogates become U+FFFD.
std::string Utf8ToUtf16LE(const std::string& utf8);
std::string Utf16LEToUtf8(const std::string& utf16);

// The file-drop block of CF_HDROP: the offset of the name list, a wide flag at offset 16,
// then zero-terminated UTF-16 names and an empty one.
std::string MakeFileDropBlock(const std::vector<std::string>& files);
// The names of a file-drop block (either name width).
std::vector<std::string> ReadFileDropBlock(const std::string& block);

// A data object of fixed blocks in the formats given (for drops from the desktop and tests).
std::shared_ptr<IDataObject> MakeBlockDataObject(std::vector<std::pair<unsigned, std::string>> blocks);

// Files dropped from the desktop onto a top-level window at a window point: the target
// registered for the window under the point (or a parent of it) gets enter, over and drop
// with a CF_HDROP data object. The effect the target answered (none where no target).
DWORD DropFilesOnWindow(class TWinControl* top, int x, int y, const std::vector<std::string>& files);

}  // namespace ui
