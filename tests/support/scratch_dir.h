#pragma once
// A fresh folder per test, removed afterwards, and its files' bytes.

#include "file_bytes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace orvik::test {

class ScratchDir : public ::testing::Test {
protected:
  void SetUp() override {
    const auto *info = ::testing::UnitTest::GetInstance()->current_test_info();
    // Parameterised names hold "/", which must not make nested folders; a
    // random tail keeps two suites run at once (two builds) apart.
    std::string name = std::string("orvik-cli-") + info->test_suite_name() +
                       "-" + info->name() + "-" +
                       std::to_string(std::random_device{}());
    for (char &c : name)
      if (c == '/')
        c = '_';
    dir_ = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  void Put(const std::string &name, const std::string &bytes) {
    std::ofstream(dir_ / name, std::ios::binary) << bytes;
  }
  std::string Get(const std::string &name) { return ReadBytes(dir_ / name); }
  std::filesystem::path dir_;
};

} // namespace orvik::test
