#pragma once

#include <stdexcept>
#include <string>

#include "core/Export.h"

namespace orvane {

// The one error type of the library; its what() is the description shown to the user.
class ORVANE_API OrvaneError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace orvane
