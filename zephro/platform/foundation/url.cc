#include "zephro/platform/foundation/url.h"

#include <uriparser/Uri.h>

#include <algorithm>
#include <cctype>
#include <system_error>

#include "zephro/platform/foundation/percent_encoding.h"

namespace zephro {

namespace {

using platform::foundation::percentDecode;
using platform::foundation::percentEncodePathSegment;

// Owns the members of a parsed UriUriA.
class ParsedUri {
 public:
  ParsedUri() = default;
  ~ParsedUri() { uriFreeUriMembersA(&uri_); }
  ParsedUri(const ParsedUri&) = delete;
  ParsedUri& operator=(const ParsedUri&) = delete;

  bool parse(std::string_view text) {
    const char* errorPos = nullptr;
    return uriParseSingleUriExA(&uri_, text.data(), text.data() + text.size(), &errorPos) ==
           URI_SUCCESS;
  }
  UriUriA* get() { return &uri_; }
  bool hasAuthority() const {
    const UriHostDataA& host = uri_.hostData;
    return uri_.hostText.first || host.ip4 || host.ip6 || host.ipFuture.first;
  }

  std::optional<std::string> toString() const {
    int length = 0;
    if (uriToStringCharsRequiredA(&uri_, &length) != URI_SUCCESS) return std::nullopt;
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    if (uriToStringA(text.data(), &uri_, length + 1, nullptr) != URI_SUCCESS) return std::nullopt;
    text.resize(static_cast<std::size_t>(length));
    return text;
  }

 private:
  UriUriA uri_{};
};

bool isValidReference(std::string_view text) {
  if (text.empty() || text.find('\0') != std::string_view::npos) return false;
  ParsedUri uri;
  return uri.parse(text);
}

// "//" and the authority of a prefix (scheme and authority), "" when none.
std::string_view authorityOf(std::string_view prefix) {
  std::size_t slashes = prefix.find("//");
  return slashes == std::string_view::npos ? std::string_view() : prefix.substr(slashes);
}

std::string lowercase(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return out;
}

}  // namespace

std::optional<URL> URL::parse(std::string_view text) {
  if (!isValidReference(text)) return std::nullopt;
  return fromValidText(std::string(text));
}

std::optional<URL> URL::parse(std::string_view text, const URL& base) {
  if (base.scheme_.empty() || text.find('\0') != std::string_view::npos || text.empty()) {
    return std::nullopt;
  }
  ParsedUri relative, absoluteBase, resolved;
  if (!relative.parse(text) || !absoluteBase.parse(base.text_)) return std::nullopt;
  if (uriAddBaseUriExA(resolved.get(), relative.get(), absoluteBase.get(),
                       URI_RESOLVE_STRICTLY) != URI_SUCCESS) {
    return std::nullopt;
  }
  auto composed = resolved.toString();
  // Without an authority the library writes a path that starts with "//" as
  // it is, and it would read back as one.
  if (std::size_t path = composed ? composed->find(':') + 1 : 0; path > 0 && !resolved.hasAuthority() &&
                                                                   composed->compare(path, 2, "//") == 0) {
    composed->insert(path, "/.");
  }
  std::optional<URL> url = composed ? parse(*composed) : std::nullopt;
  if (!url) return std::nullopt;
  // The library writes an IPv6 host out in full; the authority stays as written
  // in the reference that gave it.
  URL reference = fromValidText(std::string(text));
  bool ownAuthority = !reference.scheme_.empty() || reference.host_.has_value();
  url->keepAuthorityOf(ownAuthority ? reference : base);
  url->settleDoubleSlashPath();
  return url;
}

void URL::keepAuthorityOf(const URL& source) {
  std::string_view authority = authorityOf(source.prefix_);
  std::string_view written = authorityOf(prefix_);
  prefix_ = prefix_.substr(0, prefix_.size() - written.size()) + std::string(authority);
  host_ = source.host_;
  recompose();
}

// A resolved path has no dot segments, but the library may leave "./" or
// "/." in front of it, as a guard for a path that starts with "//" (which
// would read as an authority) or where no guard is needed. Behind an
// authority none is; without one, "/." is the one guard that resolves to
// itself.
void URL::settleDoubleSlashPath() {
  std::string_view path = path_;
  while (path.starts_with("./") || path.starts_with("/./")) path.remove_prefix(2);
  path_ = (!host_ && path.starts_with("//") ? "/." : "") + std::string(path);
  recompose();
}

URL URL::fileURL(const std::filesystem::path& path, bool isDirectory) {
  std::error_code error;
  std::filesystem::path absolute = std::filesystem::absolute(path, error);
  if (error) absolute = path;
  std::string encoded = percentEncodePathSegment(absolute.lexically_normal().string(), "/");
  if (encoded.empty() || encoded.front() != '/') encoded = '/' + encoded;
  if (isDirectory && encoded.back() != '/') encoded += '/';
  return fromValidText("file://" + encoded);
}

URL URL::appendingPathComponent(std::string_view component) const {
  URL url = *this;
  if (url.path_.empty() ? url.host_.has_value() : url.path_.back() != '/') url.path_ += '/';
  url.path_ += percentEncodePathSegment(component, "/");
  url.recompose();
  return url;
}

std::optional<std::string> URL::host() const {
  if (!host_ || host_->empty()) return std::nullopt;
  return percentDecode(*host_);
}

bool URL::isFileURL() const { return scheme_ == "file"; }

std::filesystem::path URL::fileSystemPath() const {
  if (!isFileURL()) return {};
  auto decoded = percentDecode(path_);
  // A NUL would silently cut the path short where the system reads it.
  if (!decoded || decoded->find('\0') != std::string::npos) return {};
  return *decoded;
}

// Splits text already known to be a URL reference into its components, by
// the regular expression of RFC 3986, appendix B.
URL URL::fromValidText(std::string text) {
  URL url;
  std::size_t end = text.find_first_of("?#");
  std::size_t colon = text.find(':');
  std::size_t firstSlash = text.find('/');
  std::size_t position = 0;
  if (colon != std::string::npos && colon < std::min(end, firstSlash) && colon > 0) {
    url.scheme_ = lowercase(std::string_view(text).substr(0, colon));
    position = colon + 1;
  }
  if (text.compare(position, 2, "//") == 0) {
    std::size_t authorityEnd = std::min(text.find_first_of("/?#", position + 2), text.size());
    std::string authority = text.substr(position + 2, authorityEnd - position - 2);
    std::size_t at = authority.rfind('@');
    std::string host = at == std::string::npos ? authority : authority.substr(at + 1);
    std::size_t portColon = host.rfind(':');
    if (portColon != std::string::npos && host.find(']', portColon) == std::string::npos) {
      host.resize(portColon);
    }
    if (host.size() >= 2 && host.front() == '[') host = host.substr(1, host.size() - 2);
    url.host_ = host;
    position = authorityEnd;
  }
  url.prefix_ = text.substr(0, position);
  std::size_t pathEnd = std::min(text.find_first_of("?#", position), text.size());
  url.path_ = text.substr(position, pathEnd - position);
  std::size_t hash = text.find('#', pathEnd);
  if (pathEnd < text.size() && text[pathEnd] == '?') {
    url.query_ = text.substr(pathEnd + 1, std::min(hash, text.size()) - pathEnd - 1);
  }
  if (hash != std::string::npos) url.fragment_ = text.substr(hash + 1);
  url.text_ = std::move(text);
  return url;
}

void URL::recompose() {
  text_ = prefix_ + path_;
  if (query_) text_ += "?" + *query_;
  if (fragment_) text_ += "#" + *fragment_;
}

}  // namespace zephro
