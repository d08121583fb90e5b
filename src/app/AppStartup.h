#pragma once

#include <QString>

// What every program of the suite does before it builds a window.
namespace AppStartup {

// Chooses the data root for the executable's folder (or `explicitRoot` when given),
// creates it from the factory tree on an installation's first start, and makes it
// the working directory. Returns the root, or an empty string when it can't be used.
QString enterDataRoot(const QString& explicitRoot = QString());

// The data root the executable's folder leads to, whether or not it exists yet.
QString defaultDataRoot();

// Flat 2D screens in a program that idles in the tray all day: the software
// renderer maps faster and keeps far less memory than GL.
void useSoftwareRenderer();

} // namespace AppStartup
