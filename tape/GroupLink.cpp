#include "GroupLink.h"

#include "core/IPlugBase.h"

#include <algorithm>
#include <mutex>

namespace
{
constexpr double kNoValue = -1.0;  // never a linked parameter's value

struct GroupInstanceRecord
{
  bool used = false;
  bool pending = false;
  int group = -1;
};

// Shared by every instance of the module in this process.
struct GroupTables
{
  std::array<bool, GroupLink::kGroups> groupFlags{};
  std::array<GroupInstanceRecord, GroupLink::kMaxInstances> records{};
  std::array<std::array<double, GroupLink::kMaxParams>, GroupLink::kGroups> values;

  GroupTables()
  {
    for (auto& row : values)
      row.fill(kNoValue);
  }
};

GroupTables& Tables()
{
  static GroupTables tables;
  return tables;
}
}

GroupLink::GroupLink(IPlugBase& owner, std::initializer_list<int> linkedParams) : mOwner(owner)
{
  for (int paramIdx : linkedParams)
    if (mLinkedCount < kMaxParams)
      mLinkedParams[mLinkedCount++] = paramIdx;

  PlugLockGuard ownerLock(mOwner.Lock());
  GroupTables& tables = Tables();
  std::lock_guard guard(TablesGuard());
  for (int i = 0; i < kMaxInstances; ++i)
  {
    if (!tables.records[i].used)
    {
      tables.records[i] = {true, false, -1};
      mSlot = i;
      break;
    }
  }
}

GroupLink::~GroupLink()
{
  if (mSlot < 0)
    return;
  PlugLockGuard ownerLock(mOwner.Lock());
  std::lock_guard guard(TablesGuard());
  // A freed record belongs to no group, so the next instance starts clean.
  Tables().records[mSlot] = GroupInstanceRecord{};
}

std::mutex& GroupLink::TablesGuard()
{
  static std::mutex guard;
  return guard;
}

bool GroupLink::IsLinked(int paramIdx) const
{
  return std::find(mLinkedParams.begin(), mLinkedParams.begin() + mLinkedCount, paramIdx) !=
         mLinkedParams.begin() + mLinkedCount;
}

void GroupLink::SelectGroup(int choice)
{
  if (mSlot < 0)
    return;
  mGroup = choice >= 1 && choice <= kGroups ? choice - 1 : -1;
  mRecordOwed = true;
  TrySettle();
}

void GroupLink::PublishToGroup()
{
  if (!InGroup() || mPickingUp)
    return;
  mValuesOwed = true;
  TrySettle();
}

void GroupLink::TrySettle()
{
  std::unique_lock guard(TablesGuard(), std::try_to_lock);
  if (guard.owns_lock())
    SettleHeld();
}

void GroupLink::SettleHeld()
{
  GroupTables& tables = Tables();
  if (mRecordOwed)
  {
    // Joining flags the own record too: the next pick-up finds the own values
    // in the row, changes nothing and clears it. Leaving keeps the flag.
    GroupInstanceRecord& record = tables.records[mSlot];
    record.group = mGroup;
    if (InGroup())
      record.pending = true;
    mRecordOwed = false;
  }
  if (mValuesOwed && InGroup())
  {
    tables.groupFlags[mGroup] = true;
    for (int k = 0; k < kMaxInstances; ++k)
      if (k != mSlot && tables.records[k].group == mGroup)
        tables.records[k].pending = true;
    const int nParams = std::min(mOwner.NParams(), kMaxParams);
    for (int i = 0; i < nParams; ++i)
      tables.values[mGroup][i] = IsLinked(i) ? mOwner.GetParam(i)->Value() : kNoValue;
  }
  mValuesOwed = false;
}

void GroupLink::PickUpFromGroup()
{
  // The host hears what was adopted once the lock is released: on the
  // editor thread that is a call into the host, which the audio thread must
  // not wait for. Inside a block the lock stays held by the block, and the
  // host hears it through the block's output.
  std::array<int, kMaxParams> adopted;
  std::array<double, kMaxParams> adoptedValues;
  const int nAdopted = AdoptFromGroup(adopted, adoptedValues);
  for (int k = 0; k < nAdopted; ++k)
    mOwner.InformHostOfParamChange(adopted[k], adoptedValues[k]);
}

int GroupLink::AdoptFromGroup(std::array<int, kMaxParams>& adopted, std::array<double, kMaxParams>& adoptedValues)
{
  PlugLockGuard ownerLock(mOwner.Lock());
  if (mSlot < 0 || mPickingUp || (!InGroup() && !mRecordOwed))
    return 0;

  // Settle what this instance owes first, so that a row published before its
  // own change cannot undo that change; then copy the row and mark it seen in
  // one step under the guard: a member that publishes while we apply flags us
  // again instead of being lost.
  std::array<double, kMaxParams> row;
  {
    std::unique_lock guard(TablesGuard(), std::try_to_lock);
    if (!guard.owns_lock())
      return 0;
    SettleHeld();
    if (!InGroup())
      return 0;
    GroupTables& tables = Tables();
    GroupInstanceRecord& own = tables.records[mSlot];
    if (!tables.groupFlags[mGroup] || !own.pending)
      return 0;
    row = tables.values[mGroup];
    own.pending = false;
    tables.groupFlags[mGroup] = std::any_of(tables.records.begin(), tables.records.end(), [&](const auto& r) {
      return r.used && r.group == mGroup && r.pending;
    });
  }

  mPickingUp = true;
  int nAdopted = 0;
  const int nParams = std::min(mOwner.NParams(), kMaxParams);
  for (int i = 0; i < nParams; ++i)
  {
    IPlugParam& param = *mOwner.GetParam(i);
    if (row[i] == kNoValue || row[i] == param.Value())
      continue;
    param.SetClamped(row[i]);
    mOwner.HandleParamChange(i, ChangeFromPlugin);
    adopted[nAdopted] = i;
    adoptedValues[nAdopted++] = param.Normalized();
  }
  mPickingUp = false;
  return nAdopted;
}
