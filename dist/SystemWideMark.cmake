# Run by cmake --install and by CPack: marks a game installed for the whole machine,
# whose players then keep their settings in their own folders, root included, never in
# the game folder. AUTO takes every prefix outside the installing user's home for such
# an install: /usr of the Debian package, /usr/local under sudo. A prefix inside the
# home, such as ~/.local, gives a portable game.
set(system_wide "${tarvik_system_install}")
if(system_wide STREQUAL "AUTO")
    set(system_wide ON)
    set(home "$ENV{HOME}")
    if(home AND NOT home STREQUAL "/")
        cmake_path(IS_PREFIX home "${CMAKE_INSTALL_PREFIX}" NORMALIZE in_home)
        if(in_home)
            set(system_wide OFF)
        endif()
    endif()
endif()
if(system_wide)
    file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/${tarvik_game_dir}" TYPE FILE FILES "${tarvik_system_mark}")
else()
    # A system-wide install into the same prefix before must not outlive this one.
    cmake_path(GET tarvik_system_mark FILENAME name)
    file(REMOVE "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${tarvik_game_dir}/${name}")
endif()
