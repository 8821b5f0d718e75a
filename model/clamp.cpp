#include "model/clamp.h"

int32_t Clamp(int32_t* value, int32_t lo, int32_t hi) {
    if (*value < lo) {
        *value = lo;
    } else if (*value > hi) {
        *value = hi;
    }
    return *value;
}
