// Settings of the string grid's background, nodes, size-while-typing, hover buttons and floating footer.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "grid/core/GridOptions.h"
#include "platform/gfx/Color.h"
#include "platform/rtl/Object.h"

namespace gfx {
class TBitmap;
class TPicture;
}  // namespace gfx

namespace grid {

enum TBackGroundDisplay : std::uint8_t { bdTile, bdFixed, bdGradientHorz, bdGradientVert };
enum TBackGroundCells : std::uint8_t { bcNormal, bcFixed, bcAll };

// Background picture or gradient behind the cells. OnChange asks the grid to repaint.
class TBackGround : public rtl::TPersistent {
public:
    TBackGround();
    ~TBackGround() override;
    TBackGround(const TBackGround&) = delete;
    TBackGround& operator=(const TBackGround&) = delete;
    std::string ClassName() const override { return "TBackGround"; }
    void Assign(const rtl::TPersistent* Source) override;

    gfx::TBitmap& Bitmap() const { return *FBitmap; }
    void SetBitmap(const gfx::TBitmap* v);
#define GRID_REPAINT_PROPERTY(Type, Name, Init)                                   \
public:                                                                           \
    Type Name() const { return F##Name; }                                         \
    void Set##Name(Type value) { if (F##Name != value) { F##Name = value; Changed(); } } \
                                                                                  \
private:                                                                          \
    Type F##Name = Init;

    GRID_REPAINT_PROPERTY(TBackGroundDisplay, Display, bdTile)
    GRID_REPAINT_PROPERTY(int, Top, 0)
    GRID_REPAINT_PROPERTY(int, Left, 0)
    GRID_REPAINT_PROPERTY(TBackGroundCells, Cells, bcNormal)
    GRID_REPAINT_PROPERTY(gfx::TColor, Color, gfx::clWindow)
    GRID_REPAINT_PROPERTY(gfx::TColor, ColorTo, gfx::clBtnFace)
public:
    TNotifyEvent OnChange;

private:
    void Changed();
    std::unique_ptr<gfx::TBitmap> FBitmap;
};

enum TNodeType : std::uint8_t { cnFlat, cn3D, cnGlyph, cnLeaf, cnXP };

// Look of node rows. OnChange (grid repaint) fires when NodeType, ShowTree, ShowTreeFull,
// TreeColor or NodeIndent changes. Assign copies all eleven properties.
class TCellNode : public rtl::TPersistent {
public:
    TCellNode();
    ~TCellNode() override;
    TCellNode(const TCellNode&) = delete;
    TCellNode& operator=(const TCellNode&) = delete;
    std::string ClassName() const override { return "TCellNode"; }
    void Assign(const rtl::TPersistent* Source) override;

    GRID_PLAIN_PROPERTY(gfx::TColor, Color, gfx::clSilver)
    GRID_PLAIN_PROPERTY(bool, ExpandOne, false)
    GRID_REPAINT_PROPERTY(TNodeType, NodeType, cnXP)
    GRID_PLAIN_PROPERTY(gfx::TColor, NodeColor, gfx::clBlack)
    GRID_REPAINT_PROPERTY(int, NodeIndent, 12)
    GRID_REPAINT_PROPERTY(bool, ShowTree, true)
    GRID_REPAINT_PROPERTY(bool, ShowTreeFull, true)
    GRID_REPAINT_PROPERTY(gfx::TColor, TreeColor, gfx::clGray)
public:
    int NodeColumn() const { return FNodeColumn; }
    // Raises "Cannot change node column when grid has nodes" while HasNodes answers true.
    void SetNodeColumn(int v);
    gfx::TBitmap& ExpandGlyph() const { return *FExpandGlyph; }
    void SetExpandGlyph(const gfx::TBitmap* v);
    gfx::TBitmap& ContractGlyph() const { return *FContractGlyph; }
    void SetContractGlyph(const gfx::TBitmap* v);
    TNotifyEvent OnChange;
    std::function<bool()> HasNodes;

private:
    void Changed();
    int FNodeColumn = 0;
    std::unique_ptr<gfx::TBitmap> FExpandGlyph;
    std::unique_ptr<gfx::TBitmap> FContractGlyph;
};
#undef GRID_REPAINT_PROPERTY

// Growing the in-place editor while typing.
class TSizeWhileTyping : public rtl::TPersistent {
public:
    std::string ClassName() const override { return "TSizeWhileTyping"; }
    void Assign(const rtl::TPersistent* Source) override;
    GRID_PLAIN_PROPERTY(bool, Height, false)
    GRID_PLAIN_PROPERTY(bool, Width, false)
};

class THoverButtonsCollection;

// One hover button. Changes of the visible settings notify the collection.
class THoverButtonsCollectionItem : public rtl::TPersistent {
public:
    explicit THoverButtonsCollectionItem(THoverButtonsCollection* ACollection);
    ~THoverButtonsCollectionItem() override;
    THoverButtonsCollectionItem(const THoverButtonsCollectionItem&) = delete;
    THoverButtonsCollectionItem& operator=(const THoverButtonsCollectionItem&) = delete;
    std::string ClassName() const override { return "THoverButtonsCollectionItem"; }
    // ImageIndex is not copied.
    void Assign(const rtl::TPersistent* Source) override;

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& v);
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& v);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool v);
    bool Flat() const { return FFlat; }
    void SetFlat(bool v);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int v);
    gfx::TPicture& Picture() const { return *FPicture; }
    void SetPicture(const gfx::TPicture* v);
    GRID_PLAIN_PROPERTY(int, Tag, 0)
    GRID_PLAIN_PROPERTY(int, Width, 0)

private:
    void Changed();
    THoverButtonsCollection* FCollection;
    std::string FCaption;
    std::string FHint;
    bool FEnabled = true;
    bool FFlat = false;
    int FImageIndex = 0;
    std::unique_ptr<gfx::TPicture> FPicture;
};

class THoverButtonsCollection : public rtl::TPersistent {
public:
    THoverButtonsCollection();
    ~THoverButtonsCollection() override;
    THoverButtonsCollection(const THoverButtonsCollection&) = delete;
    THoverButtonsCollection& operator=(const THoverButtonsCollection&) = delete;
    std::string ClassName() const override { return "THoverButtonsCollection"; }
    void Assign(const rtl::TPersistent* Source) override;

    int Count() const { return static_cast<int>(FItems.size()); }
    THoverButtonsCollectionItem& Items(int i) const;
    THoverButtonsCollectionItem& Add();
    THoverButtonsCollectionItem& Insert(int index);
    void Clear();
    // Set whenever an item reports a change.
    GRID_PLAIN_PROPERTY(bool, Updated, false)

private:
    std::vector<std::unique_ptr<THoverButtonsCollectionItem>> FItems;
};

enum THoverButtonPosition : std::uint8_t { hbLeftFromColumnLeft, hbRightFromColumnLeft, hbLeftFromColumnRight,
                                           hbRightFromColumnRight };
enum THoverRows : std::uint8_t { hrAll, hrNormal };

// Buttons shown next to a cell of the hovered row.
class THoverButtons : public rtl::TPersistent {
public:
    THoverButtons();
    ~THoverButtons() override;
    THoverButtons(const THoverButtons&) = delete;
    THoverButtons& operator=(const THoverButtons&) = delete;
    std::string ClassName() const override { return "THoverButtons"; }
    void Assign(const rtl::TPersistent* Source) override;

    THoverButtonsCollection& Buttons() const { return *FButtons; }
    void SetButtons(const THoverButtonsCollection* v) { FButtons->Assign(v); }
    GRID_PLAIN_PROPERTY(bool, Enabled, false)
    GRID_PLAIN_PROPERTY(int, Column, 0)
    GRID_PLAIN_PROPERTY(THoverButtonPosition, Position, hbLeftFromColumnLeft)
    GRID_PLAIN_PROPERTY(THoverRows, Rows, hrNormal)
    GRID_PLAIN_PROPERTY(bool, MoveActiveRow, true)

private:
    std::unique_ptr<THoverButtonsCollection> FButtons;
};

enum TFooterStyle : std::uint8_t { fsFixedLastRow, fsColumnPreview, fsCustomPreview, fsCustomPaint };

// Settings of the floating footer strip. OnChange asks the footer panel to repaint;
// OnVisibleChange and OnStyleChange let the grid show or hide the strip and adjust its rows.
class TFloatingFooter : public rtl::TPersistent {
public:
    explicit TFloatingFooter(TExtStringGrid* AGrid = nullptr) : FGrid(AGrid) {}
    std::string ClassName() const override { return "TFloatingFooter"; }
    // Copies CalculateHiddenRows, Color, Column, CustomTemplate, FooterStyle (the field),
    // Visible through its setter, and ShowHint.
    void Assign(const rtl::TPersistent* Source) override;

    bool Visible() const { return FVisible; }
    void SetVisible(bool v);
    TFooterStyle FooterStyle() const { return FFooterStyle; }
    void SetFooterStyle(TFooterStyle v);
    gfx::TColor Color() const { return FColor; }
    void SetColor(gfx::TColor v);
    gfx::TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(gfx::TColor v);
    int Column() const { return FColumn; }
    void SetColumn(int v);
    const std::string& CustomTemplate() const { return FCustomTemplate; }
    void SetCustomTemplate(const std::string& v);

    TNotifyEvent OnChange;
    TNotifyEvent OnVisibleChange;
    TNotifyEvent OnStyleChange;
    // Whether the footer added a row to the grid (styles other than fsFixedLastRow).
    bool DidInc() const { return FDidInc; }
    void SetDidInc(bool v) { FDidInc = v; }
    std::function<void(TSender, int ACol, int ARow, std::string& Value)> OnCalcFooter;

    // Copied to the footer panel's ShowHint.
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool v);
    // Above 0, the footer panel's height becomes v - 1 (also while hidden).
    int Height() const { return FHeight; }
    void SetHeight(int v);
    // The calculation type of the footer cell (ACol, RowCount - 1); setting it recalculates that cell.
    TColumnCalcType GetColumnCalc(int ACol) const;
    void SetColumnCalc(int ACol, TColumnCalcType Value);
    // Repaints the footer panel.
    void Invalidate();
    GRID_PLAIN_PROPERTY(bool, CalculateHiddenRows, true)
    GRID_PLAIN_PROPERTY(bool, EnableCalculation, true)

private:
    void Changed();
    // The panel's part of showing and hiding: its height and visibility.
    void ApplyPanelVisible();
    TExtStringGrid* FGrid = nullptr;
    bool FShowHint = false;
    int FHeight = 22;
    bool FVisible = false;
    bool FDidInc = false;
    TFooterStyle FFooterStyle = fsFixedLastRow;
    gfx::TColor FColor = gfx::clBtnFace;
    gfx::TColor FBorderColor = gfx::clNone;
    int FColumn = 0;
    std::string FCustomTemplate;
};

}  // namespace grid
