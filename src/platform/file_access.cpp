// What the platforms share: the temporary files' names and the search for
// leftovers.

#include "orvik/platform/file_access.h"

#include "file_access_impl.h"

#include <random>
#include <string_view>

namespace orvik::platform {
namespace {

constexpr std::string_view kTempMark = ".orvik-";
constexpr std::string_view kTempEnd = ".tmp";

bool IsHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') ||
         (c >= 'A' && c <= 'F');
}

} // namespace

bool IsLeftoverName(const std::string &name, const std::string &target_name) {
  const std::string_view n(name);
  const std::size_t head = target_name.size() + kTempMark.size();
  if (n.size() <= head + kTempEnd.size() || !n.starts_with(target_name) ||
      n.substr(target_name.size(), kTempMark.size()) != kTempMark ||
      !n.ends_with(kTempEnd))
    return false;
  for (char c : n.substr(head, n.size() - head - kTempEnd.size()))
    if (!IsHexDigit(c))
      return false;
  return true;
}

std::filesystem::path TemporaryNameFor(const std::filesystem::path &target) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::random_device random;
  std::string tag;
  for (unsigned bits = random(), i = 0; i < 8; ++i, bits >>= 4)
    tag += kHex[bits & 15];
  std::filesystem::path temp = target;
  temp += std::string(kTempMark) + tag + std::string(kTempEnd);
  return temp;
}

void RemoveLeftovers(const std::filesystem::path &target) {
  namespace fs = std::filesystem;
  const fs::path folder =
      target.has_parent_path() ? target.parent_path() : fs::path(".");
  const std::string target_name = target.filename().string();
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end;
       it.increment(ec)) {
    if (IsLeftoverName(it->path().filename().string(), target_name))
      RemoveIfAbandoned(it->path());
  }
}

std::error_code ReplaceFile(const std::filesystem::path &target,
                            const Contents &contents) {
  RemoveLeftovers(target);
  return WriteAndReplace(target, contents);
}

} // namespace orvik::platform
