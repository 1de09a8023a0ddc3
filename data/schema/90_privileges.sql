-- Ownership and privileges; keep this file last.
-- sys owns every object; zorna_user (the group of the users' logins) may read
-- and write every table, use every sequence and call every function.

DO $$
DECLARE
    r record;
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

    FOR r IN
        SELECT n.nspname FROM pg_namespace n
         WHERE n.nspname NOT LIKE 'pg\_%' AND n.nspname <> 'information_schema'
    LOOP
        EXECUTE format('GRANT USAGE ON SCHEMA %I TO zorna_user', r.nspname);
        EXECUTE format('GRANT SELECT, INSERT, UPDATE, DELETE, TRUNCATE ON ALL TABLES IN SCHEMA %I TO zorna_user', r.nspname);
        EXECUTE format('GRANT USAGE, SELECT, UPDATE ON ALL SEQUENCES IN SCHEMA %I TO zorna_user', r.nspname);
        EXECUTE format('GRANT EXECUTE ON ALL FUNCTIONS IN SCHEMA %I TO zorna_user', r.nspname);
        -- Tables that sys adds later are usable at once.
        EXECUTE format('ALTER DEFAULT PRIVILEGES FOR ROLE sys IN SCHEMA %I GRANT SELECT, INSERT, UPDATE, DELETE, TRUNCATE ON TABLES TO zorna_user', r.nspname);
        EXECUTE format('ALTER DEFAULT PRIVILEGES FOR ROLE sys IN SCHEMA %I GRANT USAGE, SELECT, UPDATE ON SEQUENCES TO zorna_user', r.nspname);
        EXECUTE format('ALTER DEFAULT PRIVILEGES FOR ROLE sys IN SCHEMA %I GRANT EXECUTE ON FUNCTIONS TO zorna_user', r.nspname);
    END LOOP;
END
$$;

SELECT public.sync_id_sequences();
