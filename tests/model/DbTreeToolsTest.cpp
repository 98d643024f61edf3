#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/DbTreeTools.h"
#include "model/PlainTreeNode.h"

namespace orvane {
namespace {

TEST(ModelDbTreeTools, NodeKindsFollowTheKeyMarkers) {
    struct Case {
        const char* key;
        bool table;
        bool field;
    };
    const std::vector<Case> cases = {
        {"TABLE#dbo.[Order Details]", true, false},
        {"dbo.[Order Details].FIELD#OrderID", false, true},
        {"xTABLE#", true, false},
        {"table#Orders", false, false},
        {"Orders.field#Id", false, false},
        {"Root", false, false},
        {"Tables", false, false},
        {"", false, false},
        // A table name holding the column marker makes the tests ambiguous, as documented.
        {"TABLE#FIELD#", true, true},
    };
    for (const Case& c : cases) {
        PlainTreeNode node(c.key, "text", ImageTable);
        auto view = node.View();
        EXPECT_EQ(IsTableNode(view.get()), c.table) << c.key;
        EXPECT_EQ(IsFieldNode(view.get()), c.field) << c.key;
    }
    EXPECT_FALSE(IsTableNode(nullptr));
    EXPECT_FALSE(IsFieldNode(nullptr));
}

// Children of one table node: text, tick, image.
struct Child {
    const char* text;
    bool checked;
    int image;
};
const std::vector<Child> kChildren = {
    {"ID", true, ImagePk},       {"Name", false, ImageField}, {"Name", true, ImagePk},
    {"city", true, ImageField},  {"Key", false, ImagePk},     {"Other", true, 5},
    {"Key2", false, ImageField}, {"Key2", false, ImagePk},
};

void AddChildren(PlainTreeNode& node) {
    for (const Child& c : kChildren) {
        node.AddChild(node.Key() + ".FIELD#" + c.text, c.text, c.image, c.checked);
    }
}

TEST(ModelDbTreeTools, FirstChildWithTheExactTextDecides) {
    struct Case {
        const char* column;
        bool selected;
        bool key;
    };
    const std::vector<Case> cases = {
        {"ID", true, true},     {"id", false, false},   {"Name", false, false},
        {"city", true, false},  {"City", false, false}, {"Key", false, true},
        {"Other", true, false}, {"Key2", false, false}, {"Missing", false, false},
        {"", false, false},     {"ID ", false, false},
    };
    PlainTreeNode table("TABLE#T", "T", ImageTable, true);
    AddChildren(table);
    // The same children under a node that is no table node count for nothing.
    PlainTreeNode folder("Tables", "T", ImageTable, true);
    AddChildren(folder);
    auto tableView = table.View();
    auto folderView = folder.View();
    for (const Case& c : cases) {
        EXPECT_EQ(IsFieldSelected(tableView.get(), c.column), c.selected) << c.column;
        EXPECT_EQ(IsPrimaryKeyField(tableView.get(), c.column), c.key) << c.column;
        EXPECT_FALSE(IsFieldSelected(folderView.get(), c.column)) << c.column;
        EXPECT_FALSE(IsPrimaryKeyField(folderView.get(), c.column)) << c.column;
    }
    EXPECT_FALSE(IsFieldSelected(nullptr, "ID"));
    EXPECT_FALSE(IsPrimaryKeyField(nullptr, "ID"));
}

TEST(ModelDbTreeTools, TableWithoutChildrenSelectsNothing) {
    PlainTreeNode table("TABLE#Empty", "Empty", ImageTable, true);
    auto view = table.View();
    EXPECT_FALSE(IsFieldSelected(view.get(), "Empty"));
    EXPECT_FALSE(IsPrimaryKeyField(view.get(), "Empty"));
}

}  // namespace
}  // namespace orvane
