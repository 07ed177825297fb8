#pragma once

#include <array>
#include <mutex>

class IPlugBase;

// One instance's membership in a group of instances that follow each other's
// settings. All instances of the module share process-wide group tables.
//
// Lock order: the owner's PlugLock, then the tables' guard. The guard is never
// held while calling into an instance, and changes only ever try it: when
// another instance holds it, what this one owes the tables (its membership,
// its published values) waits for its next pick-up, at the next block or
// editor tick. So an audio thread never waits on another instance.
class GroupLink
{
public:
  static constexpr int kGroups = 8;
  static constexpr int kMaxInstances = 128;
  static constexpr int kMaxParams = 128;

  // Takes the lowest free instance record; with none left (more than
  // kMaxInstances live instances) the owner stays outside every group.
  GroupLink(IPlugBase& owner, std::initializer_list<int> linkedParams);
  ~GroupLink();

  GroupLink(const GroupLink&) = delete;
  GroupLink& operator=(const GroupLink&) = delete;

  // The "Group" choice: 0 leaves, 1..kGroups joins group choice - 1.
  // Called by the owner's change handling, with its PlugLock held.
  void SelectGroup(int choice);

  // Writes the owner's linked values into its group's row and flags the other
  // members. The last step of every parameter change, PlugLock held.
  void PublishToGroup();

  // Adopts values that other members published since the last pick-up, then
  // tells the host. Takes the owner's PlugLock itself, so any thread may call
  // it; off the audio thread the caller must not hold it.
  void PickUpFromGroup();

  bool InGroup() const { return mGroup >= 0; }
  int Slot() const { return mSlot; }

  // Guards the process-wide tables; held only for a few table writes.
  static std::mutex& TablesGuard();

private:
  bool IsLinked(int paramIdx) const;
  // Applies the group's new values under the owner's PlugLock; lists the
  // parameters it changed with their normalised values, returns their count.
  int AdoptFromGroup(std::array<int, kMaxParams>& adopted, std::array<double, kMaxParams>& adoptedValues);
  // Writes what is owed unless another instance holds the tables.
  void TrySettle();
  // Writes what is owed, the guard held.
  void SettleHeld();

  IPlugBase& mOwner;
  // Adopting the group's values must not publish them back.
  bool mPickingUp = false;
  int mGroup = -1;  // 0..kGroups-1, -1 outside every group
  bool mRecordOwed = false;  // the tables do not know mGroup yet
  bool mValuesOwed = false;  // the linked values changed since they were published
  int mSlot = -1;
  std::array<int, kMaxParams> mLinkedParams{};
  int mLinkedCount = 0;
};
