// The system's 8-bit code page (Windows-1250) and text encodings at the file boundary.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace rtl {

// Files are written in Windows-1250 (Central European): "ő" is 0xF5, "Ő" 0xD5,
// "°" 0xB0. Conversion happens only where text meets a file; in memory every
// string is UTF-8. A character the code page lacks becomes "?". The five byte
// values the code page leaves unassigned (0x81, 0x83, 0x88, 0x90, 0x98) read as
// the C1 control characters of the same number, so every byte survives a round
// trip.

// The code point of one Windows-1250 byte.
char32_t Win1250ToUnicode(unsigned char byte);
// The Windows-1250 byte of a code point, or -1 when the code page lacks it.
int UnicodeToWin1250(char32_t ch);

// Whole-text conversions.
std::string Win1250ToUtf8(std::string_view bytes);
std::string Utf8ToWin1250(std::string_view text);

// Appending forms for buffered readers and writers: convert `n` bytes at `p`
// and append the result to `out` (ASCII runs are copied in bulk).
void AppendWin1250AsUtf8(std::string& out, const char* p, std::size_t n);
void AppendUtf8AsWin1250(std::string& out, const char* p, std::size_t n);

// Encodings of text files written through string lists. teAnsi is the system
// code page without a byte-order mark; teUTF8 is UTF-8 with its byte-order mark
// (the class library's UTF-8 encoding), teUTF8NoBOM without; teUnicode is
// UTF-16 little-endian with its byte-order mark.
enum class TTextEncoding { teAnsi, teUTF8, teUTF8NoBOM, teUnicode };

// Encodes UTF-8 text for a file in `encoding`, byte-order mark included.
std::string EncodeText(std::string_view text, TTextEncoding encoding);

// Decodes a file's bytes to UTF-8: a UTF-8 or UTF-16 (LE/BE) byte-order mark
// selects that encoding (and is dropped), otherwise the bytes are read in the
// code page. `detected`, when given, receives what was found.
std::string DecodeText(std::string_view bytes, TTextEncoding* detected = nullptr);

}  // namespace rtl
