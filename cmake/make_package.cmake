# Writes the release ZIP (run by the target package_zip): stages the files of the install rules
# in a folder named like the ZIP, zips it with every entry dated SOURCE_DATE_EPOCH, and lists the
# SHA-256 of every ZIP in the dist folder in SHA256SUMS.
# -D: BUILD_DIR, STAGE, NAME, DIST, MAKE_ZIP, VERSION, CHANGES, SOURCE_DIR, CONFIG
cmake_minimum_required(VERSION 3.20)

# The change log must describe the version being released.
file(STRINGS ${CHANGES} versions REGEX "^[0-9]+\\.[0-9]+\\.[0-9]+$")
list(GET versions 0 newest)
if(NOT newest STREQUAL VERSION)
  message(FATAL_ERROR "packaging/CHANGES.txt starts with ${newest}, not with the version ${VERSION}")
endif()

set(epoch $ENV{SOURCE_DATE_EPOCH})
if(epoch STREQUAL "")
  execute_process(COMMAND git -C ${SOURCE_DIR} log -1 --format=%ct
                  OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET RESULT_VARIABLE status)
  if(NOT status EQUAL 0 OR epoch STREQUAL "")
    message(FATAL_ERROR "Set SOURCE_DATE_EPOCH (no git commit to take the time from)")
  endif()
endif()

file(REMOVE_RECURSE ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --config ${CONFIG} --prefix ${STAGE}/${NAME}
                OUTPUT_QUIET RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "Installing into ${STAGE} failed")
endif()

file(MAKE_DIRECTORY ${DIST})
execute_process(COMMAND ${MAKE_ZIP} ${DIST}/${NAME}.zip ${epoch} ${STAGE} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "Writing ${DIST}/${NAME}.zip failed")
endif()

file(GLOB zips RELATIVE ${DIST} ${DIST}/*.zip)
list(SORT zips)
set(sums "")
foreach(zip IN LISTS zips)
  file(SHA256 ${DIST}/${zip} hash)
  string(APPEND sums "${hash}  ${zip}\n")
endforeach()
file(WRITE ${DIST}/SHA256SUMS "${sums}")
message(STATUS "${DIST}/${NAME}.zip")
