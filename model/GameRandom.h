#pragma once

#include <cstdint>
#include <random>

// The one random source of the model. Tests derive from it and override Next()
// to script every draw, so the order of draws is part of the model's behaviour.
class GameRandom {
public:
    GameRandom();                       // seeded from the wall clock
    explicit GameRandom(uint32_t seed); // reproducible runs for tests and benchmarks
    virtual ~GameRandom() = default;

    // A draw taken modulo n; 0 without a draw when n is 0 or less.
    int32_t Below(int32_t n);
    // The draws from here on are those of a source made with this seed.
    void Reseed(uint32_t seed);

protected:
    // A non-negative draw.
    virtual int32_t Next();

private:
    std::mt19937 engine;
};
