// What a control or a painted page element tells a screen reader: its role, name, states and default action,
// in plain C++. The Win32 side turns it into the system's accessibility interface.
#pragma once

#include <string>
#include <utility>

namespace kit {

enum class AccRole { PushButton, CheckBox, StaticText, Graphic, EditableText };

// State flags; several may be set at once.
namespace accstate {
constexpr unsigned kUnavailable = 1u << 0;
constexpr unsigned kFocusable = 1u << 1;
constexpr unsigned kFocused = 1u << 2;
constexpr unsigned kHot = 1u << 3;
constexpr unsigned kPressed = 1u << 4;
constexpr unsigned kChecked = 1u << 5;
constexpr unsigned kMixed = 1u << 6;
constexpr unsigned kReadOnly = 1u << 7;
}  // namespace accstate

// Default-action names as Windows gives them for its own controls in Chinese.
constexpr const wchar_t kActionPress[] = L"按下";
constexpr const wchar_t kActionCheck[] = L"选中";
constexpr const wchar_t kActionUncheck[] = L"清除";

struct AccessibleInfo {
    AccRole role = AccRole::StaticText;
    std::wstring name;
    std::wstring description;
    std::wstring defaultAction;  // empty: the element has none
    unsigned states = 0;
};

inline bool operator==(const AccessibleInfo& a, const AccessibleInfo& b) {
    return a.role == b.role && a.name == b.name && a.description == b.description &&
           a.defaultAction == b.defaultAction && a.states == b.states;
}

// A control's answers in one expression.
inline AccessibleInfo Info(AccRole role, std::wstring name, const wchar_t* action, unsigned states,
                           std::wstring description = std::wstring()) {
    AccessibleInfo info;
    info.role = role;
    info.name = std::move(name);
    info.description = std::move(description);
    info.defaultAction = action ? action : L"";
    info.states = states;
    return info;
}

// The states every focusable control shares.
inline unsigned ControlStates(bool enabled, bool focused) {
    unsigned states = accstate::kFocusable;
    if (focused) states |= accstate::kFocused;
    if (!enabled) states |= accstate::kUnavailable;
    return states;
}

// The states of a button look: 1 hover (hot under the pointer), 2 held down (pressed, still under it).
inline unsigned LookStates(int look) {
    if (look == 1) return accstate::kHot;
    if (look == 2) return accstate::kHot | accstate::kPressed;
    return 0;
}

}  // namespace kit
