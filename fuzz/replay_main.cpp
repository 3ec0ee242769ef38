// Replays a corpus folder through the same checks as a fuzzer.  Files named
// "ok_*" must be taken and files named "bad_*" must be refused; others may
// do either.  REPLAY_HEADER and REPLAY_CHECK name the fuzzer's check (the
// venue file reader's when not given).

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#ifndef REPLAY_HEADER
#define REPLAY_HEADER "venue_file_fuzz.h"
#define REPLAY_CHECK CheckVenueFileBytes
#endif
#include REPLAY_HEADER

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
            const bool loaded = REPLAY_CHECK(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
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
