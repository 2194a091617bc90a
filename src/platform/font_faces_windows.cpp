// The host's faces as they are when installed (Japanese Windows has them);
// else a Japanese face that Windows ships; else IPA, if installed.

#include "orvik/platform/font_faces.h"

namespace orvik::platform {

std::vector<std::string> FaceCandidates(HostFace face) {
  switch (face) {
  case HostFace::Mincho:
    return {"ＭＳ 明朝", "MS Mincho", "Yu Mincho", "IPAMincho"};
  case HostFace::PGothic:
    return {"ＭＳ Ｐゴシック", "MS PGothic",   "Yu Gothic",
            "Meiryo",          "MS UI Gothic", "IPAPGothic"};
  case HostFace::PMincho:
    return {"ＭＳ Ｐ明朝", "MS PMincho", "Yu Mincho", "IPAPMincho"};
  case HostFace::Gothic:
    break;
  }
  return {"ＭＳ ゴシック", "MS Gothic",    "Yu Gothic",
          "Meiryo",        "MS UI Gothic", "IPAGothic"};
}

} // namespace orvik::platform
