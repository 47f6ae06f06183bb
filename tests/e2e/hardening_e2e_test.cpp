// The shipped programs carry the loader's protections (ASLR, with high entropy on 64-bit; DEP; on 32-bit, no
// exception handlers on the stack), and Relanto.exe stays cheap to load: its file maps page for page and it links
// only the libraries its first window needs. The programs are read as images of the test's own architecture.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "e2e/harness_win.h"

namespace {

// The programs are images of this test's own architecture; the headers' own types (IMAGE_NT_HEADERS, the import
// thunks, the load configuration) take that architecture's layout.
#ifdef _WIN64
const WORD kMachine = IMAGE_FILE_MACHINE_AMD64;
const WORD kArchitectureFlag = IMAGE_DLLCHARACTERISTICS_HIGH_ENTROPY_VA;
#else
const WORD kMachine = IMAGE_FILE_MACHINE_I386;
// No SafeSEH table can be written by this toolchain: the image says it has no handlers at all.
const WORD kArchitectureFlag = IMAGE_DLLCHARACTERISTICS_NO_SEH;
#endif

// An image read whole, with its headers checked before any field is used.
class PeFile {
public:
    explicit PeFile(const std::wstring& path) {
        if (!e2e::ReadFileBytes(path, &bytes_) || bytes_.size() < sizeof(IMAGE_DOS_HEADER)) return;
        const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(bytes_.data());
        if (dos->e_magic != IMAGE_DOS_SIGNATURE || dos->e_lfanew <= 0 ||
            static_cast<std::size_t>(dos->e_lfanew) + sizeof(IMAGE_NT_HEADERS) > bytes_.size())
            return;
        const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(bytes_.data() + dos->e_lfanew);
        if (nt->Signature != IMAGE_NT_SIGNATURE || nt->OptionalHeader.Magic != IMAGE_NT_OPTIONAL_HDR_MAGIC ||
            nt->FileHeader.Machine != kMachine)
            return;
        const std::size_t sections = static_cast<std::size_t>(dos->e_lfanew) +
                                     offsetof(IMAGE_NT_HEADERS, OptionalHeader) + nt->FileHeader.SizeOfOptionalHeader;
        if (sections + nt->FileHeader.NumberOfSections * sizeof(IMAGE_SECTION_HEADER) > bytes_.size()) return;
        nt_ = nt;
        sections_ = reinterpret_cast<const IMAGE_SECTION_HEADER*>(bytes_.data() + sections);
    }

    bool ok() const { return nt_ != nullptr; }
    const IMAGE_OPTIONAL_HEADER& header() const { return nt_->OptionalHeader; }

    // Names of the libraries the loader maps before the program's first instruction, in lower case.
    std::vector<std::string> Imports() const {
        std::vector<std::string> names;
        ForEachImport([&](const IMAGE_IMPORT_DESCRIPTOR&, const std::string& dll) { names.push_back(dll); });
        return names;
    }

    struct ImportedFunction {
        std::string dll;  // lower case
        std::string name;
    };
    // Every function imported by name (imports by ordinal carry no name and are left out).
    std::vector<ImportedFunction> ImportedFunctions() const {
        std::vector<ImportedFunction> functions;
        ForEachImport([&](const IMAGE_IMPORT_DESCRIPTOR& d, const std::string& dll) {
            const DWORD thunks = d.OriginalFirstThunk ? d.OriginalFirstThunk : d.FirstThunk;
            for (DWORD at = thunks;; at += sizeof(IMAGE_THUNK_DATA)) {
                const auto* thunk = At<IMAGE_THUNK_DATA>(at);
                if (!thunk || thunk->u1.AddressOfData == 0) break;
                if (IMAGE_SNAP_BY_ORDINAL(thunk->u1.Ordinal)) continue;
                const auto* byName = At<IMAGE_IMPORT_BY_NAME>(static_cast<DWORD>(thunk->u1.AddressOfData));
                if (!byName) break;
                functions.push_back({dll, String(reinterpret_cast<const char*>(byName->Name))});
            }
        });
        return functions;
    }

    // The DependentLoadFlags of the load configuration, or -1 when the image has none, or one that is not laid out
    // as this architecture's (a table of the other layout has another size, and the field elsewhere).
    long DependentLoadFlags() const {
        const IMAGE_DATA_DIRECTORY& dir = header().DataDirectory[IMAGE_DIRECTORY_ENTRY_LOAD_CONFIG];
        const std::size_t offset = offsetof(IMAGE_LOAD_CONFIG_DIRECTORY, Reserved1);
        const auto* size = dir.VirtualAddress ? At<DWORD>(dir.VirtualAddress) : nullptr;
        if (!size || *size != sizeof(IMAGE_LOAD_CONFIG_DIRECTORY) || dir.Size != *size) return -1;
        const auto* flags = At<WORD>(dir.VirtualAddress + static_cast<DWORD>(offset));
        return flags ? static_cast<long>(*flags) : -1;
    }

private:
    template <typename Visit>
    void ForEachImport(Visit visit) const {
        const IMAGE_DATA_DIRECTORY& dir = header().DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
        for (DWORD at = dir.VirtualAddress;; at += sizeof(IMAGE_IMPORT_DESCRIPTOR)) {
            const auto* d = At<IMAGE_IMPORT_DESCRIPTOR>(at);
            if (!d || d->Name == 0) break;
            const char* name = At<char>(d->Name);
            if (!name) break;
            std::string lower = String(name);
            std::transform(lower.begin(), lower.end(), lower.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
            visit(*d, lower);
        }
    }

    // A zero-terminated string of the file, cut at the file's end.
    std::string String(const char* text) const {
        return std::string(text, strnlen(text, bytes_.size() - static_cast<std::size_t>(text - bytes_.data())));
    }

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
    const IMAGE_NT_HEADERS* nt_ = nullptr;
    const IMAGE_SECTION_HEADER* sections_ = nullptr;
};

TEST(Hardening, ProgramsAreBuiltWithAslrAndDep) {
    for (const wchar_t* name : {L"Relanto.exe", L"adb.exe", L"urllog.exe"}) {
        SCOPED_TRACE(e2e::Utf8(name));
        const PeFile pe(e2e::BinDir() + L"\\" + name);
        ASSERT_TRUE(pe.ok());
        const WORD flags = pe.header().DllCharacteristics;
        for (WORD wanted :
             {WORD{IMAGE_DLLCHARACTERISTICS_DYNAMIC_BASE}, WORD{IMAGE_DLLCHARACTERISTICS_NX_COMPAT}, kArchitectureFlag})
            EXPECT_TRUE(flags & wanted) << std::hex << wanted;
    }
}

TEST(Hardening, RelantoLoadsCheaply) {
    const PeFile pe(e2e::BinDir() + L"\\Relanto.exe");
    ASSERT_TRUE(pe.ok());
    // Laid out in the file as in memory, so its pages can be mapped from the file rather than copied.
    EXPECT_EQ(pe.header().FileAlignment, 4096u);
    EXPECT_EQ(pe.header().SectionAlignment, 4096u);
    std::vector<std::string> imports = pe.Imports();
    // The same system libraries on either architecture, and nothing more.
    std::sort(imports.begin(), imports.end());
    EXPECT_EQ(imports,
              (std::vector<std::string>{"comctl32.dll", "gdi32.dll", "kernel32.dll", "msvcrt.dll", "user32.dll"}));
    // COM and automation come in only when a link is opened or a picture decoded.
    for (const char* late : {"ole32.dll", "oleaut32.dll", "shell32.dll", "msimg32.dll", "windowscodecs.dll"})
        EXPECT_EQ(std::find(imports.begin(), imports.end(), late), imports.end()) << late;
}

// Imports that Windows 7 SP1 does not have: a program importing any of them does not start there ("entry point
// not found"). Matched against each imported function's name, or against the library's name.
enum class Match { Exact, Prefix, Suffix, Contains, Library };
struct Forbidden {
    Match match;
    const char* pattern;
    const char* example;  // a name the pattern must catch
};
const Forbidden kNewerThanWindows7[] = {
    // user32, Windows 10 1607: AdjustWindowRectExForDpi, GetSystemMetricsForDpi, SystemParametersInfoForDpi.
    {Match::Suffix, "ForDpi", "AdjustWindowRectExForDpi"},
    // user32, Windows 10 1607: GetDpiForWindow, GetDpiForSystem; shcore, Windows 8.1: GetDpiForMonitor.
    {Match::Prefix, "GetDpiFor", "GetDpiForSystem"},
    // shcore, Windows 8.1 (per-monitor DPI of a screen).
    {Match::Exact, "GetDpiForMonitor", "GetDpiForMonitor"},
    // user32, Windows 10 1607 (Get/SetThreadDpiAwarenessContext) and 1703 (SetProcessDpiAwarenessContext).
    {Match::Contains, "DpiAwarenessContext", "SetProcessDpiAwarenessContext"},
    // shcore, Windows 8.1.
    {Match::Exact, "SetProcessDpiAwareness", "SetProcessDpiAwareness"},
    // user32, Windows 10 1607.
    {Match::Exact, "EnableNonClientDpiScaling", "EnableNonClientDpiScaling"},
    // kernel32, Windows 8 (on Windows 7 only with security update KB2533623, which not every system has).
    {Match::Exact, "SetDefaultDllDirectories", "SetDefaultDllDirectories"},
    {Match::Exact, "AddDllDirectory", "AddDllDirectory"},
    {Match::Exact, "RemoveDllDirectory", "RemoveDllDirectory"},
    // kernel32, Windows 8.
    {Match::Exact, "GetSystemTimePreciseAsFileTime", "GetSystemTimePreciseAsFileTime"},
    {Match::Exact, "CreateFile2", "CreateFile2"},
    // API-set libraries: Windows 8 and later resolve most of them; the few Windows 7 knows differ by update.
    {Match::Library, "api-ms-win-", "api-ms-win-core-synch-l1-2-0.dll"},
    {Match::Library, "ext-ms-win-", "ext-ms-win-ntuser-window-l1-1-0.dll"},
    // Windows 8.1.
    {Match::Library, "shcore.dll", "shcore.dll"},
};

bool Matches(const Forbidden& f, const std::string& dll, const std::string& function) {
    const std::string p = f.pattern;
    const std::string& s = f.match == Match::Library ? dll : function;
    switch (f.match) {
        case Match::Exact:
            return s == p;
        case Match::Prefix:
        case Match::Library:
            return s.compare(0, p.size(), p) == 0;
        case Match::Suffix:
            return s.size() >= p.size() && s.compare(s.size() - p.size(), p.size(), p) == 0;
        case Match::Contains:
            return s.find(p) != std::string::npos;
    }
    return false;
}

TEST(Hardening, ForbiddenImportTableCatchesItsExamples) {
    for (const Forbidden& f : kNewerThanWindows7) {
        const bool library = f.match == Match::Library;
        EXPECT_TRUE(Matches(f, library ? f.example : "user32.dll", library ? "CreateWindowExW" : f.example))
            << f.pattern;
        EXPECT_FALSE(Matches(f, "user32.dll", "CreateWindowExW")) << f.pattern;
    }
}

// The programs a user gets start on Windows 7 SP1: nothing newer is imported, and the loader is told to resolve
// their imports from the system folder.
TEST(Hardening, ShippedProgramsStartOnWindows7AndImportFromTheSystemFolder) {
    for (const wchar_t* name : {L"Relanto.exe", L"Gallery.exe"}) {
        SCOPED_TRACE(e2e::Utf8(name));
        const PeFile pe(e2e::BinDir() + L"\\" + name);
        ASSERT_TRUE(pe.ok());
        const auto functions = pe.ImportedFunctions();
        const bool readCreateWindow = std::any_of(functions.begin(), functions.end(), [](const auto& f) {
            return f.dll == "user32.dll" && f.name == "CreateWindowExW";
        });
        EXPECT_TRUE(readCreateWindow) << "import table not read";
        for (const auto& function : functions)
            for (const Forbidden& f : kNewerThanWindows7)
                EXPECT_FALSE(Matches(f, function.dll, function.name)) << function.dll << "!" << function.name;
        EXPECT_EQ(pe.DependentLoadFlags(), LOAD_LIBRARY_SEARCH_SYSTEM32);
    }
}

}  // namespace
