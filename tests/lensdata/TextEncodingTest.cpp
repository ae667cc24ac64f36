// SPDX-License-Identifier: MIT
#include "TextEncoding.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Bytes below 0x80 and from 0xA0 are their own code points; 0x80..0x9F go
// through the table, whose unassigned entries stay C1 controls. Expected
// UTF-8 bytes from the Windows-1252 code chart.
TEST(Windows1252, ByteRangesAndTheirEdges)
{
    using namespace std::string_literals;
    EXPECT_EQ(decodeWindows1252("A\0\x7F"s), "A\0\x7F"s);
    EXPECT_EQ(decodeWindows1252("\x80\x81\x8A\x9F"), "\xE2\x82\xAC\xC2\x81\xC5\xA0\xC5\xB8"); // € U+0081 Š Ÿ
    EXPECT_EQ(decodeWindows1252("\xA0\xC4\xFC\xFF"), "\xC2\xA0\xC3\x84\xC3\xBC\xC3\xBF");     // NBSP Ä ü ÿ
}

} // namespace
