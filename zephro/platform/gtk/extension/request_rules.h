#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// The rules the web-process extension applies to every request a page makes.
// Kept free of WebKit so that they can be tested in the UI process.
namespace zephro::platform::gtk::extension {

// The private-scheme address for a page's "resource://NAME" request, or
// nothing when the address is not of that form. "resource:///..." (no host)
// stays WebKit's own GResource address.
std::optional<std::string> privateResourceUri(std::string_view uri);

// Whether a page whose file reads are confined to `root` may make a request
// for `uri`. Only "file:" addresses are confined: they must name a local file
// that is the root itself or lies beneath it once "." and ".." are resolved.
// Without a root (no file load announced one) no file may be read.
bool isRequestAllowed(const std::string& uri, const std::optional<std::filesystem::path>& root);

}  // namespace zephro::platform::gtk::extension
