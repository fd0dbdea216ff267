# Fails when a C++ source of the project differs from what .clang-format makes of it.
file(GLOB_RECURSE sources
    ${SOURCE_DIR}/bench/*.cpp ${SOURCE_DIR}/chart/*.cpp ${SOURCE_DIR}/chart/*.h
    ${SOURCE_DIR}/cli/*.cpp ${SOURCE_DIR}/cli/*.h
    ${SOURCE_DIR}/detection/*.cpp ${SOURCE_DIR}/detection/*.h
    ${SOURCE_DIR}/fuzz/*.cpp ${SOURCE_DIR}/fuzz/*.h ${SOURCE_DIR}/tests/*.cpp ${SOURCE_DIR}/tests/*.h ${SOURCE_DIR}/text/*.cpp
    ${SOURCE_DIR}/text/*.h ${SOURCE_DIR}/window/*.cpp ${SOURCE_DIR}/window/*.h)
execute_process(COMMAND ${CLANG_FORMAT} --dry-run -Werror ${sources} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "run clang-format -i on the files above")
endif()
