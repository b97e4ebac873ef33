# Fails when a file of the project includes one that its target does not link, or a library
# that needs no window links one that has. Run by CTest as
#   cmake -DLAYERING_DATA=<build>/tests/layering/layeringdata.cmake -P checklayering.cmake
# with the targets' files and links written at configure time.
#
# Which target a file is of:
# - the targets that list it among their sources (pagerig.h is of every page test);
# - a header no target lists (in a library's folder or below it, or beside a listed file) is
#   of the target that lists the file of its name beside it (cfoo.h beside a listed
#   cfoo.cpp), else of the library of its folder: the nearest folder upwards that defines a
#   library. Where that folder defines several, it is of the topmost ones, those no other
#   library of the folder links (platform/: tarnlink_platform_bus and tarnlink_platform,
#   both; shell/: tarnlink_shell);
# - any other file is of no target.
# A file of several targets is read as a file of each, so it may include only what every one
# of them links, and a target may include it when it is or links one of them.
#
# The rule, for every target (libraries, the program, tests, benchmarks, fuzz targets, the
# simulator) and every file of it:
# - each #include line (those inside #if too; one computed by a macro is not seen) names
#   a file of the target itself, whose includes are read in turn,
#   or a file of a library the target links, directly or through others (read as a file of
#   that library, where the same rule holds it),
#   or a header of a Qt module the target links, directly or through others
#   ("QtCore/qstring.h", "QString"),
#   or a header from outside the project and Qt (the C++ and system libraries);
# - anything else fails with the chain of includes that reached it: a file of a target not
#   linked or of no target, a header of another Qt module (<QtGui/...>, <QWidget>, ...).
# Besides, a library that needs no window (LAYERING_WINDOW_FREE) links no library of the
# project but such ones, and of Qt only modules without a window (kWindowFreeQt).
# A quoted name is looked up beside the including file, then like <...> at the repository
# root, the include path every target of the project exports.
cmake_minimum_required(VERSION 3.25)
include(${LAYERING_DATA})

set(kWindowFreeQt Core Network SerialPort SerialBus)
set(faults 0)
set(checked 0)

# The targets a file is of: owners_<md5 of its path>.
foreach(target IN LISTS LAYERING_TARGETS)
  foreach(file IN LISTS LAYERING_FILES_${target})
    string(MD5 key "${file}")
    list(APPEND owners_${key} ${target})
    cmake_path(REMOVE_EXTENSION file LAST_ONLY OUTPUT_VARIABLE stem)
    string(MD5 key "${stem}")
    list(APPEND stem_owners_${key} ${target})
    cmake_path(GET file PARENT_PATH dir)
    list(APPEND listed_folders ${dir})
  endforeach()
endforeach()

# The topmost libraries defined in `dir`, or empty when it defines none.
function(layering_folder_libraries dir out)
  set(here)
  foreach(library IN LISTS LAYERING_LIBRARIES)
    if(LAYERING_DIR_${library} STREQUAL dir)
      list(APPEND here ${library})
    endif()
  endforeach()
  set(top)
  foreach(library IN LISTS here)
    set(linked FALSE)
    foreach(other IN LISTS here)
      if(library IN_LIST LAYERING_LINKS_${other})
        set(linked TRUE)
      endif()
    endforeach()
    if(NOT linked)
      list(APPEND top ${library})
    endif()
  endforeach()
  set(${out} ${top} PARENT_SCOPE)
endfunction()

# The headers no target lists, in the folders of libraries and below them and beside the
# listed files, each given to its targets (the rule above) and added to the files to read of
# each: extra_<target>.
foreach(library IN LISTS LAYERING_LIBRARIES)
  file(GLOB_RECURSE found LIST_DIRECTORIES false
    ${LAYERING_DIR_${library}}/*.h ${LAYERING_DIR_${library}}/*.hpp)
  list(APPEND headers ${found})
endforeach()
list(REMOVE_DUPLICATES listed_folders)
foreach(folder IN LISTS listed_folders)
  file(GLOB found LIST_DIRECTORIES false ${folder}/*.h ${folder}/*.hpp)
  list(APPEND headers ${found})
endforeach()
list(REMOVE_DUPLICATES headers)
foreach(header IN LISTS headers)
  string(MD5 key "${header}")
  cmake_path(IS_PREFIX LAYERING_BUILD "${header}" in_build)
  if(in_build OR DEFINED owners_${key})
    continue()
  endif()
  cmake_path(REMOVE_EXTENSION header LAST_ONLY OUTPUT_VARIABLE stem)
  string(MD5 stem_key "${stem}")
  set(owners ${stem_owners_${stem_key}})
  cmake_path(GET header PARENT_PATH dir)
  cmake_path(IS_PREFIX LAYERING_ROOT "${dir}" NORMALIZE inside)
  while(NOT owners AND inside AND NOT dir STREQUAL LAYERING_ROOT)
    layering_folder_libraries(${dir} owners)
    cmake_path(GET dir PARENT_PATH dir)
    cmake_path(IS_PREFIX LAYERING_ROOT "${dir}" NORMALIZE inside)
  endwhile()
  set(owners_${key} ${owners})
  foreach(owner IN LISTS owners)
    list(APPEND extra_${owner} ${header})
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

# Empty when `name` from outside the repository may be included by a target linking the Qt
# modules `allowed`, else why not.
function(layering_outside_header name allowed out)
  set(${out} "" PARENT_SCOPE)
  list(JOIN allowed ", Qt" allowedText)
  set(only "the target links Qt${allowedText} only")
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

# Empty when `target` may include a file of the targets `owners`, else why not.
function(layering_owner_fault target owners out)
  set(${out} "" PARENT_SCOPE)
  if(NOT owners)
    set(${out} "a file of no target of the project" PARENT_SCOPE)
    return()
  endif()
  foreach(owner IN LISTS owners)
    if(owner IN_LIST LAYERING_LINKS_${target})
      return()
    endif()
  endforeach()
  list(LENGTH owners count)
  list(JOIN owners " and " names)
  if(count EQUAL 1)
    set(${out} "a file of ${names}, which ${target} does not link" PARENT_SCOPE)
  else()
    set(${out} "a file of ${names}, none of which ${target} links" PARENT_SCOPE)
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
endforeach()

# Reads the files in `queue` and those of `target` they include, breadth first, so that a
# fault is shown with the shortest chain that reaches it.
macro(layering_read target)
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
      if(target IN_LIST owners_${key})
        list(APPEND queue ${found})
        continue()
      endif()
      layering_owner_fault(${target} "${owners_${key}}" why)
      if(why)
        file(RELATIVE_PATH shown ${LAYERING_ROOT} ${found})
        layering_fault(${target} ${file} ${shown} "${why}")
      endif()
    endforeach()
  endwhile()
endmacro()

# The listed files first, so that a header no target lists is shown with a chain from one
# that reaches it; then those of its headers that none reaches.
foreach(target IN LISTS LAYERING_TARGETS)
  set(queue ${LAYERING_FILES_${target}})
  layering_read(${target})
  set(queue)
  foreach(header IN LISTS extra_${target})
    string(MD5 key "${header}")
    if(NOT seen_${target}_${key})
      list(APPEND queue ${header})
    endif()
  endforeach()
  layering_read(${target})
endforeach()

list(LENGTH LAYERING_TARGETS targets)
if(faults EQUAL 1)
  message(FATAL_ERROR "layering: 1 fault in the ${targets} targets")
elseif(faults GREATER 1)
  message(FATAL_ERROR "layering: ${faults} faults in the ${targets} targets")
endif()
message("layering: the ${targets} targets include only what they link (${checked} files read)")
