#pragma once

#include <memory>
#include <string>

#include "data/Connection.h"
#include "model/ConnectionTexts.h"

namespace orvane::test {

// The data sources of the test environment, as a user would type them in the connection dialog.
ConnectionInput SqliteSample();
ConnectionInput PostgresTest();

// Opens a data source with the data-access text the connection dialog composes.
std::unique_ptr<data::Connection> OpenSource(const ConnectionInput& input);

}  // namespace orvane::test
