// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// Decodes Windows-1252 bytes to UTF-8. Every byte maps to one code point:
// 0x00..0x7F and 0xA0..0xFF are ISO 8859-1, 0x80..0x9F are the code page's
// typographic characters (€, „, “, –, …); the five bytes the code page leaves
// unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the C1 control of the same
// number, as Windows itself decodes them. Never throws except bad_alloc.
std::string decodeWindows1252(std::string_view bytes);
