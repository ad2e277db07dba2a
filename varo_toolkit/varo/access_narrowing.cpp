#include "varo/access_narrowing.h"

#include <acl/libacl.h>

namespace varo {

namespace {

using permissions = unsigned;

acl_perm_t const each_permission[] = {ACL_READ, ACL_WRITE, ACL_EXECUTE};
permissions const all = ACL_READ | ACL_WRITE | ACL_EXECUTE;

// A class's three bits, as the owner's, the group's or others' of a mode.
mode_t class_bits(mode_t bits, int shift)
{
    return (bits >> shift) & 07;
}

acl_tag_t tag_of(acl_entry_t entry)
{
    acl_tag_t tag;
    return acl_get_tag_type(entry, &tag) == 0 ? tag : ACL_UNDEFINED_TAG;
}

acl_entry_t entry_of(acl_t acl, acl_tag_t wanted, gid_t const* group = nullptr)
{
    acl_entry_t entry;
    for (int which = ACL_FIRST_ENTRY; acl_get_entry(acl, which, &entry) == 1; which = ACL_NEXT_ENTRY) {
        if (tag_of(entry) != wanted)
            continue;
        if (!group)
            return entry;
        auto* const qualifier = static_cast<gid_t*>(acl_get_qualifier(entry));
        bool const same = qualifier && *qualifier == *group;
        acl_free(qualifier);
        if (same)
            return entry;
    }
    return nullptr;
}

// What `entry` grants; `absent` where there is no such entry.
permissions permissions_of(acl_entry_t entry, permissions absent)
{
    acl_permset_t set;
    if (!entry || acl_get_permset(entry, &set) != 0)
        return absent;
    permissions granted = 0;
    for (acl_perm_t const permission : each_permission)
        if (acl_get_perm(set, permission) == 1)
            granted |= permission;
    return granted;
}

// Tells whether the entry lost a permission.
bool limit(acl_entry_t entry, permissions allowed)
{
    acl_permset_t set;
    if (!entry || acl_get_permset(entry, &set) != 0)
        return false;
    bool changed = false;
    for (acl_perm_t const permission : each_permission)
        if (!(allowed & permission) && acl_get_perm(set, permission) == 1) {
            acl_delete_perm(set, permission);
            changed = true;
        }
    return changed && acl_set_permset(entry, set) == 0;
}

bool narrow_for_owner(acl_t acl)
{
    permissions const owner = permissions_of(entry_of(acl, ACL_USER_OBJ), 0);
    bool changed = false;
    acl_entry_t entry;
    for (int which = ACL_FIRST_ENTRY; acl_get_entry(acl, which, &entry) == 1; which = ACL_NEXT_ENTRY)
        if (tag_of(entry) != ACL_USER_OBJ)
            changed = limit(entry, owner) || changed;
    return changed;
}

bool narrow_for_group(acl_t acl, gid_t new_group)
{
    acl_entry_t const group_entry = entry_of(acl, ACL_GROUP_OBJ);
    acl_entry_t const other_entry = entry_of(acl, ACL_OTHER);
    permissions const group = permissions_of(group_entry, 0);
    permissions const other = permissions_of(other_entry, 0);
    permissions const mask = permissions_of(entry_of(acl, ACL_MASK), all);
    permissions const named = permissions_of(entry_of(acl, ACL_GROUP, &new_group), all);
    bool const group_changed = limit(group_entry, group & other & named);
    bool const other_changed = limit(other_entry, other & group & mask);
    return group_changed || other_changed;
}

}

mode_t narrowed_permission_bits(mode_t bits, lost_identity const& lost)
{
    mode_t owner = class_bits(bits, 6);
    mode_t group = class_bits(bits, 3);
    mode_t other = class_bits(bits, 0);
    if (lost.owner) {
        group &= owner;
        other &= owner;
    }
    if (lost.group)
        group = other = group & other;
    return (owner << 6) | (group << 3) | other;
}

bool narrow_acl(acl_t acl, lost_identity const& lost)
{
    bool changed = false;
    if (lost.owner)
        changed = narrow_for_owner(acl);
    if (lost.group)
        changed = narrow_for_group(acl, lost.new_group) || changed;
    return changed;
}

}
