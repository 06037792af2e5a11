#pragma once
// The Package and Group options end up inside quoted EXEC commands and in
// object names: a text holding a double quote or a control character could
// end a quoted name or add a line, so it is no valid value of either.

#include <string_view>

bool IsValidOptionText(std::string_view text);

// Why IsValidOptionText refuses a text, for messages.
constexpr const char* kOptionTextRule = "a package or group name cannot hold a double quote or a control character";
