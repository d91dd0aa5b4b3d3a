// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exiv2lock.h"

#include <exiv2/exiv2.hpp>

std::unique_lock<std::mutex> lockExiv2()
{
    static std::mutex exiv2;
    std::unique_lock lock(exiv2);
    static const bool ready = [] {
        Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
        return Exiv2::XmpParser::initialize();
    }();
    (void)ready;
    return lock;
}
