#pragma once

#include "core/platform/COutputFile.h"

#include <windows.h>

// The exported list's file on the platform: created or emptied, written in order, closed.
class CWin32OutputFile : public COutputFile {
public:
    CWin32OutputFile() = default;
    ~CWin32OutputFile() override;
    CWin32OutputFile(const CWin32OutputFile&) = delete;
    CWin32OutputFile& operator=(const CWin32OutputFile&) = delete;

    bool Create(const std::u16string& path) override;
    bool Write(const void* bytes, size_t size) override;
    bool Close() override;

private:
    HANDLE file = INVALID_HANDLE_VALUE;
};
