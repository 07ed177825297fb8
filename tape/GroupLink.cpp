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
  std::mutex guard;
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
  std::lock_guard guard(tables.guard);
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
  GroupTables& tables = Tables();
  std::lock_guard guard(tables.guard);
  // A freed record belongs to no group, so the next instance starts clean.
  tables.records[mSlot] = GroupInstanceRecord{};
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
  GroupTables& tables = Tables();
  std::lock_guard guard(tables.guard);
  GroupInstanceRecord& record = tables.records[mSlot];
  if (choice < 1 || choice > kGroups)
  {
    mGroup = -1;
    record.group = mGroup;
    return;
  }
  mGroup = choice - 1;
  record.group = mGroup;
  record.pending = true;
}

void GroupLink::PublishToGroup()
{
  if (!InGroup() || mBusy != Idle)
    return;
  mBusy = Publishing;
  {
    GroupTables& tables = Tables();
    std::lock_guard guard(tables.guard);
    tables.groupFlags[mGroup] = true;
    for (int k = 0; k < kMaxInstances; ++k)
      if (k != mSlot && tables.records[k].group == mGroup)
        tables.records[k].pending = true;
    const int nParams = std::min(mOwner.NParams(), kMaxParams);
    for (int i = 0; i < nParams; ++i)
      tables.values[mGroup][i] = IsLinked(i) ? mOwner.GetParam(i)->Value() : kNoValue;
  }
  mBusy = Idle;
}

void GroupLink::PickUpFromGroup()
{
  PlugLockGuard ownerLock(mOwner.Lock());
  if (!InGroup() || mBusy != Idle)
    return;

  // Copy the row and mark it seen in one step under the guard: a member that
  // publishes while we apply flags us again instead of being lost.
  std::array<double, kMaxParams> row;
  {
    GroupTables& tables = Tables();
    std::lock_guard guard(tables.guard);
    GroupInstanceRecord& own = tables.records[mSlot];
    if (!tables.groupFlags[mGroup] || !own.pending)
      return;
    row = tables.values[mGroup];
    own.pending = false;
    tables.groupFlags[mGroup] = std::any_of(tables.records.begin(), tables.records.end(), [&](const auto& r) {
      return r.used && r.group == mGroup && r.pending;
    });
  }

  mBusy = PickingUp;
  const int nParams = std::min(mOwner.NParams(), kMaxParams);
  for (int i = 0; i < nParams; ++i)
  {
    IPlugParam& param = *mOwner.GetParam(i);
    if (row[i] == kNoValue || row[i] == param.Value())
      continue;
    param.SetClamped(row[i]);
    mOwner.HandleParamChange(i, ChangeFromPlugin);
    mOwner.InformHostOfParamChange(i, param.Normalized());
  }
  mBusy = Idle;
}
