// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// Runs a fuzz target without libFuzzer, for builds made with another compiler: every file
// named on the command line (or found in a named folder) once, then a set of hostile inputs
// made here: a 10 MB line, no line breaks at all, lone CRs, NULs and every byte value.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

using namespace std::string_literals;

namespace {

int runs = 0;

void run(const std::string& bytes) {
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    ++runs;
}

std::string repeated(const std::string& piece, std::size_t times) {
    std::string out;
    out.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i)
        out += piece;
    return out;
}

std::vector<std::string> hostileInputs() {
    std::string everyByte;
    for (int b = 0; b < 256; ++b)
        everyByte += static_cast<char>(b);
    const std::string validColours =
        "16711680\r\n65535\r\n16777215\r\n8388608\r\n12632256\r\n12632256\r\n";
    return {
        std::string(),
        std::string(10 * 1024 * 1024, '7'),                         // a 10 MB line of digits
        "00\r\n\r\n\r\n\r\n" + std::string(10 * 1024 * 1024, 'x'),  // a 10 MB colour line
        repeated("\r", 100000),                                     // lone CRs only
        repeated("\n\r", 50000),                                    // LF CR pairs
        std::string(4096, '\0'),                                    // NULs
        "11\0\r\n\xb0N\0\r\n\0\r\n\0\r\n"s + validColours,          // NULs inside lines
        "01\rN\xb0"
        "40.75\rW\xb0"
        "73.99\r-5\r" +
            repeated("255\r", 6),
        "00\r\n\r\n\r\n\r\n" + repeated("-2147483648\r\n", 6),  // the smallest colour
        "00\r\n\r\n\r\n\r\n2147483648\r\n",                     // one past the largest
        "00\r\n\r\n\r\n1e308\r\n" + validColours,
        "00\r\n" + repeated(everyByte + "\r\n", 12),
        "12/31/9999 11:59:59.999 PM",
        "2/29/2000",
        "2/29/1900",
        "1/1/0",
        "99/99/99",
        "N\xc2\xb0"
        "90.00",
        "S\xc2\xb0"
        "1e999",
        "\xc2\xb0",
        "\xc2",
        "-",
        ".",
        "1e-400",
    };
}

bool runPath(const std::filesystem::path& path) {
    if (std::filesystem::is_directory(path)) {
        bool ok = true;
        for (const auto& entry : std::filesystem::directory_iterator(path))
            ok = runPath(entry) && ok;
        return ok;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "cannot read %s\n", path.c_str());
        return false;
    }
    run(std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    LLVMFuzzerInitialize(&argc, &argv);
    bool ok = true;
    for (int i = 1; i < argc; ++i)
        ok = runPath(argv[i]) && ok;
    for (const std::string& input : hostileInputs())
        run(input);
    std::printf("%d inputs ran\n", runs);
    return ok ? 0 : 1;
}
