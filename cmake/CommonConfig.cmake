# Compile settings shared by every target of the project.
add_library(qx_common INTERFACE)
target_compile_features(qx_common INTERFACE cxx_std_20)
set(CMAKE_CXX_EXTENSIONS OFF)
target_compile_options(qx_common INTERFACE -Wall -Wextra)
# GCC 12 reports std::string concatenations that it inlines at -O2 and above
# as overlapping copies (GCC bug 105329), which breaks Release builds.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(qx_common INTERFACE -Wno-restrict)
endif()

option(QX_WERROR "Treat warnings as errors" OFF)
if(QX_WERROR)
  target_compile_options(qx_common INTERFACE -Werror)
endif()

# "Asan" build type: AddressSanitizer and UndefinedBehaviorSanitizer. GCC 12
# reports false "maybe uninitialized" warnings in instrumented library code
# (std::regex, std::function), so that one warning is off there.
set(CMAKE_CXX_FLAGS_ASAN "-O1 -g -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined -Wno-maybe-uninitialized")
set(CMAKE_C_FLAGS_ASAN "${CMAKE_CXX_FLAGS_ASAN}")
set(CMAKE_EXE_LINKER_FLAGS_ASAN "-fsanitize=address,undefined")
set(CMAKE_SHARED_LINKER_FLAGS_ASAN "-fsanitize=address,undefined")

# "Fuzz" build type (clang only): the whole code with libFuzzer's coverage
# and both sanitizers, for the targets of tests/fuzz.
set(CMAKE_CXX_FLAGS_FUZZ "-O1 -g -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined")
set(CMAKE_C_FLAGS_FUZZ "${CMAKE_CXX_FLAGS_FUZZ}")
set(CMAKE_EXE_LINKER_FLAGS_FUZZ "-fsanitize=address,undefined")
set(CMAKE_SHARED_LINKER_FLAGS_FUZZ "-fsanitize=address,undefined")
set(CMAKE_MODULE_LINKER_FLAGS_FUZZ "-fsanitize=address,undefined")

# One static library per core folder: qx_add_library(NAME DEPENDS...)
# takes every source of the calling folder.
function(qx_add_library name)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC qx_common ${ARGN})
endfunction()
