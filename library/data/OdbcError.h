#pragma once

#include <string>
#include <utility>

#include "core/Export.h"
#include "core/OrvaneError.h"

namespace orvane::data {

// A failure of the ODBC layer: the SQLSTATE and the driver's own diagnostic text.
// what() is the driver's message (prefixed with the failing operation), ready for the user.
class ORVANE_API OdbcError : public OrvaneError {
  public:
    OdbcError(std::string sqlState, int nativeError, const std::string& message)
        : OrvaneError(message), sqlState_(std::move(sqlState)), nativeError_(nativeError) {}

    const std::string& SqlState() const { return sqlState_; }
    int NativeError() const { return nativeError_; }

  private:
    std::string sqlState_;
    int nativeError_;
};

}  // namespace orvane::data
