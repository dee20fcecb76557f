# Installs the SDK into a scratch prefix, builds a sibling program against it with
# pkg-config alone, and runs it.
file(REMOVE_RECURSE ${WORK})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${WORK}/sdk
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "install failed: ${rc}")
endif()
file(GLOB_RECURSE pc ${WORK}/sdk/*/trevancom2002.pc)
get_filename_component(pcdir "${pc}" DIRECTORY)
set(ENV{PKG_CONFIG_PATH} ${pcdir})
execute_process(COMMAND pkg-config --cflags --libs trevancom2002 OUTPUT_VARIABLE flags RESULT_VARIABLE rc
                OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "pkg-config does not know trevancom2002")
endif()
separate_arguments(flags UNIX_COMMAND "${flags}")
# Against a sanitizer build of the SDK the program needs the sanitizer runtime first.
if(SANITIZE)
  list(PREPEND flags -fsanitize=address,undefined)
endif()
execute_process(COMMAND ${CXX} -std=c++20 ${SOURCE} ${flags} -o ${WORK}/stiff_sibling
                RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the sibling does not build:\n${err}")
endif()
set(ENV{LD_LIBRARY_PATH} ${pcdir}/..)
execute_process(COMMAND ${WORK}/stiff_sibling OUTPUT_VARIABLE out RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT out STREQUAL "same section, sides L,L, centre at y=-4.5\n")
  message(FATAL_ERROR "the sibling ran with ${rc}: ${out}")
endif()
