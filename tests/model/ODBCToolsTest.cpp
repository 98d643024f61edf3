#include <gtest/gtest.h>

#include <sstream>

#include "Golden.h"
#include "data/ColumnMeta.h"
#include "model/ODBCTools.h"

namespace orvane {
namespace {

// Every map of every ADO code the data layer reports, and of codes outside the published range;
// the column type is asked for precision 10, scale 2, size 50 so that a swap shows.
TEST(ModelODBCTools, EveryMapOfEveryTypeCode) {
    using namespace data;
    const int codes[] = {-5,
                         adEmpty,
                         adSmallInt,
                         adInteger,
                         adSingle,
                         adDouble,
                         adCurrency,
                         adDate,
                         adBoolean,
                         adDecimal,
                         adTinyInt,
                         adUnsignedTinyInt,
                         adBigInt,
                         adGUID,
                         adBinary,
                         adChar,
                         adWChar,
                         adNumeric,
                         adDBDate,
                         adDBTime,
                         adDBTimeStamp,
                         adVarChar,
                         adLongVarChar,
                         adVarWChar,
                         adLongVarWChar,
                         adVarBinary,
                         adLongVarBinary,
                         300};
    std::ostringstream out;
    out << "code|Java|C#|VB|java.sql|XSD|column type|Java prefix|VB prefix|ADO constant|\n";
    for (int code : codes) {
        out << code << "|" << MapJavaType(code) << "|" << MapCSharpType(code) << "|"
            << MapVbType(code) << "|" << MapJavaSqlType(code) << "|" << MapXsdType(code) << "|"
            << MapDbType(code, 10, 2, 50) << "|" << JavaNamePrefix(code) << "|"
            << VbNamePrefix(code) << "|" << MapAdoType(code) << "|\n";
    }
    test::expectGolden("type-code-maps.txt", out.str());
}

}  // namespace
}  // namespace orvane
