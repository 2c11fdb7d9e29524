// A short run of a fuzz target without libFuzzer, for the test builds: each run
// takes one of the seed files (or nothing), mutates a few of its bytes, cuts or
// lengthens it at random, and hands it to the target. Seed files longer than
// MAX_LEN, when given, are cut to it.
// Usage: fuzz_smoke_<target> RUNS [DIR SUFFIX [MAX_LEN]]
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv) {
    if (argc < 2 || argc == 3 || argc > 5) {
        std::fprintf(stderr, "usage: %s RUNS [DIR SUFFIX [MAX_LEN]]\n", argv[0]);
        return 2;
    }
    const long runs = std::strtol(argv[1], nullptr, 10);
    std::vector<std::vector<uint8_t>> seeds;
    if (argc >= 4) {
        const std::string suffix = argv[3];
        const size_t maxLen = argc == 5 ? std::strtoul(argv[4], nullptr, 10) : SIZE_MAX;
        for (const auto& entry : std::filesystem::directory_iterator(argv[2])) {
            const std::string name = entry.path().filename().string();
            if (name.size() < suffix.size() || name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
                continue;
            std::ifstream in(entry.path(), std::ios::binary);
            seeds.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
            if (seeds.back().size() > maxLen) seeds.back().resize(maxLen);
        }
        if (seeds.empty()) {
            std::fprintf(stderr, "no seed files *%s in %s\n", argv[3], argv[2]);
            return 2;
        }
    }
    std::mt19937 random(14);
    for (long run = 0; run < runs; ++run) {
        std::vector<uint8_t> input;
        if (seeds.empty()) {
            input.resize(random() % 200);
            for (uint8_t& b : input) b = static_cast<uint8_t>(random());
        } else {
            input = seeds[random() % seeds.size()];
            const int changes = run == 0 ? 0 : static_cast<int>(random() % 8);
            for (int c = 0; c < changes && !input.empty(); ++c) input[random() % input.size()] = static_cast<uint8_t>(random());
            if (run % 4 == 1 && !input.empty()) input.resize(random() % input.size());
            if (run % 4 == 2) input.resize(input.size() + random() % 64, static_cast<uint8_t>(random()));
        }
        LLVMFuzzerTestOneInput(input.data(), input.size());
    }
    std::printf("%ld runs\n", runs);
    return 0;
}
