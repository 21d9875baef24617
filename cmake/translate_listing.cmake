# SPDX-License-Identifier: MIT
# cmake -DMSGFMT=… -DMODE=desktop|xml -DTEMPLATE=… -DOUTPUT=… -DPO_FILES=a.po;b.po -P this:
# merges each catalogue's translations into TEMPLATE, one language after the other.
# Each step's file keeps the output's name, by which msgfmt finds the rules for its kind.
get_filename_component(name ${OUTPUT} NAME)
set(current ${TEMPLATE})
set(step 0)
foreach(po IN LISTS PO_FILES)
    get_filename_component(language ${po} NAME_WE)
    set(next ${OUTPUT}.steps/${step}/${name})
    file(MAKE_DIRECTORY ${OUTPUT}.steps/${step})
    execute_process(COMMAND ${MSGFMT} --${MODE} --template=${current} -l ${language}
                            -o ${next} ${po}
                    RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "msgfmt --${MODE} failed for ${po}")
    endif()
    if(NOT current STREQUAL TEMPLATE)
        file(REMOVE ${current})
    endif()
    set(current ${next})
    math(EXPR step "${step} + 1")
endforeach()
if(current STREQUAL TEMPLATE)
    configure_file(${TEMPLATE} ${OUTPUT} COPYONLY)
else()
    file(RENAME ${current} ${OUTPUT})
endif()
file(REMOVE_RECURSE ${OUTPUT}.steps)
