// SPDX-License-Identifier: MIT
#pragma once
// The hash a Content-Security-Policy names an inline script or stylesheet by.

#include <string>
#include <string_view>

namespace geometry::web {

// "'sha256-<base64 of the SHA-256 of text>'", as a policy's source expression.
std::string sha256Source(std::string_view text);

}  // namespace geometry::web
