// The key steps of the headless driver: typing text into a control and pressing named keys on it.
#include <cctype>
#include <string>

#include "app/DriveSteps.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Messages.h"

namespace app {

namespace {

struct TKeyName {
    const char* Name;
    int Vk;
};

const TKeyName KeyNames[] = {
    {"Enter", ui::VK_RETURN}, {"Tab", ui::VK_TAB},       {"Escape", ui::VK_ESCAPE}, {"F2", ui::VK_F2},
    {"Up", ui::VK_UP},        {"Down", ui::VK_DOWN},     {"Left", ui::VK_LEFT},     {"Right", ui::VK_RIGHT},
    {"Home", ui::VK_HOME},    {"End", ui::VK_END},       {"PgUp", ui::VK_PRIOR},    {"PgDn", ui::VK_NEXT},
    {"Insert", ui::VK_INSERT}, {"Delete", ui::VK_DELETE}, {"Space", ui::VK_SPACE},  {"Backspace", ui::VK_BACK},
};

struct TModifierName {
    const char* Prefix;
    ui::TShiftStateFlag Flag;
};

const TModifierName ModifierNames[] = {{"Ctrl+", ui::ssCtrl}, {"Shift+", ui::ssShift}, {"Alt+", ui::ssAlt}};

int VirtualKey(const std::string& name, const std::string& whole)
{
    for (const TKeyName& k : KeyNames)
        if (name == k.Name) return k.Vk;
    if (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0])))
        return std::toupper(static_cast<unsigned char>(name[0]));
    throw rtl::Exception("key: unknown key '" + whole + "'");
}

ui::TWinControl* FocusableControl(rtl::TComponent* component)
{
    auto* control = dynamic_cast<ui::TWinControl*>(component);
    if (control == nullptr) throw rtl::Exception(component->Name() + " takes no keys");
    if (!control->CanFocus()) throw rtl::Exception(component->Name() + " cannot take the focus");
    return control;
}

// The control keeps the focus it or one of its children has, so that an open cell editor
// goes on receiving what is typed.
void Focus(ui::TWinControl* control)
{
    for (ui::TWinControl* c = ui::FocusedControl(); c != nullptr; c = c->Parent())
        if (c == control) return;
    control->SetFocus();
}

}  // namespace

void DriveType(rtl::TComponent* component, const std::string& text)
{
    Focus(FocusableControl(component));
    ui::THeadlessBackend::TypeText(text);
}

void DriveKey(rtl::TComponent* component, const std::string& key)
{
    ui::TWinControl* control = FocusableControl(component);
    std::string rest = key;
    ui::TShiftState shift = 0;
    for (bool more = true; more;) {
        more = false;
        for (const TModifierName& m : ModifierNames) {
            const std::string prefix = m.Prefix;
            if (rest.size() > prefix.size() && rest.compare(0, prefix.size(), prefix) == 0) {
                shift |= m.Flag;
                rest.erase(0, prefix.size());
                more = true;
            }
        }
    }
    const int vk = VirtualKey(rest, key);
    Focus(control);
    ui::THeadlessBackend::PressKey(vk, shift);
}

}  // namespace app
