#pragma once

// Points the natural-order hook at the platform's logical string order when shlwapi.dll
// offers it; without it the program's own order stays in charge. Called once at start-up,
// before any window exists, and once at exit.
void LoadNaturalCompare();
void UnloadNaturalCompare();
