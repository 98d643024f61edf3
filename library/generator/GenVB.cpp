#include "generator/Generator.h"

namespace orvane {

std::string Generator::GenVB() { return {}; }

}  // namespace orvane
