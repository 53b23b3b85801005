#include <memory>

#include "win32/ui/Binding.h"
#include "win32/ui/ButtonBinders.h"
#include "win32/ui/EditBinders.h"
#include "win32/ui/ListBinders.h"
#include "win32/ui/ListViewBinder.h"
#include "win32/ui/PageControlBinder.h"
#include "win32/ui/PanelBinders.h"
#include "win32/ui/RangeBinders.h"
#include "win32/ui/TaskPanelBinder.h"
#include "win32/ui/WebBrowserBinder.h"

namespace vitrex::win32 {

std::unique_ptr<ControlBinder> MakeBinder(Binding& binding, ui::Widget& widget) {
    // The kind says which class the widget is.
    switch (widget.Kind()) {
        case ui::WidgetKind::Label:
            return std::make_unique<LabelBinder>(binding, static_cast<ui::Label&>(widget));
        case ui::WidgetKind::Button:
            return std::make_unique<ButtonBinder>(binding, static_cast<ui::Button&>(widget));
        case ui::WidgetKind::CheckBox:
        case ui::WidgetKind::RadioButton:
            return std::make_unique<CheckBinder>(binding, static_cast<ui::CheckControl&>(widget));
        case ui::WidgetKind::GroupBox:
            return std::make_unique<GroupBoxBinder>(binding, static_cast<ui::GroupBox&>(widget));
        case ui::WidgetKind::Panel:
            return std::make_unique<PanelBinder>(binding, static_cast<ui::Panel&>(widget));
        case ui::WidgetKind::Image:
            return std::make_unique<ImageBinder>(binding, static_cast<ui::Image&>(widget));
        case ui::WidgetKind::Edit:
        case ui::WidgetKind::LabeledEdit:
        case ui::WidgetKind::Memo:
            return std::make_unique<EditBinder>(binding, static_cast<ui::Edit&>(widget));
        case ui::WidgetKind::HotKey:
            return std::make_unique<HotKeyBinder>(binding, static_cast<ui::HotKeyEdit&>(widget));
        case ui::WidgetKind::ProgressBar:
            return std::make_unique<ProgressBarBinder>(binding, static_cast<ui::ProgressBar&>(widget));
        case ui::WidgetKind::TrackBar:
            return std::make_unique<TrackBarBinder>(binding, static_cast<ui::TrackBar&>(widget));
        case ui::WidgetKind::ComboBox:
            return std::make_unique<ComboBoxBinder>(binding, static_cast<ui::ComboBox&>(widget));
        case ui::WidgetKind::ListBox:
            return std::make_unique<ListBoxBinder>(binding, static_cast<ui::ListBox&>(widget));
        case ui::WidgetKind::ListView:
            return std::make_unique<ListViewBinder>(binding, static_cast<ui::ListView&>(widget));
        case ui::WidgetKind::PageControl:
            return std::make_unique<PageControlBinder>(binding, static_cast<ui::PageControl&>(widget));
        case ui::WidgetKind::TabSheet:
            return std::make_unique<TabSheetBinder>(binding, static_cast<ui::TabSheet&>(widget));
        case ui::WidgetKind::TaskPanel:
            return std::make_unique<TaskPanelBinder>(binding, static_cast<ui::TaskPanel&>(widget));
        case ui::WidgetKind::WebBrowser:
            return std::make_unique<WebBrowserBinder>(binding, static_cast<ui::WebBrowser&>(widget));
        case ui::WidgetKind::Form:
            // A form inside a form is not a thing this program makes.
            return nullptr;
    }
    return nullptr;
}

}  // namespace vitrex::win32
