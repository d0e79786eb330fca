// --apply: an edited listing applied to the list, then one save.
#include <cstdio>
#include <string>

#include "branches.h"
#include "check.h"
#include "list_file.h"
#include "listing.h"
#include "operations.h"

bool applyBranch(const char *text, size_t length, const char *shownName, SaveTarget &target, bool dryRun,
                 bool madeFromList)
{
    if (!dryRun && target.path == nullptr) {
        std::printf("There is no specified output filename.\n");
        return false;
    }
    Listing listing;
    readListing(text, length, &listing, madeFromList);
    if (listing.problemCount != 0) {
        printProblems(listing, shownName);
        return false;
    }
    std::string lines;
    ApplyCounts c = applyListing(listing, &lines);
    lines += countsLine(c);
    std::fwrite(lines.data(), 1, lines.size(), stdout);
    if (dryRun)
        return true;
    // The stick is not written for nothing: not when the list is as it was
    // and the file already holds it to the byte.
    if (c.renumbered == 0 && c.renamed == 0 && c.deleted == 0 && fileHoldsList(target.path, target.source)) {
        std::printf("No changes: %s is left as it is.\n", target.path);
        target.unchanged = true;
        return true;
    }
    target.saved = writeToFile(target.path, target.source) == 0;
    return target.saved;
}
