#pragma once

#include <array>
#include <vector>

namespace varo {

// The key of a layout property. Ids are unique in construction order;
// copies keep the id, so a copy compares equal to its original.
class property {
public:
    property();

    // Properties separated by commas build a list.
    std::vector<property*> operator,(std::vector<property*> list);

    int id;

    static int type_counter;
};

// A property carrying N values of type T.
template <typename T, int N>
class property_type : public property {
public:
    std::array<T, N> values{};
};

// A flag: a property without values.
template <>
class property_type<void, 1> : public property {
};

bool operator==(property* a, property b);

std::vector<property*> make_property_vector();
std::vector<property*> _convert_to_property_vector(property_type<void, 1>& flag);
std::vector<property*> _convert_to_property_vector(std::vector<property*> list);

}
