// Runs each file of the folders (or files) named on the command line through
// the fuzz target once, in a build without libFuzzer: the committed corpora
// replayed by the ordinary test run. Each input is copied into a buffer of
// its exact size so that the sanitizers see any read past its end.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

void RunFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    auto exact = std::make_unique<uint8_t[]>(bytes.size());
    std::copy(bytes.begin(), bytes.end(), exact.get());
    LLVMFuzzerTestOneInput(exact.get(), bytes.size());
}

}  // namespace

int main(int argc, char** argv) {
    size_t runs = 0;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path named(argv[i]);
        std::vector<std::filesystem::path> files;
        if (std::filesystem::is_directory(named)) {
            for (const auto& entry : std::filesystem::directory_iterator(named))
                if (entry.is_regular_file()) files.push_back(entry.path());
            std::sort(files.begin(), files.end());
        } else if (std::filesystem::exists(named)) {
            files.push_back(named);
        }
        for (const auto& file : files) {
            RunFile(file);
            ++runs;
        }
    }
    std::printf("replayed %zu inputs\n", runs);
    // A missing or empty corpus would pass while proving nothing.
    return runs > 0 ? 0 : 1;
}
