// Whole user sessions played into the window by `orvik-cli replay`, and
// other runs of the tool, kept as case files in tests/cli/replay/*.case and
// checked by what the host gets back (JWC_TEMP.TXT), the settings file, and
// what the tool prints.
//
// A case file is a run of sections, each opened by a line "== HEAD";
// lines before the first section are notes. In order:
//   == NAME [lf]            writes the file NAME into the program folder;
//                           each line ends in CR LF (bare LF with "lf");
//                           \xNN stands for the byte NN, \\ for a
//                           backslash
//   == script               a replay script (its "#" lines are notes); it
//                           runs at once, in the folder as it is now
//   == run ARGS             runs orvik-cli with ARGS in the program folder,
//                           "@NAME" standing for the file NAME there
//   == expect NAME          the file NAME afterwards, byte for byte
//   == expect stdout        the tool's output (else it must print nothing)
//   == expect exit N        the exit code (else it must be 0)
//   == expect stderr        each line must appear in the error output
//   == expect files         the names in the program folder, one a line
//   == expect same A B      the files A and B, byte for byte the same
//   == expect differ A B    ... or not
//   == note                 notes between sections
//   == mkdir NAME            makes a folder NAME in the program folder
// Blank lines at the end of a section only set sections apart. Several
// scripts may follow each other in one case: the program folder keeps what
// the last run left, as it does between two starts.

#include "case_files.h"
#include "run_cli.h"
#include "scratch_dir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace orvik::test {
namespace {

namespace fs = std::filesystem;

fs::path CaseDir() { return fs::path(ORVIK_REPLAY_CASE_DIR); }

struct Section {
  std::vector<std::string> head; // the words after "=="
  std::vector<std::string> lines;
  int line = 0; // of its head in the case file
};

std::vector<Section> ReadSections(const fs::path &path) {
  std::vector<Section> sections;
  std::istringstream in(ReadBytes(path));
  int number = 0;
  for (std::string line; std::getline(in, line);) {
    ++number;
    if (!line.empty() && line.back() == '\r')
      line.pop_back();
    if (line.starts_with("== ")) {
      Section s;
      std::istringstream words(line.substr(3));
      for (std::string w; words >> w;)
        s.head.push_back(w);
      s.line = number;
      sections.push_back(std::move(s));
    } else if (!sections.empty()) {
      sections.back().lines.push_back(line);
    }
  }
  // Blank lines that only set sections apart belong to none.
  for (Section &s : sections)
    while (!s.lines.empty() && s.lines.back().empty())
      s.lines.pop_back();
  return sections;
}

// The lines unescaped, each ended by `eol`.
std::string Bytes(const std::vector<std::string> &lines, const char *eol) {
  std::string out;
  for (const std::string &line : lines)
    out += Unescape(line) + eol;
  return out;
}

class ReplayCase : public ScratchDir,
                   public ::testing::WithParamInterface<std::string> {
protected:
  fs::path Program() const { return dir_ / "program"; }

  // Runs the tool in the program folder, where pictures a script saves
  // land; "@NAME" stands for the file NAME there.
  void Run(std::vector<std::string> args) {
    EndRun();
    for (std::string &a : args)
      if (a.starts_with('@'))
        a = (Program() / a.substr(1)).string();
    result_ = RunCli(args, Program());
    ran_ = true;
    out_checked_ = exit_checked_ = false;
  }
  void Run(const Section &script) {
    const fs::path path = dir_ / "session.txt";
    std::ofstream(path, std::ios::binary) << Bytes(script.lines, "\n");
    Run({"replay", Program().string(), path.string()});
  }
  // What a run must show unless the case says otherwise.
  void EndRun() {
    if (!ran_)
      return;
    if (!exit_checked_) {
      EXPECT_EQ(result_.code, 0) << result_.err;
    }
    if (!out_checked_) {
      EXPECT_EQ(result_.out, "");
    }
  }
  void Expect(const Section &s) {
    ASSERT_TRUE(ran_) << "an expectation before any script";
    const std::string &what = s.head.at(1);
    if (what == "stdout") {
      out_checked_ = true;
      EXPECT_EQ(result_.out, Bytes(s.lines, "\n"));
    } else if (what == "exit") {
      exit_checked_ = true;
      EXPECT_EQ(result_.code, std::stoi(s.head.at(2))) << result_.err;
    } else if (what == "stderr") {
      for (const std::string &line : s.lines)
        EXPECT_NE(result_.err.find(line), std::string::npos) << result_.err;
    } else if (what == "same" || what == "differ") {
      const std::string a = ReadBytes(Program() / s.head.at(2));
      EXPECT_FALSE(a.empty()) << s.head.at(2);
      EXPECT_EQ(a == ReadBytes(Program() / s.head.at(3)), what == "same")
          << s.head.at(2) << " " << what << " " << s.head.at(3);
    } else if (what == "files") {
      std::set<std::string> names;
      for (const auto &entry : fs::directory_iterator(Program()))
        names.insert(entry.path().filename().string());
      EXPECT_EQ(names, std::set<std::string>(s.lines.begin(), s.lines.end()));
    } else {
      EXPECT_EQ(ReadBytes(Program() / what), Bytes(s.lines, "\r\n"));
    }
  }

  CliResult result_;
  bool ran_ = false, out_checked_ = false, exit_checked_ = false;
};

TEST_P(ReplayCase, GivesWhatTheCaseExpects) {
  fs::create_directories(Program());
  const fs::path file = CaseDir() / (GetParam() + ".case");
  for (const Section &s : ReadSections(file)) {
    SCOPED_TRACE(file.string() + ":" + std::to_string(s.line));
    ASSERT_FALSE(s.head.empty());
    if (s.head[0] == "note") {
      continue;
    } else if (s.head[0] == "script") {
      Run(s);
    } else if (s.head[0] == "run") {
      Run({s.head.begin() + 1, s.head.end()});
    } else if (s.head[0] == "expect") {
      Expect(s);
    } else if (s.head[0] == "mkdir") {
      fs::create_directories(Program() / s.head.at(1));
    } else {
      const bool lf = s.head.size() > 1 && s.head[1] == "lf";
      std::ofstream(Program() / s.head[0], std::ios::binary)
          << Bytes(s.lines, lf ? "\n" : "\r\n");
    }
  }
  EndRun();
}

INSTANTIATE_TEST_SUITE_P(Cases, ReplayCase,
                         ::testing::ValuesIn(CaseNames(CaseDir())),
                         [](const auto &info) { return info.param; });

} // namespace
} // namespace orvik::test
