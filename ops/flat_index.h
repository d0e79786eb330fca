// An open-addressed table of items the caller keeps, found by a hash and
// confirmed by the caller: one hashed look per line, with no allocation per
// entry, which a list of 65,535 channels would feel. It grows with what is
// put in it, so that it is never full.
//
// Any hash will do, a channel's number itself: the table mixes it with a
// key of its own before it picks a slot, so that keys alike in their low or
// high bits (numbers that are multiples of 2^16, say) do not all land in one
// run of full slots, and no list of keys written in advance can make them.
#pragma once

#ifndef __wasi__
#include <sys/random.h>
#endif

#include <cstddef>
#include <cstdint>
#include <vector>

class FlatIndex {
public:
    static constexpr uint32_t kNone = UINT32_MAX;

    FlatIndex() : seed_(freshSeed()) { resize(0); }
    explicit FlatIndex(size_t expected) : seed_(freshSeed()) { resize(expected); }

    // The first item put in with this hash that `same` accepts, or kNone.
    template <typename Same>
    uint32_t find(uint64_t hash, Same same) const
    {
        const uint64_t mixed = mix(hash);
        for (size_t i = slotOf(mixed); slots_[i] != kNone; i = (i + 1) & mask())
            if (mixed_[i] == mixed && same(slots_[i]))
                return slots_[i];
        return kNone;
    }

    // Adds an item; one that `find` would already give is not looked for.
    void insert(uint64_t hash, uint32_t item)
    {
        if (2 * (used_ + 1) > slots_.size())
            resize(used_ + 1);
        place(mix(hash), item);
        ++used_;
    }

private:
    // From the system where it has entropy to give; where it has none (a
    // kernel without getrandom), where the table lies, which moves from run
    // to run. The page's loader hands the module no entropy: there, the
    // address alone.
    uint64_t freshSeed() const
    {
        uint64_t seed = reinterpret_cast<uintptr_t>(this);
#ifndef __wasi__
        if (uint64_t drawn = 0; getentropy(&drawn, sizeof drawn) == 0)
            seed = drawn;
#endif
        return seed;
    }

    // A bijection, so that hashes are equal exactly when their mixes are;
    // a bit of the hash or of the seed turned turns about half the bits of
    // the result (the finalizer of SplitMix64).
    uint64_t mix(uint64_t hash) const
    {
        uint64_t x = hash ^ seed_;
        x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9u;
        x = (x ^ (x >> 27)) * 0x94D049BB133111EBu;
        return x ^ (x >> 31);
    }

    // The high bits: the finalizer mixes them best.
    size_t slotOf(uint64_t mixed) const { return static_cast<size_t>(mixed >> shift_); }
    size_t mask() const { return slots_.size() - 1; }

    void place(uint64_t mixed, uint32_t item)
    {
        size_t i = slotOf(mixed);
        while (slots_[i] != kNone)
            i = (i + 1) & mask();
        slots_[i] = item;
        mixed_[i] = mixed;
    }

    // Room for at least twice `items`, the items there moved over.
    void resize(size_t items)
    {
        size_t size = 16;
        unsigned shift = 60;
        for (; size < 2 * items; --shift)
            size *= 2;
        std::vector<uint32_t> slots(size, kNone);
        std::vector<uint64_t> mixed(size);
        slots.swap(slots_);
        mixed.swap(mixed_);
        shift_ = shift;
        // Items of one hash lie in one run of full slots, the first put in
        // first; taken from an empty slot on, a run that wraps around the
        // end goes over in that order too.
        size_t start = 0;
        while (start < slots.size() && slots[start] != kNone)
            ++start;
        for (size_t n = 0; n < slots.size(); ++n)
            if (size_t i = (start + n) & (slots.size() - 1); slots[i] != kNone)
                place(mixed[i], slots[i]);
    }

    uint64_t seed_;
    unsigned shift_ = 60;
    std::vector<uint32_t> slots_;
    std::vector<uint64_t> mixed_;  // of each slot's item's hash
    size_t used_ = 0;
};
