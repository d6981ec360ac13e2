// A test that runs the real program in a scratch folder of its own, so that
// it has a settings file of its own; the folder goes with the test.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "driver.h"
#include "settings/my_settingfile.h"

namespace e2e {

class ProgramTest : public ::testing::Test {
protected:
  void SetUp() override { dir_ = Zorvik::NewDir(); }
  void TearDown() override {
    app_.reset();
    Zorvik::RemoveDir(dir_);
  }
  // Starts the program and lets it settle for `settleMs`.
  void StartProgram(int settleMs = 300) {
    app_ = std::make_unique<Zorvik>(dir_);
    ASSERT_TRUE(app_->hwnd());
    if (settleMs > 0) Pump(settleMs);
  }
  // The settings file as the program last wrote it.
  zorvik::SettingsData StoredSettings() const {
    const std::vector<uint8_t> bytes = ReadAll(dir_ + L"zorvik.bin");
    const zorvik::SettingsReadResult r = zorvik::ReadSettings(bytes.data(), bytes.size());
    EXPECT_TRUE(r.accepted);
    return r.data;
  }

  std::wstring dir_;
  std::unique_ptr<Zorvik> app_;
};

}  // namespace e2e
