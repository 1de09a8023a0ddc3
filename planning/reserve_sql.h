// The working queries of the reserve operation, which the production requests
// and the per-product reserve screens both run.
#pragma once

namespace reserve_sql {

inline constexpr const char* proc_tech =
    "SELECT pt.*, s.price, ii.marka, ii.id_type \n"
    "FROM mnf_proc_tech.proc_tech pt\n"
    "left join stk_stocks.stock s on  s.id_ii = pt.id_gds\n"
    "left join cmn_inventory_items.inventory_items ii on  ii.id=pt.id_gds\n"
    "where pt.id_inventory_items =:id_ii";

inline constexpr const char* price_ral = "SELECT s.price FROM stk_stocks.stock s  where s.id_ii = :id_ii";

inline constexpr const char* app_doc = "select * from mnf_app.app_doc ad where ad.id_app_spec =:id_app_spec";

inline constexpr const char* gds_needed =
    "select pt.*, ii.massa \n"
    "from mnf_proc_tech.proc_tech pt, cmn_inventory_items.inventory_items ii \n"
    "where pt.id_inventory_items = :id_ii and ii.id = pt.id_inventory_items";

inline constexpr const char* cost_price =
    "select ii.cost_price from cmn_inventory_items.inventory_items ii\n"
    "where ii.id=:id_ii";

inline constexpr const char* purchase_doc =
    "select * from stk_purchase.purchase_doc pd where pd.id_app_spec =:id_app_spec";

}  // namespace reserve_sql
