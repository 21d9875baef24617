# SPDX-License-Identifier: MIT
# cmake -DFILES=a.cpp;b.h -DSTAMP=file -P check_plain_includes.cmake
# Fails when one of the files includes a Qt or Windows header; touches STAMP otherwise.
set(found "")
foreach(file IN LISTS FILES)
    file(STRINGS ${file} lines
         REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q[A-Za-z]|qt|windows\\.h|windowsx\\.h|commctrl\\.h|oleacc\\.h|shellapi\\.h)")
    foreach(line IN LISTS lines)
        string(APPEND found "\n  ${file}: ${line}")
    endforeach()
endforeach()
if(found)
    message(FATAL_ERROR "plain C++ only here; toolkit headers belong in qt/ or win32/:${found}")
endif()
file(TOUCH ${STAMP})
