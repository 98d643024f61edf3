#pragma once

#include <QIcon>
#include <QPixmap>

namespace orvane {

// The program's pictures, SVG files in resources/orvane.qrc.
class Icons {
  public:
    enum class Tool {
        Connect,
        Print,
        Save,
        Cut,
        Copy,
        Paste,
        Options,
        Generate,
        Stop,
        Highlight,
        About
    };
    // The options dialog's tree and panels.
    enum class Option { Edit, Format, Doc };

    // Tree images 1 "db", 2 "table", 3 "field", 4 "pk"; any other number has none.
    static QIcon TreeImage(int image);
    static QIcon ToolIcon(Tool tool);
    static QIcon OptionIcon(Option option);
    // The product's logo for the about box and the window icon.
    static QPixmap Logo(int size);
};

}  // namespace orvane
