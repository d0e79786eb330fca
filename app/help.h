// The help text, printed by -h and after an option error.
#pragma once

// Prints the help text on standard output and ends the process with status.
[[noreturn]] void print_help(int status);
// --help: the help text, then the long options; status 0.
[[noreturn]] void printLongHelp();
// --version: the version and the license; status 0.
[[noreturn]] void printVersion();
