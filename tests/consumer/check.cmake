# The library as a dependency beside its companion libraries, as a host sees it:
#  1. the stand-ins are built from platform/ and installed into one prefix;
#  2. the library is built with UTIL_UI_STANDINS=OFF against that prefix and
#     installed into another, which must hold nothing of the companions;
#  3. a host project finds it with find_package(UtilUi) through both prefixes,
#     builds and runs without LD_LIBRARY_PATH, and loads the Designer plugin;
#  4. a second host is compiled with `pkg-config --cflags --libs util-ui`
#     (PKG_CONFIG_PATH naming both prefixes) and runs the same way.
#
#   cmake -DSOURCE_DIR=<repository> -DGENERATOR=Ninja -DC_COMPILER=cc -DCXX_COMPILER=c++
#         -P check.cmake
#
# Everything happens in a scratch folder outside the source and build trees,
# as installed packages are (CMake records run paths only to folders outside
# the project); it is removed when all went well.
if(DEFINED ENV{TMPDIR})
  set(WORK_DIR $ENV{TMPDIR})
else()
  set(WORK_DIR /tmp)
endif()
string(RANDOM LENGTH 10 suffix)
set(WORK_DIR ${WORK_DIR}/util-ui-consumer-${suffix})
message(STATUS "working in ${WORK_DIR}")
set(companions ${WORK_DIR}/companions)
set(prefix ${WORK_DIR}/util-ui)
set(compilers -DCMAKE_C_COMPILER=${C_COMPILER} -DCMAKE_CXX_COMPILER=${CXX_COMPILER})
unset(ENV{LD_LIBRARY_PATH})

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "failed (${result}): ${ARGN}")
  endif()
endfunction()

# 1. The companions.
run(${CMAKE_COMMAND} -S ${SOURCE_DIR}/platform -B ${WORK_DIR}/build-platform -G ${GENERATOR}
    -DCMAKE_BUILD_TYPE=Release ${compilers})
run(${CMAKE_COMMAND} --build ${WORK_DIR}/build-platform --parallel 2)
run(${CMAKE_COMMAND} --install ${WORK_DIR}/build-platform --prefix ${companions})

# 2. The library, only what a host needs.
run(${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${WORK_DIR}/build-library -G ${GENERATOR}
    -DCMAKE_BUILD_TYPE=Release ${compilers} -DCMAKE_PREFIX_PATH=${companions}
    -DUTIL_UI_STANDINS=OFF -DUTIL_UI_BUILD_TESTS=OFF -DUTIL_UI_BUILD_GALLERY=OFF
    -DUTIL_UI_BUILD_BENCH=OFF -DUTIL_UI_FUZZ=OFF -DUTIL_UI_BUILD_DESIGNER_PLUGIN=ON)
run(${CMAKE_COMMAND} --build ${WORK_DIR}/build-library --parallel 2)
run(${CMAKE_COMMAND} --install ${WORK_DIR}/build-library --prefix ${prefix})

file(GLOB_RECURSE installed RELATIVE ${prefix} ${prefix}/*)
foreach(file IN LISTS installed)
  if(file MATCHES "^include/(util/range\\.h|util/application_logger\\.h|vorn/)"
     OR file MATCHES "(util-processing|util-common|vornsdk|UtilProcessing|UtilCommon|VornSdk)")
    message(FATAL_ERROR "the library's prefix holds a companion's file: ${file}")
  endif()
endforeach()

# 3. A CMake host.
run(${CMAKE_COMMAND} -S ${CMAKE_CURRENT_LIST_DIR} -B ${WORK_DIR}/build-host -G ${GENERATOR}
    -DCMAKE_BUILD_TYPE=Release ${compilers} "-DCMAKE_PREFIX_PATH=${prefix}\;${companions}")
run(${CMAKE_COMMAND} --build ${WORK_DIR}/build-host)
run(${WORK_DIR}/build-host/consumer)
file(GLOB plugin ${prefix}/lib*/qt5/plugins/designer/libutil-ui-designer.so)
run(${WORK_DIR}/build-host/plugin_check ${plugin})

# 4. A pkg-config host. Qt's headers ask for position-independent code.
set(ENV{PKG_CONFIG_PATH} "${prefix}/lib/pkgconfig:${companions}/lib/pkgconfig")
execute_process(COMMAND pkg-config --cflags --libs util-ui
  OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "pkg-config does not know util-ui")
endif()
separate_arguments(flags UNIX_COMMAND "${flags}")
run(${CXX_COMPILER} -std=c++17 -fPIC ${CMAKE_CURRENT_LIST_DIR}/main.cpp ${flags} -o ${WORK_DIR}/pkg-config-host)
run(${WORK_DIR}/pkg-config-host)

file(REMOVE_RECURSE ${WORK_DIR})
