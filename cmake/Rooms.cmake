# One library per room of src/. A room sees only its own headers and those of the rooms it uses:
# each room gets an include folder of its own in the build tree holding links to its headers, and
# linking to a room is the only way to reach that folder. An include that goes against the rooms'
# direction therefore fails to build.
#
#   vantrelle_room(<target> <folder under src> [USES <room targets>...] [LIBS <other libraries>...])
function(vantrelle_room target folder)
  cmake_parse_arguments(ROOM "" "" "USES;LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${folder}/*.cpp)
  file(GLOB headers CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${folder}/*.h)
  set(root ${CMAKE_BINARY_DIR}/rooms/${target})
  file(REMOVE_RECURSE ${root})
  file(MAKE_DIRECTORY ${root}/${folder})
  foreach(header IN LISTS headers)
    get_filename_component(name ${header} NAME)
    file(CREATE_LINK ${header} ${root}/${folder}/${name} SYMBOLIC COPY_ON_ERROR)
  endforeach()
  if(sources)
    add_library(${target} STATIC ${sources})
    target_include_directories(${target} PUBLIC ${root})
    target_compile_options(${target} PRIVATE ${VANTRELLE_WARNINGS})
    target_link_libraries(${target} PUBLIC ${ROOM_USES} ${ROOM_LIBS})
  else()
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${root})
    target_link_libraries(${target} INTERFACE ${ROOM_USES} ${ROOM_LIBS})
  endif()
endfunction()
