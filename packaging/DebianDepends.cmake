# Read by cpack (CPACK_PROJECT_CONFIG_FILE): adds the shared libraries' packages,
# found by dpkg-shlibdeps on the built program and library, to the Depends field.
# CPack's own dpkg-shlibdeps step stays off: finding a library under /usr/lib it
# would add ldconfig calls as postinst and postrm, of no use for a private folder,
# and a postrm keeps a removed package in dpkg's "config-files" state.
if(CPACK_GENERATOR STREQUAL "DEB")
    find_program(SHLIBDEPS dpkg-shlibdeps REQUIRED)
    include(${CPACK_HALVEX_BINARIES_FILE})
    # dpkg-shlibdeps wants to run in a package's source tree.
    set(work ${CPACK_PACKAGE_DIRECTORY}/_CPack_Packages/shlibdeps)
    file(REMOVE_RECURSE ${work})
    file(MAKE_DIRECTORY ${work}/debian)
    file(TOUCH ${work}/debian/control)
    execute_process(
        COMMAND ${SHLIBDEPS} --ignore-missing-info -l${private_library_dir} -O ${binaries}
        WORKING_DIRECTORY ${work}
        RESULT_VARIABLE status
        OUTPUT_VARIABLE substvars
        ERROR_VARIABLE warnings)
    string(REGEX MATCH "shlibs:Depends=([^\n]*)" found "${substvars}")
    if(NOT status EQUAL 0 OR NOT CMAKE_MATCH_1)
        message(FATAL_ERROR "dpkg-shlibdeps failed (${status}):\n${warnings}")
    endif()
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "${CPACK_DEBIAN_PACKAGE_DEPENDS}, ${CMAKE_MATCH_1}")
endif()
