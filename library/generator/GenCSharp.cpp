#include "generator/Generator.h"

namespace orvane {

std::string Generator::GenCSharp() { return {}; }

}  // namespace orvane
