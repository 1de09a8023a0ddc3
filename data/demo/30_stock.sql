-- Demo plant: receipts and stock, purchase requests.
-- Stock of the raw-materials warehouse (9) is what the accepted receipt lines
-- brought in; blanks and finished goods are opening balances.

INSERT INTO stk_stocks.stock_in (id, date_in, d_datetime, id_accomp_doc, id_jur_pers, id_department) VALUES
    (1, current_date - 30, now() - interval '30 days', '1045', 6, 9),
    (2, current_date - 25, now() - interval '25 days', '377', 7, 9),
    (3, current_date - 20, now() - interval '20 days', '2210', 8, 9),
    -- waits for the storekeeper: its lines are not accepted yet
    (4, current_date - 2, now() - interval '2 days', '1102', 6, 9);

INSERT INTO stk_stocks.spec_in (id, id_stock_in, id_gds, id_msm, cnt_gds, price, accept) VALUES
    (1, 1, 10, 1, 850, 78.5, true),
    (2, 1, 11, 1, 400, 92, true),
    (3, 2, 12, 2, 300, 115, true),
    (4, 2, 13, 2, 150, 64, true),
    (5, 3, 20, 1, 60, 420, true),
    (6, 3, 21, 1, 40, 455, true),
    (7, 3, 22, 1, 5, 510, true),
    (8, 3, 23, 1, 25, 430, true),
    (9, 4, 10, 1, 200, 80, false),
    (10, 4, 14, 4, 500, 6.2, false);

INSERT INTO stk_stocks.stock (id, id_stock, id_ii, count, reserve, price, gds_price, job_price) VALUES
    (1, 9, 10, 850, 0, 78.5, 0, 0),
    (2, 9, 11, 400, 0, 92, 0, 0),
    (3, 9, 12, 300, 0, 115, 0, 0),
    (4, 9, 13, 150, 0, 64, 0, 0),
    (5, 9, 20, 60, 0, 420, 0, 0),
    (6, 9, 21, 40, 0, 455, 0, 0),
    -- too little for the shelves' order: shows the paint shortage
    (7, 9, 22, 5, 0, 510, 0, 0),
    (8, 9, 23, 25, 0, 430, 0, 0),
    -- blanks: fewer than the rack order needs, so reserving it asks for more
    (9, 8, 30, 20, 0, 420, 386.4, 33.6),
    (10, 8, 31, 15, 0, 230, 207, 23),
    (11, 7, 41, 50, 0, 48, 39.5, 8.5);

INSERT INTO stk_purchase.purchase_doc (id, d_date, id_jur_person, id_person, d_in, id_app_doc, id_app_spec) VALUES
    (1, now() - interval '4 days', 6, 4, current_date + 5, NULL, NULL),
    (2, now() - interval '1 day', 8, 4, current_date + 7, NULL, NULL);

-- state 1 ("Закупка") lines are offered to receipt orders.
INSERT INTO stk_purchase.purchase_spec (id, id_purchase_doc, id_gds, cnt, gds_price, state) VALUES
    (1, 1, 11, 300, 93, 1),
    (2, 1, 13, 100, 65, 0),
    (3, 2, 22, 20, 515, 0);
