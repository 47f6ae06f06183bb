// Win32 side of the platform layer: processes, profile files, message boxes, links, pointer, keys and timers.
#include "platform/platform_win.h"

#include "platform/display_scheme_win.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <oleauto.h>

#include <vector>

#include "platform/keyboard_win.h"
#include "platform/scoped_win.h"
#include "platform/window_host_win.h"

namespace plat {
namespace {

std::wstring SystemDirectory() {
    wchar_t buffer[MAX_PATH];
    UINT n = GetSystemDirectoryW(buffer, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return L"C:\\Windows\\System32";
    return std::wstring(buffer, n);
}

}  // namespace

// Inserts are filled here, not by the system, which would read past the one argument for a text that has more.
std::wstring SystemErrorText(unsigned long error, const std::wstring& subject) {
    wchar_t* buffer = nullptr;
    const DWORD n =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text = n > 0 && buffer ? std::wstring(buffer, n) : std::wstring();
    if (buffer) LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ')) text.pop_back();
    for (auto at = text.find(L"%1"); at != std::wstring::npos; at = text.find(L"%1", at + subject.size()))
        text.replace(at, 2, subject);
    return text;
}

namespace {

class Win32ProcessStarter final : public ProcessStarter {
public:
    StartResult StartConsole(const std::wstring& commandLine, ShowState show) override {
        // The interpreter is named by its full path so that no cmd.exe in the program's or the current
        // folder can stand in for it; the command line itself stays exactly as composed.
        const std::wstring interpreter = SystemDirectory() + L"\\cmd.exe";
        std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
        line.push_back(L'\0');
        STARTUPINFOW si = {};
        si.cb = sizeof(si);
        si.dwFlags = STARTF_USESHOWWINDOW;
        si.wShowWindow = static_cast<WORD>(static_cast<int>(show));
        PROCESS_INFORMATION pi = {};
        if (!CreateProcessW(interpreter.c_str(), line.data(), nullptr, nullptr, FALSE, CREATE_NEW_CONSOLE, nullptr,
                            nullptr, &si, &pi)) {
            DWORD error = GetLastError();
            // A refusal without a code still must not read as a start.
            if (error == ERROR_SUCCESS) error = ERROR_INTERNAL_ERROR;
            return {false, error, SystemErrorText(error, interpreter)};
        }
        // Nothing waits for the console: both handles go at once.
        ScopedProcess started(pi);
        return {true, 0, {}};
    }
};

class Win32ProfileStore final : public ProfileStore {
public:
    std::wstring Read(const std::wstring& file, const std::wstring& section, const std::wstring& key,
                      const std::wstring& fallback, unsigned bufferChars) override {
        std::vector<wchar_t> buffer(bufferChars + 1, L'\0');
        GetPrivateProfileStringW(section.c_str(), key.c_str(), fallback.c_str(), buffer.data(), bufferChars,
                                 file.c_str());
        return std::wstring(buffer.data());
    }
    bool Write(const std::wstring& file, const std::wstring& section, const std::wstring& key,
               const std::wstring& value) override {
        return WritePrivateProfileStringW(section.c_str(), key.c_str(), value.c_str(), file.c_str()) != FALSE;
    }
};

class Win32Sleeper final : public Sleeper {
public:
    void SleepMs(unsigned milliseconds) override { ::Sleep(milliseconds); }
};

class Win32MessageBoxes final : public MessageBoxes {
public:
    void Show(const std::wstring& text, const std::wstring& title, MsgButtons, MsgIcon icon, WindowId owner) override {
        UINT flags = MB_OK;
        switch (icon) {
            case MsgIcon::Exclamation:
                flags |= MB_ICONEXCLAMATION;
                break;
            case MsgIcon::Information:
                flags |= MB_ICONINFORMATION;
                break;
            case MsgIcon::Error:
                flags |= MB_ICONERROR;
                break;
            case MsgIcon::None:
                break;
        }
        // Owned by the given window, else by the active window of this thread, if any, so the box stays in front
        // of it.
        MessageBoxW(owner ? reinterpret_cast<HWND>(owner) : GetActiveWindow(), text.c_str(), title.c_str(), flags);
    }
};

class Win32FileProbe final : public FileProbe {
public:
    bool OrdinaryFileExists(const std::wstring& path) override {
        const DWORD attributes = GetFileAttributesW(path.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) return false;
        return (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0;
    }
};

class Win32LinkOpener final : public LinkOpener {
public:
    void Open(const std::wstring& address) override {
        // A new automation object per address; every failure is silent, as is the result of "run".
        EnsureCom();
        CLSID clsid;
        if (FAILED(ComClsidFromProgId(L"wscript.shell", &clsid))) return;
        ComPtr<IDispatch> shell;
        if (FAILED(ComCreateInstance(clsid, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IDispatch,
                                     reinterpret_cast<void**>(shell.Receive()))))
            return;
        LPOLESTR name = const_cast<LPOLESTR>(L"run");
        DISPID dispid = 0;
        if (FAILED(shell->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &dispid))) return;
        ScopedVariant argument;
        argument.get().vt = VT_BSTR;
        argument.get().bstrVal = ComAllocString(address.data(), static_cast<UINT>(address.size()));
        if (!argument.get().bstrVal) return;
        DISPPARAMS params = {};
        params.rgvarg = &argument.get();
        params.cArgs = 1;
        ScopedVariant result;
        shell->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, &result.get(), nullptr, nullptr);
    }
};

class Win32Pointer final : public Pointer {
public:
    Point CursorPos() override {
        POINT p = {};
        GetCursorPos(&p);
        return {p.x, p.y};
    }
    WindowId WindowFromPoint(Point screen) override {
        return reinterpret_cast<WindowId>(::WindowFromPoint(POINT{screen.x, screen.y}));
    }
    Point ClientToScreen(WindowId window, Point client) override {
        POINT p{client.x, client.y};
        ::ClientToScreen(reinterpret_cast<HWND>(window), &p);
        return {p.x, p.y};
    }
    Point ScreenToClient(WindowId window, Point screen) override {
        POINT p{screen.x, screen.y};
        ::ScreenToClient(reinterpret_cast<HWND>(window), &p);
        return {p.x, p.y};
    }
    WindowId Capture() override { return reinterpret_cast<WindowId>(GetCapture()); }
    void SetCapture(WindowId window) override { ::SetCapture(reinterpret_cast<HWND>(window)); }
    void ReleaseCapture() override { ::ReleaseCapture(); }
};

class Win32KeySender final : public KeySender {
public:
    void Send(const std::wstring& keys) override {
        const bool shifted = keys == L"+{TAB}";
        if (shifted || keys == L"{TAB}") SendKeystroke(VK_TAB, shifted);
    }
};

class Win32Timers final : public Timers {
public:
    void Start(WindowId window, unsigned timerId, unsigned periodMs) override {
        SetTimer(reinterpret_cast<HWND>(window), timerId, periodMs, nullptr);
    }
    void Stop(WindowId window, unsigned timerId) override { KillTimer(reinterpret_cast<HWND>(window), timerId); }
};

}  // namespace

void EnsureCom() { static ComApartment apartment; }

Services& Win32Services() {
    static Win32ProcessStarter process;
    static Win32ProfileStore profile;
    static Win32Sleeper sleeper;
    static Win32MessageBoxes messages;
    static Win32FileProbe files;
    static Win32LinkOpener links;
    static Win32Pointer pointer;
    static Win32KeySender keys;
    static Win32Timers timers;
    static Services services{&process, &profile, &sleeper, &messages, &files,
                             &links,   &pointer, &keys,    &timers,   &Win32DisplayScheme()};
    return services;
}

std::wstring ProgramFolder() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0) return L".";
        if (n < buffer.size()) {
            std::wstring path(buffer.data(), n);
            const auto slash = path.find_last_of(L"\\/");
            return slash == std::wstring::npos ? std::wstring(L".") : path.substr(0, slash);
        }
        buffer.resize(buffer.size() * 2);
    }
}

bool ProgramResource(const std::wstring& name, std::string* bytes) {
    if (name.empty()) return false;
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC resource = FindResourceW(module, name.c_str(), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
    if (!resource) return false;
    HGLOBAL loaded = LoadResource(module, resource);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    const DWORD size = SizeofResource(module, resource);
    if (!data || size == 0) return false;
    bytes->assign(static_cast<const char*>(data), size);
    return true;
}

FileRead ReadWholeFile(const std::wstring& path, std::size_t limit, std::string* bytes) {
    ScopedHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return FileRead::CannotOpen;
    LARGE_INTEGER size = {};
    if (!GetFileSizeEx(file.get(), &size)) return FileRead::CannotRead;
    if (static_cast<unsigned long long>(size.QuadPart) > limit) return FileRead::TooLarge;
    bytes->assign(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD got = 0;
    if (!bytes->empty() &&
        !(ReadFile(file.get(), &(*bytes)[0], static_cast<DWORD>(bytes->size()), &got, nullptr) && got == bytes->size()))
        return FileRead::CannotRead;
    return FileRead::Ok;
}

}  // namespace plat
