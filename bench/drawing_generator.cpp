#include "drawing_generator.h"

#include "generator_vocabulary.h"
#include "pen_drift.h"
#include "realistic_generator.h"
#include "record_emitter.h"
#include "sheet_coordinates.h"
#include "sheet_layout.h"
#include "split_mix.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace orvik::bench {
namespace {

class Generator {
public:
  Generator(const DrawingOptions &options, const DrawingSink &sink)
      : rng_(options.seed), out_(sink), total_(options.elements),
        styles_(kBaseStyles) {}

  void Run() {
    out_.Head();
    while (written_ < total_) {
      Step();
      out_.FlushFullPiece();
    }
    out_.FlushRest();
  }

private:
  // Applies the role's layer, colour and line type, letting them drift.
  void UseStyle(Role role) {
    Style &s = styles_[role];
    if (rng_.Chance(0.004)) {
      DriftPen(rng_, s.colour, s.line_type);
    } else if (rng_.Chance(0.01)) {
      s = kBaseStyles[role];
    }
    out_.UseLayer(sheet_.SheetGroup(), s.layer);
    out_.UseColour(s.colour);
    out_.UseLineType(s.line_type);
  }

  void MaybeZFlags() {
    if (!rng_.Chance(0.003))
      return;
    const std::int64_t first = rng_.Between(1, 5);
    out_.Put("z");
    out_.Int(first);
    out_.End();
    if (rng_.Chance(0.3)) {
      out_.Put("z");
      out_.Int(rng_.Between(1, 5));
      out_.End();
    }
  }

  // ---- elements ----

  // Elements come in runs of one kind, as drafters draw them: the kind is
  // drawn anew for one step in five, which keeps the mix of kKindWeights.
  void Step() {
    if (!rng_.Chance(0.8))
      kind_ = PickKind();
    MaybeZFlags();
    switch (kind_) {
    case Kind::Line:
      LineStep();
      return;
    case Kind::Circle:
      Circle();
      break;
    case Kind::Arc:
      Arc();
      break;
    case Kind::Point:
      Point(false);
      break;
    case Kind::PointEx:
      Point(true);
      break;
    case Kind::Text:
      Text();
      break;
    case Kind::Dim:
      Dim();
      break;
    case Kind::Block:
      Block();
      break;
    case Kind::Solid2:
    case Kind::Solid3:
    case Kind::Solid4:
      Solid(kind_);
      break;
    case Kind::SolidSc:
    case Kind::SolidSe:
    case Kind::SolidSo:
    case Kind::SolidSg:
      ArcSolid(kind_);
      break;
    }
    ++written_;
  }

  Kind PickKind() {
    std::int64_t w = rng_.Below(1000);
    for (const KindWeight &k : kKindWeights) {
      if (w < k.weight)
        return k.kind;
      w -= k.weight;
    }
    return Kind::Line;
  }

  void LineRecord(double x1, double y1, double x2, double y2,
                  bool leading_blank) {
    if (leading_blank)
      out_.Blank();
    out_.Real(x1);
    out_.Reals({y1, x2, y2});
    out_.End();
  }

  void LineStep() {
    if (rng_.Chance(0.1))
      line_role_ = static_cast<Role>(rng_.Below(4));
    UseStyle(line_role_);
    if (total_ - written_ >= 3 && rng_.Chance(0.01)) {
      Polyline();
      return;
    }
    switch (line_role_) {
    case kGridRole: {
      if (rng_.Chance(0.5)) {
        const double x = sheet_.GridX();
        LineRecord(x, sheet_.OriginY() - 910, x, sheet_.OriginY() + 15470,
                   true);
      } else {
        const double y = sheet_.GridY();
        LineRecord(sheet_.OriginX() - 910, y, sheet_.OriginX() + 19110, y,
                   true);
      }
      break;
    }
    case kWallRole: {
      const double length =
          kGrid * rng_.Between(1, 12) + rng_.Pick(kWallOffsets);
      if (rng_.Chance(0.5)) {
        const double x = sheet_.WallX(), y = sheet_.WallY();
        LineRecord(x, y, x + length, y, true);
      } else {
        const double x = sheet_.WallX(), y = sheet_.WallY();
        LineRecord(x, y, x, y + length, true);
      }
      break;
    }
    case kFittingRole: {
      const double x = sheet_.FineX(), y = sheet_.FineY();
      const double length = sheet_.FineLength(30, 2000);
      if (rng_.Chance(0.5))
        LineRecord(x, y, x + length, y, true);
      else
        LineRecord(x, y, x, y - length, true);
      break;
    }
    default: {
      const double x = sheet_.FineX(), y = sheet_.FineY();
      const double a = sheet_.Angle(), length = sheet_.FineLength(50, 3000);
      LineRecord(x, y, x + length * std::cos(a), y + length * std::sin(a),
                 true);
      break;
    }
    }
    ++written_;
  }

  // A run of connected lines behind "pl", written without leading blanks.
  void Polyline() {
    out_.Put("pl\r\n");
    const std::size_t count = std::min<std::size_t>(
        static_cast<std::size_t>(rng_.Between(3, 8)), total_ - written_);
    double x = sheet_.FineX(), y = sheet_.FineY();
    for (std::size_t i = 0; i < count; ++i) {
      const double a = sheet_.Angle(), length = sheet_.FineLength(100, 1500);
      const double nx = x + length * std::cos(a), ny = y + length * std::sin(a);
      LineRecord(x, y, nx, ny, false);
      x = nx;
      y = ny;
    }
    written_ += count;
  }

  void Circle() {
    UseStyle(kFurnitureRole);
    out_.Put("ci");
    if (rng_.Chance(0.5))
      out_.Reals({sheet_.WallX(), sheet_.WallY(),
                  25.0 * static_cast<double>(rng_.Between(2, 16))});
    else
      out_.Reals({sheet_.FineX(), sheet_.FineY(), sheet_.FineLength(20, 1200)});
    out_.End();
  }

  void Arc() {
    UseStyle(kFittingRole);
    out_.Put("ci");
    if (rng_.Chance(0.6)) {
      // A door swing: a quarter circle from a jamb.
      constexpr std::array<double, 6> kLeafWidths{600, 700, 780, 800, 850, 900};
      const double start = 90.0 * static_cast<double>(rng_.Below(4));
      out_.Reals({sheet_.WallX(), sheet_.WallY(), rng_.Pick(kLeafWidths), start,
                  start + 90, 1, 0});
    } else {
      const double start = rng_.Unit() * 360, sweep = 10 + rng_.Unit() * 300;
      const double flatness = rng_.Chance(0.7) ? 1 : 0.3 + rng_.Unit() * 0.6;
      const double tilt = flatness == 1 ? 0 : rng_.Unit() * 180;
      out_.Reals({sheet_.FineX(), sheet_.FineY(), sheet_.FineLength(100, 3000),
                  start, std::fmod(start + sweep, 360.0), flatness, tilt});
    }
    out_.End();
  }

  void Point(bool extended) {
    out_.UseLayer(sheet_.SheetGroup(), styles_[kPointRole].layer);
    if (rng_.Chance(0.02))
      point_colour_wanted_ = static_cast<int>(rng_.Between(1, 9));
    out_.UsePointColour(point_colour_wanted_);
    out_.Put("pt");
    out_.Reals({sheet_.FineX(), sheet_.FineY()});
    if (extended) {
      constexpr std::array<double, 4> kMarkScales{1, 1, 2, 0.5};
      constexpr std::array<double, 4> kMarkAngles{0, 0, 45, 30};
      out_.Reals({rng_.Pick(kMarkScales), rng_.Pick(kMarkAngles)});
      out_.Blank();
      out_.Int(rng_.Chance(0.9) ? rng_.Between(0, 11) : rng_.Between(-7, -1));
    }
    out_.End();
  }

  // Length in millimetres of `text` drawn with a text kind at the sheet's
  // scale: a two-byte character is one width, a one-byte one half.
  double TextLength(std::string_view text, double width, double spacing) {
    double units = 0;
    int characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i, ++characters) {
      const auto c = static_cast<unsigned char>(text[i]);
      if ((c >= 0x80 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC)) {
        units += 1;
        ++i;
      } else {
        units += 0.5;
      }
    }
    return (units * width + spacing * (characters - 1)) *
           kGroupScales[static_cast<std::size_t>(sheet_.SheetGroup())];
  }

  void TextWidth(int kind, double &width, double &spacing) const {
    if (kind == 0) {
      width = custom_width_;
      spacing = 0.5;
    } else {
      width = kTextWidths[static_cast<std::size_t>(kind - 1)];
      spacing = kTextSpacings[static_cast<std::size_t>(kind - 1)];
    }
  }

  void TextRecord(std::string_view key, double x, double y, double dx,
                  double dy, std::string_view text) {
    out_.Put(key);
    out_.Reals({x, y, dx, dy});
    out_.Put(" \"");
    out_.Put(text);
    out_.End();
  }

  void Text() {
    out_.UseLayer(sheet_.SheetGroup(), styles_[kTextRole].layer);
    if (rng_.Chance(0.08)) {
      const std::int64_t k = rng_.Below(20);
      text_kind_wanted_ = k < 1    ? 0
                          : k < 14 ? static_cast<int>(k % 3 + 3)
                                   : static_cast<int>(k % 10 + 1);
      if (text_kind_wanted_ == 0)
        custom_width_ = 1.5 + 0.5 * static_cast<double>(rng_.Below(8));
    }
    out_.UseTextKind(text_kind_wanted_, custom_width_);
    if (rng_.Chance(0.03))
      cc_wanted_ = rng_.Chance(0.5) ? 0 : static_cast<int>(rng_.Between(1, 8));
    out_.UseCc(cc_wanted_);
    if (rng_.Chance(0.005))
      font_wanted_ = 1 - font_wanted_;
    out_.UseFont(font_wanted_);

    const std::string_view text = rng_.Pick(kTexts);
    double width = 0, spacing = 0;
    TextWidth(out_.text_kind(), width, spacing);
    const double length = TextLength(text, width, spacing);
    const std::int64_t shape = rng_.Below(100);
    std::string_view key = "ch";
    double dx = length, dy = 0;
    if (shape < 6) {
      key = "cv";
      dx = 0;
      dy = -length;
    } else if (shape < 12) {
      key = rng_.Pick(kOtherTextKeys);
    } else if (shape < 18) {
      dx = 0;
      dy = length;
    } else if (shape < 22) {
      const double a = sheet_.Angle();
      dx = length * std::cos(a);
      dy = length * std::sin(a);
    }
    // Drawn in this order, named, so that no argument order decides them.
    const double y = sheet_.FineY();
    const double x = sheet_.FineX();
    TextRecord(key, x, y, dx, dy, text);
  }

  // "msg", the dimension line, and its "cs" text with the measured length.
  void Dim() {
    UseStyle(kDimRole);
    out_.UseTextKind(2, custom_width_);
    out_.UseCc(0);
    out_.UseFont(font_wanted_);
    const double length = rng_.Chance(0.8)
                              ? kGrid * static_cast<double>(rng_.Between(1, 16))
                              : sheet_.FineLength(100, 5000);
    const bool horizontal = rng_.Chance(0.6);
    const double x = sheet_.GridX(), y = sheet_.GridY();
    const double x2 = horizontal ? x + length : x;
    const double y2 = horizontal ? y : y + length;
    out_.Put("msg\r\n");
    LineRecord(x, y, x2, y2, true);

    char digits[32];
    const auto r = std::to_chars(digits, digits + sizeof digits, length,
                                 std::chars_format::general, 15);
    const std::string_view text(digits,
                                static_cast<std::size_t>(r.ptr - digits));
    const double text_length =
        TextLength(text, kTextWidths[1], kTextSpacings[1]);
    const double offset =
        2.5 * kGroupScales[static_cast<std::size_t>(sheet_.SheetGroup())] / 2;
    if (horizontal)
      TextRecord("cs", (x + x2 - text_length) / 2, y + offset, text_length, 0,
                 text);
    else
      TextRecord("cs", x - offset, (y + y2 - text_length) / 2, 0, text_length,
                 text);
  }

  void Block() {
    UseStyle(kFittingRole);
    out_.Put("BL");
    out_.Reals({sheet_.WallX(), sheet_.WallY()});
    out_.Put(" \"");
    out_.Put(rng_.Pick(kBlockNames));
    out_.End();
  }

  void SolidColour() {
    out_.UseLayer(sheet_.SheetGroup(), styles_[kHatchRole].layer);
    if (rng_.Chance(0.7)) {
      if (rng_.Chance(0.1))
        solid_rgb_wanted_ = rng_.Pick(kSolidRgbs);
      out_.UseSolidColour(solid_rgb_wanted_);
    } else {
      out_.UseColour(styles_[kHatchRole].colour);
    }
  }

  void Solid(Kind kind) {
    SolidColour();
    const double x = sheet_.FineX(), y = sheet_.FineY();
    const double w = sheet_.FineLength(50, 1500),
                 h = sheet_.FineLength(50, 1500);
    out_.Put("sl");
    if (kind == Kind::Solid2)
      out_.Reals({x, y, x + w, y + h});
    else if (kind == Kind::Solid3)
      out_.Reals({x, y, x + w, y, x + w / 2, y + h});
    else
      out_.Reals({x, y, x + w, y, x + w, y + h, x, y + h});
    out_.End();
  }

  void ArcSolid(Kind kind) {
    SolidColour();
    const double radius = sheet_.FineLength(100, 1500);
    const double flatness = rng_.Chance(0.8) ? 1 : 0.5;
    const double tilt = rng_.Chance(0.8) ? 0 : sheet_.Angle();
    const double start = sheet_.Angle(), sweep = 0.2 + rng_.Unit() * 5;
    switch (kind) {
    case Kind::SolidSc:
    case Kind::SolidSe: {
      constexpr std::array<int, 4> kScCodes{100, 5, 0, -1};
      constexpr std::array<int, 2> kSeCodes{100, 0};
      out_.Put(kind == Kind::SolidSc ? "sc" : "se");
      out_.Reals({sheet_.FineX(), sheet_.FineY(), radius, flatness, tilt, start,
                  sweep});
      out_.Blank();
      out_.Int(kind == Kind::SolidSc ? rng_.Pick(kScCodes)
                                     : rng_.Pick(kSeCodes));
      break;
    }
    default:
      out_.Put(kind == Kind::SolidSo ? "so" : "sg");
      out_.Reals({sheet_.FineX(), sheet_.FineY(), radius, flatness, tilt, start,
                  sweep, radius * (0.2 + 0.6 * rng_.Unit())});
      break;
    }
    out_.End();
  }

  Random rng_;
  RecordEmitter out_;
  const std::size_t total_;
  std::size_t written_ = 0;
  SheetCoordinates sheet_{rng_, written_};

  std::array<Style, kRoleCount> styles_;
  Kind kind_ = Kind::Line;
  Role line_role_ = kWallRole;
  int text_kind_wanted_ = 3, cc_wanted_ = 0, point_colour_wanted_ = 1;
  double custom_width_ = 2.5;
  std::size_t font_wanted_ = 0;
  std::int64_t solid_rgb_wanted_ = 0xC0C0C0;
};

} // namespace

std::string_view ShapeName(Shape shape) {
  return shape == Shape::Realistic ? "realistic" : "plain";
}

bool ParseShape(std::string_view name, Shape &shape) {
  for (Shape s : {Shape::Plain, Shape::Realistic}) {
    if (name == ShapeName(s)) {
      shape = s;
      return true;
    }
  }
  return false;
}

void GenerateDrawing(const DrawingOptions &options, const DrawingSink &sink) {
  if (options.shape == Shape::Realistic)
    GenerateRealisticDrawing(options, sink);
  else
    Generator(options, sink).Run();
}

std::string GenerateDrawingImage(const DrawingOptions &options) {
  std::string image;
  GenerateDrawing(options,
                  [&image](std::string_view piece) { image.append(piece); });
  return image;
}

bool WriteDrawingFile(const DrawingOptions &options, const std::string &path) {
  std::FILE *file = std::fopen(path.c_str(), "wb");
  if (file == nullptr)
    return false;
  bool ok = true;
  GenerateDrawing(options, [&](std::string_view piece) {
    if (ok && std::fwrite(piece.data(), 1, piece.size(), file) != piece.size())
      ok = false;
  });
  ok = std::fclose(file) == 0 && ok;
  if (!ok) {
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
  }
  return ok;
}

} // namespace orvik::bench
