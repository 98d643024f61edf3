#include "generator/Generator.h"

namespace orvane {

std::string Generator::GenVbNet() { return {}; }

}  // namespace orvane
