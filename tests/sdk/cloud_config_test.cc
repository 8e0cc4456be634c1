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
  setHostVersion(std::string("2.4.1"));
  EXPECT_EQ(ZephroCloudConfig().appVersion(), "2.4.1");
  setHostVersion(std::string());
  EXPECT_EQ(ZephroCloudConfig().appVersion(), "");
}

TEST_F(CloudConfigTest, EncodesTheSixFieldsInDeclarationOrder) {
  setHostVersion(std::string("7.0"));
  EXPECT_EQ(JSONEncoder().encode(ZephroCloudConfig()),
            R"({"appKey":"","regionId":"CN","language":"zh","countryCode":"86","appVersion":"7.0","baseURL":""})");
}

TEST_F(CloudConfigTest, DecodingTakesAllSixStringsWhateverTheBundleHolds) {
  setHostVersion(std::string("9.9"));
  auto config = JSONDecoder().decode<ZephroCloudConfig>(
      R"({"baseURL":"https://x","appVersion":"1.2","countryCode":"1","language":"en","regionId":"US","appKey":"k","extra":3})");
  EXPECT_EQ(config.appKey(), "k");
  EXPECT_EQ(config.regionId(), "US");
  EXPECT_EQ(config.language(), "en");
  EXPECT_EQ(config.countryCode(), "1");
  EXPECT_EQ(config.appVersion(), "1.2");
  EXPECT_EQ(config.baseURL(), "https://x");
}

TEST_F(CloudConfigTest, DecodingFailsAsAWholeForAMissingOrMistypedKey) {
  const char* broken[] = {
      R"({"appKey":"k","regionId":"US","language":"en","countryCode":"1","appVersion":"1.2"})",
      R"({"appKey":"k","regionId":"US","language":"en","countryCode":86,"appVersion":"1.2","baseURL":""})",
      R"({"appKey":null,"regionId":"US","language":"en","countryCode":"1","appVersion":"1.2","baseURL":""})",
      R"(["k","US","en","1","1.2",""])",
  };
  for (const char* text : broken) {
    EXPECT_THROW(JSONDecoder().decode<ZephroCloudConfig>(text), DecodingError) << text;
  }
}

}  // namespace
}  // namespace zephro
