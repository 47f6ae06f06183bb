// What the main window does, free of any window system: start-up and the handlers of its controls.
#pragma once

#include <string>

#include "app/console.h"
#include "app/settings.h"
#include "guides/guide_ids.h"
#include "platform/platform.h"

namespace app {

extern const wchar_t kAppTitle[];
extern const wchar_t kMainCaption[];
extern const wchar_t kStartingCaption[];
extern const wchar_t kMissingFilesMessage[];

extern const wchar_t kInstallWarning[];
extern const wchar_t kInstallTitle[];

enum class MainButton { Start, Stop };
using guides::Guide;

// The parts of the main window that its logic drives.
class MainView {
public:
    virtual ~MainView() = default;
    virtual void SetCaption(const std::wstring& caption) = 0;
    virtual void ShowMain() = 0;
    virtual void SetFlightTicked(bool ticked) = 0;
    virtual bool FlightTicked() const = 0;
    // Sets a button's caption and repaints it at once: the relay actions pause the window's thread right after.
    virtual void SetButtonCaption(MainButton button, const std::wstring& caption) = 0;
    virtual void ShowGuide(Guide guide) = 0;
    // The window itself, as the owner of the boxes it shows.
    virtual plat::WindowId Window() const = 0;
};

class MainLogic {
public:
    MainLogic(const plat::Services& services, const std::wstring& programFolder, MainView& view, ScratchField& text8,
              ScratchField& intertext);

    // The window's load: checks the adb files, opens the device check, shows the window and restores the
    // option, then reports a device check that did not start. Returns false when a file is missing; the program
    // must then end without anything else.
    bool OnLoad();

    // The check box was clicked (its value already toggled).
    void OnFlightClick();

    // The buttons' Click handlers.
    void OnInstallClick();
    void OnStartClick();
    void OnStopClick();
    void OnHelpClick() { view_.ShowGuide(Guide::Help); }
    void OnAboutClick() { view_.ShowGuide(Guide::About); }
    void OnHomePageClick();

    Console& console() { return console_; }

private:
    // Tells the user, once the action has ended, of every console it asked for that did not start.
    void ReportFailedStarts();

    const plat::Services& services_;
    std::wstring programFolder_;
    MainView& view_;
    Console console_;
    FlightSetting flight_;
};

}  // namespace app
