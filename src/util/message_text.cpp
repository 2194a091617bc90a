#include "orvik/util/message_text.h"

namespace orvik {
namespace {

bool IsControl(unsigned char c) { return c < 0x20 || c == 0x7F; }

bool IsUtf8Continuation(std::string_view text, std::size_t at) {
  return at < text.size() &&
         (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80;
}

void AppendEscaped(std::string &out, std::string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  for (const char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if (IsControl(c)) {
      out += "\\x";
      out += kHex[c >> 4];
      out += kHex[c & 15];
    } else {
      out += ch;
    }
  }
}

} // namespace

std::string EchoForMessage(std::string_view text, std::size_t max_bytes,
                           Cut cut) {
  std::string out;
  if (text.size() <= max_bytes) {
    AppendEscaped(out, text);
    return out;
  }
  std::size_t head = cut == Cut::End ? max_bytes : max_bytes / 3;
  while (head > 0 && IsUtf8Continuation(text, head))
    --head;
  AppendEscaped(out, text.substr(0, head));
  out += "...";
  if (cut == Cut::Middle) {
    std::size_t tail = text.size() - (max_bytes - max_bytes / 3);
    while (IsUtf8Continuation(text, tail))
      ++tail;
    AppendEscaped(out, text.substr(tail));
  }
  return out;
}

} // namespace orvik
