#pragma once
// Free slots in list files and free category numbers.

#include <string>

inline constexpr int kNoFreeSlot = -1;
inline constexpr int kSlotWriteFailed = -2;

// The lowest free slot of a list file, keeping "max" at least as high as the
// highest occupied slot. kNoFreeSlot when all 500 are used; kSlotWriteFailed
// when "max" could not be written (nothing may then be stored in the slot).
int FindFreePartSlot(const std::string& listFile);

// The lowest category number whose name in "teile.dat" is blank, -1 when all
// 50 are used.
int FindFreeCategorySlot(const std::string& mainFile);
