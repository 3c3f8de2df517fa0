// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's one source of chance. Rules take a Random& so that tests can
// hand them a scripted or seeded source and every outcome is reproducible.
#include <cstdint>
#include <functional>

namespace furlox {

class Random {
public:
    virtual ~Random() = default;
    // Next value, uniform in [0, 1). Always a multiple of 2^-24, so it is
    // exactly a single-precision value and r * N + 1 never reaches N + 1.
    virtual double next() = 0;
    // Stirs the system clock into the generator before a draw. It mixes the
    // clock into the current state rather than replacing it, so draws made
    // within one tick of the clock still differ from each other.
    virtual void reseedFromClock() = 0;
};

// A whole number from 1 to n with equal chances: Int(r * n + 1).
int drawWhole(Random& random, int n);

// Small, fast generator (xoshiro256**) that gives the same sequence for the
// same seed on every compiler and standard library.
class SeededRandom : public Random {
public:
    explicit SeededRandom(std::uint64_t seed = 0x5eed'f0e1'0a11'cafeULL);
    double next() override;
    void reseedFromClock() override;
    void reseed(std::uint64_t seed);
    // Tests that want a fixed sequence turn the clock off: reseeds then change nothing.
    void setClockMixing(bool on) { clockMixing_ = on; }
    // The clock that reseeds read, in nanoseconds: the steady clock, or a
    // test's own.
    void setClock(std::function<std::uint64_t()> clock) { clock_ = std::move(clock); }

private:
    std::uint64_t nextBits();
    void mix(std::uint64_t value);
    std::uint64_t s_[4];
    bool clockMixing_ = true;
    std::function<std::uint64_t()> clock_;
};

}  // namespace furlox
