// Planning screens over the demo plant, with the stock rules checked over the
// whole stock table.
#pragma once

#include "Unit46.h"
#include "Unit48.h"
#include "Unit55.h"
#include "screen_fixture.h"

#include <QStringList>

class StockTest : public ScreenTest {
protected:
    void TearDown() override;

    // Breaks of the stock rules, one text each: a row outside 0 <= reserve <=
    // count, or an item whose reserve is not what its issue lines hold less
    // what the shift records took (docs/STOCK.md).
    QStringList stockFaults();

    // What a reserve or a clearing may have written for a line, as one text:
    // its issue lines, stage, purchase lines, request for blanks, and every
    // stock row that holds a reserve.
    QString effects(int line);

    // Every working table as one digest, to see that a failed action left nothing.
    QString digest();

    // A double click on the line in the production requests, as the menu shows them.
    void reserveIn55(int line, const QString& afterOpen = {});
    // "Резерв" on the line in the reserve per product, opened from current production.
    void reserveIn48(int product, int line);
    // "Очистить работы" on the line, the requests opened from the production board.
    void clearWorks(int line);

    // The demo database afresh, for the next case of a table.
    void fresh() {
        DataModule6->ADO_DB->close();
        testdb::recreate();
        DataModule6->openStoredConnection();
        messages.clear();
    }

    QString text(const QString& sql) { return scalar(sql).toString(); }
    void sql(const QString& statements) { db().execute(statements); }

    // A trigger that refuses the rows 'when' picks of 'table' on 'event'
    // ("insert", "update", "delete"): the failure of an action's last statement.
    void failOn(const QString& table, const QString& event, const QString& when);
};
