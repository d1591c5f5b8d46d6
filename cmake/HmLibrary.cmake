# One library per source folder. A folder's headers are reachable only through an include root
# of its own (symbolic links to the folder's headers), so a target that includes a header of a
# folder it does not link fails to compile instead of quietly growing a dependency.
#
#   hm_library(hm_roster SOURCES a.cpp b.cpp DEPS hm_core hm_drawing)
#   hm_expose_headers(some_target PUBLIC)   # for targets made with add_library/add_executable
#
# HM_SRC must name the src folder; includes stay "folder/file.h" relative to it.
function(hm_expose_headers target scope)
  file(RELATIVE_PATH folder ${HM_SRC} ${CMAKE_CURRENT_SOURCE_DIR})
  set(root ${CMAKE_BINARY_DIR}/include/${target})
  file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  file(REMOVE_RECURSE ${root})
  file(MAKE_DIRECTORY ${root}/${folder})
  foreach(header IN LISTS headers)
    get_filename_component(file ${header} NAME)
    file(CREATE_LINK ${header} ${root}/${folder}/${file} SYMBOLIC)
  endforeach()
  target_include_directories(${target} ${scope} ${root})
endfunction()

function(hm_library name)
  cmake_parse_arguments(L "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${L_SOURCES})
  hm_expose_headers(${name} PUBLIC)
  target_link_libraries(${name} PUBLIC ${L_DEPS})
endfunction()
