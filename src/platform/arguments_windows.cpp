// Windows: the wide command line and UTF-16 paths, converted to and from
// UTF-8 by the system.

#include "orvik/platform/arguments.h"

#include <windows.h>

#include <shellapi.h>

namespace orvik::platform {
namespace {

std::string ToUtf8(const std::wstring &wide) {
  if (wide.empty())
    return {};
  const int n = ::WideCharToMultiByte(CP_UTF8, 0, wide.data(),
                                      static_cast<int>(wide.size()), nullptr, 0,
                                      nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(n), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                        utf8.data(), n, nullptr, nullptr);
  return utf8;
}

} // namespace

std::vector<std::string> Utf8Arguments(int, char **) {
  std::vector<std::string> args;
  int count = 0;
  wchar_t **wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  if (wide == nullptr)
    return args;
  for (int i = 1; i < count; ++i)
    args.push_back(ToUtf8(wide[i]));
  ::LocalFree(wide);
  return args;
}

std::filesystem::path PathFromUtf8(const std::string &utf8) {
  if (utf8.empty())
    return {};
  const int n = ::MultiByteToWideChar(
      CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(n), L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()),
                        wide.data(), n);
  return wide;
}

std::string PathToUtf8(const std::filesystem::path &path) {
  return ToUtf8(path.wstring());
}

} // namespace orvik::platform
