#include "orvik/render/sjis_codec.h"

#include <gtest/gtest.h>

namespace orvik::render {
namespace {

// NEC and IBM extension characters decode, as code page 932 has them.
TEST(SjisCodec, DecodesCp932Extensions) {
  EXPECT_EQ(DecodeSjis("\x87\x40"), QString::fromUtf8("\xE2\x91\xA0")); // ①
  EXPECT_EQ(DecodeSjis("\x87\x75"), QString::fromUtf8("\xE3\x8E\xA1")); // ㎡
  EXPECT_EQ(DecodeSjis("\xFB\xFC"), QString::fromUtf8("\xE9\xAB\x99")); // 髙
  EXPECT_EQ(DecodeSjis("\x82\xA0"
                       "A\xB1"),
            QString::fromUtf8("\xE3\x81\x82"
                              "A\xEF\xBD\xB1")); // あAｱ
}

TEST(SjisCodec, InvalidBytesBecomeReplacementCharacters) {
  const QString bad = DecodeSjis("A\xFF"
                                 "B\x82");
  EXPECT_EQ(bad, QString("A") + QChar::ReplacementCharacter + "B" +
                     QChar::ReplacementCharacter);
}

TEST(SjisCodec, OneDecoderServesManyTexts) {
  SjisDecoder decoder;
  EXPECT_EQ(decoder.Decode("\x82"), QString(QChar::ReplacementCharacter));
  EXPECT_EQ(decoder.Decode("\x82\xA0"), QString::fromUtf8("\xE3\x81\x82"));
  EXPECT_EQ(SjisToUtf8("\x8E\xFB\x94\x5B"), "\xE5\x8F\x8E\xE7\xB4\x8D"); // 収納
}

} // namespace
} // namespace orvik::render
