# Build rules shared by every folder of the project.
#
#   ventro_core_library(NAME SOURCES ... [DEPS ...])   platform-neutral, both builds
#   ventro_win_library(NAME SOURCES ... [DEPS ...])    Windows build only
#   ventro_test(NAME SOURCES ... [DEPS ...] [WIN_ONLY] [NATIVE_ONLY])
#       a GoogleTest program, run natively and/or under Wine by CTest
#   ventro_fuzz_target(NAME SOURCES ... [DEPS ...] CORPUS DIR)
#       libFuzzer target in the fuzz build; in the native test build a replay
#       program that runs every corpus file through the target

set(VENTRO_ROOT ${CMAKE_CURRENT_LIST_DIR}/..)
get_filename_component(VENTRO_ROOT ${VENTRO_ROOT} ABSOLUTE)
set(VENTRO_RESULTS_DIR ${CMAKE_BINARY_DIR}/test-results)
file(MAKE_DIRECTORY ${VENTRO_RESULTS_DIR})

if(WIN32)
  add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
  # One self-contained .exe: no libgcc, libstdc++ or winpthread DLLs beside it.
  add_link_options(-static -static-libgcc -static-libstdc++)
endif()
add_compile_options(-Wall -Wextra $<$<COMPILE_LANGUAGE:CXX>:-Wno-missing-field-initializers>)
if(NOT CMAKE_BUILD_TYPE)
  set(CMAKE_BUILD_TYPE RelWithDebInfo)
endif()

if(VENTRO_SANITIZE AND NOT WIN32)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
if(VENTRO_FUZZ)
  add_compile_options(-fsanitize=address,undefined,fuzzer-no-link -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# Third-party libraries, all from Debian packages.
if(WIN32)
  set(VENTRO_DEPS ${VENTRO_ROOT}/build/deps/mingw)
  add_library(ventro_jpeg STATIC IMPORTED GLOBAL)
  set_target_properties(ventro_jpeg PROPERTIES IMPORTED_LOCATION ${VENTRO_DEPS}/lib/libjpeg.a
    INTERFACE_INCLUDE_DIRECTORIES ${VENTRO_DEPS}/include)
  find_library(VENTRO_ZLIB_LIB NAMES libz.a z REQUIRED)
  add_library(ventro_zlib INTERFACE)
  target_link_libraries(ventro_zlib INTERFACE ${VENTRO_ZLIB_LIB})
else()
  find_package(ZLIB REQUIRED)
  add_library(ventro_zlib INTERFACE)
  target_link_libraries(ventro_zlib INTERFACE ZLIB::ZLIB)
  find_package(JPEG)
  if(JPEG_FOUND)
    add_library(ventro_jpeg INTERFACE)
    target_link_libraries(ventro_jpeg INTERFACE JPEG::JPEG)
  endif()
endif()
find_package(nlohmann_json 3 QUIET)
if(NOT nlohmann_json_FOUND)
  # The cross build sees the header-only library through a folder of its own:
  # adding /usr/include itself would mix the host's C headers into it.
  set(json_include ${CMAKE_BINARY_DIR}/json-include)
  file(MAKE_DIRECTORY ${json_include})
  if(NOT EXISTS ${json_include}/nlohmann)
    file(CREATE_LINK /usr/include/nlohmann ${json_include}/nlohmann SYMBOLIC)
  endif()
  add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED GLOBAL)
  set_target_properties(nlohmann_json::nlohmann_json PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${json_include})
endif()

if(VENTRO_TESTS AND NOT VENTRO_FUZZ)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  enable_testing()
endif()

# Google Benchmark: Debian's library natively; for the cross target built here
# from Debian's source (tools/build-cross-deps.sh unpacks it), as GoogleTest is.
if(VENTRO_BENCH)
  if(WIN32)
    set(benchmark_source ${VENTRO_ROOT}/build/deps/src/benchmark)
    if(NOT EXISTS ${benchmark_source}/CMakeLists.txt)
      message(FATAL_ERROR "Google Benchmark's source is missing from ${benchmark_source}: run tools/build-cross-deps.sh")
    endif()
    foreach(part TESTING GTEST_TESTS INSTALL WERROR DOXYGEN LIBPFM)
      set(BENCHMARK_ENABLE_${part} OFF CACHE BOOL "" FORCE)
    endforeach()
    # Debian's build names the version (its patches stop reading Git tags);
    # "0.0.0" makes the source take the one its project() declares.
    set(GIT_VERSION "0.0.0")
    add_subdirectory(${benchmark_source} ${CMAKE_BINARY_DIR}/benchmark EXCLUDE_FROM_ALL)
    # Its Windows code uses the ANSI entry points through TCHAR.
    target_compile_options(benchmark PRIVATE -UUNICODE -U_UNICODE)
  else()
    find_package(benchmark REQUIRED)
  endif()
endif()

function(_ventro_common target)
  target_include_directories(${target} PUBLIC ${VENTRO_ROOT})
endfunction()

function(ventro_core_library name)
  cmake_parse_arguments(A "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${A_SOURCES})
  _ventro_common(${name})
  if(A_DEPS)
    target_link_libraries(${name} PUBLIC ${A_DEPS})
  endif()
endfunction()

function(ventro_win_library name)
  if(WIN32)
    ventro_core_library(${name} ${ARGN})
  endif()
endfunction()

# Registers a program as a CTest test whose GoogleTest results go to an XML
# file the summary reads. Under Wine the path is given in Windows form.
function(ventro_add_gtest name target)
  set(xml ${VENTRO_RESULTS_DIR}/${name}.xml)
  if(WIN32)
    set(xml "Z:${xml}")
  endif()
  add_test(NAME ${name} COMMAND ${target} ${ARGN})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "GTEST_OUTPUT=xml:${xml}" TIMEOUT 600)
endfunction()

function(ventro_test name)
  cmake_parse_arguments(A "WIN_ONLY;NATIVE_ONLY;CONSOLE" "" "SOURCES;DEPS" ${ARGN})
  if(NOT VENTRO_TESTS OR VENTRO_FUZZ)
    return()
  endif()
  if((A_WIN_ONLY AND NOT WIN32) OR (A_NATIVE_ONLY AND WIN32))
    return()
  endif()
  add_executable(${name} ${A_SOURCES})
  _ventro_common(${name})
  target_link_libraries(${name} PRIVATE ${A_DEPS} GTest::gmock GTest::gtest_main)
  ventro_add_gtest(${name} ${name})
endfunction()

function(ventro_fuzz_target name)
  cmake_parse_arguments(A "" "CORPUS" "SOURCES;DEPS" ${ARGN})
  if(WIN32)
    return()
  endif()
  if(VENTRO_FUZZ)
    add_executable(${name} ${A_SOURCES})
    _ventro_common(${name})
    target_link_libraries(${name} PRIVATE ${A_DEPS})
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  elseif(VENTRO_TESTS)
    add_executable(${name}_replay ${A_SOURCES} ${VENTRO_ROOT}/fuzz/ReplayMain.cpp)
    _ventro_common(${name}_replay)
    target_link_libraries(${name}_replay PRIVATE ${A_DEPS})
    add_test(NAME ${name}_corpus COMMAND ${name}_replay ${A_CORPUS})
    set_tests_properties(${name}_corpus PROPERTIES TIMEOUT 600)
  endif()
endfunction()

# Adds every subfolder of the current folder that has build rules of its own.
function(ventro_add_subfolders)
  file(GLOB children LIST_DIRECTORIES true ${CMAKE_CURRENT_SOURCE_DIR}/*)
  foreach(child ${children})
    if(IS_DIRECTORY ${child} AND EXISTS ${child}/CMakeLists.txt)
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()
