// TDataTable: row and column names, attributes, scale types and nominal
// identifiers.
#include "foundation/DataTable.h"
#include "foundation/TextCut.h"

namespace vyr {

QString TDataTable::GetColName(int col) const { return ValidCol(col) ? FCols[col - 1].Name : QString(); }

void TDataTable::SetColName(int col, const QString& name) {
  if (!ValidCol(col)) return;
  const QString value = CutToLength(name, kMaxNameLength);
  if (FCols[col - 1].Name == value) return;
  FCols[col - 1].Name = value;
  SetupChanged();
}

QString TDataTable::GetRowName(int row) const { return ValidRow(row) ? FRowNames[row - 1] : QString(); }

void TDataTable::SetRowName(int row, const QString& name) {
  if (!ValidRow(row)) return;
  const QString value = CutToLength(name, kMaxNameLength);
  if (FRowNames[row - 1] == value) return;
  FRowNames[row - 1] = value;
  SetupChanged();
}

std::uint8_t TDataTable::GetColAttrib(int col) const { return ValidCol(col) ? FCols[col - 1].Attrib : 0; }

void TDataTable::SetColAttrib(int col, std::uint8_t value) {
  if (!ValidCol(col) || FCols[col - 1].Attrib == value) return;
  FCols[col - 1].Attrib = value;
  SetupChanged();
}

std::uint8_t TDataTable::GetRowAttrib(int row) const { return ValidRow(row) ? FRowAttribs[row - 1] : 0; }

void TDataTable::SetRowAttrib(int row, std::uint8_t value) {
  if (!ValidRow(row) || FRowAttribs[row - 1] == value) return;
  FRowAttribs[row - 1] = value;
  SetupChanged();
}

int TDataTable::GetMScaleType(int col) const { return ValidCol(col) ? FCols[col - 1].ScaleType : int(mstUndefined); }

void TDataTable::SetMScaleType(int col, int type) {
  if (!ValidCol(col) || type < 0 || type >= kMScaleTypeCount || FCols[col - 1].ScaleType == type) return;
  FCols[col - 1].ScaleType = static_cast<std::uint8_t>(type);
  SetupChanged();
}

QString TDataTable::GetNominalID(int col, int index) const {
  if (!ValidCol(col) || index < 1 || index > kMaxNominalIDs) return {};
  const std::vector<QString>& ids = FCols[col - 1].NominalIDs;
  return ids.empty() ? QString() : ids[index - 1];
}

void TDataTable::SetNominalID(int col, int index, const QString& id) {
  if (!ValidCol(col) || index < 1 || index > kMaxNominalIDs) return;
  const QString value = CutToLength(id, kMaxNominalIDLength);
  std::vector<QString>& ids = FCols[col - 1].NominalIDs;
  if (ids.empty()) {
    if (value.isEmpty()) return;
    ids.resize(kMaxNominalIDs);
  }
  if (ids[index - 1] == value) return;
  ids[index - 1] = value;
  SetupChanged();
}

int TDataTable::OrdinalOfNominalID(int col, const QString& id, bool ignoreCase) const {
  if (!ValidCol(col) || id.isEmpty()) return 0;
  const std::vector<QString>& ids = FCols[col - 1].NominalIDs;
  const Qt::CaseSensitivity cs = ignoreCase ? Qt::CaseInsensitive : Qt::CaseSensitive;
  for (std::size_t i = 0; i < ids.size(); ++i)
    if (ids[i].compare(id, cs) == 0) return static_cast<int>(i) + 1;
  return 0;
}

}  // namespace vyr
