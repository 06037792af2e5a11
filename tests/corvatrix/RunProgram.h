#pragma once
// Runs the built corvatrix program as a user would, in a given folder, with
// its output captured.

#include "tests/common/ScratchFolder.h"

#include <cstdlib>
#include <string>
#include <sys/wait.h>

struct ProgramRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

inline std::string ProgramPath() { return std::string(CORVATRIX_BIN_DIR) + "/corvatrix"; }

// args is shell text: the tests quote what needs quoting.
inline ProgramRun RunProgram(const std::string& args, const std::string& folder, const std::string& env = "") {
    std::string out = folder + "/.stdout";
    std::string err = folder + "/.stderr";
    std::string command = "cd '" + folder + "' && " + env + " '" + ProgramPath() + "' " + args + " >'" + out +
                          "' 2>'" + err + "' </dev/null";
    int status = std::system(command.c_str());
    ProgramRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = FileContents(out);
    run.err = FileContents(err);
    std::remove(out.c_str());
    std::remove(err.c_str());
    return run;
}
