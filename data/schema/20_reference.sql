-- Reference tables: departments and warehouses, positions, roles, persons,
-- counterparties, users, units, kinds of items and the items themselves.
--
-- Foreign keys here have no cascade: deleting a catalogue row that documents
-- or other catalogues still use is refused, rather than letting those rows
-- drop out of the lists that join them. Columns where the client writes 0 for
-- "none" point at tables that hold a row with key 0.

CREATE SCHEMA adm_role;
CREATE SCHEMA adm_user;
CREATE SCHEMA cmn_contractor;
CREATE SCHEMA cmn_department;
CREATE SCHEMA cmn_inventory_items;
CREATE SCHEMA cmn_msm;
CREATE SCHEMA hrms_staffpos;

-- Key-0 rows stand for "none" and are joined with inner joins, so they must stay.
CREATE FUNCTION public.keep_key_zero_row() RETURNS trigger
LANGUAGE plpgsql AS $$
BEGIN
    RAISE EXCEPTION 'Строка с ключом 0 таблицы %.% служебная и не удаляется',
        TG_TABLE_SCHEMA, TG_TABLE_NAME;
END
$$;

-- type: -1 not a warehouse, 0 "Склад ГП", 1 "Склад заготовок", 2 "Склад сырья".
CREATE TABLE cmn_department.department (
    id            serial PRIMARY KEY,
    s_caption     varchar(254) NOT NULL DEFAULT '',
    s_description varchar(4000) DEFAULT '',
    id_parent     integer DEFAULT 0 REFERENCES cmn_department.department (id),
    type          integer NOT NULL DEFAULT -1,
    s_type        varchar(254) DEFAULT ''
);
-- Row 0 has no parent itself, so the department list (an inner join on the
-- parent) does not offer it for change or deletion.
INSERT INTO cmn_department.department (id, s_caption, s_description, id_parent, type, s_type)
VALUES (0, '', '', NULL, -1, '');
CREATE INDEX department_id_parent_idx ON cmn_department.department (id_parent);
CREATE TRIGGER department_keep_key_zero BEFORE DELETE ON cmn_department.department
    FOR EACH ROW WHEN (OLD.id = 0) EXECUTE FUNCTION public.keep_key_zero_row();

CREATE VIEW cmn_department.v_department AS
    SELECT d.id, d.s_caption FROM cmn_department.department d;

CREATE TABLE hrms_staffpos.staffpos (
    id            serial PRIMARY KEY,
    s_caption     varchar(254) NOT NULL DEFAULT '',
    s_description varchar(4000) DEFAULT '',
    id_department integer DEFAULT 0 REFERENCES cmn_department.department (id),
    d_begin       date,
    d_end         date
);

CREATE TABLE adm_role.roles (
    id        serial PRIMARY KEY,
    s_name    varchar(30) NOT NULL DEFAULT '',
    s_caption varchar(254) NOT NULL DEFAULT '',
    d_begin   date DEFAULT current_date,
    d_end     date,
    b_active  boolean NOT NULL DEFAULT true
);

-- b_employee defaults to true: the personnel editor never writes it, and the
-- worker lists show only employees.
CREATE TABLE cmn_contractor.person (
    id            serial PRIMARY KEY,
    s_caption     varchar(254) NOT NULL DEFAULT '',
    s_second_name varchar(254),
    s_first_name  varchar(254),
    s_third_name  varchar(254),
    b_employee    boolean NOT NULL DEFAULT true,
    id_staffpos   integer REFERENCES hrms_staffpos.staffpos (id),
    id_department integer REFERENCES cmn_department.department (id),
    id_role       integer REFERENCES adm_role.roles (id)
);
CREATE INDEX person_id_staffpos_idx ON cmn_contractor.person (id_staffpos);
CREATE INDEX person_id_department_idx ON cmn_contractor.person (id_department);
CREATE INDEX person_id_role_idx ON cmn_contractor.person (id_role);

CREATE TABLE cmn_contractor.jur_person (
    id             serial PRIMARY KEY,
    s_caption      varchar(254) NOT NULL DEFAULT '',
    s_full_caption varchar(254) NOT NULL DEFAULT '',
    s_ogrn         varchar(254) DEFAULT '',
    s_inn          varchar(254) DEFAULT ''
);
-- Key 1 is the plant itself: "На склад" writes requests for production to
-- stock with this counterparty.
INSERT INTO cmn_contractor.jur_person (id, s_caption, s_full_caption, s_ogrn, s_inn)
VALUES (1, 'Собственное производство', 'Собственное производство', '', '');

CREATE TABLE adm_user.users (
    id           serial PRIMARY KEY,
    s_name       varchar(30) NOT NULL UNIQUE,
    s_caption    varchar(254) DEFAULT '',
    d_registered date DEFAULT current_date,
    d_closed     date,
    b_active     boolean NOT NULL DEFAULT true,
    id_person    integer REFERENCES cmn_contractor.person (id)
);

CREATE TABLE cmn_msm.msm (
    id               serial PRIMARY KEY,
    s_code           varchar(254) DEFAULT '',
    s_caption        varchar(254) NOT NULL DEFAULT '',
    s_identification varchar(254) NOT NULL DEFAULT '',
    n_round          integer DEFAULT 0
);
-- Key 4 ("шт") is written into every finished-goods receipt line.
INSERT INTO cmn_msm.msm (id, s_code, s_caption, s_identification, n_round) VALUES
    (1, '166', 'Килограмм', 'кг', 3),
    (2, '006', 'Метр', 'м', 3),
    (3, '112', 'Литр', 'л', 3),
    (4, '796', 'Штука', 'шт', 0),
    (5, '055', 'Квадратный метр', 'м2', 3),
    (6, '168', 'Тонна', 'т', 3),
    (7, '839', 'Комплект', 'компл', 0);

-- Codes the client relies on: 0 bought materials (purchase needs), 3 paint
-- colours (colour pickers).
CREATE TABLE cmn_inventory_items.ii_type (
    id        serial PRIMARY KEY,
    s_caption varchar(254) NOT NULL DEFAULT ''
);
INSERT INTO cmn_inventory_items.ii_type (id, s_caption) VALUES
    (0, 'Материал'),
    (1, 'Заготовка'),
    (2, 'Продукция'),
    (3, 'Краска RAL');

CREATE TABLE cmn_inventory_items.nomenclature (
    id            serial PRIMARY KEY,
    s_caption     varchar(254) NOT NULL DEFAULT '',
    id_department integer DEFAULT 0 REFERENCES cmn_department.department (id)
);

-- id_nom has no foreign key: the item editor writes -1 or 0 when no kind is chosen.
CREATE TABLE cmn_inventory_items.inventory_items (
    id         serial PRIMARY KEY,
    marka      varchar(254) NOT NULL DEFAULT '',
    id_nom     integer,
    id_type    integer REFERENCES cmn_inventory_items.ii_type (id),
    massa      numeric NOT NULL DEFAULT 0,
    width      numeric NOT NULL DEFAULT 0,
    thick      numeric NOT NULL DEFAULT 0,
    ral        boolean NOT NULL DEFAULT false,
    ral_cons   numeric NOT NULL DEFAULT 0,
    id_msm     integer REFERENCES cmn_msm.msm (id),
    cost_price numeric NOT NULL DEFAULT 0
);
-- Row 0 is the colour of unpainted request lines. Without a type it falls out
-- of every item picker (they all filter on id_type).
INSERT INTO cmn_inventory_items.inventory_items (id, marka, id_nom, id_type, id_msm)
VALUES (0, '', NULL, NULL, NULL);
CREATE INDEX inventory_items_id_nom_idx ON cmn_inventory_items.inventory_items (id_nom);
CREATE INDEX inventory_items_marka_idx ON cmn_inventory_items.inventory_items (marka);
CREATE TRIGGER inventory_items_keep_key_zero BEFORE DELETE ON cmn_inventory_items.inventory_items
    FOR EACH ROW WHEN (OLD.id = 0) EXECUTE FUNCTION public.keep_key_zero_row();
