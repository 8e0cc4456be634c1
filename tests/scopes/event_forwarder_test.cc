// The scope "event_handler" turns "forwardEvent" calls into page events.
#include <gtest/gtest.h>

#include "zephro/testing/forwarded_events.h"
#include "zephro/scopes/event_forwarder_jsb.h"

namespace zephro {
namespace {

using Params = std::map<std::string, AnyCodable>;

std::vector<EventModel> forward(const char* method, std::optional<Params> params) {
  testing::ForwardedEvents events;
  bool answered = false;
  EventForwarderJSB().handle(JSBInvocation{WebViewInvoke{"event_handler", method, std::move(params), 1}, {}},
                             [&answered](const WebViewResponse&) { answered = true; });
  EXPECT_FALSE(answered);
  return events.events();
}

// Values of another kind count as absent; without a text name nothing is posted.
TEST(EventForwarderJSB, PostsTheTextsItIsGivenOrNothing) {
  using Events = std::vector<EventModel>;
  const std::tuple<const char*, std::optional<Params>, Events> cases[] = {
      {"forwardEvent", Params{{"eventName", "cart"}, {"eventData", "2"}}, {{"cart", "2", std::nullopt, std::nullopt}}},
      {"forwardEvent", Params{{"eventName", "e"}, {"eventData", "{}"}, {"fromPage", "home"}, {"toPage", "detail"}},
       {{"e", "{}", "home", "detail"}}},
      {"forwardEvent", Params{{"eventName", "e"}, {"eventData", AnyCodable::dictionary({{"a", 1}})}, {"toPage", 3}},
       {{"e", std::nullopt, std::nullopt, std::nullopt}}},
      {"forwardEvent", Params{{"eventData", "2"}}, {}},
      {"forwardEvent", Params{{"eventName", true}}, {}},
      {"forwardEvent", std::nullopt, {}},
      {"forward", Params{{"eventName", "cart"}}, {}}};
  for (const auto& [method, params, events] : cases) EXPECT_EQ(forward(method, params), events) << method;
}

}  // namespace
}  // namespace zephro
