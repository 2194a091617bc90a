// Input echoed in error messages: short, one line, no control bytes.

#include "orvik/util/message_text.h"

#include <gtest/gtest.h>

#include <tuple>

namespace orvik {
namespace {

TEST(EchoForMessage, IsShortAndHarmless) {
  const std::tuple<std::string_view, std::size_t, Cut, const char *> rows[] = {
      {"jump 1 2", 80, Cut::End, "jump 1 2"},
      // An escape sequence and a line break stay visible but inert.
      {"a\x1b[2Jb\r\n\x7f", 80, Cut::End, "a\\x1B[2Jb\\x0D\\x0A\\x7F"},
      {"0123456789", 4, Cut::End, "0123..."},
      {"0123456789", 10, Cut::End, "0123456789"},
      // "ab" then 漢 (3 bytes): a cut after 3 bytes would split it.
      {"ab\xE6\xBC\xA2z", 3, Cut::End, "ab..."},
      {"\xE6\xBC\xA2z", 2, Cut::End, "..."}, // back to the first byte
      // A third of 9 from the start, the rest from the end.
      {"/a/b/c/d/e/JWC_TEMP.TXT", 9, Cut::Middle, "/a/...MP.TXT"},
  };
  for (const auto &[text, max, cut, echo] : rows)
    EXPECT_EQ(EchoForMessage(text, max, cut), echo) << text;
  const std::string huge(10'000'000, 'x');
  EXPECT_EQ(EchoForMessage(huge).size(), 83u);
}

} // namespace
} // namespace orvik
