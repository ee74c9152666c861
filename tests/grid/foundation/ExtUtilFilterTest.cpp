// Tests of column filter conditions: operators, groups, negation, comparisons, wildcards, quoting and case rules.
#include "grid/foundation/ExtUtilFilter.h"

#include "tests/grid/foundation/ExtUtilTestLocale.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <random>

namespace {

using namespace grid;

struct FilterCase {
    const char* condition;
    const char* value;
    bool caseSensitive;
    bool expected;
};

void PrintTo(const FilterCase& c, std::ostream* os)
{
    *os << "condition '" << c.condition << "' value '" << c.value << "'"
        << (c.caseSensitive ? " case-sensitive" : "");
}

class ExtUtilFilterTable : public testing::TestWithParam<FilterCase> {};

TEST_P(ExtUtilFilterTable, EvaluatesTheCondition)
{
    auto locale = gridtest::UsLocale();
    const FilterCase& c = GetParam();
    EXPECT_EQ(EvaluateFilterCondition(c.condition, c.value, c.caseSensitive), c.expected);
}

const FilterCase FilterCases[] = {
    // Comparisons as numbers.
    {">5", "7", true, true},
    {">5", "5", true, false},
    {">=5", "5", true, true},
    {"<10", "9.5", true, true},
    {"<10", "10", true, false},
    {"<=10", "10", true, true},
    {"> 5", "7", true, true},       // blanks outside quotes are ignored
    {"=>3", "4", true, true},       // one leading "=" is dropped
    {"=>3", "3", true, false},
    {">1,000", "1,500", true, true}, // thousand separators do not count
    {">-2", "-1.5", true, true},
    {">=5&<10", "7", true, true},   // a range: two terms joined by "&"
    {">=5&<10", "10", true, false},
    {">=5&<10", "4", true, false},
    {"<5|>10", "12", true, true},
    {"<5|>10", "7", true, false},
    // Comparisons as texts when one side is no number.
    {"<10", "abc", true, false},
    {">b", "c", true, true},
    {">b", "a", true, false},
    {">\"a b\"", "a c", false, true}, // quoted operand with a blank
    // Comparisons as dates.
    {">1/15/2020", "2/1/2020", true, true},
    {">1/15/2020", "1/10/2020", true, false},
    {"<1/15/2020", "12/31/2019", true, true},
    {"<=1/15/2020", "1/15/2020", true, true},
    // Wildcards.
    {"a*", "abc", true, true},
    {"*c", "abc", true, true},
    {"a?c", "abc", true, true},
    {"a?c", "ac", true, false},
    {"a*c", "ac", true, true},
    {"*b*", "abc", true, true},
    {"*x*", "abc", true, false},
    {"a**c", "abbc", true, true},
    {"?", "", true, false},
    {"abc", "abcd", true, false},
    {"abcd", "abc", true, false},
    {"*a*b*a", "abaxxaba", true, true},
    {"*a*b*a", "abaxxab", true, false},
    // Negation.
    {"!a*", "abc", true, false},
    {"!a*", "xyz", true, true},
    {"!abc", "abc", true, false},
    {"!abc", "abd", true, true},
    // Quoting: a doubled quote is one quote; operators in quotes belong to the term.
    {"\"a\"\"b\"", "a\"b", true, true},
    {"\"a|b\"", "a|b", true, true},
    {"\"a|b\"", "a", true, false},
    {"\"a&b\"*", "a&bc", true, true},
    {"\"!x\"", "!x", true, true},
    {"\"a b\"", "a b", true, true},   // a blank inside quotes is kept
    // Operators and groups, strictly left to right.
    {"a*|b*", "bob", true, true},
    {"a*|b*", "cob", true, false},
    {"a*&*z", "abz", true, true},
    {"a*&*z", "ab", true, false},
    {"a*;b*", "bob", true, true},
    {"a*^b*", "bob", true, true},
    {"a*|b*&*z", "az", true, true},
    {"a*|b*&*z", "ab", true, false},   // no precedence: (a* or b*) and *z
    {"(a*|b*)&*z", "bz", true, true},
    {"(a*|b*)&*z", "bx", true, false},
    {"(a*|b*)&*z", "cz", true, false},
    {"x*|(b*&*z)", "bz", true, true},
    {"((a*))", "ab", true, true},
    // Empty values and conditions.
    {"\"\"", "", true, true},
    {"\"\"", "a", true, false},
    {"", "", true, true},
    {"", "a", true, false},
    {"  ", "", true, true},
    // Case rules.
    {"ABC", "abc", false, true},
    {"ABC", "abc", true, false},
    {"ár*", "ÁRVÍZ", false, true},
    {"ár*", "ÁRVÍZ", true, false},
    {"*Ő", "tükörfúrő", false, true},
    // Characters, not bytes, are matched by "?".
    {"?b", "őb", true, true},
    {"??b", "őb", true, false},
};

INSTANTIATE_TEST_SUITE_P(Conditions, ExtUtilFilterTable, testing::ValuesIn(FilterCases));

// Runs the evaluation on a worker and fails (instead of hanging the suite) when it does
// not come back.
bool EvaluateWithin(const std::string& condition, const std::string& value, bool& result)
{
    auto task = std::async(std::launch::async, [condition, value] {
        auto locale = gridtest::UsLocale();
        return EvaluateFilterCondition(condition, value, true);
    });
    if (task.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
        task.wait();
        return false;
    }
    result = task.get();
    return true;
}

TEST(ExtUtilFilter, GroupWithoutClosingParenthesisEndsAndTakesTheRestAsTheGroup)
{
    struct Case { const char* condition; const char* value; bool expected; };
    const Case cases[] = {
        {"(a*|b*", "bob", true},
        {"(a*|b*", "cob", false},
        {"(a*", "ab", true},
        {"(", "", true},
        {"x*|(a*", "ab", true},
        {"x*&(a*", "ab", false},
        {"((a*)|b*", "b", true},
    };
    for (const Case& c : cases) {
        bool result = false;
        ASSERT_TRUE(EvaluateWithin(c.condition, c.value, result)) << c.condition << " did not end";
        EXPECT_EQ(result, c.expected) << c.condition << " against " << c.value;
    }
}

TEST(ExtUtilFilter, MatchFilterTermFoldsCaseUnlessAsked)
{
    auto locale = gridtest::UsLocale();
    EXPECT_TRUE(MatchFilterTerm("\"\"", "", true));
    EXPECT_FALSE(MatchFilterTerm("\"\"", "x", false));
    EXPECT_TRUE(MatchFilterTerm("a*", "ABC", false));
    EXPECT_FALSE(MatchFilterTerm("a*", "ABC", true));
}

TEST(ExtUtilFilter, MatchPatternCombinesComparisonsWithinOnePattern)
{
    auto locale = gridtest::UsLocale();
    // "&" and "^" inside one pattern join the two comparisons.
    EXPECT_TRUE(MatchPattern(">5&<10", "7"));
    EXPECT_FALSE(MatchPattern(">5&<10", "12"));
    EXPECT_TRUE(MatchPattern("<5^>10", "12"));
    EXPECT_FALSE(MatchPattern("<5^>10", "7"));
    // A failed comparison falls back to the wildcard match of the whole pattern.
    EXPECT_TRUE(MatchPattern("<5", "<5"));
    // The pattern and the text end at a NUL character.
    EXPECT_TRUE(MatchPattern(std::string("ab\0cd", 5), "ab"));
    EXPECT_TRUE(MatchPattern("ab", std::string("ab\0x", 4)));
    // A "*" followed by a negated rest: the rest must fail on some tail.
    EXPECT_TRUE(MatchPattern("a*!b", "ab"));
    EXPECT_TRUE(MatchPattern("a*?", "ab"));
}

TEST(ExtUtilFilter, HelpersFindUnquotedCharacters)
{
    EXPECT_EQ(RemoveUnquotedBlanks("a b \"c d\" e"), "ab\"c d\"e");
    EXPECT_EQ(FindClosingParenthesis("(a(b)c)d"), 7);
    EXPECT_EQ(FindClosingParenthesis("(a(b)c"), 0);
    EXPECT_EQ(FindClosingParenthesis("(ő)"), 3);
    int pos = 0;
    EXPECT_EQ(FindUnquotedOperator(U"&|", "\"a|b\"&c", pos), U'&');
    EXPECT_EQ(pos, 6);
    EXPECT_EQ(FindUnquotedOperator(U"&|", "\"a|b\"", pos), U'\0');
    EXPECT_EQ(pos, -1);
    EXPECT_EQ(FindUnquotedChar("\">\">", U'>'), 4);
    EXPECT_EQ(FindUnquotedChar("\">\"", U'>'), 0);
    {
        gridtest::LocaleScope hungarian(',', '.', '.', ':', "yyyy.MM.dd.");
        EXPECT_EQ(NumberTextToInvariant("1.234,5"), "1234.5");
    }
    auto us = gridtest::UsLocale();
    EXPECT_EQ(NumberTextToInvariant("1,234.5"), "1234.5");
}

TEST(ExtUtilFilter, NumbersFollowTheLocaleSeparators)
{
    gridtest::LocaleScope hungarian(',', ' ', '.', ':', "yyyy.MM.dd.");
    EXPECT_TRUE(EvaluateFilterCondition(">2,5", "3,1", true));
    EXPECT_FALSE(EvaluateFilterCondition(">2,5", "2,4", true));
    EXPECT_TRUE(EvaluateFilterCondition("<1000", "999,5", true));
}

// The wildcard walk as first described: after a "*" the rest of the pattern is tried
// against every tail of the text, longest first.
bool ReferenceWildcard(std::u32string_view p, std::u32string_view t)
{
    bool match = true, inQuote = false;
    std::size_t e = 0, g = 0;
    while (match && !(e == p.size() && g == t.size())) {
        const char32_t c = e < p.size() ? p[e] : 0;
        if (e < p.size() && c == U'"' && !inQuote) {
            ++e;
            inQuote = true;
        } else if (e < p.size() && c == U'*') {
            inQuote = false;
            while (e < p.size() && p[e] == U'*') ++e;
            bool found = false;
            for (std::size_t k = t.size() - g + 1; k-- > 0 && !found;)
                found = ReferenceWildcard(p.substr(e), t.substr(t.size() - k));
            if (found) {
                e = p.size();
                g = t.size();
            } else {
                match = false;
            }
        } else if (e < p.size() && c == U'?') {
            if (g < t.size()) {
                ++e;
                ++g;
            } else {
                match = false;
            }
            inQuote = false;
        } else {
            if (e < p.size() && g < t.size() && c == t[g]) {
                ++e;
                ++g;
            } else {
                match = false;
            }
            if (c != U'"') inQuote = false;
        }
    }
    return match;
}

TEST(ExtUtilFilter, WildcardsMatchAsTryingEveryTailWould)
{
    std::mt19937 random(7);
    const char patternChars[] = {'a', 'b', '"', '*', '?'};
    const char textChars[] = {'a', 'b', '"'};
    for (int round = 0; round < 20000; ++round) {
        std::string pattern, text;
        for (int i = static_cast<int>(random() % 8); i > 0; --i) pattern += patternChars[random() % 5];
        for (int i = static_cast<int>(random() % 9); i > 0; --i) text += textChars[random() % 3];
        const std::u32string p(pattern.begin(), pattern.end()), t(text.begin(), text.end());
        ASSERT_EQ(MatchPattern(pattern, text), ReferenceWildcard(p, t)) << "pattern '" << pattern << "' text '" << text << "'";
    }
}

TEST(ExtUtilFilter, ManyStarsOnALongTextStayFast)
{
    auto locale = gridtest::UsLocale();
    const std::string text(2000, 'a');
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(EvaluateFilterCondition("*a*a*a*a*a*a*b", text, true));
    EXPECT_TRUE(EvaluateFilterCondition("*a*a*a*a*a*a*a", text, true));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
}

}  // namespace
