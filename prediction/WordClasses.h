// Grammatical classes and class pairs, read from the general class files.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/FileSystem.h"

namespace vorelio {

struct CWordClass {
  std::string name;
  int32_t frequency = 0;
};

// The classes of the class file, one slot per line read (at most 500).
class CWordClassSet {
 public:
  static constexpr int kCapacity = 500;

  void Clear();
  // Reads "%s %d" lines into consecutive slots; a line that does not match
  // leaves its slot empty and adds nothing to the total. Missing file: false,
  // nothing read.
  bool Load(FileSystem& files, const std::string& path);
  // Linear search over the classes read; 0 for an unknown name.
  int32_t Frequency(std::string_view name) const;
  int32_t Count() const { return static_cast<int32_t>(classes_.size()); }
  int32_t Total() const { return total_; }
  const std::vector<CWordClass>& Classes() const { return classes_; }

 private:
  std::vector<CWordClass> classes_;
  int32_t total_ = 0;
};

struct CWordClassPair {
  std::string first;
  std::string second;
  bool operator==(const CWordClassPair&) const = default;
};

// Frequencies of class successions, from "%s %s %d" lines.
class CWordClassPairSet {
 public:
  void Clear();
  // A repeated pair keeps the last value; the total sums every value read
  // and the count is the number of lines. Missing file: false.
  bool Load(FileSystem& files, const std::string& path);
  // 0 for a pair that is not in the set.
  int32_t Frequency(std::string_view first, std::string_view second) const;
  int32_t Count() const { return count_; }
  int32_t Total() const { return total_; }

 private:
  struct PairHash {
    std::size_t operator()(const CWordClassPair& pair) const;
  };
  std::unordered_map<CWordClassPair, int32_t, PairHash> pairs_;
  int32_t count_ = 0;
  int32_t total_ = 0;
};

}  // namespace vorelio
