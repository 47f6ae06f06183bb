// The shipped programs carry the loader's protections (ASLR with high entropy, DEP), and Relanto.exe stays cheap
// to load: its file maps page for page and it links only the libraries its first window needs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "e2e/harness_win.h"

namespace {

// A 64-bit image read whole, with its headers checked before any field is used.
class PeFile {
public:
    explicit PeFile(const std::wstring& path) {
        if (!e2e::ReadFileBytes(path, &bytes_) || bytes_.size() < sizeof(IMAGE_DOS_HEADER)) return;
        const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(bytes_.data());
        if (dos->e_magic != IMAGE_DOS_SIGNATURE || dos->e_lfanew <= 0 ||
            static_cast<std::size_t>(dos->e_lfanew) + sizeof(IMAGE_NT_HEADERS64) > bytes_.size())
            return;
        const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS64*>(bytes_.data() + dos->e_lfanew);
        if (nt->Signature != IMAGE_NT_SIGNATURE || nt->OptionalHeader.Magic != IMAGE_NT_OPTIONAL_HDR64_MAGIC) return;
        const std::size_t sections = static_cast<std::size_t>(dos->e_lfanew) +
                                     offsetof(IMAGE_NT_HEADERS64, OptionalHeader) + nt->FileHeader.SizeOfOptionalHeader;
        if (sections + nt->FileHeader.NumberOfSections * sizeof(IMAGE_SECTION_HEADER) > bytes_.size()) return;
        nt_ = nt;
        sections_ = reinterpret_cast<const IMAGE_SECTION_HEADER*>(bytes_.data() + sections);
    }

    bool ok() const { return nt_ != nullptr; }
    const IMAGE_OPTIONAL_HEADER64& header() const { return nt_->OptionalHeader; }

    // Names of the libraries the loader maps before the program's first instruction, in lower case.
    std::vector<std::string> Imports() const {
        std::vector<std::string> names;
        const IMAGE_DATA_DIRECTORY& dir = header().DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
        for (DWORD at = dir.VirtualAddress;; at += sizeof(IMAGE_IMPORT_DESCRIPTOR)) {
            const auto* d = At<IMAGE_IMPORT_DESCRIPTOR>(at);
            if (!d || d->Name == 0) break;
            const char* name = At<char>(d->Name);
            if (!name) break;
            std::string lower(name, strnlen(name, bytes_.size() - static_cast<std::size_t>(name - bytes_.data())));
            std::transform(lower.begin(), lower.end(), lower.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
            names.push_back(lower);
        }
        return names;
    }

private:
    template <typename T>
    const T* At(DWORD rva) const {
        for (WORD i = 0; i < nt_->FileHeader.NumberOfSections; ++i) {
            const IMAGE_SECTION_HEADER& s = sections_[i];
            if (rva < s.VirtualAddress || rva >= s.VirtualAddress + s.SizeOfRawData) continue;
            const std::size_t offset = s.PointerToRawData + (rva - s.VirtualAddress);
            return offset + sizeof(T) <= bytes_.size() ? reinterpret_cast<const T*>(bytes_.data() + offset) : nullptr;
        }
        return nullptr;
    }

    std::string bytes_;
    const IMAGE_NT_HEADERS64* nt_ = nullptr;
    const IMAGE_SECTION_HEADER* sections_ = nullptr;
};

TEST(Hardening, ProgramsAreBuiltWithAslrAndDep) {
    for (const wchar_t* name : {L"Relanto.exe", L"adb.exe", L"urllog.exe"}) {
        SCOPED_TRACE(e2e::Utf8(name));
        const PeFile pe(e2e::BinDir() + L"\\" + name);
        ASSERT_TRUE(pe.ok());
        const WORD flags = pe.header().DllCharacteristics;
        EXPECT_TRUE(flags & IMAGE_DLLCHARACTERISTICS_DYNAMIC_BASE);
        EXPECT_TRUE(flags & IMAGE_DLLCHARACTERISTICS_HIGH_ENTROPY_VA);
        EXPECT_TRUE(flags & IMAGE_DLLCHARACTERISTICS_NX_COMPAT);
    }
}

TEST(Hardening, RelantoLoadsCheaply) {
    const PeFile pe(e2e::BinDir() + L"\\Relanto.exe");
    ASSERT_TRUE(pe.ok());
    // Laid out in the file as in memory, so its pages can be mapped from the file rather than copied.
    EXPECT_EQ(pe.header().FileAlignment, 4096u);
    EXPECT_EQ(pe.header().SectionAlignment, 4096u);
    const std::vector<std::string> imports = pe.Imports();
    EXPECT_NE(std::find(imports.begin(), imports.end(), "user32.dll"), imports.end()) << "import table not read";
    // COM and automation come in only when a link is opened or a picture decoded.
    for (const char* late : {"ole32.dll", "oleaut32.dll", "shell32.dll", "msimg32.dll", "windowscodecs.dll"})
        EXPECT_EQ(std::find(imports.begin(), imports.end(), late), imports.end()) << late;
}

}  // namespace
