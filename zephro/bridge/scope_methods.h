// A scope's methods by name, each a function of its decoded parameters.
// A parameter struct P provides `static std::optional<P> decode(const
// InvokeParams&)`; a call whose parameters do not decode is dropped unanswered,
// as is a call to a method the table does not hold.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>

#include "zephro/bridge/invoke_params.h"
#include "zephro/bridge/jsb_implement.h"

namespace zephro {

// For methods that read no parameters.
struct NoParams {
  static std::optional<NoParams> decode(const InvokeParams& /*params*/) { return NoParams{}; }
};

// `Target` is what the methods act on: the scope itself, or the page screen.
template <class Target>
class ScopeMethods {
 public:
  template <class Params>
  using Method = void (*)(Target&, const Params&, const JSBInvocation&, JSBCallback);

  template <class Params>
  ScopeMethods& add(std::string name, Method<Params> method) {
    methods_.emplace(std::move(name), [method](Target& target, const JSBInvocation& invocation, JSBCallback callback) {
      if (std::optional<Params> params = Params::decode(invocation.invoke.params)) {
        method(target, *params, invocation, std::move(callback));
      }
    });
    return *this;
  }

  void call(Target& target, const JSBInvocation& invocation, JSBCallback callback) const {
    if (!invocation.invoke.method) return;
    auto found = methods_.find(*invocation.invoke.method);
    if (found != methods_.end()) found->second(target, invocation, std::move(callback));
  }

 private:
  std::map<std::string, std::function<void(Target&, const JSBInvocation&, JSBCallback)>, std::less<>> methods_;
};

}  // namespace zephro
