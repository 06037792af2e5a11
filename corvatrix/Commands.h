#pragma once
// The commands of the corvatrix program; each returns the exit code.

#include "corvatrix/CommandLine.h"

#include <string>

int RunExport(const CommandLine& line, const std::string& programPath);
int RunOptions(const CommandLine& line);
int RunClasses(const CommandLine& line, const std::string& programPath);

// Exit codes.
constexpr int kExitDone = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;
constexpr int kExitCancelled = 130;   // Ctrl-C or a hang-up
constexpr int kExitTerminated = 143;  // a termination request (SIGTERM)
