#pragma once
// Destinations without visible text: which control words open one, and skipping their groups.

#include <string_view>

#include "pmrconv/RtfScanner.h"

namespace pmrconv {

// Destination words whose groups the readers skip. The table reader's list lacks "info" and "stylesheet".
bool IsSkippedDestination(std::string_view Word);
bool IsSkippedDestinationInTable(std::string_view Word);

// Skips the group of the destination Word that the scanner has just read. Returns the HTML that stands for the group
// on the page: a placeholder for a picture, nothing for the others.
std::string_view SkipDestination(TRtfScanner& Scanner, std::string_view Word);

}  // namespace pmrconv
