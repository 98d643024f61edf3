#pragma once

#include <array>
#include <string>

#include "core/Export.h"

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

inline constexpr int kScreenCount = 9;

// What the library, the settings and both front ends know of a screen.
struct ScreenInfo {
    ScreenIDs id;
    const char* key;            // its name on orvane-gen's command line
    const char* name;           // its settings section and its node in the options dialog
    const char* description;    // what the progress messages call it
    const char* extension;      // the extension the settings list gives it
    const char* fileExtension;  // the extension of the files it is saved to
    bool classOutput;           // a class: its file name carries the screen's suffix
};

// The settings list "csc" for C# while its files have always been saved as ".cs"; both stay.
inline constexpr std::array<ScreenInfo, kScreenCount> kScreenTable = {{
    {XSD_CODE, "xsd", "XML Schema", "W3C XML Schema", "xsd", "xsd", false},
    {BIZ_CODE, "biz", "BizTalk Schema", "BizTalk XML Schema", "biz", "biz", false},
    {DTD_CODE, "dtd", "DTD", "DTD", "dtd", "dtd", false},
    {XML_CODE, "xml", "XML Data", "XML Data Example", "xml", "xml", false},
    {SQL_CODE, "sql", "SQL", "SQL Insert Statements", "sql", "sql", false},
    {VB_CODE, "vb", "VB", "VB COM object to access the table", "cls", "cls", true},
    {JAVA_CODE, "java", "Java", "Java bean to access the table", "java", "java", true},
    {VBNET_CODE, "vbnet", "VB.NET", "VB.NET object", "vb", "vb", true},
    {CSHARP_CODE, "csharp", "C#", "C# Class", "csc", "cs", true},
}};

// Outside text (an alias, a suffix, a name typed in a dialog) made one file name: "/", "\\",
// NUL and the other control characters become "_", so the file stays in the folder it is put
// in. Throws OrvaneError when nothing but dots, or nothing, remains.
ORVANE_API std::string FileNamePart(const std::string& text);

// The file a screen's text is saved to: FileNamePart of base and, for a class, the suffix, then
// "." and the file extension. A screen outside the table gives FileNamePart(base).
ORVANE_API std::string ScreenFileName(const std::string& base, int screen,
                                      const std::string& suffix);

}  // namespace orvane
