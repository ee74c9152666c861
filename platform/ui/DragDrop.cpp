// In-process drag and drop: the window registry of drop targets, the drag loop and file-drop blocks.
#include "platform/ui/DragDrop.h"

#include <cstring>
#include <map>

#include "platform/rtl/Utf8.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Keyboard.h"

namespace ui {

namespace {

std::map<HWND, std::shared_ptr<IDropTarget>>& TargetRegistry()
{
    static std::map<HWND, std::shared_ptr<IDropTarget>> registry;
    return registry;
}

bool LoopActive = false;

// The drop target of the deepest registered window under a screen point.
std::pair<HWND, std::shared_ptr<IDropTarget>> TargetAt(const rtl::TPoint& screen)
{
    HWND hwnd = WindowFromPoint(screen);
    for (TWinControl* c = TWinControl::FindControl(hwnd); c != nullptr; c = c->Parent()) {
        if (!c->HandleAllocated()) continue;
        auto it = TargetRegistry().find(c->Handle());
        if (it != TargetRegistry().end()) return *it;
    }
    return {0, nullptr};
}

DWORD CurrentKeyState()
{
    DWORD keys = 0;
    if (GetKeyState(VK_LBUTTON) < 0) keys |= MK_DRAG_LBUTTON;
    if (GetKeyState(VK_RBUTTON) < 0) keys |= MK_DRAG_RBUTTON;
    if (GetKeyState(VK_SHIFT) < 0) keys |= MK_DRAG_SHIFT;
    if (GetKeyState(VK_CONTROL) < 0) keys |= MK_DRAG_CONTROL;
    return keys;
}

void PutU32(std::string& block, std::size_t offset, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i) block[offset + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

std::uint32_t GetU32(const std::string& block, std::size_t offset)
{
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= static_cast<std::uint32_t>(static_cast<unsigned char>(block[offset + i])) << (8 * i);
    return v;
}

// One drag: the state the loop keeps between input events.
class TDragLoop {
public:
    TDragLoop(IDataObject* data, IDropSource* source, DWORD okEffects) : FData(data), FSource(source), FOk(okEffects) {}

    bool Done() const { return FDone; }
    HRESULT Result() const { return FResult; }
    DWORD Effect() const { return FEffect; }

    // One input event: the source decides whether the drag goes on, the target under the
    // cursor hears of it, and the source is told the effect.
    void Step()
    {
        if (FDone) return;
        DWORD keys = CurrentKeyState();
        FLastKeys = keys;
        FLastEscape = GetKeyState(VK_ESCAPE) < 0;
        rtl::TPoint cursor;
        GetCursorPos(cursor);
        POINTL pt{cursor.X, cursor.Y};
        HRESULT answer = FSource->QueryContinueDrag(FLastEscape, keys);
        if (answer == DRAGDROP_S_CANCEL) {
            Leave();
            Finish(DRAGDROP_S_CANCEL, DROPEFFECT_NONE);
            return;
        }
        if (answer == DRAGDROP_S_DROP) {
            if (FTarget && FCurrent != DROPEFFECT_NONE) {
                DWORD effect = FOk;
                auto target = FTarget;
                FTarget.reset();
                // The drag is over even when the target fails while taking the drop.
                Finish(DRAGDROP_S_DROP, DROPEFFECT_NONE);
                target->Drop(FData, keys, pt, effect);
                FEffect = effect & FOk;
            } else {
                Leave();
                Finish(DRAGDROP_S_DROP, DROPEFFECT_NONE);
            }
            return;
        }
        auto [hwnd, target] = TargetAt(cursor);
        DWORD effect = FOk;
        if (target != FTarget) {
            Leave();
            FTarget = target;
            FTargetWnd = hwnd;
            if (FTarget) FTarget->DragEnter(FData, keys, pt, effect);
        } else if (FTarget) {
            FTarget->DragOver(keys, pt, effect);
        }
        FCurrent = FTarget ? (effect & FOk) : DROPEFFECT_NONE;
        FSource->GiveFeedback(FCurrent);
    }

    // A key that matters to the drag went down or up without a mouse event.
    bool KeysChanged() const { return CurrentKeyState() != FLastKeys || (GetKeyState(VK_ESCAPE) < 0) != FLastEscape; }

    void Cancel()
    {
        Leave();
        Finish(DRAGDROP_S_CANCEL, DROPEFFECT_NONE);
    }

private:
    void Leave()
    {
        if (!FTarget) return;
        auto target = FTarget;
        FTarget.reset();
        target->DragLeave();
    }
    void Finish(HRESULT result, DWORD effect)
    {
        FDone = true;
        FResult = result;
        FEffect = effect;
    }

    IDataObject* FData;
    IDropSource* FSource;
    DWORD FOk;
    std::shared_ptr<IDropTarget> FTarget;
    HWND FTargetWnd = 0;
    DWORD FCurrent = DROPEFFECT_NONE;
    DWORD FLastKeys = 0;
    bool FLastEscape = false;
    bool FDone = false;
    HRESULT FResult = DRAGDROP_S_CANCEL;
    DWORD FEffect = DROPEFFECT_NONE;
};

// Holds the mouse capture during a drag: every mouse message is a step of the loop and
// reaches no other control.
class TDragTracker : public TControl {
public:
    explicit TDragTracker(TDragLoop& loop) : TControl(nullptr), FLoop(loop) {}
    std::string ClassName() const override { return "TDragTracker"; }

protected:
    void WndProc(TMessage& m) override
    {
        if (m.Msg >= WM_MOUSEFIRST && m.Msg <= WM_MOUSELAST) {
            FLoop.Step();
            return;
        }
        TControl::WndProc(m);
    }

private:
    TDragLoop& FLoop;
};

// A data object of fixed blocks.
class TBlockDataObject : public IDataObject {
public:
    explicit TBlockDataObject(std::vector<std::pair<unsigned, std::string>> blocks) : FBlocks(std::move(blocks)) {}

    HRESULT GetData(const FORMATETC& format, STGMEDIUM& medium) override
    {
        const std::string* block = Find(format);
        if (block == nullptr) return DV_E_FORMATETC;
        medium.tymed = TYMED_HGLOBAL;
        medium.hGlobal = std::make_shared<std::string>(*block);
        return S_OK;
    }
    HRESULT GetDataHere(const FORMATETC&, STGMEDIUM&) override { return DV_E_FORMATETC; }
    HRESULT QueryGetData(const FORMATETC& format) override { return Find(format) != nullptr ? S_OK : DV_E_FORMATETC; }
    HRESULT GetCanonicalFormatEtc(const FORMATETC&, FORMATETC& out) override
    {
        out.ptd = nullptr;
        return E_NOTIMPL;
    }
    HRESULT SetData(const FORMATETC&, const STGMEDIUM&, bool) override { return E_NOTIMPL; }
    HRESULT EnumFormatEtc(DWORD direction, std::shared_ptr<IEnumFORMATETC>& ppenum) override;
    HRESULT DAdvise() override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT DUnadvise() override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT EnumDAdvise() override { return OLE_E_ADVISENOTSUPPORTED; }

    const std::vector<std::pair<unsigned, std::string>>& Blocks() const { return FBlocks; }

private:
    const std::string* Find(const FORMATETC& format) const
    {
        if ((format.tymed & TYMED_HGLOBAL) == 0 || format.dwAspect != DVASPECT_CONTENT) return nullptr;
        for (const auto& [cf, block] : FBlocks)
            if (cf == format.cfFormat) return &block;
        return nullptr;
    }
    std::vector<std::pair<unsigned, std::string>> FBlocks;
};

class TBlockFormatEnum : public IEnumFORMATETC {
public:
    TBlockFormatEnum(std::vector<unsigned> formats, std::size_t index) : FFormats(std::move(formats)), FIndex(index) {}
    HRESULT Next(unsigned celt, FORMATETC* rgelt, unsigned* fetched) override
    {
        unsigned n = 0;
        while (n < celt && FIndex < FFormats.size()) rgelt[n++] = FORMATETC{FFormats[FIndex++]};
        if (fetched != nullptr) *fetched = n;
        return n == celt ? S_OK : S_FALSE;
    }
    HRESULT Skip(unsigned celt) override
    {
        std::size_t left = FFormats.size() - FIndex;
        FIndex += std::min<std::size_t>(celt, left);
        return celt <= left ? S_OK : S_FALSE;
    }
    HRESULT Reset() override
    {
        FIndex = 0;
        return S_OK;
    }
    HRESULT Clone(std::shared_ptr<IEnumFORMATETC>& ppenum) override
    {
        ppenum = std::make_shared<TBlockFormatEnum>(FFormats, FIndex);
        return S_OK;
    }

private:
    std::vector<unsigned> FFormats;
    std::size_t FIndex;
};

HRESULT TBlockDataObject::EnumFormatEtc(DWORD direction, std::shared_ptr<IEnumFORMATETC>& ppenum)
{
    if (direction != DATADIR_GET) return E_NOTIMPL;
    std::vector<unsigned> formats;
    for (const auto& block : FBlocks) formats.push_back(block.first);
    ppenum = std::make_shared<TBlockFormatEnum>(std::move(formats), 0);
    return S_OK;
}

}  // namespace

HGLOBAL GlobalAlloc(std::size_t size) { return std::make_shared<std::string>(size, '\0'); }

HRESULT OleInitialize(void* /*reserved*/) { return S_OK; }

HRESULT RegisterDragDrop(HWND hwnd, std::shared_ptr<IDropTarget> target)
{
    if (hwnd == 0 || TWinControl::FindControl(hwnd) == nullptr || !target) return DRAGDROP_E_INVALIDHWND;
    auto& registry = TargetRegistry();
    if (registry.contains(hwnd)) return DRAGDROP_E_ALREADYREGISTERED;
    registry[hwnd] = std::move(target);
    return S_OK;
}

HRESULT RevokeDragDrop(HWND hwnd)
{
    return TargetRegistry().erase(hwnd) != 0 ? S_OK : DRAGDROP_E_NOTREGISTERED;
}

std::shared_ptr<IDropTarget> RegisteredDropTarget(HWND hwnd)
{
    auto it = TargetRegistry().find(hwnd);
    return it != TargetRegistry().end() ? it->second : nullptr;
}

bool DragLoopActive() { return LoopActive; }

HRESULT DoDragDrop(IDataObject* dataObj, IDropSource* dropSource, DWORD okEffects, DWORD& effect)
{
    effect = DROPEFFECT_NONE;
    if (dataObj == nullptr || dropSource == nullptr) return E_INVALIDARG;
    TApplication* app = Application();
    if (app == nullptr || LoopActive) return E_UNEXPECTED;
    TDragLoop loop(dataObj, dropSource, okEffects);
    TDragTracker tracker(loop);
    struct TLoopScope {
        TDragTracker& Tracker;
        explicit TLoopScope(TDragTracker& t) : Tracker(t)
        {
            LoopActive = true;
            SetCaptureControl(&Tracker);
        }
        ~TLoopScope()
        {
            if (GetCaptureControl() == &Tracker) SetCaptureControl(nullptr);
            LoopActive = false;
        }
    } scope(tracker);
    loop.Step();
    while (!loop.Done()) {
        app->HandleMessage();
        if (app->Terminated() || GetCaptureControl() != &tracker) {
            loop.Cancel();
        } else if (loop.KeysChanged()) {
            loop.Step();
        }
    }
    effect = loop.Effect();
    return loop.Result();
}

std::string Utf8ToUtf16LE(const std::string& utf8)
{
    std::string out;
    for (char32_t ch : rtl::Utf8Decode(utf8)) {
        auto put = [&out](unsigned unit) {
            out += static_cast<char>(unit & 0xFF);
            out += static_cast<char>((unit >> 8) & 0xFF);
        };
        if (ch >= 0x10000) {
            ch -= 0x10000;
            put(0xD800 + (ch >> 10));
            put(0xDC00 + (ch & 0x3FF));
        } else {
            put(ch);
        }
    }
    return out;
}

std::string Utf16LEToUtf8(const std::string& utf16)
{
    std::u32string points;
    for (std::size_t i = 0; i + 1 < utf16.size(); i += 2) {
        char32_t unit = static_cast<unsigned char>(utf16[i]) | (static_cast<unsigned char>(utf16[i + 1]) << 8);
        if (unit >= 0xD800 && unit < 0xDC00 && i + 3 < utf16.size()) {
            char32_t low = static_cast<unsigned char>(utf16[i + 2]) | (static_cast<unsigned char>(utf16[i + 3]) << 8);
            if (low >= 0xDC00 && low < 0xE000) {
                points += static_cast<char32_t>(0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                i += 2;
                continue;
            }
        }
        points += (unit >= 0xD800 && unit < 0xE000) ? U'\uFFFD' : unit;
    }
    return rtl::Utf8Encode(points);
}

std::string MakeFileDropBlock(const std::vector<std::string>& files)
{
    constexpr std::size_t HeaderSize = 20;
    std::string block(HeaderSize, '\0');
    PutU32(block, 0, HeaderSize);
    PutU32(block, 16, 1);
    for (const std::string& name : files) block += Utf8ToUtf16LE(name) + std::string(2, '\0');
    block += std::string(2, '\0');
    return block;
}

std::vector<std::string> ReadFileDropBlock(const std::string& block)
{
    std::vector<std::string> names;
    if (block.size() < 20) return names;
    std::size_t pos = GetU32(block, 0) & ~1u;
    bool wide = GetU32(block, 16) != 0;
    std::size_t unit = wide ? 2 : 1;
    while (pos + unit <= block.size()) {
        std::size_t end = pos;
        while (end + unit <= block.size() && (block[end] != 0 || (wide && block[end + 1] != 0))) end += unit;
        if (end == pos) break;
        std::string raw = block.substr(pos, end - pos);
        names.push_back(wide ? Utf16LEToUtf8(raw) : raw);
        pos = end + unit;
    }
    return names;
}

std::shared_ptr<IDataObject> MakeBlockDataObject(std::vector<std::pair<unsigned, std::string>> blocks)
{
    return std::make_shared<TBlockDataObject>(std::move(blocks));
}

namespace {

DWORD DeliverFileDrop(TWinControl* top, int x, int y, const std::vector<std::string>& files)
{
    if (top == nullptr || files.empty()) return DROPEFFECT_NONE;
    rtl::TPoint screen{top->Left() + x, top->Top() + y};
    SetCursorPosState(screen);
    auto target = TargetAt(screen).second;
    if (!target) return DROPEFFECT_NONE;
    auto data = MakeBlockDataObject({{CF_HDROP, MakeFileDropBlock(files)}});
    POINTL pt{screen.X, screen.Y};
    DWORD keys = CurrentKeyState();
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
    target->DragEnter(data.get(), keys, pt, effect);
    if (effect != DROPEFFECT_NONE) {
        effect = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
        target->DragOver(keys, pt, effect);
    }
    if (effect == DROPEFFECT_NONE) {
        target->DragLeave();
        return DROPEFFECT_NONE;
    }
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
    target->Drop(data.get(), keys, pt, effect);
    return effect;
}

}  // namespace

// A drop arrives from the backend's event loop: a target that fails (a file it cannot read)
// reports through the application's error box instead of ending the loop.
DWORD DropFilesOnWindow(TWinControl* top, int x, int y, const std::vector<std::string>& files)
{
    try {
        return DeliverFileDrop(top, x, y, files);
    } catch (...) {
        TApplication* app = Application();
        if (app == nullptr) throw;
        app->HandleException(nullptr);
        return DROPEFFECT_NONE;
    }
}

}  // namespace ui
