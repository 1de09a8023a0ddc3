-- Warehouses and supply: stock on hand, receipt orders and their lines, issue
-- lines, purchase requests and their lines.
--
-- No foreign key runs between the working-data schemas (mnf_app, stk_stocks,
-- stk_purchase, accounts_dep): each of them is emptied on its own by
-- truncate_tables, which refuses a schema that others still point into.

CREATE SCHEMA stk_stocks;
CREATE SCHEMA stk_purchase;

-- One row per item and warehouse: a new pair is written with
-- INSERT ... ON CONFLICT (id_stock, id_ii), so two workstations receiving the
-- same item at once add up on one row. No operation may leave more reserved
-- than there is, or less than nothing.
CREATE TABLE stk_stocks.stock (
    id        serial PRIMARY KEY,
    id_stock  integer NOT NULL REFERENCES cmn_department.department (id),
    id_ii     integer NOT NULL REFERENCES cmn_inventory_items.inventory_items (id),
    count     numeric NOT NULL DEFAULT 0,
    reserve   numeric NOT NULL DEFAULT 0,
    price     numeric NOT NULL DEFAULT 0,
    gds_price numeric(15,4) NOT NULL DEFAULT 0,
    job_price numeric(15,4) NOT NULL DEFAULT 0,
    CONSTRAINT stock_warehouse_item_key UNIQUE (id_stock, id_ii),
    CONSTRAINT stock_figures_check CHECK (count >= 0 AND reserve >= 0 AND reserve <= count)
);
CREATE INDEX stock_id_ii_idx ON stk_stocks.stock (id_ii);

-- id_jur_pers is a supplier (jur_person) for bought items and the producing
-- department for finished goods, so it carries no foreign key.
CREATE TABLE stk_stocks.stock_in (
    id             serial PRIMARY KEY,
    date_in        date DEFAULT current_date,
    d_datetime     timestamp DEFAULT now(),
    id_accomp_doc  varchar(254) DEFAULT '0',
    id_jur_pers    integer,
    id_department  integer REFERENCES cmn_department.department (id)
);
CREATE INDEX stock_in_id_department_idx ON stk_stocks.stock_in (id_department);

-- price: unit price on receipts of bought items, the whole line's cost on
-- finished-goods receipts.
CREATE TABLE stk_stocks.spec_in (
    id          serial PRIMARY KEY,
    id_stock_in integer NOT NULL REFERENCES stk_stocks.stock_in (id) ON DELETE CASCADE,
    id_gds      integer NOT NULL REFERENCES cmn_inventory_items.inventory_items (id),
    id_msm      integer,
    cnt_gds     numeric NOT NULL DEFAULT 0,
    price       numeric(15,4) NOT NULL DEFAULT 0,
    nds         numeric(15,4) DEFAULT 0,
    d_datetime  date DEFAULT current_date,
    accept      boolean NOT NULL DEFAULT false,
    id_app_spec integer
);
CREATE INDEX spec_in_id_stock_in_idx ON stk_stocks.spec_in (id_stock_in);
CREATE INDEX spec_in_id_gds_idx ON stk_stocks.spec_in (id_gds);

-- id_stock_out is 0 (the department row 0) until the storekeeper picks a warehouse.
CREATE TABLE stk_stocks.spec_out (
    id           serial PRIMARY KEY,
    id_gds       integer NOT NULL REFERENCES cmn_inventory_items.inventory_items (id),
    id_stock_out integer NOT NULL DEFAULT 0 REFERENCES cmn_department.department (id),
    cnt_gds      numeric NOT NULL DEFAULT 0,
    price        numeric(15,4) NOT NULL DEFAULT 0,
    d_datetime   timestamp DEFAULT now(),
    accept       boolean NOT NULL DEFAULT false,
    id_app_doc   integer,
    id_app_spec  integer
);
CREATE INDEX spec_out_id_app_spec_idx ON stk_stocks.spec_out (id_app_spec);
CREATE INDEX spec_out_id_gds_idx ON stk_stocks.spec_out (id_gds);
CREATE INDEX spec_out_id_stock_out_idx ON stk_stocks.spec_out (id_stock_out);

-- id_jur_person stays empty on requests made from a shortage until a supplier is chosen.
CREATE TABLE stk_purchase.purchase_doc (
    id            serial PRIMARY KEY,
    d_date        timestamp NOT NULL DEFAULT now(),
    id_jur_person integer REFERENCES cmn_contractor.jur_person (id),
    id_person     integer REFERENCES cmn_contractor.person (id),
    d_in          date,
    id_app_doc    integer,
    id_app_spec   integer
);
CREATE INDEX purchase_doc_id_app_spec_idx ON stk_purchase.purchase_doc (id_app_spec);
CREATE INDEX purchase_doc_id_jur_person_idx ON stk_purchase.purchase_doc (id_jur_person);
CREATE INDEX purchase_doc_id_person_idx ON stk_purchase.purchase_doc (id_person);

-- state: 0 "Оформление", 1 "Закупка", 2 "На складе".
CREATE TABLE stk_purchase.purchase_spec (
    id              serial PRIMARY KEY,
    id_purchase_doc integer NOT NULL REFERENCES stk_purchase.purchase_doc (id) ON DELETE CASCADE,
    id_gds          integer NOT NULL REFERENCES cmn_inventory_items.inventory_items (id),
    cnt             numeric NOT NULL DEFAULT 0,
    gds_price       numeric(15,4) NOT NULL DEFAULT 0,
    state           integer NOT NULL DEFAULT 0,
    id_item         integer
);
CREATE INDEX purchase_spec_id_purchase_doc_idx ON stk_purchase.purchase_spec (id_purchase_doc);
CREATE INDEX purchase_spec_id_gds_idx ON stk_purchase.purchase_spec (id_gds);
CREATE INDEX purchase_spec_state_idx ON stk_purchase.purchase_spec (state);
