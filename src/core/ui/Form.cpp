#include "core/ui/Form.h"

namespace vitrex::ui {

Form::Form(std::string name, std::string className, int clientWidth, int clientHeight)
    : Widget(WidgetKind::Form, std::move(name), std::move(className), nullptr,
             Rect{0, 0, clientWidth, clientHeight}) {
    SetVisible(false);
}

void Form::Close() {
    bool mayClose = true;
    if (OnCloseQuery) {
        bool answer = false;
        Fire([&] { answer = OnCloseQuery(); });
        mayClose = answer;
    }
    if (!mayClose) return;
    Fire(OnClose);
    closed_ = true;
    SetVisible(false);
    Terminate();
}

void Form::Request(FormRequest request) {
    if (request == FormRequest::Terminate) terminated_ = true;
    if (requestHandler_) requestHandler_(request);
}

}  // namespace vitrex::ui
