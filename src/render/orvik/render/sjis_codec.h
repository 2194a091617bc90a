#pragma once
// Shift-JIS to Unicode, at the boundary where Qt shows or draws a text.
// The code page is CP932 (windows-31j), which has the NEC and IBM extension
// characters (①, ㎡, 髙) that a strict Shift_JIS decoder garbles; the
// platform layer decodes it the same way on every system.

#include <QString>

#include <string>
#include <string_view>

namespace orvik::render {

// Decodes a text. Invalid byte sequences (unmapped pairs, a lead byte
// without its second byte) become U+FFFD; decoding never fails.
QString DecodeSjis(std::string_view sjis);

} // namespace orvik::render
