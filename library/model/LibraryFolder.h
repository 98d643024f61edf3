#pragma once

#include <string>

namespace orvane {

// The folder liborvane was loaded from; the templates and shipped defaults live below it.
// Empty when the running library cannot name its own file.
std::string LibraryFolder();

}  // namespace orvane
