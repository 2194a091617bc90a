// Systems without a keyboard source this program knows: Esc never reads as
// held, so long work simply runs to its end.

#include "orvik/platform/keyboard.h"

namespace orvik::platform {

struct EscapeKeyReader::Impl {};

EscapeKeyReader::EscapeKeyReader() = default;
EscapeKeyReader::~EscapeKeyReader() = default;
bool EscapeKeyReader::IsDown() { return false; }
bool SystemBeep() { return false; }

} // namespace orvik::platform
