// The planning screens on a big plant (bench/plant.sql, 100,000 request lines):
// opening the production requests, current production and the needs, and one
// reserve. Goals: each opening under 1 s, a reserve under 50 ms.
// Run with scripts/bench-planning, which builds the plant database.
#include "Unit46.h"
#include "Unit55.h"
#include "Unit59.h"
#include "Unit6.h"
#include "reserve.h"
#include "zui.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <vector>

namespace {

void open(benchmark::State& state, zdb::Query* q) {
    for (auto _ : state) {
        q->close();
        q->open();
        benchmark::DoNotOptimize(q->recordCount());
    }
    state.counters["rows"] = q->recordCount();
    q->close();
}

void BM_OpenProductionRequests(benchmark::State& state) { open(state, Form55->app_spec); }
void BM_OpenCurrentProduction(benchmark::State& state) { open(state, Form46->app_spec); }
void BM_OpenNeeds(benchmark::State& state) { open(state, Form59->gds_needed); }

// Each iteration reserves another entered line of a bought material, which the
// plant holds plenty of.
void BM_Reserve(benchmark::State& state) {
    zdb::Query lines(DataModule6->ADO_DB);
    lines.setSql(QStringLiteral(
        "select as1.id, pt.id_gds from mnf_app.app_spec as1 join mnf_proc_tech.proc_tech pt on pt.id_inventory_items = as1.id_ii "
        "join cmn_inventory_items.inventory_items m on m.id = pt.id_gds "
        "where as1.accept = false and m.id_type = 0 order by as1.id desc limit 2000"));
    lines.open();
    QObject owner;
    reserve::Operation op(&owner, DataModule6->ADO_DB, {false, true, true, {}, {}, {}});
    int done = 0;
    for (auto _ : state) {
        if (lines.eof()) {
            state.SkipWithError("no more lines to reserve");
            break;
        }
        const reserve::Outcome out = op.reserveLine(int(lines.fieldByName("id").asInteger()), int(lines.fieldByName("id_gds").asInteger()));
        done += out.reserved;
        lines.next();
    }
    state.counters["reserved"] = done;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    zui::Application app(argc, argv);
    TDataModule6::setStoredAccount(QStringLiteral("sys"), qEnvironmentVariable("PGPASSWORD"));
    DataModule6 = new TDataModule6;
    DataModule6->openStoredConnection();
    DataModule6->delim = QStringLiteral(".");
    zui::createForm(Form46);
    zui::createForm(Form55);
    zui::createForm(Form59);
    zdb::Query n(DataModule6->ADO_DB);
    n.setSql(QStringLiteral("select count(*) as n from mnf_app.app_spec"));
    n.open();
    std::printf("request lines: %lld\n", n.fieldByName(QStringLiteral("n")).asInteger());
    benchmark::RegisterBenchmark("open_production_requests", BM_OpenProductionRequests)->Unit(benchmark::kMillisecond)->MinTime(3);
    benchmark::RegisterBenchmark("open_current_production", BM_OpenCurrentProduction)->Unit(benchmark::kMillisecond)->MinTime(3);
    benchmark::RegisterBenchmark("open_needs", BM_OpenNeeds)->Unit(benchmark::kMillisecond)->MinTime(3);
    benchmark::RegisterBenchmark("reserve_one_line", BM_Reserve)->Unit(benchmark::kMillisecond)->Iterations(500);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
