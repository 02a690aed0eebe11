# Tests of the release ZIP that scripts/package writes (included by cmake/linux_host.cmake, which has
# chosen WIN_TEST_ARCH and configured the Wine runner). Both build the programs again in trees of
# their own; `ctest -L package` runs just these, `ctest -LE package` everything else.
# - package_as_shipped: the package for the architecture this machine runs (the shipped i686 one
#   where 32-bit code runs, else the same package built for x86_64), unpacked and run under Wine.
# - package_reproducible: the i686 package built twice from copies of the source gives the same
#   bytes; its programs carry their manifest, version and icon.
add_test(NAME package_as_shipped
         COMMAND bash ${CMAKE_SOURCE_DIR}/tests/package/as_shipped.sh ${CMAKE_SOURCE_DIR} ${WIN_TEST_ARCH}
                 ${PROJECT_VERSION} ${WINE_RUN} ${WIN_TEST_DIR}/tests ${CMAKE_BINARY_DIR}/package-tests/as-shipped)
add_test(NAME package_reproducible
         COMMAND bash ${CMAKE_SOURCE_DIR}/tests/package/reproducible.sh ${CMAKE_SOURCE_DIR} ${PROJECT_VERSION}
                 ${WINE_RUN} ${WIN_TEST_DIR}/tests ${CMAKE_BINARY_DIR}/package-tests/reproducible)
set_tests_properties(package_as_shipped package_reproducible PROPERTIES
                     RESOURCE_LOCK wine TIMEOUT 1800 SKIP_RETURN_CODE 77)
set_tests_properties(package_as_shipped PROPERTIES LABELS package)
set_tests_properties(package_reproducible PROPERTIES LABELS "package;reproducible")
