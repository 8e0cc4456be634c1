#include "zephro/sdk/zephro_cloud_config.h"

#include <any>
#include <utility>

#include "zephro/json/decoder.h"
#include "zephro/json/encoder.h"
#include "zephro/platform/foundation/bundle.h"

namespace zephro {

namespace {

std::string hostVersion() {
  std::any version = platform::foundation::Bundle::main().objectForInfoDictionaryKey("CFBundleShortVersionString");
  if (const std::string* text = std::any_cast<std::string>(&version)) return *text;
  return "1.0";
}

}  // namespace

ZephroCloudConfig::ZephroCloudConfig()
    : regionId_("CN"), language_("zh"), countryCode_("86"), appVersion_(hostVersion()) {}

void ZephroCloudConfig::encode(Encoder& encoder) const {
  auto container = encoder.container();
  container.encode("appKey", appKey_);
  container.encode("regionId", regionId_);
  container.encode("language", language_);
  container.encode("countryCode", countryCode_);
  container.encode("appVersion", appVersion_);
  container.encode("baseURL", baseURL_);
}

ZephroCloudConfig ZephroCloudConfig::decode(const Decoder& decoder) {
  ZephroCloudConfig config;
  auto container = decoder.container();
  config.appKey_ = container.decode<std::string>("appKey");
  config.regionId_ = container.decode<std::string>("regionId");
  config.language_ = container.decode<std::string>("language");
  config.countryCode_ = container.decode<std::string>("countryCode");
  config.appVersion_ = container.decode<std::string>("appVersion");
  config.baseURL_ = container.decode<std::string>("baseURL");
  return config;
}

}  // namespace zephro
