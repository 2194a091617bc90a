// The session scripts of `orvik-cli replay`: what is read, what is refused
// and which line a refusal names.

#include "replay_script.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

namespace orvik::cli {
namespace {

using Kind = ReplayCommand::Kind;

ReplayScript Parse(std::string_view text) {
  std::string error;
  const auto script = ParseReplayScript(text, error);
  EXPECT_TRUE(script.has_value()) << error;
  return script.value_or(ReplayScript{});
}

// The error for a script that must be refused; empty when it was accepted.
std::string Refusal(std::string_view text) {
  std::string error;
  const auto script = ParseReplayScript(text, error);
  EXPECT_FALSE(script.has_value()) << "accepted: " << text;
  return script ? std::string() : error;
}

TEST(ReplayScript, CommentsBlankLinesAndLineEnds) {
  // Line 1 a comment, 2 blank, 3 blanks and a tab, 4 a command with a
  // comment and CR LF, 5 a comment after blanks, 6 a tab-separated command
  // ending in CR without LF.
  const ReplayScript script =
      Parse("# session\n\n  \t \nmode 2 # lines\r\n   # more\nclick\t3 4\r");
  const auto &c = script.commands;
  ASSERT_EQ(c.size(), 2u);
  EXPECT_EQ((std::array{c[0].kind, c[1].kind}),
            (std::array{Kind::Mode, Kind::Click}));
  EXPECT_EQ((std::array{c[0].line, c[1].line}), (std::array{4, 6}));
  EXPECT_EQ(c[0].numbers, std::vector<int>{2});
  EXPECT_EQ(c[1].numbers, (std::vector<int>{3, 4}));
  // "#" inside a word is no comment.
  const ReplayScript s = Parse("png out#1.png\nspacing 2.5 # mm\n");
  ASSERT_EQ(s.commands.size(), 2u);
  EXPECT_EQ(s.commands[0].text, "out#1.png");
  EXPECT_EQ(s.commands[1].text, "2.5");
}

// Without an "area" first the area is 800 x 600. Pictures of the area are
// kept in memory: 1 to 8192 pixels each way.
TEST(ReplayScript, AreaComesFirst) {
  const ReplayScript none = Parse("");
  EXPECT_TRUE(none.commands.empty());
  EXPECT_EQ((std::array{none.width, none.height}), (std::array{800, 600}));
  const ReplayScript a = Parse("# size first\n\narea 1000 700\nok\n");
  EXPECT_EQ((std::array{a.width, a.height}), (std::array{1000, 700}));
  ASSERT_EQ(a.commands.size(), 2u);
  EXPECT_EQ(a.commands[0].kind, Kind::Area);
  EXPECT_EQ(Parse("area 8192 8192\n").width, 8192);
  EXPECT_EQ(Parse("area 1 1\n").height, 1);
  EXPECT_NE(Refusal("area 1 0\n"), "");
  EXPECT_NE(Refusal("area 8193 100\n")
                .find("line 1: the drawing area is at most 8192 x 8192"),
            std::string::npos);
}

// The forms no replay case reads (tests/cli/replay uses the others end to
// end): all three modifiers on a press, a move with no button held, "grid
// off", the largest colour and line type, and finger number 0.
TEST(ReplayScript, FormsTheReplayCasesDoNotUse) {
  const ReplayScript s = Parse("press -5 6 right shift ctrl alt\n"
                               "move 9 10\n"
                               "grid off\n"
                               "colour 265\n"
                               "linetype 50\n"
                               "touch down 0 7 8\n");
  const auto &c = s.commands;
  ASSERT_EQ(c.size(), 6u);
  EXPECT_EQ(c[0].numbers, (std::vector<int>{-5, 6}));
  EXPECT_EQ(c[0].button, Button::Right);
  EXPECT_TRUE(c[0].shift && c[0].ctrl && c[0].alt);
  EXPECT_TRUE(c[1].buttons.empty());
  EXPECT_FALSE(c[2].on);
  EXPECT_EQ(c[3].numbers, std::vector<int>{265});
  EXPECT_EQ(c[4].numbers, std::vector<int>{50});
  EXPECT_EQ(c[5].numbers, (std::vector<int>{0, 7, 8}));
}

TEST(ReplayScript, UnknownCommandNamesItsLine) {
  const std::string error = Refusal("mode 2\n\njump 1 2\n");
  EXPECT_NE(error.find("line 3:"), std::string::npos) << error;
  EXPECT_NE(error.find("jump 1 2"), std::string::npos) << error;
  // A huge line with terminal controls is quoted short and inert.
  const std::string huge =
      Refusal("jump \x1b[2J" + std::string(10'000'000, 'x') + "\n");
  EXPECT_LT(huge.size(), 200u);
  EXPECT_NE(huge.find("jump \\x1B[2J"), std::string::npos) << huge;
}

// Each refusal names the line at fault: "2#x" is one word and no number;
// keywords are lower case; "area" only comes first; after the end only
// comments and blank lines may follow, no command and no second end.
TEST(ReplayScript, RefusalsNameTheirLine) {
  const std::pair<std::string, int> scripts[] = {
      {"mode 2#x\n", 1},
      {"OK\n", 1},
      {"mode 2\narea 100 100\n", 2},
      {"area 100 100\narea 200 200\n", 2},
      {"mode 2\nok\n\nclick 1 2\n", 4},
      {"cancel\ncancel\n", 2},
      {"ok\narea 10 10\n", 2}};
  for (const auto &[script, line] : scripts)
    EXPECT_NE(Refusal(script).find("line " + std::to_string(line) + ":"),
              std::string::npos)
        << script;
  EXPECT_EQ(Parse("ok\n# done\n\n").commands.size(), 1u);
  // Malformed commands, each as the third line; "|" sets them apart.
  const std::string forms =
      "area 100|area 0 100|area 100 -5|area x 100|area 100 100 100|mode|"
      "mode 4|mode -1|mode 2 3|mode 1.5|colour 266|colour -1|linetype 51|grid|"
      "grid yes|grid on off|press 1|press 1 2 up|press 1 2 left right|"
      "press 1.5 2|press 99999999999 0|move 1 2 shift|release 1 2 left left|"
      "release 1 2 alt|stroke 1 2 3|stroke 1 2 3 4 5|click 1|click 1 2 left|"
      "key|key Tab|key Esc ctrl|key Esc shift x|wheel 1 2|wheel sideways 1 2|"
      "wheel up 1|wheel up 1 2 3|png|view 1|status now|panel 2|ok now|cancel 1|"
      "hover 1|hover 1 2 left|overlay|pen|pen 1 2|pen down 1 2|pen press 1|"
      "pen leave 1 2|pen hover 1 2 3|eraser move 1 2|eraser hover 1 2|"
      "eraser leave|touch press 1 2 3|touch release 1 2 3|touch down 1 2|"
      "touch up -1 2 3|touch hover 1 2 3|touch leave|touch move 1 2 3 4";
  for (std::size_t at = 0, bar; at < forms.size(); at = bar + 1) {
    bar = std::min(forms.find('|', at), forms.size());
    const std::string form = forms.substr(at, bar - at);
    EXPECT_NE(Refusal("# first\nmode 0\n" + form + "\nok\n").find("line 3:"),
              std::string::npos)
        << form;
  }
}

} // namespace
} // namespace orvik::cli
