// What the supply screens share: writes that must hit their row, and lists
// reread onto the row the user was on.
#pragma once

#include "zdb.h"

namespace zsup {

// The message when a row was changed or deleted by another workstation
// between reading it and writing it.
extern const QString kChangedElsewhere;

// Runs 'sql' (an UPDATE or DELETE) on the data module's connection; when it
// wrote no row, shows kChangedElsewhere and returns false.
bool writeOne(const QString& sql);

}  // namespace zsup
