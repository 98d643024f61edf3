#include "generator/Generator.h"

namespace orvane {

std::string Generator::GenXML() { return {}; }

}  // namespace orvane
