#pragma once
// TBitFld: a resizable array of bits numbered from 0. Bits outside the size
// read as false and ignore writes.
#include <cstdint>
#include <vector>

namespace vyr {

class TBitFld {
 public:
  // Size of a new field unless the constructor is given one.
  static constexpr int kDefaultSize = 1024;

  explicit TBitFld(int size = kDefaultSize);

  int Size() const { return FSize; }
  // New size (negative counts as 0); bits below it keep their values, new
  // bits are false. Raises EVyrDStructError when memory runs out.
  void SetSize(int size);

  bool GetBit(int index) const;
  void SetBit(int index, bool value);
  // Bits from..to (both included, limited to the size) set to value, a
  // word at a time.
  void SetRange(int from, int to, bool value);
  // Every bit false.
  void Clear();
  // Index of the lowest true bit, -1 when there is none.
  int FirstTrueBit() const { return NextTrueBit(0); }
  // Index of the lowest true bit at or above from, -1 when there is none;
  // skips false bits a word at a time.
  int NextTrueBit(int from) const;
  int CountTrueBits() const;

 private:
  int FSize = 0;
  // Bits beyond FSize in the last word are always 0.
  std::vector<std::uint64_t> FWords;
};

}  // namespace vyr
