#include "generator/Generator.h"

namespace orvane {

std::string Generator::GenXSD() { return {}; }

}  // namespace orvane
