// A growable table of records indexed from 0 by a 16-bit index. A record with an empty
// name (or a flight with no date) is a free slot; freed slots in the middle stay where they
// are so that indices stored elsewhere stay valid, while free slots at the end are dropped.
#pragma once

#include <cassert>
#include <cstdint>
#include <vector>

namespace aloftra {

// Each table holds at most this many slots. The file reader refuses a list longer than this
// and a new entry is refused once a table is full, so whatever is entered can be read back.
inline constexpr int kMaxSlots = 32767;

template <class Record>
class RecordTable {
 public:
  // -1 when the table has no slot.
  int LastIndex() const { return static_cast<int>(slots_.size()) - 1; }
  int SlotCount() const { return static_cast<int>(slots_.size()); }
  bool Empty() const { return slots_.empty(); }
  bool Full() const { return SlotCount() >= kMaxSlots; }

  bool InRange(int index) const { return index >= 0 && index < SlotCount(); }
  bool IsLive(int index) const { return InRange(index) && !slots_[index].IsFree(); }

  Record& operator[](int index) {
    assert(InRange(index));
    return slots_[index];
  }
  const Record& operator[](int index) const {
    assert(InRange(index));
    return slots_[index];
  }

  // The record at an index if that slot holds a live entry, else nullptr.
  const Record* Live(int index) const { return IsLive(index) ? &slots_[index] : nullptr; }
  Record* Live(int index) { return IsLive(index) ? &slots_[index] : nullptr; }

  // Adds one slot at the end and returns its index. The caller checks Full() first.
  int Append(Record record = {}) {
    assert(!Full());
    slots_.push_back(std::move(record));
    return LastIndex();
  }

  // The lowest free slot, or -1 when every slot is live.
  int LowestFreeSlot() const {
    for (int i = 0; i < SlotCount(); ++i) {
      if (slots_[i].IsFree()) return i;
    }
    return -1;
  }

  // A slot for a new entry: the lowest free one, reset to a never-used record, or a new
  // slot at the end. Returns -1 when the table is full.
  int TakeSlotForNewEntry() {
    int index = LowestFreeSlot();
    if (index >= 0) {
      slots_[index] = Record{};
      return index;
    }
    if (Full()) return -1;
    return Append();
  }

  // Lowers the last index past every free slot at the end of the table.
  void TrimFreeTail() {
    while (!slots_.empty() && slots_.back().IsFree())
      slots_.pop_back();
  }

  int LiveCount() const {
    int count = 0;
    for (const Record& record : slots_)
      count += record.IsFree() ? 0 : 1;
    return count;
  }

  // The highest index holding a live entry, or -1.
  int HighestLiveIndex() const {
    for (int i = LastIndex(); i >= 0; --i) {
      if (!slots_[i].IsFree()) return i;
    }
    return -1;
  }

  void Clear() { slots_.clear(); }
  void Reserve(int count) { slots_.reserve(static_cast<std::size_t>(count)); }

  auto begin() { return slots_.begin(); }
  auto end() { return slots_.end(); }
  auto begin() const { return slots_.begin(); }
  auto end() const { return slots_.end(); }

  bool operator==(const RecordTable&) const = default;

 private:
  std::vector<Record> slots_;
};

}  // namespace aloftra
