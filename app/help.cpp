// The help text.
#include "help.h"

#include <cstdio>
#include <cstdlib>

#ifndef TUNVEX_VERSION
#error "TUNVEX_VERSION comes from the build"
#endif

namespace {

void printHelpText()
{
    const char *name = "tunvex";
    std::printf("%s v%s Orvane Multimedia Station Channel Editor - free software, use at your "
                "own risk\n",
                name, TUNVEX_VERSION);
    std::printf("%s [-h] [-f FILE] [-o FILE] [-r <rename schema>] [-d <channel number>] "
                "[-m <move schema>]\n\n",
                name);
    std::printf("  -h          print this help and exit\n"
                "  -m move     move specified channel to other position\n"
                "              format: <old channel number>:<new channel number>\n"
                "  -r rename   rename defined channel to given name\n"
                "              format: <channel number>:<new channel name>[:...]\n"
                "  -d chanel   delete channel\n"
                "  -f FILE     set intput file\n"
                "  -o FILE     set output file\n\n");
}

}  // namespace

void print_help(int status)
{
    printHelpText();
    std::exit(status);
}

void printLongHelp()
{
    printHelpText();
    std::printf("Long options:\n"
                "  --apply FILE    apply an edited listing to the list in one save: the lines\n"
                "                  -l prints, in the new order, without the channels to delete,\n"
                "                  new names as NEW:NEW; FILE - is standard input\n"
                "  --edit          edit that listing in $VISUAL or $EDITOR, then apply it\n"
                "  --dry-run       with --apply or --edit: print what would change, write nothing\n"
                "  --match FILE    print the listing in the order of FILE, a listing made before a\n"
                "                  rescan; with --edit, edit that instead\n"
                "  --check         say whether the input file is a whole channel list\n"
                "  --help          print this help, with the long options, and exit\n"
                "  --version       print the version and the license, and exit\n");
    std::exit(0);
}

void printVersion()
{
    std::printf("tunvex %s\n"
                "Copyright (C) 2026 the tunvex developers.\n"
                "License MIT (Expat): you may use, change and redistribute it; there is NO WARRANTY.\n",
                TUNVEX_VERSION);
    std::exit(0);
}
