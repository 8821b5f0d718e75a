// libFuzzer entry: the first byte chooses the kind of file, the rest is the
// file. Built with clang (-fsanitize=fuzzer,address,undefined).
#include <algorithm>
#include <cstring>
#include <vector>

#include "fuzz/fuzz_kinds.h"

static std::vector<sFuzzKind>& Kinds() {
    static std::vector<sFuzzKind> kinds;
    return kinds;
}

bool RegisterFuzzKind(const sFuzzKind& kind) {
    Kinds().push_back(kind);
    std::sort(Kinds().begin(), Kinds().end(),
              [](const sFuzzKind& a, const sFuzzKind& b) { return strcmp(a.name, b.name) < 0; });
    return true;
}

const std::vector<sFuzzKind>& FuzzKinds() {
    return Kinds();
}

#ifndef FUZZ_SEEDS_ONLY
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1 || Kinds().empty()) return 0;
    const sFuzzKind& kind = Kinds()[data[0] % Kinds().size()];
    SetDataVersion(248, 0);
    kind.load(data + 1, size - 1);
    return 0;
}
#endif
