// The size of the area a replay script asks for. How the rest of a script
// is read, what is refused and which line a refusal names, the replay
// cases show (tests/cli/replay).

#include "replay_script.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace orvik::cli {
namespace {

// Pictures of the area are kept in memory: 1 to 8192 pixels each way,
// given before any command, though comments and blank lines may come
// first. (Everything else a script line may hold the replay cases play.)
TEST(ReplayScript, AreaOfTheLargestAndSmallestSize) {
  std::string error;
  const auto script =
      ParseReplayScript("# size first\n\narea 8192 1\nok\n", error);
  ASSERT_TRUE(script.has_value()) << error;
  EXPECT_EQ((std::array{script->width, script->height}), (std::array{8192, 1}));
  EXPECT_EQ(script->commands.size(), 2u);
}

} // namespace
} // namespace orvik::cli
