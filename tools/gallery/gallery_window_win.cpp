// The kit gallery's window: builds the showcase, reports the controls' events on a status line, and saves or
// loads every control's properties through the kit's design text form.
#include "tools/gallery/gallery_window_win.h"

#include <commdlg.h>
#include <shellapi.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "controls/checkbutton/check_button_win.h"
#include "controls/common/property_bag.h"
#include "controls/nselection/n_selection_win.h"
#include "controls/nshape/n_shape_win.h"
#include "controls/ntextbox/n_textbox_win.h"
#include "platform/keyboard_win.h"
#include "platform/os_api_win.h"
#include "platform/platform_win.h"
#include "platform/scoped_win.h"
#include "platform/utf8_win.h"
#include "platform/window_host_win.h"
#include "platform/window_win.h"
#include "tools/gallery/gallery_ids.h"

namespace gallery {
namespace {

constexpr int kClientWidth96 = 660;
constexpr int kClientHeight96 = 480;
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr std::size_t kMaxDesignBytes = 16u << 20;
constexpr std::size_t kLogLines = 6;
const wchar_t kTitle[] = L"Control kit gallery — 控件库";

enum class Kind { Shape, Check, Text, Selection, Count };  // the order of the gallery's table of kinds

// One control of the kit as the gallery places it.
struct Slot {
    Kind kind;
    std::wstring name;
    int id;
    plat::TwipsRect place;
    HWND hwnd = nullptr;
};

// A heading, button or the status line: ordinary child windows placed in twips too.
struct Fixed {
    const wchar_t* cls;
    const wchar_t* text;
    int id;
    DWORD style;
    plat::TwipsRect place;
    HWND hwnd = nullptr;
};

// Reads a whole design file, or says why it cannot.
bool ReadSmallFile(const std::wstring& path, std::size_t limit, std::string* bytes, std::wstring* error) {
    switch (plat::ReadWholeFile(path, limit, bytes)) {
        case plat::FileRead::Ok:
            return true;
        case plat::FileRead::CannotOpen:
            *error = L"the file cannot be opened";
            break;
        case plat::FileRead::TooLarge:
            *error = L"the file is too large";
            break;
        case plat::FileRead::CannotRead:
            *error = L"the file cannot be read";
            break;
    }
    return false;
}

// Writes beside the target first and then replaces it, so a failed save leaves the old file whole.
bool WriteWholeFile(const std::wstring& path, const std::string& bytes) {
    const std::wstring temp = path + L".saving";
    bool ok = false;
    {
        plat::ScopedHandle file(
            CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) return false;
        DWORD written = 0;
        ok = WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
             written == bytes.size();
    }  // closed before it replaces the target
    if (!ok || !MoveFileExW(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileW(temp.c_str());
        return false;
    }
    return true;
}

kit::Font ContainerFont() { return {L"Tahoma", 9}; }  // the rest as a new font has it

class Gallery final : public plat::PageWindow {
public:
    explicit Gallery(const Options& options) : options_(options) {}

    // A window that was never made has freed this state already: nothing of it may be touched then.
    bool Create(int showCommand) {
        const RECT r =
            plat::CenteredWindowRect(kClientWidth96, kClientHeight96, kStyle, WS_EX_CONTROLPARENT, plat::SystemDpi());
        HWND window =
            plat::CreateHostedWindow(this, WS_EX_CONTROLPARENT, kGalleryClass, kTitle, kStyle, r, nullptr, nullptr);
        if (!window) return false;
        ShowWindow(window, showCommand);
        UpdateWindow(window);
        if (options_.loadAtStart) Load();
        return true;
    }

    HWND FirstControl() const override { return slots_.empty() ? nullptr : slots_[0].hwnd; }

private:
    friend LRESULT CALLBACK plat::WindowProc<Gallery>(HWND, UINT, WPARAM, LPARAM);

    LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp) {
        switch (msg) {
            case WM_CREATE:
                dpi_ = plat::WindowDpi(hwnd_);
                Build();
                return 0;
            case WM_COMMAND:
                switch (LOWORD(wp)) {
                    case kIdSave:
                        Save();
                        return 0;
                    case kIdLoad:
                        Load();
                        return 0;
                    case kIdAbout:
                        if (kit::NTextBox* box = kit::NTextBoxOf(SlotWindow(kIdTextFirst))) box->About();
                        return 0;
                }
                break;
            case WM_CTLCOLORSTATIC: {
                HDC dc = reinterpret_cast<HDC>(wp);
                SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
                SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
                return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
            }
            case WM_ERASEBKGND:
                return plat::EraseBackground(hwnd_, wp, GetSysColorBrush(COLOR_BTNFACE));
            case WM_DPICHANGED: {
                plat::MoveToSuggestedRect(hwnd_, lp);
                dpi_ = HIWORD(wp);
                PlaceAll();
                return 0;
            }
            case WM_DESTROY:
                PostQuitMessage(0);
                return 0;
        }
        return DefWindowProcW(hwnd_, msg, wp, lp);
    }

    // ---- building ----

    void Build() {
        fixed_ = {
            {L"STATIC", L"CheckButton", 0, SS_LEFT, {240, 120, 3600, 300}},
            {L"STATIC", L"N_Selection", 0, SS_LEFT, {240, 2040, 3600, 300}},
            {L"STATIC", L"N_Shape", 0, SS_LEFT, {240, 4740, 3600, 300}},
            {L"STATIC", L"N_TextBox", 0, SS_LEFT, {4500, 120, 3600, 300}},
            {L"BUTTON", L"&Save", kIdSave, WS_TABSTOP | BS_PUSHBUTTON, {4500, 4860, 1300, 420}},
            {L"BUTTON", L"&Load", kIdLoad, WS_TABSTOP | BS_PUSHBUTTON, {5900, 4860, 1300, 420}},
            {L"BUTTON", L"&About N_TextBox…", kIdAbout, WS_TABSTOP | BS_PUSHBUTTON, {7300, 4860, 2000, 420}},
            {L"STATIC", L"", kIdStatus, SS_LEFT | SS_NOPREFIX, {4500, 5400, 4900, 1560}},
        };
        slots_ = {
            {Kind::Check, L"CheckButton1", kIdCheckFirst + 0, {240, 480, 3000, 330}},
            {Kind::Check, L"CheckButton2", kIdCheckFirst + 1, {240, 840, 3000, 330}},
            {Kind::Check, L"CheckButton3", kIdCheckFirst + 2, {240, 1200, 3000, 330}},
            {Kind::Check, L"CheckButton4", kIdCheckFirst + 3, {240, 1560, 3000, 330}},
            {Kind::Selection, L"N_Selection1", kIdSelectionFirst + 0, {240, 2400, 3600, 615}},
            {Kind::Selection, L"N_Selection2", kIdSelectionFirst + 1, {240, 3120, 3600, 615}},
            {Kind::Selection, L"N_Selection3", kIdSelectionFirst + 2, {240, 3840, 3600, 615}},
            {Kind::Shape, L"N_Shape1", kIdShapeFirst + 0, {240, 5100, 1800, 450}},
            {Kind::Shape, L"N_Shape2", kIdShapeFirst + 1, {2160, 5100, 1800, 450}},
            {Kind::Shape, L"N_Shape3", kIdShapeFirst + 2, {240, 5640, 1800, 450}},
            {Kind::Shape, L"N_Shape4", kIdShapeFirst + 3, {2160, 5640, 1800, 450}},
            {Kind::Shape, L"N_Shape5", kIdShapeFirst + 4, {240, 6180, 1800, 450}},
            {Kind::Shape, L"N_Shape6", kIdShapeFirst + 5, {2160, 6180, 1800, 450}},
            {Kind::Text, L"N_TextBox1", kIdTextFirst + 0, {4500, 480, 3300, 780}},
            {Kind::Text, L"N_TextBox2", kIdTextFirst + 1, {4500, 1380, 3300, 780}},
            {Kind::Text, L"N_TextBox3", kIdTextFirst + 2, {4500, 2280, 3300, 780}},
            {Kind::Text, L"N_TextBox4", kIdTextFirst + 3, {4500, 3180, 3300, 780}},
        };
        ApplyFonts();
        // Creation order is the tab order: the check buttons, the entries, the graphical buttons, the text boxes,
        // then the gallery's own buttons.
        for (std::size_t i = 0; i < slots_.size(); ++i) {
            slots_[i].hwnd = CreateSlot(i, nullptr);
            (this->*OpsOf(slots_[i]).demo)(slots_[i]);
        }
        for (Fixed& f : fixed_) {
            const RECT r = plat::PixelRect(f.place, dpi_);
            f.hwnd = CreateWindowExW(0, f.cls, f.text, WS_CHILD | WS_VISIBLE | f.style, r.left, r.top, r.right - r.left,
                                     r.bottom - r.top, hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(f.id)),
                                     nullptr, nullptr);
            SendMessageW(f.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(f.id == 0 ? headingFont_.get() : font_.get()),
                         FALSE);
        }
        if (!options_.saveFile.empty()) Status(L"Saves go to " + options_.saveFile);
    }

    void ApplyFonts() {
        font_ = plat::MakeFont({L"Tahoma", 9}, dpi_);
        headingFont_ = plat::MakeFont({L"Tahoma", 9, FW_BOLD}, dpi_);
    }

    void PlaceAll() {
        ApplyFonts();
        for (Fixed& f : fixed_) {
            Place(f.hwnd, f.place);
            SendMessageW(f.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(f.id == 0 ? headingFont_.get() : font_.get()),
                         TRUE);
        }
        for (Slot& s : slots_) Place(s.hwnd, s.place);
        InvalidateRect(hwnd_, nullptr, TRUE);
    }

    void Place(HWND child, const plat::TwipsRect& place) {
        if (!child) return;
        const RECT r = plat::PixelRect(place, dpi_);
        SetWindowPos(child, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }

    HWND SlotWindow(int id) const {
        for (const Slot& s : slots_)
            if (s.id == id) return s.hwnd;
        return nullptr;
    }

    // ---- the kinds of control ----

    // What the gallery does with one kind of control of the kit: make one in a slot (loaded from `bag`, or a new
    // instance), give a new one the look the showcase wants, and save it. The kinds differ only in their events
    // and their showcase looks.
    struct KindOps {
        HWND (Gallery::*create)(std::size_t index, const kit::PropertyBag* bag);
        void (Gallery::*demo)(const Slot& slot);
        void (*save)(const Slot& slot, kit::PropertyBag& bag);
    };
    static const KindOps kKinds[];  // in the order of Kind
    static const KindOps& OpsOf(const Slot& s);

    HWND CreateSlot(std::size_t index, const kit::PropertyBag* bag) {
        return (this->*OpsOf(slots_[index]).create)(index, bag);
    }

    // The place, name and id every kind is created with.
    template <typename Args>
    Args SlotArgs(std::size_t index) const {
        const Slot& s = slots_[index];
        Args a;
        a.parent = hwnd_;
        a.id = s.id;
        a.name = s.name;
        a.place = s.place;
        a.services = &plat::Win32Services();
        return a;
    }

    // An event handler that puts the event on the status line.
    std::function<void()> Reports(std::size_t index, const wchar_t* what) {
        return [this, index, what] { Event(index, what); };
    }

    HWND CreateShape(std::size_t index, const kit::PropertyBag* bag) {
        auto a = SlotArgs<kit::NShapeArgs>(index);
        a.bag = bag;
        a.events.Click = Reports(index, L"Click");
        return kit::CreateNShape(a);
    }

    HWND CreateCheck(std::size_t index, const kit::PropertyBag* bag) {
        auto a = SlotArgs<kit::CheckButtonArgs>(index);
        a.bag = bag;
        a.containerFont = ContainerFont();
        a.events.Click = [this, index] {
            const kit::CheckButton* c = kit::CheckButtonOf(slots_[index].hwnd);
            Event(index, L"Click, Value " + std::to_wstring(c ? c->Value() : 0));
        };
        a.events.MouseOut = Reports(index, L"MouseOut");
        return kit::CreateCheckButton(a);
    }

    HWND CreateSelection(std::size_t index, const kit::PropertyBag* bag) {
        auto a = SlotArgs<kit::NSelectionArgs>(index);
        a.bag = bag;
        a.events.Click = Reports(index, L"Click");
        a.events.DblClick = Reports(index, L"DblClick");
        a.events.MouseEnter = Reports(index, L"MouseEnter");
        a.events.MouseLeave = Reports(index, L"MouseLeave");
        return kit::CreateNSelection(a);
    }

    HWND CreateText(std::size_t index, const kit::PropertyBag* bag) {
        auto a = SlotArgs<kit::NTextBoxArgs>(index);
        a.bag = bag;
        a.applicationTitle = L"Gallery";
        a.events.Change = [this, index] {
            const kit::NTextBox* t = kit::NTextBoxOf(slots_[index].hwnd);
            Event(index, L"Change \"" + (t ? t->Text() : std::wstring()) + L"\"");
        };
        a.events.DblClick = Reports(index, L"DblClick");
        return kit::CreateNTextBox(a);
    }

    // The configurations a new gallery shows.
    void DemoShape(const Slot& s) {
        kit::NShape* b = kit::NShapeOf(s.hwnd);
        if (!b) return;
        static const wchar_t* const figures[] = {L"Rectangle",         L"Square",        L"Oval", L"Circle",
                                                 L"Rounded rectangle", L"Rounded square"};
        const int n = s.id - kIdShapeFirst;
        b->SetStyle(n);
        b->SetStretchToText(false);
        b->SetBackGround(0x8000000F);  // the gallery's face shows around the figure
        b->SetBackColorNormal(0x00FFE8D8);
        b->SetBackColorHover(0x00FFD0B0);
        b->SetBackColorDown(0x00E09060);
        b->SetBorderColorNormal(0x00C08040);
        b->SetBorderColorHover(0x00C08040);
        b->SetBorderColorDown(0x00804000);
        b->SetCaption(figures[n]);
        // A new instance fitted its width to its name; these keep the width the gallery gives them.
        Place(s.hwnd, s.place);
    }

    void DemoCheck(const Slot& s) {
        kit::CheckButton* c = kit::CheckButtonOf(s.hwnd);
        if (!c) return;
        static const wchar_t* const captions[] = {L"Unchecked", L"Checked", L"Indeterminate", L"Disabled"};
        const int n = s.id - kIdCheckFirst;
        c->SetCaption(captions[n]);
        c->SetValue(n == 3 ? 1 : n);
        if (n == 3) c->SetEnabled(false);
    }

    void DemoSelection(const Slot& s) {
        kit::NSelection* e = kit::NSelectionOf(s.hwnd);
        if (!e) return;
        const int n = s.id - kIdSelectionFirst;
        if (n == 0) {
            e->SetCaption(L"Wi-Fi relay");
            e->SetDescription(L"Share this computer's connection");
        } else if (n == 2) {
            e->SetCaption(L"Bold and blue");
            e->SetDescription(L"Own colours for every look");
            e->SetFontBold(true);
            e->SetBackColorNormal(0x00703010);
            e->SetBackColorHover(0x00A05020);
            e->SetBackColorDown(0x00FFE0C0);
            e->SetForeColorDown(0x00703010);
            e->SetForeColorNormal_2(0x00FFD8A0);
            e->SetForeColorDown_2(0x00A05020);
        }
    }

    void DemoText(const Slot& s) {
        kit::NTextBox* t = kit::NTextBoxOf(s.hwnd);
        if (!t) return;
        static const wchar_t* const headers[] = {L"Name", L"Digits only", L"Label mode", L"Password"};
        static const wchar_t* const texts[] = {L"Ada Lovelace", L"2024", L"Shown as a label", L"secret"};
        const int n = s.id - kIdTextFirst;
        t->SetHeader(true);
        t->SetHeaderCaption(headers[n]);
        t->SetHeaderAlignement(kit::NTextBox::kLeft);
        t->SetText(texts[n]);
        t->SetAlignementHorizontal(kit::NTextBox::kLeft);
        if (n == 1) t->SetNumberBox(true);
        if (n == 2) t->SetLabelBox(true);
        if (n == 3) t->SetPasswordChar(L"*");
    }

    // `ModelOf` finds the slot's model (NShapeOf, ...).
    template <auto ModelOf>
    static void Save(const Slot& s, kit::PropertyBag& bag) {
        if (const kit::Control* c = ModelOf(s.hwnd)) c->Save(bag, {s.name, ContainerFont()});
    }

    // ---- events and status ----

    void Event(std::size_t index, const std::wstring& what) { Status(slots_[index].name + L": " + what); }

    // The status line keeps the last few events and results, newest last.
    void Status(const std::wstring& text) {
        log_.push_back(text);
        while (log_.size() > kLogLines) log_.pop_front();
        std::wstring all;
        for (const std::wstring& line : log_) all += (all.empty() ? L"" : L"\r\n") + line;
        if (HWND status = GetDlgItem(hwnd_, kIdStatus)) SetWindowTextW(status, all.c_str());
    }

    // ---- saving and loading ----

    bool ChooseFile(bool save, std::wstring* path) {
        const std::wstring& given = save ? options_.saveFile : options_.loadFile;
        if (!given.empty()) {
            *path = given;
            return true;
        }
        wchar_t buffer[MAX_PATH * 4] = L"gallery.design";
        OPENFILENAMEW ofn = {};
        ofn.lStructSize = sizeof(ofn);
        ofn.hwndOwner = hwnd_;
        ofn.lpstrFilter = L"Designs (*.design)\0*.design\0All files (*.*)\0*.*\0";
        ofn.lpstrFile = buffer;
        ofn.nMaxFile = MAX_PATH * 4;
        ofn.lpstrDefExt = L"design";
        ofn.Flags = OFN_NOCHANGEDIR | (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
        if (!(save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn))) return false;
        *path = buffer;
        return true;
    }

    kit::PropertyBag SaveSlot(const Slot& s) const {
        kit::PropertyBag bag;
        OpsOf(s).save(s, bag);
        return bag;
    }

    void Save() {
        std::wstring path;
        if (!ChooseFile(true, &path)) return;
        kit::Design design;
        for (const Slot& s : slots_) design.controls.emplace_back(s.name, SaveSlot(s));
        const std::wstring text = L"# The kit gallery's controls and their properties.\n" + kit::PrintDesign(design);
        if (WriteWholeFile(path, plat::ToUtf8(text)))
            Status(L"Saved " + std::to_wstring(slots_.size()) + L" controls to " + path);
        else
            Status(L"Could not save to " + path);
    }

    void Load() {
        std::wstring path;
        if (!ChooseFile(false, &path)) return;
        std::string bytes;
        std::wstring error, text;
        if (!ReadSmallFile(path, kMaxDesignBytes, &bytes, &error)) {
            Status(L"Could not load " + path + L": " + error);
            return;
        }
        if (!plat::FromUtf8(bytes, &text)) {
            Status(L"Could not load " + path + L": not UTF-8 text");
            return;
        }
        auto design = kit::ParseDesign(text, &error);
        if (!design) {
            Status(L"Could not load " + path + L": " + error);
            return;
        }
        // Each control named in the file is made again from its stored properties, in its old tab position;
        // the others keep what they show.
        int loaded = 0;
        for (std::size_t i = 0; i < slots_.size(); ++i) {
            const kit::PropertyBag* bag = design->Find(slots_[i].name);
            if (!bag) continue;
            HWND old = slots_[i].hwnd;
            HWND before = old ? GetWindow(old, GW_HWNDPREV) : nullptr;
            slots_[i].hwnd = nullptr;
            if (old) DestroyWindow(old);
            slots_[i].hwnd = CreateSlot(i, bag);
            if (slots_[i].hwnd)
                SetWindowPos(slots_[i].hwnd, before ? before : HWND_TOP, 0, 0, 0, 0,
                             SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            ++loaded;
        }
        Status(L"Loaded " + std::to_wstring(loaded) + L" controls from " + path);
    }

    HWND hwnd_ = nullptr;
    UINT dpi_ = 96;
    Options options_;
    std::vector<Slot> slots_;
    std::vector<Fixed> fixed_;
    std::deque<std::wstring> log_;
    plat::GdiObject<HFONT> font_;
    plat::GdiObject<HFONT> headingFont_;
};

const Gallery::KindOps Gallery::kKinds[] = {
    {&Gallery::CreateShape, &Gallery::DemoShape, &Gallery::Save<kit::NShapeOf>},
    {&Gallery::CreateCheck, &Gallery::DemoCheck, &Gallery::Save<kit::CheckButtonOf>},
    {&Gallery::CreateText, &Gallery::DemoText, &Gallery::Save<kit::NTextBoxOf>},
    {&Gallery::CreateSelection, &Gallery::DemoSelection, &Gallery::Save<kit::NSelectionOf>},
};

const Gallery::KindOps& Gallery::OpsOf(const Slot& s) {
    static_assert(sizeof(kKinds) / sizeof(kKinds[0]) == static_cast<std::size_t>(Kind::Count), "one row per kind");
    return kKinds[static_cast<int>(s.kind)];
}

}  // namespace

bool CreateGallery(HINSTANCE instance, int showCommand, const Options& options) {
    plat::WindowClass wc;
    wc.name = kGalleryClass;
    wc.proc = &plat::WindowProc<Gallery>;
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.icon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    if (!plat::RegisterWindowClass(wc)) return false;
    // Owned by its window from WM_NCCREATE on; freed once the window is gone.
    return (new Gallery(options))->Create(showCommand);
}

bool ParseCommandLine(const std::wstring& commandLine, Options* options, std::wstring* error) {
    int argc = 0;
    const plat::LocalMemory<LPWSTR*> args(CommandLineToArgvW(commandLine.c_str(), &argc));
    LPWSTR* argv = args.get();
    if (!argv) {
        *error = L"the command line cannot be read";
        return false;
    }
    bool ok = true;
    std::wstring loadFile, saveFile;
    // The first element is the program itself.
    for (int i = 1; i < argc && ok; ++i) {
        const std::wstring arg = argv[i];
        const bool isLoad = lstrcmpiW(arg.c_str(), L"/load") == 0 || lstrcmpiW(arg.c_str(), L"-load") == 0;
        const bool isSave = lstrcmpiW(arg.c_str(), L"/save") == 0 || lstrcmpiW(arg.c_str(), L"-save") == 0;
        if ((isLoad || isSave) && i + 1 < argc && argv[i + 1][0] != L'\0') {
            (isLoad ? loadFile : saveFile) = argv[++i];
        } else {
            *error = L"unknown argument: " + arg;
            ok = false;
        }
    }
    if (!ok) return false;
    options->loadAtStart = !loadFile.empty();
    options->loadFile = loadFile.empty() ? saveFile : loadFile;
    options->saveFile = saveFile.empty() ? loadFile : saveFile;
    return true;
}

}  // namespace gallery
