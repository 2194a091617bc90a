// Outside Windows the host's faces do not exist; the IPA fonts have the
// same metrics and character set.

#include "orvik/platform/font_faces.h"

namespace orvik::platform {

std::vector<std::string> FaceCandidates(HostFace face) {
  switch (face) {
  case HostFace::Mincho:
    return {"IPAMincho"};
  case HostFace::PGothic:
    return {"IPAPGothic"};
  case HostFace::PMincho:
    return {"IPAPMincho"};
  case HostFace::Gothic:
    break;
  }
  return {"IPAGothic"};
}

} // namespace orvik::platform
