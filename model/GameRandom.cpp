#include "GameRandom.h"

#include <chrono>

GameRandom::GameRandom()
    : engine(static_cast<uint32_t>(std::chrono::system_clock::now().time_since_epoch().count()))
{
}

GameRandom::GameRandom(uint32_t seed)
    : engine(seed)
{
}

int32_t GameRandom::Below(int32_t n)
{
    if (n <= 0)
        return 0;
    return Next() % n;
}

void GameRandom::Reseed(uint32_t seed)
{
    engine.seed(seed);
}

int32_t GameRandom::Next()
{
    return static_cast<int32_t>(engine() >> 1);
}
