#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

#include <unistd.h>

// A broken expectation is a finding: abort, so libFuzzer keeps the input.
inline void Require(bool condition, const char* what)
{
    if (condition)
        return;
    std::fprintf(stderr, "broken: %s\n", what);
    std::abort();
}

// In memory where possible: the game syncs every file it saves, and on a disk that
// would be most of the time of a run.
inline std::string MakeTemporaryFolder(const char* name)
{
    std::string pattern = std::string(::access("/dev/shm", W_OK) == 0 ? "/dev/shm/" : "/tmp/") + name + "-XXXXXX";
    Require(::mkdtemp(pattern.data()) != nullptr, "temporary folder");
    return pattern;
}
