#include "data/OdbcHandle.h"

#include <utility>

namespace orvane::data {

OdbcHandle::OdbcHandle(SQLSMALLINT type, SQLHANDLE parent) : type_(type) {
    SQLRETURN rc = SQLAllocHandle(type, parent, &handle_);
    if (!SQL_SUCCEEDED(rc)) {
        handle_ = SQL_NULL_HANDLE;
        if (parent == SQL_NULL_HANDLE) {
            throw OdbcError("HY001", 0, "Allocating the ODBC environment failed");
        }
        SQLSMALLINT parentType = type == SQL_HANDLE_STMT ? SQL_HANDLE_DBC : SQL_HANDLE_ENV;
        throw MakeError(parentType, parent, rc, "Allocating an ODBC handle failed");
    }
}

OdbcHandle::~OdbcHandle() {
    if (handle_ != SQL_NULL_HANDLE) SQLFreeHandle(type_, handle_);
}

OdbcHandle::OdbcHandle(OdbcHandle&& other) noexcept
    : type_(other.type_), handle_(std::exchange(other.handle_, nullptr)) {}

void OdbcHandle::Fail(SQLRETURN rc, std::string_view what) const {
    throw MakeError(type_, handle_, rc, what);
}

OdbcError OdbcHandle::MakeError(SQLSMALLINT type, SQLHANDLE handle, SQLRETURN rc,
                                std::string_view what) {
    std::string state;
    int native = 0;
    std::string text;
    SQLCHAR sqlState[SQL_SQLSTATE_SIZE + 1];
    SQLCHAR message[SQL_MAX_MESSAGE_LENGTH + 1];
    for (SQLSMALLINT record = 1;; ++record) {
        SQLINTEGER nativeError = 0;
        SQLSMALLINT length = 0;
        SQLRETURN diag = SQLGetDiagRec(type, handle, record, sqlState, &nativeError, message,
                                       sizeof message, &length);
        if (!SQL_SUCCEEDED(diag)) break;
        if (state.empty()) {
            state = reinterpret_cast<const char*>(sqlState);
            native = static_cast<int>(nativeError);
        }
        if (!text.empty()) text += "; ";
        text += reinterpret_cast<const char*>(message);
    }
    if (text.empty()) {
        text = rc == SQL_INVALID_HANDLE ? "invalid handle"
                                        : "no diagnostic (return code " + std::to_string(rc) + ")";
    }
    if (state.empty()) state = "HY000";
    return OdbcError(state, native, std::string(what) + ": " + text);
}

}  // namespace orvane::data
