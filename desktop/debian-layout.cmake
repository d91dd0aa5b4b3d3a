# SPDX-FileCopyrightText: 2026 The Zindle developers
# SPDX-License-Identifier: GPL-3.0-or-later

# CPack runs this on the installed tree before it packs it. Debian keeps the commands of
# games in /usr/games, so the Debian package has the game's command there, not in /usr/bin.
if(NOT CPACK_GENERATOR STREQUAL "DEB")
    return()
endif()
set(usr ${CPACK_TEMPORARY_DIRECTORY}/usr)
file(MAKE_DIRECTORY ${usr}/games)
file(RENAME ${usr}/bin/zindle ${usr}/games/zindle)
file(GLOB other_commands ${usr}/bin/*)
if(NOT other_commands)
    file(REMOVE_RECURSE ${usr}/bin)
endif()
