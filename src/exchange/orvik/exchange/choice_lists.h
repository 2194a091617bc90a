#pragma once
// The panel's two attribute lists (line colour and line type): their item
// texts, what each position means as a host attribute number, and the
// setters that give new elements' attributes the chosen values.
//
// Position 0 means "the host's current value", the first "lc" / "lt" of
// the file, so the setters must run after the file has been read.

#include "orvik/exchange/model.h"
#include "orvik/util/colour.h"

#include <cstdint>
#include <string>
#include <vector>

namespace orvik::exchange {

// Item texts in Shift-JIS: 266 colour items ("現在線色", "線色1".."線色9",
// "SXF-1".."SXF-256") and 51 line-type items ("現在線種", "線種1".."線種9",
// "ランダム線1".."5", "倍長線種1".."4", "SXF-1".."SXF-32").
std::vector<std::string> ColourListItems();
std::vector<std::string> LineTypeListItems();

// Any position, also one outside the lists: below 1 the file's first
// value; 1..9 the pens 1..9; 10 and up the SXF colours 101 and up.
std::int32_t ColourFromIndex(const DrawingModel &model, std::int32_t index);
// Below 1 the file's first type; 1..9; 10..18 -> 11..19; 19 and up -> 31..
std::int32_t LineTypeFromIndex(const DrawingModel &model, std::int32_t index);

// Display colour of a pen number: pens 1..9 and SXF 101..116; black for
// every other number.
Colour32 ScreenColourOf(std::int32_t colour);

// The colour, point colour or line type of new elements. Mode 1: `value`
// is a list position in `model`'s lists; any other mode: an attribute
// number.
void SelectColour(PenAttributes &pen, const DrawingModel &model,
                  std::int32_t value, std::int32_t mode);
void SelectPointColour(PenAttributes &pen, const DrawingModel &model,
                       std::int32_t value, std::int32_t mode);
void SelectLineType(PenAttributes &pen, const DrawingModel &model,
                    std::int32_t value, std::int32_t mode);

} // namespace orvik::exchange
