// The checks every edit branch makes before it touches the list: that it was
// given its argument, and somewhere to write the result. Each refusal prints
// its own line.
#pragma once

#include <cstdio>

inline bool editArgumentsGiven(const char *argument, const char *missingArgument,
                               const char *outputPath)
{
    if (argument == nullptr) {
        std::printf("%s\n", missingArgument);
        return false;
    }
    if (outputPath == nullptr) {
        std::printf("There is no specified output filename.\n");
        return false;
    }
    return true;
}
