// What the warehouse screens share: the acceptance of a receipt line and the
// move of stock between warehouses, each one all-or-nothing on the connection
// it is given, so that another workstation's connection can run it too.
#pragma once

#include "zdb.h"

namespace zwh {

// A price as SQL digits: at most 15 significant digits, never an exponent.
QString priceText(double price);

enum class Outcome {
    Done,
    Gone,            // the line or stock row was deleted meanwhile
    AlreadyDone,     // the line was accepted meanwhile
    NothingToPrice,  // no stock of the item and quantity 0: no average to take
    AboveFree,       // more than the row's free quantity
};

// Accepts the receipt line 'lineId' into the stock of its order's warehouse:
// the stock row (created when missing), the line's mark, the new weighted
// average price on every row of the item and the item's cost price. The line,
// the item and its stock rows (by id) are locked before the figures are read,
// so two storekeepers accepting the same item at once both count.
// 'stockRow' receives the key of the receiving stock row.
Outcome acceptReceiptLine(zdb::Connection& db, qlonglong lineId, qlonglong* stockRow = nullptr);

// Moves 'quantity' (an SQL number from NumToSql) of the stock row 'fromRow' to
// the warehouse 'toWarehouse', at most the row's free quantity (count minus
// reserve), and records the move. 'free' receives the free quantity read
// under lock; 'toRow' the key of the receiving row (created when missing).
Outcome moveStock(zdb::Connection& db, qlonglong fromRow, int toWarehouse, const QString& quantity,
                  QString* free = nullptr, qlonglong* toRow = nullptr);

}  // namespace zwh
