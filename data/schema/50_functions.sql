-- Server functions the client calls.

-- Empties every table of one working-data schema ("Очистить базу").
-- Catalogues must survive a slip of the caller, so only the schemas of working
-- data are accepted. The tables go in one TRUNCATE, which covers references
-- inside the schema; there is no CASCADE, so a table of another schema that
-- points in makes the call fail instead of being emptied as well. Keys are not
-- restarted: a number once shown to users is never given to another document.
CREATE FUNCTION public.truncate_tables(schema_name text) RETURNS void
LANGUAGE plpgsql AS $$
DECLARE
    v_tables text;
BEGIN
    IF schema_name IS NULL
       OR schema_name NOT IN ('mnf_app', 'stk_stocks', 'stk_purchase', 'accounts_dep') THEN
        RAISE EXCEPTION 'truncate_tables: схема "%" не относится к рабочим данным', schema_name;
    END IF;
    SELECT string_agg(format('%I.%I', n.nspname, c.relname), ', ' ORDER BY c.relname)
      INTO v_tables
      FROM pg_class c
      JOIN pg_namespace n ON n.oid = c.relnamespace
     WHERE n.nspname = schema_name AND c.relkind IN ('r', 'p');
    IF v_tables IS NOT NULL THEN
        EXECUTE 'TRUNCATE TABLE ' || v_tables;
    END IF;
END
$$;

-- Sets a worker's timesheet cell for one day and shift to the hours of all
-- that worker's shift records of the day, as the shift entry screen does.
CREATE FUNCTION accounts_dep.h_tabel_refresh(p_w_id integer, p_smena integer, p_data date)
RETURNS void
LANGUAGE plpgsql AS $$
DECLARE
    v_day   text := 'd' || extract(day FROM p_data)::integer;
    v_hours integer;
BEGIN
    SELECT coalesce(sum(s.time), 0)::integer INTO v_hours
      FROM accounts_dep.smena s
     WHERE s.w_id = p_w_id AND s.smena = p_smena AND s.data = p_data;
    EXECUTE format(
        'INSERT INTO accounts_dep.h_tabel (smena, w_id, month, year, %1$I) VALUES ($1, $2, $3, $4, $5)
         ON CONFLICT (w_id, smena, month, year) DO UPDATE SET %1$I = EXCLUDED.%1$I', v_day)
    USING p_smena, p_w_id, extract(month FROM p_data)::integer,
          extract(year FROM p_data)::integer, v_hours;
END
$$;

-- Shares one shift record among its worker and the brigade listed for it in
-- accounts_dep.person_temp; returns the number of persons added.
--
-- The brigade did the work together, so the units are split evenly: every
-- member gets floor(good / n) good units and floor(brak / n) rejects, and the
-- record's own worker keeps the rest. Good units and rejects are split
-- separately so that no share has more rejects than units, and the sums of
-- kol_vo and brak (hence the pay, the line's work cost and the progress
-- already booked) stay exactly those of the original record. Everybody was on
-- the shift, so every member keeps the full hours and gets them in the
-- timesheet like the worker did. The request line, its operations and the
-- stock were advanced once when the record was saved and stay as they are.
-- The brigade list of the record is consumed.
CREATE FUNCTION accounts_dep.divide_between_person(s_id integer) RETURNS integer
LANGUAGE plpgsql AS $$
DECLARE
    r          accounts_dep.smena%ROWTYPE;
    v_members  integer[];
    v_person   integer;
    n          integer;
    v_good     numeric;
    good_share numeric;
    brak_share integer;
BEGIN
    SELECT * INTO r FROM accounts_dep.smena WHERE id = s_id FOR UPDATE;
    IF NOT FOUND THEN
        DELETE FROM accounts_dep.person_temp WHERE id_smena = s_id;
        RETURN 0;
    END IF;

    SELECT array_agg(DISTINCT pt.id_person ORDER BY pt.id_person)
      INTO v_members
      FROM accounts_dep.person_temp pt
     WHERE pt.id_smena = s_id AND pt.id_person <> r.w_id;
    DELETE FROM accounts_dep.person_temp WHERE id_smena = s_id;
    IF v_members IS NULL THEN
        RETURN 0;
    END IF;

    n := cardinality(v_members) + 1;
    v_good := r.kol_vo - r.brak;
    good_share := greatest(floor(v_good / n), 0);
    brak_share := greatest(r.brak / n, 0);

    UPDATE accounts_dep.smena
       SET kol_vo = r.kol_vo - (n - 1) * (good_share + brak_share),
           brak = r.brak - (n - 1) * brak_share
     WHERE id = s_id;

    FOREACH v_person IN ARRAY v_members LOOP
        INSERT INTO accounts_dep.smena (
            w_id, i_id, o_id, kol_vo, brak, data, smena, cena, color, time, ok, vvod,
            prize, id_doc, id_doc_item, f_gds_qty_use, id_gds_use, id_cons_use,
            coef, i_id_old, m_id, b_end_oper)
        VALUES (
            v_person, r.i_id, r.o_id, good_share + brak_share, brak_share, r.data, r.smena,
            r.cena, r.color, r.time, r.ok, r.vvod,
            r.prize, r.id_doc, r.id_doc_item, 0, r.id_gds_use, r.id_cons_use,
            r.coef, r.i_id_old, r.m_id, r.b_end_oper);
        PERFORM accounts_dep.h_tabel_refresh(v_person, r.smena, r.data);
    END LOOP;
    RETURN n - 1;
END
$$;

-- Moves every serial key sequence past the keys already in its table; run
-- after rows were loaded with explicit keys.
CREATE FUNCTION public.sync_id_sequences() RETURNS void
LANGUAGE plpgsql AS $$
DECLARE
    r     record;
    v_max bigint;
BEGIN
    FOR r IN
        SELECT n.nspname, c.relname, a.attname,
               pg_get_serial_sequence(format('%I.%I', n.nspname, c.relname), a.attname) AS seq
          FROM pg_class c
          JOIN pg_namespace n ON n.oid = c.relnamespace
          JOIN pg_attribute a ON a.attrelid = c.oid AND a.attnum > 0 AND NOT a.attisdropped
         WHERE c.relkind = 'r'
           AND n.nspname NOT LIKE 'pg\_%' AND n.nspname <> 'information_schema'
    LOOP
        CONTINUE WHEN r.seq IS NULL;
        EXECUTE format('SELECT max(%I) FROM %I.%I', r.attname, r.nspname, r.relname) INTO v_max;
        IF coalesce(v_max, 0) < 1 THEN
            PERFORM setval(r.seq, 1, false);
        ELSE
            PERFORM setval(r.seq, v_max, true);
        END IF;
    END LOOP;
END
$$;

-- Records a newer client build in ver: the one way users and the start-up
-- account change the stamp. It never moves the stamp back, and it refuses a
-- build date later than the server's today, so that nobody can shut every
-- client out with a date from the future. Returns whether the stamp moved.
CREATE FUNCTION public.record_build(p_d integer, p_t integer) RETURNS boolean
LANGUAGE plpgsql SECURITY DEFINER SET search_path = pg_catalog, pg_temp AS $$
BEGIN
    IF p_d IS NULL OR p_t IS NULL OR p_t < 0 OR p_t >= 86400
       OR to_date(p_d::text, 'YYYYMMDD') IS NULL THEN
        RAISE EXCEPTION 'Неверная отметка сборки: дата %, время %', p_d, p_t;
    END IF;
    IF p_d > to_char(current_date, 'YYYYMMDD')::integer THEN
        RAISE EXCEPTION 'Дата сборки % позже сегодняшней даты сервера (%)', p_d, to_char(current_date, 'YYYYMMDD');
    END IF;
    UPDATE public.ver SET d = p_d, t = p_t WHERE (d, t) < (p_d, p_t);
    RETURN FOUND;
END
$$;
