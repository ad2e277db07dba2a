#pragma once

#include <map>
#include <mutex>
#include <string>

namespace varo {

// A process-wide store of strings; every access goes through its mutex, so
// it may be read from any thread.
template <typename Key = std::string, typename Value = std::string, typename Map = std::map<Key, Value>>
class global_storage {
public:
    static Map& data()
    {
        static Map map;
        return map;
    }

    static std::mutex& lock()
    {
        static std::mutex mutex;
        return mutex;
    }

    static Value get(Key const& key, Value const& default_value)
    {
        std::lock_guard<std::mutex> guard(lock());
        auto const found = data().find(key);
        return found == data().end() ? default_value : found->second;
    }
};

extern template class global_storage<std::string, std::string, std::map<std::string, std::string>>;

}
