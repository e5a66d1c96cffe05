// Feeds arbitrary bytes to the whole command as its input file: the header
// reader, the bit-depth check and the conversion into a scratch output. Every
// run must end with 0 or -1, and a successful one must have written no more
// sample data than the input holds.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "driver/kenrow.h"

namespace {

std::string inputPath;
std::string outputPath;

uint32_t le32At(const unsigned char* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::string dir = "/tmp/kenrow-fuzz-" + std::to_string(getpid());
    if (mkdir(dir.c_str(), 0700) != 0 && errno != EEXIST) {
        std::abort();
    }
    inputPath = dir + "/in.wav";
    outputPath = dir + "/out.wav";
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::FILE* input = std::fopen(inputPath.c_str(), "wb");
    if (input == nullptr || std::fwrite(data, 1, size, input) != size || std::fclose(input) != 0) {
        std::abort();
    }
    std::remove(outputPath.c_str());

    char name[] = "kenrow";
    std::string in = inputPath;
    std::string out = outputPath;
    char* argv[] = {name, in.data(), out.data(), nullptr};
    int status = kenrowMain(3, argv);
    std::fflush(stdout);
    if (status != 0 && status != -1) {
        std::abort();
    }
    if (status == 0) {
        // The output is a 44-byte header declaring n data bytes, then exactly
        // n bytes; and n is at most half the input, since every output byte
        // must come from two bytes that the file really holds.
        unsigned char header[44];
        std::FILE* output = std::fopen(outputPath.c_str(), "rb");
        if (output == nullptr || std::fread(header, sizeof header, 1, output) != 1) {
            std::abort();
        }
        uint32_t declared = le32At(header + 40);
        std::fseek(output, 0, SEEK_END);
        long length = std::ftell(output);
        std::fclose(output);
        if (length != 44 + static_cast<long>(declared) || 2u * uint64_t{declared} > size) {
            std::abort();
        }
    }
    return 0;
}
