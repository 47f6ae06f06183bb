// Recording fakes of the platform interfaces for the native tests.
#pragma once

#include <cstdio>
#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/console.h"
#include "platform/canvas.h"
#include "platform/platform.h"
#include "platform/units.h"

namespace fakes {

// One ordered journal shared by several fakes, so tests can check the order of start-up steps.
struct Journal {
    std::vector<std::wstring> entries;
    void Add(const std::wstring& e) { entries.push_back(e); }
};

// Records every console start. A line listed in `failures` fails that many more times before it starts; a
// failed try is journalled as "failed:" and is not in `started`.
struct ProcessLog final : plat::ProcessStarter {
    struct Start {
        std::wstring line;
        plat::ShowState show;
    };
    std::vector<Start> started;
    std::map<std::wstring, int> failures;  // command line (up to its banner) -> tries still to fail
    int tries = 0;
    Journal* journal = nullptr;
    plat::StartResult StartConsole(const std::wstring& line, plat::ShowState show) override {
        ++tries;
        const std::wstring head = line.substr(0, line.find(L" && "));
        auto failing = failures.find(head);
        if (failing != failures.end() && failing->second > 0) {
            --failing->second;
            if (journal) journal->Add(L"failed:" + head);
            return {false, 1359, L"Internal error."};
        }
        started.push_back({line, show});
        if (journal) journal->Add(L"console:" + head);
        return {true, 0, {}};
    }
};

// An INI store in memory: file -> section -> key -> value; Read records each call.
struct Profile final : plat::ProfileStore {
    std::map<std::wstring, std::map<std::wstring, std::map<std::wstring, std::wstring>>> files;
    int reads = 0;
    int writes = 0;
    bool failWrites = false;
    Journal* journal = nullptr;
    std::wstring Read(const std::wstring& file, const std::wstring& section, const std::wstring& key,
                      const std::wstring& fallback, unsigned bufferChars) override {
        ++reads;
        if (journal) journal->Add(L"read:" + section + L"/" + key);
        auto f = files.find(file);
        if (f == files.end()) return fallback;
        auto s = f->second.find(section);
        if (s == f->second.end()) return fallback;
        auto k = s->second.find(key);
        if (k == s->second.end()) return fallback;
        std::wstring value = k->second;
        if (value.size() >= bufferChars) value.resize(bufferChars - 1);
        return value;
    }
    bool Write(const std::wstring& file, const std::wstring& section, const std::wstring& key,
               const std::wstring& value) override {
        ++writes;
        if (journal) journal->Add(L"write:" + key + L"=" + value);
        if (failWrites) return false;
        files[file][section][key] = value;
        return true;
    }
};

struct Sleeps final : plat::Sleeper {
    std::vector<unsigned> slept;
    Journal* journal = nullptr;
    void SleepMs(unsigned ms) override {
        slept.push_back(ms);
        if (journal) journal->Add(L"sleep:" + std::to_wstring(ms));
    }
};

struct Messages final : plat::MessageBoxes {
    struct Shown {
        std::wstring text, title;
        plat::MsgButtons buttons;
        plat::MsgIcon icon;
        plat::WindowId owner = 0;
        bool operator==(const Shown& o) const {
            return text == o.text && title == o.title && buttons == o.buttons && icon == o.icon && owner == o.owner;
        }
        // For test failures: ASCII as is, any other character as \uXXXX.
        friend void PrintTo(const Shown& s, std::ostream* os) {
            auto print = [os](const std::wstring& w) {
                for (wchar_t c : w) {
                    if (c >= 0x20 && c < 0x7F) {
                        *os << static_cast<char>(c);
                    } else {
                        char buffer[8];
                        std::snprintf(buffer, sizeof(buffer), "\\u%04X", static_cast<unsigned>(c) & 0xFFFFu);
                        *os << buffer;
                    }
                }
            };
            *os << "title \"";
            print(s.title);
            *os << "\", text \"";
            print(s.text);
            *os << "\", buttons " << static_cast<int>(s.buttons) << ", icon " << static_cast<int>(s.icon) << ", owner "
                << s.owner;
        }
    };
    std::vector<Shown> shown;
    Journal* journal = nullptr;
    void Show(const std::wstring& text, const std::wstring& title, plat::MsgButtons buttons, plat::MsgIcon icon,
              plat::WindowId owner) override {
        shown.push_back({text, title, buttons, icon, owner});
        if (journal) journal->Add(L"message:" + text);
    }
};

struct Files final : plat::FileProbe {
    std::vector<std::wstring> present;
    std::vector<std::wstring> probed;
    Journal* journal = nullptr;
    bool OrdinaryFileExists(const std::wstring& path) override {
        probed.push_back(path);
        if (journal) journal->Add(L"probe:" + path);
        for (const auto& p : present)
            if (p == path) return true;
        return false;
    }
};

struct Links final : plat::LinkOpener {
    std::vector<std::wstring> opened;
    Journal* journal = nullptr;
    void Open(const std::wstring& address) override {
        opened.push_back(address);
        if (journal) journal->Add(L"link:" + address);
    }
};

struct Keys final : plat::KeySender {
    std::vector<std::wstring> sent;
    void Send(const std::wstring& keys) override { sent.push_back(keys); }
};

// Pointer state a test sets directly: where the pointer is and which window lies under each point.
struct PointerFake final : plat::Pointer {
    plat::Point cursor;
    std::function<plat::WindowId(plat::Point)> windowAt = [](plat::Point) { return plat::WindowId(0); };
    plat::WindowId capture = 0;
    std::map<plat::WindowId, plat::Point> origins;  // client origin of each window on the screen
    plat::Point CursorPos() override { return cursor; }
    plat::WindowId WindowFromPoint(plat::Point p) override { return windowAt(p); }
    plat::Point ClientToScreen(plat::WindowId w, plat::Point p) override {
        const plat::Point o = origins[w];
        return {p.x + o.x, p.y + o.y};
    }
    plat::Point ScreenToClient(plat::WindowId w, plat::Point p) override {
        const plat::Point o = origins[w];
        return {p.x - o.x, p.y - o.y};
    }
    plat::WindowId Capture() override { return capture; }
    void SetCapture(plat::WindowId w) override { capture = w; }
    void ReleaseCapture() override { capture = 0; }
};

struct TimersFake final : plat::Timers {
    std::map<std::pair<plat::WindowId, unsigned>, unsigned> running;  // -> period
    int starts = 0;  // every Start, a restart of a running timer included
    void Start(plat::WindowId w, unsigned id, unsigned ms) override {
        running[{w, id}] = ms;
        ++starts;
    }
    void Stop(plat::WindowId w, unsigned id) override { running.erase({w, id}); }
    bool IsRunning(plat::WindowId w, unsigned id) const { return running.count({w, id}) != 0; }
};

// Measures one line of text in 96-dpi pixels, for the tests' sites, which hand it to the controls in their unit.
struct TextMeasurer {
    virtual ~TextMeasurer() = default;
    virtual plat::Size Measure(const std::wstring& text, const std::wstring& face, double points, bool bold) = 0;
    // The line as a site or canvas hands it to a control, in the control's unit.
    plat::SizeF In(plat::SizeUnit unit, std::wstring_view text, const plat::FontSpec& font) {
        const plat::Size px =
            Measure(std::wstring(text), font.face, plat::DrawnPoints(font.points), font.weight >= 600);
        const auto in = [unit](int v) { return plat::FromDevice({static_cast<double>(v)}, unit, plat::Dpi{}); };
        return {in(px.cx), in(px.cy)};
    }
};

// Text measured as a fixed width per character and a fixed height.
struct Measurer final : TextMeasurer {
    int charWidth = 8;
    int height = 16;
    plat::Size Measure(const std::wstring& text, const std::wstring&, double, bool) override {
        return {static_cast<int>(text.size()) * charWidth, height};
    }
};

struct Field : app::ScratchField {
    explicit Field(std::wstring initial) : text(std::move(initial)) {}
    void SetText(const std::wstring& t) override { text = t; }
    std::wstring Text() const override { return text; }
    std::wstring text;
};

// A full set of fakes wired into plat::Services.
struct Platform {
    ProcessLog process;
    Profile profile;
    Sleeps sleeper;
    Messages messages;
    Files files;
    Links links;
    PointerFake pointer;
    Keys keys;
    TimersFake timers;
    Measurer text;
    TextMeasurer* measure = &text;  // what the sites of the controls measure with
    Journal journal;
    plat::Services services{&process, &profile, &sleeper, &messages, &files, &links, &pointer, &keys, &timers};
    Platform() {
        process.journal = &journal;
        profile.journal = &journal;
        sleeper.journal = &journal;
        messages.journal = &journal;
        files.journal = &journal;
        links.journal = &journal;
    }
};

}  // namespace fakes
