// The help text.
#include "help.h"

#include <cstdio>
#include <cstdlib>

#ifndef TUNVEX_VERSION
#error "TUNVEX_VERSION comes from the build"
#endif

void print_help(int status)
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
    std::exit(status);
}
