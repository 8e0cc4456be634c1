#include "zephro/json/hasher.h"

#include <bit>
#include <random>

namespace zephro {

namespace {

using State = std::array<std::uint64_t, 4>;

void sipRound(State& v) {
  v[0] += v[1];
  v[1] = std::rotl(v[1], 13);
  v[1] ^= v[0];
  v[0] = std::rotl(v[0], 32);
  v[2] += v[3];
  v[3] = std::rotl(v[3], 16);
  v[3] ^= v[2];
  v[0] += v[3];
  v[3] = std::rotl(v[3], 21);
  v[3] ^= v[0];
  v[2] += v[1];
  v[1] = std::rotl(v[1], 17);
  v[1] ^= v[2];
  v[2] = std::rotl(v[2], 32);
}

Hasher::Seed randomSeed() {
  std::random_device device;
  auto word = [&device] { return (std::uint64_t{device()} << 32) | device(); };
  return {word(), word()};
}

}  // namespace

Hasher::Hasher() : Hasher(processSeed()) {}

Hasher::Hasher(const Seed& seed)
    : seed_(seed),
      state_{seed[0] ^ 0x736f6d6570736575ULL, seed[1] ^ 0x646f72616e646f6dULL, seed[0] ^ 0x6c7967656e657261ULL,
             seed[1] ^ 0x7465646279746573ULL} {}

const Hasher::Seed& Hasher::processSeed() {
  static const Seed seed = randomSeed();
  return seed;
}

void Hasher::compress(std::uint64_t block) {
  state_[3] ^= block;
  sipRound(state_);
  state_[0] ^= block;
}

void Hasher::combineBytes(const void* data, std::size_t size) {
  const auto* bytes = static_cast<const unsigned char*>(data);
  for (std::size_t i = 0; i < size; ++i) {
    pending_ |= std::uint64_t{bytes[i]} << (8 * (length_ % 8));
    if (++length_ % 8 == 0) {
      compress(pending_);
      pending_ = 0;
    }
  }
}

std::uint64_t Hasher::finalize() const {
  Hasher copy = *this;
  std::uint64_t last = pending_ | (std::uint64_t{length_} << 56);
  copy.compress(last);
  copy.state_[2] ^= 0xFF;
  for (int i = 0; i < 3; ++i) sipRound(copy.state_);
  return copy.state_[0] ^ copy.state_[1] ^ copy.state_[2] ^ copy.state_[3];
}

}  // namespace zephro
