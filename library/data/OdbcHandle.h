#pragma once

#include <sql.h>
#include <sqlext.h>

#include <string>
#include <string_view>

#include "data/OdbcError.h"

namespace orvane::data {

// Owns one ODBC handle (environment, connection or statement) and frees it on destruction.
// Failures of calls made on the handle become OdbcError with the handle's diagnostics.
class OdbcHandle {
  public:
    // Allocates a handle of `type` below `parent` (SQL_NULL_HANDLE for an environment).
    OdbcHandle(SQLSMALLINT type, SQLHANDLE parent);
    ~OdbcHandle();
    OdbcHandle(OdbcHandle&& other) noexcept;
    OdbcHandle& operator=(OdbcHandle&&) = delete;
    OdbcHandle(const OdbcHandle&) = delete;
    OdbcHandle& operator=(const OdbcHandle&) = delete;

    SQLHANDLE Get() const { return handle_; }
    SQLSMALLINT Type() const { return type_; }

    // Throws when `rc` is not a success; `what` names the failing operation.
    void Check(SQLRETURN rc, std::string_view what) const {
        if (!SQL_SUCCEEDED(rc)) Fail(rc, what);
    }
    [[noreturn]] void Fail(SQLRETURN rc, std::string_view what) const;

    // The handle's diagnostic records: SQLSTATE of the first one and every message, joined.
    static OdbcError MakeError(SQLSMALLINT type, SQLHANDLE handle, SQLRETURN rc,
                               std::string_view what);

  private:
    SQLSMALLINT type_;
    SQLHANDLE handle_ = SQL_NULL_HANDLE;
};

}  // namespace orvane::data
