# Fails when a library that needs no window reaches a window header. Run by CTest as
#   cmake -DLAYERING_DATA=<build>/tests/layering/layeringdata.cmake -P checklayering.cmake
# with the targets' files and links written at configure time.
#
# The rule, for each window-free library and every file in its sources:
# - it links no library of the project but window-free ones, and of Qt only modules without
#   a window (kWindowFreeQt);
# - each #include line (those inside #if too; one computed by a macro is not seen) names
#   a file of a window-free library, whose includes are followed in turn,
#   or a header of a Qt module the library links ("QtCore/qstring.h", "QString"),
#   or a header from outside the project and Qt (the C++ and system libraries);
# - anything else fails with the chain of includes that reached it: a file of any other
#   target of the project or of none, a header of another Qt module (<QtGui/...>,
#   <QWidget>, <QColor>, ...).
# A quoted name is looked up beside the including file, then like <...> at the repository
# root, the include path every target of the project exports.
cmake_minimum_required(VERSION 3.25)
include(${LAYERING_DATA})

set(kWindowFreeQt Core Network SerialPort SerialBus)
set(faults 0)
set(checked 0)

foreach(target IN LISTS LAYERING_TARGETS)
  foreach(file IN LISTS LAYERING_FILES_${target})
    string(MD5 key "${file}")
    if(NOT DEFINED owner_${key})
      set(owner_${key} ${target})
    endif()
  endforeach()
endforeach()

# Prints one fault: the chain of includes from a file of `target` down to `name`.
macro(layering_fault target from name why)
  set(chain "${name}")
  set(at "${from}")
  while(at)
    file(RELATIVE_PATH shown ${LAYERING_ROOT} ${at})
    set(chain "${shown} -> ${chain}")
    string(MD5 at_key "${at}")
    set(at "${parent_${target}_${at_key}}")
  endwhile()
  message("${target}: ${chain}: ${why}")
  math(EXPR faults "${faults} + 1")
endmacro()

# The file `name` names in an include of `from`, or empty when it is outside the repository.
function(layering_resolve from quoted name out)
  set(candidates)
  if(quoted)
    cmake_path(GET from PARENT_PATH dir)
    list(APPEND candidates ${dir}/${name})
  endif()
  list(APPEND candidates ${LAYERING_ROOT}/${name})
  foreach(candidate IN LISTS candidates)
    if(EXISTS ${candidate} AND NOT IS_DIRECTORY ${candidate})
      cmake_path(NORMAL_PATH candidate)
      set(${out} ${candidate} PARENT_SCOPE)
      return()
    endif()
  endforeach()
  set(${out} "" PARENT_SCOPE)
endfunction()

# Empty when `name` from outside the repository may be included by a library linking the Qt
# modules `allowed`, else why not.
function(layering_outside_header name allowed out)
  set(${out} "" PARENT_SCOPE)
  list(JOIN allowed ", Qt" allowedText)
  set(only "the library links Qt${allowedText} only")
  if(name MATCHES "^Qt([A-Za-z0-9]+)/")
    if(NOT CMAKE_MATCH_1 IN_LIST allowed)
      set(${out} "a header of Qt${CMAKE_MATCH_1}; ${only}" PARENT_SCOPE)
    endif()
    return()
  endif()
  if(NOT name MATCHES "^[Qq]")
    return()
  endif()
  foreach(module IN LISTS allowed)
    if(EXISTS ${LAYERING_QTDIR_${module}}/${name})
      return()
    endif()
  endforeach()
  file(GLOB owners RELATIVE ${LAYERING_QT_ROOT} ${LAYERING_QT_ROOT}/Qt*/${name})
  if(owners)
    list(GET owners 0 owner)
    cmake_path(GET owner PARENT_PATH module)
    set(${out} "a header of ${module}; ${only}" PARENT_SCOPE)
  endif()
endfunction()

# Prints a fault for each name in the list `linked` that is not in the list `allowed`.
macro(layering_links target linked allowed prefix)
  foreach(item IN LISTS ${linked})
    if(NOT item IN_LIST ${allowed})
      message("${target}: links ${prefix}${item}, which a window-free library must not")
      math(EXPR faults "${faults} + 1")
    endif()
  endforeach()
endmacro()

foreach(target IN LISTS LAYERING_WINDOW_FREE)
  layering_links(${target} LAYERING_LINKS_${target} LAYERING_WINDOW_FREE "")
  layering_links(${target} LAYERING_QT_${target} kWindowFreeQt "Qt")

  # Breadth first, so that a fault is shown with the shortest chain that reaches it.
  set(queue ${LAYERING_FILES_${target}})
  foreach(file IN LISTS queue)
    string(MD5 key "${file}")
    set(seen_${target}_${key} TRUE)
  endforeach()
  while(queue)
    list(POP_FRONT queue file)
    math(EXPR checked "${checked} + 1")
    file(STRINGS ${file} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    foreach(line IN LISTS lines)
      if(NOT line MATCHES "^[ \t]*#[ \t]*include[ \t]*([<\"])([^>\"]+)[>\"]")
        continue()
      endif()
      set(name ${CMAKE_MATCH_2})
      set(quoted FALSE)
      if(CMAKE_MATCH_1 STREQUAL "\"")
        set(quoted TRUE)
      endif()
      layering_resolve(${file} ${quoted} ${name} found)
      if(NOT found)
        layering_outside_header(${name} "${LAYERING_QT_${target}}" why)
        if(why)
          layering_fault(${target} ${file} "<${name}>" "${why}")
        endif()
        continue()
      endif()
      string(MD5 key "${found}")
      if(seen_${target}_${key})
        continue()
      endif()
      set(seen_${target}_${key} TRUE)
      set(parent_${target}_${key} ${file})
      file(RELATIVE_PATH shown ${LAYERING_ROOT} ${found})
      set(owner "${owner_${key}}")
      if(owner IN_LIST LAYERING_WINDOW_FREE)
        list(APPEND queue ${found})
      elseif(owner)
        layering_fault(${target} ${file} ${shown}
          "a file of ${owner}, not of a window-free library")
      else()
        layering_fault(${target} ${file} ${shown} "a file of no library of the project")
      endif()
    endforeach()
  endwhile()
endforeach()

list(LENGTH LAYERING_WINDOW_FREE libraries)
if(faults GREATER 0)
  message(FATAL_ERROR "layering: ${faults} faults in the ${libraries} window-free libraries")
endif()
message("layering: the ${libraries} window-free libraries reach no window header"
  " (${checked} files read)")
