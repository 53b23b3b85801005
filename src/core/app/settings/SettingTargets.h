#pragma once

#include <functional>
#include <string>

#include "core/app/MainFormControls.h"
#include "core/app/settings/NoABList.h"
#include "core/app/settings/SettingsTable.h"
#include "core/views/general/GeneralPage.h"

namespace vitrex::settings {

// What the settings' rows put their values into and read them back from: the main window's
// controls, and the pages that interpret a value themselves.
struct SettingTargets {
    app::MainFormControls& controls;
    views::general::GeneralPage& general;
    // The language chosen by its display name: the scan, then its captions.
    std::function<void(const std::string&)> changeLanguage;
};

// The accessors a row names. Each reads and writes one control of MainFormControls (named by its
// member pointer) the way the program's design stores it.
namespace access {

// A check box or radio button: checked is 1.
template <auto control>
constexpr SettingAccess Checked() {
    return {[](SettingTargets& t, const SettingValue& v) { (t.controls.*control).SetChecked(v.number != 0); },
            [](SettingTargets& t) { return SettingValue{(t.controls.*control).Checked() ? 1 : 0}; }};
}

// Two radio buttons: the first checked is 1, the second checked is 0.
template <auto whenOn, auto whenOff>
constexpr SettingAccess Choice() {
    return {[](SettingTargets& t, const SettingValue& v) {
                (t.controls.*whenOn).SetChecked(v.number != 0);
                (t.controls.*whenOff).SetChecked(v.number == 0);
            },
            [](SettingTargets& t) { return SettingValue{(t.controls.*whenOn).Checked() ? 1 : 0}; }};
}

// A check box that may be checked only while another is (a start option of the master switch).
template <auto control, auto condition>
constexpr SettingAccess CheckedWith() {
    return {[](SettingTargets& t, const SettingValue& v) {
                (t.controls.*control).SetChecked((t.controls.*condition).Checked() && v.number != 0);
            },
            [](SettingTargets& t) { return SettingValue{(t.controls.*control).Checked() ? 1 : 0}; }};
}

// A track bar's position.
template <auto control>
constexpr SettingAccess Position() {
    return {[](SettingTargets& t, const SettingValue& v) { (t.controls.*control).SetPosition(v.number); },
            [](SettingTargets& t) { return SettingValue{(t.controls.*control).Position()}; }};
}

// A hot-key field's word.
template <auto control>
constexpr SettingAccess HotKey() {
    return {[](SettingTargets& t, const SettingValue& v) {
                (t.controls.*control).SetValue(static_cast<std::uint16_t>(v.number));
            },
            [](SettingTargets& t) { return SettingValue{(t.controls.*control).Value()}; }};
}

// An edit field's text.
template <auto control>
constexpr SettingAccess Text() {
    return {[](SettingTargets& t, const SettingValue& v) { (t.controls.*control).SetText(v.text); },
            [](SettingTargets& t) {
                return SettingValue{0, (t.controls.*control).Text()};
            }};
}

// A list box's entries, stored as one text of lines.
template <auto control>
constexpr SettingAccess Lines() {
    return {[](SettingTargets& t, const SettingValue& v) {
                (t.controls.*control).SetItems(SplitNoABList(v.text));
            },
            [](SettingTargets& t) {
                return SettingValue{0, JoinNoABList((t.controls.*control).Items())};
            }};
}

// The general page's notification-area icon mode, applied as its click is.
constexpr SettingAccess TrayMode() {
    return {[](SettingTargets& t, const SettingValue& v) { t.general.SelectTrayMode(v.number); },
            [](SettingTargets& t) { return SettingValue{t.general.TrayMode()}; }};
}

// The language by its display name: loading it applies the captions; the box holds the choice.
constexpr SettingAccess Language() {
    return {[](SettingTargets& t, const SettingValue& v) { t.changeLanguage(v.text); },
            [](SettingTargets& t) {
                return SettingValue{0, t.controls.GB_Language_CB.Text()};
            }};
}

}  // namespace access
}  // namespace vitrex::settings
