# SPDX-License-Identifier: MIT
# Run by CPack on the staging tree before it is packed. Folders made by the install follow the
# umask of whoever builds (CMake's default folder permissions are masked by it too), and Debian
# wants every folder of a package at 0755.
file(GLOB_RECURSE folders LIST_DIRECTORIES true "${CPACK_TEMPORARY_DIRECTORY}/*")
foreach(entry IN LISTS folders)
    if(IS_DIRECTORY "${entry}" AND NOT IS_SYMLINK "${entry}")
        file(CHMOD "${entry}" DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
             GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
    endif()
endforeach()
