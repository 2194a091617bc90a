#include "orvik/render/sjis_codec.h"

#include "orvik/util/sjis_text.h"

namespace orvik::render {
namespace {

// ICU's CP932 converter marks an invalid sequence with U+001A (SUB). Texts
// in the model never hold control bytes, so every SUB is such a mark.
constexpr char16_t kSubstitute = 0x001A;

} // namespace

SjisDecoder::SjisDecoder()
    : decoder_("windows-31j", QStringConverter::Flag::Stateless) {}

QString SjisDecoder::Decode(std::string_view sjis) {
  QString text = decoder_.decode(
      QByteArrayView(sjis.data(), static_cast<qsizetype>(sjis.size())));
  decoder_.resetState();
  text.replace(QChar(kSubstitute), QChar::ReplacementCharacter);
  if (EndsInLoneLeadByte(sjis))
    text.append(QChar::ReplacementCharacter);
  return text;
}

QString DecodeSjis(std::string_view sjis) { return SjisDecoder().Decode(sjis); }

std::string SjisToUtf8(std::string_view sjis) {
  return DecodeSjis(sjis).toStdString();
}

} // namespace orvik::render
