#pragma once
// Marks at the end of a text that stretch or squeeze it:
//  - a final half-width middle dot "･" is dropped and its room spread over
//    the gaps between the remaining characters;
//  - final full-width middle dots "・" likewise;
//  - a final "^" and digit d (1..9) squeezes the text by d half-width units.

#include <string>

namespace orvik::render {

// Removes the marks from `text` (Shift-JIS) and adjusts the full-width
// character width and the spacing (drawing units) as they ask.
void ApplyTrailingMarks(std::string &text, double &width, double &spacing);

} // namespace orvik::render
