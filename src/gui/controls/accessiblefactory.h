// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessible>

// Gives every `Widget` the accessible `Interface` made from it, for as long as the program
// runs: the first widget of the kind installs the factory.
template <typename Widget, typename Interface> void useAccessibleInterface()
{
    static const bool installed = [] {
        QAccessible::installFactory([](const QString &, QObject *object) -> QAccessibleInterface * {
            auto *widget = dynamic_cast<Widget *>(object);
            return widget ? new Interface(widget) : nullptr;
        });
        return true;
    }();
    (void)installed;
}
