# The Debian package: cmake --build build --target package writes
# build/roccalc_<version>_<arch>.deb with both programs, the desktop files,
# the manual pages, the bash completion, the copyright and the changelog.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME roccalc)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The roccalc developers <roccalc@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "calculator for ROC-curve variables of detection in Gaussian noise")
set(CPACK_PACKAGE_DESCRIPTION
    "roccalc computes the variables of the ROC curves of a known signal in
Gaussian noise, as sonar and radar detection engineers use them: the
threshold q from a set false-alarm probability, the detection index d from
a set detection probability (and the detection probability of a set d),
and the signal-to-noise ratio in dB from d, a bandwidth and an RC time.
Every shown digit comes from a fixed-step sum and fixed grids, so it is
reproducible; the exact normal theory is shown beside it.

The package holds the window, roccalc, which also draws the ROC curves on
normal-probability scales, and the command line, roccalc-cli, with flags,
session replay and CSV batch modes, JSON output and SVG or PNG charts.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)

# Built, unpacked, run and checked by lintian, in the Release build (the one
# ./test.sh packages).
if(ROCCALC_BUILD_TESTS AND ROCCALC_BUILD_WINDOW AND ROCCALC_BUILD_CLI
   AND CMAKE_BUILD_TYPE STREQUAL "Release")
    add_test(NAME debian_package
             COMMAND bash ${PROJECT_SOURCE_DIR}/tests/package/package_test.sh
                     ${PROJECT_BINARY_DIR} ${PROJECT_VERSION})
    set_tests_properties(debian_package PROPERTIES LABELS package RUN_SERIAL TRUE TIMEOUT 900
                         ENVIRONMENT "LC_ALL=C.UTF-8")
endif()
