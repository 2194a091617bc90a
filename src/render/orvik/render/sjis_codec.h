#pragma once
// Shift-JIS to Unicode, at the boundary where Qt shows or draws a text.
// The code page is CP932 (windows-31j), which has the NEC and IBM extension
// characters (①, ㎡, 髙) that a strict Shift_JIS decoder garbles.

#include <QString>
#include <QStringDecoder>

#include <string>
#include <string_view>

namespace orvik::render {

// Decodes whole texts. Invalid byte sequences (unmapped bytes, a lead byte
// without its second byte) become U+FFFD; decoding never fails. Holds a
// converter, so keep one per user rather than one per text.
class SjisDecoder {
public:
  SjisDecoder();
  QString Decode(std::string_view sjis);

private:
  QStringDecoder decoder_;
};

// One-off conversion with a temporary decoder.
QString DecodeSjis(std::string_view sjis);

// UTF-8 form of a Shift-JIS text, for terminals and JSON.
std::string SjisToUtf8(std::string_view sjis);

} // namespace orvik::render
