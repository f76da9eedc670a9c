// The version the platform reads from the program file is the one the about box names. This
// test program links the same resources as corvane.exe, so it reads its own file.
#include "core/about/AboutTexts.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<BYTE> OwnVersionBlock() {
    std::wstring self(32768, L'\0');
    self.resize(GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size())));
    DWORD ignored = 0;
    std::vector<BYTE> block(GetFileVersionInfoSizeW(self.c_str(), &ignored));
    if (block.empty() ||
        !GetFileVersionInfoW(self.c_str(), 0, static_cast<DWORD>(block.size()), block.data()))
        block.clear();
    return block;
}

// A string of the block in the language its translation table names first, as the
// platform's file properties look it up.
std::wstring StringValue(std::vector<BYTE>& block, const wchar_t* name) {
    WORD* translation = nullptr;
    UINT bytes = 0;
    if (!VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation",
                        reinterpret_cast<void**>(&translation), &bytes) ||
        bytes < 2 * sizeof(WORD))
        return L"(no translation)";
    wchar_t key[64];
    wsprintfW(key, L"\\StringFileInfo\\%04x%04x\\%s", translation[0], translation[1], name);
    wchar_t* value = nullptr;
    UINT units = 0;
    if (!VerQueryValueW(block.data(), key, reinterpret_cast<void**>(&value), &units) || !value)
        return L"(missing)";
    return value;
}

// The four numbers dotted, and as the about box writes them ("2.04" for 2.0.4.0).
std::wstring Dotted(DWORD high, DWORD low) {
    return std::to_wstring(HIWORD(high)) + L"." + std::to_wstring(LOWORD(high)) + L"." +
           std::to_wstring(HIWORD(low)) + L"." + std::to_wstring(LOWORD(low));
}
std::wstring AsText(DWORD high, DWORD low) {
    return LOWORD(low) != 0 ? Dotted(high, low)
                            : std::to_wstring(HIWORD(high)) + L"." + std::to_wstring(LOWORD(high)) +
                                  std::to_wstring(HIWORD(low));
}

TEST(VersionResource, TheFileCarriesTheVersionTheAboutBoxNames) {
    std::vector<BYTE> block = OwnVersionBlock();
    ASSERT_FALSE(block.empty()) << GetLastError();
    const std::wstring aboutVersion = L"" CORVANE_VERSION;
    EXPECT_EQ(StringValue(block, L"FileVersion"), aboutVersion);
    EXPECT_EQ(StringValue(block, L"ProductVersion"), aboutVersion);
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT bytes = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &bytes));
    ASSERT_GE(bytes, sizeof(VS_FIXEDFILEINFO));
    EXPECT_EQ(AsText(fixed->dwFileVersionMS, fixed->dwFileVersionLS), aboutVersion);
    EXPECT_EQ(AsText(fixed->dwProductVersionMS, fixed->dwProductVersionLS), aboutVersion);

    // The manifest's identity, which cannot share the definition, names the same numbers.
    HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    ASSERT_NE(found, nullptr);
    const auto* manifest = static_cast<const char*>(LockResource(LoadResource(nullptr, found)));
    const std::string text(manifest, SizeofResource(nullptr, found));
    const std::wstring dotted = Dotted(fixed->dwFileVersionMS, fixed->dwFileVersionLS);
    const std::string identity =
        "name=\"Corvane\" version=\"" + std::string(dotted.begin(), dotted.end()) + "\"";
    EXPECT_NE(text.find(identity), std::string::npos) << identity;
}

} // namespace
