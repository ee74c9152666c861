// Item lists: TListItems (the Items of list and combo boxes), TCustomListBox/TListBox and TComboBox.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/rtl/StringList.h"
#include "platform/ui/StdCtrlsEdit.h"

namespace ui {

// The items of a list or combo box: text, object and a per-item state (a check list's
// tick). Sorted lists insert in text order; every change is reported to the owner.
class TListItems : public rtl::TStrings {
public:
    std::string ClassName() const override { return "TListItems"; }
    std::string Get(int index) const override;
    int GetCount() const override { return static_cast<int>(FItems.size()); }
    void Insert(int index, const std::string& s) override;
    void InsertObject(int index, const std::string& s, rtl::TObject* object) override;
    int Add(const std::string& s) override;
    int AddObject(const std::string& s, rtl::TObject* object) override;
    void Delete(int index) override;
    void Clear() override;
    rtl::TObject* GetObject(int index) const override;
    void PutObject(int index, rtl::TObject* object) override;
    void Put(int index, const std::string& s) override;
    void Exchange(int index1, int index2) override;

    bool Sorted() const { return FSorted; }
    void SetSorted(bool value);
    int State(int index) const;
    void SetState(int index, int state);

    // Called after each change (not inside an update bracket; once at its end).
    std::function<void()> OnChange;
    // Called before an item is deleted (owners fix their selection).
    std::function<void(int index)> OnDeleting;
    std::function<void(int index)> OnInserted;

protected:
    void SetUpdateState(bool updating) override;

private:
    struct TItem {
        std::string Text;
        rtl::TObject* Object = nullptr;
        int State = 0;
    };
    int SortedIndex(const std::string& s) const;
    void Changed();
    std::vector<TItem> FItems;
    bool FSorted = false;
    bool FChangedWhileUpdating = false;
};

enum TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable, lbVirtual, lbVirtualOwnerDraw };

// A list of items, one selected; keyboard (arrows, pages, Home/End, first letter) and mouse.
// ItemIndex set from code fires nothing; a choice by the user fires OnClick.
class TCustomListBox : public TCustomControl {
public:
    explicit TCustomListBox(rtl::TComponent* AOwner);
    ~TCustomListBox() override;
    std::string ClassName() const override { return "TCustomListBox"; }

    TListItems& Items() { return *FItems; }
    const TListItems& Items() const { return *FItems; }
    void SetItems(const rtl::TStrings& value) { FItems->Assign(&value); }
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int value);
    int Count() const { return FItems->Count(); }
    bool Sorted() const { return FItems->Sorted(); }
    void SetSorted(bool value) { FItems->SetSorted(value); }
    int ItemHeight() const;
    void SetItemHeight(int value);
    int TopIndex() const { return FTopIndex; }
    void SetTopIndex(int value);
    TListBoxStyle Style() const { return FStyle; }
    void SetStyle(TListBoxStyle value) { FStyle = value; Invalidate(); }
    // The item at a client point, or -1.
    int ItemAtPos(const rtl::TPoint& pos, bool existing) const;
    rtl::TRect ItemRect(int index) const;
    void Clear() { FItems->Clear(); }
    void Loaded() override;

    std::function<void(TCustomListBox* Control, int Index, rtl::TRect Rect, unsigned State)> OnDrawItem;

protected:
    // Room left of the text for a mark (check boxes).
    virtual int MarkWidth() const { return 0; }
    virtual void DrawMark(gfx::TCanvas& /*canvas*/, int /*index*/, const rtl::TRect& /*rect*/) {}
    // A press on an item: true when the mark took it.
    virtual bool MarkMouseDown(int /*index*/, int /*x*/) { return false; }
    virtual void ItemsChanged();
    // The user moved the selection.
    virtual void UserSelected();
    void SelectByUser(int index);
    int VisibleCount() const;
    void EnsureVisible(int index);
    void UpdateScrollBar();

    void Paint() override;
    void WndProc(TMessage& Message) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void Resize() override;
    bool DoMouseWheel(TShiftState Shift, int WheelDelta, rtl::TPoint MousePos) override;

    std::unique_ptr<TListItems> FItems;
    int FItemIndex = -1;
    int FTopIndex = 0;
    int FItemHeight = 0;   // 0: from the font
    bool FTracking = false;
    TListBoxStyle FStyle = lbStandard;
};

class TListBox : public TCustomListBox {
public:
    explicit TListBox(rtl::TComponent* AOwner) : TCustomListBox(AOwner) {}
    std::string ClassName() const override { return "TListBox"; }
};

// First item at or after `from` (wrapping) whose text starts with `prefix`, without regard
// to case; -1 when none.
int FindItemStartingWith(const rtl::TStrings& items, const std::string& prefix, int from);

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

class TComboDropList;

// A combo box: a text field (csDropDown) or a fixed choice (csDropDownList) with a list
// that drops down in a pop-up window. Typing a letter in a drop-down list selects the next
// item starting with it; typing in the field completes from the items. OnChange fires
// for what the user does only; Text and ItemIndex set from code fire nothing.
class TComboBox : public TCustomEdit {
public:
    explicit TComboBox(rtl::TComponent* AOwner);
    ~TComboBox() override;
    std::string ClassName() const override { return "TComboBox"; }

    TListItems& Items() { return *FItems; }
    void SetItems(const rtl::TStrings& value) { FItems->Assign(&value); }
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int value);
    TComboBoxStyle Style() const { return FStyle; }
    void SetStyle(TComboBoxStyle value);
    bool Sorted() const { return FItems->Sorted(); }
    void SetSorted(bool value) { FItems->SetSorted(value); }
    int DropDownCount() const { return FDropDownCount; }
    void SetDropDownCount(int value) { FDropDownCount = value < 1 ? 1 : value; }
    bool AutoComplete() const { return FAutoComplete; }
    void SetAutoComplete(bool value) { FAutoComplete = value; }
    void SetText(const std::string& value) override;
    void Loaded() override;

    bool DroppedDown() const;
    void SetDroppedDown(bool value);
    // The pop-up list while dropped down (nullptr otherwise).
    TComboDropList* DropList() const { return FDropList; }

    TNotifyEvent OnSelect;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;

protected:
    friend class TComboDropList;
    int TextAreaWidth() const override;
    bool HasCaret() const override { return FStyle != csDropDownList; }
    void Change() override;
    bool UserReplaceSelection(const std::u32string& text) override;
    void UserDelete(bool backwards, bool wholeWord) override;
    void Paint() override;
    void WndProc(TMessage& Message) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    rtl::TRect ButtonRect() const;
    // The user chose an item (list, arrows, letter): text, OnChange, OnSelect.
    void ChooseByUser(int index);

private:
    void ShowItemText(int index);
    void PreviewItem(int index);
    void CancelDropDown();
    // OnChange through the overridable Change, as for any change the user makes.
    void ReportUserChange();
    std::unique_ptr<TListItems> FItems;
    int FItemIndex = -1;
    TComboBoxStyle FStyle = csDropDown;
    int FDropDownCount = 8;
    bool FAutoComplete = true;
    bool FUserChange = false;
    bool FButtonDown = false;
    TComboDropList* FDropList = nullptr;
    // What the combo showed when its list opened (Escape in the list goes back to it).
    int FDroppedIndex = -1;
    std::string FDroppedText;
};

// The pop-up window of a combo box's list: follows the mouse, a click chooses.
class TComboDropList : public TCustomListBox {
public:
    TComboDropList(TComboBox* combo);
    std::string ClassName() const override { return "TComboDropList"; }

protected:
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    TComboBox* FCombo;
};

}  // namespace ui
