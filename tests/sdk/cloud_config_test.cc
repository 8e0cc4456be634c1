// The cloud configuration: defaults from the host bundle, and its JSON form.
#include <gtest/gtest.h>

#include <any>
#include <string>

#include "zephro/json/coding_error.h"
#include "zephro/json/json_decoder.h"
#include "zephro/json/json_encoder.h"
#include "zephro/platform/foundation/bundle.h"
#include "zephro/sdk/zephro_cloud_config.h"

namespace zephro {
namespace {

using platform::foundation::Bundle;

class CloudConfigTest : public ::testing::Test {
 protected:
  void TearDown() override { Bundle::main().setInfoDictionary({}); }
  static void setHostVersion(std::any version) {
    Bundle::main().setInfoDictionary(PlainMap{{"CFBundleShortVersionString", std::move(version)}});
  }
};

TEST_F(CloudConfigTest, AppVersionComesFromTheHostBundleOnlyWhenItIsAString) {
  Bundle::main().setInfoDictionary({});
  EXPECT_EQ(ZephroCloudConfig().appVersion(), "1.0");
  setHostVersion(std::int64_t{3});
  EXPECT_EQ(ZephroCloudConfig().appVersion(), "1.0");
  setHostVersion(std::string());
  EXPECT_EQ(ZephroCloudConfig().appVersion(), "");
  setHostVersion(std::string("7.0"));
  EXPECT_EQ(JSONEncoder().encode(ZephroCloudConfig()),
            R"({"appKey":"","regionId":"CN","language":"zh","countryCode":"86","appVersion":"7.0","baseURL":""})");
}

// Decoding takes all six texts whatever the bundle holds, or fails as a whole
// (a repeated key counts with its last value).
TEST_F(CloudConfigTest, DecodingNeedsAllSixTexts) {
  setHostVersion(std::string("9.9"));
  const std::string all =
      R"({"baseURL":"https://x","appVersion":"1.2","countryCode":"1","language":"en","regionId":"US","appKey":"k")";
  EXPECT_EQ(JSONEncoder().encode(JSONDecoder().decode<ZephroCloudConfig>(all + R"(,"extra":3})")),
            R"({"appKey":"k","regionId":"US","language":"en","countryCode":"1","appVersion":"1.2",)"
            R"("baseURL":"https://x"})");
  for (const std::string& text : {std::string(R"({"appKey":"k","regionId":"US","language":"en","appVersion":"1"})"),
                                  all + R"(,"countryCode":86})", all + R"(,"appKey":null})",
                                  std::string(R"(["k","US","en","1","1.2",""])")}) {
    EXPECT_THROW(JSONDecoder().decode<ZephroCloudConfig>(text), DecodingError) << text;
  }
}

}  // namespace
}  // namespace zephro
