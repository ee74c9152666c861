// Filter conditions of grid columns: the condition evaluator, one term with case folding, and the wildcard and comparison matcher.
#pragma once

#include <string>
#include <string_view>

namespace grid {

// A condition is a chain of terms joined by "&" (and) or ";", "^", "|" (or), combined
// strictly from left to right; "(" ... ")" is one operand; operator characters inside
// double quotes belong to the term; blanks outside quotes are ignored and one leading "="
// is dropped. An empty condition matches only the empty cell.
bool EvaluateFilterCondition(std::string_view condition, std::string_view value,
                             bool caseSensitive);
// One term: exactly two double quotes match only the empty cell; else the term is
// matched against the value, both upper-cased unless `caseSensitive`.
bool MatchFilterTerm(std::string_view term, std::string_view value, bool caseSensitive);
// ">", ">=", "<", "<=" comparisons (as numbers, as dates or as texts), "!" negation,
// "*" and "?" wildcards and double-quote quoting. The pattern and the text end at their
// end or at a NUL character.
bool MatchPattern(std::string_view pattern, std::string_view text);

// --- Helpers of the evaluator
std::string RemoveUnquotedBlanks(std::string_view text);
// Position of the ")" at which the counts of ")" and "(" seen so far become equal; 0 when none.
int FindClosingParenthesis(std::string_view text);
// First character of `charSet` with an even number of double quotes before it, and its
// 1-based position; NUL and -1 when none.
char32_t FindUnquotedOperator(std::u32string_view charSet, std::string_view text, int& pos);
// Locale decimal separator as ".", locale thousand separators removed.
std::string NumberTextToInvariant(std::string_view text);
// 1-based position of the first `ch` reached after an even number of double quotes; 0 when none.
int FindUnquotedChar(std::string_view text, char32_t ch);

}  // namespace grid
