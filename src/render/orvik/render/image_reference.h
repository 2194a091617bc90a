#pragma once
// Image references: texts of the form "^@BM" file name "," width ","
// height [, up to three more values]. The host draws the image there; this
// program shows a hatched placeholder of the image's size.

#include <string>
#include <string_view>

namespace orvik::render {

struct ImageReference {
  std::string file;
  double width = 0;      // paper millimetres
  double height = 0;     // the width again when only one number follows
  bool has_size = false; // something follows the comma
};

// True, with `ref` filled, when the text starts with "^@BM" and contains a
// comma. Numbers read leniently (malformed ones as 0).
bool ParseImageReference(std::string_view text, ImageReference &ref);

} // namespace orvik::render
