-- Rules of the reserve that the database keeps as well (docs/STOCK.md).
--
-- A request line gets at most one request for blanks and at most one purchase
-- request, even when two workstations act on it at once: the reserve locks
-- the line first, and these indexes refuse a second one that slips past.
-- Requests from marketing and "На склад" leave id_app_spec 0; purchase
-- requests entered by hand leave it empty.
CREATE UNIQUE INDEX app_doc_one_per_line ON mnf_app.app_doc (id_app_spec) WHERE id_app_spec <> 0;
CREATE UNIQUE INDEX purchase_doc_one_per_line ON stk_purchase.purchase_doc (id_app_spec)
    WHERE id_app_spec IS NOT NULL AND id_app_spec <> 0;
