#include "generator/Generator.h"

namespace orvane {

std::string Generator::GenDTD() { return {}; }

}  // namespace orvane
