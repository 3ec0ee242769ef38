// Replays a corpus folder through the same checks as the fuzzer.  Files named
// "ok_*" must load and files named "bad_*" must be refused; others may do
// either.

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "venue_file_fuzz.h"

int main(int argc, char** argv) {
    int replayed = 0, wrong = 0;
    for (int a = 1; a < argc; ++a) {
        std::vector<std::filesystem::path> files;
        if (std::filesystem::is_directory(argv[a])) {
            for (const auto& e : std::filesystem::directory_iterator(argv[a]))
                if (e.is_regular_file()) files.push_back(e.path());
            std::sort(files.begin(), files.end());
        } else {
            files.emplace_back(argv[a]);
        }
        for (const auto& f : files) {
            std::ifstream in(f, std::ios::binary);
            if (!in) {
                std::fprintf(stderr, "cannot read %s\n", f.c_str());
                ++wrong;
                continue;
            }
            const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            const bool loaded = CheckVenueFileBytes(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
            const std::string name = f.filename().string();
            const bool mustLoad = name.rfind("ok_", 0) == 0, mustFail = name.rfind("bad_", 0) == 0;
            if ((mustLoad && !loaded) || (mustFail && loaded)) {
                std::fprintf(stderr, "%s: %s\n", f.c_str(), loaded ? "loaded" : "refused");
                ++wrong;
            }
            ++replayed;
        }
    }
    std::printf("%d files replayed, %d wrong\n", replayed, wrong);
    return replayed > 0 && wrong == 0 ? 0 : 1;
}
