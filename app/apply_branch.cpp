// --apply: an edited listing applied to the list, then one save.
#include <string>

#include "branches.h"
#include "check.h"
#include "english.h"
#include "list_file.h"
#include "listing.h"
#include "message_streams.h"
#include "operations.h"

bool applyBranch(const char *text, size_t length, const char *shownName, SaveTarget &target, bool dryRun,
                 bool madeFromList)
{
    if (!dryRun && target.path == nullptr) {
        say(messages(), "There is no specified output filename.\n");
        return false;
    }
    Listing listing;
    readListing(*dtv, text, length, &listing, madeFromList);
    if (listing.problemCount != 0) {
        warnText(messages(), problemsText(listing, shownName));
        return false;
    }
    std::vector<Rename> renames;
    ApplyCounts c = applyListing(*dtv, listing, &renames);
    std::string lines;
    for (const Rename &r : renames)
        lines += renameLine(r);
    lines += countsLine(c);
    // The stick is not written for nothing: not when the list is as it was
    // and the file already holds it to the byte. A dry run says so too.
    if (c.renumbered == 0 && c.renamed == 0 && c.deleted == 0 && target.path != nullptr &&
        fileHoldsList(target.path, target.source, *dtv)) {
        sayText(messages(), lines);
        say(messages(), "No changes: %s is left as it is.\n", target.path);
        target.unchanged = !dryRun;
        return true;
    }
    // What changed is said once it is saved: a save that fails changed
    // nothing.
    if (!dryRun && !saveList(target))
        return false;
    sayText(messages(), lines);
    return true;
}
