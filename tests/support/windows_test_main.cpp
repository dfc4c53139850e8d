// The tests' main() on Windows: GoogleTest's own, with stdout in binary mode. In text mode the C
// runtime turns each "\n" into "\r\n", and ctest's test discovery, which reads the list of tests
// from stdout, would keep the "\r" at the end of every test name.
#include <gtest/gtest.h>

#include <cstdio>

#include <fcntl.h>
#include <io.h>

int main(int argc, char** argv) {
    _setmode(_fileno(stdout), _O_BINARY);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
