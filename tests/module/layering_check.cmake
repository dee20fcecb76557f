# The module's folders depend in one direction, bottom to top (docs/ARCHITECTURE.md):
#   core -> ui -> settings -> records -> stiffener -> cross -> longi -> drafting -> convert -> app
# A source may include headers of its own folder and of folders below it. Fails naming every
# include against the order, and any folder the order does not place yet.
#   cmake -DMODULE=<module folder> -P layering_check.cmake
set(order core ui settings records stiffener cross longi drafting convert app)

file(GLOB sources RELATIVE ${MODULE} ${MODULE}/*/*.cpp ${MODULE}/*/*.h)
set(violations "")
foreach(source IN LISTS sources)
  string(REGEX MATCH "^[^/]+" folder "${source}")
  if(folder STREQUAL "include")
    continue()  # the umbrella a sibling module includes names every folder
  endif()
  list(FIND order ${folder} rank)
  if(rank EQUAL -1)
    string(APPEND violations "\n  ${source}: folder ${folder} has no place in the order")
    continue()
  endif()
  file(STRINGS ${MODULE}/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"]+/[^\"]+\"")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE ".*\"([^\"/]+)/.*" "\\1" target "${line}")
    list(FIND order ${target} targetRank)
    if(targetRank GREATER rank)
      string(REGEX REPLACE ".*\"([^\"]+)\".*" "\\1" header "${line}")
      string(APPEND violations "\n  ${source} includes ${header}: ${target} lies above ${folder}")
    endif()
  endforeach()
endforeach()
list(LENGTH sources count)
if(count EQUAL 0)
  message(FATAL_ERROR "no module sources under ${MODULE}")
endif()
if(violations)
  message(FATAL_ERROR "includes against the module's layering:${violations}")
endif()
message(STATUS "${count} module sources follow the layering")
