// The shipped programs carry the loader's protections: ASLR with high entropy and DEP.
#include <gtest/gtest.h>

#include <string>

#include "e2e/harness_win.h"

namespace {

WORD DllCharacteristics(const std::wstring& path) {
    std::string bytes;
    if (!e2e::ReadFileBytes(path, &bytes) || bytes.size() < sizeof(IMAGE_DOS_HEADER)) return 0;
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(bytes.data());
    if (dos->e_magic != IMAGE_DOS_SIGNATURE || dos->e_lfanew <= 0 ||
        static_cast<std::size_t>(dos->e_lfanew) + sizeof(IMAGE_NT_HEADERS64) > bytes.size())
        return 0;
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS64*>(bytes.data() + dos->e_lfanew);
    if (nt->Signature != IMAGE_NT_SIGNATURE || nt->OptionalHeader.Magic != IMAGE_NT_OPTIONAL_HDR64_MAGIC) return 0;
    return nt->OptionalHeader.DllCharacteristics;
}

TEST(Hardening, ProgramsAreBuiltWithAslrAndDep) {
    for (const wchar_t* name : {L"Relanto.exe", L"adb.exe", L"urllog.exe"}) {
        SCOPED_TRACE(e2e::Utf8(name));
        const WORD flags = DllCharacteristics(e2e::BinDir() + L"\\" + name);
        EXPECT_TRUE(flags & IMAGE_DLLCHARACTERISTICS_DYNAMIC_BASE);
        EXPECT_TRUE(flags & IMAGE_DLLCHARACTERISTICS_HIGH_ENTROPY_VA);
        EXPECT_TRUE(flags & IMAGE_DLLCHARACTERISTICS_NX_COMPAT);
    }
}

}  // namespace
