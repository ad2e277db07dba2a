#pragma once

#include <QByteArray>

#include <sys/types.h>

#include <vector>

// Someone else on the machine, by number: no account is needed to take
// their place.
struct other_user {
    uid_t user;
    gid_t group;
    std::vector<gid_t> groups;
};

// Only root may take another user's place, and only for the users its
// namespace maps, so the callers skip without it.
bool may_become(other_user const& who);

// Whether `who` may open the file at `path` for reading, tried in a child
// process that has become them.
bool may_read(other_user const& who, QByteArray const& path);

// While it lives, this thread alone acts as `who`, so the code under test
// meets the system as they would; root's place is taken back after. The
// other threads and the saved identity stay root's.
class acting_as {
public:
    explicit acting_as(other_user const& who);
    ~acting_as();

    acting_as(acting_as const&) = delete;
    acting_as& operator=(acting_as const&) = delete;

private:
    std::vector<gid_t> saved_groups;
};

// The path of the file open as `handle`.
QByteArray path_of(int handle);
