// The login information the pages hand over, kept in the user-defaults store
// so that it survives restarts, plus a process-wide in-memory copy. Writing
// it derives the access token, stores it under "loginUserToken" (read by the
// start-up script, the root screen and the "app" scope) and passes it to the
// host's socket manager.
#pragma once

#include <optional>
#include <string>

#include "zephro/platform/foundation/kinds.h"
#include "zephro/platform/foundation/user_defaults.h"

namespace zephro {

inline constexpr char kLoginUserInfoKey[] = "loginUserInfo";
inline constexpr char kLoginUserTokenKey[] = "loginUserToken";

// The in-memory copy, else the compact JSON bytes stored under
// "loginUserInfo", parsed. Always consults the standard store, whichever
// `defaults` it is called on: the copy is process-wide, so is its source.
// Absent when nothing is stored or the data is not a JSON object.
std::optional<PlainMap> loginUserInfo(platform::foundation::UserDefaults& defaults);

// Replaces the copy, stores `info` as compact JSON bytes under
// "loginUserInfo" (removes the key for an absent value or one JSON cannot
// hold), then applies setLoginToken with the token `info` carries.
void setLoginUserInfo(platform::foundation::UserDefaults& defaults, std::optional<PlainMap> info);

// Stores a non-empty token under "loginUserToken" (removes it otherwise), then
// gives the token as it is (absent or empty included) to the host's socket
// manager, if one is set, and has it reconnect.
void setLoginToken(platform::foundation::UserDefaults& defaults, const std::optional<std::string>& token);

// info.userToken.accessToken when userToken is an object and accessToken a
// string; absent otherwise.
std::optional<std::string> loginAccessToken(const PlainMap& info);

// Drops the in-memory copy, as a new process would start (tests).
void forgetLoginUserInfoCopy();

}  // namespace zephro
