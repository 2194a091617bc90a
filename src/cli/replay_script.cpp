#include "replay_script.h"

#include "orvik/util/message_text.h"

#include <charconv>
#include <map>
#include <utility>

namespace orvik::cli {
namespace {

using Kind = ReplayCommand::Kind;

// Pixel coordinates well beyond any screen, yet far from overflowing Qt's
// integer geometry.
constexpr int kMaxCoordinate = 1'000'000;
// The drawing area's picture is kept three times (the surface, the last
// render, the pan snapshot), 4 bytes a pixel: at most 768 MiB.
constexpr int kMaxArea = 8192;

const std::map<std::string_view, Kind> &Keywords() {
  static const std::map<std::string_view, Kind> words = {
      {"area", Kind::Area},       {"mode", Kind::Mode},
      {"colour", Kind::Colour},   {"linetype", Kind::LineType},
      {"grid", Kind::Grid},       {"spacing", Kind::Spacing},
      {"press", Kind::Press},     {"move", Kind::Move},
      {"release", Kind::Release}, {"stroke", Kind::Stroke},
      {"click", Kind::Click},     {"path", Kind::Path},
      {"key", Kind::Key},         {"wheel", Kind::Wheel},
      {"hover", Kind::Hover},     {"pen", Kind::Pen},
      {"eraser", Kind::Eraser},   {"touch", Kind::Touch},
      {"png", Kind::Png},         {"overlay", Kind::Overlay},
      {"view", Kind::View},       {"status", Kind::Status},
      {"panel", Kind::Panel},     {"ok", Kind::Ok},
      {"cancel", Kind::Cancel}};
  return words;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The scanners below read with checked access (at): a script is a few
// lines, and a slip past the end of a line then stops the tool with an
// error instead of reading what lies beyond.

// The line without its comment: "#" at the start or after a blank.
std::string_view WithoutComment(std::string_view line) {
  for (std::size_t i = 0; i < line.size(); ++i)
    if (line.at(i) == '#' && (i == 0 || IsBlank(line.at(i - 1))))
      return line.substr(0, i);
  return line;
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.at(0)))
    s.remove_prefix(1);
  while (!s.empty() &&
         (IsBlank(s.at(s.size() - 1)) || s.at(s.size() - 1) == '\r'))
    s.remove_suffix(1);
  return s;
}

std::vector<std::string_view> Words(std::string_view s) {
  std::vector<std::string_view> words;
  std::size_t i = 0;
  while (i < s.size()) {
    while (i < s.size() && IsBlank(s.at(i)))
      ++i;
    const std::size_t start = i;
    while (i < s.size() && !IsBlank(s.at(i)))
      ++i;
    if (i > start)
      words.push_back(s.substr(start, i - start));
  }
  return words;
}

bool ToInt(std::string_view s, int least, int most, int &value) {
  const auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  return ec == std::errc() && ptr == s.data() + s.size() && value >= least &&
         value <= most;
}

std::optional<Button> ButtonNamed(std::string_view w) {
  if (w == "left")
    return Button::Left;
  if (w == "right")
    return Button::Right;
  if (w == "middle")
    return Button::Middle;
  return std::nullopt;
}

bool IsKeyName(std::string_view w) {
  static constexpr std::string_view kNames[] = {
      "Esc",    "PageUp", "PageDown", "Home", "End",
      "Insert", "Left",   "Right",    "Up",   "Down"};
  for (std::string_view n : kNames)
    if (w == n)
      return true;
  return false;
}

// Reads `count` coordinates from words[1..]; false when one is missing or
// not an integer in range.
bool Coordinates(const std::vector<std::string_view> &w, std::size_t count,
                 ReplayCommand &c) {
  if (w.size() < 1 + count)
    return false;
  for (std::size_t i = 1; i <= count; ++i) {
    int v = 0;
    if (!ToInt(w[i], -kMaxCoordinate, kMaxCoordinate, v))
      return false;
    c.numbers.push_back(v);
  }
  return true;
}

// The words after the coordinates of press, move and release.
bool PointerOptions(const std::vector<std::string_view> &w, std::size_t from,
                    ReplayCommand &c) {
  bool button_seen = false;
  for (std::size_t i = from; i < w.size(); ++i) {
    if (const auto b = ButtonNamed(w[i])) {
      if (c.kind == Kind::Move) {
        c.buttons.push_back(*b);
        continue;
      }
      if (button_seen)
        return false;
      button_seen = true;
      c.button = *b;
    } else if (c.kind == Kind::Press && w[i] == "shift") {
      c.shift = true;
    } else if (c.kind == Kind::Press && w[i] == "ctrl") {
      c.ctrl = true;
    } else if (c.kind == Kind::Press && w[i] == "alt") {
      c.alt = true;
    } else {
      return false;
    }
  }
  return true;
}

std::optional<Phase> PhaseNamed(std::string_view w) {
  static constexpr std::pair<std::string_view, Phase> kPhases[] = {
      {"press", Phase::Press}, {"down", Phase::Press},
      {"move", Phase::Move},   {"release", Phase::Release},
      {"up", Phase::Release},  {"hover", Phase::Hover},
      {"leave", Phase::Leave}};
  for (const auto &[name, phase] : kPhases)
    if (w == name)
      return phase;
  return std::nullopt;
}

// pen press|move|release|hover X Y, pen leave; eraser press|release X Y;
// touch down|move|up ID X Y.
bool DeviceArguments(const std::vector<std::string_view> &w, ReplayCommand &c) {
  const std::optional<Phase> phase =
      w.size() >= 2 ? PhaseNamed(w[1]) : std::nullopt;
  if (!phase)
    return false;
  c.phase = *phase;
  const bool touch_word = w[1] == "down" || w[1] == "up";
  const std::vector<std::string_view> rest(w.begin() + 1, w.end());
  switch (c.kind) {
  case Kind::Pen:
    if (c.phase == Phase::Leave)
      return w.size() == 2;
    return !touch_word && w.size() == 4 && Coordinates(rest, 2, c);
  case Kind::Eraser:
    return (c.phase == Phase::Press || c.phase == Phase::Release) &&
           !touch_word && w.size() == 4 && Coordinates(rest, 2, c);
  default:
    return (touch_word || c.phase == Phase::Move) && w.size() == 5 &&
           Coordinates(rest, 3, c) && c.numbers[0] >= 0;
  }
}

bool ParseArguments(std::string_view rest,
                    const std::vector<std::string_view> &w, ReplayCommand &c) {
  switch (c.kind) {
  case Kind::Area:
    return w.size() == 3 &&
           ToInt(w[1], 1, kMaxCoordinate, c.numbers.emplace_back()) &&
           ToInt(w[2], 1, kMaxCoordinate, c.numbers.emplace_back());
  case Kind::Mode:
    return w.size() == 2 && ToInt(w[1], 0, 3, c.numbers.emplace_back());
  case Kind::Colour:
    return w.size() == 2 && ToInt(w[1], 0, 265, c.numbers.emplace_back());
  case Kind::LineType:
    return w.size() == 2 && ToInt(w[1], 0, 50, c.numbers.emplace_back());
  case Kind::Grid:
    c.on = w.size() == 2 && w[1] == "on";
    return w.size() == 2 && (w[1] == "on" || w[1] == "off");
  case Kind::Spacing:
    c.text = std::string(Trim(rest));
    return true;
  case Kind::Press:
  case Kind::Move:
  case Kind::Release:
    return Coordinates(w, 2, c) && PointerOptions(w, 3, c);
  case Kind::Stroke:
    return w.size() == 5 && Coordinates(w, 4, c);
  case Kind::Click:
    return w.size() == 3 && Coordinates(w, 2, c);
  case Kind::Path:
    return w.size() >= 5 && w.size() % 2 == 1 &&
           Coordinates(w, w.size() - 1, c);
  case Kind::Key:
    c.text = w.size() >= 2 ? std::string(w[1]) : std::string();
    c.shift = w.size() == 3 && w[2] == "shift";
    return (w.size() == 2 || (w.size() == 3 && c.shift)) && IsKeyName(w[1]);
  case Kind::Wheel:
    c.on = w.size() == 4 && w[1] == "down";
    return w.size() == 4 && (w[1] == "up" || w[1] == "down") &&
           Coordinates({w.begin() + 1, w.end()}, 2, c);
  case Kind::Hover:
    return w.size() == 3 && Coordinates(w, 2, c);
  case Kind::Pen:
  case Kind::Eraser:
  case Kind::Touch:
    return DeviceArguments(w, c);
  case Kind::Png:
  case Kind::Overlay:
    c.text = std::string(Trim(rest));
    return !c.text.empty();
  case Kind::View:
  case Kind::Status:
  case Kind::Panel:
  case Kind::Ok:
  case Kind::Cancel:
    return w.size() == 1;
  }
  return false;
}

} // namespace

std::optional<ReplayScript> ParseReplayScript(std::string_view text,
                                              std::string &error) {
  ReplayScript script;
  bool ended = false;
  int line_number = 0;
  while (!text.empty()) {
    const std::size_t eol = text.find('\n');
    const std::string_view raw = text.substr(0, eol);
    text.remove_prefix(eol == std::string_view::npos ? text.size() : eol + 1);
    ++line_number;
    const std::string_view line = Trim(WithoutComment(raw));
    if (line.empty())
      continue;
    const auto fail = [&](const std::string &why) {
      error = "line " + std::to_string(line_number) + ": " + why + ": " +
              EchoForMessage(line);
      return std::nullopt;
    };
    const std::vector<std::string_view> words = Words(line);
    const auto keyword = Keywords().find(words.front());
    if (keyword == Keywords().end())
      return fail("unknown command");
    if (ended)
      return fail("the session has ended");
    ReplayCommand c;
    c.kind = keyword->second;
    c.line = line_number;
    if (!ParseArguments(line.substr(words.front().size()), words, c))
      return fail("malformed command");
    if (c.kind == Kind::Area) {
      if (!script.commands.empty())
        return fail("area must be the first command");
      if (c.numbers[0] > kMaxArea || c.numbers[1] > kMaxArea)
        return fail("the drawing area is at most " + std::to_string(kMaxArea) +
                    " x " + std::to_string(kMaxArea) + " pixels");
      script.width = c.numbers[0];
      script.height = c.numbers[1];
    }
    ended = c.kind == Kind::Ok || c.kind == Kind::Cancel;
    script.commands.push_back(std::move(c));
  }
  return script;
}

} // namespace orvik::cli
