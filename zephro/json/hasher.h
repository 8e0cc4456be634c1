// A seeded 64-bit hasher (SipHash-1-3) fed byte by byte. The process-wide
// seed is random per run: nothing may rely on a hash being the same in
// another process.
#pragma once

#include <array>
#include <concepts>
#include <cstddef>
#include <cstdint>

namespace zephro {

class Hasher {
 public:
  using Seed = std::array<std::uint64_t, 2>;

  // Seeded with the process-wide seed.
  Hasher();
  explicit Hasher(const Seed& seed);
  static const Seed& processSeed();

  const Seed& seed() const { return seed_; }
  void combineBytes(const void* data, std::size_t size);
  template <class T>
  requires std::integral<T> || std::floating_point<T>
  void combine(T value) { combineBytes(&value, sizeof value); }
  // The hash of everything fed so far; the hasher itself is left unchanged.
  std::uint64_t finalize() const;

 private:
  void compress(std::uint64_t block);

  Seed seed_;
  std::array<std::uint64_t, 4> state_;
  std::uint64_t pending_ = 0;  // bytes not yet making a whole block
  std::size_t length_ = 0;
};

}  // namespace zephro
