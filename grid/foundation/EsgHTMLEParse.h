// Mini-HTML reading: pre-processing of a whole text, tag recognition, attribute values and run decoding.
#pragma once

#include <string>
#include <string_view>

#include "platform/gfx/Color.h"

namespace grid::html {

// The tags that have an effect, recognised by their deciding letters.
enum class TTagKind {
    Unknown, Bold, Italic, Underline, Strike, Anchor, Font, LineBreak, Rule, Paragraph, UnorderedList,
    OrderedList, ListItem, Indent, Image, Sub, Sup, SubSupEnd, Shadow, Span, Highlight, Error, Hidden, Blink,
    Body, Rotate, Control
};

struct TTag {
    TTagKind Kind = TTagKind::Unknown;
    bool Closing = false;
};

// Recognises a tag text from its "<" (with or without its ">").
TTag RecogniseTag(std::string_view tag);

// Pre-processing of a whole text before layout: named references, "<#" and line breaks.
std::string PreprocessHtml(std::string_view text, bool keepLineBreaks);

// Decodes the references of one text run ("&nbsp;" "&lt;" "&gt;" and the accented table).
std::string DecodeRun(std::string_view run);

// The run as the platform's prefix processing shows it: a single "&" is not shown, "&&"
// shows one "&".
std::string ShownText(std::string_view run);

// The value between the first two double quotes after `name` in the tag (searched without
// case); `found` tells whether the name occurs.
std::string QuotedValue(std::string_view tag, std::string_view name, bool* found = nullptr);
// The text after `name`, an optional "=" and an opening quote (for lenient numbers).
std::string_view ValueAfter(std::string_view tag, std::string_view name, bool* found = nullptr);

// A colour attribute value: "#" hex or a "cl" name, any case.
gfx::TColor ColorValue(std::string_view value);
// FONT SIZE: 1..5 map to 8, 10, 12, 14, 16 points, other numbers are points.
int FontSizeFromValue(int value);

}  // namespace grid::html
