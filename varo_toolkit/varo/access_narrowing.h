#pragma once

#include <sys/acl.h>
#include <sys/types.h>

namespace varo {

// What a replacement could not take over from the file it replaces. Each
// lost part moves someone into another class of the permissions, so the
// classes are narrowed until no one gains by the move.
struct lost_identity {
    bool owner = false;
    bool group = false;
    // The replacement's owning group where the old one was lost.
    gid_t new_group = gid_t(-1);
};

// The permission bits `bits` (no set-ID bits) with no class getting what
// the old owner lacked, where the owner is lost, and the owning group and
// others each getting only what both had, where the group is lost.
mode_t narrowed_permission_bits(mode_t bits, lost_identity const& lost);

// The same for an access ACL, changed in place: where the group is lost,
// the new owning group also gets no more than a named entry for it had,
// and others no more than the old owning group got through the mask.
// Tells whether any entry changed.
bool narrow_acl(acl_t acl, lost_identity const& lost);

}
