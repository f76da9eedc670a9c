#pragma once

// Points the locale-order hook at the platform's lstrcmpW, so that folders of equal depth come
// in the order the user's locale gives. Called once at start-up, before any window exists.
void UsePlatformLocaleCompare();
