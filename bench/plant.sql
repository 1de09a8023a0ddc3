-- A big plant on top of the demo database, for benchmarks of the screens that
-- read every request line: 300 bought materials, 100 blanks, 30 colours, 1000
-- products (every fourth made from a blank, every tenth with a second
-- process), stock of each in two warehouses, and :lines request lines in
-- requests of 20 lines. Every generated line is entered (stage 0) and nothing
-- is reserved, so the stock rules hold as they do on the demo.
-- Run with psql -v lines=100000 (scripts/gen-plant).
\set ON_ERROR_STOP 1
SET client_min_messages = warning;
BEGIN;

CREATE TEMP TABLE gen_m (n integer, id integer);
CREATE TEMP TABLE gen_c (n integer, id integer);
CREATE TEMP TABLE gen_b (n integer, id integer);
CREATE TEMP TABLE gen_p (n integer, id integer);
CREATE TEMP TABLE gen_d (n integer, id integer);

WITH ins AS (
    INSERT INTO cmn_inventory_items.inventory_items (marka, id_nom, id_type, massa, width, thick, ral, ral_cons, id_msm, cost_price)
    SELECT 'Прокат ' || g, 1 + g % 3, 0, 0, 1000, 2, false, 0, 1, 40 + g % 90 FROM generate_series(1, 300) g
    RETURNING id)
INSERT INTO gen_m SELECT row_number() OVER (ORDER BY id), id FROM ins;

WITH ins AS (
    INSERT INTO cmn_inventory_items.inventory_items (marka, id_nom, id_type, massa, width, thick, ral, ral_cons, id_msm, cost_price)
    SELECT 'RAL ' || (1000 + g * 37), 7, 3, 0, 0, 0, false, 0, 1, 400 + g FROM generate_series(1, 30) g
    RETURNING id)
INSERT INTO gen_c SELECT row_number() OVER (ORDER BY id), id FROM ins;

WITH ins AS (
    INSERT INTO cmn_inventory_items.inventory_items (marka, id_nom, id_type, massa, width, thick, ral, ral_cons, id_msm, cost_price)
    SELECT 'Заготовка ' || g, 4, 1, 1.5 + (g % 4) * 0.5, 800, 1.5, false, 0, 4, 200 + g FROM generate_series(1, 100) g
    RETURNING id)
INSERT INTO gen_b SELECT row_number() OVER (ORDER BY id), id FROM ins;

WITH ins AS (
    INSERT INTO cmn_inventory_items.inventory_items (marka, id_nom, id_type, massa, width, thick, ral, ral_cons, id_msm, cost_price)
    SELECT 'Изделие ' || g, 5 + g % 2, 2, 0.5 + g % 10, 600, 2, true, 0.05 + (g % 5) * 0.05, 4, 300 + g FROM generate_series(1, 1000) g
    RETURNING id)
INSERT INTO gen_p SELECT row_number() OVER (ORDER BY id), id FROM ins;

INSERT INTO mnf_proc_tech.proc_tech (s_caption, id_inventory_items, id_gds)
SELECT 'ТП заготовки ' || b.n, b.id, m.id FROM gen_b b JOIN gen_m m ON m.n = 1 + b.n % 300;
INSERT INTO mnf_proc_tech.proc_tech (s_caption, id_inventory_items, id_gds)
SELECT 'ТП изделия ' || p.n, p.id, CASE WHEN p.n % 4 = 0 THEN b.id ELSE m.id END
  FROM gen_p p JOIN gen_m m ON m.n = 1 + p.n % 300 JOIN gen_b b ON b.n = 1 + p.n % 100;
INSERT INTO mnf_proc_tech.proc_tech (s_caption, id_inventory_items, id_gds)
SELECT 'ТП изделия ' || p.n || ', второй', p.id, m.id FROM gen_p p JOIN gen_m m ON m.n = 1 + (p.n + 7) % 300 WHERE p.n % 10 = 0;
INSERT INTO mnf_operation.operation (id_type, id_state, price, id_inventory_items, id_proc_tech, orderby)
SELECT 1 + (pt.id + k) % 8, 0, 5 + k, pt.id_inventory_items, pt.id, k
  FROM mnf_proc_tech.proc_tech pt, generate_series(1, 3) k
 WHERE pt.s_caption LIKE 'ТП %';

-- Plenty in the raw-materials warehouse, a little in the workshop's one.
INSERT INTO stk_stocks.stock (id_stock, id_ii, count, reserve, price)
SELECT 9, id, 1000000, 0, 50 FROM gen_m
UNION ALL SELECT 10, id, 100 + n, 0, 50 FROM gen_m
UNION ALL SELECT 9, id, 100000, 0, 420 FROM gen_c
UNION ALL SELECT 10, id, 5, 0, 420 FROM gen_c
UNION ALL SELECT 8, id, 200000, 0, 230 FROM gen_b;

WITH ins AS (
    INSERT INTO mnf_app.app_doc (d_date, id_jur_person, id_person, d_mnf, d_out)
    SELECT now() - (g % 365) * interval '1 day', 2 + g % 4, 3, current_date + g % 60, current_date + 5 + g % 60
      FROM generate_series(1, greatest(:lines / 20, 1)) g
    RETURNING id)
INSERT INTO gen_d SELECT row_number() OVER (ORDER BY id), id FROM ins;

INSERT INTO mnf_app.app_spec (id_app_doc, id_ii, cnt, id_ral, id_gds, price, cost_price)
SELECT d.id, p.id, 1 + g % 50, CASE WHEN g % 7 = 0 THEN 0 ELSE c.id END,
       (SELECT min(pt.id_gds) FROM mnf_proc_tech.proc_tech pt WHERE pt.id_inventory_items = p.id), 500, 300
  FROM generate_series(1, :lines) g
  JOIN gen_d d ON d.n = 1 + (g - 1) / 20
  JOIN gen_p p ON p.n = 1 + g % 1000
  JOIN gen_c c ON c.n = 1 + g % 30;

COMMIT;
ANALYZE;
