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

TEST(EventForwarderJSB, PostsTheTextsItIsGiven) {
  EXPECT_EQ(forward("forwardEvent", Params{{"eventName", "cart"}, {"eventData", "2"}}),
            (std::vector<EventModel>{{"cart", "2", std::nullopt, std::nullopt}}));
  EXPECT_EQ(forward("forwardEvent",
                    Params{{"eventName", "e"}, {"eventData", "{}"}, {"fromPage", "home"}, {"toPage", "detail"}}),
            (std::vector<EventModel>{{"e", "{}", "home", "detail"}}));
}

TEST(EventForwarderJSB, ValuesOfAnotherKindCountAsAbsent) {
  EXPECT_EQ(forward("forwardEvent", Params{{"eventName", "e"},
                                           {"eventData", AnyCodable::dictionary({{"a", 1}})},
                                           {"toPage", 3}}),
            (std::vector<EventModel>{{"e", std::nullopt, std::nullopt, std::nullopt}}));
}

TEST(EventForwarderJSB, PostsNothingWithoutAnEventNameOrForOtherMethods) {
  EXPECT_TRUE(forward("forwardEvent", Params{{"eventData", "2"}}).empty());
  EXPECT_TRUE(forward("forwardEvent", Params{{"eventName", true}}).empty());
  EXPECT_TRUE(forward("forwardEvent", std::nullopt).empty());
  EXPECT_TRUE(forward("forward", Params{{"eventName", "cart"}}).empty());
}

}  // namespace
}  // namespace zephro
