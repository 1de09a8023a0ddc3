// The reserve of one request line, written once: the production requests
// (Form55) and the reserve per product (Form48) run it with their differences
// given as a Variant. How it changes stock is told in docs/STOCK.md.
#pragma once

#include "zdb.h"
#include "zui_msg.h"

#include <functional>
#include <vector>

namespace reserve {

struct Variant {
    bool roundDeficits = false;  // deficits rounded to 4 places, a half to the even digit
    bool bang = true;            // the refusals that the two screens word differently end in "!"
    bool askForPaint = true;     // paint short: ask before buying it, else buy it at once
    std::function<void()> afterReserve;   // the list the line came from
    std::function<void()> afterBlanks;    // a request for blanks was made
    std::function<void()> afterPurchase;  // a purchase request was made or given a line
};

struct Note {
    zui::msg::Kind kind;
    QString text;
};

// What one decision did; its messages are shown after the commit.
struct Outcome {
    std::vector<Note> notes;
    bool reserved = false;
    bool blanks = false;
    bool purchase = false;
    bool paintShort = false;  // the paint is short and the variant asks first
};

class Operation {
public:
    // The working queries become children of 'owner' and read through 'db'.
    Operation(QObject* owner, zdb::Connection* db, Variant variant);

    zdb::Query* proc_tech;
    zdb::Query* price_ral;
    zdb::Query* app_doc;
    zdb::Query* gds_needed;
    zdb::Query* cost_price;
    zdb::Query* purchase_doc;

    // The user's action on the current line of 'lines' (nothing on an empty
    // list): decides and writes, then rereads the lists and shows the messages.
    void run(const zdb::Dataset& lines);

    // One transaction each, nothing shown. The line is named by its id and by
    // the material of the list row (a product with two processes is listed
    // once per material).
    Outcome reserveLine(int lineId, int gdsId);
    Outcome buyPaint(int lineId, int gdsId);

private:
    struct Figures;
    Figures lockAndRead(int lineId, int gdsId);
    void take(int item, const QString& quantity);
    int purchaseDocOf(int lineId);
    void buy(Outcome& out, const Figures& f, int item, const QString& quantity, const QString& exists,
             const QString& created);
    QString text(const char* refusal) const;
    void show(const Outcome& out) const;

    zdb::Connection* db_;
    Variant v_;
};

// A number read from the database as SQL text: its exact digits, or, beyond
// 15 significant digits, the shortest form with 15 as computed numbers are
// written.
QString sqlNumber(const zdb::Field& f);

// Rereads the purchase requests list when it is open.
void rereadPurchaseRequests();

// Runs 'sql' (an UPDATE or DELETE without RETURNING) and throws 'refusal'
// unless it touched exactly 'rows' rows.
void writeRows(zdb::Connection* db, const QString& sql, int rows, const QString& refusal);

}  // namespace reserve
