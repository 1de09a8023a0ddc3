-- Demo plant: request lines further down their way, next to the stage-0 lines
-- of 40_requests.sql, whose paths they leave as they are (their stock lies in
-- the workshop's store, all of it reserved or used up):
--   line 6 (fences, RAL 7024): reserved, issue lines waiting for a warehouse;
--   line 7 (fences, RAL 3020): issued, half of it through the first operation;
--   line 8 (shelf blanks): produced, waiting to be taken in;
--   line 9 (a fence, RAL 9005): produced and taken into the finished-goods warehouse;
--   line 10 (racks, RAL 9005): made from shelf blanks, too few of them, so a
--   request for blanks (request 5, line 11) has been made from it.
-- Line 4 of 40_requests.sql is the line short of paint.

INSERT INTO cmn_department.department (id, s_caption, s_description, id_parent, type, s_type) VALUES
    (10, 'Кладовая цеха', 'Расходный склад сырья при цехе металлоконструкций', 5, 2, 'Склад сырья');

INSERT INTO stk_stocks.stock (id, id_stock, id_ii, count, reserve, price, gds_price, job_price) VALUES
    (12, 10, 12, 38, 38, 115, 0, 0),
    (13, 10, 21, 1.6, 1.6, 455, 0, 0),
    (14, 10, 22, 1.6, 1.6, 510, 0, 0),
    (15, 10, 23, 0, 0, 430, 0, 0),
    (16, 7, 43, 1, 0, 3240, 1436.5, 142),
    (17, 10, 11, 0, 0, 92, 0, 0);

INSERT INTO mnf_app.app_doc (id, d_date, id_jur_person, id_person, d_mnf, d_out, id_app_doc, id_app_spec) VALUES
    (4, now() - interval '12 days', 3, 3, current_date + 3, current_date + 6, 0, 0),
    (5, now() - interval '1 day', 3, 3, current_date + 3, current_date + 6, 4, 10);

INSERT INTO mnf_app.app_spec
    (id, id_app_doc, id_ii, cnt, done, id_ral, id_gds, price, cost_price, state, accept, accept_stock, id_stock_in, gds_price, job_price) VALUES
    (6, 4, 43, 2, 0, 21, 12, 5200, 2900, 1, true, 0, NULL, 0, 0),
    (7, 4, 43, 4, 2, 22, 12, 5200, 2900, 2, true, 0, NULL, 6002, 0),
    (8, 4, 30, 10, 10, 0, 11, 0, 420, 3, true, 0, NULL, 3864, 0),
    (9, 4, 43, 1, 1, 23, 12, 5200, 2900, 3, true, 2, 5, 1436.5, 142),
    (10, 4, 40, 12, 0, 23, 30, 3900, 2450, 0, false, 0, NULL, 0, 0),
    (11, 5, 30, 40, 0, 0, 11, 0, 420, 0, false, 0, NULL, 0, 0);

INSERT INTO stk_stocks.spec_out (id, id_gds, id_stock_out, cnt_gds, price, d_datetime, accept, id_app_doc, id_app_spec) VALUES
    (1, 12, 0, 19, 115, now() - interval '2 days', false, 4, 6),
    (2, 21, 0, 1.6, 455, now() - interval '2 days', false, 4, 6),
    (3, 12, 10, 38, 115, now() - interval '9 days', true, 4, 7),
    (4, 22, 10, 3.2, 510, now() - interval '9 days', true, 4, 7),
    (5, 11, 10, 42, 92, now() - interval '10 days', true, 4, 8),
    (6, 12, 10, 9.5, 115, now() - interval '11 days', true, 4, 9),
    (7, 23, 10, 0.8, 430, now() - interval '11 days', true, 4, 9);

INSERT INTO mnf_proc_tech.tp_operation (id, app_spec_id, tp_id, operation_id, done, cnt, orderby) VALUES
    (1, 7, 4, 9, 2, 4, 1),
    (2, 7, 4, 10, 0, 4, 2),
    (3, 7, 4, 11, 0, 4, 3),
    (4, 8, 6, 15, 10, 10, 1),
    (5, 8, 6, 16, 10, 10, 2),
    (6, 9, 4, 9, 1, 1, 1),
    (7, 9, 4, 10, 1, 1, 2),
    (8, 9, 4, 11, 1, 1, 3);

-- A record of a line's first operation holds in f_gds_qty_use the material it
-- took out of stock (docs/STOCK.md); later operations take nothing.
INSERT INTO accounts_dep.smena
    (id, w_id, i_id, o_id, kol_vo, brak, data, smena, cena, color, time, ok, vvod, prize, id_doc, id_doc_item, f_gds_qty_use, id_gds_use, id_cons_use) VALUES
    (1, 11, 43, 9, 2, 0, current_date - 2, 1, 12, 0, 4, 'no', now() - interval '2 days', 0, 4, 7, 19, 12, 0),
    (2, 12, 30, 15, 10, 0, current_date - 8, 1, 4, 0, 2, 'no', now() - interval '8 days', 0, 4, 8, 42, 11, 0),
    (3, 11, 30, 16, 10, 0, current_date - 7, 1, 3.5, 0, 3, 'no', now() - interval '7 days', 0, 4, 8, 0, 11, 0),
    (4, 12, 43, 9, 1, 0, current_date - 10, 2, 12, 0, 5, 'ok', now() - interval '10 days', 0, 4, 9, 9.5, 12, 0),
    (5, 8, 43, 10, 1, 0, current_date - 9, 1, 45, 0, 4, 'ok', now() - interval '9 days', 0, 4, 9, 0, 12, 0),
    (6, 8, 43, 11, 1, 0, current_date - 9, 1, 30, 0, 2, 'ok', now() - interval '9 days', 0, 4, 9, 0, 12, 0);

SELECT accounts_dep.h_tabel_refresh(w_id, smena, data)
  FROM (SELECT DISTINCT w_id, smena, data FROM accounts_dep.smena) d;

-- Line 9 went into the finished-goods warehouse.
INSERT INTO stk_stocks.stock_in (id, date_in, d_datetime, id_accomp_doc, id_jur_pers, id_department) VALUES
    (5, current_date - 8, now() - interval '8 days', '0', 5, 7);
INSERT INTO stk_stocks.spec_in (id, id_stock_in, id_gds, id_msm, cnt_gds, price, accept, id_app_spec) VALUES
    (11, 5, 43, 4, 1, 3240, true, 9);
