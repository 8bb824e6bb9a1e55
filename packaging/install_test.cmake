# Installs the build into a fresh prefix, moves the prefix elsewhere, and starts the installed
# engine with no game configured from an empty folder: it must find the installed demo from its
# own place and say how to choose a game.
# cmake -DBUILD_DIR=... -DWORK_DIR=... -P install_test.cmake
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR}/empty ${WORK_DIR}/home)

execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${WORK_DIR}/prefix
                RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${err}")
endif()
file(RENAME ${WORK_DIR}/prefix ${WORK_DIR}/moved)
set(prefix ${WORK_DIR}/moved)

set(expected bin/orvane bin/orvane-pak share/man/man6/orvane.6.gz
    share/applications/orvane.desktop share/icons/hicolor/48x48/apps/orvane.png
    share/icons/hicolor/256x256/apps/orvane.png share/orvane/demo/Orvane.pak
    share/orvane/demo/Sounds.pak share/orvane/demo/cursor1.cur)
if(EXISTS ${BUILD_DIR}/orvane-lint)
    list(APPEND expected bin/orvane-lint)
endif()
foreach(file IN LISTS expected)
    if(NOT EXISTS ${prefix}/${file})
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()

file(WRITE ${WORK_DIR}/events.txt "wait 3000\nstate ${WORK_DIR}/state.txt\nquit\n")
# No orvane.ini anywhere: the player's folders point into the test's own home.
execute_process(
    COMMAND ${CMAKE_COMMAND} -E env HOME=${WORK_DIR}/home XDG_CONFIG_HOME=${WORK_DIR}/home/config
            XDG_DATA_HOME=${WORK_DIR}/home/data
            ${prefix}/bin/orvane --headless --events ${WORK_DIR}/events.txt
    WORKING_DIRECTORY ${WORK_DIR}/empty
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 120)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "the installed orvane failed (${rc}): ${out}${err}")
endif()
if(NOT err MATCHES "playing the demo in [^\n]*/moved/share/orvane/demo" OR
   NOT err MATCHES "--game-dir" OR NOT err MATCHES "orvane\\.ini")
    message(FATAL_ERROR "no word on stderr of the demo and how to choose a game: ${err}")
endif()
if(NOT EXISTS ${WORK_DIR}/state.txt)
    message(FATAL_ERROR "no state dump written")
endif()
file(READ ${WORK_DIR}/state.txt state)
# The demo reached its main menu with its own music.
if(NOT state MATCHES "\nscene_name=main_menu\n" OR NOT state MATCHES "\nmusic_track=music_")
    message(FATAL_ERROR "the demo did not start:\n${state}")
endif()

execute_process(COMMAND ${prefix}/bin/orvane-pak list ${prefix}/share/orvane/demo/Orvane.pak
                RESULT_VARIABLE rc OUTPUT_VARIABLE listing ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT listing MATCHES "master\\.scn")
    message(FATAL_ERROR "the installed orvane-pak cannot read the installed demo: ${err}")
endif()
file(REMOVE_RECURSE ${WORK_DIR})
