#pragma once

#include <memory>
#include <type_traits>
#include <utility>

namespace vitrex {

template <typename Signature>
class FunctionRef;

// A borrowed callable for callbacks that run only during the call that receives them (window
// enumeration, for example). Unlike std::function it never allocates, so visiting a thousand
// windows ten times a second costs one indirect call per window and nothing more.
template <typename Result, typename... Args>
class FunctionRef<Result(Args...)> {
public:
    template <typename Callable>
    requires(!std::is_same_v<std::remove_cvref_t<Callable>, FunctionRef> &&
             std::is_invocable_r_v<Result, Callable&, Args...>) FunctionRef(Callable&& callable)
    noexcept  // NOLINT: converts implicitly, like std::function
        : object_(const_cast<void*>(static_cast<const void*>(std::addressof(callable)))),
          call_([](void* object, Args... args) -> Result {
              return (*static_cast<std::remove_reference_t<Callable>*>(object))(std::forward<Args>(args)...);
          }) {}

    Result operator()(Args... args) const { return call_(object_, std::forward<Args>(args)...); }

private:
    void* object_;
    Result (*call_)(void*, Args...);
};

}  // namespace vitrex
