#pragma once
// The item model behind TCustomTreeView: one column, one row per node,
// the node's address as the index's internal pointer. A placeholder node
// (HasChildren without child nodes) reports children and can fetch them;
// fetching asks the tree view to run Expanding for it.
#include <QAbstractItemModel>

#include "host/TreeView.h"

namespace vyr {

class TTreeModel : public QAbstractItemModel {
 public:
  explicit TTreeModel(TCustomTreeView* owner);

  // The invisible node above the top level.
  TTreeNode& Root() { return FRoot; }
  const TTreeNode& Root() const { return FRoot; }
  TTreeNode& Below(TTreeNode* parent) { return parent ? *parent : FRoot; }
  QModelIndex IndexOf(const TTreeNode* node) const;
  TTreeNode* NodeOf(const QModelIndex& index) const;

  void Append(TTreeNode* parent, const QStringList& texts, bool hasChildren);
  void RemoveChildren(TTreeNode* parent);

  QModelIndex index(int row, int column, const QModelIndex& parent) const override;
  QModelIndex parent(const QModelIndex& child) const override;
  int rowCount(const QModelIndex& parent) const override;
  int columnCount(const QModelIndex&) const override { return 1; }
  bool hasChildren(const QModelIndex& parent) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool canFetchMore(const QModelIndex& parent) const override;
  void fetchMore(const QModelIndex& parent) override;

 private:
  TCustomTreeView* FOwner;
  TTreeNode FRoot;
};

}  // namespace vyr
