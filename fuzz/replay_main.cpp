// Replays inputs through a fuzz target without libFuzzer: every file named
// on the command line, and every file in every folder named, is fed to the
// target once. A crash, a sanitizer report or an abort fails the run; the
// test suite runs it on the seeds and on every input that once failed.
// Files whose names start with a dot are skipped (they keep empty folders).

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
// Defined by the targets that need to set up once, as libFuzzer calls it.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) __attribute__((weak));

namespace {

std::vector<std::filesystem::path> InputsOf(const std::filesystem::path& argument)
{
    if (!std::filesystem::is_directory(argument))
        return {argument};
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(argument))
        if (entry.is_regular_file() && !entry.path().filename().string().starts_with('.'))
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

std::vector<std::uint8_t> ReadAll(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::filesystem::filesystem_error("cannot read", path, {});
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

int main(int argc, char** argv)
{
    if (LLVMFuzzerInitialize)
        LLVMFuzzerInitialize(&argc, &argv);
    std::size_t replayed = 0;
    try {
        for (int i = 1; i < argc; ++i)
            for (const std::filesystem::path& input : InputsOf(argv[i])) {
                const std::vector<std::uint8_t> bytes = ReadAll(input);
                LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
                ++replayed;
            }
    } catch (const std::exception& failure) {
        std::cerr << failure.what() << '\n';
        return 1;
    }
    std::cout << "replayed " << replayed << " inputs\n";
    return replayed == 0 ? 1 : 0;
}
