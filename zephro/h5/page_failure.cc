#include "zephro/h5/page_failure.h"

#include <cstddef>
#include <string_view>

namespace zephro {

namespace {

using Cause = PageFailure::Cause;
using platform::web::WebError;

// Characters that fit one line of a phone-sized screen in the reason's font.
constexpr std::size_t kReasonCharacters = 60;

struct Wording {
  const char* message;
  const char* retry;
  const char* timedOut;
  const char* pageMissing;  // followed by the page name
  const char* processEnded;
};

constexpr Wording kChinese = {"页面加载失败", "重试", "服务器未及时响应", "找不到页面：", "页面进程意外结束"};
constexpr Wording kEnglish = {"This page could not be loaded.", "Retry", "The server did not answer in time.",
                              "Page not found: ", "The page's process ended unexpectedly."};

bool isChinese(const std::string& language) {
  return language.empty() || language == "zh" || language.starts_with("zh-") || language.starts_with("zh_");
}

// Line breaks and other control characters become blanks; a long text is cut
// at a character boundary and ends in an ellipsis.
std::string oneLine(std::string_view text) {
  std::string line;
  std::size_t characters = 0;
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    const bool startsCharacter = (byte & 0xC0) != 0x80;
    if (startsCharacter && ++characters > kReasonCharacters) return line + "…";
    line += byte < 0x20 || byte == 0x7F ? ' ' : c;
  }
  return line;
}

std::string reasonOf(const PageFailure& failure, const Wording& wording) {
  switch (failure.cause) {
    case Cause::timedOut:
      return wording.timedOut;
    case Cause::pageMissing:
      return wording.pageMissing + failure.detail;
    case Cause::processEnded:
      return wording.processEnded;
    case Cause::loadFailed:
      break;
  }
  return failure.detail;
}

}  // namespace

PageFailure PageFailure::of(const WebError& error) {
  if (error.domain == WebError::kDomain && error.code == WebError::kTimedOut) return {Cause::timedOut, {}};
  std::string detail = error.description.empty() ? error.domain + " " + std::to_string(error.code) : error.description;
  return {Cause::loadFailed, std::move(detail)};
}

PageFailureTexts pageFailureTexts(const PageFailure& failure, const std::string& language) {
  const Wording& wording = isChinese(language) ? kChinese : kEnglish;
  return {wording.message, oneLine(reasonOf(failure, wording)), wording.retry};
}

}  // namespace zephro
