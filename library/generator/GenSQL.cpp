#include "generator/Generator.h"

namespace orvane {

std::string Generator::GenSQL() { return {}; }

}  // namespace orvane
