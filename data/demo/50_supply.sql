-- Demo plant: more purchase requests, one per state of the buyer's work
-- (requests 1 and 2 are in 30_stock.sql):
--   3: made from the shortage of request 2, no supplier chosen yet, no price;
--   4: tube from "Трубный двор", two lines being bought, one being drawn up;
--   5: an older request whose sheet has arrived.

INSERT INTO stk_purchase.purchase_doc (id, d_date, id_jur_person, id_person, d_in, id_app_doc, id_app_spec) VALUES
    (3, now() - interval '2 hours', NULL, 4, current_date + 3, 2, NULL),
    (4, now() - interval '3 days', 7, 4, current_date + 2, NULL, NULL),
    (5, now() - interval '32 days', 6, 4, current_date - 30, NULL, NULL);

-- state 1 ("Закупка") lines are offered to receipt orders, 2 is received.
INSERT INTO stk_purchase.purchase_spec (id, id_purchase_doc, id_gds, cnt, gds_price, state) VALUES
    (4, 3, 22, 8, 0, 0),
    (5, 4, 12, 120, 118.5, 1),
    (6, 4, 13, 60, 66, 1),
    (7, 4, 14, 1000, 6.45, 0),
    (8, 5, 10, 850, 78.5, 2),
    (9, 5, 14, 500, 6.2, 2);
