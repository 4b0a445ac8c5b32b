# Installs the built library into a scratch prefix, then configures, builds
# and runs a small host project against that prefix only.
#   cmake -DBUILD_DIR=... -DSOURCE_DIR=... -DWORK_DIR=... -P check.cmake
file(REMOVE_RECURSE ${WORK_DIR})
set(prefix ${WORK_DIR}/prefix)

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "failed (${result}): ${ARGN}")
  endif()
endfunction()

run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})
run(${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${WORK_DIR}/build -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_BUILD_TYPE=Release)
run(${CMAKE_COMMAND} --build ${WORK_DIR}/build)
set(ENV{LD_LIBRARY_PATH} ${prefix}/lib:$ENV{LD_LIBRARY_PATH})
run(${WORK_DIR}/build/consumer)

# The pkg-config file describes the same installation.
find_program(PKG_CONFIG pkg-config)
if(PKG_CONFIG)
  set(ENV{PKG_CONFIG_PATH} ${prefix}/lib/pkgconfig)
  execute_process(COMMAND ${PKG_CONFIG} --libs util-ui OUTPUT_VARIABLE libs RESULT_VARIABLE result)
  if(NOT result EQUAL 0 OR NOT libs MATCHES "-lutil-ui")
    message(FATAL_ERROR "pkg-config does not know util-ui: ${libs}")
  endif()
endif()
