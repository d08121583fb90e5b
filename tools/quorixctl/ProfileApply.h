#pragma once

#include <QString>

class myQQuickView;

// Sends everything the current profile slot holds for one layout ("mouse" or
// "keyboard"), with the same view calls a profile change in the screens makes.
void applyCurrentProfile(myQQuickView& view, const QString& layout);
