#include "orvik/render/font_mapping.h"

#include "orvik/platform/font_faces.h"

#include <QFontDatabase>

#include <array>

namespace orvik::render {
namespace {

using platform::HostFace;

// The family standing for each host face on this machine: the first of the
// platform's candidates that is installed, else the last one (a family Qt
// then substitutes as best it can). Fonts are not installed while the
// program runs, so the choice is made once.
QString FamilyFor(HostFace face) {
  static const std::array<QString, 4> chosen = [] {
    std::array<QString, 4> families;
    for (HostFace f : {HostFace::Gothic, HostFace::Mincho, HostFace::PGothic,
                       HostFace::PMincho}) {
      const std::vector<std::string> candidates = platform::FaceCandidates(f);
      QString &family = families[static_cast<std::size_t>(f)];
      for (const std::string &c : candidates)
        if (QFontDatabase::hasFamily(family = QString::fromStdString(c)))
          break;
    }
    return families;
  }();
  return chosen[static_cast<std::size_t>(face)];
}

// Full-width Latin letters read as their half-width forms and spaces do not
// count, so "ＭＳ　Ｐ明朝" and "MS PMincho" name the same face.
QString Key(const QString &face) {
  QString key = face.normalized(QString::NormalizationForm_KC);
  key.remove(QLatin1Char(' '));
  return key.toUpper();
}

} // namespace

MappedFace MapFace(const QString &face) {
  MappedFace mapped;
  // "@<ＭＳ 明朝>" and "<@ＭＳ 明朝>" alike.
  QString name = face.trimmed();
  for (bool changed = true; changed;) {
    changed = false;
    if (name.startsWith(QLatin1Char('@'))) {
      mapped.vertical = true;
      name.remove(0, 1);
      changed = true;
    }
    if (name.size() >= 2 && name.startsWith(QLatin1Char('<')) &&
        name.endsWith(QLatin1Char('>'))) {
      name = name.mid(1, name.size() - 2);
      changed = true;
    }
  }
  const QString key = Key(name);
  static const struct {
    const char *host_utf8, *latin;
    HostFace face;
  } kFaces[] = {
      {"MSゴシック", "MSGOTHIC", HostFace::Gothic},
      {"MS明朝", "MSMINCHO", HostFace::Mincho},
      {"MSPゴシック", "MSPGOTHIC", HostFace::PGothic},
      {"MSP明朝", "MSPMINCHO", HostFace::PMincho},
  };
  for (const auto &f : kFaces)
    if (key == QString::fromUtf8(f.host_utf8) ||
        key == QLatin1String(f.latin)) {
      mapped.family = FamilyFor(f.face);
      return mapped;
    }
  mapped.family = !name.isEmpty() && QFontDatabase::hasFamily(name)
                      ? name
                      : FamilyFor(HostFace::Gothic);
  return mapped;
}

} // namespace orvik::render
