#pragma once

#include <QStringList>

// The lines `slots` prints for ui_View and hid, read from the program's own
// objects when quorixctl is built (SlotTableGen.cpp), so that the front end
// lists them without loading those objects.
namespace SlotTable {

QStringList view();
QStringList hid();

} // namespace SlotTable
