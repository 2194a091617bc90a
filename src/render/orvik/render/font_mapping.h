#pragma once
// The host's font faces on this machine: "ＭＳ ゴシック", "ＭＳ 明朝",
// "ＭＳ Ｐゴシック", "ＭＳ Ｐ明朝" (also in the "<...>" form the host writes,
// and in Latin letters) map onto the families the platform names for them:
// the faces themselves where installed (Windows), else IPA Gothic, IPA
// Mincho, IPA P Gothic and IPA P Mincho. A leading "@" marks vertical
// writing. Any other face this machine has is used as it is; the rest fall
// back to the Gothic face.

#include <QString>

namespace orvik::render {

struct MappedFace {
  QString family;
  bool vertical = false; // full-width characters stand upright
};

MappedFace MapFace(const QString &face);

} // namespace orvik::render
