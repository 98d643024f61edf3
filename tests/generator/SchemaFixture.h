#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>

#include "generator/Generator.h"
#include "settings/Config.h"

namespace orvane::test {

// A generator on a configuration with the built-in defaults on every screen (case rule 3,
// no suffix) and every screen enabled, whatever the test environment's settings hold.
class SchemaFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        config_ = std::make_shared<Config>();
        for (int screen = 0; screen <= 8; ++screen) {
            ConfigRecord& record = *config_->Screens().Item(std::to_string(screen));
            record.IsUppercase = 3;
            record.Suffix.clear();
            record.Enabled = 1;
        }
        generator_.SetCurrentConfig(config_);
    }

    ConfigRecord& Screen(int screen) { return *config_->Screens().Item(std::to_string(screen)); }

    std::string Run(int screen, std::shared_ptr<ODBCTable> table) {
        generator_.SetTable(std::move(table));
        return generator_.Generate(screen);
    }

    std::shared_ptr<Config> config_;
    Generator generator_;
};

// Expected texts are written with "~" for a tab and a plain line break for CR LF;
// "{CREATED}" stands for the creator text of the comment lines.
std::string Expand(std::string_view pattern);

}  // namespace orvane::test
