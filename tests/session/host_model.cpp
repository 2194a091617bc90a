#include "host_model.h"

#include <algorithm>
#include <charconv>
#include <map>

namespace orvik::test {
namespace {

std::vector<std::string_view> Lines(std::string_view file) {
  std::vector<std::string_view> lines;
  while (!file.empty()) {
    const std::size_t end = std::min(file.find('\n'), file.size());
    std::string_view line = file.substr(0, end);
    if (!line.empty() && line.back() == '\r')
      line.remove_suffix(1);
    lines.push_back(line);
    file.remove_prefix(std::min(end + 1, file.size()));
  }
  return lines;
}

// The blank-separated fields before the first double quote, and what
// follows the quote.
struct Record {
  std::vector<std::string_view> fields;
  std::string_view quoted;
};

Record Split(std::string_view line) {
  Record r;
  const std::size_t quote = line.find('"');
  if (quote != std::string_view::npos)
    r.quoted = line.substr(quote + 1);
  line = line.substr(0, quote);
  std::size_t i = 0;
  while (i < line.size()) {
    const std::size_t start = line.find_first_not_of(" \t", i);
    if (start == std::string_view::npos)
      break;
    const std::size_t end =
        std::min(line.find_first_of(" \t", start), line.size());
    r.fields.push_back(line.substr(start, end - start));
    i = end;
  }
  return r;
}

std::string Number(std::string_view s) {
  double v = 0;
  std::from_chars(s.data(), s.data() + s.size(), v);
  char buffer[32];
  return std::string(buffer, std::to_chars(buffer, buffer + 32, v).ptr);
}

bool StartsWith(std::string_view s, std::string_view prefix) {
  return s.substr(0, prefix.size()) == prefix;
}

constexpr std::string_view kTextKeys[] = {"ch", "cv", "cs", "cr", "co",
                                          "cp", "ct", "ck", "cz", "c2"};

// The host's running state while it reads a file: the value of each
// attribute record by its key ("lg", "lc", "cn", "font", "rgb", ...).
class HostReader {
public:
  void Read(std::string_view line);
  HostDrawing drawing;

private:
  bool Attribute(std::string_view key, const Record &r);
  void Element(std::string_view key, const Record &r);
  // The attributes `names` as they stand now.
  std::string Now(std::initializer_list<const char *> names) {
    std::string s;
    for (const char *name : names)
      s += std::string(" ") + name + ":" + state_[name];
    return s;
  }
  void Add(std::string text, const Record &r, std::size_t first, bool member) {
    text += " z" + std::to_string(z_) + " |";
    for (std::size_t i = first; i < r.fields.size(); ++i)
      text += " " + Number(r.fields[i]);
    drawing.push_back({text + " \"" + std::string(r.quoted),
                       member ? curves_ : 0, r.fields[0] == "BL"});
    z_ = 0;
    dimension_ = false;
  }

  std::map<std::string, std::string> state_ = {
      {"lg", "0"}, {"ly", "0"}, {"lc", "1"}, {"lt", "1"},  {"lw", "0"},
      {"cn", "1"}, {"cc", "0"}, {"pn", "1"}, {"rgb", "0"}, {"font", ""}};
  int z_ = 0, curves_ = 0;
  bool in_curve_ = false, dimension_ = false;
  std::string dimension_line_;
};

void HostReader::Read(std::string_view line) {
  const Record r = Split(line);
  if (r.fields.empty())
    return;
  const std::string_view key = r.fields[0];
  if (key[0] == 'h' || key == "bz" || key.find("file=") != key.npos ||
      StartsWith(key, "lgn") || StartsWith(key, "lyn"))
    return;
  if (key.size() == 2 && key[0] == 'z' && key[1] >= '1' && key[1] <= '5') {
    z_ |= 1 << (key[1] - '1');
  } else if (key == "pl") {
    ++curves_;
    in_curve_ = true;
    dimension_ = false;
  } else if (key == "#" || key == "msg") {
    in_curve_ = false;
    dimension_ = key == "msg";
  } else if (Attribute(key, r)) {
    in_curve_ = false;
  } else {
    Element(key, r);
  }
}

bool HostReader::Attribute(std::string_view key, const Record &r) {
  if (key == "cn" && StartsWith(r.quoted, "$")) {
    state_["font"] = r.quoted.substr(1);
    return true;
  }
  for (const char *name : {"lg", "ly", "lc", "lt", "lw", "cn", "cc", "pn"}) {
    if (!StartsWith(key, name))
      continue;
    std::string value(key.substr(2));
    if (key[0] == 'l' && (key[1] == 'g' || key[1] == 'y'))
      value = std::to_string(std::stoi("0" + value.substr(0, 1), nullptr, 16));
    else
      value = Number(value);
    if (key == "lc10" && r.fields.size() > 1)
      state_["rgb"] = r.fields[1];
    for (std::size_t i = 1; value == "0" && name == std::string_view("cn") &&
                            r.fields.size() == 5 && i < 5;
         ++i)
      value += " " + Number(r.fields[i]);
    state_[name] = value;
    return true;
  }
  return false;
}

void HostReader::Element(std::string_view key, const Record &r) {
  const std::size_t n = r.fields.size();
  const bool text = std::find(std::begin(kTextKeys), std::end(kTextKeys),
                              key) != std::end(kTextKeys);
  const bool solid =
      key == "sl" || key == "sc" || key == "se" || key == "so" || key == "sg";
  const std::string k(key);
  if (key == "ci" || key == "BL" || key == "pt") {
    Add(k + (key == "ci"   ? Now({"lg", "ly", "lc", "lt", "lw"})
             : key == "pt" ? Now({"lg", "ly", "pn", "lw"})
                           : Now({"lg", "ly"})),
        r, 1, false);
  } else if (text) {
    Add((key == "cs" && dimension_ ? "msg " + dimension_line_ + " " : k) +
            Now({"lg", "ly", "cn", "cc", "font"}),
        r, 1, false);
  } else if (solid) {
    const bool width = (key == "sl" && n == 5) || key == "se";
    const std::string fill = state_["lc"] == "10" ? Now({"rgb"}) : Now({"lc"});
    Add(k + Now({"lg", "ly"}) + fill + (width ? Now({"lw"}) : ""), r, 1,
        in_curve_);
    return; // a curve solid's group goes on through its solids
  } else if (n == 4 && dimension_) {
    dimension_line_ = Now({"lg", "ly", "lc", "lt", "lw"});
    for (std::string_view v : r.fields)
      dimension_line_ += " " + Number(v);
    return; // the dimension's "cs" takes the z flags
  } else if (n == 4) {
    Add("line" + Now({"lg", "ly", "lc", "lt", "lw"}), r, 0, in_curve_);
    return;
  } else {
    return;
  }
  in_curve_ = false;
}

} // namespace

bool BatchDirectives::Has(std::string_view name) const {
  return std::find(names.begin(), names.end(), name) != names.end();
}

BatchDirectives ReadBatchDirectives(std::string_view batch_file) {
  BatchDirectives d;
  for (std::string_view line : Lines(batch_file)) {
    const std::size_t hash = line.find('#');
    if (hash >= 10)
      continue;
    const std::string_view rest = line.substr(hash + 1);
    const std::string name(rest.substr(0, rest.find_first_of(" \t")));
    if (name == "e")
      break;
    d.names.push_back(name);
  }
  return d;
}

HostDrawing HostReads(std::string_view file) {
  HostReader reader;
  for (std::string_view line : Lines(file))
    reader.Read(line);
  return reader.drawing;
}

std::string HostHandsOver(std::string_view full, const BatchDirectives &d) {
  std::string out;
  for (std::string_view line : Lines(full)) {
    const Record r = Split(line);
    const std::string_view key = r.fields.empty() ? "" : r.fields[0];
    const bool kept = !(StartsWith(key, "lw") && !d.Has("zw")) &&
                      !(key.size() == 2 && key[0] == 'z' && !d.Has("zz")) &&
                      !(StartsWith(key, "cc") && !d.Has("zc")) &&
                      !((key == "BL" || key == "msg" ||
                         (key == "cn" && StartsWith(r.quoted, "$"))) &&
                        !d.Has("jww"));
    if (kept)
      out.append(line).append("\r\n");
  }
  return out;
}

HostDrawing AfterTransformation(const HostDrawing &selection,
                                const BatchDirectives &d,
                                std::string_view result) {
  const std::vector<std::string_view> lines = Lines(result);
  const std::string_view head = lines.empty() ? "hq" : lines[0];
  if (head == "hq")
    return selection;
  HostDrawing after;
  int last_curve = 0;
  for (const HostElement &e : selection) {
    last_curve = std::max(last_curve, e.curve);
    if (head != "hd" || (e.block && d.Has("ht1")) ||
        (e.curve != 0 && d.Has("ht2")))
      after.push_back(e);
  }
  for (HostElement e : HostReads(result)) {
    e.curve += e.curve != 0 ? last_curve : 0;
    after.push_back(e);
  }
  return after;
}

std::vector<std::string> Differences(const HostDrawing &expected,
                                     const HostDrawing &actual) {
  const auto texts = [](const HostDrawing &d) {
    std::vector<std::string> t;
    for (const HostElement &e : d)
      t.push_back(e.text);
    std::sort(t.begin(), t.end());
    return t;
  };
  const auto curves = [](const HostDrawing &d) {
    std::map<int, std::vector<std::string>> by_curve;
    for (const HostElement &e : d)
      if (e.curve != 0)
        by_curve[e.curve].push_back(e.text);
    std::vector<std::vector<std::string>> groups;
    for (auto &[number, group] : by_curve) {
      std::sort(group.begin(), group.end());
      groups.push_back(group);
    }
    std::sort(groups.begin(), groups.end());
    return groups;
  };
  const std::vector<std::string> want = texts(expected), got = texts(actual);
  std::vector<std::string> lost, added, out;
  std::set_difference(want.begin(), want.end(), got.begin(), got.end(),
                      std::back_inserter(lost));
  std::set_difference(got.begin(), got.end(), want.begin(), want.end(),
                      std::back_inserter(added));
  for (const std::string &t : lost)
    out.push_back("lost or changed: " + t);
  for (const std::string &t : added)
    out.push_back("added or changed: " + t);
  if (curves(expected) != curves(actual))
    out.push_back("the curve objects are not those expected");
  return out;
}

} // namespace orvik::test
