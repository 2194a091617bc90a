// Code page 932 from ICU's windows-31j converter (the table Qt uses too).

#include "cp932_impl.h"

#include <unicode/ucnv.h>

namespace orvik::platform {

SystemCodePage::SystemCodePage() {
  UErrorCode status = U_ZERO_ERROR;
  UConverter *c = ucnv_open("windows-31j", &status);
  if (U_SUCCESS(status))
    converter_ = c;
}

SystemCodePage::~SystemCodePage() {
  if (converter_ != nullptr)
    ucnv_close(static_cast<UConverter *>(converter_));
}

// ICU marks what it cannot map with U+FFFD or, for some sequences, U+001A;
// a pair that is no single character is unmapped as well.
char16_t SystemCodePage::Decode(unsigned char lead, unsigned char trail) const {
  if (converter_ == nullptr)
    return 0xFFFD;
  auto *c = static_cast<UConverter *>(converter_);
  const char bytes[2] = {static_cast<char>(lead), static_cast<char>(trail)};
  UChar out[4];
  UErrorCode status = U_ZERO_ERROR;
  ucnv_reset(c);
  const int32_t n = ucnv_toUChars(c, out, 4, bytes, 2, &status);
  if (U_FAILURE(status) || n != 1 || out[0] == 0x001A)
    return 0xFFFD;
  return static_cast<char16_t>(out[0]);
}

} // namespace orvik::platform
