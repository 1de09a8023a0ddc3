#include "reserve.h"

#include "Unit6.h"
#include "Unit60.h"
#include "reserve_sql.h"
#include "zui_screens.h"

#include <QDate>

namespace reserve {

namespace {

zdb::Query* make(QObject* owner, zdb::Connection* db, const char* name, const char* sql) {
    auto* q = new zdb::Query(db, owner);
    q->setObjectName(QLatin1String(name));
    q->setSql(QString::fromUtf8(sql));
    return q;
}

void reopenWith(zdb::Query* q, const char* param, int value) {
    q->close();
    q->setParam(QLatin1String(param), value);
    q->open();
}

QString keyOrNull(const zdb::Field& f) { return f.isNull() ? QStringLiteral("null") : QString::number(f.asInteger()); }

QString dateOrNull(const zdb::Field& f) {
    return f.isNull() ? QStringLiteral("null") : zdb::quoted(f.asDate().toString(QStringLiteral("dd.MM.yyyy")));
}

// A deficit as the variant counts it: plain, or rounded to 4 places with a
// half going to the even digit.
QString deficit(const QString& x, bool rounded) {
    if (!rounded) return QLatin1Char('(') + x + QLatin1Char(')');
    const QString y = QLatin1Char('(') + x + QStringLiteral(")*10000");
    return QStringLiteral("((case when %1 - floor(%1) = 0.5 then floor(%1) + abs(floor(%1) % 2) else round(%1) end) / 10000)")
        .arg(y);
}

}  // namespace

QString sqlNumber(const zdb::Field& f) {
    const QString exact = f.asString();
    try {
        return DataModule6->NumToSql(exact);
    } catch (const zdb::DbError&) {
        if (exact.isEmpty()) throw;
    }
    QString t = QString::number(f.asFloat(), 'g', 15);
    if (t.contains(QLatin1Char('e'))) {
        t = QString::number(f.asFloat(), 'f', 12);
        while (t.contains(QLatin1Char('.')) && (t.endsWith(QLatin1Char('0')) || t.endsWith(QLatin1Char('.')))) t.chop(1);
    }
    return DataModule6->NumToSql(t);
}

void rereadPurchaseRequests() {
    // A closed list reads afresh when it is next shown.
    if (Form60 && Form60->purchase_doc->active()) zui::reopenKeepingRow(Form60->purchase_doc);
}

void writeRows(zdb::Connection* db, const QString& sql, int rows, const QString& refusal) {
    zdb::Query q(db);
    q.setSql(QStringLiteral("with changed as (") + sql + QStringLiteral(" returning 1) select count(*) as n from changed"));
    q.open();
    if (q.fieldByName(QStringLiteral("n")).asInteger() != rows) throw zdb::DbError(refusal);
}

struct Operation::Figures {
    bool found = false;
    bool accept = false;
    int lineId = 0, gdsId = 0, id_ii = 0, id_ral = 0, id_app_doc = 0, id_type_gds = 0;
    QString jur, person, d_mnf, d_out;  // as SQL text
    QString gds_need, ral_need, d_gds, d_ral;
    bool enough = false, gds_zero = false, ral_zero = false, gds_short = false, ral_short = false;
};

Operation::Operation(QObject* owner, zdb::Connection* db, Variant variant) : db_(db), v_(std::move(variant)) {
    proc_tech = make(owner, db, "proc_tech", reserve_sql::proc_tech);
    price_ral = make(owner, db, "price_ral", reserve_sql::price_ral);
    app_doc = make(owner, db, "app_doc", reserve_sql::app_doc);
    gds_needed = make(owner, db, "gds_needed", reserve_sql::gds_needed);
    cost_price = make(owner, db, "cost_price", reserve_sql::cost_price);
    purchase_doc = make(owner, db, "purchase_doc", reserve_sql::purchase_doc);
}

QString Operation::text(const char* refusal) const {
    const QString t = QString::fromUtf8(refusal);
    return v_.bang ? t + QLatin1Char('!') : t;
}

// Locks the line, then the stock rows of its material and paint in the order
// of their ids, and reads the figures the decision needs from what is locked.
Operation::Figures Operation::lockAndRead(int lineId, int gdsId) {
    Figures f;
    f.lineId = lineId;
    f.gdsId = gdsId;
    zdb::Query lock(db_);
    lock.setSql(QStringLiteral("select as1.id, as1.id_ral from mnf_app.app_spec as1 where as1.id=%1 for update").arg(lineId));
    lock.open();
    if (lock.isEmpty())
        throw zdb::DbError(QStringLiteral("Строка заявки %1 не найдена: её удалили на другом рабочем месте").arg(lineId));
    const int ral = int(lock.fieldByName(QStringLiteral("id_ral")).asInteger());
    zdb::Query rows(db_);
    rows.setSql(QStringLiteral("select s.id from stk_stocks.stock s where s.id_ii in (%1, %2) order by s.id for update")
                    .arg(gdsId)
                    .arg(ral));
    rows.open();

    const bool r = v_.roundDeficits;
    zdb::Query q(db_);
    q.setSql(QStringLiteral(
                 "select as1.accept, as1.id_ii, as1.id_ral, as1.id_app_doc, ig.id_type as id_type_gds,\n"
                 "ad.id_jur_person, ad.id_person, ad.d_mnf, ad.d_out, f.gds_need, f.ral_need,\n"
                 "f.stk_gds >= f.gds_need and f.stk_ral >= f.ral_need as enough,\n"
                 "f.gds_need = 0 as gds_zero, f.ral_need = 0 as ral_zero,\n"
                 "%3 as d_gds, %4 as d_ral, %3 > 0 as gds_short, %4 > 0 as ral_short\n"
                 "from mnf_app.app_spec as1\n"
                 "join mnf_app.app_doc ad on ad.id = as1.id_app_doc\n"
                 "join cmn_inventory_items.inventory_items ig on ig.id = %2\n"
                 "cross join lateral (select ii.massa*as1.cnt as gds_need,\n"
                 "  case when as1.id_ral = 0 then 0 else ii.ral_cons*as1.cnt end as ral_need,\n"
                 "  coalesce((select sum(s.count - s.reserve) from stk_stocks.stock s where s.id_ii = %2), 0) as stk_gds,\n"
                 "  coalesce((select sum(s.count - s.reserve) from stk_stocks.stock s where s.id_ii = as1.id_ral), 0) as stk_ral\n"
                 "  from cmn_inventory_items.inventory_items ii where ii.id = as1.id_ii) f\n"
                 "where as1.id = %1")
                 .arg(lineId)
                 .arg(gdsId)
                 .arg(deficit(QStringLiteral("f.gds_need - f.stk_gds"), r), deficit(QStringLiteral("f.ral_need - f.stk_ral"), r)));
    q.open();
    if (q.isEmpty()) throw zdb::DbError(QStringLiteral("Строка заявки %1: не найдены изделие, заявка или материал").arg(lineId));
    const auto b = [&q](const char* n) { return q.fieldByName(QLatin1String(n)).asBoolean(); };
    const auto i = [&q](const char* n) { return int(q.fieldByName(QLatin1String(n)).asInteger()); };
    const auto num = [&q](const char* n) { return sqlNumber(q.fieldByName(QLatin1String(n))); };
    f.found = true;
    f.accept = b("accept");
    f.id_ii = i("id_ii");
    f.id_ral = i("id_ral");
    f.id_app_doc = i("id_app_doc");
    f.id_type_gds = i("id_type_gds");
    f.jur = keyOrNull(q.fieldByName(QStringLiteral("id_jur_person")));
    f.person = keyOrNull(q.fieldByName(QStringLiteral("id_person")));
    f.d_mnf = dateOrNull(q.fieldByName(QStringLiteral("d_mnf")));
    f.d_out = dateOrNull(q.fieldByName(QStringLiteral("d_out")));
    f.gds_need = num("gds_need");
    f.ral_need = num("ral_need");
    f.d_gds = num("d_gds");
    f.d_ral = num("d_ral");
    f.enough = b("enough");
    f.gds_zero = b("gds_zero");
    f.ral_zero = b("ral_zero");
    f.gds_short = b("gds_short");
    f.ral_short = b("ral_short");
    return f;
}

// Reserves 'quantity' of 'item' on its stock rows in the order of their ids,
// each up to its free quantity; the rows are locked already.
void Operation::take(int item, const QString& quantity) {
    zdb::Query q(db_);
    q.setSql(QStringLiteral(
                 "with rows as (select s.id, s.count - s.reserve as free,\n"
                 "  coalesce(sum(s.count - s.reserve) over (order by s.id rows between unbounded preceding and 1 preceding), 0) as before\n"
                 "  from stk_stocks.stock s where s.id_ii = %1 and s.count > s.reserve),\n"
                 "take as (select id, least(free, %2 - before) as t from rows where before < %2),\n"
                 "changed as (update stk_stocks.stock s set reserve = s.reserve + take.t from take where s.id = take.id returning take.t)\n"
                 "select coalesce(sum(t), 0) = %2 as whole from changed")
                 .arg(item)
                 .arg(quantity));
    q.open();
    if (!q.fieldByName(QStringLiteral("whole")).asBoolean())
        throw zdb::DbError(QStringLiteral("Свободного остатка ТМЦ %1 меньше, чем %2: резерв не записан").arg(item).arg(quantity));
}

int Operation::purchaseDocOf(int lineId) {
    reopenWith(purchase_doc, "id_app_spec", lineId);
    return purchase_doc->isEmpty() ? 0 : int(purchase_doc->fieldByName(QStringLiteral("id")).asInteger());
}

// A line has one purchase request; each short item gets one line in it.
void Operation::buy(Outcome& out, const Figures& f, int item, const QString& quantity, const QString& exists,
                    const QString& created) {
    int doc = purchaseDocOf(f.lineId);
    if (doc != 0) {
        zdb::Query has(db_);
        has.setSql(QStringLiteral("select count(*) as n from stk_purchase.purchase_spec ps where ps.id_purchase_doc=%1 and ps.id_gds=%2")
                       .arg(doc)
                       .arg(item));
        has.open();
        if (has.fieldByName(QStringLiteral("n")).asInteger() > 0) {
            out.notes.push_back({zui::msg::Kind::Error, exists});
            return;
        }
    } else {
        db_->execute(QStringLiteral("INSERT INTO stk_purchase.purchase_doc(id_person, d_in, id_app_doc, id_app_spec)VALUES(") + f.person +
                     ", " + f.d_mnf + "," + QString::number(f.id_app_doc) + "," + QString::number(f.lineId) + ")");
        doc = purchaseDocOf(f.lineId);
    }
    db_->execute(QStringLiteral("INSERT INTO stk_purchase.purchase_spec(id_gds, cnt, id_purchase_doc)VALUES(") + QString::number(item) +
                 ", " + quantity + ", " + QString::number(doc) + ")");
    out.purchase = true;
    out.notes.push_back({zui::msg::Kind::Info, created});
}

Outcome Operation::reserveLine(int lineId, int gdsId) {
    Outcome out;
    zdb::Transaction t(*db_);
    const Figures f = lockAndRead(lineId, gdsId);
    if (f.accept) {
        out.notes.push_back({zui::msg::Kind::Error, QStringLiteral("Позиция уже в работе!")});
        return out;
    }
    if (f.enough) {
        if (f.gds_zero) {
            out.notes.push_back({zui::msg::Kind::Error, text("Потребность ТМЦ не может быть 0")});
            return out;
        }
        if (f.ral_zero && f.id_ral != 0) {
            out.notes.push_back({zui::msg::Kind::Error, text("Потребность краски не может быть 0")});
            return out;
        }
        reopenWith(proc_tech, "id_ii", f.id_ii);
        if (!proc_tech->locate(QStringLiteral("id_gds"), gdsId)) {
            proc_tech->close();
            out.notes.push_back({zui::msg::Kind::Error, QStringLiteral("Техпроцесс не найден!")});
            return out;
        }
        const QString issue = QStringLiteral(
            "INSERT INTO stk_stocks.spec_out(id_gds, id_stock_out, cnt_gds, price, d_datetime, accept, id_app_doc, id_app_spec) VALUES(");
        const QString tail = QStringLiteral(", now()::t_datetime, false, %1, %2)").arg(f.id_app_doc).arg(lineId);
        db_->execute(issue + QString::number(gdsId) + ", 0, " + f.gds_need + ", " +
                     sqlNumber(proc_tech->fieldByName(QStringLiteral("price"))) + tail);
        if (f.id_ral > 0) {
            reopenWith(price_ral, "id_ii", f.id_ral);
            const QString price = price_ral->isEmpty() ? QStringLiteral("0") : sqlNumber(price_ral->fieldByName(QStringLiteral("price")));
            price_ral->close();
            db_->execute(issue + QString::number(f.id_ral) + ", 0, " + f.ral_need + ", " + price + tail);
        }
        writeRows(db_, QStringLiteral("UPDATE mnf_app.app_spec SET accept=true, state=1 WHERE id=%1").arg(lineId), 1,
                  QStringLiteral("Строка заявки %1 не найдена").arg(lineId));
        take(gdsId, f.gds_need);
        if (f.id_ral > 0 && !f.ral_zero) take(f.id_ral, f.ral_need);
        proc_tech->close();
        t.commit();
        out.reserved = true;
        return out;
    }

    if (f.gds_short && f.id_type_gds != 0) {
        reopenWith(app_doc, "id_app_spec", lineId);
        if (!app_doc->isEmpty()) {
            out.notes.push_back({zui::msg::Kind::Error, text("Заявка на производство заготовок уже создана")});
        } else {
            // The blank is made by its own process, from that process's material.
            reopenWith(gds_needed, "id_ii", gdsId);
            if (gds_needed->isEmpty()) {
                out.notes.push_back({zui::msg::Kind::Error, text("Нет ТП для производства заготовок")});
            } else {
                const QString material = keyOrNull(gds_needed->fieldByName(QStringLiteral("id_gds")));
                reopenWith(cost_price, "id_ii", gdsId);
                const QString cost =
                    cost_price->isEmpty() ? QStringLiteral("0") : sqlNumber(cost_price->fieldByName(QStringLiteral("cost_price")));
                db_->execute(QStringLiteral("INSERT INTO mnf_app.app_doc(id_jur_person, id_person, d_mnf, d_out, id_app_doc, id_app_spec)VALUES(") +
                             f.jur + ", " + f.person + ", " + f.d_mnf + ", " + f.d_out + "," + QString::number(f.id_app_doc) + "," +
                             QString::number(lineId) + ")");
                reopenWith(app_doc, "id_app_spec", lineId);
                const QString doc = QString::number(app_doc->fieldByName(QStringLiteral("id")).asInteger());
                db_->execute(QStringLiteral("INSERT INTO mnf_app.app_spec(id_ii, cnt, id_app_doc, id_ral, id_gds, price, cost_price)VALUES(") +
                             QString::number(gdsId) + ", " + f.d_gds + ", " + doc + ", 0," + material + ", 0, " + cost + ")");
                out.blanks = true;
                out.notes.push_back({zui::msg::Kind::Info, QStringLiteral("Создана заявка на производство заготовок")});
            }
        }
    } else if (f.gds_short) {
        buy(out, f, gdsId, f.d_gds, text("Заявка на закупку МТР уже создана"), QStringLiteral("Создана заявка на закупку МТР"));
    }
    if (f.ral_short) {
        if (v_.askForPaint)
            out.paintShort = true;
        else
            buy(out, f, f.id_ral, f.d_ral, QStringLiteral("Заявка на закупку краски уже создана"),
                QStringLiteral("Создана заявка на закупку краски"));
    }
    t.commit();
    return out;
}

Outcome Operation::buyPaint(int lineId, int gdsId) {
    Outcome out;
    zdb::Transaction t(*db_);
    const Figures f = lockAndRead(lineId, gdsId);
    if (f.accept) {
        out.notes.push_back({zui::msg::Kind::Error, QStringLiteral("Позиция уже в работе!")});
        return out;
    }
    // Decided again on what is in stock now; paint that came meanwhile is not bought.
    if (f.ral_short)
        buy(out, f, f.id_ral, f.d_ral, QStringLiteral("Заявка на закупку краски уже создана"),
            QStringLiteral("Создана заявка на закупку краски"));
    t.commit();
    return out;
}

void Operation::show(const Outcome& out) const {
    if (out.reserved && v_.afterReserve) v_.afterReserve();
    if (out.blanks && v_.afterBlanks) v_.afterBlanks();
    if (out.purchase) {
        if (v_.afterPurchase) v_.afterPurchase();
        rereadPurchaseRequests();
    }
    for (const Note& n : out.notes) {
        if (n.kind == zui::msg::Kind::Error)
            zui::msg::error(n.text);
        else
            zui::msg::info(n.text, QStringLiteral("Сообщение"));
    }
}

void Operation::run(const zdb::Dataset& lines) {
    if (!lines.active() || lines.isEmpty()) return;
    const int lineId = int(lines.fieldByName(QStringLiteral("id")).asInteger());
    const int gdsId = int(lines.fieldByName(QStringLiteral("id_gds")).asInteger());
    const Outcome out = reserveLine(lineId, gdsId);
    show(out);
    if (out.paintShort &&
        zui::msg::question(QStringLiteral("Не хватает краски для производства! Создать заявку на закупку?"), QStringLiteral("Ошибка")))
        show(buyPaint(lineId, gdsId));
}

}  // namespace reserve
