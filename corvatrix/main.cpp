// The corvatrix command line: the host program that loads the plug-ins and
// exports scene files.

#include "corvatrix/CommandLine.h"
#include "corvatrix/Commands.h"
#include <climits>
#include <cstdio>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// The plug-in folder is found from where the program really is.
std::string ProgramPath(const char* argv0) {
    char path[PATH_MAX];
    ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0) return argv0;
    return std::string(path, static_cast<std::size_t>(length));
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    CommandLine line;
    std::string error;
    if (!ParseCommandLine(args, line, error)) {
        std::fprintf(stderr, "corvatrix: %s\n\n%s", error.c_str(), UsageText());
        return kExitUsage;
    }
    std::string programPath = ProgramPath(argv[0]);
    switch (line.command) {
        case CommandLine::Command::Help: std::fputs(UsageText(), stdout); return kExitDone;
        case CommandLine::Command::Version: std::printf("corvatrix %s\n", CORVATRIX_VERSION); return kExitDone;
        case CommandLine::Command::Export: return RunExport(line, programPath);
        case CommandLine::Command::Options: return RunOptions(line);
        case CommandLine::Command::Classes: return RunClasses(line, programPath);
    }
    return kExitUsage;
}
