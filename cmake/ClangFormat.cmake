# Formats (MODE=fix) or checks (MODE=check) every C++ source of the repository.
file(GLOB_RECURSE files ${ROOT}/src/*.cpp ${ROOT}/src/*.h ${ROOT}/tests/*.cpp ${ROOT}/tests/*.h
     ${ROOT}/bench/*.cpp ${ROOT}/bench/*.h ${ROOT}/tools/*.cpp ${ROOT}/tools/*.h ${ROOT}/fuzz/*.cpp ${ROOT}/fuzz/*.h)
if(MODE STREQUAL "fix")
  execute_process(COMMAND ${CLANG_FORMAT} -i ${files} RESULT_VARIABLE rc)
else()
  execute_process(COMMAND ${CLANG_FORMAT} --dry-run --Werror ${files} RESULT_VARIABLE rc)
endif()
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "clang-format ${MODE} failed")
endif()
