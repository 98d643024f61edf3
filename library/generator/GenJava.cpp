#include "generator/Generator.h"

namespace orvane {

std::string Generator::GenJava() { return {}; }

}  // namespace orvane
