-- Behaviour the client relies on from the database, over the demo data.
-- Each check runs in its own transaction, rolled back afterwards, and prints
-- PASS or FAIL with its name; a failing assertion raises an exception.
\set QUIET 1
\pset pager off
\o /dev/null

-- ----- deleting a document deletes its lines ------------------------------
BEGIN;
DO $$
DECLARE
    c record;
    n integer;
BEGIN
    FOR c IN SELECT * FROM (VALUES
        ('mnf_app.app_doc',           2, 'mnf_app.app_spec',            'id_app_doc'),
        ('mnf_proc_tech.proc_tech',   7, 'mnf_operation.operation',     'id_proc_tech'),
        ('stk_stocks.stock_in',       4, 'stk_stocks.spec_in',          'id_stock_in'),
        ('stk_purchase.purchase_doc', 1, 'stk_purchase.purchase_spec',  'id_purchase_doc')
    ) AS t(parent, key, child, ref)
    LOOP
        EXECUTE format('SELECT count(*) FROM %s WHERE %I = $1', c.child, c.ref) INTO n USING c.key;
        ASSERT n > 0, format('fixture: %s has no lines for %s', c.child, c.key);
        EXECUTE format('DELETE FROM %s WHERE id = $1', c.parent) USING c.key;
        EXECUTE format('SELECT count(*) FROM %s WHERE %I = $1', c.child, c.ref) INTO n USING c.key;
        ASSERT n = 0, format('%s lines of %s %s survived', n, c.parent, c.key);
    END LOOP;
END $$;
\if :ERROR \echo FAIL cascade deletes \else \echo PASS cascade deletes \endif
ROLLBACK;

-- ----- defaults of the columns the client leaves out ------------------------
BEGIN;
SET ROLE planner;
INSERT INTO mnf_app.app_doc(id_jur_person, id_person, d_mnf, d_out)VALUES(2, 3, '11.12.2026', '20.12.2026');
INSERT INTO mnf_app.app_spec(id_ii, cnt, id_app_doc, id_ral, id_gds, price, cost_price)
    VALUES(41, 10, (SELECT max(id) FROM mnf_app.app_doc), 20,10, 95, 48);
INSERT INTO stk_purchase.purchase_doc(id_person, d_in, id_app_doc, id_app_spec)VALUES(3, '21.12.2026',1,5);
INSERT INTO stk_purchase.purchase_spec(id_gds, cnt, id_purchase_doc)VALUES(12, 80, (SELECT max(id) FROM stk_purchase.purchase_doc));
INSERT INTO stk_stocks.spec_in(id_gds, id_stock_in, id_msm, cnt_gds, price) VALUES(11, 4, 1, 12.5, 91.5);
INSERT INTO stk_stocks.stock (id_stock, id_ii, count, price)VALUES(8, 14, 500, 6.2);
INSERT INTO cmn_contractor.person (s_caption, s_second_name, s_first_name, s_third_name, id_staffpos, id_department, id_role)VALUES('Петров Иван Ильич', 'Петров', 'Иван', 'Ильич', 9, 5, 9);
DO $$
DECLARE
    d  mnf_app.app_doc;
    s  mnf_app.app_spec;
    pd stk_purchase.purchase_doc;
    ps stk_purchase.purchase_spec;
    si stk_stocks.spec_in;
    st stk_stocks.stock;
    p  cmn_contractor.person;
BEGIN
    SELECT * INTO d FROM mnf_app.app_doc ORDER BY id DESC LIMIT 1;
    ASSERT d.id_app_doc = 0, 'app_doc.id_app_doc default is not 0';
    ASSERT d.id_app_spec = 0, 'app_doc.id_app_spec default is not 0';
    ASSERT d.d_date IS NOT NULL AND d.d_date <= now()::timestamp + interval '1 second', 'app_doc.d_date not set';
    ASSERT d.d_mnf = DATE '2026-12-11', 'app_doc.d_mnf not read day first';
    SELECT * INTO s FROM mnf_app.app_spec ORDER BY id DESC LIMIT 1;
    ASSERT s.state = 0 AND s.done = 0 AND s.accept = false AND s.accept_stock = 0,
        format('app_spec defaults: state %s done %s accept %s accept_stock %s', s.state, s.done, s.accept, s.accept_stock);
    ASSERT s.gds_price = 0 AND s.job_price = 0, 'app_spec cost parts must start at 0, not null';
    SELECT * INTO pd FROM stk_purchase.purchase_doc ORDER BY id DESC LIMIT 1;
    ASSERT pd.d_date IS NOT NULL AND pd.id_jur_person IS NULL, 'purchase_doc defaults';
    SELECT * INTO ps FROM stk_purchase.purchase_spec ORDER BY id DESC LIMIT 1;
    ASSERT ps.state = 0 AND ps.gds_price = 0, 'purchase_spec defaults';
    SELECT * INTO si FROM stk_stocks.spec_in ORDER BY id DESC LIMIT 1;
    ASSERT si.accept = false, 'spec_in.accept default';
    SELECT * INTO st FROM stk_stocks.stock WHERE id_stock = 8 AND id_ii = 14;
    ASSERT st.reserve = 0 AND st.gds_price = 0 AND st.job_price = 0, 'stock defaults';
    SELECT * INTO p FROM cmn_contractor.person ORDER BY id DESC LIMIT 1;
    ASSERT p.b_employee, 'person.b_employee default';
    -- and so the new person is a worker
    ASSERT EXISTS (SELECT 1 FROM hrms_staffpos.staffpos staff, cmn_contractor.person person, cmn_department.department dep, adm_role.roles roles
                    WHERE person.b_employee = true AND staff.id=person.id_staffpos AND dep.id=person.id_department
                      AND roles.id = person.id_role AND person.id = p.id), 'new person missing from workers';
END $$;
\if :ERROR \echo FAIL defaults \else \echo PASS defaults \endif
ROLLBACK;

-- ----- rows with key 0 and the lists that join them -------------------------
BEGIN;
SET ROLE planner;
insert into cmn_department.department(s_caption, s_description, id_parent, type, s_type)VALUES('Участок сборки' ,'', 0, -1,'');
DO $$
DECLARE
    n integer;
BEGIN
    ASSERT (SELECT type FROM cmn_department.department WHERE id = 0) = -1, 'department 0 missing or a warehouse';
    ASSERT EXISTS (SELECT 1 FROM cmn_department.v_department WHERE id = 0), 'v_department has no key 0';
    ASSERT EXISTS (SELECT 1 FROM cmn_inventory_items.inventory_items WHERE id = 0), 'item 0 missing';
    -- a department without parent is listed
    SELECT count(*) INTO n FROM cmn_department.department d, cmn_department.v_department d1
     WHERE d.id_parent = d1.id AND d.s_caption = 'Участок сборки';
    ASSERT n = 1, 'department without parent not listed';
    -- ... and row 0 itself is not offered in the department list
    ASSERT NOT EXISTS (SELECT 1 FROM cmn_department.department d, cmn_department.v_department d1
                        WHERE d.id_parent = d1.id AND d.id = 0), 'row 0 shows in the department list';
    -- no item picker offers item 0
    ASSERT NOT EXISTS (SELECT 1 FROM cmn_inventory_items.inventory_items ii
                        WHERE ii.id = 0 AND (ii.id_type <> 0 OR ii.id_type <> 1 OR ii.id_type <> -1 OR ii.id_type = 0 OR ii.id_type != 1)),
        'item 0 passes a picker filter';
    -- the unpainted line 2 (id_ral 0) is in the production list
    ASSERT EXISTS (SELECT 1 FROM mnf_app.app_spec as1, cmn_inventory_items.inventory_items ii2
                    WHERE ii2.id = as1.id_ral AND as1.id = 2), 'unpainted line dropped by the colour join';
END $$;
-- an issue line without warehouse (id_stock_out 0) is listed
INSERT INTO stk_stocks.spec_out(id_gds, id_stock_out, cnt_gds, price, d_datetime, accept, id_app_doc, id_app_spec) VALUES(13, 0, 20, 64, now()::t_datetime, false, 1, 2);
DO $$
BEGIN
    ASSERT EXISTS (SELECT 1 FROM stk_stocks.spec_out so, cmn_department.department d
                    WHERE d.id = so.id_stock_out AND so.id_app_spec = 2), 'issue line with warehouse 0 not listed';
END $$;
\if :ERROR \echo FAIL key-0 rows \else \echo PASS key-0 rows \endif
ROLLBACK;

BEGIN;
DO $$
DECLARE
    c record;
BEGIN
    FOR c IN SELECT * FROM (VALUES ('cmn_department.department'), ('cmn_inventory_items.inventory_items')) t(tbl) LOOP
        BEGIN
            EXECUTE format('DELETE FROM %s WHERE id = 0', c.tbl);
            RAISE EXCEPTION 'row 0 of % was deleted', c.tbl USING ERRCODE = 'ZZ001';
        EXCEPTION WHEN raise_exception THEN
            NULL;
        END;
    END LOOP;
END $$;
\if :ERROR \echo FAIL key-0 rows cannot be deleted \else \echo PASS key-0 rows cannot be deleted \endif
ROLLBACK;

-- ----- the column "type", dates day first, domains ------------------------
BEGIN;
SET ROLE planner;
UPDATE cmn_department.department SET s_caption='Склад заготовок', s_description='', id_parent=5, type='1', s_type='Склад заготовок' where id=9;
DO $$
DECLARE
    v_setting text[];
BEGIN
    ASSERT (SELECT d.type FROM cmn_department.department d WHERE id = 9) = 1, 'type unquoted';
    ASSERT (SELECT d."type" FROM cmn_department.department d WHERE id = 9) = 1, 'type quoted';
    ASSERT '11.12.2026'::date = DATE '2026-12-11', '11.12.2026 not read as 11 December';
    ASSERT to_date('11.12.2026', 'DD.MM.YYYY HH24:MI:SS') = DATE '2026-12-11', 'to_date with a time format';
    SELECT setconfig INTO v_setting FROM pg_db_role_setting s JOIN pg_database db ON db.oid = s.setdatabase
     WHERE db.datname = current_database() AND s.setrole = 0;
    ASSERT 'DateStyle=ISO, DMY' = ANY (v_setting), format('database datestyle: %s', v_setting);
    ASSERT 0::t_boolean = false AND 1::t_boolean = true, 'integer to t_boolean';
    ASSERT (2.5 * 3)::t_money = 7.5 AND (1e20::numeric)::t_money = 1e20, 'numeric to t_money';
    ASSERT pg_typeof(now()::t_datetime)::text = 't_datetime' AND now()::t_date = current_date, 't_datetime / t_date';
    ASSERT 0::t_id = 0, 't_id';
END $$;
\if :ERROR \echo FAIL type column, dates, domains \else \echo PASS type column, dates, domains \endif
ROLLBACK;

-- ----- a new process's key is read from its sequence, by a user login --------
BEGIN;
SET ROLE planner;
insert into mnf_proc_tech.proc_tech(s_caption, id_inventory_items, id_gds)VALUES('Проба' ,41 ,10);
DO $$
BEGIN
    ASSERT pg_sequence_last_value('mnf_proc_tech.proc_tech_id_seq')
           = (SELECT max(id) FROM mnf_proc_tech.proc_tech), 'pg_sequence_last_value is not the new key';
END $$;
\if :ERROR \echo FAIL process key from its sequence \else \echo PASS process key from its sequence \endif
ROLLBACK;

-- ----- "Очистить базу" empties working data and keeps the catalogues ---------
BEGIN;
CREATE TEMP TABLE catalogue_counts AS
    SELECT 'person' AS t, count(*) AS n FROM cmn_contractor.person
    UNION ALL SELECT 'jur_person', count(*) FROM cmn_contractor.jur_person
    UNION ALL SELECT 'department', count(*) FROM cmn_department.department
    UNION ALL SELECT 'items', count(*) FROM cmn_inventory_items.inventory_items
    UNION ALL SELECT 'proc_tech', count(*) FROM mnf_proc_tech.proc_tech
    UNION ALL SELECT 'operation', count(*) FROM mnf_operation.operation
    UNION ALL SELECT 'users', count(*) FROM adm_user.users
    UNION ALL SELECT 'msm', count(*) FROM cmn_msm.msm;
GRANT SELECT ON catalogue_counts TO zorna_admin;
INSERT INTO accounts_dep.smena (w_id, i_id, o_id, kol_vo, data, smena, id_doc, id_doc_item) VALUES (8, 41, 4, 5, '11.12.2026', 1, 1, 1);
INSERT INTO mnf_proc_tech.tp_operation (app_spec_id, tp_id, operation_id, cnt, orderby) VALUES (1, 2, 4, 200, 1);
SET ROLE zorna_admin;
SELECT truncate_tables('mnf_app');
truncate table mnf_proc_tech.tp_operation;truncate table accounts_dep.smena;truncate table accounts_dep.h_tabel;truncate table accounts_dep.person_temp;SELECT truncate_tables('stk_stocks');SELECT truncate_tables('stk_purchase');update cmn_inventory_items.inventory_items set cost_price =0;
DO $$
DECLARE
    c record;
    n bigint;
BEGIN
    FOR c IN SELECT * FROM (VALUES ('mnf_app.app_doc'), ('mnf_app.app_spec'), ('stk_stocks.stock'),
            ('stk_stocks.stock_in'), ('stk_stocks.spec_in'), ('stk_stocks.spec_out'),
            ('stk_purchase.purchase_doc'), ('stk_purchase.purchase_spec'), ('accounts_dep.smena'),
            ('mnf_proc_tech.tp_operation')) t(tbl) LOOP
        EXECUTE format('SELECT count(*) FROM %s', c.tbl) INTO n;
        ASSERT n = 0, format('%s still has %s rows', c.tbl, n);
    END LOOP;
    ASSERT NOT EXISTS (
        SELECT 1 FROM catalogue_counts cc
         WHERE cc.n <> CASE cc.t
             WHEN 'person' THEN (SELECT count(*) FROM cmn_contractor.person)
             WHEN 'jur_person' THEN (SELECT count(*) FROM cmn_contractor.jur_person)
             WHEN 'department' THEN (SELECT count(*) FROM cmn_department.department)
             WHEN 'items' THEN (SELECT count(*) FROM cmn_inventory_items.inventory_items)
             WHEN 'proc_tech' THEN (SELECT count(*) FROM mnf_proc_tech.proc_tech)
             WHEN 'operation' THEN (SELECT count(*) FROM mnf_operation.operation)
             WHEN 'users' THEN (SELECT count(*) FROM adm_user.users)
             WHEN 'msm' THEN (SELECT count(*) FROM cmn_msm.msm) END), 'a catalogue lost rows';
    ASSERT (SELECT count(*) FROM cmn_contractor.person) > 0, 'fixture: no persons';
    ASSERT NOT EXISTS (SELECT 1 FROM cmn_inventory_items.inventory_items WHERE cost_price <> 0), 'cost_price not reset';
    -- keys go on after the emptying, so no number is given twice
    ASSERT nextval('mnf_app.app_doc_id_seq') > 3, 'request numbering restarted';
END $$;
\if :ERROR \echo FAIL clear database keeps catalogues \else \echo PASS clear database keeps catalogues \endif
ROLLBACK;

BEGIN;
DO $$
DECLARE
    s text;
BEGIN
    FOREACH s IN ARRAY ARRAY['cmn_contractor', 'mnf_proc_tech', 'nosuchschema'] LOOP
        BEGIN
            PERFORM truncate_tables(s);
            RAISE EXCEPTION 'truncate_tables(%) was accepted', s USING ERRCODE = 'ZZ001';
        EXCEPTION WHEN raise_exception THEN
            NULL;
        END;
    END LOOP;
    ASSERT (SELECT count(*) FROM cmn_contractor.person) > 0, 'persons emptied';
    ASSERT (SELECT count(*) FROM mnf_proc_tech.proc_tech) > 0, 'processes emptied';
END $$;
\if :ERROR \echo FAIL truncate_tables refuses catalogue schemas \else \echo PASS truncate_tables refuses catalogue schemas \endif
ROLLBACK;

-- ----- a shift record shared by its brigade -------------------------------
BEGIN;
SET ROLE planner;
DO $$
DECLARE
    c       record;
    v_id    integer;
    v_done  numeric;
    n       integer;
    r       record;
BEGIN
    SELECT done INTO v_done FROM mnf_app.app_spec WHERE id = 1;
    -- kol_vo, brak: even split, a remainder, more rejects than an even split allows, fractions
    FOR c IN SELECT * FROM (VALUES (10::numeric, 1), (3, 2), (7.5, 0), (2, 2)) t(kol_vo, brak) LOOP
        INSERT INTO accounts_dep.smena (w_id, i_id, o_id, cena, kol_vo, brak, data, smena, color, time, vvod, ok, prize, id_doc, id_doc_item, f_gds_qty_use, id_gds_use, id_cons_use)
        VALUES (8, 41, 4, 6.5, c.kol_vo, c.brak, to_date('11.12.2026', 'DD.MM.YYYY HH24:MI:SS'), 2, 0, 8, now(), 'no', 0, 1, 1, 0, 10, 0)
        RETURNING id INTO v_id;
        -- the client wrote the worker's timesheet cell before the brigade is divided
        PERFORM accounts_dep.h_tabel_refresh(8, 2, DATE '2026-12-11');
        INSERT INTO accounts_dep.person_temp (id_smena, id_person) VALUES (v_id, 9), (v_id, 10), (v_id, 9), (v_id, 8);
        ASSERT accounts_dep.divide_between_person(v_id) = 2, 'two persons should be added';

        SELECT count(*) AS cnt, sum(kol_vo) AS k, sum(brak) AS b,
               bool_and(time = 8) AS hours, bool_and(brak <= kol_vo AND brak >= 0) AS sane,
               sum(round((kol_vo - brak) * cena, 2)) AS pay
          INTO r
          FROM accounts_dep.smena
         WHERE id = v_id OR (id > v_id AND w_id IN (9, 10));
        ASSERT r.cnt = 3, format('%s records instead of 3', r.cnt);
        ASSERT r.k = c.kol_vo AND r.b = c.brak, format('shares %s/%s do not sum to %s/%s', r.k, r.b, c.kol_vo, c.brak);
        ASSERT r.hours, 'hours not kept';
        ASSERT r.sane, 'a share has more rejects than units';
        ASSERT r.pay = round((c.kol_vo - c.brak) * 6.5, 2), format('pay %s', r.pay);
        ASSERT NOT EXISTS (SELECT 1 FROM accounts_dep.person_temp WHERE id_smena = v_id), 'brigade rows left';
        ASSERT accounts_dep.divide_between_person(v_id) = 0, 'second call changed something';

        -- clean up so that the next case counts only its own records
        DELETE FROM accounts_dep.smena WHERE id >= v_id;
    END LOOP;
    ASSERT (SELECT done FROM mnf_app.app_spec WHERE id = 1) = v_done, 'request line progress changed';
END $$;
\if :ERROR \echo FAIL divide_between_person shares \else \echo PASS divide_between_person shares \endif
ROLLBACK;

BEGIN;
SET ROLE planner;
insert into accounts_dep.SMENA(w_id, i_id, o_id, cena, kol_vo, brak, data, smena, color, time, vvod,ok, prize, id_doc, id_doc_item, f_gds_qty_use, id_gds_use, id_cons_use) values(8, 41, 4, 6.5,12, 0, to_date('11.12.2026', 'DD.MM.YYYY HH24:MI:SS'), 3, 0, 5, now(), 'no', 0, 1, 1, 0, 10, 0) returning id \gset
insert into accounts_dep.SMENA(w_id, i_id, o_id, cena, kol_vo, brak, data, smena, color, time, vvod,ok, prize, id_doc, id_doc_item, f_gds_qty_use, id_gds_use, id_cons_use) values(9, 41, 4, 6.5,4, 0, to_date('11.12.2026', 'DD.MM.YYYY HH24:MI:SS'), 3, 0, 3, now(), 'no', 0, 1, 1, 0, 10, 0);
insert into accounts_dep.h_tabel(smena, w_id, month, year, d11) values(3, 8, 12, 2026, 5);
insert into accounts_dep.h_tabel(smena, w_id, month, year, d11) values(3, 9, 12, 2026, 3);
insert into accounts_dep.person_temp(id_smena, id_person) values(:id,9);
select accounts_dep.divide_between_person(:id);
DO $$
BEGIN
    -- the member already had 3 hours that day in that shift: the cell holds the day's total
    ASSERT (SELECT d11 FROM accounts_dep.h_tabel WHERE w_id = 9 AND smena = 3 AND month = 12 AND year = 2026) = 8,
        'timesheet of the brigade member';
    ASSERT (SELECT d11 FROM accounts_dep.h_tabel WHERE w_id = 8 AND smena = 3 AND month = 12 AND year = 2026) = 5,
        'timesheet of the worker changed';
    ASSERT (SELECT count(*) FROM accounts_dep.h_tabel WHERE w_id = 9) = 1, 'second timesheet row';
END $$;
\if :ERROR \echo FAIL divide_between_person timesheet \else \echo PASS divide_between_person timesheet \endif
ROLLBACK;

-- ----- the shift list leaves out 'ta' and empty marks ----------------------
BEGIN;
SET ROLE planner;
insert into accounts_dep.SMENA(w_id, i_id, o_id, cena, kol_vo, brak, data, smena, color, time, vvod,ok, prize, id_doc, id_doc_item, f_gds_qty_use, id_gds_use, id_cons_use) values(8, 41, 4, 6.5,10, 10, to_date('07.12.2026', 'DD.MM.YYYY HH24:MI:SS'), 2, 0, 8, now(), 'no', 0, 1, 1, 0, 10, 0);
insert into accounts_dep.SMENA(w_id, i_id, o_id, cena, kol_vo, brak, data, smena, color, time, vvod,ok, prize, id_doc, id_doc_item, f_gds_qty_use, id_gds_use, id_cons_use) values(9, 41, 4, 6.5,10, 0, to_date('07.12.2026', 'DD.MM.YYYY HH24:MI:SS'), 2, 0, 8, now(), 'ta', 0, 1, 1, 0, 10, 0);
insert into accounts_dep.SMENA(w_id, i_id, o_id, cena, kol_vo, brak, data, smena, color, time, vvod,ok, prize, id_doc, id_doc_item, f_gds_qty_use, id_gds_use, id_cons_use) values(10, 41, 4, 6.5,10, 0, to_date('07.12.2026', 'DD.MM.YYYY HH24:MI:SS'), 2, 0, 8, now(), NULL, 0, 1, 1, 0, 10, 0);
insert into accounts_dep.SMENA(w_id, i_id, o_id, cena, kol_vo, brak, data, smena, color, time, vvod,ok, prize, id_doc, id_doc_item, f_gds_qty_use, id_gds_use, id_cons_use) values(11, 42, 7, 2,10, 0, to_date('07.12.2026', 'DD.MM.YYYY HH24:MI:SS'), 2, 0, 8, now(), 'ok', 0, 1, 2, 0, 13, 0);
CREATE TEMP TABLE shift_list AS
select smena.id, smena.data, smena.smena, smena.i_id, smena.o_id, smena.w_id, smena.cena,person.s_caption fio, ii1.marka, ot.s_caption vid_oper, (SELECT (CASE id_state WHEN 0 THEN 'Готовая продукция' ELSE 'Заготовки' END)) as nmn, o.id as id_1, smena.kol_vo, smena.brak, round((kol_vo::numeric-brak::numeric)*smena.cena::numeric, 2) as summa, smena.prize,time, smena.ok, date(vvod) as vvod, smena.id_doc, smena.id_doc_item, smena.f_gds_qty_use, smena.id_gds_use, smena.id_cons_use, ii.marka as s_caption_color from cmn_contractor.person person,cmn_inventory_items.inventory_items ii1, mnf_operation.operation o,accounts_dep.smena, mnf_operation.operation_type ot, mnf_app.app_spec as2, cmn_inventory_items.inventory_items ii where smena.i_id=ii1.id and smena.o_id=o.id and ii.id = as2.id_ral and as2.id_ii = ii1.id and as2.id=smena.id_doc_item and o.id_type=ot.id and smena.smena=2 and smena.data='07.12.2026' and ok!='ta' and smena.w_id= person.id order by ii1.marka, fio,ot.s_caption, o.id;
DO $$
BEGIN
    ASSERT (SELECT count(*) FROM shift_list) = 2, format('%s rows listed', (SELECT count(*) FROM shift_list));
    ASSERT NOT EXISTS (SELECT 1 FROM shift_list WHERE ok IS DISTINCT FROM 'no' AND ok IS DISTINCT FROM 'ok'), 'ta or empty mark listed';
    -- all units rejected: the amount is 0
    ASSERT (SELECT summa FROM shift_list WHERE w_id = 8) = 0, 'amount of a fully rejected record';
    -- the unpainted line shows with the empty colour of item 0
    ASSERT (SELECT s_caption_color FROM shift_list WHERE w_id = 11) = '', 'unpainted record colour';
    ASSERT (SELECT nmn FROM shift_list WHERE w_id = 8) = 'Готовая продукция', 'nmn';
END $$;
\if :ERROR \echo FAIL shift list with OK 'ta' \else \echo PASS shift list with OK 'ta' \endif
ROLLBACK;

-- ----- catalogue rows still in use cannot be deleted ------------------------
BEGIN;
SET ROLE zorna_admin;
DO $$
DECLARE
    c record;
BEGIN
    FOR c IN SELECT * FROM (VALUES
        ('delete from cmn_department.department where id=5', 'department of persons'),
        ('delete from cmn_department.department where id=9', 'warehouse with stock'),
        ('delete from hrms_staffpos.staffpos where id=9', 'position of persons'),
        ('delete from cmn_inventory_items.inventory_items where id=41', 'item of requests and processes'),
        ('delete from cmn_inventory_items.inventory_items where id=20', 'paint colour of a request line'),
        ('delete from cmn_contractor.jur_person where id=2', 'customer of a request'),
        ('delete from cmn_contractor.person where id =3', 'executor of requests'),
        ('delete from mnf_operation.operation_type where id=1', 'operation kind used by processes'),
        ('delete from adm_role.roles where id=11', 'not in use: an unused role must go')
    ) t(stmt, what) LOOP
        BEGIN
            EXECUTE c.stmt;
            IF c.what NOT LIKE 'not in use%' THEN
                RAISE EXCEPTION 'accepted: % (%)', c.stmt, c.what USING ERRCODE = 'ZZ001';
            END IF;
        EXCEPTION WHEN foreign_key_violation THEN
            IF c.what LIKE 'not in use%' THEN
                RAISE EXCEPTION 'refused: % (%)', c.stmt, c.what USING ERRCODE = 'ZZ001';
            END IF;
        END;
    END LOOP;
END $$;
\if :ERROR \echo FAIL deletes of catalogue rows in use are refused \else \echo PASS deletes of catalogue rows in use are refused \endif
ROLLBACK;

BEGIN;
SET ROLE planner;
insert into accounts_dep.SMENA(w_id, i_id, o_id, cena, kol_vo, brak, data, smena, color, time, vvod,ok, prize, id_doc, id_doc_item, f_gds_qty_use, id_gds_use, id_cons_use) values(13, 41, 4, 6.5,1, 0, to_date('11.12.2026', 'DD.MM.YYYY HH24:MI:SS'), 1, 0, 1, now(), 'no', 0, 1, 1, 0, 10, 0);
DO $$
BEGIN
    BEGIN
        DELETE FROM cmn_contractor.person WHERE id = 13;
        RAISE EXCEPTION 'a worker with shift records was deleted' USING ERRCODE = 'ZZ001';
    EXCEPTION WHEN foreign_key_violation THEN NULL;
    END;
    BEGIN
        DELETE FROM mnf_proc_tech.proc_tech WHERE id = 2;
        RAISE EXCEPTION 'a process whose operation has shift records was deleted' USING ERRCODE = 'ZZ001';
    EXCEPTION WHEN foreign_key_violation THEN NULL;
    END;
    BEGIN
        INSERT INTO stk_stocks.stock (id_stock, id_ii, count, price)VALUES(9, 10, 1, 1);
        RAISE EXCEPTION 'a second stock row for one item and warehouse' USING ERRCODE = 'ZZ001';
    EXCEPTION WHEN unique_violation THEN NULL;
    END;
END $$;
\if :ERROR \echo FAIL history and stock rows are protected \else \echo PASS history and stock rows are protected \endif
ROLLBACK;

-- ----- stock figures stay possible; a new pair adds up on one row -------------
BEGIN;
SET ROLE planner;
DO $$
DECLARE
    c record;
BEGIN
    FOR c IN SELECT * FROM (VALUES
        ('UPDATE stk_stocks.stock SET reserve = count + 1 WHERE id = 1', 'reserve above count'),
        ('UPDATE stk_stocks.stock SET reserve = -1 WHERE id = 1', 'negative reserve'),
        ('UPDATE stk_stocks.stock SET count = count - 851 WHERE id = 1', 'negative count'),
        ('UPDATE stk_stocks.stock SET reserve = 10, count = 5 WHERE id = 1', 'reserve kept, count below it')
    ) t(stmt, what) LOOP
        BEGIN
            EXECUTE c.stmt;
            RAISE EXCEPTION 'accepted: %', c.what USING ERRCODE = 'ZZ001';
        EXCEPTION WHEN check_violation THEN NULL;
        END;
    END LOOP;
    UPDATE stk_stocks.stock SET reserve = count WHERE id = 1;
    INSERT INTO stk_stocks.stock (id_stock, id_ii, count, price) VALUES (9, 10, 5, 78.5)
        ON CONFLICT (id_stock, id_ii) DO UPDATE SET count = stk_stocks.stock.count + EXCLUDED.count;
    ASSERT (SELECT count FROM stk_stocks.stock WHERE id_stock = 9 AND id_ii = 10) = 855, 'ON CONFLICT did not add';
    ASSERT (SELECT count(*) FROM stk_stocks.stock WHERE id_stock = 9 AND id_ii = 10) = 1, 'second row for the pair';
    ASSERT NOT EXISTS (SELECT 1 FROM stk_stocks.stock WHERE NOT (count >= 0 AND reserve >= 0 AND reserve <= count)),
        'demo stock breaks the figures rule';
END $$;
\if :ERROR \echo FAIL stock figures and pairs \else \echo PASS stock figures and pairs \endif
ROLLBACK;

-- ----- the build stamp only moves forward, and never past the server's today --
BEGIN;
UPDATE ver SET d = to_char(current_date, 'YYYYMMDD')::integer, t = 5000;
SET ROLE planner;
DO $$
DECLARE
    today integer := to_char(current_date, 'YYYYMMDD')::integer;
    yesterday integer := to_char(current_date - 1, 'YYYYMMDD')::integer;
    tomorrow integer := to_char(current_date + 1, 'YYYYMMDD')::integer;
BEGIN
    ASSERT NOT record_build(today, 4999), 'an older time moved the stamp';
    ASSERT NOT record_build(yesterday, 86399), 'an older date moved the stamp';
    ASSERT NOT record_build(today, 5000), 'an equal build moved the stamp';
    ASSERT (SELECT d = today AND t = 5000 FROM ver), 'stamp moved back';
    BEGIN
        PERFORM record_build(tomorrow, 0);
        RAISE EXCEPTION 'a build from the future was recorded' USING ERRCODE = 'ZZ001';
    EXCEPTION WHEN raise_exception THEN NULL;
    END;
    BEGIN
        PERFORM record_build(today, 86400);
        RAISE EXCEPTION 'a time past midnight was recorded' USING ERRCODE = 'ZZ001';
    EXCEPTION WHEN raise_exception THEN NULL;
    END;
    ASSERT record_build(today, 5001), 'a newer build was not recorded';
    ASSERT (SELECT d = today AND t = 5001 FROM ver), 'newer build not in ver';
END $$;
\if :ERROR \echo FAIL build stamp function \else \echo PASS build stamp function \endif
ROLLBACK;
