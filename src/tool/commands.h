#pragma once

#include "tool/arguments.h"
#include "tool/console.h"

#include <array>
#include <span>

namespace chaserom::tool {

/// One command of chaserom-tool: its name, its options and what runs it. A command returns
/// the program's exit status.
struct Command {
    const char* name;
    std::span<const OptionSpec> options;
    int (*run)(const Arguments& arguments);
    /// The exit status when its output cannot be written (compare's is ExitTrouble).
    int troubleStatus = ExitFailure;
};

extern const std::array<Command, 7> Commands;

int runExport(const Arguments& arguments);
int runImport(const Arguments& arguments);
int runChecksum(const Arguments& arguments);
int runCompare(const Arguments& arguments);
int runGenerate(const Arguments& arguments);
int runGif(const Arguments& arguments);
int runNew(const Arguments& arguments);

} // namespace chaserom::tool
