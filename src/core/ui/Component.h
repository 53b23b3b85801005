#pragma once

#include <functional>
#include <string>

namespace vitrex::ui {

class Component;
struct OwnedComponents;

// Every user event (click, change, timer tick, hot key) runs through one dispatcher, so that a
// failure in a handler is caught in one place and named after the component it came from.
class EventDispatcher {
public:
    virtual ~EventDispatcher() = default;
    virtual void Dispatch(const Component* sender, const std::function<void()>& action) = 0;
};

// A named part of a form: a control, a timer, a menu item or a tray icon. The name and class
// name are what the crash log prints for the sender of a failure.
class Component {
public:
    // The owner is the component whose dispatcher this one uses (a control's parent, a timer's
    // form); only the root of the tree needs a dispatcher of its own.
    Component(std::string name, std::string className, Component* owner = nullptr)
        : name_(std::move(name)),
          className_(std::move(className)),
          owner_(owner),
          owned_(owner != nullptr ? owner->owned_ : nullptr) {}
    virtual ~Component() = default;
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;

    const std::string& Name() const { return name_; }
    const std::string& ClassName() const { return className_; }

    Component* Owner() const { return owner_; }
    void SetDispatcher(EventDispatcher* dispatcher) { dispatcher_ = dispatcher; }
    EventDispatcher* Dispatcher() const {
        for (const Component* c = this; c != nullptr; c = c->owner_) {
            if (c->dispatcher_ != nullptr) return c->dispatcher_;
        }
        return nullptr;
    }

protected:
    // Where timers, tray icons and popup menus of the form this component belongs to register;
    // null outside a form.
    OwnedComponents* Owned() const { return owned_; }
    // A form makes itself the place where the components below it register.
    void SetOwned(OwnedComponents* owned) { owned_ = owned; }

    // Runs a user event's handler, if one is attached, through the dispatcher.
    void Fire(const std::function<void()>& handler) const {
        if (!handler) return;
        if (EventDispatcher* dispatcher = Dispatcher()) {
            dispatcher->Dispatch(this, handler);
        } else {
            handler();
        }
    }

private:
    std::string name_;
    std::string className_;
    Component* owner_;
    OwnedComponents* owned_;
    EventDispatcher* dispatcher_ = nullptr;
};

using Handler = std::function<void()>;

}  // namespace vitrex::ui
