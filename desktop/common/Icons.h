#pragma once

#include <QIcon>
#include <QPixmap>

namespace orvane {

// The program's pictures, drawn in code so they need no files and look alike everywhere.
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

    // Tree images 1 "db", 2 "table", 3 "field", 4 "pk".
    static QIcon TreeImage(int image);
    static QIcon ToolIcon(Tool tool);
    // The product's logo for the about box and the window icon.
    static QPixmap Logo(int size);
};

}  // namespace orvane
