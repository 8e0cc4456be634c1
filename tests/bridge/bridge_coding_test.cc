// Calls and answers are read and written without a tree when they can be;
// what comes out, errors included, must be what the tree gives.
#include <gtest/gtest.h>

#include <string>

#include "zephro/bridge/web_view_invoke.h"
#include "zephro/bridge/web_view_response.h"
#include "zephro/json/json_decoder.h"
#include "zephro/json/json_encoder.h"

namespace zephro {
namespace {

template <class Attempt>
std::string outcome(Attempt attempt) {
  try {
    return attempt();
  } catch (const DecodingError& error) {
    return std::string("decoding error: ") + error.what();
  } catch (const EncodingError& error) {
    return std::string("encoding error: ") + error.what();
  }
}

// The fields of a call, as text that tells kinds apart.
std::string fieldsOf(const WebViewInvoke& invoke) {
  std::string text = invoke.scope ? "scope " + *invoke.scope : "no scope";
  text += invoke.method ? ", method " + *invoke.method : ", no method";
  text += invoke.invokeId ? ", id " + std::to_string(*invoke.invokeId) : ", no id";
  if (invoke.params) {
    for (const auto& [key, value] : *invoke.params) text += ", " + key + "=" + value.debugDescription();
  }
  return text;
}

TEST(BridgeCoding, CallsReadWithoutATreeAreTheTreesCalls) {
  // Nested around the coding depth limit, counted from the call.
  auto deepParams = [](std::size_t lists) {
    return R"({"params":{"a":)" + std::string(lists, '[') + "1" + std::string(lists, ']') + "}}";
  };
  for (const std::string& text : {
           std::string(R"({"scope":"app","method":"getToken","invokeId":12})"),
           std::string(R"({"scope":null,"method":"m","params":null,"invokeId":null,"other":[1,{}]})"),
           std::string(R"({"scope":"a","params":{"k":[1,2.5,"x",null,{"n":18446744073709551615}]},"invokeId":-3})"),
           std::string(R"({"scope":"first","scope":"last","invokeId":1,"invokeId":2})"),
           std::string(R"({"scope":1,"scope":"wins"})"),
           std::string(R"({"other":{"scope":5,"params":[{}]},"scope":"x","invokeId":7,"invokeId":null})"),
           std::string(R"({"params":{"a":1},"params":{"b":[null]},"method":true})"),
           std::string(R"({"params":{"a":1},"params":null,"method":"m"})"),
           std::string(R"({"scope":"a","params":{"k":1})"),
           std::string("7"),
           std::string(R"({"scope":"a","invokeId":2.0})"),
           std::string(R"({"scope":"a","invokeId":9223372036854775808})"),
           std::string(R"({"scope":["a"]})"),
           std::string(R"({"params":[1]})"),
           std::string(R"(["scope"])"),
           std::string(R"({"scope":"a"} x)"),
           deepParams(maxCodingDepth - 3),
           deepParams(maxCodingDepth - 2),
           deepParams(maxCodingDepth - 1),
       }) {
    EXPECT_EQ(outcome([&] { return fieldsOf(JSONDecoder().decode<WebViewInvoke>(text)); }),
              outcome([&] { return fieldsOf(JSONDecoder().decodeTree<WebViewInvoke>(JSONDecoder::parse(text))); }))
        << text.substr(0, 80);
  }
}

TEST(BridgeCoding, AnswersWrittenWithoutATreeAreTheTreesText) {
  using Body = std::map<std::string, AnyCodable>;
  const WebViewResponse cases[] = {
      {std::nullopt, Body{{"token", "t\"\n"}, {"n", 1}, {"list", AnyCodable::list({true, nullptr})}}, true},
      {std::nullopt, Body{}, false},
      {std::nullopt, Body{{"x", 1}}, std::nullopt},
      {std::nullopt, std::nullopt, false},
      {std::nullopt, std::nullopt, std::nullopt},
      {std::nullopt, Body{{"t", 21.5}, {"one", 1.0}}, true},
      {std::nullopt, Body{{"\xC3", 1}}, true},
      {std::nullopt, Body{{"bad", std::string("\xC3")}}, true},
      {Data{'h', 'i'}, Body{{"x", 1}}, true},
  };
  for (const WebViewResponse& response : cases) {
    EXPECT_EQ(outcome([&] { return JSONEncoder().encode(response); }),
              outcome([&] { return JSONEncoder::dump(JSONEncoder().encodeTree(response)); }));
  }
}

}  // namespace
}  // namespace zephro
