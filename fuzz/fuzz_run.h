// Shared by the fuzz targets: a scratch directory for the input and output
// files of one run, and standard output sent to /dev/null.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

struct FuzzFiles {
    std::string input;
    std::string output;
};

// Set up once per process.
const FuzzFiles &fuzzFiles();

// Writes the bytes as the input file; aborts when that fails.
void writeInput(const uint8_t *data, size_t size);
