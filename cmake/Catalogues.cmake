# SPDX-License-Identifier: MIT
# The message catalogues: po/<language>.po, one file per language, found by their names alone.
# English is the source language, in the code; it has no catalogue.
find_program(VARNIK_MSGFMT msgfmt)
if(NOT VARNIK_MSGFMT)
    message(FATAL_ERROR "msgfmt not found (scripts/install-deps.sh build installs gettext)")
endif()
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(VARNIK_PO_DIR ${PROJECT_SOURCE_DIR}/po)
file(GLOB VARNIK_PO_FILES CONFIGURE_DEPENDS ${VARNIK_PO_DIR}/*.po)
list(SORT VARNIK_PO_FILES)
set(VARNIK_TRANSLATE_LISTING ${CMAKE_CURRENT_LIST_DIR}/translate_listing.cmake)

# varnik_compile_catalogues(CPP file.cpp [RC file.rc]): msgfmt checks and compiles each
# catalogue, then tools/make_catalogue.py writes them as one C++ table (and, with RC, the
# translated blocks of the Windows version resource).
function(varnik_compile_catalogues)
    cmake_parse_arguments(ARG "" "CPP;RC" "" ${ARGN})
    set(catalogues "")
    set(compiled "")
    foreach(po IN LISTS VARNIK_PO_FILES)
        get_filename_component(language ${po} NAME_WE)
        set(mo ${CMAKE_CURRENT_BINARY_DIR}/po/${language}.mo)
        add_custom_command(OUTPUT ${mo}
                           COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/po
                           COMMAND ${VARNIK_MSGFMT} --check -o ${mo} ${po}
                           DEPENDS ${po}
                           COMMENT "Checking and compiling po/${language}.po"
                           VERBATIM)
        list(APPEND catalogues ${language}=${mo})
        list(APPEND compiled ${mo})
    endforeach()
    set(outputs ${ARG_CPP})
    set(rc_option "")
    if(ARG_RC)
        list(APPEND outputs ${ARG_RC})
        set(rc_option --rc ${ARG_RC})
    endif()
    add_custom_command(OUTPUT ${outputs}
                       COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/tools/make_catalogue.py
                               --cpp ${ARG_CPP} ${rc_option} ${catalogues}
                       DEPENDS ${compiled} ${PROJECT_SOURCE_DIR}/tools/make_catalogue.py
                       COMMENT "Writing the message catalogues as C++"
                       VERBATIM)
endfunction()

# varnik_translate_listing(desktop|xml TEMPLATE OUTPUT): the desktop entry or the metainfo with
# every catalogue's translations merged in by msgfmt (Name[bn]=…, <name xml:lang="bn">…).
function(varnik_translate_listing mode template output)
    add_custom_command(OUTPUT ${output}
                       COMMAND ${CMAKE_COMMAND} -DMSGFMT=${VARNIK_MSGFMT} -DMODE=${mode}
                               -DTEMPLATE=${template} -DOUTPUT=${output}
                               "-DPO_FILES=${VARNIK_PO_FILES}" -P ${VARNIK_TRANSLATE_LISTING}
                       DEPENDS ${template} ${VARNIK_PO_FILES} ${VARNIK_TRANSLATE_LISTING}
                       COMMENT "Translating ${output}"
                       VERBATIM)
endfunction()
