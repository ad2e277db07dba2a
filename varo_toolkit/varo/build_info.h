#pragma once

// What the program was built from, written at build time: abbreviated
// commit hashes ("unknown" outside a checkout), the application's version
// and the local build time in the compiler's date format ("Nov 24 2023
// 12:33:51").
namespace varo::build_info {

extern char const application_commit[];
extern char const toolkit_commit[];
extern char const application_version[];
extern char const build_time[];

}
