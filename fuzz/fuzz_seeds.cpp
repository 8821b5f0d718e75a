// Writes the seed corpus: one valid file of every kind, prefixed with the byte
// that chooses its kind.
#include <cstdio>
#include <string>
#include <vector>

#include "fuzz/fuzz_kinds.h"

const std::vector<sFuzzKind>& FuzzKinds();

int main(int argc, char** argv) {
    if (argc < 2) {
        fprintf(stderr, "usage: fuzz_seeds DIR\n");
        return 2;
    }
    SetDataVersion(248, 0);
    const std::vector<sFuzzKind>& kinds = FuzzKinds();
    for (size_t i = 0; i < kinds.size(); ++i) {
        std::string bytes = std::string(1, static_cast<char>(i)) + kinds[i].seed();
        std::string path = std::string(argv[1]) + "/" + kinds[i].name;
        FILE* f = fopen(path.c_str(), "wb");
        if (!f) return 1;
        fwrite(bytes.data(), 1, bytes.size(), f);
        fclose(f);
    }
    printf("%zu seed files\n", kinds.size());
    return 0;
}
