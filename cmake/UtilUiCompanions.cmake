# The companion libraries the library builds on: the processing library
# (package UtilProcessing), the common library (UtilCommon) and the camera SDK
# (VornSdk), each as the imported target <Package>::<Package>.
#
# UTIL_UI_STANDINS ON builds the stand-ins in platform/ as a subproject, whose
# targets carry the same names; OFF finds installed packages through
# CMAKE_PREFIX_PATH. Either way the installed UtilUi package refers to the
# companions by these names and finds them with find_dependency.
set(UTIL_UI_COMPANIONS UtilProcessing UtilCommon VornSdk)
if(UTIL_UI_STANDINS)
  add_subdirectory(platform)
else()
  foreach(companion IN LISTS UTIL_UI_COMPANIONS)
    find_package(${companion} REQUIRED)
  endforeach()
endif()

# Shorter names the tests, the gallery, the benchmarks and the fuzz targets
# link the companions by; they exist in this build tree only.
foreach(companion processing:UtilProcessing common:UtilCommon vornsdk:VornSdk)
  string(REPLACE ":" ";" companion ${companion})
  list(GET companion 0 short_name)
  list(GET companion 1 package)
  set(target ${package}::${package})
  get_target_property(aliased ${target} ALIASED_TARGET)
  if(aliased)
    set(target ${aliased})
  else()
    set_target_properties(${target} PROPERTIES IMPORTED_GLOBAL ON)
  endif()
  add_library(UtilUi::${short_name} ALIAS ${target})
endforeach()
