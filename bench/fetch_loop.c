/* The yardstick of the generation benchmark: the bare ODBC fetch loop that every load stands
 * on. It runs a query and reads every cell of its first rows as text with SQLGetData, and does
 * nothing else with them.
 *
 *   fetch_loop CONNECTION QUERY ROWS
 *
 * Prints the rows and bytes read; exits 1 when the data source fails or has fewer rows. */
#include <sql.h>
#include <sqlext.h>
#include <stdio.h>
#include <stdlib.h>

static SQLHENV env = SQL_NULL_HENV;
static SQLHDBC dbc = SQL_NULL_HDBC;
static SQLHSTMT stmt = SQL_NULL_HSTMT;

static void Release(void) {
    if (stmt != SQL_NULL_HSTMT) SQLFreeHandle(SQL_HANDLE_STMT, stmt);
    if (dbc != SQL_NULL_HDBC) {
        SQLDisconnect(dbc);
        SQLFreeHandle(SQL_HANDLE_DBC, dbc);
    }
    if (env != SQL_NULL_HENV) SQLFreeHandle(SQL_HANDLE_ENV, env);
}

static int Fail(const char* what, SQLSMALLINT type, SQLHANDLE handle) {
    SQLCHAR state[6] = "";
    SQLCHAR message[512] = "";
    SQLINTEGER native = 0;
    SQLSMALLINT length = 0;
    if (handle != SQL_NULL_HANDLE) {
        SQLGetDiagRec(type, handle, 1, state, &native, message, sizeof message, &length);
    }
    fprintf(stderr, "fetch_loop: %s failed: %s %s\n", what, state, message);
    Release();
    return 1;
}

int main(int argc, char** argv) {
    if (argc != 4) {
        fprintf(stderr, "usage: fetch_loop CONNECTION QUERY ROWS\n");
        return 2;
    }
    const long rows = atol(argv[3]);
    SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env);
    SQLSetEnvAttr(env, SQL_ATTR_ODBC_VERSION, (SQLPOINTER)SQL_OV_ODBC3, 0);
    SQLAllocHandle(SQL_HANDLE_DBC, env, &dbc);
    if (!SQL_SUCCEEDED(SQLDriverConnect(dbc, NULL, (SQLCHAR*)argv[1], SQL_NTS, NULL, 0, NULL,
                                        SQL_DRIVER_NOPROMPT))) {
        return Fail("connect", SQL_HANDLE_DBC, dbc);
    }
    SQLAllocHandle(SQL_HANDLE_STMT, dbc, &stmt);
    if (!SQL_SUCCEEDED(SQLExecDirect(stmt, (SQLCHAR*)argv[2], SQL_NTS))) {
        return Fail("query", SQL_HANDLE_STMT, stmt);
    }
    SQLSMALLINT columns = 0;
    SQLNumResultCols(stmt, &columns);

    static char buffer[8192];
    long fetched = 0;
    long long bytes = 0;
    while (fetched < rows) {
        SQLRETURN rc = SQLFetch(stmt);
        if (rc == SQL_NO_DATA) break;
        if (!SQL_SUCCEEDED(rc)) return Fail("fetch", SQL_HANDLE_STMT, stmt);
        for (SQLUSMALLINT c = 1; c <= (SQLUSMALLINT)columns; ++c) {
            /* A value longer than the buffer comes in pieces. */
            for (;;) {
                SQLLEN length = 0;
                rc = SQLGetData(stmt, c, SQL_C_CHAR, buffer, sizeof buffer, &length);
                if (rc == SQL_NO_DATA) break;
                if (!SQL_SUCCEEDED(rc)) return Fail("reading a cell", SQL_HANDLE_STMT, stmt);
                if (length == SQL_NULL_DATA) break;
                if (length == SQL_NO_TOTAL || length >= (SQLLEN)sizeof buffer) {
                    bytes += sizeof buffer - 1;
                } else {
                    bytes += length;
                }
                if (rc == SQL_SUCCESS) break;
            }
        }
        ++fetched;
    }
    SQLCloseCursor(stmt);
    Release();
    printf("%ld rows, %lld bytes\n", fetched, bytes);
    return fetched == rows ? 0 : 1;
}
