# Lays a runnable program folder at PREFIX from the build's dist folder.
# The executable is always replaced; any other file is copied only when the
# folder does not hold it yet, so a user's data files are never overwritten.
if(NOT PREFIX OR NOT BUILD_DIR)
    message(FATAL_ERROR "PREFIX and BUILD_DIR are required")
endif()
if(NOT IS_ABSOLUTE "${BUILD_DIR}")
    set(BUILD_DIR "${SOURCE_DIR}/${BUILD_DIR}")
endif()
set(dist "${BUILD_DIR}/dist")
file(MAKE_DIRECTORY "${PREFIX}")
file(GLOB shipped RELATIVE "${dist}" "${dist}/*")
foreach(f IN LISTS shipped)
    if(f STREQUAL "velmorat")
        file(COPY "${dist}/${f}" DESTINATION "${PREFIX}"
             FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
    elseif(NOT EXISTS "${PREFIX}/${f}")
        file(COPY "${dist}/${f}" DESTINATION "${PREFIX}")
    endif()
endforeach()
message(STATUS "Velmorat installed in ${PREFIX}")
