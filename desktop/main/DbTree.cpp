#include "main/DbTree.h"

#include <memory>

#include "common/Icons.h"
#include "model/DbCatalog.h"
#include "model/TreeNode.h"

namespace orvane {

namespace {
QTreeWidgetItem* MakeNode(const QString& key, const QString& text, int image, const QIcon& icon) {
    auto* item = new QTreeWidgetItem(QStringList{text});
    // A narrow tree cuts long names; the tooltip shows them whole.
    item->setToolTip(0, text);
    item->setData(0, DbTree::KeyRole, key);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(0, Qt::Unchecked);
    item->setData(0, DbTree::ImageRole, image);
    item->setIcon(0, icon);
    return item;
}

QTreeWidgetItem* RootOf(QTreeWidgetItem* item) {
    while (item->parent() != nullptr) item = item->parent();
    return item;
}
}  // namespace

QString DbTree::Key(const QTreeWidgetItem* item) { return item->data(0, KeyRole).toString(); }
int DbTree::Image(const QTreeWidgetItem* item) { return item->data(0, ImageRole).toInt(); }

void DbTree::SetImage(QTreeWidgetItem* item, int image) {
    item->setData(0, ImageRole, image);
    item->setIcon(0, Icons::TreeImage(image));
}

void DbTree::Fill(QTreeWidget* tree, const DbCatalog& catalog, const std::string& selectedDsn,
                  const std::function<void(std::size_t)>& progress) {
    // One icon per image for all nodes: loading it again for each costs more than the node.
    const QIcon tableIcon = Icons::TreeImage(ImageTable);
    const QIcon fieldIcon = Icons::TreeImage(ImageField);
    // The nodes replace the tree's in one step at the end, so that progress may let the window's
    // events run while a catalogue of many thousand tables is turned into nodes.
    std::unique_ptr<QTreeWidgetItem> root(
        MakeNode("Root", QString::fromStdString(DbCatalog::RootText(selectedDsn, catalog.dbmsName)),
                 ImageDb, Icons::TreeImage(ImageDb)));
    std::size_t done = 0;
    for (const DbCatalog::Folder& folder : catalog.folders) {
        const QString name = QString::fromStdString(folder.name);
        QTreeWidgetItem* folderNode = MakeNode(name, name, ImageTable, tableIcon);
        root->addChild(folderNode);
        for (const DbCatalog::Table& table : folder.tables) {
            QTreeWidgetItem* tableNode =
                MakeNode(QString::fromStdString(DbCatalog::TableKey(table.fullName)),
                         QString::fromStdString(table.fullName), ImageTable, tableIcon);
            QList<QTreeWidgetItem*> columns;
            for (const std::string& column : table.columns) {
                columns.append(
                    MakeNode(QString::fromStdString(DbCatalog::ColumnKey(table.fullName, column)),
                             QString::fromStdString(column), ImageField, fieldIcon));
            }
            tableNode->addChildren(columns);
            folderNode->addChild(tableNode);
            if (progress && ++done % 1000 == 0) progress(done);
        }
    }
    tree->clear();
    tree->addTopLevelItem(root.get());
    root.release()->setExpanded(true);
}

QTreeWidgetItem* DbTree::FindByKey(QTreeWidget* tree, const QString& key) {
    for (QTreeWidgetItemIterator it(tree); *it != nullptr; ++it) {
        if (Key(*it) == key) return *it;
    }
    return nullptr;
}

bool DbTree::IsTableNode(const QTreeWidgetItem* item) {
    return item != nullptr && Key(item).contains("TABLE#");
}
bool DbTree::IsFieldNode(const QTreeWidgetItem* item) {
    return item != nullptr && Key(item).contains("FIELD#");
}

void DbTree::UncheckChildren(QTreeWidgetItem* item) {
    for (int i = 0; i < item->childCount(); ++i) {
        QTreeWidgetItem* child = item->child(i);
        child->setCheckState(0, Qt::Unchecked);
        UncheckChildren(child);
    }
}

void DbTree::PropagateCheck(QTreeWidgetItem* item) {
    const bool ticked = item->checkState(0) == Qt::Checked;
    if (IsTableNode(item)) {
        if (ticked) {
            UncheckChildren(RootOf(item));
            item->setCheckState(0, Qt::Checked);
        }
        for (int i = 0; i < item->childCount(); ++i) {
            item->child(i)->setCheckState(0, item->checkState(0));
        }
    } else if (IsFieldNode(item) && ticked) {
        if (item->parent() != nullptr) item->parent()->setCheckState(0, Qt::Checked);
    } else {
        item->setCheckState(0, Qt::Unchecked);
    }
}

QTreeWidgetItem* DbTree::GetCheckedTable(QTreeWidget* tree) {
    if (tree->topLevelItemCount() == 0) return nullptr;
    QTreeWidgetItem* root = tree->topLevelItem(0);
    for (int f = 0; f < root->childCount(); ++f) {
        QTreeWidgetItem* folder = root->child(f);
        for (int t = 0; t < folder->childCount(); ++t) {
            if (folder->child(t)->checkState(0) == Qt::Checked) return folder->child(t);
        }
    }
    return nullptr;
}

void DbTree::TogglePrimaryKey(QTreeWidgetItem* item) {
    if (item == nullptr) return;
    if (Image(item) == ImageField) {
        SetImage(item, ImagePk);
    } else if (Image(item) == ImagePk) {
        SetImage(item, ImageField);
    }
}

}  // namespace orvane
