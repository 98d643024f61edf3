#pragma once

#include <string>

#include "core/Export.h"

namespace orvane {

// The folder liborvane was loaded from; the templates and shipped defaults live below it. A
// program linked with the static library (the tests) looks where an installation puts the
// shared one: lib/orvane beside the program's own folder. Empty when the running module
// cannot name its own file.
ORVANE_API std::string LibraryFolder();

}  // namespace orvane
