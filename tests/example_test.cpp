// The bundled example list is what the generator makes of its description.
#include <gtest/gtest.h>

#include <cstdlib>

#include "test_support.h"

namespace {

TEST(Example, GeneratorReproducesTheBundledList)
{
    ScratchDir dir;
    std::string command = std::string(TUNVEX_EMULATOR " " MKCHANNELS_BIN " ") + dir.path("made.dat") +
                          " < " + EXAMPLE_DIR + "/channels.txt";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(readFile(dir.path("made.dat")), readFile(EXAMPLE_DIR "/channels.dat"));
}

TEST(Example, ListsTwelveChannels)
{
    RunResult r = runTunvex({"-f", EXAMPLE_DIR "/channels.dat", "-l"});
    EXPECT_EQ(r.out.substr(0, 23), "1:News One:News One:TV\n");
    EXPECT_NE(r.out.find("\n12:Weather Now:Weather Now:TV\n"), std::string::npos);
    EXPECT_EQ(r.status, 0);
}

}  // namespace
