#pragma once

#include "core/platform/IFileSystem.h"

#include <functional>
#include <string>

// Whether `folder` (ending in a backslash) holds nothing but folders that `isEmpty` calls
// empty (asked with their paths, without a trailing backslash). Only a folder whose whole
// listing was seen can be empty, and a name no path can reach is something the user was never
// shown. The search asks it of every folder it found; deleting asks it again right before a
// folder goes. `stop` ends the test early, with the answer no.
bool HoldsOnlyEmptyFolders(IFileSystem& fileSystem, const std::u16string& folder,
                           const std::function<bool(const std::u16string&)>& isEmpty,
                           const std::function<bool()>& stop);
