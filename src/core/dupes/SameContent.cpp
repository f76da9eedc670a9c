// Byte-for-byte comparison of two files, 64 KiB at a time, stoppable after every block.
#include "core/app/CMainCommands.h"
#include "core/text/CaseFold.h"

#include <cstring>
#include <memory>

int CMainCommands::SameContent(const char16_t* a, const char16_t* b) {
    if (!a || !b || !*a || !*b) return 0;
    // One file reached through two overlapping source folders is not its own duplicate.
    if (EqualIgnoringCase(a, b)) return 0;
    auto fileA = fileSystem->OpenForReading(a);
    if (!fileA) return 0;
    auto fileB = fileSystem->OpenForReading(b);
    if (!fileB) return 0;
    constexpr uint32_t kBlock = 65536;
    const auto blockA = std::make_unique<unsigned char[]>(kBlock);
    const auto blockB = std::make_unique<unsigned char[]>(kBlock);
    for (;;) {
        const int64_t readA = fileA->Read(blockA.get(), kBlock);
        if (readA < 0) return 0;
        const int64_t readB = fileB->Read(blockB.get(), kBlock);
        if (readB < 0 || readA != readB) return 0;
        if (readA == 0) return 1;
        if (std::memcmp(blockA.get(), blockB.get(), static_cast<size_t>(readA)) != 0) return 0;
        if (ShouldStop()) return 0;
    }
}
