#pragma once

#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

// The folders of one drop on the main window, in the order the platform lists its items: a
// folder as it is, any other item by the folder that holds it (D:\a.jpg gives D:\). An item
// whose path the platform cannot give comes back empty. The drop is released in any case.
std::vector<std::u16string> TakeDroppedFolders(HDROP drop);
