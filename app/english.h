// The command line's words for what the core reports as codes: --check's
// verdicts, the problems of a listing or a reference, what --apply did and
// what --match found, byte for byte as tunvex has always printed them.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "list_check.h"
#include "listing.h"
#include "operations.h"

// A verdict or a remark, as it follows "FILE: ".
std::string findingText(const CheckFinding &finding);
// The verdict and the remarks, each on a line of its own after "FILE: ".
std::string checkLines(const char *path, const CheckReport &report);
// What is wrong, as it follows "FILE:LINE: ".
std::string problemText(const ListingProblem &problem);
// The problems, "FILE:LINE: what is wrong" (FILE: alone for the whole),
// and how many more there were.
std::string problemsText(const std::vector<ListingProblem> &problems, size_t count, const char *shownName);
inline std::string problemsText(const Listing &listing, const char *shownName)
{
    return problemsText(listing.problems, listing.problemCount, shownName);
}
// A rename as -r says it, and the counts: "K kept, N renumbered, R
// renamed, D deleted".
std::string renameLine(const Rename &rename);
std::string countsLine(const ApplyCounts &counts);
// --match's problems and counts, as they go to standard error.
std::string matchSummary(const MatchResult &result, const char *shownName);
