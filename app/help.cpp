// The help text.
#include "help.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "message_streams.h"

#ifndef TUNVEX_VERSION
#error "TUNVEX_VERSION comes from the build"
#endif

namespace {

// The help text as one message: written in one piece, a reader that takes
// only its first line (tunvex -h | head -n 1) still takes all of it.
std::string helpText()
{
    char head[256];
    std::snprintf(head, sizeof head,
                  "%s v%s Orvane Multimedia Station Channel Editor - free software, use at your own risk\n"
                  "%s [-h] [-f FILE] [-o FILE] [-r <rename schema>] [-d <channel number>] [-m <move schema>]\n\n",
                  "tunvex", TUNVEX_VERSION, "tunvex");
    return std::string(head) +
           "  -h          print this help and exit\n"
           "  -m move     move specified channel to other position\n"
           "              format: <old channel number>:<new channel number>\n"
           "  -r rename   rename defined channel to given name\n"
           "              format: <channel number>:<new channel name>[:...]\n"
           "  -d chanel   delete channel\n"
           "  -f FILE     set intput file\n"
           "  -o FILE     set output file\n\n";
}

// Text that never reached its reader is no success.
[[noreturn]] void finish(int status)
{
    endAsAClosedPipeWould();
    if (int e = standardOutputError(); e != 0) {
        warn(messages(), "Error writing standard output: %s\n", std::strerror(e));
        std::exit(1);
    }
    std::exit(status);
}

}  // namespace

void print_help(int status)
{
    sayText(messages(), helpText());
    finish(status);
}

void printLongHelp()
{
    sayText(messages(),
            helpText() +
            "  -l              list the channels, one a line: NUMBER:NAME:NAME2:TV or RADIO\n"
            "Long options:\n"
            "  --listing       the same after the list's state line: a listing to edit\n"
            "  --apply FILE    apply an edited listing to the list in one save: its lines in\n"
            "                  the new order, without the channels to delete, new names as\n"
            "                  NUMBER:NEW:TYPE; FILE - is standard input\n"
            "  --edit          edit that listing in $VISUAL or $EDITOR, then apply it\n"
            "  --dry-run       with --apply or --edit: print what would change, write nothing\n"
            "  --match FILE    print the listing in the order of FILE, a listing made before a\n"
            "                  rescan; with --edit, edit that instead\n"
            "  --check         say whether the input file is a whole channel list\n"
            "  --help          print this help, with the long options, and exit\n"
            "  --version       print the version and the license, and exit\n"
            "Examples:\n"
            "  tunvex -f list.dat -l                      print the list\n"
            "  tunvex -f list.dat -o list.dat -m 12:1     make channel 12 the first, in place\n"
            "  tunvex -f list.dat -o list.dat --edit      reorder, delete and rename in an editor\n"
            "  tunvex -f list.dat --listing > order.txt   a listing to edit, then --apply it\n"
            "  tunvex --check -f list.dat                 is the list whole?\n");
    finish(0);
}

void printVersion()
{
    say(messages(),
        "tunvex %s\n"
        "Copyright (C) 2026 the tunvex developers.\n"
        "License MIT (Expat): you may use, change and redistribute it; there is NO WARRANTY.\n",
        TUNVEX_VERSION);
    finish(0);
}
