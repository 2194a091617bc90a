#include "orvik/render/image_reference.h"

#include "orvik/util/lenient_number.h"
#include "orvik/util/sjis_text.h"

namespace orvik::render {

bool ParseImageReference(std::string_view text, ImageReference &ref) {
  if (text.substr(0, 4) != "^@BM")
    return false;
  // Commas count only as characters of their own, never as the second
  // byte of a two-byte one.
  const std::size_t comma = FindCharacter(text, ',');
  if (comma == std::string_view::npos)
    return false;
  ref = ImageReference{};
  ref.file = text.substr(4, comma - 4);
  ref.has_size = comma + 1 < text.size();
  const std::size_t second = FindCharacter(text, ',', comma + 1);
  ref.width = StrToFloatZ(text.substr(comma + 1, second - (comma + 1)));
  if (second == std::string_view::npos) {
    ref.height = ref.width;
  } else {
    const std::size_t third = FindCharacter(text, ',', second + 1);
    ref.height = StrToFloatZ(text.substr(second + 1, third - (second + 1)));
  }
  return true;
}

} // namespace orvik::render
