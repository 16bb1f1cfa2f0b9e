# Writes the C++ source that tells the program what the sound module it
# loads must be: the size and SHA-256 of the module the build made.
# Usage: cmake -DMODULE=pelmora-sound.so -DOUT=SoundModuleFingerprint.cpp -P ModuleFingerprint.cmake
file(SIZE "${MODULE}" size)
file(SHA256 "${MODULE}" digest)
file(WRITE "${OUT}" "// Written by the build from the sound module it made (program/ModuleFingerprint.cmake).
#include \"program/ModuleLoader.h\"

const pelmora::ModuleFingerprint pelmora::kBuiltSoundModule{${size}u, \"${digest}\"};
")
