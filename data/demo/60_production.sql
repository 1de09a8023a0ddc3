-- Demo plant: request lines further down their way, next to the stage-0 lines
-- of 40_requests.sql, whose paths they leave as they are (their stock lies in
-- a second raw-materials warehouse, all of it reserved or used up):
--   line 6 (brackets, RAL 7024): reserved, issue lines waiting for a warehouse;
--   line 7 (feet): issued, half of it through the first operation;
--   line 8 (shelves, RAL 9016): produced, waiting to be taken in;
--   line 9 (feet): produced and taken into the finished-goods warehouse;
--   line 10 (racks, RAL 9005): made from shelf blanks, too few of them, so a
--   request for blanks (request 5, line 11) has been made from it.
-- Line 4 of 40_requests.sql is the line short of paint.

INSERT INTO cmn_department.department (id, s_caption, s_description, id_parent, type, s_type) VALUES
    (10, 'Склад сырья цеха', 'Расходный склад при цехе металлоконструкций', 5, 2, 'Склад сырья');

INSERT INTO stk_stocks.stock (id, id_stock, id_ii, count, reserve, price, gds_price, job_price) VALUES
    (12, 10, 10, 24, 24, 78.5, 0, 0),
    (13, 10, 21, 2, 2, 455, 0, 0),
    (14, 10, 13, 6, 6, 64, 0, 0),
    (15, 10, 11, 0, 0, 92, 0, 0),
    (16, 10, 20, 0, 0, 420, 0, 0),
    (17, 7, 42, 20, 0, 21.3, 12.8, 8.5);

INSERT INTO mnf_app.app_doc (id, d_date, id_jur_person, id_person, d_mnf, d_out, id_app_doc, id_app_spec) VALUES
    (4, now() - interval '12 days', 3, 3, current_date + 3, current_date + 6, 0, 0),
    (5, now() - interval '1 day', 3, 3, current_date + 3, current_date + 6, 4, 10);

INSERT INTO mnf_app.app_spec
    (id, id_app_doc, id_ii, cnt, done, id_ral, id_gds, price, cost_price, state, accept, accept_stock, id_stock_in, gds_price, job_price) VALUES
    (6, 4, 41, 40, 0, 21, 10, 95, 48, 1, true, 0, NULL, 0, 0),
    (7, 4, 42, 60, 30, 0, 13, 35, 18, 2, true, 0, NULL, 768, 0),
    (8, 4, 44, 10, 10, 20, 11, 640, 310, 3, true, 0, NULL, 2436, 0),
    (9, 4, 42, 20, 20, 0, 13, 35, 18, 3, true, 2, 5, 256, 150),
    (10, 4, 40, 12, 0, 23, 30, 3900, 2450, 0, false, 0, NULL, 0, 0),
    (11, 5, 30, 40, 0, 0, 11, 0, 420, 0, false, 0, NULL, 0, 0);

INSERT INTO stk_stocks.spec_out (id, id_gds, id_stock_out, cnt_gds, price, d_datetime, accept, id_app_doc, id_app_spec) VALUES
    (1, 10, 0, 24, 78.5, now() - interval '2 days', false, 4, 6),
    (2, 21, 0, 2, 455, now() - interval '2 days', false, 4, 6),
    (3, 13, 10, 12, 64, now() - interval '9 days', true, 4, 7),
    (4, 11, 10, 21, 92, now() - interval '10 days', true, 4, 8),
    (5, 20, 10, 1.2, 420, now() - interval '10 days', true, 4, 8),
    (6, 13, 10, 4, 64, now() - interval '11 days', true, 4, 9);

INSERT INTO mnf_proc_tech.tp_operation (id, app_spec_id, tp_id, operation_id, done, cnt, orderby) VALUES
    (1, 7, 3, 7, 30, 60, 1),
    (2, 7, 3, 8, 0, 60, 2),
    (3, 8, 5, 12, 10, 10, 1),
    (4, 8, 5, 13, 10, 10, 2),
    (5, 8, 5, 14, 10, 10, 3),
    (6, 9, 3, 7, 20, 20, 1),
    (7, 9, 3, 8, 20, 20, 2);

-- A record of a line's first operation holds in f_gds_qty_use the material it
-- took out of stock (docs/STOCK.md); later operations take nothing.
INSERT INTO accounts_dep.smena
    (id, w_id, i_id, o_id, kol_vo, brak, data, smena, cena, color, time, ok, vvod, prize, id_doc, id_doc_item, f_gds_qty_use, id_gds_use, id_cons_use) VALUES
    (1, 10, 42, 7, 30, 0, current_date - 2, 1, 2, 0, 4, 'no', now() - interval '2 days', 0, 4, 7, 6, 13, 0),
    (2, 10, 44, 12, 10, 0, current_date - 8, 1, 5, 0, 2, 'no', now() - interval '8 days', 0, 4, 8, 21, 11, 0),
    (3, 11, 44, 13, 10, 0, current_date - 7, 1, 6, 0, 3, 'no', now() - interval '7 days', 0, 4, 8, 0, 11, 0),
    (4, 12, 44, 14, 10, 0, current_date - 6, 2, 7, 0, 5, 'no', now() - interval '6 days', 0, 4, 8, 0, 11, 0),
    (5, 10, 42, 7, 20, 0, current_date - 10, 1, 2, 0, 3, 'ok', now() - interval '10 days', 0, 4, 9, 4, 13, 0),
    (6, 8, 42, 8, 20, 0, current_date - 9, 1, 5.5, 0, 4, 'ok', now() - interval '9 days', 0, 4, 9, 0, 13, 0);

SELECT accounts_dep.h_tabel_refresh(w_id, smena, data)
  FROM (SELECT DISTINCT w_id, smena, data FROM accounts_dep.smena) d;

-- Line 9 went into the finished-goods warehouse.
INSERT INTO stk_stocks.stock_in (id, date_in, d_datetime, id_accomp_doc, id_jur_pers, id_department) VALUES
    (5, current_date - 8, now() - interval '8 days', '0', 5, 7);
INSERT INTO stk_stocks.spec_in (id, id_stock_in, id_gds, id_msm, cnt_gds, price, accept, id_app_spec) VALUES
    (11, 5, 42, 4, 20, 406, true, 9);
