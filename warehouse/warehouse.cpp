#include "warehouse.h"

#include "Unit6.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace zwh {

namespace {

// One row of a read, or none.
struct Row {
    std::unique_ptr<zdb::Query> q;
    bool found() const { return !q->isEmpty(); }
    zdb::Field operator[](const char* f) const { return q->fieldByName(QLatin1String(f)); }
};

Row read(zdb::Connection& db, const QString& sql) {
    Row r{std::make_unique<zdb::Query>(&db)};
    r.q->setSql(sql);
    r.q->open();
    return r;
}

// An SQL number as the C++ value it stands for, whatever the separator.
double valueOf(const QString& sqlNumber) { return QString(sqlNumber).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(); }

QString key(qlonglong id) { return QString::number(id); }

}  // namespace

QString priceText(double price) {
    if (!std::isfinite(price) || price == 0) return QStringLiteral("0");
    const int before = std::max(1, int(std::floor(std::log10(std::fabs(price)))) + 1);
    QString s = QString::number(price, 'f', std::max(0, 15 - before));
    if (s.contains(QLatin1Char('.'))) {
        while (s.endsWith(QLatin1Char('0'))) s.chop(1);
        if (s.endsWith(QLatin1Char('.'))) s.chop(1);
    }
    return s;
}

Outcome acceptReceiptLine(zdb::Connection& db, qlonglong lineId, qlonglong* stockRow) {
    zdb::Transaction t(db);
    // The line first, then the item, then its stock rows by id: the same order
    // on every workstation, so two acceptances wait for each other instead of
    // both reading the old figures.
    const Row line = read(db, QStringLiteral("select si.accept, si.id_gds, si.cnt_gds, si.price, so.id_department "
                                             "from stk_stocks.spec_in si join stk_stocks.stock_in so on so.id = si.id_stock_in "
                                             "where si.id = ") + key(lineId) + QStringLiteral(" for update of si"));
    if (!line.found()) return Outcome::Gone;
    if (line["accept"].asBoolean()) return Outcome::AlreadyDone;
    const QString item = key(line["id_gds"].asInteger());
    const QString warehouse = key(line["id_department"].asInteger());
    const QString q = DataModule6->NumToSql(line["cnt_gds"].asString(), false);
    const QString p = DataModule6->NumToSql(line["price"].asString(), false);
    read(db, QStringLiteral("select id from cmn_inventory_items.inventory_items where id = ") + item + QStringLiteral(" for update"));
    read(db, QStringLiteral("select id from stk_stocks.stock where id_ii = ") + item + QStringLiteral(" order by id for update"));

    // All rows of an item carry one price; the value sums count, should they not.
    const Row held = read(db, QStringLiteral("select coalesce(sum(count), 0) as c, coalesce(sum(count * price), 0) as v "
                                             "from stk_stocks.stock where id_ii = ") + item);
    const double c = held["c"].asFloat(), v = held["v"].asFloat();
    const double qty = valueOf(q);
    if (c + qty == 0) return Outcome::NothingToPrice;
    const QString a = priceText((v + valueOf(p) * qty) / (c + qty));

    const qlonglong row = zdb::insertedId(db, QStringLiteral("INSERT INTO stk_stocks.stock (id_stock, id_ii, count, price) VALUES (") +
                                                  warehouse + ", " + item + ", " + q + ", " + a +
                                                  QStringLiteral(") ON CONFLICT (id_stock, id_ii) DO UPDATE SET count = "
                                                                 "stk_stocks.stock.count + EXCLUDED.count, price = EXCLUDED.price"));
    db.execute(QStringLiteral("UPDATE stk_stocks.spec_in SET accept=true WHERE id=") + key(lineId));
    db.execute(QStringLiteral("UPDATE stk_stocks.stock SET price=") + a + QStringLiteral(" WHERE id_ii=") + item);
    db.execute(QStringLiteral("UPDATE cmn_inventory_items.inventory_items set cost_price = ") + a + QStringLiteral(" WHERE id=") + item);
    t.commit();
    if (stockRow) *stockRow = row;
    return Outcome::Done;
}

Outcome moveStock(zdb::Connection& db, qlonglong fromRow, int toWarehouse, const QString& quantity, QString* free,
                  qlonglong* toRow) {
    zdb::Transaction t(db);
    const Row from = read(db, QStringLiteral("select id_ii, id_stock from stk_stocks.stock where id = ") + key(fromRow));
    if (!from.found()) return Outcome::Gone;
    const QString item = key(from["id_ii"].asInteger());
    const QString source = key(from["id_stock"].asInteger());
    // Both rows, by id, before the free quantity is read.
    read(db, QStringLiteral("select id from stk_stocks.stock where id_ii = ") + item + QStringLiteral(" and id_stock in (") + source +
                 ", " + QString::number(toWarehouse) + QStringLiteral(") order by id for update"));
    const Row fits = read(db, QStringLiteral("select count - reserve as free, count - reserve >= ") + quantity +
                                  QStringLiteral(" as fits from stk_stocks.stock where id = ") + key(fromRow));
    if (!fits.found()) return Outcome::Gone;
    if (free) *free = fits["free"].asString();
    if (!fits["fits"].asBoolean()) return Outcome::AboveFree;

    db.execute(QStringLiteral("UPDATE stk_stocks.stock SET count = count - ") + quantity + QStringLiteral(" WHERE id = ") + key(fromRow));
    // A new row takes the item's prices from the row it comes from.
    const qlonglong to = zdb::insertedId(
        db, QStringLiteral("INSERT INTO stk_stocks.stock (id_stock, id_ii, count, price, gds_price, job_price) SELECT ") +
                QString::number(toWarehouse) + ", id_ii, " + quantity +
                QStringLiteral(", price, gds_price, job_price FROM stk_stocks.stock WHERE id = ") + key(fromRow) +
                QStringLiteral(" ON CONFLICT (id_stock, id_ii) DO UPDATE SET count = stk_stocks.stock.count + EXCLUDED.count"));
    db.execute(QStringLiteral("INSERT INTO stk_stocks.stock_move (id_ii, id_stock_from, id_stock_to, cnt) VALUES (") + item + ", " +
               source + ", " + QString::number(toWarehouse) + ", " + quantity + ")");
    t.commit();
    if (toRow) *toRow = to;
    return Outcome::Done;
}

}  // namespace zwh
