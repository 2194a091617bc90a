#pragma once
// Which installed font families stand for the host's four faces on this
// platform. Windows has the host's own faces (or, on newer systems, other
// Japanese faces it ships); elsewhere the IPA fonts take their place.

#include <string>
#include <vector>

namespace orvik::platform {

enum class HostFace { Gothic, Mincho, PGothic, PMincho };

// Family names, UTF-8, best first; the caller takes the first one the
// machine has. The last is the IPA face, which the program's own setup
// installs where it can.
std::vector<std::string> FaceCandidates(HostFace face);

} // namespace orvik::platform
