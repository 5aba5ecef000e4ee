#pragma once
// The bitmap loaders' seed corpus: sound .bmp files of every accepted kind and broken ones, each
// with one thing wrong, named after it.
#include <cstdint>
#include <string>
#include <vector>

namespace bmpseeds {

struct Seed {
    std::string name;
    std::vector<std::uint8_t> bytes;
    bool sound;  // every bitmap loader takes it
};

std::vector<Seed> seedCorpus();

}  // namespace bmpseeds
