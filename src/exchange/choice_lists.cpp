#include "orvik/exchange/choice_lists.h"

#include "orvik/util/real_format.h"

#include <array>
#include <cstdint>

namespace orvik::exchange {
namespace {

// Shift-JIS item stems.
constexpr char kCurrentColour[] =
    "\x8C\xBB\x8D\xDD\x90\xFC\x90\x46";        // 現在線色
constexpr char kColour[] = "\x90\xFC\x90\x46"; // 線色
constexpr char kCurrentType[] = "\x8C\xBB\x8D\xDD\x90\xFC\x8E\xED"; // 現在線種
constexpr char kType[] = "\x90\xFC\x8E\xED";                        // 線種
constexpr char kRandom[] =
    "\x83\x89\x83\x93\x83\x5F\x83\x80\x90\xFC"; // ランダム線
constexpr char kDouble[] = "\x94\x7B\x92\xB7\x90\xFC\x8E\xED"; // 倍長線種
constexpr char kSxf[] = "SXF-";

void AddNumbered(std::vector<std::string> &items, const char *stem, int last) {
  for (int i = 1; i <= last; ++i) {
    std::string item = stem;
    AppendInt(item, i);
    items.push_back(std::move(item));
  }
}

// Screen colours of pens 1..9 and SXF colours 101..116.
constexpr std::array<Colour32, 9> kPenColours = {
    MakeColour(0, 192, 192),  MakeColour(0, 0, 0),
    MakeColour(0, 192, 0),    MakeColour(192, 192, 0),
    MakeColour(192, 0, 192),  MakeColour(0, 0, 255),
    MakeColour(0, 128, 128),  MakeColour(255, 0, 128),
    MakeColour(255, 128, 255)};
constexpr std::array<Colour32, 16> kSxfColours = {
    MakeColour(0, 0, 0),       MakeColour(255, 0, 0),
    MakeColour(0, 255, 0),     MakeColour(0, 0, 255),
    MakeColour(255, 255, 0),   MakeColour(255, 0, 255),
    MakeColour(0, 255, 255),   MakeColour(0, 0, 0), // white, shown black
    MakeColour(192, 0, 128),   MakeColour(192, 128, 64),
    MakeColour(255, 128, 0),   MakeColour(128, 192, 128),
    MakeColour(0, 128, 255),   MakeColour(128, 64, 255),
    MakeColour(192, 192, 192), MakeColour(128, 128, 128)};

// index + delta, saturating: positions come from the settings file and may
// be anything.
std::int32_t Shifted(std::int32_t index, std::int32_t delta) {
  const std::int64_t v = std::int64_t{index} + delta;
  return v > INT32_MAX ? INT32_MAX : static_cast<std::int32_t>(v);
}

std::int32_t Resolve(std::int32_t value, std::int32_t mode,
                     std::int32_t (*from_index)(const DrawingModel &,
                                                std::int32_t),
                     const DrawingModel &model) {
  return mode == 1 ? from_index(model, value) : value;
}

} // namespace

std::vector<std::string> ColourListItems() {
  std::vector<std::string> items{kCurrentColour};
  AddNumbered(items, kColour, 9);
  AddNumbered(items, kSxf, 256);
  return items;
}

std::vector<std::string> LineTypeListItems() {
  std::vector<std::string> items{kCurrentType};
  AddNumbered(items, kType, 9);
  AddNumbered(items, kRandom, 5);
  AddNumbered(items, kDouble, 4);
  AddNumbered(items, kSxf, 32);
  return items;
}

std::int32_t ColourFromIndex(const DrawingModel &model, std::int32_t index) {
  if (index < 1)
    return model.Attr.FirstColour;
  if (index <= 9)
    return index;
  return Shifted(index, 101 - 10);
}

std::int32_t LineTypeFromIndex(const DrawingModel &model, std::int32_t index) {
  if (index < 1)
    return model.Attr.FirstLineType;
  if (index <= 9)
    return index;
  if (index <= 18)
    return index - 10 + 11;
  return Shifted(index, 31 - 19);
}

Colour32 ScreenColourOf(std::int32_t colour) {
  if (colour >= 1 && colour <= 9)
    return kPenColours[static_cast<std::size_t>(colour - 1)];
  if (colour >= 101 && colour <= 116)
    return kSxfColours[static_cast<std::size_t>(colour - 101)];
  return MakeColour(0, 0, 0);
}

void SelectColour(PenAttributes &pen, const DrawingModel &model,
                  std::int32_t value, std::int32_t mode) {
  pen.Colour = Resolve(value, mode, ColourFromIndex, model);
}

void SelectPointColour(PenAttributes &pen, const DrawingModel &model,
                       std::int32_t value, std::int32_t mode) {
  pen.PointColour = Resolve(value, mode, ColourFromIndex, model);
}

void SelectLineType(PenAttributes &pen, const DrawingModel &model,
                    std::int32_t value, std::int32_t mode) {
  pen.LineType = Resolve(value, mode, LineTypeFromIndex, model);
}

} // namespace orvik::exchange
