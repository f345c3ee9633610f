// Runs a fuzz target over files and folders of inputs, without libFuzzer:
// CTest replays each target's committed corpus this way on every run, with
// any compiler. Exit status 0 when every input passed (a failing input
// aborts with the invariant that failed).

#include "FuzzCheck.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

namespace fs = std::filesystem;

static void runFile(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::cerr << "replaying " << path.string() << '\n';
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.data()), bytes.size());
}

int main(int argc, char **argv)
{
    int count = 0;
    for (int i = 1; i < argc; ++i) {
        const fs::path arg(argv[i]);
        if (fs::is_directory(arg)) {
            std::vector<fs::path> files;
            for (const auto &entry : fs::directory_iterator(arg))
                if (entry.is_regular_file())
                    files.push_back(entry.path());
            std::sort(files.begin(), files.end());
            for (const auto &f : files) {
                runFile(f);
                ++count;
            }
        } else {
            runFile(arg);
            ++count;
        }
    }
    std::cout << count << " inputs passed\n";
    return count > 0 ? 0 : 1;
}
