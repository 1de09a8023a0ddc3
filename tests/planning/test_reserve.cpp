// The reserve of a request line through both screens that run it, over the
// demo plant: enough stock, a request for blanks, a purchase request for the
// material and for the paint, every refusal, and the failure of the last
// statement of each of them.
#include "stock_fixture.h"

#include "Unit60.h"

using namespace zui::testing;

namespace {

// The demo's own reserves: lines 6 and 7 (docs/STOCK.md).
const QString kHeld = QStringLiteral("12:38 13:1.6 14:1.6");

struct Case {
    const char* name;
    QString setup;             // run before the list is read
    int line;
    int times;                 // how often the reserve runs
    std::vector<bool> answers; // to the paint question
    QStringList messages;      // every text shown, in order
    QStringList errors;        // which of them are error boxes
    QString effects;
};

const QString Q = QStringLiteral("Не хватает краски для производства! Создать заявку на закупку?");

}  // namespace

class Reserve : public StockTest {
protected:
    void check(const Case& c, bool perProduct, int product = 0) {
        SCOPED_TRACE(c.name);
        if (!c.setup.isEmpty()) sql(c.setup);
        for (bool a : c.answers) messages.answers.push(a);
        for (const QString& e : c.errors) messages.expectError(e);
        for (int i = 0; i < c.times; ++i) perProduct ? reserveIn48(product, c.line) : reserveIn55(c.line);
        EXPECT_EQ(messages.texts(), c.messages);
        EXPECT_EQ(effects(c.line), c.effects);
        EXPECT_EQ(stockFaults(), QStringList{});
    }
};

TEST_F(Reserve, ProductionRequests) {
    const std::vector<Case> cases = {
        {"enough stock, painted: material and paint issue lines, stage 1, reserves on the rows", {}, 1, 1, {}, {}, {},
         "issue 10x120 20x10 | line 1R | buy - | blanks - | reserve 1:120 5:10 " + kHeld},
        {"enough stock, unpainted: the material line alone", {}, 2, 1, {}, {}, {},
         "issue 13x20 | line 1R | buy - | blanks - | reserve 4:20 " + kHeld},
        {"stock exactly equal to the need counts as enough", "update stk_stocks.stock set count=120 where id=1", 1, 1, {}, {}, {},
         "issue 10x120 20x10 | line 1R | buy - | blanks - | reserve 1:120 5:10 " + kHeld},
        {"only free units count: what others reserved is not there",
         "update stk_stocks.stock set reserve=740 where id=1; insert into stk_stocks.spec_out(id, id_gds, cnt_gds, id_app_spec) "
         "values (90, 10, 740, 2)",
         1, 1, {}, {"Создана заявка на закупку МТР"}, {}, "issue - | line 0 | buy 10x10 | blanks - | reserve 1:740 " + kHeld},
        {"two warehouses: the rows in id order, each up to its free quantity",
         "update stk_stocks.stock set count=100 where id=1; "
         "insert into stk_stocks.stock (id, id_stock, id_ii, count, reserve, price) values (20, 10, 10, 36, 0, 78.5)",
         1, 1, {}, {}, {}, "issue 10x120 20x10 | line 1R | buy - | blanks - | reserve 1:100 5:10 " + kHeld + " 20:20"},
        {"a second reserve of the line is refused", {}, 6, 1, {}, {"Позиция уже в работе!"}, {"Позиция уже в работе!"},
         "issue 12x19 21x1.6 | line 1R | buy - | blanks - | reserve " + kHeld},
        {"blanks short, then the second attempt", {}, 3, 2, {},
         {"Создана заявка на производство заготовок", "Заявка на производство заготовок уже создана!"},
         {"Заявка на производство заготовок уже создана!"},
         "issue - | line 0 | buy - | blanks for 2 30x30 ral0 of11 cost420 price0 | reserve " + kHeld},
        {"no process for the blank", "update mnf_proc_tech.proc_tech set id_inventory_items=31 where id=6", 3, 1, {}, {"Нет ТП для производства заготовок!"},
         {"Нет ТП для производства заготовок!"}, "issue - | line 0 | buy - | blanks - | reserve " + kHeld},
        {"purchased material short (and its paint, not bought)", {}, 5, 1, {false}, {"Создана заявка на закупку МТР", Q}, {},
         "issue - | line 0 | buy 12x80 | blanks - | reserve " + kHeld},
        {"material request exists; the paint joins it", {}, 5, 2, {false, true},
         {"Создана заявка на закупку МТР", Q, "Заявка на закупку МТР уже создана!", Q, "Создана заявка на закупку краски"},
         {"Заявка на закупку МТР уже создана!"}, "issue - | line 0 | buy 12x80 23x7 | blanks - | reserve " + kHeld},
        {"paint only short, not bought", {}, 4, 1, {false}, {Q}, {}, "issue - | line 0 | buy - | blanks - | reserve " + kHeld},
        {"paint only short, bought once", {}, 4, 2, {true, true},
         {Q, "Создана заявка на закупку краски", Q, "Заявка на закупку краски уже создана"}, {"Заявка на закупку краски уже создана"},
         "issue - | line 0 | buy 22x1 | blanks - | reserve " + kHeld},
        {"no material need", "update cmn_inventory_items.inventory_items set massa=0 where id=42", 2, 1, {},
         {"Потребность ТМЦ не может быть 0!"}, {"Потребность ТМЦ не может быть 0!"},
         "issue - | line 0 | buy - | blanks - | reserve " + kHeld},
        {"a colour without paint need", "update cmn_inventory_items.inventory_items set ral_cons=0 where id=41", 1, 1, {},
         {"Потребность краски не может быть 0!"}, {"Потребность краски не может быть 0!"},
         "issue - | line 0 | buy - | blanks - | reserve " + kHeld},
    };
    for (const Case& c : cases) {
        fresh();
        check(c, false);
    }
}

TEST_F(Reserve, PerProduct) {
    const std::vector<std::pair<int, Case>> cases = {
        {44, {"paint only short: bought at once", {}, 4, 2, {},
              {"Создана заявка на закупку краски", "Заявка на закупку краски уже создана"}, {"Заявка на закупку краски уже создана"},
              "issue - | line 0 | buy 22x1 | blanks - | reserve " + kHeld}},
         {43, {"material and paint short: one purchase request with both", {}, 5, 2, {},
              {"Создана заявка на закупку МТР", "Создана заявка на закупку краски", "Заявка на закупку МТР уже создана",
               "Заявка на закупку краски уже создана"},
              {"Заявка на закупку МТР уже создана", "Заявка на закупку краски уже создана"},
              "issue - | line 0 | buy 12x80 23x7 | blanks - | reserve " + kHeld}},
        {40, {"blanks short", {}, 3, 2, {}, {"Создана заявка на производство заготовок", "Заявка на производство заготовок уже создана"},
              {"Заявка на производство заготовок уже создана"},
              "issue - | line 0 | buy - | blanks for 2 30x30 ral0 of11 cost420 price0 | reserve " + kHeld}},
        {42, {"no material need", "update cmn_inventory_items.inventory_items set massa=0 where id=42", 2, 1, {},
              {"Потребность ТМЦ не может быть 0"}, {"Потребность ТМЦ не может быть 0"},
              "issue - | line 0 | buy - | blanks - | reserve " + kHeld}},
        // Four decimals, a half to the even digit: a shortage that rounds to 0 is none.
        {42, {"shortage 0.00004 rounds to nothing", "update stk_stocks.stock set count=19.99996 where id=4", 2, 1, {}, {}, {},
              "issue - | line 0 | buy - | blanks - | reserve " + kHeld}},
        {42, {"shortage 0.00005 rounds to the even 0", "update stk_stocks.stock set count=19.99995 where id=4", 2, 1, {}, {}, {},
              "issue - | line 0 | buy - | blanks - | reserve " + kHeld}},
        {42, {"shortage 0.00015 rounds up to the even 0.0002", "update stk_stocks.stock set count=19.99985 where id=4", 2, 1, {},
              {"Создана заявка на закупку МТР"}, {}, "issue - | line 0 | buy 13x0.0002 | blanks - | reserve " + kHeld}},
        {42, {"shortage 0.00025 rounds down to the even 0.0002", "update stk_stocks.stock set count=19.99975 where id=4", 2, 1, {},
              {"Создана заявка на закупку МТР"}, {}, "issue - | line 0 | buy 13x0.0002 | blanks - | reserve " + kHeld}},
        {41, {"enough stock", {}, 1, 1, {}, {}, {}, "issue 10x120 20x10 | line 1R | buy - | blanks - | reserve 1:120 5:10 " + kHeld}},
    };
    for (const auto& [product, c] : cases) {
        fresh();
        check(c, true, product);
    }
}

// The purchase request waits for the production date, and the open list of
// purchase requests shows it at once.
TEST_F(Reserve, PurchaseRequestIsListedWithTheProductionDate) {
    Form60->purchase_doc->open();
    const int before = Form60->purchase_doc->recordCount();
    messages.answers.push(false);
    reserveIn55(5);
    EXPECT_EQ(Form60->purchase_doc->recordCount(), before + 1);
    Form60->purchase_doc->close();
    EXPECT_EQ(text("select (pd.d_in = ad.d_mnf and pd.id_person = ad.id_person and pd.id_app_doc = 3)::text "
                   "from stk_purchase.purchase_doc pd, mnf_app.app_doc ad where pd.id_app_spec = 5 and ad.id = 3"),
              "true");
}

// A list read before another workstation changed the product's processes.
TEST_F(Reserve, ProcessGoneSinceTheListWasRead) {
    messages.expectError("Техпроцесс не найден!");
    reserveIn55(1, "delete from mnf_proc_tech.proc_tech where id=2");
    EXPECT_EQ(effects(1), "issue - | line 0 | buy - | blanks - | reserve " + kHeld);
}

// The last statement of each action fails: nothing of the action stays.
TEST_F(Reserve, FailureOfTheLastStatementLeavesNothing) {
    struct Failure {
        const char* name;
        QString table, event, when;
        int line, product;  // product 0: through the production requests
    };
    const std::vector<Failure> failures = {
        {"reserve: the paint's reserve", "stk_stocks.stock", "update", "new.id = 5", 1, 0},
        {"request for blanks: its line", "mnf_app.app_spec", "insert", "new.id_ii = 30", 3, 0},
        {"purchase request: the material line", "stk_purchase.purchase_spec", "insert", "new.id_gds = 12", 5, 0},
        {"purchase request: the paint line added to it", "stk_purchase.purchase_spec", "insert", "new.id_gds = 23", 5, 43},
    };
    for (const Failure& f : failures) {
        SCOPED_TRACE(f.name);
        fresh();
        failOn(f.table, f.event, f.when);
        const QString before = digest();
        messages.expectError();
        if (f.product)
            reserveIn48(f.product, f.line);
        else
            reserveIn55(f.line);
        EXPECT_EQ(digest(), before);
        EXPECT_EQ(stockFaults(), QStringList{});
    }
}
