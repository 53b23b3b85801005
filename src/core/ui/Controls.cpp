#include "core/ui/Controls.h"
#include "core/ui/ShortCut.h"

#include "core/text/Utf8.h"

#include <algorithm>

namespace vitrex::ui {

void CheckControl::SetChecked(bool checked) {
    if (checked_ == checked) return;
    checked_ = checked;
    if (checked && Kind() == WidgetKind::RadioButton && Parent() != nullptr) {
        for (Widget* sibling : Parent()->Children()) {
            if (sibling != this && sibling->Kind() == WidgetKind::RadioButton) {
                static_cast<CheckControl*>(sibling)->SetChecked(false);
            }
        }
    }
    Notify(Change::Checked);
}

void CheckControl::UserClick() {
    if (!Enabled()) return;
    if (Kind() == WidgetKind::RadioButton) {
        // Picking the radio button that is already chosen changes nothing and reports nothing.
        if (checked_) return;
        SetChecked(true);
    } else {
        SetChecked(!checked_);
    }
    Fire(OnClick);
}

std::string Edit::HeldToMaxLength(const std::string& text) const {
    if (maxLength_ == 0) return text;
    return std::string(text::HeldToUtf16Length(text, maxLength_));
}

void Edit::SetText(const std::string& text) {
    const std::string held = HeldToMaxLength(text);
    if (text_ == held) return;
    text_ = held;
    Notify(Change::Text);
}

void Edit::UserSetText(const std::string& text) {
    const std::string held = HeldToMaxLength(text);
    if (text_ == held) return;
    text_ = held;
    Fire(OnChange);
}

void Edit::SetMaxLength(std::size_t units) {
    if (maxLength_ == units) return;
    maxLength_ = units;
    SetText(text_);
    Notify(Change::Style);
}

void HotKeyEdit::SetValue(std::uint16_t value) {
    value = Normalized(value);
    if (value_ == value) return;
    value_ = value;
    Notify(Change::Value);
}

std::uint16_t HotKeyEdit::Normalized(std::uint16_t value) const {
    constexpr std::uint16_t kShift = ShortCut::kShift, kCtrl = ShortCut::kCtrl, kAlt = ShortCut::kAlt;
    const ShortCut shortcut(value);
    if (shortcut.Empty()) return value;
    std::uint16_t combination = kCombNone;
    switch (shortcut.Modifiers()) {
        case kShift:
            combination = kCombShift;
            break;
        case kCtrl:
            combination = kCombCtrl;
            break;
        case kAlt:
            combination = kCombAlt;
            break;
        case kShift | kCtrl:
            combination = kCombShiftCtrl;
            break;
        case kShift | kAlt:
            combination = kCombShiftAlt;
            break;
        case kCtrl | kAlt:
            combination = kCombCtrlAlt;
            break;
        case kShift | kCtrl | kAlt:
            combination = kCombShiftCtrlAlt;
            break;
        default:
            break;
    }
    if ((refused_ & combination) == 0) return value;
    return static_cast<std::uint16_t>(shortcut.Key() | replacement_);
}

void HotKeyEdit::UserSetValue(std::uint16_t value) {
    value = Normalized(value);
    if (value_ == value) return;
    value_ = value;
    Fire(OnChange);
}

void ProgressBar::SetRange(int min, int max) {
    min_ = min;
    max_ = std::max(min, max);
    position_ = std::clamp(position_, min_, max_);
    Notify(Change::Range);
}

void ProgressBar::SetPosition(int position) {
    position = std::clamp(position, min_, max_);
    if (position_ == position) return;
    position_ = position;
    Notify(Change::Position);
}

void TrackBar::SetRange(int min, int max) {
    min_ = min;
    max_ = std::max(min, max);
    position_ = std::clamp(position_, min_, max_);
    Notify(Change::Range);
}

void TrackBar::SetPosition(int position) {
    position = std::clamp(position, min_, max_);
    if (position_ == position) return;
    position_ = position;
    Notify(Change::Position);
}

void TrackBar::UserSetPosition(int position) {
    position = std::clamp(position, min_, max_);
    if (position_ == position) return;
    position_ = position;
    Fire(OnChange);
}

}  // namespace vitrex::ui
