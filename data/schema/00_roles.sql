-- Roles and database-wide settings.
-- Run as the superuser on a fresh database, with the psql variable mavoret
-- holding the password of the system account (psql -v mavoret=... -f ...) and,
-- optionally, startup holding the start-up account's password.
-- Roles belong to the whole cluster, so they are created only when missing and
-- brought to the wanted state on every run.

-- The start-up account's password is compiled into every client, so it is no
-- secret; the account can do nothing but read the version stamp and record a
-- newer build (90_privileges.sql).
\if :{?startup}
\else
\set startup 'zorna-startup'
\endif

DO $$
DECLARE
    v_role text;
BEGIN
    -- "sys" owns every object of the database; only maintenance uses it.
    -- zorna_startup: what a client runs as before anybody has logged in.
    -- The group roles carry the rights; a login gets them by membership:
    --   zorna_user        ordinary users (planners, masters, storekeepers, ...)
    --   zorna_restricted  the logins the client keeps out of the catalogues
    --   zorna_economist   the economist: requests to look at, nothing of the shop floor
    --   zorna_admin       administrators: users, roles, emptying the working data
    FOREACH v_role IN ARRAY ARRAY['sys', 'zorna_startup', 'zorna_user', 'zorna_restricted',
                                  'zorna_economist', 'zorna_admin'] LOOP
        IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = v_role) THEN
            EXECUTE format('CREATE ROLE %I', v_role);
        END IF;
    END LOOP;
END
$$;

ALTER ROLE sys WITH LOGIN CREATEDB PASSWORD :'mavoret';
ALTER ROLE zorna_startup WITH LOGIN NOINHERIT NOCREATEDB NOCREATEROLE PASSWORD :'startup';
ALTER ROLE zorna_user WITH NOLOGIN;
ALTER ROLE zorna_restricted WITH NOLOGIN;
ALTER ROLE zorna_economist WITH NOLOGIN;
ALTER ROLE zorna_admin WITH NOLOGIN;
GRANT zorna_admin TO sys;

-- The client sends day texts such as '11.12.2026' without a conversion
-- function: they must be read day first for every connection.
DO $$
BEGIN
    EXECUTE format('ALTER DATABASE %I OWNER TO sys', current_database());
    EXECUTE format('ALTER DATABASE %I SET datestyle = %L', current_database(), 'ISO, DMY');
END
$$;
SET datestyle = 'ISO, DMY';
