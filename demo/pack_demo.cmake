# Packs the demo's Orvane.pak from its scripts and every picture the generator drew, so the
# list of pictures lives in one place: the generator.
#   cmake -DPAK_TOOL=... -DARCHIVE=... -DSCRIPT_DIR=... -DSTAGING=... -P pack_demo.cmake
file(GLOB scripts ${SCRIPT_DIR}/*.scn)
file(GLOB pictures ${STAGING}/*.jpg ${STAGING}/*.bmp)
list(SORT scripts)
list(SORT pictures)
get_filename_component(folder ${ARCHIVE} DIRECTORY)
file(MAKE_DIRECTORY ${folder})
execute_process(COMMAND ${PAK_TOOL} create --scripts ${ARCHIVE} ${scripts} ${pictures}
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "packing ${ARCHIVE} failed")
endif()
