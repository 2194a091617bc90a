// Code page 932 from the Windows API, which has it whatever the system's
// own code page is.

#include "cp932_impl.h"

#include <windows.h>

namespace orvik::platform {

SystemCodePage::SystemCodePage() = default;
SystemCodePage::~SystemCodePage() = default;

// With MB_ERR_INVALID_CHARS an unmapped pair fails instead of becoming a
// "best fit" character.
char16_t SystemCodePage::Decode(unsigned char lead, unsigned char trail) const {
  const char bytes[2] = {static_cast<char>(lead), static_cast<char>(trail)};
  wchar_t out[4];
  const int n =
      ::MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes, 2, out, 4);
  return n == 1 ? static_cast<char16_t>(out[0]) : char16_t{0xFFFD};
}

} // namespace orvik::platform
