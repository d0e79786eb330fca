#pragma once

#include <cstdio>

// Every edit needs somewhere to write its result; say so when it has none.
inline bool outputPathGiven(const char *outputPath)
{
    if (outputPath == nullptr) {
        std::printf("There is no specified output filename.\n");
        return false;
    }
    return true;
}
