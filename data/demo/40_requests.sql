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

