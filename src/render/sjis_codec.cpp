#include "orvik/render/sjis_codec.h"

#include "orvik/platform/cp932.h"

namespace orvik::render {

QString DecodeSjis(std::string_view sjis) {
  return QString::fromStdU16String(platform::DecodeCp932(sjis));
}

} // namespace orvik::render
