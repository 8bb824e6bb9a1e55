// Runs a program of the build for a test and collects what it printed.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace orvane::testing {

struct ProgramResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs `program` with `args` in `workDir`; `env` holds extra NAME=VALUE settings.
ProgramResult RunProgram(const std::filesystem::path& program, const std::vector<std::string>& args,
                         const std::filesystem::path& workDir,
                         const std::vector<std::string>& env = {});

}  // namespace orvane::testing
