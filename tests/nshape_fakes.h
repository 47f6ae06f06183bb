// Test rig for the graphical button: a fake host site and a recorder that writes every raised event, and what
// the host was asked to do, into one ordered log.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "controls/nshape/n_shape.h"
#include "event_recorder.h"
#include "fakes.h"
#include "kit_fakes.h"
#include "recording_canvas.h"

namespace nshape_fakes {

// The host side: repaints paint the model at once (putting Picture_Normal back), size requests resize at once.
struct Site final : kitfakes::SiteBase {
    kit::NShape* model = nullptr;
    std::vector<std::wstring>* log = nullptr;
    int invalidations = 0;
    int refreshes = 0;
    std::vector<int> requestedWidths;
    std::vector<std::wstring> captions;
    bool windowEnabled = true;
    void Invalidate() override { ++invalidations; }
    void Refresh() override {
        ++refreshes;
        if (log) log->push_back(L"repaint");
        if (!model) return;
        recording::Canvas canvas(model->Width(), model->Height());
        model->Paint(canvas);
    }
    void RequestSize(int width, int height) override {
        requestedWidths.push_back(width);
        // A side the button keeps is the window's, which the button's size follows.
        if (model) model->Resize(width < 0 ? model->Width() : width, height < 0 ? model->Height() : height);
    }
    void SetInputEnabled(bool enabled) override { windowEnabled = enabled; }
    void CaptionChanged(const std::wstring& caption) override { captions.push_back(caption); }
};

// A button on a screen: its window is id 100 with its client origin at (200, 100); the test moves the pointer in
// control coordinates and the fake pointer answers which window lies under it.
struct Rig {
    static constexpr plat::WindowId kWindow = 100;
    static constexpr plat::WindowId kOther = 200;
    fakes::Platform p;
    Site site;
    std::vector<std::wstring> log;
    std::unique_ptr<kit::NShape> shape;
    bool covered = false;  // another window lies over the whole control

    explicit Rig(int width = 100, int height = 30) {
        p.pointer.origins[kWindow] = {200, 100};
        p.pointer.windowAt = [this](plat::Point s) -> plat::WindowId {
            const int x = s.x - 200, y = s.y - 100;
            const bool inside = x >= 0 && y >= 0 && x < shape->Width() && y < shape->Height();
            if (!inside) return 0;
            return covered ? kOther : kWindow;
        };
        shape = std::make_unique<kit::NShape>(p.services, kit::ButtonEvents{});
        site.extent = {width, height};
        site.measure = &p.text;
        site.model = shape.get();
        shape->Attach(kWindow, &site);
        site.log = &log;
        Record();
    }

    void Record() {
        recorder::Record(shape->events(), [this](const std::wstring& line) { log.push_back(line); });
    }

    // Hands back what was logged since the last call.
    std::vector<std::wstring> Take() {
        std::vector<std::wstring> out;
        out.swap(log);
        return out;
    }

    void PointAt(float x, float y) { p.pointer.cursor = {200 + plat::Nearest(x), 100 + plat::Nearest(y)}; }
    void Move(float x, float y, std::int16_t buttons = 0) {
        PointAt(x, y);
        shape->MouseMove(buttons, 0, x, y);
    }
    void Down(float x, float y, std::int16_t button = 1) {
        PointAt(x, y);
        shape->MouseDown(button, 0, x, y);
    }
    void Up(float x, float y, std::int16_t button = 1) {
        PointAt(x, y);
        shape->MouseUp(button, 0, x, y);
    }
    void Tick() { shape->TimerTick(kit::NShape::kLeaveTimerId); }
    bool PollRunning() const { return p.timers.IsRunning(kWindow, kit::NShape::kLeaveTimerId); }
    bool Captured() const { return p.pointer.capture == kWindow; }
};

}  // namespace nshape_fakes
