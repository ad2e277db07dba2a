#include "unexpected_token.h"

std::string unexpected_token(char const* expected, char const* found)
{
    return std::string("Unexpected token type found. Expected token_type::") + expected + ", got token_type::" + found;
}
