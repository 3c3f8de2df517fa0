// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/random.h"

#include <chrono>
#include <cmath>

namespace furlox {

namespace {

std::uint64_t splitmix(std::uint64_t& x)
{
    std::uint64_t z = (x += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

std::uint64_t rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

}  // namespace

int drawWhole(Random& random, int n)
{
    return static_cast<int>(std::floor(random.next() * n + 1));
}

SeededRandom::SeededRandom(std::uint64_t seed)
    : clock_([] {
          const auto now = std::chrono::steady_clock::now().time_since_epoch();
          return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
      })
{
    reseed(seed);
}

void SeededRandom::reseed(std::uint64_t seed)
{
    for (auto& word : s_)
        word = splitmix(seed);
}

std::uint64_t SeededRandom::nextBits()
{
    const std::uint64_t result = rotl(s_[1] * 5, 7) * 9;
    const std::uint64_t t = s_[1] << 17;
    s_[2] ^= s_[0];
    s_[3] ^= s_[1];
    s_[1] ^= s_[2];
    s_[0] ^= s_[3];
    s_[2] ^= t;
    s_[3] = rotl(s_[3], 45);
    return result;
}

double SeededRandom::next()
{
    return static_cast<double>(nextBits() >> 40) * (1.0 / 16777216.0);
}

void SeededRandom::mix(std::uint64_t value)
{
    // XOR the clock into the state and step once: the state keeps everything
    // it had, so equal clock readings still give different draws.
    std::uint64_t x = value;
    s_[0] ^= splitmix(x);
    s_[2] ^= splitmix(x);
    if ((s_[0] | s_[1] | s_[2] | s_[3]) == 0)
        s_[1] = 1;  // xoshiro must never sit in the all-zero state
    nextBits();
}

void SeededRandom::reseedFromClock()
{
    if (clockMixing_)
        mix(clock_());
}

}  // namespace furlox
