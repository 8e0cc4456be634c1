// A URL reference (RFC 3986), absolute or relative, parsed and resolved with
// liburiparser. Components are kept as written (percent-encoded); the
// accessors that name files or hosts decode.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zephro {

class URL {
 public:
  // Absent for text that is not a URL reference (spaces, characters outside
  // the URL character set, malformed percent escapes). Relative references
  // such as "/home/index.html" or "?id=3" parse.
  static std::optional<URL> parse(std::string_view text);
  // Resolves `text` against `base` ("?id=3" against file:///a/index.html
  // gives file:///a/index.html?id=3). Absent when either is not a URL
  // reference or `base` has no scheme.
  static std::optional<URL> parse(std::string_view text, const URL& base);
  // A file:// URL for `path`, made absolute against the current directory and
  // percent-encoded; a directory URL ends in "/".
  static URL fileURL(const std::filesystem::path& path, bool isDirectory = false);

  // This URL with one more path segment; `component` is percent-encoded
  // (a "/" inside it stays a separator), a trailing "/" is kept.
  URL appendingPathComponent(std::string_view component) const;

  // Lower-case scheme, empty for a relative reference.
  const std::string& scheme() const { return scheme_; }
  // Decoded host; absent when the reference has no host. Decoding may yield
  // "/" or "..": callers that name files after a host must check.
  std::optional<std::string> host() const;
  // The path as written (percent-encoded), "" when empty.
  const std::string& path() const { return path_; }
  // The query without its "?", as written; absent when there is none.
  const std::optional<std::string>& query() const { return query_; }
  const std::optional<std::string>& fragment() const { return fragment_; }
  bool isFileURL() const;
  // Decoded path of a file URL (empty for other URLs).
  std::filesystem::path fileSystemPath() const;
  // The whole reference as text.
  const std::string& absoluteString() const { return text_; }

  friend bool operator==(const URL& a, const URL& b) { return a.text_ == b.text_; }

 private:
  URL() = default;
  static URL fromValidText(std::string text);
  void recompose();
  // Takes the authority (user, host, port) of `source` as written there.
  void keepAuthorityOf(const URL& source);
  void settleDoubleSlashPath();

  std::string text_;
  std::string scheme_;
  std::string prefix_;               // scheme and authority, as written
  std::optional<std::string> host_;  // as written
  std::string path_;
  std::optional<std::string> query_;
  std::optional<std::string> fragment_;
};

}  // namespace zephro
