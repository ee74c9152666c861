// Number-format sections: splitting a format at ";", section conditions, and which section shows a value.
#include "grid/core/esgxlsfmtImpl.h"

#include <algorithm>

namespace grid::xlsfmt {
namespace {

enum class TCompare { LessEq, NotEqual, Less, Equal, GreaterEq, Greater };

// Operators of a condition, longest first so that "<=" is not read as "<".
struct TConditionOperator {
    std::string_view Text;
    TCompare Compare;
};
constexpr TConditionOperator kOperators[] = {
    {"<=", TCompare::LessEq}, {"<>", TCompare::NotEqual}, {"<", TCompare::Less},
    {"=", TCompare::Equal},   {">=", TCompare::GreaterEq}, {">", TCompare::Greater},
};

bool Holds(TCompare compare, double x, double n) {
    switch (compare) {
        case TCompare::LessEq: return x <= n;
        case TCompare::NotEqual: return x != n;
        case TCompare::Less: return x < n;
        case TCompare::Equal: return x == n;
        case TCompare::GreaterEq: return x >= n;
        case TCompare::Greater: return x > n;
    }
    return false;
}

// Reads a condition such as ">=100" (the text between "[" and "]") for `x`.
// Answers false when the text is no condition.
bool ReadCondition(std::string_view text, double x, TResultCondition& condition) {
    for (const TConditionOperator& op : kOperators) {
        if (text.substr(0, op.Text.size()) != op.Text) continue;
        double n = 0;
        if (!ParseFloatNeutral(std::string(text.substr(op.Text.size())), n)) return false;
        const bool holds = Holds(op.Compare, x, n);
        bool supressNeg = false;
        bool supressNegComp = false;
        switch (op.Compare) {
            case TCompare::LessEq:
            case TCompare::Less:
                supressNeg = n <= 0;
                supressNegComp = true;
                break;
            case TCompare::NotEqual: supressNegComp = true; break;
            case TCompare::Equal: supressNeg = true; break;
            case TCompare::GreaterEq:
            case TCompare::Greater: supressNegComp = n <= 0; break;
        }
        condition = BuildResultCondition(supressNeg, supressNegComp, !holds, true);
        return true;
    }
    return false;
}

}  // namespace

TXlsSections SplitXlsSections(std::string_view format, double x) {
    TXlsSections result;
    std::size_t start = 0;
    bool quoted = false;
    std::size_t i = 0;
    const std::size_t n = format.size();
    while (i < n) {
        const char c = format[i];
        if (quoted) {
            if (c == '"') quoted = false;
            ++i;
        } else if (c == '"') {
            quoted = true;
            ++i;
        } else if (c == '\\') {
            i += 2;
        } else if (c == '[') {
            const std::size_t close = format.find(']', i + 1);
            const std::size_t end = close == std::string_view::npos ? n : close;
            if (n - i > 2) {
                TResultCondition condition;
                if (ReadCondition(format.substr(i + 1, end - i - 1), x, condition))
                    result.Conditions[static_cast<std::size_t>(result.Count)] = condition;
            }
            i = end == n ? n : end + 1;
        } else if (c == ';') {
            result.Text[static_cast<std::size_t>(result.Count)] = format.substr(start, i - start);
            ++result.Count;
            start = i + 1;
            ++i;
            // The fourth section ends the format; what follows its ";" is ignored.
            if (result.Count == 4) return result;
        } else {
            ++i;
        }
    }
    result.Text[static_cast<std::size_t>(result.Count)] = format.substr(std::min(start, n));
    ++result.Count;
    return result;
}

int ChooseXlsSection(const TXlsSections& sections, double x, bool& suppressNeg) {
    const TResultConditionArray& c = sections.Conditions;
    const int count = sections.Count;
    int chosen = -1;
    suppressNeg = false;
    for (int k = 0; k < count; ++k) {
        const TResultCondition& cond = c[static_cast<std::size_t>(k)];
        if (cond.Assigned && !cond.Complement) {
            chosen = k;
            suppressNeg = cond.SupressNeg;
            break;
        }
    }
    if (chosen < 0) {
        if (c[0].Assigned || (x <= 0 && count > 1 && (x != 0 || count > 2))) {
            if (!c[1].Assigned && (x < 0 || count <= 2)) {
                chosen = 1;
                suppressNeg = count == 2 && c[0].Assigned ? c[0].SupressNegComp : true;
            } else {
                chosen = c[2].Assigned ? 3 : 2;
            }
        } else {
            chosen = 0;
        }
    }
    return chosen < count ? chosen : -1;
}

}  // namespace grid::xlsfmt
