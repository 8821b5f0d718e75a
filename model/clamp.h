// Keeping a value inside a range.
#pragma once

#include <cstdint>

// Stores the value brought into lo..hi (both included) and returns it: below
// lo it becomes lo, else above hi it becomes hi.
int32_t Clamp(int32_t* value, int32_t lo, int32_t hi);
