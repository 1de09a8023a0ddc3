// What the supply screens share: writes that must hit their row, and lists
// reread onto the row the user was on.
#pragma once

#include "zdb.h"

namespace zsup {

// The message when a row was changed or deleted by another workstation
// between reading it and writing it.
extern const QString kChangedElsewhere;

// Runs 'sql' (an UPDATE or DELETE) on the data module's connection and says
// how many rows it wrote. Asked as a query, so that the count comes back.
int written(const QString& sql);

// written(sql) > 0; otherwise shows kChangedElsewhere and returns false.
bool writeOne(const QString& sql);

// Runs 'insert' (one row) and returns the new row's id.
int inserted(const QString& insert);

// Closes and opens 'list' and puts the cursor on the row with 'id', or, when
// it is gone, back on the row number it had.
void reopenAt(zdb::Dataset* list, int id);

}  // namespace zsup
