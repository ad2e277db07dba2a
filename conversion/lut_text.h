#pragma once

#include <string>
#include <vector>

namespace conversion {

// Text and number helpers of the 3DL reader.
double string_to_double(std::string const& text, double fallback);
bool starts_with(std::string const& text, std::string const& prefix);
std::vector<std::string> split_string(std::string const& text, char separator, int max_splits);

// Truncates toward zero, saturating at the int range (NaN gives 0).
int truncate_to_int(double value);

}
