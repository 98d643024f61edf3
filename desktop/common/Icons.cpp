#include "common/Icons.h"

#include <QString>
#include <iterator>

// The resources sit in a static library; nothing would pull them into the program otherwise.
static void InitIconResources() { Q_INIT_RESOURCE(orvane); }

namespace orvane {

namespace {
QIcon Load(const char* name) {
    static const bool initialised = (InitIconResources(), true);
    (void)initialised;
    return QIcon(QString(":/%1.svg").arg(name));
}

// In the order of the enumerations and of the tree images 1 to 4.
constexpr const char* kTreeImages[] = {"icons/tree-db", "icons/tree-table", "icons/tree-field",
                                       "icons/tree-pk"};
constexpr const char* kTools[] = {
    "icons/connect", "icons/print",    "icons/save", "icons/cut",       "icons/copy", "icons/paste",
    "icons/options", "icons/generate", "icons/stop", "icons/highlight", "icons/about"};
constexpr const char* kOptions[] = {"icons/options-edit", "icons/options-format",
                                    "icons/options-doc"};
static_assert(std::size(kTools) == static_cast<std::size_t>(Icons::Tool::About) + 1);
static_assert(std::size(kOptions) == static_cast<std::size_t>(Icons::Option::Doc) + 1);
}  // namespace

QIcon Icons::TreeImage(int image) {
    if (image < 1 || image > static_cast<int>(std::size(kTreeImages))) return {};
    return Load(kTreeImages[image - 1]);
}

QIcon Icons::ToolIcon(Tool tool) { return Load(kTools[static_cast<std::size_t>(tool)]); }

QIcon Icons::OptionIcon(Option option) { return Load(kOptions[static_cast<std::size_t>(option)]); }

QPixmap Icons::Logo(int size) { return Load("orvane").pixmap(size, size); }

}  // namespace orvane
