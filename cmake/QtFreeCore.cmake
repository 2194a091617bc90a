# orvik_require_qt_free(TARGET...): fails the configure step when a Qt
# target, and with it Qt's headers, is reachable from one of the targets
# through what they link, directly or through other targets of the project.
# The editing core and the layers below it must build without Qt.
function(_orvik_qt_reachable target path out)
  set(found "")
  foreach(kind LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
    get_target_property(libs ${target} ${kind})
    if(NOT libs)
      continue()
    endif()
    foreach(lib IN LISTS libs)
      # $<LINK_ONLY:x> and other wrappers: the name inside.
      string(REGEX REPLACE "^\\$<[A-Z_]+:(.*)>$" "\\1" lib "${lib}")
      if(lib MATCHES "^Qt[0-9]*::")
        set(found "${path} -> ${lib}")
      elseif(TARGET ${lib} AND NOT lib IN_LIST ARGN)
        _orvik_qt_reachable(${lib} "${path} -> ${lib}" found ${ARGN} ${lib})
      endif()
      if(found)
        set(${out} "${found}" PARENT_SCOPE)
        return()
      endif()
    endforeach()
  endforeach()
  set(${out} "" PARENT_SCOPE)
endfunction()

function(orvik_require_qt_free)
  foreach(target IN LISTS ARGN)
    _orvik_qt_reachable(${target} ${target} chain ${target})
    if(chain)
      message(FATAL_ERROR "${target} must build without Qt, but reaches it: "
                          "${chain}")
    endif()
  endforeach()
endfunction()
