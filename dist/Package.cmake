# The Debian package: cpack (scripts/package) installs the rules above under /usr and
# adds the control fields. The tarvik command lands in /usr/games there.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarvik)
set(CPACK_PACKAGE_CONTACT "${TARVIK_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "puzzle game: visit every cell before the ducks catch you")
set(CPACK_PACKAGE_DESCRIPTION [[
Tarvik is a small single-player puzzle game. A board of 18 by 13 squares is
cut into rectangular cells of random sizes. The player, a cat, moves by mouse
clicks to cells that share an edge with its own and has to visit every cell
that holds a rice ball, while ducks step toward it after every third move.
Trees block the way, ponds cannot be entered with every move, and three
cleared boards in a row make a hat trick.

The game keeps each player's options and statistics and comes with sound
effects and a help page.]])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${TARVIK_REPOSITORY_URL}")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# The libraries the program links come from dpkg-shlibdeps. The font and xdg-open are
# only looked up at run time: the board's lettering and the help page need them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-comic-neue, xdg-utils")
# SDL plays the sounds and is loaded at the first one; without it the game is silent.
# Qt's own catalogues translate the buttons of the game's message boxes; without them
# those buttons stay English. Qt's Wayland plugin lets the game run natively on a Wayland
# desktop; without it Qt falls back to XWayland. The game's font has no Japanese letters:
# Qt takes them from VL Gothic through fontconfig, and without a Japanese font the
# Japanese texts show as empty boxes.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libsdl2-2.0-0, qt6-translations-l10n, qt6-wayland, fonts-vlgothic")
# The packaged program is stripped; build/tarvik keeps its debugging information. (CPack's
# own tarvik-dbgsym package lacks a copyright file and lists its file wrongly in md5sums.)
set(CPACK_STRIP_FILES ON)
include(CPack)
