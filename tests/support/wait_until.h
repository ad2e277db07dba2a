#pragma once

#include <functional>

// Processes events until `done` holds or the time is up; false when it is up.
bool wait_until(std::function<bool()> const& done, int milliseconds = 2000);
