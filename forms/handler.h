// An event handler: a function with a small context kept in place, in the
// shape window code writes it:
//
//   ok.Click = [this] { OnOkClick(); };
//   slider.Change = [this, group, channel] { OnSliderChange(*group, channel); };
//
// A handler holds any callable that is copied byte for byte and needs no
// destructor (a lambda capturing `this`, pointers, references or numbers)
// and is at most three pointers big; anything else does not compile. An
// empty handler does nothing when raised.
#pragma once

#include <new>
#include <type_traits>

namespace forms {

class Handler {
  template <typename F>
  using NotHandler = std::enable_if_t<!std::is_same_v<std::decay_t<F>, Handler>>;

 public:
  Handler() = default;

  // Not explicit: a lambda is assigned to a handler as it is written.
  template <typename F, typename = NotHandler<F>>
  Handler(F function) {
    Keep(function);
  }
  // Assigned in place, without a handler in between.
  template <typename F, typename = NotHandler<F>>
  Handler& operator=(F function) {
    Keep(function);
    return *this;
  }

  explicit operator bool() const { return call_ != nullptr; }
  void operator()() const {
    if (call_) call_(context_);
  }

 private:
  template <typename F>
  void Keep(const F& function) {
    static_assert(sizeof(F) <= sizeof(context_) && alignof(F) <= alignof(void*),
                  "a handler keeps at most three pointers of context");
    static_assert(std::is_trivially_copyable_v<F> && std::is_trivially_destructible_v<F>,
                  "a handler keeps only what is copied byte for byte");
    call_ = &Call<F>;
    new (context_) F(function);
  }

  template <typename F>
  static void Call(const void* context) {
    (*static_cast<const F*>(context))();
  }

  void (*call_)(const void*) = nullptr;
  // Holds the callable once call_ is set; until then it is only copied.
  alignas(void*) unsigned char context_[3 * sizeof(void*)];
};

}  // namespace forms
