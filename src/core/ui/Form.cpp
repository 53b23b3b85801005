#include "core/ui/Form.h"

namespace vitrex::ui {

Form::Form(std::string name, std::string className, int clientWidth, int clientHeight)
    : Widget(WidgetKind::Form, std::move(name), std::move(className), nullptr,
             Rect{0, 0, clientWidth, clientHeight}),
      systemMenu_(this) {
    SetOwned(&owned_);
    SetVisible(false);
}

void Form::UserHotKey(int id) {
    if (OnHotKeyPressed) Fire([&] { OnHotKeyPressed(id); });
}

bool Form::UserQueryEndSession() {
    bool mayEnd = true;
    if (OnQueryEndSession) Fire([&] { mayEnd = OnQueryEndSession(); });
    return mayEnd;
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
