# Builds the Debian package of the build and checks its file list and its control fields.
# cmake -DBUILD_DIR=... -DWORK_DIR=... -DCPACK=... -DDPKG_DEB=... -P package_test.cmake
file(REMOVE_RECURSE ${WORK_DIR})
execute_process(COMMAND ${CPACK} -G DEB -B ${WORK_DIR} --config ${BUILD_DIR}/CPackConfig.cmake
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
file(GLOB packages ${WORK_DIR}/*.deb)
list(LENGTH packages count)
if(NOT rc EQUAL 0 OR NOT count EQUAL 1)
    message(FATAL_ERROR "cpack made no package: ${out}${err}")
endif()

execute_process(COMMAND ${DPKG_DEB} -c ${packages} OUTPUT_VARIABLE contents RESULT_VARIABLE rc)
set(expected /usr/bin/orvane /usr/bin/orvane-pak /usr/share/man/man6/orvane.6.gz
    /usr/share/applications/orvane.desktop /usr/share/icons/hicolor/128x128/apps/orvane.png
    /usr/share/orvane/demo/Orvane.pak /usr/share/orvane/demo/Sounds.pak
    /usr/share/orvane/demo/cursor1.cur)
if(EXISTS ${BUILD_DIR}/orvane-lint)
    list(APPEND expected /usr/bin/orvane-lint)
endif()
foreach(file IN LISTS expected)
    string(REPLACE "." "\\." pattern "${file}")
    if(NOT contents MATCHES " \\.${pattern}\n")
        message(FATAL_ERROR "${file} is not in the package:\n${contents}")
    endif()
endforeach()
# A demo played in the build folder leaves the player's files there; they must stay out.
if(contents MATCHES "/Save/|triggers\\.scn|screenshot")
    message(FATAL_ERROR "the player's files went into the package:\n${contents}")
endif()

execute_process(COMMAND ${DPKG_DEB} --field ${packages} Package Section Depends Description
                OUTPUT_VARIABLE fields RESULT_VARIABLE rc)
if(NOT fields MATCHES "Package: orvane\n" OR NOT fields MATCHES "Section: games\n" OR
   NOT fields MATCHES "Depends:[^\n]*libsdl2" OR NOT fields MATCHES "Depends:[^\n]*libc6" OR
   NOT fields MATCHES "Description: [^\n]+\n [^\n]+")
    message(FATAL_ERROR "control fields wrong:\n${fields}")
endif()
file(REMOVE_RECURSE ${WORK_DIR})
