// An open-addressed table of items the caller keeps, found by a hash and
// confirmed by the caller: one hashed look per line, with no allocation per
// entry, which a list of 65,535 channels would feel. It grows with what is
// put in it, so that it is never full.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class FlatIndex {
public:
    static constexpr uint32_t kNone = UINT32_MAX;

    FlatIndex() { resize(0); }
    explicit FlatIndex(size_t expected) { resize(expected); }

    // The item with this hash that `same` accepts, or kNone.
    template <typename Same>
    uint32_t find(uint64_t hash, Same same) const
    {
        for (size_t i = hash & mask(); slots_[i] != kNone; i = (i + 1) & mask())
            if (hashes_[i] == hash && same(slots_[i]))
                return slots_[i];
        return kNone;
    }

    // Adds an item; one that `find` would already give is not looked for.
    void insert(uint64_t hash, uint32_t item)
    {
        if (2 * (used_ + 1) > slots_.size())
            resize(used_ + 1);
        place(hash, item);
        ++used_;
    }

private:
    size_t mask() const { return slots_.size() - 1; }

    void place(uint64_t hash, uint32_t item)
    {
        size_t i = hash & mask();
        while (slots_[i] != kNone)
            i = (i + 1) & mask();
        slots_[i] = item;
        hashes_[i] = hash;
    }

    // Room for at least twice `items`, the items there moved over.
    void resize(size_t items)
    {
        size_t size = 16;
        while (size < 2 * items)
            size *= 2;
        std::vector<uint32_t> slots(size, kNone);
        std::vector<uint64_t> hashes(size);
        slots.swap(slots_);
        hashes.swap(hashes_);
        for (size_t i = 0; i < slots.size(); ++i)
            if (slots[i] != kNone)
                place(hashes[i], slots[i]);
    }

    std::vector<uint32_t> slots_;
    std::vector<uint64_t> hashes_;
    size_t used_ = 0;
};
