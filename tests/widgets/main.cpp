#include "Application.h"

#include <gtest/gtest.h>

// Widget tests run headless and silent: the offscreen platform needs no display and
// SDL's dummy driver no sound device. Its screen holds the board up to 400 %.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" TARVIK_TEST_SCREEN);
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER"))
        qputenv("SDL_AUDIODRIVER", "dummy");
    // The checks are of today's English texts and a C locale's numbers, whatever
    // language the environment asks for; a test that wants another installs it.
    qputenv("LANG", "C");
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LC_NUMERIC"})
        qunsetenv(name);
    Application app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
