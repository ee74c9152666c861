// The steps of the headless driver on the controls of a form.
#include "app/DriveSteps.h"

#include <charconv>
#include <fstream>
#include <sstream>

#include "grid/core/BaseGrid.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/CheckLst.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Picture.h"
#include "platform/ui/ClassRegistry.h"
#include "platform/ui/ComCtrls.h"
#include "platform/ui/FormParser.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Grids.h"
#include "platform/ui/StdCtrls.h"

namespace app {

namespace {

// The protected click and toggle of the controls, as the input layer calls them.
struct TClickAccess : ui::TControl {
    using ui::TControl::Click;
};
struct TToggleAccess : ui::TButtonControl {
    using ui::TButtonControl::Toggle;
};
// What the in-place editor calls when it hands its text to the grid.
struct TEditAccess : ui::TCustomGrid {
    using ui::TCustomGrid::SetEditText;
};
// What the list of a combo box calls when the user picks an item.
struct TChooseAccess : ui::TComboBox {
    using ui::TComboBox::ChooseByUser;
};

// "Cells[2,5]" gives column 2, row 5; false when the property is not of that form.
bool CellProperty(const std::string& property, int& col, int& row)
{
    const std::string prefix = "Cells[";
    if (property.compare(0, prefix.size(), prefix) != 0 || property.back() != ']') return false;
    auto comma = property.find(',', prefix.size());
    if (comma == std::string::npos) return false;
    const char* last = property.data() + property.size() - 1;
    auto [end1, ec1] = std::from_chars(property.data() + prefix.size(), property.data() + comma, col);
    auto [end2, ec2] = std::from_chars(property.data() + comma + 1, last, row);
    return ec1 == std::errc() && ec2 == std::errc() && end1 == property.data() + comma && end2 == last && col >= 0 &&
           row >= 0;
}

// The text of a grid cell through the grid's cell accessor.
std::string CellText(ui::TStringGrid* g, int col, int row)
{
    if (auto* base = dynamic_cast<grid::TBaseGrid*>(g)) return base->Cells(col, row);
    return g->Cells(col, row);
}

// A cell edited as the user edits it: the text goes through the grid's edit hook, which
// stores it and fires its edit-text event. Fixed cells cannot be edited.
void EditCell(ui::TStringGrid* g, int col, int row, const std::string& text)
{
    if (col < g->FixedCols() || row < g->FixedRows())
        throw rtl::Exception(g->Name() + ": the fixed cell " + std::to_string(col) + "," + std::to_string(row) +
                             " cannot be edited");
    if (col >= g->ColCount() || row >= g->RowCount())
        throw rtl::Exception(g->Name() + ": no cell " + std::to_string(col) + "," + std::to_string(row));
    (g->*(&TEditAccess::SetEditText))(col, row, text);
}

const ui::TPropertyInfo& PublishedProperty(rtl::TComponent* component, const std::string& property)
{
    ui::TClassRegistry& registry = ui::TClassRegistry::Instance();
    const ui::TClassInfo* info = registry.FindForInstance(component);
    if (info == nullptr) throw rtl::Exception("Class " + component->ClassName() + " is not registered");
    const ui::TPropertyInfo* prop = registry.FindProperty(info, property);
    if (prop == nullptr) throw rtl::Exception(component->Name() + " has no property " + property);
    return *prop;
}

std::string PlainText(const ui::TPropValue& value)
{
    switch (value.Kind) {
    case ui::TValueKind::String:
    case ui::TValueKind::Ident:
        return value.Str;
    case ui::TValueKind::Integer:
        return std::to_string(value.Int);
    default:
        return value.ToText();
    }
}

// "Items[3]" with prefix "Items" gives 3; -1 when the property is not of that form.
int IndexedProperty(const std::string& property, const std::string& prefix)
{
    if (property.size() < prefix.size() + 3 || property.compare(0, prefix.size(), prefix) != 0) return -1;
    if (property[prefix.size()] != '[' || property.back() != ']') return -1;
    int index = -1;
    const char* first = property.data() + prefix.size() + 1;
    const char* last = property.data() + property.size() - 1;
    auto [end, ec] = std::from_chars(first, last, index);
    if (ec != std::errc() || end != last || index < 0) return -1;
    return index;
}

std::string ItemOf(const rtl::TStrings& items, int index, const std::string& where)
{
    if (index >= items.Count())
        throw rtl::Exception(where + ": index " + std::to_string(index) + " beyond the " +
                             std::to_string(items.Count()) + " items");
    return items[index];
}

// The item lists a control shows: Items of list and combo boxes, Lines of memos.
const rtl::TStrings* ItemList(rtl::TComponent* component, const std::string& listName)
{
    if (listName == "Items") {
        if (auto* list = dynamic_cast<ui::TCustomListBox*>(component)) return &list->Items();
        if (auto* combo = dynamic_cast<ui::TComboBox*>(component)) return &combo->Items();
    }
    if (listName == "Lines") {
        if (auto* memo = dynamic_cast<ui::TMemo*>(component)) return &memo->Lines();
    }
    return nullptr;
}

bool ListProperty(rtl::TComponent* component, const std::string& property, std::string& result)
{
    const std::string where = component->Name() + "." + property;
    for (const char* listName : {"Items", "Lines"}) {
        const rtl::TStrings* list = ItemList(component, listName);
        if (list == nullptr) continue;
        if (property == std::string(listName) + ".Count") {
            result = std::to_string(list->Count());
            return true;
        }
        if (int index = IndexedProperty(property, listName); index >= 0) {
            result = ItemOf(*list, index, where);
            return true;
        }
    }
    if (auto* checks = dynamic_cast<ui::TCheckListBox*>(component)) {
        if (int index = IndexedProperty(property, "Checked"); index >= 0) {
            ItemOf(checks->Items(), index, where);
            result = checks->Checked(index) ? "True" : "False";
            return true;
        }
    }
    return false;
}

// "Panels[i].Text" of a status bar.
bool StatusPanelProperty(rtl::TComponent* component, const std::string& property, std::string& result)
{
    auto* bar = dynamic_cast<ui::TStatusBar*>(component);
    const std::string suffix = ".Text";
    if (bar == nullptr || property.size() <= suffix.size() ||
        property.compare(property.size() - suffix.size(), suffix.size(), suffix) != 0)
        return false;
    int index = IndexedProperty(property.substr(0, property.size() - suffix.size()), "Panels");
    if (index < 0) return false;
    if (index >= bar->Panels().Count())
        throw rtl::Exception(component->Name() + "." + property + ": index " + std::to_string(index) + " beyond the " +
                             std::to_string(bar->Panels().Count()) + " panels");
    result = bar->Panels()[index].Text();
    return true;
}

bool EnabledWithParents(const ui::TControl* control)
{
    for (; control != nullptr; control = control->Parent()) {
        if (!control->Enabled()) return false;
    }
    return true;
}

}  // namespace

namespace {

// The application's window of that name, or nullptr.
ui::TCustomForm* WindowNamed(const std::string& name)
{
    ui::TApplication* application = ui::Application();
    if (application == nullptr) return nullptr;
    for (int k = 0; k < application->ComponentCount(); ++k) {
        auto* form = dynamic_cast<ui::TCustomForm*>(application->Components(k));
        if (form != nullptr && form->Name() == name) return form;
    }
    return nullptr;
}

}  // namespace

rtl::TComponent* DriveFindComponent(rtl::TComponent* form, const std::string& name)
{
    if (name == form->Name()) return form;
    if (ui::TCustomForm* window = WindowNamed(name)) return window;
    // "Form3.Edit2": a control of another window.
    if (auto dot = name.find('.'); dot != std::string::npos) {
        if (ui::TCustomForm* window = WindowNamed(name.substr(0, dot))) return DriveFindComponent(window, name.substr(dot + 1));
    }
    if (rtl::TComponent* found = form->FindComponent(name)) return found;
    throw rtl::Exception("No control named " + name);
}

void DriveSetProperty(rtl::TComponent* component, const std::string& property, const std::string& value)
{
    int col = 0, row = 0;
    if (auto* g = dynamic_cast<ui::TStringGrid*>(component); g != nullptr && CellProperty(property, col, row)) {
        EditCell(g, col, row, value);
        return;
    }
    const ui::TPropertyInfo& prop = PublishedProperty(component, property);
    if (prop.Kind == ui::TPropertyInfo::pkEvent) throw rtl::Exception(component->Name() + "." + property + " is an event");
    bool isText = prop.Get && prop.Get(component).Kind == ui::TValueKind::String;
    std::string where = component->Name() + "." + property;
    ui::TPropValue parsed = ui::ParsePropertyValueText(isText ? ui::TPropValue::MakeString(value).ToText() : value, where);
    ui::TReadContext ctx;
    ctx.Path = where;
    ctx.Root = component;
    while (ctx.Root->Owner() != nullptr && dynamic_cast<ui::TApplication*>(ctx.Root->Owner()) == nullptr)
        ctx.Root = ctx.Root->Owner();
    if (auto* form = dynamic_cast<ui::TCustomForm*>(ctx.Root)) ctx.Methods = &form->Methods();
    prop.Set(component, parsed, ctx);
    for (auto& fixup : ctx.Fixups) fixup();
}

std::string DriveGetProperty(rtl::TComponent* component, const std::string& property)
{
    std::string result;
    if (ListProperty(component, property, result)) return result;
    if (StatusPanelProperty(component, property, result)) return result;
    int col = 0, row = 0;
    if (auto* g = dynamic_cast<ui::TStringGrid*>(component); g != nullptr && CellProperty(property, col, row))
        return CellText(g, col, row);
    const ui::TPropertyInfo& prop = PublishedProperty(component, property);
    if (!prop.Get) throw rtl::Exception(component->Name() + "." + property + " cannot be read");
    return PlainText(prop.Get(component));
}

void DriveCheckItem(rtl::TComponent* component, int index, bool checked)
{
    auto* checks = dynamic_cast<ui::TCheckListBox*>(component);
    if (checks == nullptr) throw rtl::Exception(component->Name() + " is not a check list");
    ItemOf(checks->Items(), index, component->Name());
    checks->SetChecked(index, checked);
}

void DriveClick(rtl::TComponent* component)
{
    if (auto* form = dynamic_cast<ui::TCustomForm*>(component)) {
        if (ui::TApplication* application = ui::Application()) application->ActivateForm(form);
        (form->*(&TClickAccess::Click))();
        return;
    }
    auto* control = dynamic_cast<ui::TControl*>(component);
    if (control == nullptr) throw rtl::Exception(component->Name() + " cannot be clicked");
    if (!EnabledWithParents(control)) throw rtl::Exception(component->Name() + " is disabled and cannot be clicked");
    if (auto* box = dynamic_cast<ui::TButtonControl*>(control)) {
        (box->*(&TToggleAccess::Toggle))();
        return;
    }
    (control->*(&TClickAccess::Click))();
}

void DriveChooseItem(rtl::TComponent* component, int index)
{
    auto* combo = dynamic_cast<ui::TComboBox*>(component);
    if (combo == nullptr) throw rtl::Exception(component->Name() + " is not a combo box");
    if (!EnabledWithParents(combo)) throw rtl::Exception(component->Name() + " is disabled and cannot be chosen from");
    ItemOf(combo->Items(), index, component->Name());
    (combo->*(&TChooseAccess::ChooseByUser))(index);
}

bool DriveIsFileDialog(ui::TCustomForm& dialog)
{
    return dynamic_cast<ui::TEdit*>(dialog.FindComponent("FileNameEdit")) != nullptr &&
           dynamic_cast<ui::TButton*>(dialog.FindComponent("OkButton")) != nullptr &&
           dynamic_cast<ui::TButton*>(dialog.FindComponent("CancelButton")) != nullptr;
}

bool DriveAnswerFileDialog(ui::TCustomForm& dialog, const std::optional<std::string>& fileName)
{
    if (!DriveIsFileDialog(dialog)) return false;
    auto* name = static_cast<ui::TEdit*>(dialog.FindComponent("FileNameEdit"));
    auto* open = static_cast<ui::TButton*>(dialog.FindComponent("OkButton"));
    auto* cancel = static_cast<ui::TButton*>(dialog.FindComponent("CancelButton"));
    if (fileName) {
        name->SetText(*fileName);
        DriveClick(open);
        if (dialog.ModalResult() == ui::mrOk) return true;
    }
    DriveClick(cancel);
    return false;
}

void DriveAnswerOtherDialog(ui::TCustomForm& dialog)
{
    for (int i = 0; i < dialog.ComponentCount(); ++i) {
        auto* button = dynamic_cast<ui::TButton*>(dialog.Components(i));
        if (button != nullptr && button->Default()) {
            DriveClick(button);
            return;
        }
    }
    dialog.SetModalResult(ui::mrCancel);
}

}  // namespace app

namespace app {

void DriveActivate(rtl::TComponent* component)
{
    auto* form = dynamic_cast<ui::TCustomForm*>(component);
    if (form == nullptr) throw rtl::Exception(component->Name() + " is not a window");
    if (!form->Visible()) form->Show();
    ui::Application()->ActivateForm(form);
}

void DriveSavePicture(rtl::TComponent* component, const std::string& fileName)
{
    auto* image = dynamic_cast<ui::TImage*>(component);
    if (image == nullptr) throw rtl::Exception(component->Name() + " is not a picture");
    image->Picture().Bitmap().SaveToPngFile(fileName);
}

void DriveClipboardPut(const std::string& fileName)
{
    std::ifstream in(fileName, std::ios::binary);
    if (!in) throw rtl::Exception("clipboard-put: cannot read " + fileName);
    std::ostringstream text;
    text << in.rdbuf();
    ui::Clipboard().SetAsText(text.str());
}

std::string DriveClipboardGet()
{
    const std::string text = ui::Clipboard().AsText();
    std::string out;
    for (std::size_t k = 0; k < text.size(); ++k) {
        if (text[k] == '\r' && k + 1 < text.size() && text[k + 1] == '\n') continue;
        out += text[k];
    }
    if (!out.empty() && out.back() != '\n') out += '\n';
    return out;
}

}  // namespace app
