// Runs a fuzz harness over saved inputs without libFuzzer: every file of each
// folder given, and each file given directly. A crash fails the run; so does
// a path that does not exist or a run that found nothing, since a corpus test
// that checks nothing must not pass.
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace
{

bool runFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::cerr << "Cannot read " << path.string() << '\n';
        return false;
    }
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)),
                                  std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    namespace fs = std::filesystem;
    int ran = 0;
    bool ok = true;
    for (int i = 1; i < argc; ++i) {
        const fs::path path(argv[i]);
        std::error_code error;
        if (fs::is_directory(path, error)) {
            std::vector<fs::path> files;
            for (const auto& entry : fs::directory_iterator(path))
                if (entry.is_regular_file())
                    files.push_back(entry.path());
            std::sort(files.begin(), files.end());
            for (const auto& file : files) {
                if (runFile(file))
                    ++ran;
                else
                    ok = false;
            }
        } else if (fs::is_regular_file(path, error)) {
            if (runFile(path))
                ++ran;
            else
                ok = false;
        } else {
            std::cerr << "No such file or folder: " << path.string() << '\n';
            ok = false;
        }
    }
    std::cout << "Ran " << ran << " inputs\n";
    return ok && ran > 0 ? 0 : 1;
}
