// The six cloud settings the host gives the kit; every page receives them as
// start-up globals. The host changes the fields of the runner's one instance
// (ZephroSdk4TolmarRunner::cloudConfig()); web views made afterwards see the
// new values, those made before do not.
#pragma once

#include <string>
#include <utility>

namespace zephro {

class Decoder;
class Encoder;

class ZephroCloudConfig {
 public:
  // appKey "", regionId "CN", language "zh", countryCode "86", appVersion the
  // host bundle's "CFBundleShortVersionString" when that is a string (else
  // "1.0"), baseURL "".
  ZephroCloudConfig();

  const std::string& appKey() const { return appKey_; }
  void setAppKey(std::string value) { appKey_ = std::move(value); }
  const std::string& regionId() const { return regionId_; }
  void setRegionId(std::string value) { regionId_ = std::move(value); }
  const std::string& language() const { return language_; }
  void setLanguage(std::string value) { language_ = std::move(value); }
  // A telephone country code ("86"), not a letter code.
  const std::string& countryCode() const { return countryCode_; }
  void setCountryCode(std::string value) { countryCode_ = std::move(value); }
  const std::string& appVersion() const { return appVersion_; }
  void setAppVersion(std::string value) { appVersion_ = std::move(value); }
  const std::string& baseURL() const { return baseURL_; }
  void setBaseURL(std::string value) { baseURL_ = std::move(value); }

  // One object with the six keys, named as the fields, in field order.
  void encode(Encoder& encoder) const;
  // Needs all six keys as strings (other keys are ignored); throws
  // DecodingError otherwise.
  static ZephroCloudConfig decode(const Decoder& decoder);

 private:
  std::string appKey_;
  std::string regionId_;
  std::string language_;
  std::string countryCode_;
  std::string appVersion_;
  std::string baseURL_;
};

}  // namespace zephro
