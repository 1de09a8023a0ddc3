// How the in-memory datasets hold up on a real volume: 100,000 rows shaped
// like the item list, against psql fetching the same rows as the floor.
// Needs the demo cluster running (scripts/bench starts it).
#include "Unit6.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <cstdlib>

namespace {

const char* kRows = "select * from bench.items order by marka";
zdb::Connection* conn = nullptr;

void prepare() {
    conn->execute(
        "create schema if not exists bench;"
        "drop table if exists bench.items;"
        "create table bench.items as select g as id, "
        "  (array['Кронштейн','Балка','Уголок','Швеллер','Панель','Стойка','Рама','Полка'])[1 + g % 8] || ' ' || md5(g::text) as marka, "
        "  g % 40 as id_nom, g % 4 as id_type, (g % 1000) / 7.0 as massa, g % 3000 as width, (g % 50) / 10.0 as thick, "
        "  g % 3 = 0 as ral, (g % 30) / 100.0 as ral_cons, 4 as id_msm, (g % 9000) / 3.0 as cost_price, "
        "  case when g % 3 = 0 then '+' end as s_ral, 'Продукция' as s_type, 'Вид ' || (g % 40) as s_nom, 'шт' as s_identification, "
        "  (g % 3)::bigint as tp_cnt, g % 500 as id_gds, 'Лист ' || (g % 500) as s_caption_gds "
        "from generate_series(1, 100000) g;");
}

void BM_OpenQuery(benchmark::State& state) {
    zdb::Query q(conn);
    q.setSql(kRows);
    for (auto _ : state) {
        q.close();
        q.open();
        benchmark::DoNotOptimize(q.recordCount());
    }
    state.counters["rows"] = q.recordCount();
}

// The floor: the server's own client fetching and formatting the same rows.
void BM_PsqlFetch(benchmark::State& state) {
    const std::string cmd = std::string(std::getenv("ZORNA_PSQL") ? std::getenv("ZORNA_PSQL") : "psql") +
                            " -X -q -A -t -c \"" + kRows + "\" > /dev/null";
    for (auto _ : state)
        if (std::system(cmd.c_str()) != 0) state.SkipWithError("psql failed");
}

zdb::Query* opened() {
    static zdb::Query* q = [] {
        auto* x = new zdb::Query(conn);
        x->setSql(kRows);
        x->open();
        return x;
    }();
    return q;
}

// The first sort by a pair of columns, as a user's first click on a title.
void BM_FirstSort(benchmark::State& state) {
    zdb::Query q(conn);
    q.setSql(kRows);
    for (auto _ : state) {
        state.PauseTiming();
        q.close();
        q.open();
        state.ResumeTiming();
        q.setSort("s_nom DESC, marka ASC");
    }
}

// Further sorts: toggling a title's direction.
void BM_Sort(benchmark::State& state) {
    auto* q = opened();
    q->setFiltered(false);
    q->setSort("marka DESC, s_nom ASC");
    bool desc = false;
    for (auto _ : state) {
        q->setSort(desc ? "marka DESC, s_nom ASC" : "marka, s_nom ASC");
        desc = !desc;
    }
}

// One keystroke in the item list's filter box: "marka like '%text%'" over all rows.
void BM_FilterKeystroke(benchmark::State& state) {
    auto* q = opened();
    q->setSort("");
    q->setFilter("marka like '%к%'");
    q->setFiltered(true);  // builds the case-folded copy once, as the first keystroke does
    const QStringList typed = {"к", "кр", "кро", "крон", "кронш", "крон", "кро", "кр"};
    int i = 0;
    for (auto _ : state) {
        q->setFilter("marka like '%" + typed[i++ % typed.size()] + "%'");
        benchmark::DoNotOptimize(q->recordCount());
    }
    q->setFiltered(false);
}

void BM_Locate(benchmark::State& state) {
    auto* q = opened();
    q->setFiltered(false);
    for (auto _ : state) {
        q->first();
        benchmark::DoNotOptimize(q->locate("id", 99999));
    }
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    // The bench builds its own schema: it works as the system account, whose
    // password scripts/bench hands over for psql as well.
    TDataModule6::setStoredAccount(QStringLiteral("sys"), qEnvironmentVariable("PGPASSWORD"));
    TDataModule6 dm;
    dm.openStoredConnection();
    conn = dm.ADO_DB;
    prepare();
    benchmark::RegisterBenchmark("open_100k_rows", BM_OpenQuery)->Unit(benchmark::kMillisecond)->MinTime(3);
    benchmark::RegisterBenchmark("psql_fetch_100k_rows", BM_PsqlFetch)->Unit(benchmark::kMillisecond)->MinTime(3);
    benchmark::RegisterBenchmark("first_sort_100k_rows", BM_FirstSort)->Unit(benchmark::kMillisecond)->Iterations(5);
    benchmark::RegisterBenchmark("sort_100k_rows", BM_Sort)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("filter_keystroke_100k_rows", BM_FilterKeystroke)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("locate_100k_rows", BM_Locate)->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    conn->execute("drop schema bench cascade");
    return 0;
}
