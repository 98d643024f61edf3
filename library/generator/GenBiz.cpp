#include "generator/Generator.h"

namespace orvane {

std::string Generator::GenBiz() { return {}; }

}  // namespace orvane
