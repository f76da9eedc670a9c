#include "core/scan/CFileTable.h"

#include <new>

void CFileTable::Release() {
    files.reset();
    fileCount = 0;
}

bool CFileTable::Allocate(uint32_t count) {
    Release();
    if (count == 0) return true;
    if (count > limit) return false;
    files.reset(new (std::nothrow) FileRecord[count]()); // value-initialised: all bytes zero
    if (!files) return false;
    fileCount = count;
    return true;
}
