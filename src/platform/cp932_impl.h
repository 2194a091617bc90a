#pragma once
// The system's code page 932 for two-byte characters: ICU on POSIX
// systems (cp932_icu.cpp), the Windows API on Windows (cp932_windows.cpp).

namespace orvik::platform {

class SystemCodePage {
public:
  SystemCodePage();
  ~SystemCodePage();
  SystemCodePage(const SystemCodePage &) = delete;
  SystemCodePage &operator=(const SystemCodePage &) = delete;
  // The character of a lead and a trail byte; U+FFFD when unmapped.
  char16_t Decode(unsigned char lead, unsigned char trail) const;

private:
  void *converter_ = nullptr; // the system's converter, where it has one
};

} // namespace orvik::platform
