// The program's own share of a click: from the stop button's release reaching the button model to the console
// request handed to the process starter (platform fakes: no process, no sleep), against composing the same
// command line alone.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "app/main_logic.h"
#include "controls/nshape/n_shape.h"
#include "fakes.h"
#include "kit_fakes.h"

namespace {

struct View final : app::MainView {
    void SetCaption(const std::wstring&) override {}
    void ShowMain() override {}
    void SetFlightTicked(bool) override {}
    bool FlightTicked() const override { return false; }
    void SetButtonCaption(app::MainButton, const std::wstring&) override {}
    void ShowGuide(app::Guide) override {}
    plat::WindowId Window() const override { return 0; }
};

using Clock = std::chrono::steady_clock;

template <typename F>
double MedianNs(F&& f, int rounds, int perRound) {
    std::vector<double> ns;
    for (int r = 0; r < rounds; ++r) {
        const auto t0 = Clock::now();
        for (int i = 0; i < perRound; ++i) f();
        const auto t1 = Clock::now();
        ns.push_back(std::chrono::duration<double, std::nano>(t1 - t0).count() / perRound);
    }
    std::sort(ns.begin(), ns.end());
    return ns[ns.size() / 2];
}

}  // namespace

int main() {
    fakes::Platform p;
    View view;
    fakes::Field text8(L""), intertext(L"");
    app::MainLogic logic(p.services, L"C:\\bench", view, text8, intertext);
    // Made as its host makes it: its window, then a new instance at the size the window has.
    kit::NShape stop(p.services, {});
    kitfakes::SiteBase window;
    window.extent = {113, 57};
    window.measure = &p.text;
    stop.Attach(7, &window);
    kit::MakeControl(stop, nullptr, {L"N_Shape3stop"}, [&stop] { stop.Resize(113, 57); });
    stop.events().Click = [&] { logic.OnStopClick(); };
    p.pointer.windowAt = [](plat::Point) { return plat::WindowId(7); };

    const double click = MedianNs(
        [&] {
            stop.MouseDown(1, 0, 20, 20);
            stop.MouseUp(1, 0, 20, 20);
            p.process.started.clear();
            p.sleeper.slept.clear();
            p.journal.entries.clear();
        },
        25, 2000);
    std::wstring sink;
    const double compose = MedianNs(
        [&] {
            sink = app::ComposeCommandLine(L"cmd /c ", L"gnirehtet stop", app::Banner::None);
            p.process.StartConsole(sink, plat::ShowState::Hidden);
            p.process.started.clear();
            p.journal.entries.clear();
        },
        25, 2000);
    std::printf(
        "press and release of the stop button to its console request: %.2f us (composing and handing the "
        "line alone: %.2f us; ratio %.2fx)\n",
        click / 1000.0, compose / 1000.0, click / compose);
    return 0;
}
