# Run by cmake --install and by CPack: makes the tarvik command, a link to the program.
# Relative, so the installed tree can be moved or packaged. The program resolves the
# link through /proc/self/exe and finds its files beside the real file.
set(command_dir "${tarvik_command_dir}")
if(NOT command_dir)
    if(CMAKE_INSTALL_PREFIX MATCHES "^/usr/?$")
        set(command_dir games)
    else()
        set(command_dir bin)
    endif()
endif()
file(RELATIVE_PATH target "${CMAKE_INSTALL_PREFIX}/${command_dir}" "${CMAKE_INSTALL_PREFIX}/${tarvik_game_dir}/tarvik")
set(link "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${command_dir}/tarvik")
message(STATUS "Installing: ${link}")
file(MAKE_DIRECTORY "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${command_dir}")
file(REMOVE "${link}")
file(CREATE_LINK "${target}" "${link}" SYMBOLIC)
