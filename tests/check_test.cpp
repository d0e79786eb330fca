// --check: the verdict on a file, byte by byte, read from a file or a pipe.
#include <gtest/gtest.h>

#include <cstdio>

#include "channel_file.h"
#include "test_support.h"

namespace {

std::string hex(uint32_t v)
{
    char text[9];
    std::snprintf(text, sizeof text, "%08x", v);
    return text;
}

// The trailer stored, and what the bytes before it sum to.
std::string checksumLine(const std::string &bytes)
{
    std::string body = bytes.substr(0, bytes.size() - 4), trailer = bytes.substr(bytes.size() - 4);
    uint32_t stored = 0;
    for (int i = 3; i >= 0; --i)
        stored = stored << 8 | static_cast<uint8_t>(trailer[static_cast<size_t>(i)]);
    return "the checksum is " + hex(stored) + ", but the contents sum to " + hex(mpeg2Crc(body));
}

TEST(Check, VerdictsOnWholeAndDamagedLists)
{
    ScratchDir dir;
    const std::string original = dir.path("original.dat"), file = dir.path("list.dat");
    writeFile(original, buildChannelFile(syntheticList(5)));
    ASSERT_EQ(runTunvex({"-f", original, "-o", original, "-m", "5:1"}).status, 0);
    const std::string saved = readFile(original);  // 2,892 bytes: 8 + 5 x 576 + 4
    auto changed = [&](size_t at) {
        std::string bytes = saved;
        bytes[at] = static_cast<char>(bytes[at] ^ 0x20);
        return bytes;
    };
    ChannelFileContents renumbered = syntheticList(5);
    renumbered.channels[1].number = 9;
    const struct {
        const char *what;
        std::string bytes;
        std::string lines;  // after "FILE: "
        int status;
    } cases[] = {
        {"saved by tunvex", saved, "OK, 5 channels", 0},
        {"the header word changed", changed(0), checksumLine(changed(0)), 1},
        {"the count changed", changed(4),
         "the count says 37 channels, 21324 bytes with the trailer, but the file holds 2892 bytes", 1},
        {"a name changed", changed(8 + 576 + 10), checksumLine(changed(8 + 576 + 10)), 1},
        {"the last record's last byte changed", changed(2887), checksumLine(changed(2887)), 1},
        {"the trailer changed", changed(2890), checksumLine(changed(2890)), 1},
        {"a byte removed", saved.substr(0, 100) + saved.substr(101),
         "the checksum trailer is cut short: 3 of 4 bytes\nFILE: channel 2 is numbered 512 and 2560, not 2", 1},
        {"the trailer cut off", saved.substr(0, 2888), "the checksum trailer is missing", 1},
        {"shorter than its header", saved.substr(0, 5), "shorter than its header: 5 bytes", 1},
        {"records missing", saved.substr(0, 1000),
         "the count says 5 channels, 2892 bytes with the trailer, but the file holds 1000 bytes", 1},
        {"bytes after the trailer", saved + "xyz", "OK, 5 channels\nFILE: 3 bytes after the trailer", 0},
        {"numbered by its receiver", buildChannelFile(renumbered),
         "OK, 5 channels\nFILE: channel 2 is numbered 9 and 9, not 2", 0},
    };
    for (const auto &c : cases) {
        writeFile(file, c.bytes);
        // Each verdict twice: from the file, and from a pipe as it arrives.
        const std::pair<std::string, RunOptions> ways[] = {
            {file, {}},
            {"/dev/stdin", {.fileSizeLimit = 0, .stdoutPath = "", .asNobody = false, .program = "",
                            .stdinBytes = &c.bytes}},
        };
        for (const auto &[path, options] : ways) {
            std::string expected = "FILE: " + c.lines + "\n";
            for (size_t at; (at = expected.find("FILE")) != std::string::npos;)
                expected.replace(at, 4, path);
            RunResult r = runTunvex({"--check", "-f", path, "-l", "-o", file, "-d", "1"}, options);
            EXPECT_EQ(r.out, expected) << c.what << " from " << path;
            EXPECT_EQ(r.status, c.status) << c.what << " from " << path;
            EXPECT_TRUE(readFile(file) == c.bytes) << c.what << ": the check changed the file";
        }
    }
}

}  // namespace
