# Lays a runnable program folder at PREFIX from the build's dist folder, or brings an
# existing one up to date:
# - the executable and the program's own files (tables file, pictures) are replaced;
# - a report definition is replaced unless the user changed the copy installed last time;
# - the report database is replaced only when it cannot be opened with its password or lacks
#   one of its tables (it holds nothing the program does not write again);
# - the user's data files are never touched.
# The folder holds the user's bets, so it is private to the user.
cmake_minimum_required(VERSION 3.25)
if(NOT PREFIX OR NOT BUILD_DIR)
    message(FATAL_ERROR "PREFIX and BUILD_DIR are required")
endif()
if(NOT IS_ABSOLUTE "${BUILD_DIR}")
    set(BUILD_DIR "${SOURCE_DIR}/${BUILD_DIR}")
endif()
set(dist "${BUILD_DIR}/dist")
set(comprobador "${BUILD_DIR}/tools/creabase")
set(datos_usuario apuestas.dat apuestas.tmp numeros.dat numeros.tmp numeros.bak nums.ini www.txt
    informe.dat vek.pdf)
# What each shipped file was when it was last installed: "name hash" lines.
set(registro "${PREFIX}/.instalado")

if(NOT EXISTS "${PREFIX}" OR EXISTS "${PREFIX}/velmorat")
    file(MAKE_DIRECTORY "${PREFIX}")
    file(CHMOD "${PREFIX}" DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
endif()

set(anteriores "")
if(EXISTS "${registro}")
    file(STRINGS "${registro}" anteriores)
endif()
set(nuevos "")

file(GLOB_RECURSE shipped LIST_DIRECTORIES false RELATIVE "${dist}" "${dist}/*")
foreach(f IN LISTS shipped)
    set(origen "${dist}/${f}")
    set(destino "${PREFIX}/${f}")
    get_filename_component(nombre "${f}" NAME)
    file(SHA256 "${origen}" hash_nuevo)
    set(copiar TRUE)
    if(nombre IN_LIST datos_usuario)
        set(copiar FALSE)
    elseif(NOT EXISTS "${destino}")
        set(copiar TRUE)
    elseif(nombre STREQUAL "Velmorat.mdb")
        set(rc 0)
        if(EXISTS "${comprobador}")
            execute_process(COMMAND "${comprobador}" --comprueba "${origen}" "${destino}"
                            RESULT_VARIABLE rc OUTPUT_QUIET ERROR_QUIET)
        endif()
        if(rc EQUAL 0)
            set(copiar FALSE)
        else()
            message(STATUS "Replacing the damaged ${f}")
        endif()
    elseif(nombre MATCHES "\\.net$")
        file(SHA256 "${destino}" hash_instalado)
        list(FIND anteriores "${f} ${hash_instalado}" ultimo_enviado)
        if(NOT hash_instalado STREQUAL hash_nuevo AND ultimo_enviado EQUAL -1)
            set(copiar FALSE)
            message(STATUS "Keeping ${f}: it was changed after it was installed")
        endif()
    endif()
    if(copiar)
        get_filename_component(carpeta "${destino}" DIRECTORY)
        file(MAKE_DIRECTORY "${carpeta}")
        file(COPY_FILE "${origen}" "${destino}")
        if(f STREQUAL "velmorat")
            file(CHMOD "${destino}" FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
        endif()
    endif()
    if(NOT nombre IN_LIST datos_usuario)
        list(APPEND nuevos "${f} ${hash_nuevo}")
    endif()
endforeach()

list(JOIN nuevos "\n" texto)
file(WRITE "${registro}" "${texto}\n")
message(STATUS "Velmorat installed in ${PREFIX}")
