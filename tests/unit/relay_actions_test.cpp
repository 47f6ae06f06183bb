// The relay actions, the link addresses and the windows' stored designs, against recording fakes.
#include <gtest/gtest.h>

#include <algorithm>

#include "guides/designs.h"
#include "guides/links.h"
#include "app/main_logic.h"
#include "controls/common/property_bag.h"
#include "controls/nshape/n_shape.h"
#include "fakes.h"
#include "guides/guide_pages.h"
#include "tests/recording_canvas.h"

namespace {

const std::wstring kFolder = L"C:\\relay";

struct View final : app::MainView {
    fakes::Journal* journal;
    bool ticked = false;
    std::vector<app::Guide> guides;
    explicit View(fakes::Journal* j) : journal(j) {}
    void SetCaption(const std::wstring&) override {}
    void ShowMain() override {}
    void SetFlightTicked(bool t) override { ticked = t; }
    bool FlightTicked() const override { return ticked; }
    void SetButtonCaption(app::MainButton b, const std::wstring& c) override {
        journal->Add((b == app::MainButton::Start ? L"start:" : L"stop:") + c);
    }
    void ShowGuide(app::Guide g) override { guides.push_back(g); }
    plat::WindowId Window() const override { return 0x51; }
};

struct Rig {
    fakes::Platform p;
    View view{&p.journal};
    fakes::Field text8{L"Text8"}, intertext{L""};
    app::MainLogic logic{p.services, kFolder, view, text8, intertext};
};

using Lines = std::vector<std::wstring>;

TEST(RelayActions, StartWithoutAirplaneMode) {
    Rig r;
    r.logic.OnStartClick();
    EXPECT_EQ(r.p.journal.entries, (Lines{L"console:cmd /c gnirehtet stop", L"start:开启服务...", L"sleep:1000",
                                          L"console:cmd /c gnirehtet start", L"start:开启服务...", L"sleep:1000",
                                          L"console:cmd /c gnirehtet relay", L"start:启动", L"sleep:1000"}));
    for (const auto& s : r.p.process.started) EXPECT_EQ(s.show, plat::ShowState::Hidden);
    EXPECT_EQ(r.intertext.text, L"gnirehtet relay") << "the scratch field keeps the last command";
}

TEST(RelayActions, StartWithAirplaneModeRunsItFirstWithoutAPause) {
    Rig r;
    r.view.ticked = true;
    r.logic.OnStartClick();
    ASSERT_GE(r.p.journal.entries.size(), 3u);
    EXPECT_EQ(r.p.journal.entries[0], L"console:cmd /c adb shell cmd connectivity airplane-mode enable");
    EXPECT_EQ(r.p.journal.entries[1], L"console:cmd /c gnirehtet stop");
    EXPECT_EQ(r.p.process.started.size(), 4u);
    EXPECT_EQ(r.p.sleeper.slept, (std::vector<unsigned>{1000, 1000, 1000}));
}

TEST(RelayActions, StopReadsTheBoxAtTheClick) {
    Rig r;
    r.view.ticked = true;
    r.logic.OnStartClick();
    r.view.ticked = false;  // unticked between start and stop
    r.p.journal.entries.clear();
    r.logic.OnStopClick();
    EXPECT_EQ(r.p.journal.entries,
              (Lines{L"console:cmd /c gnirehtet stop", L"stop:正在停止...", L"sleep:1000", L"stop:停止"}));
    r.view.ticked = true;
    r.p.journal.entries.clear();
    r.logic.OnStopClick();
    EXPECT_EQ(r.p.journal.entries,
              (Lines{L"console:cmd /c adb shell cmd connectivity airplane-mode disable",
                     L"console:cmd /c gnirehtet stop", L"stop:正在停止...", L"sleep:1000", L"stop:停止"}));
}

TEST(RelayActions, InstallAsksFirstThenCopiesAndInstalls) {
    Rig r;
    r.logic.OnInstallClick();
    ASSERT_EQ(r.p.messages.shown.size(), 1u);
    EXPECT_EQ(
        r.p.messages.shown[0],
        (fakes::Messages::Shown{L"部分机型有外部安装警告，如出现请允许安装\r\n点击确定开始安装，请注意手机端提示！",
                                L"即将开始安装", plat::MsgButtons::Ok, plat::MsgIcon::Exclamation}));
    ASSERT_EQ(r.p.journal.entries.size(), 3u);
    EXPECT_EQ(r.p.journal.entries[0].rfind(L"message:", 0), 0u) << "no console before the box is closed";
    EXPECT_EQ(r.p.journal.entries[1], L"console:cmd /c adb push .Client\\gnirehtet.apk sdcard/");
    EXPECT_EQ(r.p.journal.entries[2], L"console:cmd /k adb install -r .Client\\gnirehtet.apk");
    EXPECT_EQ(r.p.process.started[0].show, plat::ShowState::Hidden);
    EXPECT_EQ(r.p.process.started[1].show, plat::ShowState::NormalActivate);
    EXPECT_TRUE(r.p.sleeper.slept.empty());
}

// A console that never starts leaves the action as it was (its other consoles, captions and pauses) and is
// reported, in one box owned by the window, once the action has ended; one that starts on a later try is not.
// Boxes are journalled by their first line.
TEST(RelayActions, ConsolesThatNeverStartAreReportedOnceTheActionHasEnded) {
    const std::wstring start = L"failed:cmd /c gnirehtet start", stop = L"failed:cmd /c gnirehtet stop",
                       install = L"failed:cmd /k adb install -r .Client\\gnirehtet.apk",
                       report = L"message:以下命令未能启动，没有执行：";
    struct Row {
        void (app::MainLogic::*action)();
        std::wstring refused;
        int refusals;
        Lines journal;
    };
    const Row rows[] = {
        {&app::MainLogic::OnStartClick,
         L"cmd /c gnirehtet start",
         3,
         {L"console:cmd /c gnirehtet stop", L"start:开启服务...", L"sleep:1000", start, L"sleep:100", start,
          L"sleep:100", start, L"start:开启服务...", L"sleep:1000", L"console:cmd /c gnirehtet relay", L"start:启动",
          L"sleep:1000", report}},
        {&app::MainLogic::OnStopClick,
         L"cmd /c gnirehtet stop",
         3,
         {stop, L"sleep:100", stop, L"sleep:100", stop, L"stop:正在停止...", L"sleep:1000", L"stop:停止", report}},
        {&app::MainLogic::OnStopClick,
         L"cmd /c gnirehtet stop",
         2,
         {stop, L"sleep:100", stop, L"sleep:100", L"console:cmd /c gnirehtet stop", L"stop:正在停止...", L"sleep:1000",
          L"stop:停止"}},
        {&app::MainLogic::OnInstallClick,
         L"cmd /k adb install -r .Client\\gnirehtet.apk",
         9,
         {L"message:部分机型有外部安装警告，如出现请允许安装",
          L"console:cmd /c adb push .Client\\gnirehtet.apk sdcard/", install, L"sleep:100", install, L"sleep:100",
          install, report}},
    };
    for (const Row& row : rows) {
        Rig r;
        r.p.process.failures[row.refused] = row.refusals;
        (r.logic.*row.action)();
        for (std::wstring& e : r.p.journal.entries) e = e.substr(0, e.find(L"\r\n"));
        EXPECT_EQ(r.p.journal.entries, row.journal);
        // Three refusals are all the tries there are: then, and only then, the action ends with the report.
        ASSERT_FALSE(r.p.journal.entries.empty());
        ASSERT_EQ(r.p.journal.entries.back() == report, row.refusals >= 3) << row.refusals << " refusals";
        if (row.refusals < 3) continue;
        const fakes::Messages::Shown& box = r.p.messages.shown.back();
        EXPECT_NE(box.text.find(row.refused.substr(7) + L"\r\n原因："), std::wstring::npos);
        EXPECT_EQ(box, (fakes::Messages::Shown{box.text, L"Relanto", plat::MsgButtons::Ok, plat::MsgIcon::Error, 0x51}))
            << "owned by the window";
    }
}

TEST(RelayActions, GuideAndHomePageButtons) {
    Rig r;
    r.logic.OnHelpClick();
    r.logic.OnAboutClick();
    r.logic.OnHomePageClick();
    r.logic.OnHomePageClick();
    EXPECT_EQ(r.view.guides, (std::vector<app::Guide>{app::Guide::Help, app::Guide::About}));
    EXPECT_EQ(r.p.links.opened,
              (Lines{guides::Address(guides::Link::HomePage), guides::Address(guides::Link::HomePage)}));
    EXPECT_TRUE(r.p.process.started.empty());
}

TEST(Links, AddressesAreRealAndDistinct) {
    using guides::Link;
    const Link all[] = {Link::HomePage,       Link::VideoTutorial, Link::GnirehtetProject,
                        Link::GnirehtetGuide, Link::UsbDriver,     Link::UsbDriverGoogle};
    std::vector<std::wstring> seen;
    for (Link l : all) {
        const std::wstring& a = guides::Address(l);
        EXPECT_EQ(a.rfind(L"https://", 0), 0u) << std::string(a.begin(), a.end());
        EXPECT_FALSE(guides::HostName(a).empty());
        EXPECT_EQ(guides::HostName(a).find(L"example"), std::wstring::npos);
        EXPECT_EQ(std::count(seen.begin(), seen.end(), a), 0);
        seen.push_back(a);
    }
    EXPECT_EQ(guides::Address(Link::GnirehtetGuide).rfind(guides::Address(Link::GnirehtetProject), 0), 0u);
    EXPECT_NE(guides::Address(Link::GnirehtetGuide).find(L"DEVELOP.md"), std::wstring::npos);
}

TEST(Links, HostNameOfAnAddress) {
    EXPECT_EQ(guides::HostName(L"https://github.com/Genymobile/gnirehtet"), L"github.com");
    EXPECT_EQ(guides::HostName(L"http://user:pw@www.example.org:8080/x?y#z"), L"www.example.org");
    EXPECT_EQ(guides::HostName(L"https://[::1]:80/"), L"[::1]");
    EXPECT_EQ(guides::HostName(L"https://host"), L"host");
    EXPECT_EQ(guides::HostName(L""), L"");
}

TEST(GuidePages, LinksThatMustBeEqual) {
    auto linkOf = [](const guides::PageSpec& page, const wchar_t* name) {
        for (const auto& b : page.buttons)
            if (std::wstring(b.name) == name) return b.link;
        ADD_FAILURE() << "no button";
        return guides::Link::HomePage;
    };
    EXPECT_EQ(linkOf(guides::AboutPage(), L"helpp"), linkOf(guides::HelpPage(), L"N_Shape2start"));
    EXPECT_EQ(linkOf(guides::AboutPage(), L"N_Shape2"), guides::Link::HomePage);
    EXPECT_EQ(linkOf(guides::AboutPage(), L"N_Shapelj"), guides::Link::GnirehtetProject);
    EXPECT_EQ(linkOf(guides::AboutPage(), L"N_Shapejs"), guides::Link::GnirehtetGuide);
    EXPECT_EQ(std::wstring(guides::AboutPage().buttons[0].name), L"N_Shape2") << "focus and tab order start here";
}

TEST(GuidePages, TextsThatAreEasyToGetWrong) {
    const auto& help = guides::HelpPage();
    auto text = [&](const wchar_t* name) {
        for (const auto& l : help.labels)
            if (std::wstring(l.name) == name) return std::wstring(l.text);
        return std::wstring();
    };
    EXPECT_EQ(help.labels.size(), 30u);
    EXPECT_EQ(text(L"Label4"), L"请" + std::wstring(15, L' ') + L"右侧的专属教程或");
    EXPECT_EQ(text(L"Label30"), L" 仅看");
    EXPECT_NE(text(L"Label26").find(L"再从第二步重新设置一次"), std::wstring::npos);
    EXPECT_EQ(text(L"Label15").find(L"再从第二步"), std::wstring::npos);
    // Label30 lies in front of Label4's run of blanks.
    std::size_t i4 = 0, i30 = 0;
    for (std::size_t i = 0; i < help.labels.size(); ++i) {
        if (std::wstring(help.labels[i].name) == L"Label4") i4 = i;
        if (std::wstring(help.labels[i].name) == L"Label30") i30 = i;
    }
    EXPECT_LT(i4, i30);
    EXPECT_EQ(std::wstring(guides::AboutPage().labels[3].text), L"控制器作者：@Varnik   ");
}

// The About page's look, part by part: the white page, each label on its own white in the design's order (a link's
// label in the link role), the logo at its natural size; the Help page's two lines come last, over the labels.
TEST(GuidePages, PaintedInOrder) {
    const auto paint = [](const guides::PageSpec& page) {
        recording::Canvas canvas(page.clientWidth, page.clientHeight);
        guides::PaintPage(page, canvas);
        return canvas.lines;
    };
    std::string about;
    for (const std::string& line : paint(guides::AboutPage())) about += line + "\n";
    EXPECT_EQ(
        about,
        "fill 0,0 5970x3915 PageBack &H00FFFFFF&\n"
        "fill 1320,1320 3135x255 PageBack &H00FFFFFF&\n"
        "text 1320,1320 3135x255 \"控制器：2.0.1 | 主程序：2.5\" centre wrapped PageText &H00C0C000& 微软雅黑 9\n"
        "fill 120,1800 5655x375 PageBack &H00FFFFFF&\n"
        "text 120,1800 5655x375 \"基于Gnirehtet有线上网工具命令库制作的图形化控制台\" centre wrapped PageText "
        "&H00000000& 微软雅黑 10.5\n"
        "fill 360,2520 2535x375 PageBack &H00FFFFFF&\n"
        "text 360,2520 2535x375 \"作者(GitHub)：@Telmuro\" left wrapped Link &H00000000& 微软雅黑 10.5\n"
        "fill 360,3000 2295x375 PageBack &H00FFFFFF&\n"
        "text 360,3000 2295x375 \"控制器作者：@Varnik   \" left wrapped Link &H00000000& 微软雅黑 10.5\n"
        "fill 0,3600 5775x255 PageBack &H00FFFFFF&\n"
        "text 0,3600 5775x255 \"免费软件 · 禁止倒卖 · Relanto 2.0.1\" centre wrapped PageText &H80000012& Fixedsys 12\n"
        "picture \"logo.jpg\" 2400,120 1080x1080 natural\n");
    const std::vector<std::string> help = paint(guides::HelpPage());
    ASSERT_EQ(help.size(), 1u + 2 * 30 + 2 + 2);
    EXPECT_EQ(help[help.size() - 2], "line 240,2760 11880,2760 PageText &H80000008&");
    EXPECT_EQ(help.back(), "line 4080,2760 4080,10680 PageText &H00000000&");
}

// Every design loads completely into buttons, and the values left out come out as the button's load defaults.
TEST(Designs, LoadIntoButtons) {
    fakes::Platform p;
    for (const wchar_t* text : {kForm1Design, kHelpDesign, kAboutDesign}) {
        std::wstring error;
        auto design = kit::ParseDesign(text, &error);
        ASSERT_TRUE(design) << std::string(error.begin(), error.end());
        for (const auto& [name, bag] : design->controls) {
            kit::NShape button(p.services, {});
            EXPECT_TRUE(button.Load(bag, {})) << std::string(name.begin(), name.end());
            EXPECT_EQ(button.Style(), 4);
            EXPECT_TRUE(button.Enabled());
            EXPECT_FALSE(button.StretchToText());
            EXPECT_TRUE(button.TextVisible());
            EXPECT_EQ(button.ForeColorNormal(), 0x00FFFFFFu);
            EXPECT_EQ(button.BackGround(), 0x00FFFFFFu);
        }
    }
    auto form1 = kit::ParseDesign(kForm1Design);
    ASSERT_TRUE(form1);
    kit::NShape about(p.services, {});
    ASSERT_TRUE(about.Load(*form1->Find(L"N_Shape2abop"), {}));
    EXPECT_EQ(about.BackColorNormal(), 0x008080FFu) << "the resolved load default";
    EXPECT_EQ(about.FontSize(), 8);
    EXPECT_FALSE(about.Graphical());
    EXPECT_EQ(about.Caption(), L"关于");
    kit::NShape start(p.services, {});
    ASSERT_TRUE(start.Load(*form1->Find(L"N_Shape2start"), {}));
    EXPECT_EQ(start.FontSize(), 14);
    EXPECT_TRUE(start.Graphical());
    EXPECT_EQ(start.BackColorHover(), 0x00C0C0FFu);
    kit::NShape install(p.services, {});
    ASSERT_TRUE(install.Load(*form1->Find(L"N_Shape1install"), {}));
    EXPECT_EQ(install.BorderColorDown(), 0x008080FFu);
    EXPECT_EQ(install.FontSize(), 12);
}

TEST(GuideSlot, OneInstanceAtATime) {
    struct Slot final : guides::GuideSlot {
        bool open = false;
        int created = 0, activated = 0;
        bool IsOpen() const override { return open; }
        void Activate() override { ++activated; }
        void Create() override {
            ++created;
            open = true;
        }
    } slot;
    slot.Show();
    slot.Show();
    slot.Show();
    EXPECT_EQ(slot.created, 1);
    EXPECT_EQ(slot.activated, 2);
    slot.open = false;  // closed by the user: the next click loads it afresh
    slot.Show();
    EXPECT_EQ(slot.created, 2);
}

}  // namespace
