// Two workstations at once. The other one runs the reserve on a connection of
// its own and keeps its transaction open until this one is seen waiting for
// its locks; only then does it commit, so the race is certain.
#include "stock_fixture.h"

#include "reserve.h"

#include <chrono>
#include <future>
#include <thread>

namespace {

class OtherWorkstation {
public:
    explicit OtherWorkstation(std::function<reserve::Outcome(reserve::Operation&)> act)
        : thread_([this, act] {
              try {
                  zdb::Connection c;
                  testdb::connectSys(c);
                  QObject owner;
                  reserve::Operation op(&owner, &c, {false, true, true, {}, {}, {}});
                  zdb::Transaction t(c);
                  outcome_ = act(op);
                  locked_.set_value();
                  zdb::Query waiting(&c);
                  waiting.setSql(QStringLiteral("select count(*) as n from pg_stat_activity where datname = current_database() "
                                                "and wait_event_type = 'Lock'"));
                  for (int i = 0; i < 3000; ++i) {
                      waiting.reopen();
                      if (waiting.fieldByName(QStringLiteral("n")).asInteger() > 0) break;
                      std::this_thread::sleep_for(std::chrono::milliseconds(5));
                  }
                  t.commit();
              } catch (...) {
                  try {
                      locked_.set_exception(std::current_exception());
                  } catch (...) {
                  }
              }
          }) {}
    ~OtherWorkstation() {
        if (thread_.joinable()) thread_.join();
    }
    // Returns once the other workstation holds its locks.
    void waitLocked() { locked_.get_future().get(); }
    reserve::Outcome outcome() {
        thread_.join();
        return outcome_;
    }

private:
    std::promise<void> locked_;
    reserve::Outcome outcome_;
    std::thread thread_;
};

}  // namespace

class Race : public StockTest {};

// The last 30 free units, two lines of 20: one reserve and one shortage.
TEST_F(Race, TwoPlannersTakeTheLastFreeUnits) {
    sql("update stk_stocks.stock set count = 30 where id = 4;"
        "insert into mnf_app.app_spec (id, id_app_doc, id_ii, cnt, id_ral, id_gds, price, cost_price) values (12, 1, 42, 100, 0, 13, 35, 18)");
    OtherWorkstation other([](reserve::Operation& op) { return op.reserveLine(12, 13); });
    other.waitLocked();
    reserveIn55(2);
    EXPECT_TRUE(other.outcome().reserved);
    EXPECT_EQ(messages.texts(), QStringList{"Создана заявка на закупку МТР"});
    EXPECT_EQ(effects(2), "issue - | line 0 | buy 13x10 | blanks - | reserve 4:20 12:38 13:1.6 14:1.6");
    EXPECT_EQ(effects(12), "issue 13x20 | line 1R | buy - | blanks - | reserve 4:20 12:38 13:1.6 14:1.6");
}

// Both short of the same line's material: one purchase request.
TEST_F(Race, TwoPlannersBuyForTheSameLine) {
    OtherWorkstation other([](reserve::Operation& op) { return op.reserveLine(5, 12); });
    other.waitLocked();
    messages.expectError("Заявка на закупку МТР уже создана!");
    messages.answers.push(false);
    reserveIn55(5);
    EXPECT_TRUE(other.outcome().purchase);
    EXPECT_EQ(text("select count(*) from stk_purchase.purchase_doc where id_app_spec = 5"), "1");
    EXPECT_EQ(effects(5), "issue - | line 0 | buy 12x80 | blanks - | reserve 12:38 13:1.6 14:1.6");
    // What slips past the lock is refused by the database.
    EXPECT_THROW(sql("insert into stk_purchase.purchase_doc (id_person, id_app_doc, id_app_spec) values (3, 3, 5)"), zdb::DbError);
    EXPECT_THROW(sql("insert into mnf_app.app_doc (id_jur_person, id_person, id_app_doc, id_app_spec) values (3, 3, 4, 10)"), zdb::DbError);
}
