#include "host/TreeModel.h"

namespace vyr {

TTreeModel::TTreeModel(TCustomTreeView* owner) : FOwner(owner), FRoot(owner, nullptr, QString(), 0) {}

QModelIndex TTreeModel::IndexOf(const TTreeNode* node) const {
  if (!node) return {};
  return createIndex(node->FIndex, 0, const_cast<TTreeNode*>(node));
}

TTreeNode* TTreeModel::NodeOf(const QModelIndex& index) const {
  return index.isValid() ? static_cast<TTreeNode*>(index.internalPointer()) : nullptr;
}

void TTreeModel::Append(TTreeNode* parent, const QStringList& texts, bool hasChildren) {
  if (texts.isEmpty()) return;
  auto& children = Below(parent).FChildren;
  const int first = int(children.size());
  beginInsertRows(IndexOf(parent), first, first + int(texts.size()) - 1);
  children.reserve(children.size() + size_t(texts.size()));
  for (const QString& text : texts) {
    children.push_back(std::unique_ptr<TTreeNode>(new TTreeNode(FOwner, parent, text, int(children.size()))));
    children.back()->SetHasChildren(hasChildren, false);
  }
  endInsertRows();
}

void TTreeModel::RemoveChildren(TTreeNode* parent) {
  auto& children = Below(parent).FChildren;
  if (children.empty()) return;
  beginRemoveRows(IndexOf(parent), 0, int(children.size()) - 1);
  // Detached first: a node's destructor may look at its siblings no more.
  auto gone = std::move(children);
  children.clear();
  endRemoveRows();
}

QModelIndex TTreeModel::index(int row, int column, const QModelIndex& parent) const {
  const TTreeNode& above = parent.isValid() ? *NodeOf(parent) : FRoot;
  if (column != 0 || row < 0 || row >= above.Count()) return {};
  return createIndex(row, 0, above.FChildren[size_t(row)].get());
}

QModelIndex TTreeModel::parent(const QModelIndex& child) const {
  const TTreeNode* node = NodeOf(child);
  return node ? IndexOf(node->FParent) : QModelIndex();
}

int TTreeModel::rowCount(const QModelIndex& parent) const {
  if (parent.column() > 0) return 0;
  return parent.isValid() ? NodeOf(parent)->Count() : FRoot.Count();
}

bool TTreeModel::hasChildren(const QModelIndex& parent) const {
  return parent.isValid() ? NodeOf(parent)->HasChildren() : FRoot.Count() > 0;
}

QVariant TTreeModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  if (role == Qt::DisplayRole || role == Qt::ToolTipRole) return NodeOf(index)->Text();
  return {};
}

Qt::ItemFlags TTreeModel::flags(const QModelIndex& index) const {
  return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

bool TTreeModel::canFetchMore(const QModelIndex& parent) const {
  const TTreeNode* node = NodeOf(parent);
  return node && node->FHasChildren && node->FChildren.empty();
}

void TTreeModel::fetchMore(const QModelIndex& parent) {
  if (TTreeNode* node = NodeOf(parent)) FOwner->RunExpanding(node);
}

}  // namespace vyr
