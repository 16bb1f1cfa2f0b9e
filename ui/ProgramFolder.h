// The folder that holds the running program, where its sounds and its sound
// module lie.
#pragma once

#include <string>

namespace pelmora {

// The folder of the program file, links resolved, without a trailing
// separator, as the bytes the file system has: a folder name need not be
// valid UTF-8 (or text at all). Empty if the system will not say.
std::string programFolder();

}  // namespace pelmora
