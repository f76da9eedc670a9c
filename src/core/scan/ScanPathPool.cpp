#include "core/scan/ScanPathPool.h"

CPathPool& ScanPathPool() {
    static CPathPool pool;
    return pool;
}
