// The eras Windows lists under
// HKLM\SYSTEM\CurrentControlSet\Control\Nls\Calendars\Japanese\Eras: one
// value an era, named by its first day ("2019 05 01") and holding its names
// ("令和_令_Reiwa_R"). Windows Update adds a new era there. Systems without
// that list (wine, for one) get the modern eras as Windows lists them, plus
// the era the calendar API calls current if it is newer still.

#include "orvik/platform/japanese_era.h"

#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <tuple>
#include <vector>

namespace orvik::platform {
namespace {

struct EraStart {
  int year, month, day;
  std::u16string name;
};

// Parses "YYYY MM DD"; false for anything else.
bool ParseStart(const wchar_t *text, EraStart &e) {
  return std::swscanf(text, L"%d %d %d", &e.year, &e.month, &e.day) == 3;
}

std::vector<EraStart> ReadEras() {
  std::vector<EraStart> eras;
  HKEY key;
  if (::RegOpenKeyExW(
          HKEY_LOCAL_MACHINE,
          L"SYSTEM\\CurrentControlSet\\Control\\Nls\\Calendars\\Japanese\\Eras",
          0, KEY_READ, &key) != ERROR_SUCCESS)
    return eras;
  for (DWORD i = 0;; ++i) {
    wchar_t name[64];
    wchar_t data[128];
    DWORD name_size = 64, data_size = sizeof data, type = 0;
    if (::RegEnumValueW(key, i, name, &name_size, nullptr, &type,
                        reinterpret_cast<BYTE *>(data),
                        &data_size) != ERROR_SUCCESS)
      break;
    EraStart e;
    if (type != REG_SZ || !ParseStart(name, e))
      continue;
    data[std::min<DWORD>(data_size / sizeof(wchar_t), 127)] = 0;
    const std::wstring names(data);
    const std::wstring first = names.substr(0, names.find(L'_'));
    e.name.assign(first.begin(), first.end());
    eras.push_back(e);
  }
  ::RegCloseKey(key);
  std::sort(eras.begin(), eras.end(), [](const EraStart &a, const EraStart &b) {
    return std::tie(a.year, a.month, a.day) < std::tie(b.year, b.month, b.day);
  });
  return eras;
}

std::vector<EraStart> KnownEras() {
  return {{1868, 1, 1, u"明治"},
          {1912, 7, 30, u"大正"},
          {1926, 12, 25, u"昭和"},
          {1989, 1, 8, u"平成"},
          {2019, 5, 1, u"令和"}};
}

// The calendar API names only the current era and the year it began.
void AddCurrentEra(std::vector<EraStart> &eras) {
  wchar_t name[32], offset[32];
  if (::GetCalendarInfoEx(L"ja-JP", CAL_JAPAN, nullptr, CAL_SERASTRING, name,
                          32, nullptr) <= 0 ||
      ::GetCalendarInfoEx(L"ja-JP", CAL_JAPAN, nullptr, CAL_IYEAROFFSETRANGE,
                          offset, 32, nullptr) <= 0)
    return;
  EraStart e{std::wcstol(offset, nullptr, 10), 1, 1,
             std::u16string(name, name + std::wcslen(name))};
  if (e.year > eras.back().year)
    eras.push_back(e);
}

std::vector<EraStart> SystemEras() {
  std::vector<EraStart> eras = ReadEras();
  if (eras.empty()) {
    eras = KnownEras();
    AddCurrentEra(eras);
  }
  return eras;
}

} // namespace

struct JapaneseEras::Impl {
  std::vector<EraStart> eras = SystemEras();
};

JapaneseEras::JapaneseEras() : impl_(std::make_unique<Impl>()) {}
JapaneseEras::~JapaneseEras() = default;

JapaneseEras::Era JapaneseEras::Of(int year, int month, int day) const {
  Era era;
  for (const EraStart &e : impl_->eras)
    if (std::tie(e.year, e.month, e.day) <= std::tie(year, month, day)) {
      era.name = e.name;
      era.year = year - e.year + 1;
    }
  return era;
}

} // namespace orvik::platform
