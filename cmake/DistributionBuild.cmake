# A release build is built as Debian builds its own packages: hardened with
# the flags dpkg-buildflags gives with every hardening feature on (fortify,
# stack protector, format checks, relro, bindnow), and its installed
# binaries stripped as dh_strip strips them.
#
# The optimisation level and debug information stay the build type's
# (Release: -O3, no -g), which is what the benchmarks measure; sanitizer,
# fuzz and debug builds keep their own flags and their symbols.
option(PELMORA_DISTRIBUTION_BUILD
  "Harden and strip release builds as dpkg-buildflags and dh_strip do" ON)
find_program(PELMORA_DPKG_BUILDFLAGS dpkg-buildflags)
mark_as_advanced(PELMORA_DPKG_BUILDFLAGS)

set(pelmora_distribution_build OFF)
if(PELMORA_DISTRIBUTION_BUILD AND CMAKE_BUILD_TYPE STREQUAL "Release" AND NOT PELMORA_SANITIZE)
  set(pelmora_distribution_build ON)
endif()

# dpkg-buildflags' flags of one kind (CPPFLAGS, CXXFLAGS, LDFLAGS) as a list,
# without those that set the optimisation level or debug information.
function(pelmora_dpkg_buildflags kind out)
  execute_process(
    COMMAND "${CMAKE_COMMAND}" -E env
      "DEB_BUILD_MAINT_OPTIONS=hardening=+all $ENV{DEB_BUILD_MAINT_OPTIONS}"
      "${PELMORA_DPKG_BUILDFLAGS}" --get ${kind}
    # -ffile-prefix-map maps the folder it runs in: the source tree.
    WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}"
    OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE
    RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "dpkg-buildflags --get ${kind} failed: ${status}")
  endif()
  separate_arguments(flags UNIX_COMMAND "${flags}")
  list(FILTER flags EXCLUDE REGEX "^-(g[0-9a-z]*|O[0-9a-z]*)$")
  set(${out} ${flags} PARENT_SCOPE)
endfunction()

if(pelmora_distribution_build AND PELMORA_DPKG_BUILDFLAGS)
  pelmora_dpkg_buildflags(CPPFLAGS pelmora_cppflags)
  pelmora_dpkg_buildflags(CXXFLAGS pelmora_cxxflags)
  pelmora_dpkg_buildflags(LDFLAGS pelmora_ldflags)
  add_compile_options(${pelmora_cppflags} ${pelmora_cxxflags})
  add_link_options(${pelmora_ldflags})
endif()

# Strips `target` right after it is linked, in a release build, so that the
# bytes installed and packaged are the bytes built: nothing rewrites them on
# the way into the package. Shared objects keep the symbols other objects
# link against (--strip-unneeded); the notes and comments go as well.
function(pelmora_strip_after_link target)
  if(NOT pelmora_distribution_build OR NOT CMAKE_STRIP)
    return()
  endif()
  get_target_property(type ${target} TYPE)
  set(symbols --strip-all)
  if(type STREQUAL "MODULE_LIBRARY" OR type STREQUAL "SHARED_LIBRARY")
    set(symbols --strip-unneeded)
  endif()
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND "${CMAKE_STRIP}" ${symbols} --remove-section=.comment --remove-section=.note
      "$<TARGET_FILE:${target}>"
    VERBATIM)
endfunction()
