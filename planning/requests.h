// What the marketing request screens (41 to 44) share: the writes that must
// not land on a request or line another workstation changed or deleted
// meanwhile, and the rereading of a list that keeps its row.
#pragma once

#include "zdb.h"

#include <QString>

namespace zreq {

// Inside a transaction: locks the row 'id' of 'table' until the commit and
// tells whether it is still there. "for update" also waits for a workstation
// that is writing the row and then sees what it wrote.
bool lockRow(const QString& table, int id);

// Locks every line of request 'doc' and counts those that have left stage 0.
qlonglong lockLinesInWork(int doc);

// A typed number as an SQL literal (NumToSql: digits, one separator, at most
// 15 significant digits, no minus). Anything else throws, with a message
// naming the box 'what'.
QString typedNumber(const QString& text, const QString& what);

// The value of a literal NumToSql made.
double valueOf(const QString& literal);

}  // namespace zreq
