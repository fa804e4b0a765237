#pragma once
// Free slots in list files and free category numbers.

#include <string>

// What the search for a free slot of a list file found.
struct FreeSlot {
    enum class Status {
        Found,        // `slot` is free and "max" already covers it
        ListFull,     // all 500 slots are used
        WriteFailed,  // "max" could not be written: nothing may go into the list
    };
    Status status = Status::ListFull;
    int slot = -1;  // only with Found

    static constexpr FreeSlot At(int slot) { return FreeSlot{Status::Found, slot}; }
    constexpr bool Found() const { return status == Status::Found; }
    bool operator==(const FreeSlot&) const = default;
};
inline constexpr FreeSlot kNoFreeSlot{FreeSlot::Status::ListFull, -1};
inline constexpr FreeSlot kSlotWriteFailed{FreeSlot::Status::WriteFailed, -1};

// The lowest free slot of a list file, keeping "max" at least as high as the
// highest occupied slot.
FreeSlot FindFreePartSlot(const std::string& listFile);

// The lowest category number whose name in "teile.dat" is blank, -1 when all
// 50 are used.
int FindFreeCategorySlot(const std::string& mainFile);
