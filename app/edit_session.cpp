// --edit: the listing in the user's editor, applied as --apply applies it.
#include "edit_session.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "branches.h"
#include "cleanup.h"
#include "editor.h"
#include "english.h"
#include "full_io.h"
#include "list_file.h"
#include "list_state.h"
#include "listing.h"
#include "listing_lines.h"
#include "message_streams.h"
#include "operations.h"
#include "text_file.h"

namespace {

// After kEditHeaderStart, which tells it from a state line whatever PATH is.
const char kHeader[] =
    "%s, one per line: NUMBER:NAME:NAME2:TYPE.\n"
    "# Move a line to move its channel; delete a line to delete its channel.\n"
    "# To rename a channel, write its new name twice, NEW:NEW, or once.\n"
    "# Keep each NUMBER and TYPE as they are. Lines beginning with # are ignored.\n"
    "# Saving a listing without a channel line changes nothing.\n";

// What the editor must not lose: the file as it was when it was loaded.
struct Snapshot {
    bool regular = false;
    struct stat st {};
};

Snapshot snapshot(const char *path)
{
    Snapshot s;
    s.regular = stat(path, &s.st) == 0 && S_ISREG(s.st.st_mode);
    return s;
}

bool changedSince(const Snapshot &before, const char *path)
{
    Snapshot now = snapshot(path);
    auto same = [](const timespec &a, const timespec &b) { return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec; };
    return before.regular &&
           (!now.regular || now.st.st_dev != before.st.st_dev || now.st.st_ino != before.st.st_ino ||
            now.st.st_size != before.st.st_size || !same(now.st.st_mtim, before.st.st_mtim) ||
            !same(now.st.st_ctim, before.st.st_ctim));
}

std::string baseName(const char *path)
{
    const char *slash = std::strrchr(path, '/');
    std::string name = slash ? slash + 1 : path;
    return name.empty() ? "list" : name;
}

// A path as a comment shows it: a line feed in it would end the comment.
std::string shownInComment(const char *path)
{
    std::string shown = path;
    for (char &c : shown)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = '?';
    return shown;
}

// The text the editor opens first: the list's listing under its state line
// and the header, or the proposal given.
std::string firstText(const char *inputPath, const std::string *proposal)
{
    if (proposal != nullptr)
        return *proposal;
    std::string header = std::string(kEditHeaderStart) + kHeader;
    header.replace(header.find("%s"), 2, shownInComment(inputPath));
    return listStateLine(listState(*dtv)) + header + listingText(*dtv);
}

bool writeText(const std::string &path, const std::string &text)
{
    // Always a new regular file of our own: whatever the editor left at the
    // path (a link, too) goes first.
    if (unlink(path.c_str()) != 0 && errno != ENOENT)
        return false;
    int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    bool written = writeFull(fd, text.data(), text.size());
    int e = errno;
    bool closed = close(fd) == 0;
    errno = e;
    return written && closed;
}

// A text kept for --apply must be one --apply takes: the header allows the
// state line to be deleted, which --edit does not need (it knows the list
// did not change), but --apply does. Its line goes back at the top.
std::string withStateLine(const std::string &text, const std::string &stateLine)
{
    ListingLines lines = startLines(text.data(), text.size());
    lines.stateLines = true;
    for (std::string_view line; nextChannelLine(lines, &line);)
        if (isListStateLine(line))
            return text;
    size_t bom = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    return text.substr(0, bom) + stateLine + text.substr(bom);
}

// The user's text with the problems on top, as comments, after a byte
// order mark if it has one; those of the last round are taken away first.
std::string withProblems(const std::string &text, const Listing &listing)
{
    const std::string bom = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? text.substr(0, 3) : "";
    size_t at = bom.size();
    uint32_t removed = 0;
    for (; text.compare(at, 2, "#!") == 0; ++removed) {
        size_t end = text.find('\n', at);
        at = end == std::string::npos ? text.size() : end + 1;
    }
    bool more = listing.problemCount > listing.problems.size();
    auto added = static_cast<uint32_t>(1 + listing.problems.size() + (more ? 1 : 0));
    std::string block = "#! This listing could not be applied; mend the lines named and save it again.\n";
    for (const ListingProblem &p : listing.problems)
        block += (p.line == 0 ? "#! " : "#! line " + std::to_string(p.line - removed + added) + ": ") + problemText(p) + "\n";
    if (more)
        block += "#! and " + std::to_string(listing.problemCount - listing.problems.size()) + " more\n";
    return bom + block + text.substr(at);
}

// Yes, unless the answer on the terminal begins with n.
bool askAgain()
{
    int tty = openTerminal();
    if (tty < 0)
        return false;
    dprintf(tty, "Edit the listing again? [Y/n] ");
    char answer[64] = "";
    ssize_t n = read(tty, answer, sizeof answer - 1);
    close(tty);
    return n > 0 && answer[0] != 'n' && answer[0] != 'N';
}

bool fail(const std::string &message)
{
    warn(messages(), "%s\n", message.c_str());
    return false;
}

// The user's text stays where it is, for --apply later.
bool keep(const std::string &path, const std::string &why, const char *after = "")
{
    keepSessionDirectory();
    warn(messages(), "%s; the edited listing is kept in %s%s\n", why.c_str(), path.c_str(), after);
    return false;
}

// Whatever the editor left at the path, it is read only as a regular file.
bool readEdited(const std::string &path, Text *text)
{
    TextRead result = readPrivateTextFile(path.c_str(), text);
    if (result == TextRead::read)
        return true;
    if (result == TextRead::failed && errno == ENOENT) {
        removeSessionDirectory();
        return fail("The editor left no listing in " + path + "; nothing is saved.");
    }
    if (result == TextRead::notRegular) {
        removeSessionDirectory();
        return fail("The editor left something other than a regular file in " + path + "; nothing is saved.");
    }
    if (result == TextRead::tooLong)
        return keep(path, "The edited listing is longer than 16 MiB, which no listing is");
    return keep(path, std::string("Cannot read the edited listing: ") + std::strerror(errno));
}

// An editor that failed may have been left after the user saved their
// work (vim exits with 1 after an earlier error): a text that is no longer
// what tunvex wrote is kept.
bool editorFailed(const std::string &path, const std::string &failure, const std::string &written)
{
    Text text;
    if (readPrivateTextFile(path.c_str(), &text) == TextRead::read &&
        std::string_view(text.bytes.get(), text.size) != written)
        return keep(path, failure + "; nothing is saved");
    removeSessionDirectory();
    return fail(failure + "; nothing is saved.");
}

}  // namespace

bool editBranch(const char *inputPath, SaveTarget &target, bool dryRun, const std::string *proposal)
{
    if (!dryRun && target.path == nullptr) {
        say(messages(), "There is no specified output filename.\n");
        return false;
    }
    const Snapshot before = snapshot(inputPath);
    std::string dir = makeSessionDirectory();
    if (dir.empty())
        return fail("Cannot make a directory for the editor in " + sessionParentDirectory() + ": " +
                    std::strerror(errno));
    const std::string path = dir + "/" + baseName(inputPath) + ".txt";
    const std::string written = firstText(inputPath, proposal), stateLine = listStateLine(listState(*dtv));
    if (!writeText(path, written) || !watchDirectoryText(path.c_str())) {
        int e = errno;
        removeSessionDirectory();
        return fail("Cannot write " + path + ": " + std::strerror(e));
    }
    for (;;) {
        if (std::string failure = runEditor(path); !failure.empty())
            return editorFailed(path, failure, written);
        Text text;
        if (!readEdited(path, &text))
            return false;
        const std::string edited(text.bytes.get(), text.size);
        // From here on a signal keeps what the user wrote.
        if (edited != written)
            keepDirectoryOnSignal();
        if (changedSince(before, inputPath)) {
            const std::string match =
                std::string(": tunvex -f ") + inputPath + " --match " + path + " proposes its order for the list as it is now";
            return keep(path, std::string(inputPath) + " changed while the editor was open; nothing is saved",
                        match.c_str());
        }
        Listing listing;
        readListing(*dtv, edited.data(), edited.size(), &listing, kMadeFromList);
        if (listing.empty) {
            removeSessionDirectory();
            return fail("The listing holds no channel line; nothing is saved.");
        }
        if (listing.problemCount == 0) {
            // What was edited is kept where nothing is saved, as --apply
            // will take it: a dry run must not cost the edits, nor may a
            // save that fails (a full or read-only stick).
            bool applied = applyBranch(edited.data(), edited.size(), path.c_str(), target, dryRun, kMadeFromList);
            if (dryRun || (!applied && !target.saved)) {
                if (const std::string kept = withStateLine(edited, stateLine); kept != edited)
                    writeText(path, kept);
                keep(path, dryRun ? "Nothing is saved (--dry-run)" : "Nothing is saved", ", for --apply");
                return dryRun && applied;
            }
            removeSessionDirectory();
            return applied;
        }
        warnText(messages(), problemsText(listing, path.c_str()));
        if (!askAgain())
            return keep(path, "Nothing is saved");
        const std::string again = withProblems(edited, listing);
        if (!writeText(path, again))
            return keep(path, std::string("Cannot write the listing again: ") + std::strerror(errno));
    }
}
