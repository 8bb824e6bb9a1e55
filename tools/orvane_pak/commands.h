// The commands of orvane-pak. Each takes the arguments that follow its name on the command line
// and returns the program's exit status.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::pak_tool {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

using Arguments = std::vector<std::string>;

int RunList(const Arguments& args);
int RunExtract(const Arguments& args);
int RunCreate(const Arguments& args);
int RunCat(const Arguments& args);
int RunState(const Arguments& args);

void PrintUsage(bool toStdout);

// "orvane-pak: MESSAGE" on stderr; returns kExitFailure so that callers can `return Fail(...)`.
int Fail(std::string_view message);
void Warn(std::string_view message);
// Says what was wrong with the command line and where help is; returns kExitUsage.
int UsageError(std::string_view message);

// Writes everything or reports why not.
bool WriteStdout(std::string_view bytes);

// A name typed on the command line, in the engine's text. Terminals hand us UTF-8; bytes that
// are not UTF-8 are taken to be CP1251 already. Nothing when a character has no CP1251 form.
std::optional<std::string> CommandLineNameToCp1251(std::string_view arg);

// A stored name for messages and listings: UTF-8, control characters shown as \xNN so that one
// entry stays on one line.
std::string DisplayName(std::string_view cp1251Name);

}  // namespace orvane::pak_tool
