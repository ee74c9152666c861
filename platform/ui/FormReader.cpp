// The form-description reader: builds the component tree of a description on its root.
#include "platform/ui/FormReader.h"

#include <fstream>
#include <sstream>

#include "platform/rtl/CodePage.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Utf8.h"
#include "platform/ui/ClassRegistry.h"
#include "platform/ui/Forms.h"

namespace ui {

namespace {

std::string UniqueRootName(rtl::TComponent* root, const std::string& name);

class TTreeBuilder {
public:
    TTreeBuilder(const std::string& file, rtl::TComponent* root) : FRegistry(TClassRegistry::Instance())
    {
        FContext.File = file;
        FContext.Root = root;
        if (auto* form = dynamic_cast<TCustomForm*>(root)) FContext.Methods = &form->Methods();
    }

    void Build(const TObjectNode& node)
    {
        rtl::TComponent* root = FContext.Root;
        const TClassInfo* info = FRegistry.FindForInstance(root);
        if (info == nullptr) {
            FContext.Line = node.Line;
            FContext.Fail("Class " + root->ClassName() + " is not registered");
        }
        if (!node.Name.empty() && node.Kind == TObjectKind::Object) root->SetName(UniqueRootName(root, node.Name));
        root->BeginLoading();
        FLoaded.push_back(root);
        ApplyProperties(root, info, node);
        for (const TObjectNode& child : node.Children) BuildChild(child, root);
        for (auto& fixup : FContext.Fixups) fixup();
        for (rtl::TComponent* c : FLoaded) c->Loaded();
        if (auto* form = dynamic_cast<TCustomForm*>(root)) form->ScaleToScreen();
    }

private:
    void BuildChild(const TObjectNode& node, rtl::TComponent* enclosing)
    {
        FContext.Line = node.Line;
        FContext.Path = node.Name;
        rtl::TComponent* instance = nullptr;
        const TClassInfo* info = nullptr;
        if (node.Kind == TObjectKind::Inherited) {
            instance = FContext.Root->FindComponent(node.Name);
            if (instance == nullptr) FContext.Fail("Ancestor for '" + node.Name + "' not found");
            info = FRegistry.FindForInstance(instance);
        } else {
            info = FRegistry.Find(node.ClassName);
            if (info == nullptr || !info->Create) {
                FContext.Path.clear();
                FContext.Fail("Class " + node.ClassName + " not found");
            }
            instance = info->Create(FContext.Root);
            try {
                instance->SetName(node.Name);
            } catch (const rtl::Exception& e) {
                delete instance;
                FContext.Fail(e.Message());
            }
        }
        instance->BeginLoading();
        FLoaded.push_back(instance);
        auto* control = dynamic_cast<TControl*>(instance);
        auto* parent = dynamic_cast<TWinControl*>(enclosing);
        if (control != nullptr && parent != nullptr && node.Kind != TObjectKind::Inherited) control->SetParent(parent);
        if (control == nullptr && enclosing != nullptr && info != nullptr && info->SetParentComponent &&
            node.Kind != TObjectKind::Inherited)
            info->SetParentComponent(instance, enclosing);
        ApplyProperties(instance, info, node);
        for (const TObjectNode& child : node.Children) BuildChild(child, instance);
    }

    void ApplyProperties(rtl::TComponent* instance, const TClassInfo* info, const TObjectNode& node)
    {
        std::string owner = instance == FContext.Root ? node.Name : instance->Name();
        for (const TPropItem& item : node.Props) {
            FContext.Line = item.Line;
            FContext.Path = owner.empty() ? item.Name : owner + "." + item.Name;
            const TPropertyInfo* prop = FRegistry.FindProperty(info, item.Name);
            if (prop == nullptr) FContext.Fail("Property " + item.Name + " does not exist");
            try {
                prop->Set(instance, item.Value, FContext);
            } catch (const rtl::EReadError&) {
                throw;
            } catch (const rtl::Exception& e) {
                FContext.Fail(e.Message());
            }
        }
        FContext.Path.clear();
    }

    TClassRegistry& FRegistry;
    TReadContext FContext;
    std::vector<rtl::TComponent*> FLoaded;
};

// A second instance of a form class gets the name with "_1", "_2" … added, as the class library does.
std::string UniqueRootName(rtl::TComponent* root, const std::string& name)
{
    rtl::TComponent* owner = root->Owner();
    if (owner == nullptr) return name;
    std::string candidate = name;
    for (int i = 1; owner->FindComponent(candidate) != nullptr && owner->FindComponent(candidate) != root; ++i)
        candidate = name + "_" + std::to_string(i);
    return candidate;
}

std::string ReadWholeFile(const std::string& fileName)
{
    std::ifstream in(fileName, std::ios::binary);
    if (!in) throw rtl::EFOpenError("Cannot open file \"" + fileName + "\". No such file or directory");
    std::ostringstream buffer;
    buffer << in.rdbuf();
    std::string text = buffer.str();
    if (text.size() >= 3 && text.compare(0, 3, "\xEF\xBB\xBF") == 0) text.erase(0, 3);
    // Descriptions saved by older tools are in the 8-bit code page.
    if (!rtl::Utf8IsValid(text)) text = rtl::Win1250ToUtf8(text);
    return text;
}

const TPropertyInfo& PropertyOf(rtl::TComponent* instance, const std::string& name, TReadContext& ctx)
{
    TClassRegistry& registry = TClassRegistry::Instance();
    const TClassInfo* info = registry.FindForInstance(instance);
    if (info == nullptr) ctx.Fail("Class " + instance->ClassName() + " is not registered");
    const TPropertyInfo* prop = registry.FindProperty(info, name);
    if (prop == nullptr) ctx.Fail("Property " + name + " does not exist");
    return *prop;
}

rtl::TComponent* RootOf(rtl::TComponent* instance)
{
    rtl::TComponent* root = instance;
    while (root->Owner() != nullptr && dynamic_cast<TApplication*>(root->Owner()) == nullptr) root = root->Owner();
    return root;
}

}  // namespace

void ReadComponentResText(const std::string& text, const std::string& fileName, rtl::TComponent* root)
{
    TObjectNode node = ParseFormText(text, fileName);
    TTreeBuilder builder(fileName, root);
    builder.Build(node);
}

void ReadComponentResFile(const std::string& fileName, rtl::TComponent* root)
{
    ReadComponentResText(ReadWholeFile(fileName), fileName, root);
}

void SetPropertyByName(rtl::TComponent* instance, const std::string& name, const std::string& valueText)
{
    TReadContext ctx;
    ctx.Root = RootOf(instance);
    if (auto* form = dynamic_cast<TCustomForm*>(ctx.Root)) ctx.Methods = &form->Methods();
    ctx.Path = instance->Name().empty() ? name : instance->Name() + "." + name;
    const TPropertyInfo& prop = PropertyOf(instance, name, ctx);
    TPropValue value = ParsePropertyValueText(valueText, ctx.Path);
    try {
        prop.Set(instance, value, ctx);
        for (auto& fixup : ctx.Fixups) fixup();
    } catch (const rtl::EReadError&) {
        throw;
    } catch (const rtl::Exception& e) {
        ctx.Fail(e.Message());
    }
}

std::string GetPropertyByName(rtl::TComponent* instance, const std::string& name)
{
    TReadContext ctx;
    ctx.Path = instance->Name().empty() ? name : instance->Name() + "." + name;
    const TPropertyInfo& prop = PropertyOf(instance, name, ctx);
    if (!prop.Get) ctx.Fail("Property " + name + " cannot be read");
    return prop.Get(instance).ToText();
}

namespace {

std::pair<rtl::TComponent*, std::string> SplitPropertyPath(rtl::TComponent* root, const std::string& path)
{
    auto dot = path.find('.');
    if (dot != std::string::npos) {
        if (rtl::TComponent* c = root->FindComponent(path.substr(0, dot))) return {c, path.substr(dot + 1)};
    }
    return {root, path};
}

}  // namespace

void SetPropertyPath(rtl::TComponent* root, const std::string& path, const std::string& valueText)
{
    auto [component, property] = SplitPropertyPath(root, path);
    SetPropertyByName(component, property, valueText);
}

std::string GetPropertyPath(rtl::TComponent* root, const std::string& path)
{
    auto [component, property] = SplitPropertyPath(root, path);
    return GetPropertyByName(component, property);
}

rtl::TComponent* FindComponentByPath(rtl::TComponent* root, const std::string& path)
{
    if (path.empty() || path == root->Name()) return root;
    return root->FindComponent(path);
}

}  // namespace ui
