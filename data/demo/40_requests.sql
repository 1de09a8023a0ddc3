-- Demo plant: marketing requests.
-- Requests 1 to 3 have all their lines at stage 0, each showing one path
-- of the reserve operation:
--   line 1 (brackets, RAL 9016) and line 2 (feet, unpainted): enough stock, reserved;
--   line 3 (racks): too few shelf blanks, a request for blanks is made;
--   line 4 (shelves, RAL 3020): too little paint;
--   line 5 (fences): too little tube, a purchase request is made.

INSERT INTO mnf_app.app_doc (id, d_date, id_jur_person, id_person, d_mnf, d_out) VALUES
    (1, now() - interval '3 days', 2, 3, current_date + 10, current_date + 14),
    (2, now() - interval '2 days', 3, 3, current_date + 12, current_date + 15),
    (3, now() - interval '1 day', 4, 3, current_date + 20, current_date + 25);

INSERT INTO mnf_app.app_spec (id, id_app_doc, id_ii, cnt, id_ral, id_gds, price, cost_price) VALUES
    (1, 1, 41, 200, 20, 10, 95, 48),
    (2, 1, 42, 100, 0, 13, 35, 18),
    (3, 2, 40, 10, 21, 30, 3900, 2450),
    (4, 2, 44, 50, 22, 11, 640, 310),
    (5, 3, 43, 40, 23, 12, 5200, 2900);

-- Requests 4 to 6 show lines further on, as the reserve and the issue to
-- production leave them, with the stock reserved for them:
--   request 4: line 6 (brackets, RAL 9005) issued from the raw-materials
--     warehouse and in work (stage 2, its operations copied, none done yet);
--     line 7 (feet, unpainted) reserved (stage 1);
--   request 5: line 8 (shelves, RAL 9016) reserved; line 9 (feet) entered;
--   request 6, entered today: lines 10 (fences) and 11 (racks) entered.
-- The reserves leave enough free stock for the reserve paths of lines 1 to 5.
INSERT INTO mnf_app.app_doc (id, d_date, id_jur_person, id_person, d_mnf, d_out) VALUES
    (4, now() - interval '6 days', 5, 3, current_date + 1, current_date + 4),
    (5, now() - interval '5 days', 3, 3, current_date + 6, current_date + 9),
    (6, now() - interval '2 hours', 2, 3, current_date + 25, current_date + 30);

INSERT INTO mnf_app.app_spec
    (id, id_app_doc, id_ii, cnt, id_ral, id_gds, price, cost_price, state, accept, gds_price) VALUES
    (6, 4, 41, 100, 23, 10, 92, 48, 2, true, 6860),
    (7, 4, 42, 200, 0, 13, 34, 18, 1, true, 0),
    (8, 5, 44, 30, 20, 11, 620, 310, 1, true, 0),
    (9, 5, 42, 120, 0, 13, 34, 18, 0, false, 0),
    (10, 6, 43, 12, 21, 12, 5400, 2900, 0, false, 0),
    (11, 6, 40, 6, 20, 30, 4100, 2450, 0, false, 0);

-- Issue lines: material massa x count, paint ral_cons x count, at the stock
-- price; line 6's are issued from warehouse 9, the others wait for the storekeeper.
INSERT INTO stk_stocks.spec_out (id, id_gds, id_stock_out, cnt_gds, price, d_datetime, accept, id_app_doc, id_app_spec) VALUES
    (1, 10, 9, 60, 78.5, now() - interval '5 days', true, 4, 6),
    (2, 23, 9, 5, 430, now() - interval '5 days', true, 4, 6),
    (3, 13, 0, 40, 64, now() - interval '5 days', false, 4, 7),
    (4, 11, 0, 63, 92, now() - interval '4 days', false, 5, 8),
    (5, 20, 0, 3.6, 420, now() - interval '4 days', false, 5, 8);

UPDATE stk_stocks.stock s SET reserve = s.reserve + r.need
  FROM (VALUES (10, 60), (23, 5), (13, 40), (11, 63), (20, 3.6)) AS r(id_ii, need)
 WHERE s.id_ii = r.id_ii AND s.id_stock = 9;

-- The operations line 6 still has to pass: its process's, none done yet.
INSERT INTO mnf_proc_tech.tp_operation (id, app_spec_id, tp_id, operation_id, done, cnt, orderby) VALUES
    (1, 6, 2, 4, 0, 100, 1),
    (2, 6, 2, 5, 0, 100, 2),
    (3, 6, 2, 6, 0, 100, 3);
