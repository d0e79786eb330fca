#include "fuzz_run.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace {

FuzzFiles makeFiles()
{
    std::string dir = std::filesystem::temp_directory_path() / "tunvex-fuzz-XXXXXX";
    if (mkdtemp(dir.data()) == nullptr)
        std::abort();
    // What the tool prints is of no interest here and would slow the runs.
    int null = open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (null < 0 || dup2(null, STDOUT_FILENO) < 0)
        std::abort();
    close(null);
    static std::string cleanup;
    cleanup = dir;
    std::atexit([] { std::filesystem::remove_all(cleanup); });
    return FuzzFiles{dir + "/in.dat", dir + "/out.dat"};
}

}  // namespace

const FuzzFiles &fuzzFiles()
{
    static const FuzzFiles files = makeFiles();
    return files;
}

void writeInput(const uint8_t *data, size_t size)
{
    FILE *f = std::fopen(fuzzFiles().input.c_str(), "wb");
    if (f == nullptr || std::fwrite(data, 1, size, f) != size || std::fclose(f) != 0)
        std::abort();
}
