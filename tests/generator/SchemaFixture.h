#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "generator/Generator.h"
#include "settings/Config.h"
#include "templates/Templates.h"

namespace orvane::test {

// A generator on a configuration with the built-in defaults on every screen (case rule 3,
// no suffix) and every screen enabled, whatever the test environment's settings hold.
class SchemaFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        for (int screen = 0; screen <= 8; ++screen) {
            ConfigRecord& record = Screen(screen);
            record.IsUppercase = 3;
            record.Suffix.clear();
            record.Enabled = 1;
        }
        generator_.SetCurrentConfig(config_);
        generator_.Activate();
    }

    ConfigRecord& Screen(int screen) { return *config_->Screens().Item(std::to_string(screen)); }

    std::string Run(int screen, std::shared_ptr<ODBCTable> table) {
        generator_.SetTable(std::move(table));
        return generator_.Generate(screen);
    }

    // The text with the creator (the login name) as {CREATED}, so it reads the same anywhere.
    static std::string Portable(std::string text) {
        static const std::string created = CreatedByText();
        for (std::size_t at = text.find(created); at != std::string::npos;
             at = text.find(created, at))
            text.replace(at, created.size(), "{CREATED}");
        return text;
    }

    std::shared_ptr<Config> config_ = std::make_shared<Config>();
    Generator generator_;
};

}  // namespace orvane::test
