#include "orvik/session/settings_file.h"

#include "orvik/platform/file_access.h"
#include "orvik/util/lenient_number.h"
#include "orvik/util/real_format.h"

#include <array>
#include <cstdio>
#include <memory>

namespace orvik::session {
namespace {

struct CloseFile {
  void operator()(std::FILE *f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, CloseFile>;

// One line without its CR LF (or lone LF). Returns false at the end of the
// file or on a read error. Only the first 256 bytes of a line are kept, far
// more than any value written here needs; the rest is read past.
bool ReadLine(std::FILE *f, std::string &line) {
  constexpr std::size_t kMaxKept = 256;
  line.clear();
  int c = std::getc(f);
  if (c == EOF)
    return false;
  for (; c != EOF && c != '\n'; c = std::getc(f))
    if (line.size() < kMaxKept)
      line.push_back(static_cast<char>(c));
  if (!line.empty() && line.back() == '\r')
    line.pop_back();
  return !std::ferror(f);
}

} // namespace

bool ReadSettingsFile(const std::filesystem::path &path,
                      const SpacingUnit &unit, WindowSettings &s) {
  s = WindowSettings{};
  File f(platform::OpenRegularFile(path));
  if (!f)
    return false;
  std::array<std::string, 10> lines;
  std::size_t read = 0;
  while (read < lines.size() && ReadLine(f.get(), lines[read]))
    ++read;
  // Past the end of the file a line reads as empty, so as 0; after a read
  // error the fields not yet read keep their defaults instead.
  const bool read_error = std::ferror(f.get()) != 0;
  const auto take = [&](std::size_t i, auto &field, auto value) {
    if (!read_error || i < read)
      field = value;
  };
  take(0, s.SavedLeft, StrToIntZ(lines[0]));
  take(1, s.SavedTop, StrToIntZ(lines[1]));
  take(2, s.SavedWidth, StrToIntZ(lines[2]));
  take(3, s.SavedHeight, StrToIntZ(lines[3]));
  if (s.SavedWidth < kMinWindowWidth)
    s.SavedWidth = kMinWindowWidth;
  if (s.SavedHeight < kMinWindowHeight)
    s.SavedHeight = kMinWindowHeight;
  take(4, s.ColourIndex, StrToIntZ(lines[4]));
  take(5, s.LineTypeIndex, StrToIntZ(lines[5]));
  take(7, s.GridOn, StrToIntZ(lines[7]));
  take(8, s.GridSpacing,
       StrToFloatZ(lines[8]) * (unit.sheet_coords ? 1.0 : unit.drawing_scale));
  // Older files have nine lines: what they lack stays on.
  take(9, s.OneStroke, lines[9] != "0");
  return true;
}

bool WriteSettingsFile(const std::filesystem::path &path,
                       const SpacingUnit &unit, const WindowSettings &s) {
  const auto floor = [](std::int32_t v, std::int32_t least) {
    return v < least ? least : v;
  };
  std::string text;
  const auto add_int = [&text](std::int64_t v) {
    AppendInt(text, v);
    text += "\r\n";
  };
  add_int(s.SavedLeft);
  add_int(s.SavedTop);
  add_int(floor(s.SavedWidth, kMinWindowWidth));
  add_int(floor(s.SavedHeight, kMinWindowHeight));
  add_int(s.ColourIndex);
  add_int(s.LineTypeIndex);
  add_int(0);
  add_int(s.GridOn);
  AppendReal(text, unit.sheet_coords ? s.GridSpacing
                                     : s.GridSpacing / unit.drawing_scale);
  text += "\r\n";
  add_int(s.OneStroke ? 1 : 0);

  return !platform::ReplaceFile(path, [&text](const platform::Sink &sink) {
    return sink(text.data(), text.size());
  });
}

} // namespace orvik::session
