#pragma once

namespace orvane {

// The nine output screens, in the order of the panes and of the settings records.
enum ScreenIDs : int {
    XSD_CODE = 0,
    BIZ_CODE = 1,
    DTD_CODE = 2,
    XML_CODE = 3,
    SQL_CODE = 4,
    VB_CODE = 5,
    JAVA_CODE = 6,
    VBNET_CODE = 7,
    CSHARP_CODE = 8,
};

}  // namespace orvane
