#pragma once

#include <string>
#include <string_view>

// Files on disk are Windows-1252; text in memory is UTF-8. Conversion happens only at the file
// boundary.
namespace vork {

// Windows-1252 bytes to UTF-8. The five bytes the code page leaves undefined map to U+FFFD.
std::string FromWindows1252(std::string_view bytes);

// UTF-8 to Windows-1252. Characters the code page cannot hold, and malformed UTF-8, become "?".
std::string ToWindows1252(std::string_view utf8);

// Appends one code point, up to U+10FFFF, as UTF-8.
void AppendUtf8(std::string& out, char32_t cp);

// Whether the bytes are well-formed UTF-8: no overlong forms, surrogates or values past U+10FFFF.
bool IsUtf8(std::string_view text);

// Number of characters of a UTF-8 text, which is the number of bytes it takes on disk.
int CharacterCount(std::string_view utf8);

}  // namespace vork
