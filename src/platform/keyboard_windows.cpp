// GetAsyncKeyState: the key's state at the moment of the call.

#include "orvik/platform/keyboard.h"

#include <windows.h>

namespace orvik::platform {

struct EscapeKeyReader::Impl {};

EscapeKeyReader::EscapeKeyReader() = default;
EscapeKeyReader::~EscapeKeyReader() = default;

bool EscapeKeyReader::IsDown() {
  return (::GetAsyncKeyState(VK_ESCAPE) & 0x8000) != 0;
}

bool SystemBeep() { return ::MessageBeep(MB_OK) != 0; }

} // namespace orvik::platform
