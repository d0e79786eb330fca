// What a --match reference is: a listing made before a rescan, or the list
// file from before the rescan itself, whose channels, as -l lists them, are
// the reference.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "list_check.h"

enum class ReferenceKind {
    text,       // a listing, or any other text
    list,       // a list file, whole or not: its listing stands for it
    cutShort,   // a list file without all the records its count announces
    tooMany,    // a list file of more channels than a listing can number
};

struct ReferenceFile {
    ReferenceKind kind = ReferenceKind::text;
    CheckReport check;    // of a list file: whether it is whole
    std::string listing;  // of a list file: its channels as -l lists them
    uint32_t count = 0;   // of a list file: its channels
};

// Whether bytes begin as a channel list does, and the count they announce:
// one no text could spell, its top byte zero (no text holds a zero byte;
// UTF-16 and UTF-32 are told apart).
bool announcesAList(const uint8_t *bytes, size_t length, uint32_t *count);

ReferenceFile readReferenceFile(const uint8_t *bytes, size_t length);
