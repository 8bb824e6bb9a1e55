# Packs every voice orvane-demo-sounds wrote into the demo's Sounds.pak. The entries are stored
# as they are: the engine hands a voice's bytes to the sound device unchanged.
#   cmake -DPAK_TOOL=... -DARCHIVE=... -DSTAGING=... -P pack_sounds.cmake
file(GLOB voices ${STAGING}/*.wav)
list(SORT voices)
if(NOT voices)
    message(FATAL_ERROR "no voices in ${STAGING}")
endif()
get_filename_component(folder ${ARCHIVE} DIRECTORY)
file(MAKE_DIRECTORY ${folder})
execute_process(COMMAND ${PAK_TOOL} create ${ARCHIVE} ${voices} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "packing ${ARCHIVE} failed")
endif()
