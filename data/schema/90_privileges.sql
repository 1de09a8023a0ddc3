-- Ownership and privileges; keep this file last.
--
-- sys owns every object. The rights live in group roles (00_roles.sql), each
-- granted what the screens of its users send and no more:
--   zorna_admin       everything, emptying included (TRUNCATE, truncate_tables),
--                     and the only one to write ver, users and roles directly
--   zorna_user        reads all; writes working data and the catalogues
--   zorna_restricted, zorna_economist
--                     read all; write requests, stock and supply, but neither
--                     shift records, the timesheet nor the catalogues; the
--                     receipts' cost price and the take-in's acceptance mark
--                     are the column grants their screens need
--   zorna_startup     reads ver, records a newer build through record_build
-- Nobody but the administrator (and sys) may move a sequence by hand.

DO $$
DECLARE
    r record;
    g text;
BEGIN
    FOR r IN
        SELECT n.nspname FROM pg_namespace n
         WHERE n.nspname NOT LIKE 'pg\_%' AND n.nspname NOT IN ('information_schema', 'public')
    LOOP
        EXECUTE format('ALTER SCHEMA %I OWNER TO sys', r.nspname);
    END LOOP;

    -- Sequences that belong to a serial column follow their table.
    FOR r IN
        SELECT n.nspname, c.relname, c.relkind
          FROM pg_class c
          JOIN pg_namespace n ON n.oid = c.relnamespace
         WHERE n.nspname NOT LIKE 'pg\_%' AND n.nspname <> 'information_schema'
           AND (c.relkind IN ('r', 'p', 'v', 'm')
                OR (c.relkind = 'S' AND NOT EXISTS (
                        SELECT 1 FROM pg_depend dp
                         WHERE dp.objid = c.oid AND dp.classid = 'pg_class'::regclass
                           AND dp.deptype IN ('a', 'i'))))
    LOOP
        EXECUTE format('ALTER %s %I.%I OWNER TO sys',
                       CASE r.relkind WHEN 'v' THEN 'VIEW'
                                      WHEN 'm' THEN 'MATERIALIZED VIEW'
                                      WHEN 'S' THEN 'SEQUENCE'
                                      ELSE 'TABLE' END,
                       r.nspname, r.relname);
    END LOOP;

    FOR r IN
        SELECT p.oid::regprocedure AS sig
          FROM pg_proc p
          JOIN pg_namespace n ON n.oid = p.pronamespace
         WHERE n.nspname NOT LIKE 'pg\_%' AND n.nspname <> 'information_schema'
    LOOP
        EXECUTE format('ALTER FUNCTION %s OWNER TO sys', r.sig);
        -- Functions are callable by everybody unless told otherwise.
        EXECUTE format('REVOKE EXECUTE ON FUNCTION %s FROM PUBLIC', r.sig);
    END LOOP;

    FOR r IN
        SELECT t.oid::regtype AS typ
          FROM pg_type t
          JOIN pg_namespace n ON n.oid = t.typnamespace
         WHERE t.typtype = 'd'
           AND n.nspname NOT LIKE 'pg\_%' AND n.nspname <> 'information_schema'
    LOOP
        EXECUTE format('ALTER DOMAIN %s OWNER TO sys', r.typ);
    END LOOP;

    -- A database rebuilt in a cluster that keeps its roles starts clean.
    FOREACH g IN ARRAY ARRAY['zorna_user', 'zorna_restricted', 'zorna_economist', 'zorna_admin', 'zorna_startup'] LOOP
        FOR r IN
            SELECT n.nspname FROM pg_namespace n
             WHERE n.nspname NOT LIKE 'pg\_%' AND n.nspname <> 'information_schema'
        LOOP
            EXECUTE format('REVOKE ALL ON ALL TABLES IN SCHEMA %I FROM %I', r.nspname, g);
            EXECUTE format('REVOKE ALL ON ALL SEQUENCES IN SCHEMA %I FROM %I', r.nspname, g);
            EXECUTE format('REVOKE ALL ON ALL FUNCTIONS IN SCHEMA %I FROM %I', r.nspname, g);
            IF g <> 'zorna_startup' THEN
                EXECUTE format('GRANT USAGE ON SCHEMA %I TO %I', r.nspname, g);
                EXECUTE format('GRANT SELECT ON ALL TABLES IN SCHEMA %I TO %I', r.nspname, g);
            END IF;
        END LOOP;
    END LOOP;

    FOR r IN
        SELECT n.nspname FROM pg_namespace n
         WHERE n.nspname NOT LIKE 'pg\_%' AND n.nspname <> 'information_schema'
    LOOP
        EXECUTE format('GRANT ALL ON ALL TABLES IN SCHEMA %I TO zorna_admin', r.nspname);
        EXECUTE format('GRANT ALL ON ALL SEQUENCES IN SCHEMA %I TO zorna_admin', r.nspname);
        EXECUTE format('GRANT EXECUTE ON ALL FUNCTIONS IN SCHEMA %I TO zorna_admin', r.nspname);
        EXECUTE format('GRANT INSERT, UPDATE, DELETE ON ALL TABLES IN SCHEMA %I TO zorna_user', r.nspname);
        -- nextval for the serial keys, no setval.
        EXECUTE format('GRANT USAGE, SELECT ON ALL SEQUENCES IN SCHEMA %I TO zorna_user, zorna_restricted, zorna_economist',
                       r.nspname);
    END LOOP;

    -- Ordinary users write neither the stamp nor the logins and their roles.
    REVOKE INSERT, UPDATE, DELETE ON public.ver, adm_user.users, adm_role.roles FROM zorna_user;
    GRANT EXECUTE ON FUNCTION accounts_dep.divide_between_person(integer),
                              accounts_dep.h_tabel_refresh(integer, integer, date) TO zorna_user;

    FOREACH g IN ARRAY ARRAY['zorna_restricted', 'zorna_economist'] LOOP
        FOR r IN
            SELECT n.nspname FROM pg_namespace n
             WHERE n.nspname IN ('mnf_app', 'stk_stocks', 'stk_purchase')
        LOOP
            EXECUTE format('GRANT INSERT, UPDATE, DELETE ON ALL TABLES IN SCHEMA %I TO %I', r.nspname, g);
        END LOOP;
        -- The issue of materials copies the process into the line's work plan.
        EXECUTE format('GRANT INSERT, UPDATE, DELETE ON mnf_proc_tech.tp_operation TO %I', g);
        -- Receipts rewrite an item's cost price; the finished-goods take-in
        -- marks the line's shift records as accepted.
        EXECUTE format('GRANT UPDATE (cost_price) ON cmn_inventory_items.inventory_items TO %I', g);
        EXECUTE format('GRANT UPDATE (ok) ON accounts_dep.smena TO %I', g);
    END LOOP;

    GRANT SELECT ON public.ver TO zorna_startup;
    GRANT USAGE ON SCHEMA public TO zorna_startup;
    GRANT EXECUTE ON FUNCTION public.record_build(integer, integer)
        TO zorna_startup, zorna_user, zorna_restricted, zorna_economist, zorna_admin;
END
$$;

SELECT public.sync_id_sequences();
