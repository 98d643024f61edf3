#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/ODBCTools.h"

namespace orvane {
namespace {

struct MapCase {
    int code;
    const char* java;
    const char* csharp;
    const char* vb;
    const char* javaSql;
    const char* xsd;
    const char* db;  // for precision 10, scale 2, size 50
    const char* javaPrefix;
    const char* vbPrefix;
};

// Every map of one type code in one row; codes cover each class, each single-code entry
// and codes outside the published range.
const std::vector<MapCase> kMapCases = {
    {-5, "String", "String", "String", "Types.VARCHAR", "string", "VARCHAR(50)", "s_", "s"},
    {0, "String", "String", "String", "Types.VARCHAR", "string", "VARCHAR(50)", "s_", "s"},
    {2, "String", "String", "String", "Types.VARCHAR", "int", "VARCHAR(50)", "s_", "s"},
    {3, "Double", "Double", "Variant", "Types.INTEGER", "int", "INTEGER", "i_", "n"},
    {4, "String", "String", "String", "Types.VARCHAR", "float", "VARCHAR(50)", "s_", "s"},
    {5, "Double", "Double", "Variant", "Types.DOUBLE", "double", "DOUBLE(10,2)", "i_", "n"},
    {6, "String", "String", "String", "Types.VARCHAR", "string", "VARCHAR(50)", "s_", "s"},
    {7, "Date", "object", "Date", "Types.DATE", "date", "DATE", "d_", "d"},
    {11, "String", "String", "String", "Types.VARCHAR", "string", "VARCHAR(50)", "s_", "s"},
    {14, "Double", "Double", "Variant", "Types.DECIMAL ", "float", "DECIMAL(10,2)", "i_", "n"},
    {16, "String", "String", "String", "Types.VARCHAR", "int", "VARCHAR(50)", "s_", "s"},
    {20, "Double", "Double", "Variant", "Types.BIGINT", "long", "BIGINT", "i_", "n"},
    {128, "String", "String", "String", "Types.BINARY", "base64Binary", "BINARY", "s_", "s"},
    {129, "String", "String", "String", "Types.VARCHAR", "string", "VARCHAR(50)", "s_", "s"},
    {131, "Double", "Double", "Variant", "Types.NUMERIC ", "float", "NUMERIC(10,2)", "i_", "n"},
    {133, "Date", "object", "Date", "Types.DATE", "date", "DATE", "d_", "d"},
    {134, "String", "String", "String", "Types.TIME", "string", "TIME", "s_", "s"},
    {135, "Date", "object", "Date", "Types.TIMESTAMP", "date", "DATE", "d_", "d"},
    {200, "String", "String", "String", "Types.VARCHAR", "string", "VARCHAR(50)", "s_", "s"},
    {201, "String", "String", "String", "Types.LONGVARCHAR", "string", "LONGVARCHAR", "s_", "s"},
    {202, "String", "String", "String", "Types.VARCHAR", "string", "VARCHAR(50)", "s_", "s"},
    {204, "String", "String", "String", "Types.VARCHAR", "base64Binary", "VARCHAR(50)", "s_", "s"},
    {205, "String", "String", "String", "Types.VARCHAR", "base64Binary", "VARCHAR(50)", "s_", "s"},
    {300, "String", "String", "String", "Types.VARCHAR", "string", "VARCHAR(50)", "s_", "s"},
};

TEST(ModelODBCTools, EveryMapOfEveryCode) {
    for (const MapCase& c : kMapCases) {
        SCOPED_TRACE("type code " + std::to_string(c.code));
        EXPECT_EQ(MapJavaType(c.code), c.java);
        EXPECT_EQ(MapCSharpType(c.code), c.csharp);
        EXPECT_EQ(MapVbType(c.code), c.vb);
        EXPECT_EQ(MapJavaSqlType(c.code), c.javaSql);
        EXPECT_EQ(MapXsdType(c.code), c.xsd);
        EXPECT_EQ(MapDbType(c.code, 10, 2, 50), c.db);
        EXPECT_EQ(JavaNamePrefix(c.code), c.javaPrefix);
        EXPECT_EQ(VbNamePrefix(c.code), c.vbPrefix);
    }
}

TEST(ModelODBCTools, DbTypeWritesItsNumbersWithoutBlanks) {
    struct Case {
        int code, precision, scale, size;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {131, 38, 0, 0, "NUMERIC(38,0)"}, {14, 255, 255, 1, "DECIMAL(255,255)"},
        {5, 15, 0, 8, "DOUBLE(15,0)"},    {200, 0, 0, 0, "VARCHAR(0)"},
        {129, 9, 9, 3, "VARCHAR(3)"},     {202, 0, 0, 1073741823, "VARCHAR(1073741823)"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MapDbType(c.code, c.precision, c.scale, c.size), c.expected) << c.code;
    }
}

}  // namespace
}  // namespace orvane
