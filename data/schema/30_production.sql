-- Production: operation kinds, processes and their operations, requests and
-- their lines, work plans of lines in production, shift records, timesheet.
--
-- Nothing may reference accounts_dep.smena, h_tabel, person_temp or
-- mnf_proc_tech.tp_operation: "Очистить базу" empties them with plain
-- TRUNCATE statements of their own, which a foreign key into them would refuse.

CREATE SCHEMA mnf_operation;
CREATE SCHEMA mnf_proc_tech;
CREATE SCHEMA mnf_app;
CREATE SCHEMA accounts_dep;

CREATE TABLE mnf_operation.operation_type (
    id            serial PRIMARY KEY,
    s_caption     varchar(254) NOT NULL DEFAULT '',
    s_description varchar(4000) DEFAULT ''
);

-- What an operation yields; the operation editor offers codes below 2.
CREATE TABLE mnf_operation.operation_state (
    id        integer PRIMARY KEY,
    s_caption varchar(254) NOT NULL DEFAULT ''
);
INSERT INTO mnf_operation.operation_state (id, s_caption) VALUES
    (0, 'Готовая продукция'),
    (1, 'Заготовки'),
    (2, 'Прочее');

CREATE TABLE mnf_proc_tech.proc_tech (
    id                 serial PRIMARY KEY,
    s_caption          varchar(254) NOT NULL DEFAULT '',
    id_inventory_items integer REFERENCES cmn_inventory_items.inventory_items (id),
    id_gds             integer REFERENCES cmn_inventory_items.inventory_items (id)
);
CREATE INDEX proc_tech_id_inventory_items_idx ON mnf_proc_tech.proc_tech (id_inventory_items);
CREATE INDEX proc_tech_id_gds_idx ON mnf_proc_tech.proc_tech (id_gds);

-- id_state has no foreign key: the editor writes -1 when no result is chosen.
CREATE TABLE mnf_operation.operation (
    id                 serial PRIMARY KEY,
    id_type            integer REFERENCES mnf_operation.operation_type (id),
    id_state           integer NOT NULL DEFAULT -1,
    price              numeric(15,4) NOT NULL DEFAULT 0,
    id_inventory_items integer,
    id_proc_tech       integer REFERENCES mnf_proc_tech.proc_tech (id) ON DELETE CASCADE,
    orderby            integer NOT NULL DEFAULT 1,
    id_gds_from        integer,
    id_gds_to          integer,
    f_qty_from         numeric
);
CREATE INDEX operation_id_proc_tech_idx ON mnf_operation.operation (id_proc_tech, orderby);
CREATE INDEX operation_id_type_idx ON mnf_operation.operation (id_type);

-- id_app_doc 0: a request from marketing; otherwise the request (and its line
-- id_app_spec) that this request for blanks serves.
CREATE TABLE mnf_app.app_doc (
    id            serial PRIMARY KEY,
    d_date        timestamp NOT NULL DEFAULT now(),
    id_jur_person integer REFERENCES cmn_contractor.jur_person (id),
    id_person     integer REFERENCES cmn_contractor.person (id),
    d_mnf         date,
    d_out         date,
    m_id          integer,
    id_app_doc    integer NOT NULL DEFAULT 0,
    id_app_spec   integer NOT NULL DEFAULT 0
);
CREATE INDEX app_doc_id_app_spec_idx ON mnf_app.app_doc (id_app_spec);
CREATE INDEX app_doc_id_app_doc_idx ON mnf_app.app_doc (id_app_doc, d_date);
CREATE INDEX app_doc_id_jur_person_idx ON mnf_app.app_doc (id_jur_person);
CREATE INDEX app_doc_id_person_idx ON mnf_app.app_doc (id_person);

-- state: 0 entered, 1 reserved, 2 in production, 3 produced.
-- accept_stock: 0 not taken in, 1 marked for taking in, 2 taken in.
-- id_ral is 0 (the item row 0) for unpainted products.
CREATE TABLE mnf_app.app_spec (
    id           serial PRIMARY KEY,
    id_app_doc   integer NOT NULL REFERENCES mnf_app.app_doc (id) ON DELETE CASCADE,
    id_ii        integer NOT NULL REFERENCES cmn_inventory_items.inventory_items (id),
    cnt          numeric NOT NULL DEFAULT 0,
    done         numeric NOT NULL DEFAULT 0,
    id_ral       integer NOT NULL DEFAULT 0 REFERENCES cmn_inventory_items.inventory_items (id),
    id_gds       integer,
    price        numeric(15,4) NOT NULL DEFAULT 0,
    cost_price   numeric(15,4) NOT NULL DEFAULT 0,
    state        integer NOT NULL DEFAULT 0,
    accept       boolean NOT NULL DEFAULT false,
    accept_stock integer NOT NULL DEFAULT 0,
    id_stock_in  integer,
    gds_price    numeric(15,4) NOT NULL DEFAULT 0,
    job_price    numeric(15,4) NOT NULL DEFAULT 0,
    master_id    integer
);
CREATE INDEX app_spec_id_app_doc_idx ON mnf_app.app_spec (id_app_doc);
CREATE INDEX app_spec_id_ii_idx ON mnf_app.app_spec (id_ii);
CREATE INDEX app_spec_id_ral_idx ON mnf_app.app_spec (id_ral);
CREATE INDEX app_spec_state_idx ON mnf_app.app_spec (state);

CREATE TABLE mnf_proc_tech.tp_operation (
    id           serial PRIMARY KEY,
    app_spec_id  integer NOT NULL,
    tp_id        integer,
    operation_id integer REFERENCES mnf_operation.operation (id),
    done         integer NOT NULL DEFAULT 0,
    cnt          integer NOT NULL DEFAULT 0,
    orderby      integer
);
CREATE INDEX tp_operation_app_spec_id_idx ON mnf_proc_tech.tp_operation (app_spec_id, orderby);
CREATE INDEX tp_operation_operation_id_idx ON mnf_proc_tech.tp_operation (operation_id);

-- ok: 'no' entered, 'ok' accepted, 'ta' never listed.
CREATE TABLE accounts_dep.smena (
    id            serial PRIMARY KEY,
    w_id          integer NOT NULL REFERENCES cmn_contractor.person (id),
    i_id          integer,
    o_id          integer REFERENCES mnf_operation.operation (id),
    kol_vo        numeric NOT NULL DEFAULT 0,
    brak          integer NOT NULL DEFAULT 0,
    data          date NOT NULL DEFAULT current_date,
    smena         integer NOT NULL DEFAULT 1,
    cena          numeric(15,4) NOT NULL DEFAULT 0,
    color         integer DEFAULT 0,
    time          integer NOT NULL DEFAULT 0,
    ok            varchar(2) DEFAULT 'no',
    vvod          timestamp DEFAULT now(),
    prize         numeric DEFAULT 0,
    id_doc        integer,
    id_doc_item   integer,
    f_gds_qty_use numeric DEFAULT 0,
    id_gds_use    integer,
    id_cons_use   integer,
    coef          numeric,
    i_id_old      integer,
    m_id          integer,
    b_end_oper    boolean
);
CREATE INDEX smena_data_smena_idx ON accounts_dep.smena (data, smena);
CREATE INDEX smena_id_doc_item_idx ON accounts_dep.smena (id_doc_item);
CREATE INDEX smena_w_id_data_idx ON accounts_dep.smena (w_id, data);
CREATE INDEX smena_o_id_idx ON accounts_dep.smena (o_id);

-- The brigade of a shift record until accounts_dep.divide_between_person shares it out.
CREATE TABLE accounts_dep.person_temp (
    id        serial PRIMARY KEY,
    id_smena  integer NOT NULL,
    id_person integer NOT NULL REFERENCES cmn_contractor.person (id)
);
CREATE INDEX person_temp_id_smena_idx ON accounts_dep.person_temp (id_smena);

-- One row per worker, shift, month and year; d1..d31 hold the hours of each day.
CREATE TABLE accounts_dep.h_tabel (
    id    serial PRIMARY KEY,
    smena integer NOT NULL,
    w_id  integer NOT NULL REFERENCES cmn_contractor.person (id),
    month integer NOT NULL,
    year  integer NOT NULL,
    d1  integer DEFAULT 0, d2  integer DEFAULT 0, d3  integer DEFAULT 0, d4  integer DEFAULT 0,
    d5  integer DEFAULT 0, d6  integer DEFAULT 0, d7  integer DEFAULT 0, d8  integer DEFAULT 0,
    d9  integer DEFAULT 0, d10 integer DEFAULT 0, d11 integer DEFAULT 0, d12 integer DEFAULT 0,
    d13 integer DEFAULT 0, d14 integer DEFAULT 0, d15 integer DEFAULT 0, d16 integer DEFAULT 0,
    d17 integer DEFAULT 0, d18 integer DEFAULT 0, d19 integer DEFAULT 0, d20 integer DEFAULT 0,
    d21 integer DEFAULT 0, d22 integer DEFAULT 0, d23 integer DEFAULT 0, d24 integer DEFAULT 0,
    d25 integer DEFAULT 0, d26 integer DEFAULT 0, d27 integer DEFAULT 0, d28 integer DEFAULT 0,
    d29 integer DEFAULT 0, d30 integer DEFAULT 0, d31 integer DEFAULT 0
);
-- A second row for the same worker, shift and month would be counted twice.
CREATE UNIQUE INDEX h_tabel_worker_month_key ON accounts_dep.h_tabel (w_id, smena, month, year);
