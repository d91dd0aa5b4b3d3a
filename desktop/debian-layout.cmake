# SPDX-FileCopyrightText: 2026 The Zindle developers
# SPDX-License-Identifier: GPL-3.0-or-later

# CPack runs this on the installed tree before it packs it. Debian keeps the commands of
# games in /usr/games, so the Debian package has both commands there and no /usr/bin; their
# relative links into ../lib/zindle hold from there as well.
if(NOT CPACK_GENERATOR STREQUAL "DEB")
    return()
endif()
set(usr ${CPACK_TEMPORARY_DIRECTORY}/usr)
file(MAKE_DIRECTORY ${usr}/games)
file(GLOB commands RELATIVE ${usr}/bin ${usr}/bin/*)
foreach(command ${commands})
    file(RENAME ${usr}/bin/${command} ${usr}/games/${command})
endforeach()
file(REMOVE_RECURSE ${usr}/bin)
