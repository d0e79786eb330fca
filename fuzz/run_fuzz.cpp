// Fuzz target: a whole run. The first byte picks the operation, the bytes up
// to the first newline are its argument, the rest is the channel file. A file
// that gets saved must be whole: 12 + 576 x count bytes, ending in the
// checksum of the bytes before it.
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "channel.h"
#include "list_file.h"
#include "channel_file.h"
#include "fuzz_run.h"
#include "branches.h"
#include "operations.h"

namespace {

bool runOperation(uint8_t which, std::string &argument, SaveTarget &target)
{
    switch (which % 4) {
    case 0: return !listingText(*dtv).empty() || dtv->count == 0;
    case 1: return renameBranch(argument.data(), target);
    case 2: return deleteBranch(argument.c_str(), target);
    default: return moveBranch(argument.data(), target);
    }
}

// The file's integers are little-endian, whatever the host.
uint32_t fileWord(const std::string &bytes, size_t at)
{
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = v << 8 | static_cast<uint8_t>(bytes[at + static_cast<size_t>(i)]);
    return v;
}

void checkSaved(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.size() < 12)
        std::abort();
    uint32_t count = fileWord(bytes, 4);
    if (bytes.size() != 12 + 576ull * count || count != dtv->count)
        std::abort();
    std::string body = bytes.substr(0, bytes.size() - 4);
    if (fileWord(bytes, body.size()) != mpeg2Crc(body))
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const uint8_t *end = data + size;
    const uint8_t *newline = static_cast<const uint8_t *>(std::memchr(data + 1, '\n', size - 1));
    const uint8_t *fileStart = newline ? newline + 1 : end;
    const uint8_t *argumentEnd = newline ? newline : end;
    std::string argument(reinterpret_cast<const char *>(data + 1),
                         static_cast<size_t>(argumentEnd - (data + 1)));
    // The command line cannot carry a zero byte.
    if (size_t zero = argument.find('\0'); zero != std::string::npos)
        argument.resize(zero);
    const FuzzFiles &files = fuzzFiles();
    writeInput(fileStart, static_cast<size_t>(end - fileStart));
    unlink(files.output.c_str());
    SaveTarget target;
    target.path = files.output.c_str();
    if (readFromFile(files.input.c_str(), &target.source) == 0) {
        runOperation(data[0], argument, target);
        if (access(files.output.c_str(), F_OK) == 0)
            checkSaved(files.output);
    }
    releaseChannelList();
    return 0;
}
