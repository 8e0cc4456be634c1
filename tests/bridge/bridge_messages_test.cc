// The bridge's request and response records and the response script.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "zephro/bridge/response_script.h"
#include "zephro/bridge/web_view_invoke.h"
#include "zephro/bridge/web_view_response.h"
#include "zephro/json/json_decoder.h"
#include "zephro/json/json_encoder.h"

namespace zephro {
namespace {

struct InvokeCase {
  const char* body;
  bool decodes;
  bool valid;
};

void PrintTo(const InvokeCase& c, std::ostream* out) { *out << c.body; }

class InvokeDecodingTest : public ::testing::TestWithParam<InvokeCase> {};

TEST_P(InvokeDecodingTest, DecodesAndValidates) {
  const InvokeCase& c = GetParam();
  if (!c.decodes) {
    EXPECT_THROW(JSONDecoder().decode<WebViewInvoke>(c.body), DecodingError);
    return;
  }
  EXPECT_EQ(JSONDecoder().decode<WebViewInvoke>(c.body).isValid(), c.valid);
}

INSTANTIATE_TEST_SUITE_P(
    Bodies, InvokeDecodingTest,
    ::testing::Values(InvokeCase{R"({"scope":"app","method":"getToken","params":{},"invokeId":12})", true, true},
                      InvokeCase{R"({"scope":"app","method":"getToken"})", true, true},
                      InvokeCase{R"({"scope":"app","method":"m","params":null,"invokeId":null,"x":[1]})", true, true},
                      InvokeCase{"{}", true, false},
                      InvokeCase{R"({"scope":"","method":"m"})", true, false},
                      InvokeCase{R"({"scope":"app","method":""})", true, false},
                      InvokeCase{R"({"scope":"app"})", true, false},
                      InvokeCase{R"({"scope":"app","method":"m","invokeId":"5"})", false, false},
                      InvokeCase{R"({"scope":"app","method":"m","invokeId":5.5})", false, false},
                      InvokeCase{R"({"scope":"app","method":"m","params":[]})", false, false},
                      InvokeCase{R"({"scope":1,"method":"m"})", false, false},
                      InvokeCase{R"([])", false, false},
                      InvokeCase{"{", false, false}));

TEST(WebViewInvoke, RoundTripsWithItsFullIdAndNestedParams) {
  const char* text = R"({"scope":"s","method":"m","params":{"b":true,"n":null,"o":{"k":[1]}},"invokeId":-9007199254740993})";
  auto invoke = JSONDecoder().decode<WebViewInvoke>(text);
  EXPECT_EQ(invoke.invokeId, -9007199254740993);
  EXPECT_EQ(JSONEncoder().encode(invoke), text);
}

TEST(WebViewResponse, EncodesPresentFieldsInOrderAndDataAsBase64) {
  WebViewResponse all{Data{'h', 'i'}, std::map<std::string, AnyCodable>{{"v", "x"}}, true};
  EXPECT_EQ(JSONEncoder().encode(all), R"({"responseData":"aGk=","responseBody":{"v":"x"},"success":true})");
  EXPECT_EQ(JSONEncoder().encode(WebViewResponse{}), "{}");
  auto decoded = JSONDecoder().decode<WebViewResponse>(R"({"responseData":"aGk=","success":null})");
  EXPECT_EQ(decoded.responseData, (Data{'h', 'i'}));
  EXPECT_EQ(decoded.success, std::nullopt);
  EXPECT_THROW(JSONDecoder().decode<WebViewResponse>(R"({"success":"true"})"), DecodingError);
}

TEST(ResponseScript, PassesTheEncodedResponseAndTheId) {
  WebViewResponse answer{std::nullopt, std::map<std::string, AnyCodable>{{"value", "x"}}, true};
  EXPECT_EQ(responseScript(answer, 7), R"(window.__jsb.onResponse({"responseBody":{"value":"x"},"success":true}, 7))");
  EXPECT_EQ(responseScript(WebViewResponse{std::nullopt, std::nullopt, false}, -1),
            R"(window.__jsb.onResponse({"success":false}, -1))");
  EXPECT_EQ(responseScript(WebViewResponse{}, std::numeric_limits<std::int64_t>::min()),
            "window.__jsb.onResponse({}, -9223372036854775808)");
}

TEST(ResponseScript, SendsResponseDataVerbatimInsteadOfTheOtherFields) {
  std::string array = R"([1, "two" ,{"3":4}])";
  WebViewResponse ready{Data(array.begin(), array.end()), std::map<std::string, AnyCodable>{{"v", 1}}, true};
  EXPECT_EQ(responseScript(ready, 3), "window.__jsb.onResponse(" + array + ", 3)");
}

TEST(ResponseScript, NothingIsSentForBadUtf8OrAnUnencodableValue) {
  EXPECT_EQ(responseScript(WebViewResponse{Data{'[', 0xff, ']'}, std::nullopt, true}, 1), std::nullopt);
  struct Opaque {};
  WebViewResponse opaque{std::nullopt, std::map<std::string, AnyCodable>{{"v", AnyCodable(Opaque{})}}, true};
  EXPECT_EQ(responseScript(opaque, 1), std::nullopt);
  WebViewResponse infinite{std::nullopt,
                           std::map<std::string, AnyCodable>{{"v", std::numeric_limits<double>::infinity()}}, true};
  EXPECT_EQ(responseScript(infinite, 1), std::nullopt);
}

}  // namespace
}  // namespace zephro
