#include "orvik/util/sjis_text.h"

namespace orvik {
namespace {

// Checked: a loop that runs past its text stops here instead of reading
// beyond it.
unsigned char Byte(std::string_view s, std::size_t i) {
  return static_cast<unsigned char>(s.at(i));
}

} // namespace

std::string StripBlanks(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t n = CharLengthAt(text, i);
    if (n == 2) {
      if (!(Byte(text, i) == 0x81 && Byte(text, i + 1) == 0x40))
        out.append(text.substr(i, 2));
    } else if (Byte(text, i) > 0x20) {
      out.push_back(text[i]);
    }
    i += n;
  }
  return out;
}

std::string ByteRangeCopy(std::string_view text, long first, long count,
                          long &copied) {
  copied = 0;
  const auto size = static_cast<long>(text.size());
  if (text.empty() || first < 1 || first > size || count <= 0)
    return {};
  const long last = first + count - 1;
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t len = CharLengthAt(text, i);
    const long p = static_cast<long>(i) + 1;
    const long end = p + static_cast<long>(len) - 1;
    if (p > last)
      break;
    if (p >= first && end <= last) {
      out.append(text.substr(i, len));
      copied += static_cast<long>(len);
    }
    i += len;
  }
  return out;
}

std::size_t FindCharacter(std::string_view text, char c, std::size_t from) {
  for (std::size_t i = 0; i < text.size(); i += CharLengthAt(text, i))
    if (i >= from && text[i] == c)
      return i;
  return std::string_view::npos;
}

bool EndsInLoneLeadByte(std::string_view text) {
  std::size_t last = 0; // start of the last character
  for (std::size_t i = 0; i < text.size(); i += CharLengthAt(text, i))
    last = i;
  return !text.empty() && last == text.size() - 1 &&
         IsLeadByte(Byte(text, last));
}

std::string_view CutToBytes(std::string_view text, std::size_t max_bytes) {
  if (text.size() <= max_bytes)
    return text;
  std::size_t end = 0;
  while (end < text.size()) {
    const std::size_t len = CharLengthAt(text, end);
    if (end + len > max_bytes)
      break;
    end += len;
  }
  return text.substr(0, end);
}

double TextWidth(std::string_view text, double width, double spacing) {
  double total = 0.0;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t len = CharLengthAt(text, i);
    if (len == 2)
      total += width;
    else if (Byte(text, i) >= 0x20)
      total += width / 2;
    i += len;
    if (i < text.size())
      total += (len == 2) ? spacing : spacing / 2;
  }
  return total;
}

} // namespace orvik
