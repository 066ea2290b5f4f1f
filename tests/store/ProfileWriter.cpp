// Helper process for the profile file tests.
//   ProfileWriter write <path> <section> <key> <value>
//     performs one write; prints the error and exits 1 when it fails.
//   ProfileWriter loop <path>
//     rewrites the file again and again (until killed), counting in
//     [Data] Counter.
#include "ProfileFile.h"
#include "ProfileWriteError.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

int main(int argc, char* argv[]) {
    using kelvory::ProfileFile;
    if (argc == 6 && std::strcmp(argv[1], "write") == 0) {
        try {
            ProfileFile::Write(argv[2], argv[3], argv[4], argv[5]);
        } catch (const kelvory::ProfileWriteError& error) {
            std::printf("%s\n", error.what());
            return 1;
        }
        return 0;
    }
    if (argc == 3 && std::strcmp(argv[1], "loop") == 0) {
        std::printf("ready\n");
        std::fflush(stdout);
        // Go on counting from the value the file holds.
        const std::string start = ProfileFile::Read(argv[2], "Data", "Counter", "0");
        for (long i = std::strtol(start.c_str(), nullptr, 10) + 1;; ++i) {
            ProfileFile::Write(argv[2], "Data", "Counter", std::to_string(i));
        }
    }
    std::fprintf(stderr,
                 "usage: ProfileWriter write <path> <section> <key> <value> | loop <path>\n");
    return 2;
}
