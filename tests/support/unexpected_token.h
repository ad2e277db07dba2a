#pragma once

#include <string>

// The Lua-table reader's error when the grammar needs a token of type
// `expected` and finds one of type `found` (enumerators of token_type).
std::string unexpected_token(char const* expected, char const* found);
