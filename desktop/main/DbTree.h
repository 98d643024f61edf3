#pragma once

#include <QString>
#include <QTreeWidget>
#include <cstddef>
#include <functional>
#include <string>

namespace orvane {
class DbCatalog;
}

namespace orvane {

// The database tree's node format and check-mark rules, on a QTreeWidget. A node's key and
// image index live in the item's data; its check box is the item's check state.
class DbTree {
  public:
    static constexpr int KeyRole = Qt::UserRole;
    static constexpr int ImageRole = Qt::UserRole + 1;

    static QString Key(const QTreeWidgetItem* item);
    static int Image(const QTreeWidgetItem* item);
    static void SetImage(QTreeWidgetItem* item, int image);

    // Replaces the tree's content by the catalogue: root, the three folders, tables, columns.
    // progress(n) is called after every thousandth table (the window lets its events run there);
    // the tree keeps its nodes until all new ones are made.
    static void Fill(QTreeWidget* tree, const DbCatalog& catalog, const std::string& selectedDsn,
                     const std::function<void(std::size_t)>& progress = {});
    static QTreeWidgetItem* FindByKey(QTreeWidget* tree, const QString& key);

    static bool IsTableNode(const QTreeWidgetItem* item);
    static bool IsFieldNode(const QTreeWidgetItem* item);

    // Clears the mark of every node below item (not of item itself).
    static void UncheckChildren(QTreeWidgetItem* item);
    // Keeps table and column marks consistent after the user ticked or cleared item.
    static void PropagateCheck(QTreeWidgetItem* item);
    // The first ticked table, folder by folder; nullptr when none is ticked.
    static QTreeWidgetItem* GetCheckedTable(QTreeWidget* tree);
    // Swaps a column node between the field and key images; other nodes are left alone.
    static void TogglePrimaryKey(QTreeWidgetItem* item);
};

}  // namespace orvane
