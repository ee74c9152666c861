// Parser of form descriptions in the class library's text form syntax: objects, properties, values.
#pragma once

#include <string>
#include <vector>

namespace ui {

struct TPropItem;

// One item of a collection property: item … end.
struct TCollectionItem {
    std::vector<TPropItem> Props;
    int Line = 0;
};

enum class TValueKind { Integer, Float, String, Ident, Set, List, Collection, Binary };

// A property value as written in a description.
struct TPropValue {
    TValueKind Kind = TValueKind::Integer;
    long long Int = 0;
    double Float = 0;
    std::string Str;                     // String (UTF-8), Ident, Binary (raw bytes)
    std::vector<std::string> Set;        // Set
    std::vector<TPropValue> List;        // List
    std::vector<TCollectionItem> Items;  // Collection
    int Line = 0;

    static TPropValue MakeInt(long long v);
    static TPropValue MakeFloat(double v);
    static TPropValue MakeString(std::string v);
    static TPropValue MakeIdent(std::string v);
    // The value written back in the description syntax.
    std::string ToText() const;
};

struct TPropItem {
    std::string Name;  // may be dotted: Font.Name
    TPropValue Value;
    int Line = 0;
};

enum class TObjectKind { Object, Inherited, Inline };

struct TObjectNode {
    TObjectKind Kind = TObjectKind::Object;
    std::string Name;
    std::string ClassName;
    int Index = -1;  // the optional [n] after the class name
    int Line = 0;
    std::vector<TPropItem> Props;
    std::vector<TObjectNode> Children;
};

// Parses a whole description; errors raise rtl::EReadError naming the file and line.
TObjectNode ParseFormText(const std::string& text, const std::string& fileName);
// Parses one value as written after "Name =" (for setting properties by name).
TPropValue ParsePropertyValueText(const std::string& text, const std::string& where);

}  // namespace ui
