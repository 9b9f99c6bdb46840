// Replays inputs through the fuzz target without libFuzzer: every file named, and every file of every
// folder named, in name order. The target aborts on the first input a rule gets wrong.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

void replay(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

std::vector<std::filesystem::path> filesOf(const std::filesystem::path& path) {
    if (!std::filesystem::is_directory(path))
        return {path};
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(path))
        if (entry.is_regular_file())
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace

int main(int argc, char* argv[]) {
    std::size_t count = 0;
    for (int i = 1; i < argc; ++i)
        for (const std::filesystem::path& file : filesOf(argv[i])) {
            replay(file);
            ++count;
        }
    std::printf("%zu inputs replayed, every rule agreed with its reference\n", count);
    return count > 0 ? 0 : 1;
}
