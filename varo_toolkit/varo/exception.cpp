#include "varo/exception.h"

#include <iostream>

namespace varo {

exception::exception(std::string message) : message(std::move(message))
{
    std::cerr << this->message << std::endl;
}

exception::~exception() = default;

const char* exception::what() const noexcept
{
    return message.c_str();
}

}
