#include "varo/property.h"

namespace varo {

int property::type_counter = 0;

property::property() : id(type_counter++) {}

std::vector<property*> property::operator,(std::vector<property*> list)
{
    list.push_back(this);
    return list;
}

bool operator==(property* a, property b)
{
    return a && a->id == b.id;
}

std::vector<property*> make_property_vector()
{
    return {};
}

std::vector<property*> _convert_to_property_vector(property_type<void, 1>& flag)
{
    return {&flag};
}

std::vector<property*> _convert_to_property_vector(std::vector<property*> list)
{
    return list;
}

}
