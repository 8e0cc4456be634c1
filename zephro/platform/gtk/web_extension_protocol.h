#pragma once

// What the UI process and the web-process extension agree on. Header only:
// the extension is a separate module and links nothing of the kit.

namespace zephro::platform::gtk::web_extension_protocol {

// The scheme pages use for files of the temporary directory. WebKit keeps
// "resource" for its own GResources and never hands it to an application, so
// the extension moves such requests to a private scheme served by the kit.
inline constexpr const char* kPageResourceScheme = "resource";
inline constexpr const char* kPrivateResourceScheme = "zephro-resource";

// Context-wide message telling every web process the directory that confines
// file:// reads of one page. Parameters "(ts)": the page id and the root path;
// an empty root forgets the page.
inline constexpr const char* kReadAccessRootMessage = "zephro.read-access-root";
inline constexpr const char* kReadAccessRootMessageType = "(ts)";

// Initialisation data of a new web process: the roots already in force,
// "a{ts}" from page id to root path.
inline constexpr const char* kInitialRootsType = "a{ts}";

// Takes the script-message handlers from a document, run before its own
// scripts. window.webkit itself cannot be removed (it is a fixed property of
// the window); the handlers' getter on its prototype can.
inline constexpr const char* kTakeBridgeScript =
    "if (window.webkit) delete Object.getPrototypeOf(window.webkit).messageHandlers;";
// Whether the window `w` still has them.
inline constexpr const char* kHasBridgeExpression = "(w.webkit !== undefined && 'messageHandlers' in w.webkit)";

}  // namespace zephro::platform::gtk::web_extension_protocol
