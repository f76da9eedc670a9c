#pragma once

#include "core/scan/CPathPool.h"

// The one pool of the scans: every path and name key of the last search. It lives from
// program start to exit, so records can keep indices into it between commands.
CPathPool& ScanPathPool();
