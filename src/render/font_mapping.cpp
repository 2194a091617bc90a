#include "orvik/render/font_mapping.h"

#include <QFontDatabase>

namespace orvik::render {
namespace {

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
    const char *host_utf8, *latin, *family;
  } kFaces[] = {
      {"MSゴシック", "MSGOTHIC", "IPAGothic"},
      {"MS明朝", "MSMINCHO", "IPAMincho"},
      {"MSPゴシック", "MSPGOTHIC", "IPAPGothic"},
      {"MSP明朝", "MSPMINCHO", "IPAPMincho"},
  };
  for (const auto &f : kFaces)
    if (key == QString::fromUtf8(f.host_utf8) ||
        key == QLatin1String(f.latin)) {
      mapped.family = QString::fromLatin1(f.family);
      return mapped;
    }
  mapped.family = !name.isEmpty() && QFontDatabase::hasFamily(name)
                      ? name
                      : QStringLiteral("IPAGothic");
  return mapped;
}

} // namespace orvik::render
