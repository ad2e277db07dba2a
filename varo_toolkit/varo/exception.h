#pragma once

#include <exception>
#include <string>

namespace varo {

// The toolkit's exception: its message also goes to standard error, so it
// reaches the application log even when nobody catches it.
class exception : public std::exception {
public:
    explicit exception(std::string message);
    ~exception() override;
    const char* what() const noexcept override;

private:
    std::string message;
};

}
