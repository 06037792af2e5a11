// The corvatrix command line: the host program that loads the plug-ins and
// exports scene files.

#include <cstdio>
#include <cstring>

namespace {

const char kUsage[] =
    "Usage:\n"
    "  corvatrix --help       show this text\n"
    "  corvatrix --version    show the program's version\n";

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("corvatrix %s\n", CORVATRIX_VERSION);
        return 0;
    }
    std::fputs(kUsage, stderr);
    return 2;
}
