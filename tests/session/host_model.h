#pragma once
// A model of the host around an external transformation, as the host's own
// documentation describes it: the batch file's directives, what the host
// hands over for them, what "hd" deletes and what the result then draws.
// It reads files with a parser of its own, apart from Orvik's reader, so
// that the two cannot share a mistake.
//
// An element is held as one text: its kind, every attribute the file
// carries for that kind (from the running records before it) and its
// values. Numbers are compared as the doubles they read as, so "1e+06"
// and "1E6" are the same value; texts and names as their bytes.

#include <string>
#include <string_view>
#include <vector>

namespace orvik::test {

// The directives of a batch file in their order, each without its "#":
// "jww", "h1", "ht2", "1", ... A "#" counts only within the first 10
// bytes of its line; "#e" ends the directives and is not listed.
struct BatchDirectives {
  std::vector<std::string> names;
  bool Has(std::string_view name) const;
};
BatchDirectives ReadBatchDirectives(std::string_view batch_file);

struct HostElement {
  std::string text; // kind, attributes and values
  int curve = 0;    // the curve object it belongs to; 0 for none
  bool block = false;
};
using HostDrawing = std::vector<HostElement>;

// The elements a file draws, as the host reads it.
HostDrawing HostReads(std::string_view file);

// The exchange file the host writes for a drawing that `full` holds with
// every record the host knows, under `d`: line widths only with "zw", z
// attributes only with "zz", base points only with "zc", fonts, blocks
// and dimension objects only with "jww".
std::string HostHandsOver(std::string_view full, const BatchDirectives &d);

// The host's drawing after it takes `result` back: "hq" and a lone
// message change nothing; "hd" deletes `selection` but for what the
// directives protect ("ht1" blocks, "ht2" curve objects), and then the
// result's elements are drawn.
HostDrawing AfterTransformation(const HostDrawing &selection,
                                const BatchDirectives &d,
                                std::string_view result);

// How `actual` differs from `expected`, a line for each element missing,
// added or in another curve object; empty when they hold the same.
std::vector<std::string> Differences(const HostDrawing &expected,
                                     const HostDrawing &actual);

} // namespace orvik::test
